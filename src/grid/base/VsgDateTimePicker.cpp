#include "grid/base/VsgDateTimePicker.h"

#include "grid/base/VoStyleIF.h"
#include "grid/base/VoXPVS.h"
#include "platform/Forms.h"
#include "platform/SystemMetrics.h"

namespace {

// Painting over the picker after its own painting works on this platform as on the newer systems.
constexpr bool NewerPlatform = true;

}  // namespace

TVsgDateTimePicker::TVsgDateTimePicker(TComponent* AOwner)
    : TDateTimePicker(AOwner), FButtonWidth(GetSystemMetrics(SM_CXVSCROLL) + 2)
{
    FIsThemed = ComCtlVersionAbove5();
    FIsWinXP = IsWinXPOrLater();
    TVsgDateTimePicker::SetPickerBorderStyle(bsSingle);
    FBorderStyle = bsNone;
    SetCtl3D(true);
}

QString TVsgDateTimePicker::Version() const
{
    const int v = GetVersionNr();
    return QStringLiteral("%1.%2.%3.%4").arg((v >> 24) & 0xFF).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

void TVsgDateTimePicker::SetBorderColor(TColor value)
{
    if (value == FBorderColor)
        return;
    FBorderColor = value;
    Invalidate();
}

void TVsgDateTimePicker::SetMetroStyle(bool value)
{
    if (value == FMetroStyle)
        return;
    FMetroStyle = value;
    Invalidate();
}

void TVsgDateTimePicker::SetPickerBorderStyle(TBorderStyle value)
{
    if (value == FBorderStyle)
        return;
    FBorderStyle = value;
    Invalidate();
}

bool TVsgDateTimePicker::IsMetroActive() const
{
    return FMetroStyle && !(ComponentState() & csDesigning);
}

bool TVsgDateTimePicker::IsThemeActiveFor() const
{
    return FIsThemed && IsThemeActive();
}

bool TVsgDateTimePicker::IsPickerHot() const
{
    if (ComponentState() & csDesigning)
        return Enabled();
    const TCustomForm* form = GetParentForm(this);
    return FMouseInControl || (form && form->focusedControl() == this);
}

bool TVsgDateTimePicker::IsPickerBorderHot() const
{
    return !(ComponentState() & csDesigning) && IsPickerHot() && FFocusBorder;
}

void TVsgDateTimePicker::MouseMove(TShiftState Shift, int X, int Y)
{
    TDateTimePicker::MouseMove(Shift, X, Y);
    const bool hover = X > Width() - FButtonWidth && X < Width();
    if (hover != FButtonHover) {
        FButtonHover = hover;
        Invalidate();
    }
}

void TVsgDateTimePicker::DoEnter()
{
    FHasFocus = true;
    Invalidate();
    TDateTimePicker::DoEnter();
}

void TVsgDateTimePicker::DoExit()
{
    FHasFocus = false;
    Invalidate();
    TDateTimePicker::DoExit();
}

void TVsgDateTimePicker::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_PAINT:
        PaintPicker(Canvas());
        return;
    case CM_MOUSEENTER:
        if (!FMouseInControl && Enabled()) {
            FMouseInControl = true;
            Invalidate();
        }
        break;
    case CM_MOUSELEAVE:
        if (FMouseInControl && Enabled()) {
            FMouseInControl = false;
            FButtonHover = false;
            Invalidate();
        }
        break;
    default:
        break;
    }
    TDateTimePicker::WndProc(m);
}

// The client painting, then what the window frame would carry.
void TVsgDateTimePicker::PaintPicker(TCanvas& canvas)
{
    if ((!Ctl3D() || IsMetroActive()) && NewerPlatform) {
        if (IsMetroActive() && Kind() != dtkTime) {
            const int r = ClientWidth();
            const int margin = IsComboPicker() ? 4 : 15;
            canvas.Brush().SetStyle(bsSolid);
            canvas.Brush().SetColor(Color());
            canvas.FillRect(IsThemeActive() ? Rect(r - FButtonWidth - margin, 1, r, Height())
                                            : Rect(r - FButtonWidth - 2, 4, r - 2, Height() - 4));
            PaintPickerButton(canvas);
            if (IsComboPicker() && !Ctl3D())
                PaintClientOutline(canvas);
        }
        PaintPickerBorders(canvas);
    }
    PaintPickerOutline(canvas);
    if ((!Enabled() && IsThemeActiveFor() && !FDisabledBorder) || (FFocusBorderColor != clNone && FHasFocus) ||
        FBorderColor != clNone)
        PaintPickerBorders(canvas);
}

void TVsgDateTimePicker::PaintPickerButton(TCanvas& canvas)
{
    TRect b = Rect(0, 0, Width(), Height());
    b.Left += ClientWidth() - FButtonWidth + 2;
    b = Rect(b.Left + 1, b.Top + 1, b.Right - 1, b.Bottom - 1);
    if (ButtonColor != clNone) {
        const TRect fill = Rect(b.Left + 2, b.Top, b.Right, b.Bottom);
        PaintColoredDropButton(canvas, fill, *this, FButtonHover, {b.Left + 5, b.Top + 7}, b.Left);
        return;
    }
    PaintPlainDropButton(canvas, b, IsThemeActiveFor(), Enabled(), FButtonHover, DroppedDown());
}

void TVsgDateTimePicker::PaintPickerBorders(TCanvas& canvas)
{
    if (!IsMetroActive())
        return;
    if (Enabled() && FBorderColor == clNone && FFocusBorderColor == clNone)
        return;
    PaintPickerBorder(canvas);
    if (!(FIsWinXP && IsThemeActiveFor()))
        PaintPickerFlatButtonArea(canvas);
}

void TVsgDateTimePicker::PaintPickerBorder(TCanvas& canvas)
{
    const TRect w = Rect(0, 0, Width(), Height());
    if (!Enabled() && FIsThemed && !FDisabledBorder) {
        FrameInColor(canvas, w, 0xB99D7F);
        return;
    }
    if (FBorderColor != clNone && !(FHasFocus && FFocusBorderColor != clNone)) {
        FrameInColor(canvas, w, FBorderColor);
        return;
    }
    if (FFocusBorderColor != clNone) {
        if (FHasFocus)
            FrameInColor(canvas, w, FFocusBorderColor);
        return;
    }
    const TColor parentColor = Parent() ? Parent()->Color() : Color();
    PaintFlatBoxBorder(canvas, w, IsPickerBorderHot(), parentColor, Color(), FButtonWidth);
}

void TVsgDateTimePicker::PaintPickerFlatButtonArea(TCanvas& canvas)
{
    const bool hot = IsPickerHot();
    PaintFlatButtonFace(canvas, Rect(0, 0, Width(), Height()), ClientWidth(), ClientHeight(), FButtonWidth, hot);
    if (!hot)
        return;
    canvas.SaveState();
    canvas.ExcludeClipRect(Rect(ClientWidth() - FButtonWidth + 4, 4, ClientWidth() - 4, ClientHeight() - 4));
    TRect c = Rect(ClientWidth() - FButtonWidth, 2, Width() - 2, Height() - 2);
    DrawEdge(canvas, c, EDGE_RAISED, BF_RECT | (DroppedDown() ? BF_FLAT : 0));
    canvas.RestoreState();
}

// The outline of a picker without 3-D border; the combined picker draws it whatever its border colour.
void TVsgDateTimePicker::PaintPickerOutline(TCanvas& canvas)
{
    if (Ctl3D() || (FBorderColor == clNone && !IsComboPicker()))
        return;
    const bool hasParent = Parent() != nullptr;
    TColor pen = FBorderColor;
    if (FBorderStyle == bsNone && hasParent)
        pen = Parent()->Color();
    else if (FIsThemed)
        pen = 0xB99D7F;
    const int W = Width();
    const int H = Height();
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(pen);
    canvas.Polyline({{0, H}, {0, 0}, {W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
    if (hasParent) {
        if (FBorderStyle == bsSingle)
            canvas.Pen().SetColor(Parent()->Color());
        canvas.Polyline({{1, H - 2}, {1, 1}, {W - 1, 1}});
    }
}

void TVsgDateTimePicker::PaintClientOutline(TCanvas& canvas)
{
    TColor pen = FBorderColor;
    if (FBorderStyle == bsNone && Parent())
        pen = Parent()->Color();
    else if (FIsThemed)
        pen = 0xB99D7F;
    const int W = Width();
    const int H = Height();
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(pen);
    canvas.Polyline({{0, H}, {0, 0}, {W - 1, 0}, {W - 1, H - 1}, {0, H - 1}});
    if (!IsThemeActive())
        canvas.Polyline({{1, H}, {1, 1}, {W - 2, 1}, {W - 2, H - 2}, {0, H - 2}});
}
