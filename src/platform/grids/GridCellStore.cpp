#include "platform/grids/GridCellStore.h"

#include <algorithm>

void TGridCellStore::SetColCount(int count)
{
    count = std::max(count, 0);
    if (count < colCount_) {
        for (auto& row : rows_)
            if (row && static_cast<int>(row->size()) > count)
                row->resize(count);
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
    const Row* cells = rows_[row].get();
    if (!cells || col >= static_cast<int>(cells->size()))
        return nullptr;
    return &(*cells)[col];
}

TGridCellStore::Cell& TGridCellStore::cell(int col, int row)
{
    auto& cells = rows_.at(row);
    if (!cells)
        cells = std::make_unique<Row>();
    if (col >= static_cast<int>(cells->size()))
        cells->resize(col + 1);
    return (*cells)[col];
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
    const int last = std::max(from, to);
    for (auto& row : rows_) {
        if (!row || static_cast<int>(row->size()) <= std::min(from, to))
            continue;
        if (static_cast<int>(row->size()) <= last)
            row->resize(last + 1);
        auto first = row->begin();
        if (from < to)
            std::rotate(first + from, first + from + 1, first + to + 1);
        else
            std::rotate(first + to, first + from, first + from + 1);
    }
}

void TGridCellStore::MoveRow(int from, int to)
{
    if (from == to)
        return;
    auto first = rows_.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
}
