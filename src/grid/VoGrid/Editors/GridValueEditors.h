#pragma once
// The value editors the string grid lays over a cell: spin, date, date-and-time, edit with a button and
// edit with a button and a unit. They follow the rules of the editors in GridEditors.h.
#include "grid/VoGrid/Editors/GridEditors.h"
#include "grid/base/VSGEdit/VSGEdit.h"
#include "grid/base/VoDateTimePicker/VoDateTimePicker.h"
#include "grid/base/VsgDateTimePicker.h"
#include "grid/base/vsgspin/vsgspin.h"

// The spin editor of the integer, float, time and date spin types.
class TGridSpin : public TVsgSpinEdit {
public:
    explicit TGridSpin(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TGridSpin"); }
    // CM_WANTSPECIALKEY; Tab and Enter characters are swallowed.
    void WndProc(TMessage& Message) override;
    // A spin button drawn in the cell was clicked before the editor opened.
    void PerformSpinClick(bool Up);

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
    void UpClick(TObject* Sender) override;
    void DownClick(TObject* Sender) override;
    void Change() override;
    void DoExit() override;

private:
    void paging(WORD Key);
    void spinClicked(bool Up);

    VOroDavoduRuzu* FGrid;
};

// The date picker of the date and time types; a typed digit that completes a field moves to the next one.
class TGridDatePicker : public TVsgDateTimePicker {
public:
    explicit TGridDatePicker(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TGridDatePicker"); }
    // CM_WANTSPECIALKEY, "DTPShiftFocus", the drop-down notifications.
    void WndProc(TMessage& Message) override;

    bool Weeknumbers = false;
    bool ShowToday = true;
    bool ShowTodayCircle = true;
    bool Dropped() const { return FOldDropped; }

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
    void DoExit() override;
    virtual void CheckShiftFocus();

private:
    int Fy = 0, Fm = 0, Fd = 0, Fth = 0, Ftm = 0, Fts = 0, Ftms = 0;
    int FFieldBefore = 0;
    // Sets the value from a cell text of the picker's kind; the current date and time when it does not read.
    void takeText(const QString& Text);
    bool validate(WORD& Key, bool KeepCursor);
    bool FOldDropped = false;
    VOroDavoduRuzu* FGrid;
};

// The date and time picker of edDateTimeEdit.
class TGridDateTimePicker : public TVoDateTimePicker {
public:
    explicit TGridDateTimePicker(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TGridDateTimePicker"); }
    void WndProc(TMessage& Message) override;
    // The value as the short date, a space and the short time; empty when the check box is cleared.
    QString CellText() const;

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
    void DoExit() override;

private:
    VOroDavoduRuzu* FGrid;
};

// The edit with a button of the edit-button types: lookup completion, number filters, paste, the ellipsis hook.
class TGridEditBtn : public TVsgEditBtn {
public:
    explicit TGridEditBtn(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TGridEditBtn"); }
    // CM_WANTSPECIALKEY, WM_CHAR filters, WM_PASTE, WM_LBUTTONDBLCLK.
    void WndProc(TMessage& Message) override;

    bool StopEditAfterClick = false;
    bool WorkMode = true;

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
    void Change() override;
    void DoExit() override;
    void DoClickBtn(TObject* Sender) override;

private:
    void paste();
    void lookup();

    VOroDavoduRuzu* FGrid;
};

// The edit with a button and a unit: the cell holds the value followed by its unit.
class TGridUnitEditBtn : public TVsgUnitEditBtn {
public:
    explicit TGridUnitEditBtn(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TGridUnitEditBtn"); }
    void WndProc(TMessage& Message) override;
    // Splits a cell text into value and unit.
    void SetCellText(const QString& Value);

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
    void Change() override;
    void DoExit() override;
    void DoClickBtn(TObject* Sender) override;

private:
    VOroDavoduRuzu* FGrid;
};

// The numeric and float character rules of the edit-button editors for the grid's editor type; false when
// the character is dropped.
bool EditBtnCharAllowed(VOroDavoduRuzu& Grid, TCustomMaskEdit& Edit, char16_t Key);
