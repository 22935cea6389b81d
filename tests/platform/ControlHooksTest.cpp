// The hooks descendants override: Loaded at the end of setting up, CreateWnd when the window comes into
// being, Invalidate and InvalidateRect, and client coordinates inside a frame.
#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/QtAccess.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace {
class HookedControl : public TCustomControl {
public:
    explicit HookedControl(TComponent* owner) : TCustomControl(owner) {}
    std::vector<QString> log;
    using TComponent::BeginLoading;
    using TComponent::EndLoading;

protected:
    void Loaded() override { log.push_back(ComponentState() & csLoading ? "loaded while loading" : "loaded"); }
    void CreateWnd() override { log.push_back(Parent() ? "wnd with parent" : "wnd"); }
};
}  // namespace

TEST(ControlHooks, LoadedRunsOnceAtTheEndOfLoadingAndCreateWndOnceOnTheFirstParent)
{
    TForm form(nullptr);
    auto* c = new HookedControl(&form);
    c->EndLoading();  // not loading: nothing
    EXPECT_TRUE(c->log.empty());
    c->BeginLoading();
    EXPECT_TRUE(c->ComponentState() & csLoading);
    c->EndLoading();
    c->EndLoading();
    EXPECT_EQ(c->log, std::vector<QString>{"loaded"});

    c->log.clear();
    c->SetParent(&form);
    c->SetParent(nullptr);
    c->SetParent(&form);
    EXPECT_EQ(c->log, std::vector<QString>{"wnd with parent"});
}

namespace {
class CountingGrid : public TStringGrid {
public:
    CountingGrid() : TStringGrid(nullptr) { SetBounds(0, 0, 300, 200); }
    int invalidates = 0;
    std::vector<TRect> rects;
    std::vector<int> colWrites;
    void Invalidate() override
    {
        ++invalidates;
        TStringGrid::Invalidate();
    }
    void InvalidateRect(const TRect& r) override
    {
        rects.push_back(r);
        TStringGrid::InvalidateRect(r);
    }
    TRect CellRect(int ACol, int ARow) const override
    {
        // Every cell reports one fixed rectangle, so that the callers can be seen using it.
        (void)ACol;
        (void)ARow;
        return Rect(5, 6, 50, 26);
    }
    void SetCol(int col) override
    {
        colWrites.push_back(col);
        TStringGrid::SetCol(col);
    }
    using TStringGrid::PaintNonClient;
};
}  // namespace

TEST(ControlHooks, GridCallsItsVirtualsForRepaintsAndEditorPlacement)
{
    CountingGrid g;
    g.SetOptions(g.Options() | goEditing);
    g.SetScrollBars(ssNone);
    g.InvalidateCell(2, 2);
    EXPECT_TRUE(g.rects.empty()) << "a grid not shown has nothing to repaint";
    QtAccess::Widget(g)->show();
    g.InvalidateCell(2, 2);
    ASSERT_FALSE(g.rects.empty());
    g.invalidates = 0;
    g.SetFixedColor(clRed);
    EXPECT_GE(g.invalidates, 1);

    g.ShowEditor();
    ASSERT_TRUE(g.EditorMode());
    const TRect editor = g.InplaceEditor()->BoundsRect();
    EXPECT_EQ(editor.Left, 5);
    EXPECT_EQ(editor.Top, 6);
}

TEST(ControlHooks, SingleBorderFramesTheClientAreaAndShiftsClientCoordinates)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto* g = new TStringGrid(&form);
    g->SetParent(&form);
    g->SetScrollBars(ssNone);
    g->SetBounds(10, 10, 200, 150);
    EXPECT_EQ(g->ClientWidth(), 200);

    struct Case {
        TBorderStyle style;
        bool ctl3D;
        int frame;
    } cases[] = {{bsSingle, true, 2}, {bsSingle, false, 1}, {bsNone, true, 0}};
    for (const Case& c : cases) {
        g->SetBorderStyle(c.style);
        g->SetCtl3D(c.ctl3D);
        EXPECT_EQ(g->ClientOffset(), (TPoint{c.frame, c.frame}));
        EXPECT_EQ(g->ClientWidth(), 200 - 2 * c.frame);
        EXPECT_EQ(g->ClientHeight(), 150 - 2 * c.frame);
        // Screen and client points meet at the frame's inner corner.
        const TPoint origin = g->ClientToScreen({0, 0});
        const QPoint widgetCorner = QtAccess::Widget(*g)->mapToGlobal(QPoint(0, 0));
        EXPECT_EQ(origin.X - widgetCorner.x(), c.frame);
        EXPECT_EQ(g->ScreenToClient(origin), (TPoint{0, 0}));
    }

    // A click on the window lands on the cell under it in client coordinates.
    g->SetBorderStyle(bsSingle);
    g->SetCtl3D(true);
    form.Show();
    const TRect cell = g->CellRect(2, 1);
    const QPoint inWidget(cell.Left + 2 + 1, cell.Top + 2 + 1);
    QWidget* const widget = QtAccess::Widget(*g);
    QMouseEvent press(QEvent::MouseButtonPress, inWidget, widget->mapToGlobal(inWidget), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, inWidget, widget->mapToGlobal(inWidget), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
    EXPECT_EQ(g->Col(), 2);
    EXPECT_EQ(g->Row(), 1);
}

TEST(ControlHooks, FramePaintsAroundTheCells)
{
    TStringGrid g(nullptr);
    g.SetBounds(0, 0, 120, 80);
    g.SetScrollBars(ssNone);
    g.SetBorderStyle(bsSingle);
    g.SetCtl3D(false);
    g.SetColor(clWhite);
    g.SetFixedColor(clWhite);
    const QImage img = QtAccess::Widget(g)->grab().toImage();
    EXPECT_EQ(img.pixelColor(0, 40), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(119, 40), QColor(Qt::black));
    EXPECT_NE(img.pixelColor(1, 40), QColor(Qt::black));
}

namespace {
// Keeps two columns beyond its count, as a grid with hidden columns does.
class StoringGrid : public TStringGrid {
public:
    StoringGrid() : TStringGrid(nullptr) {}
    int extra = 0;
    void keepExtra(int n)
    {
        extra = n;
        StoredColCountChanged();
    }

protected:
    int StoredColCount() const override { return ColCount() + extra; }
};
}  // namespace

TEST(ControlHooks, StoreKeepsColumnsBeyondTheCountItIsAskedFor)
{
    StoringGrid g;
    g.SetColCount(4);
    g.SetCells(4, 1, QStringLiteral("out of view"));  // not stored yet: ignored
    EXPECT_EQ(g.Cells(4, 1), QString());
    g.keepExtra(2);
    g.SetCells(5, 1, QStringLiteral("kept"));
    g.SetCells(3, 1, QStringLiteral("last"));
    g.SetColCount(3);  // stores 5 columns now
    EXPECT_EQ(g.Cells(3, 1), QStringLiteral("last"));
    EXPECT_EQ(g.Cells(5, 1), QString());
    g.SetCells(4, 2, QStringLiteral("beyond the count"));
    EXPECT_EQ(g.Cells(4, 2), QStringLiteral("beyond the count"));
}
