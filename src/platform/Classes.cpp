#include "platform/Classes.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <utility>

void TStringList::changed()
{
    if (updateCount_ > 0) {
        changedInUpdate_ = true;
        return;
    }
    if (OnChange)
        OnChange(this);
}

void TStringList::EndUpdate()
{
    if (updateCount_ > 0 && --updateCount_ == 0 && changedInUpdate_) {
        changedInUpdate_ = false;
        changed();
    }
}

void TStringList::SetString(int index, const QString& text)
{
    items_.at(index).text = text;
    changed();
}

void TStringList::SetObject(int index, TObject* object)
{
    items_.at(index).object = object;
    changed();
}

int TStringList::Add(const QString& text, TObject* object)
{
    items_.push_back({text, object});
    changed();
    return Count() - 1;
}

void TStringList::Insert(int index, const QString& text, TObject* object)
{
    items_.insert(items_.begin() + index, Item{text, object});
    changed();
}

void TStringList::Delete(int index)
{
    items_.erase(items_.begin() + index);
    changed();
}

void TStringList::Clear()
{
    if (items_.empty())
        return;
    items_.clear();
    changed();
}

void TStringList::Exchange(int a, int b)
{
    std::swap(items_.at(a), items_.at(b));
    changed();
}

void TStringList::AddStrings(const TStringList& other)
{
    BeginUpdate();
    for (const Item& item : other.items_)
        Add(item.text, item.object);
    EndUpdate();
}

void TStringList::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TStringList*>(&source);
    if (!other || other == this)
        return;
    BeginUpdate();
    items_ = other->items_;
    changed();
    EndUpdate();
}

int TStringList::IndexOf(const QString& text) const
{
    const Qt::CaseSensitivity cs = CaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < Count(); ++i)
        if (items_[i].text.compare(text, cs) == 0)
            return i;
    return -1;
}

int TStringList::IndexOfName(const QString& name) const
{
    const Qt::CaseSensitivity cs = CaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < Count(); ++i)
        if (Names(i).compare(name, cs) == 0)
            return i;
    return -1;
}

int TStringList::IndexOfObject(const TObject* object) const
{
    for (int i = 0; i < Count(); ++i)
        if (items_[i].object == object)
            return i;
    return -1;
}

QString TStringList::Names(int index) const
{
    const QString& line = items_.at(index).text;
    const int eq = line.indexOf('=');
    return eq < 0 ? QString() : line.left(eq);
}

QString TStringList::Values(const QString& name) const
{
    const int i = IndexOfName(name);
    return i < 0 ? QString() : items_[i].text.mid(items_[i].text.indexOf('=') + 1);
}

void TStringList::SetValue(const QString& name, const QString& value)
{
    const int i = IndexOfName(name);
    if (value.isEmpty()) {
        if (i >= 0)
            Delete(i);
    } else if (i < 0) {
        Add(name + '=' + value);
    } else {
        SetString(i, name + '=' + value);
    }
}

QString TStringList::Text() const
{
    QString out;
    for (const Item& item : items_) {
        out += item.text;
        out += '\n';
    }
    return out;
}

void TStringList::SetText(const QString& text)
{
    QString normal = text;
    normal.replace("\r\n", "\n").replace('\r', '\n');
    QStringList lines = normal.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    SetFrom(lines);
}

QStringList TStringList::ToQStringList() const
{
    QStringList out;
    out.reserve(Count());
    for (const Item& item : items_)
        out << item.text;
    return out;
}

void TStringList::SetFrom(const QStringList& list)
{
    items_.clear();
    items_.reserve(list.size());
    for (const QString& s : list)
        items_.push_back({s, nullptr});
    changed();
}

bool TStringList::LoadFromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    auto encoding = QStringConverter::encodingForData(bytes);
    QStringDecoder decode(encoding.value_or(QStringConverter::Utf8));
    SetText(decode(bytes));
    return true;
}

bool TStringList::SaveToFile(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QString text = Text();
    text.replace('\n', "\r\n");
    file.write(text.toUtf8());
    return file.commit();
}

int TCollectionItem::Index() const
{
    return collection_ ? collection_->IndexOf(this) : -1;
}

TCollectionItem* TCollection::Insert(int index)
{
    index = std::clamp(index, 0, Count());
    std::unique_ptr<TCollectionItem> item = factory_(this);
    item->id_ = nextId_++;
    TCollectionItem* raw = item.get();
    items_.insert(items_.begin() + index, std::move(item));
    return raw;
}

void TCollection::Delete(int index)
{
    if (index >= 0 && index < Count())
        items_.erase(items_.begin() + index);
}

void TCollection::DeleteRange(int index, int count)
{
    const int from = std::clamp(index, 0, Count());
    const int to = std::clamp(index + std::max(count, 0), from, Count());
    items_.erase(items_.begin() + from, items_.begin() + to);
}

void TCollection::DeleteIf(const std::function<bool(const TCollectionItem&)>& pred)
{
    std::erase_if(items_, [&](const std::unique_ptr<TCollectionItem>& item) { return pred(*item); });
}

void TCollection::MergeTail(int middle, const std::function<bool(const TCollectionItem&, const TCollectionItem&)>& less)
{
    middle = std::clamp(middle, 0, Count());
    std::inplace_merge(items_.begin(), items_.begin() + middle, items_.end(),
                       [&](const std::unique_ptr<TCollectionItem>& a, const std::unique_ptr<TCollectionItem>& b) {
                           return less(*a, *b);
                       });
}

TCollectionItem* TCollection::FindItemID(int id) const
{
    for (const auto& item : items_)
        if (item->id_ == id)
            return item.get();
    return nullptr;
}

int TCollection::IndexOf(const TCollectionItem* item) const
{
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item)
            return static_cast<int>(i);
    return -1;
}
