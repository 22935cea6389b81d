#include <QDateTime>
#include <QLocale>

#include <cmath>
#include <limits>

#include "grid/base/vsgspin/vsgspin.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"

namespace {

// Days since 30 December 1899 of the present local date and time.
TDateTime Now()
{
    const QDateTime now = QDateTime::currentDateTime();
    TDateTime date = 0;
    const QDate d = now.date();
    TryEncodeDate(d.year(), d.month(), d.day(), date);
    return date + now.time().msecsSinceStartOfDay() / 86400000.0;
}

// The short date format with the year always in four digits.
QString ShortDateFormat()
{
    QString format = RegionalSettings().ShortDateFormat;
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString DateToText(TDateTime value)
{
    int y = 0;
    int m = 0;
    int d = 0;
    DecodeDate(value, y, m, d);
    return QLocale().toString(QDate(y, m, d), ShortDateFormat());
}

// "h:mm" or "h:mm:ss" of the time of day, with the regional time separator.
QString TimeToText(TDateTime value, bool seconds)
{
    const double fraction = value - std::floor(value);
    long long total = std::llround(fraction * 86400.0) % 86400;
    const QChar sep = RegionalSettings().TimeSeparator;
    QString text = QString::number(total / 3600) + sep + QStringLiteral("%1").arg(total / 60 % 60, 2, 10, QChar('0'));
    if (seconds)
        text += sep + QStringLiteral("%1").arg(total % 60, 2, 10, QChar('0'));
    return text;
}

// Hours, minutes and optional seconds split by the regional time separator.
bool TextToTime(const QString& text, TDateTime& value)
{
    const QStringList parts = text.trimmed().split(RegionalSettings().TimeSeparator);
    if (parts.size() < 2 || parts.size() > 3)
        return false;
    int fields[3] = {};
    for (int i = 0; i < parts.size(); ++i) {
        bool ok = false;
        fields[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return false;
    }
    return TryEncodeTime(fields[0], fields[1], fields[2], value);
}

// The date moved by a number of months; the day is limited to the length of the target month.
TDateTime IncMonth(TDateTime date, int months)
{
    int y = 0;
    int m = 0;
    int d = 0;
    DecodeDate(date, y, m, d);
    const int index = y * 12 + (m - 1) + months;
    const QDate first(index / 12, index % 12 + 1, 1);
    TDateTime result = date;
    TryEncodeDate(first.year(), first.month(), std::min(d, first.daysInMonth()), result);
    return result + (date - std::floor(date));
}

template <typename T>
T Clamp(T value, T minimum, T maximum)
{
    if (minimum == maximum)
        return value;
    if (value < minimum)
        return minimum;
    if (value > maximum)
        return maximum;
    return value;
}

int SaturatedAdd(int a, int b)
{
    const long long sum = static_cast<long long>(a) + b;
    return static_cast<int>(
        std::clamp<long long>(sum, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// The position (1-based) of the first ch in text after position from; 0 when none.
int NextSeparatorPos(const QString& text, QChar ch, int from)
{
    return static_cast<int>(text.indexOf(ch, from)) + 1;
}

}  // namespace

TVsgSpinEdit::TVsgSpinEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner)
{
    ControlStyle &= ~csSetCaption;
    FButton = new TVsgSpinButton(this);
    FButton->SetBounds(0, 0, 15, 17);
    FButton->SetVisible(true);
    FButton->SetParent(this);
    FButton->SetFocusControl(this);
    FButton->OnUpClick = [this](TObject* Sender) { UpClick(Sender); };
    FButton->OnDownClick = [this](TObject* Sender) { DownClick(Sender); };
    SetText(QStringLiteral("0"));
    Resized();
}

void TVsgSpinEdit::Loaded()
{
    if (FSpinType == sptDate)
        SetText(DateToText(FDateValue));
    else if (FSpinType == sptTime)
        SetText(TimeText(FTimeValue));
    SetSpinType(FSpinType);
}

QString TVsgSpinEdit::TimeText(TDateTime value) const
{
    return TimeToText(value, ShowSeconds);
}

void TVsgSpinEdit::SetSpinType(TVsgSpinType value)
{
    FSpinType = value;
    ReapplyValue();
}

void TVsgSpinEdit::ReapplyValue()
{
    switch (FSpinType) {
    case sptNormal:
        SetValue(Value());
        break;
    case sptFloat:
        SetFloatValue(FloatValue());
        break;
    case sptDate:
        SetDateValue(DateValue());
        break;
    case sptTime:
        SetTimeValue(TimeValue());
        break;
    }
}

int TVsgSpinEdit::Value() const
{
    const QString text = Text().trimmed();
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : MinValue;
}

void TVsgSpinEdit::SetValue(int value)
{
    SetText(QString::number(Clamp(value, MinValue, MaxValue)));
    if (!EditorEnabled)
        SelectAll();
}

double TVsgSpinEdit::FloatValue() const
{
    bool ok = false;
    const double value = QLocale().toDouble(Text().trimmed(), &ok);
    return ok && std::isfinite(value) ? value : MinValue;
}

void TVsgSpinEdit::SetFloatValue(double value)
{
    value = Clamp(value, MinFloatValue, MaxFloatValue);
    QString text =
        FPrecision != 0 ? QString::number(value, 'f', std::clamp(FPrecision, 0, 15)) : QString::number(value, 'g', 15);
    text.replace('.', RegionalSettings().DecimalSeparator);
    SetText(text);
}

TDateTime TVsgSpinEdit::DateValue() const
{
    const QString text = Text().trimmed();
    if (text.isEmpty() || text == QLatin1String("0"))
        return Now();
    TDateTime value = 0;
    return StrToDateByFormat(text, value) ? value : MinDateValue;
}

void TVsgSpinEdit::SetDateValue(TDateTime value)
{
    FDateValue = Clamp(value, MinDateValue, MaxDateValue);
    WriteKeepingCaret(DateToText(FDateValue));
}

TDateTime TVsgSpinEdit::TimeValue() const
{
    TDateTime value = 0;
    return TextToTime(Text(), value) ? value : 0;
}

void TVsgSpinEdit::SetTimeValue(TDateTime value)
{
    FTimeValue = Clamp(value, MinDateValue, MaxDateValue);
    WriteKeepingCaret(TimeText(FTimeValue));
}

void TVsgSpinEdit::WriteKeepingCaret(const QString& text)
{
    const int caret = SelStart();
    SetText(text);
    SetSelStart(caret);
}

void TVsgSpinEdit::SetPrecision(int value)
{
    FPrecision = value;
    if (FSpinType == sptFloat)
        SetFloatValue(FloatValue());
}

void TVsgSpinEdit::NudgeWidth()
{
    SetWidth(Width() + 1);
    SetWidth(Width() - 1);
}

void TVsgSpinEdit::SetDirection(TSpinDirection value)
{
    FButton->SetDirection(value);
    NudgeWidth();
}

void TVsgSpinEdit::SetEditAlign(TEditAlign value)
{
    FEditAlign = value;
    SetAlignment(value == eaRight ? taRightJustify : value == eaCenter ? taCenter : taLeftJustify);
}

void TVsgSpinEdit::SetSpinFlat(bool value)
{
    FSpinFlat = value;
    FButton->UpButton()->SetFlat(value);
    FButton->DownButton()->SetFlat(value);
}

void TVsgSpinEdit::SetSpinTransparent(bool value)
{
    FSpinTransparent = value;
    FButton->UpButton()->SetTransparent(value);
    FButton->DownButton()->SetTransparent(value);
    NudgeWidth();
}

void TVsgSpinEdit::SetIsWinXP(bool value)
{
    FIsWinXP = value;
    FButton->SetIsWinXP(value);
}

void TVsgSpinEdit::UpClick(TObject*)
{
    StepUp(false);
}

void TVsgSpinEdit::DownClick(TObject*)
{
    StepDown(false);
}

void TVsgSpinEdit::StepUp(bool Page)
{
    if (ReadOnly()) {
        MessageBeep(0);
        return;
    }
    switch (FSpinType) {
    case sptNormal:
        SetValue(SaturatedAdd(Value(), Increment));
        break;
    case sptFloat:
        SetFloatValue(FloatValue() + (Page ? IncrementFloatPage : IncrementFloat));
        break;
    case sptDate:
        StepDate(1);
        break;
    case sptTime:
        StepTime(1);
        break;
    }
}

void TVsgSpinEdit::StepDown(bool Page)
{
    if (ReadOnly()) {
        MessageBeep(0);
        return;
    }
    switch (FSpinType) {
    case sptNormal:
        SetValue(SaturatedAdd(
            Value(), Increment == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : -Increment));
        break;
    case sptFloat:
        SetFloatValue(FloatValue() - (Page ? IncrementFloatPage : IncrementFloat));
        break;
    case sptDate:
        StepDate(-1);
        break;
    case sptTime:
        StepTime(-1);
        break;
    }
}

// The field under the caret steps: day, month or year in the order of the short date format. A year
// step is twelve months, so 29 February goes to 28 February as a month step would.
void TVsgSpinEdit::StepDate(int direction)
{
    const QString format = RegionalSettings().ShortDateFormat.toUpper();
    FUsDates = format.indexOf('M') < format.indexOf('D');
    const QString text = Text();
    const QChar sep = RegionalSettings().DateSeparator;
    const int p1 = NextSeparatorPos(text, sep, 0);
    const int p2 = p1 > 0 ? NextSeparatorPos(text, sep, p1) : 0;
    const int c = SelStart();
    const int field = c < p1 ? 1 : c < p2 ? 2 : 3;
    const TDateTime date = DateValue();
    TDateTime result = date;
    const bool monthField = FUsDates ? field == 1 : field == 2;
    if (field == 3)
        result = IncMonth(date, 12 * direction);
    else if (monthField)
        result = IncMonth(date, direction);
    else
        result = date + direction;
    SetDateValue(result);
}

void TVsgSpinEdit::StepTime(int direction)
{
    const QString text = Text();
    const QChar sep = RegionalSettings().TimeSeparator;
    const int p1 = NextSeparatorPos(text, sep, 0);
    const int p2 = p1 > 0 ? NextSeparatorPos(text, sep, p1) : 0;
    const int c = SelStart();
    int h = 0;
    int m = 0;
    int s = 0;
    if (c < p1)
        h = IncrementHours;
    else if (ShowSeconds && c >= p2)
        s = IncrementSeconds;
    else
        m = IncrementMinutes;
    TDateTime step = 0;
    if (!TryEncodeTime(h, m, s, step))
        throw Exception(QStringLiteral("Invalid argument to time encode"));
    if (direction > 0) {
        SetTimeValue(TimeValue() + step);
        return;
    }
    TDateTime t = TimeValue() + 1 - step;
    if (t > 1)
        t -= 1;
    SetTimeValue(t);
}
