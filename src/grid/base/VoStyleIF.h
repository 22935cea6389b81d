#pragma once
// The style vocabulary shared by the grid controls, Office theme detection and the theme notifier.
#include <QString>

#include "platform/Graphics.h"

enum TQEVStyle {
    tsOffice2003Blue,
    tsOffice2003Silver,
    tsOffice2003Olive,
    tsOffice2003Classic,
    tsOffice2007Luna,
    tsOffice2007Obsidian,
    tsWindowsXP,
    tsWhidbey,
    tsCustom,
    tsOffice2007Silver,
    tsWindowsVista,
    tsWindows7,
    tsTerminal,
    tsOffice2010Blue,
    tsOffice2010Silver,
    tsOffice2010Black,
};

enum TOfficeTheme {
    ot2003Blue,
    ot2003Silver,
    ot2003Olive,
    ot2003Classic,
    ot2007Blue,
    ot2007Silver,
    ot2007Black,
    ot2010Blue,
    ot2010Silver,
    ot2010Black,
    otUnknown,
};

struct TColorTone {
    TColor BrushColor = clNone;
    TColor BorderColor = clNone;
    TColor TextColor = clNone;
};

struct TColorTones {
    TColorTone Background;
    TColorTone Foreground;
    TColorTone Selected;
    TColorTone Hover;
    TColorTone Disabled;
};

// A control that takes a whole style.
class IQEVStyle {
public:
    virtual void SetComponentStyle(TQEVStyle AStyle) = 0;

protected:
    ~IQEVStyle() = default;
};

// A control that takes a set of colour tones.
class IQEVTones {
public:
    virtual void SetColorTones(const TColorTones& ATones) = 0;

protected:
    ~IQEVTones() = default;
};

// Office versions whose colour theme can be followed: 0 none, 1 Office 2007, 2 Office 2010.
int GetInstalledOfficeVersion();
// The "Theme" value of an Office settings key; -1 when the key or value is missing.
int ReadOfficeThemeValue(const QString& keyPath);
TOfficeTheme DetectOfficeTheme();
// 0 none, 1 "NormalColor", 2 "HomeStead", 3 "Metallic".
int CurrentXPColorScheme();
bool IsWinXPOrLater();
bool ComCtlVersionAbove5();
bool HasLocaleInfoEx();
QString DefaultUIFontName();

// The message sent to registered windows when the Office theme changes.
constexpr unsigned WM_OFFICETHEMECHANGED = 2993;

// Tells registered windows about Office theme changes. Only an installed Office version with
// colour themes is watched; there is none on this platform, so registering does nothing.
class TThemeNotifier : public TObject {
public:
    void RegisterWindow(qintptr hwnd) { (void)hwnd; }
    void UnRegisterWindow(qintptr hwnd) { (void)hwnd; }
    TNotifyEvent OnOfficeThemeChange;
};

// The process-wide notifier, created on first use.
TThemeNotifier& SharedThemeNotifier();
