#include "grid/base/VsgHTMLE/VsgHTMLEText.h"

#include <QFile>
#include <QHash>
#include <QTextStream>

#include <limits>
#include <vector>

// Outside any namespace, as the resource initialiser is declared there.
static void initTextResources()
{
    Q_INIT_RESOURCE(vsghtmle);
}

namespace {

// The lines "value name" of a table file, comments and blank lines left out.
std::vector<std::pair<uint, QString>> readTable(const QString& path)
{
    initTextResources();
    std::vector<std::pair<uint, QString>> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entries;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList parts = line.split(' ', Qt::SkipEmptyParts);
        bool ok = false;
        const uint first = parts.value(0).toUInt(&ok, 16);
        if (ok && parts.size() == 2)
            entries.emplace_back(first, parts[1]);
    }
    return entries;
}

struct TNamedChar {
    QChar ch;
    QString name;  // "&name;"
};

// The named-character table, in table order.
const std::vector<TNamedChar>& namedChars()
{
    static const std::vector<TNamedChar> table = [] {
        std::vector<TNamedChar> entries;
        for (const auto& [code, name] : readTable(QStringLiteral(":/gridbase/htmlentities.txt")))
            entries.push_back({QChar(static_cast<char16_t>(code)), QLatin1Char('&') + name + QLatin1Char(';')});
        return entries;
    }();
    return table;
}

const QHash<QString, TColor>& colorNames()
{
    static const QHash<QString, TColor> table = [] {
        QHash<QString, TColor> names;
        for (const auto& [value, name] : readTable(QStringLiteral(":/gridbase/htmlcolors.txt")))
            names.insert(name, static_cast<TColor>(value));
        return names;
    }();
    return table;
}

const TNamedChar basicNames[] = {
    {'&', QStringLiteral("&amp;")},
    {'"', QStringLiteral("&quot;")},
    {'<', QStringLiteral("&lt;")},
    {'>', QStringLiteral("&gt;")},
};

QChar upperAscii(QChar c)
{
    return (c >= u'a' && c <= u'z') ? QChar(c.unicode() - 32) : c;
}

int hexDigit(QChar c)
{
    const QChar u = upperAscii(c);
    if (u >= u'0' && u <= u'9')
        return u.unicode() - '0';
    if (u >= u'A' && u <= u'F')
        return u.unicode() - 'A' + 10;
    return 0;
}

TColor highlightBackground = clHighlight;
TColor highlightText = clHighlightText;

}  // namespace

TColor HtmlColorNameToColor(const QString& name)
{
    return colorNames().value(name, clBlack);
}

int HexPairToByte(const QString& pair)
{
    if (pair.size() < 2)
        return 0;
    return 16 * hexDigit(pair[0]) + hexDigit(pair[1]);
}

TColor HtmlHexToColor(const QString& text)
{
    return RGB(HexPairToByte(text.mid(1, 2)), HexPairToByte(text.mid(3, 2)), HexPairToByte(text.mid(5, 2)));
}

TColor HtmlValueToColor(const QString& value)
{
    if (value.startsWith('#'))
        return HtmlHexToColor(value);
    return HtmlColorNameToColor(value.toLower());
}

QString UpperCaseAscii(QStringView text)
{
    QString out = text.toString();
    for (QChar& c : out)
        c = upperAscii(c);
    return out;
}

int PosNoCase(const QString& sub, const QString& text)
{
    return static_cast<int>(UpperCaseAscii(text).indexOf(UpperCaseAscii(sub))) + 1;
}

int StrToIntZero(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    int base = 10;
    if (i < text.size() && (text[i] == u'$' || upperAscii(text[i]) == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' && upperAscii(text[i + 1]) == u'X') {
        base = 16;
        i += 2;
    }
    constexpr long long limit = std::numeric_limits<int>::max();
    long long value = 0;
    const qsizetype first = i;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool digit = base == 10 ? c.isDigit() && c.unicode() < 128 : (hexDigit(c) != 0 || c == u'0');
        if (!digit)
            break;
        value = std::min(limit, value * base + (base == 10 ? c.unicode() - '0' : hexDigit(c)));
    }
    if (i == first)
        return 0;
    if (i < text.size())
        return static_cast<int>(value);
    return static_cast<int>(negative ? -value : value);
}

bool TagReplace(const QString& find, const QString& replacement, QString& text)
{
    const int pos = PosNoCase(find, text);
    if (find.isEmpty() || pos == 0)
        return false;
    text.replace(pos - 1, find.size(), replacement);
    return true;
}

QString HtmlEscape(const QString& text, bool withAccents)
{
    QHash<QChar, QString> names;
    for (const TNamedChar& n : basicNames)
        names.insert(n.ch, n.name);
    if (withAccents)
        for (const TNamedChar& n : namedChars())
            names.insert(n.ch, n.name);
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const auto it = names.constFind(c);
        if (it != names.constEnd())
            out += *it;
        else
            out += c;
    }
    return out;
}

QString HtmlUnescape(const QString& text, bool withAccents)
{
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size();) {
        if (text.at(i) == '&') {
            const TNamedChar* found = nullptr;
            for (const TNamedChar& n : basicNames)
                if (!found && QStringView(text).mid(i).startsWith(n.name))
                    found = &n;
            if (withAccents)
                for (const TNamedChar& n : namedChars())
                    if (!found && QStringView(text).mid(i).startsWith(n.name))
                        found = &n;
            if (found) {
                out += found->ch;
                i += static_cast<int>(found->name.size());
                continue;
            }
        }
        out += text.at(i++);
    }
    return out;
}

QString SpacesToNbsp(const QString& text)
{
    QString out = text;
    return out.replace(u' ', QStringLiteral("&nbsp;"));
}

QString LineBreaksToHtml(const QString& text, bool withBreaks)
{
    QString out = text;
    out.remove(u'\n');
    return out.replace(u'\r', withBreaks ? QStringLiteral("<BR>") : QString());
}

QString StripHashTags(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'<' && i + 1 < text.size() && text[i + 1] == u'#') {
            const qsizetype close = text.indexOf(u'>', i + 2);
            out += QStringView(text).mid(i + 1, close < 0 ? -1 : close - i - 1);
            if (close < 0)
                break;
            i = close;
            continue;
        }
        out += text[i];
    }
    return out;
}

QString StripTagsOnly(const QString& text)
{
    QString out;
    out.reserve(text.size());
    qsizetype pos = 0;
    while (true) {
        const qsizetype open = text.indexOf(u'<', pos);
        const qsizetype close = text.indexOf(u'>', pos);
        if (open < 0 || close < open)
            break;
        out += QStringView(text).mid(pos, open - pos);
        pos = close + 1;
    }
    out += QStringView(text).mid(pos);
    return out;
}

QString StripHtmlTags(const QString& text)
{
    QString out = text;
    out.replace(QStringLiteral("<BR>"), QStringLiteral("\r\n"), Qt::CaseInsensitive);
    out.replace(QStringLiteral("<HR>"), QStringLiteral("\r\n"), Qt::CaseInsensitive);
    return StripTagsOnly(out);
}

int VisibleCharPos(const QString& text, int n)
{
    if (n <= 1)
        return n == 1 ? 1 : 0;
    int visible = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'<') {
            const qsizetype close = text.indexOf(u'>', i + 1);
            if (close >= 0) {
                i = close;
                continue;
            }
        }
        if (++visible == n - 1)
            return static_cast<int>(i) + 2;
    }
    return 0;
}

QString MarkTextWithTag(const QString& text, const QString& search, const QString& tag, bool caseSensitive)
{
    QString plain = StripTagsOnly(text);
    QString find = search;
    QString work = text;
    if (text.contains(search) && (plain.contains(u'<') || plain.contains(u'>'))) {
        const auto escapeBrackets = [](QString s) {
            return s.replace(u'<', QStringLiteral("&lt;")).replace(u'>', QStringLiteral("&gt;"));
        };
        plain = escapeBrackets(plain);
        find = escapeBrackets(find);
        work = plain;
    }
    if (find.isEmpty())
        return work;
    // Folded one character at a time, so that positions in the plain text stay where they are.
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QString open = QLatin1Char('<') + tag + QLatin1Char('>');
    const QString close = QStringLiteral("</") + tag + QLatin1Char('>');
    for (qsizetype from = 0;;) {
        const qsizetype found = plain.indexOf(find, from, cs);
        if (found < 0)
            break;
        const int p = static_cast<int>(found) + 1;
        const int startPos = VisibleCharPos(work, p);
        if (startPos > 0)
            work.insert(startPos - 1, open);
        const int endPos = VisibleCharPos(work, p + static_cast<int>(find.size()));
        if (endPos > 0)
            work.insert(endPos - 1, close);
        from = found + find.size();
    }
    return work;
}

QString UnmarkTextTag(const QString& text, const QString& tag)
{
    QString out = text;
    out.remove(QLatin1Char('<') + tag + QLatin1Char('>'), Qt::CaseInsensitive);
    out.remove(QStringLiteral("</") + tag + QLatin1Char('>'), Qt::CaseInsensitive);
    out.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    return out.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
}

void SetHtmlHighlightColors(TColor background, TColor text)
{
    highlightBackground = background;
    highlightText = text;
}

TColor HtmlHighlightColor()
{
    return highlightBackground;
}
TColor HtmlHighlightTextColor()
{
    return highlightText;
}
