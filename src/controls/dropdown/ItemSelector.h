#pragma once
// The item selector of the pickers' pop-ups: items (an image, a picture or a colour box, with an optional
// marked-up caption) laid out in columns on a panel inside a scrolling box. The pointer makes an item hot,
// a click or the keyboard selects one.
#include <functional>
#include <vector>

#include "controls/dropdown/VoDropDownDraw.h"
#include "platform/Bitmap.h"
#include "platform/ExtCtrls.h"
#include "platform/Timers.h"

enum TSelectorType { stImage, stColor };
enum TItemLayout { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };
enum TSelectionColorStyle { scCustom, scOffice2007, scWindowsVista, scWindows7 };

using TDrawItemEvent = std::function<void(TObject* Sender, TCanvas& Canvas, const TRect& R, int Index)>;
// Draws the edit's content in place of the chosen image or colour.
using TOnDrawSelectedItem = std::function<void(TObject* Sender, TCanvas& Canvas, const TRect& R)>;
using TItemSizeEvent = std::function<void(TObject* Sender, TSize& ASize)>;

// The hot and selected item colours and the caption font.
class TItemAppearance : public TPersistent {
public:
    TItemAppearance();
    void Assign(const TPersistent& Source) override;
    TSelectionColorStyle ColorStyle() const { return FColorStyle; }
    // Loads the style's preset colours; scCustom loads none.
    void SetColorStyle(TSelectionColorStyle Value);

    TColor ColorMirrorHotTo = clNone, BorderColor = clNone, ColorMirrorHot = clNone, ColorSelectedTo = clNone;
    TColor ColorSelected = clNone, EdgeColor = clNone, ColorHotTo = clNone, BorderColorBottom = clNone;
    TColor ColorHot = clNone, BorderColorTop = clNone, ColorMirrorSelectedTo = clNone, ColorMirrorSelected = clNone;
    TColor ColorSelectedText = clBlack, ColorHotText = clBlack;
    TColor BorderColorHot = clNone, BorderColorSelected = clNone;
    TFont Font;

private:
    TSelectionColorStyle FColorStyle = scCustom;
};

// An image item: a picture of its own wins over an image of the list.
struct TImageItem {
    TImageItem() = default;
    TImageItem(const TImageItem& Other) { *this = Other; }
    TImageItem& operator=(const TImageItem& Other);
    QString Caption;
    int ImageIndex = -1;
    TPicture Image;
    QString Hint;
};

struct TSelectorItem : TImageItem {
    TColor Color = clNone;
    TRect Rect;
};

class TVoCustomItemSelector;

// The panel that lays the items out, paints them and follows the mouse.
class TCustomItemSelector : public TCustomControl {
public:
    explicit TCustomItemSelector(TVoCustomItemSelector* AOwner);
    QString ClassName() const override { return QStringLiteral("TCustomItemSelector"); }
    void WndProc(TMessage& Message) override;

    int ItemIndex() const { return FItemIndex; }
    // Selects (also the same item again) and reports it.
    void SetItemIndex(int Value);
    int ItemHot() const { return FItemHot; }
    void SetItemHot(int Index);
    TRect GetItemRect(int Index) const;
    int ItemAtPos(int X, int Y) const;
    TSize GetItemSize();
    void LayoutItems();
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // Selects the first item whose plain caption, trimmed and upper-cased, begins with S.
    bool LookupItem(const QString& S);

    static constexpr int OffSetX = 2, OffSetY = 2, ItemOffSetX = 4, ItemOffSetY = 4, CaptionGap = 4;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

private:
    void drawItem(int Index, TCanvas& Canvas);
    void drawBackground(int Index, TCanvas& Canvas, const TRect& R);
    void drawContent(const TSelectorItem& Item, TCanvas& Canvas, const TRect& R);
    TSize contentSize(const TSelectorItem& Item) const;
    void invalidateItem(int Index);
    int count() const;
    int stepped(int Current, int Step) const;
    TVoCustomItemSelector& FOwner;
    int FItemIndex = -1;
    int FItemHot = -1;
};

class TVoCustomItemSelector : public TScrollBox {
public:
    explicit TVoCustomItemSelector(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TVoCustomItemSelector"); }
    // The panel takes the focus and the keys.
    void SetFocus() override { FPanel->SetFocus(); }

    std::vector<TSelectorItem>& Items() { return FItems; }
    const std::vector<TSelectorItem>& Items() const { return FItems; }
    TSelectorType SelectorType() const { return FSelectorType; }
    void SetSelectorType(TSelectorType Value);
    TItemLayout ItemLayout() const { return FItemLayout; }
    // Takes effect at the next UpdateSelectorPanel.
    void SetItemLayout(TItemLayout Value) { FItemLayout = Value; }
    int Columns() const { return FColumns; }
    // Values below 1 are ignored.
    void SetColumns(int Value);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxSize(int Width, int Height);
    const TImageList* Images() const { return FImages; }
    void SetImages(const TImageList* Value);
    TItemAppearance& ItemAppearance() { return FItemAppearance; }
    TCustomItemSelector& Panel() { return *FPanel; }

    int ItemIndex() const { return FPanel->ItemIndex(); }
    void SetItemIndex(int Value);
    int ItemHot() const { return FPanel->ItemHot(); }
    void UpdateSelectorPanel() { FPanel->LayoutItems(); }
    void ScrollItemInView(int Index);
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    bool LookupItem(const QString& S) { return FPanel->LookupItem(S); }
    // Whole rows of items the box shows at once, times the columns.
    int GetVisibleItemCount() const;
    TSize GetSelectorPanelSize() const { return {FPanel->Width(), FPanel->Height()}; }

    TNotifyEvent OnItemSelect;
    TDrawItemEvent OnDrawItem;
    TItemSizeEvent OnItemSize;

private:
    std::vector<TSelectorItem> FItems;
    TSelectorType FSelectorType = stImage;
    TItemLayout FItemLayout = ilCaptionRight;
    int FColumns = 1;
    int FColorBoxWidth = 14;
    int FColorBoxHeight = 14;
    const TImageList* FImages = nullptr;
    TItemAppearance FItemAppearance;
    TCustomItemSelector* FPanel;
};

// The picker's type-ahead: each key's character extends the text, which a timer clears 500 ms after its
// first key.
class TTypeAhead {
public:
    explicit TTypeAhead(TComponent* AOwner);
    // The text with the key's character appended; empty for a key that types no letter, digit or space.
    QString Add(WORD Key);
    TTimer& Timer() { return *FTimer; }

private:
    TTimer* FTimer;
    QString FText;
};
