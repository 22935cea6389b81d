#pragma once
// Translation between Qt keys and virtual-key codes.
#include "platform/Messages.h"
#include "platform/Types.h"

#include <Qt>

// The virtual-key code of a Qt key; keypad keys (with the keypad modifier) give the numeric-pad codes.
// 0 for a key with no code.
WORD VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers);
// The Qt key of a virtual-key code (the unshifted key); Qt::Key_unknown when none.
int QtKeyFromVirtualKey(WORD vk);
// The character a key makes in a keyboard message when Qt gives no text: Backspace, Tab, Enter, Esc and
// the control characters of Ctrl+letter; 0 otherwise.
char16_t ControlCharOfKey(WORD vk, TShiftState shift);
Qt::KeyboardModifiers ModifiersFromShiftState(TShiftState shift);
TShiftState ShiftStateFromQt(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
