// Keyboard handling of the string grid: the key-down and character messages in front of the base grid,
// the key-press, key-down and key-up methods, inserting, deleting and appending rows by key, select all,
// the clipboard keys and the incremental row search.
#include <QLocale>

#include "grid/VoGrid/VoGrid.h"
#include "grid/VoGrid/VoGridSearchPanel.h"
#include "grid/base/VoUtil/VoUtilText.h"
#include "grid/base/VsgHTMLE/VsgHTMLEText.h"
#include "platform/Forms.h"

namespace {
bool isHomeEndOrPage(WORD key)
{
    return key == VK_PRIOR || key == VK_NEXT || key == VK_END || key == VK_HOME;
}

bool isArrow(WORD key)
{
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

// The extended-key flag of a character message's key data: set for the numeric keypad's decimal key.
constexpr DWORD KeypadKeyData = 0x400000;
}  // namespace

// --- Helpers ------------------------------------------------------------------------------------

void VOroDavoduRuzu::fireKeyDown(WORD& Key, TShiftState Shift)
{
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
}

// Reports a selection that differs from the one the key found.
void VOroDavoduRuzu::noteSelectionChange()
{
    const TGridRect now = Selection();
    if (now == FMoveSelection)
        return;
    DoSelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
    FMoveSelection = now;
}

bool VOroDavoduRuzu::IsLastNormalRow() const
{
    return Row() + 1 == RowCount() - FixedFooters || (FFloatingFooter.Visible() && Row() + 2 == RowCount());
}

// --- Key-down message --------------------------------------------------------------------------

void VOroDavoduRuzu::KeyDownMessageHandler(TMessage& Message)
{
    WORD key = static_cast<WORD>(Message.WParam);
    const TShiftState shift = KeyDataToShiftState(Message.LParam);
    FMoveSelection = Selection();
    const int realCol = RealCol();
    const bool enterOrF2 = key == VK_RETURN || key == VK_F2;
    const auto consume = [&] {
        fireKeyDown(key, shift);
        Message.WParam = 0;
        Message.Result = 1;
    };

    if (FNavigation.MoveScrollOnly && (isHomeEndOrPage(key) || key == VK_UP || key == VK_DOWN)) {
        moveScrollOnly(key);
        Message.Result = 1;
        return;
    }
    if (enterOrF2 && FMouseActions.EditOnDblClickOnly() && !(Options() & goEditing)) {
        FMouseActions.RangeSelectAndEdit = true;
        if (IsEditable(realCol, Row()))
            SetOptions(Options() | goEditing);
        FMouseActions.RangeSelectAndEdit = false;
    }
    if (enterOrF2 && FMouseActions.RangeSelectAndEdit && !(Options() & goEditing)) {
        if (!IsEditable(realCol, Row())) {
            consume();
            return;
        }
        SetOptions(Options() | goEditing);
        ShowInplaceEdit();
    }
    if (key == 'F' && (shift & ssCtrl) && FSearchFooter->Visible() && FSearchPanel)
        FSearchPanel->Edit().SetFocus();
    if (enterOrF2 && EditsCells() && !IsEditable(realCol, Row())) {
        consume();
        return;
    }
    const QString cellText = GetGridCell(realCol, Row());
    if (enterOrF2 && CellTextKind(cellText, EnableHTML) == 1 &&
        cellText.toUpper().contains(QStringLiteral("<CONTROL"))) {
        Message.Result = 1;
        return;
    }
    if (key == VK_RETURN && !IsEditable(realCol, Row())) {
        TCustomForm* form = GetParentForm(this);
        if (form && form->KeyPreview)
            TBaseGrid::WndProc(Message);
        else
            consume();
        return;
    }
    if ((key == VK_RETURN || key == VK_SPACE) && HasClickableGraphic(realCol, Row()))
        clickableKey(key);
    if ((key == VK_HOME || key == VK_END) && homeEndKey(key, shift)) {
        Message.Result = 0;
        return;
    }
    if ((key == VK_RIGHT || key == VK_LEFT) && IsNode(Row()) && IsMergedCell(realCol, Row())) {
        if (key == VK_RIGHT)
            ExpandNode(RealRow());
        else
            ContractNode(RealRow());
    }
    if ((key == VK_LEFT || key == VK_RIGHT) && (Options() & goRowSelect) && !IsNode(Row()) &&
        VisibleColCount() < ColCount() - FixedCols()) {
        const bool sideways = !FNavigation.LeftRightRowSelect || (shift & ssCtrl);
        if (sideways) {
            if (key == VK_LEFT && LeftCol() > FixedCols())
                SetLeftCol(LeftCol() - 1);
            if (key == VK_RIGHT && LeftCol() + VisibleColCount() < ColCount())
                SetLeftCol(LeftCol() + 1);
        }
        if (!FNavigation.LeftRightRowSelect) {
            fireKeyDown(key, shift);
            Message.Result = 0;
            return;
        }
    }
    if (key == VK_TAB && (Options() & goTabs)) {
        HandleTabKey(shift & ssShift);
        noteSelectionChange();
        return;
    }
    if (FNavigation.SkipFixedCells && isArrow(key) && skipFixedCells(key)) {
        fireKeyDown(key, shift);
        Message.WParam = 0;
        return;
    }
    if (key == VK_DOWN && IsLastNormalRow() && FNavigation.AppendOnArrowDown)
        AppendRowOnDown();

    const int keptLeft = LeftCol();
    const bool keepLeft = (Options() & goRowSelect) && FNavigation.KeepHorizScroll && LeftCol() != FixedCols() &&
                          (key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN);
    const int depth = FUpdateCount;
    if (keepLeft)
        StartUpdate();
    TBaseGrid::WndProc(Message);
    if (keepLeft) {
        SetLeftCol(keptLeft);
        FUpdateCount = depth;
    }
    key = static_cast<WORD>(Message.WParam);
    if (key == 0)
        return;

    if (FNavigation.AllowClipboardShortCuts && clipboardKey(key, shift))
        return;
    if (key == VK_INSERT && !(shift & (ssCtrl | ssShift | ssAlt)) && FNavigation.AllowInsertRow) {
        insertRowKey();
    } else if (key == 'A' && (shift & ssCtrl)) {
        if (Options() & (goRowSelect | goRangeSelect))
            selectAllKey();
        return;
    } else if (key == VK_DELETE && FNavigation.AllowDeleteRow && !(shift & ssAlt)) {
        deleteRowKey();
    } else if (enterOrF2) {
        StoreOldCellText(Col(), Row());
        if (key == VK_F2)
            EditKeyHook();
    }
    noteSelectionChange();
}

// Page, Home, End and the vertical arrows scroll without moving the current cell.
void VOroDavoduRuzu::moveScrollOnly(WORD Key)
{
    const int visible = VisibleRowCount();
    switch (Key) {
    case VK_PRIOR:
        SetTopRow(TopRow() > visible + FixedRows() ? TopRow() - visible : FixedRows());
        break;
    case VK_NEXT:
        if (TopRow() + visible < RowCount())
            SetTopRow(TopRow() + visible);
        break;
    case VK_END:
        SetTopRow(RowCount() - visible);
        break;
    case VK_HOME:
        SetTopRow(FixedRows());
        break;
    case VK_UP:
        if (TopRow() > FixedRows())
            SetTopRow(TopRow() - 1);
        break;
    default:
        if (TopRow() + visible < RowCount())
            SetTopRow(TopRow() + 1);
        break;
    }
}

// Enter or Space on a check box, radio group, radio button or cell button.
bool VOroDavoduRuzu::clickableKey(WORD Key)
{
    const int c = RealCol();
    const int r = Row();
    bool permitted = EditsCells() || FMouseActions.RangeSelectAndEdit;
    QueryCellEditable(c, r, permitted);
    if (Key == VK_SPACE && HasCheckBox(c, r) && (permitted || FControlLook.CheckAlwaysActive)) {
        ToggleCheckBoxCell(c, r, true);
        if (FShowModified.Enabled) {
            Modified = true;
            RepaintCell(0, r);
        }
        bool state = false;
        GetCheckBoxState(c, r, state);
        DoCheckBoxClick(c, r, state);
    } else if (Key == VK_SPACE && IsRadio(c, r) && (permitted || FControlLook.RadioAlwaysActive)) {
        AdvanceRadio(c, r, true);
        int idx = -1;
        GetRadioIdx(c, r, idx);
        if (OnRadioClick)
            OnRadioClick(this, c, r, idx);
    } else if (Key == VK_SPACE && HasRadioButton(c, r) && (permitted || FControlLook.RadioAlwaysActive)) {
        SetRadioButtonColumnIndex(c, r);
        if (OnRadioButtonClick)
            OnRadioButtonClick(this, c, r);
    } else if (HasButton(c, r) && permitted) {
        DoButtonClick(c, r);
    }
    RepaintCell(Col(), r);
    return true;
}

// Home and End by Navigation.HomeEndKey; true when the key was carried out here.
bool VOroDavoduRuzu::homeEndKey(WORD Key, TShiftState Shift)
{
    const bool ctrl = Shift & ssCtrl;
    const bool home = Key == VK_HOME;
    WORD key = Key;
    const THomeEndAction action = FNavigation.HomeEndKey;
    const int lastNormalRow =
        FFloatingFooter.Visible() && RowCount() > 2 ? RowCount() - 2 : RowCount() - FixedFooters - 1;
    if (action == heFirstLastCell && !ctrl) {
        FocusCell(home ? FixedCols() : ColCount() - 1, home ? FixedRows() : RowCount() - 1, true);
        MoveToBaseCell();
        fireKeyDown(key, Shift);
        return true;
    }
    if (action == heFirstLastRow && !ctrl) {
        if (FixedRowAlways && RowCount() == 1)
            return false;
        const int target = home ? FixedRows() : lastNormalRow;
        const int startRow = Row();
        const int keptLeft = LeftCol();
        if (!home && FixedFooters > 0 && !FFloatingFooter.Visible())
            SetTopRow(RowCount() - VisibleRowCount());
        SetRow(target);
        MoveToBaseCell();
        if (Shift & ssShift)
            SetSelection({0, std::min(startRow, target), ColCount() - 1, std::max(startRow, target)});
        if (!home && FFloatingFooter.Visible())
            SetTopRow(RowCount() - VisibleRowCount());
        fireKeyDown(key, Shift);
        if ((Options() & goRowSelect) && FNavigation.KeepHorizScroll) {
            const int depth = FUpdateCount;
            StartUpdate();
            SetLeftCol(keptLeft);
            FUpdateCount = depth;
        }
        return true;
    }
    if (action != heFirstLastColumn)
        return false;
    if (home && ctrl) {
        SetRow(FixedRows());
        const int first = FirstTabColInRow(FixedRows());
        if (first >= 0)
            SetCol(first);
        MoveToBaseCell();
        SetLeftCol(FirstNavigableCol());
        fireKeyDown(key, Shift);
        return true;
    }
    if (ctrl || (Options() & goRowSelect))
        return false;
    if (FixedRowAlways && RowCount() == 1)
        return false;
    if (Shift & ssShift) {
        const int to = home ? FixedCols() : ColCount() - FixedRightCols - 1;
        SetSelection({Col(), Row(), to, Row()});
        RepaintRow(Row());
    } else if (home) {
        const int first = FirstTabColInRow(Row());
        if (first >= 0)
            SetCol(first);
        MoveToBaseCell();
        SetLeftCol(FirstNavigableCol());
    } else {
        SetCol(ColCount() - 1);
        MoveToBaseCell();
        SetLeftCol(ColCount() - VisibleColCount());
    }
    fireKeyDown(key, Shift);
    return true;
}

// Arrow keys jump over cells that report themselves fixed inside the normal area.
bool VOroDavoduRuzu::skipFixedCells(WORD Key)
{
    const bool rtl = BiDiMode != bdLeftToRight;
    if (rtl && (Key == VK_LEFT || Key == VK_RIGHT))
        Key = Key == VK_LEFT ? VK_RIGHT : VK_LEFT;
    if (Key == VK_LEFT || Key == VK_RIGHT) {
        const int step = Key == VK_LEFT ? -1 : 1;
        const int last = ColCount() - FixedRightCols - 1;
        const int next = Col() + step;
        if ((step < 0 && Col() <= FixedCols()) || (step > 0 && Col() >= last) || !IsFixed(next, Row()))
            return false;
        for (int c = next; c >= FixedCols() && c <= last; c += step)
            if (!IsFixed(c, Row())) {
                SetCol(c);
                break;
            }
        return true;
    }
    const int step = Key == VK_UP ? -1 : 1;
    const int last = RowCount() - FixedFooters - 1;
    const int next = Row() + step;
    if ((step < 0 && Row() <= FixedRows()) || (step > 0 && Row() >= last) || !IsFixed(Col(), next))
        return false;
    if (Options() & goRowSelect) {
        SetRow(next);
        return true;
    }
    for (int r = next; r >= FixedRows() && r <= last; r += step)
        if (!IsFixed(Col(), r)) {
            SetRow(r);
            break;
        }
    return true;
}

// Cut, copy and paste keys; true when the key was one of them.
bool VOroDavoduRuzu::clipboardKey(WORD Key, TShiftState Shift)
{
    const bool ctrl = Shift & ssCtrl;
    const bool shiftKey = Shift & ssShift;
    const auto run = [this](const TClipboardEvent& event, void (VOroDavoduRuzu::*operation)()) {
        bool allow = true;
        if (event)
            event(this, allow);
        if (allow)
            (this->*operation)();
        return true;
    };
    if ((ctrl && Key == 'X') || (shiftKey && Key == VK_DELETE))
        return run(OnClipboardCut, &VOroDavoduRuzu::CutSelectionToClipboard);
    if ((ctrl && Key == 'V') || (shiftKey && Key == VK_INSERT))
        return run(OnClipboardPaste, &VOroDavoduRuzu::PasteSelectionFromClipboard);
    if (ctrl && (Key == 'C' || Key == VK_INSERT))
        return run(OnClipboardCopy, &VOroDavoduRuzu::CopySelectionToClipboard);
    return false;
}

bool VOroDavoduRuzu::QueryCanInsertRow(int ARow)
{
    bool canInsert = true;
    if (OnCanInsertRow)
        OnCanInsertRow(this, ARow, canInsert);
    return canInsert;
}

bool VOroDavoduRuzu::QueryCanAppendRow()
{
    bool canAdd = true;
    if (OnCanAddRow)
        OnCanAddRow(this, canAdd);
    return canAdd;
}

void VOroDavoduRuzu::insertRowKey()
{
    if (!QueryCanInsertRow(Row()))
        return;
    int focusRow = Row();
    int at = Row() < RowCount() ? RealRowIndex(Row()) : AllRowCount();
    if (FNavigation.InsertPosition == pInsertAfter && Row() < RowCount()) {
        at = Row() + 1 < RowCount() ? RealRowIndex(Row() + 1) : AllRowCount();
        ++focusRow;
    }
    if (FixedRowAlways && RowCount() - FixedFooters <= FixedRows()) {
        at = Row();
        focusRow = 1;
    }
    DoAutoInsertRow(at);
    if (OnAutoInsertRow)
        OnAutoInsertRow(this, at);
    FGridModified = true;
    if (focusRow >= 0 && focusRow < RowCount())
        SetRow(focusRow);
}

void VOroDavoduRuzu::deleteRowKey()
{
    if (RowCount() - FixedFooters - FixedRows() < 1)
        return;
    const int real = RealRow();
    bool canDelete = true;
    if (OnCanDeleteRow)
        OnCanDeleteRow(this, real, canDelete);
    if (!canDelete)
        return;
    DoAutoDeleteRow(Row());
    if (FFloatingFooter.Visible() && Row() == RowCount() - 1 && Row() > FixedRows())
        SetRow(Row() - 1);
    StoreOldCellText(Col(), Row());
    FGridModified = true;
}

void VOroDavoduRuzu::selectAllKey()
{
    const TGridRect all{FirstNavigableCol(), FixedRows(), ColCount() - FixedRightCols - 1,
                        RowCount() - FixedFooters - 1};
    if (all.Right < all.Left || all.Bottom < all.Top)
        return;
    KeySelectAllHook(all);
    FocusCell(all.Right, all.Bottom, true);
    SetSelection({all.Right, all.Bottom, all.Left, all.Top});  // the last normal cell stays current
}

void VOroDavoduRuzu::AppendRowOnDown()
{
    if (!QueryCanAppendRow())
        return;
    const bool footer = FFloatingFooter.Visible();
    if (footer) {
        TStringList footerTexts;
        for (int c = 0; c < TotalColCount(); ++c)
            footerTexts.Add(GetGridCell(c, RowCount() - 1));
        AddOneRow();
        ClearRows(RowCount() - 2, 1);
        for (int c = 0; c < TotalColCount(); ++c)
            SetGridCell(c, RowCount() - 1, footerTexts[c]);
    } else {
        AddOneRow();
        ClearRows(RowCount() - 1, 1);
    }
    if (footer || FixedFooters > 0)
        SetRow(Row() + 1);
    if (OnAutoAddRow)
        OnAutoAddRow(this, RowCount() - FixedFooters - 1);
}

// --- The grid's key-down and key-up methods ---------------------------------------------------

void VOroDavoduRuzu::KeyDown(WORD& Key, TShiftState Shift)
{
    FLastKeyCell = {Col(), Row()};
    const TGridCoord before = FLastKeyCell;
    const TGridRect selection = Selection();
    if (FNavigation.CursorMoveRows && (Shift & ssCtrl) && (Key == VK_DOWN || Key == VK_UP)) {
        const int top = std::min(selection.Top, selection.Bottom);
        const int bottom = std::max(selection.Top, selection.Bottom);
        const int count = bottom - top + 1;
        fireKeyDown(Key, Shift);
        const int step = Key == VK_DOWN ? 1 : -1;
        if ((Key == VK_DOWN && bottom < RowCount() - 1) || (Key == VK_UP && top > FixedRows())) {
            // One row moves with the current cell; several move with the selection over the normal columns.
            if (count == 1) {
                MoveRow(top, top + step);
                FocusCell(Col(), top + step, true);
            } else {
                MoveRows(top, step > 0 ? top + count + 1 : top - 1, count);
                SetSelection({FixedCols(), top + step, ColCount() - 1, bottom + step});
            }
        }
        return;
    }
    if (Key == VK_RETURN && EditorMode() && FNavigation.AdvanceOnEnter) {
        // Enter from the text editor: the edit ends and the current cell moves on with the editor.
        fireKeyDown(Key, Shift);
        HideInplaceEdit();
        AdvanceAfterEnter(Col(), Row(), true, !(Shift & ssShift), true, false);
        Key = 0;
        return;
    }
    TBaseGrid::KeyDown(Key, Shift);
    cursorAdvance(Key, before);
    // A disabled next row is skipped: the nearest enabled row in the key's direction becomes current.
    if (FUseEnabledRows && FNavigation.SkipDisabledRows && Row() == before.Y && (Key == VK_UP || Key == VK_DOWN)) {
        const int step = Key == VK_DOWN ? 1 : -1;
        for (int r = Row() + step; r >= FixedRows() && r < RowCount(); r += step)
            if (RowEnabled(r)) {
                SetRow(r);
                break;
            }
    }
    syncSelection();
}

// Arrows at the edges wrap to the other side, with caSnake also to the neighbouring row or column.
void VOroDavoduRuzu::cursorAdvance(WORD Key, const TGridCoord& Before)
{
    const TCursorAdvance mode = FNavigation.CursorAdvance;
    if (mode == caDefault)
        return;
    const bool snake = mode == caSnake;
    const int lastCol = ColCount() - FixedRightCols - 1;
    const int lastRow = RowCount() - FixedFooters - 1;
    int c = Before.X;
    int r = Before.Y;
    switch (Key) {
    case VK_LEFT:
        if (Before.X != FixedCols())
            return;
        c = lastCol;
        if (snake && r > FixedRows())
            --r;
        break;
    case VK_RIGHT:
        if (Before.X != ColCount() - 1 && Before.X != lastCol)
            return;
        c = FixedCols();
        if (snake && r < lastRow)
            ++r;
        break;
    case VK_UP:
        if (Before.Y != FixedRows())
            return;
        r = lastRow;
        if (snake && c > FixedCols())
            --c;
        break;
    case VK_DOWN:
        if (Before.Y != RowCount() - 1 && Before.Y != lastRow)
            return;
        r = FixedRows();
        if (snake && c < lastCol)
            ++c;
        break;
    default:
        return;
    }
    FocusCell(c, r, true);
}

void VOroDavoduRuzu::KeyUp(WORD& Key, TShiftState Shift)
{
    if (isHomeEndOrPage(Key) || isArrow(Key) || Key == VK_INSERT || Key == VK_DELETE)
        SearchInc.clear();
    TBaseGrid::KeyUp(Key, Shift);
    if (FNavigation.AlwaysEdit && (isArrow(Key) || (Key == VK_TAB && (Options() & goTabs))) &&
        !HasClickableGraphic(RealCol(), Row()))
        ShowInplaceEdit();
    const TGridRect before = FMoveSelection;
    if (Key == VK_TAB || isArrow(Key))
        noteSelectionChange();
    if (FMouseActions.DisjunctCellSelect() && !(Options() & goEditing))
        disjunctCellKey(Key, Shift, before);
}

// Shift moves the keyed range in the disjunct cell list; Space toggles the current cell as a click does.
void VOroDavoduRuzu::disjunctCellKey(WORD Key, TShiftState Shift, const TGridRect& Before)
{
    if (Key == VK_SPACE) {
        disjunctCellClick(Col(), Row(), Shift & ssCtrl);
        return;
    }
    if (!(Shift & ssShift) || !(isArrow(Key) || isHomeEndOrPage(Key)))
        return;
    for (int c = Before.Left; c <= Before.Right; ++c)
        for (int r = Before.Top; r <= Before.Bottom; ++r)
            SetSelectedCells(c, r, false);
    const TGridRect s = Selection();
    for (int c = s.Left; c <= s.Right; ++c)
        for (int r = s.Top; r <= s.Bottom; ++r)
            if (c != Col() || r != Row())
                SetSelectedCells(c, r, true);
}

// --- Character message and key press -----------------------------------------------------------

void VOroDavoduRuzu::CharMessageHandler(TMessage& Message)
{
    const int realCol = RealCol();
    const QString cellText = GetGridCell(realCol, Row());
    if (CellTextKind(cellText, EnableHTML) == 1 && cellText.toUpper().contains(QStringLiteral("<CONTROL"))) {
        Message.Result = 1;
        return;
    }
    if (FMouseActions.EditOnDblClickOnly() && IsEditable(realCol, Row()))
        SetOptions(Options() | goEditing);
    char16_t ch = static_cast<char16_t>(Message.WParam);
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (FNavigation.AllowClipboardShortCuts && ctrl && (ch == 3 || ch == 22 || ch == 24))
        return;
    if (FMouseActions.RangeSelectAndEdit && !HasClickableGraphic(realCol, Row()) && IsEditable(realCol, Row()) &&
        ch != u'\t' && ch != 27 && !ctrl) {
        FStartEditChar = QChar(ch);
        SetOptions(Options() | goEditing);
        if (Col() < LeftCol() || Col() > LeftCol() + VisibleColCount() || Row() < TopRow() ||
            Row() > TopRow() + VisibleRowCount())
            FocusCell(Col(), Row(), true);
        TBaseGrid::WndProc(Message);
        return;
    }
    if (ch == u'.' && (static_cast<DWORD>(Message.LParam) & KeypadKeyData) && ExcelStyleDecimalSeparator) {
        ch = LocaleDecimalSeparator().unicode();
        Message.WParam = ch;
    }
    if ((Options() & goEditing) && ch != u'\t' && (ch == 8 || (ch >= 32 && ch <= 255)))
        FStartEditChar = QChar(ch);
    TBaseGrid::WndProc(Message);
}

void VOroDavoduRuzu::KeyPress(char16_t& Key)
{
    const int realCol = RealCol();
    if (Key == 27) {
        if ((Options() & goEditing) && EditMode)
            SetCells(realCol, Row(), FCellCache);
        if (OnKeyPress)
            OnKeyPress(this, Key);
        return;
    }
    if (Key == u'\r' && !FNavigation.AdvanceOnEnter && !IsEditable(realCol, Row())) {
        if (OnKeyPress)
            OnKeyPress(this, Key);
        Key = 0;
        return;
    }
    if (Key == u'\r' && (!Focused() || HasClickableGraphic(realCol, Row()))) {
        AdvanceAfterEnter(Col(), Row(), EditMode, true, false, false);
        if (!FNavigation.AdvanceAutoEdit || HasClickableGraphic(realCol, Row())) {
            if (OnKeyPress)
                OnKeyPress(this, Key);
            Key = 0;
            return;
        }
    }
    if (!(Options() & goEditing) && FNavigation.AutoGotoWhenSorted && Key != u'\r') {
        if (!FNavigation.AutoGotoIncremental)
            SearchInc = QString(QChar(Key));
        else if (Key == 8)
            SearchInc.chop(1);
        else
            SearchInc += QChar(Key);
        SearchTics = 0;
        const int found = SearchInc.isEmpty() ? -1 : Search(SearchInc.toUpper());
        if (found < 0)
            SearchInc.clear();
        else
            SetRow(found);
    }
    TBaseGrid::KeyPress(Key);
}
