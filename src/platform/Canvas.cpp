#include "platform/Graphics.h"
#include "platform/QtAccess.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <span>

namespace {

// The world a clip without a surface can reach.
const QRect kUnbounded(-(1 << 20), -(1 << 20), 1 << 21, 1 << 21);

QRect toQRect(const TRect& r)
{
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

QPolygon toQPolygon(const std::vector<TPoint>& points)
{
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const TPoint& pt : points)
        polygon.append(QPoint(pt.X, pt.Y));
    return polygon;
}

TRect normalized(int x1, int y1, int x2, int y2)
{
    return Rect(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

QPainter::CompositionMode compositionFor(TPenMode mode)
{
    switch (mode) {
    case pmNot:
        return QPainter::RasterOp_NotDestination;
    case pmXor:
        return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor:
        return QPainter::RasterOp_NotSourceXorDestination;
    case pmCopy:
        break;
    }
    return QPainter::CompositionMode_SourceOver;
}

// On and off lengths in pixels; empty for a continuous line.
std::span<const int> dashPattern(TPenStyle style)
{
    static constexpr int dash[] = {18, 6};
    static constexpr int dot[] = {3, 3};
    static constexpr int dashDot[] = {9, 6, 3, 6};
    static constexpr int dashDotDot[] = {9, 3, 3, 3, 3, 3};
    switch (style) {
    case psDash:
        return dash;
    case psDot:
        return dot;
    case psDashDot:
        return dashDot;
    case psDashDotDot:
        return dashDotDot;
    default:
        return {};
    }
}

// Qt shares a fill of many lines out to worker threads, whose wake-up costs more than filling here.
void fillInBands(QPainter& p, const QRect& r, const QColor& color)
{
    constexpr int band = 64;
    for (int top = r.top(); top <= r.bottom(); top += band)
        p.fillRect(QRect(r.left(), top, r.width(), std::min(band, r.bottom() + 1 - top)), color);
}

// The painter state every pen stroke needs: aliased drawing in the pen's mode.
void useMode(QPainter& p, TPenMode mode)
{
    if (p.testRenderHint(QPainter::Antialiasing))
        p.setRenderHint(QPainter::Antialiasing, false);
    p.setCompositionMode(compositionFor(mode));
}

}  // namespace

struct TCanvas::SavedState {
    std::optional<QRegion> clip;
    TFont font;
    TPen pen;
    TBrush brush;
    int bkMode;
};

TCanvas::TCanvas()
{
    // Like the platform, a clear brush makes text transparent and a solid one opaque.
    brush_.OnChange = [this](TObject*) { bkMode_ = brush_.Style() == bsClear ? TRANSPARENT : OPAQUE; };
}

TCanvas::TCanvas(QImage* image) : TCanvas()
{
    image_ = image;
}

TCanvas::~TCanvas()
{
    ReleaseImage();
}

void TCanvas::BeginPaint(QPainter* painter)
{
    Binding binding{painter, std::nullopt};
    if (painter && painter->hasClipping())
        binding.baseClip = painter->clipRegion();
    bindings_.push_back(binding);
    applyClip();
}

void TCanvas::EndPaint()
{
    if (bindings_.empty())
        return;
    const Binding binding = bindings_.back();
    bindings_.pop_back();
    if (binding.painter && binding.baseClip)
        binding.painter->setClipRegion(*binding.baseClip);
    else if (binding.painter)
        binding.painter->setClipping(false);
    // Like a paint pass's device, the clip of a canvas without an image of its own ends with it.
    if (bindings_.empty() && !image_) {
        clip_.reset();
        saved_.clear();
    }
    if (!bindings_.empty() || ownPainter_)
        applyClip();
}

QPainter* TCanvas::Painter()
{
    if (!bindings_.empty())
        return bindings_.back().painter;
    if (ownPainter_)
        return ownPainter_.get();
    if (!image_ || image_->isNull())
        return nullptr;
    ownPainter_ = std::make_unique<QPainter>(image_);
    applyClip();
    return ownPainter_.get();
}

void TCanvas::ReleaseImage()
{
    if (ownPainter_) {
        ownPainter_->end();
        ownPainter_.reset();
    }
}

// ---------------------------------------------------------------------------------------------
// Clipping

QRegion TCanvas::currentClip() const
{
    std::optional<QRegion> base;
    if (!bindings_.empty())
        base = bindings_.back().baseClip;
    if (clip_ && base)
        return *clip_ & *base;
    if (clip_)
        return *clip_;
    return base ? *base : QRegion(kUnbounded);
}

void TCanvas::applyClip()
{
    QPainter* p = !bindings_.empty() ? bindings_.back().painter : ownPainter_.get();
    if (!p)
        return;
    const bool bounded = clip_ || (!bindings_.empty() && bindings_.back().baseClip);
    if (bounded)
        p->setClipRegion(currentClip());
    else
        p->setClipping(false);
}

QRect TCanvas::surfaceRect()
{
    QPainter* p = Painter();
    if (!p || !p->device())
        return kUnbounded;
    const QRect device(0, 0, p->device()->width(), p->device()->height());
    return p->combinedTransform().inverted().mapRect(device);
}

void TCanvas::SetClipRect(const TRect& r)
{
    clip_ = QRegion(toQRect(r));
    applyClip();
}

void TCanvas::IntersectClipRect(const TRect& r)
{
    clip_ = clip_ ? (*clip_ & toQRect(r)) : QRegion(toQRect(r));
    applyClip();
}

void TCanvas::ExcludeClipRect(const TRect& r)
{
    clip_ = (clip_ ? *clip_ : QRegion(surfaceRect())) - QRegion(toQRect(r));
    applyClip();
}

void TCanvas::ClearClip()
{
    clip_.reset();
    applyClip();
}

TRect TCanvas::ClipRect()
{
    const QRect box = (currentClip() & surfaceRect()).boundingRect();
    return Bounds(box.x(), box.y(), box.width(), box.height());
}

void TCanvas::SaveState()
{
    SavedState state{clip_, {}, {}, {}, bkMode_};
    state.font.Assign(font_);
    state.pen.Assign(pen_);
    state.brush.Assign(brush_);
    saved_.push_back(std::move(state));
}

void TCanvas::RestoreState()
{
    if (saved_.empty())
        return;
    const SavedState& state = saved_.back();
    font_.Assign(state.font);
    pen_.Assign(state.pen);
    brush_.Assign(state.brush);
    bkMode_ = state.bkMode;
    clip_ = state.clip;
    saved_.pop_back();
    applyClip();
}

// ---------------------------------------------------------------------------------------------
// Shapes

// The pen as a Qt pen, for the shapes Qt strokes; lines and frames are filled here from the pen colour.
void TCanvas::usePen(QPainter& p)
{
    useMode(p, pen_.Mode());
    if (pen_.Style() == psClear) {
        p.setPen(Qt::NoPen);
        return;
    }
    QPen pen(ColorToQColor(pen_.Color()));
    pen.setWidth(std::max(1, pen_.Width()));
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    const std::span<const int> dashes = pen_.Width() > 1 ? std::span<const int>{} : dashPattern(pen_.Style());
    if (!dashes.empty())
        pen.setDashPattern(QList<qreal>(dashes.begin(), dashes.end()));
    p.setPen(pen);
}

void TCanvas::fillArea(QPainter& p, const QRect& r)
{
    if (r.isEmpty())
        return;
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (brush_.Style() == bsClear)
        return;
    fillInBands(p, r, ColorToQColor(brush_.Color()));
}

void TCanvas::LineTo(int x, int y)
{
    const TPoint from = penPos_;
    penPos_ = {x, y};
    QPainter* p = Painter();
    if (!p || pen_.Style() == psClear)
        return;
    // Only a wide slanted line is stroked by Qt; the rest are filled.
    if (pen_.Width() > 1 && from.X != x && from.Y != y)
        usePen(*p);
    else
        useMode(*p, pen_.Mode());
    strokeLine(*p, from, penPos_);
}

// A line from a up to but not including b.
void TCanvas::strokeLine(QPainter& p, TPoint a, TPoint b)
{
    if (a == b)
        return;
    const int w = pen_.Width();
    if (w > 1) {
        // Wide pens are solid, centred on the line, with ends reaching half the width beyond it.
        const int before = w / 2;
        if (a.Y == b.Y || a.X == b.X) {
            const QRect span =
                QRect(QPoint(std::min(a.X, b.X), std::min(a.Y, b.Y)), QPoint(std::max(a.X, b.X), std::max(a.Y, b.Y)));
            fillInBands(p, span.adjusted(-before, -before, w - before - 1, w - before - 1),
                        ColorToQColor(pen_.Color()));
        } else {
            p.drawLine(a.X, a.Y, b.X, b.Y);
        }
        return;
    }
    // Thin lines are stepped here so that every direction leaves out the same end pixel.
    const std::span<const int> dashes = dashPattern(pen_.Style());
    if (dashes.empty() && (a.X == b.X || a.Y == b.Y)) {
        // A solid straight line is one rectangle.
        const int x1 = a.X < b.X ? a.X : a.X > b.X ? b.X + 1 : a.X;
        const int x2 = a.X < b.X ? b.X - 1 : a.X;
        const int y1 = a.Y < b.Y ? a.Y : a.Y > b.Y ? b.Y + 1 : a.Y;
        const int y2 = a.Y < b.Y ? b.Y - 1 : a.Y;
        fillInBands(p, QRect(QPoint(x1, y1), QPoint(x2, y2)), ColorToQColor(pen_.Color()));
        return;
    }
    const int period = std::accumulate(dashes.begin(), dashes.end(), 0);
    auto isOn = [&](int index) {
        if (dashes.empty())
            return true;
        int offset = index % period;
        for (std::size_t i = 0; i < dashes.size(); ++i) {
            if (offset < dashes[i])
                return i % 2 == 0;
            offset -= dashes[i];
        }
        return false;
    };
    const QColor color = ColorToQColor(pen_.Color());
    QRect run;
    auto flush = [&] {
        if (!run.isNull())
            p.fillRect(run, color);
        run = QRect();
    };
    const int dx = std::abs(b.X - a.X);
    const int dy = -std::abs(b.Y - a.Y);
    const int sx = a.X < b.X ? 1 : -1;
    const int sy = a.Y < b.Y ? 1 : -1;
    int err = dx + dy;
    int x = a.X;
    int y = a.Y;
    for (int index = 0; x != b.X || y != b.Y; ++index) {
        if (isOn(index)) {
            const QRect pixel(x, y, 1, 1);
            const bool extends =
                !run.isNull() &&
                ((run.height() == 1 && y == run.top() && (x == run.left() - 1 || x == run.right() + 1)) ||
                 (run.width() == 1 && x == run.left() && (y == run.top() - 1 || y == run.bottom() + 1)));
            if (extends)
                run = QRect(QPoint(std::min(run.left(), x), std::min(run.top(), y)),
                            QPoint(std::max(run.right(), x), std::max(run.bottom(), y)));
            else {
                flush();
                run = pixel;
            }
        } else {
            flush();
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    flush();
}

void TCanvas::FillRect(const TRect& r)
{
    if (QPainter* p = Painter())
        fillArea(*p, toQRect(r));
}

void TCanvas::FrameRect(const TRect& r)
{
    QPainter* p = Painter();
    if (!p || r.IsEmpty())
        return;
    drawStrips(*p, r);
}

// Fills a frame one pixel wide just inside r with the brush.
void TCanvas::drawStrips(QPainter& p, const TRect& r)
{
    fillArea(p, QRect(r.Left, r.Top, r.Width(), 1));
    fillArea(p, QRect(r.Left, r.Bottom - 1, r.Width(), 1));
    fillArea(p, QRect(r.Left, r.Top + 1, 1, r.Height() - 2));
    fillArea(p, QRect(r.Right - 1, r.Top + 1, 1, r.Height() - 2));
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    QPainter* p = Painter();
    if (!p)
        return;
    const TRect r = normalized(x1, y1, x2, y2);
    if (pen_.Style() == psClear) {
        // Without an outline the fill stops one pixel short on the right and bottom.
        fillArea(*p, QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
        return;
    }
    const int w = std::max(1, pen_.Width());
    if (w == 1) {
        // A solid outline in the brush's own colour makes one fill.
        const bool plain = dashPattern(pen_.Style()).empty() && pen_.Mode() == pmCopy && brush_.Style() == bsSolid &&
                           ColorToRGB(pen_.Color()) == ColorToRGB(brush_.Color());
        if (plain) {
            fillArea(*p, toQRect(r));
            return;
        }
        fillArea(*p, QRect(r.Left + 1, r.Top + 1, r.Width() - 2, r.Height() - 2));
        if (r.IsEmpty())
            return;
        useMode(*p, pen_.Mode());
        if (r.Width() == 1 || r.Height() == 1) {
            fillInBands(*p, toQRect(r), ColorToQColor(pen_.Color()));
            return;
        }
        const TPoint corners[] = {
            {r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left, r.Bottom - 1}};
        for (int i = 0; i < 4; ++i)
            strokeLine(*p, corners[i], corners[(i + 1) % 4]);
        return;
    }
    // A wide outline is centred on the edge pixels, or lies inside with psInsideFrame.
    const int before = w / 2;
    const QRect outer = pen_.Style() == psInsideFrame
                            ? toQRect(r)
                            : toQRect(r).adjusted(-before, -before, w - before - 1, w - before - 1);
    const QRect inner = outer.adjusted(w, w, -w, -w);
    fillArea(*p, inner);
    useMode(*p, pen_.Mode());
    const QRegion frame = QRegion(outer) - QRegion(inner);
    for (const QRect& part : frame)
        fillInBands(*p, part, ColorToQColor(pen_.Color()));
}

void TCanvas::drawFilledShape(int x1, int y1, int x2, int y2, const std::function<void(QPainter&, const QRect&)>& draw)
{
    QPainter* p = Painter();
    if (!p)
        return;
    const TRect r = normalized(x1, y1, x2, y2);
    if (r.IsEmpty())
        return;
    usePen(*p);
    setFillBrush(*p);
    draw(*p, QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int ellipseWidth, int ellipseHeight)
{
    drawFilledShape(x1, y1, x2, y2, [&](QPainter& p, const QRect& r) {
        p.drawRoundedRect(QRectF(r), ellipseWidth / 2.0, ellipseHeight / 2.0);
    });
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    drawFilledShape(x1, y1, x2, y2, [](QPainter& p, const QRect& r) { p.drawEllipse(r); });
}

void TCanvas::Polygon(const std::vector<TPoint>& points)
{
    QPainter* p = Painter();
    if (!p || points.empty())
        return;
    usePen(*p);
    setFillBrush(*p);
    p->drawPolygon(toQPolygon(points));
}

void TCanvas::Polyline(const std::vector<TPoint>& points)
{
    if (points.empty())
        return;
    penPos_ = points.back();
    QPainter* p = Painter();
    if (!p || pen_.Style() == psClear || points.size() < 2)
        return;
    usePen(*p);
    if (pen_.Width() > 1) {
        p->setBrush(Qt::NoBrush);
        p->drawPolyline(toQPolygon(points));
        return;
    }
    for (std::size_t i = 1; i < points.size(); ++i)
        strokeLine(*p, points[i - 1], points[i]);
}

void TCanvas::setFillBrush(QPainter& p)
{
    if (brush_.Style() == bsClear)
        p.setBrush(Qt::NoBrush);
    else
        p.setBrush(ColorToQColor(brush_.Color()));
}

// ---------------------------------------------------------------------------------------------
// Pixels

QImage* TCanvas::readableImage()
{
    QPainter* p = Painter();
    if (p && p->device() && p->device()->devType() == QInternal::Image)
        return static_cast<QImage*>(p->device());
    return image_;
}

TColor TCanvas::Pixels(int x, int y)
{
    QImage* image = readableImage();
    if (!image)
        return clNone;
    QPoint at(x, y);
    if (QPainter* p = Painter())
        at = p->combinedTransform().map(at);
    if (!image->rect().contains(at) || !currentClip().contains(QPoint(x, y)))
        return clNone;
    return QColorToColor(image->pixelColor(at));
}

void TCanvas::SetPixel(int x, int y, TColor color)
{
    if (QPainter* p = Painter()) {
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        p->fillRect(QRect(x, y, 1, 1), ColorToQColor(color));
    }
}

void TCanvas::FloodFill(int x, int y, TColor color, TFillStyle style)
{
    QImage* image = readableImage();
    QPainter* p = Painter();
    if (!image || !p)
        return;
    const QPoint seed = p->combinedTransform().map(QPoint(x, y));
    if (!image->rect().contains(seed))
        return;
    const QRgb target = ColorToQColor(color).rgb() & 0xFFFFFF;
    auto inside = [&](int px, int py) {
        const bool same = (image->pixel(px, py) & 0xFFFFFF) == target;
        return style == fsBorder ? !same : same;
    };
    if (!inside(seed.x(), seed.y()))
        return;
    // Scan-line fill collecting spans of device pixels, which are then filled with the brush.
    const int w = image->width();
    const int h = image->height();
    std::vector<bool> done(static_cast<std::size_t>(w) * h, false);
    std::vector<QRect> spans;
    std::vector<QPoint> stack{seed};
    while (!stack.empty()) {
        const QPoint pt = stack.back();
        stack.pop_back();
        const auto at = [&](int px) { return static_cast<std::size_t>(pt.y()) * w + px; };
        if (done[at(pt.x())] || !inside(pt.x(), pt.y()))
            continue;
        int left = pt.x();
        while (left > 0 && !done[at(left - 1)] && inside(left - 1, pt.y()))
            --left;
        int right = pt.x();
        while (right + 1 < w && !done[at(right + 1)] && inside(right + 1, pt.y()))
            ++right;
        for (int px = left; px <= right; ++px)
            done[at(px)] = true;
        spans.emplace_back(left, pt.y(), right - left + 1, 1);
        for (int dy : {-1, 1}) {
            const int ny = pt.y() + dy;
            if (ny < 0 || ny >= h)
                continue;
            for (int px = left; px <= right; ++px)
                stack.emplace_back(px, ny);
        }
    }
    p->save();
    p->resetTransform();
    for (const QRect& span : spans)
        fillArea(*p, span);
    p->restore();
}

void TCanvas::DrawFocusRect(const TRect& r)
{
    QPainter* p = Painter();
    if (!p || r.IsEmpty())
        return;
    // Every other pixel of the frame, inverted; drawing it twice removes it.
    p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0)
            p->fillRect(QRect(x, y, 1, 1), Qt::white);
    };
    for (int x = r.Left; x < r.Right; ++x) {
        dot(x, r.Top);
        if (r.Bottom - 1 > r.Top)
            dot(x, r.Bottom - 1);
    }
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
        dot(r.Left, y);
        if (r.Right - 1 > r.Left)
            dot(r.Right - 1, y);
    }
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// ---------------------------------------------------------------------------------------------
// Pictures

void TCanvas::Draw(int x, int y, const TGraphic& graphic)
{
    graphic.Draw(*this, Bounds(x, y, graphic.Width(), graphic.Height()));
}

void TCanvas::StretchDraw(const TRect& r, const TGraphic& graphic)
{
    graphic.Draw(*this, r);
}
