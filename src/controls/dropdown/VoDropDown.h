#pragma once
// The drop-down edit: a one-line edit whose F4, Alt+Down or Alt+Up opens a borderless pop-up form under
// it with a content control (a memo, a track bar, ...). Losing the pop-up's activation or closing it again
// accepts; Esc cancels and puts back the text the edit had when it dropped down.
#include <functional>

#include "platform/Bitmap.h"
#include "platform/Forms.h"
#include "platform/Mask.h"

class TVoCustomDropDown;

using TDropDownButtonClick = std::function<void(TObject* Sender, int ButtonIndex)>;

// The pop-up form; its content control fills it.
class TDropDownForm : public TForm {
public:
    explicit TDropDownForm(TVoCustomDropDown* AOwner);
    QString ClassName() const override { return QStringLiteral("TDropDownForm"); }
    void SetControl(TWinControl* Control);
    TWinControl* Control() const { return FControl; }
    // Losing the activation cancels the changes (else it accepts them).
    bool CancelOnDeActivate = true;

private:
    TVoCustomDropDown* FDropDown;
    TWinControl* FControl = nullptr;
};

class TVoCustomDropDown : public TCustomMaskEdit {
public:
    explicit TVoCustomDropDown(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TVoCustomDropDown"); }

    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value);
    bool DroppedDown() const { return FDroppedDown; }
    int DropDownHeight() const { return FDropDownHeight; }
    void SetDropDownHeight(int Value) { FDropDownHeight = Value; }
    int DropDownWidth() const { return FDropDownWidth; }
    void SetDropDownWidth(int Value) { FDropDownWidth = Value; }
    TColor DropDownColor() const { return FDropDownColor; }
    void SetDropDownColor(TColor Value) { FDropDownColor = Value; }
    // The images the pickers show; not owned.
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* Value) { FImages = Value; }
    TDropDownForm* DropDownForm() const { return FDropDownForm; }
    void DoShowDropDown();
    virtual void DoHideDropDown(bool CancelChanges);
    // The header and footer bars report a click on one of their buttons.
    void HeaderButtonClick(int ButtonIndex);
    void FooterButtonClick(int ButtonIndex);

    TNotifyEvent OnDropDown;
    TNotifyEvent OnDropUp;
    TDropDownButtonClick OnDropDownHeaderButtonClick;
    TDropDownButtonClick OnDropDownFooterButtonClick;

protected:
    // The pop-up form, made on the first drop-down; descendants add their content control.
    virtual void CreateDropDownForm();
    // Loads the content control before the pop-up shows.
    virtual void BeforeDropDown() {}
    // The pop-up's size: DropDownWidth, else the edit's width (at least 60), by DropDownHeight (100 when unset).
    virtual TSize DropDownSize() const;
    // The pop-up has closed: the edit has the focus back.
    virtual void DropDownFormHide();
    // Keys of the content control: Esc, F4 and Alt keys go to the edit, the rest stay with the control.
    void ControlKeyDown(WORD& Key, TShiftState Shift);
    void KeyDown(WORD& Key, TShiftState Shift) override;
    // Sets the edit text without the descendants' change handling copying it back.
    void AssignText(const QString& Value);
    bool FInternalUpdate = false;

private:
    friend class TDropDownForm;
    TDropDownForm* FDropDownForm = nullptr;
    bool FEditorEnabled = true;
    bool FDroppedDown = false;
    int FDropDownHeight = 0;
    int FDropDownWidth = 0;
    TColor FDropDownColor = clWindow;
    TImageList* FImages = nullptr;
    QString FOldText;
};
