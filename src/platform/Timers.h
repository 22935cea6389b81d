#pragma once
// Timers: the timer component and window timers (WM_TIMER).
#include "platform/Components.h"
#include "platform/Messages.h"

#include <memory>

class QTimer;

// Calls OnTimer every Interval ms while Enabled with an interval above 0.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;
    QString ClassName() const override { return QStringLiteral("TTimer"); }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    UINT Interval() const { return interval_; }
    void SetInterval(UINT ms);
    TNotifyEvent OnTimer;
    // Whether the timer is counting.
    bool Running() const { return enabled_ && interval_ > 0; }

protected:
    virtual void Timer();

private:
    friend bool FireTimer(TTimer& timer);
    void update();

    std::unique_ptr<QTimer> timer_;
    bool enabled_ = true;
    UINT interval_ = 1000;
};

// Starts (or restarts) the window's timer id; returns id, or 0 without a window.
UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT intervalMs);
// Stops the window's timer id; false when it was not running.
bool KillTimer(HWND window, UINT_PTR id);

// Fires a running timer at once, as if its interval had passed; false when it is not running.
bool FireTimer(TTimer& timer);
bool FireWindowTimer(HWND window, UINT_PTR id);
