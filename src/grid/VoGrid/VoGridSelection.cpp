// Which cell may become current, the rectangular, disjunct row, column and cell selections, the per-row
// modified and enabled flags, navigation and the repaint operations over cell rectangles.
#include "grid/VoGrid/Editors/VoInplaceEdit.h"
#include "grid/VoGrid/VoGrid.h"
#include "grid/base/REdaReviZizod.h"
#include "grid/base/VoUtil/VoUtilText.h"
#include "platform/RichText.h"

namespace {
// Disjunct cells are kept packed: row in the high 16 bits, column in the low 16 bits.
int packCell(int ACol, int ARow)
{
    return static_cast<int>((static_cast<std::uint32_t>(ARow) << 16) | (static_cast<std::uint32_t>(ACol) & 0xFFFF));
}

bool flagAt(const std::vector<int>& list, int i)
{
    return i >= 0 && i < static_cast<int>(list.size()) && list[static_cast<std::size_t>(i)] != 0;
}

void growTo(std::vector<int>& list, int size)
{
    if (static_cast<int>(list.size()) < size)
        list.resize(static_cast<std::size_t>(size), 0);
}

TRect unite(const TRect& a, const TRect& b)
{
    if (a.IsEmpty())
        return b;
    if (b.IsEmpty())
        return a;
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
}

void growTo(TIntList& list, int size)
{
    while (list.Count() < size)
        list.Add(0);
}
}  // namespace

TGridRect VOroDavoduRuzu::normalSelection() const
{
    TGridRect s = Selection();
    if (s.Left > s.Right)
        std::swap(s.Left, s.Right);
    if (s.Top > s.Bottom)
        std::swap(s.Top, s.Bottom);
    return s;
}

// --- Moving the current cell --------------------------------------------------------------------------------

bool VOroDavoduRuzu::SelectCell(int ACol, int ARow)
{
    const TGridRect oldSel = normalSelection();
    const int oldCol = Col();
    const int oldRow = Row();
    const bool indicator = FixedCols() > 0 && RowIndicator.Width() > 0;
    if (FForceSel || !Parent()) {
        if (indicator) {
            RepaintCell(0, oldRow);
            RepaintCell(0, ARow);
        }
        return true;
    }
    if (ACol < 0 || ARow < 0)
        return false;
    // The last row of a fixed footer stays in the footer.
    if (FFloatingFooter.Visible() && FFloatingFooter.FooterStyle() == fsFixedLastRow && ARow == RowCount() - 1) {
        if (ARow >= TopRow() + VisibleRowCount())
            SetTopRow(ARow - VisibleRowCount() + FixedRows());
        return false;
    }
    if (IsMergedNonBaseCell(ACol, ARow) && !(Options() & goRangeSelect)) {
        const TPoint base = BaseCell(ACol, ARow);
        MoveCurrentCell(base.X, base.Y);
        RepaintCell(base.X, base.Y);
        return false;
    }
    if (ACol == 0 && FNumNodes > 0 && !(Options() & goRowSelect))
        return false;
    if (FUseEnabledRows && FNavigation.SkipDisabledRows && !RowEnabled(ARow))
        return false;
    // Leaving an open edit validates it first; a refusal keeps the user on the edited cell.
    if (ACol != oldCol || ARow != oldRow) {
        if (EditorMode() && !InplaceEdit()->ValidateOnLeave())
            return false;
        if (!leaveSpecialEditor())
            return false;
    }
    const QString text = ARow < RowCount() && ACol < ColCount() ? Cells(RealColIndex(ACol), ARow) : QString();

    bool allow = true;
    QueryCellChanging(ACol, ARow, allow);
    bool result;
    if (IsFixed(ACol, ARow) || !allow)
        result = (allow && (Options() & goRowSelect)) || (FixedRowAlways && RowCount() == FixedRows());
    else
        result = TBaseGrid::SelectCell(ACol, ARow);
    if (result && ARow < RowCount() && ACol < ColCount())
        applyEditPermission(ACol, ARow);

    if (indicator) {
        RepaintCell(0, oldRow);
        RepaintCell(0, ARow);
    }
    if (FISelect)
        FISelect->CellSelected(Col(), ARow);
    if (ActiveCellShow) {
        RepaintHeaderCells(oldCol, oldRow, ACol, ARow);
        if (oldSel.Left != oldCol && oldSel.Top != oldRow)
            RepaintHeaderCells(oldSel.Left, oldSel.Top, ACol, ARow);
    }
    if (ActiveRowShow()) {
        RepaintRow(ARow);
        RepaintRow(oldSel.Top);
    }
    if (SelectionRectangle)
        InvalidateCellArea({oldSel.Left, oldSel.Top, oldSel.Right, oldSel.Bottom});
    if (!(ComponentState() & csLoading) && ARow != FOldRowSel && OnRowUpdate) {
        OnRowUpdate(this, FOldRowSel, ARow);
        FOldRowSel = ARow;
    }
    if (OnGetCellBorder)
        RepaintRect({FixedCols(), oldSel.Top, FixedCols() + VisibleColCount(), oldSel.Bottom});
    // The text Esc restores is the one the cell had when it became current.
    if (result && (ACol != oldCol || ARow != oldRow))
        FCellCache = text;
    return result;
}

// Typing, F2 and clicks edit a cell only while goEditing is set: it is switched off on a cell that may not be
// edited (FEditDisable remembers that it belongs on) and on again on one that may. Cells with a clickable
// graphic (check boxes, radios, buttons) keep the option as it is unless it was switched off here.
void VOroDavoduRuzu::applyEditPermission(int ACol, int ARow)
{
    if (EditMode)
        return;
    const int realCol = RealColIndex(ACol);
    const bool editing = Options() & goEditing;
    if (HasClickableGraphic(realCol, ARow)) {
        bool canEdit = true;
        QueryCellEditable(realCol, ARow, canEdit);
        const bool switchedOff = FEditDisable;
        if (!FEditDisable)
            FEditDisable = !canEdit && (editing || FMouseActions.RangeSelectAndEdit);
        if (canEdit && switchedOff && !editing && !(Options() & goRowSelect)) {
            FEditChange = true;
            SetOptions(Options() | goEditing);
        }
        return;
    }
    bool canEdit = editing || FEditDisable;
    QueryCellEditable(realCol, ARow, canEdit);
    if (canEdit && FMouseActions.DirectEdit && QueryEditorIsNone(realCol, ARow))
        canEdit = false;
    if (FMouseActions.EditOnDblClickOnly())
        canEdit = false;
    if (canEdit) {
        FEditDisable = false;
        if (editing)
            return;
        FEditChange = true;
        StoreOldCellText(ACol, ARow);
        TGridOptions options = Options() | goEditing;
        if (FMouseActions.RangeSelectAndEdit)
            options &= ~goRowSelect;
        SetOptions(options);
    } else if (editing) {
        FEditDisable = true;
        FEditChange = true;
        SetOptions(Options() & ~goEditing);
    }
}

void VOroDavoduRuzu::QueryCellChanging(int ACol, int ARow, bool& Allow)
{
    if (ARow != Row() && OnRowChanging)
        OnRowChanging(this, Row(), ARow, Allow);
    if (ACol != Col() && OnColChanging)
        OnColChanging(this, Col(), ACol, Allow);
    if ((ARow != Row() || ACol != Col()) && !FDisableChange && OnCellChanging)
        OnCellChanging(this, Row(), Col(), ARow, ACol, Allow);
}

void VOroDavoduRuzu::DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom)
{
    if (FLook == glVista || FLook == glWin7 || FLook == glOffice2007) {
        const TGridRect s = normalSelection();
        RepaintRect({s.Left, s.Top, s.Right, s.Bottom});
    }
    FSelChange = true;
    if (OnSelectionChanged)
        OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

void VOroDavoduRuzu::GotoCell(int ACol, int ARow)
{
    SetRow(ARow);
    SetCol(ACol);
}

void VOroDavoduRuzu::EditCell(int ACol, int ARow)
{
    SetFocus();
    GotoCell(ACol, ARow);
    ShowInplaceEdit();
}

void VOroDavoduRuzu::FocusCell(int ACol, int ARow)
{
    SetSelection({ACol, ARow, ACol, ARow});
}

void VOroDavoduRuzu::MoveCurrentCell(int ACol, int ARow)
{
    const bool force = FForceSel;
    FForceSel = true;
    FocusCell(ACol, ARow, true);
    FForceSel = force;
}

void VOroDavoduRuzu::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow)
{
    SetRow(ToRow);
    SetCol(ToCol);
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

void VOroDavoduRuzu::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

// --- Disjunct row and column selection -------------------------------------------------------------------------

bool VOroDavoduRuzu::RowSelect(int ARow)
{
    if ((ARow < 0 || ARow >= AllRowCount()) && !FMouseActions.RowSelectPersistent)
        throw REdaReviZizod(QStringLiteral("Invalid row %1 accessed").arg(ARow));
    if (FMouseActions.DisjunctRowSelect()) {
        growTo(FRowSelect, ARow + 1);
        return flagAt(FRowSelect, ARow);
    }
    const TGridRect s = normalSelection();
    return ARow >= s.Top && ARow <= s.Bottom;
}

void VOroDavoduRuzu::SetRowSelect(int ARow, bool Value)
{
    if (ARow < 0 || (ARow >= AllRowCount() && RowCount() > FixedRows()))
        throw REdaReviZizod(QStringLiteral("Invalid row accessed"));
    setRowSelectFlag(ARow, Value);
}

void VOroDavoduRuzu::setRowSelectFlag(int ARow, bool Value)
{
    const int size = static_cast<int>(FRowSelect.size());
    bool allow = true;
    if (OnRowDisjunctSelect && (ARow > size || (ARow < size && flagAt(FRowSelect, ARow) != Value)))
        OnRowDisjunctSelect(this, ARow, Value, allow);
    if (!allow)
        return;
    growTo(FRowSelect, ARow + 1);
    const bool was = flagAt(FRowSelect, ARow);
    if (was != Value)
        RepaintRow(ARow);
    FRowSelect[static_cast<std::size_t>(ARow)] = Value ? 1 : 0;
    if (Value && ARow >= FixedRows() && !FSelectedRows.HasValue(ARow))
        FSelectedRows.Add(ARow);
    else if (!Value)
        FSelectedRows.DeleteValue(ARow);
    if (OnRowDisjunctSelected)
        OnRowDisjunctSelected(this, ARow);
}

bool VOroDavoduRuzu::ColSelect(int ACol)
{
    if (ACol < 0 || ACol >= ColCount())
        throw REdaReviZizod(QStringLiteral("Invalid column accessed"));
    growTo(FColSelect, ACol + 1);
    return flagAt(FColSelect, ACol);
}

void VOroDavoduRuzu::SetColSelect(int ACol, bool Value)
{
    if (ACol < 0 || ACol >= ColCount())
        throw REdaReviZizod(QStringLiteral("Invalid column accessed"));
    growTo(FColSelect, ACol + 1);
    if (flagAt(FColSelect, ACol) != Value)
        RepaintCol(ACol);
    FColSelect[static_cast<std::size_t>(ACol)] = Value ? 1 : 0;
}

void VOroDavoduRuzu::SelectRows(int RowIndex, int RCount)
{
    RCount = std::min(RCount, RowCount() - RowIndex);
    if (!FMouseActions.DisjunctRowSelect()) {
        SetSelection({FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
    } else {
        for (int r = RowIndex; r < RowIndex + RCount; ++r) {
            const int target = FMouseActions.RowSelectPersistent ? RealRowIndex(r) : r;
            if (target < RowCount())
                SetRowSelect(target, true);
        }
    }
    if (FixedCols() > 0 && RowIndicator.Width() > 0)
        RepaintCol(0);
    FSelChange = false;
}

void VOroDavoduRuzu::UnSelectRows(int RowIndex, int RCount)
{
    if (FMouseActions.DisjunctRowSelect()) {
        RCount = std::min(RCount, RowCount() - RowIndex);
        for (int r = RowIndex; r < RowIndex + RCount; ++r) {
            const int target = FMouseActions.RowSelectPersistent ? RealRowIndex(r) : r;
            if (target < RowCount())
                SetRowSelect(target, false);
        }
    }
    FSelChange = false;
}

void VOroDavoduRuzu::SelectCols(int ColIndex, int CCount)
{
    if (!FMouseActions.DisjunctColSelect()) {
        SetSelection({ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
        return;
    }
    for (int c = ColIndex; c < std::min(ColIndex + CCount, ColCount()); ++c)
        SetColSelect(c, true);
}

void VOroDavoduRuzu::UnSelectCols(int ColIndex, int CCount)
{
    if (!FMouseActions.DisjunctColSelect())
        return;
    for (int c = ColIndex; c < std::min(ColIndex + CCount, ColCount()); ++c)
        SetColSelect(c, false);
}

void VOroDavoduRuzu::ClearRowSelect()
{
    for (std::size_t r = 0; r < FRowSelect.size(); ++r)
        if (std::exchange(FRowSelect[r], 0) != 0)
            RepaintRow(static_cast<int>(r));
    FSelectedRows.Clear();
}

void VOroDavoduRuzu::ClearColSelect()
{
    for (std::size_t c = 0; c < FColSelect.size(); ++c)
        if (std::exchange(FColSelect[c], 0) != 0)
            RepaintCol(static_cast<int>(c));
}

void VOroDavoduRuzu::SelectionToRowSelect(bool All)
{
    TGridRect s = normalSelection();
    s.Bottom = std::min(s.Bottom, RowCount() - FixedFooters - 1);
    for (int a = FixedRows(); a < RowCount(); ++a) {
        const bool inside = a >= s.Top && a <= s.Bottom;
        if (inside || All)
            setRowSelectFlag(FMouseActions.RowSelectPersistent ? RealRowIndex(a) : a, inside);
    }
    if (NumHiddenRows() > 0)
        Invalidate();
}

void VOroDavoduRuzu::SelectionToColSelect(bool All)
{
    const TGridRect s = normalSelection();
    for (int c = FixedCols(); c < ColCount(); ++c) {
        const bool inside = c >= s.Left && c <= s.Right;
        if (inside || All)
            SetColSelect(c, inside);
    }
}

int VOroDavoduRuzu::RowSelectCount() const
{
    if (FMouseActions.DisjunctRowSelect()) {
        const auto end = FRowSelect.begin() + std::min<std::ptrdiff_t>(AllRowCount(), std::ssize(FRowSelect));
        return static_cast<int>(std::count_if(FRowSelect.begin(), end, [](int f) { return f != 0; }));
    }
    const TGridRect s = normalSelection();
    return s.Bottom - s.Top + 1;
}

int VOroDavoduRuzu::ColSelectCount() const
{
    if (FMouseActions.DisjunctColSelect())
        return static_cast<int>(std::count_if(FColSelect.begin(), FColSelect.end(), [](int f) { return f != 0; }));
    const TGridRect s = normalSelection();
    return s.Right - s.Left + 1;
}

bool VOroDavoduRuzu::IsSelected(int ACol, int ARow)
{
    if (ARow < FixedRows() || ACol < FixedCols())
        return false;
    if (FMouseActions.DisjunctCellSelect())
        return FSelectedCells.HasValue(packCell(ACol, ARow));
    if (FMouseActions.DisjunctRowSelect())
        return flagAt(FRowSelect, FMouseActions.RowSelectPersistent ? RealRowIndex(ARow) : ARow);
    if (FMouseActions.DisjunctColSelect())
        return flagAt(FColSelect, ACol);
    return normalSelection().Contains(ACol, ARow);
}

// --- Selected cells and rows -----------------------------------------------------------------------------------

bool VOroDavoduRuzu::SelectedCells(int ACol, int ARow) const
{
    if (FMouseActions.DisjunctCellSelect())
        return FSelectedCells.HasValue(packCell(ACol, ARow));
    return normalSelection().Contains(ACol, ARow);
}

void VOroDavoduRuzu::SetSelectedCells(int ACol, int ARow, bool Value)
{
    const int cell = packCell(ACol, ARow);
    const bool present = FSelectedCells.HasValue(cell);
    if (Value == present)
        return;
    if (Value)
        FSelectedCells.Add(cell);
    else
        FSelectedCells.DeleteValue(cell);
    RepaintCell(ACol, ARow);
}

// Without disjunct cells the list stands for the selection rectangle, column by column.
void VOroDavoduRuzu::packSelectedCells()
{
    FSelectedCells.Clear();
    const TGridRect s = normalSelection();
    if (s.Left == s.Right && s.Top == s.Bottom) {
        FSelectedCells.Add(packCell(Col(), Row()));
        return;
    }
    for (int c = s.Left; c <= s.Right; ++c)
        for (int r = s.Top; r <= s.Bottom; ++r)
            FSelectedCells.Add(packCell(c, r));
}

int VOroDavoduRuzu::SelectedCellsCount()
{
    if (!FMouseActions.DisjunctCellSelect())
        packSelectedCells();
    return FSelectedCells.Count();
}

TGridCoord VOroDavoduRuzu::SelectedCell(int i) const
{
    if (i < 0 || i >= FSelectedCells.Count())
        return {-1, -1};
    const auto packed = static_cast<std::uint32_t>(FSelectedCells.GetInteger(i));
    return {static_cast<int>(packed & 0xFFFF), static_cast<int>(packed >> 16)};
}

void VOroDavoduRuzu::ClearSelectedCells()
{
    SetSelection({FixedCols(), FixedRows(), FixedCols(), FixedRows()});
    FSelectedCells.Clear();
    Invalidate();
}

int VOroDavoduRuzu::SelectedRowCount()
{
    if (FMouseActions.DisjunctRowSelect())
        return FSelectedRows.Count();
    const TGridRect sel = Selection();
    const int top = sel.Top;
    const int bottom = std::min(sel.Bottom, RowCount() - FixedFooters - 1);
    const int rows = std::abs(top - bottom) + 1;
    if (IsMergedCell(sel.Left, top)) {
        const int span = CellSpan(sel.Left, top).Y;
        return bottom < top + span ? span + 1 : rows;
    }
    if (IsMergedCell(sel.Left, bottom))
        return std::abs(top - bottom) + CellSpan(sel.Left, bottom).Y + 1;
    return rows;
}

int VOroDavoduRuzu::SelectedColCount()
{
    if (FMouseActions.DisjunctColSelect())
        return static_cast<int>(FColSelect.size());
    const TGridRect sel = Selection();
    const int cols = std::abs(sel.Left - sel.Right) + 1;
    if (IsMergedCell(sel.Left, sel.Top)) {
        const int span = CellSpan(sel.Left, sel.Top).X;
        return sel.Left + span > sel.Right ? span + 1 : cols;
    }
    if (IsMergedCell(sel.Right, sel.Top))
        return std::abs(sel.Left - sel.Right) + CellSpan(sel.Right, sel.Top).X + 1;
    return cols;
}

int VOroDavoduRuzu::SelectedRow(int i) const
{
    if (FMouseActions.DisjunctRowSelect())
        return i >= 0 && i < FSelectedRows.Count() ? FSelectedRows.GetInteger(i) : -1;
    const TGridRect s = normalSelection();
    return i >= 0 && s.Top + i <= s.Bottom ? s.Top + i : -1;
}

QString VOroDavoduRuzu::SelectedText()
{
    TGridRect s = normalSelection();
    if ((Options() & goRowSelect) && FDragDropSettings.OleEntireRows) {
        s.Left = 0;
        s.Right = ColCount() - 1;
    }
    std::vector<int> rows;
    if (FMouseActions.DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (flagAt(FRowSelect, FMouseActions.RowSelectPersistent ? RealRowIndex(r) : r))
                rows.push_back(r);
    } else {
        for (int r = s.Top; r <= s.Bottom; ++r)
            rows.push_back(r);
    }
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(rows.size()));
    for (int r : rows) {
        QStringList cells;
        for (int c = s.Left; c <= s.Right; ++c) {
            QString text = Cells(RealColIndex(c), r);
            if (text.contains(QStringLiteral("{\\")))
                text = RichTextToPlainText(text);
            if (ExcelClipboardFormat && CountTextLines(text, Multilinecells) > 1)
                text = QuoteMultiLine(text);
            cells.append(text);
        }
        lines.append(cells.join(u'\t'));
    }
    return lines.join(QStringLiteral("\r\n"));
}

// --- Row flags -------------------------------------------------------------------------------------------------

bool VOroDavoduRuzu::RowModified(int ARow) const
{
    return ARow >= 0 && ARow < FModifiedRows.Count() && FModifiedRows.GetInteger(ARow) == 1;
}

void VOroDavoduRuzu::SetRowModified(int ARow, bool Value)
{
    if (ARow < 0)
        return;
    growTo(FModifiedRows, ARow + 1);
    FModifiedRows.SetInteger(ARow, Value ? 1 : 0);
    RepaintCell(0, ARow);
}

int VOroDavoduRuzu::ModifiedRowCount() const
{
    int n = 0;
    for (int i = 0; i < FModifiedRows.Count(); ++i)
        n += FModifiedRows.GetInteger(i) == 1 ? 1 : 0;
    return n;
}

void VOroDavoduRuzu::ClearModifiedRows()
{
    FModifiedRows.Clear();
    Invalidate();
}

bool VOroDavoduRuzu::RowEnabled(int ARow) const
{
    return ARow < 0 || ARow >= FEnabledRows.Count() || FEnabledRows.GetInteger(ARow) == 0;
}

void VOroDavoduRuzu::SetRowEnabled(int ARow, bool Value)
{
    if (ARow < 0)
        return;
    if (ARow == Row())
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (r != ARow && RowEnabled(r)) {
                SetRow(r);
                break;
            }
    FUseEnabledRows = true;
    growTo(FEnabledRows, ARow + 1);
    FEnabledRows.SetInteger(ARow, Value ? 0 : 1);
    RepaintRow(ARow);
}

// --- Repaints --------------------------------------------------------------------------------------------------

void VOroDavoduRuzu::RepaintRect(const TRect& r)
{
    if (r.Left < 0 || r.Top < 0 || r.Right < 0 || r.Bottom < 0)
        return;
    const TRect first = CellRect(r.Left, r.Top);
    const TRect last = CellRect(std::min(VisibleColCount() + FixedCols(), r.Right), r.Bottom);
    if (first.IsEmpty() || last.IsEmpty()) {
        Invalidate();
        return;
    }
    InvalidateRect(unite(first, last));
}

void VOroDavoduRuzu::InvalidateCellArea(const TRect& r)
{
    const TRect first = CellRect(r.Left, r.Top);
    const TRect last = CellRect(r.Right, r.Bottom);
    if (!first.IsEmpty() || !last.IsEmpty())
        InvalidateRect(unite(first, last));
}

void VOroDavoduRuzu::RepaintHeaderCells(int OldCol, int OldRow, int NewCol, int NewRow)
{
    if (FixedRows() > 0) {
        RepaintCell(OldCol, FixedRows() - 1);
        RepaintCell(NewCol, FixedRows() - 1);
    }
    if (FixedCols() > 0) {
        RepaintCell(FixedCols() - 1, OldRow);
        RepaintCell(FixedCols() - 1, NewRow);
    }
}

// --- View and range --------------------------------------------------------------------------------------------

void VOroDavoduRuzu::ScrollInView(int ColIndex, int RowIndex)
{
    if (ColIndex >= ColCount() || RowIndex >= RowCount())
        return;
    int left = LeftCol();
    int top = TopRow();
    const int v = VisibleColCount();
    const int w = VisibleRowCount();
    if (ColIndex < left || ColIndex >= left + v) {
        SetCol(ColIndex);
        left = std::max(ColIndex - v / 2, FixedCols());
    }
    if (RowIndex < top || RowIndex >= top + w) {
        SetRow(RowIndex);
        top = std::max(RowIndex - w / 2, FixedRows());
    }
    if (FixedCols() + v < ColCount())
        SetLeftCol(std::min(left, ColCount() - v + 1));
    if (FixedRows() + w < RowCount())
        SetTopRow(std::min(top, RowCount() - w + 1));
}

void VOroDavoduRuzu::HideSelection()
{
    FHiddenSelection = Selection();
    FForceSel = true;
    SetSelection({ColCount(), RowCount(), ColCount(), RowCount()});
    FForceSel = false;
    FSelectionHidden = true;
}

void VOroDavoduRuzu::UnHideSelection()
{
    FSelectionHidden = false;
    if (FHiddenSelection.Top < RowCount() && FHiddenSelection.Left < ColCount()) {
        SetSelection(FHiddenSelection);
        return;
    }
    const int top = FixedRowAlways && FixedRows() >= RowCount() ? 0 : FixedRows();
    const int left = FixedColAlways && FixedCols() >= ColCount() ? 0 : FixedCols();
    SetSelection({left, top, left, top});
}

TGridRect VOroDavoduRuzu::UsedCells()
{
    TGridRect used{ColCount(), RowCount(), -1, -1};
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (!GetGridCell(c, r).isEmpty()) {
                used.Left = std::min(used.Left, c);
                used.Top = std::min(used.Top, r);
                used.Right = std::max(used.Right, c);
                used.Bottom = std::max(used.Bottom, r);
            }
    return used.Right < 0 ? TGridRect{} : used;
}

void VOroDavoduRuzu::ScreenToCell(TPoint pt, int& ACol, int& ARow) const
{
    const TPoint p = ScreenToClient(pt);
    MouseToCell(p.X, p.Y, ACol, ARow);
}

void VOroDavoduRuzu::QueryCanAppendRow(bool& CanAdd)
{
    if (OnCanAddRow)
        OnCanAddRow(this, CanAdd);
}

void VOroDavoduRuzu::QueryCanInsertRow(int ARow, bool& CanInsert)
{
    if (OnCanInsertRow)
        OnCanInsertRow(this, ARow, CanInsert);
}

bool VOroDavoduRuzu::DoRatingChange(int ACol, int ARow, int& NewRate)
{
    bool allow = true;
    if (OnRatingChange)
        OnRatingChange(this, ACol, ARow, NewRate, allow);
    return allow;
}
