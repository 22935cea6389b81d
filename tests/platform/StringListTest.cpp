#include "platform/Classes.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

TEST(StringList, EditingAndLookup)
{
    TStringList list;
    list.Add("Alpha");
    list.Add("beta");
    list.Insert(0, "zero");
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.IndexOf("ALPHA"), 1);
    list.CaseSensitive = true;
    EXPECT_EQ(list.IndexOf("ALPHA"), -1);
    list.Exchange(0, 2);
    EXPECT_EQ(list.Strings(0), "beta");
    list.Delete(0);
    EXPECT_EQ(list.Text(), "Alpha\nzero\n");
}

TEST(StringList, NameValuePairs)
{
    TStringList list;
    list.SetValue("Port", "502");
    list.SetValue("Host", "a");
    list.SetValue("Port", "503");
    EXPECT_EQ(list.Values("port"), "503");
    EXPECT_EQ(list.Names(1), "Host");
    list.SetValue("Host", "");
    EXPECT_EQ(list.Count(), 1);
}

TEST(StringList, TextSplitsEveryLineEnd)
{
    TStringList list;
    list.SetText("a\r\nb\rc\nd\n");
    EXPECT_EQ(list.ToQStringList(), QStringList({"a", "b", "c", "d"}));
}

TEST(StringList, ChangeFiresOncePerUpdate)
{
    TStringList list;
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    list.BeginUpdate();
    list.Add("x");
    list.Add("y");
    list.EndUpdate();
    EXPECT_EQ(changes, 1);
    list.Clear();
    list.Clear();
    EXPECT_EQ(changes, 2);
}

TEST(StringList, FileRoundTripKeepsUnicode)
{
    QTemporaryDir dir;
    TStringList list;
    list.SetFrom({"Grüße", "δ"});
    ASSERT_TRUE(list.SaveToFile(dir.filePath("a.txt")));
    TStringList back;
    ASSERT_TRUE(back.LoadFromFile(dir.filePath("a.txt")));
    EXPECT_EQ(back.ToQStringList(), list.ToQStringList());
    EXPECT_FALSE(back.LoadFromFile(dir.filePath("missing.txt")));
}
