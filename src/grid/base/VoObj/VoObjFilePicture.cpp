#include "grid/base/VoObj/VoObjFilePicture.h"

#include <stdexcept>

namespace {

void loadPicture(TPicture& picture, const QString& filename)
{
    if (!picture.LoadFromFile(filename))
        throw std::runtime_error(QStringLiteral("Cannot load picture %1").arg(filename).toStdString());
}

}  // namespace

void TFilePicture::SetFilename(const QString& filename)
{
    FFilename = filename;
    FWidth = 0;
    FHeight = 0;
    TPicture picture;
    loadPicture(picture, filename);
    FWidth = picture.Width();
    FHeight = picture.Height();
}

void TFilePicture::DrawPicture(TCanvas& canvas, const TRect& r) const
{
    if (FFilename.isEmpty())
        return;
    TPicture picture;
    loadPicture(picture, FFilename);
    canvas.StretchDraw(r, *picture.Graphic());
}

void TFilePicture::Assign(const TPersistent& source)
{
    if (const auto* src = dynamic_cast<const TFilePicture*>(&source)) {
        FFilename = src->FFilename;
        FWidth = src->FWidth;
        FHeight = src->FHeight;
    }
}
