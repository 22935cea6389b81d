// Check boxes and radio buttons in cells: adding, reading, setting and toggling them, their change event,
// radio exclusion and the hidden-row store.
#include <gtest/gtest.h>

#include "grid/VoGrid/VoGrid.h"
#include "grid/base/REdaReviZizod.h"

namespace {
struct CheckGrid {
    CheckGrid()
    {
        grid.SetColCount(3);
        grid.SetRowCount(5);
        grid.OnCheckBoxChange = [this](TObject*, int c, int r, bool state) {
            changes.push_back(QStringLiteral("%1,%2 %3").arg(c).arg(r).arg(state ? "on" : "off"));
        };
    }
    VOroDavoduRuzu grid{nullptr};
    std::vector<QString> changes;
};
}  // namespace

TEST(VoGridCheckBox, DataCheckBoxKeepsACheckTextAndReadsOnlyTheTrueText)
{
    struct Case {
        const char* before;
        bool state;
        const char* after;
        bool checked;
    } cases[] = {
        {"N", true, "N", false},
        {"Y", false, "Y", true},
        {"x", true, "Y", true},
        {"", false, "N", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        CheckGrid f;
        f.grid.SetCells(1, 1, QString::fromUtf8(c.before));
        f.grid.AddCheckBox(1, 1, c.state, true);
        EXPECT_EQ(f.grid.Cells(1, 1), QString::fromUtf8(c.after));
        EXPECT_EQ(f.grid.IsChecked(1, 1), c.checked);
    }
    CheckGrid f;
    f.grid.AddCheckBox(1, 1, false, true);
    f.grid.SetCells(1, 1, QStringLiteral("y"));
    EXPECT_FALSE(f.grid.IsChecked(1, 1));
    bool state = true;
    EXPECT_FALSE(f.grid.GetCheckBoxState(2, 2, state));  // plain text cell: state left as it was
    EXPECT_TRUE(state);
}

TEST(VoGridCheckBox, ToggleWritesTheCheckTextsAndFiresUnlessRefused)
{
    CheckGrid f;
    f.grid.SetCells(1, 1, QString());
    f.grid.AddCheckBox(1, 1, false, true);
    f.grid.SetCells(1, 1, QString());
    EXPECT_TRUE(f.grid.ToggleCheckBoxCell(1, 1, true));
    EXPECT_EQ(f.grid.Cells(1, 1), QStringLiteral("Y"));
    EXPECT_TRUE(f.grid.ToggleCheckBox(1, 1));
    EXPECT_EQ(f.grid.Cells(1, 1), QStringLiteral("N"));
    EXPECT_EQ(f.changes, (std::vector<QString>{QStringLiteral("1,1 on"), QStringLiteral("1,1 off")}));

    f.grid.OnCanEditCell = [](TObject*, int, int, bool& canEdit) { canEdit = false; };
    EXPECT_FALSE(f.grid.ToggleCheckBoxCell(1, 1, true));
    EXPECT_EQ(f.grid.Cells(1, 1), QStringLiteral("N"));
    EXPECT_EQ(f.changes.size(), 2u);
    EXPECT_TRUE(f.grid.ToggleCheckBoxCell(1, 1, false));   // code is not asked
    EXPECT_FALSE(f.grid.ToggleCheckBoxCell(2, 2, false));  // no check box
}

TEST(VoGridCheckBox, SetStateIsSilentCheckAllReportsOnlyChanges)
{
    CheckGrid f;
    f.grid.AddCheckBoxColumn(1, false, false);
    EXPECT_TRUE(f.grid.SetCheckBoxState(1, 2, true));
    EXPECT_TRUE(f.grid.IsChecked(1, 2));
    EXPECT_TRUE(f.changes.empty());
    f.grid.CheckAll(1);
    EXPECT_EQ(f.changes,
              (std::vector<QString>{QStringLiteral("1,1 on"), QStringLiteral("1,3 on"), QStringLiteral("1,4 on")}));
    f.grid.RemoveCheckBoxColumn(1);
    EXPECT_FALSE(f.grid.HasCheckBox(1, 1));
}

TEST(VoGridCheckBox, SetStateWithHiddenRowsChangesTheGivenRealRow)
{
    CheckGrid f;
    for (int r = 1; r < 5; ++r)
        f.grid.SetCells(1, r, QStringLiteral("N"));
    f.grid.AddCheckBoxColumn(1, false, true);
    f.grid.HideRow(2);
    ASSERT_TRUE(f.grid.IsHiddenRow(2));

    // Real row 2 is hidden: its stored text changes, not the row shown at index 2 (real row 3).
    EXPECT_TRUE(f.grid.SetCheckBoxState(1, 2, true));
    EXPECT_EQ(f.grid.AllGridCells(1, 2), QStringLiteral("Y"));
    EXPECT_EQ(f.grid.Cells(1, 2), QStringLiteral("N"));
    bool state = false;
    EXPECT_TRUE(f.grid.GetCheckBoxState(1, 2, state));
    EXPECT_TRUE(state);

    // Real row 4 is shown at index 3.
    EXPECT_TRUE(f.grid.SetCheckBoxState(1, 4, true));
    EXPECT_EQ(f.grid.Cells(1, 3), QStringLiteral("Y"));
    EXPECT_EQ(f.grid.Cells(1, 4), QString());

    f.grid.UnHideRow(2);
    EXPECT_EQ(f.grid.Cells(1, 2), QStringLiteral("Y"));
    EXPECT_EQ(f.grid.Cells(1, 3), QStringLiteral("N"));
    EXPECT_EQ(f.grid.Cells(1, 4), QStringLiteral("Y"));
    EXPECT_TRUE(f.changes.empty());
}

TEST(VoGridCheckBox, TriStateBoxesAndTheirColumn)
{
    CheckGrid f;
    f.grid.SetFixedRows(1);
    f.grid.AddTriStateCheckBoxColumn(1, cbGrayed);
    EXPECT_FALSE(f.grid.HasCheckBox(1, 0));
    TCheckBoxState state = cbUnchecked;
    ASSERT_TRUE(f.grid.GetCheckBoxState(1, 1, state));
    EXPECT_EQ(state, cbGrayed);
    f.grid.ToggleCheckBox(1, 1);
    f.grid.GetCheckBoxState(1, 1, state);
    EXPECT_EQ(state, cbChecked);
    f.grid.ToggleCheckBox(1, 1);
    f.grid.GetCheckBoxState(1, 1, state);
    EXPECT_EQ(state, cbUnchecked);
    EXPECT_TRUE(f.grid.SetCheckBoxState(1, 1, cbGrayed));
    EXPECT_FALSE(f.grid.SetCheckBoxState(2, 1, cbGrayed));

    f.grid.MouseActions().CheckAllCheck = true;
    f.grid.AddTriStateCheckBoxColumn(2, cbChecked);
    EXPECT_TRUE(f.grid.HasCheckBox(2, 0));
}

// With HotmailRowSelect the boxes of column 0 read the row selection.
TEST(VoGridCheckBox, RowCheckBoxesReadTheRowSelection)
{
    CheckGrid f;
    f.grid.MouseActions().SetHotmailRowSelect(true);
    f.grid.SetRowSelect(2, true);
    struct Case {
        int col, row;
        bool answer;
        TCheckBoxState state;
    } cases[] = {{0, 2, true, cbChecked}, {0, 3, true, cbUnchecked}, {1, 2, false, cbGrayed}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row * 10 + c.col);
        TCheckBoxState state = cbGrayed;
        EXPECT_EQ(f.grid.GetCheckBoxState(c.col, c.row, state), c.answer);
        EXPECT_EQ(state, c.state);
    }
}

// A node's three-state box and the boxes of its rows follow each other with AutoCheckGroup, also while the
// node is folded; summary rows get no box.
TEST(VoGridCheckBox, AutoCheckGroupLinksANodeAndItsRows)
{
    CheckGrid f;
    f.grid.SetRowCount(7);
    f.grid.AddNode(1, 4);
    f.grid.AddSummaryRow(5);
    f.grid.AddCheckBoxColumn(1, false, false);
    f.grid.Grouping().AutoCheckGroup = true;
    EXPECT_EQ(f.grid.GetCellType(1, 1), ctTriStateCheckBox);
    EXPECT_FALSE(f.grid.HasCheckBox(1, 5));
    EXPECT_TRUE(f.grid.HasCheckBox(1, 6));
    const auto node = [&] {
        TCheckBoxState state = cbUnchecked;
        f.grid.GetCheckBoxState(1, 1, state);
        return state;
    };
    const auto rows = [&] {
        QString states;
        for (int r = 2; r <= 4; ++r)
            states += f.grid.IsChecked(1, r) ? QLatin1Char('x') : QLatin1Char('.');
        return states;
    };

    f.grid.ToggleCheckBox(1, 1);
    EXPECT_EQ(node(), cbChecked);
    EXPECT_EQ(rows(), QStringLiteral("xxx"));
    f.grid.ToggleCheckBox(1, 3);
    EXPECT_EQ(node(), cbGrayed);
    EXPECT_EQ(rows(), QStringLiteral("x.x"));
    f.grid.ToggleCheckBox(1, 1);
    EXPECT_EQ(node(), cbChecked) << "a grayed node becomes checked";
    EXPECT_EQ(rows(), QStringLiteral("xxx"));
    f.grid.ToggleCheckBox(1, 2);
    f.grid.ToggleCheckBox(1, 3);
    f.grid.ToggleCheckBox(1, 4);
    EXPECT_EQ(node(), cbUnchecked);

    f.grid.ContractNode(1);
    ASSERT_EQ(f.grid.NumHiddenRows(), 3);
    f.grid.ToggleCheckBox(1, 1);
    f.grid.ExpandNode(1);
    EXPECT_EQ(rows(), QStringLiteral("xxx")) << "folded rows follow their node";
}

TEST(VoGridCheckBox, AddingOutsideTheGridRaisesInvalidCell)
{
    CheckGrid f;
    f.grid.HideRow(1);
    const int rows = f.grid.RowCount() + f.grid.NumHiddenRows();
    EXPECT_THROW(f.grid.AddRadioButton(1, rows, true), REdaReviZizod);
    EXPECT_THROW(f.grid.AddCheckBox(3 + f.grid.NumHiddenColumns(), 1, true, false), REdaReviZizod);
    EXPECT_THROW(f.grid.AddCheckBox(1, rows, cbChecked), REdaReviZizod);
    EXPECT_NO_THROW(f.grid.AddRadioButton(1, f.grid.RowCount() - 1, true));
}

TEST(VoGridCheckBox, RadioButtonsOfAColumnExcludeEachOther)
{
    CheckGrid f;
    f.grid.SetFixedRows(1);
    f.grid.AddRadioButtonColumn(1);
    EXPECT_EQ(f.grid.GetRadioButtonColumnIndex(1), -1);
    EXPECT_TRUE(f.grid.ToggleRadioButtonCell(1, 2, true));
    EXPECT_EQ(f.grid.GetRadioButtonColumnIndex(1), 2);
    EXPECT_TRUE(f.grid.ToggleRadioButtonCell(1, 3, true));
    EXPECT_FALSE(f.grid.IsRadioButtonChecked(1, 2));
    EXPECT_TRUE(f.grid.ToggleRadioButtonCell(1, 3, true));  // a checked button stays checked
    EXPECT_TRUE(f.grid.IsRadioButtonChecked(1, 3));
    f.grid.SetRadioButtonColumnIndex(1, 4);
    EXPECT_EQ(f.grid.GetRadioButtonColumnIndex(1), 4);
    f.grid.OnCanEditCell = [](TObject*, int, int, bool& canEdit) { canEdit = false; };
    EXPECT_FALSE(f.grid.ToggleRadioButtonCell(1, 1, true));
    EXPECT_EQ(f.grid.GetRadioButtonColumnIndex(1), 4);
    f.grid.RemoveRadioButtonColumn(1);
    EXPECT_FALSE(f.grid.HasRadioButton(1, 4));
}

TEST(VoGridCheckBox, RadioGroupAdvancesAndWraps)
{
    CheckGrid f;
    TStringList items;
    items.SetText(QStringLiteral("a\nb\nc"));
    f.grid.AddRadio(1, 1, 0, 2, &items);
    EXPECT_FALSE(f.grid.AdvanceRadio(1, 1, true));
    int index = -1;
    f.grid.GetRadioIdx(1, 1, index);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(f.grid.Cells(1, 1), QStringLiteral("a"));
    f.grid.AdvanceRadio(1, 1, true);
    EXPECT_EQ(f.grid.Cells(1, 1), QStringLiteral("b"));
}
