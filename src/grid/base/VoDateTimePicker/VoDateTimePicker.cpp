#include "grid/base/VoDateTimePicker/VoDateTimePicker.h"

#include <cmath>

#include "grid/base/VoStyleIF.h"
#include "grid/base/VoXPVS.h"
#include "platform/Bitmap.h"

UINT DTPShiftFocusMessage()
{
    static const UINT message = RegisterWindowMessage(QStringLiteral("DTPShiftFocus"));
    return message;
}

namespace {

bool isDigit(char16_t key)
{
    return key >= u'0' && key <= u'9';
}

// The value without its milliseconds.
TDateTime dropMilliseconds(TDateTime value)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
    DecodeDateTime(value, y, mo, d, h, mi, s, ms);
    return EncodeDateTime(y, mo, d, h, mi, s, 0);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// TCustomDateTimePicker

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* AOwner) : TVsgDateTimePicker(AOwner)
{
    SetCtl3D(false);
    FBorderStyle = bsNone;
    FBorderColor = 0;
}

void TCustomDateTimePicker::KeyPress(char16_t& Key)
{
    const bool advance = FAutoTab && isDigit(Key);
    if (advance) {
        FFieldBefore = FieldIndex();
        RememberFields();
    }
    TVsgDateTimePicker::KeyPress(Key);
    if (advance)
        PostMessage(this, DTPShiftFocusMessage());
}

void TCustomDateTimePicker::RememberFields()
{
    if (TDateTimePicker::Kind() != dtkTime)
        return;
    int y = 0, mo = 0, d = 0, ms = 0;
    DecodeDateTime(TDateTimePicker::DateTime(), y, mo, d, Fh, Fm, Fs, ms);
}

void TCustomDateTimePicker::ShiftFocusCheck()
{
    if (TDateTimePicker::Kind() != dtkTime)
        return;
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
    DecodeDateTime(TDateTimePicker::DateTime(), y, mo, d, h, mi, s, ms);
    if (h != Fh || mi != Fm || s != Fs)
        MoveToNextField();
}

void TCustomDateTimePicker::MoveToNextField()
{
    if (FieldIndex() == FFieldBefore)
        PostMessage(this, WM_KEYDOWN, VK_RIGHT);
}

void TCustomDateTimePicker::WndProc(TMessage& m)
{
    if (m.Msg == DTPShiftFocusMessage())
        ShiftFocusCheck();
    TVsgDateTimePicker::WndProc(m);
}

// ---------------------------------------------------------------------------------------------
// TVoDateTimePicker

TVoDateTimePicker::TVoDateTimePicker(TComponent* AOwner)
    : TCustomDateTimePicker(AOwner), FLabelFont(std::make_unique<TFont>())
{
    TVoDateTimePicker::SetPickerBorderStyle(bsSingle);
    SetCtl3D(true);
    FFocusTimer = new TTimer(this);
    FFocusTimer->SetEnabled(false);
    FFocusTimer->SetInterval(20);
    FFocusTimer->OnTimer = [this](TObject*) { FFocusTimer->SetEnabled(false); };
    FLabelFont->OnChange = [this](TObject*) {
        if (FLabel)
            PlaceDateLabel();
    };
    // The window exists from the start: the stored kind is applied.
    FKind = dkDate;
    SetKind(dkDateTime);
    FLastDate = std::floor(TDateTimePicker::DateTime());
}

TVoDateTimePicker::~TVoDateTimePicker()
{
    Destroying();
    FLabelFont->OnChange = nullptr;
}

void TVoDateTimePicker::Notification(TComponent* component, TOperation operation)
{
    TCustomDateTimePicker::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == FLabel)
        FLabel = nullptr;
    if (component == FTimePicker)
        FTimePicker = nullptr;
}

void TVoDateTimePicker::Loaded()
{
    CreateTimePicker();
    ArrangeTimePicker();
    if (!Checked()) {
        SetChecked(false);
        if (FTimePicker)
            FTimePicker->SetEnabled(false);
    }
    if (FLabel) {
        if (!FLabelAlwaysEnabled)
            FLabel->SetEnabled(Enabled());
        PlaceDateLabel();
        if (ParentFont())
            FLabel->SetFont(Font());
    }
    FParentFnt = ParentFont();
    PlaceDateLabel();
}

void TVoDateTimePicker::SetKind(TVoDateTimeKind value)
{
    if (value == FKind)
        return;
    FKind = value;
    TDateTimePicker::SetKind(value == dkTime ? dtkTime : dtkDate);
    if (value == dkTime && !FTimeFormat.isEmpty())
        TDateTimePicker::SetFormat(FTimeFormat);
    if (value == dkDateTime)
        CreateTimePicker();
    ArrangeTimePicker();
}

void TVoDateTimePicker::CreateTimePicker()
{
    if (FTimePicker || FKind != dkDateTime)
        return;
    FTimePicker = new TCustomDateTimePicker(this);
    FTimePicker->SetParent(this);
    FTimePicker->SetBounds(0, 0, 90, 17);
    FTimePicker->SetVisible(false);
    FTimePicker->SetEnabled(Enabled());
    FTimePicker->TDateTimePicker::SetKind(dtkTime);
    FTimePicker->OnChange = [this](TObject*) {
        DoPickerChange();
        if (OnTimeChange)
            OnTimeChange(this);
    };
    FTimePicker->OnClick = [this](TObject*) { DoPickerClick(); };
    FTimePicker->OnKeyPress = [this](TObject*, char16_t& Key) { TimePickerKeyPress(Key); };
    FTimePicker->OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) { KeyDown(Key, Shift); };
}

// Puts the time picker in the right part, sized to its text; frees it unless both are edited.
void TVoDateTimePicker::ArrangeTimePicker()
{
    if (!FTimePicker)
        return;
    if (FTimePicker->Parent() != this)
        FTimePicker->SetParent(this);
    FTimePicker->SetColor(Color());
    FTimePicker->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
    FTimePicker->SetVisible(FKind == dkDateTime);
    FTimePicker->TDateTimePicker::SetDateTime(DateTime());
    FTimePicker->TDateTimePicker::SetFormat(FTimeFormat);
    FTimePicker->SetFont(Font());
    if (!FTimePicker->Visible()) {
        delete FTimePicker;
        FTimePicker = nullptr;
        return;
    }
    TBitmap surface(1, 1);
    surface.Canvas().Font().Assign(Font());
    const int a = surface.Canvas().TextWidth(FTimePicker->FieldsText().left(255)) + 31;
    const int W = Width();
    const int H = Height();
    const bool bevel = FBevelKind != bkNone && (FBevelInner != bvNone || FBevelOuter != bvNone);
    const int b = bevel ? 4 : 0;
    // This platform counts as the newer one.
    if (!ComCtlVersionAbove5())
        FTimePicker->SetBounds(W - a - 23 - b, -2, a, H - b);
    else if (!IsThemeActive())
        FTimePicker->SetBounds(W - a - 21 - b, 2, a, H - 4 - b);
    else if (IsMetroActive())
        FTimePicker->SetBounds(W - a - 21 - b, 1, a, H - 2 - b);
    else
        FTimePicker->SetBounds(W - a - 34 - b, 1, a, H - 2 - b);
}

void TVoDateTimePicker::SetBevelKind(TBevelKind value)
{
    FBevelKind = value;
    ArrangeTimePicker();
}

void TVoDateTimePicker::SetBevelInner(TBevelCut value)
{
    FBevelInner = value;
    ArrangeTimePicker();
}

void TVoDateTimePicker::SetBevelOuter(TBevelCut value)
{
    FBevelOuter = value;
    ArrangeTimePicker();
}

TDateTime TVoDateTimePicker::DateTime() const
{
    if (FKind == dkDateTime && FTimePicker) {
        const TDateTime date = std::floor(TDateTimePicker::DateTime());
        return date + FTimePicker->TDateTimePicker::Time();
    }
    return TDateTimePicker::DateTime();
}

void TVoDateTimePicker::SetDateTime(TDateTime value)
{
    value = dropMilliseconds(value);
    TDateTimePicker::SetDateTime(value);
    FLastDate = std::floor(value);
    CreateTimePicker();
    if (FTimePicker)
        FTimePicker->TDateTimePicker::SetDateTime(value);
}

void TVoDateTimePicker::SetDate(TDateTime value)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
    DecodeDateTime(DateTime(), y, mo, d, h, mi, s, ms);
    SetDateTime(std::floor(value) + EncodeDateTime(1899, 12, 30, h, mi, s, 0));
}

TDateTime TVoDateTimePicker::Time() const
{
    if (FKind == dkDateTime && FTimePicker)
        return FTimePicker->TDateTimePicker::Time();
    return TDateTimePicker::Time();
}

void TVoDateTimePicker::SetTime(TDateTime value)
{
    TDateTimePicker::SetTime(value);
    ArrangeTimePicker();
}

void TVoDateTimePicker::SetTimeFormat(const QString& value)
{
    FTimeFormat = value;
    if (FKind == dkTime)
        TDateTimePicker::SetFormat(value);
    ArrangeTimePicker();
}

void TVoDateTimePicker::SetFormat(const QString& value)
{
    TDateTimePicker::SetFormat(value);
}

void TVoDateTimePicker::SetPickerBorderStyle(TBorderStyle value)
{
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    Invalidate();
    ArrangeTimePicker();
}

void TVoDateTimePicker::SetAutoTab(bool value)
{
    TCustomDateTimePicker::SetAutoTab(value);
    if (FTimePicker)
        FTimePicker->SetAutoTab(value);
}

void TVoDateTimePicker::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomDateTimePicker::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FLabel && FLabel->Parent())
        PlaceDateLabel();
    ArrangeTimePicker();
}

void TVoDateTimePicker::SetEnabled(bool v)
{
    TCustomDateTimePicker::SetEnabled(v);
    if (FTimePicker)
        FTimePicker->SetEnabled(v);
    if (FLabel && !FLabelAlwaysEnabled)
        FLabel->SetEnabled(v);
}

// Values written by code raise no change notification here, so none is left to skip.
void TVoDateTimePicker::SetSystemTime(TDateTime value)
{
    TCustomDateTimePicker::SetSystemTime(value);
    if (ShowCheckbox() && FTimePicker)
        FTimePicker->SetEnabled(Enabled() && Checked());
}

void TVoDateTimePicker::TimePickerCheck()
{
    if (FTimePicker)
        FTimePicker->SetEnabled(Enabled() && Checked());
}

// A change of the date fields or of the check box; with the check box shown, the time follows it.
void TVoDateTimePicker::DateChanged(LPARAM flags)
{
    const TDateTime before = FLastDate;
    FLastDate = std::floor(TDateTimePicker::DateTime());
    if (FLastDate != before)
        FFocusTimer->SetEnabled(true);
    TimePickerCheck();
    if (flags == GDT_NONE && FTimePicker)
        FTimePicker->SetEnabled(false);
}

void TVoDateTimePicker::WndProc(TMessage& m)
{
    if (m.Msg == CN_NOTIFY && m.WParam == DTN_DATETIMECHANGE && ShowCheckbox()) {
        const LPARAM flags = m.LParam;
        TCustomDateTimePicker::WndProc(m);
        DateChanged(flags);
        return;
    }
    if (m.Msg == DTM_SETSYSTEMTIME) {
        TCustomDateTimePicker::WndProc(m);
        if (ShowCheckbox() && m.WParam == GDT_NONE && !(ComponentState() & csDesigning))
            TimePickerCheck();
        return;
    }
    switch (m.Msg) {
    case WM_PAINT:
        TCustomDateTimePicker::WndProc(m);
        if (FFirstRun) {
            FFirstRun = false;
            ArrangeTimePicker();
        }
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TCustomDateTimePicker::WndProc(m);
        SetLabelBold(m.Msg == WM_SETFOCUS);
        return;
    case CM_VISIBLECHANGED:
        TCustomDateTimePicker::WndProc(m);
        if (FLabel)
            FLabel->SetVisible(Visible());
        return;
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
        TCustomDateTimePicker::WndProc(m);
        ArrangeTimePicker();
        return;
    case CM_PARENTFONTCHANGED:
        TCustomDateTimePicker::WndProc(m);
        if (FLabel && FLabel->ParentFont())
            FLabel->SetFont(Font());
        return;
    default:
        TCustomDateTimePicker::WndProc(m);
    }
}

void TVoDateTimePicker::DoPickerChange()
{
    if (OnChange)
        OnChange(this);
}

void TVoDateTimePicker::DoPickerClick()
{
    if (OnClick)
        OnClick(this);
}

void TVoDateTimePicker::TimePickerKeyPress(char16_t&)
{}

void TVoDateTimePicker::KeyPress(char16_t& Key)
{
    TCustomDateTimePicker::KeyPress(Key);
}

void TVoDateTimePicker::RememberFields()
{
    if (FKind == dkTime) {
        TCustomDateTimePicker::RememberFields();
        return;
    }
    int h = 0, mi = 0, s = 0, ms = 0;
    DecodeDateTime(DateTime(), Fy, Fm, Fd, h, mi, s, ms);
}

// After a typed digit: the next field, or from the last date field into the time picker.
void TVoDateTimePicker::ShiftFocusCheck()
{
    if (FKind == dkTime) {
        TCustomDateTimePicker::ShiftFocusCheck();
        return;
    }
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
    DecodeDateTime(DateTime(), y, mo, d, h, mi, s, ms);
    const bool dayChanged = d != Fd;
    const bool monthChanged = mo != Fm;
    const bool yearChanged = y != Fy;
    const auto focusTime = [this] {
        if (FTimePicker && FTimePicker->CanFocus())
            FTimePicker->SetFocus();
    };
    const QString format = Format();
    if (!format.isEmpty()) {
        const QChar c = format.back().toLower();
        if ((dayChanged && c == 'd') || (!dayChanged && monthChanged && c == 'm') ||
            (!dayChanged && !monthChanged && yearChanged && c == 'y'))
            focusTime();
        else if (dayChanged || monthChanged || yearChanged)
            MoveToNextField();
        return;
    }
    if (dayChanged || monthChanged)
        MoveToNextField();
    else if (yearChanged)
        focusTime();
}
