// The special editors of the string grid: which control serves an editor type, how it is laid over the
// cell with the cell's value, and how its value is written back when editing ends.
#include "grid/VoGrid/Editors/FlagScope.h"
#include "grid/VoGrid/Editors/GridEditors.h"
#include "grid/VoGrid/VoGrid.h"

bool VOroDavoduRuzu::servedByTextEditor(TEditorType type) const
{
    switch (type) {
    case edComboEdit:
    case edComboList:
    case edCheckBox:
    case edButton:
        return false;
    default:
        return true;
    }
}

void VOroDavoduRuzu::editorLook(int ACol, int ARow, TBrush& ABrush, TFont& AFont, TAlignment& HA)
{
    TGridDrawState state = 0;
    ABrush.SetColor(Color());
    AFont.Assign(Font());
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    HA = DefaultAlignment;
    TVAlignment va = VAlignment;
    bool ww = WordWrap;
    TCellGradientDirection gd = GradientVertical;
    GetVisualProperties(ACol, ARow, state, false, false, true, ABrush, colorTo, mirror, mirrorTo, AFont, HA, va, ww,
                        gd);
    if (ABrush.Color() == clNone)
        ABrush.SetColor(Color());
}

void VOroDavoduRuzu::ShowSpecialEditor(int ACol, int ARow)
{
    FEditing = true;
    FSpecialEditor = true;
    FEditActive = true;
    const TRect R = TBaseGrid::CellRect(ACol, ARow);
    const int C = RealColIndex(ACol);
    TBrush brush;
    TFont font;
    TAlignment ha = taLeftJustify;
    editorLook(ACol, ARow, brush, font, ha);
    FGridState = gsNormal;
    FEditCtrl = nullptr;
    if (EditControl != edCustom)
        FLastValidation = true;
    switch (EditControl) {
    case edComboEdit:
    case edComboList:
        EditCombo->SetColor(brush.Color());
        showCombo(C, ARow, R);
        break;
    case edCheckBox:
        EditCheck->SetBounds(R.Left, R.Top, R.Width() - 1, R.Height() - 1);
        EditCheck->SetText(GetEditText(ACol, ARow));
        EditCheck->SetEnabled(true);
        EditCheck->SetState(cbUnchecked);
        EditCheck->SetVisible(true);
        EditCheck->SetFocus();
        break;
    case edButton:
        GridButton->SetBounds(R.Left - 1, R.Top - 1, R.Width() + 1, R.Height() + 1);
        GridButton->SetText(GetEditText(ACol, ARow));
        GridButton->SetEnabled(true);
        GridButton->SetVisible(true);
        GridButton->SetFocus();
        FEditCtrl = GridButton;
        break;
    default:
        break;
    }
    FStartEditChar = QChar();
}

// Places, shows and focuses an editor control over the cell, replays the typed start character into it
// and makes it the editor in use.
void VOroDavoduRuzu::showEditorControl(TWinControl& control, int C, int ARow, const TRect& R)
{
    control.SetBounds(R.Left, R.Top, R.Width() - 1, R.Height() - 1);
    DoGetEditorProp(C, ARow, EditLink);
    control.SetVisible(true);
    control.SetEnabled(true);
    control.SetFocus();
    if (!FStartEditChar.isNull())
        PostMessage(&control, WM_CHAR, FStartEditChar.unicode());
    FEditCtrl = &control;
}

void VOroDavoduRuzu::showCombo(int C, int ARow, const TRect& R)
{
    TGridCombo& combo = *EditCombo;
    const int ACol = DisplColIndexOf(C);
    bool fellBack = false;
    {
        const TFlagScope quiet(FNoEditChange);
        combo.SetDropDownCount(FControlLook.DropDownCount);
        combo.SetDroppedDown(false);
        const QString text = GetEditText(ACol, ARow);
        if (EditControl == edComboEdit) {
            combo.SetStyle(csDropDown);
            combo.SetText(text);
            if (FComboIdx != -1 && combo.ItemIndex() < 0)
                combo.SetItemIndex(FComboIdx);
        } else {
            combo.SetStyle(csDropDownList);
            int index = combo.Items().IndexOf(GetGridCell(C, ARow));
            if (index < 0 && FComboIdx == -1) {
                index = combo.Items().IndexOf(text);
                if (index < 0) {
                    index = combo.Items().Count() > 0 ? 0 : -1;
                    fellBack = index == 0;
                }
            } else if (index < 0) {
                index = FComboIdx;
            }
            combo.SetItemIndex(index);
        }
    }
    const bool flat = FLook == glQEV || FLook == glXP || FLook == glListView || FLook == glVista ||
                      FLook == glWin7 || FLook == glOffice2007;
    combo.SetFlat(flat);
    combo.SetEtched(flat);
    if (FNavigation.AutoComboDropSize)
        combo.SizeDropDownWidth();
    else if (combo.DropWidth() > 0)
        combo.Perform(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(combo.DropWidth()));
    showEditorControl(combo, C, ARow, R);
    if (fellBack) {
        if (OnEditChange)
            OnEditChange(this, Col(), ARow, combo.Text());
        if (OnComboChange)
            OnComboChange(this, C, ARow, 0, combo.Items()[0]);
        if (OnComboObjectChange)
            OnComboObjectChange(this, C, ARow, 0, combo.Items()[0], combo.Items().Objects(0));
    }
    if (FMouseActions.DirectComboDrop || FControlLook.DropDownAlwaysVisible())
        combo.SetDroppedDown(true);
}

// Hides an editor control; the grid takes the focus first so that the control's exit does not end the
// edit a second time.
void VOroDavoduRuzu::hideEditorControl(TWinControl& control)
{
    if (control.Focused())
        SetFocus();
    control.SetEnabled(false);
    control.SetVisible(false);
}

void VOroDavoduRuzu::CommitSpecialEditor(int ACol, int ARow)
{
    if (ComponentState() & csDestroying)
        return;
    FSpecialEditor = false;
    const TFlagScope blockKill(FBlockKill);
    const int C = RealColIndex(ACol);
    FStartEditChar = QChar();
    switch (EditControl) {
    case edComboEdit:
    case edComboList:
        if (!EditMode)
            break;
        EditMode = false;
        SetEditedCellText(C, ARow, EditCombo->Text());
        hideEditorControl(*EditCombo);
        break;
    case edCheckBox:
        EditMode = false;
        hideEditorControl(*EditCheck);
        break;
    case edButton:
        EditMode = false;
        hideEditorControl(*GridButton);
        break;
    default:
        break;
    }
    if (EditControl != edNormal && FEditActive)
        NotifyEditDone(C, ARow);
    FEditActive = false;
}
