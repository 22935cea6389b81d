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
    if (ClipboardStoreHook())
        return QString::fromUtf8(MimeData(MimePlainText));
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data ? data->text() : QString();
}

void TClipboard::SetAsText(const QString& Text)
{
    SetTextAndFormats(Text, {});
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

namespace {
// Empties the clipboard and puts the formats, with the text (when given) as Unicode.
void putFormats(const QString* Text, const TClipboardFormats& Others)
{
    if (TClipboardFormats* store = ClipboardStoreHook()) {
        *store = Others;
        if (Text)
            store->insert(MimePlainText, Text->toUtf8());
        return;
    }
    auto* data = new QMimeData;  // the clipboard takes it
    if (Text)
        data->setText(*Text);
    for (auto it = Others.begin(); it != Others.end(); ++it)
        data->setData(it.key(), it.value());
    QGuiApplication::clipboard()->setMimeData(data);
}
}  // namespace

void TClipboard::SetFormats(const TClipboardFormats& Formats)
{
    const auto text = Formats.constFind(MimePlainText);
    if (text == Formats.constEnd()) {
        putFormats(nullptr, Formats);
        return;
    }
    TClipboardFormats others = Formats;
    others.remove(MimePlainText);
    const QString unicode = QString::fromUtf8(*text);
    putFormats(&unicode, others);
}

void TClipboard::SetTextAndFormats(const QString& Text, const TClipboardFormats& Others)
{
    putFormats(&Text, Others);
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
