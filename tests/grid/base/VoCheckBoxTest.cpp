#include "grid/base/VoCheckBox.h"

#include <gtest/gtest.h>

#include "platform/Forms.h"
#include "platform/QtAccess.h"
#include "support/TestSeams.h"

namespace {

struct CheckOnForm {
    CheckOnForm() : form(nullptr)
    {
        form.SetBounds(0, 0, 200, 100);
        form.SetColor(clTeal);
        box = new TVoCheckBox(&form);
        box->SetParent(&form);
        box->SetBounds(10, 10, 98, 20);
        form.Show();
    }
    TForm form;
    TVoCheckBox* box;
};

}  // namespace

TEST(VoCheckBox, ClicksAndSpaceToggle)
{
    CheckOnForm f;
    TVoCheckBox& b = *f.box;
    EXPECT_EQ(b.Caption(), QStringLiteral("TVoCheckBox"));
    int clicks = 0;
    b.OnClick = [&](TObject*) { ++clicks; };
    SendClick(b, {5, 10});
    EXPECT_TRUE(b.Checked());
    EXPECT_EQ(clicks, 1);
    SendKey(b, VK_SPACE);
    EXPECT_FALSE(b.Checked());
    EXPECT_EQ(clicks, 2);
    // A press that leaves before the release doesn't toggle.
    SendMouse(b, TMouseAction::Down, TMouseButton::mbLeft, {5, 10});
    SendMouse(b, TMouseAction::Move, TMouseButton::mbLeft, {150, 60});
    EXPECT_FALSE(b.Down());
    SendMouse(b, TMouseAction::Up, TMouseButton::mbLeft, {150, 60});
    EXPECT_FALSE(b.Checked());
    // Read-only: clicks still fire, the state stays.
    b.ReadOnly = true;
    SendClick(b, {5, 10});
    SendKey(b, VK_SPACE);
    EXPECT_FALSE(b.Checked());
    EXPECT_EQ(clicks, 4);
}

TEST(VoCheckBox, PaintsBoxCaptionAndTransparentBackground)
{
    CheckOnForm f;
    TVoCheckBox& b = *f.box;
    b.SetColor(clWhite);
    b.SetCaption(QStringLiteral("Match case"));
    const QImage unchecked = PaintToImage(b);
    b.SetChecked(true);
    const QImage checked = PaintToImage(b);
    // Only the box strip changes.
    for (int x = 20; x < b.Width(); ++x)
        for (int y = 0; y < b.Height(); ++y)
            ASSERT_EQ(checked.pixel(x, y), unchecked.pixel(x, y)) << x << "," << y;
    EXPECT_NE(checked, unchecked);

    b.SetTransparent(true);
    b.TransparentChaching = true;
    EXPECT_EQ(QColorToColor(PaintToImage(b).pixelColor(90, 2)), clTeal);
    const int paints = b.BackgroundPaints();
    PaintToImage(b);
    EXPECT_EQ(b.BackgroundPaints(), paints);  // from the cache
    b.SetBounds(12, 10, 98, 20);
    PaintToImage(b);
    EXPECT_EQ(b.BackgroundPaints(), paints + 1);
}
