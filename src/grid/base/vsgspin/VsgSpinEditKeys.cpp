#include <algorithm>

#include "grid/base/vsgspin/vsgspin.h"
#include "platform/Dialogs.h"
#include "platform/SystemMetrics.h"

namespace {

constexpr char16_t CtrlV = 0x16;
constexpr char16_t CtrlX = 0x18;

}  // namespace

void TVsgSpinEdit::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_KEYDOWN:
        switch (m.WParam) {
        case VK_PRIOR:
            StepUp(true);
            break;
        case VK_NEXT:
            StepDown(true);
            break;
        case VK_UP:
            StepUp(false);
            break;
        case VK_DOWN:
            StepDown(false);
            break;
        default:
            TCustomMaskEdit::WndProc(m);
            return;
        }
        m.WParam = 0;
        m.Result = 1;
        return;
    case WM_CUT:
    case WM_PASTE:
        if (EditorEnabled && !ReadOnly())
            TCustomMaskEdit::WndProc(m);
        return;
    case WM_SIZE:
        TCustomMaskEdit::WndProc(m);
        Resized();
        return;
    default:
        TCustomMaskEdit::WndProc(m);
    }
}

void TVsgSpinEdit::KeyDown(WORD& Key, TShiftState Shift)
{
    if (Key == VK_RETURN && ReturnIsTab) {
        Key = VK_TAB;
        PostMessage(this, CN_KEYDOWN, VK_TAB, 0);
    }
    if (Key == VK_DELETE && !EditorEnabled)
        Key = 0;
    if (Key == VK_INSERT && (Shift & ssShift)) {
        Perform(WM_PASTE);
        Key = 0;
    } else if (Key == VK_DELETE && (Shift & ssShift)) {
        Perform(WM_CUT);
        Key = 0;
    }
    FKeypadDecimal = Key == VK_DECIMAL;
    TCustomMaskEdit::KeyDown(Key, Shift);
}

void TVsgSpinEdit::KeyPress(char16_t& Key)
{
    if (FKeypadDecimal && Key == u'.' && ExcelStyleDecimalSeparator)
        Key = RegionalSettings().DecimalSeparator.unicode();
    FKeypadDecimal = false;
    if (!CharAllowed(Key)) {
        Key = 0;
        MessageBeep(0);
        return;
    }
    if (Key == CtrlV || Key == CtrlX) {
        Perform(Key == CtrlV ? WM_PASTE : WM_CUT);
        Key = 0;
        return;
    }
    TCustomMaskEdit::KeyPress(Key);
}

bool TVsgSpinEdit::CharAllowed(char16_t Key) const
{
    if (Key == u'\b')
        return EditorEnabled;
    const TRegionalSettings rs = RegionalSettings();
    const QChar ch(Key);
    bool result = ch == rs.DecimalSeparator || ch == rs.ThousandSeparator || ch == rs.TimeSeparator ||
                  ch == rs.DateSeparator || ch.isNumber() || ch == u'-' || (Key < 32 && Key != u'\r');
    const auto separatorRule = [&](QChar separator, TVsgSpinType ownType) {
        if (ch != separator || FSpinType == ownType)
            return;
        const bool sharedSign = separator == rs.DecimalSeparator || separator == rs.ThousandSeparator ||
                                separator == u'-' || separator == u'+';
        if (!sharedSign || (FSpinType != sptNormal && FSpinType != sptFloat))
            result = false;
    };
    separatorRule(rs.TimeSeparator, sptTime);
    separatorRule(rs.DateSeparator, sptDate);
    const QString text = Text();
    int from = 0;
    int to = 0;
    GetSelection(from, to);
    const QString selected = text.mid(from, to - from);
    if (Key == u'-') {
        if (!text.contains(u'-'))
            result = result && from == 0;
        else
            result = result && selected.contains(u'-') && from == 0;
    }
    switch (FSpinType) {
    case sptNormal:
        result = result && (ch.isNumber() || Key == u'-');
        break;
    case sptFloat:
        if (Key != 27 && Key != u'\r') {
            if (ch == rs.ThousandSeparator)
                result = false;
            if (ch == rs.DecimalSeparator && text.contains(rs.DecimalSeparator) &&
                !selected.contains(rs.DecimalSeparator))
                result = false;
            const int p = static_cast<int>(text.indexOf(rs.DecimalSeparator)) + 1;
            if (FPrecision > 0 && p > 0 && from >= p && from == to && result && text.size() >= p + FPrecision)
                result = false;
        }
        break;
    case sptTime:
        if (ch == rs.TimeSeparator && text.count(rs.TimeSeparator) >= 2)
            result = false;
        break;
    case sptDate:
        break;
    }
    if (!EditorEnabled && Key >= 32)
        result = false;
    return result;
}

void TVsgSpinEdit::DoEnter()
{
    if (AutoSelect && (!(ControlState & csLButtonDown) || !EditorEnabled))
        SelectAll();
    TCustomEdit::DoEnter();
}

void TVsgSpinEdit::DoExit()
{
    TCustomMaskEdit::DoExit();
    switch (FSpinType) {
    case sptNormal: {
        const int v = Value();
        if (std::clamp(v, std::min(MinValue, MaxValue), std::max(MinValue, MaxValue)) != v && MinValue != MaxValue)
            SetValue(v);
        break;
    }
    case sptFloat: {
        const double v = FloatValue();
        if (MinFloatValue != MaxFloatValue && (v < MinFloatValue || v > MaxFloatValue))
            SetFloatValue(v);
        break;
    }
    case sptDate: {
        const TDateTime v = DateValue();
        if (MinDateValue != MaxDateValue && (v < MinDateValue || v > MaxDateValue))
            SetDateValue(v);
        break;
    }
    case sptTime: {
        const TDateTime v = TimeValue();
        if (MinDateValue != MaxDateValue && (v < MinDateValue || v > MaxDateValue))
            SetTimeValue(v);
        break;
    }
    }
}

void TVsgSpinEdit::SetEditRect()
{
    const int a = BorderStyle() == bsNone ? 3 : 0;
    TRect r = Rect(a, a, ClientWidth() - FButton->Width() - 2 - a, ClientHeight() + 1);
    Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

int TVsgSpinEdit::MinEditHeight() const
{
    const TFont system;
    const int s = std::abs(system.Height());
    const int f = std::abs(Font().Height());
    return f + std::min(s, f) / 4 + 2 + (BorderStyle() == bsSingle ? 4 * GetSystemMetrics(SM_CYBORDER) : 0);
}

void TVsgSpinEdit::Resized()
{
    if (!FButton)
        return;
    const int minimum = MinEditHeight();
    if (Height() < minimum) {
        SetHeight(minimum);
        return;
    }
    const int bw = FButton->Width();
    // Child places count from the widget's corner, inside a single border of 2 pixels.
    const int border = BorderStyle() == bsSingle ? 2 : 0;
    const int b = BorderStyle() == bsSingle ? 5 : 1;
    FButton->SetBounds(Width() - bw - b + border, border, bw, Height() - b);
    SetEditRect();
}
