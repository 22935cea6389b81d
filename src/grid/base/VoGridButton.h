#pragma once
// The grid's speed button: a button without a window, with hot, down and checked colours, optional
// gradients and rounded corners, glyphs for the normal, hot, down and disabled looks, a shade under the
// glyph while hot, exclusive groups and a drop-down part at its right.
#include "platform/Buttons.h"
#include "platform/Menus.h"

enum TVoGridButtonStyle { tasButton, tasCheck };

class TVoGridButton : public TGraphicControl {
public:
    explicit TVoGridButton(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TVoGridButton"); }
    void WndProc(TMessage& Message) override;
    void Click() override;

    // Ends a form's building: the shade glyph is made and the theme look applied.
    virtual void Loaded();

    TBitmap& Glyph() { return FGlyph; }
    // Copies the bitmap; without a disabled glyph one is made from it.
    void SetGlyph(const TBitmap& value);
    TBitmap& GlyphHot() { return FGlyphHot; }
    void SetGlyphHot(const TBitmap& value) { FGlyphHot.Assign(value); }
    TBitmap& GlyphDown() { return FGlyphDown; }
    void SetGlyphDown(const TBitmap& value) { FGlyphDown.Assign(value); }
    TBitmap& GlyphDisabled() { return FGlyphDisabled; }
    void SetGlyphDisabled(const TBitmap& value) { FGlyphDisabled.Assign(value); }
    TBitmap& GlyphShade() { return FGlyphShade; }

    bool Down() const { return FDown; }
    void SetDown(bool value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value);
    bool Shaded() const { return FShaded; }
    void SetShaded(bool value);
    int Look() const { return FLook; }
    // Looks 0 to 6 set the colour scheme of a table; other values do nothing.
    void SetLook(int value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool value);
    TVoGridButtonStyle Style() const { return FStyle; }
    void SetStyle(TVoGridButtonStyle value);
    bool Rounded() const { return FRounded; }
    void SetRounded(bool value);
    bool DropDownButton() const { return FDropDownButton; }
    void SetDropDownButton(bool value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value);
    TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(TColor value);
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor value);
    TColor ColorHot = 0xCAC7C7;
    TColor ColorHotTo = clNone;
    TColor ColorDown = 0xD8D3D2;
    TColor ColorDownTo = clNone;
    TColor BorderDownColor = clNone;
    TColor BorderHotColor = clNone;
    bool AutoXPStyle = false;
    TPopupMenu* DropDownMenu = nullptr;
    TNotifyEvent OnDropDown;

    TButtonState State() const { return FState; }
    bool MouseInControl() const { return FMouseInControl; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void MakeDisabledGlyph();
    void MakeShadeGlyph();
    void ThemeAdapt();
    void UpdateExclusive();
    void GroupMessage(int groupIndex, TVoGridButton* sender);
    void PaintFlatFace(TRect& r);
    void PaintContent(TRect r);
    bool Inside(int X, int Y) const;

    int FGroupIndex = 0;
    TBitmap FGlyph;
    bool FDown = false;
    bool FDragging = false;
    bool FAllowAllUp = false;
    TButtonLayout FLayout = blGlyphLeft;
    int FSpacing = 4;
    int FMargin = -1;
    bool FFlat = true;
    bool FMouseInControl = false;
    TColor FColorTo = clNone;
    TColor FBorderColor = clNone;
    TBitmap FGlyphDisabled;
    TBitmap FGlyphHot;
    TBitmap FGlyphDown;
    TBitmap FGlyphShade;
    bool FShaded = true;
    TColor FColorChecked = 0x808080;
    TColor FColorCheckedTo = clNone;
    TVoGridButtonStyle FStyle = tasButton;
    int FLook = 0;
    bool FRounded = false;
    bool FDropDownButton = false;
    bool FAutoThemeAdapt = false;
    bool FShowCaption = true;
    TButtonState FState = bsUp;
};

// A vertical gradient of 16 bands from one colour to another, framed in frame unless that is clNone.
void DrawButtonGradient(TCanvas& canvas, TColor from, TColor to, TColor frame, const TRect& r);
