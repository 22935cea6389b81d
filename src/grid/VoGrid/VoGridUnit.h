#pragma once
// State and services the string grid unit shares among all grids: start-up and shut-down, the registered
// message and clipboard-format numbers, the active focus grid, the link cursor and the locale readers.
#include <QChar>
#include <QString>
#include <initializer_list>

#include "platform/Controls.h"
#include "platform/Messages.h"

class VOroDavoduRuzu;

// Runs once per process (a second call does nothing); VoGridFinalize undoes it once.
void VoGridInitialize();
void VoGridFinalize();
// Installed by VoGridInitialize for every window move: keeps the active grid's focus frame on its cell.
void FocusWindowCallWndHook();

struct TVoGridUnitState {
    bool Initialized = false;
    // The date and time picker editors open only when the common controls are recent enough.
    bool DatePickerAvailable = false;
    UINT ClipboardFormat = 0;   // "VOroDavoduRuzu Cells"
    UINT GridEditDoneMsg = 0;   // "GridEditDone"
    UINT DTPShiftFocusMsg = 0;  // "DTPShiftFocus"
    VOroDavoduRuzu* ActiveGrid = nullptr;
    // The hook that carries the active grid's focus frame along when any window moves; 0 when none.
    int WindowPosHook = 0;
    // The cursor shown over a link in a cell; every grid construction sets it to the hand cursor.
    TCursor LinkCursor = crDefault;
    // The font name the hint window paints with.
    QString HintFontName;
};
TVoGridUnitState& VoGridUnit();

// The format with its "%d"s standing for the values in order; nothing else is substituted.
QString FormatIntegers(const QString& Fmt, std::initializer_list<int> Values);

// Major x 65536 + minor of the file's version, -1 when it has none. This platform has no version
// resources; it answers for "comctl32.dll" the level its own controls give (6.0).
int ReadFileVersionMS(const QString& FileName);
// The date and time editors need common controls of version 4.70 or later.
constexpr bool DatePickerVersionOK(int versionMS)
{
    return versionMS > 262213;
}

// The process-wide regional formats, read at the time of the call.
QChar LocaleTimeSeparator();
QChar LocaleDateSeparator();
QChar LocaleThousandSeparator();
QChar LocaleDecimalSeparator();
QString LocaleShortDateFormat();
QString LocaleShortTimeFormat();
QString LocaleLongTimeFormat();
