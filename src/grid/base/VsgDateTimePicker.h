#pragma once
// The grid's date picker: the platform picker with a flat "Metro" look whose drop button is drawn (custom
// colours, themed or classic), a border colour, and an outline for a picker without 3-D border.
#include "grid/base/VsgEditLook.h"
#include "platform/DateTimePicker.h"

class TVsgDateTimePicker : public TDateTimePicker, public TButtonColors {
public:
    explicit TVsgDateTimePicker(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TVsgDateTimePicker"); }
    void WndProc(TMessage& Message) override;

    // "1.0.0.0": the four bytes of GetVersionNr, highest first.
    QString Version() const;
    virtual int GetVersionNr() const { return 0x01000000; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    bool MetroStyle() const { return FMetroStyle; }
    void SetMetroStyle(bool value);
    TBorderStyle PickerBorderStyle() const { return FBorderStyle; }
    virtual void SetPickerBorderStyle(TBorderStyle value);

protected:
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void DoEnter() override;
    void DoExit() override;
    virtual bool IsMetroActive() const;
    // The combined picker's painting differs in a few places.
    virtual bool IsComboPicker() const { return false; }
    bool IsThemeActiveFor() const;
    bool IsPickerHot() const;
    bool IsPickerBorderHot() const;
    void PaintPicker(TCanvas& canvas);
    void PaintPickerButton(TCanvas& canvas);
    void PaintPickerBorders(TCanvas& canvas);
    void PaintPickerBorder(TCanvas& canvas);
    void PaintPickerFlatButtonArea(TCanvas& canvas);
    void PaintPickerOutline(TCanvas& canvas);
    void PaintClientOutline(TCanvas& canvas);

    TBorderStyle FBorderStyle = bsNone;
    TColor FBorderColor = clNone;
    bool FIsThemed = false;
    int FButtonWidth = 0;
    bool FButtonHover = false;
    bool FMouseInControl = false;
    bool FIsWinXP = false;
    bool FMetroStyle = false;
    TColor FFocusBorderColor = clNone;
    bool FDisabledBorder = false;
    bool FHasFocus = false;
    bool FFocusBorder = false;
};
