#include "grid/base/VSGEdit/VSGEdit.h"

#include <gtest/gtest.h>

#include "platform/Forms.h"
#include "platform/Menus.h"
#include "platform/QtAccess.h"
#include "support/TestSeams.h"

namespace {

template <typename Edit>
struct EditOnForm {
    EditOnForm() : form(nullptr)
    {
        form.SetBounds(0, 0, 300, 200);
        edit = new Edit(&form);
        edit->SetParent(&form);
        edit->SetBounds(10, 10, 140, 21);
        edit->TabStop = true;
        form.Show();
        edit->SetFocus();
    }
    TForm form;
    Edit* edit;
};

TPoint centre(const TControl& c)
{
    return {c.Width() / 2, c.Height() / 2};
}

}  // namespace

TEST(VsgEditBtn, F4AndTheButtonFireOnClickBtn)
{
    EditOnForm<TVsgEditBtn> f;
    TVsgEditBtn& e = *f.edit;
    EXPECT_EQ(e.Text(), QStringLiteral("0"));
    std::vector<TObject*> senders;
    e.OnClickBtn = [&](TObject* sender) { senders.push_back(sender); };
    SendKey(e, VK_F4, ssCtrl);
    SendKey(e, VK_F4, ssAlt);
    EXPECT_TRUE(senders.empty());
    SendKey(e, VK_F4);
    ASSERT_EQ(senders.size(), 1u);
    EXPECT_EQ(senders[0], &e);

    // Pressed, dragged off and released elsewhere: still a click, from the button window.
    TVoSpeedButton& button = *e.Button()->Button();
    SendMouse(button, TMouseAction::Down, TMouseButton::mbLeft, centre(button));
    SendMouse(button, TMouseAction::Move, TMouseButton::mbLeft, {-40, 30});
    SendMouse(button, TMouseAction::Up, TMouseButton::mbLeft, {-40, 30});
    ASSERT_EQ(senders.size(), 2u);
    EXPECT_EQ(senders[1], e.Button());
    EXPECT_TRUE(e.Focused());
    // The button sits at the right edge.
    EXPECT_GT(e.Button()->Left(), e.Width() - 25);
}

TEST(VsgEditBtn, EditorDisabledTypesNothingButTheButtonWorks)
{
    EditOnForm<TVsgEditBtn> f;
    TVsgEditBtn& e = *f.edit;
    int clicks = 0;
    e.OnClickBtn = [&](TObject*) { ++clicks; };
    e.EditorEnabled = false;
    e.SetText(QStringLiteral("ab"));
    e.SetSelStart(2);
    TypeText(e, QStringLiteral("xyz"));
    SendKey(e, VK_BACK);
    e.Perform(WM_CUT);
    EXPECT_EQ(e.Text(), QStringLiteral("ab"));
    SendKey(e, VK_F4);
    EXPECT_EQ(clicks, 1);
    e.EditorEnabled = true;
    TypeText(e, QStringLiteral("c"));
    EXPECT_EQ(e.Text(), QStringLiteral("abc"));
}

TEST(VsgEditBtn, ButtonLooks)
{
    EditOnForm<TVsgEditBtn> f;
    TVsgEditBtn& e = *f.edit;
    e.SetButtonCaption(QStringLiteral("..."));
    e.Font().SetColor(clRed);
    e.Button()->ButtonColor = clBlue;
    e.Button()->ButtonTextColor = clYellow;
    const QImage image = PaintToImage(*e.Button());
    // The face in ButtonColor, the caption black whatever the text colours.
    EXPECT_EQ(QColorToColor(image.pixelColor(1, 1)), clBlue);
    bool black = false;
    bool yellowOrRed = false;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y) {
            const TColor c = QColorToColor(image.pixelColor(x, y));
            black = black || c == clBlack;
            yellowOrRed = yellowOrRed || c == clYellow || c == clRed;
        }
    EXPECT_TRUE(black);
    EXPECT_FALSE(yellowOrRed);
}

TEST(VsgUnitEditBtn, UnitListSplitsAndChoosesUnits)
{
    EditOnForm<TVsgUnitEditBtn> f;
    TVsgUnitEditBtn& e = *f.edit;
    EXPECT_TRUE(e.RightAlign());
    EXPECT_EQ(e.UnitSpace(), 20);
    e.Units().SetText(QStringLiteral("m\nmm\nkm"));
    e.SetTextAndUnit(QStringLiteral("12mm"));
    EXPECT_EQ(e.Text(), QStringLiteral("12"));
    EXPECT_EQ(e.UnitID(), QStringLiteral("mm"));
    e.SetTextAndUnit(QStringLiteral("12km"));
    EXPECT_EQ(e.Text(), QStringLiteral("12k"));
    EXPECT_EQ(e.UnitID(), QStringLiteral("m"));
    e.SetTextAndUnit(QStringLiteral("7 s"));
    EXPECT_EQ(e.Text(), QStringLiteral("12k"));
    EXPECT_EQ(e.UnitID(), QStringLiteral("m"));
    EXPECT_EQ(e.TextAndUnit(), QStringLiteral("12km"));

    // The button offers the units in a menu below the button; a new choice fires OnUnitChanged.
    std::vector<QString> changes;
    e.OnUnitChanged = [&](TObject* sender, const QString& unit) {
        EXPECT_EQ(sender, &e);
        changes.push_back(unit);
    };
    QStringList offered;
    TPoint at;
    int pick = 2;
    const ScopedHook<TPopupMenuHook> menuHook(PopupMenuHook(), [&](TPopupMenu& menu, TPoint p) -> TMenuItem* {
        offered.clear();
        for (int i = 0; i < menu.Count(); ++i)
            offered << menu.Items(i).Caption;
        at = p;
        return &menu.Items(pick);
    });
    TObject* clickSender = nullptr;
    e.OnClickBtn = [&](TObject* sender) { clickSender = sender; };
    SendClick(*e.Button()->Button(), {3, 3});
    EXPECT_EQ(offered, QStringList({"m", "mm", "km"}));
    EXPECT_EQ(at, e.ClientToScreen({e.ClientWidth() - 15, e.ClientHeight()}));
    EXPECT_EQ(clickSender, &e);
    EXPECT_EQ(e.UnitID(), QStringLiteral("km"));
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], QStringLiteral("km"));
    SendKey(e, VK_F4);  // the same unit again: no change reported
    EXPECT_EQ(changes.size(), 1u);
}

TEST(VsgUnitEditBtn, UnitIsDrawnBeforeTheButton)
{
    EditOnForm<TVsgUnitEditBtn> f;
    TVsgUnitEditBtn& e = *f.edit;
    e.SetText(QString());
    e.Font().SetColor(clRed);
    const QImage without = PaintToImage(e);
    e.SetUnitID(QStringLiteral("W"));
    const QImage with = PaintToImage(e);
    const int right = e.ClientWidth() - (e.Button()->Width() + 3);
    int changed = 0;
    for (int x = 0; x < with.width(); ++x)
        for (int y = 0; y < with.height(); ++y)
            if (with.pixel(x, y) != without.pixel(x, y)) {
                ++changed;
                EXPECT_GE(x, right - e.UnitSpace());
                EXPECT_LT(x, right);
            }
    EXPECT_GT(changed, 0);
}
