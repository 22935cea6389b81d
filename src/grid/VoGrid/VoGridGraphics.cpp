// Cell graphics: attaching, looking up and removing a cell's graphic object, the type of a cell, the room
// each type takes beside the text on screen and in print, and the display transform of cell texts.
#include "grid/VoGrid/VoGrid.h"
#include "grid/VoGrid/VoGridUnit.h"

TCellGraphic* VOroDavoduRuzu::ownGraphic(int ACol, int ARow) const
{
    return dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
}

TCellGraphic* VOroDavoduRuzu::GetCellGraphic(int ACol, int ARow)
{
    TObject* slot = GetGraphicObjectEx(ACol, ARow);
    auto* own = dynamic_cast<TCellGraphic*>(slot);
    if (ACol != 0 || !FMouseActions.HotmailRowSelect())
        return own;
    if (slot && !own)
        return nullptr;
    FCellGraphic.CellType = ctRowCheckBox;
    FCellGraphic.CellTransparent = FControlLook.ControlStyle() == csFlat;
    if (ARow == 0) {
        const int selected = FSelectedRows.Count();
        const int normal = RowCount() - FixedRows();
        FCellGraphic.CellBoolean = selected >= normal;
        FCellGraphic.CellAngle = selected > 0 && selected < normal ? 1 : 0;
    } else {
        FCellGraphic.CellAngle = 0;
        FCellGraphic.CellBoolean = FSelectedRows.HasValue(RealRowIndex(ARow));
    }
    return &FCellGraphic;
}

TCellType VOroDavoduRuzu::GetCellType(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return ctEmpty;
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g ? g->CellType : ctEmpty;
}

TIntList* VOroDavoduRuzu::GetCellImages(int ACol, int ARow)
{
    TCellGraphic* g = graphicOfType(ACol, ARow, ctImages);
    return g ? static_cast<TIntList*>(g->CellBitmap) : nullptr;
}

int VOroDavoduRuzu::GetCellImageIndex(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return -1;
    switch (g->CellType) {
    case ctImageList:
        return g->CellIndex;
    case ctBitmap:
        return static_cast<int>(reinterpret_cast<std::uintptr_t>(g->CellBitmap) & 0x7FFFFFFF);
    case ctIcon:
        return static_cast<int>(reinterpret_cast<std::uintptr_t>(g->CellIcon) & 0x7FFFFFFF);
    default:
        return -1;
    }
}

TCellGraphic* VOroDavoduRuzu::graphicOfType(int ACol, int ARow, TCellType type)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g && g->CellType == type ? g : nullptr;
}

bool VOroDavoduRuzu::OwnsGraphicObject(const TObject* graphic) const
{
    const auto* g = dynamic_cast<const TCellGraphic*>(graphic);
    return g && g != &FCellGraphic && g->CellType != ctVirtCheckBox && g->CellType != ctRowCheckBox;
}

TCellGraphic* VOroDavoduRuzu::NewCellGraphic(int ACol, int ARow)
{
    TCellGraphic* old = ownGraphic(ACol, ARow);
    auto fresh = std::make_unique<TCellGraphic>();
    SetGraphicObjectEx(ACol, ARow, fresh.get());
    if (old && OwnsGraphicObject(old))
        delete old;
    if (FNumHidden > 0)
        repaintDisplayCell(ACol, ARow);
    return fresh.release();  // owned by the cell's properties
}

bool VOroDavoduRuzu::RemoveCellGraphic(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return false;
    if (g == ownGraphic(ACol, ARow))
        GetCellProperties(ACol, ARow)->GraphicObject = nullptr;
    if (OwnsGraphicObject(g))
        delete g;
    if (!(ComponentState() & csDestroying))
        RepaintCell(DisplColIndexOf(ACol), ARow);
    return true;
}

bool VOroDavoduRuzu::RemoveCellGraphicOfType(int ACol, int ARow, TCellType CellType)
{
    if (GetCellType(ACol, ARow) != CellType)
        return false;
    return RemoveCellGraphic(ACol, ARow);
}

TCellGraphic* VOroDavoduRuzu::addGraphic(int ACol, int ARow)
{
    return NewCellGraphic(ACol, ARow);
}

namespace {
bool beside(const TCellGraphic& g)
{
    return g.CellHAlign == haBeforeText || g.CellHAlign == haAfterText;
}

bool stacked(const TCellGraphic& g)
{
    return g.CellVAlign == vaUnderText || g.CellVAlign == vaAboveText;
}

TPoint graphicExtent(const TObject* object)
{
    if (const auto* graphic = dynamic_cast<const TGraphic*>(object))
        return {graphic->Width(), graphic->Height()};
    if (const auto* picture = dynamic_cast<const TPicture*>(object))
        return {picture->Width(), picture->Height()};
    return {};
}

int loWord(std::int32_t v)
{
    return v & 0xFFFF;
}

int hiWord(std::int32_t v)
{
    return (static_cast<std::uint32_t>(v) >> 16) & 0xFFFF;
}
}  // namespace

TPoint VOroDavoduRuzu::CalcCellGraphicSize(int ACol, int ARow, int ExtraHeight)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return {};
    const bool hasText = !Cells(ACol, ARow).isEmpty();
    const int d = DisplColIndexOf(ACol);
    const TPoint cell{d >= 0 && d < ColCount() ? ColWidths(d) : 0,
                      ARow >= 0 && ARow < RowCount() ? RowHeights(ARow) : 0};
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    const TImageList* images = QueryCellImageList(ACol, ARow);
    const TPoint image = images ? TPoint{images->Width(), images->Height()} : TPoint{};
    TPoint size;
    switch (g->CellType) {
    case ctBitmap: {
        const TPoint bmp = graphicExtent(g->CellBitmap);
        size = {beside(*g) || !hasText ? bmp.X : 0, stacked(*g) || !hasText ? bmp.Y : 0};
        break;
    }
    case ctIcon: {
        const TPoint icon = graphicExtent(g->CellIcon);
        size = {beside(*g) || !hasText ? icon.X : 0, icon.Y};
        break;
    }
    case ctImageList:
    case ctDataImage:
        size = {beside(*g) || !hasText ? image.X : 0, stacked(*g) || !hasText ? image.Y : 0};
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
        size = {FControlLook.CheckSize(), FControlLook.CheckSize()};
        break;
    case ctRadioButton:
        size = {FControlLook.RadioSize(), FControlLook.RadioSize()};
        break;
    case ctProgressPie:
        size = {20, 20};
        break;
    case ctPicture:
    case ctFilePicture: {
        const int xo = XYOffsetTopLeftOnly ? XYOffset.X : 2 * XYOffset.X;
        const int yo = XYOffsetTopLeftOnly ? XYOffset.Y : 2 * XYOffset.Y;
        g->GetPictureSize(cell.X - 1 - xo, cell.Y - 1 - yo - ExtraHeight, size, hasText);
        break;
    }
    case ctButton:
    case ctBitButton:
        if (hasText) {
            size.X = g->CellHAlign == haCenter || stacked(*g) ? 0
                     : g->CellHAlign == haFull                ? canvas.TextWidth(g->CellText) + 4
                                                              : loWord(g->CellIndex);
            size.Y = stacked(*g) ? hiWord(g->CellIndex) : 0;
        } else {
            size = {g->CellHAlign == haFull ? canvas.TextWidth(g->CellText) + 4 : loWord(g->CellIndex),
                    hiWord(g->CellIndex)};
        }
        break;
    case ctInterface: {
        auto* object = dynamic_cast<ICellGraphic*>(g->CellBitmap);
        size = object ? TPoint{object->GetWidth(), object->GetHeight()} : TPoint{};
        if (size.X == 0 || size.Y == 0)
            size = cell;
        break;
    }
    case ctRadio: {
        const auto* items = dynamic_cast<const TStringList*>(g->CellBitmap);
        const int n = items ? items->Count() : 0;
        const int gh = canvas.TextHeight(QStringLiteral("gh"));
        if (g->CellBoolean) {
            for (int i = 0; i < n; ++i)
                size.X += canvas.TextWidth((*items)[i]) + 12;
            size.Y = gh;
        } else {
            size.X = 12;
            for (int i = 0; i < n; ++i)
                size.X = std::max(size.X, canvas.TextWidth((*items)[i]) + 12);
            size.Y = std::max(16, gh) * n;
        }
        break;
    }
    case ctImages: {
        const auto* list = static_cast<const TIntList*>(g->CellBitmap);
        const int n = list ? list->Count() : 0;
        size = g->CellBoolean ? TPoint{n * image.X, image.Y} : TPoint{image.X, n * image.Y};
        break;
    }
    case ctRating:
        size = {g->CellAngle * 18, 16};
        break;
    default:
        break;
    }
    if (g->CellVAlign == vaFull) {
        size.Y = cell.Y;
        if (g->CellHAlign == haFull)
            size.X = cell.X;
    } else if (g->CellHAlign == haFull) {
        const bool captionButton =
            (g->CellType == ctButton || g->CellType == ctBitButton) && !hasText && !g->CellText.isEmpty();
        if (g->CellType != ctRating && !captionButton)
            size.X = cell.X;
    }
    return size;
}

TPoint VOroDavoduRuzu::CalcCellGraphicPrintSize(int ACol, int ARow, int CellWidth, int CellHeight, double Factor)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return {};
    const bool hasText = !Cells(ACol, ARow).isEmpty();
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    const TImageList* images = QueryCellImageList(ACol, ARow);
    const TPoint image = images ? TPoint{images->Width(), images->Height()} : TPoint{};
    switch (g->CellType) {
    case ctBitmap:
        return graphicExtent(g->CellBitmap);
    case ctIcon:
        return graphicExtent(g->CellIcon);
    case ctImageList:
        return {beside(*g) || !hasText ? image.X : 0, image.Y};
    case ctDataImage:
        return image;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
        return {FControlLook.CheckSize(), FControlLook.CheckSize()};
    case ctRadioButton:
        return {FControlLook.RadioSize(), FControlLook.RadioSize()};
    case ctNode:
    case ctProgressPie:
        return {20, 20};
    case ctRadio: {
        const TPoint screen = CalcCellGraphicSize(ACol, ARow, 0);
        const auto* items = dynamic_cast<const TStringList*>(g->CellBitmap);
        const int gh = canvas.TextHeight(QStringLiteral("gh"));
        return {screen.X, g->CellBoolean ? gh : gh * (items ? items->Count() : 0)};
    }
    case ctImages:
        return CalcCellGraphicSize(ACol, ARow, 0);
    case ctPicture:
    case ctFilePicture: {
        TPoint size;
        g->GetPictureSize(CellWidth, CellHeight, size, hasText);
        if (Factor > 0)
            size = {static_cast<int>(std::lround(size.X / Factor)), static_cast<int>(std::lround(size.Y / Factor))};
        return size;
    }
    case ctProgress:
    case ctXPProgress: {
        const int d = DisplColIndexOf(ACol);
        return {d < ColCount() ? ColWidths(d) : 0, ARow < RowCount() ? RowHeights(ARow) : 0};
    }
    case ctButton:
    case ctBitButton:
        return {loWord(g->CellIndex), hiWord(g->CellIndex)};
    case ctInterface: {
        auto* object = dynamic_cast<ICellGraphic*>(g->CellBitmap);
        if (!object)
            return {};
        const int w = object->GetWidth();
        const int h = object->GetHeight();
        return {w == 0 ? CellWidth : w, h == 0 ? CellHeight : h};
    }
    case ctShape: {
        const int side = (ARow < RowCount() ? RowHeights(ARow) : 0) - 2 * XYOffset.Y;
        return {side, side};
    }
    default:
        return {};
    }
}

void VOroDavoduRuzu::QueryDisplText(int ACol, int ARow, QString& Value)
{
    TBaseGrid::QueryDisplText(ACol, ARow, Value);
    if (URLShowInText) {
        static const QString prefixes[] = {
            QStringLiteral("HTTP://"), QStringLiteral("WWW."),    QStringLiteral("MAILTO:"), QStringLiteral("HTTPS://"),
            QStringLiteral("NNTP://"), QStringLiteral("FILE://"), QStringLiteral("FTP://")};
        for (const QString& prefix : prefixes) {
            QString linked;
            if (HighlightUrls(Value, prefix, linked)) {
                Value = linked;
                break;
            }
        }
    }
    if (FGrouping.ShowGroupCount && ACol == 1 && IsNode(ARow)) {
        const int n = GetNodeSpan(ARow) - 1 - GetSubNodeCount(ARow);
        Value += FGrouping.GroupCountFormat.isEmpty() ? QStringLiteral(" (%1)").arg(n)
                                                      : FormatIntegers(FGrouping.GroupCountFormat, {n});
    }
}

bool VOroDavoduRuzu::HasNodes()
{
    return FNumNodes > 0;
}

int VOroDavoduRuzu::GetNodeIndent(int ARow)
{
    if (!HasNodes() || ARow < 0)
        return 0;
    const TCellProperties* p = propsAt(0, ARow);
    return p ? p->NodeLevel * FCellNode.NodeIndent() : 0;
}

bool VOroDavoduRuzu::IsSortIndicatorCell(int ACol, int ARow)
{
    int row = ARow;
    if (IsMergedCell(ACol, ARow))
        row += CellSpan(ACol, ARow).Y;
    return row == FSortSettings.Row && FSortSettings.Show && RowCount() > FixedRows() + 1;
}

bool VOroDavoduRuzu::HasCellGraphicType(int ACol, int ARow, std::initializer_list<TCellType> Types)
{
    if (ACol < 0 || ARow < 0)
        return false;
    const TPoint base = BaseCell(ACol, ARow);
    const TCellType type = GetCellType(base.X, base.Y);
    return std::find(Types.begin(), Types.end(), type) != Types.end();
}

bool VOroDavoduRuzu::HasClickableGraphic(int ACol, int ARow)
{
    return HasCellGraphicType(ACol, ARow,
                              {ctCheckBox, ctDataCheckBox, ctRadio, ctButton, ctVirtCheckBox, ctRowCheckBox,
                               ctRadioButton, ctTriStateCheckBox});
}

bool VOroDavoduRuzu::CellHasDataGraphic(int ACol, int ARow)
{
    const TPoint base = BaseCell(ACol, ARow);
    const TCellType type = GetCellType(base.X, base.Y);
    return type == ctDataCheckBox || type == ctDataImage || type == ctVirtCheckBox || type == ctRowCheckBox;
}

TRect VOroDavoduRuzu::GetExpandButtonRect(int ACol, int ARow)
{
    if (!HasCellGraphicType(ACol, ARow, {ctExpand}))
        return {};
    const TRect r = CellRect(DisplColIndexOf(ACol), ARow);
    return Rect(r.Right - 13, r.Top + 2, r.Right - 2, r.Top + 13);
}

TRect VOroDavoduRuzu::GetCellButtonRect(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
    if (!g)
        return {};
    const TRect r = CellRect(ACol, ARow);
    const auto offset = static_cast<std::uint32_t>(std::lround(g->CellValue));
    TRect b;
    b.Left = r.Left + static_cast<int>(offset & 0xFFFF);
    b.Top = r.Top + static_cast<int>(offset >> 16);
    b.Right = b.Left + loWord(g->CellIndex);
    b.Bottom = b.Top + hiWord(g->CellIndex);
    if (g->CellVAlign == vaFull) {
        b.Top = r.Top;
        b.Bottom = r.Bottom;
    }
    if (g->CellHAlign == haFull) {
        b.Left = r.Left;
        b.Right = r.Right;
    }
    return b;
}
