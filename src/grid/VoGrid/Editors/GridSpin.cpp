// The spin editor: paging keys step within the range, the navigation keys validate and end the edit, and
// the spin buttons report their click per spin type.
#include "grid/VoGrid/Editors/GridValueEditors.h"
#include "grid/VoGrid/VoGrid.h"

namespace {
constexpr char16_t Enter = 13, Tab = 9, Esc = 27;
}  // namespace

TGridSpin::TGridSpin(TComponent* AOwner) : TVsgSpinEdit(AOwner), FGrid(EditorGrid(AOwner))
{
    MaxValue = 100;
    MinValue = 0;
    Increment = 1;
    SetEnabled(false);
    Hide();
}

void TGridSpin::WndProc(TMessage& Message)
{
    if (Message.Msg == CM_WANTSPECIALKEY) {
        TVsgSpinEdit::WndProc(Message);
        if (FGrid->editorWantsKey(static_cast<WORD>(Message.WParam), FGrid->Options() & goTabs))
            Message.Result = 1;
        return;
    }
    // The paging keys and the vertical arrows come to the key handling here rather than stepping at once.
    if (Message.Msg == WM_KEYDOWN && (Message.WParam == VK_PRIOR || Message.WParam == VK_NEXT ||
                                      Message.WParam == VK_UP || Message.WParam == VK_DOWN)) {
        TCustomMaskEdit::WndProc(Message);
        return;
    }
    if (Message.Msg == WM_CHAR && (Message.WParam == Tab || Message.WParam == Enter)) {
        Message.Result = 1;
        return;
    }
    TVsgSpinEdit::WndProc(Message);
}

// PgUp and PgDn step when the result stays in range; End goes to the minimum, Home to the maximum.
void TGridSpin::paging(WORD Key)
{
    if (SpinType() == sptNormal) {
        if (Key == VK_PRIOR && Value() + Increment <= MaxValue)
            SetValue(Value() + Increment);
        else if (Key == VK_NEXT && Value() - Increment >= MinValue)
            SetValue(Value() - Increment);
        else if (Key == VK_END)
            SetValue(MinValue);
        else if (Key == VK_HOME)
            SetValue(MaxValue);
    } else if (SpinType() == sptFloat) {
        if (Key == VK_PRIOR && FloatValue() + IncrementFloat <= MaxFloatValue)
            SetFloatValue(FloatValue() + IncrementFloat);
        else if (Key == VK_NEXT && FloatValue() - IncrementFloat >= MinFloatValue)
            SetFloatValue(FloatValue() - IncrementFloat);
        else if (Key == VK_END)
            SetFloatValue(MinFloatValue);
        else if (Key == VK_HOME)
            SetFloatValue(MaxFloatValue);
    } else {
        return;
    }
    if (FGrid->OnSpinClick)
        FGrid->OnSpinClick(FGrid, FGrid->Col(), FGrid->Row(), Value(), Key == VK_PRIOR || Key == VK_HOME);
}

void TGridSpin::KeyDown(WORD& Key, TShiftState Shift)
{
    VOroDavoduRuzu& g = *FGrid;
    if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_HOME)
        paging(Key);
    if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_UP && Key != VK_DOWN) {
        TVsgSpinEdit::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        SetText(SpinType() == sptFloat ? CleanFloatText(g.OriginalCellValue()) : g.OriginalCellValue());
        if (SpinType() == sptNormal)
            SetValue(g.OriginalCellValue().trimmed().toInt());
        else if (SpinType() == sptFloat)
            SetFloatValue(FloatValue());
    } else {
        if (!g.validateEditValue(Text())) {
            SetText(g.CurrentCell());
            SetSelStart(static_cast<int>(Text().size()));
            Key = 0;
            g.FNoAutoAdvance = true;
            Invalidate();
            return;
        }
        SetText(g.CurrentCell());
        if (Key == VK_TAB && (g.Options() & goTabs)) {
            g.editorTab();
            Key = 0;
            return;
        }
    }
    g.editorFinish(Key, Shift, true);
}

void TGridSpin::KeyPress(char16_t& Key)
{
    if (Key == Esc)
        Key = 0;
    if (Key == Enter) {
        Key = 0;
        return;
    }
    TVsgSpinEdit::KeyPress(Key);
}

void TGridSpin::UpClick(TObject* Sender)
{
    TVsgSpinEdit::UpClick(Sender);
    spinClicked(true);
}

void TGridSpin::DownClick(TObject* Sender)
{
    TVsgSpinEdit::DownClick(Sender);
    spinClicked(false);
}

void TGridSpin::PerformSpinClick(bool Up)
{
    if (Up)
        UpClick(this);
    else
        DownClick(this);
}

void TGridSpin::spinClicked(bool Up)
{
    VOroDavoduRuzu& g = *FGrid;
    const int col = g.Col(), row = g.Row();
    switch (SpinType()) {
    case sptNormal:
        if (g.OnSpinClick)
            g.OnSpinClick(&g, col, row, Value(), Up);
        break;
    case sptFloat:
        if (g.OnFloatSpinClick)
            g.OnFloatSpinClick(&g, col, row, FloatValue(), Up);
        break;
    case sptDate:
        if (g.OnDateSpinClick)
            g.OnDateSpinClick(&g, col, row, DateValue(), Up);
        break;
    case sptTime:
        if (g.OnTimeSpinClick)
            g.OnTimeSpinClick(&g, col, row, TimeValue(), Up);
        break;
    }
}

void TGridSpin::Change()
{
    TVsgSpinEdit::Change();
    if (FGrid->OnEditChange && !FGrid->FNoEditChange)
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TGridSpin::DoExit()
{
    FGrid->editorExit();
    TVsgSpinEdit::DoExit();
}
