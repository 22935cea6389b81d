// The drop-down editors: shown over the cell with the cell's value, and the handlers the grid attaches to
// them. The drop-down library makes the editors.
#include "grid/VoGrid/VoGrid.h"

#include <utility>

bool VOroDavoduRuzu::dropDownBuilt(TEditorType Type)
{
    TDropDownEditors* editors = IsDropDownEditor(Type) ? DropDownEditors() : nullptr;
    return editors && editors->Builds(Type);
}

void VOroDavoduRuzu::showDropDown(int C, int ARow, const TRect& R)
{
    TWinControl& editor = FDropDowns->Editor(EditControl);
    loadDropDown(C, ARow);
    showEditorControl(editor, C, ARow, R);
}

// The colour picker gets a shape's colour or the cell's background, the image picker the cell's image
// of the grid's images or a data image's number.
void VOroDavoduRuzu::loadDropDown(int C, int ARow)
{
    const QString text = GetEditText(DisplColIndexOf(C), ARow);
    if (EditControl == edColorPickerDropDown) {
        FDropDowns->SetColorValue(HasCellGraphicType(C, ARow, {ctShape}) ? GetShapeColor(C, ARow) : Colors(C, ARow));
    } else if (EditControl == edImagePickerDropDown) {
        int index = -1;
        if (!GetImageIdx(C, ARow, index) && HasDataImage(C, ARow))
            index = text.trimmed().toInt();
        FDropDowns->SetImageValue(GridImages, index);
    } else {
        FDropDowns->SetValue(EditControl, text);
    }
}

// The colour (and its text as the cell's text) goes to a shape or the background; the image to an image
// cell, or as a number to a data image. OnColorSelected / OnImageSelected may change them first.
void VOroDavoduRuzu::commitDropDown(TEditorType Type, int C, int ARow)
{
    if (std::exchange(FDropDownCancel, false))
        return;
    if (Type == edColorPickerDropDown) {
        QString value;
        TColor color = FDropDowns->ColorValue(value);
        if (OnColorSelected)
            OnColorSelected(this, C, ARow, color, value);
        SetEditedCellText(C, ARow, value);
        if (HasCellGraphicType(C, ARow, {ctShape}))
            SetShapeColor(C, ARow, color);
        else
            SetColors(C, ARow, color);
    } else if (Type == edImagePickerDropDown) {
        int index = FDropDowns->ImageValue();
        if (OnImageSelected)
            OnImageSelected(this, C, ARow, index);
        int old = 0;
        if (GetImageIdx(C, ARow, old))
            SetImageIdx(C, ARow, index);
        else if (HasDataImage(C, ARow))
            SetEditedCellText(C, ARow, QString::number(index));
    } else {
        SetEditedCellText(C, ARow, FDropDowns->Value(Type));
    }
}

TGridColorDropDown* VOroDavoduRuzu::ColorPickerDropDown()
{
    TDropDownEditors* editors = DropDownEditors();
    return editors ? editors->ColorPicker() : nullptr;
}

TGridImageDropDown* VOroDavoduRuzu::ImagePickerDropDown()
{
    TDropDownEditors* editors = DropDownEditors();
    return editors ? editors->ImagePicker() : nullptr;
}

void VOroDavoduRuzu::DoColorSelect()
{
    TDropDownEditors* editors = OnColorSelect ? DropDownEditors() : nullptr;
    if (!editors)
        return;
    QString text;
    const TColor color = editors->ColorValue(text);
    OnColorSelect(this, Col(), Row(), color, text);
}

void VOroDavoduRuzu::DoImageSelect()
{
    TDropDownEditors* editors = OnImageSelect ? DropDownEditors() : nullptr;
    if (editors)
        OnImageSelect(this, Col(), Row(), editors->ImageItemIndex());
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
