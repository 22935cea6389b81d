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

TArrowWindow& TGridDropTarget::arrow(std::unique_ptr<TArrowWindow>& Window, TArrowDirection Direction)
{
    if (!Window)
        Window = std::make_unique<TArrowWindow>(&FGrid, Direction);
    Window->SetColor(FGrid.ArrowColor());
    return *Window;
}

void TGridDropTarget::hideArrows()
{
    for (auto* w : {FArwL.get(), FArwU.get(), FArwD.get()})
        if (w)
            w->SetVisible(false);
}

void TGridDropTarget::showMarks(int ACol, int ARow, bool Append, bool Allow, TDropFormats Formats)
{
    VOroDavoduRuzu& g = FGrid;
    hideArrows();
    if (!Allow || ARow < 0 || ACol < 0)
        return;
    // The arrows float over the grid: they are placed on the screen.
    const auto place = [&g](TArrowWindow& Arrow, int X, int Y) {
        const TPoint p = g.ClientToScreen({X, Y});
        Arrow.SetBounds(p.X, p.Y, Arrow.Width(), Arrow.Height());
        Arrow.SetVisible(true);
    };
    if (Formats & dfCol) {
        // The left edge of the drop column; beyond the last column, the right edge of the last.
        const TRect r = ACol < g.ColCount() ? g.CellRect(ACol, ARow) : g.CellRect(g.ColCount() - 1, ARow);
        const int x = ACol < g.ColCount() ? r.Left : r.Right;
        place(ArwD(), x - ArwD().Width() / 2, r.Top - 8);
        place(ArwU(), x - ArwU().Width() / 2, r.Bottom);
        return;
    }
    if (ARow == 0 && g.FixedRowAlways) {
        ARow = 1;
        Append = false;
    }
    const TRect r = g.CellRect(g.DragDropSettings().OleEntireRows ? g.FixedCols() : ACol, ARow);
    const int lower = Append ? g.RowHeights(ARow) : 0;
    place(ArwL(), r.Left - 10, r.Top + lower - ArwL().Height() / 2);
}

// Over the header or the last visible row the grid scrolls a row; over the fixed column or past the last
// visible column it scrolls a column, at most once per tick of the grid's timer.
void TGridDropTarget::scrollWhileDragging(int ACol, int ARow, TPoint Client)
{
    VOroDavoduRuzu& g = FGrid;
    if ((ARow == 0 && g.TopRow() > g.FixedRows()) || (Client.Y < 8 && g.FixedRows() == 0 && g.TopRow() > 0))
        g.SetTopRow(g.TopRow() - 1);
    else if (ARow == g.TopRow() + g.VisibleRowCount() && ARow < g.RowCount() - 1)
        g.SetTopRow(g.TopRow() + 1);
    if (g.TimerTicks() == FLastScrollTick)
        return;
    if (ACol == 0 && g.LeftCol() > g.FixedCols()) {
        g.SetLeftCol(g.LeftCol() - 1);
        FLastScrollTick = g.TimerTicks();
    } else if (ACol == g.LeftCol() + g.VisibleColCount() && ACol < g.ColCount() - 1) {
        g.SetLeftCol(g.LeftCol() + 1);
        FLastScrollTick = g.TimerTicks();
    }
}

void TGridDropTarget::DragMouseMove(TPoint Pt, bool& Allow, TDropFormats Formats)
{
    int ACol = -1, ARow = -1;
    bool append = false;
    cellAt(Pt, ACol, ARow, append);
    Allow = ACol >= 0 && ARow >= 0;
    const bool col = Formats & dfCol;
    if (Allow && !col)
        scrollWhileDragging(ACol, ARow, FGrid.ScreenToClient(Pt));
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
    showMarks(ACol, ARow, append, Allow, Formats);
}

void TGridDropTarget::DropText(TPoint Pt, const QString& Text)
{
    VOroDavoduRuzu& g = FGrid;
    const TDragDropSettings& s = g.DragDropSettings();
    hideArrows();
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
    hideArrows();
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
    hideArrows();
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
    hideArrows();
}

void TGridDropTarget::DropFiles(TPoint Pt, const QStringList& Files)
{
    hideArrows();
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
    hideArrows();
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

void TGridDropSource::ShowCells(const TGridRect& Cells)
{
    VOroDavoduRuzu& g = FGrid;
    const int left = std::max(Cells.Left, g.LeftCol()), top = std::max(Cells.Top, g.TopRow());
    const int right = std::min(Cells.Right, g.LeftCol() + g.VisibleColCount());
    const int bottom = std::min(Cells.Bottom, g.TopRow() + g.VisibleRowCount());
    if (left > right || top > bottom)
        return;
    const TRect first = g.CellRect(left, top);
    const TRect last = g.CellRect(right, bottom);
    if (first.IsEmpty() || last.IsEmpty())
        return;
    auto image = std::make_unique<TBitmap>(last.Right - first.Left, last.Bottom - first.Top);
    for (int r = top; r <= bottom; ++r)
        for (int c = left; c <= right; ++c) {
            const TRect rc = g.CellRect(c, r);
            if (!rc.IsEmpty())
                g.PaintCell(image->Canvas(), c, r,
                            {rc.Left - first.Left, rc.Top - first.Top, rc.Right - first.Left, rc.Bottom - first.Top}, 0);
        }
    FMoveImage = std::move(image);
}

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
        if (s.ShowCells)
            source.ShowCells(FDropSelection);
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
