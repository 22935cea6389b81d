// The pickers' shared selector handling, wheel and painting hook.
#include "controls/dropdown/VoPickerDropDown.h"

#include <algorithm>

#include "grid/VoGrid/Editors/FlagScope.h"
#include "platform/SystemMetrics.h"

TVoPickerDropDown::TVoPickerDropDown(TComponent* AOwner) : TVoCustomDropDown(AOwner), FTypeAhead(this)
{
    SetEditorEnabled(false);
    SetCursor(crArrow);
}

void TVoPickerDropDown::WndProc(TMessage& Message)
{
    TVoCustomDropDown::WndProc(Message);
    if (Message.Msg == WM_PAINT)
        DrawSelectedValue();
}

bool TVoPickerDropDown::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    const bool handled = TVoCustomDropDown::DoMouseWheelDown(Shift, MousePos);
    return WheelStep(true) || handled;
}

bool TVoPickerDropDown::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    const bool handled = TVoCustomDropDown::DoMouseWheelUp(Shift, MousePos);
    return WheelStep(false) || handled;
}

// The wheel over the open pop-up reaches its form, not the edit.
void TVoPickerDropDown::DropDownFormMouseWheelDown(TShiftState Shift, TPoint MousePos, bool& Handled)
{
    TVoCustomDropDown::DropDownFormMouseWheelDown(Shift, MousePos, Handled);
    Handled = WheelStep(true) || Handled;
}

void TVoPickerDropDown::DropDownFormMouseWheelUp(TShiftState Shift, TPoint MousePos, bool& Handled)
{
    TVoCustomDropDown::DropDownFormMouseWheelUp(Shift, MousePos, Handled);
    Handled = WheelStep(false) || Handled;
}

void TVoPickerDropDown::loadItemSelector(std::vector<TSelectorItem> Items, int ItemIndex)
{
    FItemSelector->OnItemSelect = nullptr;
    FItemSelector->SetColumns(FColumns);
    FItemSelector->SetImages(Images());
    FItemSelector->SetItemLayout(FLayout);
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->Items() = std::move(Items);
    AdjustSelector(*FItemSelector);
    FItemSelector->ItemAppearance().Assign(FItemAppearance);
    FItemSelector->UpdateSelectorPanel();
    FItemSelector->SetItemIndex(ItemIndex);
    FItemSelector->OnItemSelect = [this](TObject*) { selectorItemSelect(); };
    FItemSelector->Panel().ShowHint = ShowHint;
}

void TVoPickerDropDown::selectorItemSelect()
{
    SelectorChoice(FItemSelector->ItemIndex());
    if (!FInternalCall)
        DoHideDropDown(false);
}

void TVoPickerDropDown::bindDrawItem(const TDrawItemEvent& Event)
{
    if (Event)
        FItemSelector->OnDrawItem = [this, &Event](TObject*, TCanvas& Canvas, const TRect& R, int Index) {
            Event(this, Canvas, R, Index);
        };
    else
        FItemSelector->OnDrawItem = nullptr;
}

TSize TVoPickerDropDown::selectorDropDownSize() const
{
    TSize size = {DropDownWidth() > 0 ? DropDownWidth() : std::max(Width(), 60),
                  DropDownHeight() > 0 ? DropDownHeight() : 100};
    const TSize panel = FItemSelector->GetSelectorPanelSize();
    if (DropDownWidth() < 1)
        size.cx = panel.cx;
    if (DropDownHeight() < 1)
        size.cy = panel.cy;
    if (panel.cy > size.cy)
        size.cx += GetSystemMetrics(SM_CXVSCROLL);
    return size;
}

void TVoPickerDropDown::moveInSelector(int Target)
{
    if (Target < 0 || Target >= static_cast<int>(FItemSelector->Items().size()))
        return;
    const TFlagScope own(FInternalCall);
    FItemSelector->SetItemIndex(Target);
}

void TVoPickerDropDown::selectorWheel(bool Down)
{
    const TFlagScope own(FInternalCall);
    if (DroppedDown())
        Down ? FItemSelector->HotNext() : FItemSelector->HotPrevious();
    else
        Down ? FItemSelector->SelectNext() : FItemSelector->SelectPrevious();
}
