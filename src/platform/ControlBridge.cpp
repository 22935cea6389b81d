#include "platform/ControlBridge.h"
#include "platform/GridCursors.h"

#include "platform/Forms.h"
#include "platform/HintWindow.h"
#include "platform/KeyMap.h"

#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPolygonF>
#include <QWheelEvent>
#include <QWidget>

namespace {

WPARAM mouseKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    WPARAM keys = 0;
    if (buttons & Qt::LeftButton)
        keys |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        keys |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        keys |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier)
        keys |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        keys |= MK_CONTROL;
    return keys;
}

}  // namespace

QEvent::Type ControlBridge::postedMessageType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void ControlBridge::guarded(const std::function<void()>& f)
{
    try {
        f();
    } catch (...) {
        HandleEventException();
    }
}

namespace {
// A small black arrow with a white outline pointing down (0), right (1) or down-right (2); the hot spot
// is its tip.
QCursor selectArrowCursor(int direction)
{
    constexpr int size = 16;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPolygonF arrow;
    QPoint hot;
    switch (direction) {
    case 0:
        arrow << QPointF(5, 1) << QPointF(10, 1) << QPointF(10, 8) << QPointF(14, 8) << QPointF(7.5, 15)
              << QPointF(1, 8) << QPointF(5, 8);
        hot = {7, 15};
        break;
    case 1:
        arrow << QPointF(1, 5) << QPointF(1, 10) << QPointF(8, 10) << QPointF(8, 14) << QPointF(15, 7.5)
              << QPointF(8, 1) << QPointF(8, 5);
        hot = {15, 7};
        break;
    default:
        arrow << QPointF(1, 1) << QPointF(11, 1) << QPointF(8, 4) << QPointF(15, 11) << QPointF(11, 15) << QPointF(4, 8)
              << QPointF(1, 11);
        hot = {1, 1};
        break;
    }
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::black);
    painter.drawPolygon(arrow);
    painter.end();
    return QCursor(pixmap, hot.x(), hot.y());
}
}  // namespace

void ControlBridge::applyCursor(QWidget* widget, TCursor cursor)
{
    Qt::CursorShape shape = Qt::ArrowCursor;
    switch (cursor) {
    case crSelectColumn:
        widget->setCursor(selectArrowCursor(0));
        return;
    case crSelectRow:
        widget->setCursor(selectArrowCursor(1));
        return;
    case crSelectAll:
        widget->setCursor(selectArrowCursor(2));
        return;
    case crCellSelector:
        shape = Qt::CrossCursor;
        break;
    case crDefault:
        widget->unsetCursor();
        return;
    case crNone:
        shape = Qt::BlankCursor;
        break;
    case crCross:
        shape = Qt::CrossCursor;
        break;
    case crIBeam:
        shape = Qt::IBeamCursor;
        break;
    case crSizeNESW:
        shape = Qt::SizeBDiagCursor;
        break;
    case crSizeNS:
    case crVSplit:
        shape = Qt::SizeVerCursor;
        break;
    case crSizeNWSE:
        shape = Qt::SizeFDiagCursor;
        break;
    case crSizeWE:
    case crHSplit:
        shape = Qt::SizeHorCursor;
        break;
    case crUpArrow:
        shape = Qt::UpArrowCursor;
        break;
    case crHourGlass:
    case crSQLWait:
        shape = Qt::WaitCursor;
        break;
    case crDrag:
    case crMultiDrag:
        shape = Qt::DragMoveCursor;
        break;
    case crNoDrop:
    case crNo:
        shape = Qt::ForbiddenCursor;
        break;
    case crAppStart:
        shape = Qt::BusyCursor;
        break;
    case crHelp:
        shape = Qt::WhatsThisCursor;
        break;
    case crHandPoint:
        shape = Qt::PointingHandCursor;
        break;
    case crSizeAll:
        shape = Qt::SizeAllCursor;
        break;
    default:
        break;
    }
    widget->setCursor(QCursor(shape));
}

void ControlBridge::watch(QWidget* widget)
{
    widget->installEventFilter(this);
}

bool ControlBridge::perform(TMessage& m)
{
    const QPointer<ControlBridge> alive(this);
    guarded([&] { control_->Perform(m); });
    return !alive.isNull();
}

bool ControlBridge::eventFilter(QObject* watched, QEvent* event)
{
    if (control_->ComponentState() & csDestroying)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    const QEvent::Type type = event->type();
    if (type == postedMessageType()) {
        perform(static_cast<PostedMessageEvent*>(event)->message);
        return true;
    }
    switch (type) {
    case QEvent::Polish:
    case QEvent::Show:
        if (widget == control_->Widget())
            control_->ensureWidgetFont();
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        if (resending_ || !dynamic_cast<TWinControl*>(control_))
            return false;
        auto* e = static_cast<QKeyEvent*>(event);
        const bool used = type == QEvent::KeyPress ? keyPress(widget, e) : keyRelease(e);
        // Keys stay with the control they are sent to; a widget of our own has no use for them.
        return used || control_->paintsSelf_;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        // A disabled control takes no mouse input.
        return control_->Widget()->isEnabled() && mouseButton(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove: {
        if (!control_->Widget()->isEnabled())
            return false;
        auto* e = static_cast<QMouseEvent*>(event);
        const InputStateScope scope(ShiftStateFromQt(e->modifiers(), e->buttons()));
        const QPoint p = clientPoint(e);
        TMessage m{WM_MOUSEMOVE, mouseKeys(e->buttons(), e->modifiers()), MAKELPARAM(p.x(), p.y()), 0};
        perform(m);
        return false;
    }
    case QEvent::Wheel:
        // A viewport inside scrolls itself first; what it leaves comes up to the control's widget.
        return widget == control_->Widget() && wheel(static_cast<QWheelEvent*>(event));
    case QEvent::Enter: {
        // Moving between the control's own widgets doesn't enter or leave it.
        if (widget != control_->Widget())
            return false;
        TMessage m{CM_MOUSEENTER, 0, 0, 0};
        perform(m);
        return false;
    }
    case QEvent::Leave: {
        if (widget != control_->Widget())
            return false;
        TMessage m{CM_MOUSELEAVE, 0, 0, 0};
        perform(m);
        return false;
    }
    case QEvent::FocusIn:
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason)
            return false;
        return focusIn();
    case QEvent::FocusOut: {
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason)
            return false;
        TMessage m{WM_KILLFOCUS, 0, 0, 0};
        perform(m);
        return false;
    }
    case QEvent::Paint:
        if (widget == control_->Widget() && control_->paintsSelf_) {
            QPainter painter(widget);
            guarded([&] { control_->paintFromWidget(painter); });
            return true;
        }
        return false;
    case QEvent::Resize:
    case QEvent::Move:
        if (widget == control_->Widget() && (widget->isWindow() || control_->QtPlaced)) {
            const QRect g = widget->geometry();
            if (Bounds(g.x(), g.y(), g.width(), g.height()) != control_->BoundsRect())
                guarded([&] { control_->SetBounds(g.x(), g.y(), g.width(), g.height()); });
        }
        return false;
    case QEvent::Close:
        if (auto* form = dynamic_cast<TCustomForm*>(control_); form && widget == control_->Widget()) {
            event->ignore();
            guarded([form] { form->Close(); });
            return true;
        }
        return false;
    case QEvent::ToolTip: {
        const QPoint at = control_->Widget()->mapFromGlobal(static_cast<QHelpEvent*>(event)->globalPos());
        guarded([&] { ActivateHintAt(*control_, {at.x(), at.y()}); });
        return true;
    }
    default:
        return false;
    }
}

bool ControlBridge::focusIn()
{
    auto* win = dynamic_cast<TWinControl*>(control_);
    if (!win)
        return false;
    TMessage m{WM_SETFOCUS, 0, 0, 0};
    if (!perform(m))
        return false;
    if (TCustomForm* form = GetParentForm(win); form && form != win)
        guarded([&] { form->focusChanged(win); });
    return false;
}

namespace {

LPARAM keyData(const QKeyEvent* e, WORD vk, bool up)
{
    DWORD flags = 1;
    flags |= (e->nativeScanCode() & 0xFF) << 16;
    switch (vk) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE:
    case VK_DIVIDE:
        flags |= static_cast<DWORD>(KF_EXTENDED) << 16;
        break;
    default:
        break;
    }
    if (e->modifiers() & Qt::AltModifier)
        flags |= static_cast<DWORD>(KF_ALTDOWN) << 16;
    if (e->isAutoRepeat() || up)
        flags |= static_cast<DWORD>(KF_REPEAT) << 16;
    if (up)
        flags |= static_cast<DWORD>(KF_UP) << 16;
    return static_cast<LPARAM>(flags);
}

}  // namespace

bool ControlBridge::keyPress(QWidget* widget, QKeyEvent* e)
{
    const QPointer<ControlBridge> alive(this);
    const TShiftState shift = ShiftStateFromQt(e->modifiers(), Qt::NoButton);
    const InputStateScope scope(shift);
    const bool alt = e->modifiers() & Qt::AltModifier;
    const WORD vk = VirtualKeyFromQt(e->key(), e->modifiers());
    const LPARAM data = keyData(e, vk, false);
    bool keyCleared = false;
    if (vk != 0) {
        TMessage dialog{CN_KEYDOWN, vk, data, 0};
        if (!perform(dialog) || dialog.Result != 0)
            return true;
        TMessage down{alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, data, 0};
        if (!perform(down))
            return true;
        keyCleared = down.WParam == 0 || down.Result != 0;
    }
    char16_t ch = 0;
    const QString text = e->text();
    if (!text.isEmpty() && text.at(0).unicode() != 0x7F)
        ch = text.at(0).unicode();
    else if (text.isEmpty())
        ch = ControlCharOfKey(vk, shift);
    if (ch == 0)
        return keyCleared;
    TMessage dialog{CN_CHAR, ch, data, 0};
    if (!perform(dialog) || dialog.Result != 0)
        return true;
    TMessage press{alt ? WM_SYSCHAR : WM_CHAR, ch, data, 0};
    if (!perform(press))
        return true;
    const auto typed = static_cast<char16_t>(press.WParam);
    if (typed == 0 || press.Result != 0)
        return true;
    if (typed != ch && alive) {
        // The handler changed the character: the widget gets the new one instead.
        QKeyEvent replaced(QEvent::KeyPress, e->key(), e->modifiers(), QString(QChar(typed)), e->isAutoRepeat());
        resending_ = true;
        QCoreApplication::sendEvent(widget, &replaced);
        if (alive)
            resending_ = false;
        return true;
    }
    return false;
}

bool ControlBridge::keyRelease(QKeyEvent* e)
{
    const InputStateScope scope(ShiftStateFromQt(e->modifiers(), Qt::NoButton));
    const WORD vk = VirtualKeyFromQt(e->key(), e->modifiers());
    if (vk == 0)
        return false;
    TMessage up{(e->modifiers() & Qt::AltModifier) ? WM_SYSKEYUP : WM_KEYUP, vk, keyData(e, vk, true), 0};
    if (!perform(up))
        return true;
    return up.WParam == 0 || up.Result != 0;
}

QPoint ControlBridge::clientPoint(const QMouseEvent* e) const
{
    const TPoint origin = control_->ClientOffset();
    return control_->Widget()->mapFromGlobal(e->globalPosition().toPoint()) - QPoint(origin.X, origin.Y);
}

bool ControlBridge::mouseButton(QMouseEvent* e)
{
    UINT base = 0;
    switch (e->button()) {
    case Qt::LeftButton:
        base = WM_LBUTTONDOWN;
        break;
    case Qt::RightButton:
        base = WM_RBUTTONDOWN;
        break;
    case Qt::MiddleButton:
        base = WM_MBUTTONDOWN;
        break;
    default:
        return false;
    }
    UINT msg = base;
    if (e->type() == QEvent::MouseButtonRelease)
        msg = base + 1;
    else if (e->type() == QEvent::MouseButtonDblClick && (control_->ControlStyle & csDoubleClicks))
        msg = base + 2;
    const InputStateScope scope(ShiftStateFromQt(e->modifiers(), e->buttons()));
    const QPoint p = clientPoint(e);
    TMessage m{msg, mouseKeys(e->buttons(), e->modifiers()), MAKELPARAM(p.x(), p.y()), 0};
    control_->mouseReachedBase_ = false;
    if (!perform(m))
        return true;
    // A window procedure that keeps the message from its base keeps it from the widget too.
    return control_->paintsSelf_ || !control_->mouseReachedBase_;
}

bool ControlBridge::wheel(QWheelEvent* e)
{
    const int delta = e->angleDelta().y();
    if (delta == 0)
        return false;
    const InputStateScope scope(ShiftStateFromQt(e->modifiers(), e->buttons()));
    const QPoint g = e->globalPosition().toPoint();
    TMessage m{WM_MOUSEWHEEL, MAKEWPARAM(static_cast<int>(mouseKeys(e->buttons(), e->modifiers())), delta),
               MAKELPARAM(g.x(), g.y()), 0};
    if (!perform(m))
        return true;
    // The message went up the parents already.
    e->accept();
    return true;
}
