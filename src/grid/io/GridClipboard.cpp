// Clipboard copy and cut: the selection or the save range as tab-separated text, with the rich text of
// its first cell and the binary cell stream as further formats.
#include <algorithm>
#include <array>

#include "grid/base/VoUndo.h"
#include "grid/io/GridIO.h"
#include "platform/Clipbrd.h"
#include "platform/RichText.h"

namespace {
// What a cell text holds that its copy must treat, found in one pass.
struct TTextMarks {
    bool Quote = false;  // line breaks, TABs or a leading double quote
    bool Html = false;   // "</"
    bool Rtf = false;    // "{\"
};

// Characters that need a look: TAB, LF, CR, '<' and '{'.
constexpr std::array<bool, 128> MarkChars = [] {
    std::array<bool, 128> t{};
    for (char c : {'\t', '\n', '\r', '<', '{'})
        t[static_cast<unsigned char>(c)] = true;
    return t;
}();

TTextMarks scanText(const QString& T)
{
    TTextMarks m;
    const char16_t* p = reinterpret_cast<const char16_t*>(T.constData());
    const qsizetype n = T.size();
    m.Quote = n > 0 && p[0] == u'"';
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ch = p[i];
        if (ch >= MarkChars.size() || !MarkChars[ch])
            continue;
        if (ch == u'<')
            m.Html = m.Html || (i + 1 < n && p[i + 1] == u'/');
        else if (ch == u'{')
            m.Rtf = m.Rtf || (i + 1 < n && p[i + 1] == u'\\');
        else
            m.Quote = true;
    }
    return m;
}

bool isWideText(const QString& T)
{
    return T.size() >= 2 && T[0] == u'|' && T[1] == u'\\';
}

// A cell that would break the text's structure is quoted: one LF per line break, inner double quotes doubled.
QString quoted(QString T)
{
    T.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    T.replace(QLatin1String("\""), QLatin1String("\"\""));
    return u'"' + T + u'"';
}
}  // namespace

bool TGridIO::rowSkipped(int ARow, bool OnlySelected)
{
    VOroDavoduRuzu& g = grid_;
    const TMouseActions& ma = g.MouseActions();
    if (!OnlySelected || !ma.DisjunctRowSelect() || ma.DisjunctColSelect())
        return false;
    return !g.RowSelect(ma.RowSelectPersistent ? g.DisplayToRealRow(ARow) : ARow);
}

QString TGridIO::copyText(int ARealCol, int ARow)
{
    VOroDavoduRuzu& g = grid_;
    QString T = g.CellTextForSave(ARealCol, ARow);
    if (T.isEmpty())
        return T;
    if (isWideText(T))
        T = DecodeWideText(T);
    TTextMarks marks = scanText(T);
    if (marks.Html && !g.Navigation().CopyHTMLTagsToClipboard) {
        T = g.StrippedCells(ARealCol, ARow);
        marks = scanText(T);
    } else if (marks.Rtf) {
        T = RichTextToPlainText(T);
        marks = scanText(T);
    }
    if (g.ExcelClipboardFormat && CountTextLines(T, g.Multilinecells) > 1)
        return QuoteMultiLine(T);
    if (marks.Quote)
        return quoted(std::move(T));
    return T;
}

QString TGridIO::RectToText(const TGridRect& ARect, bool OnlySelected)
{
    VOroDavoduRuzu& g = grid_;
    FClipTopLeft = {ARect.Left, ARect.Top};
    g.ExportNotification(esExportStart, -1);
    // The real columns of the copied display columns.
    const bool colsByChoice = OnlySelected && g.MouseActions().DisjunctColSelect();
    std::vector<int> cols;
    for (int c = ARect.Left; c <= ARect.Right; ++c)
        if (!colsByChoice || g.ColSelect(c))
            cols.push_back(g.DisplayToRealCol(c));
    QString out;
    bool sized = false;
    // A rectangle short of the normal rows announces its rows as chosen ones first.
    const bool partRows = ARect.Top > g.FixedRows() || ARect.Bottom < g.RowCount() - 1 - g.FixedFooters;
    for (int r = ARect.Top; r <= ARect.Bottom; ++r) {
        g.ExportNotification(partRows ? esExportSelRow : esExportNewRow, r);
        g.ExportNotification(esExportNewRow, r);
        if (rowSkipped(r, OnlySelected))
            continue;
        for (std::size_t i = 0; i < cols.size(); ++i) {
            if (i > 0)
                out += u'\t';
            out += copyText(cols[i], r);
        }
        if (ARect.Top < ARect.Bottom)
            out += QLatin1String("\r\n");
        if (!sized) {
            // Room for every row at the first row's length and a little more (within reason), grown as
            // needed after that.
            sized = true;
            const qsizetype estimate = out.size() + out.size() * (ARect.Bottom - r) / 8 * 9;
            out.reserve(std::min<qsizetype>(estimate, qsizetype{1} << 26));
        }
    }
    g.ExportNotification(esExportDone, -1);
    if (out.capacity() - out.size() > out.size() / 4)
        out.squeeze();  // the first row was no fair sample
    return out;
}

void TGridIO::CopyRectToClipboard(const TGridRect& ARect, bool OnlySelected)
{
    VOroDavoduRuzu& g = grid_;
    const QString text = RectToText(ARect, OnlySelected);
    TClipboardFormats formats;
    if (g.Navigation().AllowRTFClipboard) {
        const QString first = g.Cells(g.DisplayToRealCol(ARect.Left), ARect.Top);
        if (first.contains(QStringLiteral("{\\")))
            formats.insert(MimeRichText, first.toLocal8Bit());
    }
    if (g.Navigation().AllowFmtClipboard)
        formats.insert(MimeGridCells, RectToBinData(ARect));
    Clipboard().SetTextAndFormats(text, formats);
}

void TGridIO::expandSelectionToMergedCells()
{
    VOroDavoduRuzu& g = grid_;
    TGridRect sel = g.Selection();
    const TGridRect before = sel;
    if (g.IsMergedCell(sel.Left, sel.Top)) {
        const TPoint base = g.BaseCell(sel.Left, sel.Top);
        sel.Left = std::min(sel.Left, base.X);
        sel.Top = std::min(sel.Top, base.Y);
    }
    if (g.IsMergedCell(sel.Right, sel.Bottom)) {
        const TPoint base = g.BaseCell(sel.Right, sel.Bottom);
        const TPoint span = g.CellSpan(base.X, base.Y);
        sel.Right = std::max(sel.Right, base.X + span.X);
        sel.Bottom = std::max(sel.Bottom, base.Y + span.Y);
    }
    if (!(sel == before))
        g.SetSelection(sel);
}

void TGridIO::CopySelectionToClipboard()
{
    VOroDavoduRuzu& g = grid_;
    expandSelectionToMergedCells();
    const bool cells = g.Navigation().AllowFmtClipboard;
    if (g.MouseActions().DisjunctRowSelect() && !cells)
        CopyRectToClipboard({g.FixedCols(), SaveStartRow(), g.ColCount() - g.FixedRightCols - 1, SaveEndRow()}, true);
    else if (g.MouseActions().DisjunctColSelect() && !cells)
        CopyRectToClipboard(saveRange(), true);
    else
        CopyRectToClipboard(g.Selection(), false);
    FClipLastOp = coCopy;
}

void TGridIO::CopyToClipBoard()
{
    CopyRectToClipboard(saveRange(), false);
    FClipLastOp = coCopy;
}

void TGridIO::CopyToClipBoardAsHTML()
{
    Clipboard().SetTextAndFormats(RectToText(saveRange(), false), {{MimeHtml, SaveToHTMLString(QString()).toUtf8()}});
    FClipLastOp = coCopy;
}

QString TGridIO::GetSelectionAsText()
{
    return RectToText(grid_.Selection(), false);
}

void TGridIO::markRowsModified(int Top, int Bottom)
{
    VOroDavoduRuzu& g = grid_;
    if (!g.ShowModified().Enabled)
        return;
    for (int r = std::max(Top, 0); r <= Bottom && r < g.RowCount(); ++r)
        g.SetRowModified(r, true);
}

void TGridIO::CutToClipboard()
{
    VOroDavoduRuzu& g = grid_;
    const TGridRect range = saveRange();
    CopyRectToClipboard(range, false);
    for (int r = range.Top; r <= range.Bottom; ++r)
        for (int c = range.Left; c <= range.Right; ++c)
            if (cellTakesPaste(c, r))
                g.SetGridCell(g.DisplayToRealCol(c), r, QString());
    markRowsModified(range.Top, range.Bottom);
    FClipLastOp = coCut;
    g.Invalidate();
}

void TGridIO::clearSelectionCells(const TGridRect& Sel)
{
    VOroDavoduRuzu& g = grid_;
    TVoGridUndoRedo* undo = g.UndoRedo();
    if (undo)
        undo->StartSequence();
    for (int c = Sel.Left; c <= Sel.Right; ++c)
        for (int r = Sel.Top; r <= Sel.Bottom; ++r) {
            if (!cellTakesPaste(c, r))
                continue;
            const int real = g.DisplayToRealCol(c);
            if (undo)
                undo->RegisterChange(real, r, g.GetGridCell(real, r), QString());
            g.SetGridCell(real, r, QString());
        }
    markRowsModified(Sel.Top, Sel.Bottom);
    if (g.Navigation().AllowFmtClipboard)
        g.FreeCellPropsRect(g.DisplayToRealCol(Sel.Left), Sel.Top, g.DisplayToRealCol(Sel.Right), Sel.Bottom);
    if (undo)
        undo->StopSequence();
}

void TGridIO::CutSelectionToClipboard()
{
    VOroDavoduRuzu& g = grid_;
    const TGridRect sel = g.Selection();
    CopySelectionToClipboard();
    const TMouseActions& ma = g.MouseActions();
    if (ma.DisjunctRowSelect()) {
        for (int r = g.FixedRows(); r < g.RowCount(); ++r)
            if (g.RowSelect(ma.RowSelectPersistent ? g.DisplayToRealRow(r) : r)) {
                g.ClearRows(r, 1);
                markRowsModified(r, r);
            }
    } else if (ma.DisjunctColSelect()) {
        for (int c = g.FixedCols(); c < g.ColCount(); ++c)
            if (g.ColSelect(c))
                g.ClearCols(c, 1);
    } else {
        clearSelectionCells(g.Selection());
    }
    FClipLastOp = coCut;
    g.CellsChangedNotify(sel);
    g.Invalidate();
}
