#include "gateway/ProjectFile.h"

#include <gtest/gtest.h>

TEST(ProjectFile, ParsesIntegersAsTheProjectFilesWriteThem)
{
    struct Case {
        const char* text;
        std::optional<int64_t> value;
    };
    const Case cases[] = {
        {"0", 0},
        {"300", 300},
        {"-1", -1},
        {"+7", 7},
        {"  12", 12},
        {"$FF", 255},
        {"0x1f", 31},
        {"0X10", 16},
        {"-$10", -16},
        {"x10", 16},
        {"-X1f", -31},
        {" +x0A", 10},
        {"x", std::nullopt},
        {"4294967295", 4294967295LL},
        {"8589934591", 8589934591LL},
        {"9223372036854775807", INT64_MAX},
        {"-9223372036854775808", INT64_MIN},
        {"$FFFFFFFFFFFFFFFF", -1},
        {"9223372036854775808", std::nullopt},
        {"$10000000000000000", std::nullopt},
        {"", std::nullopt},
        {"None", std::nullopt},
        {"12 ", std::nullopt},
        {"1.5", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"-", std::nullopt},
        {"$G1", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Parse_Project_Number(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(ProjectFile, ParsesRealsWithTheGivenSeparator)
{
    EXPECT_EQ(Parse_Project_Real(QStringLiteral("1,5"), u','), 1.5);
    EXPECT_EQ(Parse_Project_Real(QStringLiteral("1.5"), u','), std::nullopt);
    EXPECT_EQ(Parse_Project_Real(QStringLiteral("1,5"), u'.'), std::nullopt);
    EXPECT_EQ(Parse_Project_Real(QStringLiteral(" -2.25e1 "), u'.'), -22.5);
    EXPECT_EQ(Parse_Project_Real(QStringLiteral("inf"), u'.'), std::nullopt);
    EXPECT_EQ(Parse_Project_Real(QStringLiteral("abc"), u'.'), std::nullopt);
}
