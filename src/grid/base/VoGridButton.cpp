#include "grid/base/VoGridButton.h"

#include <cmath>

#include "grid/base/VoStyleIF.h"
#include "grid/base/VoXPVS.h"
#include "platform/Accel.h"

namespace {

constexpr UINT CM_GRIDBUTTONPRESSED = CM_BASE + 41;
constexpr int DropDownWidth = 12;

struct TLookColors {
    TColor color, colorTo, hot, hotTo, down, downTo, checked, checkedTo, borderDown, borderHot;
    bool rounded;
};

constexpr TLookColors LookOf2 = {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF,
                                 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000, false};

TLookColors withFace(TLookColors look, TColor color, TColor colorTo)
{
    look.color = color;
    look.colorTo = colorTo;
    return look;
}

const TLookColors Looks[7] = {
    {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, clNone, 0xAF987A, 0xC3CECE, true},
    {clBtnFace, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31, false},
    LookOf2,
    withFace(LookOf2, 0xCFF0EA, 0x8CC0B1),
    withFace(LookOf2, 0xECE2E1, 0xB39698),
    {clBtnFace, clNone, clBtnFace, clNone, 0xD8D3D2, clNone, 0xCAC7C7, clNone, clNone, clNone, false},
    {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080, false},
};

TRect grow(const TRect& r, int by)
{
    return Rect(r.Left - by, r.Top - by, r.Right + by, r.Bottom + by);
}

// A face without second colour: a rectangle framed in the frame colour, or in the face colour for none.
void drawFace(TCanvas& c, TColor from, TColor to, TColor frame, const TRect& r)
{
    if (to != clNone) {
        DrawButtonGradient(c, from, to, frame, r);
        return;
    }
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(from);
    c.Pen().SetColor(frame == clNone ? from : frame);
    c.Rectangle(r);
}

void roundedBorder(TCanvas& c, const TRect& r, TColor color)
{
    c.Brush().SetStyle(bsClear);
    c.Pen().SetColor(color);
    const TRect g = grow(r, 1);
    c.RoundRect(g.Left, g.Top, g.Right, g.Bottom, 8, 8);
}

}  // namespace

void DrawButtonGradient(TCanvas& canvas, TColor from, TColor to, TColor frame, const TRect& r)
{
    const int n = 16;
    const TColor f = ColorToRGB(from);
    const TColor t = ColorToRGB(to);
    const double h = r.Height();
    const auto channel = [n](int a, int b, int i) {
        return a + static_cast<int>(std::lround(i * (b - a) / double(n)));
    };
    canvas.Brush().SetStyle(bsSolid);
    for (int i = 0; i < n; ++i) {
        const TColor c = RGB(channel(GetRValue(f), GetRValue(t), i), channel(GetGValue(f), GetGValue(t), i),
                             channel(GetBValue(f), GetBValue(t), i));
        canvas.Brush().SetColor(c);
        canvas.Pen().SetColor(c);
        const int top = r.Top + static_cast<int>(std::lround(i * h / n));
        canvas.FillRect(Rect(r.Left, top, r.Right, top + static_cast<int>(std::lround(h / n)) + 1));
    }
    if (frame != clNone) {
        canvas.Brush().SetStyle(bsClear);
        canvas.Pen().SetColor(frame);
        canvas.Rectangle(r);
    }
}

TVoGridButton::TVoGridButton(TComponent* AOwner) : TGraphicControl(AOwner)
{
    ControlStyle = csCaptureMouse | csDoubleClicks;
    SetBounds(0, 0, 22, 23);
    SetColor(clBtnFace);
}

void TVoGridButton::Loaded()
{
    if (FShaded)
        MakeShadeGlyph();
    if (FAutoThemeAdapt)
        ThemeAdapt();
}

void TVoGridButton::Notification(TComponent* component, TOperation operation)
{
    TGraphicControl::Notification(component, operation);
    if (operation == opRemove && component == DropDownMenu)
        DropDownMenu = nullptr;
}

void TVoGridButton::SetGlyph(const TBitmap& value)
{
    FGlyph.Assign(value);
    FGlyph.Transparent = true;
    if (FGlyphDisabled.Empty())
        MakeDisabledGlyph();
    if (FShaded)
        MakeShadeGlyph();
    Invalidate();
}

// Every pixel grey: 96 + the mean of its channels halved.
void TVoGridButton::MakeDisabledGlyph()
{
    FGlyphDisabled.Assign(FGlyph);
    TCanvas& c = FGlyphDisabled.Canvas();
    for (int y = 0; y < FGlyphDisabled.Height(); ++y)
        for (int x = 0; x < FGlyphDisabled.Width(); ++x) {
            const TColor p = c.Pixels(x, y);
            const int g = 96 + ((GetRValue(p) + GetGValue(p) + GetBValue(p)) / 3) / 2;
            c.SetPixel(x, y, RGB(g, g, g));
        }
    FGlyphDisabled.Transparent = true;
}

// The glyph's silhouette in $808080 on its transparent colour.
void TVoGridButton::MakeShadeGlyph()
{
    FGlyphShade.Assign(FGlyph);
    if (FGlyphShade.Empty())
        return;
    TCanvas& c = FGlyphShade.Canvas();
    const TColor transparent = c.Pixels(0, FGlyphShade.Height() - 1);
    for (int y = 0; y < FGlyphShade.Height(); ++y)
        for (int x = 0; x < FGlyphShade.Width(); ++x)
            if (c.Pixels(x, y) != transparent)
                c.SetPixel(x, y, 0x808080);
    FGlyphShade.Transparent = true;
}

void TVoGridButton::SetDown(bool value)
{
    if (FGroupIndex == 0 && FStyle != tasCheck)
        value = false;
    if (FStyle == tasCheck) {
        FDown = value;
        Invalidate();
        return;
    }
    if (value == FDown || (FDown && !FAllowAllUp))
        return;
    FDown = value;
    if (value) {
        if (FState == bsUp)
            Invalidate();
        FState = bsExclusive;
        UpdateExclusive();
    } else {
        FState = bsUp;
        Invalidate();
    }
}

void TVoGridButton::UpdateExclusive()
{
    if (!Parent() || FGroupIndex == 0)
        return;
    TMessage m{CM_GRIDBUTTONPRESSED, static_cast<WPARAM>(FGroupIndex), reinterpret_cast<LPARAM>(this), 0};
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        Parent()->Controls(i)->Perform(m);
}

void TVoGridButton::GroupMessage(int groupIndex, TVoGridButton* sender)
{
    if (groupIndex != FGroupIndex || sender == this)
        return;
    if (sender->Down() && FDown) {
        FDown = false;
        FState = bsUp;
        Invalidate();
    }
    FAllowAllUp = sender->AllowAllUp();
}

void TVoGridButton::SetGroupIndex(int value)
{
    if (value == FGroupIndex)
        return;
    FGroupIndex = value;
    UpdateExclusive();
}

void TVoGridButton::SetAllowAllUp(bool value)
{
    if (value == FAllowAllUp)
        return;
    FAllowAllUp = value;
    UpdateExclusive();
}

void TVoGridButton::SetLayout(TButtonLayout value)
{
    if (value != FLayout) {
        FLayout = value;
        Invalidate();
    }
}

void TVoGridButton::SetSpacing(int value)
{
    if (value != FSpacing) {
        FSpacing = value;
        Invalidate();
    }
}

void TVoGridButton::SetMargin(int value)
{
    if (value != FMargin && value >= -1) {
        FMargin = value;
        Invalidate();
    }
}

void TVoGridButton::SetFlat(bool value)
{
    if (value != FFlat) {
        FFlat = value;
        Invalidate();
    }
}

void TVoGridButton::SetShowCaption(bool value)
{
    if (value != FShowCaption) {
        FShowCaption = value;
        Invalidate();
    }
}

void TVoGridButton::SetShaded(bool value)
{
    FShaded = value;
    if (value)
        MakeShadeGlyph();
}

void TVoGridButton::SetStyle(TVoGridButtonStyle value)
{
    FStyle = value;
    Invalidate();
}

void TVoGridButton::SetRounded(bool value)
{
    FRounded = value;
    Invalidate();
}

void TVoGridButton::SetDropDownButton(bool value)
{
    FDropDownButton = value;
    Invalidate();
}

void TVoGridButton::SetBorderColor(TColor value)
{
    FBorderColor = value;
    Invalidate();
}

void TVoGridButton::SetColorTo(TColor value)
{
    FColorTo = value;
    Invalidate();
}

void TVoGridButton::SetColorChecked(TColor value)
{
    FColorChecked = value;
    Invalidate();
}

void TVoGridButton::SetColorCheckedTo(TColor value)
{
    FColorCheckedTo = value;
    Invalidate();
}

void TVoGridButton::SetLook(int value)
{
    FLook = value;
    if (value < 0 || value > 6)
        return;
    const TLookColors& l = Looks[value];
    FBorderColor = clNone;
    FFlat = true;
    SetColor(l.color);
    FColorTo = l.colorTo;
    ColorHot = l.hot;
    ColorHotTo = l.hotTo;
    ColorDown = l.down;
    ColorDownTo = l.downTo;
    FColorChecked = l.checked;
    FColorCheckedTo = l.checkedTo;
    BorderDownColor = l.borderDown;
    BorderHotColor = l.borderHot;
    FRounded = l.rounded;
    Invalidate();
}

void TVoGridButton::SetAutoThemeAdapt(bool value)
{
    FAutoThemeAdapt = value;
    if (value)
        ThemeAdapt();
}

// "NormalColor", "HomeStead" and "Metallic" take looks 2, 3 and 4; anything else look 1.
void TVoGridButton::ThemeAdapt()
{
    switch (CurrentXPColorScheme()) {
    case 1:
        SetLook(2);
        break;
    case 2:
        SetLook(3);
        break;
    case 3:
        SetLook(4);
        break;
    default:
        SetLook(1);
        break;
    }
}

void TVoGridButton::Click()
{
    TGraphicControl::Click();
}

void TVoGridButton::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CM_GRIDBUTTONPRESSED:
        GroupMessage(static_cast<int>(m.WParam), reinterpret_cast<TVoGridButton*>(m.LParam));
        return;
    case CM_MOUSEENTER:
        if (!FMouseInControl && Enabled() && !GetCaptureControl()) {
            FMouseInControl = true;
            Invalidate();
        }
        break;
    case CM_MOUSELEAVE:
        if (FMouseInControl && Enabled() && !FDragging) {
            FMouseInControl = false;
            Invalidate();
        }
        break;
    case WM_LBUTTONDBLCLK:
        TGraphicControl::WndProc(m);
        if (FDown)
            DblClick();
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<char16_t>(m.WParam), Caption()) && Enabled() && Visible() && Parent() &&
            Parent()->Showing()) {
            Click();
            m.Result = 1;
            return;
        }
        break;
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
        Invalidate();
        break;
    case WM_THEMECHANGED:
        if (FAutoThemeAdapt)
            ThemeAdapt();
        break;
    default:
        break;
    }
    TGraphicControl::WndProc(m);
}

bool TVoGridButton::Inside(int X, int Y) const
{
    return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
}

void TVoGridButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft || !Enabled())
        return;
    if (FDropDownButton && X > ClientWidth() - DropDownWidth) {
        FState = bsUp;
        if (OnDropDown)
            OnDropDown(this);
        if (DropDownMenu) {
            const TPoint p = ClientToScreen({0, Height()});
            DropDownMenu->Popup(p.X, p.Y);
        }
        SetMouseCapture(false);
        return;
    }
    if (!FDown || FStyle == tasCheck) {
        FState = bsDown;
        Repaint();
    }
    FDragging = true;
}

void TVoGridButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging)
        return;
    TButtonState state = bsUp;
    if (FDown)
        state = FStyle == tasCheck ? bsDown : bsExclusive;
    else if (Inside(X, Y))
        state = bsDown;
    if (state != FState) {
        FState = state;
        Invalidate();
    }
}

void TVoGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging)
        return;
    FDragging = false;
    const bool inside = Inside(X, Y);
    if (FGroupIndex == 0) {
        FState = bsUp;
        if (FStyle == tasCheck && inside)
            FDown = !FDown;
        Invalidate();
    } else if (inside) {
        SetDown(!FDown);
        if (FDown)
            Invalidate();
    } else if (FDown) {
        FState = bsExclusive;
        Invalidate();
    }
    if (inside)
        Click();
}

// The flat faces: idle, hot or pressed, with gradients, frames and rounded borders.
void TVoGridButton::PaintFlatFace(TRect& r)
{
    TCanvas& c = Canvas();
    if (BorderDownColor == clNone || FRounded)
        r = grow(r, -1);
    const bool hot = FMouseInControl && Enabled() && !(ComponentState() & csDesigning);
    const bool checkedDown = FStyle == tasCheck && FDown;
    if (!hot) {
        if (checkedDown) {
            drawFace(c, FColorChecked, FColorCheckedTo, BorderDownColor, r);
        } else {
            TColor frame = FDown ? BorderDownColor : FBorderColor;
            if (FRounded)
                frame = clNone;
            if (FColorTo != clNone)
                DrawButtonGradient(c, Color(), FColorTo, frame, r);
            else {
                c.Brush().SetStyle(bsSolid);
                c.Brush().SetColor(Color());
                c.FillRect(r);
            }
            if (FBorderColor != clNone) {
                if (FRounded)
                    roundedBorder(c, r, FBorderColor);
                else {
                    c.Brush().SetColor(FBorderColor);
                    c.FrameRect(r);
                }
            }
        }
    } else {
        const bool pressed = FState == bsDown;
        TColor from = ColorHot, to = ColorHotTo, frame = BorderHotColor;
        if (checkedDown && !pressed) {
            from = FColorChecked;
            to = FColorCheckedTo;
            frame = BorderDownColor;
        } else if (pressed) {
            from = ColorDown;
            to = ColorDownTo;
            frame = BorderDownColor;
        }
        drawFace(c, from, to, FRounded ? clNone : frame, r);
        const TColor border = pressed ? BorderDownColor : BorderHotColor;
        if (FRounded && border != clNone)
            roundedBorder(c, r, border);
        if (FDropDownButton && border != clNone) {
            c.Pen().SetColor(border);
            c.MoveTo(r.Right - DropDownWidth, r.Top);
            c.LineTo(r.Right - DropDownWidth, r.Bottom);
        }
    }
    r = grow(r, -1);
}

void TVoGridButton::Paint()
{
    if (!Enabled()) {
        FState = bsDisabled;
        FDragging = false;
    } else if (FState == bsDisabled) {
        FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
    }
    TCanvas& c = Canvas();
    c.Font().Assign(Font());
    TRect r = ClientRect();
    const TButtonState painted = FStyle == tasCheck && FDown ? bsDown : FState;
    const bool pressed = painted == bsDown || painted == bsExclusive;
    if (FFlat) {
        PaintFlatFace(r);
    } else if (AutoXPStyle && IsThemeActive()) {
        TThemeData(QStringLiteral("button"))
            .DrawBackground(c, BP_PUSHBUTTON,
                            pressed           ? PBS_PRESSED
                            : FMouseInControl ? PBS_HOT
                                              : PBS_NORMAL,
                            r);
    } else {
        DrawFrameControl(c, r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    }
    if (painted == bsExclusive && (!FFlat || !FMouseInControl)) {
        const TRect g = grow(r, 1);
        drawFace(c, FColorChecked, FColorCheckedTo, clNone, g);
    }
    PaintContent(r);
}

// The drop-down triangle, the glyph (with its shade while hot) and the caption.
void TVoGridButton::PaintContent(TRect r)
{
    TCanvas& c = Canvas();
    const TButtonState painted = FStyle == tasCheck && FDown ? bsDown : FState;
    const bool pressed = painted == bsDown || painted == bsExclusive;
    const bool hot = FMouseInControl && Enabled();
    TPoint offset{0, 0};
    if (pressed && !FFlat)
        offset = {1, 1};
    else if (FFlat && FShaded && hot && !pressed)
        offset = {-1, -1};
    if (FDropDownButton) {
        const int cy = r.Top + r.Height() / 2;
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(Font().Color());
        c.Pen().SetColor(Font().Color());
        c.Polygon({{r.Right - 8, cy - 1}, {r.Right - 4, cy - 1}, {r.Right - 6, cy + 1}});
        r.Right -= DropDownWidth;
    }
    TButtonLayout layout = FLayout;
    if (BiDiMode != bdLeftToRight && (layout == blGlyphLeft || layout == blGlyphRight))
        layout = layout == blGlyphLeft ? blGlyphRight : blGlyphLeft;
    const TSize glyph{FGlyph.Width(), FGlyph.Height()};
    TRect textRect = Rect(0, 0, ClientWidth(), 0);
    const QString caption = FShowCaption ? Caption() : QString();
    if (!caption.isEmpty())
        c.DrawText(caption, textRect, DT_CALCRECT | DT_SINGLELINE);
    const TSize text{caption.isEmpty() ? 0 : textRect.Width(), caption.isEmpty() ? 0 : textRect.Height()};
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    const int client = horizontal ? r.Width() : r.Height();
    const int glyphLen = horizontal ? glyph.cx : glyph.cy;
    const int textLen = horizontal ? text.cx : text.cy;
    int spacing = (text.cx == 0 || glyph.cx == 0) ? 0 : FSpacing;
    int margin = FMargin;
    if (margin == -1 && spacing == -1)
        margin = spacing = (client - glyphLen - textLen) / 3;
    else if (margin == -1)
        margin = (client - glyphLen - spacing - textLen + 1) / 2;
    else if (spacing == -1)
        spacing = (client - margin - glyphLen - textLen) / 2;
    TPoint g{0, 0};
    TPoint t{0, 0};
    if (horizontal) {
        g.Y = (r.Height() - glyph.cy + 1) / 2;
        t.Y = (r.Height() - text.cy + 1) / 2;
        if (layout == blGlyphLeft) {
            g.X = margin;
            t.X = g.X + glyph.cx + spacing;
        } else {
            g.X = client - margin - glyph.cx;
            t.X = g.X - spacing - text.cx;
        }
    } else {
        g.X = (r.Width() - glyph.cx + 1) / 2;
        t.X = (r.Width() - text.cx + 1) / 2;
        if (layout == blGlyphTop) {
            g.Y = margin;
            t.Y = g.Y + glyph.cy + spacing;
        } else {
            g.Y = client - margin - glyph.cy;
            t.Y = g.Y - spacing - text.cy;
        }
    }
    g = {g.X + r.Left + offset.X, g.Y + r.Top + offset.Y};
    t = {t.X + r.Left + offset.X, t.Y + r.Top + offset.Y};
    if (caption.isEmpty())
        g = {0, 0};
    const TBitmap* shown = &FGlyph;
    if (!Enabled())
        shown = &FGlyphDisabled;
    else if (hot && !(ComponentState() & csDesigning))
        shown = pressed ? &FGlyphDown : &FGlyphHot;
    else if (pressed)
        shown = &FGlyphDown;
    if (shown->Empty())
        shown = &FGlyph;
    if (!FGlyph.Empty()) {
        if (FShaded && Enabled() && hot && painted != bsDown && !FGlyphShade.Empty())
            c.Draw(caption.isEmpty() ? g.X : g.X + 2, caption.isEmpty() ? g.Y : g.Y + 2, FGlyphShade);
        c.Draw(g.X, g.Y, *shown);
    }
    if (caption.isEmpty())
        return;
    c.Brush().SetStyle(bsClear);
    if (FFlat && FShaded && Enabled() && hot && painted != bsDown && painted != bsExclusive)
        t = {t.X + 1, t.Y + 1};
    if (!Enabled()) {
        c.Font().SetColor(clBtnHighlight);
        c.TextOut(t.X + 1, t.Y + 1, caption);
        c.Font().SetColor(clBtnShadow);
    }
    c.TextOut(t.X, t.Y, caption);
}
