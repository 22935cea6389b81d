// Hidden columns (kept in place, out of the display) and hidden rows (their cells taken out of the display
// into the list of hidden rows, kept in ascending order of their real index). Every row operation here
// works on whole sets of rows in one pass over the grid.
#include "grid/VoGrid/VoGrid.h"

namespace {
bool inColumnMap(int c)
{
    return c >= 0 && c < MaxHiddenColumn;
}

}  // namespace

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
        if (FVisibleCol[c] || c >= ColCount() + FNumHidden)
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

// Takes the listed display rows (ascending) out of the display with their real index, cells (texts and
// objects, moved as they are), height and level. One displayed row always remains.
void VOroDavoduRuzu::hideDisplayRows(const std::vector<int>& rows, int level)
{
    std::vector<int> hidden;
    hidden.reserve(rows.size());
    for (int d : rows)
        if (d >= 0 && d < RowCount() && (hidden.empty() || d > hidden.back()))
            hidden.push_back(d);
    if (static_cast<int>(hidden.size()) >= RowCount())
        hidden.resize(static_cast<std::size_t>(RowCount() - 1));
    if (hidden.empty())
        return;
    HideEditor();
    std::vector<TGridItem> added;
    added.reserve(hidden.size());
    for (int d : hidden)
        added.push_back(TGridItem{RealRowIndex(d), RowHeights(d), level, {}});
    std::vector<TGridRowCells> cells = TakeRowSet(hidden);
    for (std::size_t i = 0; i < cells.size(); ++i)
        added[i].Cells = std::move(cells[i]);
    const std::size_t oldCount = FGridItems.size();
    FGridItems.insert(FGridItems.end(), std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
    const auto byRealRow = [](const TGridItem& a, const TGridItem& b) { return a.Idx < b.Idx; };
    std::inplace_merge(FGridItems.begin(), FGridItems.begin() + static_cast<std::ptrdiff_t>(oldCount), FGridItems.end(),
                       byRealRow);
    NormalRowCount = RowCount();
    Invalidate();
}

// Brings the items at the store positions (ascending) back at their real places.
void VOroDavoduRuzu::restoreHiddenItems(const std::vector<int>& positions)
{
    if (positions.empty())
        return;
    HideEditor();
    const bool showModified = FShowModified.Enabled;
    FShowModified.Enabled = false;
    // Item j comes back below the shown rows before it: its real index less the items that stay hidden before it.
    std::vector<int> targets(positions.size());
    std::vector<TGridRowCells> cells(positions.size());
    for (std::size_t j = 0; j < positions.size(); ++j) {
        TGridItem* item = hiddenAt(positions[j]);
        targets[j] = item->Idx - (positions[j] - static_cast<int>(j));
        cells[j] = std::move(item->Cells);
        item->Idx = -1;
    }
    PutRowSet(targets, cells);
    for (std::size_t j = 0; j < positions.size(); ++j)
        SetRowHeights(targets[j], hiddenAt(positions[j])->Height);
    if (positions.back() - positions.front() + 1 == static_cast<int>(positions.size()))
        FGridItems.erase(FGridItems.begin() + positions.front(), FGridItems.begin() + positions.back() + 1);
    else
        std::erase_if(FGridItems, [](const TGridItem& item) { return item.Idx < 0; });
    NormalRowCount = RowCount();
    FShowModified.Enabled = showModified;
    Invalidate();
}

// Real rows; the shown rows of the range are next to each other on the display, so they leave as one block.
void VOroDavoduRuzu::HideRows(int FromRow, int ToRow)
{
    FromRow = std::max(FromRow, 0);
    ToRow = std::min(ToRow, AllRowCount() - 1);
    if (ToRow < FromRow)
        return;
    const int first = DisplRowIndex(FromRow);
    const int last = DisplRowIndex(ToRow + 1) - 1;
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(std::max(last - first + 1, 0)));
    for (int d = first; d <= last; ++d)
        rows.push_back(d);
    hideDisplayRows(rows, 0);
}

void VOroDavoduRuzu::HideRowsEx(int FromRow, int ToRow)
{
    if (!IsHiddenRow(FromRow))
        HideRows(FromRow, ToRow);
}

void VOroDavoduRuzu::UnHideRows(int FromRow, int ToRow)
{
    if (!IsHiddenRow(FromRow))
        return;
    const int from = hiddenLowerBound(FromRow);
    const int to = hiddenLowerBound(ToRow + 1);
    std::vector<int> positions;
    positions.reserve(static_cast<std::size_t>(to - from));
    for (int i = from; i < to; ++i)
        positions.push_back(i);
    restoreHiddenItems(positions);
}

void VOroDavoduRuzu::UnHideRowsAll()
{
    std::vector<int> positions(FGridItems.size());
    for (std::size_t i = 0; i < positions.size(); ++i)
        positions[i] = static_cast<int>(i);
    restoreHiddenItems(positions);
}

// The rows keep their real indexes, so the levels stack: each level's rows come back at their own places.
void VOroDavoduRuzu::HideRowList(const TIntList& RowList)
{
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(RowList.Count()));
    for (int i = 0; i < RowList.Count(); ++i)
        rows.push_back(RowList.GetInteger(i));
    std::sort(rows.begin(), rows.end());
    hideDisplayRows(rows, FHidingLevel);
    ++FHidingLevel;
}

void VOroDavoduRuzu::UnHideRowList()
{
    if (Row() >= RowCount())
        FocusCell(FixedCols(), FixedRows(), true);
    std::vector<int> positions;
    for (int i = 0; i < NumHiddenRows(); ++i)
        if (hiddenAt(i)->Level == FHidingLevel - 1)
            positions.push_back(i);
    restoreHiddenItems(positions);
}

bool VOroDavoduRuzu::IsHiddenRow(int Rowindex, std::unique_ptr<TIntList>& ListHidden) const
{
    if (!ListHidden) {
        ListHidden = std::make_unique<TIntList>();
        for (const TGridItem& item : FGridItems)
            ListHidden->Add(item.Idx);
    }
    return IsHiddenRow(Rowindex);
}

// Real indexes of hidden rows at or after FromReal move by Delta.
void VOroDavoduRuzu::shiftHiddenRows(int fromReal, int delta)
{
    for (int i = hiddenLowerBound(fromReal); i < NumHiddenRows(); ++i)
        hiddenAt(i)->Idx += delta;
}
