#pragma once
// Root classes of the layer: TObject, TPersistent, notify events and the string list.
#include <QString>
#include <QStringList>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

class TObject {
public:
    virtual ~TObject() = default;
};

// An object whose state can be copied from another of its kind.
class TPersistent : public TObject {
public:
    virtual void Assign(const TPersistent& source) { (void)source; }
};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// An ordered list of strings, each with an optional object pointer (not owned).
class TStringList : public TPersistent {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    const QString& operator[](int index) const { return items_.at(index).text; }
    QString Strings(int index) const { return items_.at(index).text; }
    void SetString(int index, const QString& text);
    TObject* Objects(int index) const { return items_.at(index).object; }
    void SetObject(int index, TObject* object);

    int Add(const QString& text, TObject* object = nullptr);
    // Room for Count items without growing again.
    void SetCapacity(int count) { items_.reserve(static_cast<std::size_t>(std::max(count, 0))); }
    void Insert(int index, const QString& text, TObject* object = nullptr);
    void Delete(int index);
    void Clear();
    void Exchange(int a, int b);
    void AddStrings(const TStringList& other);
    void Assign(const TPersistent& source) override;

    // -1 when missing; case-sensitive only when CaseSensitive is set.
    int IndexOf(const QString& text) const;
    int IndexOfName(const QString& name) const;
    int IndexOfObject(const TObject* object) const;
    bool CaseSensitive = false;

    // "name=value" lines.
    QString Names(int index) const;
    QString Values(const QString& name) const;
    void SetValue(const QString& name, const QString& value);

    // Lines joined with "\n"; setting splits on CR LF, LF or CR.
    QString Text() const;
    void SetText(const QString& text);
    QStringList ToQStringList() const;
    void SetFrom(const QStringList& list);

    bool LoadFromFile(const QString& path);
    bool SaveToFile(const QString& path) const;

    // Batches change notifications; OnChange fires once when the outermost update ends.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    TNotifyEvent OnChange;

private:
    struct Item {
        QString text;
        TObject* object = nullptr;
    };
    void changed();

    std::vector<Item> items_;
    int updateCount_ = 0;
    bool changedInUpdate_ = false;
};

class TCollection;

// An item of a collection: owned by it, knows its place in it.
class TCollectionItem : public TPersistent {
public:
    explicit TCollectionItem(TCollection* collection) : collection_(collection) {}
    TCollection* Collection() const { return collection_; }
    int Index() const;
    // A number unique in the collection, kept when the item moves.
    int ID() const { return id_; }

private:
    friend class TCollection;
    TCollection* collection_;
    int id_ = 0;
};

// An ordered list of items of one class, which it creates and frees.
class TCollection : public TPersistent {
public:
    using TItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection* collection)>;
    explicit TCollection(TItemFactory factory) : factory_(std::move(factory)) {}
    // A collection of items of class T, built as T(collection).
    template <typename T>
    static TItemFactory ItemsOf()
    {
        return [](TCollection* c) { return std::make_unique<T>(c); };
    }

    int Count() const { return static_cast<int>(items_.size()); }
    TCollectionItem* Items(int index) const { return items_.at(static_cast<std::size_t>(index)).get(); }
    TCollectionItem* Add() { return Insert(Count()); }
    TCollectionItem* Insert(int index);
    void Delete(int index);
    // Deletes Count items from Index on (those that exist).
    void DeleteRange(int index, int count);
    // Deletes the items Pred selects; the others keep their order.
    void DeleteIf(const std::function<bool(const TCollectionItem&)>& pred);
    // The items from Middle on, ordered by Less like the ones before, are merged among those (one pass).
    void MergeTail(int middle, const std::function<bool(const TCollectionItem&, const TCollectionItem&)>& less);
    void Clear() { items_.clear(); }
    TCollectionItem* FindItemID(int id) const;
    int IndexOf(const TCollectionItem* item) const;

private:
    TItemFactory factory_;
    std::vector<std::unique_ptr<TCollectionItem>> items_;
    int nextId_ = 0;
};
