#include "grid/base/VoUtil/VoUtilDraw.h"
#include "grid/base/VoUtil/VoUtilDrawPrivate.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "grid/base/VoXPVS.h"

namespace {

using voutil_draw::nint;
using voutil_draw::usePenAndBrush;

void fillSolid(TCanvas& c, const TRect& r, TColor color)
{
    usePenAndBrush(c, color);
    c.Rectangle(r);
}

// Each channel moves from its start by the rounded share that `share` gives of the channel's distance.
template <typename Share>
TColor mixChannels(TColor from, TColor to, Share share)
{
    const auto ch = [&](int a, int b) { return a + nint(share(b - a)); };
    return RGB(ch(GetRValue(from), GetRValue(to)), ch(GetGValue(from), GetGValue(to)),
               ch(GetBValue(from), GetBValue(to)));
}

const TColorTone& toneOf(const TColorTones& tones, int state)
{
    switch (state) {
    case 1:
        return tones.Hover;
    case 2:
        return tones.Selected;
    case 3:
        return tones.Disabled;
    default:
        return tones.Background;
    }
}

TRect halfOf(const TRect& r, bool secondHalf, bool splitVertically)
{
    if (splitVertically) {
        const int mid = r.Top + r.Height() / 2;
        return secondHalf ? Rect(r.Left, mid, r.Right, r.Bottom) : Rect(r.Left, r.Top, r.Right, mid);
    }
    const int mid = r.Left + r.Width() / 2;
    return secondHalf ? Rect(mid, r.Top, r.Right, r.Bottom) : Rect(r.Left, r.Top, mid, r.Bottom);
}

void line(TCanvas& c, int x1, int y1, int x2, int y2)
{
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

// The colours of a gradient's lines: band i covers the lines from i * length / steps on, one line further than
// the next band starts, so that the later band paints the line two bands share.
std::vector<TColor> gradientLines(TColor from, TColor to, int steps, int length)
{
    std::vector<TColor> lines(static_cast<std::size_t>(length + 1), clNone);
    const double band = static_cast<double>(length) / steps;
    for (int i = 0; i <= steps; ++i) {
        const TColor color = mixChannels(from, to, [&](int d) { return static_cast<double>(i) * d / steps; });
        const int offset = static_cast<int>(i * band);
        const int end = std::min(length + 1, offset + static_cast<int>(band + 1));
        std::fill(lines.begin() + offset, lines.begin() + std::max(offset, end), color);
    }
    return lines;
}

// The gradient as a picture of the rectangle's size, drawn in one go. The last few are kept: grids paint the
// same gradient in many cells.
const TBitmap& gradientPicture(TColor from, TColor to, int steps, const TRect& r, bool horizontal)
{
    struct Picture {
        TColor from, to;
        int steps, width, height;
        bool horizontal;
        std::shared_ptr<TBitmap> bitmap;
    };
    thread_local std::vector<Picture> kept;
    const int width = r.Width();
    const int height = r.Height();
    for (const Picture& k : kept)
        if (k.from == from && k.to == to && k.steps == steps && k.width == width && k.height == height &&
            k.horizontal == horizontal)
            return *k.bitmap;
    const std::vector<TColor> lines = gradientLines(from, to, steps, (horizontal ? width : height) - 1);
    const auto argb = [&](int line) {
        const TColor c = lines[static_cast<std::size_t>(line)];
        return 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
               (static_cast<std::uint32_t>(GetGValue(c)) << 8) | static_cast<std::uint32_t>(GetBValue(c));
    };
    auto bitmap = std::make_shared<TBitmap>(width, height);
    for (int y = 0; y < height; ++y) {
        std::uint32_t* row = bitmap->ScanLine(y);
        for (int x = 0; x < width; ++x)
            row[x] = argb(horizontal ? x : y);
    }
    constexpr std::size_t maxKept = 8;
    if (kept.size() >= maxKept)
        kept.erase(kept.begin());
    kept.push_back({from, to, steps, width, height, horizontal, bitmap});
    return *kept.back().bitmap;
}

}  // namespace

void DrawGradientRect(TCanvas& c, TColor fromColor, TColor toColor, int steps, const TRect& rect, bool horizontal)
{
    TRect r = rect;
    if (r.Top == r.Bottom)
        return;
    if (r.Top > r.Bottom)
        std::swap(r.Top, r.Bottom);
    if (fromColor == clNone || toColor == clNone) {
        const TColor color = fromColor == clNone ? toColor : fromColor;
        if (color != clNone)
            fillSolid(c, r, color);
        return;
    }
    const TColor from = ColorToRGB(fromColor);
    const TColor to = ColorToRGB(toColor);
    const int length = (horizontal ? r.Width() : r.Height()) - 1;
    steps = std::max(1, std::min(steps, length));
    const auto stepColor = [&](int i) {
        return mixChannels(from, to, [&](int d) { return static_cast<double>(i) * d / steps; });
    };
    // Each band is a rectangle outlined in its own colour. A thin plain outline adds nothing to the fill, so
    // all bands are drawn at once from their picture, unless it is so tall that drawing it would be shared out
    // to worker threads, which costs more than the bands.
    constexpr int oneGoLines = 64;
    if (c.Pen().Width() <= 1 && c.Pen().Mode() == pmCopy && r.Right > r.Left && length >= 0 &&
        r.Height() <= oneGoLines) {
        c.Draw(r.Left, r.Top, gradientPicture(from, to, steps, r, horizontal));
        usePenAndBrush(c, stepColor(steps));
        return;
    }
    const double band = static_cast<double>(length) / steps;
    for (int i = 0; i <= steps; ++i) {
        usePenAndBrush(c, stepColor(i));
        const int offset = static_cast<int>(i * band);
        const int end = offset + static_cast<int>(band + 1);
        if (horizontal)
            c.Rectangle(r.Left + offset, r.Top, std::min(r.Right, r.Left + end), r.Bottom);
        else
            c.Rectangle(r.Left, r.Top + offset, r.Right, std::min(r.Bottom, r.Top + end));
    }
}

void DrawCellBackground(TCanvas& c, const TRect& r, TColor color, TColor colorTo, TColor mirrorColor,
                        TColor mirrorColorTo, bool vertical, TColor borderColor, bool borderSidesOnly, bool fill)
{
    if (fill && color != clNone) {
        if (mirrorColor == clNone) {
            if (colorTo == clNone) {
                usePenAndBrush(c, color);
                c.Pen().SetWidth(1);
                c.Rectangle(r.Left, r.Top, r.Right, r.Bottom + 1);
            } else {
                DrawGradientRect(c, color, colorTo, 128, r, !vertical);
            }
        } else {
            DrawGradientRect(c, color, colorTo, 128, halfOf(r, false, vertical), !vertical);
            DrawGradientRect(c, mirrorColor, mirrorColorTo, 128, halfOf(r, true, vertical), !vertical);
        }
    }
    if (borderColor == clNone)
        return;
    if (borderSidesOnly) {
        c.Pen().SetColor(borderColor);
        line(c, r.Left, r.Top, r.Left, r.Bottom);
        line(c, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
    } else {
        c.Brush().SetColor(borderColor);
        c.FrameRect(r);
    }
}

TColor BlendColorStep(TColor fromColor, TColor toColor, int rangeStart, int position, int rangeEnd)
{
    if (toColor == clNone || rangeEnd == rangeStart)
        return fromColor;
    return mixChannels(ColorToRGB(fromColor), ColorToRGB(toColor),
                       [&](int d) { return static_cast<double>(d) / (rangeEnd - rangeStart) * position; });
}

TColor DarkenColorHalf(TColor color)
{
    const TColor c = ColorToRGB(color);
    return RGB(GetRValue(c) >> 1, GetGValue(c) >> 1, GetBValue(c) >> 1);
}

TColor ColorAdjustPercent(TColor color, int percent)
{
    const TColor c = ColorToRGB(color);
    const auto adjust = [&](int ch) { return nint(ch + ch * percent / 100.0) & 0xFF; };
    return RGB(adjust(GetRValue(c)), adjust(GetGValue(c)), adjust(GetBValue(c)));
}

void DrawSelectionFrame(TCanvas& c, TColor fillFrom, TColor fillTo, TColor secondFillFrom, TColor secondFillTo,
                        TColor topLineColor, TColor bottomLineColor, TColor outerLineColor, TColor cornerColor,
                        TColor outerCornerColor, const TRect& r, int position)
{
    const int L = r.Left;
    const int T = r.Top;
    const int R = r.Right - 1;
    const int B = r.Bottom - 2;
    const bool left = position == 0 || position == 1;
    const bool right = position == 0 || position == 2;
    const int M = T + (B - T) / 2;
    const int i = left ? 2 : 0;
    const int j = right ? 2 : 0;
    c.Pen().SetStyle(psSolid);
    c.Pen().SetWidth(1);

    c.Pen().SetColor(topLineColor);
    line(c, L, T + 1, R, T + 1);
    if (left)
        line(c, L + 1, T + 1, L + 1, M);
    if (right)
        line(c, R - 2, T + 1, R - 2, M);

    c.Pen().SetColor(bottomLineColor);
    line(c, L, B - 1, R, B - 1);
    if (left)
        line(c, L + 1, M, L + 1, B - 1);
    if (right)
        line(c, R - 2, M, R - 2, B - 1);

    c.Pen().SetColor(outerLineColor);
    line(c, L + i, T, R - j, T);
    line(c, L + i, B, R - j, B);
    if (right)
        line(c, R - 1, T + 2, R - 1, B - 1);
    if (left)
        line(c, L, T + 2, L, B - 1);

    const auto corners = [&](int inner, int outer) {
        for (const TPoint p :
             {TPoint{inner, T}, {inner, T + 1}, {outer, T + 1}, {inner, B}, {inner, B - 1}, {outer, B - 1}})
            c.SetPixel(p.X, p.Y, cornerColor);
        c.SetPixel(outer, T, outerCornerColor);
        c.SetPixel(outer, B, outerCornerColor);
    };
    if (left)
        corners(L + 1, L);
    if (right)
        corners(R - 2, R - 1);

    const TRect inside = Rect(L + i, T + 2, R - j, B - 1);
    if (fillTo == clNone) {
        fillSolid(c, inside, fillFrom);
    } else if (secondFillFrom == clNone) {
        DrawGradientRect(c, fillFrom, fillTo, 16, inside, false);
    } else {
        DrawGradientRect(c, fillFrom, fillTo, 16, Rect(inside.Left, inside.Top, inside.Right, M), false);
        DrawGradientRect(c, secondFillFrom, secondFillTo, 16, Rect(inside.Left, M, inside.Right, inside.Bottom), false);
    }
}

void DrawComboButton(TCanvas& c, const TRect& r, const TColorTones& tones, int state, int look)
{
    const TRect button = Rect(r.Right - 19, r.Top + 1, r.Right - 2, r.Bottom - 1);
    const bool disabled = state == 3;
    switch (look) {
    case 0:
        TThemeData(QStringLiteral("combobox")).DrawBackground(c, CP_DROPDOWNBUTTON, disabled ? 4 : 1, button);
        break;
    case 1:
    case 2:
        DrawFrameControl(c, button, DFC_SCROLL,
                         DFCS_SCROLLCOMBOBOX | (disabled ? DFCS_INACTIVE : 0) | (look == 2 ? DFCS_FLAT : 0));
        break;
    default: {
        const TRect t = Rect(button.Left + 3, button.Top, button.Right, button.Bottom);
        fillSolid(c, t, toneOf(tones, state).BrushColor);
        c.Pen().SetColor(tones.Background.BorderColor);
        line(c, t.Left + 1, t.Top, t.Left + 1, t.Bottom);
        usePenAndBrush(c, tones.Background.TextColor);
        c.Polygon({{t.Left + 5, t.Top + 8}, {t.Left + 11, t.Top + 8}, {t.Left + 8, t.Top + 11}});
        break;
    }
    }
}

void DrawPushButton(TCanvas& c, const TRect& r, const TColorTones& tones, int state, int look)
{
    switch (look) {
    case 0:
        TThemeData(QStringLiteral("button")).DrawBackground(c, BP_PUSHBUTTON, state + 1, r);
        break;
    case 1:
    case 2: {
        static const unsigned stateFlags[] = {0, DFCS_HOT, DFCS_PUSHED, DFCS_INACTIVE};
        DrawFrameControl(c, r, DFC_BUTTON,
                         DFCS_BUTTONPUSH | stateFlags[std::clamp(state, 0, 3)] | (look == 2 ? DFCS_FLAT : 0));
        break;
    }
    default: {
        const TColorTone& tone = toneOf(tones, state);
        c.Brush().SetColor(tone.BrushColor);
        c.Brush().SetStyle(bsSolid);
        c.Pen().SetColor(tone.BorderColor);
        c.Rectangle(r);
        break;
    }
    }
}

void DrawSpinButtons(TCanvas& c, const TRect& r, const TColorTones& tones, int state, int look)
{
    const TRect spin = Rect(r.Right - 16, r.Top - 1, r.Right - 1, r.Bottom - 1);
    const TRect up = halfOf(spin, false, true);
    const TRect down = halfOf(spin, true, true);
    const bool disabled = state == 3;
    switch (look) {
    case 0: {
        const TThemeData theme(QStringLiteral("spin"));
        theme.DrawBackground(c, SPNP_UP, disabled ? 4 : 1, up);
        theme.DrawBackground(c, SPNP_DOWN, disabled ? 4 : 1, down);
        break;
    }
    case 1:
    case 2: {
        const unsigned flags = (disabled ? DFCS_INACTIVE : 0) | (look == 2 ? DFCS_FLAT : 0);
        DrawFrameControl(c, up, DFC_SCROLL, DFCS_SCROLLUP | flags);
        DrawFrameControl(c, down, DFC_SCROLL, DFCS_SCROLLDOWN | flags);
        break;
    }
    default: {
        const TColor brush = toneOf(tones, state).BrushColor;
        fillSolid(c, up, brush);
        fillSolid(c, down, brush);
        usePenAndBrush(c, clBlack);
        c.Polygon({{up.Left + 5, up.Top + 5}, {up.Left + 9, up.Top + 5}, {up.Left + 7, up.Top + 3}});
        c.Polygon({{down.Left + 5, down.Top + 3}, {down.Left + 9, down.Top + 3}, {down.Left + 7, down.Top + 5}});
        break;
    }
    }
}
