#include "platform/ExtCtrls.h"
#include "platform/QtAccess.h"
#include "platform/StdCtrls.h"
#include "support/TestSeams.h"

#include <gtest/gtest.h>
#include <QWidget>

TEST(ExtCtrlsTest, PanelBevelsAndTheClientAreaInsideThem)
{
    TPanel panel(nullptr);
    panel.SetBounds(0, 0, 60, 30);
    panel.SetBorderWidth(2);
    auto* inside = new TPanel(&panel);
    inside->SetParent(&panel);
    inside->SetAlign(alClient);
    EXPECT_EQ(inside->BoundsRect(), Rect(3, 3, 57, 27));

    inside->Hide();
    panel.SetBevelOuter(bvLowered);
    const QImage image = PaintToImage(panel);
    EXPECT_EQ(image.pixelColor(0, 0), ColorToQColor(clBtnShadow));
    EXPECT_EQ(image.pixelColor(59, 29), ColorToQColor(clBtnHighlight));
    EXPECT_EQ(image.pixelColor(1, 1), ColorToQColor(clBtnFace));
}

TEST(ExtCtrlsTest, ShapeOutlineWithoutFill)
{
    TPanel back(nullptr);
    back.SetBounds(0, 0, 40, 40);
    back.SetBevelOuter(bvNone);
    back.SetColor(clBlue);
    auto* shape = new TShape(&back);
    shape->SetParent(&back);
    shape->SetBounds(0, 0, 20, 10);
    shape->Pen().SetColor(clSilver);
    shape->Brush().SetStyle(bsClear);
    const QImage image = PaintToImage(back);
    EXPECT_EQ(image.pixelColor(0, 0), ColorToQColor(clSilver));
    EXPECT_EQ(image.pixelColor(19, 9), ColorToQColor(clSilver));
    EXPECT_EQ(image.pixelColor(10, 5), QColor(Qt::blue)) << "no fill";
    EXPECT_EQ(image.pixelColor(20, 5), QColor(Qt::blue)) << "inside its bounds";
}

TEST(ExtCtrlsTest, ImageStretchesAndKeepsProportions)
{
    TPanel back(nullptr);
    back.SetBounds(0, 0, 20, 10);
    back.SetBevelOuter(bvNone);
    back.SetColor(clBlack);
    auto* image = new TImage(&back);
    image->SetParent(&back);
    image->SetBounds(0, 0, 20, 10);
    TBitmap& bmp = image->Picture().Bitmap();
    bmp.SetSize(2, 2);
    bmp.Canvas().SetPixel(0, 0, clRed);
    bmp.Canvas().SetPixel(1, 0, clLime);
    bmp.Canvas().SetPixel(0, 1, clRed);
    bmp.Canvas().SetPixel(1, 1, clLime);
    EXPECT_EQ(PaintToImage(back).pixelColor(5, 5), QColor(Qt::black)) << "at its own size";
    image->SetStretch(true);
    QImage shot = PaintToImage(back);
    EXPECT_EQ(shot.pixelColor(2, 8), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(18, 8), QColor(Qt::green));
    image->SetProportional(true);
    image->SetCenter(true);
    shot = PaintToImage(back);
    EXPECT_EQ(shot.pixelColor(2, 5), QColor(Qt::black)) << "a 10 x 10 square in the middle";
    EXPECT_EQ(shot.pixelColor(6, 5), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(13, 5), QColor(Qt::green));
}

TEST(ExtCtrlsTest, SplitterResizesTheControlBeforeIt)
{
    TPanel back(nullptr);
    back.SetBevelOuter(bvNone);
    back.SetBounds(0, 0, 300, 100);
    auto add = [&back](TControl* c, TAlign align, int width) {
        c->SetParent(&back);
        c->SetWidth(width);
        c->SetAlign(align);
        return c;
    };
    TControl* left = add(new TPanel(&back), alLeft, 50);
    auto* splitter = static_cast<TSplitter*>(add(new TSplitter(&back), alLeft, 3));
    TControl* rest = add(new TPanel(&back), alClient, 10);
    splitter->SetLeft(50);
    ASSERT_EQ(splitter->Left(), 50);
    bool moved = false;
    splitter->OnMoved = [&](TObject*) { moved = true; };
    SendMouse(*splitter, TMouseAction::Down, TMouseButton::mbLeft, {1, 10});
    SendMouse(*splitter, TMouseAction::Move, TMouseButton::mbLeft, {21, 10}, ssLeft);
    EXPECT_EQ(left->Width(), 70);
    EXPECT_EQ(splitter->Left(), 70);
    EXPECT_EQ(rest->Left(), 73);
    SendMouse(*splitter, TMouseAction::Move, TMouseButton::mbLeft, {-80, 10}, ssLeft);
    EXPECT_EQ(left->Width(), splitter->MinSize);
    SendMouse(*splitter, TMouseAction::Up, TMouseButton::mbLeft, {0, 10});
    EXPECT_TRUE(moved);
}

TEST(ExtCtrlsTest, ScrollBoxScrollsOverItsContents)
{
    TScrollBox box(nullptr);
    box.SetBounds(0, 0, 120, 100);
    auto* far = new TEdit(&box);
    far->SetParent(&box);
    far->SetBounds(10, 300, 50, 21);
    EXPECT_GE(box.VertScrollBar().Range(), 321);
    box.Perform(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(box.VertScrollBar().Position(), 8);
    box.Perform(WM_VSCROLL, SB_LINEUP);
    box.Perform(WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(box.VertScrollBar().Position(), 0);
    box.ScrollInView(far);
    const int pos = box.VertScrollBar().Position();
    EXPECT_GE(pos, 321 - box.ClientHeight());
    EXPECT_LE(pos, 300);
    box.Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 5));
    EXPECT_EQ(box.VertScrollBar().Position(), 5);
}

TEST(ExtCtrlsTest, CategoryPanelsStackCollapseAndScrollOnTheFormsWheel)
{
    TForm form(nullptr);
    form.SetClientWidth(460);
    form.SetClientHeight(300);
    auto* group = new TCategoryPanelGroup(&form);
    group->SetParent(&form);
    group->SetAlign(alClient);
    group->GradientBaseColor = RGB(231, 216, 216);
    group->GradientColor = RGB(231, 216, 216);
    std::vector<TCategoryPanel*> panels;
    for (int h : {150, 100, 200}) {
        auto* p = new TCategoryPanel(&form);
        p->SetPanelGroup(group);
        p->SetHeight(h);
        panels.push_back(p);
    }
    EXPECT_EQ(group->PanelCount(), 3);
    EXPECT_EQ(panels[1]->Top(), 150);
    EXPECT_EQ(panels[2]->Top(), 250);
    EXPECT_EQ(panels[0]->Width(), group->ClientWidth());
    EXPECT_LT(group->ClientWidth(), 460) << "room for the vertical scroll bar";

    auto* edit = new TEdit(&form);
    edit->SetParent(panels[1]);
    edit->SetBounds(191, 9, 238, 21);
    EXPECT_EQ(QtAccess::Widget(*edit)->mapTo(QtAccess::Widget(*panels[1]), QPoint(0, 0)), QPoint(191, 9 + 24))
        << "below the header";

    int collapses = 0;
    panels[1]->OnCollapse = [&](TObject*) { ++collapses; };
    SendClick(*panels[1], {50, 5});
    EXPECT_TRUE(panels[1]->Collapsed());
    EXPECT_EQ(panels[1]->Height(), 24);
    EXPECT_EQ(panels[2]->Top(), 174);
    EXPECT_EQ(collapses, 1);
    panels[1]->Expand();
    EXPECT_EQ(panels[1]->Height(), 100);
    EXPECT_EQ(panels[2]->Top(), 250);

    EXPECT_EQ(PaintToImage(*panels[0]).pixelColor(1, 12), QColor(231, 216, 216));

    form.OnMouseWheel = [&](TObject*, TShiftState, int delta, TPoint, bool& handled) {
        handled = true;
        for (int i = 0; i < WheelScrollLines(); ++i) {
            group->Perform(WM_VSCROLL, delta > 0 ? SB_LINEUP : SB_LINEDOWN);
            group->Perform(WM_VSCROLL, SB_ENDSCROLL);
        }
    };
    SendWheel(*panels[0], -120, {20, 60});
    EXPECT_EQ(group->VertScrollBar().Position(), 8 * WheelScrollLines());
}
