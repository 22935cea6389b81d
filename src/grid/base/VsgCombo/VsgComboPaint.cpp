#include "grid/base/VoXPVS.h"
#include "grid/base/VsgCombo/VsgCombo.h"
#include "platform/Forms.h"

bool TVsgCustomCombo::IsThemeActiveFor() const
{
    return FIsThemed && IsThemeActive();
}

bool TVsgCustomCombo::IsComboHot() const
{
    if (ComponentState() & csDesigning)
        return Enabled();
    const TCustomForm* form = GetParentForm(this);
    return FMouseInControl || (form && form->focusedControl() == this);
}

bool TVsgCustomCombo::IsBorderHot() const
{
    return !(ComponentState() & csDesigning) && IsComboHot() && FocusBorder;
}

void TVsgCustomCombo::PaintCombo(TCanvas& canvas)
{
    if (IsVista && ButtonColor == clNone)
        return;
    const bool selfPainted = FFlat || ButtonColor != clNone || FBorderColor != clNone ||
                             (FocusBorderColor != clNone && FHasFocus) ||
                             (!Enabled() && IsThemeActiveFor() && !DisabledBorder);
    if (!selfPainted)
        return;
    if (Style() != csSimple && BiDiMode == bdLeftToRight)
        PaintComboButton(canvas);
    if (BiDiMode == bdLeftToRight)
        PaintComboBorders(canvas);
}

void TVsgCustomCombo::PaintComboButton(TCanvas& canvas)
{
    TRect r = Rect(0, 0, Width(), Height());
    r.Left += ClientWidth() - FButtonWidth + 2;
    r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    if (ButtonColor != clNone) {
        r = Rect(r.Left - 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        PaintColoredDropButton(canvas, r, *this, FButtonHover, {r.Left + 4, r.Top + 7}, r.Left);
        return;
    }
    PaintPlainDropButton(canvas, r, IsThemeActiveFor(), Enabled(), FButtonHover, DroppedDown());
}

void TVsgCustomCombo::PaintComboBorders(TCanvas& canvas)
{
    if (Enabled() && !FFlat && FBorderColor == clNone && FocusBorderColor == clNone)
        return;
    if (IsVista && FBorderColor == clNone)
        return;
    PaintComboBorder(canvas);
    if (Style() != csSimple && (!IsWinXP || !IsThemeActiveFor()))
        PaintFlatButtonArea(canvas);
}

void TVsgCustomCombo::PaintComboBorder(TCanvas& canvas)
{
    TRect w = Rect(0, 0, Width(), Height());
    if (!Enabled() && FIsThemed && !DisabledBorder) {
        FrameInColor(canvas, w, 0xB99D7F);
        return;
    }
    if (FBorderColor != clNone && !(FHasFocus && FocusBorderColor != clNone)) {
        FrameInColor(canvas, w, FBorderColor);
        return;
    }
    if (FocusBorderColor != clNone) {
        if (FHasFocus)
            FrameInColor(canvas, w, FocusBorderColor);
        return;
    }
    const TColor parentColor = Parent() ? Parent()->Color() : Color();
    w = PaintFlatBoxBorder(canvas, w, IsBorderHot(), parentColor, Color(), FButtonWidth);
    if (FFlat && FFlatLineColor != clNone) {
        canvas.Pen().SetColor(FFlatLineColor);
        canvas.Pen().SetWidth(1);
        canvas.MoveTo(w.Left - 2, Height() - 1);
        canvas.LineTo(w.Right - FButtonWidth - 1, Height() - 1);
    }
}

void TVsgCustomCombo::PaintFlatButtonArea(TCanvas& canvas)
{
    PaintFlatButtonFace(canvas, Rect(0, 0, Width(), Height()), ClientWidth(), ClientHeight(), FButtonWidth,
                        IsComboHot());
}
