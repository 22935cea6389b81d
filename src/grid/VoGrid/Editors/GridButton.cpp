// The button editor: a push button over the cell whose click passes its caption through the ellipsis hook.
#include "grid/VoGrid/Editors/GridEditors.h"
#include "grid/VoGrid/VoGrid.h"

TGridButton::TGridButton(TComponent* AOwner) : TCustomControl(AOwner), FGrid(EditorGrid(AOwner))
{
    ControlStyle |= csClickEvents;
    TabStop = true;
    SetEnabled(false);
    Hide();
}

void TGridButton::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect r = ClientRect();
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(r);
    canvas.Brush().SetColor(clBtnShadow);
    canvas.FrameRect(r);
    TRect text = r;
    canvas.Brush().SetStyle(bsClear);
    canvas.DrawText(Text(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (Focused())
        canvas.DrawFocusRect(Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2));
}

void TGridButton::takeCaption()
{
    SetText(FGrid->DoEllipsClick(Text()));
    FGrid->SetCurrentCell(Text());
}

void TGridButton::hideButton()
{
    SetVisible(false);
    SetEnabled(false);
    FGrid->EditMode = false;
    FGrid->SetFocus();
}

void TGridButton::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_LBUTTONUP:
        takeCaption();
        break;
    case CM_WANTSPECIALKEY:
        switch (Message.WParam) {
        case VK_ESCAPE:
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            Message.Result = 1;
            return;
        default:
            break;
        }
        break;
    default:
        break;
    }
    TCustomControl::WndProc(Message);
}

void TGridButton::KeyDown(WORD& Key, TShiftState Shift)
{
    switch (Key) {
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
        const WORD key = Key;
        FGrid->Perform(WM_KEYDOWN, key);
        hideButton();
        FGrid->Perform(WM_KEYUP, key);
        Key = 0;
        return;
    }
    case VK_ESCAPE:
        hideButton();
        FGrid->RestoreCellCache();
        FGrid->Perform(WM_KEYDOWN, VK_ESCAPE);
        Key = 0;
        return;
    default:
        TCustomControl::KeyDown(Key, Shift);
    }
}

void TGridButton::KeyUp(WORD& Key, TShiftState Shift)
{
    if (Key == VK_SPACE) {
        takeCaption();
        SetFocus();
        Invalidate();
    }
    TCustomControl::KeyUp(Key, Shift);
}

void TGridButton::DoExit()
{
    if (!FGrid->FBlockKill)
        FGrid->HideInplaceEdit();
    TCustomControl::DoExit();
}
