#include "grid/base/VoObj/VoObjLists.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(TIntList, ChangesReportTheCell)
{
    TIntList list(3, 7);
    std::vector<std::pair<int, int>> events;
    list.OnChange = [&](TObject* sender, int col, int row) {
        EXPECT_EQ(sender, &list);
        events.emplace_back(col, row);
    };
    list.Add(1);
    list.Insert(0, 5);  // no event
    list.Add(5);
    list.SetInteger(2, 9);
    list.DeleteValue(5);  // first 5 only
    EXPECT_EQ(list.StrValue(), "1,9");
    EXPECT_EQ(events.size(), 4u);
    EXPECT_EQ(events.front(), std::make_pair(3, 7));
    list.DeleteValue(42);
    EXPECT_EQ(events.size(), 4u);
    EXPECT_TRUE(list.HasValue(9));
    EXPECT_THROW(list.GetInteger(2), std::out_of_range);
    EXPECT_THROW(list.Delete(-1), std::out_of_range);
}

TEST(TIntList, StrValue)
{
    TIntList list;
    EXPECT_EQ(list.StrValue(), "");
    list.Add(1);
    list.Add(2);
    int events = 0;
    list.OnChange = [&](TObject*, int, int) { ++events; };
    list.SetStrValue("3,4");
    EXPECT_EQ(list.StrValue(), "3,4");
    EXPECT_EQ(events, 2);
    list.SetStrValue("5, 6 \"7\"");
    EXPECT_EQ(list.StrValue(), "5,6,7");
    EXPECT_THROW(list.SetStrValue("8,x,9"), std::invalid_argument);
    EXPECT_EQ(list.StrValue(), "8");  // items before the bad one stay
}

TEST(TSortIndexList, DirectionsAndTextForm)
{
    TSortIndexList list;
    list.AddIndex(2, true);
    list.AddIndex(0, false);
    EXPECT_EQ(list.SaveToString(), "u2;d0");
    EXPECT_EQ(list.FindIndex(0), 1);
    EXPECT_EQ(list.FindIndex(7), -1);
    EXPECT_FALSE(list.GetSortDirections(1));
    list.ToggleIndex(0);
    EXPECT_TRUE(list.GetSortDirections(1));
    list.ToggleIndex(0);
    EXPECT_EQ(list.SaveToString(), "u2;d0");
    list.SetSortColumns(1, 4);
    EXPECT_EQ(list.SaveToString(), "u2;d4");
    list.SetSortDirections(0, false);
    EXPECT_EQ(list.GetSortColumns(0), 2);

    const struct {
        const char* in;
        const char* out;
    } loads[] = {{"u2;d0", "u2;d0"}, {"x5", "d5"}, {"u;d3", "d3"}, {"uz;u1", "u1"}, {"", ""}};
    for (const auto& l : loads) {
        list.LoadFromString(l.in);
        EXPECT_EQ(list.SaveToString(), l.out) << l.in;
    }
}

TEST(TFileStringList, ReadAndWriteLines)
{
    TFileStringList f;
    f.Write("a");
    f.Write("b");
    f.WriteLn("c");
    f.WriteLn("d");
    ASSERT_EQ(f.Count(), 2);
    EXPECT_EQ(f[0], "abc");
    f.Reset();
    QString line;
    std::vector<QString> lines;
    while (!f.Eof()) {
        f.ReadLn(line);
        lines.push_back(line);
    }
    EXPECT_EQ(lines, (std::vector<QString>{"abc", "d"}));
    EXPECT_THROW(f.ReadLn(line), std::out_of_range);
}
