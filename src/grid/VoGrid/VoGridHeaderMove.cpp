// Enhanced moving of a column or row by its header: the header follows the mouse, arrows mark where it
// will land, the cursor tells whether the move is allowed, and the release moves it.
#include "grid/VoGrid/VoGrid.h"

namespace {
// How far the arrows stand off the target cell's edges.
constexpr int ColumnArrowLeft = 5;
constexpr int ColumnArrowAbove = 8;
constexpr int RowArrowLeft = 10;
constexpr int RowArrowAbove = 5;
}  // namespace

TArrowWindow& VOroDavoduRuzu::moveArrow(std::unique_ptr<TArrowWindow>& Window, TArrowDirection Direction)
{
    if (!Window)
        Window = std::make_unique<TArrowWindow>(nullptr, Direction);
    return *Window;
}

void VOroDavoduRuzu::moveHeaderDrag(int X, int Y)
{
    const bool columns = FGridState == gsColMoving;
    if (!columns && FGridState != gsRowMoving)
        return;
    bool allow = true;
    if (columns && OnColumnMove)
        OnColumnMove(this, Movecell, allow);
    else if (!columns && OnRowMove)
        OnRowMove(this, Movecell, allow);
    if (!allow) {
        endHeaderMove();
        FGridState = gsNormal;
        return;
    }
    if (!EnhRowColMove || Movecell < 0 || RowCount() <= 1 || (X == Clickposx && Y == Clickposy) || FSizingFixed ||
        FSizingFixedR)
        return;
    const int pressRow = std::max(MouseCoord(Clickposx, Clickposy).Y, 0);
    // With ShowCells a picture of the column's (row's) visible cells follows the mouse, else the header button.
    if (FDragDropSettings.ShowCells && !MoveForm) {
        MoveForm = SelectionToForm(columns ? TGridRect{Movecell, 0, Movecell, RowCount() - 1}
                                           : TGridRect{0, Movecell, ColCount() - 1, Movecell});
        MoveForm->ShowNoActivate();
    }
    THeaderDragButton& button = *HeaderDragButton();
    if (columns) {
        button.Caption = Cells(RealColIndex(Movecell), pressRow);
        button.SetBounds(X - MoveOfsX, Y - MoveOfsY, ColWidths(Movecell), RowHeights(pressRow));
    } else {
        button.Caption = Cells(RealColIndex(0), Movecell);
        button.SetBounds(X - MoveOfsX, Y - MoveOfsY, ColWidths(0), RowHeights(Movecell));
    }
    if (MoveForm) {
        const TPoint at = ClientToScreen({X - MoveOfsX, Y - MoveOfsY});
        MoveForm->SetBounds(at.X, at.Y, MoveForm->Width(), MoveForm->Height());
    }
    markMoveTarget(columns);
    const TGridCoord cell = MouseCoord(X, Y);
    if (columns) {
        FMoveColInd = cell.X;
        FMoveRowInd = 0;
        if (OnColumnMoving)
            OnColumnMoving(this, FMoveColInd, allow);
    } else {
        FMoveColInd = 0;
        FMoveRowInd = cell.Y;
        if (OnRowMoving)
            OnRowMoving(this, FMoveRowInd, allow);
    }
    // Dragged over the fixed part or beyond the edge, the grid scrolls towards the hidden columns (rows).
    int fixedExtent = 0;
    for (int i = 0; i < (columns ? FixedCols() : FixedRows()); ++i)
        fixedExtent += columns ? ColWidths(i) : RowHeights(i);
    const int pos = columns ? X : Y;
    const int extent = columns ? Width() : Height();
    if (columns && VisibleColCount() < ColCount() - FixedCols()) {
        if (pos < fixedExtent && LeftCol() > FixedCols())
            SetLeftCol(LeftCol() - 1);
        else if (pos > extent && LeftCol() + VisibleColCount() < ColCount())
            SetLeftCol(LeftCol() + 1);
    } else if (!columns && VisibleRowCount() < RowCount() - FixedRows()) {
        if (pos < fixedExtent && TopRow() > FixedRows())
            SetTopRow(TopRow() - 1);
        else if (pos > extent && TopRow() + VisibleRowCount() < RowCount())
            SetTopRow(TopRow() + 1);
    }
    const bool started = button.Enabled();
    button.SetEnabled(true);
    if (!MoveForm) {
        button.Show();
        button.BringToFront();
    }
    // While the header moves the grid's window gives the focus to its parent.
    if (!started)
        DoStartBlockFocus();
    if (Parent() && Parent()->CanFocus())
        Parent()->SetFocus();
    Invokedchange = true;
    TBaseGrid::SetCursor(allow ? crDrag : crNoDrop);
}

// The arrows stand at the target of the previous move: above and below a column's header, left and right of
// a row's header; they show only over a normal, visible column (row).
void VOroDavoduRuzu::markMoveTarget(bool Columns)
{
    const int target = Columns ? FMoveColInd : FMoveRowInd;
    if (!Columns && FFloatingFooter.Visible() && FFloatingFooter.FooterStyle() == fsFixedLastRow &&
        target == RowCount() - 1)
        return;
    const bool visible = Columns ? target >= std::max(FixedCols(), LeftCol()) && target < LeftCol() + VisibleColCount()
                                 : target >= std::max(FixedRows(), TopRow()) && target < TopRow() + VisibleRowCount();
    TArrowWindow& first = Columns ? moveArrow(ArwU, arrUp) : moveArrow(ArwL, arrLeft);
    TArrowWindow& second = Columns ? moveArrow(ArwD, arrDown) : moveArrow(ArwR, arrRight);
    if (!visible) {
        first.Hide();
        second.Hide();
        return;
    }
    const TRect r = Columns ? CellRect(target, 0) : CellRect(0, target);
    const TPoint topLeft = ClientToScreen({r.Left, r.Top});
    const TPoint bottomRight = ClientToScreen({r.Right, r.Bottom});
    if (Columns) {
        const int left = topLeft.X - ColumnArrowLeft + (target > Movecell ? ColWidths(target) : 0);
        first.SetBounds(left, bottomRight.Y, first.Width(), first.Height());
        second.SetBounds(left, topLeft.Y - ColumnArrowAbove, second.Width(), second.Height());
    } else {
        const int top = topLeft.Y - RowArrowAbove + (target > Movecell ? RowHeights(target) : 0);
        first.SetBounds(topLeft.X - RowArrowLeft, top, first.Width(), first.Height());
        second.SetBounds(bottomRight.X, top, second.Width(), second.Height());
    }
    first.Show();
    second.Show();
}

// Hides the moved header and the arrows and gives the mouse its own cursor back.
void VOroDavoduRuzu::endHeaderMove()
{
    if (MoveButton) {
        MoveButton->SetEnabled(false);
        MoveButton->Hide();
    }
    MoveForm.reset();
    for (auto* arrow : {&ArwU, &ArwD, &ArwL, &ArwR})
        if (*arrow)
            (*arrow)->Hide();
    if (Cursor() == crDrag || Cursor() == crNoDrop) {
        Invokedchange = true;
        TBaseGrid::SetCursor(FOldCursor);
    }
}

// The release ends an enhanced move: on the no-drop cursor nothing moves, otherwise the header lands on the
// column (row) under the mouse. True when the release ended such a move.
bool VOroDavoduRuzu::releaseHeaderMove(int C, int R)
{
    const bool columns = FGridState == gsColMoving;
    if (!EnhRowColMove || (!columns && FGridState != gsRowMoving) || (Cursor() != crDrag && Cursor() != crNoDrop))
        return false;
    const bool refused = Cursor() == crNoDrop;
    endHeaderMove();
    DoEndBlockFocus();
    if (refused) {
        if (Movecell >= 0) {
            if (columns)
                RepaintRow(0);
            else
                RepaintCol(0);
        }
    } else if (columns && Movecell >= 0 && C >= FixedCols() && C < ColCount() && C != Movecell) {
        MoveColumn(Movecell, C);
    } else if (!columns && Movecell >= 0 && R >= FixedRows() && R < RowCount() && R != Movecell) {
        MoveRow(Movecell, R);
    }
    KillTimer(1);
    FGridState = gsNormal;
    return true;
}
