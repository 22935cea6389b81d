#pragma once
// The edit with a button at its right edge (the button or F4 fires OnClickBtn), and the unit edit, which
// shows a unit between the value and the button and picks the unit from a menu.
#include <functional>

#include "grid/base/VsgEditLook.h"
#include "platform/Buttons.h"
#include "platform/Mask.h"

// The button inside the edit, painted in its owner's custom colours, themed, flat or classic.
class TVoSpeedButton : public TSpeedButton {
public:
    explicit TVoSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}
    QString ClassName() const override { return QStringLiteral("TVoSpeedButton"); }
    void WndProc(TMessage& Message) override;

    bool IsWinXP = false;
    // Its own flat edge, apart from the speed button's Flat.
    bool FlatEdge = false;
    bool Hot() const { return FHot; }

protected:
    void Paint() override;

private:
    bool FHot = false;
};

// The window that carries the button; OnClick fires when the left button is released after a press on it.
class TVsgEditButton : public TWinControl, public TButtonColors {
public:
    explicit TVsgEditButton(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TVsgEditButton"); }
    void WndProc(TMessage& Message) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    TVoSpeedButton* Button() const { return FButton; }
    TBitmap& Glyph() { return FButton->Glyph(); }
    QString ButtonCaption() const { return FButton->Caption(); }
    void SetButtonCaption(const QString& value) { FButton->SetCaption(value); }
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* value) { FFocusControl = value; }
    TNotifyEvent OnClick;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void EditButtonMouseUp(TObject* Sender, TMouseButton Button);

    TVoSpeedButton* FButton = nullptr;
    TWinControl* FFocusControl = nullptr;
    bool FFlat = false;
};

class TVsgEditBtn : public TCustomMaskEdit {
public:
    explicit TVsgEditBtn(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TVsgEditBtn"); }
    void WndProc(TMessage& Message) override;

    QString ButtonCaption() const { return FButton->ButtonCaption(); }
    void SetButtonCaption(const QString& value) { FButton->SetButtonCaption(value); }
    TBitmap& Glyph() { return FButton->Glyph(); }
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int value);
    bool EditorEnabled = true;
    bool RightAlign() const { return FRightAlign; }
    void SetRightAlign(bool value);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value);
    TVsgEditButton* Button() const { return FButton; }
    TNotifyEvent OnClickBtn;

protected:
    // Fires OnClickBtn; the button window is the sender of a click, the edit of F4.
    virtual void DoClickBtn(TObject* Sender);
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void DoEnter() override;
    void SetEditBtnRect();
    int FUnitSize = 0;

private:
    int MinEditBtnHeight() const;
    void Resized();

    TVsgEditButton* FButton = nullptr;
    int FButtonWidth = 0;
    bool FRightAlign = false;
    bool FIsWinXP = false;
};

using TUnitChangeEvent = std::function<void(TObject* Sender, const QString& NewUnit)>;

class TVsgUnitEditBtn : public TVsgEditBtn {
public:
    explicit TVsgUnitEditBtn(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TVsgUnitEditBtn"); }
    void WndProc(TMessage& Message) override;

    TStringList& Units() { return FUnits; }
    // Copies the list; nullptr is ignored.
    void SetUnits(const TStringList* value);
    QString UnitID() const { return FUnitID; }
    void SetUnitID(const QString& value);
    int UnitSpace() const { return FUnitSize; }
    void SetUnitSpace(int value);
    // The text followed by the unit; writing splits at the first unit of the list that ends the value.
    QString TextAndUnit() const { return Text() + FUnitID; }
    void SetTextAndUnit(const QString& value);
    TUnitChangeEvent OnUnitChanged;

protected:
    // Fires OnClickBtn, then offers the units in a menu under the button.
    void DoClickBtn(TObject* Sender) override;

private:
    QString FUnitID;
    TStringList FUnits;
};
