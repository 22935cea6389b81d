#include "platform/Bitmap.h"
#include "platform/Graphics.h"
#include "platform/QtAccess.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>

namespace {

TColor pixel(const TBitmap& b, int x, int y)
{
    return QColorToColor(QtAccess::Image(b).pixelColor(x, y));
}

// A w x h bitmap in one colour.
void fill(TBitmap& b, int w, int h, TColor color)
{
    b.SetSize(w, h);
    b.Canvas().Brush().SetColor(color);
    b.Canvas().FillRect(Rect(0, 0, w, h));
}

TEST(Bitmap, ResizeKeepsWhatFits)
{
    TBitmap b(4, 4);
    EXPECT_EQ(pixel(b, 3, 3), clWhite);
    b.Canvas().SetPixel(1, 1, clRed);
    b.SetSize(2, 6);
    EXPECT_EQ(b.Width(), 2);
    EXPECT_EQ(b.Height(), 6);
    EXPECT_EQ(pixel(b, 1, 1), clRed);
    EXPECT_EQ(pixel(b, 1, 5), clWhite);
    b.Canvas().SetPixel(0, 5, clBlue);  // the canvas follows the new size
    EXPECT_EQ(pixel(b, 0, 5), clBlue);
    b.SetSize(0, 0);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(QtAccess::Painter(b.Canvas()), nullptr);
}

TEST(Bitmap, FilesRoundTripAndFailuresKeepTheOldState)
{
    QTemporaryDir dir;
    TBitmap source;
    fill(source, 3, 2, clRed);
    source.Canvas().SetPixel(2, 1, clBlue);
    for (const char* name : {"a.bmp", "a.png", "a.ico", "noextension"}) {
        const QString path = dir.filePath(name);
        ASSERT_TRUE(source.SaveToFile(path)) << name;
        TBitmap loaded;
        ASSERT_TRUE(loaded.LoadFromFile(path)) << name;
        EXPECT_EQ(loaded.Width(), 3);
        EXPECT_EQ(pixel(loaded, 2, 1), clBlue) << name;
        EXPECT_EQ(pixel(loaded, 0, 0), clRed) << name;
    }
    // Lossy but loadable.
    ASSERT_TRUE(source.SaveToFile(dir.filePath("a.jpg")));
    TPicture picture;
    ASSERT_TRUE(picture.LoadFromFile(dir.filePath("a.jpg")));
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_TRUE(QImageReader::supportedImageFormats().contains("gif"));

    // The content decides, not a misleading extension.
    ASSERT_TRUE(QtAccess::Image(source).save(dir.filePath("png-named.bmp"), "PNG"));
    TBitmap misnamed;
    EXPECT_TRUE(misnamed.LoadFromFile(dir.filePath("png-named.bmp")));
    EXPECT_EQ(pixel(misnamed, 2, 1), clBlue);

    // A file that is no picture leaves bitmap and picture as they were.
    QFile junk(dir.filePath("junk.png"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    EXPECT_FALSE(misnamed.LoadFromFile(junk.fileName()));
    EXPECT_FALSE(misnamed.LoadFromFile(dir.filePath("missing.bmp")));
    EXPECT_EQ(misnamed.Width(), 3);
    EXPECT_FALSE(picture.LoadFromFile(junk.fileName()));
    EXPECT_EQ(picture.Width(), 3);

    // A failed save leaves nothing behind.
    EXPECT_FALSE(source.SaveToFile(dir.filePath("no/such/folder/a.bmp")));
    EXPECT_FALSE(source.SaveToFile(dir.filePath("a.unknownformat")));
    EXPECT_FALSE(QFile::exists(dir.filePath("a.unknownformat")));
}

TEST(Bitmap, DrawStretchAndTransparency)
{
    TBitmap glyph;
    fill(glyph, 2, 2, clRed);
    glyph.Canvas().SetPixel(0, 1, clFuchsia);

    TBitmap target(6, 6);
    TCanvas& c = target.Canvas();
    c.Draw(1, 1, glyph);
    EXPECT_EQ(pixel(target, 1, 1), clRed);
    EXPECT_EQ(pixel(target, 1, 2), clFuchsia);
    EXPECT_EQ(pixel(target, 3, 3), clWhite);

    glyph.Transparent = true;  // the lower-left pixel's colour by default
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia);
    c.Brush().SetColor(clWhite);
    c.FillRect(Rect(0, 0, 6, 6));
    c.Draw(1, 1, glyph);
    EXPECT_EQ(pixel(target, 1, 2), clWhite);
    EXPECT_EQ(pixel(target, 2, 2), clRed);

    glyph.SetTransparentColor(clRed);
    c.StretchDraw(Rect(2, 2, 6, 6), glyph);
    EXPECT_EQ(pixel(target, 2, 4), clFuchsia);
    EXPECT_EQ(pixel(target, 3, 5), clFuchsia);
    EXPECT_EQ(pixel(target, 5, 2), clWhite);

    // Drawing a bitmap onto its own canvas.
    TBitmap self;
    fill(self, 4, 4, clWhite);
    self.Canvas().SetPixel(0, 0, clBlue);
    self.Canvas().Draw(1, 1, self);
    EXPECT_EQ(pixel(self, 1, 1), clBlue);
    EXPECT_EQ(pixel(self, 2, 2), clWhite);
    EXPECT_EQ(pixel(self, 0, 0), clBlue);
}

TEST(ImageList, StripsAddOneImagePerCellAndDisabledIsGrey)
{
    TImageList list(2, 2);
    TBitmap strip;
    fill(strip, 6, 2, clRed);
    strip.Canvas().Brush().SetColor(clBlue);
    strip.Canvas().FillRect(Rect(2, 0, 4, 2));
    EXPECT_EQ(list.Add(strip), 0);
    EXPECT_EQ(list.Count(), 3);
    TBitmap single;
    fill(single, 2, 2, clLime);
    EXPECT_EQ(list.Add(single), 3);

    TBitmap target(8, 4);
    list.Draw(target.Canvas(), 0, 0, 1);
    list.Draw(target.Canvas(), 2, 0, 3);
    list.Draw(target.Canvas(), 4, 0, 1, false);
    list.Draw(target.Canvas(), 6, 0, 4);  // out of range: nothing
    list.Draw(target.Canvas(), 6, 0, -1);
    EXPECT_EQ(pixel(target, 1, 1), clBlue);
    EXPECT_EQ(pixel(target, 3, 1), clLime);
    const TColor grey = pixel(target, 4, 0);
    EXPECT_EQ(GetRValue(grey), GetGValue(grey));
    EXPECT_EQ(GetGValue(grey), GetBValue(grey));
    EXPECT_NE(grey, clWhite);
    EXPECT_EQ(pixel(target, 6, 0), clWhite);

    // A transparent bitmap adds its transparent colour as see-through.
    TBitmap masked;
    fill(masked, 2, 2, clRed);
    masked.Canvas().SetPixel(0, 1, clFuchsia);
    masked.Transparent = true;
    const int index = list.Add(masked);
    TBitmap over(2, 2);
    list.Draw(over.Canvas(), 0, 0, index);
    EXPECT_EQ(pixel(over, 0, 1), clWhite);
    EXPECT_EQ(pixel(over, 1, 1), clRed);
}

}  // namespace
