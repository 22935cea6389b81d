#include "platform/grids/GridAxis.h"

#include "platform/grids/GridMove.h"

#include <algorithm>

void TGridAxis::SetCount(int count)
{
    count_ = std::max(count, 0);
    if (!sizes_.empty())
        sizes_.resize(count_, defaultSize_);
}

void TGridAxis::SetDefaultSize(int size)
{
    defaultSize_ = size;
    sizes_.clear();
}

int TGridAxis::Size(int index) const
{
    if (index < 0 || index >= count_)
        return 0;
    return sizes_.empty() ? defaultSize_ : sizes_[index];
}

void TGridAxis::SetSize(int index, int size)
{
    if (index < 0 || index >= count_)
        return;
    if (sizes_.empty()) {
        if (size == defaultSize_)
            return;
        sizes_.assign(count_, defaultSize_);
    }
    sizes_[index] = size;
}

void TGridAxis::Move(int from, int to)
{
    if (sizes_.empty() || from == to)
        return;
    MoveItem(sizes_.begin(), from, to);
}

void TGridAxis::MoveBlock(int from, int count, int to)
{
    if (!sizes_.empty())
        ::MoveBlock(sizes_.begin(), from, count, to);
}

void TGridAxis::Remove(const std::vector<int>& indexes)
{
    if (!sizes_.empty())
        EraseIndexes(sizes_, indexes);
    count_ -= static_cast<int>(indexes.size());
}

void TGridAxis::Insert(const std::vector<int>& indexes)
{
    if (!sizes_.empty())
        InsertAtIndexes(sizes_, indexes, [this] { return defaultSize_; });
    count_ += static_cast<int>(indexes.size());
}

void TGridAxis::Permute(int first, const std::vector<int>& order)
{
    if (!sizes_.empty())
        PermuteItems(sizes_, first, order);
}

namespace {
// The steps of cells From .. To - 1 of an axis whose cells all have the default size; cells outside the
// axis count their line only.
int uniformSpan(const TGridAxis& axis, int from, int to)
{
    if (to <= from)
        return 0;
    const int inside = std::max(0, std::min(to, axis.Count()) - std::max(from, 0));
    return inside * axis.DefaultSize() + (to - from) * axis.LineWidth;
}
}  // namespace

int TGridAxis::FixedExtent() const
{
    if (sizes_.empty())
        return std::min(Fixed, count_) * (defaultSize_ + LineWidth);
    int extent = 0;
    for (int i = 0; i < std::min(Fixed, count_); ++i)
        extent += step(i);
    return extent;
}

int TGridAxis::Start(int index, int first) const
{
    if (sizes_.empty()) {
        if (index < Fixed)
            return uniformSpan(*this, 0, index);
        return FixedExtent() + (index >= first ? uniformSpan(*this, first, index) : -uniformSpan(*this, index, first));
    }
    int pos = 0;
    if (index < Fixed) {
        for (int i = 0; i < index; ++i)
            pos += step(i);
        return pos;
    }
    pos = FixedExtent();
    if (index >= first) {
        for (int i = first; i < index; ++i)
            pos += step(i);
    } else {
        for (int i = index; i < first; ++i)
            pos -= step(i);
    }
    return pos;
}

int TGridAxis::VisibleCount(int first, int extent) const
{
    int pos = FixedExtent();
    int n = 0;
    for (int i = first; i < count_; ++i) {
        pos += step(i);
        if (pos - LineWidth > extent)
            break;
        ++n;
    }
    return (n == 0 && first < count_ && Fixed < count_) ? 1 : n;
}

int TGridAxis::PartialCount(int first, int extent) const
{
    int pos = FixedExtent();
    const int stepAll = defaultSize_ + LineWidth;
    if (sizes_.empty() && stepAll > 0 && first >= 0) {
        // The cells from First on that start before Extent.
        const int room = extent - pos;
        const int fit = room > 0 ? (room + stepAll - 1) / stepAll : 0;
        return std::max(0, std::min(fit, count_ - first));
    }
    int n = 0;
    for (int i = first; i < count_ && pos < extent; ++i) {
        pos += step(i);
        ++n;
    }
    return n;
}

int TGridAxis::MaxFirst(int extent) const
{
    const int room = extent - FixedExtent();
    int first = count_;
    int used = 0;
    while (first > Fixed && used + step(first - 1) - LineWidth <= room) {
        used += step(first - 1);
        --first;
    }
    return std::max(std::min(first, count_ - 1), Fixed);
}

int TGridAxis::CellAt(int pos, int first, int extent) const
{
    if (pos < 0 || pos >= extent)
        return -1;
    int end = 0;
    for (int i = 0; i < std::min(Fixed, count_); ++i) {
        end += step(i);
        if (pos < end)
            return i;
    }
    for (int i = std::max(first, Fixed); i < count_ && end < extent; ++i) {
        end += step(i);
        if (pos < end)
            return i;
    }
    return -1;
}
