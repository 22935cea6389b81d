#pragma once
// The small window that shows a hint: a top-level pop-up without a frame of the system's own, placed in
// screen coordinates, shown without taking the focus. A control asked for its hint (CM_HINTSHOW with a
// THintInfo in LParam) may change the text, place it, or show it in a hint window of its own.
#include "platform/Controls.h"

class THintWindow;

struct THintInfo {
    TControl* HintControl = nullptr;
    TPoint CursorPos;  // client coordinates of the control
    TPoint HintPos;    // screen coordinates of the hint's top-left corner
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    QString HintStr;
    THintWindow* HintWindow = nullptr;  // nullptr: the system's tooltip shows the text
    void* HintData = nullptr;
};

class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("THintWindow"); }

    // The rectangle (at 0, 0) the hint needs: its text wrapped to MaxWidth, with a margin. AData is the
    // descendant's own data and is not used here.
    virtual TRect CalcHintRect(int MaxWidth, const QString& AHint, void* AData);
    // Shows the hint in the screen rectangle.
    virtual void ActivateHint(const TRect& ARect, const QString& AHint);
    // Hides the hint.
    void ReleaseHandle();
    bool Active() const { return Visible(); }

protected:
    void Paint() override;
};

// Hides the hint shown for any control, so that the next pause of the mouse asks for a new one.
void CancelHint();
// Asks the control for its hint at the client point and shows it; nothing when it has none.
void ActivateHintAt(TControl& Control, TPoint CursorPos);
// The screen rectangle of the monitor nearest to the point.
TRect MonitorRectAt(TPoint Pos);
