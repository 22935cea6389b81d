// Sorting the rows: by a column, by the sort index list, inside groups, and back to the unsorted order.
// Every sort reads each compared cell once into a key, sorts row indexes stably and then moves every row
// once into its place, with its height, cross-reference entry, modified flag, selection and cell controls.
#include <numeric>

#include "grid/VoGrid/VoGrid.h"
#include "grid/VoGrid/VoGridUpdateLock.h"
#include "grid/VoSort/VoSortSpecifier.h"
#include "grid/base/REdaReviZizod.h"
#include "platform/SysUtils.h"

namespace {

bool isCheckBoxType(TCellType type)
{
    return type == ctCheckBox || type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRowCheckBox;
}

std::vector<int> inverseOf(const std::vector<int>& order)
{
    std::vector<int> inverse(order.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        inverse[static_cast<std::size_t>(order[k])] = static_cast<int>(k);
    return inverse;
}

// Entries First + k of the list take the former entries First + Order[k] (those the list has).
void permuteList(TIntList& list, int first, const std::vector<int>& order)
{
    const int n = static_cast<int>(order.size());
    if (list.Count() < first + n)
        return;
    std::vector<int> values(order.size());
    for (int k = 0; k < n; ++k)
        values[static_cast<std::size_t>(k)] = list.GetInteger(first + order[static_cast<std::size_t>(k)]);
    for (int k = 0; k < n; ++k)
        list.SetInteger(first + k, values[static_cast<std::size_t>(k)]);
}

// Where a row ends after the rows First .. First + size - 1 took the new order (inverse of the order).
int movedRow(int row, int first, const std::vector<int>& inverse)
{
    const int k = row - first;
    return k >= 0 && k < static_cast<int>(inverse.size()) ? first + inverse[static_cast<std::size_t>(k)] : row;
}

}  // namespace

// ----- Settings -----

void TSortSettings::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TSortSettings*>(&Source);
    if (!s)
        return;
    AutoSortForGrouping = s->AutoSortForGrouping;
    AutoColumnMerge = s->AutoColumnMerge;
    Column = s->Column;
    Show = s->Show;
    IndexShow = s->IndexShow;
    IndexColor = s->IndexColor;
    Full = s->Full;
    SingleColumn = s->SingleColumn;
    IgnoreBlanks = s->IgnoreBlanks;
    BlankPos = s->BlankPos;
    AutoFormat = s->AutoFormat;
    Direction = s->Direction;
    FUpGlyph.Assign(s->FUpGlyph);
    FDownGlyph.Assign(s->FDownGlyph);
    FIndexUpGlyph.Assign(s->FIndexUpGlyph);
    FIndexDownGlyph.Assign(s->FIndexDownGlyph);
    IndexSortKey = s->IndexSortKey;
    InitSortDirection = s->InitSortDirection;
    FixedCols = s->FixedCols;
    NormalCellsOnly = s->NormalCellsOnly;
    Row = s->Row;
    UndoSort = s->UndoSort;
    FHeaderColor = s->FHeaderColor;
    FHeaderColorTo = s->FHeaderColorTo;
    FHeaderMirrorColor = s->FHeaderMirrorColor;
    FHeaderMirrorColorTo = s->FHeaderMirrorColorTo;
}

QString TSortSettings::SaveToString() const
{
    const QString indexes = FGrid ? FGrid->SortIndexes().SaveToString() : QString();
    return SortSpecifierText(IndexShow, Direction, Column, indexes);
}

void TSortSettings::LoadFromString(const QString& Value)
{
    if (Value.isEmpty())
        return;
    SetShow(true);
    const std::optional<TSortSpecifier> spec = ParseSortSpecifier(Value);
    if (!spec || !FGrid)
        return;
    IndexShow = spec->indexed;
    if (!spec->indexed) {
        Direction = spec->direction;
        if (spec->column) {
            Column = *spec->column;
            FGrid->QSort();
        }
    } else if (!spec->indexes.isEmpty()) {
        FGrid->SortIndexes().LoadFromString(spec->indexes);
        FGrid->QSortIndexed();
    }
}

void TSortSettings::Remove()
{
    Column = -1;
    if (!FGrid)
        return;
    FGrid->SortIndexes().Clear();
    if (FGrid->FixedRows() > 0)
        FGrid->RepaintRow(FGrid->FixedRows() - 1);
}

void TSortSettings::SetShow(bool Value)
{
    if (Show == Value)
        return;
    Show = Value;
    if (FGrid)
        FGrid->Invalidate();
}

void TSortSettings::SetRow(int Value)
{
    if (FGrid && Value > FGrid->FixedRows())
        throw Exception(QStringLiteral("Sort row should be smaller than number of fixed rows"));
    Row = Value;
}

void TSortSettings::setHeader(TColor& field, TColor Value)
{
    if (field == Value)
        return;
    field = Value;
    if (FGrid && FGrid->FixedRows() > 0)
        FGrid->RepaintRow(FGrid->FixedRows() - 1);
}

// ----- Keys and comparisons -----

QString VOroDavoduRuzu::sortText(int ACol, int ARow)
{
    return FSortSettings.SortOnVirtualCells ? Cells(ACol, ARow) : GetGridCell(ACol, ARow);
}

TSortStyle VOroDavoduRuzu::sortStyleOf(int ACol, TSortTextOptions& options)
{
    TSortStyle style = FSortSettings.AutoFormat ? ssAutomatic : FSortSettings.IgnoreCase ? ssAlphaNoCase : ssAlphabetic;
    QueryCellFormat(ACol, style, options.prefix, options.suffix);
    if (style == ssCustom && OnCustomCompare)
        options.customCompare = [this](const QString& a, const QString& b) {
            int res = 0;
            OnCustomCompare(this, a, b, res);
            return res;
        };
    return style;
}

TSortColumnKeys VOroDavoduRuzu::sortColumnKeys(int ACol, const std::function<int(int)>& rowAt, int count,
                                               TSortDirection direction)
{
    TSortColumnKeys result{TSortKeys::FromIntegers({}), direction, FSortSettings.IgnoreBlanks, FSortSettings.BlankPos};
    TSortTextOptions options;
    TSortStyle style = sortStyleOf(ACol, options);
    if (style == ssAutomatic && count > 0 && isCheckBoxType(GetCellType(ACol, rowAt(0))))
        style = ssCheckBox;
    if (style == ssCheckBox || style == ssImages) {
        std::vector<qint64> keys(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            bool checked = false;
            keys[static_cast<std::size_t>(i)] = style == ssImages
                                                    ? GetCellImageIndex(ACol, rowAt(i))
                                                    : GetCheckBoxState(ACol, rowAt(i), checked) && checked;
        }
        result.keys = TSortKeys::FromIntegers(std::move(keys));
    } else if (style == ssRaw) {
        std::vector<int> rows(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            rows[static_cast<std::size_t>(i)] = rowAt(i);
        result.keys = TSortKeys::FromCompare(
            [this, ACol, rows](int i, int j) {
                int res = 0;
                if (OnRawCompare)
                    OnRawCompare(this, ACol, rows[static_cast<std::size_t>(i)], rows[static_cast<std::size_t>(j)], res);
                return res;
            },
            count);
    } else {
        std::vector<QString> texts(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            texts[static_cast<std::size_t>(i)] = sortText(ACol, rowAt(i));
        result.keys = TSortKeys::FromTexts(texts, style, FSortSettings.IgnoreCase, options);
    }
    return result;
}

int VOroDavoduRuzu::CompareCellsForSort(int ACol, int ARow1, int ARow2, bool Descending)
{
    const int rows[] = {ARow1, ARow2};
    TSortColumnKeys keys = sortColumnKeys(
        ACol, [&rows](int i) { return rows[i]; }, 2, Descending ? sdDescending : sdAscending);
    // The ascending comparison; blanks keep their place whatever the direction.
    keys.direction = sdAscending;
    int r = keys.keys.Compare(0, 1);
    if (keys.ignoreBlanks)
        r = PlaceBlanks(r, keys.keys.IsEmpty(0), keys.keys.IsEmpty(1), Descending ? sdDescending : sdAscending,
                        keys.blankPos);
    return r;
}

int VOroDavoduRuzu::CompareRowsFullSort(int ACol, int ARow1, int ARow2)
{
    for (int c = ACol; c < TotalColCount(); ++c) {
        if (!IsIgnoredColumn(c))
            if (const int r = CompareCellsForSort(c, ARow1, ARow2, FSortSettings.Direction == sdDescending))
                return r;
        if (!FSortSettings.Full)
            break;
    }
    return 0;
}

int VOroDavoduRuzu::CompareRowsIndexedSort(int Index, int ARow1, int ARow2)
{
    for (int i = Index; i < FSortIndexes.Count(); ++i) {
        const bool ascending = FSortIndexes.GetSortDirections(i);
        const int r = CompareCellsForSort(FSortIndexes.GetSortColumns(i), ARow1, ARow2, !ascending);
        if (r != 0)
            return ascending ? r : -r;
        if (!FSortSettings.Full)
            break;
    }
    return 0;
}

// ----- The order of a row range -----

std::vector<VOroDavoduRuzu::SortLevel> VOroDavoduRuzu::columnLevels(int Col) const
{
    std::vector<SortLevel> levels;
    const int last = FSortSettings.Full ? TotalColCount() - 1 : Col;
    for (int c = Col; c <= last; ++c)
        if (!IsIgnoredColumn(c))
            levels.push_back({c, FSortSettings.Direction});
    return levels;
}

std::vector<VOroDavoduRuzu::SortLevel> VOroDavoduRuzu::indexLevels() const
{
    std::vector<SortLevel> levels;
    const int count = FSortSettings.Full ? FSortIndexes.Count() : std::min(FSortIndexes.Count(), 1);
    for (int i = 0; i < count; ++i)
        levels.push_back(
            {FSortIndexes.GetSortColumns(i), FSortIndexes.GetSortDirections(i) ? sdAscending : sdDescending});
    return levels;
}

// The first level's keys are read at once; a later level's only when two rows tie on every level before it.
std::vector<int> VOroDavoduRuzu::sortOrder(const std::vector<SortLevel>& levels, int first, int count)
{
    const auto rowAt = [first](int i) { return first + i; };
    std::vector<TSortColumnKeys> columns;
    for (std::size_t l = 0; l < levels.size(); ++l) {
        const SortLevel level = levels[l];
        if (l == 0) {
            columns.push_back(sortColumnKeys(level.col, rowAt, count, level.direction));
            continue;
        }
        auto lazy = std::make_shared<std::optional<TSortColumnKeys>>();
        auto compare = [this, lazy, level, rowAt, count](int i, int j) {
            if (!*lazy)
                *lazy = sortColumnKeys(level.col, rowAt, count, level.direction);
            return CompareSortColumn(**lazy, i, j);
        };
        columns.push_back({TSortKeys::FromCompare(compare, count)});
    }
    if (columns.empty()) {
        std::vector<int> identity(static_cast<std::size_t>(count));
        std::iota(identity.begin(), identity.end(), 0);
        return identity;
    }
    return SortOrder(columns);
}

// Rows First + k take the former rows First + Order[k]. SingleCol >= 0 moves only that column's cells.
void VOroDavoduRuzu::applyRowOrder(int first, const std::vector<int>& order, int singleCol)
{
    const int n = static_cast<int>(order.size());
    if (n < 2)
        return;
    if (singleCol >= 0) {
        std::vector<std::pair<QString, TObject*>> cells;
        cells.reserve(order.size());
        for (const int from : order)
            cells.emplace_back(GetGridCell(singleCol, first + from), GetGridObject(singleCol, first + from));
        for (int k = 0; k < n; ++k) {
            SetGridCell(singleCol, first + k, cells[static_cast<std::size_t>(k)].first);
            SetGridObject(singleCol, first + k, cells[static_cast<std::size_t>(k)].second);
        }
        return;
    }
    std::vector<QString> column0;
    const bool keepColumn0 = FSortSettings.NormalCellsOnly && FixedCols() > 0;
    if (keepColumn0)
        for (int k = 0; k < n; ++k)
            column0.push_back(GetGridCell(0, first + k));
    PermuteRows(first, order);
    if (keepColumn0)
        for (int k = 0; k < n; ++k)
            SetGridCell(0, first + k, column0[static_cast<std::size_t>(k)]);

    const std::vector<int> inverse = inverseOf(order);
    permuteList(FSortRowXRef, first, order);
    if (FShowModified.Enabled)
        permuteList(FModifiedRows, first, order);
    if (FNavigation.MoveRowOnSort)
        for (int i = 0; i < FSelectedRows.Count(); ++i)
            FSelectedRows.SetInteger(
                i, RealRowIndex(movedRow(DisplRowIndex(FSelectedRows.GetInteger(i)), first, inverse)));
    for (int i = 0; i < FControlList.Count(); ++i) {
        TControlItem& control = FControlList.GetControl(i);
        control.Y = RealRowIndex(movedRow(DisplRowIndex(control.Y), first, inverse));
    }
    SortRow = movedRow(SortRow, first, inverse);
}

void VOroDavoduRuzu::sortRows(const std::vector<SortLevel>& levels, int first, int last)
{
    if (last <= first || levels.empty())
        return;
    SortDir = levels.front().direction == sdDescending ? -1 : 1;
    const std::vector<int> order = sortOrder(levels, first, last - first + 1);
    applyRowOrder(first, order, FSortSettings.SingleColumn ? levels.front().col : -1);
}

int VOroDavoduRuzu::sortLastRow() const
{
    int footers = FixedFooters;
    if (FFloatingFooter.Visible() && FFloatingFooter.FooterStyle() == fsFixedLastRow)
        footers = std::max(footers, 1);
    return RowCount() - 1 - footers;
}

// ----- The sorts -----

void VOroDavoduRuzu::InitSortXRef()
{
    FSortRowXRef.Clear();
    for (int r = 0; r < RowCount(); ++r)
        FSortRowXRef.Add(r);
}

void VOroDavoduRuzu::Sort(int Column, TSortDirection Direction)
{
    FSortSettings.Column = Column;
    FSortSettings.Direction = Direction;
    QSort();
}

void VOroDavoduRuzu::SortByColumn(int Col)
{
    if (RowCount() <= 1)
        return;
    FSortSettings.Column = Col;
    QSort();
}

// The floating footer is hidden while the rows move and shown again afterwards, also when the sort fails;
// the footer panel and (when asked) a visible search panel then repaint.
class VOroDavoduRuzu::SortFooterScope {
public:
    SortFooterScope(VOroDavoduRuzu& grid, bool repaintSearch)
        : FGrid(grid), FVisible(grid.FFloatingFooter.Visible()), FRepaintSearch(repaintSearch)
    {
        if (FVisible)
            FGrid.FFloatingFooter.SetVisible(false);
    }
    ~SortFooterScope()
    {
        if (FVisible)
            FGrid.FFloatingFooter.SetVisible(true);
        if (FVisible && FGrid.FFooterPanel)
            FGrid.FFooterPanel->Invalidate();
        if (FRepaintSearch && FGrid.FSearchFooter->Visible() && FGrid.FSearchPanel)
            FGrid.FSearchPanel->Invalidate();
    }
    SortFooterScope(const SortFooterScope&) = delete;
    SortFooterScope& operator=(const SortFooterScope&) = delete;

private:
    VOroDavoduRuzu& FGrid;
    const bool FVisible;
    const bool FRepaintSearch;
};

void VOroDavoduRuzu::runSort(const std::vector<SortLevel>& levels, bool indexed)
{
    if (RowCount() != FSortRowXRef.Count())
        InitSortXRef();
    const int top = TopRow();
    const int oldRow = Row();
    const int last = sortLastRow();
    {
        const TGridUpdateLock lock(*this);
        const SortFooterScope footer(*this, !indexed);
        SortRow = oldRow;
        sortRows(levels, FixedRows(), last);
        if (FNavigation.MoveRowOnSort && SortRow != oldRow && (indexed || !FMouseActions.DisjunctRowSelect()))
            FocusCell(Col(), SortRow, true);
        if (FNavigation.KeepScrollOnSort)
            SetTopRow(top);
    }
    if (!indexed && OnRowChanged && !FNavigation.MoveRowOnSort)
        OnRowChanged(this, oldRow, Row());
    Invalidate();
}

void VOroDavoduRuzu::QSort()
{
    if (FSortSettings.Column < 0)
        return;
    FSortIndexes.Clear();
    runSort(columnLevels(FSortSettings.Column), false);
}

void VOroDavoduRuzu::QSortIndexed()
{
    if (FSortIndexes.Count() == 0)
        throw REdaReviZizod(QStringLiteral("No indexes specified for indexed sort"));
    runSort(indexLevels(), true);
}

void VOroDavoduRuzu::QuickSort(int Col, int Left, int Right)
{
    sortRows(columnLevels(Col), Left, Right);
}

void VOroDavoduRuzu::QuickSortIndexed(int Left, int Right)
{
    sortRows(indexLevels(), Left, Right);
}

// The children of every expanded node of the deepest level are sorted; node rows keep their places.
void VOroDavoduRuzu::sortGroups(const std::vector<SortLevel>& levels)
{
    if (RowCount() != FSortRowXRef.Count())
        InitSortXRef();
    const int last = RowCount() - 1 - FixedFooters;
    int deepest = -1;
    for (int r = FixedRows(); r <= last; ++r)
        if (IsNode(r))
            deepest = std::max(deepest, GetNodeLevel(r));
    SortRow = Row();
    const TGridUpdateLock lock(*this);
    for (int r = FixedRows(); r <= last; ++r) {
        if (!IsNode(r) || GetNodeLevel(r) != deepest || GetNodeState(r))
            continue;
        const int children = nodeSpanEnd(r) - r - 1;
        if (children > 1)
            sortRows(levels, r + 1, std::min(r + children, last));
    }
    Invalidate();
}

void VOroDavoduRuzu::QSortGroup()
{
    if (FSortSettings.Column >= 0)
        sortGroups(columnLevels(FSortSettings.Column));
}

void VOroDavoduRuzu::QSortGroupIndexed()
{
    if (FSortIndexes.Count() == 0)
        throw REdaReviZizod(QStringLiteral("No indexes specified for indexed sort"));
    sortGroups(indexLevels());
}

void VOroDavoduRuzu::QUnSort()
{
    if (FSortRowXRef.Count() != RowCount())
        return;
    FUnSortRowXRef.Clear();
    std::vector<int> xref(static_cast<std::size_t>(RowCount()));
    for (int r = 0; r < RowCount(); ++r) {
        xref[static_cast<std::size_t>(r)] = FSortRowXRef.GetInteger(r);
        FUnSortRowXRef.Add(xref[static_cast<std::size_t>(r)]);
    }
    SortRow = Row();
    {
        const TGridUpdateLock lock(*this);
        applyRowOrder(0, UnSortOrder(xref), -1);
    }
    Invalidate();
}

bool VOroDavoduRuzu::SortLine(int Col, int ARow1, int ARow2)
{
    SortDir = FSortSettings.Direction == sdDescending ? -1 : 1;
    if (ARow1 == ARow2 || CompareRowsFullSort(Col, ARow1, ARow2) != SortDir)
        return false;
    const int first = std::min(ARow1, ARow2);
    std::vector<int> order(static_cast<std::size_t>(std::abs(ARow2 - ARow1) + 1));
    std::iota(order.begin(), order.end(), 0);
    std::swap(order.front(), order.back());
    applyRowOrder(first, order, FSortSettings.SingleColumn ? Col : -1);
    return true;
}
