#include "grid/io/VoOleDragDrop.h"

#include <QUrl>

#include "grid/io/GridIO.h"

namespace {
bool& rtfDrop()
{
    static bool allow = false;
    return allow;
}

// Ctrl copies; otherwise a move when the source allows it, else a copy.
int effectChoice(TShiftState Shift, int Allowed)
{
    if (Shift & ssCtrl)
        return DROPEFFECT_COPY;
    return (Allowed & DROPEFFECT_MOVE) ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

std::uint32_t readU32(const QByteArray& Raw, qsizetype At)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(Raw[At + i]);
    return v;
}

QByteArray u32Bytes(std::uint32_t Value)
{
    QByteArray raw(4, '\0');
    for (int i = 0; i < 4; ++i)
        raw[i] = static_cast<char>((Value >> (8 * i)) & 0xFF);
    return raw;
}

// Dragged cells: the stream's length (32 bits), four zero bytes, then the stream.
QByteArray cellsForDrag(const QByteArray& Stream)
{
    return u32Bytes(static_cast<std::uint32_t>(Stream.size())) + QByteArray(4, '\0') + Stream;
}

// The stream inside dropped cells; empty (not a stream) when the length does not fit the data.
QByteArray cellsFromDrop(const QByteArray& Raw)
{
    if (Raw.size() < 8)
        return {};
    const std::uint32_t n = readU32(Raw, 0);
    if (n > static_cast<std::uint64_t>(Raw.size() - 8))
        return {};
    return Raw.mid(8, n);
}

int runDrag(TWinControl& Source, TVSGDropSource& DropSource, const TDragData& Data, int AllowedEffects)
{
    DropSource.FNoAccept = false;
    const int effect = DoDragDrop(Source, DropSource, Data, AllowedEffects);
    return DropSource.FNoAccept ? DROPEFFECT_NONE : effect;
}
}  // namespace

void SetAllowRTFDrop(bool Allow)
{
    rtfDrop() = Allow;
}

bool AllowRTFDrop()
{
    return rtfDrop();
}

TDropContent::TDropContent(const TDragData& Data)
{
    if (Data.contains(MimePlainText)) {
        Formats |= dfText;
        Text = QString::fromUtf8(Data.value(MimePlainText));
    }
    if (Data.contains(MimeRichText)) {
        Formats |= dfRTF;
        RTF = QString::fromLocal8Bit(Data.value(MimeRichText));
    }
    if (Data.contains(MimeGridCells)) {
        Formats |= dfGridCells;
        Cells = cellsFromDrop(Data.value(MimeGridCells));
    }
    if (Data.contains(MimeGridColumn)) {
        Formats |= dfCol;
        const QByteArray raw = Data.value(MimeGridColumn);
        if (raw.size() >= 4)
            Col = static_cast<std::int32_t>(readU32(raw, 0));
    }
    if (Data.contains(MimeUriList)) {
        for (const QByteArray& line : Data.value(MimeUriList).split('\n')) {
            const QByteArray entry = line.trimmed();
            if (entry.isEmpty() || entry.startsWith('#'))
                continue;
            const QUrl url = QUrl::fromEncoded(entry);
            if (url.isLocalFile())
                Files << url.toLocalFile();
            else if (URL.isEmpty() && url.isValid())
                URL = url.toString();
        }
        Formats |= (Files.isEmpty() ? 0 : dfFile) | (URL.isEmpty() ? 0 : dfURL);
    }
}

bool TVSGDropTarget::accepts(const TDropContent& Content) const
{
    const TDropFormats f = Content.Formats;
    return ((f & dfText) && AcceptText) || ((f & dfFile) && AcceptFiles) ||
           ((f & dfRTF) && AllowRTFDrop() && AcceptText) || ((f & dfCol) && AcceptCols) ||
           ((f & dfURL) && AcceptURLs) || (f & dfGridCells);
}

int TVSGDropTarget::DragEnter(const TDragData& Data, TShiftState Shift, TPoint Pt, int Allowed)
{
    (void)Pt;
    const TDropContent content(Data);
    FOk = accepts(content);
    FDropFormats = content.Formats;
    const int effect = FOk ? effectChoice(Shift, Allowed) : DROPEFFECT_NONE;
    DragMouseEnter();
    return effect;
}

int TVSGDropTarget::DragOver(TShiftState Shift, TPoint Pt, int Allowed)
{
    const int effect = FOk ? effectChoice(Shift, Allowed) : DROPEFFECT_NONE;
    bool allow = effect != DROPEFFECT_NONE;
    DragMouseMove(Pt, allow, FDropFormats);
    return allow ? effect : DROPEFFECT_NONE;
}

int TVSGDropTarget::Drop(const TDragData& Data, TShiftState Shift, TPoint Pt, int Allowed)
{
    if (!FOk)
        return DROPEFFECT_NONE;
    FDropRefused = false;
    const TDropContent content(Data);
    if (content.Formats & dfCol) {
        DropCol(Pt, content.Col);
    } else {
        if (content.Formats & dfGridCells)
            DropStream(Pt, content.Cells);
        else if ((content.Formats & dfRTF) && AllowRTFDrop())
            DropRTF(Pt, content.RTF);
        else if (content.Formats & dfText)
            DropText(Pt, content.Text);
        if (content.Formats & dfFile)
            DropFiles(Pt, content.Files);
        if (content.Formats & dfURL)
            DropURL(Pt, content.URL);
    }
    // A refused drop took nothing: the source must not remove what it moved.
    return FDropRefused ? DROPEFFECT_NONE : effectChoice(Shift, Allowed);
}

int BeginTextDragDrop(TWinControl& Source, TVSGDropSource& DropSource, const QString& Text, const QString& RTF,
                      const QByteArray& Cells, int AllowedEffects)
{
    TDragData data{{MimePlainText, Text.toUtf8()}};
    if (AllowRTFDrop())
        data.insert(MimeRichText, RTF.toLocal8Bit());
    if (!Cells.isEmpty())
        data.insert(MimeGridCells, cellsForDrag(Cells));
    return runDrag(Source, DropSource, data, AllowedEffects);
}

int BeginColumnDragDrop(TWinControl& Source, TVSGDropSource& DropSource, int Col, int AllowedEffects)
{
    return runDrag(Source, DropSource, {{MimeGridColumn, u32Bytes(static_cast<std::uint32_t>(Col))}}, AllowedEffects);
}
