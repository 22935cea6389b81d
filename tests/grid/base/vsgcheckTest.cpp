#include "grid/base/vsgcheck.h"

#include <gtest/gtest.h>

namespace {

// A checker that knows one misspelt word.
class TOneWordCheck : public VOroDavoduRuzuCheck {
public:
    using VOroDavoduRuzuCheck::VOroDavoduRuzuCheck;
    QString Correct(int, int, const QString& text) override { return QString(text).replace("teh", "the"); }
    QString MarkError(int, int, const QString& text) override { return QString(text).replace("wrogn", "<e>wrogn</e>"); }
};

}  // namespace

TEST(CellCheck, TheBaseChangesNothing)
{
    VOroDavoduRuzuCheck check(nullptr);
    EXPECT_FALSE(check.GotoCell || check.AutoCorrect || check.AutoMarkError || check.UseCorrect || check.UseMarkError);
    check.UseCorrect = check.UseMarkError = true;
    EXPECT_EQ(check.CheckCell(1, 1, "plain &lt;text&gt;"), "plain <text>");  // old marks go, brackets come back
    EXPECT_EQ(check.CheckCell(1, 1, "a <e>bad</E> word"), "a bad word");
    EXPECT_EQ(check.CheckCell(1, 1, "fine"), "fine");
}

TEST(CellCheck, DescendantsCorrectAndMark)
{
    TOneWordCheck check(nullptr);
    EXPECT_EQ(check.CheckCell(0, 0, "teh wrogn"), "teh wrogn");  // nothing asked for
    check.UseCorrect = true;
    EXPECT_EQ(check.CheckCell(0, 0, "teh wrogn"), "the wrogn");
    check.UseMarkError = true;
    EXPECT_EQ(check.CheckCell(0, 0, "teh <e>wrogn</e>"), "the <e>wrogn</e>");
}
