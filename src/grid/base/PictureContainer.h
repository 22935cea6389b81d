#pragma once
// Pictures of the cell text engine: a picture that keeps its image file's bytes (with the frames of
// an animated GIF), a cache of pictures loaded by URL, and a container of named pictures.
#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Components.h"
#include "platform/Graphics.h"

class QIODevice;

class THTMLPicture : public TGraphic {
public:
    THTMLPicture();
    ~THTMLPicture() override;
    THTMLPicture(const THTMLPicture&) = delete;
    THTMLPicture& operator=(const THTMLPicture&) = delete;

    // Empty until a load succeeds.
    bool Empty() const { return FIsEmpty; }
    // Size of the decoded picture (its current frame), 0 without one.
    int Width() const override;
    int Height() const override;
    // Stretched into r, or at r's top-left corner at its own size.
    void Draw(TCanvas& canvas, const TRect& r) const override;
    // Another picture's bytes; any other source, or none, empties the picture.
    void Assign(const TPersistent& source) override;
    void Clear();

    // A file; any failure leaves the picture empty.
    void LoadFromFile(const QString& fileName);
    // The rest of a stream, or image file bytes; an undecodable image throws.
    void LoadFromStream(QIODevice* stream);
    void LoadFromData(const QByteArray& data);
    void SaveToStream(QIODevice* stream) const;
    // A compiled-in resource ":/name"; nothing when there is none.
    void LoadFromResourceName(const QString& name);
    // The compiled-in resource named by the number, ":/" and its digits; nothing when there is none.
    void LoadFromResourceID(int id) { LoadFromResourceName(QString::number(id)); }
    // "RES://name" and "FILE://path" load; other URLs are only noted.
    void LoadFromURL(const QString& url);

    bool Stretch = false;
    bool Asynch = true;
    bool IsDB = false;
    bool Busy() const { return FThreadBusy; }
    QString ID() const { return FID; }
    void SetID(const QString& id) { FID = id; }
    QString URL() const { return FURL; }
    const QByteArray& Data() const { return FData; }

    // Animated GIFs: frames are numbered from 1.
    bool IsGIF() const;
    int FrameCount();
    // Delay of frame i in hundredths of a second; -1 when there is no such frame.
    int GetFrameTime(int i);
    int Frame() const { return FFrame; }
    void SetFrame(int frame);
    void FrameNext();
    void FramePrev();
    // One tick of the animation clock; true when the frame changed.
    bool Step();
    int MaxWidth() const;
    int MaxHeight() const;
    int FrameXPos() const { return FFrameXPos; }
    int FrameYPos() const { return FFrameYPos; }
    bool FrameTransparent() const { return FFrameTransp; }
    int FrameDisposal() const { return FFrameDisposal; }

    TNotifyEvent OnChange;
    TNotifyEvent OnFrameChange;

private:
    void changed();
    void rebuild();
    void markEmpty();

    QByteArray FData;
    bool FIsEmpty = true;
    std::unique_ptr<TBitmap> gpPicture;
    QString FURL;
    QString FID;
    bool FThreadBusy = false;
    int FFrame = 1;
    int FFrameCount = -1;
    int FFrameXPos = 0;
    int FFrameYPos = 0;
    int FFrameXSize = 0;
    int FFrameYSize = 0;
    bool FFrameTransp = false;
    int FFrameDisposal = 0;
    int FAnimMaxX = 0;
    int FAnimMaxY = 0;
    int FNextCount = -1;
    int FTimerCount = -1;
};

// Pictures loaded on demand, found by their identifier; owns them.
class THTMLPictureCache {
public:
    THTMLPicture* AddPicture();
    void ClearPictures() { pictures_.clear(); }
    // The first picture whose identifier equals id exactly; nullptr when none.
    THTMLPicture* FindPicture(const QString& id) const;
    int Count() const { return static_cast<int>(pictures_.size()); }
    THTMLPicture* GetPicture(int index) const;
    // Puts the picture in the place of the one at index, which is freed; nothing for an index outside.
    void SetPicture(int index, std::unique_ptr<THTMLPicture> picture);
    // Steps every picture; true when any frame changed.
    bool Animate();

private:
    std::vector<std::unique_ptr<THTMLPicture>> pictures_;
};

class TPictureItem : public TPersistent {
public:
    THTMLPicture& Picture() { return FPicture; }
    const THTMLPicture& Picture() const { return FPicture; }
    // Copies the given picture's contents.
    void SetPicture(const THTMLPicture& picture) { FPicture.Assign(picture); }
    QString Name;
    int Tag = 0;
    // From another item: name, tag and picture; any other source is an invalid cast and throws.
    void Assign(const TPersistent& source) override;

private:
    THTMLPicture FPicture;
};

class TPictureCollection : public TPersistent {
public:
    explicit TPictureCollection(TComponent* owner) : FOwner(owner) {}
    TPictureItem* Add();
    TPictureItem* Insert(int index);
    int Count() const { return static_cast<int>(items_.size()); }
    TPictureItem* Items(int index) const;
    void Clear() { items_.clear(); }
    TComponent* Owner() const { return FOwner; }
    bool Animate();
    // Copies the other collection's items.
    void Assign(const TPersistent& source) override;

private:
    TComponent* FOwner;
    std::vector<std::unique_ptr<TPictureItem>> items_;
};

class TPictureContainer : public TComponent {
public:
    explicit TPictureContainer(TComponent* AOwner) : TComponent(AOwner), FItems(this) {}
    QString ClassName() const override { return QStringLiteral("TPictureContainer"); }
    TPictureCollection& Items() { return FItems; }
    void SetItems(const TPictureCollection& items) { FItems.Assign(items); }
    // The picture of the first item of that name, letter case ignored; nullptr when none.
    virtual THTMLPicture* FindPicture(const QString& name) const;

private:
    TPictureCollection FItems;
};
