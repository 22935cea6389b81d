#include "grid/base/VsgEditLook.h"

#include "grid/base/VoXPVS.h"
#include "platform/Messages.h"

TPoint LabelOrigin(TLabelPosition position, const TRect& bounds, TSize labelSize, int textWidth, int margin)
{
    const int L = bounds.Left;
    const int T = bounds.Top;
    const int W = bounds.Width();
    const int H = bounds.Height();
    const int lw = labelSize.cx;
    const int lh = labelSize.cy;
    const int m = margin;
    switch (position) {
    case lpLeftTop:
        return {L - textWidth - m, T};
    case lpLeftCenter:
        return {L - textWidth - m, T + (H - lh) / 2};
    case lpLeftBottom:
        return {L - textWidth - m, T + H - lh};
    case lpTopLeft:
        return {L, T - lh - m};
    case lpBottomLeft:
        return {L, T + H + m};
    case lpLeftTopLeft:
        return {L - m, T};
    case lpLeftCenterLeft:
        return {L - m, T + (H - lh) / 2};
    case lpLeftBottomLeft:
        return {L - m, T + H - lh};
    case lpTopCenter:
        return {L + (W - lw) / 2, T - lh - m};
    case lpBottomCenter:
        return {L + (W - lw) / 2, T + H + m};
    case lpRightTop:
        return {L + W + m, T};
    case lpRightCenter:
        return {L + W + m, T + (H - lh) / 2};
    case lpRighBottom:
        return {L + W + m, T + H - lh};
    case lpTopRight:
        return {L + W - lw, T - lh - m};
    case lpBottomRight:
        return {L + W - lw, T + H + m};
    }
    return {L, T};
}

bool IsMouseButtonDown()
{
    return GetKeyState(VK_RBUTTON) < 0 || GetKeyState(VK_LBUTTON) < 0;
}

void PaintColoredDropButton(TCanvas& canvas, TRect r, const TButtonColors& colors, bool hovered, TPoint arrowOrigin,
                            int lineX)
{
    const bool held = IsMouseButtonDown();
    TColor face = colors.ButtonColor;
    if (hovered)
        face = held ? colors.ButtonColorDown : colors.ButtonColorHot;
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(face);
    canvas.Pen().SetColor(face);
    canvas.FillRect(r);
    canvas.Pen().SetColor(colors.ButtonBorderColor);
    canvas.MoveTo(lineX, r.Top);
    canvas.LineTo(lineX, r.Bottom);
    const TColor arrow = held ? colors.ButtonTextColorDown : colors.ButtonTextColor;
    canvas.Brush().SetColor(arrow);
    canvas.Pen().SetColor(arrow);
    const int x = arrowOrigin.X;
    const int y = arrowOrigin.Y;
    canvas.Polygon({{x, y}, {x + 6, y}, {x + 3, y + 3}});
}

void PaintPlainDropButton(TCanvas& canvas, TRect r, bool themed, bool enabled, bool hovered, bool dropped)
{
    if (themed) {
        const bool held = IsMouseButtonDown();
        int state = PBS_HOT;
        if (!enabled)
            state = PBS_DISABLED;
        else if (held && dropped)
            state = PBS_PRESSED;
        else if (held || !hovered || dropped)
            state = PBS_NORMAL;
        TThemeData("combobox").DrawBackground(canvas, CP_DROPDOWNBUTTON, state, r);
        return;
    }
    r.Left -= 4;
    r.Top += 1;
    r.Bottom -= 1;
    DrawFrameControl(canvas, r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (enabled ? DFCS_FLAT : DFCS_INACTIVE));
}

void FrameInColor(TCanvas& canvas, const TRect& r, TColor color)
{
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FrameRect(r);
}

TRect PaintFlatBoxBorder(TCanvas& canvas, TRect w, bool hot, TColor parentColor, TColor boxColor, int buttonWidth)
{
    const TColor outer = hot ? clBtnFace : parentColor;
    if (hot) {
        DrawEdge(canvas, w, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        FrameInColor(canvas, w, outer);
        w = Rect(w.Left + 1, w.Top + 1, w.Right - 1, w.Bottom - 1);
        FrameInColor(canvas, w, boxColor);
        return w;
    }
    FrameInColor(canvas, w, outer);
    // The inner frames stop short of the drop button.
    w = Rect(w.Left + 1, w.Top + 1, w.Right - 1 - buttonWidth, w.Bottom - 1);
    FrameInColor(canvas, w, outer);
    w = Rect(w.Left + 1, w.Top + 1, w.Right - 1, w.Bottom - 1);
    FrameInColor(canvas, w, boxColor);
    w.Right += buttonWidth;
    return w;
}

void PaintFlatButtonFace(TCanvas& canvas, const TRect& window, int clientWidth, int clientHeight, int buttonWidth,
                         bool hot)
{
    canvas.SaveState();
    canvas.ExcludeClipRect(Rect(clientWidth - buttonWidth + 4, 4, clientWidth - 4, clientHeight - 4));
    TRect b = window;
    b.Left += clientWidth - buttonWidth - 2;
    b = Rect(b.Left + 2, b.Top + 2, b.Right - 2, b.Bottom - 2);
    if (!hot) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(Rect(b.Left, b.Top + 1, b.Right - 1, b.Bottom - 1));
    }
    canvas.RestoreState();
}
