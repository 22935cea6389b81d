#include "grid/base/VoFocusWindow.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/Forms.h"
#include "platform/SysUtils.h"
#include "support/TestSeams.h"

namespace {

void fill24(TBitmap& b, int w, int h, TColor color)
{
    b.SetSize(w, h);
    b.Canvas().Brush().SetColor(color);
    b.Canvas().FillRect(Rect(0, 0, w, h));
    b.SetPixelFormat(TBitmap::pf24bit);
}

}  // namespace

TEST(BlurBitmap, KernelWhiteAreasAndCopiedInterior)
{
    EXPECT_EQ(BlurKernelRadius(3.0), 8);
    TBitmap white;
    fill24(white, 30, 30, clWhite);
    BlurBitmap(white, 3.0);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(white.ScanLine(y)[x] & 0xFFFFFF, 0xFFFFFFu);

    // White only in rows 10 to 18: rows 21 to 29 take row 15's white in the row pass, so they stay light
    // after the column pass; columns 21 to 79 end as copies of column 15.
    TBitmap wide;
    fill24(wide, 100, 50, clBlack);
    wide.Canvas().Brush().SetColor(clWhite);
    wide.Canvas().FillRect(Rect(10, 10, 90, 19));
    wide.SetPixelFormat(TBitmap::pf24bit);
    BlurBitmap(wide, 3.0);
    EXPECT_GT(wide.ScanLine(25)[15] & 0xFF, 100u);
    EXPECT_LT(wide.ScanLine(45)[15] & 0xFF, 10u);
    for (int y = 0; y < 50; ++y)
        for (int x = 21; x <= 79; ++x)
            ASSERT_EQ(wide.ScanLine(y)[x], wide.ScanLine(y)[15]) << x << "," << y;
    EXPECT_NE(wide.ScanLine(12)[9], wide.ScanLine(12)[15]);

    // No radius, or none that is a number: the bitmap stays as it is, interior rows included.
    for (const double radius : {0.0, -2.0, std::nan("")}) {
        TBitmap same;
        fill24(same, 50, 50, clWhite);
        same.Canvas().SetPixel(25, 30, clBlack);
        BlurBitmap(same, radius);
        EXPECT_EQ(same.ScanLine(0)[0] & 0xFFFFFF, 0xFFFFFFu) << radius;
        EXPECT_EQ(same.ScanLine(30)[25] & 0xFFFFFF, 0u) << radius;
    }

    TBitmap bitmap32(10, 10);
    try {
        BlurBitmap(bitmap32, 3.0);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Blur only works for 24-bit bitmaps"));
    }
}

TEST(GridAlphaMask, MergeMaskPremultipliesByTheMaskRed)
{
    TBitmap mask;
    fill24(mask, 4, 1, clBlack);
    mask.Canvas().SetPixel(1, 0, clRed);
    mask.Canvas().SetPixel(2, 0, RGB(128, 0, 0));
    mask.SetPixelFormat(TBitmap::pf24bit);
    TBitmap colour;
    fill24(colour, 4, 1, RGB(200, 100, 50));
    TGridAlphaMask glow;
    glow.MergeMask(mask, colour, clNone);
    EXPECT_EQ(glow.ScanLine(0)[0], 0x00000000u);
    EXPECT_EQ(glow.ScanLine(0)[1], 0xFFC86432u);
    EXPECT_EQ(glow.ScanLine(0)[2], 0x80643219u);
    TBitmap notTwentyFour(4, 1);
    TGridAlphaMask untouched;
    untouched.MergeMask(mask, notTwentyFour, clNone);
    EXPECT_EQ(untouched.Width(), 0);
}

TEST(FocusWindows, ArrowsShowOnlyTheirShape)
{
    TForm form(nullptr);
    TArrowWindow up(&form, arrUp);
    EXPECT_EQ(up.Color(), clLime);
    EXPECT_FALSE(up.Visible());
    EXPECT_TRUE(up.WindowRgn().Contains({5, 1}));
    EXPECT_FALSE(up.WindowRgn().Contains({0, 0}));
    EXPECT_FALSE(up.WindowRgn().Contains({1, 8}));
    TArrowWindow right(&form, arrRight);
    EXPECT_TRUE(right.WindowRgn().Contains({6, 5}));
    EXPECT_FALSE(right.WindowRgn().Contains({8, 0}));
}

TEST(FocusWindows, GlowIsShapedWithoutACompositorAndBlendedWithOne)
{
    TForm form(nullptr);
    TGridFocusWindow glow(&form);
    for (const bool composites : {false, true}) {
        const ScopedHook<TCompositorHook> hook(CompositorHook(), [composites] { return composites; });
        glow.ShowAround(Bounds(100, 50, 60, 20));
        EXPECT_EQ(glow.BoundsRect(), Bounds(96, 46, 69, 29));
        EXPECT_TRUE(glow.Visible());
        EXPECT_EQ(glow.PerPixelAlpha(), composites);
        const TRegion shape = glow.VisibleShape();
        // Never the cell itself, never the corners far from the ring.
        EXPECT_FALSE(shape.Contains({30, 14}));
        if (composites) {
            EXPECT_TRUE(shape.Contains({0, 0}));
        } else {
            EXPECT_FALSE(shape.Contains({0, 0}));
            EXPECT_TRUE(shape.Contains({34, 2}));  // on the ring
        }
    }
}
