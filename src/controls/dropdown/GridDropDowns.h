#pragma once
// The string grid's drop-down cell editors: drop-down edits that know their grid, commit, cancel,
// validate and move on with the grid's keys, and report their changes to it.
#include "controls/dropdown/VoColorPickerDropDown.h"
#include "controls/dropdown/VoImagePickerDropDown.h"
#include "controls/dropdown/VoMemoDropDown.h"
#include "controls/dropdown/VoTrackBarDropDown.h"

class VOroDavoduRuzu;

// The key, change and focus rules every drop-down cell editor shares.
class TGridDropDownKeys {
public:
    // The grid is the owner's.
    TGridDropDownKeys(TComponent* AOwner, TVoCustomDropDown& Editor);
    virtual ~TGridDropDownKeys() = default;
    // The editor's value for the cell, and loading a cell's value into it.
    virtual QString CellValue() const = 0;
    virtual void SetCellValue(const QString& Value) = 0;
    VOroDavoduRuzu& Grid() const { return FGrid; }

protected:
    // The keys the grid's rules take; Up and Down validate and commit (when taken) unless told otherwise.
    virtual bool HandlesKey(WORD Key) const;
    virtual bool CommitsOnArrows() const { return true; }
    // Enter and Esc are claimed from the form as well as the grid's keys.
    virtual bool ClaimsEnterAndEsc() const { return false; }
    // The keys the editor claims from the form.
    bool WantsSpecialKey(WORD Key) const;
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

// A drop-down edit as a cell editor: the grid's rules see its keys, changes and focus first.
template <typename TDropDown>
class TGridDropDown : public TDropDown, public TGridDropDownKeys {
public:
    explicit TGridDropDown(TComponent* AOwner) : TDropDown(AOwner), TGridDropDownKeys(AOwner, *this) {}
    void WndProc(TMessage& Message) override
    {
        TDropDown::WndProc(Message);
        if (Message.Msg == CM_WANTSPECIALKEY && WantsSpecialKey(static_cast<WORD>(Message.WParam)))
            Message.Result = 1;
    }

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override
    {
        if (!GridKeyDown(Key, Shift))
            TDropDown::KeyDown(Key, Shift);
    }
    void KeyPress(char16_t& Key) override
    {
        GridKeyPress(Key);
        TDropDown::KeyPress(Key);
    }
    void Change() override
    {
        TDropDown::Change();
        GridChange();
    }
    void DoExit() override
    {
        GridExit();
        TDropDown::DoExit();
    }
};

class TGridMemoDropDown : public TGridDropDown<TVoMemoDropDown> {
public:
    using TGridDropDown::TGridDropDown;
    QString ClassName() const override { return QStringLiteral("TGridMemoDropDown"); }
    // The memo's lines, separated by line breaks.
    QString CellValue() const override;
    void SetCellValue(const QString& Value) override;
};

// Claims Enter and Esc as well; the text is the position.
class TGridTrackbarDropDown : public TGridDropDown<TVoTrackBarDropDown> {
public:
    using TGridDropDown::TGridDropDown;
    QString ClassName() const override { return QStringLiteral("TGridTrackbarDropDown"); }
    QString CellValue() const override { return Text(); }
    // The integer value of the text as position.
    void SetCellValue(const QString& Value) override;

protected:
    bool ClaimsEnterAndEsc() const override { return true; }
};

// The colour editor: its value is the chosen colour, its text the colour's text. While the pop-up is open
// only Tab, Enter and Esc are the grid's; Home closes the editor while it is closed; only Enter commits.
class TGridColorDropDown : public TGridDropDown<TVoColorPickerDropDown> {
public:
    explicit TGridColorDropDown(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TGridColorDropDown"); }
    QString CellValue() const override { return SelectedColorText(); }
    // Selects the list colour of that name, if any, without reporting it.
    void SetCellValue(const QString& Value) override;
    // A cell's colour, not reported as a choice.
    void LoadColor(TColor Value);

protected:
    bool HandlesKey(WORD Key) const override;
    bool CommitsOnArrows() const override { return false; }
    bool ClaimsEnterAndEsc() const override { return true; }

private:
    // Set while a cell's value loads: the choice is not reported to the grid.
    bool FLoading = false;
};

// The image editor: its text is the chosen image's caption; the value written to a data image cell is
// the image index, any other cell keeps its text.
class TGridImageDropDown : public TGridDropDown<TVoImagePickerDropDown> {
public:
    explicit TGridImageDropDown(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TGridImageDropDown"); }
    QString CellValue() const override;
    // A data image cell's number selects its image, without reporting it.
    void SetCellValue(const QString& Value) override;
    // The edit shows the chosen image's caption.
    void ShowCaption();
    // A cell's image of the images (which become the items when there are none yet), not reported.
    void LoadImage(TImageList* Images, int ImageIndex);

private:
    bool FLoading = false;
};

// Makes the grid's drop-down editors through the grid's drop-down factory; the program calls it at start.
void InstallGridDropDowns();
