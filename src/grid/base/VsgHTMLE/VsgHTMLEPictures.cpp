#include <algorithm>
#include <cmath>
#include <exception>
#include <functional>

#include "grid/base/PictureContainer.h"
#include "grid/base/VsgHTMLE/VsgHTMLEEngine.h"
#include "grid/base/VsgHTMLE/VsgHTMLEText.h"

namespace vsghtmle {

namespace {

constexpr int MaxPictureSide = 10000;

int scaled(int size, double scale)
{
    return static_cast<int>(std::lround(std::clamp(size * scale, 0.0, 1e6)));
}

// The text after a prefix (letter case ignored) of a source, or nothing when the prefix is absent.
bool afterPrefix(const QString& source, QLatin1StringView prefix, QString& rest)
{
    const qsizetype at = source.indexOf(prefix, 0, Qt::CaseInsensitive);
    if (at < 0)
        return false;
    rest = source.mid(at + prefix.size());
    return true;
}

}  // namespace

bool THtmlEngine::lineFullFor(TLinePass& p, int itemWidth) const
{
    p.full = p.mode == TPassMode::Measure && itemWidth > p.room() && itemWidth <= p.r.Width();
    return p.full;
}

void THtmlEngine::placeItem(TLinePass& p, int itemWidth, int itemHeight)
{
    p.width += itemWidth;
    p.x += itemWidth;
    lineHeight_ = std::max(lineHeight_, itemHeight);
    p.glue = true;
    p.laid = true;
}

THTMLPicture* THtmlEngine::namedPicture(const QString& source)
{
    try {
        if (!source.contains(u':'))
            return opt_.PictureContainer ? opt_.PictureContainer->FindPicture(source) : nullptr;
        if (!source.contains(QLatin1StringView("://")) || !opt_.PictureCache)
            return nullptr;
        if (THTMLPicture* cached = opt_.PictureCache->FindPicture(source))
            return cached;
        THTMLPicture* picture = opt_.PictureCache->AddPicture();
        picture->Asynch = false;
        picture->SetID(source);
        picture->LoadFromURL(source);
        return picture;
    } catch (const std::exception&) {
        return nullptr;  // an undecodable picture shows nothing
    }
}

void THtmlEngine::pictureTag(TLinePass& p, const TTag& tag)
{
    ++pictureCount_;
    QString source = tag.Attribute(QLatin1StringView("SRC"), false);
    if (tag.HasAttribute(QLatin1StringView("ALT")) && pictureCount_ == pictureUnderPoint_)
        source = tag.Attribute(QLatin1StringView("ALT"), false);
    const int tagWidth = std::clamp(StrToIntZero(tag.Attribute(QLatin1StringView("WIDTH"), true)), 0, MaxPictureSide);
    const int tagHeight = std::clamp(StrToIntZero(tag.Attribute(QLatin1StringView("HEIGHT"), true)), 0, MaxPictureSide);
    const double printScale = opt_.Printing ? opt_.PrintScale : 1.0;
    const int top = p.r.Top;

    // What the picture is, and how it draws once placed.
    int itemWidth = 0;
    int itemHeight = 0;
    std::function<void(int)> draw;
    QString rest;
    if (afterPrefix(source, QLatin1StringView("IDX:"), rest)) {
        const int index = StrToIntZero(rest);
        const TImageList* images = opt_.Images;
        if (images && index >= 0 && index < images->Count()) {
            itemWidth = scaled(images->Width(), printScale);
            itemHeight = scaled(images->Height(), printScale);
            draw = [this, images, index, top, itemWidth, itemHeight](int x) {
                if (!opt_.Printing) {
                    images->Draw(canvas_, x, top, index);
                    return;
                }
                TBitmap copy(images->Width(), images->Height());
                images->Draw(copy.Canvas(), 0, 0, index);
                StretchDrawBitmapDIB(canvas_, Bounds(x, top, itemWidth, itemHeight), copy);
            };
        }
        source = rest;
    } else if (afterPrefix(source, QLatin1StringView("SSYS:"), rest) ||
               afterPrefix(source, QLatin1StringView("LSYS:"), rest)) {
        const bool large = source.contains(QLatin1StringView("LSYS:"), Qt::CaseInsensitive);
        TSize size;
        DrawShellIcon(canvas_, 0, 0, size, 1.0, false, false, large, rest);
        itemWidth = scaled(size.cx, printScale);
        itemHeight = scaled(size.cy, printScale);
        draw = [this, large, rest, top](int x) {
            TSize drawn;
            DrawShellIcon(canvas_, x, top, drawn, opt_.PrintScale, opt_.Printing, true, large, rest);
        };
        source = rest;
    }
    if (THTMLPicture* picture = namedPicture(source); picture && !picture->Empty() && picture->Width() > 0) {
        int displayWidth = picture->Width();
        int displayHeight = picture->Height();
        if (tagWidth > 0 && tagHeight > 0) {
            displayWidth = tagWidth;
            displayHeight = tagHeight;
        } else if (tagWidth > 0) {
            displayHeight = static_cast<int>(std::lround(double(picture->Height()) * tagWidth / picture->Width()));
            displayWidth = tagWidth;
        } else if (tagHeight > 0 && picture->Height() > 0) {
            displayWidth = static_cast<int>(std::lround(double(picture->Width()) * tagHeight / picture->Height()));
            displayHeight = tagHeight;
        }
        const bool sized = tagWidth > 0 || tagHeight > 0;
        itemWidth = sized ? displayWidth : picture->MaxWidth();
        itemHeight = sized ? displayHeight : picture->MaxHeight();
        draw = [this, picture, sized, top, displayWidth, displayHeight](int x) {
            picture->Stretch = sized;
            if (sized) {
                picture->Draw(canvas_, Bounds(x, top, displayWidth, displayHeight));
                return;
            }
            if (picture->FrameCount() > 1) {
                const TColor pen = canvas_.Pen().Color();
                const TColor brush = brushColorOrNone();
                canvas_.Pen().SetColor(background_);
                canvas_.Brush().SetColor(background_);
                canvas_.Rectangle(Bounds(x, top, picture->MaxWidth(), picture->MaxHeight()));
                canvas_.Pen().SetColor(pen);
                setBrushColorOrClear(brush);
            }
            picture->Draw(canvas_, Bounds(x + picture->FrameXPos(), top + picture->FrameYPos(), picture->Width(),
                                          picture->Height()));
        };
    }

    if (lineFullFor(p, itemWidth))
        return;  // the picture starts the next line
    const int offset = opt_.X - p.r.Left;
    if (inAnchor_ && offset > p.width && offset < p.width + itemWidth && opt_.Y > top && opt_.Y < top + itemHeight) {
        pictureUnderPoint_ = pictureCount_;
        if (p.mode != TPassMode::Measure) {
            p.object = true;
            res_.AnchorValue = link_;
            res_.AnchorTitle = title_;
        }
    }
    if (draw && p.drawing())
        draw(p.x);
    placeItem(p, itemWidth, itemHeight);

    if (tag.upper.contains(QLatin1StringView("ALIGN"))) {
        const int gh = fontHeight();
        if (tag.upper.contains(QLatin1StringView("\"TOP")))
            lift_ = lineHeight_ - gh;
        else if (tag.upper.contains(QLatin1StringView("\"MIDDLE")))
            lift_ = (lineHeight_ - gh) / 2;
    }
}

void THtmlEngine::bodyTag(TLinePass& p, const TTag& tag)
{
    if (!p.drawing())
        return;
    if (THTMLPicture* picture = namedPicture(tag.Attribute(QLatin1StringView("BACKGROUND"), false));
        picture && !picture->Empty() && picture->Width() > 0 && picture->Height() > 0) {
        canvas_.SaveState();
        canvas_.IntersectClipRect(rect_);
        picture->Stretch = false;
        for (int y = rect_.Top; y < rect_.Bottom; y += picture->Height())
            for (int x = rect_.Left; x < rect_.Right; x += picture->Width())
                picture->Draw(canvas_, Bounds(x, y, picture->Width(), picture->Height()));
        canvas_.RestoreState();
    }
    const QString value = tag.Attribute(QLatin1StringView("BGCOLOR"), true);
    if (value.isEmpty())
        return;
    TColor color = clBlack;
    if (value.contains(QLatin1StringView("CL")))
        color = HtmlColorNameToColor(value.toLower());
    if (const qsizetype hash = value.indexOf(u'#'); hash >= 0)
        color = HtmlHexToColor(value.mid(hash));
    canvas_.Brush().SetColor(color);
    savedFontBrush_ = color;
    const TColor pen = canvas_.Pen().Color();
    canvas_.Pen().SetColor(color);
    canvas_.Rectangle(rect_);
    canvas_.Pen().SetColor(pen);
}

}  // namespace vsghtmle
