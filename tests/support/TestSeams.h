#pragma once
// What tests use instead of a person: answers for message boxes, file dialogs and modal runs, fired
// timers, simulated keyboard and mouse input, and controls painted into images.
#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "platform/Seam.h"
#include "platform/StdCtrls.h"
#include "platform/Timers.h"

#include <QImage>
#include <deque>
#include <utility>

// Takes over every ShowModal: the hook gets the shown form, may act on it, and returns the result.
class ModalRunGuard : public ScopedHook<TModalHook> {
public:
    explicit ModalRunGuard(TModalHook hook) : ScopedHook(ModalHook(), std::move(hook)) {}
};

// Records every message box and answers with the queued answers in turn, then with DefaultAnswer
// (mrNone: the box's escape answer, as when it is closed).
class MessageBoxRecorder {
public:
    explicit MessageBoxRecorder(std::deque<TModalResult> answers = {});
    std::vector<TMessageBoxRequest> Shown;
    std::deque<TModalResult> Answers;
    TModalResult DefaultAnswer = mrNone;

private:
    ScopedHook<TMessageBoxHook> hook_;
};

// Records every file dialog and answers with Path (an empty Path cancels).
class FileDialogAnswer {
public:
    explicit FileDialogAnswer(QString path);
    std::vector<TFileDialogRequest> Shown;
    QString Path;

private:
    ScopedHook<TFileDialogHook> hook_;
};

// The control and its children as they paint now, on white.
QImage PaintToImage(TControl& control);

// Keyboard input through the same path as real keys: press and release, or one of them.
void SendKey(TWinControl& target, WORD vk, TShiftState shift = 0);
void SendKeyDown(TWinControl& target, WORD vk, TShiftState shift = 0);
void SendKeyUp(TWinControl& target, WORD vk, TShiftState shift = 0);
// Types each character as a key press and release.
void TypeText(TWinControl& target, const QString& text);

// Mouse input at a client point of the target, delivered as the window system does: to an open drop-down list
// first, then to a control that holds the pointer captured, else to the target.
enum class TMouseAction { Down, Up, Move, DblClick };
void SendMouse(TControl& target, TMouseAction action, TMouseButton button, TPoint p, TShiftState shift = 0);
// Moves to, presses and releases the mouse on an item of the combo box's open list.
void SendComboListClick(TComboBox& combo, int index);
// A key pressed while the combo box's list is open, where the window system delivers it: to the list.
void SendComboListKey(TComboBox& combo, WORD vk, TShiftState shift = 0);
// Moves to, presses and releases the mouse on an item of a list box, where the window system delivers it.
void SendListItemClick(TListBox& list, int index);
// Down and up at the point.
void SendClick(TControl& target, TPoint p, TMouseButton button = TMouseButton::mbLeft, TShiftState shift = 0);
// One wheel step of delta (120 per notch, positive away from the user) with the pointer at a client point.
void SendWheel(TControl& target, int delta, TPoint p, TShiftState shift = 0);
void SendMouseEnter(TControl& target);
void SendMouseLeave(TControl& target);
