#pragma once
// What the colour and image pickers share: an item selector in the pop-up and its settings, the chosen value
// painted over the edit, and the wheel and keys that move the choice without closing the pop-up.
#include "controls/dropdown/ItemSelector.h"
#include "controls/dropdown/VoDropDown.h"

class TVoPickerDropDown : public TVoCustomDropDown {
public:
    explicit TVoPickerDropDown(TComponent* AOwner);
    void WndProc(TMessage& Message) override;

    int Columns() const { return FColumns; }
    void SetColumns(int Value) { FColumns = Value; }
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout Value) { FLayout = Value; }
    TItemAppearance& ItemAppearance() { return FItemAppearance; }
    TVoCustomItemSelector* ItemSelector() const { return FItemSelector; }

protected:
    // Paints the chosen value over the edit.
    virtual void DrawSelectedValue() = 0;
    // One wheel notch; false when the control takes no part.
    virtual bool WheelStep(bool Down) = 0;
    // The selector chose an item.
    virtual void SelectorChoice(int Index) = 0;
    // Settings of the selector beyond the shared ones, made before it lays its items out.
    virtual void AdjustSelector(TVoCustomItemSelector&) {}
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void DropDownFormMouseWheelDown(TShiftState Shift, TPoint MousePos, bool& Handled) override;
    void DropDownFormMouseWheelUp(TShiftState Shift, TPoint MousePos, bool& Handled) override;

    // The selector takes the settings, items and choice without reporting them, then reports its choices.
    void loadItemSelector(std::vector<TSelectorItem> Items, int ItemIndex);
    // The selector draws its items through the event while it is set.
    void bindDrawItem(const TDrawItemEvent& Event);
    // The items' own size unless a width or height is set; room for the scroll bar when it shows.
    TSize selectorDropDownSize() const;
    // Selects the target in the pop-up without closing it; targets outside the items are ignored.
    void moveInSelector(int Target);
    // The wheel moves the selector's hot item while the pop-up is open, else its choice.
    void selectorWheel(bool Down);

    TVoCustomItemSelector* FItemSelector = nullptr;
    // Set while the control's own keys or wheel move the choice: it does not close the pop-up.
    bool FInternalCall = false;
    TTypeAhead FTypeAhead;
    int FOldItemIndex = -1;
    int FColumns = 1;
    TItemLayout FLayout = ilCaptionRight;
    TItemAppearance FItemAppearance;

private:
    void selectorItemSelect();
};
