#pragma once
// Which cells of a grid a transport carries and where they live in the cell store. Writers take a
// rectangle of display columns and rows (the save range or a selection); its column indexes are display
// columns, or store columns when the hidden columns travel too. Readers map the indexes they read back the
// same way and size the grid so that the rows and columns the save range leaves out keep their place.
// Every transport of cells (text cell file and stream, binary cell stream, clipboard, paste, drop and
// AssignCells) and every export maps its cells here.
#include "grid/VoGrid/VoGrid.h"

class TCellMap {
public:
    // The display rectangle Rect of Grid.
    TCellMap(const VOroDavoduRuzu& Grid, const TGridRect& Rect);
    // The save range: the fixed columns and rows from 0 with SaveFixedCells or the flag of their direction
    // (SaveFixedCols, SaveFixedRows), else from FixedCols and FixedRows; the right fixed columns and the
    // footer rows only with those flags. WithHidden (a writer's SaveHiddenCells) counts the hidden columns
    // and makes the column indexes store columns.
    static TCellMap SaveRange(const VOroDavoduRuzu& Grid, bool WithHidden = false);

    // The rectangle in the indexes a transport writes.
    const TGridRect& Rect() const { return rect_; }
    int ColCount() const { return rect_.Right - rect_.Left + 1; }
    int RowCount() const { return rect_.Bottom - rect_.Top + 1; }
    bool StoreCols() const { return storeCols_; }
    // The store column of the column index ACol.
    int StoreCol(int ACol) const;
    // The width of the column index ACol.
    int ColWidth(int ACol) const;

    // Reading back into Grid (by its own save flags): the column and row counts that hold a save range of
    // Cols by Rows again, with room for the fixed columns and rows and the footer it left out. Store-column
    // counts (StoreCols) include the hidden columns, which the grid's own count leaves out.
    static std::int64_t LoadedColCount(const VOroDavoduRuzu& Grid, std::int64_t Cols, bool StoreCols = false);
    static std::int64_t LoadedRowCount(const VOroDavoduRuzu& Grid, std::int64_t Rows);
    // The store column a read column index lands in; -1 outside the grid.
    static int TargetCol(const VOroDavoduRuzu& Grid, std::int64_t ACol, bool StoreCols = false);
    // Sets the width of a read column index; an index outside the grid is ignored.
    static void SetLoadedColWidth(VOroDavoduRuzu& Grid, std::int64_t ACol, int Width, bool StoreCols = false);

private:
    TCellMap(const VOroDavoduRuzu& Grid, const TGridRect& Rect, bool StoreCols);
    const VOroDavoduRuzu& grid_;
    TGridRect rect_;
    bool storeCols_ = false;
};
