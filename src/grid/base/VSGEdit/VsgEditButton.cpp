#include "grid/base/VSGEdit/VSGEdit.h"
#include "grid/base/VoXPVS.h"

void TVoSpeedButton::WndProc(TMessage& m)
{
    if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) {
        FHot = m.Msg == CM_MOUSEENTER;
        Invalidate();
    }
    TSpeedButton::WndProc(m);
}

void TVoSpeedButton::Paint()
{
    TCanvas& c = Canvas();
    c.Font().Assign(Font());
    TRect r = Rect(0, 0, Width(), Height());
    const bool pressed = FState == bsDown || FState == bsExclusive;
    const auto* owner = dynamic_cast<const TVsgEditButton*>(Owner());
    if (owner && owner->ButtonColor != clNone) {
        FlatEdge = true;
        const TColor face = pressed ? owner->ButtonColorDown : FHot ? owner->ButtonColorHot : owner->ButtonColor;
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(face);
        c.Pen().SetColor(face);
        c.FillRect(r);
    } else if (IsWinXP && IsThemeActive()) {
        TThemeData(QStringLiteral("button"))
            .DrawBackground(c, BP_PUSHBUTTON,
                            pressed ? PBS_PRESSED
                            : FHot  ? PBS_HOT
                                    : PBS_NORMAL,
                            r);
    } else if (FlatEdge) {
        DrawEdge(c, r, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_MIDDLE);
        r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    } else {
        DrawFrameControl(c, r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    }
    const int shift = FState == bsDown ? 1 : 0;
    if (!Glyph().Empty()) {
        const int gx = Glyph().Width() < Width() ? (Width() - Glyph().Width()) / 2 : 0;
        const int gy = Glyph().Height() < Height() ? (Height() - Glyph().Height()) / 2 : 0;
        DrawGlyph(c, gx + shift, gy + shift);
    }
    if (!Caption().isEmpty()) {
        c.Brush().SetStyle(bsClear);
        c.Font().SetColor(clBlack);
        TRect text = Rect(r.Left + shift, r.Top + shift, r.Right + shift, r.Bottom + shift);
        c.DrawText(Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

TVsgEditButton::TVsgEditButton(TComponent* AOwner) : TWinControl(AOwner)
{
    ControlStyle = (ControlStyle & ~csSetCaption) | csOpaque;
    FButton = new TVoSpeedButton(this);
    FButton->SetParent(this);
    FButton->SetVisible(true);
    FButton->OnMouseUp = [this](TObject* Sender, TMouseButton Button, TShiftState, int, int) {
        EditButtonMouseUp(Sender, Button);
    };
    SetBounds(0, 0, 20, 25);
}

void TVsgEditButton::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == FFocusControl)
        FFocusControl = nullptr;
}

void TVsgEditButton::SetFlat(bool value)
{
    FFlat = value;
    FButton->FlatEdge = value;
    FButton->Invalidate();
}

void TVsgEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FButton)
        FButton->SetBounds(0, 0, Width(), Height());
}

void TVsgEditButton::WndProc(TMessage& m)
{
    TWinControl::WndProc(m);
    if (m.Msg == WM_SIZE) {
        if (FButton && FButton->BoundsRect() != Rect(0, 0, Width(), Height()))
            FButton->SetBounds(0, 0, Width(), Height());
        m.Result = 0;
    }
}

void TVsgEditButton::EditButtonMouseUp(TObject* Sender, TMouseButton Button)
{
    if (Button != TMouseButton::mbLeft)
        return;
    if (Sender == FButton && OnClick)
        OnClick(this);
    if (FFocusControl && FFocusControl->TabStop && FFocusControl->CanFocus() && !FFocusControl->Focused())
        FFocusControl->SetFocus();
    else if (TabStop && !Focused() && CanFocus())
        SetFocus();
}
