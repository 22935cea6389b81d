#include "platform/SystemMetrics.h"

#include <QApplication>
#include <QCursor>

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
