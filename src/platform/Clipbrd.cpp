#include "platform/Clipbrd.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

bool TClipboard::HasFormat(UINT Format) const
{
    if (Format != CF_TEXT && Format != CF_UNICODETEXT)
        return false;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

QString TClipboard::AsText() const
{
    return QGuiApplication::clipboard()->text();
}

void TClipboard::SetAsText(const QString& Text)
{
    QGuiApplication::clipboard()->setText(Text);
}

TClipboard& Clipboard()
{
    static TClipboard clipboard;
    return clipboard;
}
