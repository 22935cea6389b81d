// The left button release, the double click and the right button of the string grid: a pushed cell button
// fires, a sized fixed column or row takes its size, a header click sorts, a header double click sizes a
// column to its contents, and the right button can move the selection to the pressed cell.
#include "grid/VoGrid/VoGrid.h"
#include "grid/base/VoUtil/VoUtilText.h"
#include "platform/Clock.h"

namespace {
// Distance from a header border inside which a double click sizes the column.
constexpr int AutoSizeMargin = 3;
// Distance from a header border inside which a release resizes instead of sorting.
constexpr int SortBorderMargin = 4;
// Width of a header's drop-down button at its right edge.
constexpr int DropDownButtonWidth = 16;
}  // namespace

void VOroDavoduRuzu::LeftButtonUpHandler(TMessage& Message)
{
    const int X = GET_X_LPARAM(Message.LParam);
    const int Y = GET_Y_LPARAM(Message.LParam);
    const TGridCoord cell = MouseCoord(X, Y);
    ColMoveFlg = false;
    ColSizeFlg = false;
    FMouseDownMove = false;
    FMouseSelectMode = msNormal;
    FMouseSelectStart = -1;
    releaseControlButton();
    const bool headerMoved = releaseHeaderMove(cell.X, cell.Y);
    for (auto* arrow : {&ArwU, &ArwD, &ArwL, &ArwR})
        if (*arrow)
            (*arrow)->Hide();
    if (FSizingFixed || FSizingFixedR) {
        releaseFixedSizing({X, Y});
        hideSizingHint();
        return;
    }
    if (FMouseResize) {
        releaseSelectionResize();
        return;
    }
    if (FFixedCellPushed) {
        FFixedCellPushed = false;
        InvalidateRect(FPushedFixedCell);
    }
    if (FPushedCellButton.X >= 0)
        releaseCellButton(cell.X, cell.Y, {X, Y});
    hideSizingHint();
    if (cell.X >= 0 && cell.Y >= 0) {
        const int realC = RealColIndex(cell.X);
        if ((HasButton(realC, cell.Y) && GetCellButtonRect(cell.X, cell.Y).Contains({X, Y})) ||
            (HasExpand(realC, cell.Y) && GetExpandButtonRect(cell.X, cell.Y).Contains({X, Y}))) {
            TBaseGrid::WndProc(Message);
            return;
        }
    }
    FDoOnClick = false;
    if (FSelectionClick && releaseSelectionClick(cell.X, cell.Y, MouseKeysToShiftState(Message.WParam)))
        return;
    const bool unselected = releaseDisjunctLists(cell.X, cell.Y);
    releaseGroupSelection(cell.X, cell.Y);
    const bool sized = FGridState == gsColSizing || FGridState == gsRowSizing;
    const bool moved = headerMoved || FGridState == gsColMoving || FGridState == gsRowMoving;
    TBaseGrid::WndProc(Message);
    if (unselected)
        FSelChange = false;
    if (sized || moved || cell.X < 0 || cell.Y < 0)
        return;
    if (cell.X < FixedCols() && !FSortSettings.FixedCols)
        return;
    const int realC = RealColIndex(cell.X);
    if (HasCheckBox(realC, cell.Y) && OnCheckBoxMouseUp) {
        bool state = false;
        GetCheckBoxState(realC, cell.Y, state);
        OnCheckBoxMouseUp(this, realC, cell.Y, state);
    } else if (IsRadio(realC, cell.Y) && OnRadioMouseUp) {
        int idx = -1;
        GetRadioIdx(realC, cell.Y, idx);
        OnRadioMouseUp(this, realC, cell.Y, idx);
    }
    if (FDblClk) {
        FDblClk = false;  // no sort after a double click
        return;
    }
    if (isSortClick(cell.X, cell.Y, {X, Y}))
        sortClick(cell.X, MouseKeysToShiftState(Message.WParam));
}

void VOroDavoduRuzu::releaseControlButton()
{
    if (!FCtrlDown)
        return;
    FCtrlDown = false;
    RepaintCell(DisplColIndexOf(FCtrlXY.X), FCtrlXY.Y);
}

// The selection's rows (columns) join the disjunct lists; a Ctrl press on a listed one takes it off. True when a
// row was taken off.
bool VOroDavoduRuzu::releaseDisjunctLists(int C, int R)
{
    bool unselected = false;
    if (FMouseActions.DisjunctRowSelect() && C >= 0 && R >= 0 && (!IsNode(R) || C > 0)) {
        if (!(C == 0 && FMouseActions.HotmailRowSelect()))
            SelectionToRowSelect(false);
        if (R >= FixedRows() && FDeselectState) {
            setRowSelectFlag(FMouseActions.RowSelectPersistent ? RealRowIndex(R) : R, false);
            unselected = true;
            if (FMouseActions.HotmailRowSelect())
                RepaintCell(0, 0);
        }
    }
    if (FMouseActions.DisjunctColSelect()) {
        SelectionToColSelect(false);
        if (C >= FixedCols() && FDeselectState)
            SetColSelect(C, false);
    }
    FDeselectState = false;
    return unselected;
}

// A release on an expanded group's header row selects the group: its rows join the row list, or the selection
// spans them.
void VOroDavoduRuzu::releaseGroupSelection(int C, int R)
{
    if (!FGrouping.AutoSelectGroup || C <= 0 || R < 0 || !IsNode(R) || GetNodeState(R))
        return;
    const int last = nodeSpanEnd(R) - 1;
    if (FMouseActions.DisjunctRowSelect()) {
        for (int row = R + 1; row <= last; ++row)
            setRowSelectFlag(RealRowIndex(row), true);
        return;
    }
    SetSelection({FixedCols(), R, ColCount() - 1, last});
}

// A release on a header of the sort row that no border, drop-down button or check box claims.
bool VOroDavoduRuzu::isSortClick(int C, int R, TPoint At)
{
    const TRect rect = CellRect(C, R);
    if (R == 0 && (Options() & goColSizing) &&
        (At.X - rect.Left < SortBorderMargin || rect.Right - At.X < SortBorderMargin))
        return false;
    const int realC = RealColIndex(C);
    if (At.X > rect.Right - DropDownButtonWidth) {
        const bool dropDown = FControlLook.FixedDropDownButton && QueryCanShowFixedDropDown(realC);
        if (dropDown || QueryColumnFilterItems(realC))
            return false;
    }
    return R == FSortSettings.Row && MouseCoord(Clickposx, Clickposy).Y == R && FixedRows() > 0 &&
           !IsInCheckBox(realC, R, At.X, At.Y) && FSortSettings.Show && RowCount() > 2;
}

// Sorts by the clicked header: a new column ascends, the sorted one flips or, with UndoSort, unsorts.
void VOroDavoduRuzu::sortClick(int C, TShiftState Shift)
{
    const int realC = RealColIndex(C);
    bool doSort = !IsIgnoredColumn(realC);
    if (OnCanSort)
        OnCanSort(this, realC, doSort);
    if (!doSort) {
        RepaintCell(C, FSortSettings.Row);
        return;
    }
    HideInplaceEdit();
    if (FSortRowXRef.Count() != RowCount())
        InitSortXRef();
    const bool keepLeft = (Options() & goRowSelect) && FNavigation.KeepHorizScroll;
    const int keptLeft = LeftCol();
    const int depth = FUpdateCount;
    if (keepLeft)
        StartUpdate();
    // Merged columns come apart for the sort and merge again over the sorted rows.
    std::vector<int> mergedColumns;
    if (FSortSettings.AutoColumnMerge) {
        for (int c = 0; c < ColCount(); ++c)
            for (int r = FixedRows(); r < RowCount(); ++r)
                if (IsYMergedCell(c, r)) {
                    mergedColumns.push_back(c);
                    break;
                }
        SplitAllCells();
    }
    const std::int64_t started = TickCount();
    if (FSortSettings.IndexShow)
        indexSortClick(realC, Shift);
    else
        columnSortClick(realC);
    SortTime = static_cast<int>(TickCount() - started);
    for (std::size_t i = 0; i < mergedColumns.size(); ++i)
        MergeColumnCells(mergedColumns[i], i == 0);
    if (keepLeft) {
        SetLeftCol(keptLeft);
        FUpdateCount = depth;
        Invalidate();
    }
    if (NumCellControls() > 0)
        CellControlsUpdate(false);
    DoClickSort(FSortSettings.Column);
}

void VOroDavoduRuzu::columnSortClick(int RealC)
{
    TSortSettings& s = FSortSettings;
    if (s.Column == RealC) {
        if (s.Direction != s.InitSortDirection && s.UndoSort) {
            QUnSort();
            s.Column = -1;
            return;
        }
        s.ToggleDirection();
    } else {
        s.Direction = s.InitSortDirection;
        s.Column = RealC;
    }
    if (HasNodes())
        QSortGroup();
    else
        QSort();
}

// Several sort columns: the index key adds a column or flips it; a plain click sorts by this column alone.
void VOroDavoduRuzu::indexSortClick(int RealC, TShiftState Shift)
{
    TSortSettings& s = FSortSettings;
    const bool ascending = s.InitSortDirection != sdDescending;
    const bool indexKey = (Shift & (s.IndexSortKey == ikShift ? ssShift : ssCtrl)) != 0;
    const int found = FSortIndexes.FindIndex(RealC);
    if (indexKey && found < 0) {
        FSortIndexes.AddIndex(RealC, ascending);
    } else if (indexKey || (found == 0 && FSortIndexes.Count() == 1)) {
        FSortIndexes.ToggleIndex(RealC);
    } else {
        FSortIndexes.Clear();
        FSortIndexes.AddIndex(RealC, ascending);
    }
    if (HasNodes())
        QSortGroupIndexed();
    else
        QSortIndexed();
    s.Column = FSortIndexes.Count() > 0 ? FSortIndexes.GetSortColumns(0) : -1;
}

// The new size of a fixed column or row sized by its border.
void VOroDavoduRuzu::releaseFixedSizing(TPoint At)
{
    if (FSizingFixed) {
        FSizeFixed = false;
        FSizingFixed = false;
        const int col = FSizingFixedCol;
        if (col < 0)
            return;
        int before = 0;
        for (int c = 0; c < col; ++c)
            before += ColWidths(c);
        SetColWidths(col, std::max(At.X - before, 0));
        if (OnEndColumnSize)
            OnEndColumnSize(this, col);
        int width = ColWidths(col);
        QueryColumnWidth(col, width);
        if (width != ColWidths(col))
            SetColWidths(col, width);
        Invalidate();
        return;
    }
    FSizeFixedR = false;
    FSizingFixedR = false;
    const int row = FSizingFixedRow;
    if (row < 0)
        return;
    int before = 0;
    for (int r = 0; r < row; ++r)
        before += RowHeights(r);
    SetRowHeights(row, std::max(At.Y - before, 0));
    if (OnEndRowSize)
        OnEndRowSize(this, row);
    Invalidate();
}

// The resized selection is filled from the copy of the selection before the resize.
void VOroDavoduRuzu::releaseSelectionResize()
{
    FMouseResize = false;
    const TGridRect resized = Selection();
    if (OnSelectionResize)
        OnSelectionResize(this, FDropSelection, resized);
    const bool editDisable = FEditDisable;
    FEditDisable = true;
    PasteSelectionFromClipboard();
    FEditDisable = editDisable;
    if (OnSelectionResized)
        OnSelectionResized(this, FDropSelection, resized);
}

// The release over the pushed button (or anywhere for a header cell) fires it.
void VOroDavoduRuzu::releaseCellButton(int C, int R, TPoint At)
{
    const TGridCoord pushed = FPushedCellButton;
    FPushedCellButton = {-1, -1};
    SetMouseCapture(false);
    const int pushedReal = RealColIndex(pushed.X);
    const bool fixedCell = pushed.X < FixedCols() || pushed.Y < FixedRows();
    bool enabled = FControlLook.NoDisabledButtonLook() || fixedCell;
    if (!enabled)
        enabled = C >= 0 && R >= 0 ? CellEditAllowed(RealColIndex(C), R) : (Options() & goEditing) != 0;
    if (HasButton(pushedReal, pushed.Y) && !IsNode(pushed.Y))
        PushButton(pushedReal, pushed.Y, false);
    if (!enabled || C < 0 || R < 0)
        return;
    const TPoint base = BaseCell(RealColIndex(C), R);
    const int baseC = DisplColIndexOf(base.X);
    const bool headerCell = pushed.Y < FixedRows() || (FixedAsButtons && pushed.X < FixedCols());
    if (HasButton(pushedReal, pushed.Y) && (GetCellButtonRect(baseC, base.Y).Contains(At) || headerCell))
        DoButtonClick(pushedReal, pushed.Y);
    if (HasExpand(pushedReal, pushed.Y) && (GetExpandButtonRect(baseC, base.Y).Contains(At) || headerCell))
        DoExpandClick(pushedReal, pushed.Y, ToggleExpand(pushedReal, pushed.Y));
}

void VOroDavoduRuzu::DblClickHandler(TMessage& Message)
{
    const int X = GET_X_LPARAM(Message.LParam);
    const int Y = GET_Y_LPARAM(Message.LParam);
    TGridCoord cell = MouseCoord(X, Y);
    if (FMouseActions.RangeSelectAndEdit && cell.X >= 0 && cell.Y >= 0 &&
        !HasClickableGraphic(RealColIndex(cell.X), cell.Y))
        FForceSel = true;
    if (cell.X < 0) {
        if (FixedRowAlways) {
            TBaseGrid::WndProc(Message);
            return;
        }
        cell = {ColCount() - 1, 0};
    }
    if (cell.Y >= 0 && cell.Y < FixedRows() && (Options() & goColSizing) && FMouseActions.AutoSizeColOnDblClick) {
        const TRect R = CalcCellRect(cell.X, cell.Y);
        int sized = -1;
        if (std::abs(X - R.Left) <= AutoSizeMargin && cell.X - 1 >= FixedCols())
            sized = cell.X - 1;
        else if (std::abs(X - R.Right) <= AutoSizeMargin && cell.X >= FixedCols())
            sized = cell.X;
        if (sized >= 0) {
            FDblClk = true;
            bool allow = true;
            if (OnColumnSize)
                OnColumnSize(this, sized, allow);
            if (allow) {
                AutoSizeColumnOnDblClick(sized);
                if (OnEndColumnSize)
                    OnEndColumnSize(this, sized);
            }
            FForceSel = false;
            TBaseGrid::WndProc(Message);
            return;
        }
    }
    if (cell.Y < 0) {
        FForceSel = false;
        TBaseGrid::WndProc(Message);
        return;
    }
    const int realC = RealColIndex(cell.X);
    if ((HasButton(realC, cell.Y) && GetCellButtonRect(cell.X, cell.Y).Contains({X, Y})) ||
        (HasExpand(realC, cell.Y) && GetExpandButtonRect(cell.X, cell.Y).Contains({X, Y}))) {
        FForceSel = false;
        return;
    }
    TBaseGrid::WndProc(Message);
    if (HasClickableGraphic(realC, cell.Y)) {
        FForceSel = false;
        return;
    }
    if (OnDblClickCell)
        OnDblClickCell(this, cell.Y, cell.X);
    if (FMouseActions.EditOnDblClickOnly()) {
        const bool range = FMouseActions.RangeSelectAndEdit;
        FMouseActions.RangeSelectAndEdit = true;
        const bool editable = IsEditable(realC, cell.Y);
        FMouseActions.RangeSelectAndEdit = range;
        if (editable) {
            SetOptions(Options() | goEditing);
            ShowInplaceEdit();
        }
    } else if (FMouseActions.RangeSelectAndEdit && IsEditable(realC, cell.Y)) {
        SetOptions(Options() | goEditing);
        ShowInplaceEdit();
    }
    FForceSel = false;
    if (fixedCellEditsOn(cell, fceDblClick))
        ShowFixedCellEditor(cell.X, cell.Y);
}

void VOroDavoduRuzu::RightButtonDownHandler(TMessage& Message)
{
    // As the left press: an open special editor is validated before it loses the focus.
    if (!leaveSpecialEditor())
        return;
    TBaseGrid::WndProc(Message);
    const TGridCoord cell = MouseCoord(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
    if (cell.X < 0 || cell.Y < 0)
        return;
    const bool fixed = cell.X < FixedCols() || cell.Y < FixedRows();
    if (FMouseActions.SelectOnRightClick && !fixed) {
        if (!Selection().Contains(cell.X, cell.Y)) {
            const int keptLeft = LeftCol();
            const TPoint base = BaseCell(RealColIndex(cell.X), cell.Y);
            FocusCell(DisplColIndexOf(base.X), base.Y, true);
            if (FNavigation.KeepHorizScroll)
                SetLeftCol(keptLeft);
        }
        if (FMouseActions.DisjunctRowSelect())
            rightClickRowList(cell.Y, MouseKeysToShiftState(Message.WParam));
    }
    if (OnRightClickCell)
        OnRightClickCell(this, cell.Y, cell.X);
    // A URL cell is edited by the right button.
    if (URLShow && URLEdit && IsUrlText(Cells(RealColIndex(cell.X), cell.Y))) {
        FocusCell(cell.X, cell.Y, true);
        ShowEditor();
    }
}

// Ctrl (or the no-Ctrl mode) flips the row in the row list. Otherwise the row becomes the only listed one,
// except that a popup menu keeps a list of several rows when the row is one of them.
void VOroDavoduRuzu::rightClickRowList(int R, TShiftState Shift)
{
    const int row = FMouseActions.RowSelectPersistent ? RealRowIndex(R) : R;
    if ((Shift & ssCtrl) || FMouseActions.DisjunctRowSelectNoCtrl) {
        setRowSelectFlag(row, !RowSelect(row));
        return;
    }
    if (PopupMenu && RowSelectCount() > 1 && RowSelect(row))
        return;
    ClearRowSelect();
    setRowSelectFlag(row, true);
}
