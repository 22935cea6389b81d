#pragma once
// TOdButton: the owner-drawn push button of every form.
#include "controls/button/OdButtons.h"
#include "platform/Bitmap.h"
#include "platform/Controls.h"

class TOdButton : public TCustomControl {
public:
    explicit TOdButton(TComponent* AOwner);
    ~TOdButton() override;
    QString ClassName() const override { return QStringLiteral("TOdButton"); }
    // The window timer that fades the hot-track highlight out, one eighth per tick.
    static constexpr UINT_PTR FadeTimer = 1;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // Esc and Enter roles: the form's dialog keys click the button.
    bool Cancel = false;
    bool Default = false;
    // Writing a preset sets its colours and style; reading always gives lcsCustom.
    TOdColorStyle ColorStyle() const { return lcsCustom; }
    void SetColorStyle(TOdColorStyle value);
    TColor ColorWhenDown = clNone;
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    // A strip of NumGlyphs cells: normal, disabled, pressed, hot.
    const TBitmap& Glyph() const { return FGlyph; }
    // Copies the bitmap (nullptr empties the glyph), sets NumGlyphs from its shape and makes the kind custom.
    void SetGlyph(const TBitmap* value);
    TColor HotTrackColor = clNone;
    TFont& HotTrackFont() { return FHTFont; }
    void SetHotTrackFont(const TFont& value) { FHTFont.Assign(value); }
    TOdButtonKind Kind() const { return FKind; }
    void SetKind(TOdButtonKind value);
    TOdButtonLayout Layout() const { return FLayout; }
    void SetLayout(TOdButtonLayout value);
    TColor LightColor() const { return FLightColor; }
    void SetLightColor(TColor value);
    TModalResult ModalResult() const { return FModalResult; }
    // Also makes the kind custom; glyph and caption stay.
    void SetModalResult(TModalResult value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value);
    bool SlowDecease() const { return FSlowDecease; }
    void SetSlowDecease(bool value);
    TOdButtonStyle Style() const { return FStyle; }
    void SetStyle(TOdButtonStyle value);
    bool UseHotTrackFont = false;
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);

    // OnClick and OnMouseEnter are the control's; the button adds the pointer leaving.
    TNotifyEvent OnMouseExit;

    // Presses the button and runs its click: OnClick, the form's modal result, the popup menu below the
    // button (modal until it closes), then the linked action.
    void Click() override;
    void SetEnabled(bool value) override;
    void WndProc(TMessage& Message) override;
    // The first form among the owners, the button itself first.
    TCustomForm* GetOwnerForm() const;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    // Also takes the image of the action into an empty glyph.
    void ActionChange(TBasicAction& Sender) override;

private:
    // Runs the click of a pressed, visible and enabled button; false when it was ignored.
    bool DoClick();
    void CopyActionImage(const TImageList& images, int index);
    void OdButtonFadeTick();
    void mouseEnter();
    void mouseLeave();
    bool dialogChar(char16_t ch);
    bool dialogKey(WORD key, TShiftState shift);
    // Enabled, visible and on a showing parent: may become hot.
    bool canHover() const;
    TOdFace face(int width, int height, bool down) const;
    template <typename T>
    void setAndRepaint(T& field, T value);

    TAlignment FAlignment = taCenter;
    TColor FShadowColor = 0x808080;
    bool FFlat = false;
    bool FWordWrap = false;
    TBitmap FGlyph;
    TFont FHTFont;
    TOdButtonKind FKind = bkCustom;
    TOdButtonLayout FLayout = blGlyphLeft;
    TColor FLightColor = 0xFFFFFF;
    TModalResult FModalResult = mrNone;
    int FNumGlyphs = 0;
    TOdButtonStyle FStyle = bsNormal;
    bool FSlowDecease = false;
    bool bDown = false;
    bool bCursorOnButton = false;
    int FHotTrackStep = 0;
};
