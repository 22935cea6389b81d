// The binary cell stream: a header record, then per cell a cell record, optionally followed by its
// properties, its graphic and the graphic's data.
#include "grid/io/GridBinStream.h"

#include <QBuffer>
#include <QFile>
#include <array>
#include <memory>

#include "grid/base/REdaReviZizod.h"
#include "grid/io/GridCellMap.h"
#include "grid/io/GridIO.h"
#include "platform/ImageData.h"

namespace {
[[noreturn]] void invalidStream()
{
    throw REdaReviZizod(QStringLiteral("Invalid stream format"));
}

// The fewest bytes a cell record can take: signature, class name, name, Col, Row, HasProp, end marks.
constexpr qsizetype MinCellRecordSize = 16;
// Largest column and row counts a stream may give (the grid's own limits are far below).
constexpr std::int64_t MaxStreamCount = 1'000'000'000;
// The furthest first cell of a whole grid: one that leaves out more fixed cells than this is read as a block.
constexpr std::int64_t MaxFixedOrigin = 1024;

constexpr std::array<const char*, 3> AlignmentNames{"taLeftJustify", "taRightJustify", "taCenter"};
constexpr std::array<const char*, 3> VAlignmentNames{"vtaTop", "vtaCenter", "vtaBottom"};
constexpr std::array<const char*, 2> BrushStyleNames{"bsSolid", "bsClear"};
constexpr std::array<const char*, 2> GradientNames{"GradientVertical", "GradientHorizontal"};
constexpr std::array<const char*, 43> EditorNames{"edNormal",
                                                  "edSpinEdit",
                                                  "edComboEdit",
                                                  "edComboList",
                                                  "edEditBtn",
                                                  "edCheckBox",
                                                  "edDateEdit",
                                                  "edDateEditUpDown",
                                                  "edTimeEdit",
                                                  "edButton",
                                                  "edDataCheckBox",
                                                  "edNumeric",
                                                  "edPositiveNumeric",
                                                  "edFloat",
                                                  "edCapital",
                                                  "edMixedCase",
                                                  "edPassword",
                                                  "edUnitEditBtn",
                                                  "edLowerCase",
                                                  "edUpperCase",
                                                  "edFloatSpinEdit",
                                                  "edTimeSpinEdit",
                                                  "edDateSpinEdit",
                                                  "edNumericEditBtn",
                                                  "edFloatEditBtn",
                                                  "edCustom",
                                                  "edRichEdit",
                                                  "edNone",
                                                  "edDateTimeEdit",
                                                  "edValidChars",
                                                  "edTrackbarDropDown",
                                                  "edMemoDropDown",
                                                  "edCalculatorDropDown",
                                                  "edTimePickerDropDown",
                                                  "edDetailDropDown",
                                                  "edGridDropDown",
                                                  "edColorPickerDropDown",
                                                  "edImagePickerDropDown",
                                                  "edVoGridDropDown",
                                                  "edPositiveFloat",
                                                  "edNumericUnitEditBtn",
                                                  "edFloatUnitEditBtn",
                                                  "edMaskEditBtn"};
constexpr std::array<const char*, 33> CellTypeNames{
    "ctBitmap",      "ctIcon",         "ctNone",      "ctImageList",
    "ctCheckBox",    "ctDataCheckBox", "ctRotated",   "ctDataImage",
    "ctNode",        "ctRadio",        "ctEmpty",     "ctImages",
    "ctPicture",     "ctFilePicture",  "ctValue",     "ctProgress",
    "ctComment",     "ctButton",       "ctBitButton", "ctVirtCheckBox",
    "ctRowCheckBox", "ctProgressPie",  "ctSummary",   "ctRangeIndicator",
    "ctXPProgress",  "ctInterface",    "ctScrollbar", "ctRadioButton",
    "ctBalloon",     "ctShape",        "ctRating",    "ctTriStateCheckBox",
    "ctExpand"};
constexpr std::array<const char*, 6> HAlignNames{"haLeft",       "haRight",     "haCenter",
                                                 "haBeforeText", "haAfterText", "haFull"};
constexpr std::array<const char*, 6> VAlignNames{"vaTop",       "vaBottom",    "vaCenter",
                                                 "vaUnderText", "vaAboveText", "vaFull"};
constexpr std::array<const char*, 3> CheckStateNames{"cbUnchecked", "cbChecked", "cbGrayed"};
constexpr std::array<const char*, 4> FontStyleNames{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

template <std::size_t N>
QString enumName(const std::array<const char*, N>& Names, int Value)
{
    return Value >= 0 && static_cast<std::size_t>(Value) < N ? QString::fromLatin1(Names[Value])
                                                             : QString::number(Value);
}

// ---- typed reads of property values: a value of the wrong kind or range is a malformed stream ----

std::int64_t intOf(const TRecordValue& v)
{
    if (v.Kind != TRecordValue::vkInt)
        invalidStream();
    return v.Int;
}

int int32Of(const TRecordValue& v)
{
    const std::int64_t i = intOf(v);
    if (i < INT32_MIN || i > INT32_MAX)
        invalidStream();
    return static_cast<int>(i);
}

bool boolOf(const TRecordValue& v)
{
    if (v.Kind != TRecordValue::vkBool)
        invalidStream();
    return v.Bool;
}

QString stringOf(const TRecordValue& v)
{
    if (v.Kind != TRecordValue::vkString)
        invalidStream();
    return v.Text;
}

template <std::size_t N>
int enumOf(const std::array<const char*, N>& Names, const TRecordValue& v)
{
    if (v.Kind == TRecordValue::vkIdent) {
        for (std::size_t i = 0; i < N; ++i)
            if (v.Text.compare(QLatin1String(Names[i]), Qt::CaseInsensitive) == 0)
                return static_cast<int>(i);
        throw REdaReviZizod(QStringLiteral("Invalid property value"));
    }
    const std::int64_t i = intOf(v);
    if (i < 0 || i >= static_cast<std::int64_t>(N))
        throw REdaReviZizod(QStringLiteral("Invalid property value"));
    return static_cast<int>(i);
}

TColor colorOf(const TRecordValue& v)
{
    TColor c = 0;
    if (v.Kind == TRecordValue::vkIdent) {
        if (!ColorFromIdent(v.Text, c))
            throw REdaReviZizod(QStringLiteral("Invalid property value"));
        return c;
    }
    return static_cast<TColor>(static_cast<std::uint32_t>(intOf(v)));
}

TFontStyles fontStylesOf(const TRecordValue& v)
{
    if (v.Kind != TRecordValue::vkSet)
        invalidStream();
    TFontStyles styles = 0;
    for (const QString& m : v.Items)
        styles |= static_cast<TFontStyles>(
            1u << enumOf(FontStyleNames, TRecordValue{TRecordValue::vkIdent, 0, false, 0, m, {}, {}}));
    return styles;
}

std::vector<int> numberList(const QString& Text)
{
    std::vector<int> out;
    if (Text.isEmpty())
        return out;
    for (const QString& part : Text.split(u',')) {
        bool ok = false;
        const int v = part.toInt(&ok);
        if (!ok)
            invalidStream();
        out.push_back(v);
    }
    return out;
}

QString numberText(const std::function<int(int)>& Size, int From, int To)
{
    QStringList parts;
    for (int i = From; i <= To; ++i)
        parts << QString::number(Size(i));
    return parts.join(u',');
}

// Types whose graphic owns an object: it travels only when the grid made it (CellCreated).
bool ownsObject(TCellType t)
{
    return t == ctBitmap || t == ctIcon || t == ctRadio || t == ctImages || t == ctPicture || t == ctFilePicture ||
           t == ctBitButton;
}

// The data record that follows a graphic of these types.
const char* dataRecordClass(TCellType t)
{
    switch (t) {
    case ctBitmap:
    case ctBitButton:
        return "TGridBMPIO";
    case ctIcon:
        return "TGridIconIO";
    case ctRadio:
    case ctImages:
        return "TGridSLIO";
    case ctPicture:
        return "TGridPicIO";
    case ctFilePicture:
        return "TGridFilePicIO";
    default:
        return nullptr;
    }
}

TCellType graphicType(const TRecord& Graphic)
{
    const TRecordValue* v = Graphic.Find(QStringLiteral("CellGraphic.CellType"));
    return v ? static_cast<TCellType>(enumOf(CellTypeNames, *v)) : ctNone;
}

void writeProps(TRecordWriter& w, const TCellProperties& p)
{
    w.Bool(QStringLiteral("CellProperties.IsBaseCell"), p.IsBaseCell);
    w.Int(QStringLiteral("CellProperties.CellSpanX"), p.CellSpanX);
    w.Int(QStringLiteral("CellProperties.CellSpanY"), p.CellSpanY);
    w.Ident(QStringLiteral("CellProperties.Alignment"), enumName(AlignmentNames, p.Alignment));
    w.Color(QStringLiteral("CellProperties.BorderColor"), p.BorderColor);
    w.Int(QStringLiteral("CellProperties.BorderWidth"), p.BorderWidth);
    w.Color(QStringLiteral("CellProperties.BrushColor"), p.BrushColor());
    w.Color(QStringLiteral("CellProperties.BrushColorTo"), p.BrushColorTo());
    w.Ident(QStringLiteral("CellProperties.BrushStyle"), enumName(BrushStyleNames, static_cast<int>(p.BrushStyle)));
    w.Int(QStringLiteral("CellProperties.CellObject"), 0);  // an address means nothing to the reader
    w.Color(QStringLiteral("CellProperties.FontColor"), p.FontColor);
    if (!p.FontName.isEmpty())
        w.String(QStringLiteral("CellProperties.FontName"), p.FontName);
    w.Int(QStringLiteral("CellProperties.FontSize"), p.FontSize);
    QStringList styles;
    for (std::size_t i = 0; i < FontStyleNames.size(); ++i)
        if (p.FontStyle & (1u << i))
            styles << QString::fromLatin1(FontStyleNames[i]);
    w.Set(QStringLiteral("CellProperties.FontStyle"), styles);
    w.Ident(QStringLiteral("CellProperties.Editor"), enumName(EditorNames, p.Editor));
    w.Ident(QStringLiteral("CellProperties.GradientDirection"), enumName(GradientNames, p.GradientDirection));
    w.Bool(QStringLiteral("CellProperties.ReadOnly"), p.ReadOnly);
    w.Ident(QStringLiteral("CellProperties.VAlignment"), enumName(VAlignmentNames, p.VAlignment()));
    w.Bool(QStringLiteral("CellProperties.WordWrap"), p.WordWrap());
    w.Int(QStringLiteral("CellProperties.NodeLevel"), p.NodeLevel);
}

void writeGraphic(TRecordWriter& w, const TCellGraphic& g)
{
    w.Ident(QStringLiteral("CellGraphic.CellType"), enumName(CellTypeNames, g.CellType));
    w.Ident(QStringLiteral("CellGraphic.CellVAlign"), enumName(VAlignNames, g.CellVAlign));
    w.Ident(QStringLiteral("CellGraphic.CellHAlign"), enumName(HAlignNames, g.CellHAlign));
    w.Int(QStringLiteral("CellGraphic.CellIndex"), g.CellIndex);
    w.Bool(QStringLiteral("CellGraphic.CellTransparent"), g.CellTransparent);
    w.Bool(QStringLiteral("CellGraphic.CellCreated"), g.CellCreated);
    w.Bool(QStringLiteral("CellGraphic.CellBoolean"), g.CellBoolean);
    w.Ident(QStringLiteral("CellGraphic.CellCheckBoxState"), enumName(CheckStateNames, g.CellCheckBoxState));
    w.Int(QStringLiteral("CellGraphic.CellAngle"), g.CellAngle);
    if (g.CellValue != 0)
        w.Float(QStringLiteral("CellGraphic.CellValue"), g.CellValue);
    w.Int(QStringLiteral("CellGraphic.CellErrFrom"), g.CellErrFrom);
    w.Int(QStringLiteral("CellGraphic.CellErrLen"), g.CellErrLen);
    if (!g.CellText.isEmpty())
        w.String(QStringLiteral("CellGraphic.CellText"), g.CellText);
}

QByteArray u32Bytes(std::uint32_t Value)
{
    QByteArray raw(4, '\0');
    for (int i = 0; i < 4; ++i)
        raw[i] = static_cast<char>((Value >> (8 * i)) & 0xFF);
    return raw;
}

// A bitmap as a 4-byte count and a BMP file; empty for an empty bitmap.
QByteArray countedBmp(const TBitmap& Bitmap)
{
    const QByteArray bmp = ImageFileData(Bitmap, "BMP");
    return bmp.isEmpty() ? QByteArray() : u32Bytes(static_cast<std::uint32_t>(bmp.size())) + bmp;
}

// The pixel data of a bitmap, icon or picture graphic, as its data record holds it; empty when there is none.
QByteArray pixelData(const TCellGraphic& g)
{
    switch (g.CellType) {
    case ctBitmap:
    case ctBitButton:
        if (const auto* bmp = dynamic_cast<const TBitmap*>(g.CellBitmap))
            return countedBmp(*bmp);
        return {};
    case ctIcon:
        if (const auto* icon = dynamic_cast<const TBitmap*>(g.CellIcon))
            return ImageFileData(*icon, "ICO");
        return {};
    case ctPicture:
        if (const auto* pic = dynamic_cast<const TPicture*>(g.CellBitmap)) {
            if (const auto* bmp = dynamic_cast<const TBitmap*>(pic->Graphic())) {
                const QByteArray counted = countedBmp(*bmp);
                if (!counted.isEmpty())
                    return QByteArray("\x07TBitmap") + counted;
            }
        }
        return {};
    default:
        return {};
    }
}

const char* pixelEntry(TCellType t)
{
    return t == ctIcon ? "Icon.Data" : t == ctPicture ? "Picture.Data" : "Bitmap.Data";
}

// The data record of a graphic.
void writeData(TRecordWriter& w, const TCellGraphic& g)
{
    w.Begin(QString::fromLatin1(dataRecordClass(g.CellType)));
    if (g.CellType == ctRadio) {
        if (const auto* items = dynamic_cast<const TStringList*>(g.CellBitmap); items && items->Count() > 0) {
            QStringList lines;
            for (int i = 0; i < items->Count(); ++i)
                lines << items->Strings(i);
            w.Strings(QStringLiteral("Strings.Strings"), lines);
        }
    } else if (g.CellType == ctImages) {
        if (const auto* list = dynamic_cast<const TIntList*>(g.CellBitmap); list && list->Count() > 0) {
            QStringList lines;
            for (int i = 0; i < list->Count(); ++i)
                lines << QString::number(list->GetInteger(i));
            w.Strings(QStringLiteral("Strings.Strings"), lines);
        }
    } else if (g.CellType == ctFilePicture) {
        if (const auto* pic = dynamic_cast<const TFilePicture*>(g.CellBitmap); pic && !pic->Filename().isEmpty())
            w.String(QStringLiteral("Picture.Filename"), pic->Filename());
    } else if (const QByteArray pixels = pixelData(g); !pixels.isEmpty()) {
        w.Binary(QString::fromLatin1(pixelEntry(g.CellType)), pixels);
    }
    w.End();
}

void applyProps(TCellProperties& p, const TRecord& r)
{
    for (const auto& [name, v] : r.Props) {
        const QString field = name.contains(u'.') ? name.section(u'.', 1) : name;
        if (field == u"IsBaseCell")
            p.IsBaseCell = boolOf(v);
        else if (field == u"CellSpanX")
            p.CellSpanX = int32Of(v);
        else if (field == u"CellSpanY")
            p.CellSpanY = int32Of(v);
        else if (field == u"Alignment")
            p.Alignment = static_cast<TAlignment>(enumOf(AlignmentNames, v));
        else if (field == u"BorderColor")
            p.BorderColor = colorOf(v);
        else if (field == u"BorderWidth")
            p.BorderWidth = int32Of(v);
        else if (field == u"BrushColor")
            p.SetBrushColor(colorOf(v));
        else if (field == u"BrushColorTo")
            p.SetBrushColorTo(colorOf(v));
        else if (field == u"BrushStyle")
            p.BrushStyle = static_cast<TBrushStyle>(enumOf(BrushStyleNames, v));
        else if (field == u"CellObject")
            intOf(v);  // never taken as an address
        else if (field == u"FontColor")
            p.FontColor = colorOf(v);
        else if (field == u"FontName")
            p.FontName = stringOf(v);
        else if (field == u"FontSize")
            p.FontSize = int32Of(v);
        else if (field == u"FontStyle")
            p.FontStyle = fontStylesOf(v);
        else if (field == u"Editor")
            p.Editor = static_cast<TEditorType>(enumOf(EditorNames, v));
        else if (field == u"GradientDirection")
            p.GradientDirection = static_cast<TCellGradientDirection>(enumOf(GradientNames, v));
        else if (field == u"ReadOnly")
            p.ReadOnly = boolOf(v);
        else if (field == u"VAlignment")
            p.SetVAlignment(static_cast<TVAlignment>(enumOf(VAlignmentNames, v)));
        else if (field == u"WordWrap")
            p.SetWordWrap(boolOf(v));
        else if (field == u"NodeLevel")
            p.NodeLevel = int32Of(v);
        else if (field == u"Control")
            continue;  // control references are not resolved
        else if (field == u"HasGraphic")
            continue;
        else
            throw REdaReviZizod(QStringLiteral("Property %1 does not exist").arg(name));
    }
}

void applyGraphic(TCellGraphic& g, const TRecord& r)
{
    for (const auto& [name, v] : r.Props) {
        const QString field = name.contains(u'.') ? name.section(u'.', 1) : name;
        if (field == u"CellType")
            g.CellType = static_cast<TCellType>(enumOf(CellTypeNames, v));
        else if (field == u"CellVAlign")
            g.CellVAlign = static_cast<TCellVAlign>(enumOf(VAlignNames, v));
        else if (field == u"CellHAlign")
            g.CellHAlign = static_cast<TCellHAlign>(enumOf(HAlignNames, v));
        else if (field == u"CellIndex")
            g.CellIndex = int32Of(v);
        else if (field == u"CellTransparent")
            g.CellTransparent = boolOf(v);
        else if (field == u"CellCreated")
            boolOf(v);  // the reader decides what it owns
        else if (field == u"CellBoolean")
            g.CellBoolean = boolOf(v);
        else if (field == u"CellCheckBoxState")
            g.CellCheckBoxState = static_cast<TCheckBoxState>(enumOf(CheckStateNames, v));
        else if (field == u"CellAngle")
            g.CellAngle = int32Of(v);
        else if (field == u"CellValue") {
            if (v.Kind != TRecordValue::vkFloat && v.Kind != TRecordValue::vkInt)
                invalidStream();
            g.CellValue = v.Kind == TRecordValue::vkFloat ? v.Float : static_cast<double>(v.Int);
        } else if (field == u"CellErrFrom")
            g.CellErrFrom = int32Of(v);
        else if (field == u"CellErrLen")
            g.CellErrLen = int32Of(v);
        else if (field == u"CellText")
            g.CellText = stringOf(v);
        else
            throw REdaReviZizod(QStringLiteral("Property %1 does not exist").arg(name));
    }
}

QStringList dataLines(const TRecord& Data)
{
    const TRecordValue* v = Data.Find(QStringLiteral("Strings.Strings"));
    if (!v)
        return {};
    if (v->Kind != TRecordValue::vkList)
        invalidStream();
    return v->Items;
}

std::uint32_t readU32(const QByteArray& Raw, qsizetype At)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(Raw[At + i]);
    return v;
}

// The file inside a 4-byte count and the file; a count beyond the bytes is a broken stream.
QByteArray countedFile(const QByteArray& Raw)
{
    if (Raw.size() < 4)
        invalidStream();
    const std::uint32_t n = readU32(Raw, 0);
    if (n > static_cast<std::uint64_t>(Raw.size() - 4))
        invalidStream();
    return Raw.mid(4, n);
}

// The image file that a bitmap, icon or picture data record carries (empty when it carries none). Lengths
// are checked; whether the image decodes is not.
QByteArray pixelFile(TCellType Type, const TRecord& Data)
{
    const TRecordValue* v = Data.Find(QString::fromLatin1(pixelEntry(Type)));
    if (!v)
        return {};
    if (v->Kind != TRecordValue::vkBinary)
        invalidStream();
    if (Type == ctIcon)
        return v->Bytes;
    if (Type != ctPicture)
        return countedFile(v->Bytes);
    const QByteArray& raw = v->Bytes;
    if (raw.isEmpty() || 1 + static_cast<std::uint8_t>(raw[0]) > raw.size())
        invalidStream();
    const int nameLength = static_cast<std::uint8_t>(raw[0]);
    const QByteArray className = raw.mid(1, nameLength);
    const QByteArray rest = raw.mid(1 + nameLength);
    if (className == "TBitmap" || className == "TJPEGImage")
        return countedFile(rest);
    if (className == "TMetafile") {
        // No metafile can be drawn here: its count (which includes its own 4 bytes) is checked and the
        // metafile skipped, so the cell keeps its text and properties without a picture.
        if (rest.size() < 4 || readU32(rest, 0) < 4 || readU32(rest, 0) > static_cast<std::uint64_t>(rest.size()))
            invalidStream();
        return {};
    }
    return rest;
}

bool hasPixels(TCellType t)
{
    return t == ctBitmap || t == ctBitButton || t == ctIcon || t == ctPicture;
}

// A bitmap, icon or picture graphic with a picture object of its own; none when the image does not decode.
void placePixelGraphic(VOroDavoduRuzu& grid, int c, int r, const TBinCell& cell, TCellType type)
{
    const QByteArray file = pixelFile(type, cell.Data);
    std::unique_ptr<TBitmap> bitmap = type == ctIcon ? std::make_unique<TIcon>() : std::make_unique<TBitmap>();
    if (file.isEmpty() || !bitmap->LoadFromData(file))
        return;
    TCellGraphic* g = grid.NewCellGraphic(c, r);
    applyGraphic(*g, cell.Graphic);
    if (type == ctIcon) {
        g->CellIcon = bitmap.release();
    } else if (type == ctPicture) {
        auto* pic = new TPicture;  // owned by the graphic
        pic->Bitmap().Assign(*bitmap);
        g->CellBitmap = pic;
    } else {
        g->CellBitmap = bitmap.release();
    }
    g->CellCreated = true;
}

// Gives the target cell the graphic read, with an object of its own built from the data record. Types whose
// object does not travel are left without a graphic rather than with one that has no object.
void placeGraphic(VOroDavoduRuzu& grid, int c, int r, const TBinCell& cell)
{
    const TCellType type = graphicType(cell.Graphic);
    if (hasPixels(type)) {
        placePixelGraphic(grid, c, r, cell, type);
        return;
    }
    if (type == ctImages && !grid.GridImages)
        return;
    TCellGraphic* g = grid.NewCellGraphic(c, r);
    applyGraphic(*g, cell.Graphic);
    g->CellCreated = false;
    if (type == ctRadio) {
        auto* items = new TStringList;  // owned by the graphic
        for (const QString& line : dataLines(cell.Data))
            items->Add(line);
        g->CellBitmap = items;
        g->CellCreated = true;
    } else if (type == ctImages) {
        g->SetMultiImage(c, r, g->CellBoolean ? 0 : 1, g->CellHAlign, g->CellVAlign, nullptr);
        auto* list = static_cast<TIntList*>(g->CellBitmap);
        for (const QString& line : dataLines(cell.Data)) {
            bool ok = false;
            const int index = line.toInt(&ok);
            if (!ok)
                invalidStream();
            list->Add(index);
        }
    } else if (type == ctFilePicture) {
        auto* pic = new TFilePicture;  // owned by the graphic
        if (const TRecordValue* v = cell.Data.Find(QStringLiteral("Picture.Filename")))
            pic->SetFilename(stringOf(*v));
        g->CellBitmap = pic;
        g->CellCreated = true;
    }
}

// Checks the parts of a cell that are applied later, so that a bad value fails before any cell changes.
void checkCell(const TBinCell& cell)
{
    if (cell.HasProp) {
        TCellProperties probe(nullptr, 0, 0);
        applyProps(probe, cell.Props);
    }
    if (cell.HasGraphic) {
        TCellGraphic probe;
        applyGraphic(probe, cell.Graphic);
        for (const QString& line : graphicType(cell.Graphic) == ctImages ? dataLines(cell.Data) : QStringList()) {
            bool ok = false;
            line.toInt(&ok);
            if (!ok)
                invalidStream();
        }
        if (const TRecordValue* v = cell.Data.Find(QStringLiteral("Picture.Filename")))
            stringOf(*v);
        if (const TCellType type = graphicType(cell.Graphic); hasPixels(type))
            pixelFile(type, cell.Data);
    }
}

TBinHeader headerOf(const TRecord& r, qsizetype BytesLeft)
{
    TBinHeader h;
    auto need = [&r](const char* name) -> const TRecordValue& {
        const TRecordValue* v = r.Find(QString::fromLatin1(name));
        if (!v)
            invalidStream();
        return *v;
    };
    const std::int64_t cols = intOf(need("ColCount"));
    const std::int64_t rows = intOf(need("RowCount"));
    // Every cell of the rectangle has a record: counts beyond what the bytes left can hold are a lie.
    if (cols < 0 || rows < 0 || cols > MaxStreamCount || rows > MaxStreamCount ||
        cols * rows > BytesLeft / MinCellRecordSize)
        invalidStream();
    h.ColCount = static_cast<int>(cols);
    h.RowCount = static_cast<int>(rows);
    if (const TRecordValue* v = r.Find(QStringLiteral("ColWidths")))
        h.ColWidths = numberList(stringOf(*v));
    if (const TRecordValue* v = r.Find(QStringLiteral("RowHeights")))
        h.RowHeights = numberList(stringOf(*v));
    if (const TRecordValue* v = r.Find(QStringLiteral("FullGrid")))
        h.FullGrid = boolOf(*v);
    if (const TRecordValue* v = r.Find(QStringLiteral("ID")))
        h.ID = intOf(*v);
    if (h.FullGrid &&
        (h.ColWidths.size() < static_cast<std::size_t>(cols) || h.RowHeights.size() < static_cast<std::size_t>(rows)))
        invalidStream();
    return h;
}
}  // namespace

TBinHeader ParseBinHeader(const QByteArray& Data)
{
    TRecordReader reader(Data, 0);
    const TRecord head = reader.Read();
    return headerOf(head, reader.Remaining());
}

TBinStream ParseBinStream(const QByteArray& Data)
{
    TBinStream out;
    TRecordReader reader(Data, 0);
    const TRecord head = reader.Read();
    out.Header = headerOf(head, reader.Remaining());
    while (reader.Remaining() >= 2) {
        const TRecord rec = reader.Read();
        TBinCell cell;
        if (const TRecordValue* v = rec.Find(QStringLiteral("Col")))
            cell.Col = intOf(*v);
        if (const TRecordValue* v = rec.Find(QStringLiteral("Row")))
            cell.Row = intOf(*v);
        if (const TRecordValue* v = rec.Find(QStringLiteral("Cell")))
            cell.Text = stringOf(*v);
        if (const TRecordValue* v = rec.Find(QStringLiteral("HasProp")))
            cell.HasProp = boolOf(*v);
        if (cell.HasProp) {
            cell.Props = reader.Read();
            if (const TRecordValue* v = cell.Props.Find(QStringLiteral("HasGraphic")))
                cell.HasGraphic = boolOf(*v);
        }
        if (cell.HasGraphic) {
            cell.Graphic = reader.Read();
            if (dataRecordClass(graphicType(cell.Graphic))) {
                cell.Data = reader.Read();
                cell.HasData = true;
            }
        }
        checkCell(cell);
        out.Cells.push_back(std::move(cell));
    }
    if (out.Header.FullGrid &&
        static_cast<std::int64_t>(out.Cells.size()) < std::int64_t{out.Header.ColCount} * out.Header.RowCount)
        invalidStream();
    return out;
}

// ---- the grid's operations --------------------------------------------------------------------------

QByteArray TGridIO::RectToBinData(const TGridRect& Rect)
{
    VOroDavoduRuzu& g = grid_;
    QByteArray out;
    TRecordWriter w(out);
    w.Begin(QStringLiteral("TGridPropIO"));
    const TCellMap map(g, Rect);
    w.Int(QStringLiteral("ColCount"), map.ColCount());
    w.Int(QStringLiteral("RowCount"), map.RowCount());
    w.String(QStringLiteral("ColWidths"), numberText([&map](int c) { return map.ColWidth(c); }, Rect.Left, Rect.Right));
    w.String(QStringLiteral("RowHeights"), numberText([&g](int r) { return g.RowHeights(r); }, Rect.Top, Rect.Bottom));
    // The whole grid: every cell its save range holds.
    w.Bool(QStringLiteral("FullGrid"), Rect == saveRange());
    w.Int(QStringLiteral("ID"), static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(&g)));
    w.End();
    g.ExportNotification(esExportStart, Rect.Top);
    int lastProgress = -1;
    for (int r = Rect.Top; r <= Rect.Bottom; ++r) {
        g.ExportNotification(esExportNextRow, r);
        for (int d = Rect.Left; d <= Rect.Right; ++d) {
            const int c = map.StoreCol(d);
            const bool hasProp = g.HasCellProperties(c, r);
            w.Begin(QStringLiteral("TGridCellIO"));
            w.Int(QStringLiteral("Col"), d);
            w.Int(QStringLiteral("Row"), r);
            const QString text = g.Cells(c, r);
            if (!text.isEmpty())
                w.String(QStringLiteral("Cell"), text);
            w.Bool(QStringLiteral("HasProp"), hasProp);
            w.End();
            if (!hasProp)
                continue;
            const TCellGraphic* graphic = g.GetCellGraphic(c, r);
            const bool hasGraphic =
                graphic && graphic->CellType != ctEmpty && (!ownsObject(graphic->CellType) || graphic->CellCreated);
            w.Begin(QStringLiteral("TGridCellPropIO"));
            writeProps(w, *g.GetCellProperties(c, r));
            w.Bool(QStringLiteral("HasGraphic"), hasGraphic);
            w.End();
            if (!hasGraphic)
                continue;
            w.Begin(QStringLiteral("TGridGraphicIO"));
            writeGraphic(w, *graphic);
            w.End();
            if (dataRecordClass(graphic->CellType))
                writeData(w, *graphic);
        }
        if (grid_.OnFileProgress)
            fireProgress(static_cast<int>(std::lround(100.0 * r / std::max(1, Rect.Bottom - Rect.Top))), lastProgress);
    }
    g.ExportNotification(esExportDone, -1);
    return out;
}

void TGridIO::SaveRectToBinStream(const TGridRect& Rect, QIODevice& Stream)
{
    Stream.write(RectToBinData(Rect));
}

void TGridIO::SaveToBinStream(QIODevice& Stream)
{
    SaveRectToBinStream(saveRange(), Stream);
}

void TGridIO::SaveToBinFile(const QString& FileName)
{
    const QByteArray data = RectToBinData(saveRange());
    QFile file(FileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size())
        throw REdaReviZizod(QStringLiteral("Cannot create file \"%1\"").arg(FileName));
}

TGridRect TGridIO::LoadAtPointFromBinData(TPoint Point, const QByteArray& Data)
{
    return applyBinStream(Point, ParseBinStream(Data));
}

// A whole-grid stream read at the grid's origin or where it was taken from replaces the grid: the grid takes
// the stream's size (keeping room for the fixed cells, right fixed columns and footer rows the stream left
// out), its widths and heights, and the cells it covers are emptied first; its cells keep their places. Any other
// stream is a block whose first cell goes to Point; the grid keeps its size.
TGridRect TGridIO::applyBinStream(TPoint Point, const TBinStream& stream)
{
    VOroDavoduRuzu& g = grid_;
    const TBinHeader& h = stream.Header;
    std::int64_t originCol = 0, originRow = 0;
    if (!stream.Cells.empty()) {
        originCol = stream.Cells.front().Col;
        originRow = stream.Cells.front().Row;
    }
    const bool atOrigin = ((Point.X == 0 && Point.Y == 0) || (Point.X == originCol && Point.Y == originRow)) &&
                          originCol >= 0 && originRow >= 0 && originCol <= MaxFixedOrigin &&
                          originRow <= MaxFixedOrigin;
    std::int64_t shiftCol = Point.X - originCol, shiftRow = Point.Y - originRow;
    if (h.FullGrid && atOrigin) {
        shiftCol = shiftRow = 0;
        // A stream that starts where this grid's save range starts left out what this grid's leaves out.
        const TGridRect save = saveRange();
        const int afterCols = originCol == save.Left ? g.ColCount() - 1 - save.Right : 0;
        const int afterRows = originRow == save.Top ? g.RowCount() - 1 - save.Bottom : 0;
        g.SetRowCount(static_cast<int>(originRow + h.RowCount + afterRows));
        g.SetColCount(static_cast<int>(originCol + h.ColCount + afterCols));
        const int left = static_cast<int>(originCol), top = static_cast<int>(originRow);
        for (int c = 0; c < h.ColCount && left + c < g.ColCount(); ++c) {
            const int real = g.DisplayToRealCol(left + c);
            g.ClearRect(real, top, real, top + h.RowCount - 1);
            g.SetColWidths(left + c, h.ColWidths[c]);
        }
        for (int r = 0; r < h.RowCount && top + r < g.RowCount(); ++r)
            g.SetRowHeights(top + r, h.RowHeights[r]);
    }
    TGridRect written{Point.X, Point.Y, Point.X - 1, Point.Y - 1};
    bool any = false;
    int lastProgress = -1;
    std::int64_t previousRow = -1;
    for (const TBinCell& cell : stream.Cells) {
        const std::int64_t r = cell.Row + shiftRow;
        const std::int64_t d = cell.Col + shiftCol;
        const int col = TCellMap::TargetCol(g, d);
        // Cells beyond the grid are skipped: the caller grows the grid where it wants them.
        if (col < 0 || r < 0 || r >= g.RowCount())
            continue;
        const int row = static_cast<int>(r);
        written = any ? TGridRect{std::min(written.Left, static_cast<int>(d)), std::min(written.Top, row),
                                  std::max(written.Right, static_cast<int>(d)), std::max(written.Bottom, row)}
                      : TGridRect{static_cast<int>(d), row, static_cast<int>(d), row};
        any = true;
        g.SetCells(col, row, cell.Text);
        if (r != previousRow) {
            previousRow = r;
            if (grid_.OnFileProgress)
                fireProgress(static_cast<int>(std::lround(100.0 * row / std::max(1, g.RowCount()))), lastProgress);
        }
        if (cell.HasProp) {
            TCellProperties* p = g.GetCellProperties(col, row);
            applyProps(*p, cell.Props);
            p->OwnerCol = col;
            p->OwnerRow = row;
        }
        if (cell.HasGraphic)
            placeGraphic(g, col, row, cell);
    }
    return written;
}

void TGridIO::LoadAtPointFromBinStream(TPoint Point, QIODevice& Stream)
{
    LoadAtPointFromBinData(Point, Stream.readAll());
}

void TGridIO::LoadFromBinStream(QIODevice& Stream)
{
    LoadAtPointFromBinStream({0, 0}, Stream);
    grid_.RecountNodes();
    grid_.Invalidate();
}

void TGridIO::LoadFromBinFile(const QString& FileName)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw REdaReviZizod(QStringLiteral("Cannot open file \"%1\"").arg(FileName));
    LoadFromBinStream(file);
}
