// The custom editor link: placing the application's editor, the keys that end its edit, and handing its
// value back to the grid.
#include "grid/VoGrid/Editors/EditLink.h"

#include "grid/VoGrid/Editors/FlagScope.h"
#include "grid/VoGrid/VoGrid.h"

void TEditLink::Open(VOroDavoduRuzu* AGrid, int ACol, int ARow, const TRect& R, TColor AColor, TFont& AFont)
{
    FGrid = AGrid;
    FEditCell = TPoint{ACol, ARow};
    TRect place = R;
    if (EditStyle == esPopup) {
        if (AutoPopupWidth)
            PopupWidth = R.Width();
        if (!FPopupForm) {
            FPopupForm = new TForm(this);
            FPopupForm->Name = QStringLiteral("gridform");
            FPopupForm->SetBorderStyle(bsNone);
            FPopupForm->OnDeactivate = [this](TObject* Sender) { FormExit(Sender); };
        }
        const TPoint at = PopupLeft == -1 || PopupTop == -1 ? FGrid->ClientToScreen(TPoint{R.Left, R.Top})
                                                            : TPoint{PopupLeft, PopupTop};
        FPopupForm->SetBounds(at.X, at.Y, PopupWidth, PopupHeight);
        FPopupForm->Show();
        CreateEditor(FPopupForm);
        place = Rect(0, 0, PopupWidth, PopupHeight);
    } else {
        CreateEditor(FGrid);
    }
    SetRect(place);
    SetVisible(true);
    SetCellProps(AColor, AFont);
    SetProperties();
}

void TEditLink::SetRect(TRect R)
{
    if (TWinControl* control = GetEditControl()) {
        const int w = FGrid ? FGrid->GridLineWidth() : 0;
        control->SetBounds(R.Left, R.Top, R.Width() - w, R.Height() - w);
    }
}

void TEditLink::SetVisible(bool Value)
{
    if (TWinControl* control = GetEditControl())
        control->SetVisible(Value);
}

void TEditLink::SetFocus(bool Value)
{
    TWinControl* control = GetEditControl();
    if (Value && control) {
        control->SetVisible(true);
        control->SetEnabled(true);
        FSubClassed = EditStyle == esInplace;
        control->SetFocus();
    } else if (FGrid) {
        FGrid->SetFocus();
    }
}

void TEditLink::RestoreWinProc()
{
    if (EditStyle != esInplace || !FSubClassed)
        return;
    FSubClassed = false;
    if (TWinControl* control = GetEditControl())
        control->SetVisible(false);
}

TWinControl* TEditLink::GetParent()
{
    return EditStyle == esPopup && FPopupForm ? static_cast<TWinControl*>(FPopupForm) : FGrid;
}

QString TEditLink::GetCellValue()
{
    return FGrid->Cells(FGrid->RealCol(), FGrid->Row());
}

void TEditLink::SetCellValue(const QString& Value)
{
    FGrid->SetEditedCellText(FGrid->RealCol(), FGrid->Row(), Value);
}

void TEditLink::HideEditor()
{
    SetCellValue(GetEditorValue());
    FGrid->HideInplaceEdit();
    RestoreWinProc();
}

void TEditLink::EditExit(TObject*)
{
    if (!FGrid || FForcedExit)
        return;
    HideEditor();
    if (EditStyle == esPopup && FPopupForm) {
        DestroyEditor();
        FPopupForm->Hide();
    }
}

void TEditLink::FormExit(TObject* Sender)
{
    if (!FGrid)
        return;
    if (FForcedExit)
        SetCellValue(GetEditorValue());
    else
        EditExit(Sender);
}

void TEditLink::focusGrid()
{
    const TFlagScope forced(FForcedExit);
    FGrid->SetFocus();
    FGrid->CommitSpecialEditor(FGrid->Col(), FGrid->Row());
}

// Tab, Enter, Esc, the paging and arrow keys, and any key with Alt, unless the link keeps them.
bool TEditLink::endsEdit(WORD Key, TShiftState Shift) const
{
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
        return !WantKeyUpDown;
    case VK_LEFT:
    case VK_RIGHT:
        return !WantKeyLeftRight;
    case VK_HOME:
    case VK_END:
        return (Key == VK_END || (Shift & ssAlt)) && !WantKeyHomeEnd;
    case VK_PRIOR:
    case VK_NEXT:
        return !WantKeyPriorNext;
    case VK_RETURN:
        return !WantKeyReturn;
    case VK_ESCAPE:
        return !WantKeyEscape;
    case VK_TAB:
        return !WantTabs;
    default:
        return (Shift & ssAlt) != 0;
    }
}

bool TEditLink::validateValue(WORD& Key)
{
    VOroDavoduRuzu& g = *FGrid;
    if (!g.FEditing)
        return true;
    const bool valid = g.validateEditValue(GetEditorValue());
    SetEditorValue(g.NewCellText());
    if (!valid)
        Key = 0;
    return valid;
}

void TEditLink::EditKeyDown(TObject*, WORD& Key, TShiftState Shift)
{
    if (!FGrid || !endsEdit(Key, Shift))
        return;
    VOroDavoduRuzu& g = *FGrid;
    if (Key != VK_ESCAPE && !validateValue(Key))
        return;
    if (Key == VK_TAB && g.Navigation().TabToNextAtEnd) {
        focusGrid();
        const int col = g.Col(), row = g.Row();
        g.HandleTabKey(GetKeyState(VK_SHIFT) < 0);
        if ((g.Col() != col || g.Row() != row) && !g.HasClickableGraphic(g.RealCol(), g.Row())) {
            PostMessage(&g, WM_KEYDOWN, VK_F2);
            Key = 0;
            return;
        }
    }
    if (Key == VK_TAB)
        Key = 0;
    if (Key == VK_ESCAPE)
        SetEditorValue(g.OriginalCellValue());
    focusGrid();
    if (EditStyle == esPopup)
        EditExit(this);
    g.EditMode = false;
    g.SelectCell(g.Col(), g.Row());
    if (!g.FLastValidation) {
        g.FLastValidation = true;
        g.ShowSpecialEditor(g.Col(), g.Row());
        return;
    }
    if (Key == VK_RETURN) {
        g.AdvanceAfterEnter(g.Col(), g.Row(), true, !(Shift & ssShift), g.Navigation().AdvanceAutoEdit, false);
        Key = 0;
    } else if (Key == VK_ESCAPE) {
        Key = 0;
    } else {
        if (Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN)
            g.KeyDown(Key, Shift);
        if (TWinControl* control = GetEditControl())
            control->SetEnabled(false);
        const TFlagScope forced(FForcedExit);
        g.SetFocus();
    }
}
