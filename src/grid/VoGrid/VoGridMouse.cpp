// Mouse moves and the grid's mouse-down and mouse-up methods: hover feedback, the header selection modes,
// header drag selection, sizing of fixed columns and rows, the sizing events and hint, and links and anchors.
#include "grid/VoGrid/VoGrid.h"
#include "grid/base/VoUtil/VoUtilText.h"
#include "grid/base/VsgHTMLE/VsgHTMLE.h"
#include "platform/BalloonHint.h"
#include "platform/GridCursors.h"
#include "platform/HintWindow.h"

namespace {
// How near a fixed border the pointer arms its sizing.
constexpr int FixedSizingMargin = 2;
// How close to the bottom edge a header drag scrolls on.
constexpr int DragScrollEdge = 4;
// How far inside a sizable fixed cell's edges a press must lie to edit it.
constexpr int FixedEditSizingMargin = 4;
}  // namespace

void VOroDavoduRuzu::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TGridCoord cell = MouseCoord(X, Y);
    if (FMouseActions.RangeSelectAndEdit && Button == TMouseButton::mbLeft && !FMouseActions.EditOnDblClickOnly() &&
        cell.X >= 0 && cell.Y >= 0) {
        const bool current = cell.X == Col() && cell.Y == Row();
        if (current && !(Options() & goEditing) && IsEditable(RealColIndex(cell.X), cell.Y)) {
            SetOptions(Options() | goEditing);
            TBaseGrid::MouseDown(Button, Shift, X, Y);
            ShowInplaceEdit();
            return;
        }
        if (!current && (Shift & ssShift) && (Options() & goEditing)) {
            SetOptions(Options() & ~goEditing);
            TBaseGrid::MouseDown(Button, Shift, X, Y);
            return;
        }
    }
    if (Button == TMouseButton::mbLeft && pressFixedDropDown(cell, X))
        return;
    if (cell.X >= 0 && cell.X == FixedHoverCell.X && cell.Y == FixedHoverCell.Y && cell.Y == FixedRows() - 1) {
        FixedMouseDown = true;
        RepaintCell(cell.X, cell.Y);
    }
    FEditStart = true;
    TBaseGrid::MouseDown(Button, Shift, X, Y);
    FEditStart = false;
    if ((Shift & ssShift) && SelectionRectangle)
        Invalidate();
    if (Button == TMouseButton::mbLeft && fixedCellPress(cell, X, Y))
        return;
    syncSelection();
}

bool VOroDavoduRuzu::fixedCellEditsOn(const TGridCoord& cell, TGridFixedCellEdit Mode) const
{
    if (cell.X < 0 || cell.Y < 0)
        return false;
    if (cell.Y < FixedRows() && FMouseActions.FixedRowsEdit != fceNone)
        return FMouseActions.FixedRowsEdit == Mode;
    return cell.X < FixedCols() && FMouseActions.FixedColsEdit == Mode;
}

bool VOroDavoduRuzu::fixedCellPress(const TGridCoord& cell, int X, int Y)
{
    if (!fixedCellEditsOn(cell, fceLeftClick))
        return false;
    // With sizing on, a press near a border sizes rather than edits.
    const bool inFixedRow = cell.Y < FixedRows() && FMouseActions.FixedRowsEdit != fceNone;
    const bool sizing = Options() & (inFixedRow ? goColSizing : goRowSizing);
    const TRect r = CellRect(cell.X, cell.Y);
    const int m = FixedEditSizingMargin;
    if (sizing && (X <= r.Left + m || X >= r.Right - m || Y <= r.Top + m || Y >= r.Bottom - m))
        return true;
    ShowFixedCellEditor(cell.X, cell.Y);
    return true;
}

void VOroDavoduRuzu::MouseMove(TShiftState Shift, int X, int Y)
{
    const TGridRect before = Selection();
    const bool designing = ComponentState() & csDesigning;
    if (FMouseActions.RangeSelectAndEdit && (Shift & ssLeft) && !EditMode && FMouseDownMove)
        SetOptions(Options() & ~goEditing);
    const TGridCoord cell = MouseCoord(X, Y);
    const bool overCell = cell.X >= 0 && cell.Y >= 0;
    if (overCell && !designing && HoverRow && cell.Y != HoverRowIdx) {
        const int old = HoverRowIdx;
        HoverRowIdx = cell.Y;
        RepaintRow(cell.Y);
        if (old >= 0 && old < RowCount())
            RepaintRow(old);
    }
    if (overCell && !designing) {
        moveHoverFixedCell(cell.X, cell.Y);
        moveCellScrollBar(cell.X, cell.Y);
    }
    if (overCell)
        moveHoverButton(cell.X, cell.Y, {X, Y});
    if (FMouseSelectStart >= 0 && (Shift & ssLeft))
        moveHeaderSelection(X, Y);
    if (FMouseResize && (Shift & ssLeft))
        moveSelectionResizer(X, Y);
    moveSizing(X, Y);
    if (FSelectionClick)
        moveStartsDrag(Shift, X, Y);
    if (!designing) {
        if (FGridState == gsColSizing)
            ColSized = true;
        if (FGridState == gsRowSizing)
            Rowsized = true;
        moveHeaderDrag(X, Y);
        if (overCell && FGridState == gsNormal && !(Shift & ssLeft))
            chooseSelectMode(cell.X, cell.Y, {X, Y});
        if (!(Shift & ssLeft) && onSelectionResizer({X, Y}))
            FMouseSelectMode = msResize;
        if (FGridState == gsNormal && !(Shift & ssLeft))
            applySelectModeCursor();
    }
    if (overCell && !designing)
        moveOverLink(cell.X, cell.Y, {X, Y});
    if (overCell && !designing && FGridState == gsNormal && !FSizeFixed && !FSizeFixedR)
        QueryCellCursor(cell.X, cell.Y, X, Y);
    if (overCell) {
        const TPoint base = BaseCell(RealColIndex(cell.X), cell.Y);
        if (FLastHintPos.X >= 0 && (FLastHintPos.X != base.X || FLastHintPos.Y != base.Y)) {
            CancelHint();
            FLastHintPos = {-1, -1};
        }
        if (FBalloonTip && FLastBalloonPos.X >= 0 && (FLastBalloonPos.X != base.X || FLastBalloonPos.Y != base.Y)) {
            FBalloonTip->Pop();
            FLastBalloonPos = {-1, -1};
        }
    }
    TBaseGrid::MouseMove(Shift, X, Y);
    // A drag selecting rows keeps the view's left column from the press.
    if (FNavigation.KeepHorizScroll && (Options() & goRowSelect) && (Shift & ssLeft) && FGridState != gsColMoving &&
        FOldKeepLeftCol >= FixedCols() && LeftCol() != FOldKeepLeftCol) {
        const int depth = FUpdateCount;
        StartUpdate();
        SetLeftCol(FOldKeepLeftCol);
        FUpdateCount = depth;
        Invalidate();
    }
    if (FSizingFixed && OnColumnSizing)
        OnColumnSizing(this, 0, FSizeFixedX);
    else if (FGridState == gsColSizing && OnColumnSizing && Colclicked >= 0)
        OnColumnSizing(this, Colclicked, X - CellRect(Colclicked, 0).Left - Clickposdx);
    if (FSizingFixedR && OnRowSizing)
        OnRowSizing(this, 0, FSizeFixedY);
    else if (FGridState == gsRowSizing && OnRowSizing && Rowclicked >= 0)
        OnRowSizing(this, Rowclicked, Y - CellRect(0, Rowclicked).Top - Clickposdy);
    if (designing || HintShowSizing)
        showSizingHint(X, Y);
    const TGridRect after = Selection();
    if (!(after == before))
        DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
}

// The cell whose button or expand button is under the pointer is drawn hot.
void VOroDavoduRuzu::moveHoverButton(int C, int R, TPoint At)
{
    const int realC = RealColIndex(C);
    const bool onButton = (HasButton(realC, R) && GetCellButtonRect(C, R).Contains(At)) ||
                          (HasExpand(realC, R) && GetExpandButtonRect(C, R).Contains(At));
    const TGridCoord hover = onButton ? TGridCoord{C, R} : TGridCoord{-1, -1};
    if (hover == FHoverButton)
        return;
    if (FHoverButton.X >= 0)
        RepaintCell(FHoverButton.X, FHoverButton.Y);
    FHoverButton = hover;
    if (hover.X >= 0)
        RepaintCell(C, R);
}

// The hand over a URL text or an HTML anchor; the grid's own cursor elsewhere. Entering and leaving an
// anchor is reported.
void VOroDavoduRuzu::moveOverLink(int C, int R, TPoint At)
{
    const int realC = RealColIndex(C);
    const QString text = Cells(realC, R);
    bool link = false;
    QString anchor;
    if (CellTextKind(text, EnableHTML) == ctkHtml) {
        THtmlRenderResult hit;
        if (htmlHitTest(C, R, realC, At, hit) && !hit.AnchorValue.isEmpty() && hit.ControlID.isEmpty())
            anchor = hit.AnchorValue;
        link = !anchor.isEmpty();
    } else {
        link = URLShow && IsUrlText(text);
    }
    moveAnchor(R, C, anchor);
    if (link) {
        Invokedchange = true;
        TBaseGrid::SetCursor(crHandPoint);
    } else if (Cursor() == crHandPoint) {
        Invokedchange = true;
        TBaseGrid::SetCursor(FOldCursor);
    }
}

void VOroDavoduRuzu::moveAnchor(int R, int C, const QString& Anchor)
{
    if (Anchor == FAnchor)
        return;
    if (!FAnchor.isEmpty() && OnAnchorExit)
        OnAnchorExit(this, R, C, FAnchor);
    FAnchor = Anchor;
    if (Anchor.isEmpty())
        return;
    QString hint = Anchor;
    if (OnAnchorHint)
        OnAnchorHint(this, R, C, hint);
    if (hint != FLastAnchorHint) {
        // The next hint is built for this anchor.
        CancelHint();
        FLastAnchorHint = hint;
    }
    if (OnAnchorEnter)
        OnAnchorEnter(this, R, C, Anchor);
}

// The header selection modes show their own cursors; leaving them gives the grid its cursor back.
void VOroDavoduRuzu::applySelectModeCursor()
{
    TCursor cursor = crDefault;
    switch (FMouseSelectMode) {
    case msColumn:
        cursor = crSelectColumn;
        break;
    case msRow:
        cursor = crSelectRow;
        break;
    case msAll:
    case msResize:
        cursor = crSelectAll;
        break;
    default:
        if (Cursor() == crSelectColumn || Cursor() == crSelectRow || Cursor() == crSelectAll) {
            Invokedchange = true;
            TBaseGrid::SetCursor(FOldCursor);
        }
        return;
    }
    if (FSizeFixed || FSizingFixed || FSizeFixedR || FSizingFixedR || Cursor() == cursor)
        return;
    Invokedchange = true;
    TBaseGrid::SetCursor(cursor);
}

// The resized selection keeps its top-left cell and reaches to the cell under the pointer.
void VOroDavoduRuzu::moveSelectionResizer(int X, int Y)
{
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < FixedCols() || cell.Y < FixedRows())
        return;
    const TGridRect s = Selection();
    const TGridRect resized{s.Left, s.Top, std::max(cell.X, s.Left), std::max(cell.Y, s.Top)};
    if (!(resized == s))
        SetSelection(resized);
}

// Dragging along the row (column) headers selects the rows (columns) from the start to the pointer.
void VOroDavoduRuzu::moveHeaderSelection(int X, int Y)
{
    const TGridCoord cell = MouseCoord(X, Y);
    if (FMouseActions.RowSelect && FMouseSelectMode == msRow && cell.Y >= FixedRows() &&
        cell.Y < RowCount() - FixedFooters) {
        const int from = std::max(FMouseSelectStart, FixedRows());
        SetSelection({FixedCols(), std::min(from, cell.Y), ColCount() - 1, std::max(from, cell.Y)});
        if (Y > Height() - DragScrollEdge && TopRow() + VisibleRowCount() < RowCount())
            SetTopRow(TopRow() + 1);
        else if (FixedRows() > 0 && Y < RowHeights(0) && TopRow() > FixedRows())
            SetTopRow(TopRow() - 1);
    } else if (FMouseActions.ColSelect && FMouseSelectMode == msColumn && cell.X >= FixedCols() &&
               cell.X < ColCount()) {
        const int from = std::max(FMouseSelectStart, FixedCols());
        SetSelection({std::min(from, cell.X), FixedRows(), std::max(from, cell.X), RowCount() - 1});
    }
}

// Arms the sizing of fixed columns and rows near their borders and moves a running sizing line.
void VOroDavoduRuzu::moveSizing(int X, int Y)
{
    const TGridCoord cell = MouseCoord(X, Y);
    const bool overCell = cell.X >= 0 && cell.Y >= 0;
    FSizeFixed = FMouseActions.SizeFixedCol && overCell && fixedBorderAt(true, X) >= 0;
    FSizeFixedR = FMouseActions.SizeFixedRow && overCell && fixedBorderAt(false, Y) >= 0;
    if (FSizingFixed) {
        FSizeFixedX = X;
        Invalidate();
    }
    if (FSizingFixedR) {
        FSizeFixedY = Y;
        Invalidate();
    }
    if (FSizeFixed || FSizingFixed)
        TBaseGrid::SetCursor(crHSplit);
    else if (FSizeFixedR || FSizingFixedR)
        TBaseGrid::SetCursor(crVSplit);
    else if (Cursor() == crHSplit || Cursor() == crVSplit)
        TBaseGrid::SetCursor(FOldCursor);
}

// What a press would select here: whole columns, rows or everything over the headers.
void VOroDavoduRuzu::chooseSelectMode(int C, int R, TPoint At)
{
    FMouseSelectMode = msNormal;
    const bool border = IsOnSizingBorder(At.X, At.Y);
    if (C < FixedCols() && R < FixedRows() && FMouseActions.AllSelect)
        FMouseSelectMode = msAll;
    else if (R < FixedRows() && C >= FixedCols() && FMouseActions.ColSelect && !border)
        FMouseSelectMode = msColumn;
    else if (C < FixedCols() && R >= FixedRows() && FMouseActions.RowSelect && !border &&
             !(IsNode(R) && IsNodeGlyphHit(R, At.X)))
        FMouseSelectMode = msRow;
}

void VOroDavoduRuzu::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const TGridRect before = Selection();
    FilterButtonMouseUp(X, Y);
    if ((FGridState == gsColSizing && X > Width()) || (FGridState == gsRowSizing && Y > Height())) {
        FGridState = gsNormal;
        ColSized = false;
        Rowsized = false;
        Invalidate();
        return;
    }
    const TGridCoord cell = MouseCoord(X, Y);
    FDropDownDown = false;
    if (FMouseActions.DisjunctCellSelect() && Button == TMouseButton::mbLeft && cell.X >= 0 && cell.Y >= 0)
        disjunctCellClick(cell.X, cell.Y, Shift);
    TBaseGrid::MouseUp(Button, Shift, X, Y);
    if (FixedMouseDown) {
        FixedMouseDown = false;
        if (FixedHoverCell.X >= 0)
            RepaintCell(FixedHoverCell.X, FixedHoverCell.Y);
    }
    const TGridRect after = Selection();
    if (!(after == before))
        DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
}

// A click (or Space) in a disjunct cell selection: Ctrl toggles the cell, Shift adds it, anything else makes
// it the only one; the other cells of a range selection join.
void VOroDavoduRuzu::disjunctCellClick(int C, int R, TShiftState Shift)
{
    const TPoint base = BaseCell(RealColIndex(C), R);
    const int baseC = DisplColIndexOf(base.X);
    if (baseC < FixedCols() || base.Y < FixedRows()) {
        if (C >= FixedCols() && R >= FixedRows() && !(Shift & ssCtrl)) {
            FSelectedCells.Clear();
            Invalidate();
        }
        return;
    }
    bool canSelect = true;
    if (OnSelectCell)
        OnSelectCell(this, baseC, base.Y, canSelect);
    if (!canSelect)
        return;
    if (Shift & ssShift) {
        SetSelectedCells(C, R, true);
    } else if (Shift & ssCtrl) {
        SetSelectedCells(baseC, base.Y, !SelectedCells(baseC, base.Y));
    } else {
        FSelectedCells.Clear();
        Invalidate();
        SetSelectedCells(baseC, base.Y, true);
    }
    const TGridRect s = Selection();
    if (s.Left != s.Right || s.Top != s.Bottom)
        for (int c = s.Left; c <= s.Right; ++c)
            for (int r = s.Top; r <= s.Bottom; ++r)
                if (c != baseC || r != base.Y)
                    SetSelectedCells(c, r, true);
    RepaintCell(C, R);
}

void VOroDavoduRuzu::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs)
{
    TBaseGrid::CalcSizingState(X, Y, State, Index, SizingPos, SizingOfs);
    bool allow = true;
    if (State == gsColSizing && OnColumnSize) {
        OnColumnSize(this, Index, allow);
        if (!allow) {
            State = gsNormal;
            FSizeFixed = false;
        }
    } else if (State == gsRowSizing && OnRowSize) {
        OnRowSize(this, Index, allow);
        if (!allow)
            State = gsNormal;
    }
}
