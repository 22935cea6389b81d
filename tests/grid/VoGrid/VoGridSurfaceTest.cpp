// Measuring cell text, text offsets, rotated text placement, lines of a row and the background beyond the cells.
#include "VoGridTestGrid.h"
#include "platform/QtAccess.h"
#include "support/TestSeams.h"

TEST(VoGridSurface, TextOffsetsAndLinesInRow)
{
    RecordingGrid g;
    g.XYOffset = {2, 3};
    EXPECT_EQ(g.PrintXOffsetTotal(), 4);
    EXPECT_EQ(g.PrintYOffsetTotal(), 6);
    g.XYOffsetTopLeftOnly = true;
    EXPECT_EQ(g.PrintXOffsetTotal(), 2);
    EXPECT_EQ(g.PrintYOffsetTotal(), 3);
    g.SetCells(1, 1, QStringLiteral("a\rb\rc"));
    g.SetCells(2, 1, QStringLiteral("a\rb"));
    EXPECT_EQ(g.MaxLinesInRow(1), 1);  // without Multilinecells
    g.Multilinecells = true;
    EXPECT_EQ(g.MaxLinesInRow(1), 3);
    EXPECT_EQ(g.MaxLinesInRow(2), 1);
    g.HideColumn(1);
    EXPECT_EQ(g.MaxLinesInRow(1), 2);  // shown cells only
}

TEST(VoGridSurface, MeasuredCellText)
{
    RecordingGrid g;
    const int line = g.Canvas().TextHeight(QStringLiteral("gh"));
    const TSize empty = g.GetCellTextSize(1, 1, false, false);
    EXPECT_EQ(empty.cx, 0);
    EXPECT_EQ(empty.cy, line);
    g.Multilinecells = true;
    g.SetCells(1, 1, QStringLiteral("short\rmuch longer line"));
    const TSize two = g.GetCellTextSize(1, 1, false, false);
    EXPECT_EQ(two.cy, 2 * line);
    EXPECT_EQ(two.cx, g.Canvas().TextWidth(QStringLiteral("much longer line")));
    g.URLShow = true;
    g.SetCells(2, 1, QStringLiteral("http://example"));
    EXPECT_EQ(g.GetCellTextSize(2, 1, false, false).cx, g.Canvas().TextWidth(QStringLiteral("example")));
    g.SetCells(3, 1, QStringLiteral("<B>bold</B>"));
    EXPECT_GT(g.GetCellTextSize(3, 1, false, false).cx, 2);
    g.SetCells(3, 1, QStringLiteral("{\\rtf1 {\\b plain} text}"));
    EXPECT_EQ(g.GetCellTextSize(3, 1, false, false).cx, g.Canvas().TextWidth(QStringLiteral("plain text")));
}

TEST(VoGridSurface, RotatedTextStart)
{
    struct Case {
        int angle;
        TVAlignment va;
        TAlignment ha;
        TPoint start;
    };
    // Rectangle 0,0 - 100,50; A = 3, B = 4, C = 5, D = 6.
    for (const Case& c : std::vector<Case>{{90, vtaTop, taLeftJustify, {0, 4}},
                                           {90, vtaBottom, taRightJustify, {89, 47}},
                                           {180, vtaTop, taLeftJustify, {6, 7}},
                                           {180, vtaBottom, taRightJustify, {95, 50}},
                                           {270, vtaCenter, taCenter, {56, 24}},
                                           {300, vtaTop, taLeftJustify, {5, 0}},
                                           {300, vtaCenter, taCenter, {49, 21}}}) {
        TRect r = Rect(0, 0, 100, 50);
        VOroDavoduRuzu::AlignRotatedTextRect(r, c.angle, c.va, c.ha, 3, 4, 5, 6);
        EXPECT_EQ(r.Left, c.start.X) << c.angle;
        EXPECT_EQ(r.Top, c.start.Y) << c.angle;
    }
    RecordingGrid g;
    TRect r = Rect(10, 20, 110, 120);
    g.PlaceRotatedText(g.Canvas(), r, 90, vtaTop, taLeftJustify, QStringLiteral("abc"));
    EXPECT_EQ(r.Left, 12);
    EXPECT_EQ(r.Top, 22 + g.Canvas().TextWidth(QStringLiteral("abc")));
}

TEST(VoGridSurface, BackgroundBeyondTheCellsOnly)
{
    RecordingGrid g;
    g.SetBorderStyle(bsNone);
    g.SetColCount(2);
    g.SetRowCount(3);
    g.SetColor(clWhite);
    g.SetDefaultColWidth(40);
    g.SetDefaultRowHeight(20);
    g.SetBounds(0, 0, 200, 100);
    g.BackGround().SetDisplay(bdGradientVert);
    g.BackGround().SetColor(RGB(255, 0, 0));
    g.BackGround().SetColorTo(RGB(0, 0, 255));
    QImage image = PaintToImage(g);
    const auto at = [&](int x, int y) { return QColorToColor(image.pixelColor(x, y)); };
    EXPECT_GT(GetRValue(at(150, 5)), 200);  // the gradient's top, right of the cells
    EXPECT_GT(GetBValue(at(20, 95)), 200);  // its bottom, below the cells
    EXPECT_EQ(at(60, 50), clWhite);         // the cells keep their colour
    g.BackGround().SetColorTo(clNone);
    image = PaintToImage(g);
    EXPECT_EQ(at(150, 5), clWhite);
}
