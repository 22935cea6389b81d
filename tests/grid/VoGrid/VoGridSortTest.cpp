// Sorting the string grid: compare styles, stable multi-column sorts, rows moving whole, un-sorting and the
// saved sort state.
#include "VoGridTestGrid.h"

#include "grid/base/REdaReviZizod.h"
#include "platform/SysUtils.h"

namespace {

// One fixed row; column 1 gets the texts, column 2 a row id.
void fill(VOroDavoduRuzu& g, const QStringList& texts)
{
    g.SetColCount(3);
    g.SetRowCount(static_cast<int>(texts.size()) + 1);
    for (int i = 0; i < texts.size(); ++i) {
        g.SetCells(1, i + 1, texts[i]);
        g.SetCells(2, i + 1, QString::number(i));
    }
}

QStringList column(VOroDavoduRuzu& g, int c)
{
    QStringList out;
    for (int r = g.FixedRows(); r < g.RowCount() - g.FixedFooters; ++r)
        out << g.Cells(c, r);
    return out;
}

struct StyleCase {
    const char* name;
    TSortStyle style;  // ssAutomatic: none given
    bool autoFormat;
    QStringList texts;
    QStringList sorted;
};

}  // namespace

TEST(VoGridSort, CompareStyles)
{
    const StyleCase cases[] = {
        {"detected numbers", ssAutomatic, true, {"10", "9", "100", "-2.5"}, {"-2.5", "9", "10", "100"}},
        {"text without detection", ssAutomatic, false, {"10", "9", "100"}, {"10", "100", "9"}},
        {"separator late is text", ssAutomatic, true, {"abcd/1", "ab/2x", "aa"}, {"aa", "ab/2x", "abcd/1"}},
        {"case", ssAlphabetic, true, {"b", "B", "a", "A"}, {"A", "B", "a", "b"}},
        {"no case", ssAlphaNoCase, true, {"b", "a", "C"}, {"a", "b", "C"}},
        {"currency", ssFinancial, true, {"$1,200.00", "$300.50", "$20.00"}, {"$20.00", "$300.50", "$1,200.00"}},
        {"mixed text and numbers", ssAlphaNumeric, true, {"b", "10", "a", "9"}, {"10", "9", "a", "b"}},
        {"EU short dates",
         ssShortDateEU,
         true,
         {"02.01.2020", "01.02.2020", "31.12.2019"},
         {"31.12.2019", "02.01.2020", "01.02.2020"}},
        {"HTML", ssHTML, true, {"<b>b</b>", "a", "<i>c</i>"}, {"a", "<b>b</b>", "<i>c</i>"}},
    };
    for (const StyleCase& c : cases) {
        RecordingGrid g;
        fill(g, c.texts);
        g.SortSettings().AutoFormat = c.autoFormat;
        if (c.style != ssAutomatic)
            g.OnGetFormat = [&c](TObject*, int, TSortStyle& style, QString& prefix, QString&) {
                style = c.style;
                prefix = QStringLiteral("$");
            };
        g.Sort(1, sdAscending);
        EXPECT_EQ(column(g, 1), c.sorted) << c.name;
        g.Sort(1, sdDescending);
        QStringList reversed(c.sorted.rbegin(), c.sorted.rend());
        EXPECT_EQ(column(g, 1), reversed) << c.name << " descending";
    }
}

TEST(VoGridSort, CustomRawAndCheckBoxStyles)
{
    RecordingGrid g;
    fill(g, {"xx", "x", "xxx"});
    g.OnGetFormat = [](TObject*, int, TSortStyle& style, QString&, QString&) { style = ssCustom; };
    g.OnCustomCompare = [](TObject*, const QString& a, const QString& b, int& res) {
        res = a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
    };
    g.Sort(1, sdAscending);
    EXPECT_EQ(column(g, 1), (QStringList{"x", "xx", "xxx"}));

    // Raw: the row ids of column 2, read by row number, decide (descending ids first).
    g.OnGetFormat = [](TObject*, int, TSortStyle& style, QString&, QString&) { style = ssRaw; };
    g.OnRawCompare = [&g](TObject*, int, int r1, int r2, int& res) {
        res = g.Cells(2, r2).toInt() - g.Cells(2, r1).toInt();
    };
    g.Sort(1, sdAscending);
    EXPECT_EQ(column(g, 2), (QStringList{"2", "1", "0"}));

    RecordingGrid c;
    fill(c, {"", "", ""});
    c.AddCheckBox(1, 1, true, false);
    c.AddCheckBox(1, 2, false, false);
    c.AddCheckBox(1, 3, true, false);
    c.Sort(1, sdAscending);
    bool state = true;
    ASSERT_TRUE(c.GetCheckBoxState(1, 1, state));
    EXPECT_FALSE(state);  // unchecked first
    EXPECT_EQ(c.Cells(2, 1), "1");
}

TEST(VoGridSort, StableAndMultiColumn)
{
    RecordingGrid g;
    g.SetColCount(4);
    g.SetRowCount(7);
    const char* rows[][2] = {{"b", "2"}, {"a", "9"}, {"b", "1"}, {"a", "9"}, {"b", "2"}, {"a", "3"}};
    for (int i = 0; i < 6; ++i) {
        g.SetCells(1, i + 1, rows[i][0]);
        g.SetCells(2, i + 1, rows[i][1]);
        g.SetCells(3, i + 1, QString::number(i));
    }
    // Full off: ties keep their order, also in an indexed sort where only the first index decides.
    g.SortSettings().Full = false;
    g.Sort(1, sdAscending);
    EXPECT_EQ(column(g, 3), (QStringList{"1", "3", "5", "0", "2", "4"}));
    g.SortIndexes().AddIndex(1, true);
    g.SortIndexes().AddIndex(2, false);
    g.QSortIndexed();
    EXPECT_EQ(column(g, 3), (QStringList{"1", "3", "5", "0", "2", "4"}));
    g.SortSettings().Full = true;
    // Indexed: column 1 ascending, column 2 descending, stable for full ties.
    g.SortIndexes().Clear();
    g.SortIndexes().AddIndex(1, true);
    g.SortIndexes().AddIndex(2, false);
    g.QSortIndexed();
    EXPECT_EQ(column(g, 3), (QStringList{"1", "3", "5", "0", "4", "2"}));
    // Full on: ties decided by the next columns.
    g.Sort(1, sdAscending);
    EXPECT_EQ(column(g, 2), (QStringList{"3", "9", "9", "1", "2", "2"}));
    g.SortIndexes().Clear();
    EXPECT_THROW(g.QSortIndexed(), REdaReviZizod);
}

TEST(VoGridSort, RowsMoveWholeAndFixedRowsStay)
{
    RecordingGrid g;
    fill(g, {"c", "a", "b"});
    g.SetRowCount(5);
    g.FixedFooters = 1;
    g.SetCells(1, 4, "footer");
    g.SetCells(0, 0, "head");
    g.SetRowHeights(1, 40);  // the row of "c"
    g.SetColors(2, 1, clRed);
    g.Sort(1, sdAscending);
    EXPECT_EQ(column(g, 1), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(g.Cells(1, 4), "footer");
    EXPECT_EQ(g.Cells(0, 0), "head");
    EXPECT_EQ(g.RowHeights(3), 40);
    EXPECT_EQ(g.Colors(2, 3), clRed);
    EXPECT_EQ(g.Cells(2, 3), "0");
}

TEST(VoGridSort, NormalCellsOnlyKeepsRowNumbers)
{
    RecordingGrid g;
    fill(g, {"c", "a", "b"});
    for (int r = 1; r <= 3; ++r)
        g.SetCells(0, r, QString::number(r));
    g.SortSettings().NormalCellsOnly = true;
    g.Sort(1, sdAscending);
    EXPECT_EQ(column(g, 0), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(column(g, 1), (QStringList{"a", "b", "c"}));
}

TEST(VoGridSort, BlanksKeepTheirPlaceInBothDirections)
{
    RecordingGrid g;
    fill(g, {"b", "", "a", ""});
    g.SortSettings().IgnoreBlanks = true;
    g.SortSettings().BlankPos = blLast;
    g.Sort(1, sdAscending);
    EXPECT_EQ(column(g, 1), (QStringList{"a", "b", "", ""}));
    g.Sort(1, sdDescending);
    EXPECT_EQ(column(g, 1), (QStringList{"b", "a", "", ""}));
}

TEST(VoGridSort, UnSortRestoresTheOrderOfTheLastRowCountChange)
{
    RecordingGrid g;
    fill(g, {"b", "c", "a"});
    g.Sort(1, sdDescending);
    g.Sort(1, sdAscending);
    g.QUnSort();
    EXPECT_EQ(column(g, 1), (QStringList{"b", "c", "a"}));

    g.Sort(1, sdAscending);
    g.AddRow();
    g.SetCells(1, 4, "0");
    g.Sort(1, sdDescending);
    g.QUnSort();
    EXPECT_EQ(column(g, 1), (QStringList{"a", "b", "c", "0"}));
}

TEST(VoGridSort, CurrentRowFollowsItsRowWithMoveRowOnSort)
{
    RecordingGrid g;
    fill(g, {"c", "a", "b"});
    g.SetRow(1);  // "c"
    g.Navigation().MoveRowOnSort = true;
    g.Sort(1, sdAscending);
    EXPECT_EQ(g.Row(), 3);
    g.Navigation().MoveRowOnSort = false;
    int fired = 0;
    g.OnRowChanged = [&fired](TObject*, int oldRow, int newRow) { fired += oldRow == 3 && newRow == 3; };
    g.Sort(1, sdDescending);
    EXPECT_EQ(g.Row(), 3);
    EXPECT_EQ(fired, 1);
}

TEST(VoGridSort, GroupSortKeepsNodeRows)
{
    RecordingGrid g;
    fill(g, {"H1", "z", "y", "H2", "b", "a"});
    g.AddNode(1, 3);
    g.AddNode(4, 3);
    g.SortSettings().Column = 1;
    g.QSortGroup();
    EXPECT_EQ(column(g, 1), (QStringList{"H1", "y", "z", "H2", "a", "b"}));
}

TEST(VoGridSort, StringForm)
{
    RecordingGrid g;
    g.SetColCount(5);
    g.SetRowCount(4);
    for (int r = 1; r < 4; ++r)
        g.SetCells(3, r, QString::number(4 - r));
    g.Sort(3, sdDescending);
    EXPECT_EQ(g.SortSettings().SaveToString(), "d3");
    g.SortSettings().LoadFromString("u3");
    EXPECT_TRUE(g.SortSettings().Show);
    EXPECT_EQ(g.SortSettings().Direction, sdAscending);
    EXPECT_EQ(column(g, 3), (QStringList{"1", "2", "3"}));
    g.SortSettings().LoadFromString("i;d3");
    EXPECT_EQ(column(g, 3), (QStringList{"3", "2", "1"}));
    EXPECT_EQ(g.SortSettings().SaveToString(), "i;d3");
    EXPECT_THROW(g.SortSettings().LoadFromString("u"), Exception);
    EXPECT_THROW(g.SortSettings().SetRow(5), Exception);
    EXPECT_EQ(g.SortSettings().Row, 0);
}

TEST(VoGridSort, FloatingFooterHiddenAndPaintingLockedWhileRowsMove)
{
    RecordingGrid g;
    fill(g, {"b", "a", "c"});
    g.FloatingFooter().SetVisible(true);
    std::vector<std::pair<bool, bool>> seen;  // footer visible, update locked
    g.OnGetFormat = [](TObject*, int, TSortStyle& style, QString&, QString&) { style = ssCustom; };
    g.OnCustomCompare = [&](TObject*, const QString& a, const QString& b, int& res) {
        seen.emplace_back(g.FloatingFooter().Visible(), g.LockUpdate());
        if (a == "x" || b == "x")
            throw Exception("compare failed");
        res = QString::compare(a, b);
    };
    g.Sort(1, sdAscending);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), std::make_pair(false, true));
    EXPECT_TRUE(g.FloatingFooter().Visible());
    EXPECT_FALSE(g.LockUpdate());

    // A sort that fails still gives the footer and the painting back.
    g.SetCells(1, 1, "x");
    EXPECT_THROW(g.Sort(1, sdDescending), Exception);
    EXPECT_TRUE(g.FloatingFooter().Visible());
    EXPECT_FALSE(g.LockUpdate());
}
