// The colour picker's panels: the cube, the spectrum and the colour boxes.
#include "controls/dropdown/ColorSelectors.h"

#include <algorithm>

#include "platform/HintWindow.h"

void TVoCustomColorSelectorPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (OnShouldHide)
        OnShouldHide(this);
}

// --- Cube ------------------------------------------------------------------------------------------

namespace {
// Row by row; rows hold 7 to 13 cells and back to 7.
constexpr std::array<TColor, TVoColorCubePanel::CellCount> CubeColors{
    0x663300, 0x996633, 0xCC6633, 0x993300, 0x990000, 0xCC0000, 0x660000,                                //
    0x666600, 0x996600, 0xCC9900, 0xCC6600, 0xCC3300, 0xFF0000, 0xFF3333, 0x993333,                      //
    0x808000, 0x999900, 0xCCCC33, 0xFFCC00, 0xFF9900, 0xFF6600, 0xFF6633, 0xCC3333, 0x996666,            //
    0x669933, 0x99CC00, 0xCCFF00, 0xFFFF00, 0xFFCC33, 0xFF9933, 0xFF9966, 0xFF6666, 0xFF0066, 0xCC0066,  //
    0x339933, 0x66CC00, 0x99FF00, 0xCCFF66, 0xFFFF66, 0xFFCC66, 0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399,  //
    0xFF0099,                                                                                            //
    0x006600, 0x00CC00, 0x00FF00, 0x99FF66, 0xCCFF99, 0xFFFFCC, 0xFFECCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC,  //
    0xFF00CC, 0xCC0099,                                                                                  //
    0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF, 0xFFCCFF, 0xFF99FF, 0xFF66FF,  //
    0xFF00FF, 0xCC00CC, 0x660066,                                                                        //
    0x006633, 0x009900, 0x33FF66, 0x66FF99, 0x99FFCC, 0xCCFFFF, 0xCCCCFF, 0xCC99FF, 0xCC66FF, 0xCC33FF,  //
    0x9900CC, 0x800080,                                                                                  //
    0x003333, 0x009966, 0x33FF99, 0x66FFCC, 0x99FFFF, 0x99CCFF, 0x9999FF, 0x9966FF, 0x9933FF, 0x9933CC,  //
    0x990099,                                                                                            //
    0x336666, 0x00CC99, 0x33FFCC, 0x66FFFF, 0x66CCFF, 0x6699FF, 0x807CFF, 0x6600FF, 0x9300D6, 0x663399,  //
    0x008080, 0x00CCCC, 0x00FFFF, 0x00CCFF, 0x3399FF, 0x0066FF, 0x5050FF, 0x6600CC, 0x330066,            //
    0x336699, 0x0099CC, 0x0099FF, 0x0066CC, 0x0033FF, 0x0000FF, 0x0000CC, 0x330099,                      //
    0x003366, 0x006699, 0x0033CC, 0x003399, 0x000099, 0x000080, 0x2100A5};

std::vector<TPoint> hexagon(TPoint c, int w, int q)
{
    return {{c.X - w, c.Y - q}, {c.X, c.Y - 2 * q}, {c.X + w, c.Y - q},
            {c.X + w, c.Y + q}, {c.X, c.Y + 2 * q}, {c.X - w, c.Y + q}};
}
}  // namespace

TVoColorCubePanel::TVoColorCubePanel(TComponent* AOwner) : TVoCustomColorSelectorPanel(AOwner)
{
    InitCells();
    SetShowRGBHint(true);
}

void TVoColorCubePanel::InitCells()
{
    FCubeSize = {6, 3};
    int n = 0;
    for (int r = 1; r <= 13; ++r) {
        const int cells = r <= 7 ? 6 + r : 20 - r;
        const int x0 = r <= 7 ? 55 - FCubeSize.X * (r - 1) : 19 + FCubeSize.X * (r - 7);
        for (int i = 0; i < cells; ++i, ++n)
            FCells[n] = {{x0 + 2 * FCubeSize.X * i, 20 + 10 * (r - 1)}, CubeColors[n]};
    }
}

void TVoColorCubePanel::ClearHot()
{
    FHotIndex = -1;
    SetBounds(Left(), Top(), 182, 160);
}

void TVoColorCubePanel::SetShowRGBHint(bool Value)
{
    FShowRGBHint = Value;
    ShowHint = Value;
}

void TVoColorCubePanel::SetSelectedColor(TColor Value)
{
    FSelectedColor = Value;
    const auto it = std::find_if(FCells.begin(), FCells.end(), [Value](const TCell& c) { return c.Color == Value; });
    FSelectedIndex = it == FCells.end() ? -1 : static_cast<int>(it - FCells.begin()) + 1;
}

int TVoColorCubePanel::CellAtPos(int X, int Y) const
{
    for (int i = 0; i < CellCount; ++i) {
        const int dx = X - FCells[i].Center.X, dy = Y - FCells[i].Center.Y;
        if (dx * dx + dy * dy <= FCubeSize.X * FCubeSize.X)
            return i + 1;
    }
    return -1;
}

void TVoColorCubePanel::invalidateCell(int Index)
{
    if (Index < 1)
        return;
    const TPoint c = CellCenter(Index);
    InvalidateRect(
        Rect(c.X - FCubeSize.X - 1, c.Y - 2 * FCubeSize.Y - 1, c.X + FCubeSize.X + 2, c.Y + 2 * FCubeSize.Y + 2));
}

// The cell, then the hot mark (red and white) and the selection mark (black and white) over it.
void TVoColorCubePanel::drawCell(TCanvas& Canvas, int Index)
{
    const TCell& cell = FCells[Index - 1];
    Canvas.Pen().SetColor(cell.Color);
    Canvas.Brush().SetColor(cell.Color);
    Canvas.Polygon(hexagon(cell.Center, FCubeSize.X, FCubeSize.Y));
    const auto mark = [&](TColor outer) {
        Canvas.Brush().SetStyle(bsClear);
        Canvas.Pen().SetColor(outer);
        Canvas.Polygon(hexagon(cell.Center, FCubeSize.X - 1, FCubeSize.Y));
        Canvas.Pen().SetColor(clWhite);
        Canvas.Polygon(hexagon(cell.Center, FCubeSize.X - 2, FCubeSize.Y - 1));
    };
    if (Index == FHotIndex)
        mark(0x0000FF);
    if (Index == FSelectedIndex)
        mark(clBlack);
}

void TVoColorCubePanel::Paint()
{
    for (int i = 1; i <= CellCount; ++i)
        drawCell(Canvas(), i);
}

void TVoColorCubePanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TVoCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    const int cell = CellAtPos(X, Y);
    if (cell < 0)
        return;
    invalidateCell(FSelectedIndex);
    FSelectedIndex = cell;
    FSelectedColor = CellColor(cell);
    invalidateCell(cell);
    if (OnSelect)
        OnSelect(this);
}

void TVoColorCubePanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TVoCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    const int cell = CellAtPos(X, Y);
    if (cell < 0) {
        if (FShowRGBHint)
            Hint.clear();
        return;
    }
    if (cell == FHotIndex)
        return;
    invalidateCell(FHotIndex);
    FHotIndex = cell;
    invalidateCell(cell);
    if (FShowRGBHint) {
        const TColor c = CellColor(cell);
        Hint = QStringLiteral("Red: %1,  Green: %2,  Blue: %3").arg(GetRValue(c)).arg(GetGValue(c)).arg(GetBValue(c));
        CancelHint();
    }
}

// --- Spectrum --------------------------------------------------------------------------------------

namespace {
// Columns run once round the hues from red; rows from white through the full hue to black.
void paintSpectrum(TBitmap& Bitmap)
{
    constexpr int size = 128;
    Bitmap.SetSize(size, size);
    for (int y = 0; y < size; ++y) {
        std::uint32_t* line = Bitmap.ScanLine(y);
        for (int x = 0; x < size; ++x) {
            const int h = x * 1536 / size;  // six sextants of 256 steps
            const int rise = h % 256, fall = 255 - rise;
            int rgb[3] = {0, 0, 0};
            switch (h / 256) {
            case 0:
                rgb[0] = 255, rgb[1] = rise;
                break;
            case 1:
                rgb[0] = fall, rgb[1] = 255;
                break;
            case 2:
                rgb[1] = 255, rgb[2] = rise;
                break;
            case 3:
                rgb[1] = fall, rgb[2] = 255;
                break;
            case 4:
                rgb[0] = rise, rgb[2] = 255;
                break;
            default:
                rgb[0] = 255, rgb[2] = fall;
                break;
            }
            for (int& c : rgb)
                c = y < size / 2 ? 255 + (c - 255) * y / (size / 2) : c * (size - 1 - y) / (size / 2 - 1);
            line[x] = 0xFF000000u | static_cast<std::uint32_t>(rgb[0] << 16 | rgb[1] << 8 | rgb[2]);
        }
    }
}
}  // namespace

TVoColorSpectrumPanel::TVoColorSpectrumPanel(TComponent* AOwner) : TVoCustomColorSelectorPanel(AOwner)
{
    paintSpectrum(FSpectrum);
    SetCursor(crCross);
}

void TVoColorSpectrumPanel::UpdateLayout()
{
    SetBounds(Left(), Top(), 150, 174);
    const int left = (Width() - FSpectrum.Width()) / 2;
    FImageRect = Rect(left, 10, left + FSpectrum.Width(), 10 + FSpectrum.Height());
    const int b = FImageRect.Bottom;
    FSelectedRect = Rect(left - 1, b + 8, left + FSpectrum.Width() / 2 - 2, b + 28);
    FHotRect = Rect(FSelectedRect.Right + 4, b + 8, FImageRect.Right + 1, b + 28);
    FHotColor = clNone;
    Invalidate();
}

void TVoColorSpectrumPanel::drawSwatch(TCanvas& Canvas, const TRect& R, TColor Color)
{
    Canvas.Brush().SetStyle(bsClear);
    Canvas.Pen().SetColor(clGray);
    Canvas.Rectangle(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1);
    Canvas.Pen().SetColor(clWhite);
    Canvas.Brush().SetColor(Color);
    Canvas.Rectangle(R);
}

void TVoColorSpectrumPanel::Paint()
{
    TCanvas& canvas = Canvas();
    canvas.Draw(FImageRect.Left, FImageRect.Top, FSpectrum);
    canvas.Brush().SetStyle(bsClear);
    const TRect& r = FImageRect;
    canvas.Pen().SetColor(clWhite);
    canvas.Rectangle(r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1);
    canvas.Pen().SetColor(clGray);
    canvas.Rectangle(r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 2);
    drawSwatch(canvas, FSelectedRect, FSelectedColor);
    drawSwatch(canvas, FHotRect, FHotColor);
}

void TVoColorSpectrumPanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TVoCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    if (!FImageRect.Contains(TPoint{X, Y}))
        return;
    const std::uint32_t pixel = FSpectrum.ScanLine(Y - FImageRect.Top)[X - FImageRect.Left];
    FHotColor = RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    InvalidateRect(FHotRect);
}

// The colour last under the pointer, whichever button.
void TVoColorSpectrumPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TVoCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    if (!FImageRect.Contains(TPoint{X, Y}))
        return;
    FSelectedColor = FHotColor;
    InvalidateRect(FSelectedRect);
    if (OnSelect)
        OnSelect(this);
}

// --- Colour boxes ----------------------------------------------------------------------------------

TCustomColorSelector::TCustomColorSelector(TComponent* AOwner) : TVoCustomColorSelectorPanel(AOwner)
{
    SetParentColor(true);
}

void TCustomColorSelector::AddDefaultColorBoxes()
{
    static constexpr TColor palette[6][10] = {
        {0xFFFFFF, 0x000000, 0xE1ECEE, 0x7D491F, 0xBD814F, 0x4D50C0, 0x59BB9B, 0xA26480, 0xC6AC4B, 0x4696F7},
        {0xF2F2F2, 0x7F7F7F, 0xC3D9DD, 0xDACEC2, 0xF1E5DB, 0xDBDCF2, 0xDDF1EB, 0xECE0E5, 0xF3EEDB, 0xDAEAFD},
        {0xD8D8D8, 0x595959, 0x97BDC4, 0xE2B38D, 0xE4CCB8, 0xB7B9E5, 0xBCE3D7, 0xD9C1CC, 0xE8DDB7, 0xB5D5FB},
        {0xBFBFBF, 0x3F3F3F, 0x538993, 0xD48D54, 0xD7B395, 0x9496D9, 0x9BD6C3, 0xC7A2B2, 0xDCCD92, 0x8FC0FA},
        {0xA5A5A5, 0x262626, 0x294449, 0x5D3617, 0x926036, 0x343795, 0x3C9276, 0x7A495F, 0x9B8531, 0x096CE3},
        {0x7F7F7F, 0x0C0C0C, 0x101B1D, 0x3E240F, 0x614024, 0x232463, 0x28614F, 0x51313F, 0x675820, 0x064897}};
    static constexpr TItemPos rows[6] = {ipStandAlone, ipTop, ipMiddle, ipMiddle, ipMiddle, ipBottom};
    FItems.clear();
    for (int r = 0; r < 6; ++r)
        for (const TColor c : palette[r])
            FItems.push_back({c, true, {}, rows[r]});
}

void TCustomColorSelector::SetColumns(int Value)
{
    if (Value == FColumns)
        return;
    FColumns = Value;
    ArrangeItems();
}

void TCustomColorSelector::SetItemColorStyle(TSelectionColorStyle Value)
{
    FItemColorStyle = Value;
    if (Value != scCustom)
        FColorBoxAppearance = TColorBoxAppearance{};
}

// Rows of Columns boxes; a row holding a stand-alone box is followed by a gap.
void TCustomColorSelector::ArrangeItems()
{
    if (FItems.empty()) {
        SetBounds(Left(), Top(), 100, 50);
        return;
    }
    FItemHot = -1;
    int x = OffSetX, y = OffSetY, inRow = 0, widest = 0;
    bool gap = false;
    for (size_t i = 0; i < FItems.size(); ++i) {
        FItems[i].Rect = Rect(x, y, x + ColorBoxWidth, y + ColorBoxHeight);
        if (i + 1 == FItems.size())
            break;
        gap = gap || FItems[i].ColorBoxPos == ipStandAlone;
        if (++inRow == std::max(FColumns, 1)) {
            widest = std::max(widest, x);
            x = OffSetX;
            y += ColorBoxHeight + (gap ? ColumnGap : 0);
            inRow = 0;
            gap = false;
        } else {
            x += ColorBoxWidth + ColumnGap;
        }
    }
    SetBounds(Left(), Top(), std::max(x, widest) + ColorBoxWidth + OffSetX + 1, y + ColorBoxHeight + OffSetY);
    Invalidate();
}

int TCustomColorSelector::ItemAtPos(int X, int Y) const
{
    for (int i = 0; i < count(); ++i)
        if (FItems[i].Rect.Contains(TPoint{X, Y}))
            return i;
    return -1;
}

void TCustomColorSelector::invalidateItem(int Index)
{
    if (Index >= 0 && Index < count())
        InvalidateRect(Rect(FItems[Index].Rect.Left, FItems[Index].Rect.Top, FItems[Index].Rect.Right + 1,
                            FItems[Index].Rect.Bottom + 1));
}

void TCustomColorSelector::SetItemIndex(int Value)
{
    if (Value >= 0 && Value < count() && !FItems[Value].Enabled)
        return;
    if (FItemIndex >= 0 && FItemIndex != Value)
        invalidateItem(FItemIndex);
    FItemIndex = Value;
    if (Value < 0 || Value >= count())
        return;
    FSelectedColor = FItems[Value].Color;
    invalidateItem(Value);
    if (OnItemSelect)
        OnItemSelect(this);
}

void TCustomColorSelector::SetSelectedColor(TColor Value)
{
    if (Value == FSelectedColor)
        return;
    FSelectedColor = Value;
    const auto it =
        std::find_if(FItems.begin(), FItems.end(), [Value](const TColorBoxItem& i) { return i.Color == Value; });
    if (Value != clNone && it != FItems.end())
        SetItemIndex(static_cast<int>(it - FItems.begin()));
    else
        SetItemIndex(-1);
}

void TCustomColorSelector::setItemHot(int Index)
{
    if (Index >= 0 && !FItems[Index].Enabled)
        Index = -1;
    if (Index == FItemHot)
        return;
    invalidateItem(FItemHot);
    FItemHot = Index;
    invalidateItem(Index);
}

void TCustomColorSelector::SelectFirst()
{
    if (count() > 0)
        SetItemIndex(0);
}

void TCustomColorSelector::SelectLast()
{
    if (count() > 0)
        SetItemIndex(count() - 1);
}

void TCustomColorSelector::SelectNext()
{
    if (FItemIndex + 1 < count())
        SetItemIndex(FItemIndex + 1);
}

void TCustomColorSelector::SelectPrevious()
{
    if (FItemIndex - 1 >= 0)
        SetItemIndex(FItemIndex - 1);
}

void TCustomColorSelector::HotNext()
{
    if (FItemHot + 1 < count())
        setItemHot(FItemHot + 1);
}

void TCustomColorSelector::HotPrevious()
{
    if (FItemHot - 1 >= 0)
        setItemHot(FItemHot - 1);
}

void TCustomColorSelector::HandleKey(WORD Key, bool EditorEnabled, bool DroppedDown)
{
    if (!Enabled())
        return;
    switch (Key) {
    case VK_PRIOR:
    case VK_HOME:
        SelectFirst();
        break;
    case VK_NEXT:
    case VK_END:
        SelectLast();
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (DroppedDown || !EditorEnabled)
            Key == VK_LEFT ? SelectPrevious() : SelectNext();
        break;
    case VK_UP:
    case VK_DOWN: {
        if (!DroppedDown) {
            Key == VK_UP ? SelectPrevious() : SelectNext();
            break;
        }
        const int from = std::max(FItemIndex, 0);
        const int target = FItemIndex < 0 ? 0 : from + (Key == VK_UP ? -FColumns : FColumns);
        if (target >= 0 && target < count())
            SetItemIndex(target);
        break;
    }
    default:
        break;
    }
}

void TCustomColorSelector::drawItem(TCanvas& Canvas, int Index)
{
    const TColorBoxItem& item = FItems[Index];
    TRect r = item.Rect;
    if (r.Left < 0 && r.Right < 0)
        return;
    const TColorBoxAppearance& a = FColorBoxAppearance;
    TColor outer = a.BorderColor, inner = clNone;
    bool marked = false;
    if (Index == FItemHot)
        outer = a.OuterBorderColorHot, inner = a.InnerBorderColorHot, marked = true;
    if (Index == FItemIndex)
        outer = a.OuterBorderColorSelected, inner = a.InnerBorderColorSelected, marked = true;
    if (item.Color != clNone) {
        Canvas.Pen().SetColor(item.Color);
        Canvas.Brush().SetColor(item.Color);
        Canvas.Rectangle(r);
    }
    Canvas.Brush().SetStyle(bsClear);
    if (marked) {
        if (outer != clNone) {
            Canvas.Pen().SetColor(outer);
            Canvas.Rectangle(r);
            r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        }
        if (inner != clNone) {
            Canvas.Pen().SetColor(inner);
            Canvas.Rectangle(r);
        }
        return;
    }
    Canvas.Pen().SetColor(a.BorderColor);
    const auto line = [&](int x1, int y1, int x2, int y2) {
        Canvas.MoveTo(x1, y1);
        Canvas.LineTo(x2, y2);
    };
    const int right = r.Right - 1, bottom = r.Bottom - 1;
    line(r.Left, r.Top, r.Left, r.Bottom);
    line(right, r.Top, right, r.Bottom + (item.ColorBoxPos == ipBottom ? 1 : 0));
    if (item.ColorBoxPos == ipStandAlone || item.ColorBoxPos == ipTop)
        line(r.Left, r.Top, right, r.Top);
    if (item.ColorBoxPos == ipStandAlone || item.ColorBoxPos == ipBottom)
        line(r.Left, bottom, right, bottom);
}

void TCustomColorSelector::Paint()
{
    for (int i = 0; i < count(); ++i)
        drawItem(Canvas(), i);
}

void TCustomColorSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TVoCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
    const int index = ItemAtPos(X, Y);
    if (index >= 0 && FItems[index].Enabled)
        SetItemIndex(index);
}

void TCustomColorSelector::MouseMove(TShiftState Shift, int X, int Y)
{
    TVoCustomColorSelectorPanel::MouseMove(Shift, X, Y);
    setItemHot(ItemAtPos(X, Y));
}

void TCustomColorSelector::WndProc(TMessage& Message)
{
    TVoCustomColorSelectorPanel::WndProc(Message);
    if (Message.Msg == CM_MOUSELEAVE)
        setItemHot(-1);
}
