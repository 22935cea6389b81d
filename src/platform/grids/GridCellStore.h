#pragma once
// Sparse text and object store of a grid: a row gets its cells on the first write into it.
#include "platform/Classes.h"

#include <memory_resource>
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

    // Empties the texts of the range; a row left with nothing in it gives its cells back.
    void ClearTexts(int col1, int row1, int col2, int row2);

    // Moves a whole column or row to another index; the ones between shift by one.
    void MoveColumn(int from, int to);
    void MoveRow(int from, int to);
    // Moves Count columns from From so that they start at To.
    void MoveColumns(int from, int count, int to);
    void MoveRows(int from, int count, int to);
    // Removes the rows at Rows (ascending); opens empty rows that stand at Rows afterwards.
    void RemoveRows(const std::vector<int>& rows);
    void InsertRows(const std::vector<int>& rows);
    // Rows First + k take the former rows First + Order[k]; each row moves whole, its cells untouched.
    void PermuteRows(int first, const std::vector<int>& order);

private:
    struct Cell {
        QString text;
        TObject* object = nullptr;
    };
    using Row = std::pmr::vector<Cell>;

    const Cell* find(int col, int row) const;
    Cell& cell(int col, int row);

    // Rows are many small blocks of the same size: they come from a pool.
    std::pmr::unsynchronized_pool_resource pool_;
    std::pmr::vector<Row> rows_{&pool_};  // a row is empty while nothing was written into it
    int colCount_ = 0;
};
