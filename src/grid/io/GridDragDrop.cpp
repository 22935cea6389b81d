// Drops on the grid (text, rich text, cells, columns, files, URLs) and drags of its cells and columns.
#include "grid/io/GridDragDrop.h"

#include <QFileInfo>

#include "grid/io/GridIO.h"

TGridDropTarget::TGridDropTarget(TGridIO& AIO) : FIO(AIO), FGrid(AIO.Grid())
{
    const TDragDropSettings& s = FGrid.DragDropSettings();
    AcceptText = s.OleAcceptText;
    AcceptFiles = s.OleAcceptFiles;
    AcceptURLs = s.OleAcceptURLs;
    AcceptCols = s.OleColumnDragDrop;
    FRegistered = RegisterDragDrop(FGrid, this);
}

TGridDropTarget::~TGridDropTarget()
{
    if (FRegistered)
        RegisterDragDrop(FGrid, nullptr);
}

void TGridDropTarget::cellAt(TPoint Pt, int& ACol, int& ARow, bool& Append) const
{
    const TPoint p = FGrid.ScreenToClient(Pt);
    FGrid.MouseToCell(p.X, p.Y, ACol, ARow);
    Append = false;
    const TDragDropSettings& s = FGrid.DragDropSettings();
    if (ARow == -1 && !(FDropFormats & dfCol) && s.OleEntireRows && s.OleAppendRows) {
        const TRect last = FGrid.CellRect(FGrid.LeftCol(), FGrid.RowCount() - 1);
        if (!last.IsEmpty() && p.Y >= last.Bottom) {
            ACol = FGrid.FixedCols();
            ARow = FGrid.RowCount() - 1;
            Append = true;
        }
    }
}

void TGridDropTarget::DragMouseMove(TPoint Pt, bool& Allow, TDropFormats Formats)
{
    int ACol = -1, ARow = -1;
    bool append = false;
    cellAt(Pt, ACol, ARow, append);
    Allow = ACol >= 0 && ARow >= 0;
    const bool col = Formats & dfCol;
    if (Allow && !col) {
        if (ARow == 0 && FGrid.TopRow() > FGrid.FixedRows())
            FGrid.SetTopRow(FGrid.TopRow() - 1);
        else if (ARow == FGrid.TopRow() + FGrid.VisibleRowCount() && ARow < FGrid.RowCount() - 1)
            FGrid.SetTopRow(FGrid.TopRow() + 1);
    }
    if (!col) {
        if (ARow >= 0 && ARow < FGrid.FixedRows() && !(FGrid.RowCount() == 1 && FGrid.FixedRowAlways))
            Allow = false;
    } else if (ACol < 0) {
        ACol = FGrid.ColCount();
        ARow = 0;
        Allow = true;
    } else if (ARow < FGrid.FixedRows() && ACol < FGrid.FixedCols()) {
        Allow = false;
    } else if (ARow >= FGrid.FixedRows()) {
        Allow = false;  // columns drop only on the header rows
    }
    Allow = Allow || (Formats & (dfFile | dfGridCells));
    if (FIO.OnOleDragOver)
        FIO.OnOleDragOver(&FGrid, ARow, ACol, Allow);
    Allow = Allow && ((ARow >= 0 && ACol >= 0) || (Formats & dfFile));
}

void TGridDropTarget::DropText(TPoint Pt, const QString& Text)
{
    VOroDavoduRuzu& g = FGrid;
    const TDragDropSettings& s = g.DragDropSettings();
    int ACol = -1, ARow = -1;
    bool append = false;
    cellAt(Pt, ACol, ARow, append);
    int cols = 0, rows = 0;
    TGridIO::GetTextDimensions(Text, cols, rows);
    if (g.Options() & goRowSelect)
        ACol = s.OleEntireRows ? 0 : g.FixedCols();
    bool allow = ACol >= 0 && ARow >= 0;
    if (allow && FIO.OnOleDrop)
        FIO.OnOleDrop(&g, ARow, ACol, Text, allow);
    if (!allow) {
        if (FIO.OnOleDropped)
            FIO.OnOleDropped(&g, g.Selection());
        return;
    }
    if (ARow == 0 && g.FixedRowAlways && g.RowCount() == 1)
        ARow = 1;
    const int inserted = rows + 1;
    if (s.OleInsertRows) {
        int top = g.TopRow();
        if (append) {
            g.SetRowCount(g.RowCount() + inserted);
            ++ARow;
        } else {
            g.InsertRows(ARow, inserted);
            // The dragged cells of this grid moved down with the rows inserted above them.
            TGridRect& r = FIO.FDropSelection;
            if (FIO.FDragging && r.Top >= ARow) {
                r.Top += inserted;
                r.Bottom += inserted;
            }
        }
        if (top > g.FixedRows())
            ++top;
        if (top > 0 && top < g.RowCount())
            g.SetTopRow(top);
    }
    int pastedRows = 0, pastedCols = 0;
    FIO.PasteTextAt(ACol, ARow, pastedRows, pastedCols, Text);
    const int left = std::max(ACol, g.FixedCols());
    const int right = std::min(g.ColCount() - 1, (g.Options() & goRowSelect) ? left + cols - g.FixedCols() : left + cols - 1);
    const TGridRect sel{left, ARow, std::max(left, right), std::min(g.RowCount() - 1, ARow + rows)};
    g.SetSelection(sel);
    if (FIO.OnOleDropped)
        FIO.OnOleDropped(&g, sel);
}

void TGridDropTarget::DropStream(TPoint Pt, const QByteArray& Stream)
{
    int ACol = -1, ARow = -1;
    bool append = false;
    cellAt(Pt, ACol, ARow, append);
    if (ACol >= 0 && ARow >= 0) {
        FIO.LoadAtPointFromBinData({FGrid.DisplayToRealCol(ACol), ARow}, Stream);
        FGrid.Invalidate();
    }
    if (FIO.OnOleDropped)
        FIO.OnOleDropped(&FGrid, FGrid.Selection());
}

void TGridDropTarget::DropRTF(TPoint Pt, const QString& Text)
{
    int ACol = -1, ARow = -1;
    bool append = false;
    cellAt(Pt, ACol, ARow, append);
    bool allow = ACol >= 0 && ARow >= 0;
    if (allow && FIO.OnOleDrop)
        FIO.OnOleDrop(&FGrid, ARow, ACol, Text, allow);
    if (allow)
        FGrid.SetCells(FGrid.DisplayToRealCol(ACol), ARow, Text);
}

void TGridDropTarget::DropURL(TPoint Pt, const QString& URL)
{
    int ACol = -1, ARow = -1;
    bool append = false;
    cellAt(Pt, ACol, ARow, append);
    bool allow = ACol >= 0 && ARow >= 0;
    if (allow && FIO.OnOleDropURL)
        FIO.OnOleDropURL(&FGrid, ARow, ACol, URL, allow);
    if (allow)
        FGrid.SetCells(FGrid.DisplayToRealCol(ACol), ARow, URL);
}

void TGridDropTarget::DropFiles(TPoint Pt, const QStringList& Files)
{
    if (Files.size() != 1)
        return;
    const QString& name = Files.front();
    int ACol = -1, ARow = -1;
    bool append = false;
    cellAt(Pt, ACol, ARow, append);
    bool allow = true;
    if (FIO.OnOleDropFile)
        FIO.OnOleDropFile(&FGrid, ARow, ACol, name, allow);
    if (!allow)
        return;
    // The kind of file is its extension, not a piece of its name.
    const QString ext = QFileInfo(name).suffix().toUpper();
    const auto& load = ext == u"CSV" ? FIO.LoadFromCSV : (ext == u"XLS" || ext == u"XLSX") ? FIO.LoadFromXLS : nullptr;
    if (!load)
        return;
    if (FIO.OnOleDrop)
        FIO.OnOleDrop(&FGrid, -1, -1, name, allow);
    if (allow)
        load(name);
}

void TGridDropTarget::DropCol(TPoint Pt, int Col)
{
    VOroDavoduRuzu& g = FGrid;
    int ACol = -1, ARow = -1;
    bool append = false;
    cellAt(Pt, ACol, ARow, append);
    if (ACol < 0)
        ACol = g.ColCount();
    if (FIO.FOleDragCol != -1) {
        if (FIO.FOleDragList && FIO.FOleDragIndex >= 0 && FIO.FOleDragIndex < FIO.FOleDragList->Count())
            FIO.FOleDragList->Delete(FIO.FOleDragIndex);
        const int position = std::max(0, g.ColumnOrder().IndexOf(FIO.FOleDragCol));
        g.UnHideColumn(position);
        g.MoveColumn(g.DisplColIndex(position), std::min(ACol, g.ColCount() - 1));
        FIO.FOleDragCol = -1;
    } else if (g.DragDropSettings().OleColumnReorder && Col >= 0 && Col < g.TotalColCount()) {
        ACol = std::min(ACol, g.ColCount() - 1);
        if (g.DisplColIndex(Col) != ACol)
            g.MoveColumn(g.DisplColIndex(Col), ACol);
    }
    if (FIO.OnOleDropCol)
        FIO.OnOleDropCol(&g, ARow, ACol, Col);
}

// ---- drag source -------------------------------------------------------------------------------------

void TGridIO::OleColumnDragStart(int ACol, int AIndex, TStringList* AList)
{
    FOleDragCol = ACol;
    FOleDragIndex = AIndex;
    FOleDragList = AList;
}

void TGridIO::StartCellDrag(int ACol, int ARow)
{
    VOroDavoduRuzu& g = grid_;
    const TDragDropSettings& s = g.DragDropSettings();
    if (!s.OleDropSource || ACol < 0 || ARow < 0)
        return;
    bool allow = true;
    if (OnOleDrag)
        OnOleDrag(&g, ARow, ACol, g.Cells(g.DisplayToRealCol(ACol), ARow), allow);
    if (!allow)
        return;
    TGridDropSource source(g);
    if (OnOleDragStart)
        OnOleDragStart(&g, ARow, ACol);
    int effect = DROPEFFECT_NONE;
    if (ARow < g.FixedRows() && s.OleColumnDragDrop) {
        effect = BeginColumnDragDrop(g, source, ACol, DROPEFFECT_COPY | DROPEFFECT_MOVE);
    } else {
        FDropSelection = g.Selection();
        const QString first = g.Cells(g.DisplayToRealCol(ACol), ARow);
        const QByteArray cells = g.Navigation().AllowFmtClipboard ? RectToBinData(FDropSelection) : QByteArray();
        FDragging = true;
        effect = BeginTextDragDrop(g, source, RectToText(FDropSelection, false),
                                   first.contains(QStringLiteral("{\\")) ? first : QString(), cells,
                                   DROPEFFECT_COPY | DROPEFFECT_MOVE);
        FDragging = false;
        if (effect == DROPEFFECT_MOVE && !s.OleCopyAlways) {
            const TGridRect& r = FDropSelection;
            if (s.OleRemoveRows && (g.Options() & goRowSelect)) {
                g.RemoveRows(r.Top, r.Bottom - r.Top + 1);
            } else {
                for (int c = r.Left; c <= r.Right; ++c)
                    for (int row = r.Top; row <= r.Bottom; ++row)
                        if (c < g.ColCount() && row < g.RowCount())
                            g.SetGridCell(g.DisplayToRealCol(c), row, QString());
                g.Invalidate();
            }
        }
    }
    if (effect != DROPEFFECT_NONE && OnOleDragStop)
        OnOleDragStop(&g, effect);
}
