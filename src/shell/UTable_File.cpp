#include "shell/UTable_File.h"

#include "platform/SysUtils.h"
#include "platform/XmlDocument.h"

#include <QFileInfo>

namespace {

TTable_Rows Read_Rows(const XmlNode& table, std::span<const TTable_Column> columns)
{
    TTable_Rows rows;
    for (XmlNode element : table.Elements()) {
        std::vector<std::optional<QString>>& row = rows.emplace_back();
        row.reserve(columns.size());
        for (const TTable_Column& column : columns)
            row.push_back(element.Attribute(QLatin1StringView(column.Attribute)));
    }
    return rows;
}

}  // namespace

std::optional<std::vector<TTable_Rows>> Read_Table_File(const QString& path, std::span<const TTable_Layout> layouts)
{
    if (!QFileInfo::exists(path))
        return std::nullopt;
    XmlDocument doc;
    if (!doc.Load(path))
        throw Exception(QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), doc.LastError().Message));
    const XmlNode root = doc.Root();
    std::vector<TTable_Rows> tables;
    for (const TTable_Layout& layout : layouts) {
        const XmlNode table = layout.Element ? root.Child(QLatin1StringView(layout.Element)) : root;
        tables.push_back(Read_Rows(table, layout.Columns));
    }
    return tables;
}

void Write_Table_File(const QString& path, const QString& root, std::span<const TTable_Layout> layouts,
                      const std::vector<TTable_Rows>& tables)
{
    XmlDocument doc;
    XmlNode top = doc.Node().AppendElement(root);
    doc.Node().AppendComment(QStringLiteral("SW_VERSION = 1.000"));
    for (size_t t = 0; t < layouts.size() && t < tables.size(); ++t) {
        const TTable_Layout& layout = layouts[t];
        XmlNode table = layout.Element ? top.AppendElement(QLatin1StringView(layout.Element)) : top;
        for (const auto& row : tables[t]) {
            XmlNode element = table.AppendElement(QLatin1StringView(layout.Row));
            for (size_t c = 0; c < layout.Columns.size() && c < row.size(); ++c)
                element.SetAttribute(QLatin1StringView(layout.Columns[c].Attribute), row[c].value_or(QString()));
        }
    }
    if (!doc.Save(path))
        throw Exception(QStringLiteral("%1: the file could not be written").arg(QFileInfo(path).fileName()));
}
