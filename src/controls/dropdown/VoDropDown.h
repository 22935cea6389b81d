#pragma once
// The drop-down edit: a one-line edit with a button at its right edge. The button, Alt+Up, Alt+Down or F4
// opens a borderless pop-up under (or, near the screen's bottom, over) the edit; a descendant puts its
// content control on the pop-up, fills it from the edit before the pop-up opens (BeforeDropDown) and
// writes the chosen value with SetText when it closes accepted (DoHideDropDown). The pop-up can carry a
// header and a footer bar whose looks are DropDownHeader and DropDownFooter; the component styles colour
// the pop-up, the bars and their buttons. A label can be attached beside the edit.
#include <cstdint>

#include "controls/dropdown/ItemSelector.h"
#include "controls/dropdown/VoDropDownBars.h"
#include "controls/dropdown/VoDropDownButton.h"
#include "controls/dropdown/VoDropDownDraw.h"
#include "controls/dropdown/VoDropDownForm.h"
#include "grid/VoGrid/VoDropDownAppearance.h"
#include "grid/base/VoStyleIF.h"
#include "grid/base/VsgEditLook.h"
#include "platform/Mask.h"
#include "platform/StdCtrls.h"

enum TDropPosition { dpAuto, dpDown, dpUp };

// The pop-up may open (acceptdrop) / it closed, accepted or cancelled.
using TDropDown = std::function<void(TObject* Sender, bool& acceptdrop)>;
using TDropUp = std::function<void(TObject* Sender, bool Cancelled)>;
using TDropDownButtonItemClick = std::function<void(TObject* Sender, int ButtonIndex)>;

// Where the screen's work area and height come from; a test answers for the desktop.
struct TScreenArea {
    TRect WorkArea;    // of the monitor nearest the point
    int ScreenHeight;  // of the primary screen
};
using TScreenAreaHook = std::function<TScreenArea(TPoint At)>;
TScreenAreaHook& ScreenAreaHook();

class TVoCustomDropDown : public TCustomMaskEdit, public IQEVStyle, public IQEVTones {
public:
    explicit TVoCustomDropDown(TComponent* AOwner);
    ~TVoCustomDropDown() override;
    QString ClassName() const override { return QStringLiteral("TVoCustomDropDown"); }
    void WndProc(TMessage& Message) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetParent(TWinControl* AParent) override;
    // Copies the drop-down settings of another drop-down (not its text, label, border colours, style or
    // events); any other source is ignored.
    void Assign(const TPersistent& Source) override;

    // --- The cycle ---
    void ShowDropDown() { DoShowDropDown(); }
    void HideDropDown(bool CancelChanges) { DoHideDropDown(CancelChanges); }
    bool DroppedDown() const { return FDroppedDown; }
    TDropDownForm* DropDownForm() const { return FDropDownForm; }
    TDropDownEditButton* Button() const { return FButton; }

    // --- Styles (colours of the pop-up, the bars and their buttons) ---
    void SetComponentStyle(TQEVStyle AStyle) override;
    TQEVStyle GetComponentStyle() const { return FQEVStyle; }
    // The button takes the tones' colours (its coloured look), the edit the border colour.
    void SetColorTones(const TColorTones& ATones) override;
    TSelectionColorStyle SelectionColorStyle() const { return FSelectionColorStyle; }
    virtual void SetSelectionColorStyle(TSelectionColorStyle Value);
    // Fills a selected item's rectangle in the selection look.
    virtual void DrawSelection(TCanvas& Canvas, const TRect& R, TColor BackColor, std::uint8_t Position);
    TColor SelectionColor = clNone;
    TColor SelectionColorTo = clNone;

    // --- Properties ---
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value);
    int DropDownWidth() const { return FDropDownWidth; }
    void SetDropDownWidth(int Value);
    int DropDownHeight() const { return FDropDownHeight; }
    void SetDropDownHeight(int Value);
    TDropPosition DropPosition = dpAuto;
    TColor DropDownColor() const { return FDropDownColor; }
    void SetDropDownColor(TColor Value) { FDropDownColor = Value; }
    // The end colour of the pop-up's background gradient (clNone: plain) and its direction; set by the styles.
    TColor DropDownColorTo() const { return FDropDownColorTo; }
    void SetDropDownColorTo(TColor Value) { FDropDownColorTo = Value; }
    TGradientDirection DropDownGradient() const { return FDropDownGradient; }
    TColor DropDownBorderColor() const { return FDropDownBorderColor; }
    void SetDropDownBorderColor(TColor Value) { FDropDownBorderColor = Value; }
    int DropDownBorderWidth() const { return FDropDownBorderWidth; }
    void SetDropDownBorderWidth(int Value) { FDropDownBorderWidth = Value; }
    bool DropDownShadow = true;
    bool DropDownSizeable() const { return FDropDownSizeable; }
    void SetDropDownSizeable(bool Value) { FDropDownSizeable = Value; }
    bool DropDownEnabled = false;
    int DropDownButtonWidth() const { return FButtonWidth; }
    void SetDropDownButtonWidth(int Value);
    QString DropDownButtonHint() const { return FButtonHint; }
    void SetDropDownButtonHint(const QString& Value);
    TBitmap* DropDownButtonGlyph() const { return FButton ? &FButton->Glyph() : nullptr; }
    void SetDropDownButtonGlyph(const TBitmap& Value);
    // The images of the descendants and the bars; not owned.
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* Value) { FImages = Value; }
    // "1.2.1.4"
    QString Version() const;
    TVoButtonAppearance& ButtonAppearance() { return FButtonAppearance; }
    void SetButtonAppearance(const TVoButtonAppearance& Value) { FButtonAppearance.Assign(Value); }
    THeaderAppearance& DropDownHeader() { return FDropDownHeader; }
    void SetDropDownHeader(const THeaderAppearance& Value) { FDropDownHeader.Assign(Value); }
    TFooterAppearance& DropDownFooter() { return FDropDownFooter; }
    void SetDropDownFooter(const TFooterAppearance& Value) { FDropDownFooter.Assign(Value); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor FocusBorderColor = clNone;
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool Value);
    // Enter moves the focus on like Tab.
    bool ReturnIsTab = false;
    // Enter and Esc are posted to the parent as well (else only through the form).
    bool DefaultHandling = true;
    // Esc selects the value and clears the modified flag.
    bool CanUndo = true;
    // With the editor disabled, the focused edit shows its text on the highlight colour.
    bool FocusDraw = true;
    // Re-shows the pop-up once at 1 x 1 so that its shadow is drawn.
    bool ForceShadow = false;
    bool MouseInControl() const { return FMouseInControl; }
    int UserDropDownWidth() const { return FUserDropDownWidth; }
    int UserDropDownHeight() const { return FUserDropDownHeight; }

    // --- Attached label ---
    QString LabelCaption() const;
    void SetLabelCaption(const QString& Value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition Value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int Value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool Value);
    bool LabelAlwaysEnabled = false;
    TFont& LabelFont() { return FLabelFont; }
    void SetLabelFont(const TFont& Value);
    // The label, or nullptr until a caption is written.
    TLabel* Label() const { return FLabel; }
    // Lays the control out once its settings are read: edit rectangle, button, label.
    void Loaded();

    // --- Events ---
    TNotifyEvent OnBeforeDropDown;
    TNotifyEvent OnBeforeDropUp;
    TDropDown OnDropDown;
    TDropUp OnDropUp;
    TDropDownButtonItemClick OnDropDownHeaderButtonClick;
    TDropDownButtonItemClick OnDropDownFooterButtonClick;
    TDrawBackGroundEvent OnDrawHeader;
    TDrawBackGroundEvent OnDrawFooter;
    TGetTextEvent OnGetHeaderText;
    TGetTextEvent OnGetFooterText;
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;

protected:
    // --- Operations for descendants, in the order a drop-down runs them ---
    virtual void DoLabelClick();
    virtual void DoLabelDblClick();
    // The component version, a byte per part, major first.
    virtual std::uint32_t GetVersionNr() const { return 0x01020104; }
    // Makes the pop-up once; descendants make their content control after the inherited step.
    virtual void CreateDropDownForm();
    virtual void CreateDropDownButton();
    virtual void UpdateDropDownButton();
    // Raises OnBeforeDropDown; descendants then load their content from the edit's value.
    virtual void BeforeDropDown();
    // The last change to the pop-up's height before it shows.
    virtual void AdaptDropDownHeight(int& AHeight) { (void)AHeight; }
    virtual void FocusDropDownControl();
    virtual void DoShowDropDown();
    // Puts the content control on the pop-up under the header, filling it.
    virtual void PlaceDropDownControl();
    // DropDownWidth or the content's (else the edit's) width; DropDownHeight or the frame, bars and content.
    virtual void UpdateDropDownSize();
    // Sizes the pop-up so that its frame and visible bars surround content of the given size.
    void FitDropDownAround(TSize Content);
    virtual void DoHideDropDown(bool CancelChanges);
    // The pop-up hid: the edit takes the focus back.
    virtual void DropDownFormHide();
    virtual void DropDownFormDestroy() {}
    virtual void DropDownFormMouseWheelDown(TShiftState Shift, TPoint MousePos, bool& Handled);
    virtual void DropDownFormMouseWheelUp(TShiftState Shift, TPoint MousePos, bool& Handled);
    // Keys of the pop-up and of its content control go on to the edit.
    virtual void DropDownFormKeyPress(char16_t& Key);
    virtual void DropDownFormKeyDown(WORD& Key, TShiftState Shift);
    virtual void DropDownFormKeyUp(WORD& Key, TShiftState Shift);
    virtual void ControlKeyDown(WORD& Key, TShiftState Shift);
    virtual void ControlKeyUp(WORD& Key, TShiftState Shift);
    virtual void ControlKeyPress(char16_t& Key);
    virtual void DropDownFormSizing() {}
    virtual void HandleMouseWheelDown() {}
    virtual void HandleMouseWheelUp() {}
    // Paints over the edit after its own painting (the value on the highlight while not editable).
    virtual void PaintEditContent();
    virtual void SetEditRect();
    // Minimum height, button placement, formatting rectangle.
    virtual void ResizeControl();

    // The content control on the pop-up.
    TControl* Control() const { return FControl; }
    void SetControl(TControl* AControl);
    // The control on the pop-up that takes the focus after the drop-down.
    TWinControl* FFocusControl = nullptr;
    // The font's height plus a quarter of the smaller of it and the default font's.
    int GetMinHeight();
    // Colours an item appearance for a style.
    void SetItemAppearanceStyle(TItemAppearance* Appearance, TQEVStyle AStyle);

    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
    void DoEnter() override;
    void DoExit() override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void SetTextValue(const QString& Text) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    // Sets the edit text without the descendants' change handling copying it back.
    void AssignText(const QString& Value);
    bool FInternalUpdate = false;

private:
    void buttonClick();
    void appearanceChanged();
    void drawBorder();
    void placeLabel();
    void keyDownMessage(TMessage& Message);
    void charMessage(TMessage& Message);
    void wantSpecialKey(TMessage& Message);
    void mouseDownMessage(TMessage& Message);
    void mouseUpMessage(TMessage& Message);
    bool toggleKey(WORD Key);

    TLabel* FLabel = nullptr;
    bool FParentFnt = false;
    int FDropDownWidth = 0;
    int FDropDownHeight = 0;
    int FUserDropDownWidth = -1;
    int FUserDropDownHeight = -1;
    bool FEditorEnabled = true;
    bool FFlat = false;
    TImageList* FImages = nullptr;
    QString FButtonHint;
    TColor FDropDownColorTo = clNone;
    TColor FDropDownColor = 0xFFFFFF;
    TColor FDropDownBorderColor = 0;
    int FDropDownBorderWidth = 1;
    int FButtonWidth = 17;
    bool FMouseInControl = false;
    bool FEtched = false;
    THeaderAppearance FDropDownHeader;
    TVoButtonAppearance FButtonAppearance;
    TFooterAppearance FDropDownFooter;
    TControl* FControl = nullptr;
    TGradientDirection FDropDownGradient = gdHorizontal;
    bool FDropDownSizeable = true;
    TSelectionColorStyle FSelectionColorStyle = scOffice2007;
    bool FBlockChange = false;
    bool FButtonDown = false;
    bool FDroppedDown = false;
    TQEVStyle FQEVStyle = tsOffice2007Luna;
    int FLabelMargin = 0;
    TLabelPosition FLabelPosition = lpLeftTop;
    bool FLabelTransparent = false;
    TFont FLabelFont;
    TColor FBorderColor = clNone;
    bool FDisabledBorder = true;
    TDropDownForm* FDropDownForm = nullptr;
    TDropDownEditButton* FButton = nullptr;
    QString FOldText;
};
