#include "grid/VoSort/VoSortCompare.h"
#include "grid/VoSort/VoSortOrder.h"
#include "grid/VoSort/VoSortSpecifier.h"

#include <gtest/gtest.h>

#include "grid/base/LocaleGuard.h"
#include "grid/base/VoObj/VoObjLists.h"
#include "platform/SysUtils.h"

namespace {

std::vector<QString> texts(std::initializer_list<const char*> items)
{
    std::vector<QString> out;
    for (const char* t : items)
        out.push_back(QString::fromUtf8(t));
    return out;
}

TSortColumnKeys column(const std::vector<QString>& t, TSortStyle style, TSortDirection dir = sdAscending)
{
    return {TSortKeys::FromTexts(t, style, false), dir};
}

std::vector<QString> sorted(std::vector<QString> t, const std::vector<TSortColumnKeys>& columns)
{
    ApplySortOrder(t, SortOrder(columns));
    return t;
}

}  // namespace

TEST(VoSortCompare, StylesCompareTexts)
{
    LocaleGuard g(LocaleGuard::English());
    TSortTextOptions byLength;
    byLength.customCompare = [](const QString& a, const QString& b) { return int(a.size() - b.size()); };
    TSortTextOptions dollars;
    dollars.prefix = QStringLiteral("$");
    dollars.suffix = QStringLiteral(" net");
    const struct {
        TSortStyle style;
        const char* a;
        const char* b;
        int expected;
        const TSortTextOptions* options;
    } cases[] = {
        {ssNumeric, "9", "10", -1, nullptr},
        {ssAlphabetic, "9", "10", 1, nullptr},
        {ssAlphabetic, "a", "B", 1, nullptr},  // code units: lower case after upper case
        {ssAlphaCase, "B", "a", -1, nullptr},
        {ssAlphaNoCase, "abc", "ABD", -1, nullptr},
        {ssAlphaNoCase, "abc", "ABC", 0, nullptr},
        {ssAnsiAlphaNoCase, "a", "B", -1, nullptr},
        {ssAnsiAlphaCase, "a", "a", 0, nullptr},
        {ssNumeric, "-1.5", "-2", 1, nullptr},
        {ssNumeric, "abc", "5", -1, nullptr},   // no number: 0
        {ssNumeric, "12abc", "5", 1, nullptr},  // its leading digits
        {ssNumeric, "", "-1", 1, nullptr},      // empty: 0
        {ssNumeric, "x", "y", 0, nullptr},
        {ssNumeric, "nan", "-1", 1, nullptr},  // not a number: 0
        {ssNumeric, "inf", "5", -1, nullptr},
        {ssNumeric, "-infinity", "-5", 1, nullptr},
        {ssNumeric, "1e999", "5", -1, nullptr},  // out of range: no finite leading number
        {ssNumeric, "$100 net", "$20 net", 1, &dollars},
        {ssFinancial, "1,000.5", "999", 1, nullptr},
        {ssNumeric, "1,000.5", "999", -1, nullptr},  // the separator ends the number
        {ssDate, "1/2/2020", "12/1/2019", 1, nullptr},
        {ssDate, "", "1/1/1900", -1, nullptr},
        {ssDateTime, "1/2/2020 10:30", "1/2/2020 9:45", 1, nullptr},
        {ssTime, "9:30", "10:15", -1, nullptr},
        {ssTime, "nonsense", "0:01", -1, nullptr},
        {ssShortDateEU, "02.01.2020", "01.02.2020", -1, nullptr},
        {ssShortDateUS, "02.01.2020", "01.02.2020", 1, nullptr},
        {ssShortDateEU, "31.02.2020", "01.01.1990", -1, nullptr},  // invalid: 0
        {ssHTML, "<b>b</b>", "a", 1, nullptr},
        {ssAlphabetic, "<b>b</b>", "a", -1, nullptr},
        {ssCustom, "aaa", "b", 1, &byLength},
        {ssCustom, "aaa", "b", 0, nullptr},  // no handler
        {ssRaw, "a", "b", 0, nullptr},
        {ssAlphaNumeric, "10", "9", 1, nullptr},
        {ssAlphaNumeric, "b10", "b9", -1, nullptr},
        {ssAlphaNumericNoCase, "B10", "a9", 1, nullptr},
        {ssAutomatic, "10", "9", 1, nullptr},
    };
    for (const auto& c : cases) {
        const TSortTextOptions options = c.options ? *c.options : TSortTextOptions{};
        EXPECT_EQ(TSortKeys::FromTexts(texts({c.a, c.b}), c.style, false, options).Compare(0, 1), c.expected)
            << c.style << " " << c.a << " " << c.b;
    }
}

TEST(VoSortCompare, DetectsStyle)
{
    LocaleGuard g(LocaleGuard::English());
    const struct {
        const char* first;
        const char* second;
        bool ignoreCase;
        TSortStyle expected;
    } cases[] = {
        {"10", "9", false, ssNumeric},
        {"1.5e3", "x", false, ssNumeric},
        {"1/2/2020", "3/4/2020", false, ssDate},
        {"12/2/2020 10:30", "3/4/2020", false, ssDateTime},
        {"2020/1/2", "2020/3/4", false, ssAlphabetic},  // separator past the third character
        {"1/2/2020", "no date", false, ssAlphabetic},
        {"a/b", "c/d", true, ssAlphaNoCase},
        {"9:30", "10:15", false, ssTime},
        {"9:", "10:15", false, ssAlphabetic},
        {"abc", "def", true, ssAlphaNoCase},
        {"", "", false, ssAlphabetic},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DetectSortStyle(c.first, c.second, c.ignoreCase), c.expected) << c.first;
    EXPECT_EQ(DetectSortStyle("10", "9", false, true), ssCheckBox);
}

TEST(VoSortCompare, BlanksGoWhereAsked)
{
    const struct {
        bool aEmpty;
        bool bEmpty;
        TSortDirection direction;
        TSortBlankPosition position;
        int expected;  // before the caller's negation for descending
    } cases[] = {
        {true, false, sdAscending, blLast, 1},   {true, false, sdAscending, blFirst, -1},
        {false, true, sdAscending, blLast, -1},  {false, true, sdAscending, blFirst, 1},
        {true, false, sdDescending, blLast, -1}, {false, true, sdDescending, blFirst, -1},
        {true, true, sdAscending, blLast, 7},    {false, false, sdDescending, blLast, 7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlaceBlanks(7, c.aEmpty, c.bEmpty, c.direction, c.position), c.expected);
}

TEST(VoSortOrder, AutomaticStyleSortsNumbersByValue)
{
    LocaleGuard g(LocaleGuard::English());
    const auto t = texts({"10", "9", "100"});
    EXPECT_EQ(sorted(t, {column(t, ssAutomatic)}), texts({"9", "10", "100"}));
    EXPECT_EQ(sorted(t, {column(t, ssAlphabetic)}), texts({"10", "100", "9"}));
    const auto withBlank = texts({"", "10", "9"});  // the first non-empty texts decide
    EXPECT_EQ(sorted(withBlank, {column(withBlank, ssAutomatic)}), texts({"", "9", "10"}));
    const auto dates = texts({"1/2/2020", "12/1/2019", "3/1/2020"});
    EXPECT_EQ(sorted(dates, {column(dates, ssAutomatic)}), texts({"12/1/2019", "1/2/2020", "3/1/2020"}));
}

TEST(VoSortOrder, StableOverSeveralColumns)
{
    LocaleGuard g(LocaleGuard::English());
    // Rows: number, text, original place. Ties on both keys keep their original order.
    const auto nums = texts({"2", "1", "2", "1", "2", "1"});
    const auto words = texts({"b", "x", "a", "x", "b", "y"});
    const std::vector<TSortColumnKeys> keys = {column(nums, ssNumeric), column(words, ssAlphabetic, sdDescending)};
    EXPECT_EQ(SortOrder(keys), (std::vector<int>{5, 1, 3, 0, 4, 2}));
    const std::vector<TSortColumnKeys> descending = {column(nums, ssNumeric, sdDescending)};
    EXPECT_EQ(SortOrder(descending), (std::vector<int>{0, 2, 4, 1, 3, 5}));
    EXPECT_TRUE(SortOrder({}).empty());
}

TEST(VoSortOrder, BlanksLastInBothDirections)
{
    const auto t = texts({"b", "", "a", "", "c"});
    for (const TSortDirection dir : {sdAscending, sdDescending}) {
        TSortColumnKeys c = column(t, ssAlphabetic, dir);
        c.ignoreBlanks = true;
        c.blankPos = blLast;
        const auto s = sorted(t, {c});
        EXPECT_EQ(s[3], QString());
        EXPECT_EQ(s[4], QString());
        EXPECT_EQ(s[0], dir == sdAscending ? QString("a") : QString("c"));
    }
}

TEST(VoSortOrder, IntegerAndRowKeys)
{
    // Check-box states: unchecked before checked.
    const std::vector<TSortColumnKeys> checks = {{TSortKeys::FromIntegers({1, 0, 1, 0})}};
    EXPECT_EQ(SortOrder(checks), (std::vector<int>{1, 3, 0, 2}));
    const std::vector<int> data = {30, 10, 20};
    const std::vector<TSortColumnKeys> raw = {
        {TSortKeys::FromCompare([&data](int a, int b) { return data[a] - data[b]; }, 3)}};
    EXPECT_EQ(SortOrder(raw), (std::vector<int>{1, 2, 0}));
}

TEST(VoSortOrder, UnSortRestoresTheRecordedOrder)
{
    LocaleGuard g(LocaleGuard::English());
    auto rows = texts({"c", "a", "d", "b"});
    std::vector<int> xref = {0, 1, 2, 3};
    for (const TSortDirection dir : {sdDescending, sdAscending}) {
        const auto order = SortOrder({column(rows, ssAlphabetic, dir)});
        ApplySortOrder(rows, order);
        ApplySortOrder(xref, order);
    }
    EXPECT_EQ(rows, texts({"a", "b", "c", "d"}));
    const auto back = UnSortOrder(xref);
    ApplySortOrder(rows, back);
    ApplySortOrder(xref, back);
    EXPECT_EQ(rows, texts({"c", "a", "d", "b"}));
    EXPECT_EQ(xref, (std::vector<int>{0, 1, 2, 3}));
}

TEST(VoSortOrder, MovesEachRowOnce)
{
    struct Counted {
        int value = 0;
        int* moves = nullptr;
        Counted(int v, int* m) : value(v), moves(m) {}
        Counted(Counted&& o) noexcept : value(o.value), moves(o.moves) { ++*moves; }
        Counted& operator=(Counted&& o) noexcept
        {
            value = o.value;
            moves = o.moves;
            ++*moves;
            return *this;
        }
    };
    int moves = 0;
    std::vector<Counted> rows;
    rows.reserve(1000);
    for (int i = 0; i < 1000; ++i)
        rows.emplace_back((i * 7919) % 1000, &moves);
    std::vector<int> order(1000);
    for (int i = 0; i < 1000; ++i)
        order[rows[i].value] = i;
    moves = 0;
    ApplySortOrder(rows, order);
    EXPECT_EQ(moves, 1000);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(rows[i].value, i);
}

TEST(VoSortSpecifier, TextForm)
{
    EXPECT_EQ(SortSpecifierText(false, sdDescending, 3, {}), "d3");
    EXPECT_EQ(SortSpecifierText(false, sdAscending, 0, {}), "u0");
    TSortIndexList indexes;
    indexes.AddIndex(2, true);
    indexes.AddIndex(5, false);
    EXPECT_EQ(SortSpecifierText(true, sdAscending, 0, indexes.SaveToString()), "i;u2;d5");

    const auto plain = ParseSortSpecifier("u3");
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain->indexed);
    EXPECT_EQ(plain->direction, sdAscending);
    EXPECT_EQ(plain->column, 3);
    const auto down = ParseSortSpecifier("d12");
    EXPECT_EQ(down->direction, sdDescending);
    EXPECT_EQ(down->column, 12);
    EXPECT_FALSE(ParseSortSpecifier("dx")->column.has_value());
    const auto indexed = ParseSortSpecifier("i;u2;d5");
    EXPECT_TRUE(indexed->indexed);
    TSortIndexList loaded;
    loaded.LoadFromString(indexed->indexes);
    EXPECT_EQ(loaded.SaveToString(), indexes.SaveToString());
    EXPECT_FALSE(ParseSortSpecifier({}).has_value());
    EXPECT_THROW(ParseSortSpecifier("u"), Exception);
}
