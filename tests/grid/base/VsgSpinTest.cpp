#include "grid/base/vsgspin/vsgspin.h"

#include <gtest/gtest.h>

#include "grid/base/LocaleGuard.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "platform/QtAccess.h"
#include "support/TestSeams.h"

namespace {

// Counts beeps for the life of the guard.
struct BeepCounter {
    BeepCounter() : hook(MessageBeepHook(), [this](UINT) { ++beeps; }) {}
    int beeps = 0;
    ScopedHook<TMessageBeepHook> hook;
};

struct SpinOnForm {
    explicit SpinOnForm(const QLocale& locale = LocaleGuard::English()) : locale(locale), form(nullptr)
    {
        form.SetBounds(0, 0, 300, 200);
        edit = new TVsgSpinEdit(&form);
        edit->SetParent(&form);
        edit->SetBounds(10, 10, 120, 21);
        edit->TabStop = true;
        form.Show();
        edit->SetFocus();
    }
    LocaleGuard locale;
    TForm form;
    TVsgSpinEdit* edit;
};

TDateTime date(int y, int m, int d)
{
    TDateTime v = 0;
    TryEncodeDate(y, m, d, v);
    return v;
}

TPoint centre(const TControl& c)
{
    return {c.Width() / 2, c.Height() / 2};
}

}  // namespace

TEST(VsgSpinButton, HeldArrowRepeatsAfter400ThenEvery100Ms)
{
    TForm form(nullptr);
    auto* spin = new TVsgSpinButton(&form);
    spin->SetParent(&form);
    form.Show();
    int ups = 0;
    spin->OnUpClick = [&](TObject* sender) {
        EXPECT_EQ(sender, spin);
        ++ups;
    };
    TVoTimerSpeedButton& up = *spin->UpButton();
    SendMouse(up, TMouseAction::Down, TMouseButton::mbLeft, centre(up));
    ASSERT_NE(up.RepeatTimer(), nullptr);
    EXPECT_EQ(up.RepeatTimer()->Interval(), 400u);
    EXPECT_EQ(ups, 0);
    ASSERT_TRUE(FireTimer(*up.RepeatTimer()));
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(up.RepeatTimer()->Interval(), 100u);
    for (int i = 0; i < 6; ++i)
        FireTimer(*up.RepeatTimer());
    EXPECT_EQ(ups, 7);
    SendMouse(up, TMouseAction::Up, TMouseButton::mbLeft, centre(up));
    EXPECT_EQ(ups, 8);  // the release clicks too
    EXPECT_FALSE(up.RepeatTimer()->Running());

    // Released before the first repeat: exactly one click; the next press starts at 400 ms again.
    int downs = 0;
    spin->OnDownClick = [&](TObject*) { ++downs; };
    TVoTimerSpeedButton& down = *spin->DownButton();
    SendClick(down, centre(down));
    EXPECT_EQ(downs, 1);
    SendMouse(up, TMouseAction::Down, TMouseButton::mbLeft, centre(up));
    EXPECT_EQ(up.RepeatTimer()->Interval(), 400u);
    // Dragged off the arrow, the timer no longer clicks.
    SendMouse(up, TMouseAction::Move, TMouseButton::mbLeft, {-20, -20});
    FireTimer(*up.RepeatTimer());
    EXPECT_EQ(ups, 8);
    SendMouse(up, TMouseAction::Up, TMouseButton::mbLeft, {-20, -20});
    EXPECT_EQ(ups, 8);
}

TEST(VsgSpinButton, LayoutFocusAndGlyphs)
{
    TForm form(nullptr);
    auto* spin = new TVsgSpinButton(&form);
    spin->SetParent(&form);
    spin->SetBounds(0, 0, 10, 40);
    EXPECT_EQ(spin->Width(), 15);
    spin->SetBounds(0, 0, 15, 25);
    EXPECT_EQ(spin->UpButton()->BoundsRect(), Bounds(0, 0, 15, 12));
    EXPECT_EQ(spin->DownButton()->BoundsRect(), Bounds(0, 11, 15, 14));
    spin->SetDirection(spHorizontal);
    spin->SetBounds(0, 0, 10, 20);
    EXPECT_EQ(spin->Width(), 20);
    EXPECT_EQ(spin->UpButton()->ButtonDirection, bdRight);
    EXPECT_EQ(spin->DownButton()->ButtonDirection, bdLeft);
    EXPECT_EQ(spin->DownButton()->Left(), 0);
    EXPECT_EQ(spin->UpButton()->Left(), 11);

    // Without TabStop a press doesn't move the focus mark.
    SendMouse(*spin->DownButton(), TMouseAction::Down, TMouseButton::mbLeft, {2, 2});
    SendMouse(*spin->DownButton(), TMouseAction::Up, TMouseButton::mbLeft, {2, 2});
    EXPECT_EQ(spin->FocusedButton(), spin->UpButton());

    // Writing nil restores the built-in glyph of that arrow only.
    TBitmap custom(4, 4);
    spin->SetUpGlyph(&custom);
    spin->SetDownNumGlyphs(2);
    spin->SetDownGlyph(nullptr);
    EXPECT_EQ(spin->DownNumGlyphs(), 1);
    EXPECT_EQ(spin->DownGlyph().Width(), 9);
    EXPECT_EQ(spin->DownGlyph().Height(), 6);
    EXPECT_EQ(spin->UpGlyph().Width(), 4);
}

TEST(VsgSpinButton, ArrowLooks)
{
    TForm form(nullptr);
    auto* spin = new TVsgSpinButton(&form);
    spin->SetParent(&form);
    spin->SetBounds(0, 0, 15, 25);
    spin->ButtonColor = clBlue;
    spin->ButtonColorDown = clRed;
    const QImage image = PaintToImage(*spin);
    EXPECT_EQ(QColorToColor(image.pixelColor(1, 8)), clBlue);
    EXPECT_EQ(QColorToColor(image.pixelColor(6, 3)), clBlack);  // the up triangle
    form.Show();
    SendMouse(*spin->UpButton(), TMouseAction::Down, TMouseButton::mbLeft, {2, 2});
    EXPECT_EQ(QColorToColor(PaintToImage(*spin).pixelColor(1, 8)), clRed);
    SendMouse(*spin->UpButton(), TMouseAction::Up, TMouseButton::mbLeft, {2, 2});

    // Without colours the classic vertical arrows are the glyph bitmaps: a black tip on the face.
    spin->ButtonColor = clNone;
    const QImage classic = PaintToImage(*spin);
    bool black = false;
    for (int x = 0; x < 15; ++x)
        for (int y = 0; y < 12; ++y)
            black = black || QColorToColor(classic.pixelColor(x, y)) == clBlack;
    EXPECT_TRUE(black);
}

TEST(VsgSpinEdit, StepsAndClampsEachKind)
{
    SpinOnForm f;
    TVsgSpinEdit& e = *f.edit;
    struct Case {
        const char* name;
        TVsgSpinType type;
        std::function<void(TVsgSpinEdit&)> setup;
        const char* text;
        int caret;
        WORD key;
        const char* expected;
    };
    const Case cases[] = {
        {"int up", sptNormal, nullptr, "5", 0, VK_UP, "6"},
        {"int page up steps by Increment", sptNormal, [](TVsgSpinEdit& s) { s.Increment = 5; }, "5", 0, VK_PRIOR, "10"},
        {"int at max stays", sptNormal, nullptr, "100", 0, VK_UP, "100"},
        {"int below min", sptNormal, nullptr, "0", 0, VK_DOWN, "0"},
        {"int no range", sptNormal, [](TVsgSpinEdit& s) { s.MinValue = s.MaxValue = 0; }, "2147483647", 0, VK_UP,
         "2147483647"},
        {"int bad text reads min", sptNormal, [](TVsgSpinEdit& s) { s.MinValue = 3; }, "abc", 0, VK_UP, "4"},
        {"float up", sptFloat, nullptr, "1.5", 0, VK_UP, "1.6"},
        {"float page", sptFloat, nullptr, "1.5", 0, VK_NEXT, "0.5"},
        {"float precision", sptFloat, [](TVsgSpinEdit& s) { s.SetPrecision(2); }, "1.5", 0, VK_UP, "1.60"},
        {"float clamps", sptFloat, nullptr, "99.95", 0, VK_UP, "100"},
        {"date month first, month", sptDate, nullptr, "12/31/2020", 0, VK_UP, "1/31/2021"},
        {"date year", sptDate, nullptr, "12/31/2020", 7, VK_UP, "12/31/2021"},
        {"date day", sptDate, nullptr, "12/31/2020", 4, VK_UP, "1/1/2021"},
        {"date month clamps the day", sptDate, nullptr, "1/31/2021", 0, VK_UP, "2/28/2021"},
        {"date year from 29 February", sptDate, nullptr, "2/29/2020", 6, VK_UP, "2/28/2021"},
        {"date year down from 29 February", sptDate, nullptr, "2/29/2020", 6, VK_DOWN, "2/28/2019"},
        {"time hours down wraps", sptTime, nullptr, "0:00:00", 0, VK_DOWN, "23:00:00"},
        {"time hours up wraps", sptTime, nullptr, "23:30:00", 0, VK_UP, "0:30:00"},
        {"time minutes", sptTime, nullptr, "10:59:00", 3, VK_UP, "11:00:00"},
        {"time seconds", sptTime, nullptr, "10:00:59", 7, VK_UP, "10:01:00"},
    };
    for (const Case& c : cases) {
        e.MinValue = 0;
        e.MaxValue = 100;
        e.Increment = 1;
        e.SetPrecision(0);
        e.SetSpinType(c.type);
        if (c.setup)
            c.setup(e);
        e.SetText(QString::fromLatin1(c.text));
        e.SetSelStart(c.caret);
        SendKey(e, c.key);
        EXPECT_EQ(e.Text(), QString::fromLatin1(c.expected)) << c.name;
    }
}

TEST(VsgSpinEdit, DateStepsInALocaleWithMonthNames)
{
    // The C locale's own short date names the month; the spin edit shows and reads back numbers.
    SpinOnForm f(QLocale::c());
    TVsgSpinEdit& e = *f.edit;
    e.MinValue = 0;
    e.MaxValue = 0;
    e.SetSpinType(sptDate);
    e.SetDateValue(date(2026, 12, 10));
    e.SetSelStart(e.Text().size());
    SendKey(e, VK_UP);
    EXPECT_EQ(e.DateValue(), date(2027, 12, 10)) << e.Text().toStdString();
}

TEST(VsgSpinEdit, DayFirstDatesAndClampOnExit)
{
    SpinOnForm f(LocaleGuard::German());
    TVsgSpinEdit& e = *f.edit;
    e.SetSpinType(sptDate);
    e.SetText(QStringLiteral("29.02.2024"));
    e.SetSelStart(0);
    SendKey(e, VK_UP);
    EXPECT_EQ(e.Text(), QStringLiteral("01.03.2024"));
    e.SetSelStart(3);
    SendKey(e, VK_DOWN);
    EXPECT_EQ(e.Text(), QStringLiteral("01.02.2024"));

    // Typing 150 and leaving shows the maximum.
    e.SetSpinType(sptNormal);
    e.SetText(QStringLiteral("150"));
    auto* other = new TVsgSpinEdit(&f.form);
    other->SetParent(&f.form);
    other->TabStop = true;
    other->SetFocus();
    EXPECT_EQ(e.Text(), QStringLiteral("100"));
}

TEST(VsgSpinEdit, ReadersFallBackAndKeysNeverRaise)
{
    SpinOnForm f;
    TVsgSpinEdit& e = *f.edit;
    MessageBoxRecorder boxes;
    e.SetSpinType(sptDate);
    e.MinDateValue = date(2000, 1, 1);
    e.MaxDateValue = date(2030, 1, 1);
    e.SetText(QStringLiteral("13/45/xx"));
    EXPECT_EQ(e.DateValue(), date(2000, 1, 1));
    SendKey(e, VK_UP);
    EXPECT_TRUE(boxes.Shown.empty());
    e.SetText(QString());
    EXPECT_GT(e.DateValue(), date(2020, 1, 1));  // now
    e.SetSpinType(sptTime);
    e.SetText(QStringLiteral("25:99"));
    EXPECT_EQ(e.TimeValue(), 0.0);
    SendKey(e, VK_DOWN);
    e.SetSpinType(sptFloat);
    e.SetText(QStringLiteral("1e999"));
    EXPECT_EQ(e.FloatValue(), 0.0);
    SendKey(e, VK_UP);
    EXPECT_TRUE(boxes.Shown.empty());
}

TEST(VsgSpinEdit, TypedCharactersAreFilteredByKind)
{
    SpinOnForm f;
    TVsgSpinEdit& e = *f.edit;
    BeepCounter beeps;
    e.SetText(QStringLiteral("12"));
    e.SetSelStart(2);
    TypeText(e, QStringLiteral("a"));
    EXPECT_EQ(e.Text(), QStringLiteral("12"));
    EXPECT_EQ(beeps.beeps, 1);
    e.SetSelStart(1);
    TypeText(e, QStringLiteral("-"));
    EXPECT_EQ(e.Text(), QStringLiteral("12"));
    EXPECT_EQ(beeps.beeps, 2);
    e.SetSelStart(0);
    TypeText(e, QStringLiteral("-"));
    EXPECT_EQ(e.Text(), QStringLiteral("-12"));
    e.SetSelStart(0);
    TypeText(e, QStringLiteral("-"));  // a second minus
    EXPECT_EQ(beeps.beeps, 3);
    e.SetSelStart(0);
    e.SetSelLength(1);
    TypeText(e, QStringLiteral("-"));  // replacing the selected one
    EXPECT_EQ(e.Text(), QStringLiteral("-12"));
    EXPECT_EQ(beeps.beeps, 3);
    SendKey(e, 'V', ssCtrl);  // an integer edit takes digits, "-" and Backspace only
    EXPECT_EQ(beeps.beeps, 4);

    e.SetSpinType(sptFloat);
    e.SetPrecision(2);
    e.SetText(QStringLiteral("1.25"));
    e.SetSelStart(4);
    TypeText(e, QStringLiteral("3"));
    EXPECT_EQ(e.Text(), QStringLiteral("1.25"));
    e.SetText(QStringLiteral("1.2"));
    e.SetSelStart(3);
    TypeText(e, QStringLiteral("3"));
    EXPECT_EQ(e.Text(), QStringLiteral("1.23"));
    TypeText(e, QStringLiteral(","));  // the thousand separator
    EXPECT_EQ(e.Text(), QStringLiteral("1.23"));

    // Without the editor: nothing typed, deleted, cut or pasted; the arrows still step.
    e.SetSpinType(sptNormal);
    e.EditorEnabled = false;
    e.SetValue(7);
    EXPECT_EQ(e.SelLength(), 1);
    TypeText(e, QStringLiteral("9"));
    SendKey(e, VK_BACK);
    SendKey(e, VK_DELETE);
    e.Perform(WM_CUT);
    EXPECT_EQ(e.Text(), QStringLiteral("7"));
    SendKey(e, VK_UP);
    EXPECT_EQ(e.Text(), QStringLiteral("8"));
}

TEST(VsgSpinEdit, KeypadDecimalTypesTheRegionalSeparator)
{
    SpinOnForm f(LocaleGuard::German());
    TVsgSpinEdit& e = *f.edit;
    e.SetSpinType(sptFloat);
    e.ExcelStyleDecimalSeparator = true;
    e.SetText(QStringLiteral("1"));
    e.SetSelStart(1);
    SendKey(e, VK_DECIMAL);
    EXPECT_EQ(e.Text(), QStringLiteral("1,"));
    TypeText(e, QStringLiteral("."));  // the main full stop is refused in a float edit
    EXPECT_EQ(e.Text(), QStringLiteral("1,"));
}

TEST(VsgSpinEdit, ReadOnlyBeepsAndArrowsStepOnAForm)
{
    SpinOnForm f;
    TVsgSpinEdit& e = *f.edit;
    BeepCounter beeps;
    e.SetValue(3);
    TVoTimerSpeedButton& up = *e.Button()->UpButton();
    SendClick(up, centre(up));
    EXPECT_EQ(e.Value(), 4);
    EXPECT_TRUE(e.Focused());
    e.SetReadOnly(true);
    SendClick(up, centre(up));
    EXPECT_EQ(e.Value(), 4);
    EXPECT_EQ(beeps.beeps, 1);
    // The spin button sits at the right edge.
    EXPECT_GT(e.Button()->Left(), e.Width() - 25);
}
