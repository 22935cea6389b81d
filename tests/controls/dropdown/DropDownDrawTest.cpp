// The drop-down unit's drawing routines: colour arithmetic and the banded gradient, checked by numbers and
// pixels.
#include <gtest/gtest.h>

#include "controls/dropdown/VoDropDownDraw.h"

namespace {
struct BlendCase {
    TColor C1, C2;
    int Percent;
    TColor Expected;
};

TEST(DropDownColors, BlendMixesByPercentAndRoundsHalvesToEven)
{
    const BlendCase cases[] = {
        {0x000000, 0xFFFFFF, 50, 0x808080},     // 127.5 rounds to the even 128
        {0x0000FF, 0xFF0000, 25, 0xBF0040},     // red 63.75, blue 191.25
        {clBtnFace, 0x000000, 100, clBtnFace},  // 100 and more: the first colour, unresolved
        {0x123456, clBtnFace, 0, clBtnFace},    // 0 and less: the second colour, unresolved
        {0x123456, 0x000000, 150, 0x123456},
        {0xFFFFFF, clBtnFace, 50, DropDownBlendColor(0xFFFFFF, ColorToRGB(clBtnFace), 50)},  // system colour resolved
    };
    for (const BlendCase& c : cases)
        EXPECT_EQ(DropDownBlendColor(c.C1, c.C2, c.Percent), c.Expected) << std::hex << c.C1 << " " << c.C2;
}

TEST(DropDownColors, AdjustScalesChannelsAndLiftsZeroChannels)
{
    struct Case {
        TColor Color;
        int R, G, B;
        TColor Expected;
    } const cases[] = {
        {0x000080, 20, 20, 20, 0x141480},     // red stays, zero channels become the change
        {0x808080, -50, 0, 100, 0x808040},    // darkened by half; a positive change keeps a channel
        {0xF5F0E1, -10, -10, 0, 0xF5D8CA},    // the bar buttons' checked colour
        {0x000000, -20, 300, 0, 0x002C00},    // a negative change of a zero channel gives 0; 300 cut to 8 bits
        {0x4080C0, -150, -100, 0, 0x400000},  // below -100 % a channel goes no lower than 0
    };
    for (const Case& c : cases)
        EXPECT_EQ(DropDownAdjustColor(c.Color, c.R, c.G, c.B), c.Expected) << std::hex << c.Color;
}

int red(TBitmap& b, int x, int y)
{
    return GetRValue(b.Canvas().Pixels(x, y));
}

TEST(DropDownGradient, BandsFollowTheRoundedStepsAndStopShortOfTheEndColour)
{
    // 100 pixels in 80 steps: d = 99 / 80, two-pixel bands at nearest(n * 1.2375); red grows by 2 a step.
    TBitmap b(100, 10);
    DropDownGradientFill(b.Canvas(), 0x000000, RGB(160, 0, 0), 80, Rect(0, 0, 100, 10), true);
    EXPECT_EQ(red(b, 0, 5), 0);
    EXPECT_EQ(red(b, 1, 5), 2);     // band 1 starts at nearest(1.2375) = 1
    EXPECT_EQ(red(b, 2, 5), 4);     // band 2 at nearest(2.475) = 2 overlaps it
    EXPECT_EQ(red(b, 50, 5), 80);   // band 40 starts at nearest(49.5) = 50
    EXPECT_EQ(red(b, 99, 5), 158);  // the last band: 79 steps of 80, never the end colour
    EXPECT_EQ(red(b, 99, 9), 158);

    TBitmap v(10, 100);
    DropDownGradientFill(v.Canvas(), 0x000000, RGB(160, 0, 0), 80, Rect(0, 0, 10, 100), false);
    EXPECT_EQ(red(v, 5, 0), 0);
    EXPECT_EQ(red(v, 5, 50), 80);
    EXPECT_EQ(red(v, 9, 99), 158);
}

TEST(DropDownGradient, OneStepOrNoneFillsTheWholeRectangleWithTheStartColour)
{
    for (int steps : {1, 0, -3}) {
        TBitmap b(20, 8);
        b.Canvas().Brush().SetColor(clWhite);
        b.Canvas().FillRect(Rect(0, 0, 20, 8));
        DropDownGradientFill(b.Canvas(), 0x0000FF, 0xFF0000, steps, Rect(2, 1, 18, 7), true);
        EXPECT_EQ(b.Canvas().Pixels(2, 1), 0x0000FF) << steps;
        EXPECT_EQ(b.Canvas().Pixels(17, 6), 0x0000FF) << steps;
        EXPECT_EQ(b.Canvas().Pixels(18, 6), clWhite) << steps;
        EXPECT_EQ(b.Canvas().Pixels(1, 1), clWhite) << steps;
    }
}

TEST(DropDownBackground, GradientOrPlainFillThenABorderOnlyWhenSet)
{
    TBitmap b(40, 20);
    DropDownDrawBackground(&b.Canvas(), Rect(0, 0, 40, 20), 0x00FF00, clNone, 0x0000FF, 1, gdHorizontal);
    EXPECT_EQ(b.Canvas().Pixels(0, 0), 0x0000FF);
    EXPECT_EQ(b.Canvas().Pixels(20, 10), 0x00FF00);
    DropDownDrawBackground(&b.Canvas(), Rect(0, 0, 40, 20), 0x000000, RGB(0, 0, 160), clNone, 1, gdVertical);
    // Vertical: one colour along the top row; 80 bands over 19 rows overlap, so the third band's colour tops it.
    EXPECT_EQ(b.Canvas().Pixels(0, 0), RGB(0, 0, 4));
    EXPECT_EQ(b.Canvas().Pixels(39, 0), RGB(0, 0, 4));
    EXPECT_GT(GetBValue(b.Canvas().Pixels(0, 19)), 100);
    DropDownDrawBackground(nullptr, Rect(0, 0, 40, 20), 0, 0, 0, 1, gdVertical);  // nothing without a canvas
}

TEST(DropDownText, SizeAndTruncation)
{
    TBitmap b(10, 10);
    TCanvas& c = b.Canvas();
    EXPECT_EQ(DropDownTextSize(c, QString()).cx, 0);
    EXPECT_EQ(DropDownTextSize(c, QString()).cy, 0);
    const QString text = QStringLiteral("Drop-down caption");
    const int full = DropDownTextSize(c, text).cx;
    EXPECT_EQ(c.TextWidth(text), full);
    EXPECT_EQ(DropDownTruncateText(c, text, full, true), text);
    const QString cut = DropDownTruncateText(c, text, full / 2, true);
    EXPECT_TRUE(cut.endsWith(QStringLiteral("..."))) << cut.toStdString();
    EXPECT_LT(DropDownTextSize(c, cut).cx, full / 2);
    EXPECT_TRUE(text.startsWith(cut.chopped(3)));
    const QString bare = DropDownTruncateText(c, text, full / 2, false);
    EXPECT_FALSE(bare.endsWith(QStringLiteral("...")));
    // Nothing fits, not even one character and the dots: the whole text.
    EXPECT_EQ(DropDownTruncateText(c, text, 2, true), text);
}

TEST(DropDownText, GlyphBackgroundIsReplacedAndImageTextCentresWithoutImage)
{
    TBitmap glyph(4, 4);
    glyph.Canvas().Brush().SetColor(0x00FF00);
    glyph.Canvas().FillRect(Rect(0, 0, 4, 4));
    glyph.Canvas().SetPixel(2, 2, 0x0000FF);
    TBitmap target(10, 10);
    DropDownDrawGlyph(target.Canvas(), glyph, 0xFF0000, Rect(3, 3, 7, 7));
    EXPECT_EQ(target.Canvas().Pixels(3, 3), 0xFF0000);
    EXPECT_EQ(target.Canvas().Pixels(5, 5), 0x0000FF);
    EXPECT_EQ(target.Canvas().Pixels(2, 2), clWhite);

    // Without an image the caption sits in the middle; with one it starts after the image.
    TBitmap centred(100, 20), after(100, 20);
    TImageList images(16, 16);
    TBitmap picture(16, 16);
    picture.Canvas().Brush().SetColor(0x0000FF);
    picture.Canvas().FillRect(Rect(0, 0, 16, 16));
    images.Add(picture);
    DropDownDrawImageText(&centred.Canvas(), Rect(0, 0, 100, 20), QStringLiteral("II"), &images, -1);
    DropDownDrawImageText(&after.Canvas(), Rect(0, 0, 100, 20), QStringLiteral("II"), &images, 0);
    const auto firstInk = [](TBitmap& b, int from) {
        for (int x = from; x < b.Width(); ++x)
            for (int y = 0; y < b.Height(); ++y)
                if (b.Canvas().Pixels(x, y) != clWhite)
                    return x;
        return -1;
    };
    EXPECT_GT(firstInk(centred, 0), 40);
    EXPECT_EQ(after.Canvas().Pixels(4, 2), 0x0000FF);  // the image at 4, centred vertically
    const int text = firstInk(after, 24);
    EXPECT_GE(text, 24);
    EXPECT_LT(text, 40);
}
}  // namespace
