// Check boxes and radio buttons in cells: where each kind keeps its state, reading, setting and toggling
// it, the change event, radio exclusion within a column and the hit test of the box.
#include "grid/VoGrid/VoGrid.h"
#include "grid/base/REdaReviZizod.h"
#include "grid/base/VoUndo.h"

namespace {
bool isDataCheck(TCellType type)
{
    return type == ctDataCheckBox || type == ctVirtCheckBox;
}

TCellVAlign checkVAlign(TVAlignment va)
{
    switch (va) {
    case vtaCenter:
        return vaCenter;
    case vtaBottom:
        return vaBottom;
    default:
        return vaTop;
    }
}
}  // namespace

void VOroDavoduRuzu::checkCellExists(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() + NumHiddenColumns() || ARow >= RowCount() + NumHiddenRows())
        throw REdaReviZizod(QStringLiteral("Invalid cell"));
}

QString VOroDavoduRuzu::checkText(int ACol, int ARow, bool State)
{
    QString text;
    if (State)
        QueryCheckTrueText(ACol, ARow, text);
    else
        QueryCheckFalseText(ACol, ARow, text);
    return text;
}

// The graphic that decides a check box of real row ARow: the one in that row's own cell properties (in the
// hidden-row store when the row is hidden), else the graphic the cell answers where the row is displayed.
TCellGraphic* VOroDavoduRuzu::realRowCheckGraphic(int ACol, int ARow, bool& own)
{
    own = false;
    if (NumHiddenRows() == 0)
        return GetCellGraphic(ACol, ARow);
    TObject* slot = nullptr;
    const int displayed = DisplRowIndex(ARow);
    if (const TGridRowCells* items = GetHiddenRowItems(ARow))
        slot = items->Object(ACol);
    else if (HasCellProperties(ACol, displayed))
        slot = GetGridObject(ACol, displayed);
    if (auto* props = dynamic_cast<TCellProperties*>(slot); props && props->GraphicObject) {
        own = true;
        return static_cast<TCellGraphic*>(props->GraphicObject);
    }
    return displayed < RowCount() ? GetCellGraphic(ACol, displayed) : nullptr;
}

// --- Adding and removing -------------------------------------------------------------------------

void VOroDavoduRuzu::AddCheckBox(int ACol, int ARow, bool State, bool Data)
{
    checkCellExists(ACol, ARow);
    if (Data) {
        const QString text = Cells(ACol, ARow);
        if (text != CheckTrue && text != CheckFalse)
            SetCells(ACol, ARow, State ? CheckTrue : CheckFalse);
    }
    NewCellGraphic(ACol, ARow)->SetCheckBox(State, Data, true, haBeforeText, checkVAlign(VAlignment));
}

void VOroDavoduRuzu::AddCheckBox(int ACol, int ARow, TCheckBoxState State)
{
    checkCellExists(ACol, ARow);
    NewCellGraphic(ACol, ARow)->SetCheckBox(State, true, haBeforeText, checkVAlign(VAlignment));
}

// Summary rows get no box; node rows get a three-state one.
void VOroDavoduRuzu::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox)
{
    const int first = FMouseActions.CheckAllCheck ? 0 : FixedRows();
    for (int r = first; r < RowCount(); ++r) {
        if (IsSummary(r))
            continue;
        if (IsNode(r))
            AddCheckBox(ACol, r, cbUnchecked);
        else
            AddCheckBox(ACol, r, DefaultState, DataCheckBox);
    }
}

void VOroDavoduRuzu::AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State)
{
    const int first = FMouseActions.CheckAllCheck ? 0 : FixedRows();
    for (int r = first; r < RowCount(); ++r)
        AddCheckBox(ACol, r, State);
}

void VOroDavoduRuzu::RemoveCheckBox(int ACol, int ARow)
{
    const TCellType type = GetCellType(ACol, ARow);
    if (type != ctCheckBox && type != ctDataCheckBox && type != ctTriStateCheckBox)
        return;
    if (HasBalloon(ACol, ARow))
        RemoveBalloon(ACol, ARow);
    RemoveCellGraphic(ACol, ARow);
    repaintDisplayCell(ACol, ARow);
}

void VOroDavoduRuzu::RemoveCheckBoxColumn(int ACol)
{
    const int first = FMouseActions.CheckAllCheck ? 0 : FixedRows();
    for (int r = first; r < RowCount(); ++r)
        if (HasCheckBox(ACol, r))
            RemoveCheckBox(ACol, r);
}

bool VOroDavoduRuzu::HasCheckBox(int ACol, int ARow)
{
    const TPoint base = BaseCell(ACol, ARow);
    return HasCellGraphicType(base.X, base.Y,
                              {ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox});
}

bool VOroDavoduRuzu::HasDataCheckBox(int ACol, int ARow)
{
    const TPoint base = BaseCell(ACol, ARow);
    return HasCellGraphicType(base.X, base.Y, {ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox});
}

// --- Reading -------------------------------------------------------------------------------------

// A data check box is checked when the text of its real row is the check-true text.
bool VOroDavoduRuzu::dataChecked(int ACol, int ARow)
{
    const QString text = NumHiddenRows() > 0 ? AllGridCells(ACol, ARow) : Cells(ACol, ARow);
    return text == checkText(ACol, ARow, true);
}

// As the three-state read, but a three-state box answers only with hidden rows, by its real row's text.
bool VOroDavoduRuzu::GetCheckBoxState(int ACol, int ARow, bool& State)
{
    bool own = false;
    const TCellGraphic* g = realRowCheckGraphic(ACol, ARow, own);
    if (g && g->CellType == ctTriStateCheckBox) {
        if (NumHiddenRows() == 0)
            return false;
        State = dataChecked(ACol, ARow);
        return true;
    }
    TCheckBoxState state = cbUnchecked;
    if (!GetCheckBoxState(ACol, ARow, state))
        return false;
    State = state == cbChecked;
    return true;
}

bool VOroDavoduRuzu::GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State)
{
    bool own = false;
    const TCellGraphic* g = realRowCheckGraphic(ACol, ARow, own);
    if (!g)
        return false;
    switch (g->CellType) {
    case ctCheckBox:
        if (NumHiddenRows() > 0 && !own)
            return false;
        State = BoolToCheckBoxState(g->CellBoolean);
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
        State = BoolToCheckBoxState(dataChecked(ACol, ARow));
        return true;
    case ctTriStateCheckBox:
        State = g->CellCheckBoxState;
        return true;
    case ctRowCheckBox:
        if (ACol != 0)
            return false;
        State = BoolToCheckBoxState(own ? g->CellBoolean : RowSelect(ARow));
        return true;
    default:
        return false;
    }
}

bool VOroDavoduRuzu::IsChecked(int ACol, int ARow)
{
    bool state = false;
    return GetCheckBoxState(ACol, ARow, state) && state;
}

// --- Setting -------------------------------------------------------------------------------------

// With hidden rows ARow is a real row: a data check box's text goes to that row, in the hidden-row store
// when it is hidden, never to the row displayed at index ARow.
bool VOroDavoduRuzu::SetCheckBoxState(int ACol, int ARow, bool State)
{
    bool own = false;
    TCellGraphic* g = realRowCheckGraphic(ACol, ARow, own);
    if (!g)
        return false;
    const int displayed = DisplRowIndex(ARow);
    switch (g->CellType) {
    case ctCheckBox:
        if (NumHiddenRows() > 0 && !own)
            return false;
        g->CellBoolean = State;
        if (!IsHiddenRow(ARow))
            repaintDisplayCell(ACol, displayed);
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox:
        SetAllCells(ACol, ARow, checkText(ACol, ARow, State));
        return true;
    default:
        return false;
    }
}

bool VOroDavoduRuzu::SetCheckBoxState(int ACol, int ARow, TCheckBoxState State)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctTriStateCheckBox)
        return false;
    g->CellCheckBoxState = State;
    repaintDisplayCell(ACol, ARow);
    return true;
}

bool VOroDavoduRuzu::SetCheckBoxStateNotify(int ACol, int ARow, bool State)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return false;
    switch (g->CellType) {
    case ctCheckBox:
        if (g->CellBoolean != State) {
            g->CellBoolean = State;
            DoCheckBoxChange(ACol, ARow, State);
            repaintDisplayCell(ACol, ARow);
        }
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        const bool old = Cells(ACol, ARow) == checkText(ACol, ARow, true);
        SetCells(ACol, ARow, checkText(ACol, ARow, State));
        if (old != State)
            DoCheckBoxChange(ACol, ARow, State);
        return true;
    }
    default:
        return false;
    }
}

void VOroDavoduRuzu::CheckAll(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetCheckBoxStateNotify(ACol, r, true);
    if (NumHiddenColumns() > 0)
        RepaintCol(DisplColIndexOf(ACol));
}

void VOroDavoduRuzu::UnCheckAll(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetCheckBoxStateNotify(ACol, r, false);
    if (NumHiddenColumns() > 0)
        RepaintCol(DisplColIndexOf(ACol));
}

void VOroDavoduRuzu::DoCheckBoxChange(int ACol, int ARow, bool State)
{
    if (OnCheckBoxChange)
        OnCheckBoxChange(this, ACol, ARow, State);
}

// --- Toggling by click and Space -----------------------------------------------------------------

bool VOroDavoduRuzu::userMayChange(int ACol, int ARow, bool UserAction, bool AlwaysActive)
{
    if (!UserAction || AlwaysActive)
        return true;
    bool canEdit = true;
    QueryCanEditCell(ACol, ARow, canEdit);
    return canEdit;
}

bool VOroDavoduRuzu::ToggleCheckBoxCell(int ACol, int ARow, bool UserAction)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return false;
    const TCellType type = g->CellType;
    if (type != ctCheckBox && !isDataCheck(type) && type != ctTriStateCheckBox)
        return false;
    if (!userMayChange(ACol, ARow, UserAction, FControlLook.CheckAlwaysActive))
        return false;
    const QString trueText = checkText(ACol, ARow, true);
    const QString falseText = checkText(ACol, ARow, false);
    const bool groupNode = FGrouping.AutoCheckGroup && IsNode(ARow);
    bool newState = false;
    if (type == ctCheckBox) {
        g->CellBoolean = !g->CellBoolean;
        newState = g->CellBoolean;
    } else if (type == ctTriStateCheckBox && groupNode) {
        g->CellCheckBoxState = g->CellCheckBoxState == cbChecked ? cbUnchecked : cbChecked;
        newState = g->CellCheckBoxState == cbChecked;
    } else if (type == ctTriStateCheckBox) {
        // Unchecked, grayed, checked, unchecked ...
        static constexpr TCheckBoxState next[] = {cbGrayed, cbUnchecked, cbChecked};
        g->CellCheckBoxState = next[g->CellCheckBoxState];
    } else {
        newState = Cells(ACol, ARow) != trueText;
        SetCells(ACol, ARow, newState ? trueText : falseText);
    }
    repaintDisplayCell(ACol, ARow);
    DoCheckBoxChange(ACol, ARow, newState);
    if (groupNode)
        checkGroupChildren(ACol, ARow, newState);
    else if (FGrouping.AutoCheckGroup)
        checkGroupNode(ACol, ARow);
    if (UndoRedo()) {
        const bool now = type == ctCheckBox ? g->CellBoolean : newState;
        UndoRedo()->RegisterChange(ACol, ARow, now ? falseText : trueText, now ? trueText : falseText);
    }
    return true;
}

// A node's box sets the boxes of its rows, shown or folded away.
void VOroDavoduRuzu::checkGroupChildren(int ACol, int ANode, bool State)
{
    const int span = GetNodeSpan(ANode);
    const bool contracted = GetNodeState(ANode);
    const int nodeReal = RealRowIndex(ANode);
    for (int i = 1; i < span; ++i)
        SetCheckBoxState(ACol, contracted ? nodeReal + i : RealRowIndex(ANode + i), State);
}

// A row's box makes its node's box checked or unchecked when all rows agree, grayed otherwise.
void VOroDavoduRuzu::checkGroupNode(int ACol, int ARow)
{
    const int node = GetParentRow(ARow);
    if (node < 0 || node == ARow)
        return;
    const int span = GetNodeSpan(node);
    const int nodeReal = RealRowIndex(node);
    bool first = false;
    GetCheckBoxState(ACol, nodeReal + 1, first);
    bool mixed = false;
    for (int i = 2; i < span && !mixed; ++i) {
        bool state = false;
        GetCheckBoxState(ACol, nodeReal + i, state);
        mixed = state != first;
    }
    SetCheckBoxState(ACol, node, mixed ? cbGrayed : BoolToCheckBoxState(first));
}

bool VOroDavoduRuzu::IsInCheckBox(int ACol, int ARow, int XPos, int YPos)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return false;
    switch (g->CellType) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctRadioButton:
    case ctTriStateCheckBox:
        break;
    default:
        return false;
    }
    if (!FMouseActions.PreciseCheckBoxCheck)
        return true;
    const TRect R = CellRect(DisplColIndexOf(ACol), ARow);
    const int S = FControlLook.CheckSize();
    int top = R.Top + 2;
    if (g->CellVAlign == vaBottom)
        top = R.Bottom - S - 2;
    else if (g->CellVAlign == vaCenter)
        top = R.Top + (R.Height() - S) / 2;
    TAlignment ha = Alignments(ACol, ARow);
    TVAlignment va = VAlignment;
    QueryCellAlignment(ACol, ARow, ha, va);
    int left = R.Left + 2;
    if (ha == taRightJustify) {
        left = R.Right - S - 2;
        const QString text = Cells(ACol, ARow);
        if (!text.isEmpty())
            left -= Canvas().TextWidth(text);
    } else if (ha == taCenter) {
        left = R.Left + (R.Width() - S) / 2;
    }
    return XPos >= left && XPos < left + S && YPos >= top && YPos < top + S;
}

// --- Radio buttons -------------------------------------------------------------------------------

void VOroDavoduRuzu::AddRadioButton(int ACol, int ARow, bool State)
{
    checkCellExists(ACol, ARow);
    NewCellGraphic(ACol, ARow)->SetRadioButton(State, true, haBeforeText, checkVAlign(VAlignment));
}

void VOroDavoduRuzu::RemoveRadioButton(int ACol, int ARow)
{
    if (RemoveCellGraphicOfType(ACol, ARow, ctRadioButton))
        repaintDisplayCell(ACol, ARow);
}

bool VOroDavoduRuzu::HasRadioButton(int ACol, int ARow)
{
    const TPoint base = BaseCell(ACol, ARow);
    return GetCellType(base.X, base.Y) == ctRadioButton;
}

bool VOroDavoduRuzu::IsRadioButtonChecked(int ACol, int ARow)
{
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* g = GetCellGraphic(base.X, base.Y);
    return g && g->CellType == ctRadioButton && g->CellBoolean;
}

bool VOroDavoduRuzu::SetRadioButtonState(int ACol, int ARow, bool State)
{
    const TPoint base = BaseCell(ACol, ARow);
    TCellGraphic* g = GetCellGraphic(base.X, base.Y);
    if (!g || g->CellType != ctRadioButton)
        return false;
    if (g->CellBoolean != State) {
        g->CellBoolean = State;
        repaintDisplayCell(base.X, base.Y);
    }
    return true;
}

void VOroDavoduRuzu::AddRadioButtonColumn(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        AddRadioButton(ACol, r, false);
}

void VOroDavoduRuzu::RemoveRadioButtonColumn(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (HasRadioButton(ACol, r))
            RemoveRadioButton(ACol, r);
}

void VOroDavoduRuzu::SetRadioButtonColumnIndex(int ACol, int Index)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetRadioButtonState(ACol, r, r == Index);
}

int VOroDavoduRuzu::GetRadioButtonColumnIndex(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (IsRadioButtonChecked(ACol, r))
            return r;
    return -1;
}

// A click checks the button and unchecks the others of its column; a checked button stays checked.
bool VOroDavoduRuzu::ToggleRadioButtonCell(int ACol, int ARow, bool UserAction)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctRadioButton)
        return false;
    if (!userMayChange(ACol, ARow, UserAction, FControlLook.CheckAlwaysActive))
        return false;
    if (g->CellBoolean)
        return true;
    g->CellBoolean = true;
    repaintDisplayCell(ACol, ARow);
    for (int r = 0; r < RowCount(); ++r) {
        TCellGraphic* other = r == ARow ? nullptr : GetCellGraphic(ACol, r);
        if (other && other->CellType == ctRadioButton && other->CellBoolean) {
            other->CellBoolean = false;
            repaintDisplayCell(ACol, r);
        }
    }
    return true;
}

// A click on a radio group selects its next item, wrapping after the last.
bool VOroDavoduRuzu::AdvanceRadio(int ACol, int ARow, bool UserAction)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctRadio)
        return false;
    if (!userMayChange(ACol, ARow, UserAction, FControlLook.RadioAlwaysActive))
        return false;
    const TStringList* items = GetRadioStrings(ACol, ARow);
    const int count = items ? items->Count() : 0;
    int next = g->CellIndex >= 0 ? g->CellIndex + 1 : (items ? items->IndexOf(Cells(ACol, ARow)) + 1 : 0);
    if (next >= count)
        next = 0;
    if (g->CellIndex >= -1)
        g->CellIndex = next;
    g->CellVar = next;
    if (next < count)
        SetCells(ACol, ARow, (*items)[next]);
    return false;
}
