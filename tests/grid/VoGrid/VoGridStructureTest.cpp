// Inserting, removing, clearing and merging rows and columns, and what travels with them.
#include "VoGridTestGrid.h"

#include <functional>

namespace {
// Columns 0..ColCount-1 and the rows filled with "c,r".
void fill(VOroDavoduRuzu& g, int cols, int rows)
{
    g.SetColCount(cols);
    g.SetRowCount(rows);
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r)
            g.SetCells(c, r, QStringLiteral("%1,%2").arg(c).arg(r));
}

QStringList column(VOroDavoduRuzu& g, int c)
{
    QStringList texts;
    for (int r = 0; r < g.RowCount(); ++r)
        texts << g.Cells(c, r);
    return texts;
}
}  // namespace

TEST(VoGridStructure, RowsCarryHiddenColumnsPropertiesHeightsAndHiddenRows)
{
    RecordingGrid g;
    fill(g, 4, 10);
    g.HideColumn(3);
    g.SetColors(3, 6, clRed);
    g.SetRowHeights(6, 50);
    g.HideRow(8);
    std::vector<TGridRect> changed;
    g.OnCellsChanged = [&](TObject*, const TGridRect& r) { changed.push_back(r); };

    g.RemoveRows(2, 2);
    EXPECT_EQ(g.RowCount(), 7);
    EXPECT_EQ(g.Cells(3, 4), QStringLiteral("3,6"));
    EXPECT_EQ(g.Colors(3, 4), clRed);
    EXPECT_EQ(g.RowHeights(4), 50);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0], (TGridRect{0, 2, 2, 4}));
    EXPECT_TRUE(g.IsHiddenRow(6));  // was real row 8

    g.InsertRows(1, 3);
    EXPECT_EQ(g.Cells(3, 7), QStringLiteral("3,6"));
    EXPECT_EQ(g.Cells(0, 1), QString());
    EXPECT_EQ(g.Colors(3, 1), clNone);
    EXPECT_TRUE(g.IsHiddenRow(9));
    g.UnHideRowsAll();
    g.UnHideColumnsAll();
    EXPECT_EQ(column(g, 0), (QStringList{"0,0", "", "", "", "0,1", "0,4", "0,5", "0,6", "0,7", "0,8", "0,9"}));
}

// The light removal leaves the cell objects to the caller and the heights at their indexes.
TEST(VoGridStructure, LightRemovalKeepsObjectsAndHeightsInPlace)
{
    RecordingGrid g;
    fill(g, 3, 8);
    TObject kept;  // a raw slot: freeing it would be a fault the sanitizer reports
    g.SetGridObject(1, 3, &kept);
    g.SetRowHeights(4, 40);
    g.HideRow(6);
    g.MouseActions().SetDisjunctRowSelect(true);
    g.SetRowSelect(5, true);
    std::vector<TGridRect> changed;
    g.OnCellsChanged = [&](TObject*, const TGridRect& r) { changed.push_back(r); };

    g.RemoveRowsEx(2, 2);
    EXPECT_EQ(g.RowCount(), 5);
    EXPECT_EQ(g.Cells(0, 2), QStringLiteral("0,4"));
    EXPECT_EQ(g.RowHeights(4), 40);  // the height stayed at its index
    EXPECT_EQ(g.RowHeights(2), g.DefaultRowHeight());
    EXPECT_TRUE(g.RowSelect(3));    // was row 5
    EXPECT_TRUE(g.IsHiddenRow(4));  // was real row 6
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0], (TGridRect{0, 2, 2, 4}));
    g.UnHideRowsAll();
    EXPECT_EQ(column(g, 0), (QStringList{"0,0", "0,1", "0,4", "0,5", "0,6", "0,7"}));
}

TEST(VoGridStructure, RemovingTheLastNormalRowMovesTheCurrentRowUp)
{
    RecordingGrid g;
    fill(g, 3, 5);
    g.SetRow(4);
    g.RemoveRows(4, 1);
    EXPECT_EQ(g.Row(), 3);
    g.SetRow(2);
    g.RemoveRows(0, 1);
    EXPECT_EQ(g.Row(), 2);
    // Requests past the grid or with no rows are ignored.
    g.RemoveRows(3, 1);
    g.RemoveRows(1, 0);
    g.RemoveRows(-1, 2);
    EXPECT_EQ(g.RowCount(), 3);
    g.RemoveRows(1, 50);
    EXPECT_EQ(g.RowCount(), 1);
}

TEST(VoGridStructure, InsertRowsShowsAHiddenSelectionAgain)
{
    RecordingGrid g;
    fill(g, 3, 5);
    g.SetRow(2);
    g.HideSelection();
    g.InsertRows(3, 1);
    EXPECT_FALSE(g.SelectionHidden());
    EXPECT_EQ(g.Selection().Top, 2);
}

TEST(VoGridStructure, AddRowAndRowMovesKeepTheFooterRowLast)
{
    RecordingGrid g;
    fill(g, 2, 4);
    g.AddRow();
    EXPECT_EQ(g.RowCount(), 5);
    EXPECT_EQ(g.Cells(0, 4), QString());
    g.FloatingFooter().SetVisible(true);
    g.SetCells(0, 4, QStringLiteral("footer"));
    g.AddRow();
    EXPECT_EQ(g.RowCount(), 6);
    EXPECT_EQ(g.Cells(0, 5), QStringLiteral("footer"));
    EXPECT_EQ(g.Cells(0, 4), QString());
    const QString moved = g.Cells(0, 1);
    g.MoveRow(1, 5);
    EXPECT_EQ(g.Cells(0, 5), QStringLiteral("footer")) << "nothing moves onto the footer row";
    EXPECT_EQ(g.Cells(0, 1), moved);
}

TEST(VoGridStructure, ColumnsMoveWithTheirWidthsAndHiddenFlags)
{
    RecordingGrid g;
    fill(g, 6, 3);
    g.SetColWidths(4, 90);
    g.HideColumn(2);  // displayed: 0 1 3 4 5
    g.InsertCols(1, 2);
    EXPECT_EQ(g.TotalColCount(), 8);
    EXPECT_EQ(g.ColCount(), 7);
    EXPECT_TRUE(g.IsHiddenColumn(4));
    EXPECT_EQ(g.Cells(4, 1), QStringLiteral("2,1"));
    EXPECT_EQ(g.Cells(1, 1), QString());
    EXPECT_EQ(g.ColWidths(g.DisplColIndex(6)), 90);
    EXPECT_EQ(g.ColWidths(1), g.DefaultColWidth());

    g.RemoveCols(3, 2);  // real 3 (was 1) and the hidden real 4 (was 2)
    EXPECT_EQ(g.NumHiddenColumns(), 0);
    EXPECT_EQ(g.TotalColCount(), 6);
    QStringList row;
    for (int c = 0; c < g.ColCount(); ++c)
        row << g.Cells(c, 1);
    EXPECT_EQ(row, (QStringList{"0,1", "", "", "3,1", "4,1", "5,1"}));
    EXPECT_EQ(g.ColWidths(4), 90);
    g.RemoveCols(4, 100);  // cut to the columns that exist
    EXPECT_EQ(g.ColCount(), 4);

    g.MergeCols(0, 3, QStringLiteral(" - "));
    EXPECT_EQ(g.Cells(0, 1), QStringLiteral("0,1 - 3,1"));
    EXPECT_EQ(g.Cells(0, 0), QStringLiteral("0,0"));  // fixed row left alone
    EXPECT_EQ(g.ColCount(), 3);
}

TEST(VoGridStructure, HiddenRowsTakePartInColumnInsertsAndRemovals)
{
    RecordingGrid g;
    fill(g, 5, 4);
    g.SetColors(2, 2, clRed);  // cell properties the removal frees (the sanitizer reports a leak)
    g.SetColors(3, 2, clBlue);
    g.HideRow(2);
    g.InsertCols(1, 2);
    g.RemoveCols(4, 1);  // the former column 2
    g.UnHideRow(2);
    EXPECT_EQ(g.Colors(4, 2), clBlue);
    for (int r : {1, 2}) {
        QStringList row;
        for (int c = 0; c < g.ColCount(); ++c)
            row << g.Cells(c, r);
        EXPECT_EQ(row, (QStringList{QStringLiteral("0,%1").arg(r), "", "", QStringLiteral("1,%1").arg(r),
                                    QStringLiteral("3,%1").arg(r), QStringLiteral("4,%1").arg(r)}))
            << "row " << r;
    }
}

TEST(VoGridStructure, DuplicatesCompareWithCaseOnlyWhenAsked)
{
    for (bool doCase : {false, true}) {
        RecordingGrid g;
        g.SetRowCount(5);
        const QString texts[] = {"head", "Abc", "abc", "ABC", "x"};
        for (int r = 0; r < 5; ++r)
            g.SetCells(1, r, texts[r]);
        g.RemoveDuplicates(1, doCase);
        const QStringList kept =
            doCase ? QStringList{"head", "Abc", "abc", "ABC", "x"} : QStringList{"head", "Abc", "x"};
        EXPECT_EQ(column(g, 1), kept) << doCase;
    }
}

TEST(VoGridStructure, MergeRunsSplitAndFindCells)
{
    RecordingGrid g;
    g.SetRowCount(7);
    const QString texts[] = {"h", "A", "A", "B", "B", "B", "C"};
    for (int r = 0; r < 7; ++r)
        g.SetCells(1, r, texts[r]);
    g.MergeColumnCells(1, true);
    EXPECT_EQ(g.CellSpan(1, 1), (TPoint{0, 1}));
    EXPECT_EQ(g.CellSpan(1, 3), (TPoint{0, 2}));
    EXPECT_FALSE(g.IsMergedCell(1, 6));
    g.SplitColumnCells(1);
    EXPECT_FALSE(g.IsMergedCell(1, 4));

    g.SetCells(3, 2, QStringLiteral("A"));
    int c = -1;
    int r = -1;
    EXPECT_TRUE(g.IsCell(QStringLiteral("A"), c, r));
    EXPECT_EQ((std::pair{c, r}), (std::pair{1, 1}));
    EXPECT_FALSE(g.IsCell(QStringLiteral("a"), c, r));
    EXPECT_EQ((std::pair{c, r}), (std::pair{1, 1}));
}

TEST(VoGridStructure, ClearTrimAndColourRanges)
{
    RecordingGrid g;
    fill(g, 3, 4);
    g.SetCells(1, 2, QStringLiteral(" \t padded\r\n"));
    g.TrimRow(2);
    EXPECT_EQ(g.Cells(1, 2), QStringLiteral("padded"));
    g.ColorRect(0, 1, 1, 2, clBlue);
    EXPECT_EQ(g.Colors(1, 2), clBlue);
    EXPECT_EQ(g.Colors(2, 2), clNone);
    g.ClearTextOnly = true;
    g.ClearNormalCells();
    EXPECT_EQ(g.Cells(1, 2), QString());
    EXPECT_EQ(g.Cells(0, 2), QStringLiteral("0,2"));  // fixed column
    EXPECT_EQ(g.Colors(1, 2), clBlue);
    g.ClearTextOnly = false;
    g.HideRow(3);
    g.ClearAll();
    EXPECT_EQ(g.Colors(1, 2), clNone);
    EXPECT_EQ(g.AllCells(0, 3), QString());
}

TEST(VoGridStructure, MovedBlocksLeaveHiddenRowsBetweenTheirNeighbours)
{
    RecordingGrid g;
    g.SetRowCount(10);
    for (int r = 0; r < 10; ++r)
        g.SetCells(1, r, QString::number(r));
    g.HideRow(5);
    g.MoveRows(2, 6, 2);  // displayed 2 and 3 end at 4 and 5
    EXPECT_EQ(column(g, 1), (QStringList{"0", "1", "4", "6", "2", "3", "7", "8", "9"}));
    g.MoveRow(0, 8);
    g.MoveRow(8, 0);
    g.UnHideRowsAll();
    EXPECT_EQ(column(g, 1), (QStringList{"0", "1", "4", "5", "6", "2", "3", "7", "8", "9"}));
}

// The removed cells' objects are freed (the sanitizer build reports a leak otherwise), shown and hidden
// rows alike, also when clearing keeps cell properties; the objects right of them move over.
TEST(VoGridStructure, RemovedColumnsFreeTheirCellObjects)
{
    for (bool textOnly : {false, true}) {
        RecordingGrid g;
        fill(g, 5, 6);
        for (int r : {1, 3}) {
            g.AddProgress(2, r, clRed, clWhite);
            g.SetColors(2, r, clBlue);
            g.SetColors(3, r, clGreen);
        }
        g.HideRow(3);
        g.ClearTextOnly = textOnly;
        g.RemoveCols(2, 1);
        g.UnHideRow(3);
        for (int r : {1, 3}) {
            EXPECT_EQ(g.Colors(2, r), clGreen) << "row " << r << " text only " << textOnly;
            EXPECT_EQ(g.GetCellType(2, r), ctEmpty) << "row " << r << " text only " << textOnly;
            EXPECT_EQ(g.Cells(2, r), QStringLiteral("3,%1").arg(r));
        }
    }
}

// Cutting rows or columns off by the counts frees the cell objects that leave the grid.
TEST(VoGridStructure, SmallerCountsFreeTheCutCellObjects)
{
    RecordingGrid g;
    fill(g, 5, 6);
    g.AddProgress(4, 1, clRed, clWhite);
    g.AddComment(1, 5, QStringLiteral("c"));
    g.SetColors(2, 2, clBlue);
    g.SetColCount(4);
    g.SetRowCount(5);
    g.SetColCount(5);
    g.SetRowCount(6);
    EXPECT_EQ(g.GetCellType(4, 1), ctEmpty);
    EXPECT_EQ(g.GetCellType(1, 5), ctEmpty);
    EXPECT_EQ(g.Colors(2, 2), clBlue);
}

// Merged columns are split and merged again whenever their list changes: the first on its own, the next
// within the runs of the one before.
TEST(VoGridStructure, MergedColumnsFollowTheirList)
{
    RecordingGrid g;
    g.SetColCount(3);
    g.SetRowCount(6);
    const char* first[] = {"h", "A", "A", "B", "B", "B"};
    const char* second[] = {"h", "x", "y", "y", "y", "z"};
    for (int r = 0; r < 6; ++r) {
        g.SetCells(1, r, QString::fromLatin1(first[r]));
        g.SetCells(2, r, QString::fromLatin1(second[r]));
    }
    g.MergedColumns().Add(1);
    EXPECT_EQ(g.CellSpan(1, 1).Y, 1);
    EXPECT_EQ(g.CellSpan(1, 3).Y, 2);
    g.MergedColumns().Add(2);
    EXPECT_EQ(g.CellSpan(2, 2).Y, 0) << "y of row 2 lies in another run of column 1";
    EXPECT_EQ(g.CellSpan(2, 3).Y, 1);
    g.MergedColumns().Clear();
    g.MergedColumns().Add(2);
    EXPECT_EQ(g.CellSpan(1, 3).Y, 0) << "column 1 split again";
    EXPECT_EQ(g.CellSpan(2, 2).Y, 2);
}

// Rows 1..7 of column 1 read "1".."7"; rows 2, 4 and 5 are selected, by the disjunct selection or, without
// it, rows 2..4 by the rectangle.
TEST(VoGridStructure, RowsLeaveOrHideByTheirSelectionOrCheckBox)
{
    struct Case {
        const char* name;
        bool disjunct;
        std::function<void(RecordingGrid&)> act;
        QStringList shown;
    };
    const std::vector<Case> cases = {
        {"remove selected", true, [](RecordingGrid& g) { g.RemoveSelectedRows(); }, {"h", "1", "3", "6", "7"}},
        {"remove unselected", true, [](RecordingGrid& g) { g.RemoveUnSelectedRows(); }, {"h", "2", "4", "5"}},
        {"remove rectangle", false, [](RecordingGrid& g) { g.RemoveSelectedRows(); }, {"h", "1", "5", "6", "7"}},
        {"remove outside rectangle", false, [](RecordingGrid& g) { g.RemoveUnSelectedRows(); }, {"h", "2", "3", "4"}},
        {"hide selected", true, [](RecordingGrid& g) { g.HideSelectedRows(); }, {"h", "1", "3", "6", "7"}},
        {"hide unselected", true, [](RecordingGrid& g) { g.HideUnSelectedRows(); }, {"h", "2", "4", "5"}},
        {"remove checked", false, [](RecordingGrid& g) { g.RemoveCheckedRows(2, true); }, {"h", "1", "3", "6", "7"}},
        {"remove unchecked", false, [](RecordingGrid& g) { g.RemoveCheckedRows(2, false); }, {"h", "2", "4", "5"}},
    };
    for (const Case& t : cases) {
        RecordingGrid g;
        g.SetColCount(3);
        g.SetRowCount(8);
        g.SetCells(1, 0, QStringLiteral("h"));
        for (int r = 1; r < 8; ++r) {
            g.SetCells(1, r, QString::number(r));
            g.AddCheckBox(2, r, r == 2 || r == 4 || r == 5, false);
        }
        g.MouseActions().SetDisjunctRowSelect(t.disjunct);
        if (t.disjunct) {
            g.SelectRows(2, 1);
            g.SelectRows(4, 2);
        } else {
            g.SelectRange(1, 2, 2, 4);
        }
        t.act(g);
        EXPECT_EQ(column(g, 1), t.shown) << t.name;
        const bool hiding = QString(t.name).startsWith("hide");
        if (t.disjunct && !hiding) {
            EXPECT_EQ(g.RowSelectCount(), 0) << t.name;
        }
        g.UnHideRowsAll();
        EXPECT_EQ(column(g, 1).size() == 8, hiding) << t.name;
    }
}

TEST(VoGridStructure, ColumnsLeaveOrClearByTheirSelection)
{
    auto grid = [](bool disjunct) {
        auto g = std::make_unique<RecordingGrid>();
        fill(*g, 6, 3);
        g->MouseActions().SetDisjunctColSelect(disjunct);
        if (disjunct) {
            g->SelectCols(2, 1);
            g->SelectCols(4, 1);
        } else {
            g->SelectRange(2, 3, 1, 2);
        }
        return g;
    };
    auto header = [](RecordingGrid& g) {
        QStringList texts;
        for (int c = 0; c < g.ColCount(); ++c)
            texts << g.Cells(c, 0);
        return texts;
    };
    auto g = grid(true);
    g->RemoveSelectedCols();
    EXPECT_EQ(header(*g), (QStringList{"0,0", "1,0", "3,0", "5,0"}));
    g = grid(true);
    g->RemoveUnSelectedCols();
    EXPECT_EQ(header(*g), (QStringList{"0,0", "2,0", "4,0"}));
    EXPECT_EQ(g->ColSelectCount(), 0);
    g = grid(false);
    g->HideColumn(3);  // the rectangle's second column is then real column 4
    g->RemoveSelectedCols();
    g->UnHideColumnsAll();
    EXPECT_EQ(header(*g), (QStringList{"0,0", "1,0", "3,0", "5,0"}));
    g = grid(false);
    g->RemoveUnSelectedCols();
    EXPECT_EQ(header(*g), (QStringList{"0,0", "2,0", "3,0"}));

    g = grid(false);
    g->ClearSelection();
    EXPECT_EQ(column(*g, 2), (QStringList{"2,0", "", ""}));
    EXPECT_EQ(column(*g, 4), (QStringList{"4,0", "4,1", "4,2"}));
    g = grid(true);
    g->ClearSelection();
    EXPECT_EQ(column(*g, 4), (QStringList{"4,0", "", ""}));  // the fixed row stays
    EXPECT_EQ(column(*g, 3), (QStringList{"3,0", "3,1", "3,2"}));
}
