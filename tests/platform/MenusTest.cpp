#include "platform/Menus.h"
#include "support/TestSeams.h"

#include <gtest/gtest.h>

#include <vector>

TEST(MenusTest, PopupRunsTheChosenItemAfterTheMenuCloses)
{
    TPopupMenu menu(nullptr);
    std::vector<QString> log;
    TMenuItem& open = menu.Add(QStringLiteral("&Open"), [&](TObject*) { log.push_back(QStringLiteral("open")); });
    TMenuItem& closed = menu.Add(QStringLiteral("&Close"), [&](TObject*) { log.push_back(QStringLiteral("close")); });
    closed.Enabled = false;
    EXPECT_EQ(menu.Count(), 2);
    EXPECT_EQ(&menu.Items(1), &closed);

    struct Case {
        const char* name;
        TMenuItem* choice;
        std::vector<QString> expected;
    };
    const Case cases[] = {
        {"enabled item", &open, {QStringLiteral("shown"), QStringLiteral("open")}},
        {"disabled item", &closed, {QStringLiteral("shown")}},
        {"dismissed", nullptr, {QStringLiteral("shown")}},
    };
    for (const Case& c : cases) {
        log.clear();
        TPoint shownAt;
        ScopedHook<TPopupMenuHook> run(PopupMenuHook(), [&](TPopupMenu& shown, TPoint at) {
            EXPECT_EQ(&shown, &menu);
            shownAt = at;
            log.push_back(QStringLiteral("shown"));
            return c.choice;
        });
        menu.Popup(30, 40);
        EXPECT_EQ(shownAt, (TPoint{30, 40})) << c.name;
        EXPECT_EQ(log, c.expected) << c.name;
    }
}
