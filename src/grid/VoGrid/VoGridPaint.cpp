// The cell painter: what the grid paints over the base cell (text, borders, graphic, focus) and the paint pass.
#include "grid/VoGrid/VoGridPaint.h"

#include "grid/base/VsgHTMLE/VsgHTMLE.h"
#include "platform/RichText.h"

void VOroDavoduRuzu::Paint()
{
    // Under the update lock nothing is painted; the next paint after it draws everything.
    if (FUpdateCount > 0)
        return;
    TCanvas& canvas = Canvas();
    canvas.Pen().SetStyle(psSolid);
    canvas.Brush().SetStyle(bsSolid);
    TBaseGrid::Paint();
    if (EditorMode()) {
        const bool lines = Options() & (goHorzLine | goVertLine);
        canvas.Pen().SetColor(lines && GridLineWidth() > 0 ? GridLineColor() : Color());
        canvas.Brush().SetStyle(bsClear);
        canvas.Rectangle(TBaseGrid::CellRect(Col(), Row()));
        canvas.Brush().SetStyle(bsSolid);
    }
    canvas.Pen().SetColor(clBlack);
    if (!FBackGround.Bitmap().Empty() || FBackGround.ColorTo() != clNone)
        PaintBackgroundOutsideCells(canvas);
    paintMouseMarks(canvas);
    if (OnPainted)
        OnPainted(this);
}

bool VOroDavoduRuzu::showsSortIndicator(int ACol, int RCol, int ARow)
{
    if (!IsSortIndicatorCell(ACol, ARow) || FixedRows() < 1)
        return false;
    const int index = FSortIndexes.FindIndex(RCol);
    if (RCol != FSortSettings.Column && index < 0)
        return false;
    if (ACol < FixedCols() && !FSortSettings.FixedCols)
        return false;
    return index < 1 || FSortSettings.IndexShow;
}

void VOroDavoduRuzu::PaintGridCell(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    TCellPaint cp{ACanvas, ACol, ARow, DisplayToRealCol(ACol), ARect, AState};
    cp.filterGlyph = ARow == FilterDropDownRow && QueryColumnFilterItems(cp.RCol);
    cp.WW = WordWrap;
    GetVisualProperties(ACol, ARow, cp.AState, false, false, true, ACanvas.Brush(), cp.colorTo, cp.mirrorColor,
                        cp.mirrorColorTo, ACanvas.Font(), cp.HA, cp.VA, cp.WW, cp.GD);
    cp.graphic = GetCellGraphicLayout(cp.RCol, ARow, cp.gw, cp.gh, cp.withText, cp.gha, cp.gva);
    if (cp.graphic && cp.graphic->CellType == ctNode && cp.RCol == 0)
        cp.gw = GetNodeLevel(ARow) * 12 + 4;
    if ((cp.AState & gdSelected) && !(cp.AState & gdFocused) && SelectionColor == clNone)
        ACanvas.Brush().SetColor(clHighlight);
    ACanvas.Font().SetSize(ACanvas.Font().Size() + ZoomFactor);
    cp.ownBrush = ACanvas.Brush().Color();
    cp.ownFont = ACanvas.Font().Color();
    cp.fixed = paintsFixedLook(ACol, ARow);

    if (cp.fixed)
        paintFixedCellLook(cp);
    if (OnCustomCellBkgDraw)
        OnCustomCellBkgDraw(this, ACanvas, cp.RCol, ARow, cp.AState, cp.R, false);
    const int savedRight = cp.R.Right;
    if (!cp.fixed)
        paintEditorButtons(cp);
    const bool drawEvents = OnDrawCell || OnCustomCellDraw;
    if (!(cp.graphic && NoImageAndText) && !(NoDefaultDraw && drawEvents))
        paintCellText(cp);
    cp.R.Right = savedRight;
    ACanvas.Brush().SetColor(cp.ownBrush);
    ACanvas.Font().SetColor(cp.ownFont);
    cp.R = Rect(cp.R.Left - 1, cp.R.Top - 1, cp.R.Right + 1, cp.R.Bottom + 1);
    paintCellBorders(ACanvas, cp.RCol, ARow, cp.R);
    if (cp.fixed)
        paintFixedCellEdges(cp);
    if (cp.RCol == 0 && HasNodes() && ARow >= FixedRows() && FCellNode.ShowTree())
        paintTreeLines(cp);
    if (cp.graphic) {
        TRect copy = cp.R;
        if (cp.fixed)
            ++copy.Top;
        paintCellGraphic(cp, copy);
    }
    if (OnDrawCell) {
        const int w = GridLineWidth();
        OnDrawCell(this, cp.RCol, ARow, Rect(cp.R.Left + 1, cp.R.Top + 1, cp.R.Right - w, cp.R.Bottom - w), cp.AState);
    }
    if (OnCustomCellDraw)
        OnCustomCellDraw(this, ACanvas, cp.RCol, ARow, cp.AState, cp.R, false);
    paintFocusRect(cp);
}

void VOroDavoduRuzu::paintFocusRect(TCellPaint& cp)
{
    if (HideFocusRect || (Options() & goRowSelect) || Row() < FixedRows() || Col() < FixedCols())
        return;
    const TPoint base = BaseCell(cp.ACol, cp.ARow);
    if (base.X != Col() || base.Y != Row() || !Focused())
        return;
    const int d = GridLineWidth() - 1;
    const TRect r = Rect(cp.R.Left - d, cp.R.Top - d, cp.R.Right + d - 1, cp.R.Bottom + d - 1);
    cp.canvas.DrawFocusRect(r);
}

void VOroDavoduRuzu::paintEditorButtons(TCellPaint& cp)
{
    const bool dropDown = FControlLook.DropDownAlwaysVisible() && QueryHasComboBox(cp.RCol, cp.ARow);
    const bool spin = FControlLook.SpinButtonsAlwaysVisible() && QueryHasSpinEdit(cp.RCol, cp.ARow);
    if (!dropDown && !spin)
        return;
    bool editable = true;
    QueryCellEditable(cp.RCol, cp.ARow, editable);
    const int state = editable ? 0 : 3;
    TRect& r = cp.R;
    if (dropDown) {
        DrawComboButton(cp.canvas, Rect(r.Right - 16 - 2, r.Top - 1, r.Right + 1, r.Bottom), FTones, state,
                        buttonLook());
        r.Right -= 16;
    }
    if (spin) {
        DrawSpinButtons(cp.canvas, Rect(r.Right - 16, r.Top, r.Right, r.Bottom), FTones, state, buttonLook());
        r.Right -= 16;
    }
}

int VOroDavoduRuzu::buttonLook() const
{
    if (Flat && FTones.Background.BrushColor != clNone)
        return 3;
    if (FControlLook.FlatButton())
        return 2;
    return FIsWinXP ? 0 : 1;
}

namespace {
qsizetype firstLineBreak(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u'\r' || text[i] == u'\n')
            return i;
    return -1;
}
}  // namespace

// --- Text --------------------------------------------------------------------------------------------

void VOroDavoduRuzu::paintCellText(TCellPaint& cp)
{
    TCanvas& c = cp.canvas;
    cp.anchorColor = URLColor;
    const bool rowSelected = (Options() & goRowSelect) && rowListed(cp.ARow) && cp.ACol >= FixedCols() &&
                             cp.ACol < ColCount() - FixedRightCols;
    if (((cp.AState & gdSelected) || rowSelected) && !cp.fixed) {
        if (ShowSelection) {
            if (SelectionColor != clNone)
                c.Brush().SetColor(SelectionColor);
            if (SelectionTextColor != clNone && Enabled())
                c.Font().SetColor(SelectionTextColor);
            cp.anchorColor = SelectionTextColor;
        } else if (!Focused() || HasCheckBox(cp.RCol, cp.ARow)) {
            c.Brush().SetColor(cp.ownBrush);
            c.Font().SetColor(cp.ownFont);
        }
    }
    QString text = GetFormattedCell(cp.RCol, cp.ARow);
    const int kind = CellTextKind(text, EnableHTML);
    GetMarker(cp.RCol, cp.ARow, cp.markerFrom, cp.markerLen);
    if (IsPasswordCell(cp.RCol, cp.ARow))
        text = QString(text.size(), PasswordChar);
    const TRect saved = cp.R;
    if (cp.fixed) {
        cp.R.Left += GridLineWidth();
        cp.R.Top += GridLineWidth();
    }
    if (cp.filterGlyph)
        paintFilterGlyph(cp);
    if (!cp.fixed && !mouseSelecting() &&
        ((FMouseActions.DisjunctRowSelect() && !rowListed(cp.ARow)) ||
         (FMouseActions.DisjunctColSelect() && !colListed(cp.ACol)))) {
        cp.anchorColor = URLColor;
        c.Brush().SetColor(Color());
        c.Font().SetColor(Font().Color());
        QueryCellColor(cp.RCol, cp.ARow, cp.AState, c.Brush(), c.Font());
        c.Font().SetSize(c.Font().Size() + ZoomFactor);
    }
    if (SelectionRectangle && !cp.fixed && inSelection(cp.ACol, cp.ARow))
        paintSelectionOutline(cp);
    if (cp.withText) {
        cp.R.Left += XYOffset.X;
        cp.R.Top += XYOffset.Y;
        if (!XYOffsetTopLeftOnly)
            cp.R.Right -= XYOffset.X;
        if (cp.graphic) {
            if (cp.gha == haBeforeText)
                cp.R.Left += cp.gw;
            else if (cp.gha == haAfterText)
                cp.R.Right -= cp.gw;
            if (cp.gva == vaAboveText)
                cp.R.Top += cp.gh;
            else if (cp.gva == vaUnderText)
                cp.R.Bottom -= cp.gh;
            if (cp.gha == haLeft || (cp.gha == haBeforeText && cp.HA == taLeftJustify))
                cp.sortOffset = cp.gw;
        }
        if (cp.RCol == 0 && HasNodes() && !IsNode(cp.ARow))
            cp.R.Left += GetNodeIndent(cp.ARow);
        if (kind == ctkHtml)
            paintHtmlText(cp, text);
        else if (kind == ctkRtf)
            paintRichText(cp, text);
        else
            paintPlainText(cp, text);
    }
    cp.R = saved;
}

void VOroDavoduRuzu::paintHtmlText(TCellPaint& cp, const QString& text)
{
    TRect r = cp.R;
    if (cp.filterGlyph)
        r.Right -= 18;
    --r.Left;
    const bool sort = showsSortIndicator(cp.ACol, cp.RCol, cp.ARow);
    if (sort)
        r.Right -= 10;
    THtmlRenderOptions options;
    options.Images = QueryCellImageList(cp.RCol, cp.ARow);
    options.URLColor = cp.anchorColor;
    options.WordWrap = !EnhTextSize;
    options.UnderlineOnHover = URLUnderlineOnHover;
    options.BlinkOn = true;
    options.ControlDown = FCtrlDown && FCtrlXY == TPoint{cp.RCol, cp.ARow};
    THtmlRenderResult result;
    RenderHtmlText(cp.canvas, text, r, options, result);
    cp.textWidth = result.TextWidth + 2;
    if (sort) {
        const int y = cp.VA == vtaTop ? r.Top + 8 : cp.VA == vtaCenter ? (r.Top + r.Bottom) / 2 : r.Bottom - 8;
        PaintSortIndicator(cp.canvas, cp.RCol, y, r.Right + 2);
    }
}

void VOroDavoduRuzu::paintRichText(TCellPaint& cp, const QString& text)
{
    TCanvas& c = cp.canvas;
    c.Pen().SetColor(c.Brush().Color());
    if (!((cp.AState & gdSelected) && !(cp.AState & gdFocused) && SelectionColor == clNone))
        c.FillRect(cp.R);
    c.Brush().SetStyle(bsClear);
    const bool selected = (cp.AState & gdSelected) && !SelectionRTFKeep;
    DrawRichText(c, text, Rect(cp.R.Left, cp.R.Top, cp.R.Right, cp.R.Bottom), XYOffset.X,
                 selected && SelectionTextColor != clNone ? SelectionTextColor : clNone);
    c.Brush().SetStyle(bsSolid);
    c.Font().SetColor(clBlack);
}

void VOroDavoduRuzu::paintPlainText(TCellPaint& cp, QString text)
{
    TCanvas& c = cp.canvas;
    TRect r = cp.R;
    const bool sort = showsSortIndicator(cp.ACol, cp.RCol, cp.ARow);
    if (sort && cp.HA == taCenter)
        r.Left += 10;
    const bool url = URLShow && IsUrlText(GetCellEx(cp.RCol, cp.ARow));
    if (url) {
        if (!URLFull)
            StripUrlScheme(text);
        c.Font().SetStyle(c.Font().Style() | fsUnderline);
        c.Font().SetColor(cp.anchorColor);
    }
    unsigned flags = DT_EDITCONTROL;
    const int lines = Multilinecells ? static_cast<int>(text.count(u'\r')) + 1 : 1;
    if (lines == 1 && !cp.WW) {
        const qsizetype lineEnd = firstLineBreak(text);
        if (lineEnd >= 0)
            text.truncate(lineEnd);
        flags = DT_SINGLELINE;
        if (EnhTextSize)
            flags |= DT_END_ELLIPSIS;
    }
    if (cp.WW && !Multilinecells && EnhTextSize)
        flags |= DT_END_ELLIPSIS;
    flags |= DT_EXPANDTABS | DT_NOPREFIX;
    flags |= cp.HA == taRightJustify ? DT_RIGHT : cp.HA == taCenter ? DT_CENTER : DT_LEFT;
    FVAlignFlag = cp.VA == vtaCenter ? DT_VCENTER : cp.VA == vtaBottom ? DT_BOTTOM : DT_TOP;
    flags |= FVAlignFlag;
    flags |= (cp.WW || Multilinecells) ? (DT_WORDBREAK | DT_EDITCONTROL) : DT_SINGLELINE;
    c.SetBkMode(TRANSPARENT);
    if (cp.filterGlyph)
        r.Right -= 16;
    if (cp.graphic && !text.isEmpty()) {
        TRect m = r;
        c.DrawText(text, m, flags | DT_CALCRECT);
        cp.textWidth = m.Right - m.Left + 2;
    }
    c.DrawText(text, r, flags);
    if (cp.markerLen > 0 && cp.graphic && (cp.graphic->CellType == ctEmpty || cp.graphic->CellType == ctValue))
        DrawErrorUnderline(c, text, r, 0, cp.markerFrom, cp.markerLen);
    if (sort) {
        TRect m = r;
        c.DrawText(text, m, flags | DT_CALCRECT);
        const int width = std::max(0, std::min(r.Right - r.Left - 16, m.Right - m.Left));
        const int x = cp.HA == taRightJustify ? r.Right - width - 10
                      : cp.HA == taCenter     ? r.Left + 8
                                              : r.Left + width + cp.sortOffset + 10;
        const int y = cp.VA == vtaTop ? r.Top + 8 : cp.VA == vtaCenter ? (r.Top + r.Bottom) / 2 : r.Bottom - 8;
        PaintSortIndicator(c, cp.RCol, y, x);
    }
    if (url)
        c.Font().SetStyle(c.Font().Style() & ~fsUnderline);
}

// --- Selection outline and borders ----------------------------------------------------------------

void VOroDavoduRuzu::paintSelectionOutline(TCellPaint& cp)
{
    TCanvas& c = cp.canvas;
    const TGridRect sel = Selection();
    int left = std::min(sel.Left, sel.Right);
    int right = std::max(sel.Left, sel.Right);
    int top = std::min(sel.Top, sel.Bottom);
    int bottom = std::max(sel.Top, sel.Bottom);
    // A merged area holding the selection's corner outlines as one cell.
    if (IsMergedCell(cp.ACol, cp.ARow)) {
        const TPoint base = BaseCell(left, top);
        const TPoint ext = CellSpan(base.X, base.Y);
        left = base.X;
        top = base.Y;
        right = std::max(right, base.X + ext.X);
        bottom = std::max(bottom, base.Y + ext.Y);
    }
    const TPoint base = BaseCell(cp.ACol, cp.ARow);
    const TPoint span = CellSpan(base.X, base.Y);
    const bool isLeft = base.X == left;
    const bool isRight = base.X + span.X == right;
    const bool isTop = base.Y == top;
    const bool isBottom = base.Y + span.Y == bottom;
    const TRect& r = cp.R;
    const int w = GridLineWidth();
    c.Pen().SetColor(SelectionRectangleColor);
    c.Pen().SetWidth(2);
    const int edgeRight = isRight ? r.Right - 1 : r.Right;
    if (isLeft) {
        c.MoveTo(r.Left - w + 1, r.Bottom);
        c.LineTo(r.Left - w + 1, r.Top - w);
    }
    if (isRight) {
        c.MoveTo(r.Right - 1, r.Bottom);
        c.LineTo(r.Right - 1, r.Top - w);
    }
    if (isTop) {
        c.MoveTo(r.Left - w, r.Top - w + 1);
        c.LineTo(edgeRight, r.Top - w + 1);
    }
    if (isBottom) {
        c.MoveTo(r.Left - w, r.Bottom);
        c.LineTo(edgeRight, r.Bottom);
    }
    if (SelectionResizer && cp.ACol == right && cp.ARow == std::max(sel.Top, sel.Bottom)) {
        const TColor brush = c.Brush().Color();
        const TRect full = TBaseGrid::CellRect(cp.ACol, cp.ARow);
        c.Brush().SetColor(SelectionRectangleColor);
        c.Pen().SetWidth(1);
        c.Rectangle(r.Right - 4, r.Bottom - 4, full.Right, full.Bottom);
        c.Brush().SetColor(brush);
    }
    c.Pen().SetWidth(1);
}

void VOroDavoduRuzu::paintCellBorders(TCanvas& ACanvas, int RCol, int ARow, TRect R)
{
    TPen saved;
    saved.Assign(ACanvas.Pen());
    TCellBorders borders = 0;
    QueryCellBorder(RCol, ARow, borders, ACanvas.Pen());
    if (borders == 0 && !OnGetCellBorderProp) {
        ACanvas.Pen().Assign(saved);
        return;
    }
    TPen left, top, right, bottom;
    for (TPen* p : {&left, &top, &right, &bottom})
        p->Assign(ACanvas.Pen());
    if (OnGetCellBorderProp)
        OnGetCellBorderProp(this, ARow, RCol, left, top, right, bottom);
    const int unmovedTop = R.Top;
    const int half = (ACanvas.Pen().Width() + 1) / 2;
    if (Options() & goVertLine) {
        R.Left += half;
        R.Right -= half;
    }
    if (Options() & goHorzLine) {
        R.Top += half;
        R.Bottom -= half;
    }
    const int w = GridLineWidth();
    const auto line = [&](const TPen& pen, int x1, int y1, int x2, int y2) {
        ACanvas.Pen().Assign(pen);
        ACanvas.MoveTo(x1, y1);
        ACanvas.LineTo(x2, y2);
    };
    if (borders & cbLeft)
        line(left, std::max(0, R.Left), unmovedTop, std::max(0, R.Left), R.Bottom);
    if (borders & cbRight)
        line(right, R.Right - 1, unmovedTop, R.Right - 1, R.Bottom);
    if (borders & cbTop) {
        const int y = w == 0 ? R.Top + 1 : std::max(0, R.Top - w);
        line(top, R.Left, y, R.Right, y);
    }
    if (borders & cbBottom)
        line(bottom, R.Left - w - 1, R.Bottom - 1, R.Right, R.Bottom - 1);
    ACanvas.Pen().Assign(saved);
}
