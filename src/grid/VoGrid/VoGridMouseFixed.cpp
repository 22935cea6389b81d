// The mouse over fixed cells: the hovered fixed cell, the drop-down button of a fixed cell with its menu, and
// the filter list that a release on a header's filter button opens.
#include "grid/VoGrid/VoGrid.h"
#include "platform/Menus.h"

namespace {
// Width of the drop-down and filter buttons at a header cell's right edge.
constexpr int HeaderButtonWidth = 16;
// The filter button ends this far left of the cell's right edge and this far below its top.
constexpr int FilterButtonRightMargin = 3;
constexpr int FilterButtonHeight = 19;
// Room a list's frame takes on each side, and added to each item's measured width.
constexpr int ListEdge = 2;
constexpr int ItemPadding = 8;
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

// A release on the filter button of a header in the filter row opens that column's filter list; a release
// anywhere else closes an open plain list.
bool VOroDavoduRuzu::releaseFilterButton(const TGridCoord& cell, int X, int Y)
{
    if (cell.X >= 0 && cell.Y == FilterDropDownRow && cell.Y < FixedRows()) {
        const int realC = RealColIndex(cell.X);
        const TRect r = CellRect(cell.X, cell.Y);
        if (realC != FFilterCol && X > r.Right - HeaderButtonWidth && X < r.Right - FilterButtonRightMargin &&
            Y < r.Top + FilterButtonHeight && QueryColumnFilterItems(realC)) {
            openFilterList(cell.X, cell.Y);
            return true;
        }
    }
    if (FDropList && FDropList->Visible())
        FDropList->Hide();
    FFilterCol = -1;
    return false;
}

// Fills the list from the grid's filter list (already queried for the column), sizes it and shows it under
// the header's filter button.
void VOroDavoduRuzu::openFilterList(int C, int R)
{
    const int realC = RealColIndex(C);
    TDropListBase* list = FilterDropDownCheck ? static_cast<TDropListBase*>(FDropCheckList) : FDropList;
    FFilterCol = -1;  // filling the marks must not apply a filter
    list->SetColor(FFilterDropDown.Color);
    list->Font().Assign(FFilterDropDown.Font());
    list->Clear();
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(FFilterDropDown.Font());
    int widest = 0;
    QStringList compared;
    for (int i = 0; i < FFilterList.Count(); ++i) {
        // An entry "name=condition" shows its name.
        const QString name = FFilterList.Strings(i).section(QLatin1Char('='), 0, 0);
        list->Items().Add(name);
        compared << (name.contains(QLatin1Char(' ')) ? QLatin1Char('"') + name + QLatin1Char('"') : name);
        widest = std::max(widest, canvas.TextWidth(compared.back()) + ItemPadding);
    }
    // The marks go on after all items: a change of the items clears them.
    for (int i = 0; FilterDropDownCheck && i < compared.size(); ++i) {
        bool ticked = false;
        for (int f = 0; f < FFilter.Count(); ++f)
            ticked = ticked || (FFilter.Items(f)->Column == realC && FFilter.Items(f)->Condition == compared[i]);
        list->SetChecked(i, ticked);
    }
    if (!FilterDropDownCheck && list->Count() > 0)
        list->SetItemIndex(0);
    const TRect cell = CellRect(C, R);
    int width = FFilterDropDown.Width;
    int height = FFilterDropDown.Height;
    if (FFilterDropDown.AutoSize) {
        height = list->Count() * (canvas.TextHeight(QStringLiteral("gh")) + ListEdge) + 2 * ListEdge;
        width = widest + 2 * ListEdge;
    }
    int left = cell.Right - HeaderButtonWidth;
    if (FFilterDropDown.ColumnWidth) {
        left = cell.Left;
        width = cell.Right - cell.Left;
    }
    if (left + width > Width())
        left = std::max(cell.Right - width, 0);
    list->SetParent(this);
    list->SetBounds(left, cell.Top + HeaderButtonWidth, width, height);
    FFilterCol = realC;
    list->Show();
    if (list->CanFocus())
        list->SetFocus();
}
