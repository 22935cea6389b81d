#include "platform/grids/GridCellStore.h"

#include "platform/grids/GridMove.h"

#include <algorithm>

void TGridCellStore::SetColCount(int count)
{
    count = std::max(count, 0);
    if (count != colCount_) {
        for (Row& row : rows_)
            if (!row.empty())
                row.resize(count);
    }
    colCount_ = count;
}

void TGridCellStore::SetRowCount(int count)
{
    rows_.resize(std::max(count, 0));
}

const TGridCellStore::Cell* TGridCellStore::find(int col, int row) const
{
    if (row < 0 || row >= RowCount() || col < 0 || col >= colCount_)
        return nullptr;
    const Row& cells = rows_[row];
    return cells.empty() ? nullptr : &cells[col];
}

TGridCellStore::Cell& TGridCellStore::cell(int col, int row)
{
    Row& cells = rows_.at(row);
    if (cells.empty())
        cells.resize(colCount_);
    return cells.at(col);
}

const QString& TGridCellStore::Text(int col, int row) const
{
    static const QString empty;
    const Cell* c = find(col, row);
    return c ? c->text : empty;
}

void TGridCellStore::SetText(int col, int row, const QString& text)
{
    if (text.isEmpty() && !find(col, row))
        return;
    cell(col, row).text = text;
}

void TGridCellStore::ClearTexts(int col1, int row1, int col2, int row2)
{
    col1 = std::max(col1, 0);
    col2 = std::min(col2, colCount_ - 1);
    for (int r = std::max(row1, 0); r <= std::min(row2, RowCount() - 1) && col1 <= col2; ++r) {
        Row& cells = rows_[r];
        if (cells.empty())
            continue;
        for (int c = col1; c <= col2; ++c)
            cells[c].text = QString();
        if (std::all_of(cells.begin(), cells.end(), [](const Cell& c) { return c.text.isEmpty() && !c.object; }))
            Row(&pool_).swap(cells);
    }
}

TObject* TGridCellStore::Object(int col, int row) const
{
    const Cell* c = find(col, row);
    return c ? c->object : nullptr;
}

void TGridCellStore::SetObject(int col, int row, TObject* object)
{
    if (!object && !find(col, row))
        return;
    cell(col, row).object = object;
}

void TGridCellStore::MoveColumn(int from, int to)
{
    if (from == to)
        return;
    for (Row& row : rows_) {
        if (row.empty())
            continue;
        MoveItem(row.begin(), from, to);
    }
}

void TGridCellStore::MoveRow(int from, int to)
{
    if (from == to)
        return;
    MoveItem(rows_.begin(), from, to);
}

void TGridCellStore::MoveColumns(int from, int count, int to)
{
    for (Row& row : rows_)
        if (!row.empty())
            MoveBlock(row.begin(), from, count, to);
}

void TGridCellStore::MoveRows(int from, int count, int to)
{
    MoveBlock(rows_.begin(), from, count, to);
}

void TGridCellStore::PermuteRows(int first, const std::vector<int>& order)
{
    if (first + static_cast<int>(order.size()) > RowCount())
        return;
    PermuteItems(rows_, first, order);
}

void TGridCellStore::RemoveRows(const std::vector<int>& rows)
{
    EraseIndexes(rows_, rows);
}

void TGridCellStore::InsertRows(const std::vector<int>& rows)
{
    InsertAtIndexes(rows_, rows, [this] { return Row(&pool_); });
}
