#include "grid/base/BaseGrid/BaseGrid.h"

#include <gtest/gtest.h>

#include "platform/QtAccess.h"
#include "support/TestSeams.h"

namespace {

// Colours cells from their properties; 6 x 5 cells of 20 x 10 pixels with one fixed row and column.
class PaintGrid : public TBaseGrid {
public:
    PaintGrid() : TBaseGrid(nullptr)
    {
        SetScrollBars(ssNone);
        SetColCount(6);
        SetRowCount(5);
        SetDefaultColWidth(20);
        SetDefaultRowHeight(10);
        SetBounds(0, 0, 120, 50);
        SetColor(clWhite);
        SetGridLineColor(RGB(0, 0, 0));
        SetGridFixedLineColor(RGB(0, 128, 0));
    }
    void GetVisualProperties(int ACol, int ARow, TGridDrawState&, bool, bool, bool, TBrush& ABrush, TColor&, TColor&,
                             TColor&, TFont&, TAlignment&, TVAlignment&, bool&, TCellGradientDirection&) override
    {
        if (HasCellProperties(ACol, ARow) && GetCellProperties(ACol, ARow)->BrushColor() != clNone)
            ABrush.SetColor(GetCellProperties(ACol, ARow)->BrushColor());
    }
    bool IsFixed(int ACol, int ARow) override { return ACol < FixedCols() || ARow < FixedRows(); }
    void PaintGridCell(TCanvas&, int, int, const TRect&, TGridDrawState) override { ++cellPaints; }
    int cellPaints = 0;
};

TColor pixel(const QImage& image, int x, int y)
{
    return QColorToColor(image.pixelColor(x, y));
}

constexpr TColor Teal = RGB(0, 128, 128);

}  // namespace

TEST(BaseGridPaint, MergedAreaPaintedWholeOnce)
{
    PaintGrid g;
    g.MergeCells(2, 1, 3, 3);
    g.GetCellProperties(2, 1)->SetBrushColor(Teal);
    g.SetCol(5);
    g.SetRow(4);
    const QImage image = PaintToImage(g);
    // Inside the area, across the covered cells' borders, the base cell's colour.
    for (const TPoint p : {TPoint{42, 12}, TPoint{61, 12}, TPoint{78, 35}, TPoint{45, 20}})
        EXPECT_EQ(pixel(image, p.X, p.Y), Teal) << p.X << "," << p.Y;
    EXPECT_EQ(pixel(image, 99, 25), RGB(0, 0, 0));    // the area's right line
    EXPECT_EQ(pixel(image, 25, 15), clWhite);         // a plain cell
    EXPECT_EQ(pixel(image, 19, 25), RGB(0, 128, 0));  // a fixed cell's line
    // 30 cells drawn; the area's 9 cells paint its content once from the base and once for the rest.
    EXPECT_EQ(g.cellPaints, 30 - 9 + 2);
}

TEST(BaseGridPaint, AreaScrolledUnderFixedCellsIsClipped)
{
    PaintGrid g;
    g.SetColCount(12);
    g.MergeCells(1, 1, 3, 3);
    g.GetCellProperties(1, 1)->SetBrushColor(Teal);
    g.SetLeftCol(2);  // the base cell is scrolled out
    const QImage image = PaintToImage(g);
    EXPECT_EQ(pixel(image, 25, 15), Teal);
    EXPECT_NE(pixel(image, 10, 15), Teal);  // not drawn over the fixed column
}

TEST(BaseGridPaint, HiddenLastRowHoverAndActiveRow)
{
    PaintGrid g;
    g.SetColor(RGB(1, 2, 3));
    g.HideLastRow = true;
    g.HoverRow = true;
    g.HoverRowIdx = 2;
    g.HoverRowColor = RGB(200, 0, 0);
    g.SetActiveRowShow(true);
    g.SetActiveRowColor(RGB(0, 0, 200));
    g.SetCol(1);
    g.SetRow(3);
    const QImage image = PaintToImage(g);
    EXPECT_EQ(pixel(image, 30, 45), RGB(1, 2, 3));    // last row: grid colour only
    EXPECT_EQ(pixel(image, 30, 25), RGB(200, 0, 0));  // hover row, normal cell
    EXPECT_EQ(pixel(image, 5, 25), RGB(1, 2, 3)) << "fixed cells are not hovered without hcFixed";
    EXPECT_EQ(pixel(image, 50, 35), RGB(0, 0, 200));  // active row
    EXPECT_NE(pixel(image, 30, 35), RGB(0, 0, 200));  // the current cell keeps its colour
}

TEST(BaseGridPaint, SelectionFrameFollowsFocus)
{
    PaintGrid g;
    g.SetSelectionStyle(ssVista);
    g.SetCol(2);
    g.SetRow(2);
    QImage image = PaintToImage(g);
    // The current cell of an unfocused grid is selected and framed grey.
    EXPECT_EQ(pixel(image, 40, 24), RGB(0xD9, 0xD9, 0xD9));
    g.SetOptions(g.Options() | goDrawFocusSelected);
    image = PaintToImage(g);
    EXPECT_EQ(pixel(image, 40, 24), RGB(0x99, 0xDE, 0xFD));

    g.SetSelectionStyle(ssDefault);
    image = PaintToImage(g);
    EXPECT_EQ(pixel(image, 45, 25), clWhite);
}
