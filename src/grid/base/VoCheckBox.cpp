#include "grid/base/VoCheckBox.h"

#include "grid/base/VoStyleIF.h"
#include "grid/base/VoXPVS.h"
#include "platform/Accel.h"

TVoCheckBox::TVoCheckBox(TComponent* AOwner) : TCustomControl(AOwner)
{
    ControlStyle &= ~csClickEvents;
    SetBounds(0, 0, 98, 20);
    SetCaption(QStringLiteral("TVoCheckBox"));
    TabStop = true;
}

void TVoCheckBox::SetChecked(bool value)
{
    FState = value ? cbChecked : cbUnchecked;
    Invalidate();
}

void TVoCheckBox::SetState(TCheckBoxState value)
{
    if (value == FState)
        return;
    FState = value;
    InvalidateBox();
}

void TVoCheckBox::InvalidateBox()
{
    Invalidate();
}

void TVoCheckBox::Toggle()
{
    if (!ReadOnly)
        SetChecked(!Checked());
}

void TVoCheckBox::SetButtonVertAlign(TTextLayout value)
{
    if (value != FBtnVAlign) {
        FBtnVAlign = value;
        Invalidate();
    }
}

void TVoCheckBox::SetAlignment(TAlignment value)
{
    if (value != FAlignment) {
        FAlignment = value;
        Invalidate();
    }
}

void TVoCheckBox::SetEllipsis(bool value)
{
    if (value != FEllipsis) {
        FEllipsis = value;
        Invalidate();
    }
}

void TVoCheckBox::SetTransparent(bool value)
{
    if (value != FTransparent)
        FBkgCache = false;
    FTransparent = value;
    Invalidate();
}

void TVoCheckBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FTransparent) {
        FBkgCache = false;
        Invalidate();
    }
}

// The parent's colour under the box, as the parent would paint it there.
void TVoCheckBox::PaintParentBackground(TCanvas& canvas)
{
    ++FBackgroundPaints;
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Parent() ? Parent()->Color() : Color());
    canvas.FillRect(ClientRect());
}

TRect TVoCheckBox::BoxRect(int size, int bottomInset) const
{
    const int x = FAlignment == taRightJustify ? ClientWidth() - (size == 14 ? 15 : 13) : 0;
    int y = 4;
    if (FBtnVAlign == tlCenter)
        y = ClientHeight() / 2 - 6;
    else if (FBtnVAlign == tlBottom)
        y = ClientHeight() - bottomInset;
    return Bounds(x, y, size, size);
}

void TVoCheckBox::Paint()
{
    TCanvas& c = Canvas();
    c.Font().Assign(Font());
    if (FTransparent) {
        if (!TransparentChaching) {
            PaintParentBackground(c);
        } else {
            if (!FBkgCache) {
                FBkgBmp.SetSize(Width(), Height());
                PaintParentBackground(FBkgBmp.Canvas());
                FBkgCache = true;
            }
            c.Draw(0, 0, FBkgBmp);
        }
    } else {
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(Color());
        c.FillRect(ClientRect());
    }
    if (ComCtlVersionAbove5() && IsThemeActive()) {
        int state = FState == cbChecked ? 5 : FState == cbGrayed ? 9 : 1;
        if (!Enabled())
            state += 3;
        else if (FDown)
            state += 2;
        else if (FHot)
            state += 1;
        TThemeData(QStringLiteral("button")).DrawBackground(c, BP_CHECKBOX, state, BoxRect(14, 14));
    } else {
        unsigned flags = DFCS_BUTTONCHECK;
        if (FState == cbChecked)
            flags |= DFCS_CHECKED;
        if (FState == cbGrayed || !Enabled())
            flags |= DFCS_INACTIVE;
        DrawFrameControl(c, BoxRect(13, 17), DFC_BUTTON, flags);
    }
    TRect r = ClientRect();
    if (FAlignment == taLeftJustify)
        r.Left += 9;
    else
        r.Right -= 9;
    r.Top += 4;
    r.Left += 6;
    c.Brush().SetStyle(bsClear);
    const unsigned flags = FEllipsis ? unsigned(DT_END_ELLIPSIS) : 0u;
    if (Enabled()) {
        c.DrawText(Caption(), r, flags);
    } else {
        TRect shadow = Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
        c.Font().SetColor(clWhite);
        c.DrawText(Caption(), shadow, flags);
        c.Font().SetColor(0x808080);
        c.DrawText(Caption(), r, flags);
    }
    if (FFocused) {
        const TSize text = c.TextExtent(Caption());
        c.DrawFocusRect(Rect(r.Left - 2, r.Top, r.Left + text.cx + 1, r.Top + text.cy + 1));
    }
}

void TVoCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FMouseDown = true;
    if (!Focused() && CanFocus())
        SetFocus();
    TCustomControl::MouseDown(Button, Shift, X, Y);
    SetMouseCapture(true);
    FDown = true;
    Invalidate();
}

void TVoCheckBox::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (MouseCapture())
        FDown = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
}

void TVoCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    SetMouseCapture(false);
    FDown = false;
    const bool inside = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
    if (inside && Focused() && FMouseDown) {
        Toggle();
        Click();
    }
    FMouseDown = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
    Invalidate();
}

void TVoCheckBox::KeyDown(WORD& Key, TShiftState Shift)
{
    if (Key == VK_RETURN && ReturnIsTab) {
        Key = VK_TAB;
        PostMessage(this, CN_KEYDOWN, VK_TAB, 0);
    }
    if (Key == VK_SPACE)
        FDown = true;
    TCustomControl::KeyDown(Key, Shift);
}

void TVoCheckBox::KeyUp(WORD& Key, TShiftState Shift)
{
    if (Key == VK_SPACE) {
        FDown = false;
        Toggle();
        Click();
        return;
    }
    TCustomControl::KeyUp(Key, Shift);
}

void TVoCheckBox::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        FFocused = m.Msg == WM_SETFOCUS;
        Invalidate();
        break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        FHot = m.Msg == CM_MOUSEENTER;
        Invalidate();
        break;
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    case WM_ERASEBKGND:
        if (FTransparent) {
            m.Result = 1;
            return;
        }
        break;
    case CM_DIALOGCHAR:
        if (CanFocus() && m.WParam != 0) {
            if (IsAccel(static_cast<char16_t>(m.WParam), Caption())) {
                Toggle();
                if (TabStop)
                    SetFocus();
                m.Result = 1;
                return;
            }
        }
        break;
    default:
        break;
    }
    TCustomControl::WndProc(m);
}
