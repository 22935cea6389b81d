#include "GridTestGrid.h"

#include <cmath>

namespace {
int mulDiv(long long a, long long b, long long c)
{
    return static_cast<int>(std::llround(static_cast<double>(a) * static_cast<double>(b) / static_cast<double>(c)));
}

TScrollInfo info(UINT mask, int min = 0, int max = 0, UINT page = 0, int pos = 0)
{
    TScrollInfo si;
    si.fMask = mask;
    si.nMin = min;
    si.nMax = max;
    si.nPage = page;
    si.nPos = pos;
    return si;
}

TScrollInfo read(const TCustomGrid& g, int bar)
{
    TScrollInfo si = info(SIF_ALL);
    EXPECT_TRUE(g.GetScrollInfo(bar, si));
    return si;
}
}  // namespace

TEST(GridScroll, ScrollInfoRoundTrips)
{
    TestGrid g;
    g.SetRowCount(101);
    TScrollInfo si = read(g, SB_VERT);
    EXPECT_EQ(si.nMin, 0);
    EXPECT_EQ(si.nMax, 127);
    EXPECT_EQ(si.nPage, 0u);
    EXPECT_EQ(si.nPos, 0);

    struct Case {
        TScrollInfo set;
        int min, max;
        UINT page;
        int pos;
    } cases[] = {
        {info(SIF_RANGE | SIF_PAGE | SIF_POS, 0, 1000, 100, 500), 0, 1000, 100, 500},
        {info(SIF_POS, 0, 0, 0, 5000), 0, 1000, 100, 901},  // the last position is max - page + 1
        {info(SIF_PAGE, 0, 0, 5000), 0, 1000, 1001, 0},     // a page at most the whole range
        {info(SIF_RANGE | SIF_PAGE | SIF_POS, -50, 50, 0, -60), -50, 50, 0, -50},
        {info(SIF_RANGE, 10, 5), 10, 10, 0, 10},
    };
    for (const Case& c : cases) {
        g.SetScrollInfo(SB_VERT, c.set, true);
        si = read(g, SB_VERT);
        EXPECT_EQ(si.nMin, c.min) << c.set.fMask;
        EXPECT_EQ(si.nMax, c.max) << c.set.fMask;
        EXPECT_EQ(si.nPage, c.page) << c.set.fMask;
        EXPECT_EQ(si.nPos, c.pos) << c.set.fMask;
        EXPECT_EQ(si.nTrackPos, c.pos) << c.set.fMask;
    }
    EXPECT_EQ(g.TopRow(), 1) << "a position set by a caller does not scroll";

    // Only the named parts are read; a bar that is none of the grid's answers nothing.
    TScrollInfo part = info(SIF_PAGE, 7, 7, 0, 7);
    EXPECT_TRUE(g.GetScrollInfo(SB_VERT, part));
    EXPECT_EQ(part.nMin, 7);
    EXPECT_EQ(part.nPos, 7);
    EXPECT_FALSE(g.GetScrollInfo(SB_CTL, part));
    EXPECT_FALSE(g.GetScrollInfo(SB_VERT, si = info(0)));
    EXPECT_EQ(g.SetScrollInfo(SB_BOTH, info(SIF_POS, 0, 0, 0, 3), true), 0);
    EXPECT_EQ(read(g, SB_HORZ).nMax, 127);
}

// A range without a position takes the grid's row mapped onto it; the proportional page keeps 128 positions.
TEST(GridScroll, CallerRangeDrivesScrollMessages)
{
    TestGrid g;
    g.SetRowCount(100001);
    const int max = 100001 - g.VisibleRowCount();
    g.SetTopRow(max);
    EXPECT_EQ(g.SetScrollInfo(SB_VERT, info(SIF_RANGE | SIF_PAGE, 0, 1000, 1), true), 1000);

    struct Case {
        int min, max;
        UINT page;
        int code, pos, top;
    } cases[] = {
        {0, 1000, 1, SB_THUMBPOSITION, 0, 1},
        {0, 1000, 1, SB_THUMBPOSITION, 1000, max},
        {0, 1000, 1, SB_THUMBPOSITION, 500, 1 + mulDiv(500, max - 1, 1000)},
        {0, 1000, 1, SB_LINEDOWN, 0, 2 + mulDiv(500, max - 1, 1000)},
        {100, 227, 0, SB_THUMBPOSITION, 227, max},
        {100, 227, 0, SB_THUMBPOSITION, 100, 1},
        {0, 1397, 1271, SB_THUMBPOSITION, 127, max},  // page = max - 126: positions 0 .. 127
        {0, 1397, 1271, SB_THUMBPOSITION, 64, 1 + mulDiv(64, max - 1, 127)},
        {0, 1397, 1271, SB_BOTTOM, 0, max},
    };
    for (const Case& c : cases) {
        g.SetScrollInfo(SB_VERT, info(SIF_RANGE | SIF_PAGE, c.min, c.max, c.page), true);
        g.Perform(WM_VSCROLL, MAKEWPARAM(c.code, c.pos), 0);
        EXPECT_EQ(g.TopRow(), c.top) << c.max << " code " << c.code << " pos " << c.pos;
        EXPECT_EQ(read(g, SB_VERT).nPos,
                  c.min + mulDiv(g.TopRow() - 1, c.max - c.min - std::max<int>(c.page, 1) + 1, max - 1));
    }

    // Past 16 bits the message cannot carry the position: the bar's track position counts.
    g.SetScrollInfo(SB_VERT, info(SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100000, 1, 75000), true);
    g.Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 75000), 0);
    EXPECT_EQ(g.TopRow(), 1 + mulDiv(75000, max - 1, 100000));
}

TEST(GridScroll, ForcedAndDisabledBarsHold)
{
    TestGrid g;  // everything fits
    EXPECT_FALSE(g.ScrollBarShown(SB_VERT));
    EXPECT_FALSE(g.ScrollBarShown(SB_HORZ));
    EXPECT_TRUE(g.ShowScrollBar(SB_BOTH, true));
    EXPECT_TRUE(g.EnableScrollBar(SB_BOTH, ESB_DISABLE_BOTH));
    EXPECT_FALSE(g.EnableScrollBar(SB_VERT, ESB_DISABLE_BOTH)) << "already disabled";
    EXPECT_FALSE(g.EnableScrollBar(SB_VERT, 1)) << "one arrow alone is not supported";
    EXPECT_FALSE(g.ShowScrollBar(SB_CTL, true));

    // The grid's own updates keep them: counts, sizes, scroll style.
    g.SetRowCount(3);
    g.SetBounds(0, 0, 420, 260);
    g.SetScrollBars(ssNone);
    for (int bar : {SB_VERT, SB_HORZ}) {
        EXPECT_TRUE(g.ScrollBarShown(bar));
        EXPECT_FALSE(g.ScrollBarEnabled(bar));
    }
    EXPECT_EQ(g.ClientWidth(), 420 - 17);
    EXPECT_EQ(g.ClientHeight(), 260 - 17);
    EXPECT_EQ(read(g, SB_VERT).nPos, 0);

    // Released bars go back to the grid's rule: shown while needed.
    g.SetScrollBars(ssBoth);
    g.SetRowCount(100);
    EXPECT_TRUE(g.EnableScrollBar(SB_BOTH, ESB_ENABLE_BOTH));
    g.ShowScrollBar(SB_BOTH, false);
    EXPECT_TRUE(g.ScrollBarShown(SB_VERT));
    EXPECT_TRUE(g.ScrollBarEnabled(SB_VERT));
    EXPECT_FALSE(g.ScrollBarShown(SB_HORZ));
    EXPECT_EQ(g.ClientHeight(), 260);
}
