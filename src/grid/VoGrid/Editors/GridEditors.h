#pragma once
// The editor controls the string grid lays over a cell that is not edited as plain text. Each knows its
// grid (its owner, which must be a string grid), answers which navigation keys it keeps, validates its
// value through the grid before it lets go, hands keys on to the grid so that the cursor moves, and
// fires the grid's editor events.
#include <optional>

#include "grid/base/VsgCombo/VsgCombo.h"
#include "platform/StdCtrls.h"

class VOroDavoduRuzu;

// The one combo editor of a grid, shared by every edComboEdit (csDropDown) and edComboList cell.
class TGridCombo : public TVsgComboBox {
public:
    explicit TGridCombo(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TGridCombo"); }
    // CM_WANTSPECIALKEY, the mouse wheel.
    void WndProc(TMessage& Message) override;
    // Widens the dropped list to its widest item.
    void SizeDropDownWidth();

    bool Forced = false;
    // Lookup completion allowed: not right after Backspace or Delete.
    bool WorkMode = true;
    int ItemIdx = -1;
    bool ItemChange = false;
    TNotifyEvent OnReturnKey;

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    void Change() override;

private:
    // Writes the text into the cell and validates it; a refusal keeps the combo open on the settled text.
    bool validate(WORD& Key, bool keepCursor);
    void selectCurrentCell();
    void wheel(int delta);
    void fireComboChange();
    void DoChange();
    bool listMode() const;

    VOroDavoduRuzu* FGrid;
    // The selected item when a character arrived, until its key goes up.
    std::optional<int> FKeyItemIndex;
};

// The check box of edCheckBox cells: Space and clicks toggle it, the navigation keys end the edit.
class TGridCheckBox : public TCheckBox {
public:
    explicit TGridCheckBox(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TGridCheckBox"); }
    void WndProc(TMessage& Message) override;

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    // The Space that toggled at key-down is not typed.
    void KeyPress(char16_t& Key) override;
    void DoExit() override;

private:
    VOroDavoduRuzu* FGrid;
};

// The push button of edButton cells, covering the cell; its click goes through the ellipsis hook.
class TGridButton : public TCustomControl {
public:
    explicit TGridButton(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TGridButton"); }
    void WndProc(TMessage& Message) override;

protected:
    void Paint() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void DoExit() override;

private:
    void takeCaption();
    void hideButton();

    VOroDavoduRuzu* FGrid;
};

// The grid that owns an editor; any other owner stops the construction.
VOroDavoduRuzu* EditorGrid(TComponent* AOwner);
