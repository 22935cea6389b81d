#include "grid/base/VoFocusWindow.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "grid/base/VoUtil/VoUtilLayered.h"
#include "platform/SysUtils.h"

namespace {

constexpr int MaxTaps = 10;
using TKernel = std::array<double, 2 * MaxTaps + 1>;

std::vector<TPoint> arrowOutline(TArrowDirection dir)
{
    switch (dir) {
    case arrUp:
        return {{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}};
    case arrDown:
        return {{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}};
    case arrLeft:
        return {{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}};
    case arrRight:
        return {{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}};
    }
    return {};
}

// Weights w[-10 .. 10] (index k + 10) and the taps r actually used.
TKernel makeKernel(double radius, int& r)
{
    TKernel w{};
    double sum = 0;
    for (int k = -MaxTaps; k <= MaxTaps; ++k) {
        w[k + MaxTaps] = std::exp(-(k / radius) * (k / radius) / 2);
        sum += w[k + MaxTaps];
    }
    for (double& v : w)
        v /= sum;
    r = MaxTaps;
    double removed = 0;
    while (removed < 1.0 / 510 && r > 1) {
        removed += 2 * w[r + MaxTaps];
        --r;
    }
    sum = 0;
    for (int k = -r; k <= r; ++k)
        sum += w[k + MaxTaps];
    for (int k = -r; k <= r; ++k)
        w[k + MaxTaps] /= sum;
    return w;
}

// Blurs n pixels read and written through a stride (1 for a row, the row length for a column).
void blurLine(std::uint32_t* pixels, int n, std::ptrdiff_t stride, const TKernel& w, int r,
              std::vector<std::uint32_t>& scratch)
{
    scratch.resize(static_cast<size_t>(n));
    for (int x = 0; x < n; ++x) {
        double red = 0, green = 0, blue = 0;
        for (int k = -r; k <= r; ++k) {
            const std::uint32_t p = pixels[std::clamp(x - k, 0, n - 1) * stride];
            const double weight = w[k + MaxTaps];
            red += weight * ((p >> 16) & 0xFF);
            green += weight * ((p >> 8) & 0xFF);
            blue += weight * (p & 0xFF);
        }
        // The weights sum to one; the small lift keeps rounding from turning 255 into 254.
        const auto channel = [](double v) { return static_cast<std::uint32_t>(std::clamp(v + 1e-6, 0.0, 255.0)); };
        scratch[static_cast<size_t>(x)] = 0xFF000000u | (channel(red) << 16) | (channel(green) << 8) | channel(blue);
    }
    for (int x = 0; x < n; ++x)
        pixels[x * stride] = scratch[static_cast<size_t>(x)];
}

}  // namespace

int BlurKernelRadius(double radius)
{
    int r = 0;
    makeKernel(radius, r);
    return r;
}

void BlurBitmap(TBitmap& bitmap, double radius)
{
    if (bitmap.PixelFormat() != TBitmap::pf24bit)
        throw Exception(QStringLiteral("Blur only works for 24-bit bitmaps"));
    // No spread (or no number): the weights would be 0 / 0.
    if (!(radius > 0))
        return;
    int r = 0;
    const TKernel w = makeKernel(radius, r);
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    if (width == 0 || height == 0)
        return;
    std::vector<std::uint32_t> scratch;
    for (int y = 0; y < height; ++y) {
        std::uint32_t* line = bitmap.ScanLine(y);
        if (y > 20 && y < height - 20)
            std::copy_n(bitmap.ScanLine(15), width, line);
        else
            blurLine(line, width, 1, w, r, scratch);
    }
    // The rows lie one after another in one block.
    std::uint32_t* first = bitmap.ScanLine(0);
    const std::ptrdiff_t stride = height > 1 ? bitmap.ScanLine(1) - first : width;
    for (int x = 0; x < width; ++x) {
        if (x > 20 && x < width - 20) {
            for (int y = 0; y < height; ++y)
                first[y * stride + x] = first[y * stride + 15];
        } else {
            blurLine(first + x, height, stride, w, r, scratch);
        }
    }
}

void DrawBlurredShadow(TBitmap& bitmap, int width, int height, int penWidth, int rounding, double radius)
{
    bitmap.SetSize(width, height);
    TCanvas& c = bitmap.Canvas();
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(clBlack);
    c.FillRect(Rect(0, 0, width, height));
    c.SaveState();
    const int inset = penWidth / 2 + 2;
    if (penWidth < 1) {
        c.Pen().SetColor(clWhite);
        c.Brush().SetColor(clWhite);
    } else {
        c.Pen().SetColor(clWhite);
        c.Pen().SetWidth(penWidth);
        c.Brush().SetColor(clBlack);
    }
    c.RoundRect(inset, inset, width - inset, height - inset, rounding, rounding);
    c.RestoreState();
    c.Pen().SetWidth(1);
    bitmap.SetPixelFormat(TBitmap::pf24bit);
    if (radius > 0)
        BlurBitmap(bitmap, radius);
}

// ---------------------------------------------------------------------------------------------

TGridAlphaMask::TGridAlphaMask()
{
    SetPixelFormat(pf32bit);
}

void TGridAlphaMask::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TGridAlphaMask*>(&source);
    if (other && other->Width() == Width() && other->Height() == Height()) {
        Opacity = other->Opacity;
        for (int y = 0; y < Height(); ++y)
            std::copy_n(other->ScanLine(y), Width(), ScanLine(y));
    } else {
        TBitmap::Assign(source);
    }
    SetPixelFormat(pf32bit);
}

void TGridAlphaMask::MergeMask(const TBitmap& mask, const TBitmap& bitmap, TColor)
{
    if (bitmap.PixelFormat() != pf24bit)
        return;
    SetSize(bitmap.Width(), bitmap.Height());
    SetPixelFormat(pf32bit);
    for (int y = 0; y < Height(); ++y) {
        const std::uint32_t* m = mask.ScanLine(y);
        const std::uint32_t* b = bitmap.ScanLine(y);
        std::uint32_t* out = ScanLine(y);
        for (int x = 0; x < Width(); ++x) {
            const std::uint32_t a = (m[x] >> 16) & 0xFF;
            const auto scaled = [a](std::uint32_t v) { return static_cast<std::uint32_t>(std::lround(v * a / 255.0)); };
            out[x] = (a << 24) | (scaled((b[x] >> 16) & 0xFF) << 16) | (scaled((b[x] >> 8) & 0xFF) << 8) |
                     scaled(b[x] & 0xFF);
        }
    }
}

// ---------------------------------------------------------------------------------------------

TArrowWindow::TArrowWindow(TComponent* AOwner, TArrowDirection direction)
    : TPopupWindow(AOwner), FDir(direction), FArrow(arrowOutline(direction))
{
    SetColor(clLime);
    int w = 0;
    int h = 0;
    for (const TPoint& p : FArrow) {
        w = std::max(w, p.X + 1);
        h = std::max(h, p.Y + 1);
    }
    SetBounds(0, 0, w, h);
    if (auto* parent = dynamic_cast<TWinControl*>(AOwner))
        SetParent(parent);
    SetVisible(false);
    SetWindowRgn(TRegion::FromPolygon(FArrow));
}

void TArrowWindow::Paint()
{
    Canvas().Brush().SetStyle(bsSolid);
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(ClientRect());
}

TGridFocusWindow::TGridFocusWindow(TComponent* AOwner) : TPopupWindow(AOwner)
{
    SetBounds(0, 0, 0, 0);
    SetColor(clRed);
    SetEnabled(false);
    SetTransparentForInput(true);
}

void TGridFocusWindow::ShowAround(const TRect& cell)
{
    SetVisible(false);
    const int w = cell.Width() + 9;
    const int h = cell.Height() + 9;
    TBitmap mask;
    DrawBlurredShadow(mask, w, h, 4, 5, 3.0);
    TBitmap colour(w, h);
    colour.Canvas().Brush().SetColor(0xFDD397);
    colour.Canvas().FillRect(Rect(0, 0, w, h));
    colour.SetPixelFormat(TBitmap::pf24bit);
    TGridAlphaMask glow;
    glow.MergeMask(mask, colour, 0xFDD397);
    glow.Opacity = 230;
    SetBounds(cell.Left - 4, cell.Top - 4, w, h);
    CallUpdateLayeredWindow(*this, glow, glow.Opacity);
    SetWindowRgn(
        TRegion::FromRect(Rect(0, 0, w, h)).Subtracted(TRegion::FromRect(Bounds(4, 4, cell.Width(), cell.Height()))));
    ShowNoActivate();
}

void TGridFocusWindow::MoveAround(const TRect& cell)
{
    SetBounds(cell.Left - 4, cell.Top - 4, cell.Width() + 9, cell.Height() + 9);
}
