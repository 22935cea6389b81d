#pragma once
// The small window that shows a hint: a top-level pop-up without a frame of the system's own, placed in
// screen coordinates, shown without taking the focus.
#include "platform/Controls.h"

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
