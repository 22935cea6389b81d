#include "grid/VoSearch/VoFindMatch.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "grid/base/LocaleGuard.h"

TEST(VoFindMatch, CellMatchesUnderFlags)
{
    LocaleGuard g(LocaleGuard::English());
    const struct {
        const char* cell;
        const char* search;
        TFindParams params;
        bool match;
    } cases[] = {
        {"Hello", "ell", 0, true},
        {"Hello", "ELL", 0, true},
        {"Hello", "ELL", fnMatchCase, false},
        {"Hello", "ell", fnMatchStart, false},
        {"Hello", "he", fnMatchStart, true},
        {"Hello", "hello", fnMatchFull, true},
        {"Hello", "hell", fnMatchFull, false},
        {"Hello", "hello", fnMatchFull | fnMatchCase, false},
        {"", "\"\"", 0, true},
        {"x", "\"\"", 0, false},
        {"x", "", 0, false},
        {"abc", "A*", fnMatchRegular, true},
        {"abc", "A*", fnMatchRegular | fnMatchCase, false},
        {"15", ">=10&<20", fnMatchRegular, true},
        {"25", ">=10&<20", fnMatchRegular, false},
        {"<b>ab</b>c", "abc", fnIgnoreHTMLTags, true},
        {"<b>ab</b>c", "abc", 0, false},
    };
    for (const auto& c : cases) {
        const QString search = FindSearchText(c.search, c.params);
        EXPECT_EQ(FindCellMatches(c.cell, search, c.params), c.match) << c.cell << " / " << c.search;
    }
}

namespace {

// A 3 x 3 table of texts, indexed [row][col].
struct Table {
    QStringList cells[3];
    bool matches(int col, int row, const QString& text) const { return cells[row][col].contains(text); }
};

TFindArea wholeTable()
{
    TFindArea a;
    a.FirstCol = 0;
    a.LastCol = 2;
    a.FirstRow = 0;
    a.LastRow = 2;
    return a;
}

std::vector<TPoint> allHits(const TFindArea& area, TFindParams params, const std::function<bool(int, int)>& test)
{
    std::vector<TPoint> hits;
    for (TPoint p = FindCell(area, {-1, -1}, params, test); p.X >= 0 && hits.size() < 20;
         p = FindCell(area, p, params, test))
        hits.push_back(p);
    return hits;
}

}  // namespace

TEST(VoFindMatch, VisitingOrder)
{
    Table t{{{"", "", ""}, {"", "", "x"}, {"", "x", ""}}};
    const auto test = [&t](int c, int r) { return t.matches(c, r, "x"); };
    // Row by row: (2, 1) before (1, 2); column by column: after.
    EXPECT_EQ(allHits(wholeTable(), fnDirectionLeftRight, test), (std::vector<TPoint>{{2, 1}, {1, 2}}));
    EXPECT_EQ(allHits(wholeTable(), 0, test), (std::vector<TPoint>{{1, 2}, {2, 1}}));
    EXPECT_EQ(allHits(wholeTable(), fnBackward, test), (std::vector<TPoint>{{2, 1}, {1, 2}}));
    // No start over after the last hit.
    EXPECT_EQ(FindCell(wholeTable(), {1, 2}, fnDirectionLeftRight, test), (TPoint{-1, -1}));
    TFindArea skipping = wholeTable();
    skipping.IgnoreColumn = [](int col) { return col == 2; };
    EXPECT_EQ(allHits(skipping, fnDirectionLeftRight, test), (std::vector<TPoint>{{1, 2}}));
    TFindArea empty = wholeTable();
    empty.LastRow = -1;
    EXPECT_EQ(FindCell(empty, {-1, -1}, 0, test), (TPoint{-1, -1}));
}

TEST(VoFindMatch, RestrictedSearchMovesPastItsHits)
{
    // Every cell matches: a continued search inside one row or column still ends.
    const auto always = [](int, int) { return true; };
    TFindArea a = wholeTable();
    a.Current = {1, 1};
    a.Preset = {2, 0};
    const struct {
        TFindParams params;
        std::vector<TPoint> hits;
    } cases[] = {
        {fnFindInCurrentCol | fnDirectionLeftRight, {{1, 0}, {1, 1}, {1, 2}}},
        {fnFindInCurrentCol, {{1, 0}, {1, 1}, {1, 2}}},
        {fnFindInCurrentRow, {{0, 1}, {1, 1}, {2, 1}}},
        {fnFindInCurrentRow | fnDirectionLeftRight, {{0, 1}, {1, 1}, {2, 1}}},
        {fnFindInPresetCol | fnBackward, {{2, 2}, {2, 1}, {2, 0}}},
        {fnFindInPresetRow | fnFindInPresetCol, {{2, 0}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(allHits(a, c.params, always), c.hits) << c.params;
}

TEST(VoFindMatch, ReplaceHonoursCase)
{
    EXPECT_EQ(ReplaceFoundText("xX", "x", "y", true), "yX");
    EXPECT_EQ(ReplaceFoundText("xX", "x", "y", false), "yy");
    EXPECT_EQ(ReplaceFoundText("abc", "", "y", false), "abc");
}
