// The left button press of the string grid: the press is tested against fixed-cell sizing, node glyphs,
// radio groups, drags of selected cells, ratings, cell and expand buttons, links, HTML anchors and form
// controls, header selection and check boxes
// in a fixed order; the first that claims it ends the handler, otherwise the base grid moves the cell.
#include "grid/VoGrid/VoGrid.h"
#include "grid/base/VoUtil/VoUtilText.h"
#include "grid/base/VsgHTMLE/VsgHTMLE.h"
#include "grid/base/VsgHTMLE/VsgHTMLEControls.h"
#include "platform/Desktop.h"

namespace {
// Distance from a side border inside which a press counts as on the border.
constexpr int BorderMargin = 4;
// The radio item gap of the themed control styles.
constexpr int ThemedRadioGap = 16;
// Pixels per half star of a rating.
constexpr int RatingStep = 9;
// Width of the spin buttons shown in a cell.
constexpr int SpinButtonWidth = 18;
// Side of the square handle that resizes the selection.
constexpr int ResizerSize = 6;

// The one shift flag OnMouseDown gets for node and drag presses.
TShiftState singleShiftFlag(TShiftState shift)
{
    if (shift & ssAlt)
        return ssAlt;
    if (shift & ssShift)
        return ssShift;
    if (shift & ssCtrl)
        return ssCtrl;
    return 0;
}
}  // namespace

void VOroDavoduRuzu::LeftButtonDownHandler(TMessage& Message)
{
    const int X = GET_X_LPARAM(Message.LParam);
    const int Y = GET_Y_LPARAM(Message.LParam);
    const TShiftState shift = MouseKeysToShiftState(Message.WParam);
    FDoOnClick = true;
    FMouseDownMove = true;
    const TGridCoord pressed = MouseCoord(X, Y);
    int c = pressed.X;
    int r = pressed.Y;
    const TGridRect selection = Selection();
    const bool inCells = c >= 0 && r >= 0;
    if (onSelectionResizer({X, Y})) {
        startSelectionResize();
        Message.Result = 1;
        return;
    }
    if ((Options() & goEditing) && FMouseActions.RangeSelectAndEdit && inCells && !selection.Contains(c, r))
        SetOptions(Options() & ~goEditing);
    bool allow = true;
    if (OnCanClickCell && inCells)
        OnCanClickCell(this, r, c, allow);
    if (!allow)
        return;
    // A press beside an open special editor validates its value before the editor loses the focus; a refusal
    // keeps the editor and the press does nothing.
    if (!leaveSpecialEditor()) {
        Message.Result = 1;
        return;
    }
    if (FMouseSelectMode == msResize) {
        startSelectionResize();
        return;
    }
    const TShiftState flag = singleShiftFlag(shift);
    if (FMouseActions.DisjunctCellSelect() && flag != ssCtrl && inCells && c >= FixedCols() && r >= FixedRows()) {
        FSelectedCells.Clear();
        Invalidate();
    }
    SearchInc.clear();
    FSelectionClick = false;
    FPushedCellButton = {-1, -1};
    FOldLeftCol = LeftCol();
    FOldTopRow = TopRow();
    FOldKeepLeftCol = LeftCol();

    // Sizing candidates: the cell left of and above the point.
    TGridCoord sizing = r == 0 ? MouseCoord(X - 5, Y) : c == 0 ? MouseCoord(X, Y - 4) : MouseCoord(X - 5, Y - 4);
    Colclicked = sizing.X;
    Rowclicked = sizing.Y;
    if (sizing.X >= 0 && sizing.Y >= 0) {
        Colclickedsize = ColWidths(sizing.X);
        Rowclickedsize = RowHeights(sizing.Y);
    }
    Clickposx = X;
    Clickposy = Y;
    if (!inCells) {
        HideInplaceEdit();
        if (!FixedRowAlways)
            TBaseGrid::WndProc(Message);
        return;
    }
    const bool fixedArea = r < FixedRows() || c < FixedCols();
    const TPoint base = BaseCell(RealColIndex(c), r);
    c = DisplColIndexOf(base.X);
    r = base.Y;
    const int realCol = base.X;
    const TRect R = CellRect(c, r);
    if (FMouseActions.CaretPositioning)
        LButFlg = true;

    if (FSizeFixed || FSizeFixedR) {
        const bool columns = FSizeFixed;
        (columns ? FSizingFixed : FSizingFixedR) = true;
        (columns ? FSizeFixedX : FSizeFixedY) = columns ? X : Y;
        (columns ? FSizingFixedCol : FSizingFixedRow) = fixedBorderAt(columns, columns ? X : Y);
        return;
    }
    if (fixedArea || IsFixed(c, r))
        HideInplaceEdit();
    const bool fixedInside = !fixedArea && IsFixed(c, r);
    pushFixedCell(c, r, fixedArea, fixedInside, X);
    const bool node = IsNode(r) && c == 0 && IsNodeGlyphHit(r, X);
    if (node && pressNode(c, r, {X, Y}))
        return;
    const bool editable = IsEditable(realCol, r);
    noteSpinPress(c, r, realCol, {X, Y});
    if (IsRadio(realCol, r) && (editable || FControlLook.RadioAlwaysActive)) {
        HideInplaceEdit();
        RadioGroupClick(realCol, r, X - R.Left, Y - R.Top);
        if (CanFocus())
            SetFocus();
        return;
    }
    if (c == 0 && r >= FixedRows() && HasNodes() && !FMouseActions.RowSelect && !(Options() & goRowSizing)) {
        if (OnMouseDown)
            OnMouseDown(this, TMouseButton::mbLeft, flag, X, Y);
        if (OnClickCell)
            OnClickCell(this, r, c);
        return;
    }
    if (pressStartsDrag(c, r, realCol, {X, Y}, flag))
        return;
    if (HasRating(realCol, r) && editable) {
        pressRating(c, r, realCol, X - R.Left);
        return;
    }
    if (pressCellButton(c, r, realCol, {X, Y}))
        return;
    if (c >= ColCount() || r >= RowCount()) {
        TBaseGrid::WndProc(Message);
        return;
    }
    Clickposdx = X - (sizing.X >= 0 && sizing.Y >= 0 ? CellRect(sizing.X, sizing.Y).Right : 0);
    Clickposdy = Y - (sizing.X >= 0 && sizing.Y >= 0 ? CellRect(sizing.X, sizing.Y).Bottom : 0);
    if (pressDisjunctLists(c, r, shift, selection, Message))
        return;
    if (pressLink(c, r, realCol, {X, Y}))
        return;
    pressHeaderSelection(c, r, shift);
    MoveOfsX = X - R.Left;
    MoveOfsY = Y - R.Top;
    FMoveColInd = -1;
    FMoveRowInd = -1;
    if (pressCheckBox(c, r, realCol, {X, Y}))
        return;
    if (fixedInside) {
        if (OnClickCell)
            OnClickCell(this, r, c);
        return;
    }
    if (fixedArea) {
        TBaseGrid::WndProc(Message);
        const bool onBorder =
            r < FixedRows() && (Options() & goColSizing) && (X - R.Left < BorderMargin || R.Right - X < BorderMargin);
        if (OnClickCell && !onBorder)
            OnClickCell(this, r, c);
        return;
    }

    // A normal press: the base grid moves the current cell or starts a range selection.
    const bool sameCell = selection.Left == c && selection.Right == c && selection.Top == r && selection.Bottom == r;
    pressNormalCell(c, r, Message);
    if (OnClickCell)
        OnClickCell(this, r, c);
    if (OnCellValidate) {
        FEntered = false;
        StoreOldCellText(Col(), Row());
    }
    const bool inside = X - R.Left > 3 && R.Right - X > 3;
    const bool spinPress = FSpinUpClick || FSpinDnClick;
    // A permanently shown combo opens on the press, with EditOnDblClickOnly too.
    const bool shownCombo = FControlLook.DropDownAlwaysVisible() && QueryHasComboBox(realCol, r);
    const bool comboOnDblClickGrid = shownCombo && FMouseActions.EditOnDblClickOnly();
    if (comboOnDblClickGrid && !(Options() & goEditing)) {
        SetOptions(Options() | goEditing);
        if (CanFocus() && !Focused())
            SetFocus();
    }
    const bool directEdit =
        FMouseActions.DirectEdit || shownCombo || spinPress || (sameCell && IsMergedCell(realCol, r));
    if (directEdit && inside && (editable || comboOnDblClickGrid) && !HasClickableGraphic(realCol, r) && Col() == c &&
        Row() == r) {
        // The press edits the cell; it does not start a range selection.
        FGridState = gsNormal;
        ShowInplaceEdit();
    }
    FSpinUpClick = false;
    FSpinDnClick = false;
}

// With FixedAsButtons a press on a fixed cell (but not on a node's glyph) pushes it like a button until the
// release.
void VOroDavoduRuzu::pushFixedCell(int C, int R, bool FixedArea, bool FixedInside, int X)
{
    const TGridOptions lines = goFixedVertLine | goFixedHorzLine;
    if (!FixedAsButtons || (Options() & lines) != lines || !Ctl3D() || !(FixedArea || FixedInside) ||
        (IsNode(R) && C == 0 && IsNodeGlyphHit(R, X)))
        return;
    FPushedFixedCell = CellRect(C, R);
    FPushedCellButton = {C, R};
    FFixedCellPushed = true;
    InvalidateRect(FPushedFixedCell);
}

// The base grid's press on a normal cell. In row-select mode with KeepHorizScroll the view keeps its left
// column; with NoAutoRangeScroll a press on a partly shown edge cell starts no range selection; with
// NoScrollOnPartialRow the view does not scroll to a partly shown row and the press ends at once.
void VOroDavoduRuzu::pressNormalCell(int C, int R, TMessage& Message)
{
    const bool keepLeft = (Options() & goRowSelect) && FNavigation.KeepHorizScroll;
    const int keptLeft = LeftCol();
    const int keptTop = TopRow();
    const int depth = FUpdateCount;
    if (keepLeft)
        StartUpdate();
    const bool partialEdge = R == TopRow() + VisibleRowCount() || C == LeftCol() + VisibleColCount() ||
                             (C == LeftCol() && LeftCol() > FixedCols());
    const bool alwaysEdit = FNavigation.AlwaysEdit;
    FNavigation.AlwaysEdit = false;
    FEditStart = true;
    TBaseGrid::WndProc(Message);
    FEditStart = false;
    FNavigation.AlwaysEdit = alwaysEdit;
    if (FGridState == gsSelecting && partialEdge && FMouseActions.NoAutoRangeScroll)
        FGridState = gsNormal;
    if (TopRow() != keptTop && FMouseActions.NoScrollOnPartialRow) {
        SetTopRow(keptTop);
        Perform(WM_LBUTTONUP, Message.WParam, Message.LParam);
    }
    if (keepLeft) {
        SetLeftCol(keptLeft);
        FUpdateCount = depth;
        Invalidate();
    }
}

// Disjunct row and column lists: Shift spans the selection from the old one, Ctrl (or the no-Ctrl mode) on a
// listed row or column takes it off at the release, a plain press starts the lists over. True when the press
// ended here.
bool VOroDavoduRuzu::pressDisjunctLists(int C, int R, TShiftState Shift, const TGridRect& Old, TMessage& Message)
{
    if (FMouseActions.DisjunctRowSelect() && R >= FixedRows() && !(C == 0 && FMouseActions.HotmailRowSelect())) {
        if (Shift & ssShift) {
            TBaseGrid::WndProc(Message);
            SetSelection({std::min(C, Old.Left), std::min(R, Old.Top), std::max(C, Old.Left), std::max(R, Old.Top)});
            return true;
        }
        if ((Shift & ssCtrl) || FMouseActions.DisjunctRowSelectNoCtrl) {
            if (RowSelect(FMouseActions.RowSelectPersistent ? RealRowIndex(R) : R))
                FDeselectState = true;
        } else if (!(Shift & ssAlt)) {
            ClearRowSelect();
        }
    }
    if (FMouseActions.DisjunctColSelect() && C >= FixedCols()) {
        if (Shift & ssCtrl) {
            if (ColSelect(C))
                FDeselectState = true;
        } else {
            ClearColSelect();
        }
    }
    return false;
}

// The handle at the bottom-right corner of the selection's last cell (bottom-left right to left).
bool VOroDavoduRuzu::onSelectionResizer(TPoint At)
{
    if (!SelectionResizer || !SelectionRectangle)
        return false;
    const TGridRect s = Selection();
    const TRect R = CellRect(s.Right, s.Bottom);
    if (R.Width() == 0 || R.Height() == 0)
        return false;
    const int x = BiDiMode != bdLeftToRight ? R.Left : R.Right - ResizerSize;
    return At.X >= x && At.X < x + ResizerSize && At.Y >= R.Bottom - ResizerSize && At.Y < R.Bottom;
}

// The selection is copied; dragging the handle spans a new selection from the same top-left cell, and the
// release fills it from the copy.
void VOroDavoduRuzu::startSelectionResize()
{
    FDropSelection = Selection();
    CopySelectionToClipboard();
    FMouseResize = true;
    if (CanFocus() && !Focused())
        SetFocus();
}

// The right border of a fixed column (or bottom of a fixed row) within 2 pixels of Pos, -1 when none.
int VOroDavoduRuzu::fixedBorderAt(bool Columns, int Pos) const
{
    int found = -1;
    int border = 0;
    const int count = Columns ? FixedCols() : FixedRows();
    for (int i = 0; i < count; ++i) {
        border += (Columns ? ColWidths(i) : RowHeights(i)) + (i > 0 ? 1 : 0);
        if (std::abs(Pos - border) <= 2)
            found = i;
    }
    return found;
}

// A node glyph: expands or contracts the node (all nodes from a fixed row).
bool VOroDavoduRuzu::pressNode(int C, int R, TPoint At)
{
    if (R < FixedRows()) {
        if (!FMouseActions.NodeAllExpandContract)
            return false;
        if (GetNodeState(R))
            ContractAll();
        else
            ExpandAll();
        return false;
    }
    if (OnMouseDown)
        OnMouseDown(this, TMouseButton::mbLeft, singleShiftFlag(KeyboardStateToShiftState()), At.X, At.Y);
    if (OnClickCell)
        OnClickCell(this, R, C);
    const int real = RealRowIndex(R);
    bool allow = true;
    const bool contracted = GetNodeState(R);
    if (contracted) {
        if (OnBeforeExpandNode)
            OnBeforeExpandNode(this, R, real, allow);
        if (allow) {
            ExpandNode(real);
            if (OnExpandNode)
                OnExpandNode(this, R, real);
        }
    } else {
        if (OnBeforeContractNode)
            OnBeforeContractNode(this, R, real, allow);
        if (allow) {
            ContractNode(real);
            if (OnContractNode)
                OnContractNode(this, R, real);
        }
    }
    if (FMouseActions.MoveRowOnNodeClick)
        SetRow(R);
    return true;
}

// A cell button or expand button is pushed; the release fires it.
bool VOroDavoduRuzu::pressCellButton(int C, int R, int RealC, TPoint At)
{
    const bool button = HasButton(RealC, R);
    const bool expand = HasExpand(RealC, R);
    if (!button && !expand)
        return false;
    HideInplaceEdit();
    if (!IsFixed(C, R)) {
        FForceSel = true;
        FocusCell(C, R, true);
        FForceSel = false;
    }
    const TRect hit = button ? GetCellButtonRect(C, R) : GetExpandButtonRect(C, R);
    if (!hit.Contains(At))
        return false;
    if (button)
        PushButton(RealC, R, true);
    FPushedCellButton = {C, R};
    SetMouseCapture(true);
    if (OnClickCell)
        OnClickCell(this, R, C);
    return true;
}

// A URL text or an HTML anchor or form control under the point.
bool VOroDavoduRuzu::pressLink(int C, int R, int RealC, TPoint At)
{
    const QString text = Cells(RealC, R);
    const bool html = CellTextKind(text, EnableHTML) == ctkHtml;
    if (!URLShow && !html)
        return false;
    if (!html) {
        if (!IsUrlText(text))
            return false;
        followAnchor(C, R, text);
        return true;
    }
    THtmlRenderResult hit;
    if (htmlHitTest(C, R, RealC, At, hit) && !hit.AnchorValue.isEmpty()) {
        if (hit.ControlID.isEmpty())
            followAnchor(C, R, hit.AnchorValue);
        else if (IsEditable(RealC, R))
            pressFormControl(RealC, R, hit);
        return true;
    }
    if (!text.toUpper().contains(QStringLiteral("<CONTROL")))
        return false;
    if (OnClickCell)
        OnClickCell(this, R, C);
    HideInplaceEdit();
    FocusCell(C, R, true);
    return true;
}

// OnAnchorClick may take the anchor; otherwise the shell opens it or a "cell://" reference moves the cursor.
void VOroDavoduRuzu::followAnchor(int C, int R, const QString& Anchor)
{
    bool autoHandle = true;
    if (OnAnchorClick)
        OnAnchorClick(this, R, C, Anchor, autoHandle);
    if (!autoHandle)
        return;
    const qsizetype at = Anchor.toUpper().indexOf(QStringLiteral("CELL://"));
    if (at < 0) {
        ShellOpen(Anchor);
        return;
    }
    TPoint cell;
    if (ParseCellAnchor(Anchor.mid(at + 7), cell) && cell.X >= 0 && cell.X < ColCount() && cell.Y >= 0 &&
        cell.Y < RowCount())
        FocusCell(cell.X, cell.Y, true);
}

// Lays the cell's HTML text out as painted and finds what lies under the point.
bool VOroDavoduRuzu::htmlHitTest(int C, int R, int RealC, TPoint At, THtmlRenderResult& Hit)
{
    TRect rect = CellRect(C, R);
    rect.Left += XYOffset.X + 1;
    rect.Top += XYOffset.Y + 1;
    rect.Right -= XYOffset.X;
    if (HasCheckBox(RealC, R))
        rect.Left += FControlLook.CheckSize();
    TCanvas& canvas = Canvas();
    TGridDrawState state = 0;
    TBrush brush;
    GetFontProperties(C, RealC, R, state, canvas.Font(), brush, false);
    THtmlRenderOptions options;
    options.Images = QueryCellImageList(RealC, R);
    options.WordWrap = !EnhTextSize;
    options.HitTestOnly = true;
    options.X = At.X;
    options.Y = At.Y;
    return RenderHtmlText(canvas, Cells(RealC, R), rect, options, Hit);
}

// A check box or radio button written in the cell text flips; OnControlClick reports every control.
void VOroDavoduRuzu::pressFormControl(int RealC, int R, const THtmlRenderResult& Hit)
{
    bool canEdit = true;
    if (OnCanEditCell)
        OnCanEditCell(this, R, RealC, canEdit);
    if (!canEdit)
        return;
    CellControlEditDone(this);
    QString text = Cells(RealC, R);
    QString value = Hit.ControlValue;
    const QString type = Hit.ControlType.toUpper();
    if (type == QStringLiteral("CHECK") || type == QStringLiteral("RADIO")) {
        if (type == QStringLiteral("RADIO"))
            text = ClearRadioControls(text);
        value = type == QStringLiteral("CHECK") && value.toUpper() == QStringLiteral("TRUE") ? QStringLiteral("FALSE")
                                                                                             : QStringLiteral("TRUE");
        SetControlValueByID(text, Hit.ControlID, value);
        SetCells(RealC, R, text);
    }
    if (type == QStringLiteral("BUTTON")) {
        FCtrlXY = {RealC, R};
        FCtrlDown = true;
        RepaintCell(DisplColIndexOf(RealC), R);
    }
    if (OnControlClick)
        OnControlClick(this, R, RealC, Hit.ControlID, type, value);
    // An edit box or combo of the cell opens over the control.
    ShowCellControl(text, type, Hit.ControlID, value, RealC, R, Hit.ControlRect);
}

// A rating takes half the number of 9-pixel steps from the cell's left edge, unless its event refuses.
void VOroDavoduRuzu::pressRating(int C, int R, int RealC, int OffsetX)
{
    HideInplaceEdit();
    int rate = OffsetX / RatingStep / 2;
    if (!DoRatingChange(RealC, R, rate))
        return;
    SetFloats(RealC, R, rate);
    RepaintCell(C, R);
}

// Which permanently shown spin button the press hit; the spin editor steps once when it opens.
void VOroDavoduRuzu::noteSpinPress(int C, int R, int RealC, TPoint At)
{
    FSpinUpClick = false;
    FSpinDnClick = false;
    if ((ComponentState() & csDesigning) || !FControlLook.SpinButtonsAlwaysVisible() || !QueryHasSpinEdit(RealC, R))
        return;
    const TRect rect = CellRect(C, R);
    if (rect.Right - At.X >= SpinButtonWidth)
        return;
    (At.Y > (rect.Top + rect.Bottom) / 2 ? FSpinDnClick : FSpinUpClick) = true;
}

// Presses on the row and column headers select whole rows or columns, or everything from the corner.
void VOroDavoduRuzu::pressHeaderSelection(int C, int R, TShiftState Shift)
{
    Movecell = -1;
    const TGridRect old = Selection();
    if (C < FixedCols() && R < FixedRows() && FMouseActions.AllSelect && (Options() & goRangeSelect) &&
        FMouseSelectMode == msAll) {
        if (CanFocus())
            SetFocus();
        const TGridRect all{FixedCols(), FixedRows(), ColCount() - 1, RowCount() - 1};
        MouseSelectAllHook(all);
        SetSelection(all);
    } else if (C < FixedCols() && R >= FixedRows() && FMouseActions.RowSelect && FMouseSelectMode == msRow) {
        const int from = (Shift & ssShift) ? old.Top : R;
        SetSelection({FixedCols(), std::min(from, R), ColCount() - 1, std::max(from, R)});
        FMouseSelectStart = R;
    } else if (R < FixedRows() && C >= FixedCols() && FMouseActions.ColSelect && (Options() & goRangeSelect) &&
               FMouseSelectMode == msColumn) {
        int left = C;
        int right = C;
        if (Shift & ssShift) {
            left = C < old.Right ? C : old.Left;
            right = C < old.Right ? old.Right : C;
        }
        SetSelection({left, FixedRows(), right, RowCount() - 1});
        FMouseSelectStart = C;
    }
    if (R < FixedRows() && C >= FixedCols())
        Movecell = C;
    else if (C < FixedCols() && R >= FixedRows())
        Movecell = R;
}

// A check box or radio button under the point toggles.
bool VOroDavoduRuzu::pressCheckBox(int C, int R, int RealC, TPoint At)
{
    bool permitted = EditsCells() || FMouseActions.RangeSelectAndEdit;
    QueryCellEditable(RealC, R, permitted);
    const bool active = permitted || FControlLook.CheckAlwaysActive || (C == 0 && FMouseActions.HotmailRowSelect());
    const bool box = HasCheckBox(RealC, R) || HasRadioButton(RealC, R);
    if (!active || !box || C >= ColCount() || R >= RowCount() || !IsInCheckBox(RealC, R, At.X, At.Y))
        return false;
    HideInplaceEdit();
    if (CanFocus())
        SetFocus();
    if (HasRadioButton(RealC, R)) {
        ToggleRadioButtonCell(RealC, R, true);
        if (OnRadioButtonClick)
            OnRadioButtonClick(this, RealC, R);
    } else {
        ToggleCheckBoxCell(RealC, R, true);
    }
    if (FShowModified.Enabled) {
        Modified = true;
        RepaintCell(0, R);
    }
    bool state = false;
    GetCheckBoxState(RealC, R, state);
    if (!FNavigation.AlwaysEdit && R >= FixedRows() && C >= FixedCols())
        FocusCell(C, R, true);
    DoCheckBoxClick(C, R, state);
    if (R < FixedRows() && FMouseActions.CheckAllCheck) {
        for (int row = FixedRows(); row < RowCount(); ++row)
            SetCheckBoxState(RealC, row, state);
        Invalidate();
    }
    if (OnMouseDown)
        OnMouseDown(this, TMouseButton::mbLeft, KeyboardStateToShiftState(), At.X, At.Y);
    Click();
    FEntered = false;
    StoreOldCellText(Col(), Row());
    return true;
}

// Chooses the radio group item under the offset inside the cell; a point on a band's boundary or past the
// last item chooses nothing.
void VOroDavoduRuzu::RadioGroupClick(int ACol, int ARow, int X, int Y)
{
    const TPoint base = BaseCell(ACol, ARow);
    const int c = DisplColIndexOf(base.X);
    if (!IsFixed(c, base.Y))
        FocusCell(c, base.Y, true);
    TCellGraphic* g = GetCellGraphic(base.X, base.Y);
    const TStringList* items = GetRadioStrings(base.X, base.Y);
    if (!g || !items)
        return;
    const int gap = FControlLook.ControlStyle() >= csWinXP ? ThemedRadioGap : FControlLook.RadioSize();
    const bool sideBySide = g->CellBoolean;
    Canvas().Font().Assign(GetCellFont(base.X, base.Y));
    const int offset = sideBySide ? X : Y;
    int start = 0;
    int chosen = -1;
    for (int i = 0; i < items->Count() && chosen < 0; ++i) {
        const int size = sideBySide ? Canvas().TextWidth((*items)[i]) + gap
                                    : std::max(gap, Canvas().TextHeight(QStringLiteral("gh")));
        if (offset > start && offset < start + size)
            chosen = i;
        start += size;
    }
    if (chosen < 0)
        return;
    if (g->CellIndex != -1)
        g->CellIndex = chosen;
    else
        SetCells(base.X, base.Y, (*items)[chosen]);
    SetCells(base.X, base.Y, Cells(base.X, base.Y));
    SetRadioIdx(base.X, base.Y, chosen);
    if (OnRadioClick)
        OnRadioClick(this, base.X, base.Y, chosen);
}
