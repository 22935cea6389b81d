#pragma once
// Pictures: bitmaps over QImage, a picture loading the common image formats, and image lists.
#include "platform/Graphics.h"

#include <QImage>
#include <QString>
#include <memory>
#include <vector>

// Something that can be drawn on a canvas into a rectangle.
class TGraphic : public TPersistent {
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    bool Empty() const { return Width() == 0 || Height() == 0; }
    // Draws the whole picture scaled into r.
    virtual void Draw(TCanvas& canvas, const TRect& r) const = 0;
};

// A bitmap; its canvas draws on its image. It is the off-screen surface for composing a
// drawing and for checking one by pixels. Images are kept as 32-bit ARGB.
class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }
    // Keeps the pixels that still fit; new ones are white.
    void SetSize(int width, int height);

    TCanvas& Canvas() { return *canvas_; }
    // The finished pixels (ends any drawing in progress on the canvas).
    const QImage& Image() const;
    void SetImage(const QImage& image);

    // When set, Draw leaves out the pixels of TransparentColor; clDefault means the colour of
    // the lower-left pixel.
    bool Transparent = false;
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color) { transparentColor_ = color; }

    // Loads BMP, PNG, JPEG, GIF or ICO, told by content or extension; false leaves the bitmap as it was.
    bool LoadFromFile(const QString& path);
    // Image file bytes of any of those formats, told by content; false leaves the bitmap as it was.
    bool LoadFromData(const QByteArray& data);
    // Keeps only the part inside r (within the bitmap).
    void Crop(const TRect& r);
    // A compiled-in resource, e.g. ":/platform/glyph.bmp".
    bool LoadFromResource(const QString& path) { return LoadFromFile(path); }
    // The format follows the extension (BMP when there is none); written through a temporary file.
    bool SaveToFile(const QString& path) const;

    void Assign(const TPersistent& source) override;
    void Draw(TCanvas& canvas, const TRect& r) const override;

private:
    void setImage(QImage image);

    QImage image_;
    std::unique_ptr<TCanvas> canvas_;
    TColor transparentColor_ = clDefault;
};

// An icon: a small picture whose transparency is its own (loaded from ICO, PNG or any bitmap format).
class TIcon : public TBitmap {
public:
    TIcon() { Transparent = true; }
};

// Holds one picture of any supported format.
class TPicture : public TPersistent {
public:
    TGraphic* Graphic() const { return bitmap_.get(); }
    TBitmap& Bitmap();
    int Width() const { return bitmap_ ? bitmap_->Width() : 0; }
    int Height() const { return bitmap_ ? bitmap_->Height() : 0; }
    bool LoadFromFile(const QString& path);
    void Clear() { bitmap_.reset(); }
    void Assign(const TPersistent& source) override;

private:
    std::unique_ptr<TBitmap> bitmap_;
};

// Equal-sized images drawn by index; a disabled image is drawn greyed.
class TImageList : public TPersistent {
public:
    TImageList(int width = 16, int height = 16) : width_(width), height_(height) {}
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Clears the list.
    void SetSize(int width, int height);
    int Count() const { return static_cast<int>(images_.size()); }
    // Adds the image, or one per cell of a strip as wide as several; returns the first index.
    int Add(const TBitmap& bitmap);
    int Add(const QImage& image);
    void Clear() { images_.clear(); }
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
    QImage Image(int index) const;

private:
    int width_;
    int height_;
    std::vector<QImage> images_;
};
