#pragma once
// A drop-down whose value is one of a list of images: the edit shows the selected image centred, the
// pop-up all images in an item selector. Keys, the wheel and typing a caption's beginning move the choice.
#include "controls/dropdown/VoPickerDropDown.h"

class TVoImagePickerDropDown : public TVoPickerDropDown {
public:
    explicit TVoImagePickerDropDown(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TVoImagePickerDropDown"); }

    std::vector<TImageItem>& Items() { return FItems; }
    const std::vector<TImageItem>& Items() const { return FItems; }
    int ItemIndex() const { return FItemIndex; }
    // Ignored at or above the number of items; any negative value clears the choice. Repaints, then
    // OnChange and OnSelect.
    void SetItemIndex(int Value);
    // The selected item's image index (-1 without a choice); writing selects the first item with it.
    int ImageIndex() const;
    void SetImageIndex(int Value);

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
    void UpdateDropDownSize() override;
    TSize DropDownSize() const;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void DrawSelectedValue() override;
    bool WheelStep(bool Down) override;
    void SelectorChoice(int Index) override { SetItemIndex(Index); }

private:
    void updateItemSelector();
    std::vector<TImageItem> FItems;
    int FItemIndex = -1;
};
