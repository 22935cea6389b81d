// The drop-down unit's drawing routines.
#include "controls/dropdown/VoDropDownDraw.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "grid/base/VsgHTMLE/VsgHTMLE.h"

namespace {
// Rounds to the nearest integer, halves to the even neighbour.
int nearest(double x)
{
    return static_cast<int>(std::nearbyint(x));
}

bool isSet(TColor c)
{
    return c != clNone;
}
}  // namespace

void DropDownGradientFill(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R, bool Horizontal)
{
    Steps = std::max(Steps, 1);
    const TColor from = ColorToRGB(FromColor);
    const TColor to = ColorToRGB(ToColor);
    const int r1 = GetRValue(from), g1 = GetGValue(from), b1 = GetBValue(from);
    const double dr = double(GetRValue(to) - r1) / Steps;
    const double dg = double(GetGValue(to) - g1) / Steps;
    const double db = double(GetBValue(to) - b1) / Steps;
    double d = 0;
    if (Horizontal) {
        R.Right -= 1;
        d = double(R.Right - R.Left) / Steps;
    } else {
        R.Bottom -= 1;
        d = double(R.Bottom - R.Top) / Steps;
    }
    const int band = nearest(d) + 1;
    for (int n = 0; n < Steps; ++n) {
        const TColor c = RGB(r1 + nearest(n * dr), g1 + nearest(n * dg), b1 + nearest(n * db));
        Canvas.Pen().SetColor(c);
        Canvas.Brush().SetColor(c);
        const int o = static_cast<std::uint16_t>(nearest(n * d));
        if (Horizontal)
            Canvas.Rectangle(R.Left + o, R.Top, R.Left + o + band, R.Bottom);
        else
            Canvas.Rectangle(R.Left, R.Top + o, R.Right, R.Top + o + band);
    }
}

TColor DropDownBlendColor(TColor Color1, TColor Color2, int Percent)
{
    if (Percent >= 100)
        return Color1;
    if (Percent <= 0)
        return Color2;
    const TColor c1 = ColorToRGB(Color1), c2 = ColorToRGB(Color2);
    const double f = Percent / 100.0;
    const auto mix = [f](int a, int b) { return nearest(f * a + (1 - f) * b); };
    return RGB(mix(GetRValue(c1), GetRValue(c2)), mix(GetGValue(c1), GetGValue(c2)), mix(GetBValue(c1), GetBValue(c2)));
}

// A change below -100 % would turn the channel negative: it gives 0.
TColor DropDownAdjustColor(TColor Color, int RedChange, int GreenChange, int BlueChange)
{
    const TColor c = ColorToRGB(Color);
    const auto adjust = [](int channel, int change) {
        if (channel == 0)
            return std::max(0, change) & 0xFF;
        const int factor = std::clamp(change + 100, 0, 100);
        return nearest(factor / 100.0 * channel) & 0xFF;
    };
    return RGB(adjust(GetRValue(c), RedChange), adjust(GetGValue(c), GreenChange), adjust(GetBValue(c), BlueChange));
}

void DropDownDrawBackground(TCanvas* Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor BorderColor,
                            int BorderWidth, TGradientDirection Direction)
{
    if (!Canvas)
        return;
    if (isSet(ColorTo)) {
        DropDownGradientFill(*Canvas, Color, ColorTo, 80, R, Direction == gdHorizontal);
    } else if (isSet(Color)) {
        Canvas->Brush().SetColor(Color);
        Canvas->FillRect(R);
    }
    if (isSet(BorderColor) && BorderWidth > 0) {
        Canvas->Brush().SetStyle(TBrushStyle::bsClear);
        Canvas->Pen().SetWidth(BorderWidth);
        Canvas->Pen().SetColor(BorderColor);
        Canvas->Rectangle(R);
        Canvas->Brush().SetStyle(TBrushStyle::bsSolid);
        Canvas->Pen().SetWidth(1);
    }
}

void DropDownDrawImageText(TCanvas* Canvas, TRect R, const QString& Text, const TImageList* Images, int ImageIndex)
{
    if (!Canvas)
        return;
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    if (ImageIndex >= 0 && Images) {
        Images->Draw(*Canvas, R.Left + 4, R.Top + (R.Height() - Images->Height()) / 2, ImageIndex);
        R.Left += 4 + Images->Width() + 4;
    } else {
        flags |= DT_CENTER;
    }
    if (!Text.isEmpty())
        Canvas->DrawText(Text, R, flags);
}

void DropDownDrawGlyph(TCanvas& Canvas, const TBitmap& Glyph, TColor BackColor, const TRect& R)
{
    TBitmap copy;
    copy.Assign(Glyph);
    if (copy.Empty())
        return;
    copy.ReplacePixelsLike(0, 0, BackColor);
    copy.Crop(Rect(0, 0, R.Width(), R.Height()));
    Canvas.Draw(R.Left, R.Top, copy);
}

TSize DropDownTextSize(TCanvas& Canvas, const QString& Text)
{
    if (Text.isEmpty())
        return {0, 0};
    TRect r = Rect(0, 0, 1000, 500);
    Canvas.DrawText(Text, r, DT_CALCRECT | DT_SINGLELINE);
    return {r.Right, r.Bottom};
}

QString DropDownTruncateText(TCanvas& Canvas, const QString& Text, int MaxWidth, bool Ellipsis)
{
    if (DropDownTextSize(Canvas, Text).cx <= MaxWidth)
        return Text;
    for (qsizetype k = 1; k <= Text.size(); ++k) {
        QString candidate = Text.left(Text.size() - k);
        if (Ellipsis)
            candidate += QStringLiteral("...");
        if (DropDownTextSize(Canvas, candidate).cx < MaxWidth)
            return candidate;
    }
    return Text;
}

TSize DropDownDrawHtmlText(TCanvas& Canvas, const QString& Text, const TRect& R, const TImageList* Images, bool Draw)
{
    if (Text.isEmpty())
        return {0, 0};
    THtmlRenderOptions options;
    options.Images = Images;
    options.MeasureOnly = !Draw;
    options.URLColor = clBlue;
    options.ShadowColor = clGray;
    THtmlRenderResult result;
    RenderHtmlText(Canvas, Text, R, options, result);
    return {result.TextWidth, result.TextHeight};
}
