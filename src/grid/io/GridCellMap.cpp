#include "grid/io/GridCellMap.h"

namespace {
bool savesFixedCols(const VOroDavoduRuzu& g)
{
    return g.SaveFixedCells || g.SaveFixedCols;
}

bool savesFixedRows(const VOroDavoduRuzu& g)
{
    return g.SaveFixedCells || g.SaveFixedRows;
}
}  // namespace

TCellMap::TCellMap(const VOroDavoduRuzu& Grid, const TGridRect& Rect) : TCellMap(Grid, Rect, false)
{}

TCellMap::TCellMap(const VOroDavoduRuzu& Grid, const TGridRect& Rect, bool StoreCols)
    : grid_(Grid), rect_(Rect), storeCols_(StoreCols)
{}

TCellMap TCellMap::SaveRange(const VOroDavoduRuzu& Grid, bool WithHidden)
{
    const bool cols = savesFixedCols(Grid), rows = savesFixedRows(Grid);
    const int hidden = WithHidden ? Grid.NumHiddenColumns() : 0;
    const TGridRect rect{cols ? 0 : Grid.FixedCols(), rows ? 0 : Grid.FixedRows(),
                         (cols ? Grid.ColCount() : Grid.ColCount() - Grid.FixedRightCols) - 1 + hidden,
                         (rows ? Grid.RowCount() : Grid.RowCount() - Grid.FixedFooters) - 1};
    return TCellMap(Grid, rect, WithHidden);
}

int TCellMap::StoreCol(int ACol) const
{
    return storeCols_ ? ACol : grid_.DisplayToRealCol(ACol);
}

int TCellMap::ColWidth(int ACol) const
{
    return storeCols_ ? grid_.AllColWidths(ACol) : grid_.ColWidths(ACol);
}

std::int64_t TCellMap::LoadedColCount(const VOroDavoduRuzu& Grid, std::int64_t Cols, bool StoreCols)
{
    const std::int64_t around = savesFixedCols(Grid) ? 0 : std::int64_t{Grid.FixedCols()} + Grid.FixedRightCols;
    return Cols + around - (StoreCols ? Grid.NumHiddenColumns() : 0);
}

std::int64_t TCellMap::LoadedRowCount(const VOroDavoduRuzu& Grid, std::int64_t Rows)
{
    return Rows + (savesFixedRows(Grid) ? 0 : std::int64_t{Grid.FixedRows()} + Grid.FixedFooters);
}

int TCellMap::TargetCol(const VOroDavoduRuzu& Grid, std::int64_t ACol, bool StoreCols)
{
    if (ACol < 0 || ACol >= (StoreCols ? Grid.TotalColCount() : Grid.ColCount()))
        return -1;
    const int col = static_cast<int>(ACol);
    return StoreCols ? col : Grid.DisplayToRealCol(col);
}

void TCellMap::SetLoadedColWidth(VOroDavoduRuzu& Grid, std::int64_t ACol, int Width, bool StoreCols)
{
    if (ACol < 0 || ACol >= (StoreCols ? Grid.TotalColCount() : Grid.ColCount()))
        return;
    if (StoreCols)
        Grid.SetAllColWidths(static_cast<int>(ACol), Width);
    else
        Grid.SetColWidths(static_cast<int>(ACol), Width);
}
