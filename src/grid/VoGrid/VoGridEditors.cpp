// The special editors of the string grid: which control serves an editor type, how it is laid over the
// cell with the cell's value, and how its value is written back when editing ends.
#include "grid/VoGrid/Editors/EditLink.h"
#include "grid/VoGrid/Editors/FlagScope.h"
#include "grid/VoGrid/Editors/GridValueEditors.h"
#include "grid/VoGrid/Editors/VoRichEdit.h"
#include "grid/VoGrid/VoGrid.h"

#include <QDateTime>
#include <cmath>

namespace {
bool isSpinType(TEditorType type)
{
    return type == edSpinEdit || type == edFloatSpinEdit || type == edTimeSpinEdit || type == edDateSpinEdit;
}

bool isDateType(TEditorType type)
{
    return type == edDateEdit || type == edDateEditUpDown || type == edTimeEdit;
}

bool isEditBtnType(TEditorType type)
{
    return type == edEditBtn || type == edNumericEditBtn || type == edFloatEditBtn || type == edMaskEditBtn;
}

bool isUnitType(TEditorType type)
{
    return type == edUnitEditBtn || type == edNumericUnitEditBtn || type == edFloatUnitEditBtn;
}

TVsgSpinType spinTypeOf(TEditorType type)
{
    switch (type) {
    case edFloatSpinEdit:
        return sptFloat;
    case edTimeSpinEdit:
        return sptTime;
    case edDateSpinEdit:
        return sptDate;
    default:
        return sptNormal;
    }
}

// Hours, minutes and optional seconds, or the regional short or long time.
QTime readTime(const QString& text)
{
    const QChar sep = LocaleTimeSeparator();
    for (const QString& format : {QStringLiteral("H%1m%1s").arg(sep), QStringLiteral("H%1m").arg(sep)})
        if (const QTime t = QTime::fromString(text, format); t.isValid())
            return t;
    const QTime t = QLocale().toTime(text, QLocale::ShortFormat);
    return t.isValid() ? t : QLocale().toTime(text, QLocale::LongFormat);
}

TDateTime nowDateTime()
{
    const QDateTime now = QDateTime::currentDateTime();
    return EncodeDateTime(now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
                          now.time().minute(), now.time().second(), now.time().msec());
}
}  // namespace

bool VOroDavoduRuzu::IsTextEditor(TEditorType Type)
{
    switch (Type) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edCapital:
    case edMixedCase:
    case edPassword:
    case edLowerCase:
    case edUpperCase:
    case edPositiveFloat:
        return true;
    default:
        return false;
    }
}

// The text types, and the drop-down types whose editor is not made.
bool VOroDavoduRuzu::servedByTextEditor(TEditorType type)
{
    return IsTextEditor(type) || type == edValidChars || (IsDropDownEditor(type) && !dropDownBuilt(type));
}

void VOroDavoduRuzu::editorLook(int ACol, int ARow, TBrush& ABrush, TFont& AFont, TAlignment& HA)
{
    TGridDrawState state = 0;
    ABrush.SetColor(Color());
    AFont.Assign(Font());
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    HA = DefaultAlignment;
    TVAlignment va = VAlignment;
    bool ww = WordWrap;
    TCellGradientDirection gd = GradientVertical;
    GetVisualProperties(ACol, ARow, state, false, false, true, ABrush, colorTo, mirror, mirrorTo, AFont, HA, va, ww,
                        gd);
    if (ABrush.Color() == clNone)
        ABrush.SetColor(Color());
}

void VOroDavoduRuzu::ShowSpecialEditor(int ACol, int ARow)
{
    FEditing = true;
    FSpecialEditor = true;
    FEditActive = true;
    const TRect R = TBaseGrid::CellRect(ACol, ARow);
    const int C = RealColIndex(ACol);
    TBrush brush;
    TFont font;
    TAlignment ha = taLeftJustify;
    editorLook(ACol, ARow, brush, font, ha);
    FGridState = gsNormal;
    FEditCtrl = nullptr;
    if (EditControl != edCustom)
        FLastValidation = true;
    const TEditorType type = EditControl;
    if (isSpinType(type)) {
        showSpin(C, ARow, R);
    } else if (isDateType(type)) {
        showDatePicker(C, ARow, R);
    } else if (isEditBtnType(type)) {
        showEditBtn(C, ARow, R);
    } else if (isUnitType(type)) {
        showUnitEditBtn(C, ARow, R);
    } else {
        switch (type) {
        case edComboEdit:
        case edComboList:
            Combobox()->SetColor(brush.Color());
            showCombo(C, ARow, R);
            break;
        case edCheckBox: {
            TGridCheckBox& check = *EditCheckBox();
            check.SetBounds(R.Left, R.Top, R.Width() - 1, R.Height() - 1);
            check.SetText(GetEditText(ACol, ARow));
            check.SetEnabled(true);
            check.SetState(cbUnchecked);
            check.SetVisible(true);
            check.SetFocus();
            break;
        }
        case edButton: {
            TGridButton& button = *Btn();
            button.SetBounds(R.Left - 1, R.Top - 1, R.Width() + 1, R.Height() + 1);
            button.SetText(GetEditText(ACol, ARow));
            button.SetEnabled(true);
            button.SetVisible(true);
            button.SetFocus();
            FEditCtrl = &button;
            break;
        }
        case edDateTimeEdit:
            showDateTimePicker(C, ARow, R);
            break;
        case edCustom:
            showCustom(C, ARow, R, brush, font);
            break;
        case edRichEdit:
            showRichEdit(C, ARow, R);
            break;
        default:
            if (dropDownBuilt(type))
                showDropDown(C, ARow, R);
            break;
        }
    }
    FStartEditChar = QChar();
}

// Places, shows and focuses an editor control over the cell, replays the typed start character into it
// and makes it the editor in use.
void VOroDavoduRuzu::showEditorControl(TWinControl& control, int C, int ARow, const TRect& R)
{
    control.SetBounds(R.Left, R.Top, R.Width() - 1, R.Height() - 1);
    DoGetEditorProp(C, ARow, EditLink);
    control.SetVisible(true);
    control.SetEnabled(true);
    control.SetFocus();
    if (!FStartEditChar.isNull())
        PostMessage(&control, WM_CHAR, FStartEditChar.unicode());
    FEditCtrl = &control;
}

void VOroDavoduRuzu::showCombo(int C, int ARow, const TRect& R)
{
    TGridCombo& combo = *Combobox();
    const int ACol = DisplColIndexOf(C);
    bool fellBack = false;
    {
        const TFlagScope quiet(FNoEditChange);
        combo.SetDropDownCount(FControlLook.DropDownCount);
        combo.SetDroppedDown(false);
        const QString text = GetEditText(ACol, ARow);
        if (EditControl == edComboEdit) {
            combo.SetStyle(csDropDown);
            combo.SetText(text);
            if (FComboIdx != -1 && combo.ItemIndex() < 0)
                combo.SetItemIndex(FComboIdx);
        } else {
            combo.SetStyle(csDropDownList);
            int index = combo.Items().IndexOf(GetGridCell(C, ARow));
            if (index < 0 && FComboIdx == -1) {
                index = combo.Items().IndexOf(text);
                if (index < 0) {
                    index = combo.Items().Count() > 0 ? 0 : -1;
                    fellBack = index == 0;
                }
            } else if (index < 0) {
                index = FComboIdx;
            }
            combo.SetItemIndex(index);
        }
    }
    const bool flat = FLook == glQEV || FLook == glXP || FLook == glListView || FLook == glVista || FLook == glWin7 ||
                      FLook == glOffice2007;
    combo.SetFlat(flat);
    combo.SetEtched(flat);
    if (FNavigation.AutoComboDropSize)
        combo.SizeDropDownWidth();
    else if (combo.DropWidth() > 0)
        combo.Perform(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(combo.DropWidth()));
    showEditorControl(combo, C, ARow, R);
    if (fellBack) {
        if (OnEditChange)
            OnEditChange(this, Col(), ARow, combo.Text());
        if (OnComboChange)
            OnComboChange(this, C, ARow, 0, combo.Items()[0]);
        if (OnComboObjectChange)
            OnComboObjectChange(this, C, ARow, 0, combo.Items()[0], combo.Items().Objects(0));
    }
    if (FMouseActions.DirectComboDrop || FControlLook.DropDownAlwaysVisible())
        combo.SetDroppedDown(true);
}

// Hides an editor control; the grid takes the focus first so that the control's exit does not end the
// edit a second time.
void VOroDavoduRuzu::hideEditorControl(TWinControl& control)
{
    if (control.Focused())
        SetFocus();
    control.SetEnabled(false);
    control.SetVisible(false);
}

void VOroDavoduRuzu::CommitSpecialEditor(int ACol, int ARow)
{
    if (ComponentState() & csDestroying)
        return;
    FSpecialEditor = false;
    const TFlagScope blockKill(FBlockKill);
    const int C = RealColIndex(ACol);
    FStartEditChar = QChar();
    const TEditorType type = EditControl;
    if (isSpinType(type)) {
        EditMode = false;
        commitSpin(C, ARow);
        hideEditorControl(*SpinEdit());
    } else if (isDateType(type)) {
        if (VoGridUnit().DatePickerAvailable) {
            EditMode = false;
            TGridDatePicker& picker = *DateTimePicker();
            SetEditedCellText(C, ARow, picker.Checked() ? picker.Text() : QString());
            hideEditorControl(picker);
        }
    } else if (isEditBtnType(type)) {
        if (EditMode) {
            EditMode = false;
            SetEditedCellText(C, ARow, BtnEdit()->Text());
            hideEditorControl(*BtnEdit());
        }
    } else if (isUnitType(type)) {
        if (EditMode) {
            EditMode = false;
            SetEditedCellText(C, ARow, BtnUnitEdit()->TextAndUnit());
            hideEditorControl(*BtnUnitEdit());
        }
    } else {
        switch (type) {
        case edComboEdit:
        case edComboList:
            if (!EditMode)
                break;
            EditMode = false;
            SetEditedCellText(C, ARow, Combobox()->Text());
            hideEditorControl(*Combobox());
            break;
        case edCheckBox:
            EditMode = false;
            hideEditorControl(*EditCheckBox());
            break;
        case edButton:
            EditMode = false;
            hideEditorControl(*Btn());
            break;
        case edDateTimeEdit:
            if (VoGridUnit().DatePickerAvailable && FEditDateTime) {
                EditMode = false;
                SetEditedCellText(C, ARow, FEditDateTime->CellText());
                hideEditorControl(*FEditDateTime);
            }
            break;
        case edCustom:
            if (EditLink) {
                EditMode = false;
                SetEditedCellText(C, ARow, EditLink->GetEditorValue());
                if (EditLink->EditStyle != esPopup)
                    EditLink->SetVisible(false);
                EditLink->RestoreWinProc();
            }
            break;
        case edRichEdit:
            if (FInplaceRichEdit && FInplaceRichEdit->Visible()) {
                EditMode = false;
                SetEditedCellText(C, ARow, RichToString(*FInplaceRichEdit));
                hideEditorControl(*FInplaceRichEdit);
            }
            break;
        default:
            if (dropDownBuilt(type) && FDropDowns->Editor(type).Visible()) {
                EditMode = false;
                commitDropDown(type, C, ARow);
                hideEditorControl(FDropDowns->Editor(type));
            }
            break;
        }
    }
    if (EditControl != edNormal && FEditActive)
        NotifyEditDone(C, ARow);
    FEditActive = false;
}

// --- Leaving a special editor --------------------------------------------------------------------

// The value the open special editor would write; none for the editors that write nothing.
std::optional<QString> VOroDavoduRuzu::specialEditorValue()
{
    const TEditorType type = EditControl;
    if (isSpinType(type))
        return SpinEdit()->Text();
    if (isDateType(type)) {
        if (!VoGridUnit().DatePickerAvailable || !FEditDate)
            return std::nullopt;
        return FEditDate->Checked() ? FEditDate->Text() : QString();
    }
    if (isEditBtnType(type))
        return BtnEdit()->Text();
    if (isUnitType(type))
        return BtnUnitEdit()->TextAndUnit();
    switch (type) {
    case edComboEdit:
    case edComboList:
        return Combobox()->Text();
    case edDateTimeEdit:
        return FEditDateTime ? std::optional(FEditDateTime->CellText()) : std::nullopt;
    case edCustom:
        return EditLink ? std::optional(EditLink->GetEditorValue()) : std::nullopt;
    case edRichEdit:
        if (FInplaceRichEdit && FInplaceRichEdit->Visible())
            return RichToString(*FInplaceRichEdit);
        return std::nullopt;
    default:
        if (dropDownBuilt(type) && FDropDowns->Editor(type).Visible())
            return FDropDowns->Value(type);
        return std::nullopt;
    }
}

// Shows a value in the open special editor, so that its commit writes it.
void VOroDavoduRuzu::loadSpecialEditor(const QString& Text)
{
    const TFlagScope quiet(FNoEditChange);
    const TEditorType type = EditControl;
    if (isSpinType(type)) {
        TGridSpin& spin = *SpinEdit();
        spin.SetText(spin.SpinType() == sptFloat ? CleanFloatText(Text) : Text);
        if (spin.SpinType() == sptNormal)
            spin.SetValue(Text.trimmed().toInt());
    } else if (isDateType(type)) {
        if (FEditDate)
            FEditDate->SetDateTime(editDateTime(Text, FEditDate->Kind()));
    } else if (isEditBtnType(type)) {
        BtnEdit()->SetText(Text);
    } else if (isUnitType(type)) {
        BtnUnitEdit()->SetCellText(Text);
    } else if (type == edComboEdit || type == edComboList) {
        TGridCombo& combo = *Combobox();
        combo.SetText(Text);
        if (combo.Style() == csDropDownList)
            combo.SetItemIndex(combo.Items().IndexOf(Text));
    } else if (type == edDateTimeEdit && FEditDateTime) {
        FEditDateTime->SetDateTime(editDateTime(Text, dtkDate));
    } else if (type == edCustom && EditLink) {
        EditLink->SetEditorValue(Text);
    } else if (type == edRichEdit && FInplaceRichEdit) {
        CellToRich(RealColIndex(FOldCol), FOldRow, *FInplaceRichEdit);
    } else if (dropDownBuilt(type)) {
        FDropDowns->SetValue(type, Text);
    }
}

// A special editor left for another cell: its value is validated before it is committed; a refusal keeps
// it open and focused on the edited cell, showing the value validation settled on.
bool VOroDavoduRuzu::leaveSpecialEditor()
{
    if (!EditMode || !FSpecialEditor)
        return true;
    if (const std::optional<QString> value = FEditing ? specialEditorValue() : std::nullopt) {
        if (!validateEditValue(*value)) {
            loadSpecialEditor(FNewCellText);
            if (auto* control = dynamic_cast<TWinControl*>(FEditCtrl); control && control->Visible())
                control->SetFocus();
            return false;
        }
        loadSpecialEditor(FNewCellText);
    }
    HideInplaceEdit();
    return true;
}

// --- Editors created on first use ----------------------------------------------------------------

TGridSpin* VOroDavoduRuzu::SpinEdit()
{
    if (!FEditSpin) {
        FEditSpin = new TGridSpin(this);
        FEditSpin->SetParent(this);
        FEditSpin->SetIsWinXP(FIsWinXP);
    }
    return FEditSpin;
}

TGridDatePicker* VOroDavoduRuzu::DateTimePicker()
{
    if (!FEditDate) {
        FEditDate = new TGridDatePicker(this);
        FEditDate->SetParent(this);
        FEditDate->OnChange = [this](TObject* Sender) { DatePickerChange(Sender); };
        FEditDate->OnCloseUp = [this](TObject* Sender) { DatePickerCloseUp(Sender); };
        FEditDate->OnDropDown = [this](TObject* Sender) { DatePickerDropDown(Sender); };
        if (FTonedBorderColor)
            toneEditor(*FEditDate);
    }
    return FEditDate;
}

TGridDateTimePicker* VOroDavoduRuzu::DateAndTimePicker()
{
    if (!FEditDateTime) {
        FEditDateTime = new TGridDateTimePicker(this);
        FEditDateTime->SetParent(this);
        FEditDateTime->OnCloseUp = [this](TObject* Sender) { DatePickerCloseUp(Sender); };
        FEditDateTime->OnTimeChange = [this](TObject* Sender) { DateTimePickerTimeChange(Sender); };
    }
    return FEditDateTime;
}

// --- Spin, date and edit-button editors -----------------------------------------------------------

void VOroDavoduRuzu::showSpin(int C, int ARow, const TRect& R)
{
    TGridSpin& spin = *SpinEdit();
    const QString text = GetEditText(DisplColIndexOf(C), ARow);
    {
        const TFlagScope quiet(FNoEditChange);
        spin.ExcelStyleDecimalSeparator = ExcelStyleDecimalSeparator;
        spin.SetSpinType(spinTypeOf(EditControl));
        switch (spin.SpinType()) {
        case sptNormal:
            spin.SetValue(text.trimmed().toInt());
            break;
        case sptFloat:
            spin.SetText(CleanFloatText(text));
            spin.SetFloatValue(spin.FloatValue());
            break;
        case sptTime:
            spin.SetText(text);
            break;
        case sptDate:
            spin.SetDateValue(editDateTime(text, dtkDate));
            break;
        }
    }
    showEditorControl(spin, C, ARow, R);
    if (FSpinUpClick || FSpinDnClick)
        spin.PerformSpinClick(FSpinUpClick);
    FSpinUpClick = false;
    FSpinDnClick = false;
}

void VOroDavoduRuzu::commitSpin(int C, int ARow)
{
    TGridSpin& spin = *SpinEdit();
    if (spin.AllowEmptyValue && spin.Text().trimmed().isEmpty()) {
        SetCells(C, ARow, QString());
        return;
    }
    switch (spin.SpinType()) {
    case sptNormal:
        SetInts(C, ARow, spin.Value());
        break;
    case sptFloat:
        SetFloats(C, ARow, spin.FloatValue());
        break;
    case sptTime:
        SetEditedCellText(C, ARow, spin.Text());
        break;
    case sptDate:
        SetDates(C, ARow, spin.DateValue());
        break;
    }
}

TDateTime VOroDavoduRuzu::editDateTime(const QString& Text, TDateTimeKind Kind)
{
    const QString text = Text.trimmed();
    if (text.isEmpty())
        return nowDateTime();
    TDateTime value = nowDateTime();
    if (Kind == dtkDate && OnCustomStrToDate) {
        OnCustomStrToDate(this, text, value);
        return value;
    }
    const qsizetype space = text.indexOf(u' ');
    const QString datePart = space < 0 ? text : text.left(space);
    const QString timePart = Kind == dtkTime ? text : (space < 0 ? QString() : text.mid(space + 1).trimmed());
    TDateTime date = 0, time = 0;
    if (Kind == dtkDate && !StrToDateByFormat(datePart, date))
        return value;
    if (Kind == dtkDate) {
        // A two-digit year is of this century below 50, else of the last one.
        int y = 0, m = 0, d = 0;
        DecodeDate(date, y, m, d);
        if (y < 100 && !TryEncodeDate(y + (y < 50 ? 2000 : 1900), m, d, date))
            return value;
    }
    if (!timePart.isEmpty()) {
        const QTime t = readTime(timePart);
        if (!t.isValid())
            return value;
        time = t.msecsSinceStartOfDay() / 86400000.0;
    }
    return Kind == dtkTime ? std::floor(value) + time : date + time;
}

QString VOroDavoduRuzu::editDateTimeText(TDateTime Value) const
{
    int y = 0, m = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
    DecodeDateTime(Value, y, m, d, h, mi, s, ms);
    const QDateTime dt(QDate(y, m, d), QTime(h, mi, s));
    return QLocale().toString(dt.date(), LocaleShortDateFormat()) + u' ' +
           QLocale().toString(dt.time(), LocaleShortTimeFormat());
}

void VOroDavoduRuzu::showDatePicker(int C, int ARow, const TRect& R)
{
    if (!VoGridUnit().DatePickerAvailable)
        return;
    TGridDatePicker& picker = *DateTimePicker();
    const TDateTimeKind kind = EditControl == edTimeEdit ? dtkTime : dtkDate;
    {
        const TFlagScope quiet(FNoEditChange);
        picker.SetKind(kind);
        picker.SetDateMode(EditControl == edDateEditUpDown ? dmUpDown : dmComboBox);
        TDateTime value = editDateTime(GetEditText(DisplColIndexOf(C), ARow), kind);
        if (kind == dtkDate && picker.MaxDate() != 0 && value > picker.MaxDate())
            value = picker.MaxDate() - 1;
        if (kind == dtkDate && picker.MinDate() != 0 && value <= picker.MinDate())
            value = picker.MinDate() + 1;
        picker.SetDateTime(value);
    }
    if (kind == dtkTime)
        FStartEditChar = QChar();
    showEditorControl(picker, C, ARow, R);
    if (kind == dtkDate && FMouseActions.DirectDateDrop)
        picker.Perform(WM_KEYDOWN, VK_F4);
}

void VOroDavoduRuzu::showDateTimePicker(int C, int ARow, const TRect& R)
{
    if (!VoGridUnit().DatePickerAvailable)
        return;
    TGridDateTimePicker& picker = *DateAndTimePicker();
    {
        const TFlagScope quiet(FNoEditChange);
        picker.SetDateTime(editDateTime(GetEditText(DisplColIndexOf(C), ARow), dtkDate));
    }
    picker.SetBounds(R.Left, R.Top, R.Width() - 1, std::max(picker.Height(), R.Height() - 1));
    DoGetEditorProp(C, ARow, EditLink);
    picker.SetEnabled(true);
    picker.SetVisible(true);
    picker.SetFocus();
}

void VOroDavoduRuzu::showEditBtn(int C, int ARow, const TRect& R)
{
    TGridEditBtn& edit = *BtnEdit();
    {
        const TFlagScope quiet(FNoEditChange);
        edit.SetEditMask(EditControl == edMaskEditBtn ? GetEditMask(DisplColIndexOf(C), ARow) : QString());
        edit.SetMaxLength(MaxEditLength);
        edit.SetText(GetEditText(DisplColIndexOf(C), ARow));
    }
    edit.SetBounds(R.Left, R.Top, R.Width() - 1, R.Height() - 1);
    edit.SetVisible(true);
    edit.SetEnabled(true);
    edit.SetFocus();
    if (!FStartEditChar.isNull())
        PostMessage(&edit, WM_CHAR, FStartEditChar.unicode());
    FEditCtrl = &edit;
}

void VOroDavoduRuzu::showUnitEditBtn(int C, int ARow, const TRect& R)
{
    TGridUnitEditBtn& edit = *BtnUnitEdit();
    {
        const TFlagScope quiet(FNoEditChange);
        edit.SetMaxLength(MaxEditLength);
        edit.SetCellText(GetEditText(DisplColIndexOf(C), ARow));
    }
    showEditorControl(edit, C, ARow, R);
}

// --- Shared by the editor classes ----------------------------------------------------------------

// Enter and Esc belong to every editor; Tab when the editor owns it.
bool VOroDavoduRuzu::editorWantsKey(WORD Key, bool TabOwned) const
{
    return Key == VK_RETURN || Key == VK_ESCAPE || (Key == VK_TAB && TabOwned);
}

// After an accepted value: with goTabs the grid moves on itself (true); otherwise Tab is posted to the
// grid so that the form moves the focus once the edit has ended.
bool VOroDavoduRuzu::editorTab()
{
    if (Options() & goTabs) {
        HideInplaceEdit();
        SetFocus();
        HandleTabKey(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    PostMessage(this, WM_KEYDOWN, VK_TAB);
    return false;
}

void VOroDavoduRuzu::editorFinish(WORD& Key, TShiftState Shift, bool Reopen)
{
    DoneInplaceEdit(Key, Shift);
    if (Reopen && FNavigation.AdvanceOnEnter && FNavigation.AdvanceAutoEdit)
        ShowInplaceEdit();
    Key = 0;
}

// The focus went elsewhere: the value is validated before the commit, as the text editor does; a refused
// value is replaced by the text validation settled on (the cell's old text unless the handler proposed one).
void VOroDavoduRuzu::editorExit()
{
    if (FBlockKill)
        return;
    if (EditMode && FSpecialEditor && FEditing)
        if (const std::optional<QString> value = specialEditorValue()) {
            validateEditValue(*value);
            loadSpecialEditor(FNewCellText);
        }
    HideInplaceEdit();
}

// --- Date picker handlers ------------------------------------------------------------------------

void VOroDavoduRuzu::DatePickerChange(TObject*)
{
    if (!OnEditChange || FNoEditChange || !FEditDate)
        return;
    OnEditChange(this, Col(), Row(), FEditDate->Text());
}

void VOroDavoduRuzu::DatePickerCloseUp(TObject*)
{
    if (OnDatePickerCloseUp)
        OnDatePickerCloseUp(this, Row(), Col());
    if (FMouseActions.DirectDateClose)
        HideInplaceEdit();
}

void VOroDavoduRuzu::DatePickerDropDown(TObject*)
{
    if (OnDatePickerDropDown)
        OnDatePickerDropDown(this, Row(), Col());
}

void VOroDavoduRuzu::DateTimePickerTimeChange(TObject*)
{
    if (OnDateTimeChange && FEditDateTime)
        OnDateTimeChange(this, Col(), Row(), FEditDateTime->DateTime());
}
