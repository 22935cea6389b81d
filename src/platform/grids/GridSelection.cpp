// Current cell and selection of TCustomGrid.
#include "platform/Grids.h"

#include <algorithm>

TGridRect TCustomGrid::Selection() const
{
    TGridRect r{std::min(anchor_.X, current_.X), std::min(anchor_.Y, current_.Y), std::max(anchor_.X, current_.X),
                std::max(anchor_.Y, current_.Y)};
    if (options_ & goRowSelect) {
        r.Left = FixedCols();
        r.Right = ColCount() - 1;
    }
    return r;
}

// The current cell becomes the top-left cell of the range and the anchor its bottom-right cell.
void TCustomGrid::SetSelection(const TGridRect& rect)
{
    const TGridRect old = Selection();
    const TGridCoord current = clampToNormal({rect.Left, rect.Top});
    if (!(current == current_))
        HideEditor();
    current_ = current;
    anchor_ = clampToNormal({rect.Right, rect.Bottom});
    selectionChanged(old);
}

void TCustomGrid::SetOptions(TGridOptions options)
{
    if (options == options_)
        return;
    const TGridOptions old = options_;
    options_ = options;
    if (!(options & goEditing) && editorMode_)
        HideEditor();
    if ((options ^ old) & (goVertLine | goHorzLine))
        lineWidthsChanged();
    updateDlgCode();
    layoutChanged();
}

void TCustomGrid::SetFixedColor(TColor color)
{
    if (color == fixedColor_)
        return;
    fixedColor_ = color;
    Invalidate();
}

TGridCoord TCustomGrid::clampToNormal(TGridCoord cell) const
{
    return {std::clamp(cell.X, FixedCols(), ColCount() - 1), std::clamp(cell.Y, FixedRows(), RowCount() - 1)};
}

bool TCustomGrid::SelectCell(int ACol, int ARow)
{
    (void)ACol;
    (void)ARow;
    return true;
}

void TCustomGrid::SetCol(int col)
{
    FocusCell(col, Row(), true);
}

void TCustomGrid::SetRow(int row)
{
    FocusCell(Col(), row, true);
}

void TCustomGrid::FocusCell(int ACol, int ARow, bool MoveAnchor)
{
    moveCurrent({ACol, ARow}, MoveAnchor, true);
}

// Moves the current cell when SelectCell allows it; an open edit is committed first.
void TCustomGrid::moveCurrent(TGridCoord cell, bool moveAnchor, bool show)
{
    if (cell.X < 0 || cell.Y < 0 || cell.X >= ColCount() || cell.Y >= RowCount())
        return;
    const bool moves = !(cell == current_);
    if (moves && !SelectCell(cell.X, cell.Y))
        return;
    const TGridRect old = Selection();
    // With goAlwaysShowEditor the editor stays open and moves along with the current cell.
    const bool keepEditor = editorMode_ && (options_ & goAlwaysShowEditor);
    if (moves && keepEditor)
        updateText();
    else if (moves)
        HideEditor();
    current_ = cell;
    if (moveAnchor || !(options_ & goRangeSelect))
        anchor_ = cell;
    if (show)
        scrollIntoView(cell);
    selectionChanged(old);
    if (moves && keepEditor)
        InvalidateEditor();
}

void TCustomGrid::selectionChanged(const TGridRect& old)
{
    const TGridRect now = Selection();
    if (now == old)
        return;
    invalidateCells(old);
    invalidateCells(now);
}

// Client rectangle covering the visible part of a range of cells.
TRect TCustomGrid::cellsBounds(const TGridRect& cells) const
{
    const int left = std::max(cells.Left, cells.Left < FixedCols() ? 0 : LeftCol());
    const int top = std::max(cells.Top, cells.Top < FixedRows() ? 0 : TopRow());
    // The last visible cell of the range; one scrolled out before LeftCol leaves only the fixed part.
    auto last = [](int end, int fixed, int first, int shown) {
        end = std::min(end, first + shown - 1);
        return (end >= fixed && end < first) ? fixed - 1 : end;
    };
    const int right = last(cells.Right, FixedCols(), LeftCol(), cols_.PartialCount(LeftCol(), cellsWidth()));
    const int bottom = last(cells.Bottom, FixedRows(), TopRow(), rows_.PartialCount(TopRow(), cellsHeight()));
    if (left > right || top > bottom)
        return {};
    const TRect a = CellRect(left, top);
    const TRect b = CellRect(right, bottom);
    return {a.Left, a.Top, b.Right + cols_.LineWidth, b.Bottom + rows_.LineWidth};
}

void TCustomGrid::InvalidateCell(int ACol, int ARow)
{
    invalidateCells({ACol, ARow, ACol, ARow});
}

void TCustomGrid::InvalidateRow(int ARow)
{
    invalidateCells({0, ARow, ColCount() - 1, ARow});
}

void TCustomGrid::InvalidateCol(int ACol)
{
    invalidateCells({ACol, 0, ACol, RowCount() - 1});
}
