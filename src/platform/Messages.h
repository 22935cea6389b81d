#pragma once
// Window messages: the message record, message numbers, virtual-key codes and the send/post functions.
#include <QString>
#include <cstdint>

class TWinControl;

using UINT = unsigned int;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using UINT_PTR = std::uintptr_t;
// A window is a windowed control.
using HWND = TWinControl*;

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;

    WORD WParamLo() const { return static_cast<WORD>(WParam & 0xFFFF); }
    WORD WParamHi() const { return static_cast<WORD>((WParam >> 16) & 0xFFFF); }
    WORD LParamLo() const { return static_cast<WORD>(LParam & 0xFFFF); }
    WORD LParamHi() const { return static_cast<WORD>((LParam >> 16) & 0xFFFF); }
};

constexpr WORD LOWORD(std::uintptr_t v)
{
    return static_cast<WORD>(v & 0xFFFF);
}
constexpr WORD HIWORD(std::uintptr_t v)
{
    return static_cast<WORD>((v >> 16) & 0xFFFF);
}
constexpr LPARAM MAKELPARAM(int lo, int hi)
{
    return static_cast<LPARAM>(static_cast<DWORD>(static_cast<WORD>(lo)) |
                               (static_cast<DWORD>(static_cast<WORD>(hi)) << 16));
}
constexpr WPARAM MAKEWPARAM(int lo, int hi)
{
    return static_cast<WPARAM>(static_cast<DWORD>(MAKELPARAM(lo, hi)));
}
// Signed coordinates packed in the low and high word of a mouse message's LParam.
constexpr int GET_X_LPARAM(LPARAM l)
{
    return static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(l)));
}
constexpr int GET_Y_LPARAM(LPARAM l)
{
    return static_cast<std::int16_t>(HIWORD(static_cast<std::uintptr_t>(l)));
}
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM w)
{
    return static_cast<std::int16_t>(HIWORD(w));
}
constexpr int WHEEL_DELTA = 120;
// The answer to WM_MOUSEACTIVATE that keeps a window from becoming active.
constexpr LRESULT MA_NOACTIVATE = 3;

// Window messages.
enum : UINT {
    WM_NULL = 0x0000,
    WM_CREATE = 0x0001,
    WM_DESTROY = 0x0002,
    WM_MOVE = 0x0003,
    WM_SIZE = 0x0005,
    WM_ACTIVATE = 0x0006,
    WM_SETFOCUS = 0x0007,
    WM_KILLFOCUS = 0x0008,
    WM_ENABLE = 0x000A,
    WM_SETREDRAW = 0x000B,
    WM_SETTEXT = 0x000C,
    WM_GETTEXT = 0x000D,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_ERASEBKGND = 0x0014,
    WM_SHOWWINDOW = 0x0018,
    WM_CANCELMODE = 0x001F,
    WM_SETCURSOR = 0x0020,
    WM_MOUSEACTIVATE = 0x0021,
    WM_WINDOWPOSCHANGING = 0x0046,
    WM_WINDOWPOSCHANGED = 0x0047,
    WM_NOTIFY = 0x004E,
    WM_NCHITTEST = 0x0084,
    WM_NCPAINT = 0x0085,
    WM_NCACTIVATE = 0x0086,
    WM_GETDLGCODE = 0x0087,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_CHAR = 0x0102,
    WM_SYSKEYDOWN = 0x0104,
    WM_SYSKEYUP = 0x0105,
    WM_SYSCHAR = 0x0106,
    WM_COMMAND = 0x0111,
    WM_TIMER = 0x0113,
    WM_HSCROLL = 0x0114,
    WM_VSCROLL = 0x0115,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_LBUTTONDBLCLK = 0x0203,
    WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205,
    WM_RBUTTONDBLCLK = 0x0206,
    WM_MBUTTONDOWN = 0x0207,
    WM_MBUTTONUP = 0x0208,
    WM_MBUTTONDBLCLK = 0x0209,
    WM_MOUSEWHEEL = 0x020A,
    WM_SIZING = 0x0214,
    WM_CAPTURECHANGED = 0x0215,
    WM_MOUSELEAVE = 0x02A3,
    WM_CUT = 0x0300,
    WM_COPY = 0x0301,
    WM_PASTE = 0x0302,
    WM_CLEAR = 0x0303,
    WM_UNDO = 0x0304,
    WM_THEMECHANGED = 0x031A,
    WM_USER = 0x0400,
    WM_APP = 0x8000,
};

// Notifications of the control framework.
enum : UINT {
    CM_BASE = 0xB000,
    CM_ACTIVATE = CM_BASE + 0,
    CM_DEACTIVATE = CM_BASE + 1,
    CM_DIALOGKEY = CM_BASE + 2,
    CM_DIALOGCHAR = CM_BASE + 3,
    CM_FOCUSCHANGED = CM_BASE + 4,
    CM_PARENTFONTCHANGED = CM_BASE + 5,
    CM_PARENTCOLORCHANGED = CM_BASE + 6,
    CM_HITTEST = CM_BASE + 7,
    CM_VISIBLECHANGED = CM_BASE + 8,
    CM_ENABLEDCHANGED = CM_BASE + 9,
    CM_COLORCHANGED = CM_BASE + 10,
    CM_FONTCHANGED = CM_BASE + 11,
    CM_CURSORCHANGED = CM_BASE + 12,
    CM_TEXTCHANGED = CM_BASE + 13,
    CM_MOUSEENTER = CM_BASE + 14,
    CM_MOUSELEAVE = CM_BASE + 15,
    CM_SHOWINGCHANGED = CM_BASE + 16,
    CM_ENTER = CM_BASE + 17,
    CM_EXIT = CM_BASE + 18,
    CM_WANTSPECIALKEY = CM_BASE + 19,
    CM_CHILDKEY = CM_BASE + 20,
    CM_HINTSHOW = CM_BASE + 21,
    CM_MOUSEWHEEL = CM_BASE + 22,
    CM_STYLECHANGED = CM_BASE + 23,
    CM_UIACTIVATE = CM_BASE + 24,
    CM_PARENTSHOWHINTCHANGED = CM_BASE + 25,

    CN_BASE = 0xBC00,
    CN_COMMAND = CN_BASE + WM_COMMAND,
    CN_NOTIFY = CN_BASE + WM_NOTIFY,
    CN_KEYDOWN = CN_BASE + WM_KEYDOWN,
    CN_CHAR = CN_BASE + WM_CHAR,
};

// Edit control messages and notifications.
enum : UINT {
    EM_GETSEL = 0x00B0,
    EM_SETSEL = 0x00B1,
    EM_GETRECT = 0x00B2,
    EM_SETRECT = 0x00B3,
    EM_SETRECTNP = 0x00B4,
    EM_LINEFROMCHAR = 0x00C9,
    EM_SETPASSWORDCHAR = 0x00CC,
    EM_SETREADONLY = 0x00CF,
    EM_GETPASSWORDCHAR = 0x00D2,
    EM_POSFROMCHAR = 0x00D6,
    EM_CHARFROMPOS = 0x00D7,
    EM_FORMATRANGE = WM_USER + 57,
    EM_SHOWBALLOONTIP = 0x1503,
    EN_CHANGE = 0x0300,
};

// Combo box messages and notifications.
enum : UINT {
    CB_GETEDITSEL = 0x0140,
    CB_SETEDITSEL = 0x0142,
    CB_GETCOUNT = 0x0146,
    CB_GETCURSEL = 0x0147,
    CB_GETLBTEXT = 0x0148,
    CB_SETCURSEL = 0x014E,
    CB_SHOWDROPDOWN = 0x014F,
    CB_SETITEMHEIGHT = 0x0153,
    CB_GETDROPPEDSTATE = 0x0157,
    CB_GETDROPPEDWIDTH = 0x015F,
    CB_SETDROPPEDWIDTH = 0x0160,
    CB_ERR = static_cast<UINT>(-1),
    CBN_SELCHANGE = 1,
    CBN_DBLCLK = 2,
    CBN_SETFOCUS = 3,
    CBN_KILLFOCUS = 4,
    CBN_EDITCHANGE = 5,
    CBN_EDITUPDATE = 6,
    CBN_DROPDOWN = 7,
    CBN_CLOSEUP = 8,
};

// Scroll bar codes.
enum : UINT {
    SB_HORZ = 0,
    SB_VERT = 1,
    SB_CTL = 2,
    SB_BOTH = 3,
    SB_LINEUP = 0,
    SB_LINELEFT = 0,
    SB_LINEDOWN = 1,
    SB_LINERIGHT = 1,
    SB_PAGEUP = 2,
    SB_PAGELEFT = 2,
    SB_PAGEDOWN = 3,
    SB_PAGERIGHT = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_LEFT = 6,
    SB_BOTTOM = 7,
    SB_RIGHT = 7,
    SB_ENDSCROLL = 8,
};

// Answers to WM_GETDLGCODE.
enum : UINT {
    DLGC_WANTARROWS = 0x0001,
    DLGC_WANTTAB = 0x0002,
    DLGC_WANTALLKEYS = 0x0004,
    DLGC_WANTMESSAGE = 0x0004,
    DLGC_HASSETSEL = 0x0008,
    DLGC_WANTCHARS = 0x0080,
};

// Mouse key flags in a mouse message's WParam.
enum : UINT {
    MK_LBUTTON = 0x0001,
    MK_RBUTTON = 0x0002,
    MK_SHIFT = 0x0004,
    MK_CONTROL = 0x0008,
    MK_MBUTTON = 0x0010,
};

// Window styles the callers name.
enum : DWORD {
    WS_POPUP = 0x80000000u,
    WS_CLIPCHILDREN = 0x02000000u,
    WS_BORDER = 0x00800000u,
    WS_EX_TOPMOST = 0x00000008u,
    WS_EX_TRANSPARENT = 0x00000020u,
    WS_EX_LAYERED = 0x00080000u,
};

// Virtual-key codes. Letters and digits are their upper-case ASCII codes.
enum : WORD {
    VK_LBUTTON = 0x01,
    VK_RBUTTON = 0x02,
    VK_CANCEL = 0x03,
    VK_MBUTTON = 0x04,
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_CLEAR = 0x0C,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_PAUSE = 0x13,
    VK_CAPITAL = 0x14,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_SELECT = 0x29,
    VK_PRINT = 0x2A,
    VK_EXECUTE = 0x2B,
    VK_SNAPSHOT = 0x2C,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_HELP = 0x2F,
    VK_LWIN = 0x5B,
    VK_RWIN = 0x5C,
    VK_APPS = 0x5D,
    VK_NUMPAD0 = 0x60,
    VK_NUMPAD9 = 0x69,
    VK_MULTIPLY = 0x6A,
    VK_ADD = 0x6B,
    VK_SEPARATOR = 0x6C,
    VK_SUBTRACT = 0x6D,
    VK_DECIMAL = 0x6E,
    VK_DIVIDE = 0x6F,
    VK_F1 = 0x70,
    VK_F2 = 0x71,
    VK_F3 = 0x72,
    VK_F4 = 0x73,
    VK_F5 = 0x74,
    VK_F6 = 0x75,
    VK_F7 = 0x76,
    VK_F8 = 0x77,
    VK_F9 = 0x78,
    VK_F10 = 0x79,
    VK_F11 = 0x7A,
    VK_F12 = 0x7B,
    VK_F24 = 0x87,
    VK_NUMLOCK = 0x90,
    VK_SCROLL = 0x91,
    VK_OEM_1 = 0xBA,
    VK_OEM_PLUS = 0xBB,
    VK_OEM_COMMA = 0xBC,
    VK_OEM_MINUS = 0xBD,
    VK_OEM_PERIOD = 0xBE,
    VK_OEM_2 = 0xBF,
    VK_OEM_3 = 0xC0,
    VK_OEM_4 = 0xDB,
    VK_OEM_5 = 0xDC,
    VK_OEM_6 = 0xDD,
    VK_OEM_7 = 0xDE,
};

// Key data of a keyboard message (its LParam).
enum : DWORD {
    KF_EXTENDED = 0x0100,
    KF_ALTDOWN = 0x2000,
    KF_REPEAT = 0x4000,
    KF_UP = 0x8000,
};

// The number of a named message: the same name (in any letter case) gives the same number, from 0xC000 up.
// 0 for an empty name.
UINT RegisterWindowMessage(const QString& name);
// The number of a named clipboard format; names share one table with the window messages.
inline UINT RegisterClipboardFormat(const QString& name)
{
    return RegisterWindowMessage(name);
}

// Runs the message through the window's procedure at once and returns its result; 0 without a window.
LRESULT SendMessage(HWND window, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
// Queues the message for the window; it runs after the current message, unless the window is gone by then.
// False without a window.
bool PostMessage(HWND window, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

// State of a key or mouse button during the message being handled: the high bit (negative) when down.
// Knows the shift, control, alt keys and the mouse buttons.
std::int16_t GetKeyState(int virtualKey);

// The record of EM_SHOWBALLOONTIP (LParam): a tip with title, text and icon (0 none, 1 info, 2 warning, 3 error).
struct EDITBALLOONTIP {
    DWORD cbStruct = 16;
    QString pszTitle;
    QString pszText;
    int ttiIcon = 0;
};
