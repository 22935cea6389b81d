#include "grid/base/VoStyleIF.h"

#include <gtest/gtest.h>

TEST(VoStyleIF, NoOfficeAndNoSchemeGiveClassic)
{
    EXPECT_EQ(GetInstalledOfficeVersion(), 0);
    EXPECT_EQ(ReadOfficeThemeValue("Software\\Microsoft\\Office\\14.0\\Common"), -1);
    EXPECT_EQ(DetectOfficeTheme(), ot2003Classic);
    EXPECT_EQ(DefaultUIFontName(), "Tahoma");
}
