#pragma once
// Sparse text and object store of a grid: rows are allocated on first write and hold only as many
// columns as their last written cell needs.
#include "platform/Classes.h"

#include <memory>
#include <vector>

class TGridCellStore {
public:
    int ColCount() const { return colCount_; }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    void SetColCount(int count);
    void SetRowCount(int count);

    const QString& Text(int col, int row) const;
    void SetText(int col, int row, const QString& text);
    TObject* Object(int col, int row) const;
    void SetObject(int col, int row, TObject* object);

    // Moves a whole column or row to another index; the ones between shift by one.
    void MoveColumn(int from, int to);
    void MoveRow(int from, int to);

private:
    struct Cell {
        QString text;
        TObject* object = nullptr;
    };
    using Row = std::vector<Cell>;

    const Cell* find(int col, int row) const;
    Cell& cell(int col, int row);

    std::vector<std::unique_ptr<Row>> rows_;
    int colCount_ = 0;
};
