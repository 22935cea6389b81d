#include "platform/Forms.h"
#include "platform/SysUtils.h"
#include "support/TestSeams.h"

#include <gtest/gtest.h>

namespace {

// Paints a 3 x 3 red square at (2, 2) on its background.
class Square : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        Canvas().Brush().SetColor(clRed);
        Canvas().FillRect(Rect(2, 2, 5, 5));
    }
};

class Dot : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override { Canvas().SetPixel(0, 0, clBlue); }
};

}  // namespace

TEST(ControlsTest, PaintToImageShowsTheCanvasDrawingAndChildren)
{
    Square square(nullptr);
    square.SetBounds(0, 0, 20, 10);
    square.SetColor(clLime);
    auto* dot = new Dot(&square);
    dot->SetParent(&square);
    dot->SetBounds(10, 5, 4, 4);

    const QImage image = PaintToImage(square);
    ASSERT_EQ(image.size(), QSize(20, 10));
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(4, 4), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::green)) << "the fill excludes its right and bottom edge";
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::green)) << "background in Color";
    EXPECT_EQ(image.pixelColor(10, 5), QColor(Qt::blue)) << "the graphic child paints at its place";
    EXPECT_EQ(image.pixelColor(11, 6), QColor(Qt::green)) << "a graphic control is transparent";
}

TEST(ControlsTest, AlignStacksChildrenAndAnchorsFollowTheParent)
{
    TForm form(nullptr);
    form.SetClientWidth(200);
    form.SetClientHeight(100);
    auto child = [&form](TAlign align, int w, int h) {
        auto* c = new TCustomControl(&form);
        c->SetBounds(0, 0, w, h);
        c->SetParent(&form);
        c->SetAlign(align);
        return c;
    };
    TControl* top = child(alTop, 10, 20);
    TControl* bottom = child(alBottom, 10, 15);
    TControl* left = child(alLeft, 30, 10);
    TControl* client = child(alClient, 1, 1);
    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 200, 20));
    EXPECT_EQ(bottom->BoundsRect(), Rect(0, 85, 200, 100));
    EXPECT_EQ(left->BoundsRect(), Rect(0, 20, 30, 85));
    EXPECT_EQ(client->BoundsRect(), Rect(30, 20, 200, 85));

    TControl* anchored = child(alNone, 20, 10);
    anchored->SetBounds(170, 5, 20, 10);
    anchored->Anchors = akRight | akTop;
    TControl* stretched = child(alNone, 100, 10);
    stretched->Anchors = akLeft | akRight | akBottom | akTop;
    form.SetClientWidth(250);
    form.SetClientHeight(120);
    EXPECT_EQ(anchored->BoundsRect(), Rect(220, 5, 240, 15));
    EXPECT_EQ(stretched->BoundsRect(), Rect(0, 0, 150, 30));
    EXPECT_EQ(client->BoundsRect(), Rect(30, 20, 250, 105));
}

TEST(ControlsTest, ParentFontAndColorFollowUntilSetOwn)
{
    TForm form(nullptr);
    auto* a = new TCustomControl(&form);
    a->SetParent(&form);
    auto* b = new TCustomControl(&form);
    b->SetParent(&form);
    b->Font().SetName(QStringLiteral("Verdana"));
    EXPECT_FALSE(b->ParentFont());
    a->SetParentColor(true);
    form.Font().SetHeight(-20);
    form.SetColor(clYellow);
    EXPECT_EQ(a->Font().Height(), -20);
    EXPECT_TRUE(a->ParentFont());
    EXPECT_EQ(a->Color(), clYellow);
    EXPECT_EQ(b->Font().Height(), -11);
    EXPECT_EQ(b->Color(), clBtnFace);
}

TEST(ControlsTest, FreeingAParentFreesItsChildren)
{
    TComponent owner(nullptr);
    auto* panel = new TCustomControl(&owner);
    auto* child = new TCustomControl(&owner);
    child->SetParent(panel);
    EXPECT_EQ(panel->ControlCount(), 1);
    delete panel;
    EXPECT_EQ(owner.ComponentCount(), 0) << "the child left its owner when its parent freed it";
}

TEST(ControlsTest, WindowTimersAndTimerComponentFireOnDemand)
{
    class TimerLog : public TCustomControl {
    public:
        using TCustomControl::TCustomControl;
        void WndProc(TMessage& m) override
        {
            if (m.Msg == WM_TIMER)
                ids.push_back(m.WParam);
            TCustomControl::WndProc(m);
        }
        std::vector<WPARAM> ids;
    } window(nullptr);
    EXPECT_EQ(SetTimer(window.Handle(), 111, 500), 111u);
    EXPECT_TRUE(FireWindowTimer(window.Handle(), 111));
    EXPECT_FALSE(FireWindowTimer(window.Handle(), 999));
    EXPECT_TRUE(KillTimer(window.Handle(), 111));
    EXPECT_FALSE(KillTimer(window.Handle(), 111));
    EXPECT_FALSE(FireWindowTimer(window.Handle(), 111));
    EXPECT_EQ(window.ids, std::vector<WPARAM>{111});

    TTimer timer(nullptr);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) { ++ticks; };
    timer.SetInterval(60000);
    EXPECT_TRUE(FireTimer(timer));
    timer.SetEnabled(false);
    EXPECT_FALSE(FireTimer(timer));
    timer.SetEnabled(true);
    timer.SetInterval(0);
    EXPECT_FALSE(FireTimer(timer));
    EXPECT_EQ(ticks, 1);
}

TEST(ControlsTest, AnExceptionInAHandlerShowsTheErrorBoxAndTheProgramGoesOn)
{
    MessageBoxRecorder boxes;
    TCustomControl c(nullptr);
    c.SetBounds(0, 0, 10, 10);
    std::vector<QString> steps;
    c.OnClick = [&](TObject*) {
        steps.push_back("before");
        throw std::runtime_error("File ParGen.xml is malformed");
    };
    c.OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { steps.push_back("up"); };
    SendClick(c, {1, 1});
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Kind, mtError);
    EXPECT_EQ(boxes.Shown[0].Text, QStringLiteral("File ParGen.xml is malformed"));
    EXPECT_EQ(steps, std::vector<QString>{"before"}) << "the rest of the message is skipped";

    TTimer timer(nullptr);
    timer.OnTimer = [](TObject*) { throw Exception(QStringLiteral("tick failed")); };
    FireTimer(timer);
    ASSERT_EQ(boxes.Shown.size(), 2u);
    EXPECT_EQ(boxes.Shown[1].Text, QStringLiteral("tick failed"));
}
