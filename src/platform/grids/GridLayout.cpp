// Dimensions, layout and scrolling positions of TCustomGrid.
#include "platform/Grids.h"
#include "platform/grids/GridMove.h"

#include <QWidget>
#include <algorithm>

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner)
{
    cols_.SetDefaultSize(64);
    rows_.SetDefaultSize(24);
    cols_.SetCount(5);
    rows_.SetCount(5);
    cols_.Fixed = 1;
    rows_.Fixed = 1;
    SetColor(clWindow);
    TabStop = true;
    // The grid paints every pixel it covers: nothing under it is painted or erased first.
    ControlStyle |= csOpaque;
    Widget()->setAttribute(Qt::WA_OpaquePaintEvent);
    updateDlgCode();
    lineWidthsChanged();
    createScrollBars();
}

TCustomGrid::~TCustomGrid() = default;

void TCustomGrid::SetColCount(int count)
{
    setCount(cols_, count);
}

void TCustomGrid::SetRowCount(int count)
{
    setCount(rows_, count);
}

// At least one cell remains, and at least one that is not fixed.
void TCustomGrid::setCount(TGridAxis& axis, int count)
{
    count = std::max(count, 1);
    if (count == axis.Count())
        return;
    const int oldCols = ColCount();
    const int oldRows = RowCount();
    axis.SetCount(count);
    if (axis.Fixed >= count)
        axis.Fixed = count - 1;
    SizeChanged(oldCols, oldRows);
    layoutChanged();
}

void TCustomGrid::SetFixedCols(int count)
{
    count = std::clamp(count, 0, ColCount() - 1);
    if (count == FixedCols())
        return;
    cols_.Fixed = count;
    layoutChanged();
}

void TCustomGrid::SetFixedRows(int count)
{
    count = std::clamp(count, 0, RowCount() - 1);
    if (count == FixedRows())
        return;
    rows_.Fixed = count;
    layoutChanged();
}

void TCustomGrid::SetDefaultColWidth(int width)
{
    cols_.SetDefaultSize(width);
    ColWidthsChanged();
    layoutChanged();
}

void TCustomGrid::SetDefaultRowHeight(int height)
{
    rows_.SetDefaultSize(height);
    RowHeightsChanged();
    layoutChanged();
}

void TCustomGrid::SetColWidths(int col, int width)
{
    if (col < 0 || col >= ColCount() || width == ColWidths(col))
        return;
    cols_.SetSize(col, width);
    ColWidthsChanged();
    layoutChanged();
}

void TCustomGrid::SetRowHeights(int row, int height)
{
    if (row < 0 || row >= RowCount() || height == RowHeights(row))
        return;
    rows_.SetSize(row, height);
    RowHeightsChanged();
    layoutChanged();
}

void TCustomGrid::SetGridLineWidth(int width)
{
    width = std::max(width, 0);
    if (width == gridLineWidth_)
        return;
    gridLineWidth_ = width;
    lineWidthsChanged();
    layoutChanged();
}

// A column is followed by a line only with vertical lines on, a row only with horizontal lines on.
void TCustomGrid::lineWidthsChanged()
{
    cols_.LineWidth = (options_ & goVertLine) ? gridLineWidth_ : 0;
    rows_.LineWidth = (options_ & goHorzLine) ? gridLineWidth_ : 0;
}

// After a change of counts, fixed cells or sizes: current cell, selection and view stay inside the grid.
void TCustomGrid::layoutChanged()
{
    auto clampCell = [this](TGridCoord c) {
        return TGridCoord{std::clamp(c.X, FixedCols(), ColCount() - 1), std::clamp(c.Y, FixedRows(), RowCount() - 1)};
    };
    if (!(clampCell(current_) == current_)) {
        // The text of an edited cell that is gone has nowhere to go.
        if (editorMode_ && (current_.X >= ColCount() || current_.Y >= RowCount()))
            editor_->SetModified(false);
        HideEditor();
    }
    current_ = clampCell(current_);
    anchor_ = clampCell(anchor_);
    clampTopLeft();
    updateScrollBars();
    placeEditor();
    Invalidate();
}

int TCustomGrid::VisibleColCount() const
{
    return cols_.VisibleCount(LeftCol(), cellsWidth());
}

int TCustomGrid::VisibleRowCount() const
{
    return rows_.VisibleCount(TopRow(), cellsHeight());
}

TGridCoord TCustomGrid::maxTopLeft() const
{
    return {cols_.MaxFirst(cellsWidth()), rows_.MaxFirst(scrollHeight())};
}

void TCustomGrid::clampTopLeft()
{
    const TGridCoord max = maxTopLeft();
    const TGridCoord clamped{std::clamp(topLeft_.X, FixedCols(), max.X), std::clamp(topLeft_.Y, FixedRows(), max.Y)};
    if (!(clamped == topLeft_))
        setTopLeft(clamped);
}

void TCustomGrid::setTopLeft(TGridCoord topLeft)
{
    const TGridCoord max = maxTopLeft();
    topLeft.X = std::clamp(topLeft.X, FixedCols(), max.X);
    topLeft.Y = std::clamp(topLeft.Y, FixedRows(), max.Y);
    if (topLeft == topLeft_)
        return;
    topLeft_ = topLeft;
    updateScrollBars();
    Invalidate();
    placeEditor();
    TopLeftChanged();
}

void TCustomGrid::SetLeftCol(int col)
{
    setTopLeft({col, TopRow()});
}

void TCustomGrid::SetTopRow(int row)
{
    setTopLeft({LeftCol(), row});
}

// The first scrolled cell that shows Index as the last whole cell of the view.
static int firstShowing(const TGridAxis& axis, int index, int extent)
{
    int first = index;
    while (first - 1 >= axis.Fixed && first - 1 + axis.VisibleCount(first - 1, extent) > index)
        --first;
    return first;
}

void TCustomGrid::scrollIntoView(TGridCoord cell)
{
    TGridCoord topLeft = topLeft_;
    if (cell.X >= FixedCols()) {
        if (cell.X < topLeft.X)
            topLeft.X = cell.X;
        else if (cell.X >= topLeft.X + VisibleColCount())
            topLeft.X = firstShowing(cols_, cell.X, cellsWidth());
    }
    if (cell.Y >= FixedRows()) {
        if (cell.Y < topLeft.Y)
            topLeft.Y = cell.Y;
        else if (cell.Y >= topLeft.Y + rows_.VisibleCount(topLeft.Y, scrollHeight()))
            topLeft.Y = firstShowing(rows_, cell.Y, scrollHeight());
    }
    setTopLeft(topLeft);
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const
{
    const bool colShown = (ACol >= 0 && ACol < FixedCols()) ||
                          (ACol >= LeftCol() && ACol < LeftCol() + cols_.PartialCount(LeftCol(), cellsWidth()));
    const bool rowShown = (ARow >= 0 && ARow < FixedRows()) ||
                          (ARow >= TopRow() && ARow < TopRow() + rows_.PartialCount(TopRow(), cellsHeight()));
    if (!colShown || !rowShown || ACol >= ColCount() || ARow >= RowCount())
        return {};
    const int x = cols_.Start(ACol, LeftCol());
    const int y = rows_.Start(ARow, TopRow());
    return {x, y, std::min(x + ColWidths(ACol), cellsWidth()), std::min(y + RowHeights(ARow), cellsHeight())};
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const
{
    const TGridCoord c = MouseCoord(X, Y);
    ACol = c.X;
    ARow = c.Y;
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const
{
    const int col = cols_.CellAt(X, LeftCol(), cellsWidth());
    const int row = rows_.CellAt(Y, TopRow(), cellsHeight());
    if (col < 0 || row < 0)
        return {-1, -1};
    return {col, row};
}

int TCustomGrid::GridWidth() const
{
    const int last = LeftCol() + cols_.PartialCount(LeftCol(), cellsWidth());
    return std::min(cols_.Start(last, LeftCol()), cellsWidth());
}

int TCustomGrid::GridHeight() const
{
    const int last = TopRow() + rows_.PartialCount(TopRow(), cellsHeight());
    return std::min(rows_.Start(last, TopRow()), cellsHeight());
}

void TCustomGrid::SizeChanged(int OldColCount, int OldRowCount)
{
    (void)OldColCount;
    (void)OldRowCount;
}

void TCustomGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    (void)FromIndex;
    (void)ToIndex;
}

void TCustomGrid::RowMoved(int FromIndex, int ToIndex)
{
    (void)FromIndex;
    (void)ToIndex;
}

// Index of a cell after the cell at From moved to To.
static int movedIndex(int index, int from, int to)
{
    if (index == from)
        return to;
    if (from < to && index > from && index <= to)
        return index - 1;
    if (from > to && index >= to && index < from)
        return index + 1;
    return index;
}

// Moves a column with its width; the current cell and the anchor follow the cells they were on.
void TCustomGrid::MoveColumn(int FromIndex, int ToIndex)
{
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= ColCount() || ToIndex >= ColCount())
        return;
    HideEditor();
    cols_.Move(FromIndex, ToIndex);
    current_.X = movedIndex(current_.X, FromIndex, ToIndex);
    anchor_.X = movedIndex(anchor_.X, FromIndex, ToIndex);
    ColumnMoved(FromIndex, ToIndex);
    layoutChanged();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex)
{
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= RowCount() || ToIndex >= RowCount())
        return;
    HideEditor();
    rows_.Move(FromIndex, ToIndex);
    current_.Y = movedIndex(current_.Y, FromIndex, ToIndex);
    anchor_.Y = movedIndex(anchor_.Y, FromIndex, ToIndex);
    RowMoved(FromIndex, ToIndex);
    layoutChanged();
}

namespace {
// Index of a row after the rows at Removed left, or of the next row when it left itself.
int indexAfterRemoval(int index, const std::vector<int>& removed)
{
    return index - static_cast<int>(std::lower_bound(removed.begin(), removed.end(), index) - removed.begin());
}

int indexAfterInsertion(int index, const std::vector<int>& opened)
{
    for (int at : opened) {
        if (at > index)
            break;
        ++index;
    }
    return index;
}
}  // namespace

void TCustomGrid::DeleteRowSet(const std::vector<int>& Rows)
{
    if (Rows.empty())
        return;
    HideEditor();
    const int oldRows = RowCount();
    rows_.Remove(Rows);
    RowsRemoved(Rows);
    current_.Y = indexAfterRemoval(current_.Y, Rows);
    anchor_.Y = indexAfterRemoval(anchor_.Y, Rows);
    if (rows_.Fixed >= std::max(rows_.Count(), 1))
        rows_.Fixed = std::max(rows_.Count() - 1, 0);
    if (rows_.Count() < 1) {
        rows_.Insert({0});
        RowsInserted({0});
    }
    SizeChanged(ColCount(), oldRows);
    layoutChanged();
}

void TCustomGrid::InsertRowSet(const std::vector<int>& Rows)
{
    if (Rows.empty())
        return;
    HideEditor();
    const int oldRows = RowCount();
    rows_.Insert(Rows);
    RowsInserted(Rows);
    current_.Y = indexAfterInsertion(current_.Y, Rows);
    anchor_.Y = indexAfterInsertion(anchor_.Y, Rows);
    SizeChanged(ColCount(), oldRows);
    layoutChanged();
}

void TCustomGrid::MoveRowBlock(int From, int Count, int To)
{
    if (Count <= 0 || From == To || From < 0 || To < 0 || From + Count > RowCount() || To + Count > RowCount())
        return;
    HideEditor();
    rows_.MoveBlock(From, Count, To);
    current_.Y = MovedIndex(current_.Y, From, Count, To);
    anchor_.Y = MovedIndex(anchor_.Y, From, Count, To);
    RowBlockMoved(From, Count, To);
    layoutChanged();
}

void TCustomGrid::PermuteRows(int First, const std::vector<int>& Order)
{
    if (First < 0 || First + static_cast<int>(Order.size()) > RowCount() || Order.size() < 2)
        return;
    HideEditor();
    rows_.Permute(First, Order);
    RowsPermuted(First, Order);
    layoutChanged();
}

void TCustomGrid::Resize()
{
    TCustomControl::Resize();
    updateScrollBars();
    clampTopLeft();
    placeEditor();
}
