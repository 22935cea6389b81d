#pragma once
// The string grid's drop-down cell editors: drop-down edits that know their grid, commit, cancel,
// validate and move on with the grid's keys, and report their changes to it.
#include "controls/dropdown/VoMemoDropDown.h"
#include "controls/dropdown/VoTrackBarDropDown.h"

class VOroDavoduRuzu;

// The key, change and focus rules every drop-down cell editor shares.
class TGridDropDownKeys {
public:
    TGridDropDownKeys(VOroDavoduRuzu& Grid, TVoCustomDropDown& Editor) : FGrid(Grid), FEditor(Editor) {}
    virtual ~TGridDropDownKeys() = default;
    // The editor's value for the cell, and loading a cell's value into it.
    virtual QString CellValue() const = 0;
    virtual void SetCellValue(const QString& Value) = 0;
    VOroDavoduRuzu& Grid() const { return FGrid; }

protected:
    // True when the key was taken; false leaves it to the drop-down edit's own handling.
    bool GridKeyDown(WORD& Key, TShiftState Shift);
    void GridKeyPress(char16_t& Key);
    void GridChange();
    // The editor loses the focus to anything but its pop-up: the edit ends.
    void GridExit();
    bool GridWantsKey(WORD Key) const;

private:
    bool commit(WORD& Key);
    VOroDavoduRuzu& FGrid;
    TVoCustomDropDown& FEditor;
};

class TGridMemoDropDown : public TVoMemoDropDown, public TGridDropDownKeys {
public:
    explicit TGridMemoDropDown(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TGridMemoDropDown"); }
    void WndProc(TMessage& Message) override;
    // The memo's lines, separated by line breaks.
    QString CellValue() const override;
    void SetCellValue(const QString& Value) override;

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
    void Change() override;
    void DoExit() override;
};

// Claims Enter and Esc as well; the text is the position.
class TGridTrackbarDropDown : public TVoTrackBarDropDown, public TGridDropDownKeys {
public:
    explicit TGridTrackbarDropDown(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TGridTrackbarDropDown"); }
    void WndProc(TMessage& Message) override;
    QString CellValue() const override { return Text(); }
    // The integer value of the text as position.
    void SetCellValue(const QString& Value) override;

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
    void Change() override;
    void DoExit() override;
};

// Makes the grid's drop-down editors through the grid's drop-down factory; the program calls it at start.
void InstallGridDropDowns();
