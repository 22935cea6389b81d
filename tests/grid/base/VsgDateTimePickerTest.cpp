#include "grid/base/VsgDateTimePicker.h"

#include <gtest/gtest.h>

#include "grid/base/LocaleGuard.h"
#include "platform/Forms.h"
#include "platform/QtAccess.h"
#include "platform/SystemMetrics.h"
#include "support/TestSeams.h"

namespace {

struct PickerOnForm {
    PickerOnForm() : locale(LocaleGuard::English()), form(nullptr)
    {
        form.SetBounds(0, 0, 300, 200);
        form.SetColor(clWhite);
        picker = new TVsgDateTimePicker(&form);
        picker->SetParent(&form);
        picker->SetBounds(10, 10, 160, 22);
        picker->TabStop = true;
        picker->SetDateTime(EncodeDateTime(2024, 2, 29, 10, 30, 0, 0));
        form.Show();
        picker->SetFocus();
    }
    LocaleGuard locale;
    TForm form;
    TVsgDateTimePicker* picker;
};

TColor pixel(const QImage& image, int x, int y)
{
    return QColorToColor(image.pixelColor(x, y));
}

}  // namespace

TEST(VsgDateTimePicker, EditsADateWithoutCheckBox)
{
    PickerOnForm f;
    TVsgDateTimePicker& p = *f.picker;
    EXPECT_EQ(p.Version(), QStringLiteral("1.0.0.0"));
    EXPECT_EQ(p.FieldsText(), QStringLiteral("2/29/2024"));
    EXPECT_TRUE(p.Checked());
    int changes = 0;
    p.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &p);
        ++changes;
    };
    p.SetFieldIndex(0);
    SendKey(p, VK_UP);
    EXPECT_EQ(p.FieldsText(), QStringLiteral("3/29/2024"));
    EXPECT_EQ(changes, 1);
    // Right moves to the next field.
    p.SetFieldIndex(0);
    SendKey(p, VK_RIGHT);
    EXPECT_EQ(p.FieldIndex(), 1);
    // Writing the date keeps the time of day.
    p.SetDate(EncodeDateTime(2020, 5, 6, 0, 0, 0, 0));
    EXPECT_DOUBLE_EQ(p.DateTime(), EncodeDateTime(2020, 5, 6, 10, 30, 0, 0));

    int drops = 0;
    int closes = 0;
    p.OnDropDown = [&](TObject*) { ++drops; };
    p.OnCloseUp = [&](TObject*) { ++closes; };
    p.SetDroppedDown(true);
    EXPECT_TRUE(p.DroppedDown());
    p.SetDroppedDown(false);
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(closes, 1);
}

TEST(VsgDateTimePicker, CheckBoxSaysWhetherADateIsSet)
{
    PickerOnForm f;
    TVsgDateTimePicker& p = *f.picker;
    p.SetShowCheckbox(true);
    EXPECT_TRUE(p.Checked());
    std::vector<LPARAM> notes;
    p.OnChange = [&](TObject*) { notes.push_back(p.Checked() ? GDT_VALID : GDT_NONE); };
    p.Perform(DTM_SETSYSTEMTIME, GDT_NONE, 0);
    EXPECT_FALSE(p.Checked());
    // Setting a value checks the box again.
    const TDateTime v = EncodeDateTime(2021, 1, 2, 0, 0, 0, 0);
    p.Perform(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&v));
    EXPECT_TRUE(p.Checked());
    EXPECT_EQ(p.FieldsText(), QStringLiteral("1/2/2021"));
    // The calendar still drops down with the check box shown.
    int drops = 0;
    p.OnDropDown = [&](TObject*) { ++drops; };
    p.SetDroppedDown(true);
    p.SetDroppedDown(false);
    EXPECT_EQ(drops, 1);
}

TEST(VsgDateTimePicker, MetroLookAndBorders)
{
    PickerOnForm f;
    TVsgDateTimePicker& p = *f.picker;
    const QImage platformLook = PaintToImage(p);
    p.SetBorderColor(clRed);
    // A 3-D picker without the Metro look keeps the platform's look.
    EXPECT_EQ(PaintToImage(p), platformLook);
    p.SetMetroStyle(true);
    p.ButtonColor = clBlue;
    p.ButtonTextColor = clYellow;
    QImage image = PaintToImage(p);
    EXPECT_EQ(pixel(image, 0, 10), clRed);
    EXPECT_EQ(pixel(image, 80, 0), clRed);
    const int buttonLeft = p.Width() - (GetSystemMetrics(SM_CXVSCROLL) + 2) + 3;
    EXPECT_EQ(pixel(image, buttonLeft + 3, 4), clBlue);
    EXPECT_EQ(pixel(image, buttonLeft + 5, 8), clYellow);
    // One border line left of the drawn button, the fill right of it.
    p.ButtonBorderColor = clLime;
    image = PaintToImage(p);
    int limeColumns = 0;
    for (int x = buttonLeft - 4; x < p.Width(); ++x)
        limeColumns += pixel(image, x, 10) == clLime;
    EXPECT_EQ(limeColumns, 1);
    EXPECT_EQ(pixel(image, buttonLeft, 10), clLime);
    EXPECT_EQ(pixel(image, buttonLeft + 2, 10), clBlue);

    // The time kind keeps its arrows: no drop button, but the borders.
    p.SetKind(dtkTime);
    image = PaintToImage(p);
    EXPECT_NE(pixel(image, buttonLeft + 3, 4), clBlue);
    EXPECT_EQ(pixel(image, 0, 10), clRed);

    // Without 3-D border, the outline in $B99D7F round the picker.
    p.SetMetroStyle(false);
    p.SetCtl3D(false);
    p.SetPickerBorderStyle(bsSingle);
    image = PaintToImage(p);
    EXPECT_EQ(pixel(image, 0, 10), TColor(0xB99D7F));
}
