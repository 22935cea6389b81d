// Drops on the grid (text, rich text, cells, columns, files, URLs) and drags of its cells and columns.
#include "grid/io/GridDragDrop.h"

#include <QFileInfo>

#include "grid/io/GridIO.h"
#include "platform/SystemMetrics.h"

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
    if (FGrid.OnOleDragOver)
        FGrid.OnOleDragOver(&FGrid, ARow, ACol, Allow);
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
    if (allow && FGrid.OnOleDrop)
        FGrid.OnOleDrop(&g, ARow, ACol, Text, allow);
    if (!allow) {
        FDropRefused = true;
        if (FGrid.OnOleDropped)
            FGrid.OnOleDropped(&g, g.Selection());
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
    if (FIO.PasteTextAt(ACol, ARow, pastedRows, pastedCols, Text) > 0 && FIO.FDragging)
        FIO.FMovedInto = FIO.FPastedRect;
    const int left = std::max(ACol, g.FixedCols());
    const int right =
        std::min(g.ColCount() - 1, (g.Options() & goRowSelect) ? left + cols - g.FixedCols() : left + cols - 1);
    const TGridRect sel{left, ARow, std::max(left, right), std::min(g.RowCount() - 1, ARow + rows)};
    g.SetSelection(sel);
    if (FGrid.OnOleDropped)
        FGrid.OnOleDropped(&g, sel);
}

void TGridDropTarget::DropStream(TPoint Pt, const QByteArray& Stream)
{
    int ACol = -1, ARow = -1;
    bool append = false;
    cellAt(Pt, ACol, ARow, append);
    if (ACol >= 0 && ARow >= 0) {
        const TGridRect written = FIO.LoadAtPointFromBinData({ACol, ARow}, Stream);
        if (FIO.FDragging)
            FIO.FMovedInto = written;
        FGrid.Invalidate();
    }
    hideArrows();
    if (FGrid.OnOleDropped)
        FGrid.OnOleDropped(&FGrid, FGrid.Selection());
}

void TGridDropTarget::DropRTF(TPoint Pt, const QString& Text)
{
    int ACol = -1, ARow = -1;
    bool append = false;
    cellAt(Pt, ACol, ARow, append);
    bool allow = ACol >= 0 && ARow >= 0;
    if (allow && FGrid.OnOleDrop)
        FGrid.OnOleDrop(&FGrid, ARow, ACol, Text, allow);
    if (allow)
        FGrid.SetCells(FGrid.DisplayToRealCol(ACol), ARow, Text);
    FDropRefused = !allow;
    hideArrows();
}

void TGridDropTarget::DropURL(TPoint Pt, const QString& URL)
{
    int ACol = -1, ARow = -1;
    bool append = false;
    cellAt(Pt, ACol, ARow, append);
    bool allow = ACol >= 0 && ARow >= 0;
    if (allow && FGrid.OnOleDropURL)
        FGrid.OnOleDropURL(&FGrid, ARow, ACol, URL, allow);
    if (allow)
        FGrid.SetCells(FGrid.DisplayToRealCol(ACol), ARow, URL);
    FDropRefused = !allow;
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
    if (FGrid.OnOleDropFile)
        FGrid.OnOleDropFile(&FGrid, ARow, ACol, name, allow);
    if (!allow)
        return;
    // The kind of file is its extension, not a piece of its name.
    const QString ext = QFileInfo(name).suffix().toUpper();
    const auto& load = ext == u"CSV" ? FIO.LoadFromCSV : (ext == u"XLS" || ext == u"XLSX") ? FIO.LoadFromXLS : nullptr;
    if (!load)
        return;
    if (FGrid.OnOleDrop)
        FGrid.OnOleDrop(&FGrid, -1, -1, name, allow);
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
    if (FGrid.OnOleDropCol)
        FGrid.OnOleDropCol(&g, ARow, ACol, Col);
}

// ---- drag source -------------------------------------------------------------------------------------

void TGridDropSource::QueryDrag()
{
    VOroDavoduRuzu& g = FGrid;
    const TPoint cursor = GetCursorPos();
    if (g.DragDropSettings().ShowCells) {
        if (TPopupWindow* form = g.MoveForm.get()) {
            const bool mirrored = g.BiDiMode != bdLeftToRight;
            form->SetBounds(mirrored ? cursor.X - form->Width() - 4 : cursor.X + 4, cursor.Y + 4, form->Width(),
                            form->Height());
        }
        return;
    }
    if (g.HeaderDragButtonShown()) {
        THeaderDragButton* button = g.HeaderDragButton();
        const TPoint p = g.ScreenToClient(cursor);
        button->SetBounds(p.X, p.Y - button->Height(), button->Width(), button->Height());
    }
}

void TGridDropSource::DragFinished()
{
    if (FGrid.DragDropSettings().ShowCells)
        FGrid.MoveForm.reset();
}

void TGridIO::OleColumnDragStart(int ACol, int AIndex, TStringList* AList)
{
    FOleDragCol = ACol;
    FOleDragIndex = AIndex;
    FOleDragList = AList;
}

// The picture of the dragged cells, shown over the other windows without taking the focus.
void TGridIO::showMoveForm(const TGridRect& Cells)
{
    if (Cells.Left > Cells.Right || Cells.Top > Cells.Bottom)
        return;  // none of the dragged cells is in view
    VOroDavoduRuzu& g = grid_;
    g.MoveForm = g.SelectionToForm(Cells);
    const TPoint cursor = GetCursorPos();
    g.MoveForm->SetBounds(cursor.X + 4, cursor.Y + 4, g.MoveForm->Width(), g.MoveForm->Height());
    g.MoveForm->ShowNoActivate();
}

int TGridIO::dragColumn(TGridDropSource& Source, int ACol)
{
    VOroDavoduRuzu& g = grid_;
    THeaderDragButton* button = g.HeaderDragButton();
    if (button && !g.DragDropSettings().ShowCells) {
        button->Caption = g.Cells(g.DisplayToRealCol(ACol), 0);
        const TPoint p = g.ScreenToClient(GetCursorPos());
        const int height = g.RowHeights(0);
        button->SetBounds(p.X, p.Y - height, g.ColWidths(ACol), height);
        button->SetVisible(true);
        button->BringToFront();
    }
    const int effect = BeginColumnDragDrop(g, Source, g.DisplayToRealCol(ACol), DROPEFFECT_COPY | DROPEFFECT_MOVE);
    if (button)
        button->SetVisible(false);
    if (dropTarget_) {
        dropTarget_->ArwD().SetVisible(false);
        dropTarget_->ArwU().SetVisible(false);
    }
    return effect;
}

// The dragged cells: the selection's rectangle (whole rows with OleEntireRows in row-select mode), and only
// the chosen rows with disjunct row selection.
int TGridIO::dragCells(TGridDropSource& Source, int ACol, int ARow)
{
    VOroDavoduRuzu& g = grid_;
    const TDragDropSettings& s = g.DragDropSettings();
    const bool disjunct = g.MouseActions().DisjunctRowSelect();
    FDropSelection = g.Selection();
    TGridRect rect = FDropSelection;
    if ((g.Options() & goRowSelect) && s.OleEntireRows) {
        rect.Left = 0;
        rect.Right = g.ColCount() - 1;
    }
    if (disjunct) {
        rect.Top = g.FixedRows();
        rect.Bottom = g.RowCount() - 1;
    }
    const QString first = g.Cells(g.DisplayToRealCol(ACol), ARow);
    const QByteArray cells = g.Navigation().AllowFmtClipboard ? RectToBinData(FDropSelection) : QByteArray();
    FDragging = true;
    FMovedInto.reset();
    const int effect = BeginTextDragDrop(g, Source, RectToText(rect, disjunct),
                                         first.contains(QStringLiteral("{\\")) ? first : QString(), cells,
                                         DROPEFFECT_COPY | DROPEFFECT_MOVE);
    FDragging = false;
    if (effect == DROPEFFECT_MOVE && !s.OleCopyAlways)
        emptyDraggedCells(rect, disjunct);
    return effect;
}

// After a move: the dragged rows are removed (OleRemoveRows in row-select mode) or the dragged cells emptied.
void TGridIO::emptyDraggedCells(const TGridRect& Rect, bool Disjunct)
{
    VOroDavoduRuzu& g = grid_;
    std::vector<int> rows;
    if (Disjunct) {
        for (int r = g.FixedRows(); r < g.RowCount(); ++r)
            if (g.RowSelect(r))
                rows.push_back(r);
    } else {
        for (int r = FDropSelection.Top; r <= FDropSelection.Bottom && r < g.RowCount(); ++r)
            rows.push_back(r);
    }
    // A move onto an overlapping place of this grid: what the drop wrote stays.
    const auto movedInto = [this](int c, int r) { return FMovedInto && FMovedInto->Contains(c, r); };
    if (g.DragDropSettings().OleRemoveRows && (g.Options() & goRowSelect)) {
        for (auto r = rows.rbegin(); r != rows.rend(); ++r)
            if (!FMovedInto || *r < FMovedInto->Top || *r > FMovedInto->Bottom)
                g.RemoveRows(*r, 1);
        return;
    }
    const int left = Disjunct ? Rect.Left : FDropSelection.Left;
    const int right = std::min(Disjunct ? Rect.Right : FDropSelection.Right, g.ColCount() - 1);
    for (int r : rows)
        for (int c = left; c <= right; ++c)
            if (!movedInto(c, r))
                g.SetGridCell(g.DisplayToRealCol(c), r, QString());
    g.Invalidate();
}

bool TGridIO::StartCellDrag(int ACol, int ARow)
{
    VOroDavoduRuzu& g = grid_;
    const TDragDropSettings& s = g.DragDropSettings();
    if (!s.OleDropSource || ACol < 0 || ARow < 0)
        return false;
    bool allow = !(s.OleColumnsOnly && ARow >= g.FixedRows());
    if (allow && g.OnOleDrag)
        g.OnOleDrag(&g, ARow, ACol, g.Cells(g.DisplayToRealCol(ACol), ARow), allow);
    if (!allow)
        return false;
    TGridDropSource source(g);
    if (g.OnOleDragStart)
        g.OnOleDragStart(&g, ARow, ACol);
    const bool column = ARow < g.FixedRows() && s.OleColumnDragDrop;
    if (s.ShowCells) {
        const int lastRow = std::min(g.RowCount() - 1, g.TopRow() + g.VisibleRowCount());
        showMoveForm(column ? TGridRect{ACol, 0, ACol, lastRow} : visiblePart(g.Selection()));
    }
    const int effect = column ? dragColumn(source, ACol) : dragCells(source, ACol, ARow);
    g.MoveForm.reset();
    if (effect != DROPEFFECT_NONE && g.OnOleDragStop)
        g.OnOleDragStop(&g, effect);
    return true;
}

TGridRect TGridIO::visiblePart(const TGridRect& Cells) const
{
    const VOroDavoduRuzu& g = grid_;
    return {std::max(Cells.Left, g.LeftCol()), std::max(Cells.Top, g.TopRow()),
            std::min(Cells.Right, g.LeftCol() + g.VisibleColCount()),
            std::min(Cells.Bottom, g.TopRow() + g.VisibleRowCount())};
}
