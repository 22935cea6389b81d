#include "grid/base/VoObj/VoObjLists.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr unsigned DescendingBit = 0x80000000u;
constexpr unsigned ColumnMask = 0x7FFFFFFFu;

unsigned bits(int value)
{
    return static_cast<unsigned>(value);
}
int fromBits(unsigned value)
{
    return static_cast<int>(value);
}

// Comma text: commas and blanks separate items, double quotes group.
QStringList splitCommaText(const QString& text)
{
    QStringList items;
    QString item;
    bool quoted = false;
    bool pending = false;
    bool commaSeen = false;
    for (const QChar c : text) {
        if (c == '"') {
            quoted = !quoted;
            pending = true;
        } else if (!quoted && (c == ',' || c == ' ')) {
            if (pending) {
                items << item;
                item.clear();
                pending = false;
                commaSeen = c == ',';
            } else if (c == ',') {
                if (commaSeen || items.isEmpty())
                    items << QString();
                commaSeen = true;
            }
        } else {
            item += c;
            pending = true;
            commaSeen = false;
        }
    }
    if (pending)
        items << item;
    return items;
}

}  // namespace

void TIntList::changed()
{
    if (OnChange)
        OnChange(this, FCol, FRow);
}

void TIntList::Add(int value)
{
    items_.push_back(value);
    changed();
}

void TIntList::Insert(int index, int value)
{
    if (index < 0 || index > Count())
        throw std::out_of_range("List index out of bounds");
    items_.insert(items_.begin() + index, value);
}

void TIntList::Delete(int index)
{
    if (index < 0 || index >= Count())
        throw std::out_of_range("List index out of bounds");
    items_.erase(items_.begin() + index);
    changed();
}

void TIntList::DeleteValue(int value)
{
    const int i = IndexOf(value);
    if (i >= 0)
        Delete(i);
}

bool TIntList::HasValue(int value) const
{
    return IndexOf(value) >= 0;
}

int TIntList::IndexOf(int value) const
{
    const auto it = std::find(items_.begin(), items_.end(), value);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TIntList::SetInteger(int index, int value)
{
    items_.at(index) = value;
    changed();
}

QString TIntList::StrValue() const
{
    QStringList parts;
    for (const int v : items_)
        parts << QString::number(v);
    return parts.join(',');
}

void TIntList::SetStrValue(const QString& text)
{
    items_.clear();
    for (const QString& item : splitCommaText(text)) {
        bool ok = false;
        const int v = item.trimmed().toInt(&ok);
        if (!ok)
            throw std::invalid_argument(QStringLiteral("'%1' is not a valid integer value").arg(item).toStdString());
        Add(v);
    }
}

void TSortIndexList::AddIndex(int columnIndex, bool ascending)
{
    Add(fromBits((bits(columnIndex) & ColumnMask) | (ascending ? 0 : DescendingBit)));
}

int TSortIndexList::FindIndex(int columnIndex) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetSortColumns(i) == columnIndex)
            return i;
    return -1;
}

void TSortIndexList::ToggleIndex(int columnIndex)
{
    const int i = FindIndex(columnIndex);
    if (i >= 0)
        SetInteger(i, fromBits(bits(GetInteger(i)) ^ DescendingBit));
}

int TSortIndexList::GetSortColumns(int i) const
{
    return fromBits(bits(GetInteger(i)) & ColumnMask);
}

void TSortIndexList::SetSortColumns(int i, int value)
{
    SetInteger(i, fromBits((bits(GetInteger(i)) & DescendingBit) | (bits(value) & ColumnMask)));
}

bool TSortIndexList::GetSortDirections(int i) const
{
    return (bits(GetInteger(i)) & DescendingBit) == 0;
}

void TSortIndexList::SetSortDirections(int i, bool ascending)
{
    const unsigned column = bits(GetInteger(i)) & ColumnMask;
    SetInteger(i, fromBits(ascending ? column : column | DescendingBit));
}

QString TSortIndexList::SaveToString() const
{
    QStringList parts;
    for (int i = 0; i < Count(); ++i)
        parts << (GetSortDirections(i) ? QLatin1Char('u') : QLatin1Char('d')) +
                     QString::number(GetSortColumns(i) & 0xFFFF);
    return parts.join(';');
}

void TSortIndexList::LoadFromString(const QString& text)
{
    Clear();
    for (const QString& item : text.split(';')) {
        if (item.size() < 2)
            continue;
        bool ok = false;
        const int column = item.mid(1).toInt(&ok);
        if (ok)  // an item without a readable column is skipped
            AddIndex(column, item.at(0) == 'u');
    }
}

void TFileStringList::Reset()
{
    fp = 0;
    cache.clear();
}

void TFileStringList::ReadLn(QString& s)
{
    if (fp < 0 || fp >= Count())
        throw std::out_of_range("List index out of bounds");
    s = Strings(fp++);
}

void TFileStringList::WriteLn(const QString& s)
{
    Add(cache + s);
    cache.clear();
}
