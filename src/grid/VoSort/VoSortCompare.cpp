#include "grid/VoSort/VoSortCompare.h"

#include <QRegularExpression>
#include <cmath>

#include "grid/base/VoUtil/VoUtilText.h"
#include "grid/base/VsgHTMLE/VsgHTMLEText.h"

namespace {

// The separator first occurs at the second or third character, not last, between two digits.
bool separatorBetweenDigits(const QString& text, QChar separator)
{
    const int p = static_cast<int>(text.indexOf(separator));
    return (p == 1 || p == 2) && p < text.size() - 1 && text.at(p - 1).isDigit() && text.at(p + 1).isDigit();
}

bool separatorEarly(const QString& text, QChar separator)
{
    const int p = static_cast<int>(text.indexOf(separator));
    return (p == 1 || p == 2) && p < text.size() - 1;
}

double leadingNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"));
    const QRegularExpressionMatch m = number.match(text);
    const double value = m.hasMatch() ? m.captured(0).trimmed().toDouble() : 0;
    return std::isfinite(value) ? value : 0;
}

bool isNumberText(const QString& text)
{
    const int kind = NumberTextKind(text);
    return kind == ntkInteger || kind == ntkDecimal || kind == ntkExponent;
}

int timeField(const QString& text, bool& ok)
{
    bool read = false;
    const int value = text.trimmed().toInt(&read);
    ok = ok && read;
    return value;
}

}  // namespace

TSortStyle DetectSortStyle(const QString& first, const QString& second, bool ignoreCase, bool checkBox)
{
    if (checkBox)
        return ssCheckBox;
    if (isNumberText(first))
        return ssNumeric;
    const TSortStyle text = ignoreCase ? ssAlphaNoCase : ssAlphabetic;
    const TRegionalSettings rs = RegionalSettings();
    if (separatorEarly(first, rs.DateSeparator)) {
        if (separatorBetweenDigits(first, rs.DateSeparator) && second.contains(rs.DateSeparator))
            return first.contains(rs.TimeSeparator) ? ssDateTime : ssDate;
        return text;
    }
    if (separatorBetweenDigits(first, rs.TimeSeparator) && second.contains(rs.TimeSeparator))
        return ssTime;
    return text;
}

TSortStyle ResolveSortStyle(TSortStyle style, const QString& first, const QString& second, bool ignoreCase,
                            bool checkBox)
{
    switch (style) {
    case ssAutomatic:
        return DetectSortStyle(first, second, ignoreCase, checkBox);
    case ssAlphaNumeric:
        return isNumberText(first) && isNumberText(second) ? ssNumeric : ssAlphabetic;
    case ssAlphaNumericNoCase:
        return isNumberText(first) && isNumberText(second) ? ssNumeric : ssAlphaNoCase;
    default:
        return style;
    }
}

double SortNumber(const QString& text, bool financial, const QString& prefix, const QString& suffix)
{
    return SortNumber(text, financial, prefix, suffix, RegionalSettings());
}

double SortNumber(const QString& text, bool financial, const QString& prefix, const QString& suffix,
                  const TRegionalSettings& rs)
{
    QString t = text;
    if (!prefix.isEmpty()) {
        const int p = static_cast<int>(t.indexOf(prefix));
        if (p >= 0)
            t.remove(p, prefix.size());
    }
    if (!suffix.isEmpty()) {
        const int p = static_cast<int>(t.indexOf(suffix));
        if (p >= 0)
            t.remove(p, suffix.size());
    }
    if (financial)
        t.remove(rs.ThousandSeparator);
    if (rs.DecimalSeparator != '.') {
        const int p = static_cast<int>(t.indexOf(rs.DecimalSeparator));
        if (p >= 0)
            t[p] = '.';
    }
    bool ok = false;
    const double value = t.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? value : leadingNumber(t);
}

TDateTime SortDateTime(const QString& text)
{
    TDateTime value = 0;
    return !text.isEmpty() && StrToDateByFormat(text.trimmed(), value) ? value : 0;
}

TDateTime SortTime(const QString& text)
{
    const QStringList parts = text.trimmed().split(RegionalSettings().TimeSeparator);
    if (parts.size() < 2 || parts.size() > 3)
        return 0;
    bool ok = true;
    const int hour = timeField(parts.at(0), ok);
    const int minute = timeField(parts.at(1), ok);
    const int second = parts.size() == 3 ? timeField(parts.at(2), ok) : 0;
    TDateTime value = 0;
    return ok && TryEncodeTime(hour, minute, second, value) ? value : 0;
}

QString UpperAscii(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        if (c >= 'a' && c <= 'z')
            c = QChar(c.unicode() - ('a' - 'A'));
    return out;
}

int PlaceBlanks(int result, bool aEmpty, bool bEmpty, TSortDirection direction, TSortBlankPosition position)
{
    if (aEmpty == bEmpty)
        return result;
    const int emptyFirst = position == blLast ? 1 : -1;  // ascending result when the first text is empty
    const int ascending = aEmpty ? emptyFirst : -emptyFirst;
    return direction == sdDescending ? -ascending : ascending;
}
