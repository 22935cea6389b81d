#pragma once
// The pop-up of a drop-down edit: a borderless window under or over the edit that holds the content
// control, an optional header bar on top and footer bar at the bottom, paints its background and frame
// from the drop-down's settings, and closes when the user clicks elsewhere. Made once with its drop-down,
// then only shown and hidden.
#include <cstdint>

#include "controls/dropdown/VoDropDownBars.h"
#include "platform/Forms.h"

class TVoCustomDropDown;

class TDropDownForm : public TPaintedControl<TForm> {
public:
    explicit TDropDownForm(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TDropDownForm"); }
    void WndProc(TMessage& Message) override;

    // Links the header and footer bars to the drop-down again, rebuilding their buttons; makes a bar the
    // first time its appearance is visible.
    void InitializeAndUpdate();

    TVoCustomDropDown* VoDropDown() const { return FVoDropDown; }
    void SetVoDropDown(TVoCustomDropDown* Value) { FVoDropDown = Value; }
    TVoHeader* Header() const { return FHeader; }
    TVoFooter* Footer() const { return FFooter; }
    // The millisecond tick when the pop-up last closed by a click elsewhere.
    std::int64_t DeActivateTime() const { return FDeActivate; }
    bool Shadow = true;
    // A close by a click elsewhere cancels (the edit's text set before comes back).
    bool CancelOnDeActivate = true;
    // While set, clicks elsewhere do not close the pop-up.
    bool BlockActivate = false;
    // Raised while the user sizes the pop-up.
    TNotifyEvent OnSizing;

    // The pop-up lost the activation: it closes through its drop-down (cancelling by CancelOnDeActivate).
    void DeActivate();

protected:
    void AdjustClientRect(TRect& Rect) const override;
    void Paint() override;

private:
    TVoCustomDropDown* FVoDropDown = nullptr;
    TVoHeader* FHeader = nullptr;
    TVoFooter* FFooter = nullptr;
    std::int64_t FDeActivate = 0;
};
