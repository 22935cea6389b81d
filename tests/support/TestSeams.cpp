#include "support/TestSeams.h"

#include "platform/KeyMap.h"
#include "platform/QtAccess.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

MessageBoxRecorder::MessageBoxRecorder(std::deque<TModalResult> answers)
    : Answers(std::move(answers)), hook_(MessageBoxHook(), [this](const TMessageBoxRequest& request) {
          Shown.push_back(request);
          if (!Answers.empty()) {
              const TModalResult answer = Answers.front();
              Answers.pop_front();
              return answer;
          }
          if (DefaultAnswer != mrNone)
              return DefaultAnswer;
          if (request.Buttons & mbCancel)
              return static_cast<TModalResult>(mrCancel);
          if (request.Buttons & mbNo)
              return static_cast<TModalResult>(mrNo);
          return static_cast<TModalResult>(mrOk);
      })
{}

FileDialogAnswer::FileDialogAnswer(QString path)
    : Path(std::move(path)),
      hook_(FileDialogHook(), [this](const TFileDialogRequest& request) -> std::optional<QString> {
          Shown.push_back(request);
          if (Path.isEmpty())
              return std::nullopt;
          return Path;
      })
{}

QImage PaintToImage(TControl& control)
{
    QWidget* w = QtAccess::Widget(control);
    w->ensurePolished();
    QImage image(std::max(1, control.Width()), std::max(1, control.Height()), QImage::Format_RGB32);
    image.fill(Qt::white);
    w->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

namespace {

QString keyText(WORD vk, TShiftState shift)
{
    if (shift & ssCtrl)
        return {};
    if (const char16_t c = ControlCharOfKey(vk, shift))
        return QString(QChar(c));
    if (vk >= 'A' && vk <= 'Z')
        return QString(QChar((shift & ssShift) ? vk : vk + ('a' - 'A')));
    if ((vk >= '0' && vk <= '9') || vk == VK_SPACE)
        return QString(QChar(vk));
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9)
        return QString(QChar('0' + (vk - VK_NUMPAD0)));
    switch (vk) {
    case VK_MULTIPLY:
        return QStringLiteral("*");
    case VK_ADD:
        return QStringLiteral("+");
    case VK_SUBTRACT:
        return QStringLiteral("-");
    case VK_DECIMAL:
        return QStringLiteral(".");
    case VK_DIVIDE:
        return QStringLiteral("/");
    default:
        return {};
    }
}

void sendKeyEvent(QWidget* target, QEvent::Type type, WORD vk, TShiftState shift, const QString& text)
{
    Qt::KeyboardModifiers mods = ModifiersFromShiftState(shift);
    if (vk >= VK_NUMPAD0 && vk <= VK_DIVIDE)
        mods |= Qt::KeypadModifier;
    QKeyEvent e(type, QtKeyFromVirtualKey(vk), mods, text);
    QCoreApplication::sendEvent(target, &e);
}

Qt::MouseButton qtButton(TMouseButton b)
{
    switch (b) {
    case TMouseButton::mbRight:
        return Qt::RightButton;
    case TMouseButton::mbMiddle:
        return Qt::MiddleButton;
    default:
        return Qt::LeftButton;
    }
}

}  // namespace

void SendKeyDown(TWinControl& target, WORD vk, TShiftState shift)
{
    sendKeyEvent(QtAccess::Widget(target), QEvent::KeyPress, vk, shift, keyText(vk, shift));
}

void SendKeyUp(TWinControl& target, WORD vk, TShiftState shift)
{
    sendKeyEvent(QtAccess::Widget(target), QEvent::KeyRelease, vk, shift, keyText(vk, shift));
}

void SendKey(TWinControl& target, WORD vk, TShiftState shift)
{
    SendKeyDown(target, vk, shift);
    SendKeyUp(target, vk, shift);
}

void TypeText(TWinControl& target, const QString& text)
{
    for (const QChar ch : text) {
        const char16_t upper = ch.toUpper().unicode();
        const int key = upper < 0x7F ? static_cast<int>(upper) : static_cast<int>(Qt::Key_unknown);
        const Qt::KeyboardModifiers mods = ch.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
        for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent e(type, key, mods, QString(ch));
            QCoreApplication::sendEvent(QtAccess::Widget(target), &e);
        }
    }
}

namespace {

// Where the window system sends the pointer's input: an open pop-up (a drop-down list) takes it first, then a
// control that holds the pointer captured, else the widget under the pointer.
QWidget* mouseReceiver(QWidget* target)
{
    if (QWidget* popup = QApplication::activePopupWidget(); popup && !popup->isAncestorOf(target) && popup != target)
        return popup;
    if (TControl* capture = GetCaptureControl(); capture && QtAccess::Widget(*capture)->isVisible())
        return QtAccess::Widget(*capture);
    return target;
}

}  // namespace

void SendMouse(TControl& target, TMouseAction action, TMouseButton button, TPoint p, TShiftState shift)
{
    const QPointF global = QtAccess::Widget(target)->mapToGlobal(QPointF(p.X, p.Y));
    QWidget* w = mouseReceiver(QtAccess::Widget(target));
    const QPointF local = w->mapFromGlobal(global);
    const Qt::MouseButton b = qtButton(button);
    QEvent::Type type = QEvent::MouseMove;
    Qt::MouseButton changed = Qt::NoButton;
    Qt::MouseButtons held = Qt::NoButton;
    if (shift & ssLeft)
        held |= Qt::LeftButton;
    if (shift & ssRight)
        held |= Qt::RightButton;
    if (shift & ssMiddle)
        held |= Qt::MiddleButton;
    switch (action) {
    case TMouseAction::Down:
        type = QEvent::MouseButtonPress;
        changed = b;
        held |= b;
        break;
    case TMouseAction::DblClick:
        type = QEvent::MouseButtonDblClick;
        changed = b;
        held |= b;
        break;
    case TMouseAction::Up:
        type = QEvent::MouseButtonRelease;
        changed = b;
        held &= ~Qt::MouseButtons(b);
        break;
    case TMouseAction::Move:
        break;
    }
    QMouseEvent e(type, local, global, changed, held, ModifiersFromShiftState(shift));
    QCoreApplication::sendEvent(w, &e);
}

namespace {

// Move, press and release at the centre of an item of a shown item view, on its viewport.
void clickViewItem(QAbstractItemView* view, const QModelIndex& item)
{
    QWidget* viewport = view->viewport();
    const QPointF local = view->visualRect(item).center();
    const QPointF global = viewport->mapToGlobal(local);
    QMouseEvent move(QEvent::MouseMove, local, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &move);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &release);
}

}  // namespace

void SendComboListClick(TComboBox& combo, int index)
{
    auto* box = static_cast<QComboBox*>(QtAccess::Widget(combo));
    QAbstractItemView* view = box->view();
    if (view->isVisible() && index >= 0 && index < box->count())
        clickViewItem(view, box->model()->index(index, box->modelColumn()));
}

void SendComboListKey(TComboBox& combo, WORD vk, TShiftState shift)
{
    QAbstractItemView* view = static_cast<QComboBox*>(QtAccess::Widget(combo))->view();
    if (!view->isVisible())
        return;
    for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease})
        sendKeyEvent(view, type, vk, shift, keyText(vk, shift));
}

void SendListItemClick(TListBox& list, int index)
{
    auto* view = static_cast<QListWidget*>(QtAccess::Widget(list));
    if (view->isVisible() && index >= 0 && index < view->count())
        clickViewItem(view, view->model()->index(index, 0));
}

void SendClick(TControl& target, TPoint p, TMouseButton button, TShiftState shift)
{
    SendMouse(target, TMouseAction::Down, button, p, shift);
    SendMouse(target, TMouseAction::Up, button, p, shift);
}

void SendWheel(TControl& target, int delta, TPoint p, TShiftState shift)
{
    QWidget* w = QtAccess::Widget(target);
    const QPointF local(p.X, p.Y);
    QWheelEvent e(local, w->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton,
                  ModifiersFromShiftState(shift), Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w, &e);
}

void SendMouseEnter(TControl& target)
{
    QEnterEvent e(QPointF(0, 0), QPointF(0, 0), QtAccess::Widget(target)->mapToGlobal(QPointF(0, 0)));
    QCoreApplication::sendEvent(QtAccess::Widget(target), &e);
}

void SendMouseLeave(TControl& target)
{
    QEvent e(QEvent::Leave);
    QCoreApplication::sendEvent(QtAccess::Widget(target), &e);
}
