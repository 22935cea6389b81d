#include "grid/base/PictureContainer.h"

#include <QFile>

#include <algorithm>
#include <stdexcept>
#include <typeinfo>

namespace {

quint16 word(const QByteArray& data, qsizetype at)
{
    return static_cast<quint16>(static_cast<quint8>(data[at]) | (static_cast<quint8>(data[at + 1]) << 8));
}

// A frame starts where a graphic control extension of 4 bytes is directly followed by an image
// descriptor; within needs the descriptor's left, top, width and height to lie inside the data.
bool frameAt(const QByteArray& data, qsizetype j, qsizetype within)
{
    return j + within < data.size() && static_cast<quint8>(data[j]) == 0x21 &&
           static_cast<quint8>(data[j + 1]) == 0xF9 && data[j + 2] == 4 && static_cast<quint8>(data[j + 8]) == 0x2C;
}

}  // namespace

THTMLPicture::THTMLPicture() = default;
THTMLPicture::~THTMLPicture() = default;

int THTMLPicture::Width() const
{
    return gpPicture ? gpPicture->Width() : 0;
}
int THTMLPicture::Height() const
{
    return gpPicture ? gpPicture->Height() : 0;
}

void THTMLPicture::Draw(TCanvas& canvas, const TRect& r) const
{
    if (FIsEmpty || !gpPicture)
        return;
    if (Stretch)
        canvas.StretchDraw(r, *gpPicture);
    else
        canvas.Draw(r.Left, r.Top, *gpPicture);
}

void THTMLPicture::changed()
{
    if (OnChange)
        OnChange(this);
}

void THTMLPicture::markEmpty()
{
    FIsEmpty = true;
    gpPicture.reset();
    FFrameCount = -1;
    FNextCount = -1;
    FTimerCount = -1;
}

void THTMLPicture::Clear()
{
    markEmpty();
    FData.clear();
}

void THTMLPicture::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const THTMLPicture*>(&source);
    if (other == this)
        return;
    Clear();
    SetFrame(1);
    if (!other || other->FData.isEmpty())
        return;
    FData = other->FData;
    FIsEmpty = false;
    rebuild();
    changed();
}

void THTMLPicture::LoadFromFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        Clear();
        return;
    }
    try {
        LoadFromData(file.readAll());
    } catch (const std::exception&) {
        Clear();
    }
}

void THTMLPicture::LoadFromStream(QIODevice* stream)
{
    if (stream)
        LoadFromData(stream->readAll());
}

void THTMLPicture::LoadFromData(const QByteArray& data)
{
    markEmpty();
    FData = data;
    FIsEmpty = false;
    rebuild();
    changed();
}

void THTMLPicture::SaveToStream(QIODevice* stream) const
{
    if (stream)
        stream->write(FData);
}

void THTMLPicture::LoadFromResourceName(const QString& name)
{
    QFile file(QStringLiteral(":/") + name);
    if (file.open(QIODevice::ReadOnly))
        LoadFromData(file.readAll());
}

void THTMLPicture::LoadFromURL(const QString& url)
{
    const QString upper = url.toUpper();
    if (upper.startsWith(QLatin1StringView("RES://"))) {
        FID = url;
        if (url.size() > 6)
            LoadFromResourceName(url.mid(6));
    } else if (upper.startsWith(QLatin1StringView("FILE://"))) {
        FID = url;
        LoadFromFile(url.mid(7));
    } else if (!Asynch) {
        FURL = url;
        FID = url;
    } else if (!FThreadBusy) {
        // Nothing is fetched over the network; the picture stays empty and is found by its URL.
        FURL = url;
        FID = url;
        FThreadBusy = true;
    }
}

bool THTMLPicture::IsGIF() const
{
    return FData.size() >= 5 && FData.startsWith("GIF8");
}

int THTMLPicture::FrameCount()
{
    if (FFrameCount >= 0)
        return FFrameCount;
    if (!IsGIF())
        return -1;
    int count = 0;
    for (qsizetype j = 0; j < FData.size(); ++j)
        if (frameAt(FData, j, 9))
            ++count;
    FFrameCount = count;
    return count;
}

int THTMLPicture::GetFrameTime(int i)
{
    if (!IsGIF())
        return -1;
    int frame = 0;
    for (qsizetype j = 0; j < FData.size(); ++j) {
        if (!frameAt(FData, j, 8) || ++frame != i)
            continue;
        const quint8 packed = static_cast<quint8>(FData[j + 3]);
        FFrameTransp = packed & 1;
        FFrameDisposal = (packed >> 2) & 7;
        return word(FData, j + 4);
    }
    return -1;
}

int THTMLPicture::MaxWidth() const
{
    if (!gpPicture)
        return 0;
    return FAnimMaxX != 0 ? FAnimMaxX : Width();
}

int THTMLPicture::MaxHeight() const
{
    if (!gpPicture)
        return 0;
    return FAnimMaxY != 0 ? FAnimMaxY : Height();
}

void THTMLPicture::SetFrame(int frame)
{
    FFrame = frame;
    if (FData.isEmpty())
        return;
    rebuild();
    if (OnFrameChange)
        OnFrameChange(this);
}

void THTMLPicture::FrameNext()
{
    SetFrame(FFrame >= FrameCount() ? 1 : FFrame + 1);
}

void THTMLPicture::FramePrev()
{
    SetFrame(FFrame < 2 ? FrameCount() : FFrame - 1);
}

bool THTMLPicture::Step()
{
    if (FrameCount() < 2 || FIsEmpty)
        return false;
    bool stepped = false;
    if (FNextCount == -1)
        FNextCount = GetFrameTime(FFrame);
    if (10 * FTimerCount >= FNextCount) {
        FrameNext();
        FNextCount += GetFrameTime(FFrame);
        stepped = true;
    }
    ++FTimerCount;
    return stepped;
}

// Decodes the data; for an animated GIF the header and everything before the first frame are kept
// and the frames before the wanted one left out, so the decoder shows the wanted frame.
void THTMLPicture::rebuild()
{
    FFrameXPos = FFrameYPos = FAnimMaxX = FAnimMaxY = 0;
    QByteArray image;
    const bool animated = IsGIF() && FrameCount() >= 1;
    if (animated) {
        if (FData.size() >= 10) {
            FAnimMaxX = word(FData, 6);
            FAnimMaxY = word(FData, 8);
        }
        image.reserve(FData.size());
        bool copying = true;
        int frame = 1;
        for (qsizetype j = 0; j < FData.size(); ++j) {
            if (frameAt(FData, j, 9)) {
                if (frame == FFrame && j + 16 < FData.size()) {
                    FFrameXPos = word(FData, j + 9);
                    FFrameYPos = word(FData, j + 11);
                    FFrameXSize = word(FData, j + 13);
                    FFrameYSize = word(FData, j + 15);
                }
                ++frame;
                copying = FFrame < frame;
            }
            if (copying)
                image += FData[j];
        }
    } else {
        image = FData;
    }
    if (image.isEmpty())
        throw std::runtime_error("Empty image stream created");
    auto picture = std::make_unique<TBitmap>();
    if (!picture->LoadFromData(image))
        throw std::runtime_error("Could not load image. Invalid format");
    // The decoder lays a frame on the animation's whole screen: keep the frame itself.
    if (animated && FFrameXSize > 0 && FFrameYSize > 0 && picture->Width() == FAnimMaxX &&
        picture->Height() == FAnimMaxY)
        picture->Crop(Bounds(FFrameXPos, FFrameYPos, FFrameXSize, FFrameYSize));
    gpPicture = std::move(picture);
}

THTMLPicture* THTMLPictureCache::AddPicture()
{
    pictures_.push_back(std::make_unique<THTMLPicture>());
    return pictures_.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const QString& id) const
{
    for (const auto& picture : pictures_)
        if (picture->ID() == id)
            return picture.get();
    return nullptr;
}

THTMLPicture* THTMLPictureCache::GetPicture(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return pictures_[static_cast<std::size_t>(index)].get();
}

void THTMLPictureCache::SetPicture(int index, std::unique_ptr<THTMLPicture> picture)
{
    if (index >= 0 && index < Count() && picture)
        pictures_[static_cast<std::size_t>(index)] = std::move(picture);
}

bool THTMLPictureCache::Animate()
{
    bool changed = false;
    for (const auto& picture : pictures_)
        changed = picture->Step() || changed;
    return changed;
}

void TPictureItem::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TPictureItem*>(&source);
    if (!other)
        throw std::bad_cast();
    if (other == this)
        return;
    Name = other->Name;
    Tag = other->Tag;
    FPicture.Assign(other->FPicture);
}

TPictureItem* TPictureCollection::Add()
{
    return Insert(Count());
}

TPictureItem* TPictureCollection::Insert(int index)
{
    index = std::clamp(index, 0, Count());
    const auto it = items_.insert(items_.begin() + index, std::make_unique<TPictureItem>());
    return it->get();
}

TPictureItem* TPictureCollection::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw std::out_of_range("List index out of bounds");
    return items_[static_cast<std::size_t>(index)].get();
}

bool TPictureCollection::Animate()
{
    bool changed = false;
    for (const auto& item : items_)
        changed = item->Picture().Step() || changed;
    return changed;
}

void TPictureCollection::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TPictureCollection*>(&source);
    if (!other || other == this)
        return;
    items_.clear();
    for (const auto& item : other->items_)
        Add()->Assign(*item);
}

THTMLPicture* TPictureContainer::FindPicture(const QString& name) const
{
    for (int i = 0; i < FItems.Count(); ++i)
        if (FItems.Items(i)->Name.compare(name, Qt::CaseInsensitive) == 0)
            return &FItems.Items(i)->Picture();
    return nullptr;
}
