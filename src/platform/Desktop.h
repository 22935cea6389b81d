#pragma once
// Opening a link or a file with the desktop's handler for it.
#include "platform/Seam.h"

#include <QString>

// A text with a scheme ("https://...", "mailto:...") opens as a link, an absolute path as a file.
// False when nothing could open it.
bool ShellOpen(const QString& target);

using TShellOpenHook = std::function<bool(const QString& target)>;
TShellOpenHook& ShellOpenHook();
