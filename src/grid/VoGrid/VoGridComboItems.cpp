// The items of the grid's one combo editor and the item index it falls back to.
#include "grid/VoGrid/VoGrid.h"

void VOroDavoduRuzu::ClearComboString()
{
    EditCombo->Items().Clear();
}

void VOroDavoduRuzu::AddComboString(const QString& s)
{
    EditCombo->Items().Add(s);
}

void VOroDavoduRuzu::AddComboStringObject(const QString& s, TObject* AObject)
{
    EditCombo->Items().Add(s, AObject);
}

bool VOroDavoduRuzu::RemoveComboString(const QString& s)
{
    const int index = EditCombo->Items().IndexOf(s);
    if (index < 0)
        return false;
    EditCombo->Items().Delete(index);
    return true;
}

bool VOroDavoduRuzu::SetComboSelectionString(const QString& s)
{
    const int index = EditCombo->Items().IndexOf(s);
    if (index < 0)
        return false;
    FComboIdx = index;
    return true;
}

int VOroDavoduRuzu::GetComboCount() const
{
    return EditCombo->Items().Count();
}

// The application fills the list for the cell in OnGetEditorProp first; an index outside it raises.
void VOroDavoduRuzu::SetComboIndex(int ACol, int ARow, int Value)
{
    DoGetEditorProp(ACol, ARow, nullptr);
    SetCellEx(ACol, ARow, EditCombo->Items()[Value]);
}

int VOroDavoduRuzu::GetComboIndex(int ACol, int ARow)
{
    DoGetEditorProp(ACol, ARow, nullptr);
    return EditCombo->Items().IndexOf(GetCellEx(ACol, ARow));
}
