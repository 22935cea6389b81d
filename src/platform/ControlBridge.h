#pragma once
// The link between a control and its Qt widget: Qt's input, focus, paint and size events become the
// control's messages, and every handler runs under the application's error box.
#include "platform/Controls.h"

#include <QEvent>
#include <QObject>
#include <functional>

class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

class ControlBridge : public QObject {
public:
    explicit ControlBridge(TControl* control) : control_(control) {}
    // Translates the events of the widget (the control's own or one inside it).
    void watch(QWidget* widget);
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Runs f; an exception that escapes it is shown in the application's error box.
    static void guarded(const std::function<void()>& f);
    static void applyCursor(QWidget* widget, TCursor cursor);

    // The event type of a posted message.
    static QEvent::Type postedMessageType();

private:
    bool keyPress(QWidget* widget, QKeyEvent* e);
    bool keyRelease(QKeyEvent* e);
    bool mouseButton(QMouseEvent* e);
    // The mouse position in the control's client coordinates.
    QPoint clientPoint(const QMouseEvent* e) const;
    bool wheel(QWheelEvent* e);
    bool focusIn();
    bool perform(TMessage& m);

    TControl* control_;
    bool resending_ = false;
};

// Sets the shift keys and mouse buttons that GetKeyState reports while an input message is handled.
class InputStateScope {
public:
    explicit InputStateScope(TShiftState state);
    ~InputStateScope();
    InputStateScope(const InputStateScope&) = delete;
    InputStateScope& operator=(const InputStateScope&) = delete;

private:
    bool hadState_;
    TShiftState previous_;
};

// A message queued by PostMessage.
class PostedMessageEvent : public QEvent {
public:
    PostedMessageEvent(UINT msg, WPARAM wParam, LPARAM lParam)
        : QEvent(ControlBridge::postedMessageType()), message{msg, wParam, lParam, 0}
    {}
    TMessage message;
};
