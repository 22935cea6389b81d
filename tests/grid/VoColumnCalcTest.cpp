#include "grid/VoCalc/VoColumnCalc.h"

#include <gtest/gtest.h>

#include <cmath>

#include "grid/base/LocaleGuard.h"
#include "grid/base/REdaReviZizod.h"

namespace {

std::vector<TCalcCell> cells(std::initializer_list<const char*> texts)
{
    std::vector<TCalcCell> out;
    for (const char* t : texts)
        out.push_back({CalcCellValue(QString::fromUtf8(t))});
    return out;
}

}  // namespace

TEST(VoColumnCalc, Summaries)
{
    LocaleGuard g(LocaleGuard::English());
    const auto c = cells({"1", "2", "3", "4"});
    EXPECT_DOUBLE_EQ(CalcSum(c), 10);
    EXPECT_DOUBLE_EQ(CalcAvg(c), 2.5);
    EXPECT_DOUBLE_EQ(CalcMin(c), 1);
    EXPECT_DOUBLE_EQ(CalcMax(c), 4);
    EXPECT_DOUBLE_EQ(CalcStdDev(c), std::sqrt(1.25));
}

TEST(VoColumnCalc, UnreadableAndUncountedCells)
{
    LocaleGuard g(LocaleGuard::English());
    // An empty cell adds 0 and counts in the divisor; abc is skipped by the sum but counts too.
    const auto c = cells({"4", "", "abc", "-", "<b>2</b>"});
    EXPECT_DOUBLE_EQ(CalcSum(c), 6);
    EXPECT_DOUBLE_EQ(CalcAvg(c), 6.0 / 5);
    EXPECT_DOUBLE_EQ(CalcMax(c), 4);
    EXPECT_DOUBLE_EQ(CalcMin(c), 0);
    EXPECT_THROW(CalcStdDev(c), REdaReviZizod);

    // Node and summary rows are left out, but the first cell still starts the minimum.
    auto grouped = cells({"5", "100", "3", "-50"});
    grouped[1].counted = false;
    grouped[3].counted = false;
    EXPECT_DOUBLE_EQ(CalcSum(grouped), 8);
    EXPECT_DOUBLE_EQ(CalcMax(grouped), 5);
    EXPECT_DOUBLE_EQ(CalcMin(grouped), 3);

    EXPECT_THROW(CalcMin(cells({"x", "1"})), REdaReviZizod);
    EXPECT_THROW(CalcMax(cells({"x", "1"})), REdaReviZizod);
}

TEST(VoColumnCalc, NonFiniteTextsAreNoNumbers)
{
    LocaleGuard g(LocaleGuard::English());
    for (const char* t : {"nan", "NaN", "inf", "-inf", "infinity", "1e999"})
        EXPECT_FALSE(CalcCellValue(QString::fromUtf8(t)).has_value()) << t;
    const auto c = cells({"1", "nan", "2", "inf"});
    EXPECT_DOUBLE_EQ(CalcSum(c), 3);
    EXPECT_DOUBLE_EQ(CalcMax(c), 2);
}

TEST(VoColumnCalc, EmptyRangesGiveZero)
{
    const std::vector<TCalcCell> none;
    EXPECT_EQ(CalcSum(none), 0);
    EXPECT_EQ(CalcAvg(none), 0);
    EXPECT_EQ(CalcStdDev(none), 0);
    EXPECT_EQ(CalcMin(none), 0);
    EXPECT_EQ(CalcMax(none), 0);
    EXPECT_EQ(CalcDistinct({}), 0);
}

TEST(VoColumnCalc, DistinctIgnoresCase)
{
    EXPECT_EQ(CalcDistinct({"a", "A", "b", ""}), 3);
    EXPECT_EQ(CalcDistinct({"", ""}), 1);
}

TEST(VoColumnCalc, CellValuesFollowTheLocale)
{
    LocaleGuard g(LocaleGuard::German());
    EXPECT_EQ(CalcCellValue("1,5"), 1.5);
    EXPECT_EQ(CalcCellValue(" -"), 0.0);
    EXPECT_FALSE(CalcCellValue("1,5x").has_value());
}
