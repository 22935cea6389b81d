// The items of the grid's one combo editor and the item index it falls back to.
#include "grid/VoGrid/VoGrid.h"

void VOroDavoduRuzu::ClearComboString()
{
    Combobox()->Items().Clear();
}

void VOroDavoduRuzu::AddComboString(const QString& s)
{
    Combobox()->Items().Add(s);
}

void VOroDavoduRuzu::AddComboStringObject(const QString& s, TObject* AObject)
{
    Combobox()->Items().Add(s, AObject);
}

bool VOroDavoduRuzu::RemoveComboString(const QString& s)
{
    const int index = Combobox()->Items().IndexOf(s);
    if (index < 0)
        return false;
    Combobox()->Items().Delete(index);
    return true;
}

bool VOroDavoduRuzu::SetComboSelectionString(const QString& s)
{
    const int index = Combobox()->Items().IndexOf(s);
    if (index < 0)
        return false;
    FComboIdx = index;
    return true;
}

int VOroDavoduRuzu::GetComboCount() const
{
    return EditCombo ? EditCombo->Items().Count() : 0;
}

// The application fills the list for the cell in OnGetEditorProp first; an index outside it raises.
void VOroDavoduRuzu::SetComboIndex(int ACol, int ARow, int Value)
{
    DoGetEditorProp(ACol, ARow, nullptr);
    SetCellEx(ACol, ARow, Combobox()->Items()[Value]);
}

int VOroDavoduRuzu::GetComboIndex(int ACol, int ARow)
{
    DoGetEditorProp(ACol, ARow, nullptr);
    return Combobox()->Items().IndexOf(GetCellEx(ACol, ARow));
}
