#include "grid/base/VsgHTMLE/VsgHTMLEDraw.h"

#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cmath>

#include "platform/ShellIcons.h"

unsigned HtmlDrawFlags(unsigned flags, int biDiMode)
{
    if (QLocale().textDirection() != Qt::RightToLeft)
        return flags;
    if (biDiMode == bdRightToLeft) {
        if (flags & DT_RIGHT)
            flags &= ~DT_RIGHT;
        else if (!(flags & DT_CENTER))
            flags |= DT_RIGHT;
    }
    if (biDiMode != bdLeftToRight)
        flags |= DT_RTLREADING;
    return flags;
}

TRotatedFontHandle SelectRotatedFont(TCanvas& canvas, int angle)
{
    const TRotatedFontHandle kept = canvas.Font().Orientation();
    canvas.Font().SetOrientation(static_cast<int>(std::clamp<long long>(angle * 10LL, -3600, 3600)));
    return kept;
}

void RestoreRotatedFont(TCanvas& canvas, TRotatedFontHandle kept)
{
    canvas.Font().SetOrientation(kept);
}

void DrawShellIcon(TCanvas& canvas, int x, int y, TSize& size, double scale, bool printing, bool draw, bool large,
                   const QString& path)
{
    bool isNumber = false;
    int index = path.toInt(&isNumber);
    if (!path.isEmpty() && !isNumber)
        index = ShellIconIndex(path, large);
    const TImageList& list = ShellImageList(large);
    size = {list.Width(), list.Height()};
    if (!draw)
        return;
    if (!printing) {
        list.Draw(canvas, x, y, index);
        return;
    }
    TBitmap icon(size.cx, size.cy);
    list.Draw(icon.Canvas(), 0, 0, index);
    StretchDrawBitmapDIB(canvas,
                         Rect(x, y, x + static_cast<int>(std::lround(size.cx * scale)),
                              y + static_cast<int>(std::lround(size.cy * scale))),
                         icon);
}

void StretchDrawBitmapDIB(TCanvas& canvas, const TRect& r, const TBitmap& bitmap)
{
    canvas.StretchDraw(r, bitmap);
}

bool IsDirectoryPath(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isDir();
}
