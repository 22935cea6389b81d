// Inserting, removing, clearing, trimming, colouring and merging rows and columns. A row is more than its
// texts: cell properties, hidden columns, stored hidden rows, the per-row lists, cell controls and the
// current cell move or shrink with it. Row sets leave or open in one pass over the grid.
#include "grid/VoGrid/VoGrid.h"
#include "grid/VoGrid/VoGridUpdateLock.h"

#include <QSet>

namespace {
std::vector<int> indexRange(int first, int count)
{
    std::vector<int> rows(static_cast<std::size_t>(std::max(count, 0)));
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = first + static_cast<int>(i);
    return rows;
}

// Blanks and control characters off both ends.
QString trimmed(const QString& s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s[b] <= u' ')
        ++b;
    while (e > b && s[e - 1] <= u' ')
        --e;
    return s.mid(b, e - b);
}

// Drops the entries of the listed rows (ascending) from a per-row list in one pass.
void eraseRows(std::vector<int>& list, const std::vector<int>& rows)
{
    std::size_t write = 0;
    std::size_t next = 0;
    for (std::size_t read = 0; read < list.size(); ++read) {
        while (next < rows.size() && static_cast<std::size_t>(rows[next]) < read)
            ++next;
        if (next < rows.size() && static_cast<std::size_t>(rows[next]) == read)
            continue;
        list[write++] = list[read];
    }
    list.resize(write);
}

// How many of the removed display rows (ascending) lie before a display row.
int removedBefore(const std::vector<int>& rows, int displayRow)
{
    return static_cast<int>(std::lower_bound(rows.begin(), rows.end(), displayRow) - rows.begin());
}

void eraseRows(TIntList& list, const std::vector<int>& rows)
{
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        if (*it < list.Count())
            list.Delete(*it);
}
}  // namespace

template <typename F>
void VOroDavoduRuzu::forRect(int ACol1, int ARow1, int ACol2, int ARow2, F f)
{
    for (int r = std::max(ARow1, 0); r <= std::min(ARow2, RowCount() - 1); ++r)
        for (int c = std::max(ACol1, 0); c <= std::min(ACol2, TotalColCount() - 1); ++c)
            f(SaveHiddenCells ? RealColIndex(c) : c, r);
}

void VOroDavoduRuzu::InsertRows(int RowIndex, int RCount, bool UpdateCellControls)
{
    if (RCount <= 0 || RowIndex < 0 || RowIndex > RowCount())
        return;
    // New rows stand before the real row that now has the display row RowIndex, after the hidden rows above it.
    const int real = RowIndex < RowCount() ? RealRowIndex(RowIndex) : AllRowCount();
    shiftHiddenRows(real, RCount);
    InsertRowSet(indexRange(RowIndex, RCount));
    FMaxRowCount = std::max(FMaxRowCount, RowCount());
    NormalRowCount = RowCount();
    if (FShowModified.Enabled && RowIndex < FModifiedRows.Count())
        for (int i = 0; i < RCount; ++i)
            FModifiedRows.Insert(RowIndex, 0);
    if (RowIndex < FEnabledRows.Count())
        for (int i = 0; i < RCount; ++i)
            FEnabledRows.Insert(RowIndex, 0);
    if (RowIndex < static_cast<int>(FRowSelect.size()))
        FRowSelect.insert(FRowSelect.begin() + RowIndex, static_cast<std::size_t>(RCount), 0);
    if (UpdateCellControls)
        for (int i = 0; i < FControlList.Count(); ++i)
            if (FControlList.GetControl(i).Y >= real)
                FControlList.GetControl(i).Y += RCount;
    if (FSelectionHidden || Row() >= RowCount() || Col() >= ColCount())
        UnHideSelection();
    if (!(ComponentState() & csDestroying))
        CellsChangedNotify({0, RowIndex, ColCount() - 1, RowIndex + RCount});
}

void VOroDavoduRuzu::AddRow()
{
    if (FFloatingFooter.Visible()) {
        InsertRows(RowCount() - 1, 1);
        if (FFloatingFooter.FooterStyle() == fsFixedLastRow)
            ClearRows(RowCount() - 2, 1);
        return;
    }
    InsertRows(RowCount(), 1);
    ClearRows(RowCount() - 1, 1);
}

// The listed display rows (ascending, inside the grid) leave with their cell properties, the cells of
// hidden columns and their entries in the per-row lists; hidden rows after them keep their real places.
void VOroDavoduRuzu::removeDisplayRows(const std::vector<int>& rows)
{
    if (rows.empty())
        return;
    const int oldRow = Row();
    const int oldTop = TopRow();
    const TGridRect oldSelection = Selection();
    for (int r : rows) {
        FreeCellPropsRect(0, r, TotalColCount() - 1, r);
        for (int i = FControlList.Count() - 1; i >= 0; --i)
            if (FControlList.GetControl(i).Y == RealRowIndex(r)) {
                FControlList.GetControl(i).Control->SetVisible(false);
                FControlList.RemoveControl(i);
            }
    }
    // Real rows move up by the removed rows before them: those of display rows before their display row.
    for (int i = 0; i < FControlList.Count(); ++i) {
        TControlItem& control = FControlList.GetControl(i);
        control.Y -= removedBefore(rows, DisplRowIndex(control.Y));
    }
    hiddenRowsFollowRemoval(rows);
    if (FShowModified.Enabled)
        eraseRows(FModifiedRows, rows);
    eraseRows(FEnabledRows, rows);
    eraseRows(FRowSelect, rows);
    DeleteRowSet(rows);
    afterRowsRemoved(static_cast<int>(rows.size()), oldRow, oldTop, oldSelection);
    CellsChangedNotify({0, rows.front(), ColCount() - 1, rows.back() + 1});
}

// Real rows of the hidden rows move up by the removed display rows (ascending) before them.
void VOroDavoduRuzu::hiddenRowsFollowRemoval(const std::vector<int>& rows)
{
    if (FGridItems.empty() || rows.empty())
        return;
    // Item i has Idx - i shown rows before it.
    for (int i = hiddenLowerBound(RealRowIndex(rows.front())); i < NumHiddenRows(); ++i) {
        TGridItem* item = hiddenAt(i);
        item->Idx -= removedBefore(rows, item->Idx - i);
    }
}

// The counts after Count rows left; the current row stays when it still is a normal row. Without normal
// rows the selection is hidden; it comes back where it was, or on the first normal cell, when rows return.
void VOroDavoduRuzu::afterRowsRemoved(int count, int oldRow, int oldTop, const TGridRect& oldSelection)
{
    FMaxRowCount = std::max(FMaxRowCount - count, RowCount());
    NormalRowCount = RowCount();
    const int lastNormal = RowCount() - 1 - FixedFooters;
    if (oldRow <= lastNormal) {
        TBaseGrid::SetRow(std::max(oldRow, FixedRows()));
        SetTopRow(oldTop);
    } else if (lastNormal >= FixedRows()) {
        TBaseGrid::SetRow(lastNormal);
    } else if (!FSelectionHidden) {
        HideSelection();
        FHiddenSelection = oldSelection;
    }
}

void VOroDavoduRuzu::RemoveRows(int RowIndex, int RCount)
{
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0)
        return;
    removeDisplayRows(indexRange(RowIndex, std::min(RCount, RowCount() - RowIndex)));
}

// The light removal: texts and objects leave without the objects being freed, the heights stay at their
// indexes, and cell controls, cell properties and the modified and enabled lists are left as they are.
void VOroDavoduRuzu::RemoveRowsEx(int RowIndex, int RCount)
{
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0)
        return;
    const std::vector<int> rows = indexRange(RowIndex, std::min(RCount, RowCount() - RowIndex));
    const int oldRow = Row();
    const int oldTop = TopRow();
    const TGridRect oldSelection = Selection();
    std::vector<int> heights;
    heights.reserve(static_cast<std::size_t>(RowCount() - RowIndex));
    for (int r = RowIndex; r < RowCount(); ++r)
        heights.push_back(RowHeights(r));
    hiddenRowsFollowRemoval(rows);
    eraseRows(FRowSelect, rows);
    DeleteRowSet(rows);
    for (int r = RowIndex; r < RowCount(); ++r)
        if (const int h = heights[static_cast<std::size_t>(r - RowIndex)]; RowHeights(r) != h)
            SetRowHeights(r, h);
    afterRowsRemoved(static_cast<int>(rows.size()), oldRow, oldTop, oldSelection);
    CellsChangedNotify({0, RowIndex, ColCount() - 1, RowIndex + RCount});
}

void VOroDavoduRuzu::RemoveRowsAndProps(int ARow, int ACount)
{
    RemoveRows(ARow, ACount);
}

void VOroDavoduRuzu::InsertCols(int ColIndex, int CCount)
{
    const int total = TotalColCount();
    if (CCount <= 0 || ColIndex < 0 || ColIndex > total)
        return;
    HideEditor();
    // A hidden column pushed out of the column map is shown first: columns past the map are never hidden.
    for (int c = std::max(ColIndex, MaxHiddenColumn - CCount); c < MaxHiddenColumn; ++c)
        if (IsHiddenColumn(c))
            UnHideColumn(c);
    const int d = ColIndex < MaxHiddenColumn ? DisplColIndexOf(ColIndex) : ColIndex - FNumHidden;
    TBaseGrid::SetColCount(ColCount() + CCount);
    MoveStoredColumns(total, CCount, ColIndex);
    // Hidden rows open the same empty columns.
    for (TGridItem& item : FGridItems) {
        TGridRowCells& cells = item.Items();
        for (int c = cells.Count() - 1; c >= ColIndex; --c) {
            const QString text = cells.Text(c);
            TObject* object = cells.Object(c);
            cells.SetText(c + CCount, text);
            cells.SetObject(c + CCount, object);
            cells.SetText(c, QString());
            cells.SetObject(c, nullptr);
        }
    }
    for (int i = ColCount() - 1; i >= d + CCount; --i)
        SetColWidths(i, ColWidths(i - CCount));
    for (int i = d; i < std::min(d + CCount, ColCount()); ++i)
        SetColWidths(i, DefaultColWidth());
    for (int c = MaxHiddenColumn - 1; c >= ColIndex; --c) {
        const bool opened = c < ColIndex + CCount;
        FVisibleCol[c] = opened ? true : FVisibleCol[c - CCount];
        FAllColWidths[c] = opened ? 0 : FAllColWidths[c - CCount];
    }
    FMaxColCount = std::max(FMaxColCount, ColCount());
    Invalidate();
}

void VOroDavoduRuzu::RemoveCols(int ColIndex, int CCount)
{
    const int total = TotalColCount();
    CCount = std::min(CCount, total - ColIndex);
    if (ColIndex < 0 || CCount <= 0)
        return;
    HideEditor();
    ClearCols(ColIndex, CCount);
    // The removed cells' objects leave the store: they are freed also when clearing keeps them.
    FreeCellPropsRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
    int shownRemoved = 0;
    for (int c = ColIndex + CCount - 1; c >= ColIndex; --c) {
        if (IsHiddenColumn(c))
            continue;
        ++shownRemoved;
        for (int i = DisplColIndexOf(c); i < ColCount() - 1; ++i)
            SetColWidths(i, ColWidths(i + 1));
    }
    MoveStoredColumns(ColIndex, CCount, total - CCount);
    // Hidden rows lose the same columns, with their cell properties.
    for (TGridItem& item : FGridItems) {
        TGridRowCells& cells = item.Items();
        for (int c = ColIndex; c < std::min(ColIndex + CCount, cells.Count()); ++c)
            FreeCellProps(cells.Object(c));
        for (int c = ColIndex; c < cells.Count(); ++c) {
            const QString text = cells.Text(c + CCount);
            TObject* object = cells.Object(c + CCount);
            cells.SetText(c, text);
            cells.SetObject(c, object);
        }
    }
    int hiddenRemoved = 0;
    for (int c = ColIndex; c < MaxHiddenColumn; ++c) {
        if (c < ColIndex + CCount && !FVisibleCol[c])
            ++hiddenRemoved;
        const bool inside = c + CCount < MaxHiddenColumn;
        FVisibleCol[c] = inside ? FVisibleCol[c + CCount] : true;
        FAllColWidths[c] = inside ? FAllColWidths[c + CCount] : 0;
    }
    FNumHidden -= hiddenRemoved;
    TBaseGrid::SetColCount(ColCount() - shownRemoved);
    StoredColCountChanged();
    Invalidate();
    CellsChangedNotify({ColIndex, 0, ColIndex + CCount, RowCount() - 1});
}

void VOroDavoduRuzu::RemoveDuplicates(int ACol, bool DoCase)
{
    const int c = RealColIndex(ACol);
    QSet<QString> seen;
    std::vector<int> duplicates;
    for (int r = FixedRows(); r < RowCount() - FixedFooters; ++r) {
        const QString key = DoCase ? GetGridCell(c, r) : GetGridCell(c, r).toCaseFolded();
        if (seen.contains(key))
            duplicates.push_back(r);
        else
            seen.insert(key);
    }
    removeDisplayRows(duplicates);
}

// The row's flag of the disjunct row selection (at its real index when that selection persists), else
// whether the selection rectangle holds it.
bool VOroDavoduRuzu::rowInSelection(int ARow)
{
    if (!FMouseActions.DisjunctRowSelect()) {
        const TGridRect s = normalSelection();
        return ARow >= s.Top && ARow <= s.Bottom;
    }
    return RowSelect(FMouseActions.RowSelectPersistent ? RealRowIndex(ARow) : ARow);
}

// The rows FixedRows .. lastRow (ascending) whose selection is as asked.
std::vector<int> VOroDavoduRuzu::rowsBySelection(bool selected, int lastRow)
{
    std::vector<int> rows;
    for (int r = FixedRows(); r <= std::min(lastRow, RowCount() - 1); ++r)
        if (rowInSelection(r) == selected)
            rows.push_back(r);
    return rows;
}

void VOroDavoduRuzu::RemoveSelectedRows()
{
    const TGridUpdateLock lock(*this);
    removeDisplayRows(rowsBySelection(true, RowCount() - FixedFooters - 1));
    if (FMouseActions.DisjunctRowSelect())
        ClearRowSelect();
}

void VOroDavoduRuzu::RemoveUnSelectedRows()
{
    const TGridUpdateLock lock(*this);
    removeDisplayRows(rowsBySelection(false, RowCount() - FixedFooters - 1));
    if (FMouseActions.RowSelectPersistent)
        SelectRows(FixedRows(), RowCount() - FixedRows());
    else
        ClearRowSelect();
}

void VOroDavoduRuzu::HideSelectedRows()
{
    const TGridUpdateLock lock(*this);
    hideDisplayRows(rowsBySelection(true, RowCount() - 1), 0);
}

void VOroDavoduRuzu::HideUnSelectedRows()
{
    const TGridUpdateLock lock(*this);
    hideDisplayRows(rowsBySelection(false, RowCount() - 1), 0);
}

// Columns from the last down to FixedCols leave one by one, each with its entry of the column selection.
void VOroDavoduRuzu::removeColsBySelection(bool selected)
{
    const TGridUpdateLock lock(*this);
    const bool disjunct = FMouseActions.DisjunctColSelect();
    const TGridRect s = normalSelection();
    for (int c = ColCount() - 1; c >= FixedCols() && ColCount() > 1; --c) {
        const bool inside = disjunct ? ColSelect(c) : c >= s.Left && c <= s.Right;
        if (inside != selected)
            continue;
        RemoveCols(RealColIndex(c), 1);
        if (c < static_cast<int>(FColSelect.size()))
            FColSelect.erase(FColSelect.begin() + c);
    }
}

void VOroDavoduRuzu::RemoveSelectedCols()
{
    removeColsBySelection(true);
}

void VOroDavoduRuzu::RemoveUnSelectedCols()
{
    removeColsBySelection(false);
    ClearColSelect();
}

void VOroDavoduRuzu::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked)
{
    const TGridUpdateLock lock(*this);
    std::vector<int> rows;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (IsChecked(CheckBoxColumn, r) == RemoveChecked)
            rows.push_back(r);
    removeDisplayRows(rows);
}

// Only selected cells are cleared: the fixed cells of a selected row or column keep their texts.
void VOroDavoduRuzu::ClearSelection()
{
    if (FMouseActions.DisjunctRowSelect()) {
        for (int r : rowsBySelection(true, RowCount() - FixedFooters - 1))
            ClearNormalRows(r, 1);
    } else if (FMouseActions.DisjunctColSelect()) {
        for (int c = FixedCols(); c < ColCount() - FixedRightCols; ++c)
            if (ColSelect(c))
                ClearNormalCols(c, 1);
    } else {
        const TGridRect s = normalSelection();
        ClearRect(s.Left, s.Top, s.Right, s.Bottom);
    }
}

void VOroDavoduRuzu::ClearRows(int RowIndex, int RCount)
{
    if (RCount > 0)
        ClearRect(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
}

void VOroDavoduRuzu::ClearCols(int ColIndex, int CCount)
{
    if (CCount > 0)
        ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void VOroDavoduRuzu::ClearNormalRows(int RowIndex, int RCount)
{
    if (RCount > 0)
        ClearRect(FixedCols(), RowIndex, TotalColCount() - FixedRightCols - 1, RowIndex + RCount - 1);
}

void VOroDavoduRuzu::ClearNormalCols(int ColIndex, int CCount)
{
    if (CCount > 0)
        ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FixedFooters - 1);
}

void VOroDavoduRuzu::ClearNormalCells()
{
    ClearRect(FixedCols(), FixedRows(), TotalColCount() - FixedRightCols - 1, RowCount() - FixedFooters - 1);
}

void VOroDavoduRuzu::Clear()
{
    ClearRect(0, 0, TotalColCount() - 1, RowCount() - 1);
    if (FNumHidden > 0)
        Invalidate();
}

void VOroDavoduRuzu::ClearAll()
{
    Clear();
    for (TGridItem& item : FGridItems)
        for (int c = 0; c < item.Items().Count(); ++c)
            item.Items().SetText(c, QString());
}

void VOroDavoduRuzu::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    forRect(ACol1, ARow1, ACol2, ARow2, [this](int c, int r) {
        const QString text = GetGridCell(c, r);
        const QString t = trimmed(text);
        if (t.size() != text.size())
            SetGridCell(c, r, t);
    });
}

void VOroDavoduRuzu::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor)
{
    for (int r = std::max(ARow1, 0); r <= std::min(ARow2, RowCount() - 1); ++r)
        for (int c = std::max(ACol1, 0); c <= std::min(ACol2, TotalColCount() - 1); ++c)
            SetColors(c, r, AColor);
}

void VOroDavoduRuzu::MergeColumnCells(int ColIndex, bool MainMerge)
{
    const int last = RowCount() - FixedFooters - 1;
    int start = FixedRows();
    for (int r = FixedRows() + 1; r <= last + 1; ++r) {
        const bool grows = r <= last && GetGridCell(ColIndex, r) == GetGridCell(ColIndex, r - 1) &&
                           (MainMerge || RowSpanIdentical(r - 1, r));
        if (grows)
            continue;
        if (r - start > 1)
            MergeCells(ColIndex, start, 1, r - start);
        start = r;
    }
}

void VOroDavoduRuzu::MergeRowCells(int RowIndex, bool MainMerge)
{
    const int last = ColCount() - FixedRightCols - 1;
    int start = FixedCols();
    for (int c = FixedCols() + 1; c <= last + 1; ++c) {
        const bool grows = c <= last && GetGridCell(c, RowIndex) == GetGridCell(c - 1, RowIndex) &&
                           (MainMerge || ColSpanIdentical(c - 1, c));
        if (grows)
            continue;
        MergeCells(start, RowIndex, c - start, 1);
        start = c;
    }
}

void VOroDavoduRuzu::SplitColumnCells(int ColIndex)
{
    for (int r = 0; r <= RowCount() - FixedFooters - 2; ++r) {
        if (!IsYMergedCell(ColIndex, r))
            continue;
        const TPoint base = BaseCell(ColIndex, r);
        const int span = CellSpan(base.X, base.Y).Y;
        SplitCells(base.X, base.Y);
        r = base.Y + span;
    }
}

void VOroDavoduRuzu::SplitRowCells(int RowIndex)
{
    for (int c = 0; c <= ColCount() - FixedRightCols - 2; ++c) {
        if (!IsXMergedCell(c, RowIndex))
            continue;
        const TPoint base = BaseCell(c, RowIndex);
        const int span = CellSpan(base.X, base.Y).X;
        SplitCells(base.X, base.Y);
        c = base.X + span;
    }
}

void VOroDavoduRuzu::SplitAllCells()
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (IsMergedCell(c, r) && IsBaseCell(c, r))
                SplitCells(c, r);
}

void VOroDavoduRuzu::mergedColumnsChanged()
{
    for (int c = 0; c < ColCount(); ++c)
        SplitColumnCells(c);
    for (int i = 0; i < FMergedColumns.Count(); ++i)
        if (const int c = FMergedColumns.GetInteger(i); c >= 0 && c < ColCount())
            MergeColumnCells(c, i == 0);
}

void VOroDavoduRuzu::MergeCols(int ColIndex1, int ColIndex2, const QString& Separator)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetGridCell(ColIndex1, r, trimmed(GetGridCell(ColIndex1, r) + Separator + GetGridCell(ColIndex2, r)));
    RemoveCols(ColIndex2, 1);
}

bool VOroDavoduRuzu::IsCell(const QString& SubStr, int& ACol, int& ARow)
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (GetGridCell(c, r) == SubStr) {
                ACol = c;
                ARow = r;
                return true;
            }
    return false;
}
