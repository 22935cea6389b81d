#include "platform/Clipbrd.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

TClipboardFormats*& ClipboardStoreHook()
{
    static TClipboardFormats* store = nullptr;
    return store;
}

bool TClipboard::HasFormat(UINT Format) const
{
    return (Format == CF_TEXT || Format == CF_UNICODETEXT) && HasMimeFormat(MimePlainText);
}

QString TClipboard::AsText() const
{
    return QString::fromUtf8(MimeData(MimePlainText));
}

void TClipboard::SetAsText(const QString& Text)
{
    SetFormats({{MimePlainText, Text.toUtf8()}});
}

TClipboardFormats TClipboard::Formats() const
{
    if (const TClipboardFormats* store = ClipboardStoreHook())
        return *store;
    TClipboardFormats formats;
    if (const QMimeData* data = QGuiApplication::clipboard()->mimeData()) {
        for (const QString& mime : data->formats())
            formats.insert(mime, data->data(mime));
        if (data->hasText())
            formats.insert(MimePlainText, data->text().toUtf8());
    }
    return formats;
}

bool TClipboard::HasMimeFormat(const QString& Mime) const
{
    if (const TClipboardFormats* store = ClipboardStoreHook())
        return store->contains(Mime);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && (Mime == MimePlainText ? data->hasText() : data->hasFormat(Mime));
}

QByteArray TClipboard::MimeData(const QString& Mime) const
{
    if (const TClipboardFormats* store = ClipboardStoreHook())
        return store->value(Mime);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return {};
    return Mime == MimePlainText ? data->text().toUtf8() : data->data(Mime);
}

void TClipboard::SetFormats(const TClipboardFormats& Formats)
{
    if (TClipboardFormats* store = ClipboardStoreHook()) {
        *store = Formats;
        return;
    }
    auto* data = new QMimeData;  // the clipboard takes it
    for (auto it = Formats.begin(); it != Formats.end(); ++it) {
        if (it.key() == MimePlainText)
            data->setText(QString::fromUtf8(it.value()));
        else
            data->setData(it.key(), it.value());
    }
    QGuiApplication::clipboard()->setMimeData(data);
}

void TClipboard::AddMimeData(const QString& Mime, const QByteArray& Data)
{
    TClipboardFormats formats = Formats();
    formats.insert(Mime, Data);
    SetFormats(formats);
}

TClipboard& Clipboard()
{
    static TClipboard clipboard;
    return clipboard;
}
