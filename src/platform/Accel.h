#pragma once
// Mnemonics: the character after a single '&' of a caption.
#include <QString>

// Whether ch is the caption's mnemonic, compared without case ("&&" is a plain ampersand).
bool IsAccel(char16_t ch, const QString& caption);
