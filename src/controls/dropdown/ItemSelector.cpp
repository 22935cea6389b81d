// The item selector: appearance presets, layout, painting, mouse and keyboard navigation.
#include "controls/dropdown/ItemSelector.h"

#include <algorithm>

#include "grid/base/VoUtil/VoUtilDraw.h"
#include "grid/base/VsgHTMLE/VsgHTMLE.h"
#include "grid/base/VsgHTMLE/VsgHTMLEText.h"
#include "platform/HintWindow.h"

// --- Appearance ------------------------------------------------------------------------------------

namespace {
struct TStylePreset {
    TColor Hot, HotTo, MirrorHot, MirrorHotTo, BorderTop, BorderBottom, Border, Edge, Selected, SelectedTo,
        MirrorSelected, MirrorSelectedTo;
};

const TStylePreset& preset(TSelectionColorStyle Style)
{
    static const TStylePreset office{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF,
                                     0x8DD7D3, 0xC3D9DF, 0xA6FFFB, 0x04B9F4, 0x15C1FB, 0x68E3F9};
    static const TStylePreset vista{0xFDF8F1, 0xFCEFD5, clNone,   clNone,   0xFDFBF6, 0xFDF5E7,
                                    0xFDDE99, 0xFCEDCB, 0xFAEEDE, 0xFAE3B4, clNone,   clNone};
    static const TStylePreset seven{0xFCEBDC, 0xFCDBC1, clNone,   clNone,   0xFDF4EB, 0xFDEADB,
                                    0xCEA27D, 0xE0C5AE, 0xF9D8B9, 0xFBCAA2, clNone,   clNone};
    return Style == scWindowsVista ? vista : Style == scWindows7 ? seven : office;
}
}  // namespace

TItemAppearance::TItemAppearance()
{
    Font.SetName(QStringLiteral("Tahoma"));
    SetColorStyle(scOffice2007);
}

void TItemAppearance::SetColorStyle(TSelectionColorStyle Value)
{
    if (Value == FColorStyle)
        return;
    FColorStyle = Value;
    if (Value == scCustom)
        return;
    const TStylePreset& p = preset(Value);
    ColorHot = p.Hot;
    ColorHotTo = p.HotTo;
    ColorMirrorHot = p.MirrorHot;
    ColorMirrorHotTo = p.MirrorHotTo;
    BorderColorTop = p.BorderTop;
    BorderColorBottom = p.BorderBottom;
    BorderColor = p.Border;
    EdgeColor = p.Edge;
    ColorSelected = p.Selected;
    ColorSelectedTo = p.SelectedTo;
    ColorMirrorSelected = p.MirrorSelected;
    ColorMirrorSelectedTo = p.MirrorSelectedTo;
}

// The colours, the font, then the style (whose preset wins over the copied colours when it differs).
void TItemAppearance::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TItemAppearance*>(&Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    ColorMirrorHotTo = s->ColorMirrorHotTo;
    BorderColor = s->BorderColor;
    ColorMirrorHot = s->ColorMirrorHot;
    ColorSelectedTo = s->ColorSelectedTo;
    ColorSelected = s->ColorSelected;
    EdgeColor = s->EdgeColor;
    ColorHotTo = s->ColorHotTo;
    BorderColorBottom = s->BorderColorBottom;
    ColorHot = s->ColorHot;
    BorderColorTop = s->BorderColorTop;
    ColorMirrorSelectedTo = s->ColorMirrorSelectedTo;
    ColorMirrorSelected = s->ColorMirrorSelected;
    Font.Assign(s->Font);
    SetColorStyle(s->FColorStyle);
    ColorSelectedText = s->ColorSelectedText;
    BorderColorHot = s->BorderColorHot;
    BorderColorSelected = s->BorderColorSelected;
}

TImageItem& TImageItem::operator=(const TImageItem& Other)
{
    Caption = Other.Caption;
    ImageIndex = Other.ImageIndex;
    Image.Assign(Other.Image);
    Hint = Other.Hint;
    return *this;
}

// --- Panel -----------------------------------------------------------------------------------------

TCustomItemSelector::TCustomItemSelector(TVoCustomItemSelector* AOwner) : TCustomControl(AOwner), FOwner(*AOwner)
{
    SetParentColor(true);
    DlgCode = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
}

int TCustomItemSelector::count() const
{
    return static_cast<int>(FOwner.Items().size());
}

TSize TCustomItemSelector::contentSize(const TSelectorItem& Item) const
{
    if (FOwner.SelectorType() == stColor)
        return {FOwner.ColorBoxWidth(), FOwner.ColorBoxHeight()};
    if (Item.Image.Graphic())
        return {Item.Image.Width(), Item.Image.Height()};
    if (FOwner.Images() && Item.ImageIndex >= 0)
        return {FOwner.Images()->Width(), FOwner.Images()->Height()};
    return {0, 0};
}

TSize TCustomItemSelector::GetItemSize()
{
    TSize size{0, 0};
    if (FOwner.OnItemSize) {
        FOwner.OnItemSize(this, size);
        return size;
    }
    int w = 0, h = 0, cw = 0, ch = 0;
    Canvas().Font().Assign(FOwner.ItemAppearance().Font);
    for (const TSelectorItem& item : FOwner.Items()) {
        const TSize content = contentSize(item);
        w = std::max(w, content.cx);
        h = std::max(h, content.cy);
        const TSize caption =
            DropDownDrawHtmlText(Canvas(), item.Caption, Rect(0, 0, 1000, 500), FOwner.Images(), false);
        cw = std::max(cw, caption.cx);
        ch = std::max(ch, caption.cy);
    }
    if (cw > 0)
        cw += 4;
    if (FOwner.ItemLayout() == ilCaptionLeft || FOwner.ItemLayout() == ilCaptionRight) {
        size.cx = 2 * ItemOffSetX + w + (w > 0 && cw > 0 ? CaptionGap : 0) + cw;
        size.cy = std::max(ch, h) + 2 * ItemOffSetY;
    } else {
        size.cx = std::max(cw, w) + 2 * ItemOffSetX;
        size.cy = 2 * ItemOffSetY + h + (h > 0 && ch >= 1 ? CaptionGap : 0) + ch;
    }
    return size;
}

// Rows fill left to right; the margin around the items is the same on every side.
void TCustomItemSelector::LayoutItems()
{
    std::vector<TSelectorItem>& items = FOwner.Items();
    if (items.empty()) {
        SetBounds(Left(), Top(), 100, 50);
        return;
    }
    FItemHot = -1;
    const TSize size = GetItemSize();
    int x = OffSetX, y = OffSetY, c = 0, m = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        items[i].Rect = Rect(x, y, x + size.cx, y + size.cy);
        ++c;
        if (i + 1 == items.size())
            break;
        if (c < FOwner.Columns()) {
            x += size.cx;
        } else {
            m = std::max(m, x);
            y += size.cy;
            x = OffSetX;
            c = 0;
        }
    }
    SetBounds(Left(), Top(), std::max(m, x) + size.cx + OffSetX, y + size.cy + OffSetY);
    Invalidate();
}

TRect TCustomItemSelector::GetItemRect(int Index) const
{
    return Index >= 0 && Index < count() ? FOwner.Items()[Index].Rect : Rect(-1, -1, -1, -1);
}

int TCustomItemSelector::ItemAtPos(int X, int Y) const
{
    for (int i = 0; i < count(); ++i)
        if (FOwner.Items()[i].Rect.Contains(TPoint{X, Y}))
            return i;
    return -1;
}

void TCustomItemSelector::invalidateItem(int Index)
{
    if (Index >= 0 && Index < count())
        InvalidateRect(FOwner.Items()[Index].Rect);
}

void TCustomItemSelector::SetItemIndex(int Value)
{
    if (FItemIndex >= 0 && Value != FItemIndex) {
        const int old = FItemIndex;
        FItemIndex = -1;
        invalidateItem(old);
    }
    FItemIndex = Value;
    if (Value < 0)
        return;
    invalidateItem(Value);
    if (FOwner.OnItemSelect)
        FOwner.OnItemSelect(&FOwner);
}

void TCustomItemSelector::SetItemHot(int Index)
{
    if (Index == FItemHot)
        return;
    invalidateItem(FItemHot);
    FItemHot = Index;
    invalidateItem(Index);
}

void TCustomItemSelector::SelectFirst()
{
    if (count() > 0)
        SetItemIndex(0);
}

void TCustomItemSelector::SelectLast()
{
    if (count() > 0)
        SetItemIndex(count() - 1);
}

// The item one step on from Current (the first when there is none); -1 at either end.
int TCustomItemSelector::stepped(int Current, int Step) const
{
    if (Current < 0)
        return 0;
    const int next = Current + Step;
    return next >= 0 && next < count() ? next : -1;
}

void TCustomItemSelector::SelectNext()
{
    if (const int next = stepped(FItemIndex, 1); next >= 0)
        SetItemIndex(next);
}

void TCustomItemSelector::SelectPrevious()
{
    if (const int next = stepped(FItemIndex, -1); next >= 0)
        SetItemIndex(next);
}

void TCustomItemSelector::HotNext()
{
    if (const int next = stepped(FItemHot, 1); next >= 0)
        SetItemHot(next);
}

void TCustomItemSelector::HotPrevious()
{
    if (const int next = stepped(FItemHot, -1); next >= 0)
        SetItemHot(next);
}

bool TCustomItemSelector::LookupItem(const QString& S)
{
    for (int i = 0; i < count(); ++i) {
        if (StripHtmlTags(FOwner.Items()[i].Caption).trimmed().toUpper().startsWith(S)) {
            SetItemIndex(i);
            return true;
        }
    }
    return false;
}

void TCustomItemSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int index = ItemAtPos(X, Y);
    if (index >= 0)
        FOwner.SetItemIndex(index);
}

void TCustomItemSelector::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    const int index = ItemAtPos(X, Y);
    if (index == FItemHot)
        return;
    SetItemHot(index);
    if (index >= 0) {
        Hint = FOwner.Items()[index].Hint;
        CancelHint();
    }
}

void TCustomItemSelector::WndProc(TMessage& Message)
{
    TCustomControl::WndProc(Message);
    if (Message.Msg == CM_MOUSELEAVE)
        SetItemHot(-1);
}

void TCustomItemSelector::Paint()
{
    for (int i = 0; i < count(); ++i)
        drawItem(i, Canvas());
}

void TCustomItemSelector::drawBackground(int Index, TCanvas& Canvas, const TRect& R)
{
    const TItemAppearance& a = FOwner.ItemAppearance();
    TColor border = a.BorderColor, top = a.BorderColorTop, bottom = a.BorderColorBottom, edge = a.EdgeColor;
    TColor from = clNone, to = clNone, mirrorFrom = clNone, mirrorTo = clNone;
    const auto mark = [&](TColor f, TColor t, TColor mf, TColor mt, TColor markBorder) {
        from = f, to = t, mirrorFrom = mf, mirrorTo = mt;
        if (markBorder != clNone) {
            border = markBorder;
            top = bottom = edge = clNone;
        }
    };
    if (Index == FItemHot)
        mark(a.ColorHot, a.ColorHotTo, a.ColorMirrorHot, a.ColorMirrorHotTo, a.BorderColorHot);
    if (Index == FItemIndex)
        mark(a.ColorSelected, a.ColorSelectedTo, a.ColorMirrorSelected, a.ColorMirrorSelectedTo, a.BorderColorSelected);
    if (Index != FItemHot && Index != FItemIndex) {
        Canvas.Brush().SetColor(Color());
        Canvas.FillRect(R);
    } else if (top == clNone) {
        DrawCellBackground(Canvas, R, from, to, clNone, clNone, true, border, false, true);
    } else {
        DrawSelectionFrame(Canvas, from, to, mirrorFrom, mirrorTo, top, bottom, border, edge, Color(), R, 0);
    }
}

void TCustomItemSelector::drawItem(int Index, TCanvas& Canvas)
{
    const TSelectorItem& item = FOwner.Items()[Index];
    const TRect& R = item.Rect;
    if (R.Left < 0 && R.Right < 0)
        return;
    drawBackground(Index, Canvas, R);
    if (FOwner.OnDrawItem) {
        FOwner.OnDrawItem(this, Canvas, R, Index);
        return;
    }
    Canvas.Font().Assign(FOwner.ItemAppearance().Font);
    if (Index == FItemHot)
        Canvas.Font().SetColor(FOwner.ItemAppearance().ColorHotText);
    if (Index == FItemIndex)
        Canvas.Font().SetColor(FOwner.ItemAppearance().ColorSelectedText);
    drawContent(item, Canvas, R);
}

// The content (colour box, picture or list image) and the caption by the layout.
void TCustomItemSelector::drawContent(const TSelectorItem& Item, TCanvas& Canvas, const TRect& R)
{
    const TSize size = contentSize(Item);
    TRect T = Rect(R.Left + ItemOffSetX, R.Top + ItemOffSetY, R.Right - ItemOffSetX, R.Bottom - ItemOffSetY);
    TRect C = T;
    const bool colorBox = FOwner.SelectorType() == stColor;
    const auto drawAt = [&](int x, int y) {
        if (colorBox) {
            Canvas.Pen().SetColor(clBlack);
            Canvas.Brush().SetColor(Item.Color);
            Canvas.Rectangle(x, y, x + size.cx, y + size.cy);
        } else if (Item.Image.Graphic()) {
            Canvas.Draw(x, y, *Item.Image.Graphic());
        } else if (FOwner.Images() && Item.ImageIndex >= 0) {
            FOwner.Images()->Draw(Canvas, x, y, Item.ImageIndex);
        }
        Canvas.Brush().SetStyle(bsClear);
    };
    const auto contentY = [&] { return colorBox ? C.Top : C.Top + (C.Height() - size.cy) / 2; };
    const auto caption = [&](TRect& r, bool centred) {
        const TSize m = DropDownDrawHtmlText(Canvas, Item.Caption, r, FOwner.Images(), false);
        if (centred && m.cy < r.Height())
            r.Top += (r.Height() - m.cy) / 2;
        DropDownDrawHtmlText(Canvas, Item.Caption, r, FOwner.Images(), true);
        return m;
    };
    const bool hasCaption = !Item.Caption.isEmpty();
    switch (FOwner.ItemLayout()) {
    case ilCaptionLeft:
        if (hasCaption) {
            T.Right -= size.cx;
            C.Left = T.Left + caption(T, true).cx + CaptionGap;
        }
        drawAt(C.Left, contentY());
        break;
    case ilCaptionRight:
        drawAt(C.Left, contentY());
        T.Left = C.Left + size.cx + (size.cx > 0 ? CaptionGap : 0);
        if (hasCaption)
            caption(T, true);
        break;
    case ilCaptionTop:
        if (hasCaption) {
            T.Bottom -= size.cy;
            C.Top = T.Top + caption(T, false).cy + CaptionGap;
        } else {
            C.Top += (C.Height() - size.cy) / 2;
        }
        C.Left += (C.Width() - size.cx) / 2;
        drawAt(C.Left, C.Top);
        break;
    case ilCaptionBottom:
        if (!hasCaption)
            C.Top += (C.Height() - size.cy) / 2;
        C.Left += (C.Width() - size.cx) / 2;
        drawAt(C.Left, C.Top);
        T.Top = C.Top + size.cy + (size.cy > 0 ? CaptionGap : 0);
        if (hasCaption)
            caption(T, false);
        break;
    }
}

// --- Scrolling box ---------------------------------------------------------------------------------

TVoCustomItemSelector::TVoCustomItemSelector(TComponent* AOwner)
    : TScrollBox(AOwner), FPanel(new TCustomItemSelector(this))
{
    FPanel->SetParent(this);
    UpdateSelectorPanel();
}

void TVoCustomItemSelector::SetSelectorType(TSelectorType Value)
{
    if (Value == FSelectorType)
        return;
    FSelectorType = Value;
    UpdateSelectorPanel();
}

void TVoCustomItemSelector::SetColumns(int Value)
{
    if (Value < 1 || Value == FColumns)
        return;
    FColumns = Value;
    UpdateSelectorPanel();
}

void TVoCustomItemSelector::SetColorBoxSize(int Width, int Height)
{
    if (Width == FColorBoxWidth && Height == FColorBoxHeight)
        return;
    FColorBoxWidth = Width;
    FColorBoxHeight = Height;
    UpdateSelectorPanel();
}

void TVoCustomItemSelector::SetImages(const TImageList* Value)
{
    if (Value == FImages)
        return;
    FImages = Value;
    UpdateSelectorPanel();
}

void TVoCustomItemSelector::SetItemIndex(int Value)
{
    FPanel->SetItemIndex(Value);
    ScrollItemInView(FPanel->ItemIndex());
}

// Scrolls the least that shows the whole item (its top when it is taller than the box).
void TVoCustomItemSelector::ScrollItemInView(int Index)
{
    if (Index < 0 || Index >= static_cast<int>(FItems.size()) || FPanel->Height() <= ClientHeight())
        return;
    TControlScrollBar& bar = VertScrollBar();
    const TRect r = FItems[Index].Rect;
    const int top = r.Top - bar.Position();
    int bottom = r.Bottom - bar.Position();
    if (top < 0) {
        bar.SetPosition(bar.Position() + top);
    } else if (bottom > ClientHeight()) {
        if (r.Height() > ClientHeight())
            bottom = top + ClientHeight();
        bar.SetPosition(bar.Position() + bottom - ClientHeight());
    }
}

void TVoCustomItemSelector::SelectFirst()
{
    FPanel->SelectFirst();
    ScrollItemInView(ItemIndex());
}

void TVoCustomItemSelector::SelectLast()
{
    FPanel->SelectLast();
    ScrollItemInView(ItemIndex());
}

void TVoCustomItemSelector::SelectNext()
{
    FPanel->SelectNext();
    ScrollItemInView(ItemIndex());
}

void TVoCustomItemSelector::SelectPrevious()
{
    FPanel->SelectPrevious();
    ScrollItemInView(ItemIndex());
}

void TVoCustomItemSelector::HotNext()
{
    FPanel->HotNext();
    ScrollItemInView(ItemHot());
}

void TVoCustomItemSelector::HotPrevious()
{
    FPanel->HotPrevious();
    ScrollItemInView(ItemHot());
}

int TVoCustomItemSelector::GetVisibleItemCount() const
{
    if (FItems.empty() || FItems[0].Rect.Height() <= 0)
        return 0;
    return ClientHeight() / FItems[0].Rect.Height() * FColumns;
}

// --- Type-ahead ------------------------------------------------------------------------------------

TTypeAhead::TTypeAhead(TComponent* AOwner) : FTimer(new TTimer(AOwner))
{
    FTimer->SetEnabled(false);
    FTimer->SetInterval(500);
    FTimer->OnTimer = [this](TObject*) {
        FTimer->SetEnabled(false);
        FText.clear();
    };
}

// Only letters, digits and the space type: Shift and the other keys would spoil the search.
QString TTypeAhead::Add(WORD Key)
{
    const bool typed = Key == VK_SPACE || (Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z');
    if (!typed)
        return {};
    FText += QChar(Key);
    if (!FTimer->Enabled())
        FTimer->SetEnabled(true);
    return FText;
}
