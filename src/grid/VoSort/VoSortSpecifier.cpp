#include "grid/VoSort/VoSortSpecifier.h"

#include "platform/SysUtils.h"

QString SortSpecifierText(bool indexed, TSortDirection direction, int column, const QString& indexes)
{
    if (indexed)
        return QStringLiteral("i;") + indexes;
    return (direction == sdDescending ? QStringLiteral("d") : QStringLiteral("u")) + QString::number(column);
}

std::optional<TSortSpecifier> ParseSortSpecifier(const QString& value)
{
    if (value.isEmpty())
        return std::nullopt;
    if (value.size() < 2)
        throw Exception(QStringLiteral("Invalid sort settings specifier"));
    TSortSpecifier s;
    if (value.contains(QStringLiteral("i;"))) {
        s.indexed = true;
        s.indexes = value.mid(2);
        return s;
    }
    s.direction = value.contains('u') ? sdAscending : sdDescending;
    bool ok = false;
    const int column = value.mid(1).trimmed().toInt(&ok);
    if (ok)
        s.column = column;
    return s;
}
