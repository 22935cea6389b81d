#include "platform/Bitmap.h"
#include "platform/Graphics.h"
#include "platform/QtAccess.h"

#include <gtest/gtest.h>
#include <QFontMetrics>

namespace {

// The bounding box of the pixels that are not white.
TRect ink(const TBitmap& bitmap)
{
    const QImage& image = QtAccess::Image(bitmap);
    TRect box{image.width(), image.height(), 0, 0};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColorToColor(image.pixelColor(x, y)) != clWhite) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box;
}

struct TextSurface : ::testing::Test {
    TBitmap bitmap{200, 100};
    TCanvas& c = bitmap.Canvas();
    void SetUp() override { c.SetBkMode(TRANSPARENT); }
    TRect measure(const QString& text, unsigned flags, TRect r = Rect(10, 10, 60, 90))
    {
        c.DrawText(text, r, flags | DT_CALCRECT);
        return r;
    }
};

TEST_F(TextSurface, MeasuringSingleLines)
{
    const TSize ext = c.TextExtent("Hello");
    TRect r = Rect(5, 6, 100, 100);
    EXPECT_EQ(c.DrawText("Hello", r, DT_CALCRECT | DT_SINGLELINE), ext.cy);
    EXPECT_EQ(r, Rect(5, 6, 5 + ext.cx, 6 + ext.cy));
    EXPECT_EQ(ink(bitmap).Right, 0);  // measuring draws nothing

    EXPECT_EQ(measure("&File", DT_SINGLELINE).Width(), c.TextWidth("File"));
    EXPECT_EQ(measure("&File", DT_SINGLELINE | DT_NOPREFIX).Width(), c.TextWidth("&File"));
    EXPECT_EQ(measure("A&&B", DT_SINGLELINE).Width(), c.TextWidth("A&B"));
    EXPECT_GE(measure("a\tb", DT_SINGLELINE | DT_EXPANDTABS, Rect(0, 0, 500, 50)).Width(),
              8 * QFontMetrics(QtAccess::Font(c.Font())).averageCharWidth());
    EXPECT_EQ(measure("", DT_SINGLELINE).Width(), 0);
}

TEST_F(TextSurface, MeasuringLinesAndWordBreaks)
{
    const int line = c.TextHeight("Hg");
    EXPECT_EQ(measure("one\r\ntwo\nthree\rfour", 0).Height(), 4 * line);
    EXPECT_EQ(measure("one\r\ntwo", DT_SINGLELINE).Height(), line);

    const QString words = "aaa bbb ccc";
    const int wide = c.TextWidth(words);
    const TRect wrapped = measure(words, DT_WORDBREAK, Rect(0, 0, c.TextWidth("aaa bbb") + 1, 50));
    EXPECT_EQ(wrapped.Height(), 2 * line);
    EXPECT_EQ(wrapped.Width(), c.TextWidth("aaa bbb"));
    EXPECT_EQ(measure(words, DT_WORDBREAK, Rect(0, 0, wide, 50)).Height(), line);

    // A word wider than the box stands alone, or is broken with the edit-control rule.
    const QString longWord = "abcdefghijklmnop";
    const TRect narrow = Rect(0, 0, c.TextWidth("abcd"), 50);
    EXPECT_EQ(measure(longWord, DT_WORDBREAK, narrow).Height(), line);
    EXPECT_EQ(measure(longWord, DT_WORDBREAK, narrow).Width(), c.TextWidth(longWord));
    const TRect broken = measure(longWord, DT_WORDBREAK | DT_EDITCONTROL, narrow);
    EXPECT_EQ(broken.Height(), 4 * line);
    EXPECT_LE(broken.Width(), narrow.Width());

    // An ellipsis shortens a line to the box.
    const TRect cut = measure("a rather long caption", DT_SINGLELINE | DT_END_ELLIPSIS, Rect(0, 0, 40, 20));
    EXPECT_LE(cut.Width(), 40);
    EXPECT_GT(cut.Width(), c.TextWidth("..."));
}

TEST_F(TextSurface, AlignmentWithinTheRectangle)
{
    const TSize ext = c.TextExtent("MM");
    struct Case {
        unsigned flags;
        int left, top;  // expected cell position in Rect(10, 10, 110, 60)
    };
    const Case cases[] = {
        {DT_SINGLELINE, 10, 10},
        {DT_SINGLELINE | DT_RIGHT | DT_BOTTOM, 110 - ext.cx, 60 - ext.cy},
        {DT_SINGLELINE | DT_CENTER | DT_VCENTER, 10 + (100 - ext.cx) / 2, 10 + (50 - ext.cy) / 2},
        {DT_CENTER | DT_VCENTER, 10 + (100 - ext.cx) / 2, 10},  // vertical flags need a single line
    };
    for (const Case& k : cases) {
        TBitmap b(200, 100);
        b.Canvas().Brush().SetColor(clYellow);  // opaque: the text cell shows
        TRect r = Rect(10, 10, 110, 60);
        b.Canvas().DrawText("MM", r, k.flags);
        EXPECT_EQ(ink(b), Bounds(k.left, k.top, ext.cx, ext.cy)) << k.flags;
    }
}

TEST_F(TextSurface, ClipsToTheRectangleUnlessNoClip)
{
    TRect r = Rect(10, 10, 20, 30);
    c.DrawText("WWWWWW", r, DT_SINGLELINE);
    EXPECT_LE(ink(bitmap).Right, 20);
    r = Rect(10, 40, 20, 60);
    c.DrawText("WWWWWW", r, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(ink(bitmap).Right, 20);

    TBitmap t(100, 40);
    t.Canvas().Brush().SetColor(clYellow);
    t.Canvas().TextRect(Rect(5, 5, 15, 25), 0, 5, "WWWWWW");
    EXPECT_EQ(ink(t), Rect(5, 5, 15, 25));
}

TEST_F(TextSurface, PrefixUnderlinesItsCharacter)
{
    TRect r = Rect(0, 0, 100, 40);
    c.DrawText("F", r, DT_SINGLELINE);
    const TRect plain = ink(bitmap);
    TBitmap other(200, 100);
    other.Canvas().SetBkMode(TRANSPARENT);
    other.Canvas().DrawText("&F", r, DT_SINGLELINE);
    const TRect marked = ink(other);
    EXPECT_GT(marked.Bottom, plain.Bottom);
    EXPECT_LE(marked.Right, c.TextWidth("F") + 1);
}

TEST_F(TextSurface, BackgroundModeFollowsTheBrushUntilSet)
{
    const TColor fill = clAqua;
    const auto filled = [&](TBitmap& b) { return QColorToColor(QtAccess::Image(b).pixelColor(1, 1)) == fill; };

    TBitmap opaque(60, 30);
    opaque.Canvas().Brush().SetColor(fill);
    EXPECT_EQ(opaque.Canvas().BkMode(), OPAQUE);
    opaque.Canvas().TextOut(0, 0, "x");
    EXPECT_TRUE(filled(opaque));

    TBitmap transparent(60, 30);
    transparent.Canvas().Brush().SetColor(fill);
    transparent.Canvas().SetBkMode(TRANSPARENT);
    transparent.Canvas().TextOut(0, 0, "x");
    TRect r = Rect(0, 0, 60, 30);
    transparent.Canvas().DrawText("x", r, DT_SINGLELINE);
    EXPECT_FALSE(filled(transparent));

    TBitmap cleared(60, 30);
    cleared.Canvas().Brush().SetStyle(bsClear);
    EXPECT_EQ(cleared.Canvas().BkMode(), TRANSPARENT);
    cleared.Canvas().Brush().SetColor(fill);  // a new brush makes text opaque again
    cleared.Canvas().DrawText("x", r, DT_SINGLELINE);
    EXPECT_TRUE(filled(cleared));
}

TEST_F(TextSurface, TextTakesTheFontColour)
{
    c.Font().SetColor(clGrayText);
    c.TextOut(2, 2, "W");
    const QImage& image = QtAccess::Image(bitmap);
    int gray = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const TColor px = QColorToColor(image.pixelColor(x, y));
            ASSERT_TRUE(px == clWhite || px == clGray) << x << "," << y;  // no anti-aliasing
            gray += px == clGray;
        }
    EXPECT_GT(gray, 5);
}

}  // namespace
