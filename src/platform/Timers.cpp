#include "platform/Timers.h"

#include "platform/ControlBridge.h"

#include <QTimer>

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner), timer_(std::make_unique<QTimer>())
{
    QObject::connect(timer_.get(), &QTimer::timeout, [this] { ControlBridge::guarded([this] { Timer(); }); });
}

TTimer::~TTimer()
{
    Destroying();
}

void TTimer::SetEnabled(bool v)
{
    enabled_ = v;
    update();
}

void TTimer::SetInterval(UINT ms)
{
    interval_ = ms;
    update();
}

void TTimer::update()
{
    timer_->stop();
    if (Running())
        timer_->start(static_cast<int>(interval_));
}

void TTimer::Timer()
{
    if (OnTimer)
        OnTimer(this);
}

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT intervalMs)
{
    if (!window)
        return 0;
    window->SetTimer(id, intervalMs);
    return id;
}

bool KillTimer(HWND window, UINT_PTR id)
{
    return window && window->KillTimer(id);
}

bool FireTimer(TTimer& timer)
{
    if (!timer.Running())
        return false;
    ControlBridge::guarded([&timer] { timer.Timer(); });
    return true;
}

bool FireWindowTimer(HWND window, UINT_PTR id)
{
    if (!window || !window->HasTimer(id))
        return false;
    ControlBridge::guarded([window, id] { window->Perform(WM_TIMER, id, 0); });
    return true;
}
