#include "grid/base/VoObj/VoObjControls.h"

#include <stdexcept>

void TControlList::AddControl(int X, int Y, TControl* AObject)
{
    items_.push_back(std::make_unique<TControlItem>(X, Y, AObject));
}

int TControlList::ControlIndex(int X, int Y) const
{
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<size_t>(i)]->X == X && items_[static_cast<size_t>(i)]->Y == Y)
            return i;
    return -1;
}

void TControlList::RemoveControl(int i)
{
    if (i < 0 || i >= Count())
        throw std::out_of_range("List index out of bounds");
    items_.erase(items_.begin() + i);
}

bool TControlList::HasHandle(HWND Handle) const
{
    for (const auto& item : items_)
        if (auto* win = dynamic_cast<TWinControl*>(item->Control); win && win->Handle() == Handle)
            return true;
    return false;
}

void TSyncGrid::SetGrid(TStringGrid* value)
{
    if (value != FOwner)
        FGrid = value;
}

void TSyncGrid::Assign(const TPersistent& source)
{
    const auto* src = dynamic_cast<const TSyncGrid*>(&source);
    if (!src)
        return;
    SetGrid(src->FGrid);
    ScrollVertical = src->ScrollVertical;
    ScrollHorizontal = src->ScrollHorizontal;
    SelectionColumn = src->SelectionColumn;
    SelectionRow = src->SelectionRow;
    MoveColumn = src->MoveColumn;
    MoveRow = src->MoveRow;
}
