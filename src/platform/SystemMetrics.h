#pragma once
// Sizes and settings of the desktop that controls measure themselves by.
#include "platform/Messages.h"
#include "platform/Types.h"

enum : int {
    SM_CXSCREEN = 0,    // width of the primary screen
    SM_CYSCREEN = 1,    // height of the primary screen
    SM_CXVSCROLL = 2,   // width of a vertical scroll bar
    SM_CYHSCROLL = 3,   // height of a horizontal scroll bar
    SM_CXBORDER = 5,    // width of a window border
    SM_CYBORDER = 6,    // height of a window border
    SM_CYVSCROLL = 20,  // height of a vertical scroll bar's arrow
    SM_CXHSCROLL = 21,  // width of a horizontal scroll bar's arrow
    SM_CXEDGE = 45,     // width of a sunken 3-D edge
    SM_CYEDGE = 46,     // height of a sunken 3-D edge
};

enum : UINT { SPI_GETWHEELSCROLLLINES = 0x0068 };
// SPI_GETWHEELSCROLLLINES answers this for "a page at a time".
constexpr UINT WHEEL_PAGESCROLL = 0xFFFFFFFFu;

// The size named by index in pixels; 0 for an index it doesn't know.
int GetSystemMetrics(int index);
// SPI_GETWHEELSCROLLLINES: the lines one notch of the wheel scrolls, into *(UINT*)pvParam. False for
// another action or a null pvParam.
bool SystemParametersInfo(UINT action, UINT uiParam, void* pvParam, UINT winIni);

// The work area (the screen less the desktop's panels) of the monitor nearest to the point.
TRect MonitorWorkArea(TPoint p);

// The mouse pointer's position on the screen.
TPoint GetCursorPos();
