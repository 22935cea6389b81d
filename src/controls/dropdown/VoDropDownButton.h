#pragma once
// The button at the right edge of a drop-down edit: a small window that always takes its own width, holding
// a speed button that paints a combo-box arrow (themed, classic, or in the button colours the tones give
// it) or a push button.
#include "platform/Buttons.h"
#include "platform/Controls.h"

class TVoCustomDropDown;

enum TButtonStyle { bsButton, bsDropDown };

class TVoDropDownSpeedButton : public TSpeedButton {
public:
    explicit TVoDropDownSpeedButton(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TVoDropDownSpeedButton"); }
    void WndProc(TMessage& Message) override;
    // From now on the button is drawn released even while pressed.
    void SetUp() { FUp = true; }
    TButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TButtonStyle Value);
    bool Etched() const { return FEtched; }
    void SetEtched(bool Value);
    bool Focused() const { return FFocused; }
    void SetFocused(bool Value);
    bool Hot() const { return FHot; }
    // 4 disabled, 3 pressed, 2 hot, 1 normal.
    int ThemeState() const;

protected:
    void Paint() override;

private:
    bool pressed() const;
    void paintArrow();
    void paintPushButton();
    bool FEtched = false;
    bool FFocused = false;
    bool FHot = false;
    bool FUp = false;
    TButtonStyle FButtonStyle = bsButton;
};

class TDropDownEditButton : public TWinControl {
public:
    explicit TDropDownEditButton(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TDropDownEditButton"); }
    // The width is always the button's own width.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetEnabled(bool Value) override;

    TVoDropDownSpeedButton& Button() const { return *FButton; }
    TBitmap& Glyph() { return FButton->Glyph(); }
    QString ButtonCaption() const { return FButton->Caption(); }
    void SetButtonCaption(const QString& Value) { FButton->SetCaption(Value); }
    TWinControl* FocusControl = nullptr;
    // The width the window takes, whatever it is given.
    int BWidth() const { return FBWidth; }
    void SetBWidth(int Value);

    TColor ButtonColorDown = clNone;
    TColor ButtonBorderColor = clNone;
    TColor ButtonTextColor = clNone;
    TColor ButtonTextColorHot = clNone;
    // clNone: the themed or classic look; else the coloured one.
    TColor ButtonColor = clNone;
    TColor ButtonColorHot = clNone;
    TColor ButtonTextColorDown = clNone;

private:
    TVoDropDownSpeedButton* FButton;
    int FBWidth = 16;
};
