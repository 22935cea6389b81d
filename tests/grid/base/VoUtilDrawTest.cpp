#include "grid/base/VoUtil/VoUtilDraw.h"

#include <gtest/gtest.h>

namespace {

struct Surface {
    Surface(int w, int h) : bmp(w, h)
    {
        canvas().Brush().SetColor(clWhite);
        canvas().FillRect(Rect(0, 0, w, h));
    }
    TCanvas& canvas() { return bmp.Canvas(); }
    TColor at(int x, int y) { return bmp.Canvas().Pixels(x, y); }
    TBitmap bmp;
};

constexpr TColor Red = RGB(255, 0, 0);
constexpr TColor Blue = RGB(0, 0, 255);

}  // namespace

TEST(VoUtilDraw, GradientBands)
{
    Surface s(101, 4);
    DrawGradientRect(s.canvas(), RGB(0, 0, 0), RGB(200, 0, 0), 4, Rect(0, 0, 101, 4), true);
    EXPECT_EQ(s.at(0, 1), RGB(0, 0, 0));
    EXPECT_EQ(s.at(26, 1), RGB(50, 0, 0));  // the second band starts at 25, drawn over by nothing after 26
    EXPECT_EQ(s.at(60, 1), RGB(100, 0, 0));
    EXPECT_EQ(s.at(99, 1), RGB(150, 0, 0));
    EXPECT_EQ(s.at(100, 1), RGB(200, 0, 0));  // the fifth band is the to colour

    DrawGradientRect(s.canvas(), Blue, clNone, 4, Rect(0, 0, 101, 4), true);
    EXPECT_EQ(s.at(0, 0), Blue);
    EXPECT_EQ(s.at(100, 3), Blue);

    Surface v(4, 11);
    DrawGradientRect(v.canvas(), clNone, clNone, 4, Rect(0, 0, 4, 11), false);  // nothing set: nothing drawn
    EXPECT_EQ(v.at(1, 5), clWhite);
    DrawGradientRect(v.canvas(), Red, Blue, 64, Rect(0, 11, 4, 0), false);  // top and bottom swapped
    EXPECT_EQ(v.at(1, 0), Red);
    EXPECT_EQ(v.at(1, 10), Blue);

    // Band 7 of 10 towards 45 is 7 * 45 / 10 = 31.5, rounded to even: 32 (0.7 * 45 falls just below 31.5).
    Surface w(11, 1);
    DrawGradientRect(w.canvas(), RGB(0, 0, 0), RGB(45, 0, 0), 10, Rect(0, 0, 11, 1), true);
    EXPECT_EQ(w.at(7, 0), RGB(32, 0, 0));
}

TEST(VoUtilDraw, ColourArithmetic)
{
    EXPECT_EQ(ColorAdjustPercent(RGB(200, 100, 0), 50), RGB(44, 150, 0));
    EXPECT_EQ(DarkenColorHalf(RGB(201, 100, 3)), RGB(100, 50, 1));
    EXPECT_EQ(BlendColorStep(RGB(0, 0, 0), RGB(100, 200, 50), 0, 5, 10), RGB(50, 100, 25));
    EXPECT_EQ(BlendColorStep(Red, clNone, 0, 5, 10), Red);
    EXPECT_EQ(BlendColorStep(RGB(0, 0, 0), RGB(45, 0, 0), 0, 7, 10), RGB(32, 0, 0));  // 45 / 10 * 7 = 31.5
}

TEST(VoUtilDraw, CellBackgroundMirroredAndBorder)
{
    Surface s(20, 20);
    DrawCellBackground(s.canvas(), Rect(0, 0, 20, 20), Red, clNone, Blue, Blue, true, RGB(0, 255, 0), true, true);
    EXPECT_EQ(s.at(5, 2), Red);
    EXPECT_EQ(s.at(5, 17), Blue);
    EXPECT_EQ(s.at(0, 10), RGB(0, 255, 0));
    EXPECT_EQ(s.at(19, 10), RGB(0, 255, 0));
    EXPECT_NE(s.at(10, 0), RGB(0, 255, 0));  // side lines only
}

TEST(VoUtilDraw, SelectionFrameSingleAndMiddle)
{
    Surface s(30, 20);
    const TColor outer = RGB(1, 2, 3);
    const TColor outerCorner = RGB(9, 9, 9);
    DrawSelectionFrame(s.canvas(), Red, clNone, clNone, clNone, clBlack, clBlack, outer, RGB(5, 5, 5), outerCorner,
                       Rect(0, 0, 30, 20), 0);
    EXPECT_EQ(s.at(0, 0), outerCorner);
    EXPECT_EQ(s.at(0, 8), outer);
    EXPECT_EQ(s.at(28, 8), outer);  // right side at Right - 2
    EXPECT_EQ(s.at(10, 8), Red);
    Surface m(30, 20);
    DrawSelectionFrame(m.canvas(), Red, clNone, clNone, clNone, clBlack, clBlack, outer, RGB(5, 5, 5), outerCorner,
                       Rect(0, 0, 30, 20), 3);
    EXPECT_EQ(m.at(0, 8), Red);  // a middle part has no sides
    EXPECT_EQ(m.at(0, 0), outer);
}

TEST(VoUtilDraw, ButtonsInTones)
{
    TColorTones tones;
    tones.Background = {RGB(10, 10, 10), RGB(20, 20, 20), RGB(30, 30, 30)};
    tones.Hover = {RGB(40, 40, 40), RGB(50, 50, 50), RGB(60, 60, 60)};
    Surface s(40, 20);
    DrawPushButton(s.canvas(), Rect(0, 0, 40, 20), tones, 1, 3);
    EXPECT_EQ(s.at(10, 10), RGB(40, 40, 40));
    EXPECT_EQ(s.at(0, 10), RGB(50, 50, 50));
    DrawComboButton(s.canvas(), Rect(0, 0, 40, 20), tones, 0, 3);
    EXPECT_EQ(s.at(36, 3), RGB(10, 10, 10));
    EXPECT_EQ(s.at(25, 3), RGB(20, 20, 20));  // the line one pixel in
    EXPECT_EQ(s.at(30, 9), RGB(30, 30, 30));  // the arrow
    // Themed and classic looks draw a face over the whole part.
    for (int look : {0, 1, 2}) {
        Surface t(40, 20);
        DrawSpinButtons(t.canvas(), Rect(0, 0, 40, 20), tones, 0, look);
        EXPECT_NE(t.at(30, 4), clWhite) << look;
        EXPECT_EQ(t.at(10, 4), clWhite) << look;
    }
}

TEST(VoUtilDraw, ProgressBarLevels)
{
    TProgressSettings s;
    s.ShowPercentage = false;
    s.ShowGradient = false;
    s.Level0Color = RGB(0, 0, 10);
    s.Level1Color = RGB(0, 0, 20);
    s.Level2Color = RGB(0, 0, 30);
    s.Level3Color = RGB(0, 0, 40);
    const struct {
        int percent;
        bool stacked;
        std::vector<std::pair<int, TColor>> probes;
    } cases[] = {
        {100, false, {{5, RGB(0, 0, 40)}, {100, RGB(0, 0, 40)}}},
        {70, false, {{5, RGB(0, 0, 20)}, {80, clWhite}}},
        {80, false, {{5, RGB(0, 0, 20)}}},
        {95, false, {{5, RGB(0, 0, 30)}}},
        {100, true, {{5, RGB(0, 0, 10)}, {75, RGB(0, 0, 20)}, {95, RGB(0, 0, 40)}, {100, RGB(0, 0, 40)}}},
    };
    for (const auto& c : cases) {
        Surface b(102, 10);
        s.Stacked = c.stacked;
        DrawProgressBar(b.canvas(), Rect(0, 0, 102, 10), c.percent, s);
        for (const auto& [x, color] : c.probes)
            EXPECT_EQ(b.at(x, 5), color) << c.percent << (c.stacked ? " stacked" : "") << " at " << x;
    }
}

TEST(VoUtilDraw, ValueIndicatorAndFormat)
{
    EXPECT_EQ(FormatIndicatorValue("%d of 6", 3), "3 of 6");
    EXPECT_EQ(FormatIndicatorValue("%.1f days", 2.75), "2.8 days");
    EXPECT_EQ(FormatIndicatorValue("%s %n", 1), "%s 1.000000");  // only known conversions are applied
    EXPECT_EQ(FormatIndicatorValue("100%% %d %d", 4), "100% 4 %d");

    Surface s(104, 20);
    s.canvas().Brush().SetColor(clWhite);
    DrawValueIndicator(s.canvas(), Rect(0, 0, 104, 20), Red, Red, Blue, Blue, 3, 2, 2, 0, 6, "%d", clNone, false);
    EXPECT_EQ(s.at(3, 3), Red);
    EXPECT_EQ(s.at(51, 3), Red);
    EXPECT_EQ(s.at(53, 3), Blue);
}

TEST(VoUtilDraw, BalanceBarBeyondMaximumFillsHalf)
{
    Surface s(44, 10);
    DrawBalanceBar(s.canvas(), Rect(0, 0, 44, 10), 500, 100, false, Red, Blue);
    EXPECT_EQ(s.at(22, 5), Blue);
    EXPECT_EQ(s.at(41, 5), Blue);
    EXPECT_EQ(s.at(42, 5), clWhite);
    EXPECT_EQ(s.at(21, 5), clWhite);
    DrawBalanceBar(s.canvas(), Rect(0, 0, 44, 10), -50, 100, false, Red, Blue);
    EXPECT_EQ(s.at(12, 5), Red);
    EXPECT_EQ(s.at(11, 5), clWhite);
}

TEST(VoUtilDraw, ShapesAndPie)
{
    Surface s(20, 10);
    DrawCellShape(s.canvas(), 0, 0, 20, 10, csCircle, Red, Red);
    EXPECT_EQ(s.at(5, 5), Red);
    EXPECT_EQ(s.at(15, 5), clWhite);  // a 10 x 10 circle

    Surface p(41, 41);
    p.canvas().Brush().SetColor(clWhite);
    DrawPieValue(p.canvas(), Rect(0, 0, 41, 41), Red, 25, false);
    EXPECT_EQ(p.at(28, 12), Red);
    EXPECT_EQ(p.at(12, 28), clWhite);
}

TEST(VoUtilDraw, BitmapTransparentReplacesKeyColour)
{
    TBitmap glyph(3, 3);
    glyph.Canvas().Brush().SetColor(RGB(255, 0, 255));
    glyph.Canvas().FillRect(Rect(0, 0, 3, 3));
    glyph.Canvas().SetPixel(1, 1, Blue);
    Surface s(10, 10);
    DrawBitmapTransparent(s.canvas(), glyph, Red, Rect(4, 4, 10, 10));
    EXPECT_EQ(s.at(4, 4), Red);
    EXPECT_EQ(s.at(5, 5), Blue);
    EXPECT_EQ(s.at(7, 7), clWhite);
}
