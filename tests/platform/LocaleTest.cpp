#include "platform/Locale.h"

#include <gtest/gtest.h>
#include <QLocale>

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

}  // namespace
