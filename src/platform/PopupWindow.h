#pragma once
// Windows that float over the forms: no frame, never the focus, always on top (drop marks, glows, hints).
// A window can be cut to a region and carry layered content whose pixels have their own alpha. Where the
// desktop composites windows the content blends with what lies below; where it doesn't (a plain X server),
// the window shows the pixels that are at least a quarter opaque, as solid colour, and nothing of the rest:
// such a window never shows as a black box.
#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/Seam.h"

#include <memory>
#include <vector>

class QRegion;

// An area of a window: rectangles and polygons, combined.
class TRegion {
public:
    TRegion();
    ~TRegion();
    TRegion(const TRegion& other);
    TRegion& operator=(const TRegion& other);
    static TRegion FromRect(const TRect& r);
    // Winding fill: every point inside the outline counts.
    static TRegion FromPolygon(const std::vector<TPoint>& points);
    TRegion Subtracted(const TRegion& other) const;
    bool Contains(TPoint p) const;
    bool IsEmpty() const;
    const QRegion& Qt() const { return *region_; }
    explicit TRegion(const QRegion& region);

private:
    std::unique_ptr<QRegion> region_;
};

// Whether the desktop composites windows, so that per-pixel alpha shows; asked at every call.
bool DesktopComposites();
using TCompositorHook = std::function<bool()>;
TCompositorHook& CompositorHook();

class TPopupWindow : public TCustomControl {
public:
    explicit TPopupWindow(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TPopupWindow"); }

    // Only the region shows; an empty region shows the whole window.
    void SetWindowRgn(const TRegion& region);
    const TRegion& WindowRgn() const { return region_; }
    // Layered content with premultiplied alpha, faded by a constant alpha as well; the window takes the
    // content's size. False when the content is empty.
    bool UpdateLayered(const TBitmap& content, std::uint8_t constantAlpha);
    // Only the constant alpha.
    bool SetLayeredAttributes(std::uint8_t constantAlpha);
    // The content blends with the desktop (a compositor is there); else the window is shaped.
    bool PerPixelAlpha() const { return perPixel_; }
    // The part of the window that shows: the region, cut further to the opaque pixels without a compositor.
    TRegion VisibleShape() const;
    // The mouse passes through the window to what lies below.
    void SetTransparentForInput(bool v);
    // Shows the window without taking the focus from the active one.
    void ShowNoActivate();

protected:
    // Paints the layered content, if there is any.
    void Paint() override;

private:
    void applyShape();
    void setPerPixel(bool v);

    TRegion region_;
    TBitmap content_;
    std::uint8_t alpha_ = 255;
    bool layered_ = false;
    bool perPixel_ = false;
};
