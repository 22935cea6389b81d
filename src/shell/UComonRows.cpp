#include "shell/UComonRows.h"

#include "grid/VoCGrid/VoCGrid.h"
#include "platform/Dialogs.h"
#include "shell/UComon.h"
#include "shell/ULanguage.h"

#include <algorithm>

namespace {

// The last data column (real index).
int Last_Data_Column(VOroDavoduRuzu& grid)
{
    return grid.ColCount() + grid.NumHiddenColumns() - 1;
}

// The paste's refusals: no copy on this page, or a clipboard of another width. True when it may go on.
bool Paste_Allowed(VOroDavoduRuzu& grid, bool copied)
{
    if (!copied) {
        MessageDlg(Lang_Text[1102], mtError, mbOK);
        return false;
    }
    if (Copy_Row_Values.Count() != Last_Data_Column(grid)) {
        MessageDlg(Lang_Text[1101], mtError, mbOK);
        return false;
    }
    return true;
}

bool Overwrite_Confirmed(bool rowInUse)
{
    return !rowInUse || MessageDlg(Lang_Text[1100], mtConfirmation, mbYesNo) == mrYes;
}

// Moves a string-grid cell: its check state where it holds a check box, else its text; then its
// read-only flag.
void Move_Cell(VOroDavoduRuzu& grid, int col, int from, int to)
{
    bool checked = false;
    if (grid.GetCheckBoxState(col, from, checked))
        grid.SetCheckBoxState(col, to, checked);
    else
        grid.SetCells(col, to, grid.Cells(col, from));
    grid.SetReadOnly(col, to, grid.ReadOnly(col, from));
}

// Empties a string-grid row: check boxes unchecked (column 1 checked with firstChecked), texts empty.
void Clear_Row(VOroDavoduRuzu& grid, int row, bool firstChecked, bool readOnly)
{
    const int last = Last_Data_Column(grid);
    for (int c = 1; c <= last; ++c) {
        if (!grid.SetCheckBoxState(c, row, firstChecked && c == 1))
            grid.SetCells(c, row, QString());
        grid.SetReadOnly(c, row, readOnly);
    }
}

}  // namespace

void Grid_Delete_Row(int Row, VOroDavoduRuzu& Grid, bool FirstColumnChecked)
{
    const int last = Last_Data_Column(Grid);
    for (int r = Row; r < Grid.RowCount() - 1; ++r)
        for (int c = 1; c <= last; ++c)
            Move_Cell(Grid, c, r + 1, r);
    Clear_Row(Grid, Grid.RowCount() - 1, FirstColumnChecked, true);
}

void Grid_Insert_Row(int Row, VOroDavoduRuzu& Grid, bool FirstColumnChecked)
{
    const int last = Last_Data_Column(Grid);
    for (int r = Grid.RowCount() - 2; r >= Row; --r)
        for (int c = 1; c <= last; ++c)
            Move_Cell(Grid, c, r, r + 1);
    Clear_Row(Grid, Row, FirstColumnChecked, false);
}

void Grid_Copy_Row(VOroDavoduRuzu& Grid, int Row)
{
    const int last = Last_Data_Column(Grid);
    Copy_Row_Values.Clear();
    Copy_Row_Is_Check.assign(static_cast<size_t>(last), false);
    for (int c = 1; c <= last; ++c) {
        bool checked = false;
        const bool isCheck = Grid.GetCheckBoxState(c, Row, checked);
        Copy_Row_Is_Check[static_cast<size_t>(c - 1)] = isCheck;
        Copy_Row_Values.Add(isCheck ? (checked ? QStringLiteral("Y") : QStringLiteral("N")) : Grid.Cells(c, Row));
    }
}

void Grid_Paste_Row(VOroDavoduRuzu& Grid, int Row, bool Copied)
{
    if (!Paste_Allowed(Grid, Copied))
        return;
    const int last = Last_Data_Column(Grid);
    bool inUse = false;
    for (int c = 1; c <= last && !inUse; ++c)
        inUse = !Grid.HasCheckBox(c, Row) && !Grid.Cells(c, Row).isEmpty();
    if (!Overwrite_Confirmed(inUse))
        return;
    for (int c = 1; c <= last; ++c) {
        const size_t i = static_cast<size_t>(c - 1);
        const bool isCheck = i < Copy_Row_Is_Check.size() && Copy_Row_Is_Check[i];
        // A flagged entry that meets a cell without a check box keeps its text.
        if (!isCheck || !Grid.SetCheckBoxState(c, Row, Copy_Row_Values[c - 1] == u"Y"))
            Grid.SetCells(c, Row, Copy_Row_Values[c - 1]);
    }
}

void ColGrid_Delete_Row(int Row, TVoColumnGrid& Grid)
{
    const int last = Last_Data_Column(Grid);
    for (int r = Row; r < Grid.RowCount() - 1; ++r)
        for (int c = 1; c <= last; ++c)
            Grid.SetCells(c, r, Grid.Cells(c, r + 1));
    for (int c = 1; c <= last; ++c)
        Grid.SetCells(c, Grid.RowCount() - 1, QString());
}

void ColGrid_Insert_Row(int Row, TVoColumnGrid& Grid, bool FirstColumnY)
{
    const int last = Last_Data_Column(Grid);
    for (int r = Grid.RowCount() - 2; r >= Row; --r)
        for (int c = 1; c <= last; ++c)
            Grid.SetCells(c, r + 1, Grid.Cells(c, r));
    for (int c = 1; c <= last; ++c)
        Grid.SetCells(c, Row, c == 1 && FirstColumnY ? QStringLiteral("Y") : QString());
}

void ColGrid_Copy_Row(TVoColumnGrid& Grid, int Row)
{
    const int last = Last_Data_Column(Grid);
    Copy_Row_Values.Clear();
    Copy_Row_Is_Check.assign(static_cast<size_t>(last), false);
    for (int c = 1; c <= last; ++c) {
        Copy_Row_Values.Add(Grid.Cells(c, Row));
        Copy_Row_Is_Check[static_cast<size_t>(c - 1)] = Grid.Columns().Items(c)->Editor() == edDataCheckBox;
    }
}

void ColGrid_Paste_Row(TVoColumnGrid& Grid, int Row, bool Copied)
{
    if (!Paste_Allowed(Grid, Copied))
        return;
    const int last = Last_Data_Column(Grid);
    bool inUse = false;
    for (int c = 1; c <= last && !inUse; ++c)
        inUse = Grid.Columns().Items(c)->Editor() != edDataCheckBox && !Grid.Cells(c, Row).trimmed().isEmpty();
    if (!Overwrite_Confirmed(inUse))
        return;
    for (int c = 1; c <= last; ++c)
        Grid.SetCells(c, Row, Copy_Row_Values[c - 1]);
}

void Grid_Jump_Next_Field(VOroDavoduRuzu& Grid, char16_t& Key)
{
    if (!Enable_Jump_Field_Tables || Key != 13)
        return;
    if (Grid.Col() > 0 && Grid.Row() > 0) {
        if (Grid.Col() < Grid.ColCount() - 1) {
            Grid.SetCol(Grid.Col() + 1);
        } else {
            Grid.SetCol(1);
            Grid.SetRow(Grid.Row() < Grid.RowCount() - 1 ? Grid.Row() + 1 : 1);
        }
    }
    Key = 0;
}

void Grid_Auto_Size_Col(VOroDavoduRuzu& Grid, int Row, int Col)
{
    if (!Enable_Double_Click_Auto_Size || Row != 0 || Col < 0 || Col >= Grid.ColCount())
        return;
    Grid.AutoSizeCol(Col);
}
