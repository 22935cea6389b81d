// The drop-down and close-up cycle: events in order, the pop-up's size and place on the screen, the user's
// size, cancelling, refusals, closing by a click elsewhere, keys, Assign.
#include <gtest/gtest.h>

#include "controls/dropdown/VoDropDown.h"
#include "platform/Clock.h"
#include "platform/ExtCtrls.h"
#include "support/TestSeams.h"

namespace {
// A drop-down with a panel as its content.
class PanelDropDown : public TVoCustomDropDown {
public:
    explicit PanelDropDown(TComponent* AOwner, int ContentWidth = 150, int ContentHeight = 90)
        : TVoCustomDropDown(AOwner)
    {
        panel = new TPanel(this);
        panel->SetBounds(0, 0, ContentWidth, ContentHeight);
        SetControl(panel);
    }
    std::vector<std::string>* log = nullptr;
    TPanel* panel;

protected:
    void BeforeDropDown() override
    {
        TVoCustomDropDown::BeforeDropDown();
        if (log)
            log->push_back("BeforeDropDown");
    }
};

struct Fixture {
    explicit Fixture(int top = 100, TRect work = Rect(0, 0, 1280, 1000), int screenHeight = 1024)
        : area(ScreenAreaHook(),
               [=](TPoint) {
                   return TScreenArea{work, screenHeight};
               }),
          form(nullptr)
    {
        form.SetBounds(0, 0, 400, 300);
        edit = new PanelDropDown(&form);
        edit->SetParent(&form);
        edit->SetBounds(20, top, 120, 21);
        edit->DropDownHeader().SetVisible(false);
        edit->DropDownFooter().SetVisible(false);
        form.Show();
        origin = form.ClientToScreen({20, top});
    }
    ScopedHook<TScreenAreaHook> area;
    TForm form;
    PanelDropDown* edit;
    TPoint origin;
    TDropDownForm& popup() { return *edit->DropDownForm(); }
};

TEST(DropDownCycle, EventsComeInOrderAndCancelRestoresTheValueCodeLastSet)
{
    Fixture f;
    std::vector<std::string> log;
    f.edit->log = &log;
    f.edit->OnBeforeDropDown = [&](TObject*) { log.push_back("OnBeforeDropDown"); };
    f.edit->OnDropDown = [&](TObject*, bool&) { log.push_back("OnDropDown"); };
    f.edit->OnBeforeDropUp = [&](TObject*) { log.push_back("OnBeforeDropUp"); };
    f.edit->OnDropUp = [&](TObject*, bool Cancelled) { log.push_back(Cancelled ? "OnDropUp cancelled" : "OnDropUp"); };
    f.edit->SetText(QStringLiteral("set"));
    f.edit->ShowDropDown();
    EXPECT_TRUE(f.edit->DroppedDown());
    EXPECT_TRUE(f.popup().Visible());
    TypeText(*f.edit, QStringLiteral("x"));
    f.edit->HideDropDown(true);
    EXPECT_FALSE(f.edit->DroppedDown());
    EXPECT_FALSE(f.popup().Visible());
    EXPECT_EQ(f.edit->Text(), QStringLiteral("set"));
    const std::vector<std::string> expected = {"OnBeforeDropDown", "BeforeDropDown", "OnDropDown", "OnBeforeDropUp",
                                               "OnDropUp cancelled"};
    EXPECT_EQ(log, expected);

    // Accepting keeps what was typed; closing again does nothing.
    f.edit->ShowDropDown();
    f.edit->SetSelStart(3);
    TypeText(*f.edit, QStringLiteral("y"));
    f.edit->HideDropDown(false);
    EXPECT_EQ(f.edit->Text(), QStringLiteral("sety"));
    log.clear();
    f.edit->HideDropDown(true);
    EXPECT_TRUE(log.empty());
}

TEST(DropDownCycle, RefusedDropDownsShowNothing)
{
    Fixture f;
    int before = 0;
    f.edit->OnBeforeDropDown = [&](TObject*) { ++before; };
    f.edit->OnDropDown = [](TObject*, bool& accept) { accept = false; };
    f.edit->ShowDropDown();
    EXPECT_EQ(before, 1);
    EXPECT_FALSE(f.edit->DroppedDown());
    EXPECT_FALSE(f.popup().Visible());
    f.edit->OnDropDown = nullptr;

    f.edit->SetReadOnly(true);
    f.edit->ShowDropDown();
    EXPECT_FALSE(f.popup().Visible());
    f.edit->SetReadOnly(false);
    f.edit->SetEnabled(false);
    f.edit->ShowDropDown();
    EXPECT_FALSE(f.popup().Visible());
    EXPECT_EQ(before, 1);
}

TEST(DropDownCycle, PopupOpensBelowOrAboveByTheScreenHeight)
{
    struct Case {
        int ScreenHeight;
        TDropPosition Position;
        bool Below;
    };
    // The pop-up is 150 x 92 (content and a frame of 1 on each side).
    const Case cases[] = {
        {1024, dpAuto, true},
        {0, dpAuto, false},
        {1024, dpUp, false},
        {0, dpDown, true},
    };
    for (const Case& c : cases) {
        Fixture f(100, Rect(0, 0, 1280, 1000), c.ScreenHeight);
        f.edit->DropPosition = c.Position;
        f.edit->ShowDropDown();
        SCOPED_TRACE(c.ScreenHeight);
        EXPECT_EQ(f.popup().Width(), 150);
        EXPECT_EQ(f.popup().Height(), 92);
        EXPECT_EQ(f.popup().Left(), f.origin.X);
        EXPECT_EQ(f.popup().Top(), c.Below ? f.origin.Y + 21 - 1 : f.origin.Y - 92);
    }
    // Exactly reaching the screen's height opens upward; the test takes the edit's top.
    Fixture edge(100);
    Fixture probe(100, Rect(0, 0, 1280, 1000), edge.origin.Y + 92);
    probe.edit->ShowDropDown();
    EXPECT_EQ(probe.popup().Top(), probe.origin.Y - 92);
}

TEST(DropDownCycle, PopupIsShiftedLeftIntoTheWorkAreaOnlyOnMonitorsFromZero)
{
    Fixture f(100, Rect(0, 0, 100, 1000));
    f.edit->ShowDropDown();
    EXPECT_EQ(f.popup().Left(), 100 - 150);
    Fixture left(100, Rect(-1280, 0, 100, 1000));
    left.edit->ShowDropDown();
    EXPECT_EQ(left.popup().Left(), left.origin.X);
}

TEST(DropDownCycle, SizeComesFromSettingsContentBarsAndTheUsersLastSize)
{
    Fixture f;
    f.edit->DropDownHeader().SetVisible(true);
    f.edit->DropDownFooter().SetVisible(true);
    f.edit->ShowDropDown();
    EXPECT_EQ(f.popup().Height(), 2 + 22 + 22 + 90);
    ASSERT_NE(f.popup().Header(), nullptr);
    ASSERT_NE(f.popup().Footer(), nullptr);
    EXPECT_TRUE(f.popup().Header()->Visible());

    // The user's size comes back until the setting of that dimension changes.
    f.popup().SetBounds(f.popup().Left(), f.popup().Top(), 300, 200);
    f.edit->HideDropDown(false);
    f.edit->ShowDropDown();
    EXPECT_EQ(f.popup().Width(), 300);
    EXPECT_EQ(f.popup().Height(), 200);
    f.edit->HideDropDown(false);
    f.edit->SetDropDownWidth(180);
    f.edit->ShowDropDown();
    EXPECT_EQ(f.popup().Width(), 180);
    EXPECT_EQ(f.popup().Height(), 200);
    f.edit->HideDropDown(false);

    // Without content and settings: the edit's width and the frame, raised to 80 x 50.
    TForm form(nullptr);
    ScopedHook<TScreenAreaHook> area(ScreenAreaHook(), [](TPoint) {
        return TScreenArea{Rect(0, 0, 1280, 1000), 1024};
    });
    auto* bare = new TVoCustomDropDown(&form);
    bare->SetParent(&form);
    bare->SetBounds(0, 0, 60, 21);
    bare->DropDownHeader().SetVisible(false);
    bare->DropDownFooter().SetVisible(false);
    form.Show();
    bare->ShowDropDown();
    EXPECT_EQ(bare->DropDownForm()->Width(), 80);
    EXPECT_EQ(bare->DropDownForm()->Height(), 50);
    bare->HideDropDown(false);
}

TEST(DropDownCycle, ClickElsewhereClosesByTheDeactivationRule)
{
    Fixture f;
    std::int64_t now = 10000;
    ScopedHook<TTickCountHook> clock(TickCountHook(), [&] { return now; });
    f.edit->SetText(QStringLiteral("kept"));
    f.edit->ShowDropDown();
    f.edit->SetSelStart(4);
    TypeText(*f.edit, QStringLiteral("!"));
    f.popup().BlockActivate = true;
    f.popup().Close();
    EXPECT_TRUE(f.edit->DroppedDown());
    f.popup().BlockActivate = false;
    f.popup().Close();  // the window system's request when the user clicks outside the pop-up
    EXPECT_FALSE(f.edit->DroppedDown());
    EXPECT_EQ(f.popup().DeActivateTime(), now);
    EXPECT_EQ(f.edit->Text(), QStringLiteral("kept"));  // CancelOnDeActivate

    // The button's click right after (the click that closed it) does not reopen it; later it does.
    TControl& button = f.edit->Button()->Button();
    now += 100;
    SendClick(button, {5, 5});
    EXPECT_FALSE(f.edit->DroppedDown());
    now += 200;
    SendClick(button, {5, 5});
    EXPECT_TRUE(f.edit->DroppedDown());
    f.popup().CancelOnDeActivate = false;
    f.edit->SetSelStart(4);
    TypeText(*f.edit, QStringLiteral("?"));
    f.popup().Close();
    EXPECT_EQ(f.edit->Text(), QStringLiteral("kept?"));
}

TEST(DropDownCycle, KeysOpenAndCloseThePopup)
{
    Fixture f;
    f.edit->SetFocus();
    SendKey(*f.edit, VK_F4);
    EXPECT_TRUE(f.edit->DroppedDown());
    SendKey(*f.edit, VK_F4);
    EXPECT_FALSE(f.edit->DroppedDown());
    SendKey(*f.edit, VK_DOWN, ssAlt);
    EXPECT_TRUE(f.edit->DroppedDown());
    SendKey(*f.edit, VK_UP, ssAlt);
    EXPECT_FALSE(f.edit->DroppedDown());
    f.edit->SetText(QStringLiteral("a"));
    SendKey(*f.edit, VK_F4);
    TypeText(*f.edit, QStringLiteral("b"));
    SendKey(*f.edit, VK_ESCAPE);
    EXPECT_FALSE(f.edit->DroppedDown());
    EXPECT_EQ(f.edit->Text(), QStringLiteral("a"));
    // Keys pressed on the pop-up itself reach the edit.
    SendKey(*f.edit, VK_F4);
    SendKey(f.popup(), VK_RETURN);
    EXPECT_FALSE(f.edit->DroppedDown());
}

TEST(DropDownCycle, AnEditThatCannotBeTypedInOpensOnAClickAndTakesNoCharacters)
{
    Fixture f;
    f.edit->SetEditorEnabled(false);
    f.edit->SetText(QStringLiteral("v"));
    f.edit->SetFocus();
    TypeText(*f.edit, QStringLiteral("zz"));
    EXPECT_EQ(f.edit->Text(), QStringLiteral("v"));
    SendClick(*f.edit, {10, 10});
    EXPECT_TRUE(f.edit->DroppedDown());
    SendKey(*f.edit, VK_RETURN);
    EXPECT_FALSE(f.edit->DroppedDown());
    SendKey(*f.edit, VK_F4);
    EXPECT_TRUE(f.edit->DroppedDown());
    SendKey(*f.edit, VK_ESCAPE);
    EXPECT_FALSE(f.edit->DroppedDown());
}

TEST(DropDownCycle, AssignCopiesSettingsFromADropDownOnly)
{
    TVoCustomDropDown source(nullptr), target(nullptr);
    source.SetDropDownWidth(222);
    source.SetDropDownColor(0x00FF00);
    source.DropPosition = dpUp;
    source.SetDropDownButtonWidth(20);
    source.DropDownHeader().Caption = QStringLiteral("Head");
    source.SetBorderColor(0x0000FF);
    source.SetText(QStringLiteral("text"));
    TPanel other(nullptr);
    target.Assign(other);
    EXPECT_EQ(target.DropDownWidth(), 0);
    target.Assign(source);
    EXPECT_EQ(target.DropDownWidth(), 222);
    EXPECT_EQ(target.DropDownColor(), 0x00FF00);
    EXPECT_EQ(target.DropPosition, dpUp);
    EXPECT_EQ(target.DropDownButtonWidth(), 20);
    EXPECT_EQ(target.Button()->BWidth(), 20);
    EXPECT_EQ(target.DropDownHeader().Caption, QStringLiteral("Head"));
    EXPECT_EQ(target.BorderColor(), clNone);
    EXPECT_TRUE(target.Text().isEmpty());
    EXPECT_EQ(target.Version(), QStringLiteral("1.2.1.4"));
}

TEST(DropDownCycle, ButtonKeepsItsOwnWidthUntilTheSettingChanges)
{
    TVoCustomDropDown d(nullptr);
    EXPECT_EQ(d.DropDownButtonWidth(), 17);
    EXPECT_EQ(d.Button()->Width(), 16);
    d.Button()->SetBounds(0, 0, 40, 17);
    EXPECT_EQ(d.Button()->Width(), 16);
    d.SetDropDownButtonWidth(21);
    EXPECT_EQ(d.Button()->Width(), 21);
}
}  // namespace
