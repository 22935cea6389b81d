// The two index spaces: columns are hidden in place (cells stay in the store by real column), rows are
// hidden by taking their cells out of the display into the list of hidden rows. Maps between real and
// displayed indexes.
#include "grid/VoGrid/VoGrid.h"

namespace {
bool inColumnMap(int c)
{
    return c >= 0 && c < MaxHiddenColumn;
}
}  // namespace

int VOroDavoduRuzu::RealColIndex(int ACol) const
{
    if (ACol >= MaxHiddenColumn || FNumHidden == 0)
        return ACol;
    int shown = -1;
    for (int j = 0; j < std::min(MaxHiddenColumn, TotalColCount()); ++j) {
        if (FVisibleCol[j] && ++shown == ACol)
            return j;
    }
    return 0;
}

int VOroDavoduRuzu::DisplColIndexOf(int ACol) const
{
    if (ACol >= MaxHiddenColumn || FNumHidden == 0)
        return ACol;
    int hidden = 0;
    for (int j = 0; j < ACol; ++j)
        hidden += FVisibleCol[j] ? 0 : 1;
    return ACol - hidden;
}

int VOroDavoduRuzu::DisplColIndex(int ACol)
{
    return DisplColIndexOf(ACol);
}

bool VOroDavoduRuzu::IsHiddenColumn(int ACol) const
{
    return inColumnMap(ACol) && !FVisibleCol[ACol];
}

// The store of hidden rows is in ascending order of real rows; item i has i hidden rows before it, so
// Idx - i (the shown rows before it) never decreases along the store.
int VOroDavoduRuzu::RealRowIndex(int ARow) const
{
    if (ARow < 0)
        return -1;
    int lo = 0;
    int hi = NumHiddenRows();
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (hiddenAt(mid)->Idx - mid <= ARow)
            lo = mid + 1;
        else
            hi = mid;
    }
    return ARow + lo;
}

int VOroDavoduRuzu::hiddenLowerBound(int ARow) const
{
    int lo = 0;
    int hi = NumHiddenRows();
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (hiddenAt(mid)->Idx < ARow)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

int VOroDavoduRuzu::hiddenBefore(int ARow) const
{
    return hiddenLowerBound(ARow);
}

int VOroDavoduRuzu::DisplRowIndex(int ARow) const
{
    return ARow - hiddenBefore(ARow);
}

const TGridItem* VOroDavoduRuzu::hiddenItem(int ARow) const
{
    const int i = hiddenLowerBound(ARow);
    return i < NumHiddenRows() && hiddenAt(i)->Idx == ARow ? hiddenAt(i) : nullptr;
}

const TGridRowCells* VOroDavoduRuzu::GetHiddenRowItems(int ARow) const
{
    const TGridItem* item = hiddenItem(ARow);
    return item ? &item->Items() : nullptr;
}

TGridRowCells* VOroDavoduRuzu::GetHiddenRowItems(int ARow)
{
    const int i = hiddenLowerBound(ARow);
    return i < NumHiddenRows() && hiddenAt(i)->Idx == ARow ? &hiddenAt(i)->Items() : nullptr;
}
