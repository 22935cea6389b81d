#include "grid/base/VsgHTMLE/VsgHTMLEText.h"

#include <QFile>
#include <QHash>
#include <QTextStream>

#include <vector>

// Outside any namespace, as the resource initialiser is declared there.
static void initEntityResource() { Q_INIT_RESOURCE(vsghtmle); }

namespace {

struct TNamedChar {
    QChar ch;
    QString name;  // "&name;"
};

// The named-character table, in table order.
const std::vector<TNamedChar>& namedChars() {
    static const std::vector<TNamedChar> table = [] {
        initEntityResource();
        std::vector<TNamedChar> entries;
        QFile file(QStringLiteral(":/gridbase/htmlentities.txt"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return entries;
        QTextStream in(&file);
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const QStringList parts = line.split(' ', Qt::SkipEmptyParts);
            bool ok = false;
            const uint code = parts.value(0).toUInt(&ok, 16);
            if (ok && parts.size() == 2)
                entries.push_back({QChar(static_cast<char16_t>(code)), QLatin1Char('&') + parts[1] + QLatin1Char(';')});
        }
        return entries;
    }();
    return table;
}

const TNamedChar basicNames[] = {
    {'&', QStringLiteral("&amp;")},
    {'"', QStringLiteral("&quot;")},
    {'<', QStringLiteral("&lt;")},
    {'>', QStringLiteral("&gt;")},
};

}  // namespace

QString HtmlEscape(const QString& text, bool withAccents) {
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

QString HtmlUnescape(const QString& text, bool withAccents) {
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
