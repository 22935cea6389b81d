#include "gateway/ProjectFile.h"

#include "platform/FileUtils.h"
#include "platform/XmlDocument.h"
#include "platform/XmlElementTree.h"

#include <QFileInfo>
#include <charconv>
#include <cmath>

namespace {

int Hex_Digit(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

template <typename Document>
bool Load_File(Document& doc, const QString& path)
{
    // Only a load that fails asks whether the file is there at all.
    if (doc.Load(path))
        return true;
    if (!FileExists(path))
        return false;
    throw EProject_Error(QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), doc.LastError().Message));
}

[[noreturn]] void No_Root(const QString& path)
{
    throw EProject_Error(QStringLiteral("%1: the file has no root element").arg(QFileInfo(path).fileName()));
}

}  // namespace

std::optional<int64_t> Parse_Project_Number(const QString& text)
{
    // Up to 18 decimal digits alone, as nearly every value is, can't overflow.
    if (const qsizetype size = text.size(); size > 0 && size <= 18) {
        const QChar* digits = text.constData();
        int64_t value = 0;
        qsizetype k = 0;
        for (; k < size && digits[k] >= u'0' && digits[k] <= u'9'; ++k)
            value = value * 10 + (digits[k].unicode() - u'0');
        if (k == size)
            return value;
    }
    int i = 0;
    const int n = static_cast<int>(text.size());
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == n)
        return std::nullopt;
    // Decimal numbers must fit a signed 64-bit value; hexadecimal ones may use all 64 bits.
    const uint64_t limit = base == 16 ? UINT64_MAX : (negative ? uint64_t(INT64_MAX) + 1 : uint64_t(INT64_MAX));
    const uint64_t largestBeforeDigit = limit / uint64_t(base);
    uint64_t value = 0;
    for (; i < n; ++i) {
        const int d = Hex_Digit(text[i]);
        if (d < 0 || d >= base || value > largestBeforeDigit)
            return std::nullopt;
        value *= uint64_t(base);
        if (value > limit - uint64_t(d))
            return std::nullopt;
        value += uint64_t(d);
    }
    return static_cast<int64_t>(negative ? uint64_t(0) - value : value);
}

int64_t Project_Number_Or(const QString& text, int64_t fallback)
{
    return Parse_Project_Number(text).value_or(fallback);
}

std::optional<double> Parse_Project_Real(const QString& text, QChar decimalSeparator)
{
    // [+-] digits [separator digits] [e [+-] digits], with digits on at least one side of the separator
    const QString t = text.trimmed();
    const qsizetype n = t.size();
    qsizetype i = 0;
    const auto digits = [&] {
        const qsizetype start = i;
        while (i < n && t[i] >= u'0' && t[i] <= u'9')
            ++i;
        return i - start;
    };
    if (i < n && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    qsizetype mantissa = digits();
    if (i < n && t[i] == decimalSeparator) {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return std::nullopt;
    const bool exponent = i < n && (t[i] == u'e' || t[i] == u'E');
    if (exponent) {
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-'))
            ++i;
        if (digits() == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    // Without an exponent a short number can't leave the range: converted on the stack.
    if (constexpr qsizetype Short = 64; !exponent && n <= Short) {
        char ascii[Short];
        qsizetype length = 0;
        for (qsizetype k = t.front() == u'+' ? 1 : 0; k < n; ++k)
            ascii[length++] = t[k] == decimalSeparator ? '.' : static_cast<char>(t[k].unicode());
        double value = 0;
        const auto [end, error] = std::from_chars(ascii, ascii + length, value);
        if (error == std::errc() && end == ascii + length)
            return value;
    }
    QString number = t;
    if (decimalSeparator != u'.')
        number.replace(decimalSeparator, u'.');
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool Load_Project_File(XmlDocument& doc, const QString& path)
{
    return Load_File(doc, path);
}

bool Load_Project_File(XmlElementTree& tree, const QString& path)
{
    return Load_File(tree, path);
}

XmlNode Project_Root(const XmlDocument& doc, const QString& path)
{
    const XmlNode root = doc.Root();
    if (root.IsNull())
        No_Root(path);
    return root;
}

std::ptrdiff_t Project_Root(const XmlElementTree& tree, const QString& path)
{
    const XmlElementTree::Index root = tree.Root();
    if (root == XmlElementTree::None)
        No_Root(path);
    return root;
}
