#include "shell/UText.h"

namespace UText {

QString Trim(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= u' ')
        ++first;
    while (last > first && text.at(last - 1).unicode() <= u' ')
        --last;
    return text.mid(first, last - first);
}

std::optional<int> Str_To_Int(const QString& text)
{
    qsizetype i = 0;
    if (!text.isEmpty() && (text.at(0) == u'+' || text.at(0) == u'-'))
        ++i;
    if (i == text.size())
        return std::nullopt;
    for (qsizetype k = i; k < text.size(); ++k)
        if (text.at(k) < u'0' || text.at(k) > u'9')
            return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

}  // namespace UText
