#include "platform/KeyMap.h"

#include <array>
#include <utility>

namespace {

struct KeyPair {
    int qt;
    WORD vk;
};

// Keys that are not letters, digits or function keys. The unshifted key of a pair comes first.
constexpr std::array keyTable{
    KeyPair{Qt::Key_Backspace, VK_BACK},
    KeyPair{Qt::Key_Tab, VK_TAB},
    KeyPair{Qt::Key_Backtab, VK_TAB},
    KeyPair{Qt::Key_Clear, VK_CLEAR},
    KeyPair{Qt::Key_Return, VK_RETURN},
    KeyPair{Qt::Key_Enter, VK_RETURN},
    KeyPair{Qt::Key_Shift, VK_SHIFT},
    KeyPair{Qt::Key_Control, VK_CONTROL},
    KeyPair{Qt::Key_Alt, VK_MENU},
    KeyPair{Qt::Key_Pause, VK_PAUSE},
    KeyPair{Qt::Key_CapsLock, VK_CAPITAL},
    KeyPair{Qt::Key_Escape, VK_ESCAPE},
    KeyPair{Qt::Key_Space, VK_SPACE},
    KeyPair{Qt::Key_PageUp, VK_PRIOR},
    KeyPair{Qt::Key_PageDown, VK_NEXT},
    KeyPair{Qt::Key_End, VK_END},
    KeyPair{Qt::Key_Home, VK_HOME},
    KeyPair{Qt::Key_Left, VK_LEFT},
    KeyPair{Qt::Key_Up, VK_UP},
    KeyPair{Qt::Key_Right, VK_RIGHT},
    KeyPair{Qt::Key_Down, VK_DOWN},
    KeyPair{Qt::Key_Select, VK_SELECT},
    KeyPair{Qt::Key_Printer, VK_PRINT},
    KeyPair{Qt::Key_Execute, VK_EXECUTE},
    KeyPair{Qt::Key_Print, VK_SNAPSHOT},
    KeyPair{Qt::Key_Insert, VK_INSERT},
    KeyPair{Qt::Key_Delete, VK_DELETE},
    KeyPair{Qt::Key_Help, VK_HELP},
    KeyPair{Qt::Key_Meta, VK_LWIN},
    KeyPair{Qt::Key_Menu, VK_APPS},
    KeyPair{Qt::Key_NumLock, VK_NUMLOCK},
    KeyPair{Qt::Key_ScrollLock, VK_SCROLL},
    KeyPair{Qt::Key_Semicolon, VK_OEM_1},
    KeyPair{Qt::Key_Colon, VK_OEM_1},
    KeyPair{Qt::Key_Equal, VK_OEM_PLUS},
    KeyPair{Qt::Key_Plus, VK_OEM_PLUS},
    KeyPair{Qt::Key_Comma, VK_OEM_COMMA},
    KeyPair{Qt::Key_Less, VK_OEM_COMMA},
    KeyPair{Qt::Key_Minus, VK_OEM_MINUS},
    KeyPair{Qt::Key_Underscore, VK_OEM_MINUS},
    KeyPair{Qt::Key_Period, VK_OEM_PERIOD},
    KeyPair{Qt::Key_Greater, VK_OEM_PERIOD},
    KeyPair{Qt::Key_Slash, VK_OEM_2},
    KeyPair{Qt::Key_Question, VK_OEM_2},
    KeyPair{Qt::Key_QuoteLeft, VK_OEM_3},
    KeyPair{Qt::Key_AsciiTilde, VK_OEM_3},
    KeyPair{Qt::Key_BracketLeft, VK_OEM_4},
    KeyPair{Qt::Key_BraceLeft, VK_OEM_4},
    KeyPair{Qt::Key_Backslash, VK_OEM_5},
    KeyPair{Qt::Key_Bar, VK_OEM_5},
    KeyPair{Qt::Key_BracketRight, VK_OEM_6},
    KeyPair{Qt::Key_BraceRight, VK_OEM_6},
    KeyPair{Qt::Key_Apostrophe, VK_OEM_7},
    KeyPair{Qt::Key_QuoteDbl, VK_OEM_7},
    // Shifted digits of the main keyboard.
    KeyPair{Qt::Key_ParenRight, '0'},
    KeyPair{Qt::Key_Exclam, '1'},
    KeyPair{Qt::Key_At, '2'},
    KeyPair{Qt::Key_NumberSign, '3'},
    KeyPair{Qt::Key_Dollar, '4'},
    KeyPair{Qt::Key_Percent, '5'},
    KeyPair{Qt::Key_AsciiCircum, '6'},
    KeyPair{Qt::Key_Ampersand, '7'},
    KeyPair{Qt::Key_Asterisk, '8'},
    KeyPair{Qt::Key_ParenLeft, '9'},
};

// Keypad keys by their Qt key when the keypad modifier is set.
constexpr std::array keypadTable{
    KeyPair{Qt::Key_Asterisk, VK_MULTIPLY}, KeyPair{Qt::Key_Plus, VK_ADD},      KeyPair{Qt::Key_Minus, VK_SUBTRACT},
    KeyPair{Qt::Key_Period, VK_DECIMAL},    KeyPair{Qt::Key_Comma, VK_DECIMAL}, KeyPair{Qt::Key_Slash, VK_DIVIDE},
};

}  // namespace

WORD VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::KeypadModifier) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
            return static_cast<WORD>(VK_NUMPAD0 + (qtKey - Qt::Key_0));
        for (const auto& k : keypadTable)
            if (k.qt == qtKey)
                return k.vk;
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return static_cast<WORD>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<WORD>(VK_F1 + (qtKey - Qt::Key_F1));
    for (const auto& k : keyTable)
        if (k.qt == qtKey)
            return k.vk;
    return 0;
}

int QtKeyFromVirtualKey(WORD vk)
{
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return vk;
    if (vk >= VK_F1 && vk <= VK_F24)
        return Qt::Key_F1 + (vk - VK_F1);
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9)
        return Qt::Key_0 + (vk - VK_NUMPAD0);
    for (const auto& k : keypadTable)
        if (k.vk == vk)
            return k.qt;
    for (const auto& k : keyTable)
        if (k.vk == vk)
            return k.qt;
    return Qt::Key_unknown;
}

char16_t ControlCharOfKey(WORD vk, TShiftState shift)
{
    switch (vk) {
    case VK_BACK:
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
        return vk;
    default:
        break;
    }
    if ((shift & ssCtrl) && !(shift & ssAlt) && vk >= 'A' && vk <= 'Z')
        return static_cast<char16_t>(vk - 'A' + 1);
    return 0;
}

Qt::KeyboardModifiers ModifiersFromShiftState(TShiftState shift)
{
    Qt::KeyboardModifiers m;
    if (shift & ssShift)
        m |= Qt::ShiftModifier;
    if (shift & ssCtrl)
        m |= Qt::ControlModifier;
    if (shift & ssAlt)
        m |= Qt::AltModifier;
    return m;
}

TShiftState ShiftStateFromQt(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState s = 0;
    if (modifiers & Qt::ShiftModifier)
        s |= ssShift;
    if (modifiers & Qt::ControlModifier)
        s |= ssCtrl;
    if (modifiers & Qt::AltModifier)
        s |= ssAlt;
    if (buttons & Qt::LeftButton)
        s |= ssLeft;
    if (buttons & Qt::RightButton)
        s |= ssRight;
    if (buttons & Qt::MiddleButton)
        s |= ssMiddle;
    return s;
}
