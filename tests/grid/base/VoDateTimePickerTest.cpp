#include "grid/base/VoDateTimePicker/VoDateTimePicker.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "grid/base/LocaleGuard.h"
#include "platform/Forms.h"
#include "support/TestSeams.h"

namespace {

struct PickerOnForm {
    PickerOnForm() : locale(LocaleGuard::English()), form(nullptr)
    {
        form.SetBounds(0, 0, 400, 200);
        picker = new TVoDateTimePicker(&form);
        picker->SetParent(&form);
        picker->SetBounds(80, 10, 220, 22);
        picker->TabStop = true;
        form.Show();
        picker->SetFocus();
    }
    LocaleGuard locale;
    TForm form;
    TVoDateTimePicker* picker;
};

// Runs the messages the picker posted to itself, and those they post.
void runPosted()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

}  // namespace

TEST(VoDateTimePicker, DateAndTimeInOneControl)
{
    PickerOnForm f;
    TVoDateTimePicker& p = *f.picker;
    EXPECT_EQ(p.Kind(), dkDateTime);
    EXPECT_EQ(p.Version(), QStringLiteral("1.2.0.0"));
    ASSERT_NE(p.TimePicker(), nullptr);
    EXPECT_TRUE(p.TimePicker()->Visible());
    EXPECT_GT(p.TimePicker()->Left(), p.Width() / 2);
    EXPECT_LE(p.TimePicker()->BoundsRect().Right, p.Width());

    p.SetDateTime(EncodeDateTime(2024, 3, 5, 14, 15, 16, 789));
    EXPECT_DOUBLE_EQ(p.DateTime(), EncodeDateTime(2024, 3, 5, 14, 15, 16, 0));
    EXPECT_EQ(p.TimePicker()->FieldsText(), QStringLiteral("14:15:16"));
    // The date keeps the time of day; the time is the time picker's.
    p.SetDate(EncodeDateTime(2020, 1, 1, 0, 0, 0, 0));
    EXPECT_DOUBLE_EQ(p.DateTime(), EncodeDateTime(2020, 1, 1, 14, 15, 16, 0));
    p.TimePicker()->SetFieldIndex(0);
    SendKey(*p.TimePicker(), VK_UP);
    EXPECT_DOUBLE_EQ(p.DateTime(), EncodeDateTime(2020, 1, 1, 15, 15, 16, 0));

    // Dates before 30 Dec 1899 with a time of day read as the right day, in both parts.
    const struct {
        int y, m, d, h;
    } early[] = {{1850, 6, 1, 6}, {1899, 12, 29, 23}, {1899, 12, 30, 12}, {1800, 1, 1, 1}};
    for (const auto& e : early) {
        p.SetDateTime(EncodeDateTime(e.y, e.m, e.d, e.h, 0, 0, 0));
        EXPECT_DOUBLE_EQ(p.Date(), EncodeDateTime(e.y, e.m, e.d, 0, 0, 0, 0)) << e.y << "-" << e.m << "-" << e.d;
        EXPECT_DOUBLE_EQ(p.DateTime(), EncodeDateTime(e.y, e.m, e.d, e.h, 0, 0, 0)) << e.y;
    }
    p.SetDate(EncodeDateTime(2020, 1, 1, 0, 0, 0, 0));
    p.TimePicker()->SetFieldIndex(0);
    SendKey(*p.TimePicker(), VK_UP);
    EXPECT_DOUBLE_EQ(p.DateTime(), EncodeDateTime(2020, 1, 1, 2, 0, 0, 0));

    int timeChanges = 0;
    p.OnTimeChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &p);
        ++timeChanges;
    };
    SendKey(*p.TimePicker(), VK_UP);
    EXPECT_EQ(timeChanges, 1);

    // An edge round the picker takes 4 pixels from the time picker's place; a kind without a cut takes none.
    const TRect plain = p.TimePicker()->BoundsRect();
    const struct {
        TBevelKind kind;
        TBevelCut inner, outer;
        int allowance;
    } bevels[] = {{bkNone, bvRaised, bvLowered, 0},
                  {bkTile, bvRaised, bvLowered, 4},
                  {bkFlat, bvNone, bvLowered, 4},
                  {bkSoft, bvNone, bvNone, 0}};
    for (const auto& b : bevels) {
        p.SetBevelKind(b.kind);
        p.SetBevelInner(b.inner);
        p.SetBevelOuter(b.outer);
        const TRect r = p.TimePicker()->BoundsRect();
        EXPECT_EQ(r.Left, plain.Left - b.allowance) << b.kind;
        EXPECT_EQ(r.Height(), plain.Height() - b.allowance) << b.kind;
        EXPECT_EQ(r.Width(), plain.Width()) << b.kind;
    }

    p.SetKind(dkDate);
    EXPECT_EQ(p.TimePicker(), nullptr);
    p.SetKind(dkDateTime);
    EXPECT_NE(p.TimePicker(), nullptr);
}

TEST(VoDateTimePicker, CheckBoxEnablesTheTime)
{
    PickerOnForm f;
    TVoDateTimePicker& p = *f.picker;
    p.SetShowCheckbox(true);
    p.SetChecked(true);
    p.Perform(DTM_SETSYSTEMTIME, GDT_NONE, 0);
    EXPECT_FALSE(p.TimePicker()->Enabled());
    p.SetDateTime(EncodeDateTime(2022, 6, 1, 8, 0, 0, 0));
    EXPECT_TRUE(p.TimePicker()->Enabled());
    // The user clears the box: the time picker is disabled; checking enables it again.
    p.Perform(CN_NOTIFY, DTN_DATETIMECHANGE, GDT_NONE);
    EXPECT_FALSE(p.TimePicker()->Enabled());
    p.SetChecked(true);
    p.Perform(CN_NOTIFY, DTN_DATETIMECHANGE, GDT_VALID);
    EXPECT_TRUE(p.TimePicker()->Enabled());
    int drops = 0;
    int closes = 0;
    p.OnDropDown = [&](TObject*) { ++drops; };
    p.OnCloseUp = [&](TObject*) { ++closes; };
    p.SetDroppedDown(true);
    p.SetDroppedDown(false);
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(closes, 1);
}

TEST(VoDateTimePicker, AutoTabAdvancesTheFields)
{
    PickerOnForm f;
    TVoDateTimePicker& p = *f.picker;
    p.SetAutoTab(true);
    EXPECT_TRUE(p.TimePicker()->AutoTab());
    p.SetFormat(QStringLiteral("dd/MM/yyyy"));
    p.SetDateTime(EncodeDateTime(2024, 3, 5, 9, 0, 0, 0));
    // A digit that changes the day moves one field right, once.
    p.SetFieldIndex(0);
    TypeText(p, QStringLiteral("7"));
    runPosted();
    EXPECT_EQ(p.FieldIndex(), 1);
    // One that changes the year moves into the time picker.
    p.SetFieldIndex(2);
    TypeText(p, QStringLiteral("2025"));
    runPosted();
    EXPECT_TRUE(p.TimePicker()->Focused());
}

TEST(VoDateTimePicker, LabelAndEnabled)
{
    PickerOnForm f;
    TVoDateTimePicker& p = *f.picker;
    int clicks = 0;
    p.OnLabelClick = [&](TObject* sender) {
        EXPECT_EQ(sender, &p);
        ++clicks;
    };
    p.SetLabelCaption(QStringLiteral("Start"));
    TLabel* label = p.PickerLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Top(), 10);
    EXPECT_EQ(label->Left() + label->Width() + 4, 80);
    p.SetLabelPosition(lpLeftTopLeft);
    EXPECT_EQ(label->Left(), 76);
    SendClick(*label, {2, 2});
    EXPECT_EQ(clicks, 1);
    p.SetEnabled(false);
    EXPECT_FALSE(label->Enabled());
    EXPECT_FALSE(p.TimePicker()->Enabled());
    p.SetLabelAlwaysEnabled(true);
    EXPECT_TRUE(label->Enabled());
}
