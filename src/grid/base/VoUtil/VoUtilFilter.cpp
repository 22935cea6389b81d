#include "grid/base/VoUtil/VoUtilFilter.h"

#include "grid/base/VoUtil/VoUtilText.h"
#include "platform/SysUtils.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <unordered_map>

namespace {

constexpr int MaxCompareLength = 255;

bool isOperatorChar(QChar c)
{
    return QStringLiteral("(;^&|").contains(c);
}

// The value after an operator ending at index from: spaces skipped; ends at a space, "&" or "|" outside quotes.
QString valueToken(const QString& c, int from)
{
    int i = from;
    while (i < c.size() && c.at(i) == ' ')
        ++i;
    bool quoted = false;
    int end = i;
    for (; end < c.size(); ++end) {
        const QChar ch = c.at(end);
        if (ch == '"')
            quoted = !quoted;
        else if (!quoted && (ch == ' ' || ch == '&' || ch == '|'))
            break;
    }
    QString token = c.mid(i, end - i);
    if (token.startsWith('"'))
        token.remove(0, 1);
    if (token.endsWith('"'))
        token.chop(1);
    return token;
}

// A plain decimal number (an optional minus, digits, optionally a point and digits) is read directly, with the
// same correctly rounded result; any other text as QString::toDouble reads it.
std::optional<double> readNumber(const QString& text)
{
    constexpr int MaxPlain = 40;
    std::array<char, MaxPlain> chars{};
    const int n = static_cast<int>(text.size());
    int digitsBefore = 0;
    int digitsAfter = 0;
    bool point = false;
    bool plain = n > 0 && n <= MaxPlain;
    for (int i = 0; plain && i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c >= '0' && c <= '9')
            ++(point ? digitsAfter : digitsBefore);
        else if (c == '.' && !point)
            point = true;
        else if (!(c == '-' && i == 0))
            plain = false;
        chars[static_cast<std::size_t>(i)] = static_cast<char>(c);
    }
    if (plain && digitsBefore > 0 && (!point || digitsAfter > 0)) {
        double value = 0;
        const auto [end, error] = std::from_chars(chars.data(), chars.data() + n, value);
        if (error == std::errc() && end == chars.data() + n)
            return value;
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

std::optional<double> asNumber(const QString& text)
{
    TDateTime date = 0;
    if (StrToDateByFormat(text, date))
        return std::nullopt;
    return readNumber(FilterNumberText(text));
}

std::optional<TDateTime> asDate(const QString& text)
{
    TDateTime date = 0;
    return StrToDateByFormat(text, date) ? std::optional<TDateTime>(date) : std::nullopt;
}

// Sign of cell - value: by number, else by date, else by text.
int compareCell(const QString& cell, const QString& value)
{
    const auto spaceship = [](auto a, auto b) { return a < b ? -1 : (a > b ? 1 : 0); };
    const auto cn = asNumber(cell);
    const auto vn = asNumber(value);
    if (cn && vn)
        return spaceship(*cn, *vn);
    const auto cd = asDate(cell);
    const auto vd = asDate(value);
    if (cd && vd)
        return spaceship(*cd, *vd);
    return spaceship(QString::compare(cell.left(MaxCompareLength), value.left(MaxCompareLength)), 0);
}

// Compares against the value after the first occurrence of op; true when the test holds.
bool comparison(const QString& c, const QString& cell, QChar op)
{
    const int at = c.indexOf(op);
    const bool orEqual = at + 1 < c.size() && c.at(at + 1) == '=';
    const int sign = compareCell(cell, valueToken(c, at + (orEqual ? 2 : 1)));
    const int wanted = op == '>' ? 1 : -1;
    return sign == wanted || (orEqual && sign == 0);
}

// The comparison steps of a condition; none when its pattern decides.
std::optional<bool> comparisonOutcome(const QString& condition, const QString& cellText)
{
    const QString& c = condition;
    bool greater = true;
    bool less = true;
    bool hasGreater = false;
    bool hasLess = false;
    if (c.contains('>')) {
        greater = comparison(c, cellText, '>');
        hasGreater = true;
    }
    if (c.contains('<')) {
        less = comparison(c, cellText, '<');
        hasLess = true;
    }
    if (c.contains('!')) {
        hasGreater = hasGreater || !c.contains('>');
        hasLess = hasLess || !c.contains('<');
    }
    if (c.contains('^') && (hasGreater || hasLess))
        return greater || less;
    if (c.contains('&') && hasGreater && hasLess)
        return greater && less;
    if (c.contains('>') && greater)
        return true;
    if (c.contains('<') && less)
        return true;
    return std::nullopt;
}

bool hasConditionChars(QStringView condition)
{
    for (const QChar c : condition)
        if (c == '>' || c == '<' || c == '!')
            return true;
    return false;
}

// Pattern matching of a condition against a cell text. "*" stands for any suffix matched by the condition
// that follows it; such a sub-result depends only on where the pattern and the text stand, so each one is
// worked out once. A plain wildcard pattern is matched in one pass with star back-tracking.
class TPatternMatch {
public:
    TPatternMatch(const QString& pattern, const QString& text)
        : p(pattern), t(text), np(static_cast<int>(pattern.size())), nt(static_cast<int>(text.size()))
    {}

    // The pattern from pi against the text from ti, as one whole condition.
    bool condition(int pi, int ti)
    {
        const QStringView rest = QStringView(p).mid(pi);
        if (!hasConditionChars(rest))
            return glob(pi, ti);
        const auto key = static_cast<qint64>(pi) * (nt + 1) + ti;
        const auto known = memo.find(key);
        if (known != memo.end())
            return known->second;
        const std::optional<bool> compared = comparisonOutcome(rest.toString(), t.mid(ti));
        const bool result = compared ? *compared : walk(pi, ti);
        memo.emplace(key, result);
        return result;
    }

    // The pattern step of a condition: "!" negates, quotes match nothing, "?" any one character.
    bool walk(int pi, int ti)
    {
        bool result = true;
        bool negated = false;
        while (result && (pi < np || ti < nt)) {
            if (pi >= np) {
                result = false;
                break;
            }
            const QChar pc = p.at(pi);
            if (pc == '!') {
                negated = true;
                ++pi;
            } else if (pc == '"') {
                ++pi;
            } else if (pc == '*') {
                while (pi < np && p.at(pi) == '*')
                    ++pi;
                result = anySuffix(pi, ti);
                break;
            } else {
                result = ti < nt && (pc == '?' || pc == t.at(ti));
                ++pi;
                ++ti;
            }
        }
        return negated ? !result : result;
    }

private:
    bool anySuffix(int pi, int ti)
    {
        if (!hasConditionChars(QStringView(p).mid(pi)))
            return glob(pi - 1, ti);  // from the star itself
        for (int start = nt; start >= ti; --start)
            if (condition(pi, start))
                return true;
        return false;
    }

    // A pattern of literals, "?", "*" and quotes, in time linear in pattern length times text length.
    bool glob(int pi, int ti) const
    {
        int starP = -1;
        int starT = 0;
        for (;;) {
            while (pi < np && p.at(pi) == '"')
                ++pi;
            if (pi < np && p.at(pi) == '*') {
                starP = ++pi;
                starT = ti;
                continue;
            }
            if (ti == nt) {
                while (pi < np && (p.at(pi) == '"' || p.at(pi) == '*'))
                    ++pi;
                return pi == np;
            }
            if (pi < np && (p.at(pi) == '?' || p.at(pi) == t.at(ti))) {
                ++pi;
                ++ti;
                continue;
            }
            if (starP < 0)
                return false;
            pi = starP;
            ti = ++starT;
        }
    }

    const QString& p;
    const QString& t;
    const int np;
    const int nt;
    std::unordered_map<qint64, bool> memo;
};

}  // namespace

QChar FindFilterOperator(const QString& text, int& position)
{
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && isOperatorChar(c)) {
            position = i + 1;
            return c;
        }
    }
    position = 0;
    return QChar();
}

QString RemoveSpacesOutsideQuotes(const QString& text)
{
    if (!text.contains(' '))
        return text;
    QString out;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == '"')
            quoted = !quoted;
        if (c != ' ' || quoted)
            out += c;
    }
    return out;
}

int MatchingBracketPos(const QString& text)
{
    int open = 0;
    int close = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == '(')
            ++open;
        else if (text.at(i) == ')' && ++close == open)
            return i + 1;
    }
    return 0;
}

QString FilterNumberText(const QString& text)
{
    const TRegionalSettings rs = RegionalSettings();
    if (rs.DecimalSeparator == '.' && !text.contains(rs.ThousandSeparator))
        return text;
    QString out;
    for (const QChar c : text) {
        if (c == rs.DecimalSeparator)
            out += '.';
        else if (c != rs.ThousandSeparator)
            out += c;
    }
    return out;
}

bool MatchFilterCondition(const QString& condition, const QString& cellText)
{
    return TPatternMatch(condition, cellText).condition(0, 0);
}

bool MatchFilterOperand(const QString& condition, const QString& cellText, bool caseSensitive)
{
    if (caseSensitive)
        return MatchFilterCondition(condition, cellText);
    return MatchFilterCondition(condition.toUpper(), cellText.toUpper());
}

namespace {

bool matchExpression(const QString& expression, const QString& cellText, bool caseSensitive, int depth)
{
    if (depth > MaxFilterNesting)
        throw Exception(QStringLiteral("Filter condition nested too deeply"));
    QString e = RemoveSpacesOutsideQuotes(expression.trimmed());
    if (e.startsWith('='))
        e.remove(0, 1);
    bool result = true;
    QChar previous;
    const auto combine = [&](bool value) {
        if (previous.isNull())
            result = value;
        else if (previous == '&')
            result = result && value;
        else if (previous != '(')
            result = result || value;
    };
    int p = 0;
    for (QChar op = FindFilterOperator(e, p); !op.isNull(); op = FindFilterOperator(e, p)) {
        if (e.startsWith('(')) {
            const int close = MatchingBracketPos(e);
            if (close == 0)
                break;  // an unclosed bracket: the rest is one operand
            combine(matchExpression(e.mid(1, close - 2), cellText, caseSensitive, depth + 1));
            e.remove(0, close);
        } else {
            combine(MatchFilterOperand(e.left(p - 1), cellText, caseSensitive));
            e.remove(0, p);
        }
        previous = op;
    }
    combine(MatchFilterOperand(e, cellText, caseSensitive));
    return result;
}

}  // namespace

bool MatchFilterExpression(const QString& expression, const QString& cellText, bool caseSensitive)
{
    return matchExpression(expression, cellText, caseSensitive, 0);
}
