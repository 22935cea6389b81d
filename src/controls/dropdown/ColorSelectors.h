#pragma once
// The colour picker's panels: a honeycomb of 127 colour cells, a colour spectrum picked by pixel, and a
// palette of colour boxes in columns.
#include <array>
#include <vector>

#include "controls/dropdown/ItemSelector.h"
#include "platform/Bitmap.h"
#include "platform/Controls.h"

class TVoCustomColorSelectorPanel : public TCustomControl {
public:
    // The panel takes the arrow keys, which reach the picker.
    explicit TVoCustomColorSelectorPanel(TComponent* AOwner) : TCustomControl(AOwner)
    {
        DlgCode = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
    }
    // Raised after a mouse button is released over the cube or the spectrum.
    TNotifyEvent OnShouldHide;

protected:
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
};

class TVoColorCubePanel : public TVoCustomColorSelectorPanel {
public:
    explicit TVoColorCubePanel(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TVoColorCubePanel"); }

    static constexpr int CellCount = 127;
    TColor SelectedColor() const { return FSelectedColor; }
    // Selects the first cell of the colour (none when no cell has it); no repaint.
    void SetSelectedColor(TColor Value);
    // Cells are numbered 1 to 127; -1 for none.
    int SelectedIndex() const { return FSelectedIndex; }
    int HotIndex() const { return FHotIndex; }
    TPoint CellCenter(int Index) const { return FCells[Index - 1].Center; }
    TColor CellColor(int Index) const { return FCells[Index - 1].Color; }
    // The first cell whose centre lies within the half-width of the point.
    int CellAtPos(int X, int Y) const;
    void InitCells();
    // No hot cell; the panel takes its default size.
    void ClearHot();
    bool ShowRGBHint() const { return FShowRGBHint; }
    void SetShowRGBHint(bool Value);

    TNotifyEvent OnSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

private:
    struct TCell {
        TPoint Center;
        TColor Color = clNone;
    };
    void drawCell(TCanvas& Canvas, int Index);
    void invalidateCell(int Index);
    std::array<TCell, CellCount> FCells;
    TPoint FCubeSize{6, 3};
    TColor FSelectedColor = clNone;
    int FSelectedIndex = -1;
    int FHotIndex = -1;
    bool FShowRGBHint = true;
};

class TVoColorSpectrumPanel : public TVoCustomColorSelectorPanel {
public:
    explicit TVoColorSpectrumPanel(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TVoColorSpectrumPanel"); }

    TColor SelectedColor() const { return FSelectedColor; }
    void SetSelectedColor(TColor Value) { FSelectedColor = Value; }
    TColor HotColor() const { return FHotColor; }
    // The spectrum's place in the panel and the two swatches under it.
    TRect ImageRect() const { return FImageRect; }
    TRect SelectedRect() const { return FSelectedRect; }
    TRect HotRect() const { return FHotRect; }
    // Default size, the spectrum and swatches placed, no hot colour.
    void UpdateLayout();

    TNotifyEvent OnSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

private:
    void drawSwatch(TCanvas& Canvas, const TRect& R, TColor Color);
    TBitmap FSpectrum;
    TColor FHotColor = clNone;
    TColor FSelectedColor = clWhite;
    TRect FImageRect;
    TRect FHotRect;
    TRect FSelectedRect;
};

enum TItemPos { ipStandAlone, ipTop, ipMiddle, ipBottom };

struct TColorBoxAppearance {
    TColor BorderColor = 0xC5C5C5;
    TColor OuterBorderColorHot = 0x3694F2;
    TColor InnerBorderColorHot = 0x94E2FF;
    TColor OuterBorderColorSelected = 0x0000FF;
    TColor InnerBorderColorSelected = 0x94E2FF;
};

struct TColorBoxItem {
    TColor Color = clNone;
    // A disabled box never becomes hot or selected.
    bool Enabled = true;
    TRect Rect;
    TItemPos ColorBoxPos = ipStandAlone;
};

// Colour boxes in columns; a column of top, middle and bottom boxes is framed as one strip.
class TCustomColorSelector : public TVoCustomColorSelectorPanel {
public:
    explicit TCustomColorSelector(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TCustomColorSelector"); }
    void WndProc(TMessage& Message) override;

    std::vector<TColorBoxItem>& Items() { return FItems; }
    TColorBoxAppearance& ColorBoxAppearance() { return FColorBoxAppearance; }
    int ItemIndex() const { return FItemIndex; }
    // A disabled box is refused; a box's colour becomes the selected colour, then OnItemSelect.
    void SetItemIndex(int Value);
    int ItemHot() const { return FItemHot; }
    TColor SelectedColor() const { return FSelectedColor; }
    // Selects the first box of the colour (reported), or none (not reported).
    void SetSelectedColor(TColor Value);
    int Columns() const { return FColumns; }
    void SetColumns(int Value);
    TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
    // A built-in style gives the boxes their default frame colours.
    void SetItemColorStyle(TSelectionColorStyle Value);
    void ArrangeItems();
    int ItemAtPos(int X, int Y) const;
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // The navigation keys of the palette.
    void HandleKey(WORD Key, bool EditorEnabled, bool DroppedDown);
    // The ten theme colours with five tint and shade rows under them.
    void AddDefaultColorBoxes();

    static constexpr int OffSetX = 4, OffSetY = 4, ColumnGap = 4, ColorBoxWidth = 12, ColorBoxHeight = 12;
    TNotifyEvent OnItemSelect;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    // A release here asks nobody to hide the pop-up.
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override
    {
        TCustomControl::MouseUp(Button, Shift, X, Y);
    }

private:
    void drawItem(TCanvas& Canvas, int Index);
    void setItemHot(int Index);
    void invalidateItem(int Index);
    int count() const { return static_cast<int>(FItems.size()); }
    std::vector<TColorBoxItem> FItems;
    TColorBoxAppearance FColorBoxAppearance;
    int FItemIndex = -1;
    int FItemHot = -1;
    int FColumns = 10;
    TSelectionColorStyle FItemColorStyle = scOffice2007;
    TColor FSelectedColor = clNone;
};
