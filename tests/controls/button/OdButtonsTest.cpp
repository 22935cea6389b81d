#include "controls/button/OdButtons.h"

#include <gtest/gtest.h>

namespace {

TEST(OdHotTrackBlend, MovesByEighthsAndTruncates)
{
    EXPECT_EQ(OdHotTrackBlend(0xEDF7F8, clYellow, 8), clYellow);
    EXPECT_EQ(OdHotTrackBlend(0xEDF7F8, clYellow, 0), 0xEDF7F8);
    // R: 16 * 5/8 + 255 * 3/8 = 105.625; G and B: 3 * 3/8 = 1.125.
    EXPECT_EQ(OdHotTrackBlend(0x000010, 0x0303FF, 3), RGB(105, 1, 1));
    // System colours blend by their RGB value.
    EXPECT_EQ(OdHotTrackBlend(clBtnFace, clBtnFace, 5), ColorToRGB(clBtnFace));
}

class GradientTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        bitmap.SetSize(4, 40);
        bitmap.Canvas().Brush().SetColor(clWhite);
        bitmap.Canvas().FillRect(Rect(0, 0, 4, 40));
    }
    TColor at(int y) { return bitmap.Canvas().Pixels(1, y); }
    TBitmap bitmap;
};

TEST_F(GradientTest, EmptySpanFillsNothing)
{
    OdGradientFill(bitmap.Canvas(), clBlack, clRed, 0, 5, 4, 5);
    for (int y = 0; y < 40; ++y)
        ASSERT_EQ(at(y), clWhite) << y;
}

TEST_F(GradientTest, SpanOf31HasOneBandPerRowAndNeverReachesTheEndColour)
{
    // Bands start one row apart and are two rows high, so each row shows the band starting on it;
    // the 32nd band starts at the bottom and is empty.
    OdGradientFill(bitmap.Canvas(), RGB(0, 0, 0), RGB(62, 31, 93), 1, 2, 3, 33);
    EXPECT_EQ(at(1), clWhite);
    EXPECT_EQ(bitmap.Canvas().Pixels(0, 10), clWhite);
    EXPECT_EQ(bitmap.Canvas().Pixels(3, 10), clWhite);
    for (int i = 0; i < 31; ++i)
        ASSERT_EQ(at(2 + i), RGB(2 * i, i, 3 * i)) << i;
    EXPECT_EQ(at(33), clWhite);
}

TEST_F(GradientTest, ShortSpanOverwritesWithLaterBands)
{
    // span 3: bands 1 pixel high at rows 0,0,..,1,..,2; each row keeps the last band drawn on it.
    OdGradientFill(bitmap.Canvas(), RGB(0, 0, 0), RGB(31, 0, 0), 0, 0, 4, 3);
    EXPECT_EQ(at(0), RGB(10, 0, 0));
    EXPECT_EQ(at(1), RGB(20, 0, 0));
    EXPECT_EQ(at(2), RGB(30, 0, 0));
    EXPECT_EQ(at(3), clWhite);
}

} // namespace
