#pragma once
// The header and footer bars of a drop-down's pop-up and their buttons: a gradient background with a
// border, an image, a marked-up caption and a row of push buttons built from the drop-down's header or
// footer appearance. A click on a bar button reaches the drop-down as the button's index; a footer button
// with a dialog result also closes the pop-up. The footer's size grip resizes the pop-up.
#include <functional>
#include <vector>

#include "grid/VoGrid/VoDropDownAppearance.h"
#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/Timers.h"

class TVoCustomDropDown;

using TDrawBackGroundEvent = std::function<void(TObject* Sender, TCanvas& ACanvas, const TRect& ARect)>;
using TGetTextEvent = std::function<void(TObject* Sender, QString& Text)>;

// The colours and font of a bar button. Every colour setter raises OnChange when the value changes.
class TVoButtonAppearance : public TPersistent {
public:
    TVoButtonAppearance();
    // From another button appearance every colour and the gradient, through the setters; not the font.
    void Assign(const TPersistent& Source) override;

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { set(FBorderColor, Value); }
    TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(TColor Value) { set(FBorderColorHot, Value); }
    TColor BorderColorDown() const { return FBorderColorDown; }
    void SetBorderColorDown(TColor Value) { set(FBorderColorDown, Value); }
    TColor BorderColorDisabled() const { return FBorderColorDisabled; }
    void SetBorderColorDisabled(TColor Value) { set(FBorderColorDisabled, Value); }
    TColor BorderColorChecked() const { return FBorderColorChecked; }
    void SetBorderColorChecked(TColor Value) { set(FBorderColorChecked, Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { set(FColor, Value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value) { set(FColorTo, Value); }
    TColor ColorDown() const { return FColorDown; }
    void SetColorDown(TColor Value) { set(FColorDown, Value); }
    TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(TColor Value) { set(FColorDownTo, Value); }
    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor Value) { set(FColorHot, Value); }
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor Value) { set(FColorHotTo, Value); }
    TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(TColor Value) { set(FColorChecked, Value); }
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor Value) { set(FColorCheckedTo, Value); }
    TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(TColor Value) { set(FColorDisabled, Value); }
    TColor ColorDisabledTo() const { return FColorDisabledTo; }
    void SetColorDisabledTo(TColor Value) { set(FColorDisabledTo, Value); }
    TGradientDirection Gradient() const { return FGradient; }
    void SetGradient(TGradientDirection Value) { set(FGradient, Value); }
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    // Copies the font; raises nothing.
    void SetFont(const TFont& Value) { FFont.Assign(Value); }

    TNotifyEvent OnChange;

private:
    template <typename T>
    void set(T& Field, T Value)
    {
        if (Field == Value)
            return;
        Field = Value;
        if (OnChange)
            OnChange(this);
    }
    TColor FBorderColor = clNone;
    TColor FBorderColorHot = 0x808080;
    TColor FBorderColorDown = 0x800000;
    TColor FBorderColorDisabled = 0x808080;
    TColor FBorderColorChecked = 0xFF0000;
    TColor FColor = clNone;
    TColor FColorTo = clNone;
    TColor FColorDown = 0xF5D8CA;
    TColor FColorDownTo = 0xF9BDA0;
    TColor FColorHot = 0xF5F0E1;
    TColor FColorHotTo = 0xF9D2B2;
    TColor FColorCheckedTo;
    TColor FColorDisabled = 0xF2F2F2;
    TColor FColorDisabledTo = clNone;
    TColor FColorChecked;
    TGradientDirection FGradient = gdVertical;
    TFont FFont;
};

// The drawn push button of the bars. It shows what its parent paints under it, then its face.
class TVoButton : public TCustomControl {
public:
    explicit TVoButton(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TVoButton"); }
    void WndProc(TMessage& Message) override;
    // Applies the result to the pop-up; a closing result closes it (cancelled for Cancel, Abort, Ignore, No
    // and NoToAll); a click from the keyboard raises no OnClick.
    void Click() override;
    // The caption's single-line size plus 8 by 4, at least the glyph's.
    void SizeToContent();
    virtual void DrawButton(TCanvas& Canvas);

    TVoButtonAppearance* Appearance() const { return FAppearance; }
    void SetAppearance(TVoButtonAppearance* Value);
    const TImageList* Images() const { return FImages; }
    void SetImages(const TImageList* Value) { FImages = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    TVoCustomDropDown* VoDropDown() const { return FVoDropDown; }
    void SetVoDropDown(TVoCustomDropDown* Value) { FVoDropDown = Value; }
    bool MouseInControl() const { return FMouseInControl; }
    bool MouseDownInControl() const { return FMouseDownInControl; }
    TTimer& UnHotTimer() { return *FUnHotTimer; }
    int Tag = 0;

protected:
    void Paint() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void mouseEnter();
    void mouseLeave();
    void unHotTick();
    // Enter or leave by where the pointer is now.
    void testCursor();
    bool cursorInside() const;
    TVoButtonAppearance* FAppearance = nullptr;
    const TImageList* FImages = nullptr;
    int FImageIndex = -1;
    TModalResult FModalResult = mrNone;
    TVoCustomDropDown* FVoDropDown = nullptr;
    bool FMouseInControl = false;
    bool FMouseDownInControl = false;
    bool FInternalClick = false;
    TTimer* FUnHotTimer;
};

// The bars' button list; an index outside it raises "Index out of bounds in list read access" (or write).
class TDbgList {
public:
    int Count() const { return static_cast<int>(FItems.size()); }
    TVoButton* GetItemsEx(int Index) const;
    void SetItemsEx(int Index, TVoButton* Value);
    void Add(TVoButton* Value) { FItems.push_back(Value); }
    void Clear() { FItems.clear(); }
    void AssignList(const TDbgList& ListA) { FItems = ListA.FItems; }
    TVoButton* Last() const { return FItems.empty() ? nullptr : FItems.back(); }
    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    std::vector<TVoButton*> FItems;
};

// What the header and footer bars share; the footer adds the size grip and its buttons' results.
class TVoBar : public TCustomControl {
public:
    QString ClassName() const override { return QStringLiteral("TVoBar"); }
    // Links the bar to its drop-down: its images and a copy of its header (footer) appearance.
    void SetVoDropDown(TVoCustomDropDown* ADropDown);
    TVoCustomDropDown* VoDropDown() const { return FVoDropDown; }
    // Rebuilds the buttons when the bar is linked.
    void InitButtons();
    virtual void CreateButtons();
    virtual void ClearButtons();
    virtual void ArrangeButtons();
    virtual void UpdateButtons();
    // The bar's own copy of the look.
    virtual TDropDownAppearance& Appearance() = 0;
    const TImageList* Images() const { return FImages; }
    void SetImages(const TImageList* Value) { FImages = Value; }
    const TDbgList& ButtonList() const { return FButtonList; }
    // The area the buttons sit in.
    virtual TRect ButtonArea() const = 0;

    TDrawBackGroundEvent OnDrawBackGround;
    TGetTextEvent OnGetText;

protected:
    explicit TVoBar(TComponent* AOwner);
    // Visibility and height follow the own appearance.
    void watchAppearance();
    void Paint() override;
    void Resize() override;
    // The drop-down's header or footer appearance this bar copies.
    virtual const TDropDownAppearance& SourceAppearance() const = 0;
    virtual void Clicked(int Index) = 0;
    // The border line next to the pop-up's content, and the frame just inside the border.
    virtual void DrawBorder(TCanvas& Canvas, const TRect& R, bool AllSides) = 0;
    virtual void DrawGrip(TCanvas&, const TRect&) {}
    // Footer buttons close the pop-up with their result.
    virtual bool ButtonsClose() const { return false; }

private:
    void appearanceChanged();
    void buttonClick(TObject* Sender);
    const TImageList* FImages = nullptr;
    TVoCustomDropDown* FVoDropDown = nullptr;
    TDbgList FButtonList;
};

class TVoHeader : public TVoBar {
public:
    explicit TVoHeader(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TVoHeader"); }
    TDropDownAppearance& Appearance() override { return FLook; }
    TRect ButtonArea() const override;

protected:
    const TDropDownAppearance& SourceAppearance() const override;
    void Clicked(int Index) override;
    void DrawBorder(TCanvas& Canvas, const TRect& R, bool AllSides) override;

private:
    THeaderAppearance FLook;
};

class TVoFooter : public TVoBar {
public:
    explicit TVoFooter(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TVoFooter"); }
    TDropDownAppearance& Appearance() override { return FLook; }
    TRect ButtonArea() const override;
    // The appearance asks for it, the bar is linked and its drop-down is sizeable.
    bool SizeGripVisible() const;

protected:
    const TDropDownAppearance& SourceAppearance() const override;
    void Clicked(int Index) override;
    void DrawBorder(TCanvas& Canvas, const TRect& R, bool AllSides) override;
    void DrawGrip(TCanvas& Canvas, const TRect& R) override;
    bool ButtonsClose() const override { return true; }
    void WndProc(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    bool inGrip(int X, int Y) const;
    TFooterAppearance FLook;
    void restoreCursor();
    TCursor FOldCursor = crDefault;
    // While the grip is dragged: where the drag started on the screen and the pop-up's size then.
    bool FSizing = false;
    TPoint FSizeStart;
    TSize FStartSize;
};
