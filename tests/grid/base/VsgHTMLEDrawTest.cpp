#include "grid/base/VsgHTMLE/VsgHTMLEDraw.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QTemporaryDir>

#include "platform/ShellIcons.h"

namespace {

// Sets the default locale for a scope.
struct LocaleScope {
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(saved); }
    QLocale saved;
};

bool anyPixelOtherThan(TCanvas& canvas, const TRect& r, TColor color)
{
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (canvas.Pixels(x, y) != color)
                return true;
    return false;
}

}  // namespace

TEST(VsgHTMLEDraw, RightToLeftFlagsOnlyUnderARightToLeftLocale)
{
    {
        LocaleScope scope(QLocale(QLocale::English, QLocale::UnitedStates));
        EXPECT_EQ(HtmlDrawFlags(DT_SINGLELINE, bdRightToLeft), unsigned(DT_SINGLELINE));
    }
    LocaleScope scope(QLocale(QLocale::Arabic, QLocale::Egypt));
    EXPECT_EQ(HtmlDrawFlags(DT_SINGLELINE, bdLeftToRight), unsigned(DT_SINGLELINE));
    EXPECT_EQ(HtmlDrawFlags(DT_SINGLELINE, bdRightToLeft), unsigned(DT_SINGLELINE | DT_RIGHT | DT_RTLREADING));
    EXPECT_EQ(HtmlDrawFlags(DT_RIGHT, bdRightToLeft), unsigned(DT_RTLREADING));
    EXPECT_EQ(HtmlDrawFlags(DT_CENTER, bdRightToLeft), unsigned(DT_CENTER | DT_RTLREADING));
    EXPECT_EQ(HtmlDrawFlags(0, bdRightToLeftReadingOnly), unsigned(DT_RTLREADING));
}

TEST(VsgHTMLEDraw, RotatedFontIsGivenBack)
{
    TBitmap bmp(10, 10);
    bmp.Canvas().Font().SetOrientation(50);
    const TRotatedFontHandle kept = SelectRotatedFont(bmp.Canvas(), 90);
    EXPECT_EQ(bmp.Canvas().Font().Orientation(), 900);
    RestoreRotatedFont(bmp.Canvas(), kept);
    EXPECT_EQ(bmp.Canvas().Font().Orientation(), 50);
    SelectRotatedFont(bmp.Canvas(), 2000000000);  // no overflow
    EXPECT_EQ(bmp.Canvas().Font().Orientation(), 3600);
}

TEST(VsgHTMLEDraw, ShellIconsOfFoldersAndFileNames)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_TRUE(IsDirectoryPath(dir.path()));
    EXPECT_FALSE(IsDirectoryPath(dir.filePath("missing")));

    const int folder = ShellIconIndex(dir.path(), false);
    ASSERT_GE(folder, 0);
    EXPECT_EQ(ShellIconIndex(dir.path(), false), folder);  // kept once
    EXPECT_GE(ShellIconIndex(dir.filePath("missing.txt"), false), 0);

    TBitmap bmp(80, 80);
    bmp.Canvas().Brush().SetColor(clFuchsia);
    bmp.Canvas().FillRect(Rect(0, 0, 80, 80));
    TSize size;
    DrawShellIcon(bmp.Canvas(), 0, 0, size, 1.0, false, false, true, dir.path());
    EXPECT_EQ(size, (TSize{32, 32}));
    EXPECT_FALSE(anyPixelOtherThan(bmp.Canvas(), Rect(0, 0, 80, 80), clFuchsia));  // measured only

    DrawShellIcon(bmp.Canvas(), 0, 0, size, 1.0, false, true, false, dir.path());
    EXPECT_EQ(size, (TSize{16, 16}));
    EXPECT_TRUE(anyPixelOtherThan(bmp.Canvas(), Rect(0, 0, 16, 16), clFuchsia));
    EXPECT_FALSE(anyPixelOtherThan(bmp.Canvas(), Rect(16, 0, 80, 80), clFuchsia));

    DrawShellIcon(bmp.Canvas(), 40, 40, size, 2.0, true, true, false, QString::number(folder));  // an index
    EXPECT_TRUE(anyPixelOtherThan(bmp.Canvas(), Rect(56, 56, 72, 72), clFuchsia));               // scaled by 2
    EXPECT_FALSE(anyPixelOtherThan(bmp.Canvas(), Rect(72, 40, 80, 80), clFuchsia));
}
