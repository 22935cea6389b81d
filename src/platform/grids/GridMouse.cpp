// Mouse handling of TCustomGrid: selection, sizing and moving of columns and rows, the wheel.
#include "platform/Grids.h"

#include "platform/ControlBridge.h"

#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace {
// How far from a border a press still grabs it.
constexpr int SizingMargin = 3;

// The border after a cell of the axis near Pos, or -1; only fixed cells of the other axis show borders.
int borderAt(const TGridAxis& axis, int first, int extent, int pos, int& border)
{
    for (int i = 0; i < axis.Count(); ++i) {
        if (i >= axis.Fixed && i < first)
            i = first;
        const int start = axis.Start(i, first);
        if (start >= extent)
            break;
        const int end = start + axis.Size(i);
        if (pos >= end - SizingMargin && pos <= end + axis.LineWidth + SizingMargin - 1) {
            border = end;
            return i;
        }
    }
    return -1;
}
}  // namespace

void TCustomGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs)
{
    State = gsNormal;
    Index = -1;
    int border = 0;
    if ((options_ & goColSizing) && Y >= 0 && Y < rows_.FixedExtent()) {
        Index = borderAt(cols_, LeftCol(), cellsWidth(), X, border);
        if (Index >= 0) {
            State = gsColSizing;
            SizingPos = border;
            SizingOfs = X - border;
            return;
        }
    }
    if ((options_ & goRowSizing) && X >= 0 && X < cols_.FixedExtent()) {
        Index = borderAt(rows_, TopRow(), cellsHeight(), Y, border);
        if (Index >= 0) {
            State = gsRowSizing;
            SizingPos = border;
            SizingOfs = Y - border;
        }
    }
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (CanFocus() && !Focused() && !(editor_ && editor_->Focused()))
        SetFocus();
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft)
        return;
    const TGridCoord cell = MouseCoord(X, Y);
    const bool normal = cell.X >= FixedCols() && cell.Y >= FixedRows();
    if (Shift & ssDouble) {
        if (normal && cell == current_ && (options_ & goEditing))
            ShowEditor();
        return;
    }
    TGridState state = gsNormal;
    CalcSizingState(X, Y, state, drag_.index, drag_.pos, drag_.offset);
    if (state != gsNormal) {
        FGridState = state;
        return;
    }
    if (cell.X < 0)
        return;
    if ((options_ & goColMoving) && cell.Y < FixedRows() && cell.X >= FixedCols()) {
        FGridState = gsColMoving;
        drag_ = {cell.X, cell.X, 0};
        return;
    }
    if ((options_ & goRowMoving) && cell.X < FixedCols() && cell.Y >= FixedRows()) {
        FGridState = gsRowMoving;
        drag_ = {cell.Y, cell.Y, 0};
        return;
    }
    if (!normal)
        return;
    if (cell == current_ && (options_ & goEditing) && !(Shift & ssShift)) {
        ShowEditor();
        return;
    }
    const bool extend = (Shift & ssShift) && (options_ & goRangeSelect);
    moveCurrent(cell, !extend, true);
    if (options_ & goRangeSelect)
        FGridState = gsSelecting;
}

// The cell a drag points at; beyond an edge of the cells area it is the next cell outside.
static int dragIndex(const TGridAxis& axis, int first, int extent, int pos)
{
    if (pos >= extent)
        return first + axis.PartialCount(first, extent);
    if (pos < axis.FixedExtent())
        return first - 1;
    return axis.CellAt(pos, first, extent);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    switch (FGridState) {
    case gsSelecting: {
        const TGridCoord cell{dragIndex(cols_, LeftCol(), cellsWidth(), X),
                              dragIndex(rows_, TopRow(), cellsHeight(), Y)};
        moveCurrent(clampToNormal(cell), false, true);
        break;
    }
    case gsColSizing:
    case gsRowSizing:
        drag_.pos = (FGridState == gsColSizing ? X : Y) - drag_.offset;
        Invalidate();
        break;
    case gsColMoving:
        drag_.pos = std::clamp(dragIndex(cols_, LeftCol(), cellsWidth(), X), FixedCols(), ColCount() - 1);
        break;
    case gsRowMoving:
        drag_.pos = std::clamp(dragIndex(rows_, TopRow(), cellsHeight(), Y), FixedRows(), RowCount() - 1);
        break;
    case gsNormal:
        showSizingCursor(X, Y);
        break;
    }
}

// Over a border that may be dragged the cursor shows the sizing direction.
void TCustomGrid::showSizingCursor(int X, int Y)
{
    TGridState state = gsNormal;
    int index = 0, pos = 0, offset = 0;
    CalcSizingState(X, Y, state, index, pos, offset);
    if (state == gsColSizing)
        Widget()->setCursor(Qt::SizeHorCursor);
    else if (state == gsRowSizing)
        Widget()->setCursor(Qt::SizeVerCursor);
    else if (sizingCursor_)
        ControlBridge::applyCursor(Widget(), Cursor());
    sizingCursor_ = state != gsNormal;
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TGridState state = FGridState;
    FGridState = gsNormal;
    switch (state) {
    case gsColSizing:
        Invalidate();
        SetColWidths(drag_.index, std::max(drag_.pos - cols_.Start(drag_.index, LeftCol()), 0));
        break;
    case gsRowSizing:
        Invalidate();
        SetRowHeights(drag_.index, std::max(drag_.pos - rows_.Start(drag_.index, TopRow()), 0));
        break;
    case gsColMoving:
        MoveColumn(drag_.index, drag_.pos);
        break;
    case gsRowMoving:
        MoveRow(drag_.index, drag_.pos);
        break;
    case gsSelecting:
    case gsNormal:
        break;
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

// The wheel moves the current row.
bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheelDown(Shift, MousePos))
        return true;
    if (Row() < RowCount() - 1)
        SetRow(Row() + 1);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheelUp(Shift, MousePos))
        return true;
    if (Row() > FixedRows())
        SetRow(Row() - 1);
    return true;
}
