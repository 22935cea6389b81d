#include "platform/Forms.h"
#include "platform/QtAccess.h"
#include "support/TestSeams.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

struct Logged {
    UINT msg;
    WPARAM wParam;
    bool operator==(const Logged&) const = default;
};

// A custom control that logs the keyboard messages it gets and answers WM_GETDLGCODE with Wants.
class KeyLog : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    void WndProc(TMessage& m) override
    {
        switch (m.Msg) {
        case CN_KEYDOWN:
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case CN_CHAR:
        case WM_CHAR:
        case WM_SYSCHAR:
        case WM_KEYUP:
        case WM_SYSKEYUP:
            log.push_back({m.Msg, m.WParam});
            lastKeyData = m.LParam;
            break;
        case WM_GETDLGCODE:
            m.Result = Wants;
            return;
        default:
            break;
        }
        TCustomControl::WndProc(m);
    }
    std::vector<Logged> log;
    LPARAM lastKeyData = 0;
    UINT Wants = 0;
};

void sendQtKey(TWinControl& c, int key, Qt::KeyboardModifiers mods, const QString& text)
{
    QKeyEvent down(QEvent::KeyPress, key, mods, text);
    QCoreApplication::sendEvent(QtAccess::Widget(c), &down);
    QKeyEvent up(QEvent::KeyRelease, key, mods, text);
    QCoreApplication::sendEvent(QtAccess::Widget(c), &up);
}

}  // namespace

TEST(InputTest, QtKeysBecomeVirtualKeysAndCharacters)
{
    struct Case {
        int key;
        Qt::KeyboardModifiers mods;
        QString text;
        WORD vk;
        char16_t ch;  // 0: no WM_CHAR
        bool sys;
    };
    const Case cases[] = {
        {Qt::Key_A, Qt::NoModifier, "a", 'A', u'a', false},
        {Qt::Key_A, Qt::ShiftModifier, "A", 'A', u'A', false},
        {Qt::Key_5, Qt::NoModifier, "5", '5', u'5', false},
        {Qt::Key_5, Qt::KeypadModifier, "5", VK_NUMPAD0 + 5, u'5', false},
        {Qt::Key_Return, Qt::NoModifier, "\r", VK_RETURN, 13, false},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", VK_RETURN, 13, false},
        {Qt::Key_Escape, Qt::NoModifier, "", VK_ESCAPE, 27, false},
        {Qt::Key_Backspace, Qt::NoModifier, "", VK_BACK, 8, false},
        {Qt::Key_Delete, Qt::NoModifier, QString(QChar(0x7F)), VK_DELETE, 0, false},
        {Qt::Key_F5, Qt::NoModifier, "", VK_F5, 0, false},
        {Qt::Key_Left, Qt::NoModifier, "", VK_LEFT, 0, false},
        {Qt::Key_C, Qt::ControlModifier, "", 'C', 3, false},
        {Qt::Key_Semicolon, Qt::NoModifier, ";", VK_OEM_1, u';', false},
        {Qt::Key_Colon, Qt::ShiftModifier, ":", VK_OEM_1, u':', false},
        {Qt::Key_Exclam, Qt::ShiftModifier, "!", '1', u'!', false},
        {Qt::Key_X, Qt::AltModifier, "x", 'X', u'x', true},
    };
    for (const Case& c : cases) {
        KeyLog log(nullptr);
        sendQtKey(log, c.key, c.mods, c.text);
        std::vector<Logged> expected{{CN_KEYDOWN, c.vk}, {c.sys ? WM_SYSKEYDOWN : WM_KEYDOWN, c.vk}};
        if (c.ch)
            expected.insert(expected.end(), {{CN_CHAR, c.ch}, {c.sys ? WM_SYSCHAR : WM_CHAR, c.ch}});
        expected.push_back({c.sys ? WM_SYSKEYUP : WM_KEYUP, c.vk});
        EXPECT_EQ(log.log, expected) << "key " << std::hex << c.key;
    }
}

TEST(InputTest, KeyDataCarriesExtendedAltRepeatAndRelease)
{
    KeyLog log(nullptr);
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::AltModifier, QString(), true);
    QCoreApplication::sendEvent(QtAccess::Widget(log), &left);
    const DWORD data = static_cast<DWORD>(log.lastKeyData);
    EXPECT_EQ(data & 0xFFFF, 1u);
    EXPECT_TRUE(data & (KF_EXTENDED << 16));
    EXPECT_TRUE(data & (KF_ALTDOWN << 16));
    EXPECT_TRUE(data & (KF_REPEAT << 16));
    EXPECT_FALSE(data & (KF_UP << 16));
    SendKeyUp(log, 'A');
    EXPECT_TRUE(static_cast<DWORD>(log.lastKeyData) & (KF_UP << 16));
}

TEST(InputTest, HandlersSeeWritableKeysAndShiftState)
{
    TForm form(nullptr);
    auto* c = new KeyLog(&form);
    c->SetParent(&form);
    std::vector<QString> order;
    TShiftState seen = 0;
    form.KeyPreview = true;
    form.OnKeyDown = [&](TObject*, WORD& key, TShiftState shift) {
        order.push_back("form down");
        seen = shift;
        if (key == 'Q')
            key = 0;
    };
    c->OnKeyDown = [&](TObject*, WORD&, TShiftState) { order.push_back("control down"); };
    c->OnKeyPress = [&](TObject*, char16_t& key) {
        order.push_back(QStringLiteral("press ") + QChar(key));
        if (key == u'z')
            key = 0;
    };
    SendKey(*c, 'A', ssShift | ssCtrl);
    EXPECT_EQ(seen, ssShift | ssCtrl);
    order.clear();
    SendKey(*c, 'Q');
    EXPECT_EQ(order, (std::vector<QString>{"form down", "press q"})) << "the form cleared the key";
    order.clear();
    TypeText(*c, QStringLiteral("z"));
    EXPECT_EQ(order, (std::vector<QString>{"form down", "control down", "press z"}));
}

TEST(InputTest, DialogKeysGoToTheFormUnlessTheControlWantsThem)
{
    TForm form(nullptr);
    auto* c = new KeyLog(&form);
    c->SetParent(&form);
    std::vector<WPARAM> dialogKeys;
    // A child that answers Enter as a default button would.
    class DefaultButton : public TCustomControl {
    public:
        DefaultButton(TComponent* o, std::vector<WPARAM>* keys) : TCustomControl(o), keys_(keys) {}
        void WndProc(TMessage& m) override
        {
            if (m.Msg == CM_DIALOGKEY) {
                keys_->push_back(m.WParam);
                if (m.WParam == VK_RETURN)
                    m.Result = 1;
                return;
            }
            TCustomControl::WndProc(m);
        }
        std::vector<WPARAM>* keys_;
    };
    (new DefaultButton(&form, &dialogKeys))->SetParent(&form);

    SendKey(*c, VK_RETURN);
    EXPECT_EQ(dialogKeys, std::vector<WPARAM>{VK_RETURN});
    EXPECT_EQ(c->log, (std::vector<Logged>{{CN_KEYDOWN, VK_RETURN}, {WM_KEYUP, VK_RETURN}}));

    SendKey(*c, VK_ESCAPE);
    EXPECT_EQ(dialogKeys, (std::vector<WPARAM>{VK_RETURN, VK_ESCAPE})) << "nobody took Esc";
    EXPECT_EQ(c->log.back(), (Logged{WM_KEYUP, VK_ESCAPE}));
    EXPECT_EQ(c->log[c->log.size() - 2], (Logged{WM_CHAR, 27}));

    c->Wants = DLGC_WANTALLKEYS;
    dialogKeys.clear();
    c->log.clear();
    SendKey(*c, VK_RETURN);
    EXPECT_TRUE(dialogKeys.empty());
    EXPECT_EQ(c->log[1], (Logged{WM_KEYDOWN, VK_RETURN}));
}

TEST(InputTest, CharactersAreOfferedAsDialogCharsUnlessTheControlWantsChars)
{
    TForm form(nullptr);
    auto* c = new KeyLog(&form);
    c->SetParent(&form);
    std::vector<WPARAM> chars;
    form.OnKeyPress = nullptr;
    class Accelerator : public TCustomControl {
    public:
        Accelerator(TComponent* o, std::vector<WPARAM>* chars) : TCustomControl(o), chars_(chars) {}
        void WndProc(TMessage& m) override
        {
            if (m.Msg == CM_DIALOGCHAR) {
                chars_->push_back(m.WParam);
                m.Result = m.WParam == u'o' ? 1 : 0;
                return;
            }
            TCustomControl::WndProc(m);
        }
        std::vector<WPARAM>* chars_;
    };
    (new Accelerator(&form, &chars))->SetParent(&form);
    TypeText(*c, QStringLiteral("ok"));
    EXPECT_EQ(chars, (std::vector<WPARAM>{u'o', u'k'}));
    const auto typed = std::count_if(c->log.begin(), c->log.end(), [](const Logged& l) { return l.msg == WM_CHAR; });
    EXPECT_EQ(typed, 1) << "the accelerator consumed 'o'";

    c->Wants = DLGC_WANTCHARS;
    chars.clear();
    TypeText(*c, QStringLiteral("o"));
    EXPECT_TRUE(chars.empty());
    SendKey(*c, 'O', ssAlt);
    EXPECT_EQ(chars, std::vector<WPARAM>{u'o'}) << "Alt+letter is always a dialog character";
}

TEST(InputTest, TabMovesTheFocusInTabOrderAmongTabStopsAndTheFormMayTakeIt)
{
    TForm form(nullptr);
    auto make = [&form](bool tabStop) {
        auto* c = new KeyLog(&form);
        c->SetParent(&form);
        c->TabStop = tabStop;
        return c;
    };
    KeyLog* a = make(true);
    KeyLog* skipped = make(false);
    KeyLog* b = make(true);
    KeyLog* hidden = make(true);
    hidden->Hide();
    b->SetTabOrder(0);
    std::vector<QString> events;
    a->OnEnter = [&](TObject*) { events.push_back("enter a"); };
    a->OnExit = [&](TObject*) { events.push_back("exit a"); };
    b->OnEnter = [&](TObject*) { events.push_back("enter b"); };
    b->OnExit = [&](TObject*) { events.push_back("exit b"); };
    form.Show();
    EXPECT_TRUE(b->Focused()) << "the first tab stop gets the focus";
    SendKey(*b, VK_TAB);
    EXPECT_TRUE(a->Focused());
    SendKey(*a, VK_TAB);
    EXPECT_TRUE(b->Focused()) << "wraps, skipping the control without a tab stop and the hidden one";
    SendKey(*b, VK_TAB, ssShift);
    EXPECT_TRUE(a->Focused());
    EXPECT_EQ(events, (std::vector<QString>{"enter b", "exit b", "enter a", "exit a", "enter b", "exit b", "enter a"}));
    EXPECT_EQ(form.ActiveControl(), a);
    EXPECT_FALSE(skipped->Focused());
    form.SetFocus();
    EXPECT_FALSE(a->Focused()) << "the form takes the focus itself";
    EXPECT_TRUE(form.Focused());
    EXPECT_EQ(events.back(), QStringLiteral("exit a"));
    form.Hide();
}

TEST(InputTest, MouseButtonsClickAndDoubleClick)
{
    class Target : public TCustomControl {
    public:
        using TCustomControl::TCustomControl;
    } target(nullptr);
    target.SetBounds(0, 0, 50, 20);
    std::vector<QString> events;
    target.OnMouseDown = [&](TObject*, TMouseButton b, TShiftState s, int x, int y) {
        events.push_back(QStringLiteral("down %1 %2 %3,%4").arg(int(b)).arg(s).arg(x).arg(y));
    };
    target.OnMouseUp = [&](TObject*, TMouseButton b, TShiftState, int x, int y) {
        events.push_back(QStringLiteral("up %1 %2,%3").arg(int(b)).arg(x).arg(y));
    };
    target.OnClick = [&](TObject*) { events.push_back("click"); };
    target.OnDblClick = [&](TObject*) { events.push_back("dblclick"); };

    SendClick(target, {3, 4});
    EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("down 0 %1 3,4").arg(ssLeft), "click", "up 0 3,4"}));

    events.clear();
    SendMouse(target, TMouseAction::Down, TMouseButton::mbLeft, {3, 4});
    SendMouse(target, TMouseAction::Up, TMouseButton::mbLeft, {80, 4});
    EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("down 0 %1 3,4").arg(ssLeft), "up 0 80,4"}))
        << "released outside: no click";

    events.clear();
    SendMouse(target, TMouseAction::DblClick, TMouseButton::mbLeft, {1, 1});
    EXPECT_EQ(events, (std::vector<QString>{"dblclick", QStringLiteral("down 0 %1 1,1").arg(ssLeft | ssDouble)}));

    events.clear();
    SendClick(target, {2, 2}, TMouseButton::mbRight, ssShift);
    EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("down 1 %1 2,2").arg(ssRight | ssShift), "up 1 2,2"}));
}

TEST(InputTest, WheelComesInNotchesOf120AndUnhandledGoesToTheParent)
{
    TForm form(nullptr);
    auto* child = new KeyLog(&form);
    child->SetParent(&form);
    std::vector<int> deltas;
    form.OnMouseWheel = [&](TObject*, TShiftState, int delta, TPoint, bool& handled) {
        deltas.push_back(delta);
        handled = true;
    };
    SendWheel(*child, -120, {1, 1});
    EXPECT_EQ(deltas, std::vector<int>{-120});
    bool down = false;
    child->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& handled) { down = handled = true; };
    SendWheel(*child, -240, {1, 1});
    EXPECT_TRUE(down);
    EXPECT_EQ(deltas.size(), 1u) << "handled by the child";
}

TEST(InputTest, MouseEnterAndLeaveAndCapture)
{
    class Target : public TCustomControl {
    public:
        using TCustomControl::TCustomControl;
    } target(nullptr);
    target.SetBounds(0, 0, 10, 10);
    std::vector<QString> events;
    target.OnMouseEnter = [&](TObject*) { events.push_back("enter"); };
    target.OnMouseLeave = [&](TObject*) { events.push_back("leave"); };
    target.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
        events.push_back(target.MouseCapture() ? "captured" : "free");
    };
    SendMouseEnter(target);
    SendMouse(target, TMouseAction::Down, TMouseButton::mbLeft, {1, 1});
    SendMouse(target, TMouseAction::Up, TMouseButton::mbLeft, {1, 1});
    SendMouseLeave(target);
    EXPECT_EQ(events, (std::vector<QString>{"enter", "captured", "leave"}));
    EXPECT_FALSE(target.MouseCapture());
    EXPECT_EQ(GetCaptureControl(), nullptr);
}
