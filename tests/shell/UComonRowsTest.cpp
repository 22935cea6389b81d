// The row commands of the table editors on column grids, and the Enter jump.
#include "grid/VoCGrid/VoCGrid.h"
#include "shell/UComon.h"
#include "shell/UComonRows.h"
#include "shell/ULanguage.h"
#include "support/TestSeams.h"

#include <gtest/gtest.h>

namespace {

// Rows 1..4, columns: 1 Enable (data check box), 2 key, 3 text, 4 hidden text.
class ColumnRows : public ::testing::Test {
protected:
    void SetUp() override
    {
        Load_Default_Language();
        grid.SetRowCount(5);
        grid.SetFixedRows(1);
        grid.SetFixedCols(1);
        grid.Columns().Items(1)->SetEditor(edDataCheckBox);
        for (int r = 1; r < 5; ++r)
            SetRow(r, {"Y", QStringLiteral("k%1").arg(r), QStringLiteral("t%1").arg(r), QStringLiteral("h%1").arg(r)});
        grid.HideColumn(4);
        Copy_Row_Values.Clear();
        Copy_Row_Is_Check.clear();
    }
    void SetRow(int r, const QStringList& texts)
    {
        for (int c = 1; c <= 4; ++c)
            grid.SetCells(c, r, texts[c - 1]);
    }
    QStringList RowTexts(int r)
    {
        QStringList texts;
        for (int c = 1; c <= 4; ++c)
            texts << grid.Cells(c, r);
        return texts;
    }
    TVoColumnGrid grid{nullptr};
};

}  // namespace

TEST_F(ColumnRows, DeleteAndInsertShiftTextsHiddenColumnsIncluded)
{
    ASSERT_EQ(grid.ColCount() + grid.NumHiddenColumns(), 5);
    ColGrid_Delete_Row(2, grid);
    EXPECT_EQ(RowTexts(2), (QStringList{"Y", "k3", "t3", "h3"}));
    EXPECT_EQ(RowTexts(3), (QStringList{"Y", "k4", "t4", "h4"}));
    EXPECT_EQ(RowTexts(4), (QStringList{"", "", "", ""}));
    EXPECT_EQ(grid.Cells(0, 4), QString());  // column 0 is never touched

    ColGrid_Insert_Row(1, grid, true);
    EXPECT_EQ(RowTexts(1), (QStringList{"Y", "", "", ""}));
    EXPECT_EQ(RowTexts(2), (QStringList{"Y", "k1", "t1", "h1"}));
    EXPECT_EQ(RowTexts(4), (QStringList{"Y", "k4", "t4", "h4"}));  // the last row's content is lost

    // At the last row: delete only empties it, insert only empties it.
    ColGrid_Delete_Row(4, grid);
    EXPECT_EQ(RowTexts(4), (QStringList{"", "", "", ""}));
    SetRow(4, {"N", "a", "b", "c"});
    ColGrid_Insert_Row(4, grid, false);
    EXPECT_EQ(RowTexts(4), (QStringList{"", "", "", ""}));
}

TEST_F(ColumnRows, CopyAndPaste)
{
    MessageBoxRecorder boxes({mrOk, mrNo, mrYes});
    // Without a copy on this page.
    ColGrid_Paste_Row(grid, 2, false);
    ColGrid_Copy_Row(grid, 1);
    EXPECT_EQ(Copy_Row_Values.Count(), 4);
    // The check-box flags are sized to the row and mark the data check-box column.
    EXPECT_EQ(Copy_Row_Is_Check, (std::vector<bool>{true, false, false, false}));

    // A row in use is overwritten only on Yes.
    ColGrid_Paste_Row(grid, 2, true);
    EXPECT_EQ(RowTexts(2), (QStringList{"Y", "k2", "t2", "h2"}));
    ColGrid_Paste_Row(grid, 2, true);
    EXPECT_EQ(RowTexts(2), (QStringList{"Y", "k1", "t1", "h1"}));

    // A row whose only filled cells are the check box and blanks is not in use.
    SetRow(3, {"N", "  ", "", ""});
    ColGrid_Paste_Row(grid, 3, true);
    EXPECT_EQ(RowTexts(3), (QStringList{"Y", "k1", "t1", "h1"}));

    // A clipboard of another width changes nothing.
    Copy_Row_Values.Add(QStringLiteral("extra"));
    ColGrid_Paste_Row(grid, 4, true);
    EXPECT_EQ(RowTexts(4), (QStringList{"Y", "k4", "t4", "h4"}));

    std::vector<std::pair<TMsgDlgType, QString>> shown;
    for (const TMessageBoxRequest& box : boxes.Shown)
        shown.emplace_back(box.Kind, box.Text);
    EXPECT_EQ(shown, (std::vector<std::pair<TMsgDlgType, QString>>{{mtError, Lang_Text[1102]},
                                                                   {mtConfirmation, Lang_Text[1100]},
                                                                   {mtConfirmation, Lang_Text[1100]},
                                                                   {mtError, Lang_Text[1101]}}));
}

TEST_F(ColumnRows, EnterJumpsToTheNextFieldOnlyWithTheOption)
{
    struct Case {
        bool option;
        int col, row;
        char16_t key;
        int newCol, newRow;
        char16_t keyAfter;
    };
    // Visible columns 0..3; rows 1..4.
    const Case cases[] = {
        {false, 2, 2, 13, 2, 2, 13}, {true, 2, 2, 'a', 2, 2, 'a'}, {true, 2, 2, 13, 3, 2, 0},
        {true, 3, 2, 13, 1, 3, 0},   {true, 3, 4, 13, 1, 1, 0},  // from the last cell back to row 1
    };
    for (const Case& c : cases) {
        Enable_Jump_Field_Tables = c.option;
        grid.SetCol(c.col);
        grid.SetRow(c.row);
        char16_t key = c.key;
        Grid_Jump_Next_Field(grid, key);
        EXPECT_EQ(grid.Col(), c.newCol);
        EXPECT_EQ(grid.Row(), c.newRow);
        EXPECT_EQ(key, c.keyAfter);
    }
    Enable_Jump_Field_Tables = false;
}

TEST_F(ColumnRows, DoubleClickOnAHeaderSizesTheColumnAsTheGridDoes)
{
    grid.SetCells(2, 3, QStringLiteral("a much longer text than the column shows"));
    struct Case {
        bool option;
        int row, col;
        bool sized;
    };
    const Case cases[] = {{true, 0, 2, true}, {true, 0, 1, true}, {false, 0, 2, false}, {true, 1, 2, false}};
    for (const Case& c : cases) {
        grid.SetColWidths(c.col, 20);
        grid.AutoSizeCol(c.col);
        const int measured = grid.ColWidths(c.col);
        grid.SetColWidths(c.col, 20);
        Enable_Double_Click_Auto_Size = c.option;
        Grid_Auto_Size_Col(grid, c.row, c.col);
        EXPECT_EQ(grid.ColWidths(c.col), c.sized ? measured : 20) << c.row << ' ' << c.col;
    }
    Enable_Double_Click_Auto_Size = false;
}

namespace {

// A string grid of rows 1..4: column 1 a cell check box, 2 and 3 texts.
class StringRows : public ::testing::Test {
protected:
    void SetUp() override
    {
        Load_Default_Language();
        grid.SetColCount(4);
        grid.SetRowCount(5);
        grid.SetFixedRows(1);
        grid.SetFixedCols(1);
        grid.AddCheckBoxColumn(1, false, false);
        for (int r = 1; r < 5; ++r) {
            grid.SetCheckBoxState(1, r, r % 2 == 1);
            grid.SetCells(2, r, QStringLiteral("k%1").arg(r));
            grid.SetCells(3, r, QStringLiteral("t%1").arg(r));
            grid.SetReadOnly(3, r, r == 2);
        }
        Copy_Row_Values.Clear();
        Copy_Row_Is_Check.clear();
    }
    // The check as "Y" / "N", the texts, and "ro" when column 3 is read-only.
    QStringList RowState(int r)
    {
        return {grid.IsChecked(1, r) ? QStringLiteral("Y") : QStringLiteral("N"), grid.Cells(2, r), grid.Cells(3, r),
                grid.ReadOnly(3, r) ? QStringLiteral("ro") : QString()};
    }
    VOroDavoduRuzu grid{nullptr};
};

}  // namespace

TEST_F(StringRows, DeleteAndInsertMoveChecksAndReadOnlyFlags)
{
    Grid_Delete_Row(1, grid, true);
    EXPECT_EQ(RowState(1), (QStringList{"N", "k2", "t2", "ro"}));
    EXPECT_EQ(RowState(3), (QStringList{"N", "k4", "t4", ""}));
    // The emptied last row: first check box per the flag, read-only.
    EXPECT_EQ(RowState(4), (QStringList{"Y", "", "", "ro"}));
    EXPECT_TRUE(grid.ReadOnly(2, 4));
    EXPECT_TRUE(grid.Cells(1, 4).isEmpty());

    Grid_Insert_Row(1, grid, false);
    EXPECT_EQ(RowState(1), (QStringList{"N", "", "", ""}));
    EXPECT_EQ(RowState(2), (QStringList{"N", "k2", "t2", "ro"}));
    EXPECT_EQ(RowState(4), (QStringList{"N", "k4", "t4", ""}));  // the last row's content is lost
    Grid_Insert_Row(4, grid, true);
    EXPECT_EQ(RowState(4), (QStringList{"Y", "", "", ""}));
}

TEST_F(StringRows, CopyAndPasteCheckBoxesAsYesNo)
{
    MessageBoxRecorder boxes({mrYes});
    Grid_Copy_Row(grid, 1);
    EXPECT_EQ(Copy_Row_Values.Count(), 3);
    EXPECT_EQ(Copy_Row_Values[0], QStringLiteral("Y"));
    EXPECT_EQ(Copy_Row_Is_Check, (std::vector<bool>{true, false, false}));

    // A blank counts as use in a string grid: the paste asks first.
    grid.SetCells(2, 4, QString());
    grid.SetCells(3, 4, QStringLiteral(" "));
    Grid_Paste_Row(grid, 4, true);
    EXPECT_EQ(RowState(4).mid(0, 3), (QStringList{"Y", "k1", "t1"}));
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Text, Lang_Text[1100]);

    // A clipboard from a column grid may carry fewer flags: a missing flag is text.
    Copy_Row_Is_Check = {false};
    Copy_Row_Values.SetText(QStringLiteral("N\nka\nta"));
    grid.SetCells(2, 2, QString());
    grid.SetCells(3, 2, QString());
    Grid_Paste_Row(grid, 2, true);
    EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("N"));
    EXPECT_EQ(RowState(2).mid(1, 2), (QStringList{"ka", "ta"}));
    // Only the check box is set: no question.
    EXPECT_EQ(boxes.Shown.size(), 1u);
}
