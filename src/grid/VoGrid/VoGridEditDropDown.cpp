// The drop-down editors: shown over the cell with the cell's value, and the handlers the grid attaches to
// them. The drop-down library makes the editors.
#include "grid/VoGrid/VoGrid.h"

bool VOroDavoduRuzu::dropDownBuilt(TEditorType Type)
{
    TDropDownEditors* editors = IsDropDownEditor(Type) ? DropDownEditors() : nullptr;
    return editors && editors->Builds(Type);
}

void VOroDavoduRuzu::showDropDown(int C, int ARow, const TRect& R)
{
    TWinControl& editor = FDropDowns->Editor(EditControl);
    FDropDowns->SetValue(EditControl, GetEditText(DisplColIndexOf(C), ARow));
    showEditorControl(editor, C, ARow, R);
}

void VOroDavoduRuzu::DropDownHeaderButtonClick(int ButtonIndex)
{
    if (OnDropDownHeaderButtonClick)
        OnDropDownHeaderButtonClick(this, Col(), Row(), ButtonIndex);
}

void VOroDavoduRuzu::DropDownFooterButtonClick(int ButtonIndex)
{
    if (OnDropDownFooterButtonClick)
        OnDropDownFooterButtonClick(this, Col(), Row(), ButtonIndex);
}

void VOroDavoduRuzu::MemoDropDownChange(const QString& Text)
{
    SetEditText(Col(), Row(), Text);
}
