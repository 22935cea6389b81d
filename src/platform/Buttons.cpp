#include "platform/Buttons.h"

#include "platform/ExtCtrls.h"

#include <algorithm>

namespace {

constexpr UINT CM_BUTTONPRESSED = CM_BASE + 40;

}  // namespace

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner)
{
    ControlStyle = csCaptureMouse | csDoubleClicks;
    SetBounds(0, 0, 23, 22);
    SetColor(clBtnFace);
    glyph_.Transparent = true;
}

void TSpeedButton::SetGlyph(const TBitmap& bitmap)
{
    glyph_.Assign(bitmap);
    glyph_.Transparent = true;
    Invalidate();
}

void TSpeedButton::SetHotGlyph(const TBitmap& bitmap)
{
    hotGlyph_.Assign(bitmap);
    hotGlyph_.Transparent = true;
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int n)
{
    numGlyphs_ = std::clamp(n, 1, 4);
    Invalidate();
}

void TSpeedButton::SetFlat(bool v)
{
    flat_ = v;
    Invalidate();
}

void TSpeedButton::SetTransparent(bool v)
{
    transparent_ = v;
    Invalidate();
}

void TSpeedButton::SetDown(bool v)
{
    if (GroupIndex == 0)
        v = false;
    if (v == down_ || (down_ && !v && !AllowAllUp))
        return;
    down_ = v;
    FState = v ? bsExclusive : bsUp;
    Invalidate();
    if (v)
        releaseGroup();
}

void TSpeedButton::releaseGroup()
{
    if (!Parent() || GroupIndex == 0)
        return;
    TMessage m{CM_BUTTONPRESSED, static_cast<WPARAM>(GroupIndex), reinterpret_cast<LPARAM>(this), 0};
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (Parent()->Controls(i) != this)
            Parent()->Controls(i)->Perform(m);
}

void TSpeedButton::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CM_BUTTONPRESSED:
        if (static_cast<int>(m.WParam) == GroupIndex && down_) {
            down_ = false;
            FState = bsUp;
            Invalidate();
        }
        return;
    case CM_MOUSEENTER:
        if (!mouseInControl_ && Enabled()) {
            mouseInControl_ = true;
            Invalidate();
        }
        break;
    case CM_MOUSELEAVE:
        if (mouseInControl_) {
            mouseInControl_ = false;
            Invalidate();
        }
        break;
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    TGraphicControl::WndProc(m);
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft || !Enabled())
        return;
    if (!down_) {
        FState = bsDown;
        Invalidate();
    }
    FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging)
        return;
    TButtonState state = bsUp;
    if (down_)
        state = bsExclusive;
    else if (X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight())
        state = bsDown;
    if (state != FState) {
        FState = state;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging || Button != TMouseButton::mbLeft)
        return;
    FDragging = false;
    const bool inside = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
    if (GroupIndex == 0) {
        FState = bsUp;
    } else if (inside) {
        SetDown(!down_);
        if (down_)
            FState = bsExclusive;
    } else if (down_) {
        FState = bsExclusive;
    }
    Invalidate();
    if (inside)
        Click();
}

void TSpeedButton::DrawGlyph(TCanvas& canvas, int x, int y) const
{
    if (glyph_.Empty())
        return;
    if (!hotGlyph_.Empty() && mouseInControl_ && FState == bsUp && Enabled()) {
        canvas.Draw(x, y, hotGlyph_);
        return;
    }
    const int w = glyph_.Width() / numGlyphs_;
    int index = 0;
    switch (FState) {
    case bsDisabled:
        index = 1;
        break;
    case bsDown:
        index = 2;
        break;
    case bsExclusive:
        index = 3;
        break;
    default:
        break;
    }
    if (index >= numGlyphs_)
        index = 0;
    if (numGlyphs_ == 1) {
        canvas.Draw(x, y, glyph_);
        return;
    }
    TBitmap strip;
    strip.Assign(glyph_);
    strip.Transparent = false;
    TBitmap part(w, glyph_.Height());
    part.Canvas().Draw(-index * w, 0, strip);
    part.Transparent = true;
    part.SetTransparentColor(glyph_.TransparentColor());
    canvas.Draw(x, y, part);
}

void TSpeedButton::Paint()
{
    if (!Enabled()) {
        FState = bsDisabled;
        FDragging = false;
    } else if (FState == bsDisabled) {
        FState = down_ && GroupIndex != 0 ? bsExclusive : bsUp;
    }
    TCanvas& c = Canvas();
    TRect r = ClientRect();
    const bool pressed = FState == bsDown || FState == bsExclusive;
    if (!transparent_ || !flat_) {
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(Color());
        c.FillRect(r);
    }
    if (!flat_)
        Frame3D(c, r, pressed ? clBtnShadow : clBtnHighlight, pressed ? clBtnHighlight : cl3DDkShadow, 1);
    else if (pressed || (mouseInControl_ && Enabled()))
        Frame3D(c, r, pressed ? clBtnShadow : clBtnHighlight, pressed ? clBtnHighlight : clBtnShadow, 1);
    const int offset = pressed ? 1 : 0;
    const int gw = glyph_.Empty() ? 0 : glyph_.Width() / numGlyphs_;
    const int gh = glyph_.Height();
    c.Font().Assign(Font());
    const TSize text = Caption().isEmpty() ? TSize{} : c.TextExtent(Caption());
    const int gap = gw > 0 && text.cx > 0 ? Spacing : 0;
    const int x = (Width() - gw - gap - text.cx) / 2 + offset;
    DrawGlyph(c, x, (Height() - gh) / 2 + offset);
    if (text.cx > 0) {
        c.Brush().SetStyle(bsClear);
        c.TextOut(x + gw + gap, (Height() - text.cy) / 2 + offset, Caption());
    }
}
