#include "grid/VoFilter/VoFilterRow.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <stdexcept>

#include "grid/base/LocaleGuard.h"
#include "grid/base/VoUtil/VoUtilText.h"

namespace {

TFilterCondition cond(int column, const char* text, TFilterOperation op)
{
    TFilterCondition c;
    c.Column = column;
    c.Condition = QString::fromUtf8(text);
    c.Operation = op;
    return c;
}

bool rowMatches(const std::vector<TFilterCondition>& conditions, const QStringList& row)
{
    return FilterConditionsMatch(conditions, [&row](const TFilterCondition& c) {
        return c.Data == fcRow ? row.join('\n') : row.value(c.Column);
    });
}

}  // namespace

TEST(VoFilterRow, ConditionsJoinByTheirOperations)
{
    LocaleGuard g(LocaleGuard::English());
    const std::vector<TFilterCondition> aOrB = {cond(0, "A", foNONE), cond(1, "B", foOR)};
    const std::vector<TFilterCondition> aAndB = {cond(0, "A", foNONE), cond(1, "B", foAND)};
    const std::vector<TFilterCondition> aXorB = {cond(0, "A", foNONE), cond(1, "B", foXOR)};
    const std::vector<TFilterCondition> shortFirst = {cond(0, "A", foSHORT), cond(1, "B", foOR)};
    const struct {
        const char* col0;
        const char* col1;
        bool orResult, andResult, xorResult, shortResult;
    } rows[] = {
        {"A", "B", true, true, false, true},
        {"A", "x", true, false, true, true},
        {"x", "B", true, false, true, false},  // a failing short condition decides
        {"x", "x", false, false, false, false},
    };
    for (const auto& r : rows) {
        const QStringList row = {r.col0, r.col1};
        EXPECT_EQ(rowMatches(aOrB, row), r.orResult) << r.col0 << r.col1;
        EXPECT_EQ(rowMatches(aAndB, row), r.andResult) << r.col0 << r.col1;
        EXPECT_EQ(rowMatches(aXorB, row), r.xorResult) << r.col0 << r.col1;
        EXPECT_EQ(rowMatches(shortFirst, row), r.shortResult) << r.col0 << r.col1;
    }
    EXPECT_TRUE(rowMatches({}, {"x"}));
}

TEST(VoFilterRow, OneCondition)
{
    LocaleGuard g(LocaleGuard::English());
    TFilterCondition dollars = cond(0, "5", foSHORT);
    dollars.Prefix = QStringLiteral("$");
    dollars.Method = fmLiteral;
    EXPECT_TRUE(FilterConditionMatches(dollars, "$5"));
    EXPECT_FALSE(FilterConditionMatches(dollars, "$55"));
    TFilterCondition unit = cond(0, ">10", foSHORT);
    unit.Suffix = QStringLiteral(" kg");
    EXPECT_TRUE(FilterConditionMatches(unit, " 12 kg "));
    EXPECT_FALSE(FilterConditionMatches(unit, "9 kg"));
    TFilterCondition anyCase = cond(0, "abc", foSHORT);
    EXPECT_FALSE(FilterConditionMatches(anyCase, "ABC"));
    anyCase.CaseSensitive = false;
    EXPECT_TRUE(FilterConditionMatches(anyCase, "ABC"));
    EXPECT_TRUE(FilterConditionMatches(cond(0, "", foSHORT), "anything"));
    EXPECT_TRUE(FilterConditionMatches(cond(0, "x", foSHORT), EncodeWideText("x")));

    TFilterCondition whole = cond(0, "ell", foSHORT);
    whole.Data = fcRow;
    EXPECT_TRUE(rowMatches({whole}, {"a", "HELLO"}));
    EXPECT_FALSE(rowMatches({whole}, {"a", "b"}));

    // A reader that fails counts as no match.
    EXPECT_FALSE(FilterConditionsMatch({cond(0, "x", foNONE)},
                                       [](const TFilterCondition&) -> QString { throw std::runtime_error("x"); }));
}

TEST(VoFilterRow, NarrowingSteps)
{
    const struct {
        const char* condition;
        const char* last;
        TNarrowStep step;
    } cases[] = {
        {"ab", "a", nsNarrow},   {"a", "", nsNarrow},     {"a", "ab", nsWiden},   {"", "a", nsRestart},
        {"ax", "ab", nsRestart}, {"abc", "a", nsRestart}, {"b", "ab", nsRestart},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NarrowStep(c.condition, c.last), c.step) << c.condition << " after " << c.last;

    const TFilterCondition row = NarrowCondition("a b", -1, true);
    EXPECT_EQ(row.Data, fcRow);
    EXPECT_EQ(row.Condition, "a b");
    const TFilterCondition quoted = NarrowCondition("a b", 2, true);
    EXPECT_EQ(quoted.Data, fcNormal);
    EXPECT_EQ(quoted.Column, 2);
    EXPECT_FALSE(quoted.CaseSensitive);
    EXPECT_EQ(quoted.Condition, "\"*a b*\"");
    EXPECT_EQ(NarrowCondition("a b", 2, false).Condition, "*a b*");
}
