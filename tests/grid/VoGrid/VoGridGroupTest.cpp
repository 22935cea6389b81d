// Grouping, group calculations, column and row calculations and the floating footer's calculated cells.
#include "VoGridTestGrid.h"

#include <cmath>

#include "grid/base/REdaReviZizod.h"

namespace {

// One fixed row; column 1 the group values A, A, B, B, C; column 2 the numbers 1 .. 5; column 3 ids.
void fillGroups(VOroDavoduRuzu& g)
{
    g.SetColCount(4);
    g.SetRowCount(6);
    g.SetCells(1, 0, "group");
    g.SetColWidths(1, 77);
    const char* values[] = {"B", "A", "C", "A", "B"};
    const char* numbers[] = {"3", "1", "5", "2", "4"};
    for (int i = 0; i < 5; ++i) {
        g.SetCells(1, i + 1, values[i]);
        g.SetCells(2, i + 1, numbers[i]);
        g.SetCells(3, i + 1, QString::number(i));
    }
}

void fillColumn(VOroDavoduRuzu& g, const QStringList& texts)
{
    g.SetColCount(2);
    g.SetRowCount(static_cast<int>(texts.size()) + 1);
    for (int i = 0; i < texts.size(); ++i)
        g.SetCells(1, i + 1, texts[i]);
}

}  // namespace

TEST(VoGridGroup, GroupAndUnGroupRoundTripTheRows)
{
    RecordingGrid g;
    fillGroups(g);
    g.Group(1);
    EXPECT_EQ(g.GroupColumn, 1);
    EXPECT_EQ(g.ColCount(), 3);
    ASSERT_EQ(g.RowCount(), 9);
    const int headers[] = {1, 4, 7};
    const int spans[] = {3, 3, 2};
    const char* names[] = {"A", "B", "C"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(g.IsNode(headers[i]));
        EXPECT_EQ(g.GetNodeSpan(headers[i]), spans[i]);
        EXPECT_EQ(g.Cells(1, headers[i]), names[i]);
    }
    EXPECT_EQ(g.Cells(1, 2), "1");  // the numbers moved into column 1, sorted with their groups

    g.UnGroup();
    EXPECT_EQ(g.GroupColumn, -1);
    EXPECT_EQ(g.ColCount(), 4);
    ASSERT_EQ(g.RowCount(), 6);
    EXPECT_EQ(g.Cells(1, 0), "group");
    EXPECT_EQ(g.ColWidths(1), 77);
    QStringList values, numbers;
    for (int r = 1; r < 6; ++r) {
        values << g.Cells(1, r);
        numbers << g.Cells(2, r);
        EXPECT_FALSE(g.IsNode(r));
    }
    EXPECT_EQ(values, (QStringList{"A", "A", "B", "B", "C"}));
    EXPECT_EQ(numbers, (QStringList{"1", "2", "3", "4", "5"}));
}

TEST(VoGridGroup, NothingBelowTheFixedColumnsOrForColumnZero)
{
    RecordingGrid g;
    fillGroups(g);
    g.Group(0);
    g.SetGroupColumn(0);
    EXPECT_EQ(g.GroupColumn, -1);
    EXPECT_EQ(g.RowCount(), 6);
}

TEST(VoGridGroup, SummaryRowsTakeTheGroupCalculations)
{
    RecordingGrid g;
    fillGroups(g);
    g.Grouping().Summary = true;
    g.Group(1);
    ASSERT_EQ(g.RowCount(), 12);
    const int summaries[] = {4, 8, 11};
    for (const int s : summaries)
        EXPECT_TRUE(g.IsSummary(s)) << s;
    g.GroupSum(1);
    EXPECT_EQ(g.Cells(1, 4), "3.00");
    EXPECT_EQ(g.Cells(1, 8), "7.00");
    EXPECT_EQ(g.Cells(1, 11), "5.00");
    g.GroupCount(1);
    EXPECT_EQ(g.Cells(1, 4), "2");
    EXPECT_EQ(g.Cells(1, 11), "1");

    // A contracted group is passed over.
    g.SetCells(1, 8, "kept");
    g.ContractNode(g.RealRowIndex(5));
    g.GroupMax(1);
    EXPECT_EQ(g.Cells(1, 4), "2.00");
    EXPECT_EQ(g.Cells(1, 6), "kept");

    g.ExpandAll();
    g.UnGroup();
    EXPECT_EQ(g.RowCount(), 6);
    for (int r = 1; r < 6; ++r)
        EXPECT_FALSE(g.IsSummary(r));
}

TEST(VoGridCalc, ColumnAndRowSummaries)
{
    RecordingGrid g;
    fillColumn(g, {"1", "2", "3", "4"});
    EXPECT_DOUBLE_EQ(g.ColumnSum(1, 1, 4), 10);
    EXPECT_DOUBLE_EQ(g.ColumnAvg(1, 1, 4), 2.5);
    EXPECT_DOUBLE_EQ(g.ColumnMin(1, 1, 4), 1);
    EXPECT_DOUBLE_EQ(g.ColumnMax(1, 1, 4), 4);
    EXPECT_NEAR(g.ColumnStdDev(1, 1, 4), std::sqrt(1.25), 1e-12);
    // Empty ranges give 0 instead of dividing by zero.
    EXPECT_DOUBLE_EQ(g.ColumnStdDev(1, 3, 2), 0);
    EXPECT_DOUBLE_EQ(g.ColumnAvg(1, 3, 2), 0);
    EXPECT_DOUBLE_EQ(g.RowAvg(1, 1, 0), 0);

    g.SetCells(1, 2, "");
    g.SetCells(1, 3, "abc");
    EXPECT_DOUBLE_EQ(g.ColumnSum(1, 1, 4), 5);
    EXPECT_DOUBLE_EQ(g.ColumnAvg(1, 1, 4), 1.25);
    EXPECT_THROW(g.ColumnStdDev(1, 1, 4), REdaReviZizod);
    EXPECT_THROW(g.ColumnMin(1, 3, 4), REdaReviZizod);

    RecordingGrid d;
    fillColumn(d, {"a", "A", "b", ""});
    EXPECT_DOUBLE_EQ(d.ColumnDistinct(1, 1, 4), 3);

    RecordingGrid f;
    fillColumn(f, {"1", "2", "100"});
    f.FixedFooters = 1;
    EXPECT_DOUBLE_EQ(f.ColumnSum(1, -1, -1), 3);

    RecordingGrid r;
    r.SetColCount(4);
    r.SetCells(1, 1, "2");
    r.SetCells(2, 1, "x");
    r.SetCells(3, 1, "6");
    EXPECT_DOUBLE_EQ(r.RowSum(1, 1, 3), 8);
    EXPECT_DOUBLE_EQ(r.RowMax(1, 1, 3), 6);
    EXPECT_DOUBLE_EQ(r.RowMin(1, 1, 3), 2);
    EXPECT_DOUBLE_EQ(r.RowMin(1, 3, 2), 6);
}

TEST(VoGridCalc, GroupedGridLeavesNodeAndSummaryRowsOut)
{
    RecordingGrid g;
    fillGroups(g);
    g.Grouping().Summary = true;
    g.Group(1);
    g.GroupSum(1);  // summary rows now hold numbers too
    EXPECT_DOUBLE_EQ(g.ColumnSum(1, 1, g.RowCount() - 1), 15);
}

TEST(VoGridCalc, FloatingFooterCells)
{
    RecordingGrid g;
    g.SetColCount(5);
    g.SetRowCount(13);
    for (int r = 1; r < 12; ++r)
        g.SetCells(1, r, "1");
    g.SetCells(4, 12, "untouched");
    g.GetCellProperties(1, 12)->CalcType = acSUM;
    g.GetCellProperties(2, 12)->CalcType = acCOUNT;
    g.GetCellProperties(3, 12)->CalcType = acCUSTOM;
    g.SetCells(3, 12, "old");
    g.CalcFooter(-1);
    EXPECT_EQ(g.Cells(2, 12), "");  // the footer is hidden

    g.FloatingFooter().SetVisible(true);
    g.CalcFooter(-1);
    EXPECT_EQ(g.Cells(1, 12), "11.00");
    EXPECT_EQ(g.Cells(2, 12), "11");
    EXPECT_EQ(g.Cells(3, 12), "");
    EXPECT_EQ(g.Cells(4, 12), "untouched");

    g.HideRows(2, 4);
    ASSERT_EQ(g.RowCount(), 10);
    g.CalcFooter(-1);
    EXPECT_EQ(g.Cells(1, 9), "11.00");
    EXPECT_EQ(g.Cells(2, 9), "11");
    g.FloatingFooter().CalculateHiddenRows = false;
    g.CalcFooter(-1);
    EXPECT_EQ(g.Cells(1, 9), "8.00");
    EXPECT_EQ(g.Cells(2, 9), "8");

    g.OnFooterCalc = [](TObject*, int, int, QString& value) { value = "custom"; };
    g.CalcFooter(3);
    EXPECT_EQ(g.Cells(3, 9), "custom");
}

TEST(VoGridGroup, SubGroupAndSubUnGroupRoundTrip)
{
    RecordingGrid g;
    g.SetColCount(4);
    g.SetRowCount(5);
    const char* rows[][2] = {{"A", "x"}, {"A", "x"}, {"A", "y"}, {"B", "z"}};
    for (int i = 0; i < 4; ++i) {
        g.SetCells(1, i + 1, rows[i][0]);
        g.SetCells(2, i + 1, rows[i][1]);
        g.SetCells(3, i + 1, QString::number(i));
    }
    g.Group(1);
    g.SubGroup(1);
    ASSERT_EQ(g.RowCount(), 10);
    EXPECT_EQ(g.GetNodeSpan(1), 6);
    const int subs[] = {2, 5, 8};
    const int spans[] = {3, 2, 2};
    const char* names[] = {"x", "y", "z"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(g.IsNode(subs[i]));
        EXPECT_EQ(g.GetNodeSpan(subs[i]), spans[i]);
        EXPECT_EQ(g.Cells(2, subs[i]), names[i]);
        EXPECT_EQ(g.Cells(1, subs[i] + 1), "");
    }
    g.SubUnGroup(1);
    ASSERT_EQ(g.RowCount(), 7);
    EXPECT_EQ(g.GetNodeSpan(1), 4);
    QStringList values;
    for (int r = 1; r < 7; ++r)
        if (!g.IsNode(r))
            values << g.Cells(1, r);
    EXPECT_EQ(values, (QStringList{"x", "x", "y", "z"}));
}

TEST(VoGridGroup, SubGroupOfALoneRowAndItsSummaryRow)
{
    // A lone data row right under the fixed row still gets a sub-group header of its own.
    RecordingGrid g;
    g.SetColCount(4);
    g.SetRowCount(2);
    g.SetCells(1, 1, "A");
    g.SetCells(3, 1, "id");
    g.SubGroup(1);
    ASSERT_EQ(g.RowCount(), 3);
    EXPECT_TRUE(g.IsNode(1));
    EXPECT_EQ(g.GetNodeSpan(1), 2);
    EXPECT_EQ(g.Cells(2, 1), "A");
    EXPECT_EQ(g.Cells(1, 2), "");
    EXPECT_EQ(g.Cells(3, 2), "id");

    // With summaries: one summary row ends a grid whose last row was no summary row; a grouped grid that
    // already ends with one gets no second.
    RecordingGrid s;
    fillGroups(s);
    s.Grouping().Summary = true;
    s.SubGroup(2);
    EXPECT_TRUE(s.IsSummary(s.RowCount() - 1));
    EXPECT_FALSE(s.IsSummary(s.RowCount() - 2));

    RecordingGrid grouped;
    fillGroups(grouped);
    grouped.Grouping().Summary = true;
    grouped.Group(1);
    const int rows = grouped.RowCount();
    grouped.SubGroup(1);
    EXPECT_TRUE(grouped.IsSummary(grouped.RowCount() - 1));
    EXPECT_FALSE(grouped.IsSummary(grouped.RowCount() - 2));
    EXPECT_GT(grouped.RowCount(), rows);
}
