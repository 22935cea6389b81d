#pragma once
// The date and time picker: edit fields of a date or a time, an optional check box that says whether a
// date is set, and a month calendar that drops down (or up-down arrows instead).
#include "platform/Controls.h"

// Days since 30 December 1899, the fraction being the time of day.
using TDateTime = double;

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateMode { dmComboBox, dmUpDown };

// Notifications in CN_NOTIFY's WParam; a change's LParam is GDT_VALID, or GDT_NONE when the check box
// was cleared.
enum : UINT { DTN_DATETIMECHANGE = 1, DTN_DROPDOWN = 2, DTN_CLOSEUP = 3 };
enum : LPARAM { GDT_VALID = 0, GDT_NONE = 1 };
// A changed date also goes to the parent: WM_NOTIFY with WParam DTN_DATETIMECHANGE and LParam pointing to
// this record.
struct NMDATETIMECHANGE {
    class TDateTimePicker* From = nullptr;
    LPARAM Flags = GDT_VALID;
    TDateTime Time = 0;
};
// WParam GDT_VALID with LParam pointing to a TDateTime sets the value; GDT_NONE clears the check box.
constexpr UINT DTM_SETSYSTEMTIME = 0x1002;

class QDateTimeEdit;
class QCheckBox;

class TDateTimePicker : public TWinControl {
public:
    explicit TDateTimePicker(TComponent* AOwner);
    ~TDateTimePicker() override;
    QString ClassName() const override { return QStringLiteral("TDateTimePicker"); }
    // Left and Right move between the fields, F4 and Alt+Down drop the calendar; a field steps round
    // within its range.
    void WndProc(TMessage& Message) override;

    TDateTimeKind Kind() const { return kind_; }
    void SetKind(TDateTimeKind kind);
    TDateTime DateTime() const;
    void SetDateTime(TDateTime value);
    // The date keeps the time of day, the time keeps the date.
    TDateTime Date() const;
    void SetDate(TDateTime value);
    TDateTime Time() const;
    void SetTime(TDateTime value);
    // Fields in the letters d, M, y, h (12 hours), H, m, s and t (AM/PM); empty: the regional short date
    // or long time.
    QString Format() const { return format_; }
    void SetFormat(const QString& format);
    bool ShowCheckbox() const { return showCheckbox_; }
    void SetShowCheckbox(bool v);
    bool Checked() const;
    void SetChecked(bool v);
    TDTDateMode DateMode() const { return dateMode_; }
    void SetDateMode(TDTDateMode mode);
    // 0: no limit.
    TDateTime MinDate() const { return minDate_; }
    void SetMinDate(TDateTime value);
    TDateTime MaxDate() const { return maxDate_; }
    void SetMaxDate(TDateTime value);
    bool DroppedDown() const;
    void SetDroppedDown(bool v);
    // A 3-D frame round the fields.
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool v);
    // The field with the caret, from 0; SetFieldIndex keeps it within the fields.
    int FieldIndex() const;
    void SetFieldIndex(int index);
    int FieldCount() const;
    // The fields as shown.
    QString FieldsText() const;

    // Bound while WM_PAINT runs, after the picker has drawn itself.
    TCanvas& Canvas() { return canvas_; }

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    virtual void Change();
    // Writes the value into the fields (and checks the box): what SetDateTime and DTM_SETSYSTEMTIME do.
    virtual void SetSystemTime(TDateTime value);
    QString GetText() const override { return FieldsText(); }
    void ColorChanged() override;

private:
    void applyFormat();
    void notify(UINT code, LPARAM flags);

    QDateTimeEdit* edit_;
    QCheckBox* check_;
    TDateTimeKind kind_ = dtkDate;
    TDTDateMode dateMode_ = dmComboBox;
    QString format_;
    bool showCheckbox_ = false;
    TDateTime minDate_ = 0;
    TDateTime maxDate_ = 0;
    bool ctl3D_ = true;
    bool updating_ = false;
    TCanvas canvas_;
};

// A date and time as QDateTime-free values: days since 30 December 1899 from the parts, and back.
TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec);
void DecodeDateTime(TDateTime value, int& year, int& month, int& day, int& hour, int& minute, int& second, int& msec);
