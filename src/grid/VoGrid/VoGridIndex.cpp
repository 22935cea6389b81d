// The two index spaces: columns are hidden in place (cells stay in the store by real column), rows are
// hidden by moving them into the store of hidden rows. Maps between real and displayed indexes.
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

int VOroDavoduRuzu::RealRowIndex(int ARow) const
{
    if (ARow < 0)
        return -1;
    int r = ARow;
    for (int i = 0; i < FGridItems.Count(); ++i) {  // the store is in ascending order of rows
        if (static_cast<TGridItem*>(FGridItems.Items(i))->Idx > r)
            break;
        ++r;
    }
    return r;
}

int VOroDavoduRuzu::hiddenBefore(int ARow) const
{
    int n = 0;
    for (int i = 0; i < FGridItems.Count(); ++i)
        if (static_cast<TGridItem*>(FGridItems.Items(i))->Idx < ARow)
            ++n;
    return n;
}

int VOroDavoduRuzu::DisplRowIndex(int ARow) const
{
    return ARow - hiddenBefore(ARow);
}

TGridItem* VOroDavoduRuzu::hiddenItem(int ARow) const
{
    for (int i = 0; i < FGridItems.Count(); ++i) {
        auto* item = static_cast<TGridItem*>(FGridItems.Items(i));
        if (item->Idx == ARow)
            return item;
    }
    return nullptr;
}

TStringList* VOroDavoduRuzu::GetHiddenRowItems(int ARow) const
{
    TGridItem* item = hiddenItem(ARow);
    return item ? &item->Items() : nullptr;
}

void VOroDavoduRuzu::HideColumns(int FromCol, int ToCol)
{
    HideEditor();
    for (int c = std::max(FromCol, 0); c <= ToCol && inColumnMap(c); ++c) {
        if (!FVisibleCol[c] || c >= ColCount() + FNumHidden || ColCount() <= 1)
            continue;
        const int d = DisplColIndexOf(c);
        FAllColWidths[c] = static_cast<std::int16_t>(ColWidths(d));
        for (int i = d; i < ColCount() - 1; ++i)
            SetColWidths(i, ColWidths(i + 1));
        ++FNumHidden;
        FVisibleCol[c] = false;
        if (Col() == ColCount() - 1)
            TBaseGrid::SetCol(Col() - 1);
        TBaseGrid::SetColCount(ColCount() - 1);
    }
    Invalidate();
}

void VOroDavoduRuzu::UnHideColumns(int FromCol, int ToCol)
{
    HideEditor();
    for (int c = std::max(FromCol, 0); c <= ToCol && inColumnMap(c); ++c) {
        if (FVisibleCol[c])
            continue;
        --FNumHidden;
        FVisibleCol[c] = true;
        TBaseGrid::SetColCount(ColCount() + 1);
        const int d = DisplColIndexOf(c);
        for (int i = ColCount() - 1; i > d; --i)
            SetColWidths(i, ColWidths(i - 1));
        SetColWidths(d, FAllColWidths[c]);
    }
    Invalidate();
}

void VOroDavoduRuzu::moveRowToItem(int displayRow, TGridItem& item)
{
    TStringList& items = item.Items();
    items.Clear();
    for (int c = 0; c < TotalColCount(); ++c) {
        items.Add(GetGridCell(c, displayRow), GetGridObject(c, displayRow));
        SetGridObject(c, displayRow, nullptr);  // the item holds the cell's object now
    }
    item.Height = RowHeights(displayRow);
}

void VOroDavoduRuzu::moveItemToRow(TGridItem& item, int displayRow)
{
    const TStringList& items = item.Items();
    for (int c = 0; c < std::min(items.Count(), TotalColCount()); ++c) {
        SetGridCell(c, displayRow, items[c]);
        SetGridObject(c, displayRow, items.Objects(c));
    }
    SetRowHeights(displayRow, item.Height);
}

void VOroDavoduRuzu::HideRows(int FromRow, int ToRow)
{
    if (FromRow < 0 || ToRow < FromRow)
        return;
    int already = 0;
    int before = 0;
    for (int i = 0; i < FGridItems.Count(); ++i) {
        const int idx = static_cast<TGridItem*>(FGridItems.Items(i))->Idx;
        already += idx >= FromRow && idx <= ToRow ? 1 : 0;
        before += idx < FromRow ? 1 : 0;
    }
    const int count = ToRow - FromRow + 1;
    if (already == count)
        return;
    const int d = FromRow - before;
    // Rows past the displayed ones can't be hidden.
    const int available = std::min(count - already, RowCount() - d);
    if (d < 0 || available <= 0)
        return;
    int pos = before;
    int taken = 0;
    for (int r = FromRow; r <= ToRow && taken < available; ++r) {
        if (IsHiddenRow(r))
            continue;
        auto* item = static_cast<TGridItem*>(FGridItems.Insert(pos++));
        item->Idx = r;
        moveRowToItem(d + taken, *item);
        ++taken;
    }
    for (int i = 0; i < taken; ++i) {
        MoveRow(d, RowCount() - 1);
        TBaseGrid::SetRowCount(RowCount() - 1);
    }
    NormalRowCount = RowCount();
    Invalidate();
}

void VOroDavoduRuzu::UnHideRows(int FromRow, int ToRow)
{
    if (!IsHiddenRow(FromRow))
        return;
    const bool showModified = FShowModified.Enabled;
    FShowModified.Enabled = false;
    const int d = FromRow - hiddenBefore(FromRow);
    for (int i = 0; i < FGridItems.Count();) {
        auto* item = static_cast<TGridItem*>(FGridItems.Items(i));
        if (item->Idx < FromRow || item->Idx > ToRow) {
            ++i;
            continue;
        }
        const int target = std::min(d + (item->Idx - FromRow), RowCount());
        TBaseGrid::SetRowCount(RowCount() + 1);
        MoveRow(RowCount() - 1, target);
        moveItemToRow(*item, target);
        FGridItems.Delete(i);
    }
    NormalRowCount = RowCount();
    FShowModified.Enabled = showModified;
    Invalidate();
}

void VOroDavoduRuzu::UnHideRowsAll()
{
    while (FGridItems.Count() > 0) {
        const int first = static_cast<TGridItem*>(FGridItems.Items(0))->Idx;
        int last = first;
        for (int i = 1; i < FGridItems.Count(); ++i) {
            const int idx = static_cast<TGridItem*>(FGridItems.Items(i))->Idx;
            if (idx != last + 1)
                break;
            last = idx;
        }
        UnHideRows(first, last);
    }
}
