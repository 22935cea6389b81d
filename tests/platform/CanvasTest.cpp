#include "platform/Bitmap.h"
#include "platform/Graphics.h"
#include "platform/QtAccess.h"

#include <gtest/gtest.h>
#include <QPainter>

namespace {

// A white bitmap to draw on, read back as rows of '#' (not white) and '.' (white).
struct Surface {
    TBitmap bitmap;
    Surface(int w, int h) : bitmap(w, h) {}
    TCanvas& canvas() { return bitmap.Canvas(); }
    TColor at(int x, int y) const { return QColorToColor(QtAccess::Image(bitmap).pixelColor(x, y)); }
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
    int count(TColor color) const
    {
        int n = 0;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x)
                n += at(x, y) == color;
        return n;
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
    EXPECT_EQ(clHighlight, static_cast<TColor>(0xFF00000D));
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
    EXPECT_EQ(ColorToRGB(clBtnShadow), clGray);
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(ColorToRGB(SystemColor(200)), clBlack);
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
    const QFont q = QtAccess::Font(font);
    EXPECT_EQ(q.pixelSize(), 13);
    EXPECT_TRUE(q.bold());
    EXPECT_TRUE(q.italic());
    TFont copy;
    copy.Assign(font);
    EXPECT_TRUE(copy == font);

    // A positive height is the whole text cell.
    TFont cell;
    cell.SetHeight(16);
    EXPECT_EQ(QFontMetrics(QtAccess::Font(cell)).height(), 16);
}

TEST(Brush, ColourMakesAClearBrushSolid)
{
    TBrush brush;
    brush.SetStyle(bsClear);
    brush.SetColor(clRed);
    EXPECT_EQ(brush.Style(), bsSolid);
}

TEST(Canvas, FillsExcludeRightAndBottom)
{
    Surface s(8, 8);
    s.canvas().Brush().SetColor(clRed);
    s.canvas().FillRect(Rect(1, 1, 4, 3));
    EXPECT_EQ(s.row(1), ".###....");
    EXPECT_EQ(s.column(2), ".##.....");
    EXPECT_EQ(s.at(1, 1), clRed);
    s.canvas().FillRect(Rect(6, 6, 6, 8));  // empty
    s.canvas().Brush().SetStyle(bsClear);
    s.canvas().FillRect(Rect(0, 5, 8, 8));
    EXPECT_EQ(s.count(clRed), 6);

    Surface f(8, 8);
    f.canvas().Brush().SetColor(clBlue);
    f.canvas().FrameRect(Rect(1, 1, 5, 5));
    EXPECT_EQ(f.row(1), ".####...");
    EXPECT_EQ(f.row(2), ".#..#...");
    EXPECT_EQ(f.row(4), ".####...");
    EXPECT_EQ(f.row(5), "........");
}

TEST(Canvas, RectangleOutlinesWithPenAndFillsWithBrush)
{
    Surface r(8, 8);
    r.canvas().Brush().SetColor(clRed);
    r.canvas().Pen().SetColor(clBlue);
    r.canvas().Rectangle(6, 5, 1, 1);  // corners in any order
    EXPECT_EQ(r.row(1), ".#####..");
    EXPECT_EQ(r.row(4), ".#####..");
    EXPECT_EQ(r.row(5), "........");
    EXPECT_EQ(r.at(5, 2), clBlue);
    EXPECT_EQ(r.at(1, 3), clBlue);
    EXPECT_EQ(r.at(2, 2), clRed);
    EXPECT_EQ(r.at(4, 3), clRed);

    // Without a pen the fill ends one pixel earlier.
    Surface n(8, 8);
    n.canvas().Pen().SetStyle(psClear);
    n.canvas().Brush().SetColor(clRed);
    n.canvas().Rectangle(1, 1, 6, 5);
    EXPECT_EQ(n.row(1), ".####...");
    EXPECT_EQ(n.column(1), ".###....");

    // Clear brush: outline only.
    Surface o(8, 8);
    o.canvas().Brush().SetStyle(bsClear);
    o.canvas().Rectangle(0, 0, 5, 5);
    EXPECT_EQ(o.row(2), "#...#...");

    // A wide pen is centred on the edge; psInsideFrame keeps it inside.
    Surface w(10, 10);
    w.canvas().Brush().SetStyle(bsClear);
    w.canvas().Pen().SetWidth(2);
    w.canvas().Rectangle(2, 2, 8, 8);
    EXPECT_EQ(w.row(5), ".##...##..");
    w.canvas().Pen().SetStyle(psInsideFrame);
    w.canvas().Pen().SetColor(clRed);
    w.canvas().Rectangle(2, 2, 8, 8);
    EXPECT_EQ(w.at(2, 5), clRed);
    EXPECT_EQ(w.at(3, 5), clRed);
    EXPECT_EQ(w.at(1, 5), clBlack);
    EXPECT_EQ(w.at(7, 5), clRed);
}

TEST(Canvas, LineExcludesItsEndPointInEveryDirection)
{
    struct Case {
        TPoint from, to;
        std::vector<TPoint> on, off;
    };
    const Case cases[] = {
        {{1, 2}, {6, 2}, {{1, 2}, {5, 2}}, {{6, 2}, {0, 2}}}, {{6, 2}, {1, 2}, {{6, 2}, {2, 2}}, {{1, 2}, {7, 2}}},
        {{3, 7}, {3, 3}, {{3, 7}, {3, 4}}, {{3, 3}}},         {{0, 0}, {3, 3}, {{0, 0}, {2, 2}}, {{3, 3}}},
        {{5, 5}, {2, 2}, {{5, 5}, {3, 3}}, {{2, 2}}},         {{0, 7}, {6, 4}, {{0, 7}}, {{6, 4}}},
    };
    for (const Case& c : cases) {
        Surface s(8, 8);
        s.canvas().MoveTo(c.from.X, c.from.Y);
        s.canvas().LineTo(c.to.X, c.to.Y);
        EXPECT_EQ(s.canvas().PenPos(), c.to);
        for (const TPoint& p : c.on)
            EXPECT_EQ(s.at(p.X, p.Y), clBlack) << p.X << "," << p.Y;
        for (const TPoint& p : c.off)
            EXPECT_EQ(s.at(p.X, p.Y), clWhite) << p.X << "," << p.Y;
    }
}

TEST(Canvas, PenStylesWidthsAndModes)
{
    Surface s(30, 8);
    TCanvas& c = s.canvas();
    c.Pen().SetStyle(psDot);
    c.MoveTo(0, 0);
    c.LineTo(12, 0);
    EXPECT_EQ(s.row(0).substr(0, 13), "###...###....");
    c.Pen().SetStyle(psClear);
    c.MoveTo(0, 1);
    c.LineTo(20, 1);
    EXPECT_EQ(s.row(1), std::string(30, '.'));
    EXPECT_EQ(c.PenPos(), Point(20, 1));

    // A wide pen is solid whatever its style and reaches half its width beyond the ends.
    c.Pen().SetStyle(psDash);
    c.Pen().SetWidth(3);
    c.MoveTo(5, 4);
    c.LineTo(10, 4);
    for (int y : {3, 4, 5})
        EXPECT_EQ(s.row(y).substr(0, 13), "....########.") << y;

    // Xor twice restores.
    Surface x(8, 3);
    x.canvas().Pen().SetMode(pmXor);
    x.canvas().Pen().SetColor(clWhite);
    for (int i = 0; i < 2; ++i) {
        x.canvas().MoveTo(0, 1);
        x.canvas().LineTo(8, 1);
        EXPECT_EQ(x.row(1), i == 0 ? "########" : "........");
    }
    EXPECT_EQ(x.at(0, 0), clWhite);
}

TEST(Canvas, PolylineAndPolygon)
{
    Surface s(10, 10);
    TCanvas& c = s.canvas();
    c.Polyline({{1, 1}, {5, 1}, {5, 5}});
    EXPECT_EQ(s.row(1), ".#####....");
    EXPECT_EQ(s.column(5), ".####.....");
    EXPECT_EQ(c.PenPos(), Point(5, 5));

    Surface t(10, 10);
    t.canvas().Pen().SetColor(clBlue);
    t.canvas().Brush().SetColor(clRed);
    t.canvas().Polygon({{0, 0}, {8, 0}, {8, 8}, {0, 8}});
    EXPECT_EQ(t.at(0, 0), clBlue);
    EXPECT_EQ(t.at(8, 8), clBlue);
    EXPECT_EQ(t.at(4, 4), clRed);
    EXPECT_EQ(t.at(9, 9), clWhite);
}

TEST(Canvas, EllipseAndRoundRectStayInsideTheirRectangle)
{
    Surface s(24, 16);
    TCanvas& c = s.canvas();
    c.Brush().SetColor(clRed);
    c.Ellipse(2, 2, 12, 12);
    c.RoundRect(13, 2, 23, 12, 6, 6);
    EXPECT_EQ(s.at(7, 7), clRed);
    EXPECT_EQ(s.at(18, 7), clRed);
    EXPECT_EQ(s.at(2, 2), clWhite);   // ellipse corner
    EXPECT_EQ(s.at(13, 2), clWhite);  // rounded corner
    EXPECT_EQ(s.at(18, 2), clBlack);  // top edge of the rounded rectangle
    for (int y = 0; y < 16; ++y) {
        EXPECT_EQ(s.at(12, y), clWhite) << y;
        EXPECT_EQ(s.at(23, y), clWhite) << y;
        EXPECT_EQ(s.at(y < 12 ? y : 0, 12), clWhite) << y;
    }
}

TEST(Canvas, ClippingSetIntersectExcludeSaveRestore)
{
    Surface s(10, 4);
    TCanvas& c = s.canvas();
    c.Brush().SetColor(clRed);
    c.SetClipRect(Rect(2, 0, 8, 4));
    c.IntersectClipRect(Rect(0, 0, 6, 4));
    EXPECT_EQ(c.ClipRect(), Rect(2, 0, 6, 4));
    c.SaveState();
    c.ExcludeClipRect(Rect(3, 0, 4, 4));
    c.FillRect(Rect(0, 0, 10, 1));
    EXPECT_EQ(s.row(0), "..#.##....");
    c.RestoreState();
    c.FillRect(Rect(0, 1, 10, 2));
    EXPECT_EQ(s.row(1), "..####....");
    c.ClearClip();
    EXPECT_FALSE(c.HasClip());
    EXPECT_EQ(c.ClipRect(), Rect(0, 0, 10, 4));
    c.FillRect(Rect(0, 2, 10, 3));
    EXPECT_EQ(s.row(2), "##########");
    // Pixels outside the clip read as none.
    c.SetClipRect(Rect(2, 0, 3, 1));
    EXPECT_EQ(c.Pixels(5, 2), clNone);
    EXPECT_EQ(c.Pixels(2, 0), clRed);
}

TEST(Canvas, PixelsFloodFillAndFocusRect)
{
    Surface s(10, 10);
    TCanvas& c = s.canvas();
    c.SetPixel(3, 4, clGreen);
    EXPECT_EQ(c.Pixels(3, 4), clGreen);
    EXPECT_EQ(c.Pixels(-1, 4), clNone);
    EXPECT_EQ(c.Pixels(10, 0), clNone);

    // Fill up to a border: the inside of a frame only.
    c.Brush().SetStyle(bsClear);
    c.Pen().SetColor(clGray);
    c.Rectangle(1, 1, 6, 6);
    c.Brush().SetColor(clRed);
    c.FloodFill(3, 3, clGray, fsBorder);
    EXPECT_EQ(s.count(clRed), 9);
    EXPECT_EQ(s.at(7, 7), clWhite);
    // Fill over a colour: the white area outside.
    c.Brush().SetColor(clBlue);
    c.FloodFill(8, 8, clWhite, fsSurface);
    EXPECT_EQ(s.at(0, 0), clBlue);
    EXPECT_EQ(s.at(3, 3), clRed);
    EXPECT_EQ(s.count(clWhite), 0);

    Surface f(6, 6);
    f.canvas().DrawFocusRect(Rect(0, 0, 6, 6));
    EXPECT_EQ(f.row(0), "#.#.#.");
    EXPECT_EQ(f.column(5), ".#.#.#");
    EXPECT_EQ(f.row(2), "#.....");
    f.canvas().DrawFocusRect(Rect(0, 0, 6, 6));
    EXPECT_EQ(f.count(clWhite), 36);
}

TEST(Canvas, BoundPainterIsUsedUntilEndPaintAndKeepsItsClip)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    TCanvas canvas;
    EXPECT_EQ(QtAccess::Painter(canvas), nullptr);
    canvas.FillRect(Rect(0, 0, 10, 10));  // nothing to draw on: no effect
    {
        QPainter painter(&image);
        painter.translate(1, 1);
        painter.setClipRect(QRect(0, 0, 4, 4));  // the widget's paint region
        TCanvasPaintGuard guard(canvas, &painter);
        EXPECT_EQ(QtAccess::Painter(canvas), &painter);
        canvas.Brush().SetColor(clGreen);
        canvas.SetClipRect(Rect(2, 0, 8, 8));
        canvas.FillRect(Rect(0, 0, 8, 8));
        EXPECT_EQ(canvas.Pixels(2, 2), clGreen);
        EXPECT_EQ(canvas.Pixels(1, 1), clNone);
        canvas.ClearClip();
        EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 4, 4));
        canvas.SetClipRect(Rect(0, 0, 1, 1));
    }
    EXPECT_FALSE(canvas.HasClip());  // a clip lasts one paint pass
    EXPECT_EQ(QtAccess::Painter(canvas), nullptr);
    EXPECT_EQ(QColorToColor(image.pixelColor(3, 1)), clGreen);
    EXPECT_EQ(QColorToColor(image.pixelColor(4, 4)), clGreen);
    EXPECT_EQ(QColorToColor(image.pixelColor(2, 1)), clWhite);
    EXPECT_EQ(QColorToColor(image.pixelColor(5, 1)), clWhite);

    // A null binding suspends drawing, even on a bitmap.
    Surface s(4, 4);
    s.canvas().BeginPaint(nullptr);
    EXPECT_EQ(QtAccess::Painter(s.canvas()), nullptr);
    s.canvas().Rectangle(0, 0, 4, 4);
    s.canvas().EndPaint();
    EXPECT_EQ(s.count(clWhite), 16);
}

}  // namespace
