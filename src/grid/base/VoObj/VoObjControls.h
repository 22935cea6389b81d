#pragma once
// Controls placed in cells, and the coupling of a grid with a second grid.
#include <memory>
#include <vector>

#include "platform/Controls.h"
#include "platform/Grids.h"

// A control placed in the cell (X, Y); the item refers to the control without owning it.
class TControlItem : public TObject {
public:
    TControlItem(int x, int y, TControl* control) : X(x), Y(y), Control(control) {}
    int X;
    int Y;
    TControl* Control;
};

// The items are owned, their controls are not.
class TControlList {
public:
    void AddControl(int X, int Y, TControl* AObject);
    int ControlIndex(int X, int Y) const;
    TControlItem& GetControl(int i) { return *items_.at(static_cast<size_t>(i)); }
    void RemoveControl(int i);
    // Some item's control is a windowed control with this window handle.
    bool HasHandle(HWND Handle) const;
    int Count() const { return static_cast<int>(items_.size()); }
    void Clear() { items_.clear(); }

private:
    std::vector<std::unique_ptr<TControlItem>> items_;
};

// Keeps a second grid in step with the owning one.
class TSyncGrid : public TPersistent {
public:
    explicit TSyncGrid(TStringGrid* AOwner) : FOwner(AOwner) {}
    // Copies the coupled grid and every flag.
    void Assign(const TPersistent& source) override;

    TStringGrid* Grid() const { return FGrid; }
    // The owning grid itself is refused.
    void SetGrid(TStringGrid* value);

    bool ScrollHorizontal = false;
    bool ScrollVertical = false;
    bool SelectionRow = false;
    bool SelectionColumn = false;
    bool MoveRow = false;
    bool MoveColumn = false;

private:
    TStringGrid* FOwner;
    TStringGrid* FGrid = nullptr;
};
