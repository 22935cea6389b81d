// Which cell may become current, the disjunct selections, selected-cell queries and row flags.
#include <gtest/gtest.h>

#include "grid/VoGrid/VoGrid.h"
#include "grid/VoGrid/VoGridMouseFixture.h"
#include "grid/base/REdaReviZizod.h"
#include "platform/Forms.h"

namespace {
// A parented 6 x 10 grid with one fixed row and column.
struct SelFixture {
    SelFixture() : form(nullptr)
    {
        form.SetBounds(0, 0, 600, 400);
        grid = new VOroDavoduRuzu(&form);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 500, 300);
        grid->SetColCount(6);
        grid->SetRowCount(10);
    }
    TForm form;
    VOroDavoduRuzu* grid;
};

QString raised(const std::function<void()>& f)
{
    try {
        f();
    } catch (const REdaReviZizod& e) {
        return e.Message();
    }
    return QString();
}
}  // namespace

TEST(VoGridSelection, ChangingEventsFireInOrderAndCanRefuse)
{
    SelFixture f;
    VOroDavoduRuzu& g = *f.grid;
    g.GotoCell(1, 1);
    std::vector<QString> log;
    bool allowCell = true;
    g.OnRowChanging = [&](TObject*, int o, int n, bool&) { log.push_back(QStringLiteral("row %1>%2").arg(o).arg(n)); };
    g.OnColChanging = [&](TObject*, int o, int n, bool&) { log.push_back(QStringLiteral("col %1>%2").arg(o).arg(n)); };
    g.OnCellChanging = [&](TObject*, int orow, int ocol, int nrow, int ncol, bool& allow) {
        log.push_back(QStringLiteral("cell %1,%2>%3,%4").arg(orow).arg(ocol).arg(nrow).arg(ncol));
        allow = allowCell;
    };
    g.OnRowUpdate = [&](TObject*, int o, int n) { log.push_back(QStringLiteral("update %1>%2").arg(o).arg(n)); };
    g.GotoCell(3, 4);  // row first, then column
    EXPECT_EQ(log, (std::vector<QString>{QStringLiteral("row 1>4"), QStringLiteral("cell 1,1>4,1"),
                                         QStringLiteral("update -1>4"), QStringLiteral("col 1>3"),
                                         QStringLiteral("cell 4,1>4,3")}));
    EXPECT_EQ(g.Col(), 3);
    EXPECT_EQ(g.Row(), 4);

    log.clear();
    allowCell = false;
    g.SetRow(6);
    EXPECT_EQ(g.Row(), 4);
    g.FocusCell(2, 2);  // moves without asking
    EXPECT_EQ(g.Row(), 2);
    // The row update reports the asked row even when the move was refused.
    EXPECT_EQ(log, (std::vector<QString>{QStringLiteral("row 4>6"), QStringLiteral("cell 4,3>6,3"),
                                         QStringLiteral("update 4>6")}));
}

TEST(VoGridSelection, CoveredCellsDisabledRowsAndTheFixedFooterRowAreRefused)
{
    SelFixture f;
    VOroDavoduRuzu& g = *f.grid;
    g.SetOptions(g.Options() & ~goRangeSelect);
    g.MergeCells(2, 2, 2, 2);
    g.SetCol(3);
    g.SetRow(3);  // covered: its base cell becomes current
    EXPECT_EQ(g.Col(), 2);
    EXPECT_EQ(g.Row(), 2);

    g.SetRowEnabled(5, false);
    g.SetRow(5);
    EXPECT_EQ(g.Row(), 2);
    g.SetRow(4);
    g.SetRowEnabled(4, false);  // the current row moves to the first other enabled normal row
    EXPECT_EQ(g.Row(), 1);
    g.InsertRows(2, 2);  // new rows are enabled; the disabled ones move down
    EXPECT_TRUE(g.RowEnabled(2));
    EXPECT_TRUE(g.RowEnabled(3));
    EXPECT_FALSE(g.RowEnabled(6));
    EXPECT_FALSE(g.RowEnabled(7));

    g.FloatingFooter().SetVisible(true);
    g.SetRow(g.RowCount() - 1);
    EXPECT_EQ(g.Row(), 1);
    g.MoveRow(3, g.RowCount() - 1);  // nothing moves onto the footer row
    g.SetCells(1, 3, QStringLiteral("x"));
    EXPECT_EQ(g.Cells(1, 3), QStringLiteral("x"));
}

// The editing option follows the cell that becomes current: off on a cell that may not be edited, on again on
// one that may. A permission handler can open cells of a grid without the option; a check box cell does not.
TEST(VoGridSelection, EditingOptionFollowsTheCurrentCellsPermission)
{
    using Setup = std::function<void(VOroDavoduRuzu&)>;
    const auto onlyEditable = [](int col, int row) -> Setup {
        return [col, row](VOroDavoduRuzu& g) {
            g.OnCanEditCell = [col, row](TObject*, int r, int c, bool& canEdit) { canEdit = c == col && r == row; };
        };
    };
    const auto readOnly = [](int col, int row) -> Setup {
        return [col, row](VOroDavoduRuzu& g) {
            g.OnCanEditCell = [col, row](TObject*, int r, int c, bool& canEdit) {
                if (c == col && r == row)
                    canEdit = false;
            };
        };
    };
    struct Step {
        int col, row;
        bool editing;
    };
    struct Case {
        const char* name;
        bool editing;
        Setup setup;
        std::vector<Step> steps;
    } cases[] = {
        {"read-only cell", true, readOnly(2, 2), {{2, 2, false}, {1, 1, true}, {2, 2, false}, {3, 3, true}}},
        {"handler opens one cell",
         false,
         onlyEditable(3, 3),
         {{2, 2, false}, {3, 3, true}, {1, 1, false}, {3, 3, true}}},
        {"no editor type with direct edit",
         true,
         [](VOroDavoduRuzu& g) {
             g.MouseActions().DirectEdit = true;
             g.OnGetEditorType = [](TObject*, int c, int r, TEditorType& type) {
                 if (c == 2 && r == 2)
                     type = edNone;
             };
         },
         {{2, 2, false}, {1, 1, true}}},
        {"double click only",
         true,
         [](VOroDavoduRuzu& g) { g.MouseActions().SetEditOnDblClickOnly(true); },
         {{2, 2, false}, {1, 1, false}}},
        {"check box of a grid without editing",
         false,
         [](VOroDavoduRuzu& g) { g.AddCheckBox(2, 2, false, false); },
         {{2, 2, false}, {1, 1, false}}},
        {"check box after a read-only cell",
         true,
         [&readOnly](VOroDavoduRuzu& g) {
             readOnly(1, 2)(g);
             g.AddCheckBox(2, 2, false, false);
         },
         {{1, 2, false}, {2, 2, true}, {3, 3, true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SelFixture f;
        VOroDavoduRuzu& g = *f.grid;
        g.SetOptions(c.editing ? g.Options() | goEditing : g.Options() & ~goEditing);
        c.setup(g);
        for (const Step& s : c.steps) {
            g.GotoCell(s.col, s.row);
            ASSERT_EQ(std::make_pair(g.Col(), g.Row()), std::make_pair(s.col, s.row));
            EXPECT_EQ(bool(g.Options() & goEditing), s.editing) << s.col << "," << s.row;
        }
    }
}

// The option switched off for a read-only current cell still counts as on for the rest of the grid: a check
// box elsewhere toggles by a click, and the next editable cell edits again.
TEST(VoGridSelection, ReadOnlyCurrentCellLeavesOtherCellsEditable)
{
    MouseFixture f;
    VOroDavoduRuzu& g = *f.grid;
    g.SetOptions(g.Options() | goEditing);
    g.OnCanEditCell = [](TObject*, int r, int c, bool& canEdit) {
        if (c == 1 && r == 1)
            canEdit = false;
    };
    g.AddCheckBox(2, 3, false, false);
    g.GotoCell(1, 2);
    g.GotoCell(1, 1);
    ASSERT_FALSE(g.Options() & goEditing);
    EXPECT_TRUE(g.EditsCells());
    f.click(f.centre(2, 3));
    EXPECT_TRUE(g.IsChecked(2, 3));
    f.click(f.centre(3, 3));
    EXPECT_TRUE(g.Options() & goEditing);
}

TEST(VoGridSelection, DisjunctRowsAndColumns)
{
    SelFixture f;
    VOroDavoduRuzu& g = *f.grid;
    g.MouseActions().SetDisjunctRowSelect(true);
    std::vector<int> asked;
    std::vector<int> told;
    g.OnRowDisjunctSelect = [&](TObject*, int r, bool state, bool& allow) {
        asked.push_back(r);
        allow = r != 3 || !state;
    };
    g.OnRowDisjunctSelected = [&](TObject*, int r) { told.push_back(r); };
    // Cut at the last row; row 3 refused by the handler, which is not asked for rows at the list's end.
    g.SelectRows(3, 100);
    EXPECT_EQ(asked, (std::vector<int>{3, 4}));
    EXPECT_EQ(told, (std::vector<int>{4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(g.RowSelectCount(), 6);
    EXPECT_FALSE(g.RowSelect(3));
    EXPECT_TRUE(g.RowSelect(9));
    EXPECT_EQ(g.SelectedRowCount(), 6);
    EXPECT_EQ(g.SelectedRow(0), 4);
    EXPECT_EQ(g.SelectedRow(6), -1);
    EXPECT_TRUE(g.IsSelected(2, 5));
    EXPECT_FALSE(g.IsSelected(0, 5));  // fixed
    g.UnSelectRows(5, 1);
    EXPECT_FALSE(g.RowSelect(5));
    g.ClearRowSelect();
    EXPECT_EQ(g.RowSelectCount(), 0);
    EXPECT_EQ(g.SelectedRowCount(), 0);

    g.HideRow(2);
    EXPECT_EQ(raised([&] { g.SetRowSelect(g.AllRowCount(), true); }), QStringLiteral("Invalid row accessed"));
    EXPECT_EQ(raised([&] { (void)g.RowSelect(-1); }), QStringLiteral("Invalid row -1 accessed"));
    EXPECT_EQ(raised([&] { (void)g.ColSelect(6); }), QStringLiteral("Invalid column accessed"));
    g.MouseActions().SetDisjunctColSelect(true);
    g.SelectCols(4, 5);
    EXPECT_TRUE(g.ColSelect(5));
    EXPECT_EQ(g.ColSelectCount(), 2);
}

TEST(VoGridSelection, RectangleCellsAndTextOfTheSelection)
{
    SelFixture f;
    VOroDavoduRuzu& g = *f.grid;
    g.SetOptions(g.Options() | goRangeSelect);
    g.SelectCells(2, 3, 3, 5);
    EXPECT_EQ(g.SelectedCellsCount(), 6);
    EXPECT_EQ(g.SelectedCell(0), (TGridCoord{2, 3}));
    EXPECT_EQ(g.SelectedCell(5), (TGridCoord{3, 5}));
    EXPECT_EQ(g.SelectedRowCount(), 3);
    EXPECT_EQ(g.SelectedColCount(), 2);
    EXPECT_TRUE(g.SelectedCells(3, 4));

    g.SetCells(1, 1, QStringLiteral("a"));
    g.SetCells(2, 1, QStringLiteral("b"));
    g.SetCells(1, 2, QStringLiteral("c"));
    g.SetCells(2, 2, QStringLiteral("d"));
    g.SelectRange(1, 2, 1, 2);
    EXPECT_EQ(g.SelectedText(), QStringLiteral("a\tb\r\nc\td"));

    g.ClearSelectedCells();
    g.MouseActions().SetDisjunctCellSelect(true);
    g.SetSelectedCells(4, 7, true);
    g.SetSelectedCells(4, 7, true);
    g.SetSelectedCells(2, 2, true);
    EXPECT_EQ(g.SelectedCellsCount(), 2);
    EXPECT_TRUE(g.IsSelected(4, 7));
    g.SetSelectedCells(4, 7, false);
    EXPECT_FALSE(g.SelectedCells(4, 7));

    g.SetRowModified(3, true);
    g.SetRowModified(5, true);
    g.SetRowModified(5, false);
    EXPECT_EQ(g.ModifiedRowCount(), 1);
    EXPECT_TRUE(g.RowModified(3));
    EXPECT_FALSE(g.RowModified(50));
}

TEST(VoGridSelection, ColumnMovesCarryHiddenColumnsTheSortColumnAndThePartner)
{
    SelFixture f;
    VOroDavoduRuzu& g = *f.grid;
    VOroDavoduRuzu partner(nullptr);
    partner.SetColCount(6);
    for (int c = 0; c < 6; ++c) {
        g.SetCells(c, 1, QString::number(c));
        partner.SetCells(c, 1, QString::number(c));
    }
    g.SyncGrid().SetGrid(&partner);
    g.SyncGrid().MoveColumn = true;
    // Partners of each other: each column moves once, not back and forth.
    partner.SyncGrid().SetGrid(&g);
    partner.SyncGrid().MoveColumn = true;
    g.SortSettings().Column = 5;
    std::vector<std::pair<int, int>> moved;
    g.OnColumnMoved = [&](TObject*, int from, int to) { moved.emplace_back(from, to); };
    g.MoveColumn(2, 5);
    EXPECT_EQ(g.SortSettings().Column, 4);
    EXPECT_EQ(g.Cells(5, 1), QStringLiteral("2"));
    EXPECT_EQ(partner.Cells(5, 1), QStringLiteral("2"));
    EXPECT_EQ(partner.Cells(2, 1), QStringLiteral("3"));

    // Shown sort indexes follow their columns and keep their directions.
    g.SyncGrid().MoveColumn = false;
    partner.SyncGrid().SetGrid(nullptr);
    g.SortSettings().IndexShow = true;
    g.SortIndexes().AddIndex(1, true);
    g.SortIndexes().AddIndex(4, false);
    g.MoveColumn(4, 1);
    EXPECT_EQ(g.SortIndexes().GetSortColumns(0), 2);
    EXPECT_EQ(g.SortIndexes().GetSortColumns(1), 1);
    EXPECT_FALSE(g.SortIndexes().GetSortDirections(1));
    g.MoveColumn(1, 4);
    g.SortSettings().IndexShow = false;

    // With column 1 hidden, display 1 is real 2: cells, flags and hidden rows move by real index.
    g.HideColumn(1);
    g.HideRow(1);
    g.MoveColumn(1, 3);  // real 2 to real 4
    EXPECT_EQ(moved.back(), std::make_pair(2, 4));
    EXPECT_TRUE(g.IsHiddenColumn(1));
    EXPECT_FALSE(g.IsHiddenColumn(4));
    g.UnHideRow(1);
    g.UnHideColumn(1);
    EXPECT_EQ(g.Cells(4, 1), QStringLiteral("3"));
    EXPECT_EQ(g.Cells(1, 1), QStringLiteral("1"));
}

TEST(VoGridSelection, ViewAndRangeOperations)
{
    SelFixture f;
    VOroDavoduRuzu& g = *f.grid;
    g.SetRowCount(200);
    g.ScrollInView(2, 3);  // visible already
    EXPECT_EQ(g.TopRow(), 1);
    EXPECT_EQ(g.Row(), 1);
    g.ScrollInView(2, 150);
    EXPECT_EQ(g.Row(), 150);
    EXPECT_EQ(g.TopRow(), 150 - g.VisibleRowCount() / 2);

    EXPECT_EQ(g.UsedCells(), TGridRect{});
    g.SetCells(3, 4, QStringLiteral("x"));
    EXPECT_EQ(g.UsedCells(), (TGridRect{3, 4, 3, 4}));

    g.SelectCells(2, 150, 3, 160);
    g.HideSelection();
    EXPECT_FALSE(g.IsSelected(2, 150));
    g.RemoveRows(100, 100);
    g.UnHideSelection();  // the remembered rows are gone: the first normal cell
    EXPECT_EQ(g.Selection(), (TGridRect{1, 1, 1, 1}));

    int rate = 3;
    EXPECT_TRUE(g.DoRatingChange(1, 1, rate));
    g.OnRatingChange = [](TObject*, int, int, int& r, bool& allow) { allow = r < 5; };
    rate = 5;
    EXPECT_FALSE(g.DoRatingChange(1, 1, rate));
}
