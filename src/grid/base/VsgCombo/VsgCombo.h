#pragma once
// The grid library's combo box: the platform combo box with its own flat look, drop button and border
// colours, focus colours, an attached label at one of 13 places, its own dropped-list width and a
// notification when the list closes.
#include <memory>

#include "grid/base/VsgEditLook.h"
#include "platform/StdCtrls.h"

class TVsgCustomCombo : public TComboBox, public TButtonColors {
public:
    explicit TVsgCustomCombo(TComponent* AOwner);
    ~TVsgCustomCombo() override;
    QString ClassName() const override { return QStringLiteral("TVsgCustomCombo"); }
    void WndProc(TMessage& Message) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetEnabled(bool v) override;

    // Ends a form's building: applies the dropped width, takes the loaded colour and places the label.
    virtual void Loaded();
    // Remembers the present colour as the one to restore when the focus leaves.
    void Init();
    // Selects the item with exactly this text; nothing when there is none.
    void SelectItem(const QString& text);

    bool AutoFocus = false;
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    int ButtonWidth() const { return FButtonWidth; }
    // Taken only from 14 to 32.
    void SetButtonWidth(int value);
    bool DisabledBorder = true;
    int DropWidth() const { return FDropWidth; }
    void SetDropWidth(int value);
    bool Etched() const { return FEtched; }
    void SetEtched(bool value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    TColor FlatLineColor() const { return FFlatLineColor; }
    void SetFlatLineColor(TColor value);
    bool FlatParentColor() const { return FFlatParentColor; }
    void SetFlatParentColor(bool value);
    bool FocusBorder = false;
    TColor FocusBorderColor = clNone;
    TColor FocusColor = clNone;
    bool FocusLabel = false;
    // Creates the label on first use; '' while there is none.
    QString LabelCaption() const;
    void SetLabelCaption(const QString& value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool value);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool value);
    TFont& LabelFont() { return *FLabelFont; }
    void SetLabelFont(const TFont& value) { FLabelFont->Assign(value); }
    // Sets the colour; before Loaded also the one the box was loaded with.
    void SetComboColor(TColor value);
    TLabel* ComboLabel() const { return FLabel; }
    bool IsWinXP = false;
    bool IsVista = false;
    TNotifyEvent OnDropUp;

protected:
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void DoEnter() override;
    void DoExit() override;
    void Notification(TComponent* component, TOperation operation) override;
    // Painting, in VsgComboPaint.cpp.
    bool IsThemeActiveFor() const;
    bool IsComboHot() const;
    bool IsBorderHot() const;
    void PaintComboButton(TCanvas& canvas);
    void PaintComboBorders(TCanvas& canvas);
    void PaintComboBorder(TCanvas& canvas);
    void PaintFlatButtonArea(TCanvas& canvas);
    void PaintCombo(TCanvas& canvas);

    bool FMouseInControl = false;
    bool FButtonHover = false;
    bool FHasFocus = false;
    bool FIsThemed = false;
    TColor FNormalColor = 0;

private:
    void CreateComboLabel();
    void PlaceComboLabel();
    void SetLabelBold(bool bold);
    void MouseEnter();
    void MouseLeave();
    void ShowLabel();

    bool FFlat = false;
    bool FEtched = false;
    TColor FOldColor = clWindow;
    TColor FLoadedColor = clWindow;
    bool FOldParentColor = false;
    int FButtonWidth = 0;
    int FDropWidth = 0;
    bool FLabelAlwaysEnabled = false;
    bool FLabelTransparent = false;
    int FLabelMargin = 4;
    std::unique_ptr<TFont> FLabelFont;
    TLabelPosition FLabelPosition = lpLeftTop;
    TLabel* FLabel = nullptr;
    TColor FFlatLineColor = clNone;
    bool FFlatParentColor = true;
    TColor FBorderColor = clNone;
};

class TVsgComboBox : public TVsgCustomCombo {
public:
    using TVsgCustomCombo::TVsgCustomCombo;
    QString ClassName() const override { return QStringLiteral("TVsgComboBox"); }
};
