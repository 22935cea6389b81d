#pragma once
// The string grid's text editor: filters typed and pasted characters by the cell's editor type, completes
// from the lookup list, validates on Enter, Tab, caret walks and focus loss, and ends the edit back into
// the grid.
#include "platform/Grids.h"

class VOroDavoduRuzu;

class TVoInplaceEdit : public TInplaceEdit {
public:
    explicit TVoInplaceEdit(VOroDavoduRuzu* AOwner);
    QString ClassName() const override { return QStringLiteral("TVoInplaceEdit"); }
    // WM_SYSKEYDOWN / WM_SYSKEYUP of Backspace (Alt+Backspace), WM_COPY, WM_CUT, WM_PASTE, WM_LBUTTONDBLCLK,
    // CM_WANTSPECIALKEY.
    void WndProc(TMessage& Message) override;

    int LengthLimit() const { return FLengthLimit; }
    void SetLengthLimit(int Value) { FLengthLimit = Value; }
    bool VAlign() const { return FValign; }
    void SetVAlign(bool Value);
    // The current cell is about to move away from an unvalidated edit: validates the text. Accepted, the
    // editor holds the settled value; refused, it shows it and the move must not happen.
    bool ValidateOnLeave();

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;
    void Change() override;
    void UpdateContents() override;
    void BoundsChanged() override;

private:
    // The grid's validation of the editor text; a refusal puts the settled text back and selects it.
    bool validate();
    void refuse(const QString& OldCellText);
    void endWithTab(TShiftState Shift);
    bool walkOut(WORD Key, TShiftState Shift);
    // Applies the editor type's rule to a typed character; false when the character is consumed.
    bool filterChar(char16_t& Key);
    bool multiline() const;
    int caretLine() const;
    void setTextQuietly(const QString& Text);
    void paste();
    void DoChange();

    VOroDavoduRuzu* FGrid;
    int FSelKeyDown = 0;
    int FOldSelStart = 0;
    int FLengthLimit = 0;
    bool FValign = false;
    bool FGotFocus = false;
    bool Workmode = true;
    int FColE = 0;
    int FRowE = 0;
    bool FAltBack = false;
};
