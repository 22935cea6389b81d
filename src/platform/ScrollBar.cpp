#include "platform/ScrollBar.h"

#include "platform/ControlBridge.h"
#include "platform/NativeWidget.h"
#include "platform/SystemMetrics.h"

#include <QScrollBar>
#include <algorithm>

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner, new NativeWidget<QScrollBar>(Qt::Horizontal), false)
{
    SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
    sync();
    QObject::connect(bar(), &QScrollBar::actionTriggered,
                     [this](int action) { ControlBridge::guarded([this, action] { userAction(action); }); });
}

QScrollBar* TScrollBar::bar() const
{
    return static_cast<QScrollBar*>(Widget());
}

void TScrollBar::SetKind(TScrollBarKind kind)
{
    if (kind == kind_)
        return;
    kind_ = kind;
    bar()->setOrientation(kind == sbVertical ? Qt::Vertical : Qt::Horizontal);
    // A vertical bar stands on the horizontal one's size turned round.
    SetBounds(Left(), Top(), Height(), Width());
}

int TScrollBar::lastPosition() const
{
    return pageSize_ > 0 ? std::max(min_, max_ - pageSize_ + 1) : max_;
}

void TScrollBar::SetPageSize(int v)
{
    pageSize_ = std::max(0, v);
    SetParams(position_, min_, max_);
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax)
{
    min_ = AMin;
    max_ = std::max(AMin, AMax);
    const int position = std::clamp(APosition, min_, lastPosition());
    const bool changed = position != position_;
    position_ = position;
    sync();
    if (changed && OnChange)
        OnChange(this);
}

void TScrollBar::sync()
{
    const QSignalBlocker block(bar());
    bar()->setRange(min_, lastPosition());
    bar()->setPageStep(std::max(pageSize_, 1));
    bar()->setValue(position_);
}

void TScrollBar::userAction(int action)
{
    TScrollCode code = scTrack;
    int pos = position_;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        code = scLineDown;
        pos += SmallChange;
        break;
    case QAbstractSlider::SliderSingleStepSub:
        code = scLineUp;
        pos -= SmallChange;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        code = scPageDown;
        pos += LargeChange;
        break;
    case QAbstractSlider::SliderPageStepSub:
        code = scPageUp;
        pos -= LargeChange;
        break;
    case QAbstractSlider::SliderToMinimum:
        code = scTop;
        pos = min_;
        break;
    case QAbstractSlider::SliderToMaximum:
        code = scBottom;
        pos = max_;
        break;
    case QAbstractSlider::SliderMove:
        pos = bar()->sliderPosition();
        break;
    default:
        return;
    }
    pos = std::clamp(pos, min_, lastPosition());
    if (OnScroll)
        OnScroll(this, code, pos);
    SetPosition(pos);
}
