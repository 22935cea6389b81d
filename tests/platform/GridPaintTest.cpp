#include "GridTestGrid.h"
#include "platform/Forms.h"
#include "platform/QtAccess.h"

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QScrollBar>
#include <QWidget>

namespace {
QImage paint(TCustomGrid& g)
{
    return QtAccess::Widget(g)->grab().toImage();
}
TColor pixel(const QImage& image, int x, int y)
{
    return QColorToColor(image.pixelColor(x, y));
}
// A grid on a form of its own, both of the given sizes.
struct GridOnForm {
    GridOnForm(const TRect& formBounds, const TRect& gridBounds)
    {
        form.SetBoundsRect(formBounds);
        grid.SetParent(&form);
        grid.SetBoundsRect(gridBounds);
    }
    TForm form{nullptr};
    TestGrid grid;
};

}  // namespace

// 3 x 3 cells of 30 x 20 with 1-pixel lines, one fixed row and column; cell (2, 2) selected.
TEST(GridPaint, LinesFixedCellsAndSelection)
{
    TestGrid g;
    g.SetBounds(0, 0, 120, 80);
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetDefaultColWidth(30);
    g.SetDefaultRowHeight(20);
    g.SetSelection({2, 2, 2, 2});
    g.SetSelection({1, 1, 2, 2});
    QImage image = paint(g);
    const TColor window = ColorToRGB(clWindow);
    const TColor fixed = ColorToRGB(clBtnFace);
    const TColor highlight = ColorToRGB(clHighlight);
    const TColor silver = ColorToRGB(clSilver);
    EXPECT_EQ(pixel(image, 5, 5), fixed);
    EXPECT_EQ(pixel(image, 45, 5), fixed);
    EXPECT_EQ(pixel(image, 5, 45), fixed);
    EXPECT_EQ(pixel(image, 30, 5), ColorToRGB(clBlack));  // fixed vertical line
    EXPECT_EQ(pixel(image, 5, 20), ColorToRGB(clBlack));  // fixed horizontal line
    EXPECT_EQ(pixel(image, 61, 30), silver);              // normal vertical line
    EXPECT_EQ(pixel(image, 40, 41), silver);              // normal horizontal line
    EXPECT_EQ(pixel(image, 100, 30), window);             // beyond the last column
    EXPECT_EQ(pixel(image, 20, 70), window);              // below the last row
    // The grid has no focus: the whole selection is highlighted, the current cell included.
    EXPECT_EQ(pixel(image, 45, 30), highlight);
    EXPECT_EQ(pixel(image, 75, 50), highlight);

    g.SetSelection({2, 1, 2, 1});
    g.SetOptions(g.Options() & ~(goVertLine | goFixedHorzLine));
    image = paint(g);
    EXPECT_EQ(pixel(image, 45, 30), window);
    EXPECT_EQ(pixel(image, 75, 30), highlight);  // column 2 starts at 61 without vertical lines
    EXPECT_EQ(pixel(image, 60, 30), highlight);
    EXPECT_EQ(pixel(image, 5, 20), window);  // no fixed horizontal line
}

TEST(GridPaint, DrawCellGetsStatesAndTheVisibleCellsOnly)
{
    TDrawGrid g(nullptr);
    g.SetBounds(0, 0, 200, 100);
    g.SetRowCount(1000);
    g.SetTopRow(500);
    std::vector<std::pair<TGridCoord, TGridDrawState>> drawn;
    g.OnDrawCell = [&](TObject*, int c, int r, const TRect&, TGridDrawState s) { drawn.push_back({{c, r}, s}); };
    paint(g);
    ASSERT_FALSE(drawn.empty());
    for (const auto& [cell, state] : drawn) {
        EXPECT_TRUE(cell.Y == 0 || (cell.Y >= 500 && cell.Y < 505)) << cell.Y;
        EXPECT_EQ(bool(state & gdFixed), cell.X == 0 || cell.Y == 0);
    }
    g.DefaultDrawing = false;
    g.SetTopRow(1);
    drawn.clear();
    QImage image = paint(g);
    bool sawSelected = false;
    for (const auto& [cell, state] : drawn)
        if (cell == TGridCoord{1, 1})
            sawSelected = state & gdSelected;
    EXPECT_TRUE(sawSelected);
}

// Painted as part of its window, a grid placed lower down still draws down to its own bottom edge.
TEST(GridPaint, AGridLowInItsWindowPaintsItsLowerRows)
{
    GridOnForm placed(Bounds(0, 0, 200, 260), Bounds(0, 150, 120, 100));
    TForm& form = placed.form;
    TestGrid& g = placed.grid;
    g.SetColCount(3);
    g.SetRowCount(5);
    g.SetDefaultColWidth(30);
    g.SetDefaultRowHeight(19);
    g.SetSelection({1, 4, 1, 4});
    const QImage image = QtAccess::Widget(form)->grab().toImage();
    EXPECT_EQ(pixel(image, 45, 150 + 4 * 20 + 10), ColorToRGB(clHighlight));
}

// The grid paints all of its pixels itself, the corner between its two scroll bars included.
TEST(GridPaint, TheCornerBetweenTheScrollBarsTakesTheGridColour)
{
    TestGrid g;
    g.SetBounds(0, 0, 120, 80);
    g.SetColCount(20);
    g.SetRowCount(20);
    g.SetColor(clRed);
    QImage image(g.Width(), g.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QtAccess::Widget(g)->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    const TPoint corner{g.ClientOffset().X + g.ClientWidth() + 2, g.ClientOffset().Y + g.ClientHeight() + 2};
    ASSERT_LT(corner.X, g.Width() - g.ClientOffset().X);
    ASSERT_LT(corner.Y, g.Height() - g.ClientOffset().Y);
    EXPECT_EQ(pixel(image, corner.X, corner.Y), clRed);
}

// Repainting the grid leaves out a scroll bar that did not change; a moved bar still shows its new position in
// the window.
TEST(GridPaint, RepaintLeavesAnUnchangedScrollBarOut)
{
    GridOnForm placed(Bounds(0, 0, 300, 200), Bounds(0, 0, 300, 200));
    TForm& form = placed.form;
    TestGrid& g = placed.grid;
    g.SetRowCount(1000);
    form.Show();
    QApplication::processEvents();
    QScrollBar* bar = nullptr;
    for (QScrollBar* b : QtAccess::Widget(g)->findChildren<QScrollBar*>())
        if (b->orientation() == Qt::Vertical)
            bar = b;
    ASSERT_TRUE(bar && bar->isVisible());
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } barPaints, gridPaints;
    bar->installEventFilter(&barPaints);
    QtAccess::Widget(g)->installEventFilter(&gridPaints);
    const int position = bar->value();
    g.SetTopRow(2);
    ASSERT_EQ(bar->value(), position);
    g.Repaint();
    EXPECT_EQ(gridPaints.paints, 1);
    EXPECT_EQ(barPaints.paints, 0);

    g.SetTopRow(500);
    ASSERT_NE(bar->value(), position);
    g.Repaint();
    QApplication::processEvents();
    EXPECT_GE(barPaints.paints, 1);
    QWidget* window = QtAccess::Widget(form);
    const QImage shown = window->screen()->grabWindow(window->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint at = bar->mapTo(window, QPoint(0, 0));
    const QImage own = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.copy(QRect(at, own.size())), own);
}
