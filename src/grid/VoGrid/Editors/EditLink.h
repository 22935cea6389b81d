#pragma once
// The link to an application's own cell editor (editor type edCustom): the grid hands it the cell, its
// value and its place, in the cell or in a pop-up form, and takes the value back when editing ends.
#include "platform/Forms.h"

class VOroDavoduRuzu;

enum TEditStyle { esInplace, esPopup };

class TEditLink : public TComponent {
public:
    explicit TEditLink(TComponent* AOwner) : TComponent(AOwner) {}
    QString ClassName() const override { return QStringLiteral("TEditLink"); }

    VOroDavoduRuzu* Grid() const { return FGrid; }
    // Display column and row of the edited base cell.
    TPoint EditCell() const { return FEditCell; }

    bool WantKeyLeftRight = false;
    bool WantKeyUpDown = false;
    bool WantKeyHomeEnd = false;
    bool WantKeyPriorNext = false;
    bool WantKeyReturn = false;
    bool WantKeyEscape = false;
    bool WantTabs = false;
    bool WantReturns = false;
    TEditStyle EditStyle = esInplace;
    int PopupWidth = 100;
    int PopupHeight = 100;
    bool AutoPopupWidth = false;
    int PopupLeft = -1;
    int PopupTop = -1;
    int Tag = 0;

    // A descendant wires its control's key-down here; keys that end the edit give the value back.
    virtual void EditKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    virtual TWinControl* GetEditControl() { return nullptr; }
    virtual void CreateEditor(TWinControl* AParent) { (void)AParent; }
    virtual void DestroyEditor() {}
    virtual void SetFocus(bool Value);
    virtual void SetRect(TRect R);
    virtual void SetVisible(bool Value);
    virtual void SetProperties() {}
    virtual void SetCellProps(TColor AColor, TFont& AFont)
    {
        (void)AColor;
        (void)AFont;
    }
    virtual QString GetEditorValue() { return QString(); }
    virtual void SetEditorValue(const QString& Value) { (void)Value; }

    // A descendant wires its control's exit here.
    void EditExit(TObject* Sender);
    // The pop-up form was deactivated.
    void FormExit(TObject* Sender);
    TWinControl* GetParent();
    QString GetCellValue();
    void SetCellValue(const QString& Value);
    void HideEditor();
    void RestoreWinProc();
    TForm* PopupForm() const { return FPopupForm; }

private:
    friend class VOroDavoduRuzu;
    // Opens the link's editor over the cell (or in its pop-up) with the cell's value.
    void Open(VOroDavoduRuzu* AGrid, int ACol, int ARow, const TRect& R, TColor AColor, TFont& AFont);
    void focusGrid();
    bool endsEdit(WORD Key, TShiftState Shift) const;
    // The editor's value validated before the edit ends; a refusal keeps the editor open (Key := 0) showing the
    // value validation settled on.
    bool validateValue(WORD& Key);

    VOroDavoduRuzu* FGrid = nullptr;
    TPoint FEditCell{0, 0};
    TForm* FPopupForm = nullptr;
    bool FForcedExit = false;
    bool FSubClassed = false;
};
