// Drags out of the grid: a press on the selection arms a drag, a move of more than a few pixels starts it
// through the grid's I/O library, and a release without a drag selects the pressed cell. The dragged cells
// are shown by a picture in a floating window.
#include <cstdlib>

#include "grid/VoGrid/VoGrid.h"

namespace {
// How far the mouse moves from the press before a drag starts.
constexpr int DragStartDistance = 3;
// How far inside a sizable column's side borders a press must lie to arm a drag.
constexpr int DragBorderMargin = 4;
// Opacity of the picture of dragged cells.
constexpr std::uint8_t MoveFormAlpha = 192;

// The indexes from First to Last that are in view: the fixed ones and those from Top to Top + Visible.
std::vector<int> indexesInView(int First, int Last, int Fixed, int Top, int Visible)
{
    std::vector<int> out;
    for (int i = std::max(First, 0); i <= Last && i < Fixed; ++i)
        out.push_back(i);
    for (int i = std::max(First, Top); i <= Last && i <= Top + Visible; ++i)
        if (i >= Fixed)
            out.push_back(i);
    return out;
}
}  // namespace

bool VOroDavoduRuzu::pressStartsDrag(int C, int R, int RealC, TPoint At, TShiftState Flag)
{
    const bool header = R < FixedRows();
    if (!(IsSelected(C, R) || (header && !EnhRowColMove)))
        return false;
    if ((Options() & goEditing) || HasButton(RealC, R) || HasCheckBox(RealC, R))
        return false;
    if (!FDragDropSettings.OleDropSource || C < FixedCols())
        return false;
    if (header && (FMouseActions.ColSelect || FMouseActions.AllSelect))
        return false;
    const TRect r = CellRect(C, R);
    const bool inside = At.X - r.Left >= DragBorderMargin && r.Right - At.X >= DragBorderMargin;
    if (!inside && (Options() & goColSizing))
        return false;
    if (CanFocus())
        SetFocus();
    if (OnMouseDown)
        OnMouseDown(this, TMouseButton::mbLeft, Flag, At.X, At.Y);
    FSelectionClick = true;
    if (OnClickCell)
        OnClickCell(this, R, C);
    return true;
}

void VOroDavoduRuzu::moveStartsDrag(TShiftState Shift, int X, int Y)
{
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0 || cell.Y < 0 || !(Shift & ssLeft) || !FDragDropSettings.OleDropSource)
        return;
    if (std::abs(X - Clickposx) <= DragStartDistance && std::abs(Y - Clickposy) <= DragStartDistance)
        return;
    if (FGridState == gsColSizing || onSelectionResizer({X, Y}))
        return;
    FSelectionClick = false;
    const TGridCoord pressed = MouseCoord(Clickposx, Clickposy);
    TIOOperations* io = IO();
    const bool started = io && pressed.X >= 0 && pressed.Y >= 0 && io->StartCellDrag(pressed.X, pressed.Y);
    if (!started && FGridState == gsNormal)
        FGridState = gsSelecting;  // the mouse extends the selection instead
}

bool VOroDavoduRuzu::releaseSelectionClick(int C, int R, TShiftState Shift)
{
    FSelectionClick = false;
    if (C < FixedCols() || R < FixedRows() || C >= ColCount() || R >= RowCount())
        return false;
    // With disjunct rows a drag source keeps its row marks: Ctrl flips the released row's mark.
    if (FMouseActions.DisjunctRowSelect() && FDragDropSettings.OleDropSource) {
        const bool ctrl = Shift & ssCtrl;
        if (!ctrl)
            ClearRowSelect();
        if (ctrl || FMouseActions.DisjunctRowSelectNoCtrl) {
            SetRowSelect(R, !RowSelect(R));
            if (OnMouseUp)
                OnMouseUp(this, TMouseButton::mbLeft, ssCtrl, C, R);
            return true;
        }
    }
    TCustomGrid::FocusCell(C, R, true);
    if (Options() & goRowSelect)
        SetSelection({FixedCols(), R, ColCount() - 1, R});
    return false;
}

std::unique_ptr<TPopupWindow> VOroDavoduRuzu::SelectionToForm(const TGridRect& ARect)
{
    const TGridRect s{std::min(ARect.Left, ARect.Right), std::min(ARect.Top, ARect.Bottom),
                      std::max(ARect.Left, ARect.Right), std::max(ARect.Top, ARect.Bottom)};
    const std::vector<int> cols =
        indexesInView(s.Left, std::min(s.Right, ColCount() - 1), FixedCols(), LeftCol(), VisibleColCount());
    const std::vector<int> rows =
        indexesInView(s.Top, std::min(s.Bottom, RowCount() - 1), FixedRows(), TopRow(), VisibleRowCount());
    auto form = std::make_unique<TPopupWindow>(this);
    if (cols.empty() || rows.empty())
        return form;
    // The cells lie side by side as the grid places them, their lines within their widths and heights.
    int width = 1, height = 1;
    for (int c : cols)
        width += ColWidths(c);
    for (int r : rows)
        height += RowHeights(r);
    TBitmap image(width, height);
    TCanvas& canvas = image.Canvas();
    canvas.Brush().SetColor(GridLineColor());
    canvas.FillRect({0, 0, image.Width(), image.Height()});
    int y = 0;
    for (int r : rows) {
        int x = 0;
        for (int c : cols) {
            PaintCell(canvas, c, r, {x, y, x + ColWidths(c), y + RowHeights(r)}, 0);
            x += ColWidths(c);
        }
        y += RowHeights(r);
    }
    canvas.Pen().SetColor(GridFixedLineColor());
    if (s.Left == 0 && FixedCols() > 0 && (Options() & goFixedHorzLine)) {
        canvas.MoveTo(0, 0);
        canvas.LineTo(0, image.Height());
    }
    if (s.Top == 0 && FixedRows() > 0 && (Options() & goFixedVertLine)) {
        canvas.MoveTo(0, 0);
        canvas.LineTo(image.Width(), 0);
    }
    form->SetTransparentForInput(true);
    form->UpdateLayered(image, MoveFormAlpha);
    return form;
}
