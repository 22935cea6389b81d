#include "grid/base/BaseGrid/BaseGrid.h"

#include <gtest/gtest.h>

#include "grid/base/REdaReviZizod.h"
#include "platform/Messages.h"

namespace {

// Exposes the key handling and counts text-change notifications.
class TestGrid : public TBaseGrid {
public:
    TestGrid() : TBaseGrid(nullptr)
    {
        SetColCount(6);
        SetRowCount(6);
    }
    void Key(WORD key) { KeyDown(key, 0); }
    void CellTextChanged(int, int) override { ++textChanges; }
    bool OwnsGraphicObject(const TObject*) const override { return ownGraphics; }
    int textChanges = 0;
    bool ownGraphics = false;
};

struct Tracked : TObject {
    explicit Tracked(bool& freed) : freed_(freed) {}
    ~Tracked() override { freed_ = true; }
    bool& freed_;
};

}  // namespace

TEST(BaseGridMerge, MergeReadWriteAndQueries)
{
    TestGrid g;
    g.SetGridCell(1, 1, "base");
    g.MergeCells(1, 1, 3, 2);
    EXPECT_EQ(g.MergeCount(), 1);
    const TCellProperties* base = g.GetCellProperties(1, 1);
    EXPECT_TRUE(base->IsBaseCell);
    EXPECT_EQ(base->CellSpanX, 2);
    EXPECT_EQ(base->CellSpanY, 1);
    const TCellProperties* last = g.GetCellProperties(3, 2);
    EXPECT_FALSE(last->IsBaseCell);
    EXPECT_EQ(last->CellSpanX, 2);
    EXPECT_EQ(last->CellSpanY, 1);

    const struct {
        int c, r;
        TPoint base, span, ext;
        bool merged, nonBase;
    } cells[] = {
        {1, 1, {1, 1}, {2, 1}, {2, 1}, true, false},
        {2, 1, {1, 1}, {2, 1}, {1, 1}, true, true},
        {3, 2, {1, 1}, {2, 1}, {0, 0}, true, true},
        {4, 2, {4, 2}, {0, 0}, {0, 0}, false, false},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(testing::Message() << c.c << "," << c.r);
        EXPECT_EQ(g.BaseCell(c.c, c.r), c.base);
        EXPECT_EQ(g.CellSpan(c.c, c.r), c.span);
        EXPECT_EQ(g.CellExt(c.c, c.r), c.ext);
        EXPECT_EQ(g.IsMergedCell(c.c, c.r), c.merged);
        EXPECT_EQ(g.IsMergedNonBaseCell(c.c, c.r), c.nonBase);
        EXPECT_EQ(g.IsXMergedCell(c.c, c.r), c.merged);
        EXPECT_EQ(g.IsYMergedCell(c.c, c.r), c.merged);
    }
    EXPECT_EQ(g.FullCell(3, 2), Rect(1, 1, 3, 2));

    EXPECT_EQ(g.GetCellEx(3, 2), "base");
    g.SetCellEx(2, 2, "new");
    EXPECT_EQ(g.GetGridCell(1, 1), "new");
    EXPECT_EQ(g.GetGridCell(2, 2), "");
    EXPECT_EQ(g.textChanges, 1);

    int bc = 0;
    int br = 0;
    EXPECT_FALSE(g.FindBaseCell(3, 2, bc, br));
    EXPECT_EQ(TPoint(bc, br), TPoint(1, 1));
    EXPECT_TRUE(g.FindBaseCell(5, 5, bc, br));
    EXPECT_EQ(TPoint(bc, br), TPoint(5, 5));
}

TEST(BaseGridMerge, SingleCellMergeAndSplit)
{
    TestGrid g;
    g.MergeCells(2, 2, 1, 1);
    EXPECT_FALSE(g.IsMergedCell(2, 2));
    EXPECT_EQ(g.CellSpan(2, 2), TPoint(0, 0));

    g.MergeCells(1, 3, 2, 2);
    g.SplitCells(2, 4);  // any cell of the area
    for (int c = 1; c <= 2; ++c) {
        for (int r = 3; r <= 4; ++r) {
            const TCellProperties* p = g.GetCellProperties(c, r);
            EXPECT_TRUE(p->IsBaseCell);
            EXPECT_EQ(p->CellSpanX, -1);
            EXPECT_EQ(p->CellSpanY, -1);
        }
    }
    EXPECT_EQ(g.MergeCount(), 1);
    g.SplitCells(5, 5);  // unmerged: no cell changes, the count still drops
    EXPECT_EQ(g.MergeCount(), 0);
}

TEST(BaseGridMerge, SpanIdentity)
{
    TestGrid g;
    EXPECT_FALSE(g.RowSpanIdentical(1, 2));
    EXPECT_FALSE(g.ColSpanIdentical(1, 2));
    g.MergeCells(1, 1, 1, 3);  // vertical area in column 1, rows 1-3
    EXPECT_TRUE(g.RowSpanIdentical(1, 3));
    g.MergeCells(2, 4, 1, 2);  // rows 4-5 in column 2
    EXPECT_FALSE(g.RowSpanIdentical(1, 4));
    EXPECT_EQ(g.MinRowSpan(1), 2);
    EXPECT_EQ(g.MaxRowSpan(1), 2);
    EXPECT_EQ(g.MinRowSpan(0), g.RowCount());

    TestGrid h;
    h.MergeCells(1, 1, 3, 1);
    EXPECT_TRUE(h.ColSpanIdentical(1, 3));
    h.MergeCells(4, 2, 2, 1);
    EXPECT_FALSE(h.ColSpanIdentical(3, 4));  // row 1: an area in column 3 only
}

TEST(BaseGridText, DisplayHooks)
{
    TestGrid g;
    g.SetGridCell(1, 1, "AB");
    g.SetGridCell(1, 4, "raw");
    g.NormalRowCount = 3;
    g.OnGetDisplText = [](TObject*, int, int, QString& v) { v += "!"; };
    EXPECT_EQ(g.GetCellEx(1, 1), "AB!");
    EXPECT_EQ(g.GetCellEx(1, 4), "raw");  // at or above NormalRowCount: no hooks

    g.OnGetDisplText = nullptr;
    g.OnGetDisplWideText = [](TObject*, int, int, QString&) {};
    EXPECT_EQ(g.GetCellEx(1, 1), QStringLiteral("|\\") + QChar(0) + "A" + QChar(0) + "B");
    EXPECT_EQ(g.GetCellEx(2, 2), "|\\");

    // The empty cell reads as non-empty, so no blank is written around the object.
    TObject obj;
    g.SetObjectEx(2, 2, &obj);
    EXPECT_EQ(g.textChanges, 0);
    EXPECT_EQ(g.GetObjectEx(2, 2), &obj);
}

TEST(BaseGridText, ObjectOnEmptyCellKeepsItEmpty)
{
    TestGrid g;
    TObject obj;
    g.SetObjectEx(3, 3, &obj);
    EXPECT_EQ(g.GetGridCell(3, 3), "");
    EXPECT_EQ(g.GetObjectEx(3, 3), &obj);
    EXPECT_EQ(g.textChanges, 1);  // the blank written back to empty
    EXPECT_EQ(g.GetObjectEx(4, 4), nullptr);
    EXPECT_FALSE(g.HasCellProperties(4, 4));  // reading creates nothing
}

TEST(BaseGridProps, CreationAndFreeing)
{
    TestGrid g;
    g.WordWrap = false;
    g.SetColor(clRed);
    const TCellProperties* p = g.GetCellProperties(1, 2);
    EXPECT_TRUE(g.HasCellProps);
    EXPECT_EQ(p->OwnerCol, 1);
    EXPECT_EQ(p->OwnerRow, 2);
    EXPECT_EQ(p->BrushColor(), clRed);
    EXPECT_EQ(p->BrushColorTo(), clNone);
    EXPECT_FALSE(p->WordWrap());
    EXPECT_EQ(p->FontName, g.Font().Name());
    EXPECT_THROW(g.GetCellProperties(9, 0), REdaReviZizod);

    bool owned = false;
    bool foreign = false;
    g.ownGraphics = true;
    g.SetGraphicObjectEx(1, 1, new Tracked(owned));
    g.FreeCellPropsRect(0, 0, 5, 5);
    EXPECT_TRUE(owned);
    EXPECT_FALSE(g.HasCellProperties(1, 1));

    Tracked mine(foreign);
    g.ownGraphics = false;
    g.SetGraphicObjectEx(2, 2, &mine);
    g.FreeAllCellProps();
    EXPECT_FALSE(foreign);
}

TEST(BaseGridKeys, ArrowsJumpOverMergedAreas)
{
    TestGrid g;
    g.MergeCells(1, 1, 3, 1);
    g.SetCol(1);
    g.SetRow(1);
    g.Key(VK_RIGHT);
    EXPECT_EQ(g.Col(), 4);
    g.SetCol(4);
    g.Key(VK_LEFT);
    EXPECT_EQ(g.Col(), 1);  // lands on the area's base cell

    g.MergeCells(4, 2, 2, 1);
    g.SetCol(3);
    g.SetRow(2);
    g.Key(VK_RIGHT);
    EXPECT_EQ(g.Col(), 4);
    g.Key(VK_RIGHT);
    EXPECT_EQ(g.Col(), 4);  // the area reaches the last column: nowhere to go
}

TEST(BaseGridGeometry, CellRectCoversMergedArea)
{
    TestGrid g;
    g.SetDefaultColWidth(20);
    g.SetDefaultRowHeight(10);
    g.MergeCells(1, 1, 2, 3);
    EXPECT_EQ(g.CalcCellRect(2, 3), Rect(40, 30, 60, 40));
    EXPECT_EQ(g.CellSize(2, 2), TPoint(40, 30));
    g.SetBounds(0, 0, 200, 200);
    EXPECT_EQ(g.CellRect(2, 2), Rect(20, 10, 60, 40));
}
