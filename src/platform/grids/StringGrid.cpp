// TDrawGrid and TStringGrid.
#include "platform/Grids.h"

#include <algorithm>

void TDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    if (OnDrawCell)
        OnDrawCell(this, ACol, ARow, ARect, AState);
}

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner)
{
    store_.SetColCount(ColCount());
    store_.SetRowCount(RowCount());
}

void TStringGrid::SetCells(int ACol, int ARow, const QString& Value)
{
    if (ACol < 0 || ARow < 0 || ACol >= store_.ColCount() || ARow >= RowCount())
        return;
    store_.SetText(ACol, ARow, Value);
    InvalidateCell(ACol, ARow);
}

void TStringGrid::ClearCellTexts(int ACol1, int ARow1, int ACol2, int ARow2)
{
    store_.ClearTexts(ACol1, ARow1, ACol2, ARow2);
    Invalidate();
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value)
{
    if (ACol < 0 || ARow < 0 || ACol >= store_.ColCount() || ARow >= RowCount())
        return;
    store_.SetObject(ACol, ARow, Value);
}

TStringList TStringGrid::Rows(int ARow) const
{
    TStringList list;
    for (int col = 0; col < ColCount(); ++col)
        list.Add(Cells(col, ARow), Objects(col, ARow));
    return list;
}

void TStringGrid::SetRows(int ARow, const TStringList& Value)
{
    for (int col = 0; col < std::min(Value.Count(), ColCount()); ++col) {
        SetCells(col, ARow, Value[col]);
        SetObjects(col, ARow, Value.Objects(col));
    }
}

std::vector<TGridRowCells> TStringGrid::TakeRowSet(const std::vector<int>& Rows)
{
    std::vector<int> rows(Rows.begin(), Rows.begin() + std::min<std::size_t>(Rows.size(), std::max(RowCount() - 1, 0)));
    std::vector<TGridRowCells> cells = store_.TakeCells(rows);
    DeleteRowSet(rows);
    return cells;
}

void TStringGrid::PutRowSet(const std::vector<int>& Rows, std::vector<TGridRowCells>& Cells)
{
    InsertRowSet(Rows);
    store_.PutCells(Rows, Cells);
}

TStringList TStringGrid::Cols(int ACol) const
{
    TStringList list;
    for (int row = 0; row < RowCount(); ++row)
        list.Add(Cells(ACol, row), Objects(ACol, row));
    return list;
}

void TStringGrid::SetCols(int ACol, const TStringList& Value)
{
    for (int row = 0; row < std::min(Value.Count(), RowCount()); ++row) {
        SetCells(ACol, row, Value[row]);
        SetObjects(ACol, row, Value.Objects(row));
    }
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    if (DefaultDrawing)
        Canvas().TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
    TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

QString TStringGrid::GetEditText(int ACol, int ARow)
{
    return Cells(ACol, ARow);
}

void TStringGrid::SetEditText(int ACol, int ARow, const QString& Value)
{
    SetCells(ACol, ARow, Value);
}

void TStringGrid::StoredColCountChanged()
{
    store_.SetColCount(StoredColCount());
}

void TStringGrid::SizeChanged(int OldColCount, int OldRowCount)
{
    store_.SetColCount(StoredColCount());
    store_.SetRowCount(RowCount());
    TDrawGrid::SizeChanged(OldColCount, OldRowCount);
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    store_.MoveColumn(FromIndex, ToIndex);
    TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex)
{
    store_.MoveRow(FromIndex, ToIndex);
    TDrawGrid::RowMoved(FromIndex, ToIndex);
}

void TStringGrid::RowBlockMoved(int From, int Count, int To)
{
    store_.MoveRows(From, Count, To);
}
