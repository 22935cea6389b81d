// The check-box editor: Space and a press toggle it, the navigation keys end the edit.
#include "grid/VoGrid/Editors/GridEditors.h"
#include "grid/VoGrid/VoGrid.h"

TGridCheckBox::TGridCheckBox(TComponent* AOwner) : TCheckBox(AOwner), FGrid(EditorGrid(AOwner))
{
    SetEnabled(false);
    Hide();
}

// A press toggles at once (not at the release).
void TGridCheckBox::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_LBUTTONDOWN) {
        SetChecked(!Checked());
        return;
    }
    TCheckBox::WndProc(Message);
}

void TGridCheckBox::KeyDown(WORD& Key, TShiftState Shift)
{
    VOroDavoduRuzu& g = *FGrid;
    switch (Key) {
    case VK_SPACE:
        SetChecked(!Checked());
        Key = 0;
        return;
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        break;
    default:
        TCheckBox::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE)
        SetText(g.CurrentCell());
    g.HideInplaceEdit();
    g.SetFocus();
    if (Key == VK_RETURN)
        g.AdvanceAfterEnter(g.Col(), g.Row(), true, true, true, false);
    if (Key == VK_UP || Key == VK_DOWN)
        g.KeyDown(Key, Shift);
    Key = 0;
}

void TGridCheckBox::KeyPress(char16_t& Key)
{
    if (Key == u' ')
        Key = 0;
    TCheckBox::KeyPress(Key);
}

void TGridCheckBox::DoExit()
{
    FGrid->editorExit();
    TCheckBox::DoExit();
}
