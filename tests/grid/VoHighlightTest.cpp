#include "grid/VoSearch/VoHighlight.h"

#include <gtest/gtest.h>

TEST(VoHighlight, TagsAndUntags) {
    const struct {
        const char* s;
        const char* text;
        bool doCase;
        const char* tagged;
    } cases[] = {
        {"abc", "ab", false, "<hi>ab</hi>c"},
        {"abcAB", "ab", false, "<hi>ab</hi>c<hi>AB</hi>"},
        {"abcAB", "ab", true, "<hi>ab</hi>cAB"},
        {"aaa", "aa", false, "<hi>aa</hi>a"},
        {"<b>ab</b>c", "b", false, "<b>a<hi>b</hi></b>c"},  // not inside the tag name
        {"abc", "", false, "abc"},
        {"abc", "x", false, "abc"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HilightText(c.doCase, c.s, c.text), c.tagged) << c.s;
        EXPECT_EQ(UnHilightText(c.tagged), c.s) << c.s;
    }
    EXPECT_EQ(MarkText(false, "abc", "b"), "a<e>b</e>c");
    EXPECT_EQ(UnMarkText("a<E>b</e>c<hi>d</hi>"), "abc<hi>d</hi>");
}

TEST(VoHighlight, CellTextKeepsAmpersands) {
    const QString tagged = TagCellText("a&b", "b", QStringLiteral("hi"), false);
    EXPECT_EQ(tagged, "a&amp;<hi>b</hi>");
    EXPECT_EQ(UntagCellText(tagged, QStringLiteral("hi")), "a&b");
    EXPECT_EQ(TagCellText("x<y", "<", QStringLiteral("e"), true), "x<e>&lt;</e>y");
}
