#include "platform/PopupWindow.h"
#include "platform/QtAccess.h"

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <QWidget>

#ifdef LATTISOR_WITH_XCB
#include <xcb/xcb.h>
#endif

TRegion::TRegion() : region_(std::make_unique<QRegion>())
{}
TRegion::~TRegion() = default;
TRegion::TRegion(const QRegion& region) : region_(std::make_unique<QRegion>(region))
{}
TRegion::TRegion(const TRegion& other) : region_(std::make_unique<QRegion>(*other.region_))
{}

TRegion& TRegion::operator=(const TRegion& other)
{
    *region_ = *other.region_;
    return *this;
}

TRegion TRegion::FromRect(const TRect& r)
{
    TRegion region;
    *region.region_ = QRegion(r.Left, r.Top, r.Width(), r.Height());
    return region;
}

TRegion TRegion::FromPolygon(const std::vector<TPoint>& points)
{
    QPolygon polygon;
    for (const TPoint& p : points)
        polygon << QPoint(p.X, p.Y);
    TRegion region;
    *region.region_ = QRegion(polygon, Qt::WindingFill);
    return region;
}

TRegion TRegion::Subtracted(const TRegion& other) const
{
    TRegion region;
    *region.region_ = region_->subtracted(*other.region_);
    return region;
}

bool TRegion::Contains(TPoint p) const
{
    return region_->contains(QPoint(p.X, p.Y));
}

bool TRegion::IsEmpty() const
{
    return region_->isEmpty();
}

TCompositorHook& CompositorHook()
{
    static TCompositorHook hook;
    return hook;
}

namespace {

#ifdef LATTISOR_WITH_XCB
// An X server composites when a compositing manager owns the selection _NET_WM_CM_S<screen>.
bool x11Composites()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(0);
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, name.size(), name.constData()), nullptr);
    if (!atom)
        return false;
    const xcb_atom_t selection = atom->atom;
    free(atom);
    if (selection == XCB_ATOM_NONE)
        return false;
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
    const bool owned = owner && owner->owner != XCB_NONE;
    free(owner);
    return owned;
}
#endif

bool platformComposites()
{
    const QString platform = QGuiApplication::platformName();
#ifdef LATTISOR_WITH_XCB
    if (platform == QLatin1String("xcb"))
        return x11Composites();
#endif
    return platform.startsWith(QLatin1String("wayland")) || platform == QLatin1String("windows") ||
           platform == QLatin1String("cocoa");
}

// The pixels that are at least a quarter opaque.
QRegion opaquePart(const QImage& image)
{
    QRegion region;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int start = -1;
        for (int x = 0; x <= image.width(); ++x) {
            const bool solid = x < image.width() && qAlpha(line[x]) >= 64;
            if (solid && start < 0)
                start = x;
            if (!solid && start >= 0) {
                region += QRect(start, y, x - start, 1);
                start = -1;
            }
        }
    }
    return region;
}

}  // namespace

bool DesktopComposites()
{
    return CallHookOr(CompositorHook(), platformComposites);
}

TPopupWindow::TPopupWindow(TComponent* AOwner) : TCustomControl(AOwner)
{
    ControlStyle |= csOpaque;
    QWidget* w = QtAccess::Widget(*this);
    w->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnTopHint);
    w->setAttribute(Qt::WA_ShowWithoutActivating);
    SetVisible(false);
}

void TPopupWindow::SetWindowRgn(const TRegion& region)
{
    region_ = region;
    applyShape();
}

void TPopupWindow::setPerPixel(bool v)
{
    if (v == perPixel_)
        return;
    perPixel_ = v;
    QWidget* w = QtAccess::Widget(*this);
    const bool shown = w->isVisible();
    // The window's visual changes: it is made again.
    w->setAttribute(Qt::WA_TranslucentBackground, v);
    w->setAttribute(Qt::WA_NoSystemBackground, v);
    w->setParent(w->parentWidget(), w->windowFlags());
    w->setGeometry(Left(), Top(), Width(), Height());
    if (shown)
        w->show();
}

bool TPopupWindow::UpdateLayered(const TBitmap& content, std::uint8_t constantAlpha)
{
    if (content.Empty())
        return false;
    content_.Assign(content);
    alpha_ = constantAlpha;
    layered_ = true;
    setPerPixel(DesktopComposites());
    SetBounds(Left(), Top(), content.Width(), content.Height());
    applyShape();
    Invalidate();
    return true;
}

bool TPopupWindow::SetLayeredAttributes(std::uint8_t constantAlpha)
{
    alpha_ = constantAlpha;
    layered_ = true;
    setPerPixel(DesktopComposites());
    applyShape();
    Invalidate();
    return true;
}

TRegion TPopupWindow::VisibleShape() const
{
    if (!layered_ || perPixel_ || content_.Empty())
        return region_;
    const QRegion solid = opaquePart(QtAccess::Image(content_));
    return TRegion(region_.IsEmpty() ? solid : region_.Qt().intersected(solid));
}

void TPopupWindow::applyShape()
{
    const TRegion shape = VisibleShape();
    if (shape.IsEmpty())
        QtAccess::Widget(*this)->clearMask();
    else
        QtAccess::Widget(*this)->setMask(shape.Qt());
}

void TPopupWindow::SetTransparentForInput(bool v)
{
    QWidget* w = QtAccess::Widget(*this);
    w->setWindowFlag(Qt::WindowTransparentForInput, v);
}

void TPopupWindow::ShowNoActivate()
{
    SetVisible(true);
    QtAccess::Widget(*this)->raise();
}

void TPopupWindow::Paint()
{
    if (!layered_ || content_.Empty())
        return;
    QPainter* p = QtAccess::Painter(Canvas());
    if (!p)
        return;
    const QImage& image = QtAccess::Image(content_);
    if (perPixel_) {
        p->setCompositionMode(QPainter::CompositionMode_Source);
        p->setOpacity(alpha_ / 255.0);
        p->fillRect(QRect(0, 0, Width(), Height()), Qt::transparent);
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        p->drawImage(0, 0, image);
        p->setOpacity(1);
        return;
    }
    // Shaped: the colour of each shown pixel without its alpha.
    p->drawImage(0, 0, image.convertToFormat(QImage::Format_RGB32));
}
