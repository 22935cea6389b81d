// The fixed cells: look backgrounds with hover and pressed states, edges, row indicator, modified marker,
// sort indicator and filter glyph.
#include "grid/VoGrid/VoGridPaint.h"
#include "grid/base/VoXPVS.h"

namespace {

struct TGradient {
    TColor from;
    TColor to;
    TColor mirrorFrom;
    TColor mirrorTo;
    TColor border;
};

void fillGradient(TCanvas& c, const TRect& r, const TGradient& g)
{
    if (g.mirrorFrom != clNone)
        DrawCellBackground(c, r, g.from, g.to, g.mirrorFrom, g.mirrorTo, true, g.border, false, true);
    else
        DrawGradientRect(c, g.from, g.to == clNone ? g.from : g.to, 64, r, false);
    if (g.border != clNone) {
        c.Brush().SetColor(g.border);
        c.FrameRect(r);
    }
}

void line(TCanvas& c, TColor color, int x1, int y1, int x2, int y2)
{
    c.Pen().SetColor(color);
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

}  // namespace

bool VOroDavoduRuzu::IsHoverFixedCell(int ACol, int ARow) const
{
    if (ACol < FixedCols())
        return HoverFixedCells == hfAll || HoverFixedCells == hfFixedColumns;
    if (ARow < FixedRows())
        return HoverFixedCells == hfAll || HoverFixedCells == hfFixedRows;
    return false;
}

bool VOroDavoduRuzu::paintsFixedLook(int ACol, int ARow)
{
    const bool hoverRow = HoverRow && ARow == HoverRowIdx && (HoverRowCells & hcFixed);
    return !hoverRow && (IsFixed(ACol, ARow) || inFixedArea(ACol, ARow));
}

VOroDavoduRuzu::TFixedFill VOroDavoduRuzu::fixedFill(int ACol, int ARow, int RCol) const
{
    const bool gradientLook =
        FLook == glQEV || FLook == glXP || FLook == glVista || FLook == glWin7 || FLook == glOffice2007;
    if (!gradientLook)
        return TFixedFill::None;
    const bool moving = FGridState == gsColMoving;
    const bool hovered =
        IsHoverFixedCell(ACol, ARow) && !QueryIsDesigning() &&
        ((!moving && ACol == FixedHoverCell.X && ARow == FixedHoverCell.Y) || (moving && ACol == FixedHoverCell.X));
    if (hovered)
        return TFixedFill::Hover;
    if (ActiveCellShow && ((FixedCols() > 0 && ACol == FixedCols() - 1 && ARow == Row()) ||
                           (FixedRows() > 0 && ARow == FixedRows() - 1 && ACol == Col())))
        return TFixedFill::ActiveCell;
    const bool sortHeader = FSortSettings.Column != -1 && RCol == FSortSettings.Column && ARow == FixedRows() - 1 &&
                            (ACol >= FixedCols() || FSortSettings.FixedCols);
    if (sortHeader && FSortSettings.HeaderColor() != clNone)
        return TFixedFill::SortHeader;
    return Flat ? TFixedFill::None : TFixedFill::Plain;
}

// The plain look fills the cell's background opaquely in the canvas's brush (see paintFixedCellLook).
bool VOroDavoduRuzu::LookCoversFixedCell(const TCanvas& ACanvas, int ACol, int ARow)
{
    return ACanvas.Pen().Mode() == pmCopy && ACanvas.Brush().Color() != clNone && paintsFixedLook(ACol, ARow) &&
           fixedFill(ACol, ARow, DisplayToRealCol(ACol)) == TFixedFill::Plain;
}

void VOroDavoduRuzu::paintFixedCellLook(TCellPaint& cp)
{
    TCanvas& c = cp.canvas;
    const TColor brush = c.Brush().Color();
    const TControlLook::TFixedGradients& fg = FControlLook.FixedGradient();
    switch (fixedFill(cp.ACol, cp.ARow, cp.RCol)) {
    case TFixedFill::Hover: {
        const TGradient hover{fg.HoverFrom, fg.HoverTo, fg.HoverMirrorFrom, fg.HoverMirrorTo, fg.HoverBorder};
        const TGradient down{fg.DownFrom, fg.DownTo, fg.DownMirrorFrom, fg.DownMirrorTo, fg.DownBorder};
        const TRect r = Rect(cp.R.Left, cp.R.Top, cp.R.Right, cp.R.Bottom + 1);
        fillGradient(c, r, !FixedMouseDown && FGridState != gsColMoving ? hover : down);
        break;
    }
    case TFixedFill::ActiveCell:
        fillGradient(c, cp.R, {ActiveCellColor, ActiveCellColorTo, clNone, clNone, clNone});
        break;
    case TFixedFill::SortHeader:
        fillGradient(c, cp.R,
                     {FSortSettings.HeaderColor(), FSortSettings.HeaderColorTo(), FSortSettings.HeaderMirrorColor(),
                      FSortSettings.HeaderMirrorColorTo(), clNone});
        break;
    case TFixedFill::Plain:
        // The cell down to its bottom line; a fixed vertical line at its right stays.
        fillGradient(c,
                     Rect(cp.R.Left, cp.R.Top, cp.R.Right + ((Options() & goFixedVertLine) ? 0 : 1), cp.R.Bottom + 2),
                     {brush, cp.colorTo, cp.mirrorColor, cp.mirrorColorTo, clNone});
        if (FLook == glVista) {
            line(c, clWhite, cp.R.Left, cp.R.Top, cp.R.Left, cp.R.Bottom);
            line(c, clWhite, cp.R.Right - 1, cp.R.Top, cp.R.Right - 1, cp.R.Bottom);
        }
        break;
    case TFixedFill::None:
        if (FLook == glListView && !Flat) {
            const TRect r = Rect(cp.R.Left, cp.R.Top, cp.R.Right + 1, cp.R.Bottom + 2);
            const bool over = cp.ACol == FixedHoverCell.X && cp.ARow == FixedHoverCell.Y;
            TThemeData(QStringLiteral("header"))
                .DrawBackground(c, HP_HEADERITEM,
                                !over            ? 1
                                : FixedMouseDown ? 3
                                                 : 2,
                                r);
            line(c, clWhite, r.Left, r.Top, r.Right, r.Top);
        }
        break;
    }
    c.Brush().SetColor(brush);
    paintRowIndicator(cp);
    if (cp.ACol == 0 && FShowModified.Enabled) {
        const int real = RealRowIndex(cp.ARow);
        if (real < FModifiedRows.Count() && FModifiedRows.GetInteger(real) != 0) {
            c.Brush().SetColor(FShowModified.Color());
            c.Pen().SetColor(FShowModified.Color());
            c.Rectangle(cp.R.Right - 4, cp.R.Top, cp.R.Right, cp.R.Bottom);
            c.Brush().SetColor(brush);
        }
    }
}

void VOroDavoduRuzu::paintRowIndicator(TCellPaint& cp)
{
    if (cp.RCol != 0 || cp.ARow != Row() || FixedCols() == 0 || RowIndicator.Empty() ||
        (FixedRowAlways && RowCount() <= FixedRows()))
        return;
    const int h = RowIndicator.Height();
    const int spare = cp.R.Bottom - cp.R.Top - h;
    const int y = VAlignment == vtaTop ? cp.R.Top : VAlignment == vtaCenter ? cp.R.Top + spare / 2 : cp.R.Bottom - h;
    DrawBitmapTransparent(cp.canvas, RowIndicator, cp.canvas.Brush().Color(),
                          Rect(cp.R.Left + 2, y, cp.R.Left + 2 + RowIndicator.Width(), y + h));
    cp.indicatorWidth = RowIndicator.Width();
    cp.R.Left += RowIndicator.Width() + 2;
}

void VOroDavoduRuzu::paintFixedCellEdges(TCellPaint& cp)
{
    if (Flat)
        return;
    TCanvas& c = cp.canvas;
    const TRect& r = cp.R;
    const TGridOptions options = Options();
    if (FLook == glClassic) {
        TRect e = Rect(r.Left + 1, r.Top + 1, r.Right, r.Bottom + 1);
        DrawEdge(c, e, BDR_RAISEDINNER, BF_RECT);
        line(c, clBlack, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
        c.LineTo(r.Left - 1, r.Bottom - 1);
    } else if (FLook == glQEV || FLook == glXP) {
        const int bottom = r.Bottom + 1;
        if (options & goFixedHorzLine)
            line(c, DarkenColorHalf(FixedColor()), r.Left, bottom - 1, r.Right - 1, bottom - 1);
        line(c, clWhite, r.Right - 2, r.Top + 1, r.Left + 1, r.Top + 1);
        c.LineTo(r.Left + 1, bottom - 1);
    }
    const bool rightFixed = cp.ACol >= ColCount() - FixedRightCols;
    if (rightFixed && FLook != glClassic) {
        const TColor color = Flat ? TColor(0x808080) : clBlack;
        if (options & goFixedHorzLine) {
            line(c, color, r.Left - 1, r.Top - 1, r.Right + 1, r.Top - 1);
            line(c, color, r.Left - 1, r.Bottom, r.Right + 1, r.Bottom);
        }
        if (options & goFixedVertLine) {
            line(c, color, r.Left - 1, r.Top - 1, r.Left - 1, r.Bottom + 1);
            line(c, color, r.Right, r.Top - 1, r.Right, r.Bottom + 1);
        }
    }
    c.Pen().SetColor(clBlack);
}

void VOroDavoduRuzu::PaintSortIndicator(TCanvas& ACanvas, int ACol, int Y, int X)
{
    const int index = FSortIndexes.FindIndex(ACol);
    const bool ascending = index >= 0 ? FSortIndexes.GetSortDirections(index) : FSortSettings.Direction == 0;
    TCanvas& c = ACanvas;
    if (FSortSettings.IndexShow && index >= 0) {
        c.Brush().SetColor(FSortSettings.IndexColor);
        c.Pen().SetColor(clBlack);
        if (ascending)
            c.Polygon({{X - 6, Y + 8}, {X + 6, Y + 8}, {X, Y - 4}});
        else
            c.Polygon({{X - 7, Y - 5}, {X + 7, Y - 5}, {X, Y + 8}});
        TFont saved;
        saved.Assign(c.Font());
        c.Font().SetSize(6);
        c.Font().SetColor(clBlack);
        c.SetBkMode(TRANSPARENT);
        c.TextOut(X - 2, ascending ? Y - 2 : Y - 4, QString::number(index + 1));
        c.Font().Assign(saved);
        return;
    }
    c.Pen().SetWidth(1);
    if (ascending) {
        line(c, clWhite, X - 4, Y + 4, X + 4, Y + 4);
        c.LineTo(X, Y - 4);
        line(c, TColor(0x808080), X, Y - 4, X - 4, Y + 4);
    } else {
        line(c, clWhite, X + 4, Y - 4, X, Y + 4);
        line(c, TColor(0x808080), X, Y + 4, X - 4, Y - 4);
        c.LineTo(X + 4, Y - 4);
    }
    c.Pen().SetColor(clBlack);
}

void VOroDavoduRuzu::paintFilterGlyph(TCellPaint& cp)
{
    const TRect& r = cp.R;
    DrawBitmapTransparent(cp.canvas, filterGlyph(cp.RCol), FixedColor(),
                          Rect(r.Right - 16, r.Top, r.Right, r.Top + 16));
}
