// Grouping: a header row (a node over its group) before each run of equal values of a column, optional
// summary rows after each group, and the group calculations written into them.
#include "grid/VoGrid/Editors/FlagScope.h"
#include "grid/VoGrid/VoGrid.h"
#include "grid/VoGrid/VoGridSearchPanel.h"
#include "grid/VoGrid/VoGridUpdateLock.h"

#include <functional>

namespace {

// No cell text equals it, so the first row always starts a group.
const QString NoGroupValue = QStringLiteral("\u00FF\u00FE");

// Runs an action when the scope ends, also after an exception.
class OnScopeExit {
public:
    explicit OnScopeExit(std::function<void()> action) : action_(std::move(action)) {}
    ~OnScopeExit() { action_(); }
    OnScopeExit(const OnScopeExit&) = delete;
    OnScopeExit& operator=(const OnScopeExit&) = delete;

private:
    std::function<void()> action_;
};

}  // namespace

void TGrouping::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TGrouping*>(&Source);
    if (!s)
        return;
    GroupCountFormat = s->GroupCountFormat;
    HeaderColor = s->HeaderColor;
    HeaderColorTo = s->HeaderColorTo;
    HeaderTextColor = s->HeaderTextColor;
    HeaderUnderline = s->HeaderUnderline;
    MergeHeader = s->MergeHeader;
    MergeSummary = s->MergeSummary;
    ShowGroupCount = s->ShowGroupCount;
    SummaryColor = s->SummaryColor;
    SummaryColorTo = s->SummaryColorTo;
    SummaryTextColor = s->SummaryTextColor;
    SummaryLine = s->SummaryLine;
    AutoCheckGroup = s->AutoCheckGroup;
    AutoSelectGroup = s->AutoSelectGroup;
}

void VOroDavoduRuzu::groupHeaderColors(int ARow)
{
    if (FGrouping.HeaderColor != clNone)
        SetRowColor(ARow, FGrouping.HeaderColor);
    if (FGrouping.HeaderColorTo != clNone)
        SetRowColorTo(ARow, FGrouping.HeaderColorTo);
    if (FGrouping.HeaderTextColor != clNone)
        SetRowFontColor(ARow, FGrouping.HeaderTextColor);
}

void VOroDavoduRuzu::groupSummaryColors(int ARow)
{
    if (FGrouping.SummaryColor != clNone)
        SetRowColor(ARow, FGrouping.SummaryColor);
    if (FGrouping.SummaryColorTo != clNone)
        SetRowColorTo(ARow, FGrouping.SummaryColorTo);
    if (FGrouping.SummaryTextColor != clNone)
        SetRowFontColor(ARow, FGrouping.SummaryTextColor);
}

// Makes the header at hdr a node over the rows up to End and, with summaries, adds the group's summary row
// after them. Returns the row after the group.
int VOroDavoduRuzu::closeGroup(int hdr, int End)
{
    AddNode(RealRowIndex(hdr), End - hdr);
    if (!FGrouping.Summary)
        return End;
    InsertRows(End, 1);
    AddSummaryRow(RealRowIndex(End));
    if (!FGrouping.MergeSummary)
        groupSummaryColors(End);
    return End + 1;
}

void VOroDavoduRuzu::Group(int Colindex)
{
    if (Colindex < FixedCols())
        return;
    if (GroupColumn != -1)
        UnGroup();
    if (RowCount() - FixedRows() <= 0)
        return;
    // Once the lock is gone, a shown search bar lays itself out for the grid's new shape.
    const OnScopeExit relayout([this] {
        if (FSearchFooter->Visible() && FSearchPanel)
            FSearchPanel->LayoutControls();
    });
    const TGridUpdateLock lock(*this);
    const TFlagScope busy(FGroupingBusy);
    GroupColumn = Colindex;
    FGroupWidth = AllColWidths(Colindex);
    FGroupCaption = FixedRows() > 0 ? GetGridCell(Colindex, 0) : QString();
    FGroupFooter = FixedFooters > 0 ? GetGridCell(Colindex, RowCount() - 1) : QString();
    if (FSortSettings.AutoSortForGrouping) {
        FSortSettings.Column = Colindex;
        QSort();
    }
    const int textCol = Colindex == 1 ? 2 : 1;
    QString prev = NoGroupValue;
    int hdr = -1;
    int r = FixedRows();
    while (r <= RowCount() - FixedFooters - 1) {
        const QString value = GetGridCell(Colindex, r);
        if (value != prev) {
            if (hdr != -1)
                r = closeGroup(hdr, r);
            InsertRows(r, 1);
            SetCells(textCol, r, value);
            if (!FGrouping.MergeHeader)
                groupHeaderColors(r);
            hdr = r++;
            prev = value;
        }
        ++r;
    }
    if (hdr != -1)
        closeGroup(hdr, r);
    RemoveCols(Colindex, 1);
    for (int b = FixedRows(); b < RowCount(); ++b) {
        const bool header = FGrouping.MergeHeader && IsNode(b);
        const bool summary = FGrouping.MergeSummary && FGrouping.Summary && IsSummary(b);
        if (!header && !summary)
            continue;
        MergeCells(1, b, ColCount() - 1, 1);
        if (header)
            groupHeaderColors(b);
        else
            groupSummaryColors(b);
    }
    if (FCellNode.ExpandOne)
        for (int b = FixedRows(); b < RowCount(); ++b)
            if (IsNode(b)) {
                ExpandNode(RealRowIndex(b));
                break;
            }
    if (Col() >= ColCount() || Row() >= RowCount())
        FocusCell(FixedCols(), FixedRows(), true);
    if (RowCount() > FixedRows())
        SetRow(FixedRows());
    Invalidate();
}

void VOroDavoduRuzu::UnGroup()
{
    if (GroupColumn <= 0)
        return;
    const bool expandOne = FCellNode.ExpandOne;
    FCellNode.ExpandOne = false;
    ExpandAll();
    const int groupCol = GroupColumn;
    const int textCol = groupCol == 1 ? 2 : 1;
    InsertCols(groupCol, 1);
    SetAllColWidths(groupCol, FGroupWidth);
    if (FixedRows() > 0)
        SetCells(groupCol, 0, FGroupCaption);
    if (FixedFooters > 0)
        SetCells(groupCol, RowCount() - 1, FGroupFooter);
    {
        const TFlagScope busy(FGroupingBusy);
        QString value;
        int r = FixedRows();
        while (r <= RowCount() - FixedFooters - 1) {
            if (!IsNode(r)) {
                SetCells(groupCol, r, value);
                ++r;
                continue;
            }
            const int summary = r + std::max(GetNodeSpan(r), 1);
            if (FGrouping.Summary && summary < RowCount() && IsSummary(summary)) {
                if (FGrouping.MergeSummary)
                    SplitCells(1, summary);
                RemoveRows(summary, 1);
            }
            value = GetGridCell(textCol, r);
            RemoveNode(RealRowIndex(r));
            if (FGrouping.MergeHeader)
                SplitCells(1, r);
            RemoveRows(r, 1);
        }
    }
    GroupColumn = -1;
    FCellNode.ExpandOne = expandOne;
    Invalidate();
}

// Second-level groups: inside the groups, a child header row (a node marked with the column) before each run
// of equal values of Colindex; the values move into the headers' next column.
void VOroDavoduRuzu::SubGroup(int Colindex)
{
    if (Colindex < FixedCols())
        return;
    const TGridUpdateLock lock(*this);
    GroupColumn = Colindex;
    FGroupWidth = AllColWidths(Colindex);
    FGroupCaption = FixedRows() > 0 ? GetGridCell(Colindex, 0) : QString();
    FGroupFooter = FixedFooters > 0 ? GetGridCell(Colindex, RowCount() - 1) : QString();
    const auto plain = [this](int row) { return !IsNode(row) && !IsSummary(row); };
    QString prev = NoGroupValue;
    int hdr = -1;
    int boundary = -1;
    bool any = false;
    int r = FixedRows() + 1;
    while (r < RowCount() - FixedFooters) {
        if (GetGridCell(Colindex, r) != prev || !plain(r)) {
            if (hdr != -1)
                closeSubGroup(Colindex, hdr, r);
            hdr = -1;
            boundary = r;
            if (plain(r)) {
                insertSubGroupHeader(Colindex, r);
                any = true;
                hdr = r++;
            }
        }
        if (r < RowCount() && plain(r - 1)) {
            prev = GetGridCell(Colindex, r);
            if (plain(r))
                SetCells(Colindex, r, QString());
            ++r;
        } else {
            prev = NoGroupValue;
            if (!plain(r))
                ++r;
        }
    }
    if (boundary < 0 || !IsSummary(boundary))
        finishSubGroup(Colindex, hdr, any, r);
    if (RowCount() > FixedRows())
        SetRow(FixedRows());
    Invalidate();
}

// A child header row inserted before row r under r's parent, holding r's value of Colindex.
void VOroDavoduRuzu::insertSubGroupHeader(int Colindex, int r)
{
    const int textCol = Colindex + 1;
    const QString value = GetGridCell(Colindex, r);
    InsertChildRow(RealRowIndex(r), 0);
    SetCells(textCol, r, value);
    if (FGrouping.MergeHeader && textCol < ColCount())
        MergeCells(textCol, r, ColCount() - textCol, 1);
    groupHeaderColors(r);
}

// The header at hdr becomes a node over the rows up to End, marked with the sub-grouped column.
void VOroDavoduRuzu::closeSubGroup(int Colindex, int hdr, int End)
{
    AddNode(RealRowIndex(hdr), End - hdr);
    if (TCellGraphic* node = nodeAt(hdr))
        node->CellVar = Colindex;
}

// The end of the walk: the open sub-group is closed, a lone data row still gets a header of its own, and with
// summaries one summary row ends the grid's normal rows.
void VOroDavoduRuzu::finishSubGroup(int Colindex, int hdr, bool any, int end)
{
    const int textCol = Colindex + 1;
    if (hdr != -1) {
        closeSubGroup(Colindex, hdr, end);
    } else if (!any && end - 1 >= FixedRows() && !IsNode(end - 1) && !IsSummary(end - 1)) {
        insertSubGroupHeader(Colindex, end - 1);
        closeSubGroup(Colindex, end - 1, end + 1);
        SetCells(Colindex, end, QString());
        ++end;
    }
    if (!FGrouping.Summary)
        return;
    InsertRows(end, 1);
    AddSummaryRow(RealRowIndex(end));
    if (FGrouping.MergeSummary && textCol < ColCount())
        MergeCells(textCol, end, ColCount() - textCol, 1);
    groupSummaryColors(end);
}

void VOroDavoduRuzu::SubUnGroup(int Colindex)
{
    ExpandAll();
    QString value;
    int r = FixedRows();
    while (r <= RowCount() - FixedFooters - 1) {
        TCellGraphic* node = IsNode(r) ? nodeAt(r) : nullptr;
        if (!node) {
            SetCells(Colindex, r, value);
            ++r;
        } else if (node->CellVar.isValid() && node->CellVar.toInt() == Colindex) {
            value = GetGridCell(Colindex + 1, r);
            RemoveNode(RealRowIndex(r));
            if (FGrouping.MergeHeader)
                SplitCells(Colindex + 1, r);
            RemoveChildRow(RealRowIndex(r));
        } else {
            ++r;
        }
    }
    Invalidate();
}

void VOroDavoduRuzu::SetGroupColumn(int Value)
{
    if (Value == -1)
        UnGroup();
    else if (Value > 0)
        Group(Value);
}

// Each expanded group's rows give one value, written into its summary row or else its header row.
void VOroDavoduRuzu::GroupCalc(int Colindex, int method)
{
    int r = FixedRows();
    while (r < RowCount()) {
        if (!IsNode(r) || GetNodeState(r)) {
            ++r;
            continue;
        }
        const int n = r;
        const int s = std::max(GetNodeSpan(n), 1);
        const int from = n + 1;
        const int to = n + s - 1;
        const int target = FGrouping.Summary ? n + s : n;
        r = n + s;
        if (target >= RowCount())
            continue;
        switch (method) {
        case 1:
            SetFloats(Colindex, target, ColumnSum(Colindex, from, to));
            break;
        case 2:
            SetFloats(Colindex, target, ColumnAvg(Colindex, from, to));
            break;
        case 3:
            SetFloats(Colindex, target, ColumnMin(Colindex, from, to));
            break;
        case 4:
            SetFloats(Colindex, target, ColumnMax(Colindex, from, to));
            break;
        case 5:
            SetInts(Colindex, target, s - 1);
            break;
        case 6:
            SetFloats(Colindex, target, CustomGroupCalcValue(Colindex, from, to));
            break;
        case 7:
            SetFloats(Colindex, target, ColumnDistinct(Colindex, from, to));
            break;
        case 8:
            SetFloats(Colindex, target, ColumnStdDev(Colindex, from, to));
            break;
        default:
            break;
        }
    }
}

// The group calculation, and the floating footer's calculation of the column when the footer shows.
void VOroDavoduRuzu::groupCalcWithFooter(int Colindex, int method, TColumnCalcType footerCalc)
{
    GroupCalc(Colindex, method);
    if (FFloatingFooter.Visible() && RowCount() > 0)
        GetCellProperties(Colindex, RowCount() - 1)->CalcType = footerCalc;
}

void VOroDavoduRuzu::GroupSum(int Colindex)
{
    groupCalcWithFooter(Colindex, 1, acSUM);
}

void VOroDavoduRuzu::GroupAvg(int Colindex)
{
    groupCalcWithFooter(Colindex, 2, acAVG);
}

void VOroDavoduRuzu::GroupMin(int Colindex)
{
    groupCalcWithFooter(Colindex, 3, acMIN);
}

void VOroDavoduRuzu::GroupMax(int Colindex)
{
    groupCalcWithFooter(Colindex, 4, acMAX);
}

void VOroDavoduRuzu::GroupCount(int Colindex)
{
    groupCalcWithFooter(Colindex, 5, acCOUNT);
}
