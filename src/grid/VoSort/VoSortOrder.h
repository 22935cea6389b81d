#pragma once
// Stable multi-column sort of rows through an index permutation: every cell is read once into a key, the
// indexes are sorted, and the rows are then moved once into their new places.
#include <QCollatorSortKey>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "grid/VoSort/VoSortCompare.h"

// The keys of one column over the rows being sorted (index 0 = the first of them).
class TSortKeys {
public:
    // Texts compared under style; ssAutomatic and the alpha-numeric styles are resolved once for the
    // whole column, from its first two non-empty texts, so that the order is consistent.
    static TSortKeys FromTexts(const std::vector<QString>& texts, TSortStyle style, bool ignoreCase,
                               const TSortTextOptions& options = {});
    // Whole-number keys, such as check-box states or picture keys.
    static TSortKeys FromIntegers(std::vector<qint64> keys);
    // Rows compared by a caller's function of their indexes.
    static TSortKeys FromCompare(std::function<int(int, int)> compare, int count);

    int Compare(int i, int j) const;
    bool IsEmpty(int i) const { return empty_.at(i); }
    int Count() const { return static_cast<int>(empty_.size()); }
    TSortStyle Style() const { return style_; }

private:
    enum Kind { kText, kNumber, kCollated, kCustom, kInteger, kRows };
    Kind kind_ = kText;
    TSortStyle style_ = ssAlphabetic;
    std::vector<bool> empty_;
    std::vector<QString> texts_;
    std::vector<double> numbers_;
    std::vector<qint64> integers_;
    std::vector<QCollatorSortKey> collated_;
    TCustomCompareFunc custom_;
    std::function<int(int, int)> rows_;
};

struct TSortColumnKeys {
    TSortKeys keys;
    TSortDirection direction = sdAscending;
    bool ignoreBlanks = false;
    TSortBlankPosition blankPos = blFirst;
};

// -1, 0 or +1: rows i and j on one column in its direction, blanks placed.
int CompareSortColumn(const TSortColumnKeys& column, int i, int j);
// -1, 0 or +1: rows i and j on the columns in priority order, each in its own direction.
int CompareSortRows(const std::vector<TSortColumnKeys>& columns, int i, int j);
// The new order: entry k is the index of the row that goes to place k. Stable: equal rows keep their order.
std::vector<int> SortOrder(const std::vector<TSortColumnKeys>& columns);
// The order that puts rows back where the cross-reference says they came from (stable for equal entries).
std::vector<int> UnSortOrder(const std::vector<int>& xref);

// Moves every item once: items[k] becomes the former items[order[k]].
template <typename T>
void ApplySortOrder(std::vector<T>& items, const std::vector<int>& order)
{
    std::vector<T> sorted;
    sorted.reserve(items.size());
    for (const int from : order)
        sorted.push_back(std::move(items.at(from)));
    items.swap(sorted);
}
