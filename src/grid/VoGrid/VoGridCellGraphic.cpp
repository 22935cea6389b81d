// The cell graphic object: its setters, its copy and what it owns.
#include "grid/VoGrid/VoGridCellGraphic.h"

#include <cmath>

#include "grid/base/VoObj/VoObjFilePicture.h"
#include "grid/base/VoObj/VoObjLists.h"
#include "platform/Bitmap.h"

TCellGraphic::~TCellGraphic()
{
    freeOwned();
}

void TCellGraphic::freeOwned()
{
    switch (CellType) {
    case ctBitmap:
    case ctRadio:
    case ctPicture:
    case ctFilePicture:
    case ctBitButton:
        if (CellCreated)
            delete CellBitmap;
        break;
    case ctIcon:
        if (CellCreated)
            delete CellIcon;
        break;
    case ctImages:
    case ctBalloon:
        delete CellBitmap;
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadioButton:
        if (CellAngle == 1)
            delete CellBitmap;  // the attached balloon's lines
        break;
    default:
        break;
    }
    CellBitmap = nullptr;
    CellIcon = nullptr;
}

void TCellGraphic::Assign(const TPersistent& Source)
{
    const auto* src = dynamic_cast<const TCellGraphic*>(&Source);
    if (!src)
        return;
    CellType = src->CellType;
    CellVAlign = src->CellVAlign;
    CellHAlign = src->CellHAlign;
    CellIndex = src->CellIndex;
    CellTransparent = src->CellTransparent;
    CellValue = src->CellValue;
    CellAngle = src->CellAngle;
    CellBoolean = src->CellBoolean;
    CellErrFrom = src->CellErrFrom;
    CellErrLen = src->CellErrLen;
    CellText = src->CellText;
    CellCreated = src->CellCreated;
}

void TCellGraphic::setAlign(TCellHAlign hal, TCellVAlign val)
{
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetBitmap(TObject* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctBitmap;
    CellBitmap = ABmp;
    CellTransparent = Transparent;
    setAlign(hal, val);
}

void TCellGraphic::SetIcon(TObject* aicon, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctIcon;
    CellIcon = aicon;
    setAlign(hal, val);
}

void TCellGraphic::SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctImageList;
    CellIndex = idx;
    setAlign(hal, val);
}

void TCellGraphic::SetDataImage(int idx, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctDataImage;
    CellIndex = idx;
    setAlign(hal, val);
}

void TCellGraphic::SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                                 const std::function<void(TObject*, int, int)>& Notifier)
{
    CellType = ctImages;
    CellBoolean = dir == 0;
    auto* list = new TIntList(Col, Row);  // owned: freed with the graphic
    list->OnChange = Notifier;
    CellBitmap = list;
    CellCreated = true;
    setAlign(hal, val);
}

void TCellGraphic::SetPicture(TObject* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                              TCellHAlign hal, TCellVAlign val)
{
    CellType = ctPicture;
    CellBitmap = APicture;
    CellTransparent = Transparent;
    CellAngle = StretchMode;
    CellIndex = padding;
    setAlign(hal, val);
}

void TCellGraphic::SetFilePicture(TObject* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                                  TCellHAlign hal, TCellVAlign val)
{
    SetPicture(APicture, Transparent, StretchMode, padding, hal, val);
    CellType = ctFilePicture;
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    CellType = Data ? ctDataCheckBox : ctCheckBox;
    CellAngle = 0;
    CellBoolean = Value;
    CellTransparent = Flat;
    setAlign(hal, val);
}

void TCellGraphic::SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctTriStateCheckBox;
    CellCheckBoxState = Value;
    CellBoolean = false;
    CellTransparent = Flat;
    setAlign(hal, val);
}

void TCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctRadioButton;
    CellAngle = 0;
    CellBoolean = Value;
    CellTransparent = Flat;
    setAlign(hal, val);
}

void TCellGraphic::SetButton(int bw, int bh, const QString& caption, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctButton;
    CellIndex =
        static_cast<std::int32_t>((static_cast<std::uint32_t>(bh) << 16) | (static_cast<std::uint32_t>(bw) & 0xFFFF));
    CellBoolean = false;
    CellText = caption;
    setAlign(hal, val);
}

void TCellGraphic::SetBitButton(int bw, int bh, const QString& caption, TObject* Glyph, TCellHAlign hal,
                                TCellVAlign val)
{
    SetButton(bw, bh, caption, hal, val);
    CellType = ctBitButton;
    CellBitmap = Glyph;
}

void TCellGraphic::SetAngle(std::int16_t AAngle)
{
    CellType = ctRotated;
    int angle = AAngle;
    while (angle < 0)
        angle += 360;
    while (angle > 360)
        angle -= 360;
    CellAngle = angle;
}

void TCellGraphic::SetInterfacedCell(TObject* AObject)
{
    CellType = ctInterface;
    CellBitmap = AObject;
}

namespace {
int roundToInt(double v)
{
    return static_cast<int>(std::lround(v));
}
}  // namespace

void TCellGraphic::GetPictureSize(int cw, int rh, TPoint& size, bool hastext) const
{
    (void)hastext;
    int w = 0;
    int h = 0;
    if (CellType == ctPicture) {
        if (const auto* pic = dynamic_cast<const TPicture*>(CellBitmap)) {
            w = pic->Width();
            h = pic->Height();
        }
    } else if (CellType == ctFilePicture) {
        if (const auto* pic = dynamic_cast<const TFilePicture*>(CellBitmap)) {
            w = pic->Width();
            h = pic->Height();
        }
    } else {
        return;
    }
    cw -= CellIndex;
    rh -= CellIndex;
    const double rx = w <= 0 ? 1.0 : static_cast<double>(cw) / w;
    const double ry = h <= 0 ? 1.0 : static_cast<double>(rh) / h;
    auto aspect = [&](double x, double y) {
        return x < y ? TPoint{cw, roundToInt(h * x)} : TPoint{roundToInt(w * y), rh};
    };
    switch (static_cast<TStretchMode>(CellAngle)) {
    case noStretch:
        size = {w, h};
        break;
    case Stretch:
        size = {cw, rh};
        break;
    case StretchWithAspectRatio:
        size = aspect(rx, ry);
        break;
    case Shrink:
        size = (w > cw || h > rh) ? TPoint{cw, rh} : TPoint{w, h};
        break;
    case ShrinkWithAspectRatio:
        size = (w <= cw && h <= rh) ? TPoint{w, h} : aspect(std::min(rx, 1.0), std::min(ry, 1.0));
        break;
    }
}
