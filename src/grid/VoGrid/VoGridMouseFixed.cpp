// The mouse over fixed cells: the hovered fixed cell and the drop-down button of a fixed cell with its menu;
// and the scroll bar of a cell under the mouse.
#include "grid/VoGrid/VoGrid.h"
#include "platform/Menus.h"

namespace {
// Width of the drop-down button at a header cell's right edge.
constexpr int HeaderButtonWidth = 16;
// Width of the scroll bar placed in a cell.
constexpr int CellScrollBarWidth = 17;
// A cell's scroll bar moves by 10 a line and 100 a page.
constexpr int CellScrollLine = 10;
constexpr int CellScrollPage = 100;
}  // namespace

// The hovered fixed cell follows the mouse; the painting draws it hot. The list view look makes every fixed
// cell hot under the mouse.
void VOroDavoduRuzu::moveHoverFixedCell(int C, int R)
{
    const bool listView = FLook == glListView;
    if ((HoverFixedCells == hfNone && !listView) || FNoMouseLeave)
        return;
    const bool hot = IsHoverFixedCell(C, R) || (listView && (C < FixedCols() || R < FixedRows()));
    const TPoint hover = hot ? TPoint{C, R} : TPoint{-1, -1};
    if (hover.X == FixedHoverCell.X && hover.Y == FixedHoverCell.Y)
        return;
    const TPoint old = FixedHoverCell;
    FixedHoverCell = hover;
    if (old.X >= 0 && old.X < ColCount() && old.Y >= 0 && old.Y < RowCount())
        RepaintCell(old.X, old.Y);
    if (hover.X >= 0)
        RepaintCell(hover.X, hover.Y);
}

void VOroDavoduRuzu::forgetHoverFixedCell()
{
    const TPoint old = FixedHoverCell;
    if (old.X < 0)
        return;
    FixedHoverCell = {-1, -1};
    FixedMouseDown = false;
    if (old.X < ColCount() && old.Y < RowCount())
        RepaintCell(old.X, old.Y);
}

void VOroDavoduRuzu::ResetFixedCellHighlight()
{
    FSizeFixed = false;
    FSizeFixedR = false;
    FNoMouseLeave = false;
    forgetHoverFixedCell();
}

// A press on the drop-down button of a hovered fixed cell pops up the fixed-cell menu under the button.
bool VOroDavoduRuzu::pressFixedDropDown(const TGridCoord& cell, int X)
{
    if (cell.X < 0 || cell.Y < 0 || !IsHoverFixedCell(cell.X, cell.Y) || !FControlLook.FixedDropDownButton)
        return false;
    const TRect r = CellRect(cell.X, cell.Y);
    const int margin = (Options() & goColSizing) ? 2 : 0;
    if (X <= r.Right - HeaderButtonWidth || X >= r.Right - margin)
        return false;
    FDropDownDown = true;
    auto* menu = dynamic_cast<TPopupMenu*>(FixedDropDownMenu);
    if (!menu && !OnFixedDropDownClick)
        return false;
    FNoMouseLeave = true;
    if (menu)
        menu->Tag = cell.X;
    bool keepHighlight = false;
    if (OnFixedDropDownClick)
        OnFixedDropDownClick(this, cell.X, cell.Y, menu, keepHighlight);
    if (menu) {
        FixedHoverCell = {cell.X, cell.Y};
        RepaintCell(cell.X, cell.Y);
        const TPoint at = ClientToScreen({r.Right - HeaderButtonWidth, r.Bottom});
        menu->Popup(at.X, at.Y);
        FixedHoverCell = {-1, -1};
        RepaintCell(cell.X, cell.Y);
    }
    FNoMouseLeave = keepHighlight;
    return true;
}

void VOroDavoduRuzu::moveCellScrollBar(int C, int R)
{
    const int realC = RealColIndex(C);
    if (!HasScrollBar(realC, R)) {
        if (FScrollCol >= 0)
            FScrollBar->Hide();
        FScrollCol = FScrollRow = -1;
        return;
    }
    if (realC == FScrollCol && R == FScrollRow)
        return;       // already standing there
    FScrollCol = -1;  // no write-back while the bar is set up
    const TScrollProp prop = GetScrollProp(realC, R);
    TScrollBar& bar = cellScrollBar();
    bar.SetParent(this);
    bar.SetKind(sbVertical);
    bar.SmallChange = CellScrollLine;
    bar.LargeChange = CellScrollPage;
    bar.SetBoundsRect(cellScrollBarRect(C, R));
    bar.SetPageSize(0);
    bar.SetParams(GetScrollPosition(realC, R), 0, prop.Range);
    bar.SetPageSize(prop.PageSize);
    bar.OnChange = [this, &bar](TObject*) {
        if (FScrollCol < 0)
            return;
        SetScrollPosition(FScrollCol, FScrollRow, bar.Position());
        DoScrollCell();
    };
    FScrollCol = realC;
    FScrollRow = R;
    bar.SetVisible(prop.PageSize < prop.Range);
}

TRect VOroDavoduRuzu::cellScrollBarRect(int C, int R)
{
    const TRect r = CellRect(C, R);
    const int line = GridLineWidth();
    return {r.Right - line - CellScrollBarWidth, r.Top + line, r.Right - line, r.Bottom - line};
}
