#pragma once
// The character rules of the numeric and float editors, shared by the text editor and the edit-with-button
// editors: whether a typed character is taken, refused with a beep or dropped silently.
#include <QString>

class TStringList;

enum class TCharVerdict { Pass, Beep, Drop };

// What the edit looks like when the character arrives.
struct TEditState {
    QString Text;
    int SelStart = 0;
    QString SelText;
};

// Backspace, Tab, Enter, Esc and digits pass; "-" only first and once when AllowMinus; others beep.
TCharVerdict NumericCharVerdict(char16_t Key, const TEditState& Edit, bool AllowMinus);
// Digits, one regional decimal separator and a leading "-" (when AllowMinus); the thousand separator and a
// second decimal separator are dropped; other characters pass only with Ctrl held (shortcuts).
TCharVerdict FloatCharVerdict(char16_t Key, const TEditState& Edit, bool AllowMinus, bool CtrlDown);

// The first lookup item that starts with the typed text (at most 255 characters of it), or an empty text.
QString LookupCompletion(const TStringList& Items, const QString& Typed, bool CaseSensitive);
