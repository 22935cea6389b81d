#include "controls/button/OdButton.h"

#include "platform/Accel.h"
#include "platform/Forms.h"
#include "platform/Menus.h"

#include <utility>

namespace {

constexpr UINT FadeInterval = 30;
constexpr int FullHighlight = 8;

constexpr TColor TransparentColor = 0xFF00FF;

bool isTransparentStyle(TOdButtonStyle style)
{
    return style == bsModern || style == bsShape || style == bsQuicken;
}

}  // namespace

TOdButton::TOdButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(Left(), Top(), 100, 23);
    // The button clicks on its own mouse-up rule, not the base's; it paints every pixel it wants,
    // so no background is erased and the transparent styles show the parent.
    ControlStyle = (ControlStyle & ~csClickEvents) | csCaptureMouse | csOpaque;
    TabStop = true;
    SetColor(clBtnFace);
    if (auto* form = dynamic_cast<TCustomForm*>(AOwner))
        FHTFont.Assign(form->Font());
}

TOdButton::~TOdButton() = default;

template <typename T>
void TOdButton::setAndRepaint(T& field, T value)
{
    if (field == value)
        return;
    field = value;
    Invalidate();
}

void TOdButton::SetAlignment(TAlignment value)
{
    setAndRepaint(FAlignment, value);
}
void TOdButton::SetFlat(bool value)
{
    setAndRepaint(FFlat, value);
}
void TOdButton::SetLayout(TOdButtonLayout value)
{
    setAndRepaint(FLayout, value);
}
void TOdButton::SetLightColor(TColor value)
{
    setAndRepaint(FLightColor, value);
}
void TOdButton::SetNumGlyphs(int value)
{
    setAndRepaint(FNumGlyphs, value);
}
void TOdButton::SetShadowColor(TColor value)
{
    setAndRepaint(FShadowColor, value);
}
void TOdButton::SetWordWrap(bool value)
{
    setAndRepaint(FWordWrap, value);
}
void TOdButton::SetStyle(TOdButtonStyle value)
{
    setAndRepaint(FStyle, value);
}

void TOdButton::SetColorStyle(TOdColorStyle value)
{
    const auto preset = OdColorStyleColors(value);
    if (!preset)
        return;
    SetColor(preset->Face);
    Font().SetColor(preset->FontColor);
    FLightColor = preset->Light;
    FShadowColor = preset->Shadow;
    ColorWhenDown = preset->Down;
    HotTrackColor = preset->HotTrack;
    FFlat = preset->Flat;
    FStyle = preset->Style;
    Invalidate();
}

void TOdButton::SetGlyph(const TBitmap* value)
{
    if (value) {
        FGlyph.Assign(*value);
        FNumGlyphs = FGlyph.Height() > 0 ? FGlyph.Width() / FGlyph.Height() : 0;
    } else {
        FGlyph.SetSize(0, 0);
        FNumGlyphs = 0;
    }
    FKind = bkCustom;
    Invalidate();
}

void TOdButton::SetKind(TOdButtonKind value)
{
    if (value != bkCustom) {
        const TOdKindInfo info = OdKindInfo(value);
        FNumGlyphs = 2;
        SetModalResult(info.ModalResult);
        OdLoadGlyphResource(FGlyph, info.GlyphResource);
        SetCaption(info.Caption);
    }
    FKind = value;
    Invalidate();
}

void TOdButton::SetModalResult(TModalResult value)
{
    FModalResult = value;
    FKind = bkCustom;
}

void TOdButton::SetSlowDecease(bool value)
{
    FSlowDecease = value;
    if (!value) {
        FHotTrackStep = 0;
        KillTimer(FadeTimer);
    }
    Invalidate();
}

void TOdButton::SetEnabled(bool value)
{
    TCustomControl::SetEnabled(value);
    bDown = false;
    Invalidate();
}

TCustomForm* TOdButton::GetOwnerForm() const
{
    for (const TComponent* c = this; c; c = c->Owner())
        if (auto* form = dynamic_cast<const TCustomForm*>(c))
            return const_cast<TCustomForm*>(form);
    return nullptr;
}

bool TOdButton::canHover() const
{
    return Enabled() && Visible() && Parent() && Parent()->Showing();
}

// ---------------------------------------------------------------------------------------------
// Clicks

void TOdButton::Click()
{
    bDown = true;
    // OnClick already ran, so only the action is left of the base click. An ignored click runs
    // no action either.
    if (DoClick())
        if (TBasicAction* action = Action())
            action->Execute();
}

bool TOdButton::DoClick()
{
    // The pressed mark is cleared even when the click is ignored, so a hidden or disabled button
    // is not left pressed.
    const bool pressed = std::exchange(bDown, false);
    if (!pressed || !Visible() || !Enabled())
        return false;
    if (OnClick)
        OnClick(this);
    if (FModalResult != mrNone) {
        if (TCustomForm* form = GetParentForm(this))
            form->SetModalResult(FModalResult);
    }
    if (PopupMenu) {
        const TPoint at = ClientToScreen({0, Height()});
        PopupMenu->Popup(at.X, at.Y);
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Action

void TOdButton::ActionChange(TBasicAction& Sender)
{
    TCustomControl::ActionChange(Sender);
    const auto* action = dynamic_cast<const TCustomAction*>(&Sender);
    if (!action || !action->ActionList() || !action->ActionList()->Images)
        return;
    const TImageList& images = *action->ActionList()->Images;
    if (FGlyph.Empty() && action->ImageIndex() >= 0 && action->ImageIndex() < images.Count())
        CopyActionImage(images, action->ImageIndex());
}

void TOdButton::CopyActionImage(const TImageList& images, int index)
{
    FGlyph.SetSize(images.Width(), images.Height());
    TCanvas& canvas = FGlyph.Canvas();
    canvas.Brush().SetColor(TransparentColor);
    canvas.FillRect(Rect(0, 0, images.Width(), images.Height()));
    images.Draw(canvas, 0, 0, index, true);
    FNumGlyphs = 1;
    Invalidate();
}

void TOdButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft || !Enabled())
        return;
    bDown = true;
    if (CanFocus())
        SetFocus();
    Invalidate();
}

void TOdButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (bDown)
        Click();
    bDown = false;
    Invalidate();
}

void TOdButton::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if ((Key == VK_RETURN || Key == VK_SPACE) && Enabled()) {
        bDown = true;
        Invalidate();
    }
}

void TOdButton::KeyUp(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyUp(Key, Shift);
    // Only a key that pressed the button clicks it: a key-up left over from another window does not.
    if ((Key == VK_RETURN || Key == VK_SPACE) && bDown)
        Click();
    Invalidate();
}

bool TOdButton::dialogChar(char16_t ch)
{
    if (!IsAccel(ch, Caption()) || !canHover())
        return false;
    Click();
    return true;
}

bool TOdButton::dialogKey(WORD key, TShiftState shift)
{
    const bool qualifies =
        (key == VK_RETURN && Default) ||
        (key == VK_ESCAPE && Cancel && (shift & (ssShift | ssCtrl | ssAlt)) == 0 && Visible() && Enabled());
    if (!qualifies)
        return false;
    // A focused push button handles its own Enter and Esc.
    if (const TCustomForm* form = GetOwnerForm(); form && form->ActiveControl()) {
        const QString name = form->ActiveControl()->ClassName().toUpper();
        if (name.contains(QLatin1String("BUTTON")) && !name.contains(QLatin1String("RADIOBUTTON")))
            return false;
    }
    Click();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Hot tracking

void TOdButton::mouseEnter()
{
    if (!canHover())
        return;
    bCursorOnButton = true;
    FHotTrackStep = FullHighlight;
    // A fade still running would take the highlight away under the pointer.
    KillTimer(FadeTimer);
    Invalidate();
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TOdButton::mouseLeave()
{
    bCursorOnButton = false;
    if (FSlowDecease) {
        if (!HasTimer(FadeTimer))
            SetTimer(FadeTimer, FadeInterval);
    } else {
        FHotTrackStep = 0;
        Invalidate();
    }
    if (canHover() && OnMouseExit)
        OnMouseExit(this);
}

void TOdButton::OdButtonFadeTick()
{
    if (--FHotTrackStep <= 0) {
        KillTimer(FadeTimer);
        FHotTrackStep = 0;
    }
    Invalidate();
}

void TOdButton::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_MOUSEENTER:
        mouseEnter();
        return;
    case CM_MOUSELEAVE:
        mouseLeave();
        return;
    case WM_TIMER:
        if (Message.WParam == FadeTimer) {
            OdButtonFadeTick();
            return;
        }
        break;
    case CM_FOCUSCHANGED:
        Invalidate();
        break;
    case CM_DIALOGCHAR:
        if (dialogChar(static_cast<char16_t>(Message.WParam))) {
            Message.Result = 1;
            return;
        }
        break;
    case CM_DIALOGKEY:
        if (dialogKey(static_cast<WORD>(Message.WParam), KeyDataToShiftState(Message.LParam))) {
            Message.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TCustomControl::WndProc(Message);
}

// ---------------------------------------------------------------------------------------------
// Painting

TOdFace TOdButton::face(int width, int height, bool down) const
{
    const bool focused = Focused();
    TOdFace f;
    f.Width = width;
    f.Height = height;
    f.Alignment = FAlignment;
    f.Caption = Caption();
    f.Layout = FLayout;
    f.Font = UseHotTrackFont && (bCursorOnButton || focused) ? &FHTFont : &Font();
    f.ShadowColor = FShadowColor;
    f.LightColor = FLightColor;
    f.HotTrackColor = HotTrackColor;
    f.DownColor = ColorWhenDown;
    f.FaceColor = Color();
    f.Style = FStyle;
    f.HasPopup = PopupMenu != nullptr;
    f.WordWrap = FWordWrap;
    f.Flat = FFlat;
    f.Enabled = Enabled();
    f.Hot = bCursorOnButton || focused;
    f.Down = down;
    f.Glyph = &FGlyph;
    f.NumGlyphs = FNumGlyphs;
    f.HotTrackStep = FHotTrackStep;
    return f;
}

void TOdButton::Paint()
{
    if (!Visible() || (ComponentState() & (csLoading | csDestroying)))
        return;
    const int W = Width();
    const int H = Height();
    TBitmap bitmap(W, H);
    if (isTransparentStyle(FStyle)) {
        bitmap.Transparent = true;
        bitmap.SetTransparentColor(TransparentColor);
        bitmap.Canvas().Brush().SetColor(TransparentColor);
        bitmap.Canvas().FillRect(Rect(0, 0, W, H));
    }
    if (FStyle == bsOld && Focused()) {
        // The face one pixel smaller, moved one pixel right and down inside a black frame.
        TOdFace f = face(W - 2, H - 2, bDown);
        if (bDown)
            f.LightColor = FShadowColor;
        DrawOdButtonFace(bitmap.Canvas(), f);
        TBitmap copy;
        copy.Assign(bitmap);
        bitmap.Canvas().Draw(1, 1, copy);
        bitmap.Canvas().Brush().SetStyle(bsClear);
        bitmap.Canvas().Pen().SetColor(clBlack);
        bitmap.Canvas().Rectangle(0, 0, W, H);
    } else {
        DrawOdButtonFace(bitmap.Canvas(), face(W, H, bDown));
    }
    Canvas().Draw(0, 0, bitmap);
    if (Focused() && Enabled() && FStyle != bsShape)
        Canvas().DrawFocusRect(Rect(4, 4, W - 4, H - 4));
}
