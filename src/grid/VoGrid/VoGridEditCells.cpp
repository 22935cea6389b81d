// Editing beside the cell editors: the fixed-cell edit and combo, the editors of form controls written in
// HTML cell text, and the placing of controls put into cells.
#include "grid/VoGrid/VoGrid.h"
#include "grid/base/VsgHTMLE/VsgHTMLE.h"
#include "grid/base/VsgHTMLE/VsgHTMLEControls.h"

namespace {
TEditorType fixedEditorType(TGridFixedCellEditor kind)
{
    switch (kind) {
    case fceComboEdit:
        return edComboEdit;
    case fceComboList:
        return edComboList;
    default:
        return edNormal;
    }
}

bool isEditControlType(const QString& type)
{
    return type == QLatin1String("EDIT") || type == QLatin1String("PASSWORD") || type == QLatin1String("MASK");
}
}  // namespace

// --- Fixed cells ---------------------------------------------------------------------------------

void VOroDavoduRuzu::ShowFixedCellEditor(int ACol, int ARow)
{
    if (EditTrans && EditTrans->Visible() && !EditTrans->StopEdit())
        return;
    if (ComboTrans && ComboTrans->Visible() && !ComboTrans->StopEdit())
        return;
    bool canEdit = true;
    QueryCanEditCell(ACol, ARow, canEdit);
    if (!canEdit)
        return;
    FFixedEdit = {ACol, ARow};
    TEditorType editor = fixedEditorType(ACol == 0 ? FMouseActions.FixedColsEditor : FMouseActions.FixedRowsEditor);
    TStringList values;
    values.Assign(FMouseActions.FixedComboValues());
    DoFixedEdit(ACol, ARow, editor, values);
    const int C = RealColIndex(ACol);
    TRect R = TBaseGrid::CellRect(ACol, ARow);
    R = Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
    if (editor == edComboEdit || editor == edComboList) {
        TGridTransCombo& combo = *FixedCellCombo();
        combo.Items().Assign(values);
        combo.SetStyle(editor == edComboEdit ? csDropDown : csDropDownList);
        combo.SetBounds(R.Left - 1, R.Top - 1, R.Width() + 1, R.Height());
        combo.OnChange = [this](TObject*) { fixedEditChange(*ComboTrans); };
        combo.SetText(Cells(C, ARow));
        combo.Col = C;
        combo.Row = ARow;
        combo.Show();
        combo.SetFocus();
        return;
    }
    TGridTransEdit& edit = *FixedCellEdit();
    edit.SetBounds(R.Left, R.Top, R.Width(), R.Height());
    edit.OnChange = [this](TObject*) { fixedEditChange(*EditTrans); };
    edit.SetText(Cells(C, ARow));
    edit.Col = C;
    edit.Row = ARow;
    edit.Show();
    edit.SetFocus();
}

void VOroDavoduRuzu::fixedEditChange(TWinControl& Editor)
{
    if (OnEditChange)
        OnEditChange(this, FFixedEdit.X, FFixedEdit.Y, Editor.Text());
}

// --- Form controls in cell text ------------------------------------------------------------------

void VOroDavoduRuzu::ShowCellControl(const QString& CellText, const QString& CtrlType, const QString& CtrlID,
                                     const QString& CtrlValue, int ACol, int ARow, const TRect& R)
{
    const bool edit = isEditControlType(CtrlType);
    if (!edit && CtrlType != QLatin1String("COMBO"))
        return;
    CellControlEditDone(this);
    FCtrlXY = {ACol, ARow};
    FCtrlID = CtrlID;
    FCtrlType = CtrlType;
    FCtrlEditing = true;
    const int maxLen = GetControlMaxLenByID(CellText, CtrlID);
    if (edit) {
        TControlEdit& e = *CellControlEdit();
        e.SetWidth(0);
        e.SetPasswordChar(CtrlType == QLatin1String("PASSWORD") ? u'*' : 0);
        e.SetEditMask(CtrlType == QLatin1String("MASK") ? GetControlPropByID(CellText, CtrlID) : QString());
        e.OnExit = [this](TObject* Sender) { CellControlEditDone(Sender); };
        e.SetText(CtrlValue);
        e.SetBounds(R.Left + 1, R.Top + 8, R.Width() - 4, 14);
        e.SetMaxLength(maxLen);
        e.SetParent(this);
        e.Show();
        e.BringToFront();
        e.SetFocus();
        return;
    }
    TControlCombo& combo = *CellControlCombo();
    combo.SetWidth(0);
    combo.SetFlat(false);
    combo.OnSelect = [this](TObject* Sender) { CellControlComboSelect(Sender); };
    combo.SetParent(this);
    combo.Items().Clear();
    bool editable = true;
    int dropCount = 8;
    if (OnControlComboList)
        OnControlComboList(this, ARow, ACol, CtrlID, CtrlType, CtrlValue, combo.Items(), editable, dropCount);
    combo.SetStyle(editable ? csDropDown : csDropDownList);
    combo.SetItemIndex(combo.Items().IndexOf(CtrlValue));
    if (editable)
        combo.SetText(CtrlValue);
    combo.SetDropDownCount(dropCount);
    combo.OnExit = [this](TObject* Sender) { CellControlEditDone(Sender); };
    combo.SetBounds(R.Left - 1, R.Top + 4, R.Width(), combo.Height());
    combo.Show();
    combo.SetDroppedDown(true);
    combo.SetFocus();
}

void VOroDavoduRuzu::CellControlComboSelect(TObject*)
{
    if (!OnControlComboSelect)
        return;
    const TControlCombo& combo = *CellControlCombo();
    const int index = combo.ItemIndex();
    OnControlComboSelect(this, FCtrlXY.Y, FCtrlXY.X, index, FCtrlID,
                         index >= 0 && index < combo.Items().Count() ? combo.Items()[index] : QString());
}

void VOroDavoduRuzu::CellControlEditDone(TObject*)
{
    if (!FCtrlEditing)
        return;
    FCtrlEditing = false;
    const bool edit = isEditControlType(FCtrlType);
    TWinControl& editor = edit ? static_cast<TWinControl&>(*CellControlEdit()) : *CellControlCombo();
    const QString value = editor.Text();
    QString text = Cells(FCtrlXY.X, FCtrlXY.Y);
    if (SetControlValueByID(text, FCtrlID, value))
        SetCells(FCtrlXY.X, FCtrlXY.Y, text);
    if (editor.Focused())
        SetFocus();
    editor.Hide();
    if (OnControlEditDone)
        OnControlEditDone(this, FCtrlXY.Y, FCtrlXY.X, FCtrlID, FCtrlType, value);
    FCtrlType.clear();
}

void VOroDavoduRuzu::CellControlTab()
{
    if (FNavigation.AdvanceAuto())
        AdvanceAfterEnter(Col(), Row(), false, true, false, false);
    else
        FocusNextCellControl(FCtrlXY.X, FCtrlXY.Y, FCtrlID);
}

void VOroDavoduRuzu::FocusNextCellControl(int ACol, int ARow, const QString& CtrlID)
{
    const QString text = Cells(ACol, ARow);
    const QString next = NextEditControlID(text, CtrlID);
    if (next.isEmpty()) {
        SetFocus();
        return;
    }
    TRect r = TBaseGrid::CellRect(DisplColIndexOf(ACol), ARow);
    const int inset = HasCheckBox(ACol, ARow) ? FControlLook.CheckSize() : 0;
    r = Rect(r.Left + XYOffset.X + 1 + inset, r.Top + XYOffset.Y + 1, r.Right, r.Bottom);
    THtmlRenderOptions options;
    options.HitTestOnly = true;
    THtmlRenderResult result;
    result.ControlID = next;
    RenderHtmlText(Canvas(), text, r, options, result);
    ShowCellControl(text, result.ControlType, next, result.ControlValue, ACol, ARow, result.ControlRect);
}

// --- Controls placed in cells --------------------------------------------------------------------

void VOroDavoduRuzu::CellControlsUpdate(bool RebuildList)
{
    if (RebuildList) {
        FControlList.Clear();
        for (int c = 0; c < AllColCount(); ++c)
            for (int r = 0; r < RowCount(); ++r)
                if (HasCellProperties(c, r))
                    if (TControl* control = GetCellProperties(c, r)->Control)
                        FControlList.AddControl(c, RealRowIndex(r), control);
    }
    placeCellScrollBar();
    if (FNumCellControls == 0)
        return;
    const int lastCol = LeftCol() + VisibleColCount();
    const int lastRow = TopRow() + VisibleRowCount();
    for (int i = 0; i < FControlList.Count(); ++i) {
        const TControlItem& item = FControlList.GetControl(i);
        TControl& control = *item.Control;
        if (IsHiddenRow(item.Y) || IsHiddenColumn(item.X)) {
            control.Hide();
            continue;
        }
        const int c = DisplColIndexOf(item.X);
        const int r = DisplRowIndex(item.Y);
        if (c < FixedCols() || r < FixedRows())
            continue;
        if (c < LeftCol() || c > lastCol || r < TopRow() || r > lastRow) {
            control.Hide();
            continue;
        }
        const TRect cr = TBaseGrid::CellRect(c, r);
        control.SetBounds(cr.Left - 1, cr.Top - 1, cr.Width() + 1, cr.Height() + 1);
        control.Show();
        control.Invalidate();
        control.SetWidth(control.Width() + 1);
        control.SetWidth(control.Width() - 1);
    }
}

// The in-cell scroll bar stays in its cell while the grid scrolls, or out of sight with the cell.
void VOroDavoduRuzu::placeCellScrollBar()
{
    if (!FScrollBar || !FScrollBar->Visible() || FScrollCol < 0)
        return;
    const int c = DisplColIndexOf(FScrollCol);
    const bool inView = c >= LeftCol() && c <= LeftCol() + VisibleColCount() && FScrollRow >= TopRow() &&
                        FScrollRow <= TopRow() + VisibleRowCount();
    if (!inView) {
        FScrollBar->SetHeight(0);
        return;
    }
    FScrollBar->SetBoundsRect(cellScrollBarRect(c, FScrollRow));
}
