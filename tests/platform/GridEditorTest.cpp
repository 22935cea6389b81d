#include "GridTestGrid.h"
#include "support/TestSeams.h"

#include <QWidget>

namespace {
struct EditGrid : TestGrid {
    EditGrid()
    {
        SetOptions(Options() | goEditing);
        SetCells(1, 1, "one");
        SetCells(1, 2, "two");
    }
    bool editable = true;
    QString mask;  // of column 2
    int limit = 0;

protected:
    bool CanEditShow() override { return editable && TestGrid::CanEditShow(); }
    QString GetEditMask(int ACol, int) override { return ACol == 2 ? mask : QString(); }
    int GetEditLimit() override { return limit; }
};
}  // namespace

TEST(GridEditor, StartsOnF2TypingEnterAndClick)
{
    EditGrid g;
    g.Key(VK_F2);
    ASSERT_TRUE(g.EditorMode());
    TInplaceEdit* edit = g.InplaceEditor();
    EXPECT_EQ(edit->Text(), "one");
    EXPECT_TRUE(edit->Visible());
    EXPECT_EQ(edit->BoundsRect(), g.CellRect(1, 1));
    g.Key(VK_RETURN);  // unchanged text is not written back
    EXPECT_FALSE(g.EditorMode());
    EXPECT_FALSE(edit->Visible());
    EXPECT_TRUE(g.editTexts.empty());

    g.Type("x");  // a typed character replaces the text
    ASSERT_TRUE(g.EditorMode());
    EXPECT_EQ(edit->Text(), "x");
    g.Key(VK_RETURN);
    EXPECT_EQ(g.Cells(1, 1), "x");
    EXPECT_EQ(g.editTexts, std::vector<QString>{"x"});

    g.Key(VK_RETURN);  // Enter opens the editor too
    EXPECT_TRUE(g.EditorMode());
    g.Key(VK_ESCAPE);
    const TRect r = g.CellRect(1, 2);
    g.Click(r.Left + 3, r.Top + 3);  // a click moves; a click on the current cell edits
    EXPECT_FALSE(g.EditorMode());
    g.Click(r.Left + 3, r.Top + 3);
    EXPECT_TRUE(g.EditorMode());
    EXPECT_EQ(edit->Text(), "two");
}

TEST(GridEditor, EscapeCancelsAndMovingCommits)
{
    EditGrid g;
    g.Key(VK_F2);
    TInplaceEdit* edit = g.InplaceEditor();
    edit->SetText("changed");
    edit->Perform(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(g.EditorMode());
    EXPECT_EQ(g.Cells(1, 1), "one");
    EXPECT_TRUE(g.editTexts.empty());

    g.Type("new");
    EXPECT_EQ(edit->Text(), "new");
    edit->Perform(WM_KEYDOWN, VK_DOWN, 0);  // the editor hands Down to the grid
    EXPECT_FALSE(g.EditorMode());
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(g.Cells(1, 1), "new");
}

TEST(GridEditor, AlwaysShowEditorFollowsTheCurrentCell)
{
    EditGrid g;
    g.SetOptions(g.Options() | goAlwaysShowEditor);
    g.ShowEditor();
    g.Type("A");
    g.Key(VK_DOWN);
    EXPECT_TRUE(g.EditorMode());
    EXPECT_EQ(g.Cells(1, 1), "A");
    EXPECT_EQ(g.InplaceEditor()->Text(), "two");
    EXPECT_EQ(g.InplaceEditor()->BoundsRect(), g.CellRect(1, 2));
    g.Key(VK_RETURN);  // Enter keeps it open
    EXPECT_TRUE(g.EditorMode());
}

TEST(GridEditor, NoEditorWhereEditingIsNotAllowed)
{
    EditGrid g;
    g.editable = false;
    g.Key(VK_F2);
    g.Type("x");
    EXPECT_FALSE(g.EditorMode());
    EXPECT_EQ(g.Cells(1, 1), "one");

    EditGrid rows;
    rows.SetOptions(rows.Options() | goRowSelect);
    rows.SetEditorMode(true);
    EXPECT_FALSE(rows.EditorMode());

    EditGrid off;
    off.ShowEditor();
    off.SetOptions(off.Options() & ~goEditing);  // switching editing off ends the edit
    EXPECT_FALSE(off.EditorMode());
}

TEST(GridEditor, ScrollingMovesOrHidesTheEditor)
{
    EditGrid g;
    g.SetRowCount(100);
    g.ShowEditor();
    g.SetTopRow(2);
    EXPECT_FALSE(g.InplaceEditor()->Visible());  // row 1 is scrolled out
    g.SetTopRow(1);
    EXPECT_TRUE(g.InplaceEditor()->Visible());
    EXPECT_EQ(g.InplaceEditor()->BoundsRect(), g.CellRect(1, 1));
}

// An edit whose cell leaves the grid is dropped instead of landing in another cell.
TEST(GridEditor, RemovedCellDropsItsEdit)
{
    EditGrid g;
    g.FocusCell(1, 4, true);
    g.Type("lost");
    ASSERT_TRUE(g.EditorMode());
    g.SetRowCount(3);
    EXPECT_FALSE(g.EditorMode());
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(g.Cells(1, 2), "two");
    EXPECT_TRUE(g.editTexts.empty());

    g.FocusCell(2, 2, true);
    g.Type("kept");
    g.SetSelection({1, 1, 1, 1});  // moving the current cell by a selection commits to the old cell
    EXPECT_EQ(g.Cells(2, 2), "kept");
    EXPECT_EQ(g.Cells(1, 1), "one");
}

TEST(GridEditor, MaskAndLimitComeFromTheGrid)
{
    EditGrid g;
    g.mask = "!90:00;1; ";
    g.limit = 4;
    g.SetCells(2, 1, "12:34");
    g.FocusCell(2, 1, true);
    g.Key(VK_F2);
    TInplaceEdit* edit = g.InplaceEditor();
    EXPECT_EQ(edit->EditMask(), g.mask);
    EXPECT_EQ(edit->EditText(), "12:34");
    g.Type("093x0");  // over the selected text, position by position
    EXPECT_EQ(edit->EditText(), "09:30");
    g.Key(VK_RETURN);
    EXPECT_EQ(g.Cells(2, 1), "09:30");

    g.Type("7");  // a character typed at the grid starts the edit through the mask
    EXPECT_EQ(edit->EditText(), "7 :  ");
    g.Key(VK_ESCAPE);
    EXPECT_EQ(g.Cells(2, 1), "09:30");

    g.FocusCell(1, 1, true);
    g.Type("abcdef");
    EXPECT_TRUE(edit->EditMask().isEmpty());
    EXPECT_EQ(edit->Text(), "abcd");
}

TEST(GridEditor, WordWrapEditsSeveralLines)
{
    EditGrid g;
    g.SetRowHeights(1, 60);
    g.ShowEditor();
    TInplaceEdit* edit = g.InplaceEditor();
    edit->SetWordWrap(true);
    g.Type("ab");
    SendKey(*edit, VK_RETURN, ssCtrl);
    g.Type("cd");
    EXPECT_TRUE(g.EditorMode());
    EXPECT_EQ(edit->Text(), "ab\ncd");
    EXPECT_EQ(edit->Perform(EM_LINEFROMCHAR, 4), 1);
    SendKey(*edit, VK_RETURN);  // Enter still ends the edit, and types nothing
    EXPECT_FALSE(g.EditorMode());
    EXPECT_EQ(g.Cells(1, 1), "ab\ncd");

    // A long text wraps at the editor's edge: its end is on a later line.
    QtAccess::Widget(g)->show();
    g.Key(VK_F2);
    edit->SetText("a text much wider than the cell it is edited in");
    EXPECT_GT(edit->Perform(EM_LINEFROMCHAR, static_cast<WPARAM>(edit->Text().size())), 1);
    edit->SetWordWrap(false);
    EXPECT_EQ(edit->Perform(EM_LINEFROMCHAR, static_cast<WPARAM>(edit->Text().size())), 0);
    g.Key(VK_ESCAPE);

    g.Key(VK_F2);
    SendKey(*edit, VK_RETURN, ssCtrl);
    EXPECT_FALSE(g.EditorMode()) << "one line: Ctrl+Enter goes to the grid";
    EXPECT_EQ(g.Cells(1, 1), "ab\ncd");
}
