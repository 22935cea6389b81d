#pragma once
// The grid's check box: a windowed control that paints its box (themed or classic) and caption itself,
// optionally over its parent's background.
#include "platform/Bitmap.h"
#include "platform/StdCtrls.h"

class TVoCheckBox : public TCustomControl {
public:
    explicit TVoCheckBox(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TVoCheckBox"); }
    void WndProc(TMessage& Message) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool value);
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState value);
    // Unless ReadOnly, Checked flips.
    virtual void Toggle();
    bool Down() const { return FDown; }
    void SetDown(bool value) { FDown = value; }
    bool ReturnIsTab = false;
    bool ReadOnly = false;
    TTextLayout ButtonVertAlign() const { return FBtnVAlign; }
    void SetButtonVertAlign(TTextLayout value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool TransparentChaching = false;
    // How often the parent's background was painted for a transparent box.
    int BackgroundPaints() const { return FBackgroundPaints; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;

private:
    void InvalidateBox();
    void PaintParentBackground(TCanvas& canvas);
    TRect BoxRect(int size, int bottomInset) const;

    bool FDown = false;
    TCheckBoxState FState = cbUnchecked;
    bool FFocused = false;
    TTextLayout FBtnVAlign = tlTop;
    TAlignment FAlignment = taLeftJustify;
    bool FEllipsis = false;
    bool FHot = false;
    bool FMouseDown = false;
    TBitmap FBkgBmp;
    bool FBkgCache = false;
    bool FTransparent = false;
    int FBackgroundPaints = 0;
};
