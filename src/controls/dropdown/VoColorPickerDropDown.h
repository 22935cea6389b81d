#pragma once
// A drop-down whose value is a colour: the edit shows a swatch and the colour's name or value; the pop-up
// offers a list of named colours, a palette of boxes, a colour cube or a spectrum.
#include "controls/dropdown/ColorSelectors.h"
#include "controls/dropdown/VoPickerDropDown.h"

enum TColorSelectionStyle { csList, csDiscrete, csColorCube, csSpectrum };
enum TColorValueText { cvtNone, cvtHex, cvtWebName, cvtRGB, cvtHTML };

struct TColorItem {
    QString Caption;
    TColor Color = clNone;
    bool Enabled = true;
    QString Hint;
};

class TVoColorPickerDropDown : public TVoPickerDropDown {
public:
    explicit TVoColorPickerDropDown(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TVoColorPickerDropDown"); }

    std::vector<TColorItem>& Colors() { return FColors; }
    // Appends the sixteen basic colours with their names.
    void AddDefaultColors();
    TColor SelectedColor() const { return FSelectedColor; }
    // Selects the first list colour equal to it (the choice stays when none is); repaints.
    void SetSelectedColor(TColor Value);
    int ItemIndex() const { return FItemIndex; }
    // Ignored at or above the number of colours; a list colour becomes the selected colour. Repaints,
    // then OnSelect.
    void SetItemIndex(int Value);
    // The list colour's caption, else the colour's value as ColorValueText says.
    virtual QString SelectedColorText() const;
    TColorValueText ColorValueText() const { return FColorValueText; }
    void SetColorValueText(TColorValueText Value) { FColorValueText = Value; }
    TColorSelectionStyle ColorSelectionStyle() const { return FColorSelectionStyle; }
    void SetColorSelectionStyle(TColorSelectionStyle Value);
    bool ShowText() const { return FShowText; }
    void SetShowText(bool Value);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxSize(int Width, int Height);
    // The pop-up's contents, made on first need (nullptr before; ItemSelector likewise).
    TCustomColorSelector* ColorSelector() const { return FColorSelector; }
    TVoColorCubePanel* ColorCubePanel() const { return FColorCubePanel; }
    TVoColorSpectrumPanel* SpectrumPanel() const { return FSpectrumPanel; }
    void DoHideDropDown(bool CancelChanges) override;

    TNotifyEvent OnSelect;
    TOnDrawSelectedItem OnDrawSelectedColor;
    TDrawItemEvent OnDrawColor;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void UpdateDropDownSize() override;
    TSize DropDownSize() const;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void DrawSelectedValue() override;
    bool WheelStep(bool Down) override;
    void SelectorChoice(int Index) override { SetItemIndex(Index); }
    void AdjustSelector(TVoCustomItemSelector& Selector) override;

private:
    TWinControl* content() const;
    TWinControl& makeContent();
    void prepareContent();
    void updateItemSelector();
    void discreteSelect();
    void panelSelect(TColor Color);
    void listKeys(WORD Key, TShiftState Shift, bool Committed);
    template <typename T>
    T* placed(T* Content);

    TVoColorCubePanel* FColorCubePanel = nullptr;
    TVoColorSpectrumPanel* FSpectrumPanel = nullptr;
    TCustomColorSelector* FColorSelector = nullptr;
    std::vector<TColorItem> FColors;
    int FItemIndex = -1;
    int FColorBoxWidth = 14;
    int FColorBoxHeight = 14;
    TColorSelectionStyle FColorSelectionStyle = csList;
    TColor FSelectedColor = clNone;
    bool FShowText = true;
    TColor FOldSelectedColor = clNone;
    TColorValueText FColorValueText = cvtNone;
};
