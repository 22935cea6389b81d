#include "gateway/ProjectFile.h"

#include "platform/FileUtils.h"
#include "platform/XmlDocument.h"

#include <QFileInfo>
#include <QRegularExpression>
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

} // namespace

std::optional<int64_t> Parse_Project_Number(const QString& text)
{
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
    if (i < n && text[i] == u'$') {
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
    uint64_t value = 0;
    for (; i < n; ++i) {
        const int d = Hex_Digit(text[i]);
        if (d < 0 || d >= base)
            return std::nullopt;
        if (value > (limit - uint64_t(d)) / uint64_t(base))
            return std::nullopt;
        value = value * uint64_t(base) + uint64_t(d);
    }
    return static_cast<int64_t>(negative ? uint64_t(0) - value : value);
}

int64_t Project_Number_Or(const QString& text, int64_t fallback)
{
    return Parse_Project_Number(text).value_or(fallback);
}

std::optional<double> Parse_Project_Real(const QString& text, QChar decimalSeparator)
{
    static const QRegularExpression shape(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)([eE][+-]?\\d+)?$"));
    QString t = text.trimmed();
    if (decimalSeparator != u'.') {
        if (t.contains(u'.'))
            return std::nullopt;
        t.replace(decimalSeparator, u'.');
    }
    if (!shape.match(t).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool Load_Project_File(XmlDocument& doc, const QString& path)
{
    if (!FileExists(path))
        return false;
    if (!doc.Load(path))
        throw EProject_Error(QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), doc.LastError().Message));
    return true;
}

XmlNode Project_Root(const XmlDocument& doc, const QString& path)
{
    const XmlNode root = doc.Root();
    if (root.IsNull())
        throw EProject_Error(QStringLiteral("%1: the file has no root element").arg(QFileInfo(path).fileName()));
    return root;
}

XmlNode Required_Child(const XmlNode& parent, const QString& name, const QString& path)
{
    const XmlNode child = parent.Child(name);
    if (child.IsNull())
        throw EProject_Error(
            QStringLiteral("%1: the element %2 is missing").arg(QFileInfo(path).fileName(), name));
    return child;
}

std::vector<XmlNode> Child_Elements(const XmlNode& parent)
{
    std::vector<XmlNode> elements;
    for (const XmlNode& node : parent.ChildNodes())
        if (node.NodeType() == XmlNodeType::Element)
            elements.push_back(node);
    return elements;
}

std::optional<QString> Child_Text(const XmlNode& parent, const QString& name)
{
    const XmlNode child = parent.Child(name);
    if (child.IsNull())
        return std::nullopt;
    return child.Text();
}
