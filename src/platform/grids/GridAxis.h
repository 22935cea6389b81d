#pragma once
// The sizes along one axis of a grid (columns or rows) and the pixel layout that follows from them:
// the fixed cells come first, then the scrollable cells from the first scrolled one on; a line of
// LineWidth pixels follows every cell.
#include <vector>

class TGridAxis {
public:
    int Count() const { return count_; }
    void SetCount(int count);
    int DefaultSize() const { return defaultSize_; }
    // Also resets every cell to the new default.
    void SetDefaultSize(int size);
    int Size(int index) const;
    void SetSize(int index, int size);
    void Move(int from, int to);
    // Moves Count cells from From so that they start at To.
    void MoveBlock(int from, int count, int to);
    // Removes the cells at Indexes (ascending); opens cells of the default size at Indexes.
    void Remove(const std::vector<int>& indexes);
    void Insert(const std::vector<int>& indexes);
    // Cells First + k take the former sizes of First + Order[k].
    void Permute(int first, const std::vector<int>& order);

    int Fixed = 0;
    int LineWidth = 1;

    // Pixels taken by the fixed cells with their lines.
    int FixedExtent() const;
    // Start of a cell when the first scrolled cell is First; fixed cells are not scrolled, scrollable
    // cells before First get positions under the fixed cells.
    int Start(int index, int first) const;
    // Scrollable cells from First on that fit whole into Extent pixels (at least 1 when any exists).
    int VisibleCount(int first, int extent) const;
    // Scrollable cells from First on that show at least partly.
    int PartialCount(int first, int extent) const;
    // The highest first scrolled cell that still leaves no empty space after the last cell.
    int MaxFirst(int extent) const;
    // Cell under a pixel position, -1 when none.
    int CellAt(int pos, int first, int extent) const;

private:
    int step(int index) const { return Size(index) + LineWidth; }

    std::vector<int> sizes_;  // empty while every cell has the default size
    int count_ = 0;
    int defaultSize_ = 0;
};
