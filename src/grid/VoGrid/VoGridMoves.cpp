// Moving rows and columns with their cells, objects, sizes and cell controls.
#include "grid/VoGrid/VoGrid.h"
#include "platform/grids/GridMove.h"

// The hidden rows' real indexes follow the move as if the block left and came back at To: the rows after
// its old place move up by the block's shown rows, those at or after its new place down again.
void VOroDavoduRuzu::moveHiddenRowsWithBlock(int from, int count, int to)
{
    if (FGridItems.empty())
        return;
    const int realFrom = RealRowIndex(from);
    for (int i = hiddenLowerBound(realFrom); i < NumHiddenRows(); ++i) {
        TGridItem* item = hiddenAt(i);
        item->Idx -= std::clamp(item->Idx - i - from, 0, count);
    }
    shiftHiddenRows(to < RowCount() - count ? RealRowIndex(to) : AllRowCount() - count, count);
}

// Cell controls sit at real rows and real columns; columns here are display columns.
void VOroDavoduRuzu::moveControls(bool columns, int from, int count, int to)
{
    for (int i = 0; i < FControlList.Count(); ++i) {
        TControlItem& control = FControlList.GetControl(i);
        if (columns)
            control.X = RealColIndex(MovedIndex(DisplColIndexOf(control.X), from, count, to));
        else
            control.Y = RealRowIndex(MovedIndex(DisplRowIndex(control.Y), from, count, to));
    }
}

void VOroDavoduRuzu::MoveRow(int FromIndex, int ToIndex)
{
    if (MoveRows(FromIndex, FromIndex < ToIndex ? ToIndex + 1 : ToIndex, 1))
        rowMoveDone(FromIndex, ToIndex);
}

bool VOroDavoduRuzu::MoveRows(int FromIndex, int ToIndex, int Count)
{
    if (FromIndex == ToIndex || Count <= 0 || FromIndex < 0 || FromIndex + Count > RowCount())
        return false;
    if (FromIndex + Count < ToIndex)
        ToIndex -= Count;
    ToIndex = std::clamp(ToIndex, 0, RowCount() - Count);
    // The footer row of a fixed footer stays last.
    const bool footerRow = FFloatingFooter.Visible() && FFloatingFooter.FooterStyle() == fsFixedLastRow;
    if (ToIndex == FromIndex || (footerRow && std::max(FromIndex, ToIndex) + Count >= RowCount()))
        return false;
    moveControls(false, FromIndex, Count, ToIndex);
    moveHiddenRowsWithBlock(FromIndex, Count, ToIndex);
    MoveRowBlock(FromIndex, Count, ToIndex);
    return true;
}

void VOroDavoduRuzu::MoveColumn(int FromIndex, int ToIndex)
{
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= ColCount() || ToIndex >= ColCount())
        return;
    if (FColumnOrder.Count() == 0)
        SetColumnOrder();
    moveControls(true, FromIndex, 1, ToIndex);
    TBaseGrid::MoveColumn(FromIndex, ToIndex);
}

// An index after the entry at From moved to To.
static int followMove(int index, int from, int to)
{
    if (index == from)
        return to;
    if (from < to && index > from && index <= to)
        return index - 1;
    if (from > to && index >= to && index < from)
        return index + 1;
    return index;
}

template <typename T, std::size_t N>
static void rotateEntry(std::array<T, N>& a, int from, int to)
{
    if (from < to)
        std::rotate(a.begin() + from, a.begin() + from + 1, a.begin() + to + 1);
    else
        std::rotate(a.begin() + to, a.begin() + from, a.begin() + from + 1);
}

// Called once the column's width moved; the cells, the maps and the hidden rows move by real index.
void VOroDavoduRuzu::ColumnMoved(int FromIndex, int ToIndex)
{
    const int from = RealColIndex(FromIndex);
    const int to = RealColIndex(ToIndex);
    if (from < FColumnOrder.Count() && to < FColumnOrder.Count()) {
        const int moved = FColumnOrder.GetInteger(from);
        FColumnOrder.Delete(from);
        FColumnOrder.Insert(to, moved);
    }
    if (FNumHidden > 0 && from < ColumnMapSize && to < ColumnMapSize) {
        rotateEntry(FVisibleCol, from, to);
        rotateEntry(FAllColWidths, from, to);
    }
    const bool real = FNumHidden > 0;
    TBaseGrid::ColumnMoved(real ? from : FromIndex, real ? to : ToIndex);
    for (TGridItem& item : FGridItems)
        item.Items().MoveColumn(from, to);
    FSortSettings.Column = followMove(FSortSettings.Column, from, to);
    if (FSortSettings.IndexShow)
        for (int i = 0; i < FSortIndexes.Count(); ++i)
            FSortIndexes.SetSortColumns(i, followMove(FSortIndexes.GetSortColumns(i) & 0xFFFF, from, to));
    if (FFloatingFooter.Visible())
        UpdateFooter();
    if (OnColumnMoved)
        OnColumnMoved(this, real ? from : FromIndex, real ? to : ToIndex);
    if (auto* partner = dynamic_cast<VOroDavoduRuzu*>(FSyncGrid.Grid());
        partner && FSyncGrid.MoveColumn && !FSyncedMove) {
        partner->FSyncedMove = true;
        partner->MoveColumn(FromIndex, ToIndex);
        partner->FSyncedMove = false;
    }
}

void VOroDavoduRuzu::RowMoved(int FromIndex, int ToIndex)
{
    TBaseGrid::RowMoved(FromIndex, ToIndex);
    rowMoveDone(FromIndex, ToIndex);
}

void VOroDavoduRuzu::rowMoveDone(int FromIndex, int ToIndex)
{
    if (OnRowMoved)
        OnRowMoved(this, FromIndex, ToIndex);
    if (auto* partner = dynamic_cast<VOroDavoduRuzu*>(FSyncGrid.Grid()); partner && FSyncGrid.MoveRow && !FSyncedMove) {
        partner->FSyncedMove = true;
        partner->MoveRow(FromIndex, ToIndex);
        partner->FSyncedMove = false;
    }
}
