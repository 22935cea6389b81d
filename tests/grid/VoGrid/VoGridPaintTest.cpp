// The painted grid, checked by pixels: backgrounds, gradients, lines, selection, check boxes of every style,
// nodes and tree lines, merged cells, fixed-cell hover and the sort mark.
#include "VoGridTestGrid.h"
#include "platform/QtAccess.h"
#include "support/TestSeams.h"

namespace {

constexpr TColor Teal = RGB(0, 128, 128);

// 5 x 4 cells of 40 x 20 pixels, one fixed row and column, all in view.
class PaintGrid : public RecordingGrid {
public:
    PaintGrid()
    {
        SetColCount(5);
        SetRowCount(4);
        SetDefaultColWidth(40);
        SetDefaultRowHeight(20);
        SetLook(glClassic);
        SetBorderStyle(bsNone);             // after the look, which sets a border
        SetOptions(Options() | goEditing);  // check boxes look enabled only in an editable grid
        SetBounds(0, 0, 220, 100);
        SetColor(clWhite);
        SetGridLineColor(RGB(0, 0, 0));
        SetFixedColor(clBtnFace);
        // The current cell out of the way of the cells checked.
        SetCol(ColCount() - 1);
        SetRow(RowCount() - 1);
    }
    void SetColCount(int n)
    {
        RecordingGrid::SetColCount(n);
        SetCol(n - 1);
    }
    void SetRowCount(int n)
    {
        RecordingGrid::SetRowCount(n);
        SetRow(n - 1);
    }
};

TColor pixel(const QImage& image, int x, int y)
{
    return QColorToColor(image.pixelColor(x, y));
}

// How many pixels of the rectangle have the colour.
int count(const QImage& image, const TRect& r, TColor color)
{
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            n += pixel(image, x, y) == color;
    return n;
}

// How many pixels of the rectangle differ between two paintings.
int differing(const QImage& a, const QImage& b, const TRect& r)
{
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

int darkPixels(const QImage& image, const TRect& r)
{
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            n += qGray(image.pixel(x, y)) < 100;
    return n;
}

}  // namespace

TEST(VoGridPaint, BackgroundGradientAndGridLines)
{
    PaintGrid g;
    g.SetColors(1, 1, Teal);
    g.SetColors(2, 1, RGB(255, 0, 0));
    g.SetColorsTo(2, 1, RGB(0, 0, 255));
    const QImage image = PaintToImage(g);
    EXPECT_EQ(pixel(image, 60, 30), Teal);
    EXPECT_EQ(pixel(image, 60, 50), clWhite);  // a plain cell
    // The gradient runs from the top colour to the bottom colour.
    const TColor top = pixel(image, 100, 21);
    const TColor bottom = pixel(image, 100, 37);
    EXPECT_GT(GetRValue(top), 200);
    EXPECT_GT(GetBValue(bottom), 200);
    EXPECT_LT(GetRValue(bottom), 60);
    EXPECT_EQ(pixel(image, 79, 30), RGB(0, 0, 0));  // vertical line between columns 1 and 2
    EXPECT_EQ(pixel(image, 60, 39), RGB(0, 0, 0));  // horizontal line under row 1
}

TEST(VoGridPaint, SelectionBackgroundTextAndOutline)
{
    PaintGrid g;
    g.SetCells(1, 1, QStringLiteral("WWWW"));
    g.SetSelection({1, 1, 2, 2});
    g.SelectionColor = RGB(0, 200, 0);
    g.SelectionTextColor = RGB(255, 0, 0);
    QImage image = PaintToImage(g);
    EXPECT_EQ(pixel(image, 75, 35), RGB(0, 200, 0));
    EXPECT_GT(count(image, Rect(40, 20, 80, 40), RGB(255, 0, 0)), 5);  // the text in the selection's colour
    EXPECT_EQ(pixel(image, 75, 75), clWhite);                          // outside the selection
    g.SelectionRectangle = true;
    g.SelectionRectangleColor = RGB(0, 0, 255);
    image = PaintToImage(g);
    // The outline runs along the selection's outer edges only.
    EXPECT_EQ(pixel(image, 60, 21), RGB(0, 0, 255));
    EXPECT_EQ(pixel(image, 41, 50), RGB(0, 0, 255));
    EXPECT_NE(pixel(image, 79, 50), RGB(0, 0, 255));  // inner column border
}

TEST(VoGridPaint, TextAlignmentPasswordAndNoDefaultDraw)
{
    PaintGrid g;
    g.SetColWidths(1, 100);
    g.SetCells(1, 1, QStringLiteral("IIII"));
    g.SetAlignments(1, 1, taRightJustify);
    QImage image = PaintToImage(g);
    EXPECT_EQ(darkPixels(image, Rect(41, 21, 90, 39)), 0);
    EXPECT_GT(darkPixels(image, Rect(90, 21, 139, 39)), 0);
    g.OnIsPasswordCell = [](TObject*, int, int, bool& is) { is = true; };
    const QImage masked = PaintToImage(g);
    EXPECT_GT(differing(image, masked, Rect(41, 21, 139, 39)), 0);
    int drawn = 0;
    g.OnDrawCell = [&](TObject*, int, int, const TRect&, TGridDrawState) { ++drawn; };
    g.NoDefaultDraw = true;
    image = PaintToImage(g);
    EXPECT_EQ(darkPixels(image, Rect(41, 21, 139, 39)), 0);
    EXPECT_GT(drawn, 0);
}

TEST(VoGridPaint, MergedCellTextSpansTheArea)
{
    PaintGrid g;
    g.SetBounds(0, 0, 260, 100);
    g.SetColCount(6);
    g.MergeCells(1, 1, 3, 1);
    g.SetAlignments(1, 1, taCenter);
    g.SetCells(1, 1, QStringLiteral("M"));
    const QImage image = PaintToImage(g);
    // Centred in the 120-pixel area, i.e. inside the middle column, and no grid line across the area.
    EXPECT_GT(darkPixels(image, Rect(81, 21, 119, 39)), 0);
    EXPECT_EQ(darkPixels(image, Rect(41, 21, 80, 39)), 0);
    EXPECT_EQ(pixel(image, 79, 30), clWhite);
}

TEST(VoGridPaint, CheckBoxInEveryStyle)
{
    for (VoGrid::TControlStyle style : {csClassic, csFlat, csWinXP, csBorland, csQEV, csTheme, csGlyph}) {
        PaintGrid g;
        g.ControlLook().SetControlStyle(style);
        // Glyphs whose corner colour is their transparent colour.
        TBitmap on(15, 15), off(15, 15);
        for (auto [bitmap, color] : {std::pair{&on, RGB(255, 0, 0)}, std::pair{&off, RGB(0, 0, 255)}}) {
            bitmap->Canvas().Brush().SetColor(RGB(255, 0, 255));
            bitmap->Canvas().FillRect(Rect(0, 0, 15, 15));
            bitmap->Canvas().Brush().SetColor(color);
            bitmap->Canvas().FillRect(Rect(1, 1, 14, 14));
        }
        g.ControlLook().SetCheckedGlyph(on);
        g.ControlLook().SetUnCheckedGlyph(off);
        g.AddCheckBox(1, 1, true, false);
        g.AddCheckBox(1, 2, false, false);
        const QImage image = PaintToImage(g);
        const TRect checked = Rect(41, 21, 79, 39);
        const TRect unchecked = Rect(41, 41, 79, 59);
        // Something drawn, and the checked box unlike the unchecked one.
        EXPECT_GT(count(image, checked, clWhite), 0) << style;
        EXPECT_LT(count(image, checked, clWhite), checked.Width() * checked.Height()) << style;
        int diff = 0;
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 38; ++x)
                diff += image.pixel(checked.Left + x, checked.Top + y) !=
                        image.pixel(unchecked.Left + x, unchecked.Top + y);
        EXPECT_GT(diff, 0) << style;
    }
}

TEST(VoGridPaint, XPCheckBoxBitmapsFollowEditPermission)
{
    PaintGrid g;
    g.ControlLook().SetControlStyle(csWinXP);
    g.AddCheckBox(1, 1, true, false);
    QImage image = PaintToImage(g);
    const TRect box = Rect(41, 21, 79, 39);
    EXPECT_GT(count(image, box, RGB(33, 161, 33)), 0);  // the green tick
    EXPECT_GT(count(image, box, RGB(28, 81, 128)), 0);  // the enabled frame
    g.SetReadOnly(1, 1, true);
    image = PaintToImage(g);
    EXPECT_EQ(count(image, box, RGB(33, 161, 33)), 0);
    EXPECT_GT(count(image, box, RGB(202, 200, 187)), 0);  // the disabled look
    g.ControlLook().CheckAlwaysActive = true;
    image = PaintToImage(g);
    EXPECT_GT(count(image, box, RGB(33, 161, 33)), 0);
}

TEST(VoGridPaint, DataCheckBoxShowsCheckTrueTextOnly)
{
    PaintGrid g;
    g.ControlLook().SetControlStyle(csWinXP);
    const QStringList texts = {QStringLiteral("Y"), QStringLiteral("y"), QStringLiteral("N"), QString()};
    g.SetBounds(0, 0, 220, 120);
    g.SetRowCount(5);
    for (int r = 0; r < 4; ++r) {
        g.AddCheckBox(1, r + 1, false, true);
        g.SetCells(1, r + 1, texts[r]);
    }
    const QImage image = PaintToImage(g);
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(count(image, Rect(41, 21 + 20 * r, 79, 39 + 20 * r), RGB(33, 161, 33)) > 0, r == 0) << r;
}

TEST(VoGridPaint, FlatNodeShowsPlusOrMinusAndTreeLines)
{
    PaintGrid g;
    g.SetFixedCols(0);
    g.SetRowCount(4);
    g.CellNode().SetNodeType(cnFlat);
    g.CellNode().NodeColor = RGB(255, 0, 0);
    g.CellNode().SetTreeColor(RGB(0, 0, 255));
    g.AddNode(1, 3);
    const TRect nodeCell = Rect(0, 21, 39, 39);
    const QImage expanded = PaintToImage(g);
    const int minus = count(expanded, nodeCell, RGB(255, 0, 0));
    EXPECT_GT(minus, 0);
    EXPECT_GT(count(expanded, Rect(0, 41, 39, 79), RGB(0, 0, 255)), 0);  // tree lines of the child rows
    g.ContractNode(1);
    const QImage contracted = PaintToImage(g);
    EXPECT_GT(count(contracted, nodeCell, RGB(255, 0, 0)), minus);  // the plus adds its vertical bar
}

TEST(VoGridPaint, GlyphNodeShowsItsOwnGlyphs)
{
    PaintGrid g;
    g.SetFixedCols(0);
    TBitmap expand(10, 10);
    TBitmap contract(10, 10);
    for (auto [b, mark] : {std::pair{&expand, RGB(0, 200, 0)}, std::pair{&contract, RGB(200, 0, 200)}}) {
        b->Canvas().Brush().SetColor(clWhite);
        b->Canvas().FillRect(Rect(0, 0, 10, 10));
        b->Canvas().Brush().SetColor(mark);
        b->Canvas().FillRect(Rect(2, 2, 8, 8));
    }
    g.CellNode().SetNodeType(cnGlyph);
    g.CellNode().SetExpandGlyph(expand);
    g.CellNode().SetContractGlyph(contract);
    g.AddNode(1, 3);
    const TRect nodeCell = Rect(0, 21, 39, 39);
    QImage image = PaintToImage(g);
    EXPECT_EQ(count(image, nodeCell, RGB(0, 200, 0)), 36);
    EXPECT_EQ(count(image, nodeCell, RGB(200, 0, 200)), 0);
    g.ContractNode(1);
    image = PaintToImage(g);
    EXPECT_EQ(count(image, nodeCell, RGB(200, 0, 200)), 36);

    TCellNode copy;
    copy.Assign(g.CellNode());
    EXPECT_EQ(copy.ContractGlyph().Width(), 10);
}

TEST(VoGridPaint, FixedCellHoverAndSortIndicator)
{
    PaintGrid g;
    g.SetLook(glXP);
    g.SetBorderStyle(bsNone);
    g.SetCells(2, 0, QStringLiteral("H"));
    TControlLook::TFixedGradients gradients = g.ControlLook().FixedGradient();
    gradients.HoverFrom = RGB(255, 0, 0);
    gradients.HoverTo = RGB(255, 0, 0);
    gradients.HoverBorder = RGB(0, 0, 255);
    g.ControlLook().SetFixedGradient(gradients);
    g.FixedHoverCell = {2, 0};
    const TRect header = Rect(81, 1, 119, 18);
    QImage image = PaintToImage(g);
    EXPECT_EQ(count(image, header, RGB(255, 0, 0)), 0);  // hfNone: never a hover look
    g.HoverFixedCells = hfFixedRows;
    image = PaintToImage(g);
    EXPECT_GT(count(image, header, RGB(255, 0, 0)), 100);
    EXPECT_GT(count(image, Rect(80, 0, 120, 20), RGB(0, 0, 255)), 20);  // the hover border
    EXPECT_EQ(count(image, Rect(121, 1, 159, 18), RGB(255, 0, 0)), 0);

    g.HoverFixedCells = hfNone;
    const QImage plain = PaintToImage(g);
    g.SortSettings().Show = true;
    g.SortSettings().Column = 2;
    const QImage sorted = PaintToImage(g);
    EXPECT_GT(count(sorted, header, RGB(128, 128, 128)), count(plain, header, RGB(128, 128, 128)));
    EXPECT_EQ(differing(plain, sorted, Rect(121, 1, 159, 18)), 0);  // other headers unchanged
}

TEST(VoGridPaint, RatingShowsHalfStars)
{
    PaintGrid g;
    g.SetColWidths(1, 100);
    g.AddRating(1, 1, 5, RGB(255, 0, 0), RGB(0, 0, 255));
    g.SetCells(1, 1, QStringLiteral("2.7"));
    const QImage image = PaintToImage(g);
    // Stars 18 pixels apart from the cell's left: two full, one half, two empty.
    const auto star = [&](int i, TColor c) { return count(image, Rect(43 + 18 * i, 21, 59 + 18 * i, 39), c); };
    EXPECT_GT(star(1, RGB(255, 0, 0)), 0);
    EXPECT_EQ(star(1, RGB(0, 0, 255)), 0);
    EXPECT_GT(star(2, RGB(255, 0, 0)), 0);
    EXPECT_GT(star(2, RGB(0, 0, 255)), 0);
    EXPECT_EQ(star(3, RGB(255, 0, 0)), 0);
}

// A fixed cell whose look paints over all of it is painted without the base's background and lines under the
// look: the same pixels as with them, over looks, flat, hover, sort header, active cell, hover rows and fixed
// cells on every side.
TEST(VoGridPaint, FixedCellsLeftUnderTheirLookGiveTheSamePixels)
{
    class Layered : public PaintGrid {
    public:
        bool LookCoversFixedCell(const TCanvas&, int, int) override { return false; }
    };
    class Counted : public PaintGrid {
    public:
        int covered = 0;
        bool LookCoversFixedCell(const TCanvas& ACanvas, int ACol, int ARow) override
        {
            const bool result = PaintGrid::LookCoversFixedCell(ACanvas, ACol, ARow);
            covered += result;
            return result;
        }
    };
    struct Case {
        TGridLook look;
        bool flat;
        int setting;  // 0 none, 1 hovered header, 2 sort header colour, 3 active cell, 4 hover row, 5 fixed right and
                      // footer, 6 own fixed colour, 7 no fixed colour
    };
    int coveredCells = 0;
    for (TGridLook look : {glStandard, glSoft, glClassic, glQEV, glXP, glListView, glVista, glWin7, glOffice2007})
        for (bool flat : {false, true})
            for (int setting = 0; setting <= (flat ? 1 : 7); ++setting) {
                const auto setUp = [&](PaintGrid& g) {
                    g.SetLook(look);
                    g.SetBorderStyle(bsNone);
                    g.Flat = flat;
                    for (int c = 0; c < g.ColCount(); ++c)
                        g.SetCells(c, 0, QStringLiteral("H%1").arg(c));
                    if (setting == 1) {
                        g.HoverFixedCells = hfAll;
                        g.FixedHoverCell = {2, 0};
                    } else if (setting == 2) {
                        g.SortSettings().Show = true;
                        g.SortSettings().Column = 2;
                        g.SortSettings().SetHeaderColor(RGB(200, 0, 0));
                    } else if (setting == 3) {
                        g.ActiveCellShow = true;
                        g.SetCol(2);
                        g.SetRow(2);
                    } else if (setting == 4) {
                        g.HoverRow = true;
                        g.HoverRowIdx = 2;
                        g.HoverRowCells = hcNormal | hcFixed;
                        g.HoverRowColor = RGB(0, 200, 0);
                    } else if (setting == 5) {
                        g.FixedRightCols = 1;
                        g.FixedFooters = 1;
                    } else if (setting == 6) {
                        g.SetColors(0, 2, RGB(0, 0, 200));
                    } else if (setting == 7) {
                        g.SetFixedColor(clNone);
                    }
                };
                Layered layered;
                Counted counted;
                setUp(layered);
                setUp(counted);
                const QImage expected = PaintToImage(layered);
                const QImage image = PaintToImage(counted);
                EXPECT_EQ(differing(expected, image, Rect(0, 0, image.width(), image.height())), 0)
                    << "look " << look << " flat " << flat << " setting " << setting;
                coveredCells += counted.covered;
            }
    EXPECT_GT(coveredCells, 0);
}

// Only the disabled row takes the disabled font colour; the rows around it keep their own.
TEST(VoGridPaint, DisabledRowAloneIsGreyed)
{
    PaintGrid g;
    g.SetRowCount(4);
    g.SetColWidths(1, 60);
    g.SetCol(2);
    g.SetRow(1);
    for (int r = 1; r < 4; ++r)
        g.SetCells(1, r, QStringLiteral("WWWW"));
    g.SetRowEnabled(2, false);
    g.DisabledFontColor = RGB(192, 192, 192);
    const QImage image = PaintToImage(g);
    const auto row = [](int r) { return Rect(41, 20 * r + 1, 99, 20 * r + 19); };
    EXPECT_GT(count(image, row(2), RGB(192, 192, 192)), 10);
    EXPECT_EQ(darkPixels(image, row(2)), 0);
    for (int r : {1, 3}) {
        EXPECT_EQ(count(image, row(r), RGB(192, 192, 192)), 0) << r;
        EXPECT_GT(darkPixels(image, row(r)), 10) << r;
    }
}

// The fixed vertical line between header cells stays in every look, gradient looks included.
TEST(VoGridPaint, FixedVerticalLineInEveryLook)
{
    for (TGridLook look : {glStandard, glSoft, glQEV, glXP, glVista, glWin7, glOffice2007}) {
        PaintGrid g;
        g.SetLook(look);
        g.SetBorderStyle(bsNone);
        g.SetGridFixedLineColor(RGB(128, 128, 128));
        const QImage image = PaintToImage(g);
        EXPECT_EQ(pixel(image, 79, 10), RGB(128, 128, 128)) << look;  // between headers 1 and 2
        EXPECT_NE(pixel(image, 60, 10), RGB(128, 128, 128)) << look;
    }
}
