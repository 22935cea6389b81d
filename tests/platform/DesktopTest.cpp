#include "platform/Desktop.h"

#include <gtest/gtest.h>

namespace {

TEST(Desktop, RefusesTextThatIsNeitherLinkNorPath)
{
    for (const char* target : {"", "relative/file.txt", "no link at all"})
        EXPECT_FALSE(ShellOpen(target)) << target;
}

TEST(Desktop, SeamTakesTheOpens)
{
    std::vector<QString> opened;
    ScopedHook hook(ShellOpenHook(), [&](const QString& target) {
        opened.push_back(target);
        return true;
    });
    EXPECT_TRUE(ShellOpen("https://example.invalid/download#GXH59"));
    EXPECT_EQ(opened, std::vector<QString>{"https://example.invalid/download#GXH59"});
}

}  // namespace
