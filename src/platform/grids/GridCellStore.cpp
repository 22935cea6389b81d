#include "platform/grids/GridCellStore.h"

#include "platform/grids/GridMove.h"

#include <algorithm>
#include <memory>

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

std::vector<TGridRowCells> TGridCellStore::TakeCells(const std::vector<int>& rows)
{
    std::vector<TGridRowCells> taken;
    taken.reserve(rows.size());
    for (int r : rows)
        taken.push_back(r >= 0 && r < RowCount() ? TGridRowCells(std::move(rows_[r])) : TGridRowCells());
    return taken;
}

void TGridCellStore::PutCells(const std::vector<int>& rows, std::vector<TGridRowCells>& cells)
{
    for (std::size_t k = 0; k < rows.size() && k < cells.size(); ++k) {
        if (rows[k] < 0 || rows[k] >= RowCount())
            continue;
        Row& row = rows_[rows[k]];
        row = std::move(cells[k].cells_);
        if (!row.empty())
            row.resize(colCount_);
    }
}

TGridRowCells& TGridRowCells::operator=(TGridRowCells&& other) noexcept
{
    // A vector's own move assignment copies the cells when the memory sources differ; rebuilding it by
    // move construction takes the source's memory along.
    if (this != &other) {
        std::destroy_at(&cells_);
        std::construct_at(&cells_, std::move(other.cells_));
    }
    return *this;
}

const QString& TGridRowCells::Text(int col) const
{
    static const QString empty;
    return col >= 0 && col < Count() ? cells_[col].text : empty;
}

TObject* TGridRowCells::Object(int col) const
{
    return col >= 0 && col < Count() ? cells_[col].object : nullptr;
}

TGridCell& TGridRowCells::cell(int col)
{
    if (col >= Count())
        cells_.resize(col + 1);
    return cells_.at(col);
}

void TGridRowCells::SetText(int col, const QString& text)
{
    if (col >= 0 && !(text.isEmpty() && col >= Count()))
        cell(col).text = text;
}

void TGridRowCells::SetObject(int col, TObject* object)
{
    if (col >= 0 && !(object == nullptr && col >= Count()))
        cell(col).object = object;
}

void TGridRowCells::MoveColumn(int from, int to)
{
    if (from != to && from >= 0 && to >= 0 && from < Count() && to < Count())
        MoveItem(cells_.begin(), from, to);
}
