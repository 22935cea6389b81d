#include "grid/base/VoUtil/VoUtilText.h"

#include "platform/Locale.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

const QChar CR(13);
const QChar LF(10);

QChar firstSeparator(const QString& format)
{
    for (const QChar c : format)
        if (!c.isLetter())
            return c;
    return QChar();
}

bool isUrlChar(QChar c)
{
    const char16_t u = c.unicode();
    if (u > 255)
        return false;
    if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9'))
        return true;
    return QStringLiteral("%()-./:@\\_{}").contains(c);
}

// Index of the first place where the text, upper-cased one character at a time, holds the upper-case
// sub-text; -1 when none. Upper-casing the whole text would change its length (German sharp s becomes "SS").
qsizetype indexOfUpper(const QString& upperSub, const QString& text)
{
    for (qsizetype i = 0; i + upperSub.size() <= text.size(); ++i) {
        qsizetype k = 0;
        while (k < upperSub.size() && text.at(i + k).toUpper() == upperSub.at(k))
            ++k;
        if (k == upperSub.size())
            return i;
    }
    return -1;
}

// A whole, trimmed text as integer.
bool toInt(const QString& text, int& value)
{
    bool ok = false;
    value = text.trimmed().toInt(&ok);
    return ok;
}

const QDate& dateBase()
{
    static const QDate base(1899, 12, 30);
    return base;
}

// A short date format of numbers only, as the regional short date always is: month names become month
// numbers, week-day names go, and fields that only a space parts are parted by "/".
QString numericDateFormat(const QString& format)
{
    QString out;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        qsizetype n = 1;
        while (i + n < format.size() && format.at(i + n) == c)
            ++n;
        if (c == 'M')
            out += n > 2 ? QStringLiteral("MM") : QString(n, c);
        else if (c == 'd' && n > 2)
            ;  // week-day name
        else if (c == ',' || c == ' ')
            out += (out.isEmpty() || !out.back().isLetter()) ? QString() : QStringLiteral("/");
        else
            out += QString(n, c);
        i += n;
    }
    while (!out.isEmpty() && !out.back().isLetter())
        out.chop(1);
    return out;
}

}  // namespace

TRegionalSettings RegionalSettings()
{
    // Worked out again only when the default locale changed since the last call on this thread.
    thread_local QLocale last(QLocale::C);
    thread_local TRegionalSettings cached;
    thread_local bool known = false;
    const QLocale locale;
    if (known && locale == last)
        return cached;
    TRegionalSettings s;
    s.DecimalSeparator = DecimalSeparator();
    s.ThousandSeparator = locale.groupSeparator().isEmpty() ? QChar(',') : locale.groupSeparator().at(0);
    s.ShortDateFormat = numericDateFormat(locale.dateFormat(QLocale::ShortFormat));
    s.DateSeparator = firstSeparator(s.ShortDateFormat);
    s.TimeSeparator = firstSeparator(locale.timeFormat(QLocale::ShortFormat));
    if (s.DateSeparator.isNull())
        s.DateSeparator = '/';
    if (s.TimeSeparator.isNull())
        s.TimeSeparator = ':';
    last = locale;
    cached = s;
    known = true;
    return s;
}

bool TryEncodeDate(int year, int month, int day, TDateTime& value)
{
    const QDate d(year, month, day);
    if (!d.isValid() || year < 1 || year > 9999)
        return false;
    value = static_cast<TDateTime>(dateBase().daysTo(d));
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, TDateTime& value)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return false;
    value = (hour * 3600 + minute * 60 + second) / 86400.0;
    return true;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day)
{
    const QDate d = dateBase().addDays(static_cast<qint64>(std::floor(value)));
    year = d.year();
    month = d.month();
    day = d.day();
}

bool IsUrlText(const QString& text)
{
    return text.contains(QLatin1String("://")) || text.contains(QLatin1String("mailto:"));
}

void StripUrlScheme(QString& text)
{
    for (const QLatin1String marker : {QLatin1String("://"), QLatin1String("mailto:")}) {
        const int p = text.indexOf(marker);
        if (p >= 0) {
            text.remove(0, p + marker.size());
            return;
        }
    }
}

bool HighlightUrls(const QString& text, const QString& upperPrefix, QString& out)
{
    if (indexOfUpper(upperPrefix, text) < 0)
        return false;
    QString escaped = text;
    escaped.replace('<', QLatin1String("&lt;")).replace('>', QLatin1String("&gt;"));
    const qsizetype p = indexOfUpper(upperPrefix, escaped);
    qsizetype end = p;
    while (end < escaped.size() && isUrlChar(escaped.at(end)))
        ++end;
    const QString url = escaped.mid(p, end - p);
    out = escaped.left(p) + QLatin1String("<a href=\"") + url + QLatin1String("\">") + url + QLatin1String("</a>") +
          escaped.mid(end);
    return true;
}

int CellTextKind(const QString& text, bool enableHtml)
{
    if (text.isEmpty())
        return ctkPlain;
    const QChar first = text.at(0);
    if (first == u'=')
        return ctkFormula;
    const bool slash = text.size() > 1 && text.at(1) == u'\\';
    if (first == u'|' && slash) {
        if (text.size() > 4 && text.at(3) == u'=' && text.at(4).unicode() == 0)
            return ctkFormula;
        return ctkWide;
    }
    if (first == u'{' && slash)
        return ctkRtf;
    if (enableHtml) {
        // "</", "<B", "<I" or "<C" anywhere.
        for (qsizetype i = text.indexOf(u'<'); i >= 0 && i + 1 < text.size(); i = text.indexOf(u'<', i + 1)) {
            const char16_t next = text.at(i + 1).unicode();
            if (next == u'/' || next == u'B' || next == u'I' || next == u'C')
                return ctkHtml;
        }
    }
    return ctkPlain;
}

QString EncodeWideText(const QString& wide)
{
    QString out = QStringLiteral("|\\");
    out.reserve(2 + 2 * wide.size());
    for (const QChar c : wide) {
        out += QChar(c.unicode() >> 8);
        out += QChar(c.unicode() & 0xFF);
    }
    return out;
}

QString DecodeWideText(const QString& text)
{
    if (!text.startsWith(QLatin1String("|\\")))
        return text;
    QString out;
    out.reserve((text.size() - 2) / 2);
    for (int i = 2; i + 1 < text.size(); i += 2)
        out += QChar(static_cast<char16_t>(text.at(i).unicode() * 256 + text.at(i + 1).unicode()));
    return out;
}

int WidePos(const QString& sub, const QString& wide)
{
    return wide.indexOf(sub) + 1;
}

QByteArray ClipboardHtmlFormat(const QString& fragment)
{
    static const QByteArray pageStart =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"
        "<html><head><META http-equiv=Content-Type content=\"text/html; charset=utf-8\"></head><body>"
        "<!--StartFragment-->";
    static const QByteArray pageEnd = "<!--EndFragment--></body></html>";
    const QByteArray body = fragment.toUtf8();
    const auto header = [](qsizetype startHtml, qsizetype endHtml, qsizetype startFragment, qsizetype endFragment) {
        return QString::asprintf(
                   "Version:1.0\r\nStartHTML:%.8lld\r\nEndHTML:%.8lld\r\nStartFragment:%.8lld\r\n"
                   "EndFragment:%.8lld\r\n",
                   static_cast<long long>(startHtml), static_cast<long long>(endHtml),
                   static_cast<long long>(startFragment), static_cast<long long>(endFragment))
            .toLatin1();
    };
    const qsizetype headerSize = header(0, 0, 0, 0).size();
    const qsizetype startFragment = headerSize + pageStart.size();
    const qsizetype endFragment = startFragment + body.size();
    return header(headerSize, endFragment + pageEnd.size(), startFragment, endFragment) + pageStart + body + pageEnd;
}

bool ParseCellAnchor(const QString& text, TPoint& cell)
{
    const QString s = text.toUpper();
    if (s.size() <= 3 || !s.startsWith('R'))
        return false;
    const QString rest = s.mid(1);
    const int c = rest.indexOf('C');
    if (c < 0)
        return false;
    int row = 0;
    int col = 0;
    if (!toInt(rest.left(c), row) || !toInt(rest.mid(c + 1), col))
        return false;
    cell = {col, row};
    return true;
}

int NumberTextKind(const QString& text)
{
    if (text.isEmpty())
        return ntkNoNumber;
    const TRegionalSettings rs = RegionalSettings();
    const QChar ts = rs.ThousandSeparator;
    const QChar ds = rs.DecimalSeparator;
    bool allInteger = true;
    bool decimal = true;
    bool exponent = true;
    bool exponentSeen = false;
    int decimals = 0;
    int minuses = 0;
    int lastThousand = -1;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        const bool number = c.isNumber();
        const bool e = c == 'e' || c == 'E';
        if (!number && c != '-')
            allInteger = false;
        if (e) {
            if (exponentSeen || i == 0)
                exponent = false;
            exponentSeen = true;
        }
        if (i == n - 1 && (e || c == '+' || c == '-'))
            exponent = false;
        if (c == '-') {
            ++minuses;
            if (i > 0) {
                allInteger = false;
                decimal = false;
            }
        }
        if (!number && c != '-' && c != ts && c != ds)
            decimal = false;
        if (!number && c != ts && c != ds && !e && c != '+' && c != '-')
            exponent = false;
        if (c == ts) {
            exponent = false;
            if (lastThousand >= 0 && i - lastThousand < 4)
                decimal = false;
            lastThousand = i;
        }
        if (c == ds)
            ++decimals;
    }
    int kind = ntkNoNumber;
    if (allInteger)
        kind = ntkInteger;
    else if (decimal && !exponentSeen)
        kind = ntkDecimal;
    if (exponent && exponentSeen) {
        kind = ntkExponent;
        if (minuses == 2)
            minuses = 1;
    }
    if (minuses > 1 || decimals > 1)
        kind = ntkNoNumber;
    return kind;
}

QString CleanFloatText(const QString& text)
{
    if (text.isEmpty())
        return QString();
    const TRegionalSettings rs = RegionalSettings();
    bool negative = text.startsWith('(') && text.endsWith(')');
    QString s = text;
    while (s.size() >= 2) {
        const QChar c = s.at(0);
        if (c.isNumber() || c == rs.ThousandSeparator || c == rs.DecimalSeparator || c == 'e' || c == 'E')
            break;
        if (c == '-')
            negative = true;
        s.remove(0, 1);
    }
    QString out;
    for (const QChar c : s) {
        if (c == rs.ThousandSeparator)
            continue;
        if (c == rs.DecimalSeparator)
            out += '.';
        else if (c.isNumber() || QStringLiteral("-.eE+").contains(c))
            out += c;
        else
            break;
    }
    return negative ? QLatin1Char('-') + out : out;
}

QString HexOfWord(int color)
{
    const unsigned v = static_cast<unsigned>(color);
    return QString::asprintf("%02X%02X%02X", v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

bool StrToDateByFormat(const QString& text, TDateTime& value)
{
    const TRegionalSettings rs = RegionalSettings();
    // Most texts are no dates: they are turned away before the format is looked at.
    const int p1 = text.indexOf(rs.DateSeparator);
    if (p1 < 0)
        return false;
    const QString format = rs.ShortDateFormat.toUpper();
    // Field order: the letters sorted by their place in the format (a missing letter counts as 0).
    struct Letter {
        int pos;
        char which;
    };
    Letter order[3] = {{static_cast<int>(format.indexOf('D')) + 1, 'D'},
                       {static_cast<int>(format.indexOf('M')) + 1, 'M'},
                       {static_cast<int>(format.indexOf('Y')) + 1, 'Y'}};
    std::stable_sort(std::begin(order), std::end(order),
                     [](const Letter& a, const Letter& b) { return a.pos < b.pos; });

    QString rest = text.mid(p1 + 1);
    const int p2 = rest.indexOf(rs.DateSeparator);
    if (p2 < 0)
        return false;
    int fields[3] = {};
    if (!toInt(text.left(p1), fields[0]) || !toInt(rest.left(p2), fields[1]))
        return false;
    rest = rest.mid(p2 + 1).trimmed();
    const int space = rest.indexOf(' ');
    const QString timeText = space >= 0 ? rest.mid(space) : QString();
    if (!toInt(space >= 0 ? rest.left(space) : rest, fields[2]))
        return false;
    int day = 0;
    int month = 0;
    int year = 0;
    for (int i = 0; i < 3; ++i) {
        int& target = order[i].which == 'D' ? day : order[i].which == 'M' ? month : year;
        target = fields[i];
    }
    if (day >= 32 || month > 12)
        return false;
    TDateTime date = 0;
    if (!TryEncodeDate(year, month, day, date))
        return false;
    value = date;
    if (timeText.isEmpty())
        return true;
    const int t1 = timeText.indexOf(rs.TimeSeparator);
    if (t1 < 0)
        return false;
    int hour = 0;
    int minute = 0;
    int second = 0;
    if (!toInt(timeText.left(t1), hour) || hour > 23)
        return false;
    const QString afterHour = timeText.mid(t1 + 1);
    const int t2 = afterHour.indexOf(rs.TimeSeparator);
    if (t2 >= 0) {
        if (!toInt(afterHour.left(t2), minute) || !toInt(afterHour.mid(t2 + 1), second) || second > 60)
            return false;
    } else if (!toInt(afterHour, minute)) {
        return false;
    }
    if (minute > 59)
        return false;
    TDateTime time = 0;
    if (!TryEncodeTime(hour, minute, second, time))
        return false;
    value = date + time;
    return true;
}

namespace {

// Three numbers split by the first of "/", "." and "-" that occurs; the same must split all three.
bool splitDate(const QString& text, int& a, int& b, int& c)
{
    QChar sep;
    for (const QChar candidate : {QChar('/'), QChar('.'), QChar('-')}) {
        if (text.contains(candidate)) {
            sep = candidate;
            break;
        }
    }
    if (sep.isNull())
        return false;
    const QStringList parts = text.split(sep);
    return parts.size() == 3 && toInt(parts[0], a) && toInt(parts[1], b) && toInt(parts[2], c);
}

// Two-digit years: up to 25 in this century, else the last; a longer year is taken as written.
TDateTime encodeShortYearDate(int year, int month, int day)
{
    if (year >= 0 && year < 100)
        year += year <= 25 ? 2000 : 1900;
    TDateTime value = 0;
    return TryEncodeDate(year, month, day, value) ? value : 0;
}

}  // namespace

TDateTime ParseDateMonthFirst(const QString& text)
{
    int month = 0;
    int day = 0;
    int year = 0;
    return splitDate(text, month, day, year) ? encodeShortYearDate(year, month, day) : 0;
}

TDateTime ParseDateDayFirst(const QString& text)
{
    int day = 0;
    int month = 0;
    int year = 0;
    return splitDate(text, day, month, year) ? encodeShortYearDate(year, month, day) : 0;
}

bool LooksLikeDate(const QString& text)
{
    const QChar sep = RegionalSettings().DateSeparator;
    const int first = text.indexOf(sep);
    return first >= 1 && text.indexOf(sep, first + 2) > first;
}

TDateTime AddToDate(int years, int months, int days, TDateTime offset, TDateTime date)
{
    if (days != 0 && years == 0 && months == 0)
        return date + days;
    if (days != 0 || (years != 0) == (months != 0))
        return date + offset;
    int y = 0;
    int m = 0;
    int d = 0;
    DecodeDate(date, y, m, d);
    y += years;
    m += months;
    while (m <= 0) {
        m += 12;
        --y;
    }
    while (m > 12) {
        m -= 12;
        ++y;
    }
    // A day that the target month lacks becomes its last day.
    d = std::min(d, QDate(y, m, 1).daysInMonth());
    TDateTime value = 0;
    if (!TryEncodeDate(y, m, d, value))
        return date;
    return value + (date - std::floor(date));
}

QString MixedCaseText(const QString& text)
{
    QString out = text;
    bool capitalise = true;
    const int n = out.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = out.at(i);
        if (QStringLiteral(" ',-.").contains(c))
            capitalise = true;
        else if (capitalise) {
            out[i] = c.toUpper();
            capitalise = false;
        } else
            out[i] = c.toLower();
        const QString sofar = out.left(i + 1);
        const int mc = sofar.indexOf(QLatin1String(" Mc"));
        if (sofar == QLatin1String("Mc") || (mc > 0 && mc + 2 == i))
            capitalise = true;
        if (i >= n - 3 && (sofar.endsWith(QLatin1String(" I")) || sofar.endsWith(QLatin1String(" II"))))
            capitalise = true;
    }
    return out;
}

int ClampAutoSize(int value, int minimum, int maximum)
{
    if (minimum == maximum)
        return value;
    if (minimum > 0 && minimum > value)
        value = minimum;
    if (maximum > 0 && maximum < value)
        value = maximum;
    return value;
}

int MinOf(int a, int b)
{
    return a < b ? a : b;
}
int MaxOf(int a, int b)
{
    return a > b ? a : b;
}

bool CellInGridRect(const TRect& gridRect, int col, int row)
{
    return gridRect.Left <= col && col <= gridRect.Right && gridRect.Top <= row && row <= gridRect.Bottom;
}

int PosUpperCase(const QString& upperSub, const QString& text)
{
    return static_cast<int>(indexOfUpper(upperSub, text) + 1);
}

int PosStore(const QString& sub, const QString& text, int& position)
{
    position = text.indexOf(sub) + 1;
    return position;
}

int CharPosition(QChar ch, const QString& text)
{
    return text.indexOf(ch) + 1;
}

int CharPositionStore(QChar ch, const QString& text, int& position)
{
    position = CharPosition(ch, text);
    return position;
}

int CountCharInText(QChar ch, const QString& text)
{
    return text.count(ch);
}

int CountTextLines(const QString& text, bool multiLine)
{
    return multiLine ? 1 + text.count(CR) : 1;
}

void NextLine(QString& text, bool keepRest, QString& line)
{
    const int p = text.indexOf(CR);
    if (p < 0) {
        line = text;
        text.clear();
        return;
    }
    line = text.left(p);
    int next = p + 1;
    if (next < text.size() && text.at(next) == LF)
        ++next;
    if (keepRest)
        text.remove(0, next);
    else
        text.clear();
}

void ExtractToken(QString& text, QChar delimiter, QString& token)
{
    const int p = text.indexOf(delimiter);
    if (p < 0) {
        token.clear();
        return;
    }
    token = text.left(p);
    text.remove(0, p + 1);
}

QString JoinListItems(const TStringList& list)
{
    QString out;
    for (int i = 0; i < list.Count(); ++i)
        out += list[i];
    return out;
}

void FillStringWith(QString& text, QChar ch)
{
    text.fill(ch);
}

// Texts are Unicode throughout; there is no separate OEM code page to convert to.
void AnsiToOemText(QString& text)
{
    (void)text;
}
void OemToAnsiText(QString& text)
{
    (void)text;
}

QString EscapeQuotes(const QString& text)
{
    QString out = text;
    return out.replace('"', QLatin1String("\"\""));
}

QString UndoubleChar(QChar ch, const QString& text)
{
    if (!text.contains(ch))
        return text;
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        out += text.at(i);
        if (text.at(i) == ch && i + 1 < text.size() && text.at(i + 1) == ch)
            ++i;
    }
    return out;
}

int FindClosingQuote(QChar ch, const QString& text)
{
    int run = 0;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        if (text.at(i) == ch) {
            if (i == n - 1)
                return n;
            ++run;
        } else if (run % 2 == 1) {
            return i;
        } else {
            run = 0;
        }
    }
    return 0;
}

int CountOddRuns(QChar ch, const QString& text)
{
    int count = 0;
    QString rest = text;
    for (int p = FindClosingQuote(ch, rest); p > 0; p = FindClosingQuote(ch, rest)) {
        ++count;
        rest.remove(0, p);
    }
    return count;
}

QString LinesToHtmlBreaks(const QString& text)
{
    QString out = text;
    return out.replace(CR, QLatin1String("<br>"));
}

QString ExpandNewLineEscapes(const QString& text)
{
    QString out = text;
    return out.replace(QLatin1String("\\n"), QString(CR));
}

QString EncodeNewLineEscapes(const QString& text)
{
    QString out = text;
    return out.remove(LF).replace(CR, QLatin1String("\\n"));
}

QString QuoteMultiLine(const QString& text)
{
    QString out = text;
    out.replace(QLatin1String("\r\n"), QString(QChar(11)));
    return QLatin1Char('"') + out + QLatin1Char('"');
}

QString CrLfToLf(const QString& text)
{
    QString out = text;
    return out.replace(QLatin1String("\r\n"), QString(LF));
}

QString LineBreaksFromChar11(const QString& text)
{
    QString out = text;
    return out.replace(QChar(11), QLatin1String("\r\n"));
}

QString LineBreaksToTilde(const QString& text)
{
    QString out = text;
    return out.remove(LF).replace(CR, QChar('~'));
}

QString TildeToLineBreaks(const QString& text)
{
    if (text == QLatin1String("^"))
        return QString();
    QString out = text;
    return out.replace('~', QLatin1String("\r\n"));
}

QString TabsFromLineBreaks(const QString& text)
{
    if (!text.contains(CR))
        return text;
    QString out = text;
    return out.replace(CR, QChar(9)).replace(LF, QChar(8)).replace(QChar(0), QChar(1));
}

QString LineBreaksFromTabs(const QString& text, bool firstLineOnly)
{
    QString out = text;
    if (out.contains(QChar(8)))
        out.replace(QChar(9), CR).replace(QChar(8), LF).replace(QChar(1), QChar(0));
    if (!firstLineOnly)
        return out;
    QString line;
    NextLine(out, false, line);
    return line;
}

QString RemoveCarriageReturns(const QString& text)
{
    QString out = text;
    return out.remove(CR);
}

QString CarriageReturnsToLineFeeds(const QString& text)
{
    QString out = text;
    return out.replace(CR, LF);
}

QString FormatFloatText(const QString& format, double value)
{
    static const QRegularExpression spec(QStringLiteral("%([-+ 0#]*)(\\d*)(?:\\.(\\d+))?([fFeEgGnNmM])"));
    const TRegionalSettings rs = RegionalSettings();
    QString out;
    int pos = 0;
    bool used = false;
    while (pos < format.size()) {
        if (format.at(pos) != u'%') {
            out += format.at(pos++);
            continue;
        }
        if (format.mid(pos, 2) == QStringLiteral("%%")) {
            out += u'%';
            pos += 2;
            continue;
        }
        const QRegularExpressionMatch m =
            spec.match(format, pos, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
        if (!m.hasMatch() || used) {
            out += format.at(pos++);
            continue;
        }
        const QChar kind = m.captured(4).at(0).toLower();
        const int width = std::min(m.captured(2).toInt(), 64);
        const int precision = m.captured(3).isEmpty() ? 2 : std::min(m.captured(3).toInt(), 30);
        QString number = kind == u'n' || kind == u'm' ? QLocale::c().toString(value, 'f', precision)
                                                      : QString::number(value, kind.toLatin1(), precision);
        number.replace(u'.', rs.DecimalSeparator);
        if (m.captured(1).contains(u'+') && value >= 0)
            number.prepend(u'+');
        out += m.captured(1).contains(u'-') ? number.leftJustified(width) : number.rightJustified(width);
        used = true;
        pos = m.capturedEnd();
    }
    return out;
}
