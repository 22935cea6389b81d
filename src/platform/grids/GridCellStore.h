#pragma once
// Sparse text and object store of a grid: a row gets its cells on the first write into it.
#include "platform/Classes.h"

#include <memory_resource>
#include <vector>

// One stored cell: its text and its object (not owned).
struct TGridCell {
    QString text;
    TObject* object = nullptr;
};

// The cells of one row taken out of a grid's store, kept as they were until they go back in. Reading past
// the end answers an empty cell; writing grows the row.
class TGridRowCells {
public:
    TGridRowCells() = default;
    TGridRowCells(TGridRowCells&&) noexcept = default;
    // Takes the other's cells over as they are, with the memory they came from (no copy).
    TGridRowCells& operator=(TGridRowCells&& other) noexcept;
    int Count() const { return static_cast<int>(cells_.size()); }
    const QString& Text(int col) const;
    void SetText(int col, const QString& text);
    TObject* Object(int col) const;
    void SetObject(int col, TObject* object);
    // Moves the cell at From to To; the cells between shift by one. Columns past the end are left alone.
    void MoveColumn(int from, int to);

private:
    friend class TGridCellStore;
    explicit TGridRowCells(std::pmr::vector<TGridCell>&& cells) : cells_(std::move(cells)) {}
    TGridCell& cell(int col);

    std::pmr::vector<TGridCell> cells_;
};

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
    // Hands out the cells of the rows at Rows (ascending), leaving those rows empty in place.
    std::vector<TGridRowCells> TakeCells(const std::vector<int>& rows);
    // Moves Cells[k] into the empty row at Rows[k], cut or widened to the column count.
    void PutCells(const std::vector<int>& rows, std::vector<TGridRowCells>& cells);

private:
    using Cell = TGridCell;
    using Row = std::pmr::vector<Cell>;

    const Cell* find(int col, int row) const;
    Cell& cell(int col, int row);

    // Rows are many small blocks of the same size: they come from a pool.
    std::pmr::unsynchronized_pool_resource pool_;
    std::pmr::vector<Row> rows_{&pool_};  // a row is empty while nothing was written into it
    int colCount_ = 0;
};
