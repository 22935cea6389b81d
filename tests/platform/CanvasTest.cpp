#include "platform/Graphics.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A white bitmap of the given size to draw on.
struct Surface {
    TBitmap bitmap;
    Surface(int w, int h) : bitmap(w, h) {}
    TCanvas& canvas() { return bitmap.Canvas(); }
    TColor at(int x, int y) const { return QColorToColor(bitmap.Image().pixelColor(x, y)); }
    // The pixels of one row that are not white, as a string of '#' and '.'.
    std::string row(int y) const
    {
        std::string s;
        for (int x = 0; x < bitmap.Width(); ++x)
            s += at(x, y) == clWhite ? '.' : '#';
        return s;
    }
    std::string column(int x) const
    {
        std::string s;
        for (int y = 0; y < bitmap.Height(); ++y)
            s += at(x, y) == clWhite ? '.' : '#';
        return s;
    }
};

TEST(Colors, ChannelsAndPalette)
{
    EXPECT_EQ(RGB(248, 247, 237), 15595512);
    EXPECT_EQ(GetRValue(15595512), 248);
    EXPECT_EQ(GetGValue(15595512), 247);
    EXPECT_EQ(GetBValue(15595512), 237);
    EXPECT_EQ(clBtnFace, static_cast<TColor>(0xFF00000F));
    EXPECT_EQ(cl3DDkShadow, static_cast<TColor>(0xFF000015));
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
    EXPECT_EQ(ColorToRGB(clBtnShadow), clGray);
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(ColorToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(QColorToColor(QColor(1, 2, 3)), RGB(1, 2, 3));
}

TEST(Font, SizeAndHeightAreOneValue)
{
    TFont font;
    EXPECT_EQ(font.Name(), "Tahoma");
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Size(), 8);
    int changes = 0;
    font.OnChange = [&](TObject*) { ++changes; };
    font.SetSize(10);
    EXPECT_EQ(font.Height(), -13);
    font.SetSize(10);
    EXPECT_EQ(changes, 1);
    font.SetStyle(fsBold | fsItalic);
    const QFont q = font.ToQFont();
    EXPECT_EQ(q.pixelSize(), 13);
    EXPECT_TRUE(q.bold());
    EXPECT_TRUE(q.italic());
    TFont copy;
    copy.Assign(font);
    EXPECT_TRUE(copy == font);
}

TEST(Canvas, RectanglesExcludeRightAndBottom)
{
    Surface s(8, 8);
    s.canvas().Brush().SetColor(clRed);
    s.canvas().FillRect(Rect(1, 1, 4, 3));
    EXPECT_EQ(s.row(1), ".###....");
    EXPECT_EQ(s.column(2), ".##.....");
    EXPECT_EQ(s.at(1, 1), clRed);

    Surface r(8, 8);
    r.canvas().Brush().SetColor(clRed);
    r.canvas().Pen().SetColor(clBlue);
    r.canvas().Rectangle(1, 1, 6, 5);
    EXPECT_EQ(r.row(1), ".#####..");
    EXPECT_EQ(r.row(4), ".#####..");
    EXPECT_EQ(r.row(5), "........");
    EXPECT_EQ(r.at(5, 2), clBlue);
    EXPECT_EQ(r.at(2, 2), clRed);
    EXPECT_EQ(r.at(4, 3), clRed);
}

TEST(Canvas, LineExcludesItsEndPoint)
{
    Surface s(8, 8);
    s.canvas().MoveTo(1, 2);
    s.canvas().LineTo(6, 2);
    EXPECT_EQ(s.row(2), ".#####..");
    EXPECT_EQ(s.canvas().PenPos(), Point(6, 2));
    s.canvas().MoveTo(7, 7);
    s.canvas().LineTo(7, 3);
    EXPECT_EQ(s.column(7), "....####");
    s.canvas().MoveTo(0, 0);
    s.canvas().LineTo(3, 3);
    EXPECT_EQ(s.at(2, 2), clBlack);
    EXPECT_EQ(s.at(3, 3), clWhite);
}

TEST(Canvas, TextOutDrawsInFontColourOnBrush)
{
    Surface s(60, 20);
    TCanvas& c = s.canvas();
    c.Font().SetColor(clBlue);
    c.Brush().SetColor(clYellow);
    c.TextOut(2, 3, "W");
    const TSize ext = c.TextExtent("W");
    EXPECT_GT(ext.cx, 3);
    EXPECT_GT(ext.cy, 8);
    EXPECT_EQ(c.PenPos(), Point(2 + ext.cx, 3));
    int blue = 0;
    for (int y = 3; y < 3 + ext.cy; ++y)
        for (int x = 2; x < 2 + ext.cx; ++x) {
            const TColor px = s.at(x, y);
            EXPECT_TRUE(px == clBlue || px == clYellow) << x << "," << y;
            blue += px == clBlue;
        }
    EXPECT_GT(blue, 5);
    EXPECT_EQ(s.at(2 + ext.cx, 3), clWhite);
    EXPECT_EQ(s.at(1, 3), clWhite);
}

TEST(Canvas, BoundPainterIsUsedUntilEndPaint)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    TCanvas canvas;
    EXPECT_EQ(canvas.Painter(), nullptr);
    {
        QPainter painter(&image);
        TCanvasPaintGuard guard(canvas, &painter);
        EXPECT_EQ(canvas.Painter(), &painter);
        canvas.Brush().SetColor(clGreen);
        canvas.FillRect(Rect(0, 0, 2, 2));
    }
    EXPECT_EQ(canvas.Painter(), nullptr);
    EXPECT_EQ(QColorToColor(image.pixelColor(1, 1)), clGreen);
    EXPECT_EQ(QColorToColor(image.pixelColor(2, 2)), clWhite);
}

} // namespace
