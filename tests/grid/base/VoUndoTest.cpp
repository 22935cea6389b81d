#include "grid/base/VoUndo.h"

#include <gtest/gtest.h>

#include <memory>

#include "grid/base/BaseGrid/BaseGrid.h"

namespace {

struct UndoFixture : testing::Test {
    UndoFixture()
    {
        grid->SetColCount(5);
        grid->SetRowCount(5);
        grid->SetUndoRedo(&undo);
    }
    void change(int c, int r, const QString& text)
    {
        undo.RegisterChange(c, r, grid->GetCellEx(c, r), text);
        grid->SetCellEx(c, r, text);
    }
    QString cell(int c, int r) { return grid->GetCellEx(c, r); }

    std::unique_ptr<TBaseGrid> grid = std::make_unique<TBaseGrid>(nullptr);
    TVoGridUndoRedo undo{nullptr};
};

}  // namespace

TEST_F(UndoFixture, SingleChangesUndoAndRedo)
{
    change(1, 1, "A");
    change(2, 2, "B");
    undo.Undo();
    undo.Undo();
    EXPECT_EQ(cell(1, 1), "");
    EXPECT_EQ(cell(2, 2), "");
    EXPECT_EQ(undo.Level(), 0);
    EXPECT_TRUE(undo.CanRedo());
    EXPECT_FALSE(undo.CanUndo());
    undo.Undo();  // nothing left
    undo.Redo();
    EXPECT_EQ(cell(1, 1), "A");
    EXPECT_EQ(cell(2, 2), "");
    undo.Redo();
    EXPECT_EQ(cell(2, 2), "B");
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_FALSE(undo.CanRedo());
}

TEST_F(UndoFixture, SequenceIsOneStep)
{
    change(1, 1, "x");
    undo.StartSequence();
    change(1, 2, "a");
    change(2, 2, "b");
    change(3, 2, "c");
    undo.StopSequence();
    EXPECT_EQ(undo.Level(), 6);
    undo.Undo();
    EXPECT_EQ(undo.Level(), 1);
    EXPECT_EQ(cell(1, 2) + cell(2, 2) + cell(3, 2), "");
    EXPECT_EQ(cell(1, 1), "x");
    undo.Redo();
    EXPECT_EQ(undo.Level(), 6);
    EXPECT_EQ(cell(1, 2) + cell(2, 2) + cell(3, 2), "abc");
}

TEST_F(UndoFixture, MaxLevelAndChangesAfterUndo)
{
    undo.MaxLevel = 2;
    change(1, 1, "1");
    change(1, 1, "2");
    change(1, 1, "3");
    ASSERT_EQ(undo.Count(), 2);
    EXPECT_EQ(undo.Items()[0].Value, "2");

    undo.Reset();
    undo.MaxLevel = 0;
    change(1, 1, "A");
    change(2, 1, "B");
    undo.Undo();  // B undone
    change(3, 1, "C");
    EXPECT_EQ(undo.Level(), 3);
    undo.Undo();
    EXPECT_EQ(cell(3, 1), "");
    undo.Undo();  // walks back through the earlier undone entry again
    EXPECT_EQ(cell(2, 1), "");
}

TEST_F(UndoFixture, EventsSeePresentAndRestoredText)
{
    change(1, 1, "old");
    change(1, 1, "new");
    QString seenOrig;
    QString seenNew;
    undo.OnUndo = [&](TObject*, TBaseGrid* g, int c, int r, const QString& orig, const QString& next) {
        EXPECT_EQ(g, grid.get());
        EXPECT_EQ(c, 1);
        EXPECT_EQ(r, 1);
        seenOrig = orig;
        seenNew = next;
    };
    undo.Undo();
    EXPECT_EQ(seenOrig, "new");
    EXPECT_EQ(seenNew, "old");
}

TEST_F(UndoFixture, SequenceWhoseOpeningWasDroppedStopsAtZero)
{
    undo.MaxLevel = 3;
    undo.StartSequence();
    change(1, 1, "a");
    change(2, 1, "b");
    change(3, 1, "c");  // drops the opening marker
    undo.StopSequence();
    undo.Undo();
    EXPECT_EQ(undo.Level(), 0);
    EXPECT_EQ(cell(1, 1) + cell(2, 1) + cell(3, 1), "");
}

TEST_F(UndoFixture, GridDestroyedDetaches)
{
    change(1, 1, "A");
    grid.reset();
    EXPECT_EQ(undo.Grid(), nullptr);
    undo.Undo();
    EXPECT_EQ(undo.Level(), 1);
}
