#include "platform/ActnList.h"
#include "platform/Controls.h"

#include <gtest/gtest.h>

#include <memory>

TEST(ActnListTest, LinkedControlFollowsTheAction)
{
    TAction action(nullptr);
    action.SetCaption(QStringLiteral("&Save"));
    action.SetHint(QStringLiteral("Save|Saves the file"));
    action.SetEnabled(false);
    TCustomControl control(nullptr);
    control.SetAction(&action);
    EXPECT_EQ(control.Action(), &action);
    EXPECT_EQ(control.Caption(), QStringLiteral("&Save"));
    EXPECT_EQ(control.Hint, QStringLiteral("Save|Saves the file"));
    EXPECT_FALSE(control.Enabled());
    EXPECT_TRUE(control.Visible());

    action.SetEnabled(true);
    action.SetVisible(false);
    action.SetCaption(QStringLiteral("Save &as"));
    EXPECT_TRUE(control.Enabled());
    EXPECT_FALSE(control.Visible());
    EXPECT_EQ(control.Caption(), QStringLiteral("Save &as"));

    // Unlinked, the control keeps what it has and hears no more.
    control.SetAction(nullptr);
    action.SetCaption(QStringLiteral("Other"));
    EXPECT_EQ(control.Caption(), QStringLiteral("Save &as"));
}

TEST(ActnListTest, ClickExecutesAnEnabledActionWhenThereIsNoOnClick)
{
    TAction action(nullptr);
    int executed = 0;
    int clicked = 0;
    action.OnExecute = [&](TObject* sender) {
        EXPECT_EQ(sender, &action);
        ++executed;
    };
    TCustomControl control(nullptr);
    control.SetAction(&action);
    control.Click();
    EXPECT_EQ(executed, 1);

    action.SetEnabled(false);
    EXPECT_FALSE(action.Execute());
    control.Click();
    EXPECT_EQ(executed, 1);

    action.SetEnabled(true);
    control.OnClick = [&](TObject*) { ++clicked; };
    control.Click();
    EXPECT_EQ(clicked, 1);
    EXPECT_EQ(executed, 1);

    TAction silent(nullptr);
    EXPECT_FALSE(silent.Execute());
}

TEST(ActnListTest, FreedPartnersLetGo)
{
    TCustomControl control(nullptr);
    auto list = std::make_unique<TActionList>(nullptr);
    {
        TAction action(nullptr);
        action.SetActionList(list.get());
        EXPECT_EQ(list->ActionCount(), 1);
        EXPECT_EQ(list->Actions(0), &action);
        control.SetAction(&action);
        auto other = std::make_unique<TCustomControl>(nullptr);
        other->SetAction(&action);
        other.reset();
        action.SetCaption(QStringLiteral("after the other control is gone"));
    }
    EXPECT_EQ(control.Action(), nullptr);
    EXPECT_EQ(list->ActionCount(), 0);
    control.Click();

    TAction action(nullptr);
    action.SetActionList(list.get());
    list.reset();
    EXPECT_EQ(action.ActionList(), nullptr);
}
