// The date pickers of the date, time and date-and-time types: the navigation keys validate and end the
// edit, a typed digit that completes a field moves on to the next one.
#include "grid/VoGrid/Editors/GridValueEditors.h"
#include "grid/VoGrid/VoGrid.h"
#include "platform/Forms.h"

namespace {
constexpr char16_t Enter = 13, Tab = 9;

bool isDigit(char16_t Key)
{
    return Key >= u'0' && Key <= u'9';
}
}  // namespace

// --- TGridDatePicker -------------------------------------------------------------------------------

TGridDatePicker::TGridDatePicker(TComponent* AOwner) : TVsgDateTimePicker(AOwner), FGrid(EditorGrid(AOwner))
{
    SetEnabled(false);
    Hide();
}

void TGridDatePicker::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_WANTSPECIALKEY:
        TVsgDateTimePicker::WndProc(Message);
        if (FGrid->editorWantsKey(static_cast<WORD>(Message.WParam), FGrid->HasCellValidation()))
            Message.Result = 1;
        return;
    case CN_NOTIFY:
        if (Message.WParam == DTN_DROPDOWN)
            FOldDropped = true;
        else if (Message.WParam == DTN_CLOSEUP)
            FOldDropped = false;
        break;
    default:
        break;
    }
    TVsgDateTimePicker::WndProc(Message);
    if (Message.Msg == DTPShiftFocusMessage())
        CheckShiftFocus();
}

void TGridDatePicker::takeText(const QString& Text)
{
    SetDateTime(FGrid->editDateTime(Text, Kind()));
}

bool TGridDatePicker::validate(WORD& Key, bool KeepCursor)
{
    if (FGrid->validateEditValue(this->Text()))
        return true;
    takeText(FGrid->NewCellText());
    Invalidate();
    Key = 0;
    if (KeepCursor)
        FGrid->FNoAutoAdvance = true;
    return false;
}

void TGridDatePicker::KeyDown(WORD& Key, TShiftState Shift)
{
    VOroDavoduRuzu& g = *FGrid;
    if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_PRIOR && Key != VK_NEXT && Key != VK_END) {
        TVsgDateTimePicker::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE)
        takeText(g.CurrentCell());
    if (Key == VK_RETURN) {
        // A field being typed is completed first.
        Perform(WM_KEYDOWN, VK_RIGHT);
        Perform(WM_KEYUP, VK_RIGHT);
        if (!validate(Key, true))
            return;
        takeText(g.CurrentCell());
    }
    if (Key == VK_TAB && g.HasCellValidation()) {
        if (!validate(Key, false))
            return;
        if (g.editorTab()) {
            Key = 0;
            return;
        }
    }
    if (!FOldDropped)
        g.DoneInplaceEdit(Key, Shift);
    Key = 0;
}

void TGridDatePicker::KeyPress(char16_t& Key)
{
    if (Key == Enter || Key == Tab) {
        Key = 0;
        return;
    }
    if (isDigit(Key)) {
        DecodeDateTime(DateTime(), Fy, Fm, Fd, Fth, Ftm, Fts, Ftms);
        FFieldBefore = FieldIndex();
        TVsgDateTimePicker::KeyPress(Key);
        PostMessage(this, DTPShiftFocusMessage());
    } else {
        TVsgDateTimePicker::KeyPress(Key);
    }
    if (FGrid->OnKeyPress)
        FGrid->OnKeyPress(FGrid, Key);
}

// Moves to the next field when the digit completed one and the picker did not move there itself.
void TGridDatePicker::CheckShiftFocus()
{
    int y = 0, m = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
    DecodeDateTime(DateTime(), y, m, d, h, mi, s, ms);
    bool next = false;
    if (Kind() == dtkTime) {
        next = h != Fth || mi != Ftm || s != Fts;
    } else if (!Format().isEmpty()) {
        const QChar last = Format().back().toLower();
        const bool lastTyped = (d != Fd && last == u'd') || (m != Fm && last == u'm') || (y != Fy && last == u'y');
        next = !lastTyped && (d != Fd || m != Fm || y != Fy);
    } else {
        next = d != Fd || m != Fm;
    }
    if (next && FieldIndex() == FFieldBefore)
        PostMessage(this, WM_KEYDOWN, VK_RIGHT);
}

void TGridDatePicker::DoExit()
{
    FGrid->editorExit();
    TVsgDateTimePicker::DoExit();
}

// --- TGridDateTimePicker ---------------------------------------------------------------------------

TGridDateTimePicker::TGridDateTimePicker(TComponent* AOwner) : TVoDateTimePicker(AOwner), FGrid(EditorGrid(AOwner))
{
    SetEnabled(false);
    Hide();
}

void TGridDateTimePicker::WndProc(TMessage& Message)
{
    if (Message.Msg == CM_WANTSPECIALKEY) {
        TVoDateTimePicker::WndProc(Message);
        if (FGrid->editorWantsKey(static_cast<WORD>(Message.WParam), FGrid->HasCellValidation()))
            Message.Result = 1;
        return;
    }
    TVoDateTimePicker::WndProc(Message);
}

QString TGridDateTimePicker::CellText() const
{
    if (!Checked())
        return QString();
    return FGrid->editDateTimeText(DateTime());
}

void TGridDateTimePicker::KeyDown(WORD& Key, TShiftState Shift)
{
    VOroDavoduRuzu& g = *FGrid;
    if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE) {
        TVoDateTimePicker::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        SetDateTime(g.editDateTime(g.CurrentCell(), dtkDate));
    } else if (Key == VK_RETURN || g.HasCellValidation()) {
        if (!g.validateEditValue(CellText())) {
            SetDateTime(g.editDateTime(g.NewCellText(), dtkDate));
            g.FNoAutoAdvance = Key == VK_RETURN;
            Key = 0;
            return;
        }
        if (Key == VK_TAB && g.editorTab()) {
            Key = 0;
            return;
        }
    }
    g.DoneInplaceEdit(Key, Shift);
    Key = 0;
}

void TGridDateTimePicker::KeyPress(char16_t& Key)
{
    if (Key == Enter || Key == Tab)
        Key = 0;
    else
        TVoDateTimePicker::KeyPress(Key);
}

// The focus may move to the inner time picker without ending the edit.
void TGridDateTimePicker::DoExit()
{
    TCustomForm* form = GetParentForm(this);
    if (!form || form->ActiveControl() != TimePicker())
        FGrid->editorExit();
    TVoDateTimePicker::DoExit();
}
