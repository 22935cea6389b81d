#pragma once
// The system clipboard's text. Text is kept as Unicode: what one program copies, another pastes unchanged.
#include <QString>

#include "platform/Messages.h"

enum : UINT { CF_TEXT = 1, CF_UNICODETEXT = 13 };

class TClipboard {
public:
    // CF_TEXT and CF_UNICODETEXT: the clipboard holds text.
    bool HasFormat(UINT Format) const;
    QString AsText() const;
    void SetAsText(const QString& Text);
};

TClipboard& Clipboard();
