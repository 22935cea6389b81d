// Thumb positions mapped onto rows, scroll hints, proportional thumbs and drag scrolling.
#include "VoGridTestGrid.h"
#include "platform/Forms.h"
#include "platform/Timers.h"

namespace {
// One fixed row and 20 fully visible scrollable rows.
void twentyVisible(VOroDavoduRuzu& g, int rows)
{
    g.SetRowCount(rows);
    g.SetBounds(0, 0, 300, 200);
    const int frame = g.Height() - g.ClientHeight();
    g.SetBounds(0, 0, 300, frame + g.RowHeights(0) + 1 + 20 * (g.RowHeights(1) + 1));
}

void thumb(VOroDavoduRuzu& g, int code, int pos)
{
    g.Perform(WM_VSCROLL, MAKEWPARAM(code, pos), 0);
}
}  // namespace

TEST(VoGridScroll, ThumbPositionsMapOntoRowsAtAnySize)
{
    RecordingGrid g;
    twentyVisible(g, 100001);
    ASSERT_EQ(g.VisibleRowCount(), 20);
    g.ScrollSynch = true;
    const std::pair<int, int> cases[] = {{0, 1}, {1, 788}, {64, 50385}, {127, 99981}};
    for (auto [pos, row] : cases) {
        EXPECT_EQ(g.ScrollTargetIndex(true, pos), row) << pos;
        thumb(g, SB_THUMBTRACK, pos);
        EXPECT_EQ(g.TopRow(), row) << pos;
    }
}

TEST(VoGridScroll, ThumbHintNamesTheTargetRow)
{
    RecordingGrid g;
    twentyVisible(g, 101);
    g.ScrollHints = shVertical;
    QStringList hints;
    g.OnScrollHint = [&](TObject*, int row, QString& text) {
        hints << text;
        if (row == 1)
            text = QStringLiteral("first");
    };
    thumb(g, SB_THUMBTRACK, 127);
    EXPECT_EQ(hints, QStringList{"Row : 81"});
    EXPECT_TRUE(g.ScrollHintShowing());
    thumb(g, SB_ENDSCROLL, 0);
    EXPECT_FALSE(g.ScrollHintShowing());
    g.Perform(WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 10), 0);  // no hints on the horizontal bar
    EXPECT_EQ(hints.size(), 1);
}

TEST(VoGridScroll, ProportionalThumbShowsTheVisibleShare)
{
    RecordingGrid g;
    g.SetScrollBars(ssBoth);
    twentyVisible(g, 101);
    g.ScrollProportional = true;
    g.UpdateProportionalVScroll();
    TScrollInfo info;
    info.fMask = SIF_ALL;
    g.GetScrollInfo(SB_VERT, info);
    EXPECT_GT(info.nMax, 127);
    EXPECT_EQ(static_cast<int>(info.nPage), info.nMax - 126);

    RecordingGrid fits;
    fits.SetScrollBars(ssBoth);
    twentyVisible(fits, 10);
    fits.ScrollProportional = true;
    TScrollInfo before;
    before.fMask = SIF_ALL;
    fits.GetScrollInfo(SB_VERT, before);
    fits.UpdateProportionalVScroll();
    TScrollInfo after;
    after.fMask = SIF_ALL;
    fits.GetScrollInfo(SB_VERT, after);
    EXPECT_EQ(after.nMax, before.nMax);
    EXPECT_EQ(after.nPage, before.nPage);
}

TEST(VoGridScroll, DraggingNearAnEdgeScrollsOneRowPerTick)
{
    RecordingGrid g;
    twentyVisible(g, 101);
    g.SetTopRow(10);
    g.DragScrollOver(100, 10, dsDragEnter);
    EXPECT_EQ(g.DragScrollTimer(), nullptr);  // not active
    g.DragScrollOptions().Active = true;
    g.DragScrollOver(100, 10, dsDragEnter);
    ASSERT_NE(g.DragScrollTimer(), nullptr);
    EXPECT_EQ(g.DragScrollTimer()->Interval(), 1000u);
    ASSERT_TRUE(FireTimer(*g.DragScrollTimer()));
    EXPECT_EQ(g.TopRow(), 9);
    EXPECT_EQ(g.DragScrollTimer()->Interval(), 250u);
    g.DragScrollOver(100, 12, dsDragMove);  // still in the margin: the first delay again
    EXPECT_EQ(g.DragScrollTimer()->Interval(), 1000u);

    bool allow = false;
    g.OnDragScroll = [&](TObject*, int, int, TDragScrollDirections& d, bool& can) {
        EXPECT_EQ(d, dsdUp);
        can = allow;
    };
    ASSERT_TRUE(FireTimer(*g.DragScrollTimer()));
    EXPECT_EQ(g.TopRow(), 9);
    g.DragScrollOver(100, 200, dsDragMove);  // away from the margins
    EXPECT_EQ(g.DragScrollTimer(), nullptr);
    g.DragScrollOver(100, 500, dsDragMove);  // bottom margin
    allow = true;
    g.OnDragScroll = nullptr;
    ASSERT_TRUE(FireTimer(*g.DragScrollTimer()));
    EXPECT_EQ(g.TopRow(), 10);
    g.DragScrollOver(100, 500, dsDragLeave);
    EXPECT_EQ(g.DragScrollTimer(), nullptr);
}

TEST(VoGridScroll, MetroStyleSwapsTheScrollBarsForSlimControls)
{
    TForm form(nullptr);
    auto* g = new RecordingGrid(&form);
    g->SetParent(&form);
    g->SetScrollType(ssMetro);
    ASSERT_NE(g->VScrollControl(), nullptr);
    EXPECT_EQ(g->VScrollControl()->Width(), 6);
    EXPECT_EQ(g->VScrollControl()->Parent(), g);
    EXPECT_EQ(g->ScrollBars(), ssNone);
    g->SetScrollType(ssNormal);
    EXPECT_EQ(g->VScrollControl(), nullptr);
    EXPECT_EQ(g->ScrollBars(), ssBoth);
}

// The search bar covers the bottom of the grid: a row made current and the last row at the end of the
// scroll range end above it, and nothing is reserved once it is closed.
TEST(VoGridScroll, RowsComeIntoViewAboveTheSearchBar)
{
    TForm form(nullptr);
    RecordingGrid& g = *new RecordingGrid(&form);
    g.SetParent(&form);
    twentyVisible(g, 31);
    g.SearchFooter().SetVisible(true);
    ASSERT_GT(g.SearchPanel()->Height(), g.RowHeights(1));
    const int barTop = g.ClientHeight() - g.SearchPanel()->Height() + 2;
    g.SetRow(20);  // in the view, under the bar
    EXPECT_LE(g.CellRect(1, 20).Bottom, barTop);
    EXPECT_GT(g.TopRow(), 1);
    g.SetRow(30);
    EXPECT_TRUE(g.IsLastRowAboveSearchPanel());
    EXPECT_LE(g.CellRect(1, 30).Bottom, barTop);

    g.SetTopRow(5);
    EXPECT_FALSE(g.IsLastRowAboveSearchPanel());
    g.ScrollLastRowAboveSearchPanel();
    EXPECT_TRUE(g.IsLastRowAboveSearchPanel());

    g.SearchFooter().SetVisible(false);
    g.SetTopRow(30);
    EXPECT_EQ(g.TopRow(), 11);  // the last row at the bottom edge again
}
