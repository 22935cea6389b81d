#include "grid/base/VoXPVS.h"
#include "grid/base/vsgspin/vsgspin.h"

static void initSpinResource()
{
    Q_INIT_RESOURCE(vsgspin);
}

void LoadSpinGlyph(TBitmap& bitmap, bool up)
{
    initSpinResource();
    bitmap.LoadFromResource(up ? QStringLiteral(":/gridbase/VSGSPINUP") : QStringLiteral(":/gridbase/VSGSPINDOWN"));
    bitmap.Transparent = true;
}

// ---------------------------------------------------------------------------------------------
// TVoTimerSpeedButton

TVsgSpinButton* TVoTimerSpeedButton::spin() const
{
    return dynamic_cast<TVsgSpinButton*>(Owner());
}

void TVoTimerSpeedButton::WndProc(TMessage& m)
{
    if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) {
        FHasMouse = m.Msg == CM_MOUSEENTER;
        Invalidate();
    }
    TSpeedButton::WndProc(m);
}

void TVoTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TSpeedButton::MouseDown(Button, Shift, X, Y);
    if (TimeBtnState & tbAllowTimer) {
        if (!FRepeatTimer) {
            FRepeatTimer = new TTimer(this);
            FRepeatTimer->OnTimer = [this](TObject*) { TimerExpired(); };
        }
        FRepeatTimer->SetInterval(400);
        FRepeatTimer->SetEnabled(true);
    }
    if (Parent())
        Parent()->Invalidate();
}

void TVoTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TSpeedButton::MouseUp(Button, Shift, X, Y);
    if (FRepeatTimer)
        FRepeatTimer->SetEnabled(false);
    if (Parent())
        Parent()->Invalidate();
}

void TVoTimerSpeedButton::TimerExpired()
{
    FRepeatTimer->SetInterval(100);
    if (FState != bsDown || !MouseCapture())
        return;
    try {
        Click();
    } catch (...) {
        FRepeatTimer->SetEnabled(false);
        throw;
    }
}

void TVoTimerSpeedButton::Paint()
{
    TCanvas& c = Canvas();
    const TRect r = ClientRect();
    const bool pressed = FState == bsDown || FState == bsExclusive;
    const TVsgSpinButton* owner = spin();
    if (owner && owner->ButtonColor != clNone) {
        const TColor face = pressed ? owner->ButtonColorDown : FHasMouse ? owner->ButtonColorHot : owner->ButtonColor;
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(face);
        c.Pen().SetColor(face);
        c.Rectangle(r);
        c.Brush().SetColor(clBlack);
        c.Pen().SetColor(clBlack);
        const int L = r.Left;
        const int T = r.Top;
        switch (ButtonDirection) {
        case bdLeft:
            c.Polygon({{L + 5, T + 5}, {L + 3, T + 7}, {L + 5, T + 9}});
            break;
        case bdRight:
            c.Polygon({{L + 3, T + 5}, {L + 5, T + 7}, {L + 3, T + 9}});
            break;
        case bdUp:
            c.Polygon({{L + 4, T + 4}, {L + 8, T + 4}, {L + 6, T + 2}});
            break;
        case bdDown:
            c.Polygon({{L + 4, T + 2}, {L + 8, T + 2}, {L + 6, T + 4}});
            break;
        }
        return;
    }
    if (IsWinXP) {
        const TThemeData theme(QStringLiteral("spin"));
        if (theme.IsOpen()) {
            const int part = ButtonDirection == bdUp      ? SPNP_UP
                             : ButtonDirection == bdDown  ? SPNP_DOWN
                             : ButtonDirection == bdRight ? SPNP_UPHORZ
                                                          : SPNP_DOWNHORZ;
            theme.DrawBackground(c, part, pressed ? PBS_PRESSED : FHasMouse ? PBS_HOT : PBS_NORMAL, r);
            return;
        }
    }
    if (ButtonDirection == bdLeft || ButtonDirection == bdRight) {
        unsigned state = ButtonDirection == bdLeft ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT;
        if (pressed)
            state |= DFCS_PUSHED;
        if (Flat())
            state |= DFCS_FLAT;
        DrawFrameControl(c, r, DFC_SCROLL, state);
        return;
    }
    TSpeedButton::Paint();
}

// ---------------------------------------------------------------------------------------------
// TVsgSpinButton

TVsgSpinButton::TVsgSpinButton(TComponent* AOwner) : TWinControl(AOwner)
{
    ControlStyle = (ControlStyle & ~csSetCaption) | csOpaque;
    DlgCode = DLGC_WANTARROWS;
    FUpButton = CreateSpinButton();
    FDownButton = CreateSpinButton();
    LoadSpinGlyph(FUpButton->Glyph(), true);
    LoadSpinGlyph(FDownButton->Glyph(), false);
    FUpButton->ButtonDirection = bdUp;
    FDownButton->ButtonDirection = bdDown;
    SetBounds(0, 0, 15, 25);
    FFocusedButton = FUpButton;
}

TVoTimerSpeedButton* TVsgSpinButton::CreateSpinButton()
{
    auto* button = new TVoTimerSpeedButton(this);
    button->OnClick = [this](TObject* Sender) { SpinButtonClick(Sender); };
    button->OnMouseDown = [this](TObject* Sender, TMouseButton Button, TShiftState, int, int) {
        SpinButtonMouseDown(Sender, Button);
    };
    button->SetVisible(true);
    button->SetEnabled(true);
    button->TimeBtnState = tbAllowTimer;
    button->SetParent(this);
    return button;
}

void TVsgSpinButton::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == FFocusControl)
        FFocusControl = nullptr;
}

void TVsgSpinButton::SetFocusControl(TWinControl* value)
{
    FFocusControl = value;
}

void TVsgSpinButton::LayoutSpinButtons(int& w, int h)
{
    if (!FUpButton || !FDownButton)
        return;
    if (FDirection == spVertical) {
        w = std::max(w, 15);
        const int upHeight = h / 2;
        FUpButton->SetBounds(0, 0, w, upHeight);
        FDownButton->SetBounds(0, upHeight - 1, w, h - upHeight + 1);
    } else {
        w = std::max(w, 20);
        FDownButton->SetBounds(0, 0, w / 2, h);
        FUpButton->SetBounds(w / 2 + 1, 0, w / 2, h);
    }
}

void TVsgSpinButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    LayoutSpinButtons(AWidth, AHeight);
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TVsgSpinButton::SetDirection(TSpinDirection value)
{
    if (value == FDirection)
        return;
    FDirection = value;
    if (value == spHorizontal) {
        FUpButton->ButtonDirection = bdRight;
        FDownButton->ButtonDirection = bdLeft;
        SetWidth(20);
    } else {
        FUpButton->ButtonDirection = bdUp;
        FDownButton->ButtonDirection = bdDown;
        SetWidth(15);
    }
    SetBounds(Left(), Top(), Width(), Height());
    Invalidate();
}

void TVsgSpinButton::SetUpGlyph(const TBitmap* value)
{
    if (value) {
        FUpButton->SetGlyph(*value);
        return;
    }
    LoadSpinGlyph(FUpButton->Glyph(), true);
    FUpButton->SetNumGlyphs(1);
}

void TVsgSpinButton::SetDownGlyph(const TBitmap* value)
{
    if (value) {
        FDownButton->SetGlyph(*value);
        return;
    }
    LoadSpinGlyph(FDownButton->Glyph(), false);
    FDownButton->SetNumGlyphs(1);
}

void TVsgSpinButton::SetIsWinXP(bool value)
{
    FIsWinXP = value;
    FUpButton->IsWinXP = value;
    FDownButton->IsWinXP = value;
    Invalidate();
}

void TVsgSpinButton::SpinButtonClick(TObject* Sender)
{
    if (Sender == FUpButton) {
        if (OnUpClick)
            OnUpClick(this);
    } else if (OnDownClick) {
        OnDownClick(this);
    }
}

void TVsgSpinButton::SpinButtonMouseDown(TObject* Sender, TMouseButton Button)
{
    if (Button != TMouseButton::mbLeft)
        return;
    SetFocusedButton(static_cast<TVoTimerSpeedButton*>(Sender));
    if (FFocusControl && FFocusControl->TabStop && FFocusControl->CanFocus() && !FFocusControl->Focused())
        FFocusControl->SetFocus();
    else if (TabStop && !Focused() && CanFocus())
        SetFocus();
}

void TVsgSpinButton::SetFocusedButton(TVoTimerSpeedButton* button)
{
    if (!TabStop || !CanFocus() || button == FFocusedButton)
        return;
    FFocusedButton->TimeBtnState &= ~tbFocusRect;
    FFocusedButton = button;
    if (Focused()) {
        FFocusedButton->TimeBtnState |= tbFocusRect;
        Invalidate();
    }
}

void TVsgSpinButton::KeyDown(WORD& Key, TShiftState Shift)
{
    TWinControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_SPACE:
        FFocusedButton->Click();
        break;
    case VK_UP:
        SetFocusedButton(FUpButton);
        FUpButton->Click();
        break;
    case VK_DOWN:
        SetFocusedButton(FDownButton);
        FDownButton->Click();
        break;
    default:
        break;
    }
}

void TVsgSpinButton::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_SIZE: {
        TWinControl::WndProc(m);
        int w = Width();
        LayoutSpinButtons(w, Height());
        if (w != Width())
            TWinControl::SetBounds(Left(), Top(), w, Height());
        m.Result = 0;
        return;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TWinControl::WndProc(m);
        if (m.Msg == WM_SETFOCUS)
            FFocusedButton->TimeBtnState |= tbFocusRect;
        else
            FFocusedButton->TimeBtnState &= ~tbFocusRect;
        FFocusedButton->Invalidate();
        return;
    default:
        TWinControl::WndProc(m);
    }
}
