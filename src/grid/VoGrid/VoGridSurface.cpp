// Around and beneath the cells: text measuring and offsets, rotated text placement, lines of a row and the
// background outside the cells.
#include <cmath>

#include "grid/VoGrid/VoGridPaint.h"
#include "grid/base/VsgHTMLE/VsgHTMLE.h"
#include "platform/RichText.h"

int VOroDavoduRuzu::PrintXOffsetTotal() const
{
    return XYOffsetTopLeftOnly ? XYOffset.X : 2 * XYOffset.X;
}

int VOroDavoduRuzu::PrintYOffsetTotal() const
{
    return XYOffsetTopLeftOnly ? XYOffset.Y : 2 * XYOffset.Y;
}

int VOroDavoduRuzu::MaxLinesInRow(int ARow)
{
    if (ColCount() == 0 || !Multilinecells)
        return 1;
    int lines = 1;
    for (int c = 0; c < ColCount(); ++c)
        lines = std::max(lines, CountTextLines(GetGridCell(RealColIndex(c), ARow), true));
    return lines;
}

TSize VOroDavoduRuzu::MeasureCellText(int ACol, int ARow, bool VS, bool SB)
{
    return GetCellTextSize(RealColIndex(ACol), ARow, VS, SB);
}

TSize VOroDavoduRuzu::GetCellTextSize(int ACol, int ARow, bool VS, bool SB)
{
    const int d = DisplColIndexOf(ACol);
    QString text = GetFormattedCell(ACol, ARow);
    const int kind = CellTextKind(text, EnableHTML);
    TCanvas& c = Canvas();
    TGridDrawState state = 0;
    TBrush brush;
    GetFontProperties(d, ACol, ARow, state, c.Font(), brush, false);
    if (inFixedArea(d, ARow) && ActiveCellShow && (FActiveCellFont.Style() & fsBold))
        c.Font().SetStyle(c.Font().Style() | fsBold);
    c.Font().SetSize(c.Font().Size() + ZoomFactor);
    if (kind == ctkFormula)
        text = GetGridCell(ACol, ARow);
    TRect r = d >= 0 && d < ColCount() ? TBaseGrid::CellRect(d, ARow) : TRect{};
    r.Left += XYOffset.X;
    r.Top += XYOffset.Y;
    if (!XYOffsetTopLeftOnly) {
        r.Right -= XYOffset.X;
        r.Bottom -= XYOffset.Y;
    }
    if (VS)
        r.Right -= 17;
    TSize size;
    if (kind == ctkHtml) {
        if (!SB)
            r.Right = 65535;
        r.Bottom = 65535;
        THtmlRenderOptions options;
        options.MeasureOnly = true;
        options.Images = QueryCellImageList(ACol, ARow);
        options.URLColor = URLColor;
        options.WordWrap = !EnhTextSize;
        THtmlRenderResult result;
        RenderHtmlText(c, text, r, options, result);
        size = {result.TextWidth + 2, result.TextHeight + 2};
    } else {
        if (kind == ctkRtf)
            text = RichTextToPlainText(text);
        if (SB) {
            r = Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
            if (EditorMode() && d == Col() && ARow == Row() && text.endsWith(u'\n'))
                text += u'w';
            TRect m = r;
            c.DrawText(text, m, DT_CALCRECT | DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK);
            size = {r.Right - r.Left, m.Bottom - m.Top};
        } else {
            const QStringList lines = Multilinecells ? text.split(u'\r') : QStringList{text};
            int width = 0;
            for (QString line : lines) {
                line.remove(u'\n');
                if (URLShow && !URLFull && kind == ctkPlain && IsUrlText(line))
                    StripUrlScheme(line);
                width = std::max(width, c.TextWidth(line));
            }
            size = {width, c.TextHeight(QStringLiteral("gh")) * static_cast<int>(lines.size())};
        }
    }
    if (const TCellGraphic* g = GetCellGraphic(ACol, ARow); g && g->CellType == ctRotated) {
        const double a = g->CellAngle * M_PI / 180;
        const int w = size.cx;
        const int h = size.cy;
        size.cx =
            std::abs(std::abs(static_cast<int>(h * std::sin(a))) - std::abs(static_cast<int>(w * std::cos(a)))) + 12;
        size.cy =
            std::abs(std::abs(static_cast<int>(h * std::cos(a))) - std::abs(static_cast<int>(w * std::sin(a)))) + 12;
    }
    return size;
}

void VOroDavoduRuzu::PlaceRotatedText(TCanvas& ACanvas, TRect& ARect, int Angle, TVAlignment VAlign, TAlignment HAlign,
                                      const QString& AText)
{
    const TSize extent = ACanvas.TextExtent(AText);
    ARect = Rect(ARect.Left + 2, ARect.Top + 2, ARect.Right - 2, ARect.Bottom - 2);
    const double a = Angle * M_PI / 180;
    const int A = std::abs(static_cast<int>(std::cos(a) * extent.cy));
    const int B = std::abs(static_cast<int>(std::sin(a) * extent.cx));
    const int C = std::abs(static_cast<int>(std::sin(a) * extent.cy));
    const int D = std::abs(static_cast<int>(std::cos(a) * extent.cx));
    AlignRotatedTextRect(ARect, Angle, VAlign, HAlign, A, B, C, D);
}

void VOroDavoduRuzu::AlignRotatedTextRect(TRect& ARect, int Angle, TVAlignment VAlign, TAlignment HAlign, int A, int B,
                                          int C, int D)
{
    const int w = ARect.Right - ARect.Left;
    const int h = ARect.Bottom - ARect.Top;
    const int quarter = Angle <= 90 ? 0 : Angle <= 180 ? 1 : Angle <= 270 ? 2 : 3;
    struct Start {
        int left, right, centre;
    };
    const Start x[4] = {
        {ARect.Left, ARect.Right - D - C, ARect.Left + (w - C - D) / 2},
        {ARect.Left + D, ARect.Right - C, ARect.Right - (C + w - D) / 2},
        {ARect.Left + C + D, ARect.Right, ARect.Right - (w - C - D) / 2},
        {ARect.Left + C, ARect.Right - D, ARect.Left + (C + w - D) / 2},
    };
    const Start y[4] = {
        {ARect.Top + B, ARect.Bottom - A, ARect.Top + B - (B + A - h) / 2},
        {ARect.Top + A + B, ARect.Bottom, ARect.Top + A + B - (B + A - h) / 2},
        {ARect.Top + A, ARect.Bottom - B, ARect.Top + A - (B + A - h) / 2},
        {ARect.Top, ARect.Bottom - A - B, ARect.Top - (B + A - h) / 2},
    };
    const Start& sx = x[quarter];
    const Start& sy = y[quarter];
    ARect.Left = HAlign == taRightJustify ? sx.right : HAlign == taCenter ? sx.centre : sx.left;
    ARect.Top = VAlign == vtaBottom ? sy.right : VAlign == vtaCenter ? sy.centre : sy.left;
}

void VOroDavoduRuzu::PaintBackgroundOutsideCells(TCanvas& ACanvas)
{
    const bool gradient = FBackGround.Display() == bdGradientHorz || FBackGround.Display() == bdGradientVert;
    if (gradient && FBackGround.ColorTo() == clNone)
        return;
    const int lastCol = ColCount() - 1;
    const int lastRow = RowCount() - 1;
    const bool colVisible = lastCol >= 0 && LeftCol() + VisibleColCount() > lastCol;
    const bool rowVisible = lastRow >= 0 && TopRow() + VisibleRowCount() > lastRow;
    if (!colVisible && !rowVisible)
        return;
    TRect client = Rect(0, 0, ClientWidth(), ClientHeight());
    if (FFloatingFooter.Visible())
        client.Bottom -= DefaultRowHeight();
    const TRect lastColRect = TBaseGrid::CellRect(lastCol, std::min(TopRow(), lastRow));
    const TRect lastRowRect = TBaseGrid::CellRect(std::min(LeftCol(), lastCol), lastRow);
    ACanvas.SaveState();
    ACanvas.SetClipRect(client);
    // Only the parts right of the last column and below the last row.
    const TRect cells = Rect(0, 0, colVisible ? lastColRect.Right + GridLineWidth() : client.Right,
                             rowVisible ? lastRowRect.Bottom + GridLineWidth() : client.Bottom);
    ACanvas.ExcludeClipRect(cells);
    const TBitmap& picture = FBackGround.Bitmap();
    if (picture.Empty()) {
        DrawGradientRect(ACanvas, FBackGround.Color(), FBackGround.ColorTo(), 128, client,
                         FBackGround.Display() == bdGradientHorz);
    } else if (FBackGround.Display() != bdTile) {
        ACanvas.Draw(FBackGround.Left(), FBackGround.Top(), picture);
    } else if (FBackGround.Cells() != bcFixed) {
        const TPoint origin = FBackGround.Cells() == bcNormal
                                  ? TPoint{FixedColsWidth() + XYOffset.X, FixedRowsHeight() + XYOffset.Y}
                                  : TPoint{XYOffset.X, XYOffset.Y};
        for (int y = origin.Y; y < client.Bottom; y += picture.Height())
            for (int x = origin.X; x < client.Right; x += picture.Width())
                ACanvas.Draw(x, y, picture);
    }
    ACanvas.RestoreState();
}

// --- Focus frame ---------------------------------------------------------------------------------------

VOroDavoduRuzu* VOroDavoduRuzu::ActiveFocusGrid()
{
    return VoGridUnit().ActiveGrid;
}

void VOroDavoduRuzu::ShowFocusWindow(const TRect& ACellRect)
{
    if (VoGridUnit().ActiveGrid && VoGridUnit().ActiveGrid != this)
        VoGridUnit().ActiveGrid->HideFocusWindow();
    if (!FFocusWindow)
        FFocusWindow = std::make_unique<TGridFocusWindow>(nullptr);
    const TPoint origin = ClientToScreen({ACellRect.Left, ACellRect.Top});
    FFocusWindow->ShowAround(Bounds(origin.X, origin.Y, ACellRect.Width(), ACellRect.Height()));
    VoGridUnit().ActiveGrid = this;
}

void VOroDavoduRuzu::PlaceFocusWindow()
{
    if (!FFocusWindow || VoGridUnit().ActiveGrid != this)
        return;
    const TRect cell = CellRect(Col(), Row());
    const TPoint origin = ClientToScreen({cell.Left, cell.Top});
    FFocusWindow->MoveAround(Bounds(origin.X, origin.Y, cell.Width(), cell.Height()));
}

void VOroDavoduRuzu::HideFocusWindow()
{
    if (VoGridUnit().ActiveGrid == this)
        VoGridUnit().ActiveGrid = nullptr;
    if (FFocusWindow)
        FFocusWindow->SetVisible(false);
}

// --- Sizing lines ---------------------------------------------------------------------------------------

// A black dotted XOR pen leaves its dots unchanged and inverts the gaps (drawn in the white background);
// the same pixels inverted by a white one.
void VOroDavoduRuzu::drawSizingLine(TPoint From, TPoint To)
{
    TCanvas& c = Canvas();
    TPen saved;
    saved.Assign(c.Pen());
    c.Pen().SetColor(clWhite);
    c.Pen().SetStyle(psDot);
    c.Pen().SetMode(pmXor);
    c.Pen().SetWidth(1);
    c.MoveTo(From.X, From.Y);
    c.LineTo(To.X, To.Y);
    c.Pen().Assign(saved);
}

void VOroDavoduRuzu::DrawColSizingLine(int X)
{
    const int lastRow = RowCount() - 1;
    drawSizingLine({X, 0}, {X, std::max(Height(), lastRow >= 0 ? TBaseGrid::CellRect(0, lastRow).Bottom : 0)});
}

void VOroDavoduRuzu::DrawRowSizingLine(int Y)
{
    const int lastCol = ColCount() - 1;
    drawSizingLine({0, Y}, {std::max(Width(), lastCol >= 0 ? TBaseGrid::CellRect(lastCol, 0).Right : 0), Y});
}

// --- Click ------------------------------------------------------------------------------------------------

void VOroDavoduRuzu::Click()
{
    TBaseGrid::Click();
    FEntered = false;
    StoreOldCellText(Col(), Row());
}

// --- Border -----------------------------------------------------------------------------------------------

void VOroDavoduRuzu::PaintNonClient(TCanvas& Canvas)
{
    TBaseGrid::PaintNonClient(Canvas);
    if (FUpdateCount == 0)
        PaintGridBorder(Canvas);
}

void VOroDavoduRuzu::PaintGridBorder(TCanvas& Canvas)
{
    const bool ownBorder = FLook == glSoft || FLook == glQEV || FLook == glXP || FLook == glListView ||
                           FLook == glVista || FLook == glWin7 || FLook == glOffice2007;
    if (!ownBorder || BorderStyle() == bsNone || FBorderColor == clNone || Flat)
        return;
    const int w = Width();
    const int h = Height();
    const auto outline = [&Canvas](TColor color, std::initializer_list<TPoint> points) {
        Canvas.Pen().SetColor(color);
        Canvas.Pen().SetWidth(1);
        Canvas.Pen().SetStyle(psSolid);
        Canvas.MoveTo(points.begin()->X, points.begin()->Y);
        for (auto p = points.begin() + 1; p != points.end(); ++p)
            Canvas.LineTo(p->X, p->Y);
    };
    if (FitCellsInGrid) {
        outline(FBorderColor, {{1, h}, {1, 1}, {w - 2, 1}, {w - 2, h - 2}, {1, h - 2}});
        if (Parent())
            outline(Parent()->Color(), {{0, h}, {0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
    } else if (FIsComCtl6) {
        outline(FBorderColor, {{0, h - 1}, {0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
    }
}
