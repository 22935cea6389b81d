// The text cell file and stream: a header line, column width lines and one line per non-empty cell.
#include <QFile>
#include <QStringConverter>
#include <QStringDecoder>
#include <QStringList>
#include <cmath>

#include "grid/base/REdaReviZizod.h"
#include "grid/io/GridCellMap.h"
#include "grid/io/GridIO.h"

namespace {
// Grids a file may ask for: larger counts are a corrupt file, not a reason to exhaust memory.
constexpr std::int64_t MaxLoadedCells = 100'000'000;
constexpr QChar EscapeMark = QChar(2);

// A text whose line breaks the classic rule (CR -> TAB, LF -> 8, NUL -> 1) stores and restores exactly.
bool classicRuleKeeps(const QString& Text)
{
    if (Text.startsWith(EscapeMark) || Text.contains(QChar(8)))
        return false;
    if (!Text.contains(u'\r'))
        return !Text.contains(u'\n');
    return Text.contains(u'\n') && !Text.contains(u'\t') && !Text.contains(QChar(1));
}

// Texts the classic rule would change on the way back are written marked, each special character as the
// mark and a letter.
QString escapeCellText(const QString& Text)
{
    if (classicRuleKeeps(Text)) {
        if (!Text.contains(u'\r'))
            return Text;
        QString out = Text;
        out.replace(u'\r', u'\t').replace(u'\n', QChar(8)).replace(QChar(0), QChar(1));
        return out;
    }
    QString out(EscapeMark);
    for (QChar ch : Text) {
        const char16_t c = ch.unicode();
        const char* code = c == u'\t'   ? "t"
                           : c == u'\r' ? "r"
                           : c == u'\n' ? "n"
                           : c == 8     ? "b"
                           : c == 1     ? "a"
                           : c == 0     ? "0"
                           : c == 2     ? "m"
                                        : nullptr;
        if (code)
            out += EscapeMark, out += QLatin1Char(code[0]);
        else
            out += ch;
    }
    return out;
}

QString unescapeCellText(const QString& Text, bool MultiLine)
{
    QString out;
    if (Text.startsWith(EscapeMark)) {
        for (qsizetype i = 1; i < Text.size(); ++i) {
            if (Text[i] != EscapeMark || i + 1 == Text.size()) {
                out += Text[i];
                continue;
            }
            const char16_t c = Text[++i].unicode();
            out += c == u't'   ? QChar(u'\t')
                   : c == u'r' ? QChar(u'\r')
                   : c == u'n' ? QChar(u'\n')
                   : c == u'b' ? QChar(8)
                   : c == u'a' ? QChar(1)
                   : c == u'0' ? QChar(0)
                   : c == u'm' ? EscapeMark
                               : Text[i];
        }
    } else if (Text.contains(QChar(8))) {
        out = Text;
        out.replace(u'\t', u'\r').replace(QChar(8), u'\n').replace(QChar(1), QChar(0));
    } else {
        out = Text;
    }
    if (!MultiLine) {
        const qsizetype cr = out.indexOf(u'\r');
        if (cr >= 0)
            out.truncate(cr);
    }
    return out;
}

// Leading blanks, a sign and the digits up to the first other character; no digits read as 0. Saturates.
std::int64_t lenientNumber(QStringView Text)
{
    qsizetype i = 0;
    while (i < Text.size() && Text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < Text.size() && (Text[i] == u'-' || Text[i] == u'+'))
        negative = Text[i++] == u'-';
    std::int64_t value = 0;
    for (; i < Text.size() && Text[i].isDigit() && Text[i].unicode() < 128; ++i)
        value = std::min<std::int64_t>(value * 10 + (Text[i].unicode() - u'0'), MaxLoadedCells);
    return negative ? -value : value;
}

int strictNumber(QStringView Text)
{
    bool ok = false;
    const int value = Text.toInt(&ok);
    if (!ok)
        throw REdaReviZizod(QStringLiteral("'%1' is not a valid integer value").arg(Text));
    return value;
}

// Column field, row field and the rest of a cell line; a missing comma leaves the fields empty.
struct TCellLine {
    QStringView Col, Row, Text;
    bool HasCol = false, HasRow = false;
};
TCellLine splitCellLine(QStringView Line)
{
    TCellLine out;
    const qsizetype c1 = Line.indexOf(u',');
    if (c1 < 0) {
        out.Text = Line;
        return out;
    }
    out.HasCol = true;
    out.Col = Line.left(c1);
    const QStringView rest = Line.mid(c1 + 1);
    const qsizetype c2 = rest.indexOf(u',');
    if (c2 < 0) {
        out.Text = rest;
        return out;
    }
    out.HasRow = true;
    out.Row = rest.left(c2);
    out.Text = rest.mid(c2 + 1);
    return out;
}

QStringList decodeLines(const QByteArray& Bytes)
{
    QString text;
    if (auto encoding = QStringConverter::encodingForData(Bytes)) {
        QStringDecoder decoder(*encoding);
        text = decoder(Bytes);
        if (!text.isEmpty() && text[0] == QChar(0xFEFF))
            text.remove(0, 1);
    } else {
        text = QString::fromLocal8Bit(Bytes);
    }
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
}  // namespace

// ---- writing -------------------------------------------------------------------------------------

void TGridIO::SaveToFile(const QString& FileName, bool Unicode)
{
    VOroDavoduRuzu& g = grid_;
    const TCellMap map = TCellMap::SaveRange(g, g.SaveHiddenCells);
    const TGridRect& range = map.Rect();
    QString text = QStringLiteral("%1,%2\r\n").arg(map.ColCount()).arg(map.RowCount());
    for (int c = range.Left; c <= range.Right; ++c)
        text += QStringLiteral("cw %1,%2\r\n").arg(c).arg(map.ColWidth(c));
    g.ExportNotification(esExportStart, range.Top);
    int lastProgress = -1;
    for (int r = range.Top; r <= range.Bottom; ++r) {
        g.ExportNotification(esExportNextRow, r);
        for (int c = range.Left; c <= range.Right; ++c) {
            const QString s = g.CellTextForSave(map.StoreCol(c), r);
            if (!s.isEmpty())
                text += QStringLiteral("%1,%2,").arg(c).arg(r) + escapeCellText(s) + QStringLiteral("\r\n");
        }
        if (grid_.OnFileProgress)
            fireProgress(static_cast<int>(std::lround(100.0 * r / std::max(1, map.RowCount() - 1))), lastProgress);
    }
    g.ExportNotification(esExportDone, -1);
    QByteArray bytes;
    if (Unicode) {
        bytes = QByteArray("\xFF\xFE", 2);
        bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    } else {
        bytes = text.toLocal8Bit();
    }
    QFile file(FileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw REdaReviZizod(QStringLiteral("Cannot create file \"%1\"").arg(FileName));
}

void TGridIO::SaveToStream(QIODevice& Stream)
{
    VOroDavoduRuzu& g = grid_;
    auto writeLine = [&Stream](const QString& line) {
        const QString full = line + QStringLiteral("\r\n");
        Stream.write(reinterpret_cast<const char*>(full.utf16()), full.size() * 2);
    };
    const TCellMap map = TCellMap::SaveRange(g);
    const TGridRect& range = map.Rect();
    writeLine(QStringLiteral("%1,%2").arg(map.ColCount()).arg(map.RowCount()));
    for (int c = 0; c < g.ColCount(); ++c)
        writeLine(QStringLiteral("cw %1,%2").arg(c).arg(g.ColWidths(c)));
    g.ExportNotification(esExportStart, range.Top);
    for (int r = range.Top; r <= range.Bottom; ++r) {
        g.ExportNotification(esExportNextRow, r);
        for (int c = range.Left; c <= range.Right; ++c) {
            const QString s = g.CellTextForSave(map.StoreCol(c), r);
            if (!s.isEmpty())
                writeLine(QStringLiteral("%1,%2,").arg(c - range.Left).arg(r - range.Top) + escapeCellText(s));
        }
    }
    g.ExportNotification(esExportDone, -1);
}

// ---- reading -------------------------------------------------------------------------------------

void TGridIO::LoadFromFile(const QString& FileName)
{
    VOroDavoduRuzu& g = grid_;
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw REdaReviZizod(QStringLiteral("Cannot open file \"%1\"").arg(FileName));
    const QStringList lines = decodeLines(file.readAll());
    const REdaReviZizod corrupt(QStringLiteral("File contains no data or corrupt file ") + FileName);
    if (lines.isEmpty())
        throw corrupt;
    // Indexes are store columns when the hidden columns were saved with the cells.
    const bool storeCols = g.SaveHiddenCells;
    if (!lines[0].isEmpty()) {
        const TCellLine head = splitCellLine(lines[0]);
        const std::int64_t cols =
            TCellMap::LoadedColCount(g, lenientNumber(head.HasCol ? head.Col : head.Text), storeCols);
        const std::int64_t rows = TCellMap::LoadedRowCount(g, lenientNumber(head.HasCol ? head.Text : QStringView()));
        if (cols <= 0 || rows <= 0 || cols * rows > MaxLoadedCells)
            throw corrupt;
        g.SetColCount(static_cast<int>(cols));
        g.SetRowCount(static_cast<int>(rows));
    }
    if (g.ColCount() <= 0 || g.RowCount() <= 0)
        throw corrupt;
    int lastProgress = -1;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringView line = lines[i];
        if (line.startsWith(u"cw")) {
            const QStringView body = line.mid(3);
            const qsizetype comma = body.indexOf(u',');
            TCellMap::SetLoadedColWidth(
                g, lenientNumber(comma < 0 ? body : body.left(comma)),
                static_cast<int>(lenientNumber(comma < 0 ? QStringView() : body.mid(comma + 1).left(255))), storeCols);
            continue;
        }
        const TCellLine cell = splitCellLine(line);
        const int c = TCellMap::TargetCol(g, lenientNumber(cell.Col), storeCols);
        const std::int64_t r = lenientNumber(cell.Row);
        if (c >= 0 && r >= 0 && r < g.RowCount())
            g.StoreLoadedCellText(c, static_cast<int>(r), unescapeCellText(cell.Text.toString(), g.Multilinecells));
        if (grid_.OnFileProgress)
            fireProgress(static_cast<int>(std::lround(100.0 * static_cast<double>(r) / std::max(1, g.RowCount() - 1))),
                         lastProgress);
    }
    g.CellsChangedNotify({0, 0, g.ColCount(), g.RowCount()});
    g.CellsLoaded();
}

void TGridIO::LoadFromStream(QIODevice& Stream)
{
    VOroDavoduRuzu& g = grid_;
    // One line: UTF-16 code units up to a CR; the unit after the CR is skipped.
    auto readLine = [&Stream](QString& line) {
        line.clear();
        char unit[2];
        while (Stream.read(unit, 2) == 2) {
            const auto ch =
                static_cast<char16_t>(static_cast<std::uint8_t>(unit[0]) | (static_cast<std::uint8_t>(unit[1]) << 8));
            if (ch == u'\r') {
                Stream.read(unit, 2);
                return;
            }
            line += QChar(ch);
        }
    };
    QString line;
    if (!Stream.atEnd()) {
        readLine(line);
        if (!line.isEmpty()) {
            const TCellLine head = splitCellLine(line);
            const std::int64_t cols = TCellMap::LoadedColCount(g, strictNumber(head.HasCol ? head.Col : head.Text));
            const std::int64_t rows =
                TCellMap::LoadedRowCount(g, strictNumber(head.HasCol ? head.Text : QStringView()));
            if (cols < 0 || rows < 0 || cols * rows > MaxLoadedCells)
                throw REdaReviZizod(QStringLiteral("Invalid stream format"));
            g.SetColCount(static_cast<int>(cols));
            g.SetRowCount(static_cast<int>(rows));
        }
    }
    while (!Stream.atEnd()) {
        const qint64 start = Stream.pos();
        readLine(line);
        if (line.startsWith(u"cw")) {
            const QStringView body = QStringView(line).mid(3);
            const qsizetype comma = body.indexOf(u',');
            const int c = strictNumber(comma < 0 ? body : body.left(comma));
            const int w = strictNumber(comma < 0 ? QStringView() : body.mid(comma + 1));
            TCellMap::SetLoadedColWidth(g, c, w);
            continue;
        }
        const TCellLine cell = splitCellLine(line);
        if (!cell.HasCol || cell.Col.isEmpty() || !cell.HasRow || cell.Row.isEmpty()) {
            Stream.seek(start);
            break;
        }
        const int c = TCellMap::TargetCol(g, std::int64_t{strictNumber(cell.Col)} + SaveStartCol());
        const std::int64_t r = std::int64_t{strictNumber(cell.Row)} + SaveStartRow();
        if (c >= 0 && r >= 0 && r < g.RowCount())
            g.StoreLoadedCellText(c, static_cast<int>(r), unescapeCellText(cell.Text.toString(), g.Multilinecells));
    }
    g.CellsChangedNotify({0, 0, g.ColCount(), g.RowCount()});
    g.CellsLoaded();
}
