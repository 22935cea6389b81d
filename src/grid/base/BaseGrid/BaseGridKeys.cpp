// Keyboard, wheel, selection and scrolling of the base grid: the current cell stays on the base
// cell of a merged area.
#include "grid/base/BaseGrid/BaseGrid.h"
#include "platform/Messages.h"

void TBaseGrid::KeyDown(WORD& Key, TShiftState Shift)
{
    if (HasCellProperties(Col(), Row())) {
        const TPoint base = BaseCell(Col(), Row());
        const TCellProperties* p = props(base.X, base.Y);
        const int spanX = p ? p->CellSpanX : -1;
        const int spanY = p ? p->CellSpanY : -1;
        switch (Key) {
        case VK_RIGHT:
            if (base.X + spanX >= Col() && Col() < ColCount() - 1 && base.X < ColCount() - 1 &&
                base.X + spanX < ColCount())
                SetCol(base.X + spanX);
            break;
        case VK_DOWN:
            if (base.Y + spanY >= Row() && Row() < RowCount() - 1 && base.Y < RowCount() - 1)
                SetRow(base.Y + spanY);
            break;
        case VK_LEFT:
            if (base.X < Col() && Col() > FixedCols() && base.X > 0)
                SetCol(base.X);
            break;
        case VK_UP:
            if (base.Y < Row() && Row() > FixedRows() && base.Y > 0)
                SetRow(base.Y);
            break;
        default:
            break;
        }
    }
    if (Key == VK_NEXT && HideLastRow && RowCount() > 1 && VisibleRowCount() + TopRow() - FixedRows() == RowCount() - 1)
        SetRow(RowCount() - 2);
    TObjStringGrid::KeyDown(Key, Shift);
    MoveToBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    const bool result = TObjStringGrid::DoMouseWheelDown(Shift, MousePos);
    if (VisibleRowCount() < Row() - TopRow() && Row() < RowCount() - 1 && HideLastRow)
        SetTopRow(TopRow() + 1);
    MoveToBaseCell();
    return result;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    const bool result = TObjStringGrid::DoMouseWheelUp(Shift, MousePos);
    MoveToBaseCell();
    return result;
}

bool TBaseGrid::SelectCell(int ACol, int ARow)
{
    RepaintCell(Col(), Row());
    const bool result = TObjStringGrid::SelectCell(ACol, ARow);
    RepaintCell(ACol, ARow);
    return result;
}

void TBaseGrid::TopLeftChanged()
{
    TObjStringGrid::TopLeftChanged();
    for (int c = 0; c < FixedCols(); ++c)
        for (int r = TopRow(); r <= std::min(TopRow() + VisibleRowCount(), RowCount() - 1); ++r)
            if (IsMergedCell(c, r))
                RepaintCell(c, r);
    for (int r = 0; r < FixedRows(); ++r)
        for (int c = LeftCol(); c <= std::min(LeftCol() + VisibleColCount(), ColCount() - 1); ++c)
            if (IsMergedCell(c, r))
                RepaintCell(c, r);
}
