#pragma once
// The date and time picker that edits a date, a time or both in one control: for both, a date picker
// with a time picker inside its right part. Typed digits can advance to the next field and from the last
// date field into the time; the check box enables the time; an attached label as the combo box has.
#include <cmath>
#include <memory>

#include "grid/base/VsgDateTimePicker.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "platform/Timers.h"

// The message a picker posts to itself after a typed digit.
UINT DTPShiftFocusMessage();

// The base of the combined picker and the class of its inner time picker.
class TCustomDateTimePicker : public TVsgDateTimePicker {
public:
    explicit TCustomDateTimePicker(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TCustomDateTimePicker"); }
    void WndProc(TMessage& Message) override;

    bool AutoTab() const { return FAutoTab; }
    virtual void SetAutoTab(bool value) { FAutoTab = value; }
    virtual bool IsInnerPicker() const { return true; }

protected:
    void KeyPress(char16_t& Key) override;
    bool IsMetroActive() const override { return MetroStyle() && !IsInnerPicker(); }
    bool IsComboPicker() const override { return true; }
    // After a typed digit: moves to the next field when the digit changed one.
    virtual void ShiftFocusCheck();
    // Remembers the fields before a typed digit.
    virtual void RememberFields();
    // Posts a Right key to the picker, unless the digit already moved the caret to the next field.
    void MoveToNextField();

    bool FAutoTab = false;
    int FFieldBefore = 0;

private:
    int Fh = 0;
    int Fm = 0;
    int Fs = 0;
};

enum TVoDateTimeKind { dkDate, dkTime, dkDateTime };
enum TBevelKind { bkNone, bkTile, bkSoft, bkFlat };

class TVoDateTimePicker : public TCustomDateTimePicker {
public:
    explicit TVoDateTimePicker(TComponent* AOwner);
    ~TVoDateTimePicker() override;
    QString ClassName() const override { return QStringLiteral("TVoDateTimePicker"); }
    void WndProc(TMessage& Message) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetParent(TWinControl* parent) override;
    void SetEnabled(bool v) override;

    // Ends a form's building: the time picker is made and arranged, the label placed.
    virtual void Loaded();
    int GetVersionNr() const override { return 0x01020000; }

    TVoDateTimeKind Kind() const { return FKind; }
    void SetKind(TVoDateTimeKind value);
    // Reading takes the time picker's time first; writing drops the milliseconds.
    TDateTime DateTime() const;
    virtual void SetDateTime(TDateTime value);
    // The whole day, also before 30 Dec 1899, where a time of day still counts forward from the day.
    TDateTime Date() const { return std::floor(DateTime()); }
    // Keeps the present time of day.
    void SetDate(TDateTime value);
    TDateTime Time() const;
    void SetTime(TDateTime value);
    QString TimeFormat() const { return FTimeFormat; }
    void SetTimeFormat(const QString& value);
    void SetFormat(const QString& value);
    void SetPickerBorderStyle(TBorderStyle value) override;
    void SetAutoTab(bool value) override;
    bool IsInnerPicker() const override { return false; }
    TCustomDateTimePicker* TimePicker() const { return FTimePicker; }
    TTimer* FocusTimer() const { return FFocusTimer; }
    // An edge round the picker (a kind and a cut inside or outside) takes 4 pixels from the time picker.
    TBevelKind BevelKind() const { return FBevelKind; }
    void SetBevelKind(TBevelKind value);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);

    bool FocusLabel = false;
    QString LabelCaption() const;
    void SetLabelCaption(const QString& value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool value);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool value);
    TFont& LabelFont() { return *FLabelFont; }
    TLabel* PickerLabel() const { return FLabel; }
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;
    TNotifyEvent OnTimeChange;

protected:
    void SetSystemTime(TDateTime value) override;
    void KeyPress(char16_t& Key) override;
    void RememberFields() override;
    void ShiftFocusCheck() override;
    void Notification(TComponent* component, TOperation operation) override;
    virtual void DoPickerChange();
    virtual void DoPickerClick();
    void TimePickerKeyPress(char16_t& Key);

private:
    void CreateTimePicker();
    void ArrangeTimePicker();
    void TimePickerCheck();
    void DateChanged(LPARAM flags);
    void CreateDateLabel();
    void PlaceDateLabel();
    void SetLabelBold(bool bold);

    TVoDateTimeKind FKind = dkDateTime;
    TTimer* FFocusTimer = nullptr;
    QString FTimeFormat;
    int Fy = 0;
    int Fm = 0;
    int Fd = 0;
    TDateTime FLastDate = 0;
    TLabel* FLabel = nullptr;
    std::unique_ptr<TFont> FLabelFont;
    TLabelPosition FLabelPosition = lpLeftTop;
    int FLabelMargin = 4;
    bool FLabelTransparent = false;
    bool FLabelAlwaysEnabled = false;
    bool FParentFnt = false;
    bool FFirstRun = true;
    TCustomDateTimePicker* FTimePicker = nullptr;
    TBevelKind FBevelKind = bkNone;
    TBevelCut FBevelInner = bvRaised;
    TBevelCut FBevelOuter = bvLowered;
};
