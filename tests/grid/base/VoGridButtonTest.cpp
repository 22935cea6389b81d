#include "grid/base/VoGridButton.h"

#include <gtest/gtest.h>

#include "platform/Forms.h"
#include "platform/QtAccess.h"
#include "support/TestSeams.h"

namespace {

struct ButtonsOnForm {
    ButtonsOnForm() : form(nullptr)
    {
        form.SetBounds(0, 0, 200, 100);
        form.SetColor(clWhite);
        a = make(0);
        b = make(30);
        form.Show();
    }
    TVoGridButton* make(int left)
    {
        auto* button = new TVoGridButton(&form);
        button->SetParent(&form);
        button->SetBounds(left, 0, 24, 24);
        return button;
    }
    TForm form;
    TVoGridButton* a;
    TVoGridButton* b;
};

TColor pixel(TControl& c, int x, int y)
{
    return QColorToColor(PaintToImage(c).pixelColor(x, y));
}

TPoint centre(const TControl& c)
{
    return {c.Width() / 2, c.Height() / 2};
}

}  // namespace

TEST(VoGridButton, LooksIdleHotAndPressed)
{
    ButtonsOnForm f;
    TVoGridButton& b = *f.a;
    b.SetLook(1);
    EXPECT_EQ(pixel(b, 12, 12), ColorToRGB(clBtnFace));
    SendMouseEnter(b);
    EXPECT_EQ(pixel(b, 12, 12), TColor(0xEED2C1));
    EXPECT_EQ(pixel(b, 0, 12), TColor(0xC56A31));  // the hot border
    SendMouse(b, TMouseAction::Down, TMouseButton::mbLeft, centre(b));
    EXPECT_EQ(pixel(b, 12, 12), TColor(0xE2B598));
    SendMouse(b, TMouseAction::Up, TMouseButton::mbLeft, centre(b));

    // Look 7 changes nothing; look 2 paints a gradient from $FDEADA to $E4AE88 while idle.
    SendMouseLeave(b);
    b.SetLook(7);
    EXPECT_EQ(pixel(b, 12, 12), ColorToRGB(clBtnFace));
    b.SetLook(2);
    EXPECT_EQ(pixel(b, 12, 1), TColor(0xFDEADA));
    EXPECT_NE(pixel(b, 12, 21), TColor(0xFDEADA));
}

TEST(VoGridButton, GroupsAreExclusive)
{
    ButtonsOnForm f;
    f.a->SetGroupIndex(1);
    f.b->SetGroupIndex(1);
    f.a->SetDown(true);
    EXPECT_TRUE(f.a->Down());
    SendClick(*f.b, centre(*f.b));
    EXPECT_TRUE(f.b->Down());
    EXPECT_FALSE(f.a->Down());
    // Without AllowAllUp a down button can't be set up.
    f.b->SetDown(false);
    EXPECT_TRUE(f.b->Down());
    f.b->SetAllowAllUp(true);
    f.b->SetDown(false);
    EXPECT_FALSE(f.b->Down());
    // Down needs a group or the check style.
    TVoGridButton* c = f.make(60);
    c->SetDown(true);
    EXPECT_FALSE(c->Down());
    c->SetStyle(tasCheck);
    SendClick(*c, centre(*c));
    EXPECT_TRUE(c->Down());
    SendClick(*c, centre(*c));
    EXPECT_FALSE(c->Down());
}

TEST(VoGridButton, ClickOnlyWhenReleasedInside)
{
    ButtonsOnForm f;
    int clicks = 0;
    f.a->OnClick = [&](TObject*) { ++clicks; };
    SendMouse(*f.a, TMouseAction::Down, TMouseButton::mbLeft, centre(*f.a));
    SendMouse(*f.a, TMouseAction::Move, TMouseButton::mbLeft, {50, 50});
    EXPECT_EQ(f.a->State(), bsUp);
    SendMouse(*f.a, TMouseAction::Up, TMouseButton::mbLeft, {50, 50});
    EXPECT_EQ(clicks, 0);
    SendClick(*f.a, centre(*f.a));
    EXPECT_EQ(clicks, 1);
}

TEST(VoGridButton, DropDownPartOpensTheMenu)
{
    ButtonsOnForm f;
    TVoGridButton& b = *f.a;
    b.SetBounds(0, 0, 40, 24);
    b.SetDropDownButton(true);
    TPopupMenu menu(nullptr);
    menu.Add(QStringLiteral("Next"));
    b.DropDownMenu = &menu;
    int drops = 0;
    int clicks = 0;
    b.OnDropDown = [&](TObject*) { ++drops; };
    b.OnClick = [&](TObject*) { ++clicks; };
    TPoint shownAt{-1, -1};
    const ScopedHook<TPopupMenuHook> hook(PopupMenuHook(), [&](TPopupMenu&, TPoint at) -> TMenuItem* {
        shownAt = at;
        return nullptr;
    });
    SendClick(b, {35, 12});
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(shownAt, b.ClientToScreen({0, 24}));
    SendClick(b, {10, 12});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(drops, 1);
    // The triangle in the font colour at the right.
    b.Font().SetColor(clRed);
    EXPECT_EQ(pixel(b, 40 - 7, 11), clRed);
}

TEST(VoGridButton, DisabledAndShadeGlyphs)
{
    ButtonsOnForm f;
    TBitmap white(8, 8);
    white.Canvas().Brush().SetColor(clWhite);
    white.Canvas().FillRect(Rect(0, 0, 8, 8));
    white.Canvas().SetPixel(0, 7, clFuchsia);  // the transparent colour
    white.Canvas().SetPixel(3, 3, clBlack);
    f.a->SetGlyph(white);
    EXPECT_EQ(f.a->GlyphDisabled().Canvas().Pixels(1, 1), RGB(223, 223, 223));
    EXPECT_EQ(f.a->GlyphShade().Canvas().Pixels(1, 1), TColor(0x808080));
    EXPECT_EQ(f.a->GlyphShade().Canvas().Pixels(0, 7), clFuchsia);
}

TEST(VoGridButton, DoubleClickOnlyWhenDownAndOnce)
{
    ButtonsOnForm f;
    TVoGridButton& b = *f.a;
    int doubles = 0;
    b.OnDblClick = [&](TObject*) { ++doubles; };
    SendMouse(b, TMouseAction::DblClick, TMouseButton::mbLeft, centre(b));
    SendMouse(b, TMouseAction::Up, TMouseButton::mbLeft, centre(b));
    EXPECT_EQ(doubles, 0) << "up";
    b.SetGroupIndex(1);
    b.SetDown(true);
    SendMouse(b, TMouseAction::DblClick, TMouseButton::mbLeft, centre(b));
    SendMouse(b, TMouseAction::Up, TMouseButton::mbLeft, centre(b));
    EXPECT_EQ(doubles, 1) << "down";
}

TEST(VoGridButton, CaptionAcceleratorClicks)
{
    ButtonsOnForm f;
    int clicks = 0;
    f.a->OnClick = [&](TObject*) { ++clicks; };
    f.a->SetCaption(QStringLiteral("&Find"));
    const struct {
        char16_t key;
        bool enabled;
        int clicks;
    } cases[] = {{u'f', true, 1}, {u'F', true, 1}, {u'i', true, 0}, {u'f', false, 0}};
    for (const auto& c : cases) {
        clicks = 0;
        f.a->SetEnabled(c.enabled);
        const LRESULT consumed = f.form.Perform(CM_DIALOGCHAR, c.key, 0);
        EXPECT_EQ(clicks, c.clicks) << char(c.key) << c.enabled;
        EXPECT_EQ(consumed != 0, c.clicks == 1) << char(c.key) << c.enabled;
    }
}
