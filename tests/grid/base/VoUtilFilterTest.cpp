#include "grid/base/VoUtil/VoUtilFilter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "grid/base/LocaleGuard.h"
#include "platform/SysUtils.h"

TEST(VoUtilFilter, Expressions)
{
    LocaleGuard g(LocaleGuard::English());
    const struct {
        const char* expression;
        const char* cell;
        bool caseSensitive;
        bool match;
    } cases[] = {
        {">=10&<20", "15", true, true},
        {">=10&<20", "20", true, false},
        {">=10 & <20", "10", true, true},
        {"<5|>100", "200", true, true},
        {"<5|>100", "50", true, false},
        {">9", "10", true, true},  // numbers, not texts
        {">9", "-10", true, false},
        {">=0.5", "0.50", true, true},
        {"<0.5", "0.4999999999999999999", true, false},  // rounds to 0.5
        {">1e3", "2000", true, true},
        {">1000", "1e4", true, true},
        {">b", "c", true, true},
        {"A*", "ABC", true, true},
        {"*C", "ABC", true, true},
        {"A*C", "AXXC", true, true},
        {"A?C", "ABC", true, true},
        {"A?C", "AC", true, false},
        {"AB", "ABC", true, false},
        {"!A*", "ABC", true, false},
        {"!A*", "XYZ", true, true},
        {"abc", "ABC", false, true},
        {"abc", "ABC", true, false},
        {"=ABC", "ABC", true, true},
        {"=ABC", "ABCD", true, false},
        {"\"A&B\"", "A&B", true, true},
        {"\"A B\"", "A B", true, true},
        {"(A|B)&C*", "CA", true, false},
        {"(A|B)&C*", "A", true, false},
        {"A|B&C", "C", true, false},
        {"A|B&C", "A", true, false},
        {"C&(A*|*A)", "C", true, false},
        {"(A*|*B)", "AB", true, true},
        {"X;Y", "Y", true, true},
        {"X^Y", "X", true, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchFilterExpression(c.expression, c.cell, c.caseSensitive), c.match)
            << c.expression << " on " << c.cell;
}

TEST(VoUtilFilter, DatesCompareAsDates)
{
    LocaleGuard g(LocaleGuard::German());
    EXPECT_TRUE(MatchFilterExpression(">01.12.2020", "31.01.2021", true));
    EXPECT_FALSE(MatchFilterExpression("<01.12.2020", "31.01.2021", true));
    EXPECT_TRUE(MatchFilterExpression(">1,5", "1.234,75", true));  // regional number separators
}

TEST(VoUtilFilter, UnclosedBracketEndsAsOneOperand)
{
    // The rest after an unclosed "(" is taken literally; evaluation must terminate.
    EXPECT_TRUE(MatchFilterExpression("(A|B", "(A|B", true));
    EXPECT_FALSE(MatchFilterExpression("(A|B", "A", true));
    EXPECT_FALSE(MatchFilterExpression("X|(A&B", "A", true));
    EXPECT_TRUE(MatchFilterExpression("X|(A*", "(AB", true));
}

TEST(VoUtilFilter, Helpers)
{
    int p = 0;
    EXPECT_EQ(FindFilterOperator("\"a&b\"|c", p), QChar('|'));
    EXPECT_EQ(p, 6);
    EXPECT_TRUE(FindFilterOperator("abc", p).isNull());
    EXPECT_EQ(RemoveSpacesOutsideQuotes(" a b \" c d \" "), "ab\" c d \"");
    EXPECT_EQ(MatchingBracketPos("(a(b)c)d"), 7);
    EXPECT_EQ(MatchingBracketPos("(a(b)c"), 0);
    LocaleGuard g(LocaleGuard::German());
    EXPECT_EQ(FilterNumberText("1.234,5x"), "1234.5x");
}

namespace {

// The pattern step as plainly written: "*" tries every suffix, the shortest first, by recursion.
bool referencePattern(const QString& p, const QString& t)
{
    bool result = true;
    bool negated = false;
    int pi = 0;
    int ti = 0;
    while (result && (pi < p.size() || ti < t.size())) {
        if (pi >= p.size()) {
            result = false;
            break;
        }
        const QChar pc = p.at(pi);
        if (pc == '!') {
            negated = true;
            ++pi;
        } else if (pc == '"') {
            ++pi;
        } else if (pc == '*') {
            while (pi < p.size() && p.at(pi) == '*')
                ++pi;
            result = false;
            for (int start = static_cast<int>(t.size()); start >= ti && !result; --start)
                result = referencePattern(p.mid(pi), t.mid(start));
            break;
        } else {
            result = ti < t.size() && (pc == '?' || pc == t.at(ti));
            ++pi;
            ++ti;
        }
    }
    return negated ? !result : result;
}

QString randomText(std::mt19937& rng, const char* alphabet, int maxLength)
{
    const int alphabetSize = static_cast<int>(std::strlen(alphabet));
    const int n = std::uniform_int_distribution<int>(0, maxLength)(rng);
    QString s;
    for (int i = 0; i < n; ++i)
        s += QChar(alphabet[std::uniform_int_distribution<int>(0, alphabetSize - 1)(rng)]);
    return s;
}

}  // namespace

TEST(VoUtilFilter, PatternsMatchAsTheirPlainReading)
{
    std::mt19937 rng(39);
    for (int i = 0; i < 20000; ++i) {
        const QString pattern = randomText(rng, "ab*?\"!", 8);
        const QString text = randomText(rng, "ab", 8);
        ASSERT_EQ(MatchFilterCondition(pattern, text), referencePattern(pattern, text))
            << pattern.toStdString() << " on " << text.toStdString();
    }
}

TEST(VoUtilFilter, ManyStarsMatchInPolynomialTime)
{
    // Backtracking over every suffix takes years on these; each must answer at once.
    const QString as(400, 'a');
    QString stars;
    for (int i = 0; i < 30; ++i)
        stars += QStringLiteral("*a");
    EXPECT_FALSE(MatchFilterCondition(stars + QStringLiteral("*b"), as));
    EXPECT_TRUE(MatchFilterCondition(stars + QStringLiteral("*"), as));
    EXPECT_TRUE(MatchFilterCondition(stars + QStringLiteral("*!b"), as + 'b'));  // a negated tail: the empty one
    EXPECT_TRUE(MatchFilterCondition('!' + stars + QStringLiteral("*b"), as));
    EXPECT_FALSE(MatchFilterCondition('!' + stars + QStringLiteral("*b"), as + 'b'));
    EXPECT_FALSE(MatchFilterExpression(stars + QStringLiteral("*b"), as, false));
}

TEST(VoUtilFilter, DeepBracketsAreRefused)
{
    const auto nested = [](int depth) {
        return QString(depth, '(') + QStringLiteral("A|B") + QString(depth, ')') + QStringLiteral("&A");
    };
    EXPECT_TRUE(MatchFilterExpression(nested(MaxFilterNesting), "A", true));
    EXPECT_FALSE(MatchFilterExpression(nested(MaxFilterNesting), "C", true));
    try {
        MatchFilterExpression(nested(60000), "A", true);
        ADD_FAILURE() << "no refusal";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Filter condition nested too deeply");
    }
}
