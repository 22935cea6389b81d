// Column widths, order and visibility kept across runs: in an INI file, in the per-user key store that
// stands in for the registry, or in a one-line layout string. A stored order is applied only when it is a
// permutation of the columns, so a hand-edited store never moves a column out of range.
#include "grid/VoGrid/VoGrid.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"
#include "platform/SysUtils.h"

#include <QDir>
#include <QRegularExpression>

namespace {
int toInt(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw Exception(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

std::vector<int> toInts(const QString& list)
{
    std::vector<int> values;
    if (list.isEmpty())
        return values;
    for (const QString& item : list.split(u','))
        values.push_back(toInt(item));
    return values;
}

QString joined(const std::vector<int>& values)
{
    QStringList texts;
    for (int v : values)
        texts << QString::number(v);
    return texts.join(u',');
}

// Whether Order holds each of 0 .. Order.size() - 1 once.
bool isPermutation(const std::vector<int>& order)
{
    std::vector<bool> seen(order.size(), false);
    for (int v : order) {
        if (v < 0 || v >= static_cast<int>(order.size()) || seen[static_cast<std::size_t>(v)])
            return false;
        seen[static_cast<std::size_t>(v)] = true;
    }
    return true;
}
}  // namespace

// The per-user stand-in for a registry key is an INI file named after the key; the section is its sub-key.
std::optional<TMemIniFile> VOroDavoduRuzu::openLayoutStore() const
{
    if (FColumnSize.Key.isEmpty() || FColumnSize.Section.isEmpty() || QueryIsDesigning())
        return std::nullopt;
    if (FColumnSize.Location == clIniFile)
        return TMemIniFile::Open(FColumnSize.Key);
    const QString folder = UserDataFolder() + QStringLiteral("registry");
    QDir().mkpath(folder);
    QString name = FColumnSize.Key;
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
    return TMemIniFile::Open(folder + u'/' + name + QStringLiteral(".ini"));
}

void VOroDavoduRuzu::SaveColSizes()
{
    std::optional<TMemIniFile> store = openLayoutStore();
    if (!store)
        return;
    for (int i = 0; i < ColCount(); ++i)
        store->WriteInteger(FColumnSize.Section, QStringLiteral("Col%1").arg(i), ColWidths(i));
    store->UpdateFile();
}

void VOroDavoduRuzu::LoadColSizes()
{
    std::optional<TMemIniFile> store = openLayoutStore();
    if (!store)
        return;
    for (int i = 0; i < ColCount(); ++i) {
        const int w = store->ReadInteger(FColumnSize.Section, QStringLiteral("Col%1").arg(i), ColWidths(i));
        if (w != ColWidths(i) && w >= 0)
            SetColWidths(i, w);
    }
    store->UpdateFile();
}

void VOroDavoduRuzu::SaveColPositions()
{
    std::optional<TMemIniFile> store = openLayoutStore();
    if (!store)
        return;
    for (int i = 0; i < FColumnOrder.Count(); ++i)
        store->WriteInteger(FColumnSize.Section, QStringLiteral("Pos%1").arg(i), FColumnOrder.GetInteger(i));
    store->UpdateFile();
}

void VOroDavoduRuzu::LoadColPositions()
{
    std::optional<TMemIniFile> store = openLayoutStore();
    if (!store)
        return;
    std::vector<int> order;
    for (int i = 0; i < AllColCount(); ++i) {
        const int p = store->ReadInteger(FColumnSize.Section, QStringLiteral("Pos%1").arg(i), -1);
        if (p != -1)
            order.push_back(p);
    }
    if (!order.empty() && static_cast<int>(order.size()) == AllColCount() && isPermutation(order))
        applyColumnOrder(order);
    store->UpdateFile();
}

// Shows every column, puts the columns in Order (entry i: the initial index of the column at position i)
// and hides again the real columns that were hidden.
void VOroDavoduRuzu::applyColumnOrder(const std::vector<int>& order)
{
    std::vector<int> hidden;
    for (int c = 0; c < AllColCount(); ++c)
        if (IsHiddenColumn(c))
            hidden.push_back(c);
    UnHideColumnsAll();
    ResetColumnOrder();
    SetColumnOrder();
    for (int j = 0; j < static_cast<int>(order.size()); ++j)
        MoveColumn(ColumnPosition(order[static_cast<std::size_t>(j)]), j);
    for (int c : hidden)
        HideColumn(c);
}

void VOroDavoduRuzu::ResetColumnOrder()
{
    for (int i = 0; i < FColumnOrder.Count(); ++i) {
        const int p = ColumnPosition(i);
        if (p != i && p < ColCount())
            MoveColumn(p, i);
    }
}

QString VOroDavoduRuzu::ColumnStatesToString()
{
    const int n = TotalColCount();
    std::vector<int> widths;
    std::vector<int> order;
    std::vector<int> shown;
    for (int i = 0; i < n; ++i) {
        widths.push_back(i < ColCount() ? ColWidths(i) : DefaultColWidth());
        order.push_back(i < FColumnOrder.Count() ? FColumnOrder.GetInteger(i) : i);
        shown.push_back(IsHiddenColumn(i) ? 0 : 1);
    }
    return QStringLiteral("%1#%2#%3#%4").arg(n).arg(joined(widths), joined(order), joined(shown));
}

void VOroDavoduRuzu::StringToColumnStates(const QString& Value)
{
    if (!Value.contains(u'#'))
        return;
    const QStringList fields = Value.split(u'#');
    const int n = toInt(fields[0]);
    const std::vector<int> widths = toInts(fields.value(1));
    std::vector<int> order = toInts(fields.value(2));
    const std::vector<int> flags = toInts(fields.value(3));
    if (n < 1 || static_cast<int>(widths.size()) < n || static_cast<int>(flags.size()) < n)
        throw Exception(QStringLiteral("The column layout \"%1\" does not describe %2 columns").arg(Value).arg(n));
    std::erase(order, -1);
    order.resize(std::min(order.size(), static_cast<std::size_t>(n)));

    UnHideColumnsAll();
    ResetColumnOrder();
    FColumnOrder.Clear();
    SetColCount(n);
    if (static_cast<int>(order.size()) == n && isPermutation(order))
        applyColumnOrder(order);
    for (int i = n - 1; i >= 0; --i)
        if (flags[static_cast<std::size_t>(i)] == 0)
            HideColumn(i);
    const bool stretch = FColumnSize.Stretch();
    FColumnSize.SetStretch(false);
    for (int i = 0; i < ColCount(); ++i)
        SetColWidths(i, std::max(widths[static_cast<std::size_t>(i)], 0));
    FColumnSize.SetStretch(stretch);
}
