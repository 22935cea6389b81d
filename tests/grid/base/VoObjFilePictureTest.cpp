#include "grid/base/VoObj/VoObjFilePicture.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <stdexcept>

TEST(TFilePicture, SizeFromFileAndDrawOnDemand)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("p.png");
    {
        TBitmap bmp(4, 3);
        bmp.Canvas().Brush().SetColor(clRed);
        bmp.Canvas().FillRect(Rect(0, 0, 4, 3));
        ASSERT_TRUE(bmp.SaveToFile(path));
    }
    TFilePicture pic;
    pic.SetFilename(path);
    EXPECT_EQ(pic.Width(), 4);
    EXPECT_EQ(pic.Height(), 3);

    TBitmap target(10, 10);
    pic.DrawPicture(target.Canvas(), Rect(2, 2, 8, 8));
    EXPECT_EQ(target.Canvas().Pixels(5, 5), clRed);
    EXPECT_EQ(target.Canvas().Pixels(0, 0), clWhite);

    TFilePicture copy;
    copy.Assign(pic);
    EXPECT_EQ(copy.Filename(), path);
    EXPECT_EQ(copy.Width(), 4);

    EXPECT_THROW(pic.SetFilename(dir.filePath("missing.png")), std::runtime_error);
    EXPECT_EQ(pic.Width(), 0);
    EXPECT_THROW(pic.DrawPicture(target.Canvas(), Rect(0, 0, 1, 1)), std::runtime_error);
}
