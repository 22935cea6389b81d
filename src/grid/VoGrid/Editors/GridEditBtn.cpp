// The edit-with-button editors: number filters per editor type, lookup completion, paste, the ellipsis
// hook on the button, and the unit editor that keeps value and unit in one cell.
#include "grid/VoGrid/Editors/EditFilters.h"
#include "grid/VoGrid/Editors/GridValueEditors.h"
#include "grid/VoGrid/VoGrid.h"
#include "platform/Clipbrd.h"
#include "platform/Dialogs.h"

namespace {
constexpr char16_t Enter = 13, Tab = 9;

bool isSpecial(WORD Key)
{
    return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP ||
           Key == VK_DOWN;
}

// The filter of a numeric or float edit-button type, or the plain editors' pass.
bool charAllowed(TEditorType Type, char16_t Key, const TEditState& State)
{
    TCharVerdict verdict = TCharVerdict::Pass;
    switch (Type) {
    case edEditBtn:
    case edMaskEditBtn:
    case edUnitEditBtn:
        return true;
    case edNumericEditBtn:
    case edNumericUnitEditBtn:
        verdict = NumericCharVerdict(Key, State, true);
        break;
    case edFloatEditBtn:
    case edFloatUnitEditBtn:
        verdict = FloatCharVerdict(Key, State, true, GetKeyState(VK_CONTROL) < 0);
        break;
    default:
        return false;
    }
    if (verdict == TCharVerdict::Beep)
        MessageBeep(0);
    return verdict == TCharVerdict::Pass;
}
}  // namespace

bool EditBtnCharAllowed(VOroDavoduRuzu& Grid, TCustomMaskEdit& Edit, char16_t Key)
{
    return charAllowed(Grid.CurrentEditor(), Key, TEditState{Edit.Text(), Edit.SelStart(), Edit.SelText()});
}

// --- TGridEditBtn ----------------------------------------------------------------------------------

TGridEditBtn::TGridEditBtn(TComponent* AOwner) : TVsgEditBtn(AOwner), FGrid(EditorGrid(AOwner))
{
    SetButtonCaption(QStringLiteral("..."));
    SetEnabled(false);
    Hide();
}

void TGridEditBtn::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_WANTSPECIALKEY:
        TVsgEditBtn::WndProc(Message);
        if (FGrid->editorWantsKey(static_cast<WORD>(Message.WParam), FGrid->HasCellValidation()))
            Message.Result = 1;
        return;
    case WM_PASTE:
        paste();
        return;
    case WM_LBUTTONDBLCLK:
        TVsgEditBtn::WndProc(Message);
        if (FGrid->OnDblClickCell)
            FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
        return;
    default:
        TVsgEditBtn::WndProc(Message);
    }
}

void TGridEditBtn::KeyDown(WORD& Key, TShiftState Shift)
{
    VOroDavoduRuzu& g = *FGrid;
    const bool special = isSpecial(Key);
    if (!special && g.OnKeyDown)
        g.OnKeyDown(&g, Key, Shift);
    WorkMode = Key != VK_BACK && Key != VK_DELETE;
    if ((Shift & ssCtrl) || !special) {
        TVsgEditBtn::KeyDown(Key, Shift);
        return;
    }
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
    const TEditorType noted = g.EditControl;
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        const bool valid = g.validateEditValue(Text());
        SetText(g.NewCellText());
        if (!valid) {
            SelectAll();
            Invalidate();
            Key = 0;
            g.EditControl = noted;
            return;
        }
    }
    if (Key == VK_TAB && g.HasCellValidation()) {
        if (!g.validateEditValue(Text())) {
            SetText(g.NewCellText());
            SetSelStart(static_cast<int>(Text().size()));
            Invalidate();
            Key = 0;
            return;
        }
        if (g.editorTab()) {
            Key = 0;
            return;
        }
    }
    if (Key == VK_ESCAPE)
        SetText(g.OriginalCellValue());
    g.DoneInplaceEdit(Key, Shift);
    Key = 0;
}

void TGridEditBtn::KeyUp(WORD& Key, TShiftState Shift)
{
    if (FGrid->OnKeyUp)
        FGrid->OnKeyUp(FGrid, Key, Shift);
    if (Key != VK_RETURN)
        TVsgEditBtn::KeyUp(Key, Shift);
    lookup();
}

void TGridEditBtn::lookup()
{
    VOroDavoduRuzu& g = *FGrid;
    if (!WorkMode || SelLength() > 0 || !g.Lookup)
        return;
    const QString typed = Text().left(SelStart());
    const QString completed = LookupCompletion(g.LookupItems(), typed, g.LookupCaseSensitive);
    if (completed.isEmpty())
        return;
    SetText(completed);
    SetSelStart(static_cast<int>(typed.size()));
    SetSelLength(static_cast<int>(completed.size() - typed.size()));
}

void TGridEditBtn::KeyPress(char16_t& Key)
{
    if (FGrid->OnKeyPress)
        FGrid->OnKeyPress(FGrid, Key);
    if (Key == Enter || Key == Tab || (Key != 0 && !EditBtnCharAllowed(*FGrid, *this, Key)))
        Key = 0;
    TVsgEditBtn::KeyPress(Key);
}

// The clipboard's Unicode text replaces the selection and goes into the cell at once.
void TGridEditBtn::paste()
{
    VOroDavoduRuzu& g = *FGrid;
    QString value;
    const bool Allow = g.EditorPasteText(this, value);
    if (!Allow)
        return;
    if (const qsizetype crlf = value.indexOf(QLatin1String("\r\n")); crlf >= 0 && crlf == value.size() - 2)
        value.chop(2);
    const int start = SelStart();
    const bool selected = SelLength() > 0;
    QString text = Text();
    text.replace(start, SelLength(), value);
    SetText(text);
    g.WriteCurrentCellText(text);
    SetSelStart(selected ? start : start + static_cast<int>(value.size()));
    if (selected)
        SetSelLength(static_cast<int>(value.size()));
}

void TGridEditBtn::Change()
{
    TVsgEditBtn::Change();
    if (FGrid->OnEditChange && !FGrid->FNoEditChange)
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TGridEditBtn::DoClickBtn(TObject*)
{
    SetText(FGrid->DoEllipsClick(Text()));
    SelectAll();
    Invalidate();
    if (StopEditAfterClick) {
        FGrid->HideInplaceEdit();
        FGrid->SetFocus();
    }
}

void TGridEditBtn::DoExit()
{
    FGrid->editorExit();
    TVsgEditBtn::DoExit();
}

// --- TGridUnitEditBtn ------------------------------------------------------------------------------

TGridUnitEditBtn::TGridUnitEditBtn(TComponent* AOwner) : TVsgUnitEditBtn(AOwner), FGrid(EditorGrid(AOwner))
{
    SetButtonCaption(QStringLiteral("..."));
    SetEnabled(false);
    Hide();
}

void TGridUnitEditBtn::WndProc(TMessage& Message)
{
    if (Message.Msg == CM_WANTSPECIALKEY) {
        TVsgUnitEditBtn::WndProc(Message);
        if (FGrid->editorWantsKey(static_cast<WORD>(Message.WParam), FGrid->Options() & goTabs))
            Message.Result = 1;
        return;
    }
    TVsgUnitEditBtn::WndProc(Message);
}

void TGridUnitEditBtn::SetCellText(const QString& Value)
{
    SetUnitID(QString());
    SetText(QString());
    SetTextAndUnit(Value);
    // A value without a known unit stays whole in the edit rather than being lost.
    if (Text().isEmpty() && UnitID().isEmpty())
        SetText(Value);
}

void TGridUnitEditBtn::KeyDown(WORD& Key, TShiftState Shift)
{
    VOroDavoduRuzu& g = *FGrid;
    if (!isSpecial(Key)) {
        TVsgUnitEditBtn::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_TAB || Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        if (!g.validateEditValue(TextAndUnit())) {
            SetCellText(g.CurrentCell());
            return;
        }
        SetCellText(g.CurrentCell());
    }
    if (Key == VK_RETURN && g.Navigation().AdvanceOnEnter) {
        g.HideInplaceEdit();
        g.SetFocus();
        Key = 0;
        g.AdvanceAfterEnter(g.Col(), g.Row(), true, true, true, false);
        return;
    }
    if (Key == VK_TAB && (g.Options() & goTabs)) {
        g.editorTab();
        Key = 0;
        return;
    }
    if (Key == VK_ESCAPE)
        SetCellText(g.CurrentCell());
    g.DoneInplaceEdit(Key, Shift);
    Key = 0;
}

void TGridUnitEditBtn::KeyPress(char16_t& Key)
{
    if (Key == Enter || (Key != 0 && !EditBtnCharAllowed(*FGrid, *this, Key)))
        Key = 0;
    TVsgUnitEditBtn::KeyPress(Key);
}

void TGridUnitEditBtn::Change()
{
    TVsgUnitEditBtn::Change();
    if (FGrid->OnEditChange && !FGrid->FNoEditChange)
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TGridUnitEditBtn::DoClickBtn(TObject* Sender)
{
    SetText(FGrid->DoEllipsClick(Text()));
    SelectAll();
    Invalidate();
    TVsgUnitEditBtn::DoClickBtn(Sender);
}

void TGridUnitEditBtn::DoExit()
{
    FGrid->editorExit();
    TVsgUnitEditBtn::DoExit();
}
