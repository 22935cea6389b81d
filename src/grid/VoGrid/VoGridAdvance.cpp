// Moving the current cell on after Enter and Tab, and the column functions the keys and the mouse use.
// Skipping cells that may not be edited is bounded to one pass over the grid: a grid without an editable
// cell leaves the current cell where it was.
#include "grid/VoGrid/VoGrid.h"

// --- Column functions --------------------------------------------------------------------------

int VOroDavoduRuzu::FirstNavigableCol()
{
    return FixedCols() == 0 && HasNodes() ? 1 : FixedCols();
}

int VOroDavoduRuzu::VisibleFixedRightCols() const
{
    if (FNumHidden == 0)
        return FixedRightCols;
    int visible = 0;
    for (int c = TotalColCount() - FixedRightCols; c < TotalColCount(); ++c)
        if (c >= 0 && !IsHiddenColumn(c))
            ++visible;
    return visible;
}

bool VOroDavoduRuzu::CanTabToCell(int ACol, int ARow)
{
    bool canSelect = EditsCells() ? IsEditable(RealColIndex(ACol), ARow) : !IsFixed(ACol, ARow);
    if (OnSelectCell)
        OnSelectCell(this, ACol, ARow, canSelect);
    return canSelect;
}

int VOroDavoduRuzu::FirstTabColInRow(int ARow)
{
    for (int c = 0; c < ColCount(); ++c)
        if (CanTabToCell(c, ARow))
            return c;
    return -1;
}

int VOroDavoduRuzu::LastTabColInRow(int ARow)
{
    for (int c = ColCount() - 1; c >= 0; --c)
        if (CanTabToCell(c, ARow))
            return c;
    return -1;
}

// The current cell and the anchor move to the cell; an invalid column leaves the column as it is.
void VOroDavoduRuzu::moveCurrentTo(int ACol, int ARow)
{
    if (ACol < 0 || ACol >= ColCount())
        ACol = Col();
    FocusCell(ACol, ARow, true);
}

// --- Enter advance -----------------------------------------------------------------------------

void VOroDavoduRuzu::AdvanceAfterEnter(int ACol, int ARow, bool OpenEditor, bool Forward, bool AutoEdit, bool Force)
{
    if (!Force && !FNavigation.AdvanceOnEnter)
        return;
    if (FMouseActions.RangeSelectAndEdit && !(Options() & goEditing))
        SetOptions(Options() | goEditing);
    FAECol = ACol;
    FAERow = ARow;
    const int startCol = Col();
    const int startRow = Row();
    FStartEditChar = QChar();
    int c = ACol;
    int r = ARow;
    // Cells whose edit permission is refused are skipped, at most once around the grid.
    for (int budget = ColCount() * RowCount();; --budget) {
        if (!advanceTarget(c, r, Forward) || c < 0 || c >= ColCount() || r < 0 || r >= RowCount())
            return;
        bool permitted = true;
        QueryCellEditable(RealColIndex(c), r, permitted);
        if (permitted) {
            bool allow = true;
            int newRow = r;
            int newCol = c;
            if (OnAutoAdvance)
                OnAutoAdvance(this, FAERow, FAECol, newRow, newCol, allow);
            if (allow && OnCellChanging)
                OnCellChanging(this, FAERow, FAECol, newRow, newCol, allow);
            if (allow && newCol >= 0 && newCol < ColCount() && newRow >= 0 && newRow < RowCount()) {
                FDisableChange = true;
                SetCol(newCol);
                SetRow(newRow);
            }
            FDisableChange = false;
            break;
        }
        if (!FNavigation.AdvanceSkipReadOnlyCells) {
            SetCol(c);
            SetRow(r);
            break;
        }
        if (budget <= 1 || (c == FAECol && r == FAERow))
            return;
    }
    // The editor opens in the new cell; a call from an editor, and a clickable cell, need an editable cell.
    if (OpenEditor && FNavigation.AdvanceAutoEdit) {
        const int realCol = RealCol();
        const bool clickable = HasClickableGraphic(realCol, Row());
        if ((AutoEdit || clickable) && !IsEditable(realCol, Row()))
            return;
        if (!clickable) {
            ShowInplaceEdit();
        } else {
            TEditorType startType = DefaultEditor;
            QueryEditorType(RealColIndex(startCol), startRow, startType);
            if (!IsTextEditor(startType))
                HideInplaceEdit();
        }
    }
    if (FMouseActions.DisjunctRowSelect()) {
        std::fill(FRowSelect.begin(), FRowSelect.end(), 0);
        if (Row() >= static_cast<int>(FRowSelect.size()))
            FRowSelect.resize(static_cast<std::size_t>(Row()) + 1, 0);
        FRowSelect[static_cast<std::size_t>(Row())] = 1;
        Invalidate();
    }
}

// The cell an Enter step from (c, r) proposes; false when the advance ends without moving.
bool VOroDavoduRuzu::advanceTarget(int& c, int& r, bool Forward)
{
    const TPoint span = CellSpan(RealColIndex(c), r);
    const int sx = std::max(span.X, 0);
    const TAdvanceDirection direction = FNavigation.AdvanceDirection();
    const int lastNormalRow = RowCount() - FixedFooters - 1;
    const int firstCol = FirstNavigableCol();
    if (!Forward) {
        if (direction == adLeftRight) {
            if (c > firstCol) {
                --c;
            } else {
                r = r > FixedRows() ? r - 1 : lastNormalRow;
                c = ColCount() - FixedRightCols - 1;
            }
        } else if (direction == adTopBottom) {
            if (r > FixedRows()) {
                --r;
            } else {
                c = c > firstCol ? c - 1 : ColCount() - FixedRightCols - 1;
                r = lastNormalRow;
            }
        }
        return true;
    }
    if (direction == adLeftRight || direction == adLeftRightInRow) {
        if (c + sx < ColCount() - VisibleFixedRightCols() - 1) {
            c = c + sx + 1;
        } else if (direction == adLeftRightInRow) {
            if (FNavigation.AdvanceOnEnterLoop)
                c = firstCol;
        } else if (r != lastNormalRow) {
            ++r;
            c = firstCol;
        } else if (FNavigation.AdvanceInsert()) {
            c = firstCol;
            if (QueryCanAppendRow())
                return appendOnAdvance(r);
        } else if (FNavigation.AdvanceOnEnterLoop) {
            r = FixedRows();
            c = firstCol;
        }
        return true;
    }
    if (r + 1 != RowCount() - FixedFooters) {
        ++r;
        return true;
    }
    r = FixedRows();
    if (direction == adTopBottomInCol)
        return true;
    if (c + 1 != ColCount() - FixedRightCols) {
        c = c + 1 < ColCount() ? c + 1 : firstCol;
    } else if (FNavigation.AdvanceInsert()) {
        SetColCount(ColCount() + 1);
        c = c + sx + 1;
        if (OnAutoInsertCol)
            OnAutoInsertCol(this, ColCount() - FixedRightCols - 1);
    } else {
        c = firstCol;
    }
    Invalidate();
    return true;
}

// Enter past the last cell appends a row; the advance goes on only when the new row has an editable cell.
bool VOroDavoduRuzu::appendOnAdvance(int& r)
{
    AddRow();
    ++r;
    if (OnAutoAddRow)
        OnAutoAddRow(this, RowCount() - FixedFooters - 1);
    for (int rc = FixedCols(); rc < TotalColCount(); ++rc)
        if (IsEditable(rc, r))
            return true;
    return false;
}

// --- Tab ---------------------------------------------------------------------------------------

void VOroDavoduRuzu::HandleTabKey(bool Backward)
{
    tabMove(Backward);
}

// Tab moves; false when the Tab was handed to the form. A move that lands on a cell that may not be edited
// (or on a covered part of a merged area) moves on, at most once around the grid; when that finds no cell
// the current cell goes back to where the Tab started.
bool VOroDavoduRuzu::tabMove(bool Backward)
{
    const int startCol = Col();
    const int startRow = Row();
    bool result = true;
    for (int budget = ColCount() * RowCount();; --budget) {
        WORD key = VK_TAB;
        fireKeyDown(key, Backward ? TShiftState{ssShift} : TShiftState{});
        if (key != VK_TAB || (Col() == FLastTabCol && Row() == FLastTabRow))
            return result;
        const int fromCol = Col();
        const int fromRow = Row();
        FLastTabCol = fromCol;
        FLastTabRow = fromRow;
        if (Backward)
            tabBackward();
        else if (!tabForward())
            result = false;
        FLastTabCol = -1;
        FLastTabRow = -1;
        const bool refused = EditsCells() && !IsEditable(RealCol(), Row());
        if (!refused && (Backward || IsBaseCell(RealCol(), Row())))
            break;
        const bool stuck = Col() == fromCol && Row() == fromRow;
        if (budget <= 1 || stuck || (Col() == startCol && Row() == startRow)) {
            FocusCell(startCol, startRow, true);
            return result;
        }
    }
    if (FNavigation.AdvanceAutoEdit && (Options() & goEditing) && !HasClickableGraphic(RealCol(), Row()))
        ShowInplaceEdit();
    if (FNavigation.AlwaysEdit && CanFocus())
        SetFocus();
    return result;
}

void VOroDavoduRuzu::tabBackward()
{
    const int firstCol = FirstNavigableCol();
    const int lastNormalRow = RowCount() - FixedFooters - 1;
    const int previousRow = Row() > FixedRows() ? Row() - 1 : lastNormalRow;
    if (FNavigation.TabAdvanceDirection != adLeftRight) {
        if (Row() > FixedRows()) {
            SetRow(Row() - 1);
        } else {
            SetRow(lastNormalRow);
            SetCol(Col() > firstCol ? Col() - 1 : ColCount() - VisibleFixedRightCols() - 1);
        }
        return;
    }
    if (Col() > firstCol) {
        for (int c = Col() - 1; c >= firstCol; --c)
            if (CanTabToCell(c, Row()) && IsBaseCell(RealColIndex(c), Row())) {
                SetCol(c);
                return;
            }
        const int last = LastTabColInRow(previousRow);
        if (last >= 0)
            moveCurrentTo(last, previousRow);
        MoveToBaseCell();
        return;
    }
    int target = -1;
    for (int c = ColCount() - VisibleFixedRightCols() - 1; c >= FixedCols() && target < 0; --c)
        if (CanTabToCell(c, Row()))
            target = c;
    moveCurrentTo(target, previousRow);
}

bool VOroDavoduRuzu::tabForward()
{
    bool result = true;
    const int vfr = VisibleFixedRightCols();
    const int lastNormalRow = RowCount() - FixedFooters - 1;
    const TPoint span = CellSpan(RealCol(), Row());
    const int sx = std::max(span.X, 0);
    const int sy = std::max(span.Y, 0);
    if (FNavigation.TabAdvanceDirection != adLeftRight) {
        if (Row() + sy + 1 < RowCount() - FixedFooters) {
            SetRow(Row() + sy + 1);
        } else {
            GotoFirstRow();
            if (Col() < ColCount() - vfr - 1) {
                SetCol(Col() + 1);
            } else {
                SetCol(FirstNavigableCol());
                tabHandOver(result);
            }
        }
        return result;
    }
    if (Col() + sx + 1 < ColCount() - vfr) {
        int found = -1;
        for (int c = Col() + sx + 1; c <= ColCount() - vfr - 1 && found < 0; ++c)
            if (CanTabToCell(c, Row()))
                found = c;
        if (found >= 0) {
            if (CanTabToCell(found, Row())) {
                SetCol(found);
            } else {
                const int row = Row() + 1 < RowCount() ? Row() + 1 : FixedRows();
                const int first = FirstTabColInRow(row);
                if (first >= 0)
                    moveCurrentTo(first, row);
            }
            return result;
        }
        FForceSel = true;
        if (Row() < lastNormalRow) {
            const int first = FirstTabColInRow(Row() + 1);
            bool allow = true;
            QueryCellChanging(first, Row() + 1, allow);
            if (allow)
                moveCurrentTo(first >= 0 ? first : FixedCols(), Row() + 1);
        } else {
            const int first = FirstTabColInRow(FixedRows());
            if (first >= 0)
                moveCurrentTo(first, FixedRows());
            tabHandOver(result);
        }
        FForceSel = false;
        return result;
    }
    if (Row() < lastNormalRow) {
        for (int c = FirstNavigableCol(); c < ColCount(); ++c)
            if (IsBaseCell(RealColIndex(c), Row() + 1) && CanTabToCell(c, Row() + 1)) {
                FForceSel = true;
                moveCurrentTo(c, Row() + 1);
                FForceSel = false;
                return result;
            }
        for (int r = Row() + 2; r < RowCount(); ++r)
            if (const int first = FirstTabColInRow(r); first >= 0) {
                moveCurrentTo(first, r);
                return result;
            }
        return result;  // no cell to go to after this row: the cell stays
    }
    if (!FNavigation.TabToNextAtEnd && FNavigation.AdvanceInsert() && QueryCanAppendRow()) {
        if (FFloatingFooter.Visible())
            InsertRows(RowCount() - 1, 1);
        else
            SetRowCount(RowCount() + 1);
        SetRow(RowCount() - FixedFooters - 1 - (FFloatingFooter.Visible() ? 1 : 0));
        if (OnAutoAddRow)
            OnAutoAddRow(this, RowCount() - FixedFooters - 1);
    } else {
        GotoFirstRow();
    }
    const int first = FirstTabColInRow(Row());
    if (first >= 0)
        SetCol(first);
    tabHandOver(result);
    return result;
}

// At the end of the grid Tab goes on to the next control of the form.
void VOroDavoduRuzu::tabHandOver(bool& Result)
{
    if (!Parent() || !FNavigation.TabToNextAtEnd)
        return;
    PostMessage(Parent(), WM_KEYDOWN, VK_TAB, 0);
    Result = false;
}
