// The drop-down edit and its pop-up form.
#include "controls/dropdown/VoDropDown.h"

#include <algorithm>

TDropDownForm::TDropDownForm(TVoCustomDropDown* AOwner) : TForm(AOwner), FDropDown(AOwner)
{
    SetBorderStyle(bsNone);
    OnDeactivate = [this](TObject*) {
        if (FDropDown->DroppedDown())
            FDropDown->DoHideDropDown(CancelOnDeActivate);
    };
}

void TDropDownForm::SetControl(TWinControl* Control)
{
    FControl = Control;
    if (FControl)
        FControl->SetBounds(0, 0, Width(), Height());
}

TVoCustomDropDown::TVoCustomDropDown(TComponent* AOwner) : TCustomMaskEdit(AOwner)
{}

void TVoCustomDropDown::SetEditorEnabled(bool Value)
{
    FEditorEnabled = Value;
    SetReadOnly(!Value);
}

void TVoCustomDropDown::CreateDropDownForm()
{
    if (!FDropDownForm)
        FDropDownForm = new TDropDownForm(this);
}

void TVoCustomDropDown::DoShowDropDown()
{
    if (FDroppedDown)
        return;
    CreateDropDownForm();
    FOldText = Text();
    BeforeDropDown();
    if (OnDropDown)
        OnDropDown(this);
    const TSize size = DropDownSize();
    const TPoint at = ClientToScreen(TPoint{0, Height()});
    FDropDownForm->SetBounds(at.X, at.Y, size.cx, size.cy);
    if (TWinControl* control = FDropDownForm->Control())
        control->SetBounds(0, 0, FDropDownForm->Width(), FDropDownForm->Height());
    FDroppedDown = true;
    FDropDownForm->Show();
    if (TWinControl* control = FDropDownForm->Control())
        control->SetFocus();
}

TSize TVoCustomDropDown::DropDownSize() const
{
    return {FDropDownWidth > 0 ? FDropDownWidth : std::max(Width(), 60), FDropDownHeight > 0 ? FDropDownHeight : 100};
}

void TVoCustomDropDown::DoHideDropDown(bool CancelChanges)
{
    if (!FDroppedDown)
        return;
    FDroppedDown = false;
    FDropDownForm->Hide();
    DropDownFormHide();
    if (CancelChanges)
        SetText(FOldText);
    if (OnDropUp)
        OnDropUp(this);
}

void TVoCustomDropDown::DropDownFormHide()
{
    if (Visible())
        SetFocus();
}

void TVoCustomDropDown::HeaderButtonClick(int ButtonIndex)
{
    if (OnDropDownHeaderButtonClick)
        OnDropDownHeaderButtonClick(this, ButtonIndex);
}

void TVoCustomDropDown::FooterButtonClick(int ButtonIndex)
{
    if (OnDropDownFooterButtonClick)
        OnDropDownFooterButtonClick(this, ButtonIndex);
}

void TVoCustomDropDown::KeyDown(WORD& Key, TShiftState Shift)
{
    const bool toggle = Key == VK_F4 || ((Shift & ssAlt) && (Key == VK_DOWN || Key == VK_UP));
    if (toggle) {
        if (FDroppedDown)
            DoHideDropDown(false);
        else
            DoShowDropDown();
        Key = 0;
        return;
    }
    if (Key == VK_ESCAPE && FDroppedDown) {
        DoHideDropDown(true);
        Key = 0;
        return;
    }
    TCustomMaskEdit::KeyDown(Key, Shift);
}

void TVoCustomDropDown::ControlKeyDown(WORD& Key, TShiftState Shift)
{
    if (Key == VK_ESCAPE || Key == VK_F4 || (Shift & ssAlt))
        KeyDown(Key, Shift);
}

void TVoCustomDropDown::AssignText(const QString& Value)
{
    const bool old = FInternalUpdate;
    FInternalUpdate = true;
    SetText(Value);
    FInternalUpdate = old;
}
