#pragma once
// Option objects of the grid: keyboard and clipboard, mouse, focus helper.
#include <functional>

#include "platform/Classes.h"

enum TClipboardPasteAction { paReplace, paInsert };
enum TAdvanceDirection { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum TInsertPosition { pInsertBefore, pInsertAfter };
enum THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };
enum TCursorAdvance { caDefault, caSnake, caLoop };
enum TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };
enum TWheelAction { waMoveSelection, waScroll };

using TIsDesigningEvent = std::function<void(TObject* Sender, bool& IsDesigning)>;

// Keyboard, clipboard and editing moves.
class TNavigation : public TPersistent {
public:
    // Copies every option but KeepScrollOnSort, without setters or events.
    void Assign(const TPersistent& source) override;

    bool AdvanceAuto() const { return FAdvanceAuto; }
    void SetAdvanceAuto(bool value);
    TAdvanceDirection AdvanceDirection() const { return FAdvanceDirection; }
    void SetAdvanceDirection(TAdvanceDirection value);
    bool AdvanceInsert() const { return FAdvanceInsert; }
    void SetAdvanceInsert(bool value);

    bool AllowInsertRow = false;
    bool AllowDeleteRow = false;
    bool AdvanceOnEnter = false;
    bool AutoGotoWhenSorted = false;
    bool AutoGotoIncremental = false;
    bool AutoComboDropSize = false;
    bool AllowClipboardShortCuts = false;
    bool AllowRTFClipboard = false;
    bool AllowSmartClipboard = false;
    bool AllowClipboardAlways = false;
    bool AllowClipboardColGrow = true;
    bool AllowClipboardRowGrow = true;
    TClipboardPasteAction ClipboardPasteAction = paReplace;
    bool CopyHTMLTagsToClipboard = true;
    bool AdvanceAutoEdit = true;
    bool CursorWalkEditor = false;
    bool CursorWalkAlwaysEdit = true;
    bool MoveRowOnSort = false;
    bool KeepScrollOnSort = false;
    bool ImproveMaskSel = false;
    bool AlwaysEdit = false;
    TInsertPosition InsertPosition = pInsertBefore;
    bool LineFeedOnEnter = false;
    THomeEndAction HomeEndKey = heFirstLastColumn;
    bool KeepHorizScroll = false;
    bool AllowFmtClipboard = false;
    bool TabToNextAtEnd = false;
    bool EditSelectAll = true;
    TAdvanceDirection TabAdvanceDirection = adLeftRight;
    bool SkipFixedCells = true;
    bool SkipDisabledRows = true;
    bool AllowCtrlEnter = true;
    bool AppendOnArrowDown = false;
    bool LeftRightRowSelect = true;
    bool MoveScrollOnly = false;
    bool ComboGetUpDown = true;
    TNotifyEvent OnChange;
    bool AdvanceOnEnterLoop = true;
    TCursorAdvance CursorAdvance = caDefault;
    bool AdvanceSkipReadOnlyCells = true;
    bool CursorMoveRows = false;

private:
    void changed();

    bool FAdvanceInsert = false;
    TAdvanceDirection FAdvanceDirection = adLeftRight;
    bool FAdvanceAuto = false;
};

// Mouse selection, sizing and editing.
class TMouseActions : public TPersistent {
public:
    // Copies every option but SizeFixedRow, HotmailRowSelect, EditOnDblClickOnly and FixedComboValues.
    void Assign(const TPersistent& source) override;

    bool DisjunctRowSelect() const { return FDisjunctRowSelect; }
    void SetDisjunctRowSelect(bool value);
    bool DisjunctColSelect() const { return FDisjunctColSelect; }
    void SetDisjunctColSelect(bool value);
    bool DisjunctCellSelect() const { return FDisjunctCellSelect; }
    void SetDisjunctCellSelect(bool value);
    // The field itself, without the setter's effect.
    bool DisjunctRowSelectDirect() const { return FDisjunctRowSelect; }
    void SetDisjunctRowSelectDirect(bool value) { FDisjunctRowSelect = value; }
    bool HotmailRowSelect() const { return FHotmailRowSelect; }
    void SetHotmailRowSelect(bool value);
    bool EditOnDblClickOnly() const { return FEditOnDblClickOnly; }
    void SetEditOnDblClickOnly(bool value);
    TWheelAction WheelAction() const { return FWheelAction; }
    void SetWheelAction(TWheelAction value);
    const TStringList& FixedComboValues() const { return FFixedComboValues; }
    void SetFixedComboValues(const TStringList& values) { FFixedComboValues.Assign(values); }

    bool ColSelect = false;
    bool RowSelect = false;
    bool AllSelect = false;
    bool DirectEdit = false;
    bool DirectComboDrop = false;
    bool DirectComboClose = false;
    bool DirectDateClose = false;
    bool DirectDateDrop = false;
    bool AllColumnSize = false;
    bool AllRowSize = false;
    bool CaretPositioning = false;
    bool SizeFixedCol = false;
    bool SizeFixedRow = false;
    TGridFixedCellEdit FixedRowsEdit = fceNone;
    TGridFixedCellEdit FixedColsEdit = fceNone;
    TGridFixedCellEditor FixedRowsEditor = fceEdit;
    TGridFixedCellEditor FixedColsEditor = fceEdit;
    bool RangeSelectAndEdit = false;
    bool NoAutoRangeScroll = false;
    bool PreciseCheckBoxCheck = false;
    bool PreciseNodeClick = true;
    bool CheckAllCheck = false;
    bool NodeAllExpandContract = false;
    bool MoveRowOnNodeClick = false;
    bool RowSelectPersistent = false;
    bool SelectOnRightClick = false;
    bool NoScrollOnPartialRow = false;
    int WheelIncrement = 0;
    bool AutoSizeColOnDblClick = true;
    bool DisjunctRowSelectNoCtrl = false;
    TNotifyEvent OnChange;
    TNotifyEvent OnInvalidate;
    TIsDesigningEvent OnIsDesigning;
    TNotifyEvent OnDisableEdit;

private:
    bool designing();
    // Stores one of the three disjunct flags; in the designer only one of them stays on.
    void setDisjunct(bool& field, bool value);

    bool FDisjunctRowSelect = false;
    bool FDisjunctColSelect = false;
    bool FDisjunctCellSelect = false;
    bool FHotmailRowSelect = false;
    TWheelAction FWheelAction = waMoveSelection;
    bool FEditOnDblClickOnly = false;
    TStringList FFixedComboValues;
};

// The glow around the cell whose editor is open.
class TFocusHelper : public TPersistent {
public:
    void Assign(const TPersistent& source) override;
    bool Enabled = false;
};
