#include "grid/VoSearch/VoHighlight.h"

#include <QRegularExpression>
#include <vector>

#include "grid/base/VsgHTMLE/VsgHTMLEText.h"

QString TagOccurrences(const QString& s, const QString& text, const QString& tag, bool doCase) {
    if (text.isEmpty())
        return s;
    // The tag-free text and, for each of its characters, its index in s.
    QString plain;
    std::vector<int> at;
    bool inTag = false;
    for (int i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c == '<')
            inTag = true;
        else if (c == '>' && inTag)
            inTag = false;
        else if (!inTag) {
            plain += c;
            at.push_back(i);
        }
    }
    const Qt::CaseSensitivity cs = doCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QString open = '<' + tag + '>';
    const QString close = QStringLiteral("</") + tag + '>';
    QString out;
    int copied = 0;
    for (int p = static_cast<int>(plain.indexOf(text, 0, cs)); p >= 0;
         p = static_cast<int>(plain.indexOf(text, p + text.size(), cs))) {
        const int first = at[p];
        const int afterLast = at[p + text.size() - 1] + 1;
        out += s.mid(copied, first - copied) + open + s.mid(first, afterLast - first) + close;
        copied = afterLast;
    }
    return out + s.mid(copied);
}

QString RemoveTag(const QString& s, const QString& tag) {
    const QRegularExpression tags(QStringLiteral("</?") + QRegularExpression::escape(tag) + '>',
                                  QRegularExpression::CaseInsensitiveOption);
    QString out = s;
    return out.remove(tags);
}

QString TagCellText(const QString& cellText, const QString& text, const QString& tag, bool doCase) {
    return TagOccurrences(HtmlEscape(cellText, false), HtmlEscape(text, false), tag, doCase);
}

QString UntagCellText(const QString& cellText, const QString& tag) {
    return RemoveTag(HtmlUnescape(cellText, false), tag);
}
