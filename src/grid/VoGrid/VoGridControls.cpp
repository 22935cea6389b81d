// Set-up of the controls a string grid owns.
#include "grid/VoGrid/VoGridControls.h"

#include "platform/SystemMetrics.h"

namespace {
// A child the grid keeps out of sight until it uses it.
void hideAway(TControl& c)
{
    c.SetBounds(0, 0, 0, 0);
    c.Hide();
}
}  // namespace

TFooterPanel::TFooterPanel(TComponent* AOwner) : TPanel(AOwner)
{
    SetAlign(alBottom);
    SetHeight(0);
    SetBorderWidth(0);
    OnMouseLeave = [this](TObject*) { FLastHintX = -1; };
}

TDropListBase::TDropListBase(TComponent* AOwner) : TListBox(AOwner)
{
    hideAway(*this);
}

void TDropListBase::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_CANCELMODE && Visible() && !ClientRect().Contains(ScreenToClient(GetCursorPos()))) {
        Hide();
        if (OnCancel)
            OnCancel(this);
    }
    TListBox::WndProc(Message);
}

void TDropList::choose()
{
    Hide();
    if (OnSelect)
        OnSelect(this, ItemIndex());
}

void TDropList::KeyDown(WORD& Key, TShiftState Shift)
{
    TDropListBase::KeyDown(Key, Shift);
    if (Key == VK_RETURN)
        choose();
}

void TDropList::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TDropListBase::MouseUp(Button, Shift, X, Y);
    choose();
}

TDropCheckList::TDropCheckList(TComponent* AOwner) : TDropListBase(AOwner)
{
    SetCheckable(true);
    OnClickCheck = [this](TObject*) {
        if (OnSelect)
            OnSelect(this, -1);
    };
}

TNoActiveForm::TNoActiveForm(TComponent* AOwner) : TPopupWindow(AOwner)
{
    SetEnabled(false);
}

void TNoActiveForm::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_ACTIVATE:
        Message.Result = 0;
        return;
    case WM_MOUSEACTIVATE:
        Message.Result = MA_NOACTIVATE;
        return;
    default:
        TPopupWindow::WndProc(Message);
    }
}

THeaderDragButton::THeaderDragButton(TComponent* AOwner, VOroDavoduRuzu* grid) : TCustomControl(AOwner), FGrid(grid)
{
    SetEnabled(false);
    Hide();
}
