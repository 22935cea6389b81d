// The cell painter of the base grid.
#include "grid/base/BaseGrid/BaseGrid.h"
#include "grid/base/VoUtil/VoUtilDraw.h"

namespace {

struct TSelectionColors {
    TColor fillFrom;
    TColor fillTo;
    TColor outer;
    TColor corner;
    TColor upperLine;
    TColor lowerLine;
    TColor lowerFrom;
    TColor lowerTo;
};

const TSelectionColors& selectionColors(TGridSelectionStyle style, bool focused)
{
    static const TSelectionColors vista = {0xFDF8F1, 0xFCEFD5, 0xFDDE99, 0xFCEDCB, 0xFDFBF6, 0xFDF5E7, clNone, clNone};
    static const TSelectionColors win7 = {0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xE0C5AE, 0xFDF4EB, 0xFDEADB, clNone, clNone};
    static const TSelectionColors office = {0xD7FFFD, 0x58D4FC, 0x8DD7D3, 0xC3D9DF,
                                            0xF4FEFF, 0xCAF8FF, 0x58D4FC, 0xB3F1FC};
    static const TSelectionColors unfocused = {0xF8F8F8, 0xE5E5E5, 0xD9D9D9, 0xEFEFEF,
                                               0xFBFAFA, 0xF0F0F0, clNone,   clNone};
    if (!focused)
        return unfocused;
    return style == ssWin7 ? win7 : style == ssOffice2007 ? office : vista;
}

}  // namespace

void TBaseGrid::Paint()
{
    TObjStringGrid::Paint();
    ++FPaintID;
}

void TBaseGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    paintCellCore(Canvas(), ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCell(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    paintCellCore(ACanvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    paintCellCore(ACanvas, ACol, ARow, ARect, AState, false);
}

void TBaseGrid::PaintGridCell(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState)
{
    TRect r = ARect;
    ACanvas.SetBkMode(TRANSPARENT);
    ACanvas.DrawText(GetCellEx(ACol, ARow), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TBaseGrid::paintCellCore(TCanvas& canvas, int ACol, int ARow, TRect ARect, TGridDrawState AState, bool full)
{
    if (HideLastRow && ARow == RowCount() - 1) {
        canvas.Brush().SetColor(Color());
        canvas.Brush().SetStyle(bsSolid);
        canvas.Pen().SetColor(Color());
        canvas.Rectangle(ARect);
        return;
    }
    int bc = ACol;
    int br = ARow;
    if (!FindBaseCell(ACol, ARow, bc, br)) {
        // A covered cell paints its whole area once per pass.
        TCellProperties* base = props(bc, br);
        if (base && base->FPaintID != FPaintID) {
            base->FPaintID = FPaintID;
            PaintCell(canvas, bc, br, ARect, AState);
        }
        return;
    }
    if (full) {
        if (IsFixed(ACol, ARow)) {
            AState = static_cast<TGridDrawState>((AState | gdFixed) & ~gdSelected);
        }
        ARect = CellRect(ACol, ARow);
    }
    // Keep areas scrolled under the fixed cells from drawing over them.
    const int fw = ACol >= FixedCols() ? FixedColsWidth() : 0;
    const int fh = ARow >= FixedRows() ? FixedRowsHeight() : 0;
    const bool clip = (FixedCols() > 0 && ACol >= FixedCols() && ARect.Left < fw) ||
                      (FixedRows() > 0 && ARow >= FixedRows() && ARect.Top < fh);
    if (clip) {
        canvas.SaveState();
        canvas.IntersectClipRect(Rect(fw, fh, GridWidth(), GridHeight()));
    }

    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(psSolid);
    canvas.Font().Assign(Font());
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(bsSolid);
    TCellLook look;
    look.ww = WordWrap;
    GetVisualProperties(ACol, ARow, AState, false, true, true, canvas.Brush(), look.colorTo, look.mirrorColor,
                        look.mirrorColorTo, canvas.Font(), look.ha, look.va, look.ww, look.gd);
    TColor& colorTo = look.colorTo;
    TColor& mirrorColor = look.mirrorColor;
    TColor& mirrorColorTo = look.mirrorColorTo;
    TCellGradientDirection& gd = look.gd;
    canvas.Pen().SetColor(canvas.Brush().Color());

    const bool selected = AState & gdSelected;
    const bool fixed = AState & gdFixed;
    const bool covered = full && fixed && LookCoversFixedCell(canvas, ACol, ARow);
    if (HoverRow && ARow == HoverRowIdx && !(selected && !(HoverRowCells & hcSelected)) &&
        !(fixed && !(HoverRowCells & hcFixed))) {
        canvas.Brush().SetColor(HoverRowColor);
        colorTo = HoverRowColorTo;
        mirrorColor = clNone;
        mirrorColorTo = clNone;
        gd = GradientVertical;
    }
    if ((FActiveRowShow && ARow == Row() && ACol >= FixedCols() && (ACol != Col() || !ShowSel)) ||
        (!full && selected)) {
        canvas.Brush().SetColor(FActiveRowColor);
        colorTo = FActiveRowColorTo;
        mirrorColor = FActiveRowMirrorColor;
        mirrorColorTo = FActiveRowMirrorColorTo;
    }
    canvas.Pen().SetColor(canvas.Brush().Color());

    // A fixed cell whose look paints over its background needs none here; its lines stay.
    if (selected && FSelectionStyle != ssDefault && ShowSel) {
        paintSelectionFrame(canvas, ACol, ARect);
    } else if (!covered && !(UseStylesActive() && (fixed || selected))) {
        if (mirrorColorTo != clNone)
            DrawCellBackground(canvas, ARect, canvas.Brush().Color(), colorTo, mirrorColor, mirrorColorTo, true, clNone,
                               false, true);
        else
            DrawGradientRect(canvas, canvas.Brush().Color(), colorTo, 64, ARect, gd == GradientHorizontal);
    }
    paintGridLines(canvas, ACol, ARect, fixed);

    if (full) {
        const int w = FGridLineWidth;
        const TRect inner = fixed ? Rect(ARect.Left, ARect.Top, ARect.Right - 1, ARect.Bottom - 2)
                                  : Rect(ARect.Left + w, ARect.Top + w, ARect.Right - w, ARect.Bottom - w);
        PaintGridCell(canvas, ACol, ARow, inner, AState);
    }
    if (clip)
        canvas.RestoreState();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Pen().SetStyle(psSolid);
}

void TBaseGrid::paintSelectionFrame(TCanvas& canvas, int ACol, const TRect& ARect)
{
    TRect r = ARect;
    if (!(Options() & goHorzLine))
        ++r.Bottom;
    if (!(Options() & goVertLine))
        ++r.Right;
    const TGridRect sel = Selection();
    const int left = std::min(sel.Left, sel.Right);
    const int right = std::max(sel.Left, sel.Right);
    const int position = ACol == left && left < right    ? 1
                         : ACol == right && right > left ? 2
                         : left < ACol && ACol < right   ? 3
                                                         : 0;
    const bool focused = Focused() || (Options() & goDrawFocusSelected);
    const TSelectionColors& c = selectionColors(FSelectionStyle, focused);
    DrawSelectionFrame(canvas, c.fillFrom, c.fillTo, c.lowerFrom, c.lowerTo, c.upperLine, c.lowerLine, c.outer,
                       c.corner, Color(), r, position);
}

void TBaseGrid::paintGridLines(TCanvas& canvas, int ACol, const TRect& ARect, bool fixed)
{
    int h = 1;
    if (fixed) {
        canvas.Pen().SetColor(FGridFixedLineColor);
        canvas.Pen().SetWidth(1);
    } else {
        if (FGridLineWidth > 0) {
            canvas.Pen().SetColor(FGridLineColor);
            canvas.Pen().SetWidth(FGridLineWidth);
        }
        h = (FGridLineWidth + 1) / 2;
    }
    const TGridOptions options = Options();
    if (!(ACol == 0 && HasNodes()) && (((options & goHorzLine) && !fixed) || ((options & goFixedHorzLine) && fixed))) {
        canvas.MoveTo(ARect.Left - h + 1, ARect.Bottom - h);
        canvas.LineTo(ARect.Right - h + 1, ARect.Bottom - h);
    }
    if (((options & goVertLine) && !fixed) || ((options & goFixedVertLine) && fixed)) {
        canvas.MoveTo(ARect.Right - h, ARect.Bottom - h);
        canvas.LineTo(ARect.Right - h, ARect.Top - h);
    }
    canvas.Pen().SetWidth(1);
}
