#pragma once
// Moves of items in random-access ranges and vectors: one item, a block, or a set of indexes in one pass.
#include <algorithm>
#include <vector>

template <typename Iterator>
void MoveItem(Iterator first, int from, int to)
{
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else if (from > to)
        std::rotate(first + to, first + from, first + from + 1);
}

// Moves Count items from From so that they start at To (an index of the range after the move).
template <typename Iterator>
void MoveBlock(Iterator first, int from, int count, int to)
{
    if (count <= 0 || from == to)
        return;
    if (from < to)
        std::rotate(first + from, first + from + count, first + to + count);
    else
        std::rotate(first + to, first + from, first + from + count);
}

// Where an index ends after Count items moved from From to start at To.
inline int MovedIndex(int index, int from, int count, int to)
{
    if (index >= from && index < from + count)
        return to + index - from;
    if (from < to && index >= from + count && index < to + count)
        return index - count;
    if (to < from && index >= to && index < from)
        return index + count;
    return index;
}

// Erases the items at Indexes (ascending, no repeats, all inside); the rest close up in order.
template <typename Vector>
void EraseIndexes(Vector& items, const std::vector<int>& indexes)
{
    if (indexes.empty())
        return;
    std::size_t write = static_cast<std::size_t>(indexes.front());
    std::size_t next = 0;
    for (std::size_t read = write; read < items.size(); ++read) {
        if (next < indexes.size() && static_cast<std::size_t>(indexes[next]) == read) {
            ++next;
            continue;
        }
        if (write != read)
            items[write] = std::move(items[read]);
        ++write;
    }
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(write), items.end());
}

// Opens items made by Make so that they stand at Indexes (ascending, no repeats) afterwards; the rest keep
// their order around them.
template <typename Vector, typename Make>
void InsertAtIndexes(Vector& items, const std::vector<int>& indexes, Make make)
{
    if (indexes.empty())
        return;
    const std::size_t old = items.size();
    items.resize(old + indexes.size(), make());
    std::size_t read = old;
    std::size_t pending = indexes.size();
    for (std::size_t write = items.size(); write-- > 0 && pending > 0;) {
        if (static_cast<std::size_t>(indexes[pending - 1]) == write) {
            items[write] = make();
            --pending;
        } else {
            items[write] = std::move(items[--read]);
        }
    }
}

// Puts the items First .. First + Order.size() - 1 into a new order: item First + k becomes the former item
// First + Order[k] (Order is a permutation of 0 .. size - 1). Every item is moved once into a buffer and once back.
template <typename Vector>
void PermuteItems(Vector& items, int first, const std::vector<int>& order)
{
    std::vector<typename Vector::value_type> moved;
    moved.reserve(order.size());
    for (const int from : order)
        moved.push_back(std::move(items[static_cast<std::size_t>(first + from)]));
    std::move(moved.begin(), moved.end(), items.begin() + first);
}
