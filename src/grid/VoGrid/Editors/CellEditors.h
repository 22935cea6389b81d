#pragma once
// Editors that work beside the cell editors: the small edit and combo over a form control written in an
// HTML cell text, and the edit and combo that edit a fixed (header) cell. The grid owns one of each and
// only hides them between uses.
#include "grid/base/VsgCombo/VsgCombo.h"
#include "platform/Mask.h"
#include "platform/StdCtrls.h"

class VOroDavoduRuzu;

// Edit of an EDIT, PASSWORD or MASK control in cell text. Enter ends the edit; Tab ends it and moves on.
class TControlEdit : public TCustomMaskEdit {
public:
    explicit TControlEdit(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TControlEdit"); }
    // CM_WANTSPECIALKEY: declines Enter, claims Tab.
    void WndProc(TMessage& Message) override;

protected:
    void KeyPress(char16_t& Key) override;
};

// Combo of a COMBO control in cell text; keys as the edit's.
class TControlCombo : public TVsgComboBox {
public:
    explicit TControlCombo(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TControlCombo"); }
    void WndProc(TMessage& Message) override;

protected:
    void KeyPress(char16_t& Key) override;
};

// The fixed-cell editors: Col and Row name the cell (real column, display row). StopEdit validates the
// text through the grid and writes it into the cell; a refusal keeps the editor open and returns false.
class TGridTransEdit : public TEdit {
public:
    explicit TGridTransEdit(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TGridTransEdit"); }
    bool StopEdit();
    int Col = 0;
    int Row = 0;

protected:
    void KeyPress(char16_t& Key) override;
    void DoExit() override;

private:
    VOroDavoduRuzu* FGrid;
    bool FStopping = false;
};

class TGridTransCombo : public TComboBox {
public:
    explicit TGridTransCombo(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TGridTransCombo"); }
    bool StopEdit();
    int Col = 0;
    int Row = 0;

protected:
    void KeyPress(char16_t& Key) override;
    void DoExit() override;

private:
    VOroDavoduRuzu* FGrid;
    bool FStopping = false;
};
