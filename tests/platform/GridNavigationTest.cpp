#include "GridTestGrid.h"

namespace {
// 8 columns x 30 rows, one fixed of each; the current cell at (Col, Row).
struct NavCase {
    const char* name;
    TGridOptions extra;
    TGridCoord start;
    WORD key;
    TShiftState shift;
    TGridCoord current;
    TGridRect selection;
};
}  // namespace

TEST(GridNavigation, KeysMoveTheCurrentCell)
{
    const NavCase cases[] = {
        {"down", 0, {2, 2}, VK_DOWN, 0, {2, 3}, {2, 3, 2, 3}},
        {"up stops at the first normal row", 0, {2, 1}, VK_UP, 0, {2, 1}, {2, 1, 2, 1}},
        {"left stops at the first normal column", 0, {1, 2}, VK_LEFT, 0, {1, 2}, {1, 2, 1, 2}},
        {"right stops at the last column", 0, {7, 2}, VK_RIGHT, 0, {7, 2}, {7, 2, 7, 2}},
        {"home", 0, {5, 5}, VK_HOME, 0, {1, 5}, {1, 5, 1, 5}},
        {"end", 0, {5, 5}, VK_END, 0, {7, 5}, {7, 5, 7, 5}},
        {"ctrl home", 0, {5, 5}, VK_HOME, ssCtrl, {1, 1}, {1, 1, 1, 1}},
        {"ctrl end", 0, {5, 5}, VK_END, ssCtrl, {7, 29}, {7, 29, 7, 29}},
        {"page down at the end", 0, {3, 25}, VK_NEXT, 0, {3, 29}, {3, 29, 3, 29}},
        {"page up at the top", 0, {3, 4}, VK_PRIOR, 0, {3, 1}, {3, 1, 3, 1}},
        {"shift extends a range", 0, {2, 2}, VK_DOWN, ssShift, {2, 3}, {2, 2, 2, 3}},
        {"shift without range select moves", ~goRangeSelect, {2, 2}, VK_RIGHT, ssShift, {3, 2}, {3, 2, 3, 2}},
        {"row select: home goes to the first row", goRowSelect, {4, 5}, VK_HOME, 0, {1, 1}, {1, 1, 7, 1}},
        {"row select: end goes to the last row", goRowSelect, {4, 5}, VK_END, 0, {7, 29}, {1, 29, 7, 29}},
        {"row select: right scrolls only", goRowSelect, {2, 5}, VK_RIGHT, 0, {2, 5}, {1, 5, 7, 5}},
        {"tab without goTabs does nothing", 0, {7, 5}, VK_TAB, 0, {7, 5}, {7, 5, 7, 5}},
        {"tab wraps to the next row", goTabs, {7, 5}, VK_TAB, 0, {1, 6}, {1, 6, 1, 6}},
        {"shift tab wraps back", goTabs, {1, 5}, VK_TAB, ssShift, {7, 4}, {7, 4, 7, 4}},
        {"tab stays on the last cell", goTabs, {7, 29}, VK_TAB, 0, {7, 29}, {7, 29, 7, 29}},
    };
    for (const NavCase& c : cases) {
        TestGrid g;
        g.SetColCount(8);
        g.SetRowCount(30);
        if (c.extra == static_cast<TGridOptions>(~goRangeSelect))
            g.SetOptions(g.Options() & ~goRangeSelect);
        else
            g.SetOptions(g.Options() | c.extra);
        g.FocusCell(c.start.X, c.start.Y, true);
        g.Key(c.key, c.shift);
        EXPECT_EQ((TGridCoord{g.Col(), g.Row()}), c.current) << c.name;
        EXPECT_EQ(g.Selection(), c.selection) << c.name;
    }
}

TEST(GridNavigation, PageKeysMoveCellAndViewByAPage)
{
    TestGrid g;
    g.SetRowCount(100);
    const int page = g.VisibleRowCount();
    g.FocusCell(1, 3, true);
    g.Key(VK_NEXT);
    EXPECT_EQ(g.Row(), 3 + page);
    EXPECT_EQ(g.TopRow(), 1 + page);
    g.Key(VK_PRIOR);
    EXPECT_EQ(g.Row(), 3);
    EXPECT_EQ(g.TopRow(), 1);
}

TEST(GridNavigation, SelectCellVetoKeepsTheCurrentCell)
{
    TestGrid g;
    g.refused = {{2, 2}};
    g.FocusCell(2, 1, true);
    g.Key(VK_DOWN);
    EXPECT_EQ(g.Row(), 1);
    g.SetRow(2);
    EXPECT_EQ(g.Row(), 1);
    g.Click(g.CellRect(2, 2).Left + 5, g.CellRect(2, 2).Top + 5);
    EXPECT_EQ(g.Row(), 1);
    // A selection set directly is not asked about.
    g.SetSelection({2, 2, 3, 3});
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(g.Selection(), (TGridRect{2, 2, 3, 3}));
}

TEST(GridMouse, ClickAndDragSelect)
{
    TestGrid g;
    const TRect a = g.CellRect(1, 1);
    const TRect b = g.CellRect(3, 3);
    g.Click(b.Left + 3, b.Top + 3);
    EXPECT_EQ((TGridCoord{g.Col(), g.Row()}), (TGridCoord{3, 3}));
    g.Click(a.Left + 3, a.Top + 3, ssShift);
    EXPECT_EQ(g.Selection(), (TGridRect{1, 1, 3, 3}));
    g.Drag({a.Left + 3, a.Top + 3}, {b.Left + 3, b.Top + 3});
    EXPECT_EQ(g.Selection(), (TGridRect{1, 1, 3, 3}));
    EXPECT_EQ(g.Row(), 3);
    g.Click(g.CellRect(0, 2).Left + 3, g.CellRect(0, 2).Top + 3);  // fixed cells select nothing
    EXPECT_EQ(g.Selection(), (TGridRect{1, 1, 3, 3}));

    g.SetOptions(g.Options() & ~goRangeSelect);
    g.Drag({a.Left + 3, a.Top + 3}, {b.Left + 3, b.Top + 3});
    EXPECT_EQ(g.Selection(), (TGridRect{1, 1, 1, 1}));
}

TEST(GridMouse, SizingColumnsAndRowsOnTheHeaderBorders)
{
    TestGrid g;
    const int border = g.CellRect(1, 0).Right;  // 129
    g.Drag({border + 1, 5}, {border + 31, 5});
    EXPECT_EQ(g.ColWidths(1), 64);  // goColSizing is off
    g.SetOptions(g.Options() | goColSizing | goRowSizing);
    g.MouseMove(0, border + 1, 5);
    EXPECT_EQ(QtAccess::Widget(g)->cursor().shape(), Qt::SizeHorCursor);
    g.MouseMove(0, border + 20, 5);
    EXPECT_EQ(QtAccess::Widget(g)->cursor().shape(), Qt::ArrowCursor);
    g.widthChanges = 0;
    g.Drag({border + 1, 5}, {border + 31, 5});
    EXPECT_EQ(g.ColWidths(1), 94);
    EXPECT_EQ(g.widthChanges, 1);
    EXPECT_EQ(g.Col(), 1);  // no selection happened

    const int bottom = g.CellRect(0, 2).Bottom;
    g.Drag({5, bottom - 2}, {5, bottom + 8});
    EXPECT_EQ(g.RowHeights(2), 34);
    g.Drag({border + 50, 60}, {border + 80, 60});  // not in the fixed row: a selection
    EXPECT_EQ(g.ColWidths(2), 64);
}

TEST(GridMouse, MovingColumnsAndRowsCarriesTheirCells)
{
    TestGrid g;
    for (int c = 0; c < 5; ++c)
        g.SetCells(c, 1, QString::number(c));
    g.SetColWidths(1, 80);
    const TRect from = g.CellRect(1, 0);
    const TRect to = g.CellRect(3, 0);
    g.Drag({from.Left + 5, 5}, {to.Left + 5, 5});
    EXPECT_TRUE(g.columnMoves.empty());  // goColMoving is off
    g.SetOptions(g.Options() | goColMoving | goRowMoving);
    g.Drag({from.Left + 5, 5}, {to.Left + 5, 5});
    ASSERT_EQ(g.columnMoves.size(), 1u);
    EXPECT_EQ(g.columnMoves[0], (std::pair<int, int>{1, 3}));
    EXPECT_EQ(g.Rows(1).Text(), "0\n2\n3\n1\n4\n");
    EXPECT_EQ(g.ColWidths(3), 80);
    EXPECT_EQ(g.Col(), 3);  // the current cell went with its column

    g.SetCells(0, 2, "two");
    g.MoveRow(2, 4);
    EXPECT_EQ(g.Cells(0, 4), "two");
    EXPECT_EQ(g.Cells(3, 3), "");
    EXPECT_EQ(g.Cells(3, 1), "1");
}

TEST(GridMouse, WheelMovesTheCurrentRow)
{
    TestGrid g;
    g.FocusCell(2, 3, true);
    EXPECT_TRUE(g.DoMouseWheelDown(0, {0, 0}));
    EXPECT_EQ(g.Row(), 4);
    EXPECT_TRUE(g.DoMouseWheelDown(0, {0, 0}));
    EXPECT_EQ(g.Row(), 4);  // the last row
    g.FocusCell(2, 1, true);
    EXPECT_TRUE(g.DoMouseWheelUp(0, {0, 0}));
    EXPECT_EQ(g.Row(), 1);
}
