#include "grid/io/GridIO.h"

#include <cmath>

#include "grid/io/GridCellMap.h"
#include "grid/io/GridDragDrop.h"

TGridIO::TGridIO(VOroDavoduRuzu& AGrid) : grid_(AGrid)
{
    grid_.DragDropSettings().OnDropTargetChange = [this](bool Register) { dropTargetChange(Register); };
    grid_.DragDropSettings().OnAllowRTFDrop = [](bool Allow) { SetAllowRTFDrop(Allow); };
    if (grid_.DragDropSettings().OleDropTarget())
        dropTargetChange(true);
}

TGridIO::~TGridIO()
{
    grid_.DragDropSettings().OnDropTargetChange = nullptr;
    grid_.DragDropSettings().OnAllowRTFDrop = nullptr;
}

TGridRect TGridIO::saveRange() const
{
    return TCellMap::SaveRange(grid_).Rect();
}

void TGridIO::fireProgress(int Percent, int& Last)
{
    if (Percent == Last)
        return;
    Last = Percent;
    if (grid_.OnFileProgress)
        grid_.OnFileProgress(&grid_, Percent);
}

void TGridIO::dropTargetChange(bool Register)
{
    if (Register && !dropTarget_)
        dropTarget_ = std::make_unique<TGridDropTarget>(*this);
    else if (!Register)
        dropTarget_.reset();
}

TGridIO& GridIO(VOroDavoduRuzu& Grid)
{
    InstallGridIO();
    return static_cast<TGridIO&>(*Grid.IO());
}

void InstallGridIO()
{
    if (!VOroDavoduRuzu::IOFactory())
        VOroDavoduRuzu::IOFactory() = [](VOroDavoduRuzu& grid) { return std::make_unique<TGridIO>(grid); };
}
