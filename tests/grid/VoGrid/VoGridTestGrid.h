#pragma once
// A string grid for the tests: records the rectangles it repaints.
#include <gtest/gtest.h>

#include "grid/VoGrid/VoGrid.h"

#include <QWidget>

class RecordingGrid : public VOroDavoduRuzu {
public:
    explicit RecordingGrid(TComponent* owner = nullptr) : VOroDavoduRuzu(owner) { SetScrollBars(ssNone); }
    std::vector<TRect> repainted;
    // Shows the grid as a window of its own: a grid not shown has nothing to repaint.
    void ShowAlone() { Widget()->show(); }
    int invalidates = 0;
    void InvalidateRect(const TRect& r) override
    {
        repainted.push_back(r);
        VOroDavoduRuzu::InvalidateRect(r);
    }
    void Invalidate() override
    {
        ++invalidates;
        VOroDavoduRuzu::Invalidate();
    }
    // Whether the cell's rectangle was repainted since the last clear.
    bool repaintedCell(int displayCol, int row) const
    {
        const TRect cell = CellRect(displayCol, row);
        for (const TRect& r : repainted)
            if (r.Left <= cell.Left && r.Top <= cell.Top && r.Right >= cell.Right && r.Bottom >= cell.Bottom)
                return true;
        return false;
    }
    using VOroDavoduRuzu::BeginLoading;
    using VOroDavoduRuzu::EndLoading;
    using VOroDavoduRuzu::WndProc;
};
