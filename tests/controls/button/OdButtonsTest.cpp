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

}  // namespace

namespace {

constexpr TColor Magenta = 0xFF00FF;
// Cell colours of the test glyph: normal, disabled, pressed, hot.
constexpr TColor CellColor[4] = {0x0000C0, 0x00C000, 0xC00000, 0x00C0C0};

// A face drawn on a bitmap, with a glyph of four 6 x 6 cells: a solid 4 x 5 block on magenta each.
class FaceTest : public ::testing::Test {
protected:
    FaceTest()
    {
        glyph.SetSize(24, 6);
        glyph.Canvas().Brush().SetColor(Magenta);
        glyph.Canvas().FillRect(Rect(0, 0, 24, 6));
        for (int i = 0; i < 4; ++i) {
            glyph.Canvas().Brush().SetColor(CellColor[i]);
            glyph.Canvas().FillRect(Rect(6 * i + 1, 0, 6 * i + 5, 5));
        }
        font.SetName(QStringLiteral("DejaVu Sans"));
        font.SetColor(clBlack);
        face.Width = 80;
        face.Height = 30;
        face.Font = &font;
        face.FaceColor = 0xEDF7F8;
    }

    void draw()
    {
        bitmap.SetSize(face.Width, face.Height);
        bitmap.Canvas().Brush().SetColor(clWhite);
        bitmap.Canvas().FillRect(Rect(0, 0, face.Width, face.Height));
        DrawOdButtonFace(bitmap.Canvas(), face);
    }
    TColor px(int x, int y) { return bitmap.Canvas().Pixels(x, y); }
    // Bounding box of the pixels of one colour; empty when there are none.
    TRect find(TColor color)
    {
        TRect box{face.Width, face.Height, 0, 0};
        for (int y = 0; y < face.Height; ++y)
            for (int x = 0; x < face.Width; ++x)
                if (px(x, y) == color)
                    box = Rect(std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                               std::max(box.Bottom, y + 1));
        return box.IsEmpty() ? TRect{} : box;
    }
    int count(TColor color)
    {
        int n = 0;
        for (int y = 0; y < face.Height; ++y)
            for (int x = 0; x < face.Width; ++x)
                n += px(x, y) == color;
        return n;
    }

    TBitmap bitmap;
    TBitmap glyph;
    TFont font;
    TOdFace face;
};

TEST_F(FaceTest, EncartaWithTheFormsColours)
{
    face.Style = bsEncarta;
    face.HotTrackColor = clYellow;
    face.DownColor = 0x0080FF;
    face.Caption = QStringLiteral("OK");
    face.Alignment = taLeftJustify;
    face.Glyph = &glyph;
    face.NumGlyphs = 1;

    draw();
    EXPECT_EQ(px(3, 3), 0xEDF7F8);
    EXPECT_EQ(px(0, 0), clWhite);
    EXPECT_EQ(px(0, face.Height - 1), clWhite);
    EXPECT_EQ(px(face.Width - 1, 0), clGray);
    EXPECT_EQ(px(face.Width - 1, face.Height - 1), clGray);
    const TRect at = find(CellColor[0]);
    const int ink = count(clBlack);

    face.Hot = true;
    face.HotTrackStep = 8;
    draw();
    EXPECT_EQ(px(3, 3), clYellow);
    face.HotTrackStep = 4;
    draw();
    EXPECT_EQ(px(3, 3), OdHotTrackBlend(0xEDF7F8, clYellow, 4));

    face.Down = true;
    draw();
    EXPECT_EQ(px(3, 3), 0x0080FF);
    EXPECT_EQ(px(0, 0), clGray);
    EXPECT_EQ(px(face.Width - 1, face.Height - 1), clWhite);
    EXPECT_EQ(find(CellColor[0]), at);  // no shift
    EXPECT_GT(count(clBlack), ink);     // bold caption
}

TEST_F(FaceTest, NormalStyleShiftsContentWhenDown)
{
    face.Glyph = &glyph;
    face.NumGlyphs = 1;
    draw();
    const TRect up = find(CellColor[0]);
    face.Down = true;
    draw();
    const TRect down = find(CellColor[0]);
    EXPECT_EQ(down.Left, up.Left + 1);
    EXPECT_EQ(down.Top, up.Top + 1);
}

TEST_F(FaceTest, DisabledFaceIsNeverPressedNorHighlighted)
{
    face.Enabled = false;
    face.Down = true;
    face.Hot = true;
    face.HotTrackStep = 8;
    face.HotTrackColor = clYellow;
    face.DownColor = clRed;
    face.Caption = QStringLiteral("Disabled");
    draw();
    EXPECT_EQ(px(3, 3), 0xEDF7F8);
    EXPECT_EQ(px(0, 0), clWhite);  // raised border
    EXPECT_GT(count(0x808080), 0);
    EXPECT_EQ(count(clBlack), 0);

    // A shape button keeps its caption colour.
    face.Style = bsShape;
    draw();
    EXPECT_GT(count(clBlack), 0);
}

TEST_F(FaceTest, FlatBorderOnlyWhileHotOrDown)
{
    face.Flat = true;
    draw();
    EXPECT_EQ(px(0, 0), 0xEDF7F8);
    face.Hot = true;
    draw();
    EXPECT_EQ(px(0, 0), clWhite);
}

TEST_F(FaceTest, GlyphCellByState)
{
    face.Glyph = &glyph;
    struct Case {
        int numGlyphs;
        bool enabled, hot, down;
        int cell;
    };
    const Case cases[] = {
        {4, true, false, false, 0}, {4, true, true, false, 3}, {4, true, true, true, 2},
        {4, false, true, true, 1},  {2, true, true, true, 0},  {2, false, false, false, 1},
    };
    for (const Case& c : cases) {
        face.NumGlyphs = c.numGlyphs;
        face.Enabled = c.enabled;
        face.Hot = c.hot;
        face.Down = c.down;
        // Two-cell strip: the first half of the glyph.
        glyph.SetSize(6 * c.numGlyphs, 6);
        draw();
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(count(CellColor[i]) > 0, i == c.cell) << c.numGlyphs << c.enabled << c.hot << c.down << i;
    }
}

TEST_F(FaceTest, SingleImageStaysWhenDisabled)
{
    glyph.SetSize(6, 6);
    face.Glyph = &glyph;
    face.NumGlyphs = 1;
    face.Enabled = false;
    draw();
    EXPECT_EQ(count(CellColor[0]), 20);
}

TEST_F(FaceTest, GlyphPlacement)
{
    face.Glyph = &glyph;
    face.NumGlyphs = 4;
    struct Case {
        TOdButtonLayout layout;
        TAlignment alignment;
        int left, top;  // of the cell, whose block starts one pixel right of it
    };
    // Empty caption: tb = 0; th = one line of text.
    TRect line = Rect(0, 0, 100, 0);
    bitmap.Canvas().Font().Assign(font);
    const int th = bitmap.Canvas().DrawText(QString(), line, DT_CALCRECT | DT_WORDBREAK);
    const Case cases[] = {
        {blGlyphLeft, taLeftJustify, 4, 12},
        {blGlyphLeft, taRightJustify, 80 - 4 - 6, 12},
        {blGlyphLeft, taCenter, 37, 12},
        {blGlyphRight, taLeftJustify, 4, 12},
        {blGlyphRight, taRightJustify, 80 - 4 - 6, 12},
        {blGlyphTop, taLeftJustify, 4, (30 - th - 10) / 2},
        {blGlyphBottom, taCenter, 37, (30 - th - 10) / 2 + th},
    };
    for (const Case& c : cases) {
        face.Layout = c.layout;
        face.Alignment = c.alignment;
        draw();
        EXPECT_EQ(find(CellColor[0]), Rect(c.left + 1, c.top, c.left + 5, c.top + 5))
            << int(c.layout) << " " << int(c.alignment);
    }
}

TEST_F(FaceTest, CaptionIsCutToTheTextWidthUnlessWordWrap)
{
    // Glyph right of the caption, left-justified: it starts 8 pixels after the caption's width.
    face.Glyph = &glyph;
    face.NumGlyphs = 4;
    face.Layout = blGlyphRight;
    face.Alignment = taLeftJustify;
    face.Caption = QStringLiteral("Wiederholen Wiederholen");
    draw();
    const int limit = 80 - 8 - (6 + 4);
    const int cut = find(CellColor[0]).Left - 1 - 8;
    EXPECT_LE(cut, limit);
    EXPECT_GT(cut, limit - 15);

    // Word wrap keeps every word; the block is as wide as its widest line.
    face.WordWrap = true;
    draw();
    bitmap.Canvas().Font().Assign(font);
    EXPECT_EQ(find(CellColor[0]).Left - 1 - 8, bitmap.Canvas().TextWidth(QStringLiteral("Wiederholen")));
}

TEST_F(FaceTest, ModernGradientAndFrame)
{
    face.Style = bsModern;
    face.FaceColor = 0x00C0C0;
    face.LightColor = 0x00FFFF;
    face.ShadowColor = 0x008080;
    face.Height = 132;  // spans of at least 31 rows: the first band of each gradient is exact
    draw();
    // From the light colour at the top toward the face at H div 4, then back toward the light colour.
    EXPECT_EQ(px(10, 2), 0x00FFFF);
    EXPECT_NE(px(10, 32), 0x00C0C0);
    EXPECT_EQ(px(10, 33), 0x00C0C0);
    EXPECT_GT(GetGValue(px(10, 129)), 0xF0);
    EXPECT_EQ(px(10, 130), 0x00C0C0);
    EXPECT_EQ(px(10, 131), 0x008080);
    // Inner frame in the face colour, outer rounded frame in the shadow colour, corners untouched.
    EXPECT_EQ(px(10, 1), 0x00C0C0);
    EXPECT_EQ(px(10, 0), 0x008080);
    EXPECT_EQ(px(0, 20), 0x008080);
    EXPECT_EQ(px(0, 0), clWhite);

    // Pressed: shadow-coloured inner frame, and the split moves down by one.
    face.Down = true;
    draw();
    EXPECT_EQ(px(10, 1), 0x008080);
    EXPECT_NE(px(10, 33), 0x00C0C0);
    EXPECT_EQ(px(10, 34), 0x00C0C0);
}

TEST_F(FaceTest, QuickenAndShapeLeaveTheCornersAlone)
{
    face.Style = bsQuicken;
    face.FaceColor = 0x603000;
    face.ShadowColor = 0xC0C0C0;
    draw();
    EXPECT_EQ(px(0, 0), clWhite);
    EXPECT_EQ(px(3, 0), clWhite);
    EXPECT_EQ(px(4, 0), 0xC0C0C0);
    EXPECT_EQ(px(80 - 6, 0), 0xC0C0C0);
    EXPECT_EQ(px(80 - 5, 0), clWhite);
    EXPECT_EQ(px(4, 29), 0xC0C0C0);
    EXPECT_EQ(px(40, 15), 0x603000);

    face.Style = bsShape;
    draw();
    EXPECT_EQ(px(0, 0), Magenta);
    EXPECT_EQ(px(40, 2), Magenta);
}

TEST_F(FaceTest, PopupArrowAtTheRight)
{
    face.HasPopup = true;
    draw();
    // A 5 x 3 arrow pointing down, its top row at H div 2 - 1.
    EXPECT_EQ(find(clBlack), Rect(80 - 11, 14, 80 - 6, 17));
    EXPECT_EQ(count(clBlack), 9);
}

}  // namespace
