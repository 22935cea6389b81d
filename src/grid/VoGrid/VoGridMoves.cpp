// Moving rows and columns with their cells, objects, sizes and cell controls.
#include "grid/VoGrid/VoGrid.h"
#include "platform/grids/GridMove.h"

// The hidden rows' real indexes follow the move as if the block left and came back at To: the rows after
// its old place move up by the block's shown rows, those at or after its new place down again.
void VOroDavoduRuzu::moveHiddenRowsWithBlock(int from, int count, int to)
{
    if (FGridItems.Count() == 0)
        return;
    const int realFrom = RealRowIndex(from);
    for (int i = hiddenLowerBound(realFrom); i < FGridItems.Count(); ++i) {
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
    MoveRows(FromIndex, FromIndex < ToIndex ? ToIndex + 1 : ToIndex, 1);
}

void VOroDavoduRuzu::MoveRows(int FromIndex, int ToIndex, int Count)
{
    if (FromIndex == ToIndex || Count <= 0 || FromIndex < 0 || FromIndex + Count > RowCount())
        return;
    if (FromIndex + Count < ToIndex)
        ToIndex -= Count;
    ToIndex = std::clamp(ToIndex, 0, RowCount() - Count);
    if (ToIndex == FromIndex)
        return;
    moveControls(false, FromIndex, Count, ToIndex);
    moveHiddenRowsWithBlock(FromIndex, Count, ToIndex);
    MoveRowBlock(FromIndex, Count, ToIndex);
}

void VOroDavoduRuzu::MoveColumn(int FromIndex, int ToIndex)
{
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= ColCount() || ToIndex >= ColCount())
        return;
    if (FColumnOrder.Count() == 0)
        SetColumnOrder();
    moveControls(true, FromIndex, 1, ToIndex);
    TBaseGrid::MoveColumn(FromIndex, ToIndex);
    if (FromIndex < FColumnOrder.Count() && ToIndex < FColumnOrder.Count()) {
        const int moved = FColumnOrder.GetInteger(FromIndex);
        FColumnOrder.Delete(FromIndex);
        FColumnOrder.Insert(ToIndex, moved);
    }
}
