#pragma once
// The spin button (two arrows that repeat while held) and the spin edit: an edit holding an integer, a
// float, a date or a time that the arrows and the cursor keys step, clamped to a range.
#include "grid/base/VoUtil/VoUtilText.h"
#include "grid/base/VsgEditLook.h"
#include "platform/Buttons.h"
#include "platform/Mask.h"
#include "platform/Timers.h"

enum TTimeBtnStateFlag : std::uint8_t { tbFocusRect = 1 << 0, tbAllowTimer = 1 << 1 };
using TTimeBtnState = std::uint8_t;
enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };
enum TSpinDirection { spVertical, spHorizontal };

class TVsgSpinButton;

// An arrow of the spin button: while held with the mouse it clicks again after 400 ms, then every 100 ms.
class TVoTimerSpeedButton : public TSpeedButton {
public:
    explicit TVoTimerSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}
    QString ClassName() const override { return QStringLiteral("TVoTimerSpeedButton"); }
    void WndProc(TMessage& Message) override;

    TTimeBtnState TimeBtnState = 0;
    TButtonDirection ButtonDirection = bdUp;
    bool IsWinXP = false;
    // Created on the first press; nullptr before.
    TTimer* RepeatTimer() const { return FRepeatTimer; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void TimerExpired();
    TVsgSpinButton* spin() const;

    TTimer* FRepeatTimer = nullptr;
    bool FHasMouse = false;
};

class TVsgSpinButton : public TWinControl, public TButtonColors {
public:
    explicit TVsgSpinButton(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TVsgSpinButton"); }
    void WndProc(TMessage& Message) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection value);
    TBitmap& UpGlyph() { return FUpButton->Glyph(); }
    TBitmap& DownGlyph() { return FDownButton->Glyph(); }
    // nullptr puts the built-in arrow back with one glyph.
    void SetUpGlyph(const TBitmap* value);
    void SetDownGlyph(const TBitmap* value);
    int UpNumGlyphs() const { return FUpButton->NumGlyphs(); }
    void SetUpNumGlyphs(int n) { FUpButton->SetNumGlyphs(n); }
    int DownNumGlyphs() const { return FDownButton->NumGlyphs(); }
    void SetDownNumGlyphs(int n) { FDownButton->SetNumGlyphs(n); }
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* value);
    void SetIsWinXP(bool value);
    bool IsWinXP() const { return FIsWinXP; }

    TVoTimerSpeedButton* UpButton() const { return FUpButton; }
    TVoTimerSpeedButton* DownButton() const { return FDownButton; }
    TVoTimerSpeedButton* FocusedButton() const { return FFocusedButton; }

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TVoTimerSpeedButton* CreateSpinButton();
    void LayoutSpinButtons(int& w, int h);
    void SpinButtonClick(TObject* Sender);
    void SpinButtonMouseDown(TObject* Sender, TMouseButton Button);
    void SetFocusedButton(TVoTimerSpeedButton* button);

    TVoTimerSpeedButton* FUpButton = nullptr;
    TVoTimerSpeedButton* FDownButton = nullptr;
    TVoTimerSpeedButton* FFocusedButton = nullptr;
    TWinControl* FFocusControl = nullptr;
    TSpinDirection FDirection = spVertical;
    bool FIsWinXP = false;
};

// The built-in arrow glyphs.
void LoadSpinGlyph(TBitmap& bitmap, bool up);

enum TVsgSpinType { sptNormal, sptFloat, sptDate, sptTime };
enum TEditAlign { eaLeft, eaRight, eaCenter };

class TVsgSpinEdit : public TCustomMaskEdit {
public:
    explicit TVsgSpinEdit(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TVsgSpinEdit"); }
    void WndProc(TMessage& Message) override;

    // Ends a form's building: shows the stored date or time and applies the kind again.
    virtual void Loaded();

    TVsgSpinType SpinType() const { return FSpinType; }
    // Shows the present value as the new kind.
    void SetSpinType(TVsgSpinType value);
    // The text as a value; a text that doesn't read gives the fall-back named at each.
    int Value() const;  // MinValue
    void SetValue(int value);
    double FloatValue() const;  // MinValue
    void SetFloatValue(double value);
    TDateTime DateValue() const;  // "0" or empty: now; else MinDateValue
    void SetDateValue(TDateTime value);
    TDateTime TimeValue() const;  // 0
    void SetTimeValue(TDateTime value);

    int MinValue = 0;
    int MaxValue = 100;
    double MinFloatValue = 0;
    double MaxFloatValue = 100;
    TDateTime MinDateValue = 0;
    TDateTime MaxDateValue = 0;
    int Increment = 1;
    double IncrementFloat = 0.1;
    double IncrementFloatPage = 1.0;
    int IncrementHours = 1;
    int IncrementMinutes = 1;
    int IncrementSeconds = 1;
    int Precision() const { return FPrecision; }
    void SetPrecision(int value);
    bool ShowSeconds = true;
    bool EditorEnabled = true;
    bool ReturnIsTab = false;
    bool ExcelStyleDecimalSeparator = false;
    bool AllowEmptyValue = false;
    TSpinDirection Direction() const { return FButton->Direction(); }
    void SetDirection(TSpinDirection value);
    TEditAlign EditAlign() const { return FEditAlign; }
    void SetEditAlign(TEditAlign value);
    bool SpinFlat() const { return FSpinFlat; }
    void SetSpinFlat(bool value);
    bool SpinTransparent() const { return FSpinTransparent; }
    void SetSpinTransparent(bool value);
    TVsgSpinButton* Button() const { return FButton; }
    void SetIsWinXP(bool value);

    // Steps up or down by the kind's increment; Page: the float page step.
    virtual void StepUp(bool Page);
    virtual void StepDown(bool Page);

protected:
    virtual bool CharAllowed(char16_t Key) const;
    virtual void UpClick(TObject* Sender);
    virtual void DownClick(TObject* Sender);
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
    void DoEnter() override;
    void DoExit() override;

private:
    void SetEditRect();
    int MinEditHeight() const;
    void Resized();
    void StepDate(int direction);
    void StepTime(int direction);
    void NudgeWidth();
    void ReapplyValue();
    void WriteKeepingCaret(const QString& text);
    QString TimeText(TDateTime value) const;

    TVsgSpinButton* FButton = nullptr;
    TVsgSpinType FSpinType = sptNormal;
    TDateTime FDateValue = 0;
    TDateTime FTimeValue = 0;
    int FPrecision = 0;
    TEditAlign FEditAlign = eaLeft;
    bool FSpinFlat = false;
    bool FSpinTransparent = false;
    bool FIsWinXP = false;
    bool FUsDates = false;
    bool FKeypadDecimal = false;
};
