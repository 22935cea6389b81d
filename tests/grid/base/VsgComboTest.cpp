#include "grid/base/VsgCombo/VsgCombo.h"

#include <gtest/gtest.h>

#include "platform/ControlBridge.h"
#include "platform/Forms.h"
#include "platform/QtAccess.h"
#include "platform/SystemMetrics.h"
#include "support/TestSeams.h"

namespace {

struct ComboOnForm {
    ComboOnForm() : form(nullptr)
    {
        form.SetBounds(0, 0, 400, 300);
        combo = new TVsgComboBox(&form);
        combo->SetParent(&form);
        combo->SetBounds(150, 100, 120, 21);
        combo->Items().SetText(QStringLiteral("one\ntwo\nthree"));
    }
    TForm form;
    TVsgComboBox* combo;
};

TColor pixel(const QImage& image, int x, int y)
{
    return QColorToColor(image.pixelColor(x, y));
}

}  // namespace

TEST(VsgCombo, LabelPlacedAtEachPosition)
{
    ComboOnForm f;
    EXPECT_EQ(f.combo->LabelCaption(), QString());
    EXPECT_EQ(f.combo->ComboLabel(), nullptr);
    f.combo->SetLabelMargin(5);
    f.combo->SetLabelCaption(QStringLiteral("Port"));
    TLabel* label = f.combo->ComboLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Parent(), &f.form);
    const int lw = label->Width();
    const int lh = label->Height();
    ASSERT_GT(lw, 0);
    const int L = 150, T = 100, W = 120, H = 21, m = 5;
    // The text width of an auto-sized label is its width.
    const struct {
        TLabelPosition position;
        int left;
        int top;
    } cases[] = {
        {lpLeftTop, L - lw - m, T},
        {lpLeftCenter, L - lw - m, T + (H - lh) / 2},
        {lpLeftBottom, L - lw - m, T + H - lh},
        {lpTopLeft, L, T - lh - m},
        {lpBottomLeft, L, T + H + m},
        {lpLeftTopLeft, L - m, T},
        {lpLeftCenterLeft, L - m, T + (H - lh) / 2},
        {lpLeftBottomLeft, L - m, T + H - lh},
        {lpTopCenter, L + (W - lw) / 2, T - lh - m},
        {lpBottomCenter, L + (W - lw) / 2, T + H + m},
        {lpRightTop, L + W + m, T},
        {lpRightCenter, L + W + m, T + (H - lh) / 2},
        {lpRighBottom, L + W + m, T + H - lh},
    };
    for (const auto& c : cases) {
        f.combo->SetLabelPosition(c.position);
        EXPECT_EQ(label->Left(), c.left) << c.position;
        EXPECT_EQ(label->Top(), c.top) << c.position;
    }
    // Moving the box takes the label along; hiding it hides the label.
    f.combo->SetLabelPosition(lpTopLeft);
    f.combo->SetBounds(20, 200, 120, 21);
    EXPECT_EQ(label->Left(), 20);
    EXPECT_EQ(label->Top(), 200 - lh - m);
    f.combo->SetVisible(false);
    EXPECT_FALSE(label->Visible());
}

TEST(VsgCombo, ButtonWidthRangeAndDropWidth)
{
    ComboOnForm f;
    const int initial = f.combo->ButtonWidth();
    EXPECT_EQ(initial, GetSystemMetrics(SM_CXVSCROLL) + 2);
    for (const int refused : {13, 33})
        f.combo->SetButtonWidth(refused);
    EXPECT_EQ(f.combo->ButtonWidth(), initial);
    f.combo->SetButtonWidth(14);
    EXPECT_EQ(f.combo->ButtonWidth(), 14);
    f.combo->SetButtonWidth(32);
    EXPECT_EQ(f.combo->ButtonWidth(), 32);

    f.combo->SetDropWidth(0);
    EXPECT_EQ(f.combo->Perform(CB_GETDROPPEDWIDTH), 120);
    f.combo->SetDropWidth(-5);
    EXPECT_EQ(f.combo->Perform(CB_GETDROPPEDWIDTH), 120);
    f.combo->SetDropWidth(260);
    EXPECT_EQ(f.combo->Perform(CB_GETDROPPEDWIDTH), 260);
}

TEST(VsgCombo, DropUpFiresOnceWhenTheListCloses)
{
    ComboOnForm f;
    f.form.Show();
    int dropUps = 0;
    int dropDowns = 0;
    f.combo->OnDropUp = [&](TObject* sender) {
        EXPECT_EQ(sender, f.combo);
        ++dropUps;
    };
    f.combo->OnDropDown = [&](TObject*) { ++dropDowns; };
    f.combo->SetDroppedDown(true);
    EXPECT_EQ(dropUps, 0);
    EXPECT_EQ(dropDowns, 1);
    f.combo->SetDroppedDown(false);
    EXPECT_EQ(dropUps, 1);
}

TEST(VsgCombo, SelectItemAndFocusColours)
{
    ComboOnForm f;
    f.combo->SelectItem(QStringLiteral("two"));
    EXPECT_EQ(f.combo->ItemIndex(), 1);
    f.combo->SelectItem(QStringLiteral("TWO"));
    EXPECT_EQ(f.combo->ItemIndex(), 1);

    auto* other = new TVsgComboBox(&f.form);
    other->SetParent(&f.form);
    other->TabStop = true;
    f.combo->TabStop = true;
    f.combo->SetColor(clWhite);
    f.combo->Init();
    f.combo->FocusColor = clYellow;
    f.combo->FocusLabel = true;
    f.combo->SetLabelCaption(QStringLiteral("Port"));
    f.form.Show();
    f.combo->SetFocus();
    EXPECT_EQ(f.combo->Color(), clYellow);
    EXPECT_TRUE(f.combo->ComboLabel()->Font().Style() & fsBold);
    other->SetFocus();
    EXPECT_EQ(f.combo->Color(), clWhite);
    EXPECT_FALSE(f.combo->ComboLabel()->Font().Style() & fsBold);
}

TEST(VsgCombo, PaintsItsBordersAndButton)
{
    ComboOnForm f;
    // No border colours, not flat, enabled: the platform's look alone.
    const QImage plain = PaintToImage(*f.combo);
    f.combo->SetEtched(true);
    EXPECT_EQ(PaintToImage(*f.combo), plain);

    f.combo->SetBorderColor(clRed);
    QImage image = PaintToImage(*f.combo);
    EXPECT_EQ(pixel(image, 0, 10), clRed);
    EXPECT_EQ(pixel(image, 60, 20), clRed);

    f.combo->ButtonColor = clBlue;
    f.combo->ButtonTextColor = clYellow;
    f.combo->ButtonBorderColor = clLime;
    f.combo->IsWinXP = true;  // else the classic flat button face covers the button's edge
    image = PaintToImage(*f.combo);
    const int buttonLeft = 120 - f.combo->ButtonWidth() + 2;
    EXPECT_EQ(pixel(image, buttonLeft + 8, 4), clBlue);
    EXPECT_EQ(pixel(image, buttonLeft, 10), clLime);       // the line left of the button
    EXPECT_EQ(pixel(image, buttonLeft + 7, 9), clYellow);  // the arrow

    // Disabled without the platform border: a $B99D7F frame.
    f.combo->SetBorderColor(clNone);
    f.combo->ButtonColor = clNone;
    f.combo->DisabledBorder = false;
    f.combo->SetEnabled(false);
    image = PaintToImage(*f.combo);
    EXPECT_EQ(pixel(image, 0, 10), TColor(0xB99D7F));

    // A focus border shows only with the focus.
    f.combo->SetEnabled(true);
    f.combo->FocusBorderColor = clFuchsia;
    image = PaintToImage(*f.combo);
    EXPECT_NE(pixel(image, 0, 10), clFuchsia);
}

TEST(VsgCombo, FlatLook)
{
    ComboOnForm f;
    TVsgComboBox& c = *f.combo;
    EXPECT_EQ(c.DropDownCount(), 8);
    // Flat takes the parent's colour; flat off gives back the window colour, not the parent's.
    f.form.SetColor(clTeal);
    c.SetFlat(true);
    EXPECT_EQ(c.Color(), clTeal);
    c.SetFlat(false);
    EXPECT_EQ(c.Color(), clWindow);
    c.SetColor(clRed);
    c.SetFlat(true);
    c.SetFlat(false);
    EXPECT_EQ(c.Color(), clWindow);

    // The inner frames in the box's colour stop at the drop button; the underline ends before it.
    c.SetFlatParentColor(false);
    c.SetFlat(true);
    c.SetColor(clYellow);
    c.SetFlatLineColor(clBlue);
    const QImage image = PaintToImage(c);
    const int bw = c.ButtonWidth();
    EXPECT_EQ(pixel(image, 10, 2), clYellow);
    EXPECT_NE(pixel(image, 120 - 8, 2), clYellow);
    EXPECT_NE(pixel(image, 120 - 3, 10), clYellow);
    EXPECT_NE(pixel(image, 120 - 8, 21 - 3), clYellow);
    EXPECT_EQ(pixel(image, 120 - 2 - bw - 2, 20), clBlue);
    EXPECT_NE(pixel(image, 120 - 2 - bw, 20), clBlue);
}

TEST(VsgCombo, DropButtonColoursFollowTheMouse)
{
    ComboOnForm f;
    f.form.Show();
    f.combo->ButtonColor = clBlue;
    f.combo->ButtonColorHot = clAqua;
    f.combo->ButtonColorDown = clNavy;
    f.combo->ButtonTextColor = clYellow;
    f.combo->ButtonTextColorHot = clRed;
    f.combo->ButtonTextColorDown = clLime;
    f.combo->IsWinXP = true;
    const int buttonLeft = 120 - f.combo->ButtonWidth() + 2;
    const TPoint face{buttonLeft + 8, 4};
    const TPoint arrow{buttonLeft + 7, 9};
    const auto look = [&] {
        const QImage image = PaintToImage(*f.combo);
        return std::pair{pixel(image, face.X, face.Y), pixel(image, arrow.X, arrow.Y)};
    };
    struct Case {
        const char* what;
        int x;             // mouse position inside the box
        TShiftState held;  // mouse buttons down while painting
        TColor face, arrow;
    } cases[] = {
        {"away from the button", 20, 0, clBlue, clYellow},
        {"over the button: hot face, the hot arrow colour is never used", 115, 0, clAqua, clYellow},
        {"held over the button", 115, ssLeft, clNavy, clLime},
        {"held elsewhere: the arrow alone", 20, ssLeft, clBlue, clLime},
    };
    for (const Case& c : cases) {
        SendMouse(*f.combo, TMouseAction::Move, TMouseButton::mbLeft, {c.x, 10});
        const InputStateScope state(c.held);
        EXPECT_EQ(look(), std::pair(c.face, c.arrow)) << c.what;
    }
}

TEST(VsgCombo, RightToLeftLeavesButtonAndBordersAlone)
{
    ComboOnForm f;
    const QImage plain = PaintToImage(*f.combo);
    f.combo->BiDiMode = bdRightToLeft;
    f.combo->SetBorderColor(clRed);
    EXPECT_EQ(PaintToImage(*f.combo), plain);
}

TEST(VsgCombo, UserChoosesAnItemWithTheKeyboard)
{
    ComboOnForm f;
    f.combo->SetStyle(csDropDownList);
    f.combo->TabStop = true;
    int changes = 0;
    f.combo->OnChange = [&](TObject*) { ++changes; };
    f.form.Show();
    f.combo->SetFocus();
    SendKey(*f.combo, VK_DOWN);
    SendKey(*f.combo, VK_DOWN);
    EXPECT_EQ(f.combo->Text(), QStringLiteral("two"));
    EXPECT_GE(changes, 1);
}
