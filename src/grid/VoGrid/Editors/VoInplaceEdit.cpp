#include "grid/VoGrid/Editors/VoInplaceEdit.h"

#include "grid/VoGrid/Editors/EditFilters.h"
#include "grid/VoGrid/Editors/FlagScope.h"
#include "grid/VoGrid/VoGrid.h"
#include "platform/Clipbrd.h"
#include "platform/Dialogs.h"

namespace {
constexpr char16_t CtrlA = 1, CtrlC = 3, CtrlV = 0x16, CtrlX = 0x18;
constexpr char16_t Backspace = 8, LineFeed = 10, Enter = 13, Esc = 27;
constexpr LPARAM KeypadScanBit = LPARAM{1} << 22;

bool ctrlDown()
{
    return GetKeyState(VK_CONTROL) < 0;
}

}  // namespace

TVoInplaceEdit::TVoInplaceEdit(VOroDavoduRuzu* AOwner) : TInplaceEdit(AOwner), FGrid(AOwner)
{
    AutoSelect = false;
    SetWordWrap(FGrid->WordWrap);
}

void TVoInplaceEdit::SetVAlign(bool Value)
{
    FValign = Value;
}

bool TVoInplaceEdit::multiline() const
{
    return FGrid->WordWrap || FGrid->Multilinecells;
}

int TVoInplaceEdit::caretLine() const
{
    return static_cast<int>(const_cast<TVoInplaceEdit*>(this)->Perform(EM_LINEFROMCHAR, SelStart()));
}

void TVoInplaceEdit::setTextQuietly(const QString& Text)
{
    const TFlagScope quiet(FGrid->FNoEditChange);
    SetText(Text);
}

void TVoInplaceEdit::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
        if (Message.WParam == VK_BACK)
            FAltBack = Message.Msg == WM_SYSKEYDOWN;
        break;
    case WM_CHAR:
        if (FGrid->ExcelStyleDecimalSeparator && Message.WParam == u'.' && (Message.LParam & KeypadScanBit))
            Message.WParam = LocaleDecimalSeparator().unicode();
        break;
    case WM_COPY:
    case WM_CUT: {
        bool Allow = true;
        TClipboardEvent& event = Message.Msg == WM_COPY ? FGrid->OnClipboardCopy : FGrid->OnClipboardCut;
        if (event)
            event(this, Allow);
        if (Allow)
            TInplaceEdit::WndProc(Message);
        return;
    }
    case WM_PASTE:
        paste();
        return;
    case WM_LBUTTONDBLCLK:
        TInplaceEdit::WndProc(Message);
        if (FGrid->OnDblClickCell)
            FGrid->OnDblClickCell(FGrid, FGrid->Row(), FGrid->Col());
        return;
    case CM_WANTSPECIALKEY:
        TInplaceEdit::WndProc(Message);
        if (Message.WParam == VK_TAB && FGrid->HasCellValidation())
            Message.Result = 1;
        return;
    default:
        break;
    }
    TInplaceEdit::WndProc(Message);
}

// --- Filling and placing ---------------------------------------------------------------------------

void TVoInplaceEdit::UpdateContents()
{
    {
        const TFlagScope quiet(FGrid->FNoEditChange);
        TInplaceEdit::UpdateContents();
    }
    TBrush brush;
    TFont font;
    TAlignment ha = taLeftJustify;
    FGrid->editorLook(FGrid->Col(), FGrid->Row(), brush, font, ha);
    SetColor(brush.Color());
    Font().Assign(font);
    FColE = FGrid->Col();
    FRowE = FGrid->Row();
    SetAlignment(ha);
    FGrid->DoGetEditorProp(FColE, FRowE, nullptr);
}

void TVoInplaceEdit::BoundsChanged()
{
    const TRect R = FGrid->TBaseGrid::CellRect(FGrid->Col(), FGrid->Row());
    if (R.IsEmpty()) {
        SetVisible(false);
        return;
    }
    SetBounds(R.Left, R.Top, R.Width() - 1, R.Height() - 1);
    SetVisible(true);
    TRect formatting = Rect(3, 3, Width() - 2, Height());
    Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&formatting));
}

// --- Validation --------------------------------------------------------------------------------

bool TVoInplaceEdit::validate()
{
    return FGrid->validateEditValue(Text());
}

bool TVoInplaceEdit::ValidateOnLeave()
{
    if (!FGrid->FEditing)
        return true;
    const QString oldCellText = FGrid->FOldCellText;
    if (!validate()) {
        refuse(oldCellText);
        return false;
    }
    setTextQuietly(FGrid->FNewCellText);
    return true;
}

// The editor shows the value validation settled on and keeps the focus.
void TVoInplaceEdit::refuse(const QString& OldCellText)
{
    setTextQuietly(FGrid->FNewCellText);
    if (FGrid->Navigation().EditSelectAll)
        SelectAll();
    else
        SetSelStart(static_cast<int>(Text().size()));
    FGrid->FOldCellText = OldCellText;
}

void TVoInplaceEdit::endWithTab(TShiftState Shift)
{
    setTextQuietly(FGrid->FNewCellText);
    FGrid->HideInplaceEdit();
    if (FGrid->Options() & goTabs)
        FGrid->HandleTabKey(Shift & ssShift);
    else
        PostMessage(FGrid, WM_KEYDOWN, VK_TAB);
}

// --- Keys ----------------------------------------------------------------------------------------

void TVoInplaceEdit::KeyDown(WORD& Key, TShiftState Shift)
{
    VOroDavoduRuzu& g = *FGrid;
    FOldSelStart = SelStart();
    FSelKeyDown = SelStart();
    const bool ctrl = Shift & ssCtrl;
    const int length = static_cast<int>(Text().size());
    if (Key == VK_ESCAPE) {
        setTextQuietly(g.OriginalCellValue());
        SetModified(true);
        g.FEditing = false;
        g.HideInplaceEdit();
        Key = 0;
        return;
    }
    if (Key == 'A' && ctrl && !(Shift & ssAlt)) {
        SelectAll();
        Key = 0;
        return;
    }
    if (Key == VK_RETURN && ctrl && !(g.Navigation().AllowCtrlEnter && multiline())) {
        Key = 0;
        return;
    }
    if (Key == VK_INSERT && (Shift & ssShift)) {
        Perform(WM_PASTE);
        Key = 0;
        return;
    }
    const QString oldCellText = g.FOldCellText;
    if (Key == VK_TAB && g.HasCellValidation()) {
        if (validate())
            endWithTab(Shift);
        else
            refuse(oldCellText);
        Key = 0;
        return;
    }
    const bool lastLine = caretLine() == Perform(EM_LINEFROMCHAR, length);
    if ((Key == VK_UP && caretLine() == 0) || (Key == VK_DOWN && lastLine)) {
        if (!validate()) {
            refuse(oldCellText);
            Key = 0;
            return;
        }
        setTextQuietly(g.FNewCellText);
    } else if (Key == VK_UP || Key == VK_DOWN) {
        // Between the lines of a multi-line cell: the caret moves, the grid sees nothing.
        TCustomMaskEdit::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_RETURN && !ctrl) {
        if (g.Navigation().LineFeedOnEnter) {
            TCustomMaskEdit::KeyDown(Key, Shift);
            return;
        }
        if (!validate()) {
            refuse(oldCellText);
            Key = 0;
            return;
        }
        setTextQuietly(g.FNewCellText);
    }
    if ((Key == VK_HOME || Key == VK_END) && !(Shift & (ssCtrl | ssShift))) {
        SetSelStart(Key == VK_HOME ? 0 : length);
        Key = 0;
        return;
    }
    if (Key == VK_BACK || Key == VK_DELETE)
        Workmode = false;
    else if (Key != VK_RETURN && Key != VK_UP && Key != VK_DOWN)
        Workmode = true;
    if (Key == VK_RETURN && ctrl && g.Navigation().LineFeedOnEnter) {
        SetSelText(QStringLiteral("\n"));
        Key = 0;
        return;
    }
    TInplaceEdit::KeyDown(Key, Shift);
}

void TVoInplaceEdit::KeyPress(char16_t& Key)
{
    VOroDavoduRuzu& g = *FGrid;
    switch (Key) {
    case CtrlA:
        Key = 0;
        return;
    case CtrlC:
    case CtrlX:
    case CtrlV:
        Perform(Key == CtrlC ? WM_COPY : Key == CtrlX ? WM_CUT : WM_PASTE);
        Key = 0;
        return;
    case LineFeed:
        if (ctrlDown() && !(g.Navigation().AllowCtrlEnter && multiline())) {
            Key = 0;
            return;
        }
        break;
    case Enter:
        // Enter was validated as a key; it types a line break only with LineFeedOnEnter.
        if (g.Navigation().LineFeedOnEnter)
            TCustomMaskEdit::KeyPress(Key);
        Key = 0;
        return;
    default:
        break;
    }
    if (FLengthLimit > 0 && Text().size() >= FLengthLimit && SelLength() == 0 && Key != Backspace && Key != Esc) {
        Key = 0;
        return;
    }
    if (filterChar(Key))
        TInplaceEdit::KeyPress(Key);
}

bool TVoInplaceEdit::filterChar(char16_t& Key)
{
    VOroDavoduRuzu& g = *FGrid;
    const TEditState state{Text(), SelStart(), SelText()};
    TCharVerdict verdict = TCharVerdict::Pass;
    switch (g.CurrentEditor()) {
    case edNumeric:
    case edPositiveNumeric:
        verdict = NumericCharVerdict(Key, state, g.CurrentEditor() == edNumeric);
        break;
    case edFloat:
    case edPositiveFloat:
        verdict = FloatCharVerdict(Key, state, g.CurrentEditor() == edFloat, ctrlDown());
        break;
    case edCapital:
    case edUpperCase:
        Key = QChar(Key).toUpper().unicode();
        break;
    case edLowerCase:
        Key = QChar(Key).toLower().unicode();
        break;
    case edMixedCase: {
        if (Key < 32)
            break;
        SetSelText(QString(QChar(Key)));
        const int caret = SelStart();
        SetText(MixedCaseText(Text()));
        SetSelStart(caret);
        Key = 0;
        return false;
    }
    case edValidChars:
        if (Key >= 32 && !g.ValidChars.contains(QChar(Key)))
            verdict = TCharVerdict::Beep;
        break;
    default:
        break;
    }
    if (verdict == TCharVerdict::Pass)
        return true;
    if (verdict == TCharVerdict::Beep)
        MessageBeep(0);
    Key = 0;
    return false;
}

void TVoInplaceEdit::KeyUp(WORD& Key, TShiftState Shift)
{
    if (Key == VK_LEFT || Key == VK_RIGHT) {
        const bool atEdge =
            Key == VK_LEFT ? FSelKeyDown == 0 && SelStart() == 0 : FOldSelStart == static_cast<int>(Text().size());
        if (atEdge && SelLength() == 0 && !(Shift & (ssShift | ssCtrl | ssAlt)) &&
            FGrid->Navigation().CursorWalkEditor) {
            walkOut(Key, Shift);
            Key = 0;
        }
        return;
    }
    TInplaceEdit::KeyUp(Key, Shift);
    DoChange();
}

// Left at the start or Right at the end of the text leaves the cell for its neighbour.
bool TVoInplaceEdit::walkOut(WORD Key, TShiftState Shift)
{
    (void)Shift;
    VOroDavoduRuzu& g = *FGrid;
    const bool forward = Key == VK_RIGHT;
    const int neighbour = forward ? g.Col() + g.CellSpan(g.RealCol(), g.Row()).X + 1 : g.Col() - 1;
    const bool inRange = forward ? g.Col() < g.ColCount() - g.FixedRightCols - 1 : g.Col() > g.FixedCols();
    if (inRange && g.HasClickableGraphic(g.RealColIndex(neighbour), g.Row())) {
        if (!validate())
            return false;
        g.HideInplaceEdit();
        g.SetCol(neighbour);
        return true;
    }
    if (!validate())
        return false;
    g.HideInplaceEdit();
    TNavigation& nav = g.Navigation();
    const TAdvanceDirection direction = nav.AdvanceDirection();
    nav.SetAdvanceDirection(adLeftRight);
    g.AdvanceAfterEnter(g.Col(), g.Row(), nav.CursorWalkAlwaysEdit, forward, true, true);
    nav.SetAdvanceDirection(direction);
    return true;
}

// Completes the typed part from the grid's lookup items.
void TVoInplaceEdit::DoChange()
{
    VOroDavoduRuzu& g = *FGrid;
    if (!Workmode || SelLength() > 0 || !g.Lookup || g.LookupItems().Count() == 0)
        return;
    const QString typed = Text().left(SelStart());
    const QString completed = LookupCompletion(g.LookupItems(), typed, g.LookupCaseSensitive);
    if (completed.isEmpty())
        return;
    SetText(completed);
    SetSelection(static_cast<int>(typed.size()), static_cast<int>(completed.size()));
}

void TVoInplaceEdit::Change()
{
    TInplaceEdit::Change();
    if (!FGrid->FNoEditChange && FGrid->OnEditChange)
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

// --- Focus ---------------------------------------------------------------------------------------

void TVoInplaceEdit::DoEnter()
{
    TInplaceEdit::DoEnter();
    VOroDavoduRuzu& g = *FGrid;
    FGotFocus = true;
    g.FNoEditChange = false;
    FLengthLimit = g.MaxEditLength;
    SetMaxLength(FLengthLimit);
    if (IsMasked() && g.Navigation().ImproveMaskSel && !g.LButFlg) {
        SetSelection(0, 1);
        return;
    }
    if (!g.Navigation().EditSelectAll)
        SetSelStart(static_cast<int>(Text().size()));
    g.LButFlg = false;
}

// Leaving for another control validates and closes the edit; each focus ends with one editing-done.
void TVoInplaceEdit::DoExit()
{
    TCustomMaskEdit::DoExit();
    VOroDavoduRuzu& g = *FGrid;
    g.FStartEditChar = QChar();
    if (g.LookupHistory && !Text().isEmpty() && g.LookupItems().IndexOf(Text()) < 0)
        g.LookupItems().Add(Text());
    if (!FAltBack && !g.Focused() && g.EditMode) {
        validate();
        setTextQuietly(g.CurrentCell());
        g.HideInplaceEdit();
        g.FEditing = false;
        g.EditMode = false;
    }
    setTextQuietly(g.CurrentCell());
    if (FGotFocus && !g.FValidating) {
        FGotFocus = false;
        g.NotifyEditDone(g.RealColIndex(FColE), FRowE);
    }
}

// Pastes the clipboard's text, checked against the editor type and the length limit, straight into the cell.
void TVoInplaceEdit::paste()
{
    VOroDavoduRuzu& g = *FGrid;
    QString value;
    const bool Allow = g.EditorPasteText(this, value);
    if (!Allow || (FLengthLimit > 0 && value.size() > FLengthLimit))
        return;
    if (value.endsWith(QLatin1String("\r\n")))
        value.chop(2);
    const int start = SelStart();
    const int selected = SelLength();
    QString text = Text();
    text.replace(start, selected, value);
    if (FLengthLimit > 0 && text.size() > FLengthLimit)
        return;
    const int kind = NumberTextKind(text);
    switch (g.CurrentEditor()) {
    case edNumeric:
    case edPositiveNumeric:
        if (kind != ntkInteger || (g.CurrentEditor() == edPositiveNumeric && text.contains(u'-')))
            return;
        break;
    case edFloat:
    case edPositiveFloat:
        if (kind >= ntkNoNumber || (g.CurrentEditor() == edPositiveFloat && text.contains(u'-')))
            return;
        break;
    case edMixedCase:
        text = MixedCaseText(text);
        break;
    case edLowerCase:
        text = text.toLower();
        break;
    case edUpperCase:
        text = text.toUpper();
        break;
    case edValidChars:
        for (const QChar c : value)
            if (!g.ValidChars.contains(c))
                return;
        break;
    default:
        break;
    }
    SetText(text);
    SetModified(true);
    g.WriteCurrentCellText(text);
    const int end = start + static_cast<int>(value.size());
    if (selected > 0)
        SetSelection(start, end);
    else
        SetSelStart(end);
    if (g.OnClipboardAfterPasteCell)
        g.OnClipboardAfterPasteCell(this, g.Col(), g.Row(), Text());
}
