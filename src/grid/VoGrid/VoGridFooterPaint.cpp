// The floating footer: its panel's painting by footer style, the footer column under the mouse, its clicks,
// template expansion and the calculation kept per column.
#include "grid/VoGrid/VoGridPaint.h"
#include "grid/base/VsgHTMLE/VsgHTMLE.h"

QString ExpandFooterTemplate(const QString& Template, const std::function<QString(int)>& CellOfColumn)
{
    QString out;
    qsizetype from = 0;
    for (;;) {
        const qsizetype tag = Template.indexOf(QLatin1String("<#"), from);
        const qsizetype close = tag < 0 ? -1 : Template.indexOf(u'>', tag + 2);
        if (close < 0) {
            // No tag left, or one never closed: the rest as it is.
            out += Template.mid(from);
            return out;
        }
        out += Template.mid(from, tag - from);
        bool ok = false;
        const int column = Template.mid(tag + 2, close - tag - 2).trimmed().toInt(&ok);
        if (ok)
            out += CellOfColumn(column);
        from = close + 1;
    }
}

TColumnCalcType TFloatingFooter::GetColumnCalc(int ACol) const
{
    const int last = FGrid->RowCount() - 1;
    return FGrid->HasCellProperties(ACol, last) ? FGrid->GetCellProperties(ACol, last)->CalcType : acNONE;
}

void TFloatingFooter::SetColumnCalc(int ACol, TColumnCalcType Value)
{
    FGrid->GetCellProperties(ACol, FGrid->RowCount() - 1)->CalcType = Value;
    FGrid->RecalcFooterColumn(ACol);
}

VOroDavoduRuzu* TFooterPanel::grid() const
{
    return static_cast<VOroDavoduRuzu*>(Owner());
}

int TFooterPanel::ColumnAt(int X) const
{
    // Column widths include the grid line, as the grid's own cells do.
    const VOroDavoduRuzu& g = *grid();
    int sum = 0;
    for (int c = 0; c < g.FixedCols() && sum < X; ++c)
        sum += g.ColWidths(c);
    int c = g.LeftCol();
    while (sum < X && c < g.ColCount())
        sum += g.ColWidths(c++);
    return sum < X ? -1 : c - 1;
}

void TFloatingFooter::SetShowHint(bool v)
{
    FShowHint = v;
    if (FGrid && FGrid->FooterPanel())
        FGrid->FooterPanel()->ShowHint = v;
}

// Asked for its hint, the panel gives the footer cell's hint of the column under the mouse.
void TFooterPanel::WndProc(TMessage& Message)
{
    if (Message.Msg != CM_HINTSHOW) {
        TPanel::WndProc(Message);
        return;
    }
    VOroDavoduRuzu* g = grid();
    auto& info = *reinterpret_cast<THintInfo*>(Message.LParam);
    const int c = ColumnAt(info.CursorPos.X);
    if (g->OnGridHint && c >= 0)
        g->OnGridHint(g, g->RowCount() - 1, c, info.HintStr);
    const bool show = g->FloatingFooter().ShowHint();
    FLastHintX = show && c >= 0 ? c : -1;
    Message.Result = show ? 0 : 1;
}

void TFooterPanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TPanel::MouseMove(Shift, X, Y);
    if (!grid()->FloatingFooter().ShowHint())
        return;
    int c = ColumnAt(X);
    if (c < 0)
        c = grid()->ColCount() - 1;
    if (c != FLastHintX && FLastHintX >= 0) {
        // Another column: the next pause of the mouse asks for its hint.
        CancelHint();
        FLastHintX = c;
    }
}

void TFooterPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TPanel::MouseUp(Button, Shift, X, Y);
    VOroDavoduRuzu* g = grid();
    if (g->OnClick)
        g->OnClick(g);
    if (g->OnClickCell)
        g->OnClickCell(g, g->RowCount() - 1, ColumnAt(X));
}

void TFooterPanel::Paint()
{
    const TFloatingFooter& footer = grid()->FloatingFooter();
    TCanvas& c = Canvas();
    int right = ClientWidth();
    switch (footer.FooterStyle()) {
    case fsFixedLastRow:
        right = paintFixedLastRow(c);
        break;
    case fsColumnPreview:
        right = paintPreview(c, false);
        break;
    case fsCustomPreview:
        right = paintPreview(c, true);
        break;
    case fsCustomPaint:
        if (grid()->OnPaintFooter)
            grid()->OnPaintFooter(this, footer.Column(), c, ClientRect());
        break;
    }
    if (footer.BorderColor() != clNone) {
        c.Pen().SetColor(footer.BorderColor());
        c.MoveTo(0, 0);
        c.LineTo(right, 0);
    }
}

// The footer area: as wide as the fixed columns and the columns from the left column on; the rest of the panel
// takes the grid's colour.
static int footerWidth(const VOroDavoduRuzu& g)
{
    int width = 0;
    for (int c = 0; c < g.FixedCols(); ++c)
        width += g.ColWidths(c);
    for (int c = g.LeftCol(); c < g.ColCount(); ++c)
        width += g.ColWidths(c);
    return width;
}

int TFooterPanel::paintFixedLastRow(TCanvas& c)
{
    VOroDavoduRuzu& g = *grid();
    const int width = footerWidth(g);
    const int h = ClientHeight();
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(g.FloatingFooter().Color());
    c.FillRect(Rect(0, 0, width, h));
    c.Brush().SetColor(g.Color());
    c.FillRect(Rect(width, 0, ClientWidth(), h));
    const TGridOptions options = g.Options();
    const bool raised = (g.Look() == glSoft || g.Look() == glQEV || g.Look() == glXP || g.Look() == glVista) && !g.Flat;
    const int row = g.RowCount() - 1;
    int x = 0;
    const auto paintColumn = [&](int col, bool fixed) {
        const int w = g.ColWidths(col);
        const auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
            c.Pen().SetColor(color);
            c.MoveTo(x1, y1);
            c.LineTo(x2, y2);
        };
        if ((options & goFixedVertLine) && raised)
            line(clWhite, x, 0, x, h);
        if (options & goFixedHorzLine)
            line(g.GridLineColor(), x, 0, x + w, 0);
        if (options & goFixedVertLine)
            line(!fixed && g.Look() != glVista ? TColor(0x808080) : g.GridFixedLineColor(), x + w - 1, 0, x + w - 1, h);
        int cellRight = x + w - 1;
        if (g.IsMergedCell(col, row)) {
            const TPoint span = g.CellSpan(col, row);
            for (int m = col + 1; m <= col + span.X && m < g.ColCount(); ++m)
                cellRight += g.ColWidths(m);
        }
        const TRect r = Rect((options & goFixedHorzLine) && raised ? x + 1 : x, 1, cellRight, h);
        x += w;
        if (!g.IsBaseCell(col, row))
            return;
        if (!fixed) {
            const int real = g.RealColIndex(col);
            if (g.OnGetCellColor) {
                TBrush brush;
                brush.SetColor(clNone);
                g.OnGetCellColor(&g, row, real, gdFixed, brush, c.Font());
                if (brush.Color() != clNone) {
                    c.Brush().SetColor(brush.Color());
                    c.FillRect(r);
                }
            }
            const TColor own = g.Colors(real, row);
            if (own != clNone) {
                c.Brush().SetColor(own);
                c.FillRect(r);
            }
            if (g.OnPaintFooter) {
                g.OnPaintFooter(this, col, c, r);
                return;
            }
        }
        g.PaintGridCell(c, col, row, r, gdFixed);
    };
    for (int col = 0; col < g.FixedCols(); ++col)
        paintColumn(col, true);
    for (int col = g.LeftCol(); col < g.ColCount() && x < ClientWidth(); ++col)
        paintColumn(col, false);
    return x;
}

int TFooterPanel::paintPreview(TCanvas& c, bool custom)
{
    VOroDavoduRuzu& g = *grid();
    const TFloatingFooter& footer = g.FloatingFooter();
    const int width = footerWidth(g);
    const int h = ClientHeight();
    const TRect area = Rect(0, 0, width, h);
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(footer.Color());
    c.FillRect(area);
    c.Pen().SetColor(0x808080);
    c.MoveTo(0, h - 1);
    c.LineTo(width - 1, h - 1);
    c.LineTo(width - 1, -1);
    c.Pen().SetColor(0xFFFFFF);
    c.MoveTo(width - 1, 0);
    c.LineTo(0, 0);
    c.LineTo(0, h);
    if (custom) {
        TRect r = Rect(area.Left, area.Top + 2, area.Right, area.Bottom);
        c.SetBkMode(TRANSPARENT);
        if (g.QueryIsDesigning()) {
            c.DrawText(footer.CustomTemplate(), r, DT_LEFT | DT_TOP | DT_NOPREFIX);
        } else {
            const QString text =
                ExpandFooterTemplate(footer.CustomTemplate(), [&g](int col) { return g.Cells(col, g.Row()); });
            THtmlRenderOptions options;
            options.Images = g.GridImages;
            options.URLColor = g.URLColor;
            options.WordWrap = !g.EnhTextSize;
            THtmlRenderResult result;
            RenderHtmlText(c, text, r, options, result);
        }
    } else {
        const TColor selectionText = g.SelectionTextColor;
        g.SelectionTextColor = clBlack;
        if (g.OnPaintFooter)
            g.OnPaintFooter(this, footer.Column(), c, area);
        else
            g.PaintGridCell(c, footer.Column(), g.Row(), area, 0);
        g.SelectionTextColor = selectionText;
    }
    c.Brush().SetColor(g.Color());
    c.FillRect(Rect(width, 0, ClientWidth(), h));
    return width;
}

// --- The header cell a column is dragged by ---------------------------------------------------------

void THeaderDragButton::Paint()
{
    TCanvas& c = Canvas();
    const TRect r = ClientRect();
    FGrid->PaintCellExt(c, 0, 0, r, 0);
    c.SetBkMode(TRANSPARENT);
    if (!Caption.contains(QLatin1String("</"))) {
        TRect text = r;
        c.DrawText(Caption, text, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS);
        return;
    }
    THtmlRenderOptions options;
    options.Images = FGrid->GridImages;
    options.URLColor = 0xFF0000;
    THtmlRenderResult result;
    RenderHtmlText(c, Caption, r, options, result);
}
