// Bars, pies, shapes, bitmaps and marks of the drawing routines.
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "grid/base/VoUtil/VoUtilDraw.h"
#include "grid/base/VoUtil/VoUtilDrawPrivate.h"

namespace {

using voutil_draw::nint;
using voutil_draw::usePenAndBrush;

struct TLevelColors {
    TColor color;
    TColor colorTo;
};

TLevelColors levelColors(const TProgressSettings& s, int level)
{
    switch (level) {
    case 0:
        return {s.Level0Color, s.Level0ColorTo};
    case 1:
        return {s.Level1Color, s.Level1ColorTo};
    case 2:
        return {s.Level2Color, s.Level2ColorTo};
    default:
        return {s.Level3Color, s.Level3ColorTo};
    }
}

// One filled stretch of a progress bar, from start over length pixels along it.
void drawBarPart(TCanvas& c, const TRect& inner, bool vertical, int start, int length, TLevelColors colors,
                 const TProgressSettings& s)
{
    if (length <= 0)
        return;
    const TRect part = vertical ? Rect(inner.Left, inner.Bottom - start - length, inner.Right, inner.Bottom - start)
                                : Rect(inner.Left + start, inner.Top, inner.Left + start + length, inner.Bottom);
    if (!s.ShowGradient) {
        usePenAndBrush(c, colors.color);
        c.Rectangle(part);
        return;
    }
    // Across the bar: second colour to first in the first half, back in the second.
    if (vertical) {
        const int mid = part.Left + part.Width() / 2;
        DrawGradientRect(c, colors.colorTo, colors.color, s.Steps, Rect(part.Left, part.Top, mid, part.Bottom), true);
        DrawGradientRect(c, colors.color, colors.colorTo, s.Steps, Rect(mid, part.Top, part.Right, part.Bottom), true);
    } else {
        const int mid = part.Top + part.Height() / 2;
        DrawGradientRect(c, colors.colorTo, colors.color, s.Steps, Rect(part.Left, part.Top, part.Right, mid), false);
        DrawGradientRect(c, colors.color, colors.colorTo, s.Steps, Rect(part.Left, mid, part.Right, part.Bottom),
                         false);
    }
}

}  // namespace

void DrawProgressBar(TCanvas& c, const TRect& r, int percent, const TProgressSettings& s)
{
    const TColor outline = s.ShowBorder ? s.BorderColor : s.Background;
    c.Pen().SetColor(outline);
    c.Brush().SetColor(s.Background);
    c.Brush().SetStyle(bsSolid);
    c.Rectangle(r);
    const TRect inner = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    const int usable = (s.Vertical ? r.Height() : r.Width()) - 2;
    const int p = std::min(percent, 100);
    if (p > 0 && s.Stacked) {
        const auto lengthOf = [&](int span) { return nint(usable * span / 100.0); };
        int start = 0;
        const int first = std::min(p, s.Level1Perc);
        drawBarPart(c, inner, s.Vertical, start, lengthOf(first), levelColors(s, 0), s);
        start += lengthOf(first);
        if (p > s.Level1Perc) {
            const int second = std::min(p, s.Level2Perc) - s.Level1Perc;
            drawBarPart(c, inner, s.Vertical, start, lengthOf(second), levelColors(s, 1), s);
            start += lengthOf(second);
        }
        if (p > s.Level2Perc) {
            const int length = p == 100 ? usable - start : lengthOf(p - s.Level2Perc);
            drawBarPart(c, inner, s.Vertical, start, length, levelColors(s, 3), s);
        }
    } else if (p > 0) {
        const int level = p < s.Level1Perc ? 0 : p < s.Level2Perc ? 1 : p > 99 ? 3 : 2;
        const TLevelColors colors = levelColors(s, level);
        const int total = nint(p * usable / 100.0);
        if (s.CompletionSmooth) {
            drawBarPart(c, inner, s.Vertical, 0, total, colors, s);
        } else if (total >= 2 && total <= 9) {
            drawBarPart(c, inner, s.Vertical, 2, total, colors, s);
        } else {
            // Blocks of 7 pixels with 2-pixel gaps, then what remains after a gap.
            const int blocks = total / 9;
            for (int b = 0; b < blocks; ++b)
                drawBarPart(c, inner, s.Vertical, 2 + b * 9, 7, colors, s);
            const int rest = total - blocks * 9;
            if (rest > 2)
                drawBarPart(c, inner, s.Vertical, 2 + blocks * 9, rest - 2, colors, s);
        }
    }
    if (s.ShowPercentage) {
        const QString text = QString::number(p) + QLatin1Char('%');
        c.Font().Assign(s.Font);
        c.Font().SetColor(s.TextColor);
        c.Font().SetOrientation(s.Vertical ? 900 : 0);
        c.Brush().SetStyle(bsClear);
        const TSize size = c.TextExtent(text);
        if (s.Vertical)
            c.TextOut(r.Left + (r.Width() - size.cy) / 2, r.Top + (r.Height() + size.cx) / 2, text);
        else
            c.TextOut(r.Left + (r.Width() - size.cx) / 2, r.Top + (r.Height() - size.cy) / 2, text);
        c.Font().SetOrientation(0);
    }
    c.Brush().SetStyle(bsClear);
    c.Pen().SetColor(outline);
    c.Rectangle(r);
    c.Brush().SetStyle(bsSolid);
}

QString FormatIndicatorValue(const QString& format, double value)
{
    // [flags][width][.precision]conversion
    static const QRegularExpression spec(QStringLiteral("%([-+ 0#]{0,5})(\\d{0,3})(\\.\\d{1,3})?([dufeEgGn])"));
    QString out;
    int at = 0;
    bool converted = false;
    while (at < format.size()) {
        const int percent = format.indexOf('%', at);
        if (percent < 0) {
            out += format.mid(at);
            break;
        }
        out += format.mid(at, percent - at);
        if (format.mid(percent, 2) == QLatin1String("%%")) {
            out += '%';
            at = percent + 2;
            continue;
        }
        const QRegularExpressionMatch m =
            spec.match(format, percent, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
        if (!m.hasMatch() || converted) {
            out += '%';
            at = percent + 1;
            continue;
        }
        const QString flags = m.captured(1) + m.captured(2) + m.captured(3);
        const QChar kind = m.captured(4).at(0);
        if (kind == 'd' || kind == 'u')
            out += QString::asprintf(qPrintable(QLatin1Char('%') + flags + QLatin1String("lld")),
                                     static_cast<long long>(nint(value)));
        else
            out += QString::asprintf(qPrintable(QLatin1Char('%') + flags + (kind == 'n' ? QChar('f') : kind)), value);
        converted = true;
        at = static_cast<int>(m.capturedEnd());
    }
    return out;
}

void DrawValueIndicator(TCanvas& c, const TRect& r, TColor doneColor, TColor doneTextColor, TColor remainingColor,
                        TColor remainingTextColor, double value, int marginX, int marginY, double minimum,
                        double maximum, const QString& format, TColor borderColor, bool textUp)
{
    const TColor entryBrush = c.Brush().Color();
    QString text;
    int percent = 0;
    if (format.isEmpty()) {
        text = QString::number(nint(value)) + QLatin1Char('%');
        percent = nint(value);
    } else {
        text = FormatIndicatorValue(format, value);
        percent = maximum == minimum ? 0 : nint((value - minimum) * 100 / (maximum - minimum));
    }
    percent = std::clamp(percent, 0, 100);
    const TRect box = Rect(r.Left + marginX, r.Top + marginY, r.Right - marginX, r.Bottom - marginY);
    const int done = nint(box.Width() * percent / 100.0);
    const TSize size = c.TextExtent(text);
    const int x = box.Left + (box.Width() - size.cx) / 2;
    const int y = box.Top + (box.Height() - (textUp ? -1 : 1) * size.cy) / 2;
    const auto part = [&](const TRect& pr, TColor fill, TColor textColor) {
        if (pr.IsEmpty())
            return;
        usePenAndBrush(c, fill);
        c.Rectangle(pr);
        c.Font().SetColor(textColor);
        c.TextRect(pr, x, y, text);
    };
    part(Rect(box.Left, box.Top, box.Left + done, box.Bottom), doneColor, doneTextColor);
    part(Rect(box.Left + done, box.Top, box.Right, box.Bottom), remainingColor, remainingTextColor);
    if (borderColor != clNone) {
        c.Brush().SetColor(borderColor);
        c.FrameRect(Rect(box.Left - 1, box.Top - 1, box.Right + 1, box.Bottom + 1));
    }
    c.Brush().SetColor(entryBrush);
    c.FrameRect(Rect(box.Left - 2, box.Top - 2, box.Right + 2, box.Bottom + 2));
}

void DrawBalanceBar(TCanvas& c, const TRect& r, int value, int maximum, bool withText, TColor negativeColor,
                    TColor positiveColor)
{
    const TRect box = Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
    const int half = box.Width() / 2;
    const int mid = box.Left + half;
    if (maximum > 0) {
        const int v = std::clamp(value, -maximum, maximum);
        const int w = nint(static_cast<double>(v) * half / maximum);
        if (v < 0) {
            usePenAndBrush(c, negativeColor);
            c.Rectangle(mid + w, box.Top, mid, box.Bottom);
        } else if (w > 0) {
            usePenAndBrush(c, positiveColor);
            c.Rectangle(mid, box.Top, mid + w, box.Bottom);
        }
    }
    if (withText)
        c.SetBkMode(TRANSPARENT);
}

void DrawPieValue(TCanvas& c, const TRect& r, TColor fillColor, int percent, bool fillAbove)
{
    const TColor ring = 0x808080;
    c.Pen().SetColor(ring);
    c.Pen().SetWidth(1);
    c.Pen().SetStyle(psSolid);
    c.Ellipse(r);
    const int cx = r.Left + r.Width() / 2;
    const int cy = r.Top + r.Height() / 2;
    c.MoveTo(cx, r.Top);
    c.LineTo(cx, cy);
    const double angle = percent / 100.0 * 2 * std::numbers::pi;
    c.LineTo(cx + nint((r.Width() + 1) * 0.5 * std::sin(angle)), cy - nint((r.Height() + 1) * 0.5 * std::cos(angle)));
    c.Brush().SetColor(fillColor);
    c.Brush().SetStyle(bsSolid);
    if (percent != 0)
        c.FloodFill(cx + 1, fillAbove ? r.Top - 2 : r.Top + 2, ring, fsBorder);
}

namespace {

// Points of a star about the box centre at the given angles (degrees clockwise from the top);
// even steps of 36 degrees lie on the outer radii, odd ones on a third of them.
std::vector<TPoint> starPoints(int x, int y, int w, int h, std::initializer_list<int> degrees)
{
    const int cx = x + w / 2;
    const int cy = y + h / 2;
    std::vector<TPoint> points;
    for (const int d : degrees) {
        const bool outer = (d / 36) % 2 == 0;
        const double rx = outer ? w / 2 : w / 2 / 3.0;
        const double ry = outer ? h / 2 : h / 2 / 3.0;
        const double a = d * std::numbers::pi / 180;
        points.push_back({cx + nint(rx * std::sin(a)), cy - nint(ry * std::cos(a))});
    }
    return points;
}

}  // namespace

void DrawCellShape(TCanvas& c, int x, int y, int w, int h, TCellShape shape, TColor fillColor, TColor lineColor)
{
    c.Brush().SetColor(fillColor);
    c.Brush().SetStyle(bsSolid);
    c.Pen().SetColor(lineColor);
    c.Pen().SetStyle(psSolid);
    if (shape == csCircle || shape == csSquare || shape == csRoundSquare)
        w = h = std::min(w, h);
    const int evenW = w - w % 2;
    const int q = evenW / 4;
    const int evenH = h - h % 2;
    const int rr = evenH / 4;
    const int m = x + w / 2;
    switch (shape) {
    case csRectangle:
    case csSquare:
        c.Rectangle(x + 1, y + 1, x + w - 1, y + h - 1);
        break;
    case csCircle:
    case csEllips:
        c.Ellipse(x, y, x + w, y + h);
        break;
    case csTriangleLeft:
        c.Polygon({{x + w, y}, {x + w, y + h}, {x, y + h / 2}});
        break;
    case csTriangleRight:
        c.Polygon({{x, y}, {x, y + h}, {x + w, y + h / 2}});
        break;
    case csTriangleUp:
        c.Polygon({{x, y + h}, {x + w, y + h}, {x + w / 2, y}});
        break;
    case csTriangleDown:
        c.Polygon({{x, y}, {x + w, y}, {x + w / 2, y + h}});
        break;
    case csDiamond:
        c.Polygon({{x, y + h / 2}, {x + w / 2, y}, {x + 2 * (w / 2), y + h / 2}, {x + w / 2, y + 2 * (h / 2)}});
        break;
    case csLineVert:
        c.Rectangle(x + w / 2, y, x + w / 2 + 1, y + h);
        break;
    case csLineHorz:
        c.Rectangle(x, y + h / 2, x + w, y + h / 2 + 1);
        break;
    case csRoundRect:
    case csRoundSquare:
        c.RoundRect(x, y, x + w, y + h, 10, 10);
        break;
    case csStar:
        c.Polygon(starPoints(x, y, w, h, {0, 36, 72, 108, 144, 180, 216, 252, 288, 324}));
        break;
    case csHalfStar:
        c.Polygon(starPoints(x, y, w, h, {0, 180, 216, 252, 288, 324}));
        break;
    case csArrowUp:
        c.Polygon({{x, y + h / 2},
                   {x + evenW / 2, y},
                   {x + evenW, y + h / 2},
                   {x + 3 * q, y + h / 2},
                   {x + 3 * q, y + h},
                   {x + q, y + h},
                   {x + q, y + h / 2}});
        break;
    case csArrowDown:
        c.Polygon({{x, y + h / 2},
                   {x + evenW / 2, y + h},
                   {x + evenW, y + h / 2},
                   {x + 3 * q, y + h / 2},
                   {x + 3 * q, y},
                   {x + q, y},
                   {x + q, y + h / 2}});
        break;
    case csArrowLeft:
        c.Polygon({{x, y + evenH / 2},
                   {m, y},
                   {m, y + rr},
                   {x + w, y + rr},
                   {x + w, y + 3 * rr},
                   {m, y + 3 * rr},
                   {m, y + evenH}});
        break;
    case csArrowRight:
        c.Polygon({{x + w, y + evenH / 2},
                   {m, y},
                   {m, y + rr},
                   {x, y + rr},
                   {x, y + 3 * rr},
                   {m, y + 3 * rr},
                   {m, y + evenH}});
        break;
    }
}

void DrawResourceBitmap(TCanvas& c, TColor background, const TRect& r, const QString& resourcePath)
{
    TBitmap bitmap;
    if (bitmap.LoadFromResource(resourcePath))
        DrawBitmapTransparent(c, bitmap, background, r);
}

void DrawBitmapTransparent(TCanvas& c, const TBitmap& bitmap, TColor background, const TRect& r)
{
    if (bitmap.Empty())
        return;
    TBitmap copy;
    copy.Assign(bitmap);
    copy.Transparent = false;
    copy.ReplacePixelsLike(0, 0, background);
    c.Draw(r.Left, r.Top, copy);
}

void DrawErrorUnderline(TCanvas& c, const QString& text, const TRect& r, int offset, int first, int count)
{
    const auto positionOf = [&](int index) {
        return index < text.size() ? c.TextWidth(text.left(index)) : c.TextWidth(text) + 4;
    };
    const int startX = r.Left + positionOf(first);
    const int endX = r.Left + positionOf(std::max(first, first + count - 1));
    const int baseY = r.Top + offset;
    c.Pen().SetColor(clRed);
    c.Pen().SetWidth(2);
    c.Pen().SetStyle(psSolid);
    c.MoveTo(startX, baseY + 3);
    bool down = false;
    for (int x = startX; x <= endX;) {
        x += 3;
        c.LineTo(x, baseY + (down ? 3 : 0));
        down = !down;
    }
    c.Pen().SetWidth(1);
}

void DrawSmallDownTriangle(TCanvas& c, int x, int y, TColor color)
{
    usePenAndBrush(c, color);
    c.Polygon({{x - 3, y}, {x + 3, y}, {x, y + 3}});
}
