#pragma once
// A drop-down whose value is one of a list of images: the edit shows the selected image centred, the
// pop-up all images in an item selector. Keys, the wheel and typing a caption's beginning move the choice.
#include "controls/dropdown/ItemSelector.h"
#include "controls/dropdown/VoDropDown.h"

class TVoImagePickerDropDown : public TVoCustomDropDown {
public:
    explicit TVoImagePickerDropDown(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TVoImagePickerDropDown"); }
    void WndProc(TMessage& Message) override;

    std::vector<TImageItem>& Items() { return FItems; }
    const std::vector<TImageItem>& Items() const { return FItems; }
    int ItemIndex() const { return FItemIndex; }
    // Ignored at or above the number of items; any negative value clears the choice. Repaints, then
    // OnChange and OnSelect.
    void SetItemIndex(int Value);
    // The selected item's image index (-1 without a choice); writing selects the first item with it.
    int ImageIndex() const;
    void SetImageIndex(int Value);
    int Columns() const { return FColumns; }
    void SetColumns(int Value) { FColumns = Value; }
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout Value) { FLayout = Value; }
    TItemAppearance& ItemAppearance() { return FItemAppearance; }
    TVoCustomItemSelector* ItemSelector() const { return FItemSelector; }

    // One item per image of Images, captions empty.
    void AddImagesFromImageList();
    // One item per entry the folder's file mask finds (folders too); an entry that is no picture keeps an
    // empty picture and no caption.
    void AddImagesFromFolder(const QString& AFolder, bool SetImageCaption);
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void DoHideDropDown(bool CancelChanges) override;

    TNotifyEvent OnSelect;
    TOnDrawSelectedItem OnDrawSelectedImage;
    TDrawItemEvent OnDrawItem;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    TSize DropDownSize() const override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

private:
    void updateItemSelector();
    void selectorItemSelect();
    void drawSelectedImage();
    void moveInSelector(int Target);
    bool wheel(bool Down);
    TVoCustomItemSelector* FItemSelector = nullptr;
    int FColumns = 1;
    TItemLayout FLayout = ilCaptionRight;
    std::vector<TImageItem> FItems;
    int FItemIndex = -1;
    TItemAppearance FItemAppearance;
    // Set while the control's own keys or wheel move the pop-up's choice: it does not close the pop-up.
    bool FInternalCall = false;
    TTypeAhead FTypeAhead;
    int FOldItemIndex = -1;
};
