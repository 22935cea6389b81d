#include "platform/Locale.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

TEST(Locale, FollowsTheCurrentLocaleAtEveryCall)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(DecimalSeparator(), ',');
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(DecimalSeparator(), '.');
    QLocale::setDefault(saved);
}

} // namespace
