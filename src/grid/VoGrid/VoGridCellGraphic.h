#pragma once
// The graphic object a cell can carry beside its text: check box, radio group, button, picture, progress,
// comment, node ... told apart by its type.
#include <QString>
#include <QVariant>
#include <cstdint>

#include "platform/Classes.h"
#include "platform/StdCtrls.h"
#include "platform/Types.h"

enum TCellType {
    ctBitmap,
    ctIcon,
    ctNone,
    ctImageList,
    ctCheckBox,
    ctDataCheckBox,
    ctRotated,
    ctDataImage,
    ctNode,
    ctRadio,
    ctEmpty,
    ctImages,
    ctPicture,
    ctFilePicture,
    ctValue,
    ctProgress,
    ctComment,
    ctButton,
    ctBitButton,
    ctVirtCheckBox,
    ctRowCheckBox,
    ctProgressPie,
    ctSummary,
    ctRangeIndicator,
    ctXPProgress,
    ctInterface,
    ctScrollbar,
    ctRadioButton,
    ctBalloon,
    ctShape,
    ctRating,
    ctTriStateCheckBox,
    ctExpand,
};

enum TCellHAlign { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCellVAlign { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TStretchMode { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };
enum TBalloonIcon { biNone, biInfo, biWarning, biError };

// An object whose size and painting a cell of type ctInterface asks for.
class ICellGraphic {
public:
    virtual ~ICellGraphic() = default;
    virtual int GetWidth() = 0;
    virtual int GetHeight() = 0;
    virtual bool IsBackground() = 0;
};

// The fields of a graphic are read by its type. CellBitmap and CellIcon hold objects (owned when
// CellCreated says so, see the destructor) or, for some types, colours kept in CellColor / CellColor2.
class TCellGraphic : public TPersistent {
public:
    TCellGraphic() = default;
    ~TCellGraphic() override;
    TCellGraphic(const TCellGraphic&) = delete;
    TCellGraphic& operator=(const TCellGraphic&) = delete;

    // Copies the type, alignments, numbers, flags and caption; not the objects, CellVar or the tri-state.
    void Assign(const TPersistent& Source) override;

    void SetBitmap(TObject* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    void SetIcon(TObject* aicon, TCellHAlign hal, TCellVAlign val);
    void SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val);
    void SetDataImage(int idx, TCellHAlign hal, TCellVAlign val);
    // A new owned image-index list; Notifier is told of its changes.
    void SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                       const std::function<void(TObject*, int, int)>& Notifier);
    void SetPicture(TObject* APicture, bool Transparent, TStretchMode StretchMode, int padding, TCellHAlign hal,
                    TCellVAlign val);
    void SetFilePicture(TObject* APicture, bool Transparent, TStretchMode StretchMode, int padding, TCellHAlign hal,
                        TCellVAlign val);
    void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetButton(int bw, int bh, const QString& caption, TCellHAlign hal, TCellVAlign val);
    void SetBitButton(int bw, int bh, const QString& caption, TObject* Glyph, TCellHAlign hal, TCellVAlign val);
    // Text rotation: brought into 0..360 by whole turns.
    void SetAngle(std::int16_t AAngle);
    void SetInterfacedCell(TObject* AObject);
    // The size of a picture (ctPicture, ctFilePicture) in a room of cw x rh pixels by the stretch mode;
    // other types leave size as given.
    void GetPictureSize(int cw, int rh, TPoint& size, bool hastext) const;

    TCellType CellType = ctNone;
    TObject* CellBitmap = nullptr;
    TObject* CellIcon = nullptr;
    TCellVAlign CellVAlign = vaTop;
    TCellHAlign CellHAlign = haLeft;
    std::int32_t CellIndex = 0;
    bool CellTransparent = false;
    bool CellCreated = false;
    bool CellBoolean = false;
    std::int32_t CellAngle = 0;
    double CellValue = 0;
    std::int32_t CellErrFrom = 0;
    std::int32_t CellErrLen = 0;
    QString CellText;
    QVariant CellVar;
    TCheckBoxState CellCheckBoxState = cbUnchecked;
    // Colours the types keep where their objects would be (bar, negative, fill ... / background, positive).
    std::uint32_t CellColor = 0;
    std::uint32_t CellColor2 = 0;

private:
    void setAlign(TCellHAlign hal, TCellVAlign val);
    // Frees the objects the graphic owns by its type, and forgets them.
    void freeOwned();
};
