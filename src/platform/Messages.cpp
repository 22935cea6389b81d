#include "platform/Messages.h"
#include "platform/QtAccess.h"

#include "platform/ControlBridge.h"
#include "platform/Controls.h"
#include "platform/KeyMap.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>
#include <QMutex>
#include <QWidget>
#include <optional>

namespace {

std::optional<TShiftState> inputState;

}  // namespace

UINT RegisterWindowMessage(const QString& name)
{
    if (name.isEmpty())
        return 0;
    static QMutex mutex;
    static QHash<QString, UINT> numbers;
    const QMutexLocker lock(&mutex);
    const QString key = name.toCaseFolded();
    auto it = numbers.find(key);
    if (it == numbers.end())
        it = numbers.insert(key, static_cast<UINT>(0xC000 + numbers.size()));
    return it.value();
}

LRESULT SendMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return window ? window->Perform(msg, wParam, lParam) : 0;
}

bool PostMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!window)
        return false;
    QCoreApplication::postEvent(QtAccess::Widget(*window), new PostedMessageEvent(msg, wParam, lParam));
    return true;
}

InputStateScope::InputStateScope(TShiftState state)
    : hadState_(inputState.has_value()), previous_(inputState.value_or(0))
{
    inputState = state;
}

InputStateScope::~InputStateScope()
{
    if (hadState_)
        inputState = previous_;
    else
        inputState.reset();
}

std::int16_t GetKeyState(int virtualKey)
{
    TShiftState state = 0;
    if (inputState) {
        state = *inputState;
    } else {
        state = ShiftStateFromQt(QGuiApplication::queryKeyboardModifiers(), QGuiApplication::mouseButtons());
    }
    TShiftState flag = 0;
    switch (virtualKey) {
    case VK_SHIFT:
        flag = ssShift;
        break;
    case VK_CONTROL:
        flag = ssCtrl;
        break;
    case VK_MENU:
        flag = ssAlt;
        break;
    case VK_LBUTTON:
        flag = ssLeft;
        break;
    case VK_RBUTTON:
        flag = ssRight;
        break;
    case VK_MBUTTON:
        flag = ssMiddle;
        break;
    default:
        return 0;
    }
    return (state & flag) ? static_cast<std::int16_t>(0x8000 | 1) : 0;
}
