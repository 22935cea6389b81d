#pragma once
// The grid's update lock held for a scope, released also when the scope ends by an exception.
#include "grid/VoGrid/VoGrid.h"

class TGridUpdateLock {
public:
    explicit TGridUpdateLock(VOroDavoduRuzu& grid) : FGrid(grid) { FGrid.BeginUpdate(); }
    ~TGridUpdateLock() { FGrid.EndUpdate(); }
    TGridUpdateLock(const TGridUpdateLock&) = delete;
    TGridUpdateLock& operator=(const TGridUpdateLock&) = delete;

private:
    VOroDavoduRuzu& FGrid;
};
