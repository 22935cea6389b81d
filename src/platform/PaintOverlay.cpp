#include "platform/PaintOverlay.h"

#include "platform/ControlBridge.h"

#include <QChildEvent>
#include <QPainter>

PaintOverlay::PaintOverlay(QWidget* host, std::function<void(QPainter&)> paint)
    : QWidget(host), paint_(std::move(paint))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(host->rect());
    host->installEventFilter(this);
}

bool PaintOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent()) {
        if (event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        else if (event->type() == QEvent::ChildAdded && static_cast<QChildEvent*>(event)->child() != this)
            raise();
    }
    return false;
}

void PaintOverlay::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    ControlBridge::guarded([this, &painter] { paint_(painter); });
}
