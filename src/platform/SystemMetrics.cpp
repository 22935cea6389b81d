#include "platform/SystemMetrics.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>

namespace {
// The scroll bars the layer's controls draw: the classic 17 pixels.
constexpr int ScrollBarExtent = 17;
}  // namespace

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
        return ScrollBarExtent;
    case SM_CXSCREEN:
    case SM_CYSCREEN: {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen)
            return 0;
        return index == SM_CXSCREEN ? screen->geometry().width() : screen->geometry().height();
    }
    default:
        return 0;
    }
}

bool SystemParametersInfo(UINT action, UINT uiParam, void* pvParam, UINT winIni)
{
    (void)uiParam;
    (void)winIni;
    if (action != SPI_GETWHEELSCROLLLINES || !pvParam)
        return false;
    const int lines = QApplication::wheelScrollLines();
    *static_cast<UINT*>(pvParam) = lines < 0 ? WHEEL_PAGESCROLL : static_cast<UINT>(lines);
    return true;
}

TPoint GetCursorPos()
{
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

TRect MonitorWorkArea(TPoint p)
{
    const QScreen* screen = QGuiApplication::screenAt({p.X, p.Y});
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect a = screen->availableGeometry();
    return Rect(a.left(), a.top(), a.left() + a.width(), a.top() + a.height());
}
