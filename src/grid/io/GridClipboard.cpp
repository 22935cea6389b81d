// Clipboard copy and cut: the selection or the save range as tab-separated text, with the rich text of
// its first cell and the binary cell stream as further formats.
#include "grid/base/VoUndo.h"
#include "grid/io/GridIO.h"
#include "platform/Clipbrd.h"

namespace {
// One cell of the copied text. A cell that would break the text's structure (line breaks, TABs, a leading
// double quote) is quoted: one LF per line break, inner double quotes doubled.
QString copyCellText(QString T, bool Excel, bool MultiLine)
{
    if (Excel && CountTextLines(T, MultiLine) > 1)
        return QuoteMultiLine(T);
    const bool quote = T.contains(u'\r') || T.contains(u'\n') || T.contains(u'\t') || T.startsWith(u'"');
    if (!quote)
        return T;
    T.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    T.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + T + u'"';
}
}  // namespace

QString TGridIO::RectToText(const TGridRect& ARect, bool OnlySelected)
{
    (void)OnlySelected;  // disjunct row and column selections are not kept by the grid
    VOroDavoduRuzu& g = grid_;
    FClipTopLeft = {ARect.Left, ARect.Top};
    g.ExportNotification(esExportStart, -1);
    QString out;
    for (int r = ARect.Top; r <= ARect.Bottom; ++r) {
        g.ExportNotification(esExportNewRow, r);
        for (int c = ARect.Left; c <= ARect.Right; ++c) {
            const int real = g.DisplayToRealCol(c);
            QString T = g.CellTextForSave(real, r);
            if (T.startsWith(QStringLiteral("|\\")))
                T = DecodeWideText(T);
            if (!g.Navigation().CopyHTMLTagsToClipboard && T.contains(QStringLiteral("</")))
                T = g.StrippedCells(real, r);
            out += copyCellText(T, g.ExcelClipboardFormat, g.Multilinecells);
            if (c != ARect.Right)
                out += u'\t';
        }
        if (ARect.Top < ARect.Bottom)
            out += QStringLiteral("\r\n");
    }
    g.ExportNotification(esExportDone, -1);
    return out;
}

void TGridIO::CopyRectToClipboard(const TGridRect& ARect, bool OnlySelected)
{
    VOroDavoduRuzu& g = grid_;
    TClipboardFormats formats{{MimePlainText, RectToText(ARect, OnlySelected).toUtf8()}};
    if (g.Navigation().AllowRTFClipboard) {
        const QString first = g.Cells(g.DisplayToRealCol(ARect.Left), ARect.Top);
        if (first.contains(QStringLiteral("{\\")))
            formats.insert(MimeRichText, first.toLocal8Bit());
    }
    if (g.Navigation().AllowFmtClipboard)
        formats.insert(MimeGridCells, RectToBinData(ARect));
    Clipboard().SetFormats(formats);
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
    expandSelectionToMergedCells();
    CopyRectToClipboard(grid_.Selection(), false);
    FClipLastOp = coCopy;
}

void TGridIO::CopyToClipBoard()
{
    CopyRectToClipboard({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, false);
    FClipLastOp = coCopy;
}

void TGridIO::CopyToClipBoardAsHTML()
{
    VOroDavoduRuzu& g = grid_;
    QString html = QStringLiteral("<table>\r\n");
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        html += QStringLiteral("<tr>");
        for (int c = SaveStartCol(); c <= SaveEndCol(); ++c) {
            QString cell = g.CellTextForSave(g.DisplayToRealCol(c), r);
            // Cells holding HTML keep their markup; plain text is escaped and keeps its line breaks.
            if (CellTextKind(cell, g.EnableHTML) != ctkHtml)
                cell = cell.toHtmlEscaped().replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
            html += QStringLiteral("<td>") + cell + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>\r\n");
    }
    html += QStringLiteral("</table>\r\n");
    const QString text = RectToText({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, false);
    Clipboard().SetFormats({{MimeHtml, html.toUtf8()}, {MimePlainText, text.toUtf8()}});
    FClipLastOp = coCopy;
}

QString TGridIO::GetSelectionAsText()
{
    return RectToText(grid_.Selection(), false);
}

void TGridIO::CutToClipboard()
{
    VOroDavoduRuzu& g = grid_;
    CopyRectToClipboard({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, false);
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r)
        for (int c = SaveStartCol(); c <= SaveEndCol(); ++c)
            if (cellTakesPaste(c, r))
                g.SetGridCell(g.DisplayToRealCol(c), r, QString());
    FClipLastOp = coCut;
    g.Invalidate();
}

void TGridIO::CutSelectionToClipboard()
{
    VOroDavoduRuzu& g = grid_;
    CopySelectionToClipboard();
    const TGridRect sel = g.Selection();
    TVoGridUndoRedo* undo = g.UndoRedo();
    if (undo)
        undo->StartSequence();
    for (int c = sel.Left; c <= sel.Right; ++c)
        for (int r = sel.Top; r <= sel.Bottom; ++r) {
            if (!cellTakesPaste(c, r))
                continue;
            const int real = g.DisplayToRealCol(c);
            if (undo)
                undo->RegisterChange(real, r, g.GetGridCell(real, r), QString());
            g.SetGridCell(real, r, QString());
        }
    if (g.Navigation().AllowFmtClipboard)
        g.FreeCellPropsRect(g.DisplayToRealCol(sel.Left), sel.Top, g.DisplayToRealCol(sel.Right), sel.Bottom);
    if (undo)
        undo->StopSequence();
    FClipLastOp = coCut;
    g.CellsChangedNotify(sel);
    g.Invalidate();
}
