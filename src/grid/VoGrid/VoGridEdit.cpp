// The in-place editing life cycle of the string grid: which editor a cell gets, opening and closing it,
// the text handed to and taken from the editors, validation with its refusal path, and the end-of-edit
// notification through the posted "GridEditDone".
#include "grid/VoGrid/Editors/FlagScope.h"
#include "grid/VoGrid/Editors/GridEditors.h"
#include "grid/VoGrid/Editors/VoInplaceEdit.h"
#include "grid/VoGrid/VoGrid.h"
#include "grid/base/VoUndo.h"
#include "grid/base/VoUtil/VoUtilText.h"
#include "grid/base/VsgHTMLE/VsgHTMLEText.h"
#include "grid/base/vsgcheck.h"
#include "platform/Clipbrd.h"

namespace {
// Sets a flag for the life of the guard and clears it afterwards, also when an exception leaves.
class ValidationScope {
public:
    explicit ValidationScope(const std::function<void()>& onExit) : onExit_(onExit) {}
    ~ValidationScope() { onExit_(); }
    ValidationScope(const ValidationScope&) = delete;
    ValidationScope& operator=(const ValidationScope&) = delete;

private:
    std::function<void()> onExit_;
};
}  // namespace

TInplaceEdit* VOroDavoduRuzu::CreateEditor()
{
    return new TVoInplaceEdit(this);
}

TVoInplaceEdit* VOroDavoduRuzu::InplaceEdit() const
{
    return static_cast<TVoInplaceEdit*>(InplaceEditor());
}

bool VOroDavoduRuzu::HasCellValidation() const
{
    return (Options() & goTabs) || OnCellValidate || OnCellValidateWide;
}

// --- Opening -----------------------------------------------------------------------------------

bool VOroDavoduRuzu::CanEditShow()
{
    if (FValidating)
        return false;
    bool answer = TBaseGrid::CanEditShow();
    if (ComponentState() & csDesigning)
        return answer;
    const TPoint base = BaseCell(RealCol(), Row());
    if (answer && !EditMode) {
        if (HasClickableGraphic(base.X, base.Y))
            return false;
        FCellCache = CurrentCell();
        EditControl = DefaultEditor;
        QueryEditorType(base.X, base.Y, EditControl);
        if (EditControl == edNone)
            return false;
        EditMode = true;
        StoreOldCellText(Col(), Row());
        FOldModifiedValue = Modified;
        if (servedByTextEditor(EditControl)) {
            FShowEditProcess = true;
        } else {
            ShowSpecialEditor(DisplColIndexOf(base.X), base.Y);
            FEntered = true;
            answer = false;
        }
    }
    if (answer) {
        FEntered = true;
        FEditing = true;
    }
    return answer;
}

void VOroDavoduRuzu::ShowInplaceEdit()
{
    const TPoint base = BaseCell(RealCol(), Row());
    if (HasClickableGraphic(base.X, base.Y))
        return;
    if (Row() < TopRow())
        SetTopRow(Row());
    if (Col() < LeftCol())
        SetLeftCol(Col());
    ShowEditor();
}

void VOroDavoduRuzu::ShowCellEdit()
{
    Perform(WM_KEYDOWN, VK_F2);
}

// --- Closing -----------------------------------------------------------------------------------

void VOroDavoduRuzu::HideInplaceEdit()
{
    if (!EditMode)
        return;
    HideEditor();
    CommitSpecialEditor(Col(), Row());
    EditMode = false;
    SelectCell(Col(), Row());
}

void VOroDavoduRuzu::HideCellEdit()
{
    CommitSpecialEditor(Col(), Row());
}

void VOroDavoduRuzu::DoneInplaceEdit(WORD Key, TShiftState Shift)
{
    FBlockFocus = true;
    FEditing = false;
    HideInplaceEdit();
    if (Key == VK_TAB || Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN)
        KeyDown(Key, Shift);
    const bool alwaysEdit = FNavigation.AlwaysEdit;
    FNavigation.AlwaysEdit = false;
    SetFocus();
    if (Key == VK_RETURN)
        AdvanceAfterEnter(Col(), Row(), true, !(Shift & ssShift), FNavigation.AdvanceAutoEdit, false);
    FNavigation.AlwaysEdit = alwaysEdit;
    FBlockFocus = false;
}

void VOroDavoduRuzu::NotifyEditDone(int ACol, int ARow)
{
    if (OnEditingDone)
        OnEditingDone(this);
    EditMode = false;
    PostMessage(this, VoGridUnit().GridEditDoneMsg, static_cast<WPARAM>(ACol), static_cast<LPARAM>(ARow));
}

void VOroDavoduRuzu::EditCellDoneMessage(int ACol, int ARow)
{
    if (OnEditCellDone)
        OnEditCellDone(this, ACol, ARow);
    if (!FMouseActions.EditOnDblClickOnly())
        return;
    HideInplaceEdit();
    EditMode = false;
    SetOptions(Options() & ~goEditing);
}

// --- Texts -------------------------------------------------------------------------------------

QString VOroDavoduRuzu::GetEditText(int ACol, int ARow)
{
    const TFlagScope quiet(FNoEditChange);
    const int c = RealColIndex(ACol);
    const TPoint base = BaseCell(c, ARow);
    if (TVoInplaceEdit* editor = InplaceEdit()) {
        TAlignment ha = DefaultAlignment;
        TVAlignment va = VAlignment;
        QueryCellAlignment(base.X, base.Y, ha, va);
        editor->SetVAlign(va == vtaCenter);
    }
    const QString text = GetGridCell(base.X, base.Y);
    if (IsWideCell(base.X, base.Y))
        return DecodeWideText(text);
    return EditWithTags ? text : StripHtmlTags(text);
}

void VOroDavoduRuzu::SetEditText(int ACol, int ARow, const QString& Value)
{
    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    SetGridCell(base.X, base.Y, Value);
    CellTextChanged(base.X, base.Y);
    RepaintCell(DisplColIndexOf(base.X), base.Y);
}

QString VOroDavoduRuzu::GetEditMask(int ACol, int ARow)
{
    QString mask = EditMask;
    if (OnGetEditMask)
        OnGetEditMask(this, ACol, ARow, mask);
    return mask;
}

void VOroDavoduRuzu::SetEditedCellText(int ACol, int ARow, const QString& Value)
{
    SetEditText(DisplColIndexOf(ACol), ARow, Value);
    SetCellEx(ACol, ARow, Value);
}

void VOroDavoduRuzu::WriteCurrentCellText(const QString& Value)
{
    SetEditText(Col(), Row(), Value);
}

void VOroDavoduRuzu::RestoreCellCache()
{
    SetCells(RealCol(), Row(), FCellCache);
    SetCells(RealCol(), Row(), Cells(RealCol(), Row()));
}

void VOroDavoduRuzu::StoreOldCellText(int ACol, int ARow)
{
    FOldCol = ACol;
    FOldRow = ARow;
    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    FOldCellText = GetGridCell(base.X, base.Y);
    FOldCellTextWide = DecodeWideText(FOldCellText);
    FOldModifiedValue = Modified;
}

QString VOroDavoduRuzu::DoEllipsClick(const QString& S)
{
    QString result = S;
    if (OnEllipsClick)
        OnEllipsClick(this, RealCol(), Row(), result);
    return result;
}

// --- Validation --------------------------------------------------------------------------------

bool VOroDavoduRuzu::ValidateCell(const QString& NewValue)
{
    if (!FEditing || FValidating)
        return true;
    FEditing = false;
    FValidating = true;
    bool Valid = true;
    FNewCellText = NewValue;
    const ValidationScope exit([this] {
        StoreOldCellText(Col(), Row());
        FValidating = false;
    });
    if (NewValue == FOldCellText && !AlwaysValidate) {
        HideFocusWindow();
        return true;
    }
    const int ACol = RealColIndex(FOldCol);
    const int ARow = FOldRow;
    const bool Changed = NewValue != FOldCellText;
    const bool advance = FNavigation.AdvanceOnEnter;
    FNavigation.AdvanceOnEnter = false;
    QString Value = NewValue;
    auto* checker = dynamic_cast<VOroDavoduRuzuCheck*>(CellChecker);
    if (checker && checker->AutoCorrect)
        Value = checker->Correct(ACol, ARow, Value);
    if (OnCellValidate)
        OnCellValidate(this, ACol, ARow, Value, Valid);
    if (Value != FOldCellText) {
        FGridModified = true;
        Modified = true;
        if (Valid && FixedCols() > 0) {
            SetRowModified(RealRowIndex(ARow), true);
            if (FShowModified.Enabled)
                RepaintCell(0, ARow);
        }
    }
    if (checker && checker->AutoMarkError)
        Value = checker->MarkError(ACol, ARow, Value);
    if (Valid && UndoRedo())
        UndoRedo()->RegisterChange(ACol, ARow, FOldCellText, Value);
    if (Valid && Changed)
        CellsChangedNotify(TGridRect{ACol, ARow, ACol, ARow});
    FNavigation.AdvanceOnEnter = advance;
    FNewCellText = Value;
    if (Valid) {
        SetCells(ACol, ARow, Value);
        CalcFooter(ACol);
        HideFocusWindow();
    } else {
        refuseValue(Value, NewValue, FOldCellText);
    }
    return Valid;
}

bool VOroDavoduRuzu::ValidateCellWide(const QString& NewValue)
{
    if (!FEditing || FValidating)
        return true;
    FEditing = false;
    FValidating = true;
    FNewCellText = NewValue;
    const ValidationScope exit([this] {
        StoreOldCellText(Col(), Row());
        FValidating = false;
    });
    if (NewValue == FOldCellTextWide && !AlwaysValidate)
        return true;
    const int ACol = RealColIndex(FOldCol);
    const int ARow = FOldRow;
    const bool Changed = NewValue != FOldCellTextWide;
    CalcFooter(ACol);
    QString Value = NewValue;
    bool Valid = true;
    if (OnCellValidateWide)
        OnCellValidateWide(this, ACol, ARow, Value, Valid);
    FNewCellText = Value;
    if (!Valid) {
        refuseValue(Value, NewValue, FOldCellTextWide);
        return false;
    }
    SetWideCells(ACol, ARow, Value);
    if (Changed) {
        FGridModified = true;
        Modified = true;
        if (FShowModified.Enabled && FixedCols() > 0) {
            SetRowModified(RealRowIndex(ARow), true);
            RepaintCell(0, ARow);
        }
        CellsChangedNotify(TGridRect{ACol, ARow, ACol, ARow});
    }
    return true;
}

// The edit being left is judged as wide text when its cell holds wide text.
bool VOroDavoduRuzu::validateEditValue(const QString& Value)
{
    if (IsWideCell(RealColIndex(FOldCol), FOldRow))
        return ValidateCellWide(DecodeWideText(Value));
    return ValidateCell(Value);
}

// A refused value never reaches the cell unless the handler proposed a replacement: the cell keeps (or
// gets) that text, the current cell goes back to the edited cell and its editor stays open showing it.
void VOroDavoduRuzu::refuseValue(const QString& Value, const QString& NewValue, const QString& OldText)
{
    FLastValidation = false;
    const QString shown = Value != NewValue ? Value : OldText;
    SetCells(RealColIndex(FOldCol), FOldRow, shown);
    if (Col() != FOldCol || Row() != FOldRow)
        FocusCell(FOldCol, FOldRow, true);
    FNewCellText = shown;
    Modified = FOldModifiedValue;
    FValidating = false;
    FEditing = true;
    if (!EditMode) {
        ShowInplaceEdit();
    } else if (TVoInplaceEdit* editor = InplaceEdit(); editor && EditorMode()) {
        const TFlagScope quiet(FNoEditChange);
        editor->SetText(shown);
        editor->SetModified(false);
    }
    if (!InvalidEntryTitle.isEmpty() || !InvalidEntryText.isEmpty())
        showInvalidEntryBalloon();
}

// The balloon explaining a refusal, on the open editor.
void VOroDavoduRuzu::showInvalidEntryBalloon()
{
    TWinControl* target = nullptr;
    if (EditMode && !FSpecialEditor)
        target = InplaceEdit();
    else
        target = dynamic_cast<TWinControl*>(FEditCtrl);
    if (!target)
        return;
    EDITBALLOONTIP tip;
    tip.pszTitle = InvalidEntryTitle;
    tip.pszText = InvalidEntryText;
    tip.ttiIcon = InvalidEntryIcon;
    target->Perform(EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&tip));
}

bool VOroDavoduRuzu::EditorPasteText(TObject* Sender, QString& Value)
{
    bool Allow = Clipboard().HasFormat(CF_UNICODETEXT);
    Value = Allow ? Clipboard().AsText() : QString();
    if (OnClipboardPaste)
        OnClipboardPaste(Sender, Allow);
    if (Allow && OnClipboardBeforePasteCell)
        OnClipboardBeforePasteCell(Sender, Col(), Row(), Value, Allow);
    return Allow;
}
