#pragma once
// Text routines shared by the shell's readers.
#include <QString>
#include <optional>

namespace UText {

// Removes leading and trailing blanks and control characters (every character up to U+0020).
QString Trim(const QString& text);

// A decimal integer with an optional sign and nothing else (no blanks); nullopt otherwise.
std::optional<int> Str_To_Int(const QString& text);

}  // namespace UText
