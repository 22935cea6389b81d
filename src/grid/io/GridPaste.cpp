// Clipboard paste: the grid's cell format, rich text or tab-separated text at a cell, and the smart fill of
// the selection with a repeated value, a series or a repeated block.
#include <cmath>

#include "grid/base/VoUndo.h"
#include "grid/io/GridBinStream.h"
#include "grid/io/GridIO.h"
#include "platform/Clipbrd.h"

namespace {
// A quoted field's content: doubled quotes undone, every line break (LF, CR LF, code 11) as CR LF.
QString unquoteField(QStringView Body)
{
    QString out = Body.toString();
    out.replace(QStringLiteral("\"\""), QStringLiteral("\""));
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n').replace(QChar(11), u'\n');
    out.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return out;
}

// The end of a quoted field starting at Start (its opening quote): the index of its closing quote when that
// is followed by a TAB, a line break or the end, else -1.
qsizetype closingQuote(const QString& Text, qsizetype Start)
{
    for (qsizetype j = Start + 1; j < Text.size(); ++j) {
        if (Text[j] != u'"')
            continue;
        if (j + 1 < Text.size() && Text[j + 1] == u'"') {
            ++j;
            continue;
        }
        const bool ends = j + 1 == Text.size() || Text[j + 1] == u'\t' || Text[j + 1] == u'\r' || Text[j + 1] == u'\n';
        return ends ? j : -1;
    }
    return -1;
}

bool parseFloat(QString Text, double& Value)
{
    Text.replace(RegionalSettings().DecimalSeparator, u'.');
    bool ok = false;
    Value = Text.trimmed().toDouble(&ok);
    return ok && std::isfinite(Value);
}

QString dateText(TDateTime Value)
{
    int y = 0, m = 0, d = 0;
    DecodeDate(Value, y, m, d);
    QString format = RegionalSettings().ShortDateFormat;
    QString out;
    for (qsizetype i = 0; i < format.size();) {
        const QChar ch = format[i];
        qsizetype n = 1;
        while (i + n < format.size() && format[i + n] == ch)
            ++n;
        const char16_t c = ch.toLower().unicode();
        if (c == u'd')
            out += n >= 2 ? QStringLiteral("%1").arg(d, 2, 10, QChar(u'0')) : QString::number(d);
        else if (c == u'm')
            out += n >= 2 ? QStringLiteral("%1").arg(m, 2, 10, QChar(u'0')) : QString::number(m);
        else if (c == u'y')
            out += n <= 2 ? QStringLiteral("%1").arg(y % 100, 2, 10, QChar(u'0')) : QString::number(y);
        else
            out += QString(n, ch);
        i += n;
    }
    return out;
}

// "h:mm" or "h:mm:ss" with the regional time separator.
bool parseTime(const QString& Text, TDateTime& Value)
{
    const QStringList parts = Text.trimmed().split(RegionalSettings().TimeSeparator);
    if (parts.size() < 2 || parts.size() > 3)
        return false;
    int f[3] = {0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool ok = false;
        f[i] = parts[i].toInt(&ok);
        if (!ok)
            return false;
    }
    return TryEncodeTime(f[0], f[1], f[2], Value);
}

QString timeText(TDateTime Value)
{
    const QChar sep = RegionalSettings().TimeSeparator;
    const auto seconds = static_cast<long long>(std::llround((Value - std::floor(Value)) * 86400.0)) % 86400;
    return QStringLiteral("%1%4%2%4%3")
        .arg(seconds / 3600)
        .arg((seconds / 60) % 60, 2, 10, QChar(u'0'))
        .arg(seconds % 60, 2, 10, QChar(u'0'))
        .arg(sep);
}
}  // namespace

std::vector<TPasteLine> SplitPasteText(const QString& Text)
{
    std::vector<TPasteLine> lines(1);
    qsizetype i = 0;
    while (true) {
        QString cell;
        qsizetype end = -1;
        if (i < Text.size() && Text[i] == u'"' && (end = closingQuote(Text, i)) >= 0) {
            cell = unquoteField(QStringView(Text).mid(i + 1, end - i - 1));
            i = end + 1;
        } else {
            qsizetype j = i;
            while (j < Text.size() && Text[j] != u'\t' && Text[j] != u'\r' && Text[j] != u'\n')
                ++j;
            cell = Text.mid(i, j - i);
            i = j;
        }
        lines.back().Cells.append(cell);
        if (i >= Text.size())
            break;
        if (Text[i] == u'\t') {
            ++i;
            continue;
        }
        // A line break: CR LF, CR or LF.
        i += Text[i] == u'\r' && i + 1 < Text.size() && Text[i + 1] == u'\n' ? 2 : 1;
        lines.back().EndsWithBreak = true;
        lines.emplace_back();
    }
    return lines;
}

bool TGridIO::cellTakesPaste(int ACol, int ARow)
{
    VOroDavoduRuzu& g = grid_;
    const int real = g.DisplayToRealCol(ACol);
    if (g.ReadOnly(real, ARow))
        return false;
    return g.Navigation().AllowClipboardAlways || g.IsEditable(real, ARow);
}

void TGridIO::PasteCellText(int ACol, int ARow, const QString& Value)
{
    VOroDavoduRuzu& g = grid_;
    const int real = g.DisplayToRealCol(ACol);
    if (TVoGridUndoRedo* undo = g.UndoRedo())
        undo->RegisterChange(real, ARow, g.GetGridCell(real, ARow), Value);
    if (g.HasCheckBox(real, ARow))
        g.SetCheckBoxStateNotify(real, ARow, Value == g.CheckTrue);
    else
        g.SetCells(real, ARow, Value);
    if (real != ACol)
        g.RepaintCell(ACol, ARow);
}

void TGridIO::DoPastedRange(TPoint Source, const TGridRect& Range, TClipOperation Op)
{
    (void)Source, (void)Op;
    markRowsModified(Range.Top, Range.Bottom);
}

void TGridIO::pasteWithEvents(int ACol, int ARow, const QString& Value, bool Events)
{
    VOroDavoduRuzu& g = grid_;
    QString v = Value;
    bool allow = true;
    // A wide-text cell goes through the wide events with its decoded text.
    const bool wide = v.startsWith(QLatin1String("|\\"));
    if (Events && wide && g.OnClipboardBeforePasteWideCell) {
        QString w = DecodeWideText(v);
        g.OnClipboardBeforePasteWideCell(&g, ACol, ARow, w, allow);
        v = EncodeWideText(w);
    } else if (Events && !wide && g.OnClipboardBeforePasteCell) {
        g.OnClipboardBeforePasteCell(&g, ACol, ARow, v, allow);
    }
    if (!allow)
        return;
    PasteCellText(ACol, ARow, v);
    if (Events && wide && g.OnClipboardAfterPasteWideCell)
        g.OnClipboardAfterPasteWideCell(&g, ACol, ARow, DecodeWideText(v));
    else if (Events && !wide && g.OnClipboardAfterPasteCell)
        g.OnClipboardAfterPasteCell(&g, ACol, ARow, v);
}

int TGridIO::PasteTextAt(int ACol, int ARow, int& Rows, int& Cols, const QString& Text)
{
    VOroDavoduRuzu& g = grid_;
    TNavigation& nav = g.Navigation();
    Rows = 0;
    Cols = 0;
    FLastPastedCells = 0;
    const bool canEdit = g.EditsCells() || nav.AllowClipboardAlways || g.MouseActions().RangeSelectAndEdit;
    if (ACol < 0 || ARow < 0 || !canEdit)
        return 0;
    const std::vector<TPasteLine> lines = SplitPasteText(Text);
    TVoGridUndoRedo* undo = g.UndoRedo();
    if (undo)
        undo->StartSequence();
    int count = 0;
    TGridRect pasted{ACol, ARow, ACol - 1, ARow - 1};
    int R = ARow;
    for (const TPasteLine& line : lines) {
        ++Rows;
        g.ImportNotification(FPasteAll ? isImportNewRow : isImportSelRow, R);
        const bool phantom =
            &line == &lines.back() && line.Cells.size() == 1 && line.Cells[0].isEmpty() && lines.size() > 1;
        const bool hasText = !(line.Cells.size() == 1 && line.Cells[0].isEmpty());
        if (hasText && nav.ClipboardPasteAction == paInsert)
            g.InsertRows(R, 1);
        if (!phantom && R >= g.RowCount() && nav.AllowClipboardRowGrow)
            g.SetRowCount(R + 1);
        Cols = static_cast<int>(line.Cells.size());
        int C = ACol;
        for (qsizetype k = 0; k < line.Cells.size(); ++k, ++C) {
            ++count;
            const QString& V = line.Cells[k];
            const bool last = k + 1 == line.Cells.size();
            if (last && !line.EndsWithBreak && V.isEmpty())
                continue;
            if (C >= g.ColCount() && nav.AllowClipboardColGrow)
                g.SetColCount(C + 1);
            if (C >= g.ColCount() || R >= g.RowCount() || !cellTakesPaste(C, R))
                continue;
            pasteWithEvents(C, R, V, true);
            pasted.Right = std::max(pasted.Right, C);
            pasted.Bottom = std::max(pasted.Bottom, R);
        }
        if (!phantom)
            FLastPastedCells += static_cast<int>(line.Cells.size());
        ++R;
    }
    if (undo)
        undo->StopSequence();
    FPastedRect = pasted;
    DoPastedRange(FClipTopLeft, pasted, FClipLastOp);
    if (pasted.Right >= pasted.Left && pasted.Bottom >= pasted.Top)
        g.CellsChangedNotify(
            {g.DisplayToRealCol(pasted.Left), pasted.Top, g.DisplayToRealCol(pasted.Right), pasted.Bottom});
    return count;
}

void TGridIO::GetTextDimensions(const QString& Text, int& Cols, int& Rows)
{
    const std::vector<TPasteLine> lines = SplitPasteText(Text);
    Cols = 0;
    int nonEmpty = 0;
    for (const TPasteLine& line : lines) {
        Cols = std::max(Cols, static_cast<int>(line.Cells.size()));
        if (!(line.Cells.size() == 1 && line.Cells[0].isEmpty()))
            ++nonEmpty;
    }
    Rows = nonEmpty - 1;
}

int TGridIO::PasteFromClipboardAt(int ACol, int ARow, int& Rows, int& Cols)
{
    VOroDavoduRuzu& g = grid_;
    TNavigation& nav = g.Navigation();
    Rows = 0;
    Cols = 0;
    FLastPastedCells = 0;
    if (CanPasteCellsFormat() && Clipboard().HasMimeFormat(MimeGridCells)) {
        DoBeforePaste();
        // The whole block is checked before the grid grows or a cell changes.
        const TBinStream stream = ParseBinStream(Clipboard().MimeData(MimeGridCells));
        const TBinHeader& h = stream.Header;
        if (nav.AllowClipboardColGrow && h.ColCount + ACol >= g.ColCount())
            g.SetColCount(h.ColCount + ACol);
        if (nav.AllowClipboardRowGrow && h.RowCount + ARow >= g.RowCount())
            g.SetRowCount(h.RowCount + ARow);
        if (nav.ClipboardPasteAction == paInsert)
            g.InsertRows(ARow, h.RowCount);
        Cols = g.ColCount();
        Rows = g.RowCount();
        applyBinStream({ACol, ARow}, stream);
        const TGridRect range{ACol, ARow, ACol + h.ColCount - 1, ARow + h.RowCount - 1};
        const bool own = h.ID == static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(&g));
        DoPastedRange(own ? FClipTopLeft : TPoint{-1, -1}, range, FClipLastOp);
        DoAfterPaste();
        FLastPastedCells = h.ColCount * h.RowCount;
        return FLastPastedCells;
    }
    if (nav.AllowRTFClipboard && Clipboard().HasMimeFormat(MimeRichText)) {
        const QString rtf = QString::fromLocal8Bit(Clipboard().MimeData(MimeRichText));
        if (ACol >= 0 && ARow >= 0 && ACol < g.ColCount() && ARow < g.RowCount() && cellTakesPaste(ACol, ARow))
            PasteCellText(ACol, ARow, rtf);
        Rows = 1;
        Cols = 1;
        return 0;
    }
    if (Clipboard().HasFormat(CF_UNICODETEXT)) {
        const QString text = Clipboard().AsText();
        if (!text.isEmpty())
            return PasteTextAt(ACol, ARow, Rows, Cols, text);
    }
    return 0;
}

void TGridIO::PasteFromClipboard()
{
    VOroDavoduRuzu& g = grid_;
    g.ImportNotification(isImportStart, -1);
    FPasteAll = true;
    int rows = 0, cols = 0;
    PasteFromClipboardAt(SaveStartCol(), SaveStartRow(), rows, cols);
    g.ImportNotification(isImportDone, -1);
    g.CellsLoaded();
    g.Invalidate();
}

QString TGridIO::fillSourceText(int ACol, int ARow)
{
    VOroDavoduRuzu& g = grid_;
    const int real = g.DisplayToRealCol(ACol);
    bool state = false;
    if (g.HasCheckBox(real, ARow) && g.GetCheckBoxState(real, ARow, state))
        return state ? g.CheckTrue : g.CheckFalse;
    return g.Cells(real, ARow);
}

// The cells of a one-row or one-column selection in order.
static std::vector<TPoint> selectionCells(const TGridRect& Sel)
{
    std::vector<TPoint> cells;
    for (int c = Sel.Left; c <= Sel.Right; ++c)
        for (int r = Sel.Top; r <= Sel.Bottom; ++r)
            cells.push_back({c, r});
    return cells;
}

bool TGridIO::smartFillSeries(const TGridRect& Sel)
{
    VOroDavoduRuzu& g = grid_;
    const std::vector<TPoint> cells = selectionCells(Sel);
    const TPoint second =
        Sel.Left == Sel.Right && Sel.Top != Sel.Bottom ? TPoint{Sel.Left, Sel.Top + 1} : TPoint{Sel.Left + 1, Sel.Top};
    const QString t1 = fillSourceText(Sel.Left, Sel.Top);
    const QString t2 = second.X < g.ColCount() ? fillSourceText(second.X, second.Y) : QString();
    const TRegionalSettings rs = RegionalSettings();
    auto fill = [&](auto&& textAt) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            QString text;
            if (!textAt(i, text))
                return;  // a value that cannot be made ends the series
            if (cellTakesPaste(cells[i].X, cells[i].Y)) {
                pasteWithEvents(cells[i].X, cells[i].Y, text, i > 0);
                DoPastedRange(FClipTopLeft, {cells[i].X, cells[i].Y, cells[i].X, cells[i].Y}, coCopy);
            }
        }
    };
    auto isDateOrTime = [&rs](const QString& t) {
        return t.count(rs.DateSeparator) == 2 || t.contains(rs.TimeSeparator);
    };
    if (isDateOrTime(t1) && isDateOrTime(t2)) {
        const bool dates = t1.contains(rs.DateSeparator);
        TDateTime d1 = 0, d2 = 0;
        if (dates ? !(StrToDateByFormat(t1, d1) && StrToDateByFormat(t2, d2))
                  : !(parseTime(t1, d1) && parseTime(t2, d2)))
            return true;
        int y1, m1, dd1, y2, m2, dd2;
        DecodeDate(d1, y1, m1, dd1);
        DecodeDate(d2, y2, m2, dd2);
        TDateTime d = d1;
        fill([&](std::size_t, QString& text) {
            text = dates ? dateText(d) : timeText(d);
            d = AddToDate(y2 - y1, m2 - m1, dd2 - dd1, d2 - d1, d);
            return true;
        });
    } else if (t1.contains(rs.DecimalSeparator) || t2.contains(rs.DecimalSeparator)) {
        double f1 = 0, f2 = 0;
        if (!parseFloat(t1, f1) || !parseFloat(t2, f2))
            return true;
        fill([&](std::size_t i, QString& text) {
            text = FormatFloatText(g.FloatFormat, f1 + static_cast<double>(i) * (f2 - f1));
            return true;
        });
    } else {
        bool ok1 = false, ok2 = false;
        const qint64 v1 = t1.trimmed().toLongLong(&ok1);
        const qint64 v2 = t2.trimmed().toLongLong(&ok2);
        if (!ok1 || !ok2 || std::llabs(v1) > INT32_MAX || std::llabs(v2) > INT32_MAX)
            return false;
        fill([&](std::size_t i, QString& text) {
            text = QString::number(v1 + static_cast<qint64>(i) * (v2 - v1));
            return true;
        });
    }
    g.CellsChangedNotify(Sel);
    return true;
}

void TGridIO::smartFillBlock(const TGridRect& Sel, int BlockLength)
{
    const std::vector<TPoint> cells = selectionCells(Sel);
    if (BlockLength <= 0)
        return;
    for (std::size_t i = BlockLength; i < cells.size(); ++i)
        if (cellTakesPaste(cells[i].X, cells[i].Y))
            pasteWithEvents(cells[i].X, cells[i].Y, fillSourceText(cells[i - BlockLength].X, cells[i - BlockLength].Y),
                            true);
    DoPastedRange({Sel.Left, Sel.Top}, Sel, coCopy);
}

void TGridIO::PasteSelectionFromClipboard()
{
    VOroDavoduRuzu& g = grid_;
    g.ImportNotification(isImportStart, -1);
    FPasteAll = false;
    expandSelectionToMergedCells();
    const TGridRect sel = g.Selection();
    int rows = 0, cols = 0;
    const int startCol = (g.Options() & goRowSelect) ? g.FixedCols() : sel.Left;
    PasteFromClipboardAt(startCol, sel.Top, rows, cols);
    // The smart fill counts the cells the clipboard held, not an empty line after a final line break.
    const int pasted = FLastPastedCells;
    const int width = sel.Right - sel.Left + 1, height = sel.Bottom - sel.Top + 1;
    if (g.Navigation().AllowSmartClipboard && pasted > 0 && pasted != width * height) {
        DoBeforePaste();
        const bool line = width == 1 || height == 1;
        if (pasted == 1 && width * height > 1) {
            const QString value = fillSourceText(sel.Left, sel.Top);
            for (int c = sel.Left; c <= sel.Right; ++c)
                for (int r = sel.Top; r <= sel.Bottom; ++r)
                    if (cellTakesPaste(c, r)) {
                        const bool first = c == sel.Left && r == sel.Top;
                        pasteWithEvents(c, r, value, !first);
                        DoPastedRange(FClipTopLeft, {c, r, c, r}, coCopy);
                    }
        } else if (line && pasted > 1) {
            if (!smartFillSeries(sel))
                smartFillBlock(sel, pasted);
        } else if (rows == 1) {
            for (int r = sel.Top + 1; r <= sel.Bottom; ++r) {
                g.SetRow(r);
                PasteFromClipboardAt(sel.Left, r, rows, cols);
            }
        } else if (cols == 1) {
            for (int c = sel.Left + 1; c <= sel.Right; ++c) {
                g.SetCol(c);
                PasteFromClipboardAt(c, sel.Top, rows, cols);
            }
        }
        g.SetSelection(sel);
        DoAfterPaste();
        g.CellsChangedNotify(sel);
    }
    // The footer follows every paste, not only a filled selection.
    g.CellsLoaded();
    g.ImportNotification(isImportDone, -1);
    g.Invalidate();
}

void TGridIO::SetSelectionAsText(const QString& Value)
{
    VOroDavoduRuzu& g = grid_;
    const TGridRect sel = g.Selection();
    const std::vector<TPasteLine> lines = SplitPasteText(Value);
    TGridRect written{sel.Left, sel.Top, sel.Left - 1, sel.Top - 1};
    int R = sel.Top;
    for (const TPasteLine& line : lines) {
        const bool phantom =
            &line == &lines.back() && line.Cells.size() == 1 && line.Cells[0].isEmpty() && lines.size() > 1;
        if (phantom)
            break;
        if (R >= g.RowCount())
            g.SetRowCount(R + 1);
        int C = sel.Left;
        for (qsizetype k = 0; k < line.Cells.size(); ++k, ++C) {
            const bool last = k + 1 == line.Cells.size();
            if (last && !line.EndsWithBreak && line.Cells[k].isEmpty())
                continue;
            if (C >= g.ColCount())
                g.SetColCount(C + 1);
            g.SetGridCell(g.DisplayToRealCol(C), R, line.Cells[k]);
            written.Right = std::max(written.Right, C);
            written.Bottom = std::max(written.Bottom, R);
        }
        ++R;
    }
    if (written.Right >= written.Left)
        g.CellsChangedNotify(
            {g.DisplayToRealCol(written.Left), written.Top, g.DisplayToRealCol(written.Right), written.Bottom});
    g.Invalidate();
}
