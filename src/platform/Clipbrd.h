#pragma once
// The system clipboard. Text is kept as Unicode: what one program copies, another pastes unchanged. Other
// contents travel as formats named by MIME type, each a block of bytes.
#include <QByteArray>
#include <QMap>
#include <QString>

#include "platform/Messages.h"
#include "platform/Seam.h"

enum : UINT { CF_TEXT = 1, CF_UNICODETEXT = 13 };

// MIME types of the formats every program knows; a program's own formats are MIME types of its own.
inline const QString MimePlainText = QStringLiteral("text/plain");
inline const QString MimeHtml = QStringLiteral("text/html");
inline const QString MimeRichText = QStringLiteral("text/rtf");
inline const QString MimeUriList = QStringLiteral("text/uri-list");

// Format name -> bytes; plain text is UTF-8.
using TClipboardFormats = QMap<QString, QByteArray>;

class TClipboard {
public:
    // CF_TEXT and CF_UNICODETEXT: the clipboard holds text.
    bool HasFormat(UINT Format) const;
    QString AsText() const;
    // Empties the clipboard and puts the text.
    void SetAsText(const QString& Text);

    bool HasMimeFormat(const QString& Mime) const;
    QByteArray MimeData(const QString& Mime) const;
    // Adds a format to what the clipboard holds (replacing that format only).
    void AddMimeData(const QString& Mime, const QByteArray& Data);
    // Empties the clipboard and puts every format given.
    void SetFormats(const TClipboardFormats& Formats);
    // Empties the clipboard and puts the text, kept as Unicode, and the other formats.
    void SetTextAndFormats(const QString& Text, const TClipboardFormats& Others);
    TClipboardFormats Formats() const;
};

TClipboard& Clipboard();

// Test seam: while a store is installed, the clipboard is that in-process store instead of the system's.
TClipboardFormats*& ClipboardStoreHook();

// An in-process clipboard for the life of the guard.
class TInProcessClipboard {
public:
    TInProcessClipboard() : hook_(ClipboardStoreHook(), &Store) {}
    TClipboardFormats Store;

private:
    ScopedHook<TClipboardFormats*> hook_;
};
