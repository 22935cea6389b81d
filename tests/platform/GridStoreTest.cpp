#include "platform/grids/GridAxis.h"
#include "platform/grids/GridCellStore.h"

#include <gtest/gtest.h>

TEST(GridCellStore, SparseCellsShrinkAndGrowWithTheCounts)
{
    TGridCellStore store;
    store.SetColCount(3);
    store.SetRowCount(4);
    TObject object;
    store.SetText(2, 3, "x");
    store.SetObject(1, 0, &object);
    EXPECT_EQ(store.Text(2, 3), "x");
    EXPECT_EQ(store.Object(1, 0), &object);
    EXPECT_EQ(store.Text(5, 9), "");  // outside reads empty

    store.SetColCount(2);
    store.SetColCount(3);
    EXPECT_EQ(store.Text(2, 3), "");  // a removed column comes back empty
    store.SetText(2, 3, "y");
    store.SetRowCount(3);
    store.SetRowCount(4);
    EXPECT_EQ(store.Text(2, 3), "");
    EXPECT_EQ(store.Object(1, 0), &object);
}

TEST(GridCellStore, ClearingTextsKeepsObjectsAndCellsOutsideTheRange)
{
    TGridCellStore store;
    store.SetColCount(3);
    store.SetRowCount(3);
    TObject object;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            store.SetText(c, r, QString("%1,%2").arg(c).arg(r));
    store.SetObject(2, 1, &object);
    store.ClearTexts(1, 0, 5, 1);  // the range reaches past the last column
    EXPECT_EQ(store.Text(0, 0), "0,0");
    EXPECT_EQ(store.Text(1, 0), "");
    EXPECT_EQ(store.Text(2, 1), "");
    EXPECT_EQ(store.Object(2, 1), &object);
    EXPECT_EQ(store.Text(1, 2), "1,2");
    store.ClearTexts(-1, -1, 2, 2);
    EXPECT_EQ(store.Text(0, 2), "");
    EXPECT_EQ(store.Object(2, 1), &object);
    store.SetText(1, 0, "again");  // a row that gave its cells back takes texts again
    EXPECT_EQ(store.Text(1, 0), "again");
}

TEST(GridCellStore, MovesShiftTheCellsBetween)
{
    TGridCellStore store;
    store.SetColCount(4);
    store.SetRowCount(4);
    for (int i = 0; i < 4; ++i) {
        store.SetText(i, 0, QString("c%1").arg(i));
        store.SetText(0, i, QString("r%1").arg(i));
    }
    store.SetText(0, 0, "r0");
    store.MoveColumn(3, 1);
    EXPECT_EQ(store.Text(1, 0), "c3");
    EXPECT_EQ(store.Text(2, 0), "c1");
    EXPECT_EQ(store.Text(3, 0), "c2");
    EXPECT_EQ(store.Text(3, 1), "");  // a short row moves too
    store.MoveColumn(1, 3);
    EXPECT_EQ(store.Text(3, 0), "c3");

    store.MoveRow(0, 2);
    EXPECT_EQ(store.Text(0, 0), "r1");
    EXPECT_EQ(store.Text(0, 2), "r0");
    store.MoveRow(2, 0);
    EXPECT_EQ(store.Text(0, 0), "r0");
}

TEST(GridCellStore, RowSetsAndColumnBlocksMoveInOnePass)
{
    TGridCellStore store;
    store.SetColCount(4);
    store.SetRowCount(6);
    for (int r = 0; r < 6; ++r)
        store.SetText(0, r, QString::number(r));
    store.SetText(3, 5, "last");
    auto column = [&store] {
        QStringList texts;
        for (int r = 0; r < store.RowCount(); ++r)
            texts << store.Text(0, r);
        return texts;
    };
    store.RemoveRows({0, 2, 3});
    EXPECT_EQ(column(), (QStringList{"1", "4", "5"}));
    store.InsertRows({0, 2, 4});  // empty rows standing at 0, 2 and 4 afterwards
    EXPECT_EQ(column(), (QStringList{"", "1", "", "4", "", "5"}));
    store.MoveRows(1, 2, 4);
    EXPECT_EQ(column(), (QStringList{"", "4", "", "5", "1", ""}));
    store.MoveColumns(3, 1, 0);
    EXPECT_EQ(store.Text(0, 3), "last");
    EXPECT_EQ(store.Text(1, 3), "5");
}

namespace {
// Five cells of 20 pixels with 1-pixel lines, one fixed.
TGridAxis axis()
{
    TGridAxis a;
    a.SetDefaultSize(20);
    a.SetCount(5);
    a.Fixed = 1;
    return a;
}
}  // namespace

TEST(GridAxis, LayoutOfFixedAndScrolledCells)
{
    TGridAxis a = axis();
    a.SetSize(2, 30);
    EXPECT_EQ(a.FixedExtent(), 21);
    EXPECT_EQ(a.Start(0, 3), 0);
    EXPECT_EQ(a.Start(3, 3), 21);
    EXPECT_EQ(a.Start(4, 3), 42);
    EXPECT_EQ(a.Start(2, 3), 21 - 31);  // scrolled out: under the fixed cells

    struct Case {
        int pos, first, cell;
    } hits[] = {{0, 1, 0},  {20, 1, 0}, {21, 1, 1},  {42, 1, 2},  {72, 1, 2},
                {73, 1, 3}, {21, 3, 3}, {83, 3, -1}, {-1, 1, -1}, {200, 1, -1}};
    for (const Case& c : hits)
        EXPECT_EQ(a.CellAt(c.pos, c.first, 100), c.cell) << c.pos << " from " << c.first;
}

TEST(GridAxis, VisibleCountsAndLastScrollPosition)
{
    TGridAxis a = axis();
    // 21 fixed + 4 x 21 = 105 pixels in all; the last line may be cut off.
    EXPECT_EQ(a.VisibleCount(1, 104), 4);
    EXPECT_EQ(a.VisibleCount(1, 103), 3);
    EXPECT_EQ(a.PartialCount(1, 103), 4);
    EXPECT_EQ(a.VisibleCount(1, 10), 1);  // never 0 while a scrollable cell exists
    EXPECT_EQ(a.MaxFirst(104), 1);
    EXPECT_EQ(a.MaxFirst(62), 3);
    EXPECT_EQ(a.MaxFirst(10), 4);

    a.SetCount(1);  // fixed only
    EXPECT_EQ(a.MaxFirst(100), 1);
}

TEST(GridAxis, CustomSizesSurviveCountChangesAndMoves)
{
    TGridAxis a = axis();
    a.SetSize(1, 50);
    a.SetCount(8);
    EXPECT_EQ(a.Size(1), 50);
    EXPECT_EQ(a.Size(7), 20);
    a.Move(1, 3);
    EXPECT_EQ(a.Size(3), 50);
    EXPECT_EQ(a.Size(1), 20);
    a.SetDefaultSize(10);
    EXPECT_EQ(a.Size(3), 10);
}

// Cells all of the default size take a shortcut; it must agree with adding the cells one by one.
TEST(GridAxis, UniformLayoutAgreesWithCellByCell)
{
    TGridAxis uniform = axis();
    TGridAxis stored = axis();
    stored.SetSize(2, 30);
    stored.SetSize(2, 20);  // sizes kept per cell, all the default
    for (int fixed : {0, 1, 3, 7}) {
        uniform.Fixed = stored.Fixed = fixed;
        EXPECT_EQ(uniform.FixedExtent(), stored.FixedExtent()) << fixed;
        for (int first = 0; first <= 6; ++first) {
            for (int index = -1; index <= 8; ++index)
                EXPECT_EQ(uniform.Start(index, first), stored.Start(index, first))
                    << fixed << " " << first << " " << index;
            for (int extent : {-5, 0, 1, 20, 21, 22, 63, 200})
                EXPECT_EQ(uniform.PartialCount(first, extent), stored.PartialCount(first, extent))
                    << fixed << " " << first << " " << extent;
        }
    }
}
