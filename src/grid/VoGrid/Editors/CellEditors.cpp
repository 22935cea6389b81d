// The editors of form controls in cell text and of fixed cells.
#include "grid/VoGrid/Editors/CellEditors.h"

#include "grid/VoGrid/Editors/FlagScope.h"
#include "grid/VoGrid/Editors/GridEditors.h"
#include "grid/VoGrid/VoGrid.h"

namespace {
constexpr char16_t Enter = 13, Tab = 9;

// Enter and Tab of a cell control editor: the key is spent, the edit ends, and the grid takes the focus
// (Enter) or moves on (Tab).
bool cellControlKey(TWinControl& editor, VOroDavoduRuzu& grid, char16_t& Key)
{
    if (Key != Enter && Key != Tab)
        return false;
    const char16_t key = Key;
    Key = 0;
    grid.CellControlEditDone(&editor);
    if (key == Enter)
        grid.SetFocus();
    else
        grid.CellControlTab();
    return true;
}

void wantTabNotEnter(TMessage& Message)
{
    const WORD key = static_cast<WORD>(Message.WParam);
    if (key == VK_TAB)
        Message.Result = 1;
    else if (key == VK_RETURN)
        Message.Result = 0;
}

// Validates a fixed cell's new text through the grid; accepted: writes it and fires OnEditingDone.
bool stopFixedEdit(VOroDavoduRuzu& grid, TWinControl& editor, int ACol, int ARow)
{
    QString value = editor.Text();
    bool valid = true;
    if (grid.OnCellValidate)
        grid.OnCellValidate(&grid, ACol, ARow, value, valid);
    if (!valid) {
        editor.SetFocus();
        return false;
    }
    if (grid.OnEditingDone)
        grid.OnEditingDone(&grid);
    grid.SetCells(ACol, ARow, value);
    if (editor.Focused())
        grid.SetFocus();
    editor.Hide();
    return true;
}
}  // namespace

TControlEdit::TControlEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner)
{
    Hide();
}

void TControlEdit::WndProc(TMessage& Message)
{
    TCustomMaskEdit::WndProc(Message);
    if (Message.Msg == CM_WANTSPECIALKEY)
        wantTabNotEnter(Message);
}

void TControlEdit::KeyPress(char16_t& Key)
{
    if (auto* grid = dynamic_cast<VOroDavoduRuzu*>(Parent()); grid && cellControlKey(*this, *grid, Key))
        return;
    TCustomMaskEdit::KeyPress(Key);
}

TControlCombo::TControlCombo(TComponent* AOwner) : TVsgComboBox(AOwner)
{
    Hide();
}

void TControlCombo::WndProc(TMessage& Message)
{
    TVsgComboBox::WndProc(Message);
    if (Message.Msg == CM_WANTSPECIALKEY && static_cast<WORD>(Message.WParam) == VK_TAB)
        Message.Result = 1;
}

void TControlCombo::KeyPress(char16_t& Key)
{
    if (auto* grid = dynamic_cast<VOroDavoduRuzu*>(Parent()); grid && cellControlKey(*this, *grid, Key))
        return;
    TVsgComboBox::KeyPress(Key);
}

TGridTransEdit::TGridTransEdit(TComponent* AOwner) : TEdit(AOwner), FGrid(EditorGrid(AOwner))
{
    Hide();
}

bool TGridTransEdit::StopEdit()
{
    if (FStopping)
        return true;
    const TFlagScope stopping(FStopping);
    return stopFixedEdit(*FGrid, *this, Col, Row);
}

void TGridTransEdit::KeyPress(char16_t& Key)
{
    if (Key == Enter)
        Key = 0;
    TEdit::KeyPress(Key);
}

void TGridTransEdit::DoExit()
{
    TEdit::DoExit();
    if (Visible())
        StopEdit();
}

TGridTransCombo::TGridTransCombo(TComponent* AOwner) : TComboBox(AOwner), FGrid(EditorGrid(AOwner))
{
    Hide();
}

bool TGridTransCombo::StopEdit()
{
    if (FStopping)
        return true;
    const TFlagScope stopping(FStopping);
    return stopFixedEdit(*FGrid, *this, Col, Row);
}

void TGridTransCombo::KeyPress(char16_t& Key)
{
    if (Key == Enter)
        Key = 0;
    TComboBox::KeyPress(Key);
}

void TGridTransCombo::DoExit()
{
    TComboBox::DoExit();
    if (Visible())
        StopEdit();
}
