#include "platform/Bitmap.h"

#include "platform/QtAccess.h"

#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <algorithm>

namespace {

constexpr QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;

// Turns the pixels of one colour fully transparent.
QImage withoutColor(QImage image, TColor color)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ColorToQColor(color).rgb() & 0xFFFFFF;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key)
                line[x] = 0;
    }
    return image;
}

QImage readImage(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull()) {
        // Content unknown: trust the extension.
        QImageReader byName(path, QFileInfo(path).suffix().toLatin1());
        image = byName.read();
    }
    return image;
}

}  // namespace

TBitmap::TBitmap() : canvas_(std::make_unique<TCanvas>(&image_))
{}

TBitmap::TBitmap(int width, int height) : TBitmap()
{
    SetSize(width, height);
}

TBitmap::~TBitmap()
{
    canvas_->ReleaseImage();
}

void TBitmap::SetSize(int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == Width() && height == Height())
        return;
    canvas_->ReleaseImage();
    QImage resized(width, height, kFormat);
    resized.fill(Qt::white);
    if (!image_.isNull() && width > 0 && height > 0) {
        QPainter p(&resized);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, image_);
    }
    image_ = std::move(resized);
}

const QImage& TBitmap::Image() const
{
    canvas_->ReleaseImage();
    return image_;
}

void TBitmap::SetImage(const QImage& image)
{
    setImage(image);
}

void TBitmap::setImage(QImage image)
{
    canvas_->ReleaseImage();
    image_ = image.isNull() ? QImage() : image.convertToFormat(kFormat);
}

void TBitmap::ReplacePixelsLike(int x, int y, TColor color)
{
    canvas_->ReleaseImage();
    if (!image_.valid(x, y))
        return;
    const QRgb key = image_.pixel(x, y);
    const QRgb fill = ColorToQColor(color).rgba();
    for (int row = 0; row < image_.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(row));
        std::replace(line, line + image_.width(), key, fill);
    }
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    pixelFormat_ = format;
    if (format != pf24bit)
        return;
    for (int y = 0; y < Height(); ++y) {
        std::uint32_t* line = ScanLine(y);
        for (int x = 0; x < Width(); ++x)
            line[x] |= 0xFF000000u;
    }
}

std::uint32_t* TBitmap::ScanLine(int y)
{
    canvas_->ReleaseImage();
    return reinterpret_cast<std::uint32_t*>(image_.scanLine(y));
}

const std::uint32_t* TBitmap::ScanLine(int y) const
{
    return reinterpret_cast<const std::uint32_t*>(Image().constScanLine(y));
}

TColor TBitmap::TransparentColor() const
{
    if (transparentColor_ != clDefault)
        return transparentColor_;
    const QImage& image = Image();
    if (image.isNull())
        return clNone;
    return QColorToColor(image.pixelColor(0, image.height() - 1));
}

bool TBitmap::LoadFromFile(const QString& path)
{
    QImage image = readImage(path);
    if (image.isNull())
        return false;
    setImage(std::move(image));
    return true;
}

bool TBitmap::LoadFromData(const QByteArray& data)
{
    QImage image = QImage::fromData(data);
    if (image.isNull())
        return false;
    setImage(std::move(image));
    return true;
}

void TBitmap::Crop(const TRect& r)
{
    setImage(Image().copy(QRect(r.Left, r.Top, r.Width(), r.Height()).intersected(Image().rect())));
}

bool TBitmap::SaveToFile(const QString& path) const
{
    QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (format.isEmpty())
        format = "bmp";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, format);
    if (!writer.write(Image())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void TBitmap::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TBitmap*>(&source);
    if (!other || other == this)
        return;
    setImage(other->Image());
    pixelFormat_ = other->pixelFormat_;
    Transparent = other->Transparent;
    transparentColor_ = other->transparentColor_;
}

void TBitmap::Draw(TCanvas& canvas, const TRect& r) const
{
    // A copy, so that a bitmap can be drawn onto itself.
    const QImage image = Image();
    if (image.isNull() || r.IsEmpty())
        return;
    const QImage source = Transparent ? withoutColor(image, TransparentColor()) : image;
    if (QPainter* p = QtAccess::Painter(canvas)) {
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        p->drawImage(QRect(r.Left, r.Top, r.Width(), r.Height()), source);
    }
}

// ---------------------------------------------------------------------------------------------

TBitmap& TPicture::Bitmap()
{
    if (!bitmap_)
        bitmap_ = std::make_unique<TBitmap>();
    return *bitmap_;
}

bool TPicture::LoadFromFile(const QString& path)
{
    auto loaded = std::make_unique<TBitmap>();
    if (!loaded->LoadFromFile(path))
        return false;
    bitmap_ = std::move(loaded);
    return true;
}

void TPicture::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TPicture*>(&source);
    if (!other || other == this)
        return;
    if (!other->bitmap_) {
        bitmap_.reset();
        return;
    }
    Bitmap().Assign(*other->bitmap_);
}

// ---------------------------------------------------------------------------------------------

void TImageList::SetSize(int width, int height)
{
    width_ = width;
    height_ = height;
    images_.clear();
}

int TImageList::Add(const TBitmap& bitmap)
{
    return Add(bitmap.Transparent ? withoutColor(QtAccess::Image(bitmap), bitmap.TransparentColor())
                                  : QtAccess::Image(bitmap));
}

int TImageList::Add(const QImage& image)
{
    if (image.isNull() || width_ <= 0 || height_ <= 0)
        return -1;
    const int first = Count();
    const int cells = std::max(1, image.width() / width_);
    for (int i = 0; i < cells; ++i)
        images_.push_back(image.copy(i * width_, 0, width_, height_).convertToFormat(kFormat));
    return first;
}

QImage TImageList::Image(int index) const
{
    if (index < 0 || index >= Count())
        return {};
    return images_[static_cast<std::size_t>(index)];
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const
{
    QPainter* p = QtAccess::Painter(canvas);
    if (!p || index < 0 || index >= Count())
        return;
    QImage image = images_[static_cast<std::size_t>(index)];
    if (!enabled) {
        // Greyed: each visible pixel becomes the grey of its brightness, lightened.
        image = image.convertToFormat(QImage::Format_ARGB32);
        for (int py = 0; py < image.height(); ++py) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
            for (int px = 0; px < image.width(); ++px) {
                const int grey = 128 + qGray(line[px]) / 2;
                line[px] = qRgba(grey, grey, grey, qAlpha(line[px]));
            }
        }
    }
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->drawImage(x, y, image);
}
