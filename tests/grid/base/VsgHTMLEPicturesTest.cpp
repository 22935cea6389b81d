#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "GifFixture.h"
#include "grid/base/PictureContainer.h"
#include "grid/base/VsgHTMLE/VsgHTMLE.h"

namespace {

constexpr TColor Paper = clWhite;
constexpr TColor Green = RGB(0, 255, 0);

class PictureRender : public ::testing::Test {
protected:
    void SetUp() override
    {
        c.Font().SetName(QStringLiteral("DejaVu Sans"));
        c.Font().SetSize(10);
        clear();
        addPicture("Box", 40, 20, clBlue);
        opt.PictureContainer = &container;
        opt.PictureCache = &cache;
    }
    void clear()
    {
        c.Brush().SetColor(Paper);
        c.FillRect(Rect(0, 0, 300, 200));
    }
    void addPicture(const QString& name, int w, int h, TColor color)
    {
        TBitmap bmp(w, h);
        bmp.Canvas().Brush().SetColor(color);
        bmp.Canvas().FillRect(Rect(0, 0, w, h));
        const QString path = dir.filePath(name + ".png");
        bmp.SaveToFile(path);
        TPictureItem* item = container.Items().Add();
        item->Name = name;
        item->Picture().LoadFromFile(path);
    }
    THtmlRenderResult run(const QString& text, int width = 300)
    {
        THtmlRenderResult res;
        last = RenderHtmlText(c, text, Rect(0, 0, width, 200), opt, res);
        return res;
    }
    THtmlRenderResult measure(const QString& text, int width = 300)
    {
        opt.MeasureOnly = true;
        const THtmlRenderResult res = run(text, width);
        opt.MeasureOnly = false;
        return res;
    }

    QTemporaryDir dir;
    TPictureContainer container{nullptr};
    THTMLPictureCache cache;
    THtmlRenderOptions opt;
    TBitmap bmp{300, 200};
    TCanvas& c = bmp.Canvas();
    bool last = false;
};

}  // namespace

TEST_F(PictureRender, PictureSizes)
{
    const int H = c.TextHeight("gh");
    const int ab = c.TextWidth("ab");
    const struct {
        QString text;
        int width;
        int height;
    } cases[] = {
        {"ab<IMG src=\"box\">", ab + 40, std::max(H, 20)},
        {"ab<IMG src=\"box\" width=\"20\">", ab + 20, std::max(H, 10)},  // height follows the width
        {"ab<IMG src=\"box\" height=\"40\">", ab + 80, 40},
        {"ab<IMG src=\"box\" width=\"10\" height=\"50\">", ab + 10, 50},
        {"ab<IMG src=\"none\">", ab, H},   // nothing named: no room
        {"ab<IMG src=\"IDX:0\">", ab, H},  // no image list
    };
    for (const auto& k : cases) {
        const THtmlRenderResult res = measure(k.text);
        EXPECT_EQ(res.TextWidth, k.width) << k.text.toStdString();
        EXPECT_EQ(res.TextHeight, k.height) << k.text.toStdString();
    }

    TImageList images(24, 12);
    TBitmap strip(48, 12);
    images.Add(strip);
    opt.Images = &images;
    EXPECT_EQ(measure("<IMG src=\"idx:1\">").TextWidth, 24);
    EXPECT_EQ(measure("<IMG src=\"IDX:2\">").TextWidth, 0);
    opt.Printing = true;
    opt.PrintScale = 2.0;
    EXPECT_EQ(measure("<IMG src=\"IDX:1\">").TextWidth, 48);
    opt.Printing = false;

    // Too wide for the room left, not for the line: the picture starts the next line.
    EXPECT_EQ(measure("ab<IMG src=\"box\">", ab + 40).TextHeight, H + 20);  // room 39 on a line of ab + 39
    // Wider than the whole line: it stays.
    EXPECT_EQ(measure("ab<IMG src=\"box\">", 30).TextHeight, std::max(H, 20));
}

TEST_F(PictureRender, PicturesByUrlLoadOnce)
{
    const QString path = dir.filePath("Box.png");
    const QString text = "<IMG src=\"file://" + path + "\">";
    EXPECT_EQ(measure(text).TextWidth, 40);
    run(text);
    EXPECT_EQ(cache.Count(), 1);
    EXPECT_EQ(cache.GetPicture(0)->ID(), "file://" + path);
    EXPECT_EQ(measure("<IMG src=\"http://example/x.png\">").TextWidth, 0);
    EXPECT_EQ(measure("<IMG src=\"http://example/x.png\">").TextWidth, 0);
    EXPECT_EQ(cache.Count(), 2);
}

TEST_F(PictureRender, AnchoredPicturesAreHit)
{
    opt.HitTestOnly = true;
    opt.X = 1 + 10;
    opt.Y = 10;
    THtmlRenderResult res = run("<A href=\"go\" title=\"t\"><IMG src=\"box\"></A>");
    EXPECT_TRUE(last);
    EXPECT_EQ(res.AnchorValue, "go");
    EXPECT_EQ(res.AnchorTitle, "t");
    res = run("<IMG src=\"box\">");
    EXPECT_FALSE(last);
    EXPECT_TRUE(res.AnchorValue.isEmpty());
    opt.X = 1 + 45;
    run("<A href=\"go\"><IMG src=\"box\"></A>");
    EXPECT_FALSE(last);

    // With the point on it, the picture shows its ALT picture instead.
    addPicture("Hover", 40, 20, Green);
    opt.HitTestOnly = false;
    opt.X = 1 + 10;
    run("<A href=\"go\"><IMG src=\"box\" alt=\"hover\"></A>");
    EXPECT_EQ(c.Pixels(5, 5), Green);
    clear();
    opt.X = 200;
    run("<A href=\"go\"><IMG src=\"box\" alt=\"hover\"></A>");
    EXPECT_EQ(c.Pixels(5, 5), clBlue);
}

TEST_F(PictureRender, AlignTopLiftsTheLinesText)
{
    const int H = c.TextHeight("gh");
    const QString text = "<A href=\"a\">link</A><IMG src=\"box\" height=\"60\" align=\"top\">";
    opt.HitTestOnly = true;
    opt.X = 3;
    opt.Y = 60 - H - 2;  // the lifted text band ends at 60 - (60 - H)
    run(text);
    EXPECT_FALSE(last);
    opt.Y = H / 2;
    run(text);
    EXPECT_TRUE(last);
    opt.Y = 58;  // where the text would sit without the lift
    run("<A href=\"a\">link</A><IMG src=\"box\" height=\"60\">");
    EXPECT_TRUE(last);
}

TEST_F(PictureRender, AnimatedGifDrawsItsFrameOverTheBackground)
{
    TPictureItem* item = container.Items().Add();
    item->Name = "anim";
    item->Picture().LoadFromData(giffixture::make(6, 4, {{0, 0, 4, 4, 1, 10}, {2, 1, 2, 2, 2, 20}}));
    item->Picture().SetFrame(2);
    c.Brush().SetColor(clYellow);
    EXPECT_EQ(measure("<IMG src=\"anim\">").TextWidth, 6);
    run("<IMG src=\"anim\">");
    EXPECT_EQ(c.Pixels(1, 0), clYellow);  // the animation's whole area, in the background colour
    EXPECT_EQ(c.Pixels(1 + 5, 3), clYellow);
    EXPECT_EQ(c.Pixels(1 + 2, 1), Green);  // the frame at its offset
    EXPECT_EQ(c.Pixels(1 + 3, 2), Green);
    EXPECT_EQ(c.Pixels(1 + 6, 1), Paper);
}

TEST_F(PictureRender, BodyBackgrounds)
{
    run("<BODY bgcolor=\"clLime\">x");
    EXPECT_EQ(c.Pixels(299, 199), clLime);
    clear();
    addPicture("Tile", 7, 5, clRed);
    run("<BODY background=\"tile\">", 100);
    EXPECT_EQ(c.Pixels(98, 198), clRed);
    EXPECT_EQ(c.Pixels(100, 0), Paper);  // clipped to the rectangle
}
