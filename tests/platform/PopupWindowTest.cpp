#include "platform/PopupWindow.h"
#include "platform/QtAccess.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "platform/Forms.h"
#include "support/TestSeams.h"

namespace {

// A 20 x 10 content: its left half opaque red, its right half nearly transparent.
const TBitmap& halfOpaque()
{
    static TBitmap content(20, 10);
    for (int y = 0; y < 10; ++y) {
        std::uint32_t* line = content.ScanLine(y);
        for (int x = 0; x < 20; ++x)
            line[x] = x < 10 ? 0xFFFF0000u : 0x10100000u;
    }
    return content;
}

}  // namespace

TEST(PopupWindow, FloatsAsItsOwnWindowAboveItsParent)
{
    TForm form(nullptr);
    TPopupWindow popup(&form);
    popup.SetParent(&form);
    popup.SetBounds(300, 200, 20, 10);
    EXPECT_TRUE(QtAccess::Widget(popup)->isWindow());
    EXPECT_FALSE(popup.Visible());
    form.Show();
    popup.ShowNoActivate();
    EXPECT_TRUE(QtAccess::Widget(popup)->isVisible());
    EXPECT_EQ(QtAccess::Widget(popup)->geometry(), QRect(300, 200, 20, 10));
    EXPECT_NE(QApplication::activeWindow(), QtAccess::Widget(popup));
}

TEST(PopupWindow, LayeredContentIsShapedWithoutACompositor)
{
    TPopupWindow popup(nullptr);
    {
        const ScopedHook<TCompositorHook> none(CompositorHook(), [] { return false; });
        ASSERT_TRUE(popup.UpdateLayered(halfOpaque(), 200));
        QWidget* w = QtAccess::Widget(popup);
        // No translucent surface that would show black: a mask of the opaque pixels instead.
        EXPECT_FALSE(w->testAttribute(Qt::WA_TranslucentBackground));
        EXPECT_TRUE(w->mask().contains(QPoint(5, 5)));
        EXPECT_FALSE(w->mask().contains(QPoint(15, 5)));
        EXPECT_EQ(QColorToColor(PaintToImage(popup).pixelColor(5, 5)), clRed);
    }
    const ScopedHook<TCompositorHook> composited(CompositorHook(), [] { return true; });
    ASSERT_TRUE(popup.UpdateLayered(halfOpaque(), 200));
    EXPECT_TRUE(QtAccess::Widget(popup)->testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_TRUE(QtAccess::Widget(popup)->mask().isEmpty());
    popup.SetWindowRgn(TRegion::FromRect(Rect(0, 0, 5, 5)));
    EXPECT_TRUE(QtAccess::Widget(popup)->mask().contains(QPoint(2, 2)));
    EXPECT_FALSE(QtAccess::Widget(popup)->mask().contains(QPoint(7, 2)));
    EXPECT_FALSE(popup.UpdateLayered(TBitmap(), 255));
}
