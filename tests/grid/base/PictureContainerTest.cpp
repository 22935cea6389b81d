#include "grid/base/PictureContainer.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include "GifFixture.h"

namespace {

constexpr TColor Red = RGB(255, 0, 0);
constexpr TColor Green = RGB(0, 255, 0);
constexpr TColor Blue = RGB(0, 0, 255);

QByteArray threeFrames()
{
    return giffixture::make(6, 4, {{0, 0, 4, 4, 1, 10}, {2, 1, 2, 2, 2, 20}, {1, 1, 3, 2, 3, 30}});
}

QByteArray pngOf(int width, int height, TColor color)
{
    TBitmap bmp(width, height);
    bmp.Canvas().Brush().SetColor(color);
    bmp.Canvas().FillRect(Rect(0, 0, width, height));
    QTemporaryDir dir;
    const QString path = dir.filePath("p.png");
    bmp.SaveToFile(path);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

TColor drawnAt(const THTMLPicture& picture, int x, int y)
{
    TBitmap bmp(20, 20);
    bmp.Canvas().Brush().SetColor(clWhite);
    bmp.Canvas().FillRect(Rect(0, 0, 20, 20));
    picture.Draw(bmp.Canvas(), Rect(0, 0, 20, 20));
    return bmp.Canvas().Pixels(x, y);
}

}  // namespace

TEST(HTMLPicture, StillImagesLoadWhole)
{
    THTMLPicture picture;
    EXPECT_TRUE(picture.Empty());
    int changes = 0;
    picture.OnChange = [&](TObject*) { ++changes; };
    picture.LoadFromData(pngOf(5, 3, Blue));
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(picture.Width(), 5);
    EXPECT_EQ(picture.Height(), 3);
    EXPECT_FALSE(picture.IsGIF());
    EXPECT_EQ(picture.FrameCount(), -1);
    EXPECT_FALSE(picture.Step());
    EXPECT_EQ(picture.MaxWidth(), 5);
    EXPECT_EQ(drawnAt(picture, 4, 2), Blue);
    EXPECT_EQ(drawnAt(picture, 5, 2), clWhite);  // its own size
    picture.Stretch = true;
    EXPECT_EQ(drawnAt(picture, 19, 19), Blue);

    QBuffer saved;
    saved.open(QIODevice::ReadWrite);
    picture.SaveToStream(&saved);
    EXPECT_EQ(saved.data(), picture.Data());

    THTMLPicture copy;
    copy.Assign(picture);
    EXPECT_EQ(copy.Width(), 5);
    copy.Assign(TBitmap());
    EXPECT_TRUE(copy.Empty());
    EXPECT_EQ(copy.Width(), 0);

    EXPECT_THROW(picture.LoadFromData("not an image"), std::runtime_error);
}

TEST(HTMLPicture, FailedFileLoadsLeaveItEmpty)
{
    QTemporaryDir dir;
    THTMLPicture picture;
    picture.LoadFromFile(dir.filePath("missing.png"));
    EXPECT_TRUE(picture.Empty());
    QFile bad(dir.filePath("bad.png"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("garbage");
    bad.close();
    picture.LoadFromFile(bad.fileName());
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(picture.Width(), 0);
}

TEST(HTMLPicture, FramesOfAnAnimatedGif)
{
    THTMLPicture picture;
    picture.LoadFromData(threeFrames());
    ASSERT_TRUE(picture.IsGIF());
    EXPECT_EQ(picture.FrameCount(), 3);
    EXPECT_EQ(picture.MaxWidth(), 6);
    EXPECT_EQ(picture.MaxHeight(), 4);
    EXPECT_EQ(picture.Width(), 4);
    EXPECT_EQ(drawnAt(picture, 3, 3), Red);

    int frameChanges = 0;
    picture.OnFrameChange = [&](TObject*) { ++frameChanges; };
    picture.SetFrame(2);
    EXPECT_EQ(frameChanges, 1);
    EXPECT_EQ(picture.FrameXPos(), 2);
    EXPECT_EQ(picture.FrameYPos(), 1);
    EXPECT_EQ(picture.Width(), 2);
    EXPECT_EQ(picture.Height(), 2);
    EXPECT_EQ(drawnAt(picture, 1, 1), Green);

    EXPECT_EQ(picture.GetFrameTime(3), 30);
    EXPECT_EQ(picture.FrameDisposal(), 1);
    EXPECT_EQ(picture.GetFrameTime(4), -1);
    picture.SetFrame(3);
    EXPECT_EQ(drawnAt(picture, 2, 1), Blue);
    picture.FrameNext();
    EXPECT_EQ(picture.Frame(), 1);
    picture.FramePrev();
    EXPECT_EQ(picture.Frame(), 3);

    // The clock: 100 ms steps play the recorded delays (hundredths of a second).
    picture.SetFrame(1);
    std::vector<int> changedAt;
    for (int step = 0; step < 8; ++step)
        if (picture.Step())
            changedAt.push_back(step);
    EXPECT_EQ(changedAt, (std::vector<int>{2, 4, 7}));
}

TEST(HTMLPicture, LoadsByUrl)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("p.png");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pngOf(3, 3, Red));
    file.close();

    THTMLPicture picture;
    picture.LoadFromURL("file://" + path);
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(picture.ID(), "file://" + path);

    THTMLPicture remote;
    remote.LoadFromURL("http://example/x.png");
    EXPECT_TRUE(remote.Empty());
    EXPECT_TRUE(remote.Busy());
    EXPECT_EQ(remote.ID(), "http://example/x.png");  // found again by the cache, never loaded twice

    THTMLPicture resource;
    resource.LoadFromURL("RES://no/such/resource");
    EXPECT_TRUE(resource.Empty());
    EXPECT_EQ(resource.ID(), "RES://no/such/resource");
}

TEST(HTMLPicture, CacheAndContainer)
{
    THTMLPictureCache cache;
    THTMLPicture* first = cache.AddPicture();
    first->SetID("FILE://a");
    THTMLPicture* second = cache.AddPicture();
    second->LoadFromData(threeFrames());
    second->SetID("gif");
    EXPECT_EQ(cache.FindPicture("FILE://a"), first);
    EXPECT_EQ(cache.FindPicture("file://a"), nullptr);  // identifiers match exactly
    EXPECT_EQ(cache.GetPicture(5), nullptr);
    // A picture put in a place replaces the one there; outside the list nothing happens.
    auto replacement = std::make_unique<THTMLPicture>();
    replacement->SetID("FILE://b");
    THTMLPicture* b = replacement.get();
    cache.SetPicture(0, std::move(replacement));
    EXPECT_EQ(cache.GetPicture(0), b);
    EXPECT_EQ(cache.FindPicture("FILE://a"), nullptr);
    cache.SetPicture(2, std::make_unique<THTMLPicture>());
    EXPECT_EQ(cache.Count(), 2);
    first = b;
    first->SetID("FILE://a");
    bool changed = false;
    for (int i = 0; i < 3; ++i)
        changed = cache.Animate() || changed;
    EXPECT_TRUE(changed);
    cache.ClearPictures();
    EXPECT_EQ(cache.Count(), 0);

    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items().Add();
    item->Name = "Logo";
    item->Tag = 7;
    item->Picture().LoadFromData(pngOf(2, 2, Green));
    EXPECT_EQ(container.FindPicture("LOGO"), &item->Picture());
    EXPECT_EQ(container.FindPicture("other"), nullptr);

    TPictureContainer copy(nullptr);
    copy.SetItems(container.Items());
    ASSERT_EQ(copy.Items().Count(), 1);
    EXPECT_EQ(copy.Items().Items(0)->Tag, 7);
    EXPECT_EQ(copy.FindPicture("logo")->Width(), 2);
    EXPECT_NE(copy.FindPicture("logo"), &item->Picture());
    EXPECT_THROW(item->Assign(TBitmap()), std::bad_cast);
    EXPECT_EQ(copy.Items().Insert(0)->Name, "");
    EXPECT_EQ(copy.Items().Items(1)->Name, "Logo");
}
