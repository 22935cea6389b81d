// Filtering: rows that fail the conditions leave for the hidden-row store as one filter level each time a
// filter is applied, and come back in place when the level is removed.
#include <cmath>

#include "grid/VoGrid/VoGrid.h"
#include "grid/VoGrid/VoGridControls.h"
#include "grid/VoGrid/VoGridPaint.h"
#include "platform/SystemMetrics.h"

namespace {

// The filter button at the right of a header cell; the list opens this far below the cell's top.
constexpr int FilterButtonWidth = 16;
constexpr int FilterButtonInset = 3;
constexpr int FilterButtonHeight = 19;
constexpr int FilterListTop = 16;
constexpr int FilterListMargin = 8;

// FriendlyName=Condition, or a value that is both.
void splitFilterItem(const QString& item, QString& friendlyName, QString& condition)
{
    const int eq = static_cast<int>(item.indexOf(u'='));
    friendlyName = eq < 0 ? item : item.left(eq);
    condition = eq < 0 ? item : item.mid(eq + 1);
}

// The filter lists are made when first opened.
bool shown(const TDropListBase* List)
{
    return List && List->Visible();
}

void hide(TDropListBase* List)
{
    if (List)
        List->Hide();
}

// Empties a pointer when the scope ends, also after an exception.
struct ClearOnExit {
    const std::vector<TFilterCondition>*& slot;
    ~ClearOnExit() { slot = nullptr; }
};

}  // namespace

// ----- The condition collection -----

void TFilterData::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TFilterData*>(&Source);
    if (!s)
        return;
    Column = s->Column;
    Condition = s->Condition;
    CaseSensitive = s->CaseSensitive;
    Data = s->Data;
    Prefix = s->Prefix;
    Suffix = s->Suffix;
    Operation = s->Operation;
}

TFilterData* TFilter::Add()
{
    auto* item = static_cast<TFilterData*>(TCollection::Add());
    item->Operation = Count() == 1 ? foNONE : foAND;
    return item;
}

TFilterData* TFilter::Insert(int Index)
{
    (void)Index;
    return static_cast<TFilterData*>(TCollection::Add());
}

TFilterData* TFilter::ColFilter(int Col)
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Column == Col)
            return Items(i);
    TFilterData* item = Add();
    item->Column = Col;
    return item;
}

void TFilter::RemoveColumnFilter(int Col)
{
    for (int i = Count() - 1; i >= 0; --i)
        if (Items(i)->Column == Col)
            Delete(i);
    if (FOwner)
        FOwner->RepaintCell(Col, 0);
}

bool TFilter::HasFilter(int Col) const
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Column == Col)
            return true;
    return false;
}

std::vector<TFilterCondition> TFilter::Conditions() const
{
    std::vector<TFilterCondition> conditions;
    conditions.reserve(static_cast<std::size_t>(Count()));
    for (int i = 0; i < Count(); ++i)
        conditions.push_back(*Items(i));
    return conditions;
}

// ----- The row test -----

QString VOroDavoduRuzu::filterText(const TFilterCondition& condition, int ARow)
{
    switch (condition.Data) {
    case fcNormal:
        return GetGridCell(condition.Column, ARow);
    case fcStripHTML:
        return StrippedCells(condition.Column, ARow);
    case fcRow: {
        QStringList texts;
        for (int c = 0; c < TotalColCount(); ++c)
            texts.append(Cells(c, ARow));
        return texts.join(QStringLiteral("\r\n"));
    }
    case fcVirtual:
    case fcCalculated:
        break;
    }
    return Cells(condition.Column, ARow);
}

bool VOroDavoduRuzu::RowMatchesFilter(int ARow)
{
    const auto text = [this, ARow](const TFilterCondition& c) { return filterText(c, ARow); };
    bool accept = FApplyingConditions ? FilterConditionsMatch(*FApplyingConditions, text)
                                      : FilterConditionsMatch(FFilter.Conditions(), text);
    if (OnCustomFilter)
        OnCustomFilter(this, ARow, accept);
    return accept;
}

// ----- Filter levels -----

void VOroDavoduRuzu::ApplyFilter()
{
    FFilterFixedRows = FixedRows();
    const int last = RowCount() - FixedFooters - 1;
    const int base = last - FixedRows() + 1;
    TIntList failing;
    int tested = 0;
    // The conditions are read once for all rows.
    const std::vector<TFilterCondition> conditions = FFilter.Conditions();
    CheckFilterConditions(conditions);
    FApplyingConditions = &conditions;
    const ClearOnExit done{FApplyingConditions};
    const auto progress = [&] {
        if (OnFilterProgress && base > 0)
            OnFilterProgress(this, static_cast<int>(std::lround(tested * 100.0 / base)));
    };
    for (int r = FixedRows(); r <= last; ++r) {
        if (FilterNormalCellsOnly && (IsNode(r) || IsSummary(r)))
            continue;
        if (!RowMatchesFilter(r))
            failing.Add(r);
        ++tested;
        progress();
    }
    HideRowList(failing);
    ++FFilterLevel;
    progress();
}

void VOroDavoduRuzu::FilterRow(int ARow)
{
    if (!RowMatchesFilter(ARow))
        HideRow(RealRowIndex(ARow));
}

// The rows of the last level come back and the hiding level goes down with them.
void VOroDavoduRuzu::restoreFilterLevel()
{
    UnHideRowList();
    SetHidingLevel(HidingLevel() - 1);
    if (FFilterFixedRows > 0 && FFilterFixedRows < RowCount() && FFilterFixedRows != FixedRows())
        SetFixedRows(FFilterFixedRows);
}

bool VOroDavoduRuzu::RemoveLastFilter()
{
    if (FFilterLevel <= 0)
        return false;
    restoreFilterLevel();
    --FFilterLevel;
    if (FFilterLevel == 0)
        FFilterActive = false;
    CalcFooter(-1);
    return FFilterLevel > 0;
}

void VOroDavoduRuzu::RemoveAllFilters()
{
    if (FFilterLevel == 0) {
        FFilter.Clear();
        return;
    }
    while (FFilterLevel > 0)
        RemoveLastFilter();
}

void VOroDavoduRuzu::SetFilterActive(bool Value)
{
    if (Value != FFilterActive) {
        if (Value) {
            if (Row() >= RowCount() || Col() >= ColCount())
                FocusCell(FixedCols(), FixedRows(), true);
            ApplyFilter();
            FFilterActive = true;
        } else {
            FFilterActive = false;
            if (FFilterLevel > 0) {
                restoreFilterLevel();
                --FFilterLevel;
            }
        }
        if (RowCount() > FixedRows())
            SetTopRow(FixedRows());
        Invalidate();
    }
    CalcFooter(-1);
}

void VOroDavoduRuzu::SetFilterDropDownRow(int Value)
{
    if (Value < 0 || Value >= FixedRows())
        return;
    FilterDropDownRow = Value;
    Invalidate();
}

// ----- Incremental narrowing -----

void VOroDavoduRuzu::addNarrowCondition(const QString& ACondition, int AColumn, bool quoted)
{
    FFilter.Clear();
    TFilterData* item = FFilter.Add();
    const TFilterOperation operation = item->Operation;
    static_cast<TFilterCondition&>(*item) = NarrowCondition(ACondition, AColumn, quoted);
    item->Operation = operation;
}

void VOroDavoduRuzu::NarrowDown(const QString& ACondition, int AColumn)
{
    FixedRowAlways = true;
    switch (NarrowStep(ACondition, FLastFilter)) {
    case nsNarrow:
        addNarrowCondition(ACondition, AColumn, true);
        ApplyFilter();
        break;
    case nsWiden:
        RemoveLastFilter();
        break;
    case nsRestart:
        RemoveAllFilters();
        if (!ACondition.isEmpty()) {
            addNarrowCondition(ACondition, AColumn, false);
            ApplyFilter();
        }
        break;
    }
    FLastFilter = ACondition;
    if (ACondition.isEmpty()) {
        UnHideRowsAll();
        FFilterLevel = 0;
        SetHidingLevel(0);
    }
}

// ----- The drop-down lists -----

// The header button's picture: the drop-down's own glyphs when set, the active one while the column has a
// condition.
const TBitmap& VOroDavoduRuzu::filterGlyph(int RCol) const
{
    const TBitmap& active = FFilterDropDown.GlyphActive();
    if (!active.Empty() && FFilter.HasFilter(RCol))
        return active;
    const TBitmap& normal = FFilterDropDown.Glyph();
    return normal.Empty() ? GridGlyph(QStringLiteral("VSGFILT")) : normal;
}

// A release on a column's filter button opens that column's list; a release anywhere else closes an open one.
void VOroDavoduRuzu::FilterButtonMouseUp(int X, int Y)
{
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X >= 0 && cell.Y >= 0 && cell.Y == FilterDropDownRow && cell.Y < FixedRows()) {
        const int realC = RealColIndex(cell.X);
        const TRect r = CellRect(cell.X, cell.Y);
        if (realC != FFilterCol && X > r.Right - FilterButtonWidth && X < r.Right - FilterButtonInset &&
            Y < r.Top + FilterButtonHeight && QueryColumnFilterItems(realC)) {
            FFilterCol = realC;
            openFilterList(r);
            return;
        }
    }
    // A check list left open would ignore its marks once no column is open: both lists close.
    if (shown(FDropList) || shown(FDropCheckList) || FFilterCol >= 0) {
        hide(FDropList);
        hide(FDropCheckList);
        FFilterCol = -1;
    }
}

// Fills the list of the open column from FilterList, ticks the values the column filters on, and shows it
// under the header cell's button with the focus.
void VOroDavoduRuzu::openFilterList(const TRect& Cell)
{
    const bool checks = FilterDropDownCheck;
    TDropListBase& list = checks ? static_cast<TDropListBase&>(*FilterDropCheckList()) : *FilterDropList();
    hide(checks ? static_cast<TDropListBase*>(FDropList) : FDropCheckList);
    list.SetColor(FFilterDropDown.Color);
    list.SetFont(FFilterDropDown.Font());
    list.Items().Clear();
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(FFilterDropDown.Font());
    int widest = 0;
    std::vector<bool> ticks;
    for (int i = 0; i < FFilterList.Count(); ++i) {
        // An entry "name=condition" shows its name; the name, quoted when it has a blank, is what a
        // condition of the column must equal to tick it.
        const QString name = FFilterList.Strings(i).section(u'=', 0, 0);
        list.Items().Add(name);
        const QString compared = name.contains(u' ') ? u'"' + name + u'"' : name;
        widest = std::max(widest, canvas.TextWidth(compared) + FilterListMargin);
        bool ticked = false;
        for (int f = 0; f < FFilter.Count() && !ticked; ++f)
            ticked = FFilter.Items(f)->Column == FFilterCol && FFilter.Items(f)->Condition == compared;
        ticks.push_back(ticked);
    }
    if (checks)
        for (int i = 0; i < static_cast<int>(ticks.size()); ++i)
            FilterDropCheckList()->Mark(i, ticks[static_cast<std::size_t>(i)]);
    else
        list.SetItemIndex(0);
    int width = FFilterDropDown.Width;
    int height = FFilterDropDown.Height;
    if (FFilterDropDown.AutoSize) {
        height = list.Count() * list.ItemHeight() + 2 * GetSystemMetrics(SM_CYEDGE);
        width = widest + 2 * GetSystemMetrics(SM_CXEDGE);
    }
    int left = Cell.Right - FilterButtonWidth;
    if (FFilterDropDown.ColumnWidth) {
        left = Cell.Left;
        width = Cell.Width();
    }
    if (left + width > ClientWidth())
        left = std::max(0, Cell.Right - width);
    list.SetParent(this);
    list.SetBounds(left, Cell.Top + FilterListTop, width, height);
    list.Show();
    list.BringToFront();
    if (list.CanFocus())
        list.SetFocus();
}

void VOroDavoduRuzu::FilterListSelect(int ItemIndex)
{
    const int col = FFilterCol;
    FFilterCol = -1;
    if (col < 0 || ItemIndex < 0 || ItemIndex >= FFilterList.Count())
        return;
    QueryColumnFilterItems(col);
    if (ItemIndex >= FFilterList.Count())
        return;
    QString friendlyName;
    QString condition;
    splitFilterItem(FFilterList.Strings(ItemIndex), friendlyName, condition);
    if (AutoFilterUpdate)
        SetFilterActive(false);
    if (condition == FilterDropDownClear)
        condition.clear();
    if (OnFilterSelect)
        OnFilterSelect(this, col, ItemIndex, friendlyName, condition);
    if (!condition.isEmpty())
        FFilter.ColFilter(col)->Condition = condition;
    else
        FFilter.RemoveColumnFilter(col);
    if (!AutoFilterUpdate)
        return;
    FixedRowAlways = true;
    SetFilterActive(true);
    if (RowCount() > FixedRows())
        SetRow(FixedRows());
    if (OnFilterDone)
        OnFilterDone(this);
}

void VOroDavoduRuzu::FilterCheckListSelect(const std::vector<int>& Checked)
{
    if (FFilterCol < 0)
        return;
    QueryColumnFilterItems(FFilterCol);
    if (AutoFilterUpdate)
        SetFilterActive(false);
    FFilter.Clear();
    for (const int index : Checked) {
        if (index < 0 || index >= FFilterList.Count())
            continue;
        QString friendlyName;
        QString condition;
        splitFilterItem(FFilterList.Strings(index), friendlyName, condition);
        if (condition == FilterDropDownClear)
            condition.clear();
        if (OnFilterCheck)
            OnFilterCheck(this, FFilterCol, index, friendlyName, condition, *FilterDropCheckList());
        const bool firstItem = FFilter.Count() == 0;
        TFilterData* item = FFilter.Add();
        item->Column = FFilterCol;
        item->Condition = condition;
        item->Operation = firstItem ? foNONE : foOR;
    }
    SetFilterActive(true);
    if (FDropCheckList)
        FDropCheckList->Invalidate();
}
