#include "GridTestGrid.h"

#include <QScrollBar>
#include <QWidget>
#include <cmath>

namespace {
int mulDiv(int a, int b, int c)
{
    return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}
}  // namespace

// Default grid: 5 x 5 cells of 64 x 24 with 1-pixel lines, one fixed row and column.
TEST(GridLayout, DefaultsAndCellGeometry)
{
    TestGrid g;
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_EQ(g.RowCount(), 5);
    EXPECT_EQ(g.FixedCols(), 1);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.DefaultColWidth(), 64);
    EXPECT_EQ(g.DefaultRowHeight(), 24);
    EXPECT_EQ(g.Col(), 1);
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.CellRect(0, 0), Rect(0, 0, 64, 24));
    EXPECT_EQ(g.CellRect(2, 1), Rect(130, 25, 194, 49));

    g.SetColWidths(1, 100);
    g.SetGridLineWidth(3);
    EXPECT_EQ(g.CellRect(2, 1), Rect(170, 27, 234, 51));
    struct Case {
        int x, y, col, row;
    } cases[] = {{0, 0, 0, 0},    {66, 26, 0, 0},    {67, 27, 1, 1},   {169, 27, 1, 1},
                 {170, 27, 2, 1}, {399, 10, -1, -1}, {10, 249, -1, -1}};
    for (const Case& c : cases) {
        EXPECT_EQ(g.MouseCoord(c.x, c.y), (TGridCoord{c.col, c.row})) << c.x << "," << c.y;
        int col = 0, row = 0;
        g.MouseToCell(c.x, c.y, col, row);
        EXPECT_EQ(col, c.col);
    }

    // Without vertical lines no space is left between columns.
    g.SetOptions(g.Options() & ~goVertLine);
    EXPECT_EQ(g.CellRect(2, 1).Left, 164);
}

TEST(GridLayout, CountsClampFixedCellsAndCurrentCell)
{
    TestGrid g;
    g.SetColCount(10);
    g.SetRowCount(10);
    g.FocusCell(8, 9, true);
    g.SetRowCount(4);
    EXPECT_EQ(g.Row(), 3);
    g.SetFixedRows(7);  // at most RowCount - 1
    EXPECT_EQ(g.FixedRows(), 3);
    g.SetColCount(1);
    EXPECT_EQ(g.FixedCols(), 0);
    EXPECT_EQ(g.Col(), 0);
    g.SetRowCount(0);
    EXPECT_EQ(g.RowCount(), 1);
}

TEST(GridLayout, ScrollingKeepsTheViewFilled)
{
    TestGrid g;
    g.SetRowCount(100);
    g.SetColCount(20);
    const int rows = g.VisibleRowCount();
    const int cols = g.VisibleColCount();
    EXPECT_GT(rows, 3);
    EXPECT_GT(cols, 2);
    g.SetTopRow(1000);
    EXPECT_EQ(g.TopRow(), 100 - rows);
    EXPECT_EQ(g.topLeftChanges, 1);
    g.SetTopRow(0);  // never into the fixed rows
    EXPECT_EQ(g.TopRow(), 1);
    EXPECT_TRUE(g.CellRect(1, 50).IsEmpty());

    g.FocusCell(19, 60, true);  // the current cell is scrolled into view
    EXPECT_EQ(g.LeftCol(), 20 - cols);
    EXPECT_EQ(g.TopRow() + rows - 1, 60);
    EXPECT_FALSE(g.CellRect(19, 60).IsEmpty());
}

// The rows map onto scroll positions 0 .. 127, for a scroll bar and for WM_VSCROLL.
TEST(GridLayout, ScrollPositionsOfManyRows)
{
    TestGrid g;
    g.SetRowCount(100001);
    const int max = 100001 - g.VisibleRowCount();
    QScrollBar* bar = nullptr;
    for (QScrollBar* b : QtAccess::Widget(g)->findChildren<QScrollBar*>())
        if (b->orientation() == Qt::Vertical)
            bar = b;
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisibleTo(QtAccess::Widget(g)));
    EXPECT_EQ(bar->maximum(), 127);

    struct Case {
        int code, pos, top;
    } cases[] = {
        {SB_BOTTOM, 0, max},
        {SB_TOP, 0, 1},
        {SB_LINEDOWN, 0, 2},
        {SB_PAGEDOWN, 0, 2 + g.VisibleRowCount()},
        {SB_THUMBPOSITION, 127, max},
        {SB_THUMBPOSITION, 64, 1 + mulDiv(64, max - 1, 127)},
        {SB_THUMBTRACK, 0, 1 + mulDiv(64, max - 1, 127)},  // no thumb tracking: ignored
        {SB_PAGEUP, 0, 1 + mulDiv(64, max - 1, 127) - g.VisibleRowCount()},
    };
    for (const Case& c : cases) {
        g.Perform(WM_VSCROLL, MAKEWPARAM(c.code, c.pos), 0);
        EXPECT_EQ(g.TopRow(), c.top) << "code " << c.code << " pos " << c.pos;
    }
    g.SetOptions(g.Options() | goThumbTracking);
    g.Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), 0);
    EXPECT_EQ(g.TopRow(), 1);

    g.SetTopRow(max / 2);
    EXPECT_EQ(bar->value(), mulDiv(max / 2 - 1, 127, max - 1));
    g.SetTopRow(max);
    EXPECT_EQ(bar->value(), 127);
}

TEST(GridLayout, ScrollBarsTakeClientSpaceOnlyWhenNeeded)
{
    TestGrid g;
    EXPECT_EQ(g.ClientWidth(), 400);
    EXPECT_EQ(g.ClientHeight(), 250);
    g.SetRowCount(50);
    EXPECT_EQ(g.ClientWidth(), 383);
    EXPECT_EQ(g.ClientHeight(), 250);
    g.SetScrollBars(ssNone);
    EXPECT_EQ(g.ClientWidth(), 400);
    g.SetScrollBars(ssBoth);
    g.SetColCount(20);
    EXPECT_EQ(g.ClientHeight(), 233);
}

TEST(GridStore, CellsRowsAndColsFollowTheCounts)
{
    TestGrid g;
    TObject object;
    g.SetCells(4, 4, "corner");
    g.SetObjects(2, 3, &object);
    g.SetCells(9, 9, "outside");  // ignored
    EXPECT_EQ(g.Cells(9, 9), "");
    TStringList row = g.Rows(3);
    EXPECT_EQ(row.Count(), 5);
    EXPECT_EQ(row.Objects(2), &object);

    TStringList list;
    list.SetText("a\nb\nc\nd\ne\nf");
    g.SetCols(1, list);  // extra lines are dropped
    EXPECT_EQ(g.Cols(1).Text(), "a\nb\nc\nd\ne\n");
    g.SetRows(0, list);
    EXPECT_EQ(g.Cells(4, 0), "e");

    g.SetRowCount(4);
    g.SetColCount(4);
    g.SetRowCount(5);
    g.SetColCount(5);
    EXPECT_EQ(g.Cells(4, 4), "");
    EXPECT_EQ(g.Cells(1, 4), "");
    EXPECT_EQ(g.Cells(1, 3), "d");
}
