#pragma once
// The row commands of the table editors (insert, delete, copy and paste a row) and their two table
// options. Row 0 is the header and column 0 the row number: the routines touch the data columns
// 1 .. ColCount + hidden columns - 1 of rows 1 .. RowCount - 1. Copy and paste go through the row
// clipboard Copy_Row_Values / Copy_Row_Is_Check.
class VOroDavoduRuzu;
class TVoColumnGrid;

// String grids: check boxes are cell check boxes; a cell moves with its check state or text and its
// read-only flag. FirstColumnChecked: the check box of column 1 of the emptied row is checked.
// Delete leaves the emptied last row read-only, insert leaves the new row editable.
void Grid_Delete_Row(int Row, VOroDavoduRuzu& Grid, bool FirstColumnChecked);
void Grid_Insert_Row(int Row, VOroDavoduRuzu& Grid, bool FirstColumnChecked);
// The row's texts to the clipboard, a check box as "Y" or "N" with its flag set.
void Grid_Copy_Row(VOroDavoduRuzu& Grid, int Row);
// As ColGrid_Paste_Row, but any text counts as use (blanks too) and flagged entries set check boxes; a
// missing flag counts as text.
void Grid_Paste_Row(VOroDavoduRuzu& Grid, int Row, bool Copied);

// Column grids: check boxes are data check-box columns whose cell text is "Y" or "N"; texts move only.
void ColGrid_Delete_Row(int Row, TVoColumnGrid& Grid);
// FirstColumnY: column 1 of the new row becomes "Y".
void ColGrid_Insert_Row(int Row, TVoColumnGrid& Grid, bool FirstColumnY);
// The row's texts to the clipboard; the check-box flags are sized to the row, set for the data
// check-box columns.
void ColGrid_Copy_Row(TVoColumnGrid& Grid, int Row);
// Refuses without a copy (text 1102) or with a clipboard of another width (text 1101); asks before
// overwriting a row that has text outside its check-box columns (text 1100).
void ColGrid_Paste_Row(TVoColumnGrid& Grid, int Row, bool Copied);

// With Enable_Jump_Field_Tables, Enter moves to the next cell (wrapping to column 1 of the next row,
// from the last row to row 1) and is consumed.
void Grid_Jump_Next_Field(VOroDavoduRuzu& Grid, char16_t& Key);

// With Enable_Double_Click_Auto_Size, a double click on the header row sizes the column to its texts.
void Grid_Auto_Size_Col(VOroDavoduRuzu& Grid, int Row, int Col);
