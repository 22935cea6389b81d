#pragma once
// The windows the grid shows over itself: the glow round the edited cell (a layered window whose pixels
// come from an alpha mask made from a blurred rounded ring) and the arrows that mark where a moved column
// or row will drop.
#include <cstdint>
#include <vector>

#include "platform/PopupWindow.h"

enum TArrowDirection { arrUp, arrDown, arrLeft, arrRight };

class TArrowWindow : public TPopupWindow {
public:
    // A hidden lime arrow of the direction, shaped to its outline.
    TArrowWindow(TComponent* AOwner, TArrowDirection direction);
    QString ClassName() const override { return QStringLiteral("TArrowWindow"); }
    TArrowDirection Dir() const { return FDir; }
    const std::vector<TPoint>& Arrow() const { return FArrow; }

protected:
    void Paint() override;

private:
    TArrowDirection FDir;
    std::vector<TPoint> FArrow;
};

// A 32-bit bitmap with premultiplied alpha and a constant alpha for the whole window.
class TGridAlphaMask : public TBitmap {
public:
    TGridAlphaMask();
    // From a mask of the same size: opacity and pixels; from any other bitmap a plain copy.
    void Assign(const TPersistent& source) override;
    std::uint8_t Opacity = 255;
    // Alpha from the mask's red channel, colour from the bitmap premultiplied by it; nothing unless the
    // bitmap is 24-bit. The colour argument has no effect.
    void MergeMask(const TBitmap& mask, const TBitmap& bitmap, TColor color);
};

class TGridFocusWindow : public TPopupWindow {
public:
    explicit TGridFocusWindow(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TGridFocusWindow"); }
    // The glow round a cell rectangle given in screen coordinates: 4 pixels out on each side, the cell
    // itself cut out; shown without taking the focus.
    void ShowAround(const TRect& cellOnScreen);
    // Follows the cell to a new screen place with the same size rule.
    void MoveAround(const TRect& cellOnScreen);
};

// A black 24-bit bitmap with a white rounded ring (or a filled rounded rectangle for a pen below 1),
// blurred by radius when that is above 0.
void DrawBlurredShadow(TBitmap& bitmap, int width, int height, int penWidth, int rounding, double radius);
// A separable Gaussian blur of a 24-bit bitmap; raises "Blur only works for 24-bit bitmaps" for others.
void BlurBitmap(TBitmap& bitmap, double radius);
// The number of taps on each side BlurBitmap uses for a radius.
int BlurKernelRadius(double radius);
