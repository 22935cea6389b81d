#pragma once
// Option objects of the grid: keyboard and clipboard, mouse, search panel, bands, focus helper.
#include <functional>

#include "platform/Classes.h"
#include "platform/Graphics.h"

enum TClipboardPasteAction { paReplace, paInsert };
enum TAdvanceDirection { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum TInsertPosition { pInsertBefore, pInsertAfter };
enum THomeEndAction { heFirstLastColumn, heFirstLastRow, heFirstLastCell };
enum TCursorAdvance { caDefault, caSnake, caLoop };
enum TGridFixedCellEdit { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TGridFixedCellEditor { fceEdit, fceComboEdit, fceComboList };
enum TWheelAction { waMoveSelection, waScroll };
enum TSearchDirection { sdTopBottom, sdLeftRight };

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

// The search panel under the grid. Setters notify OnChange; the Show flags and Visible only on a change.
class TSearchFooter : public TPersistent {
public:
    // InitDesign gives the captions and hints their texts for a grid new in the designer.
    explicit TSearchFooter(bool initDesign = false);
    // Copies the look, captions, hints and search options; not AutoSearch, SearchFixedCells,
    // AutoThemeAdapt or LastSearch.
    void Assign(const TPersistent& source) override;

    bool ShowFindPrev() const { return FShowFindPrev; }
    void SetShowFindPrev(bool value) { setOnChange(FShowFindPrev, value); }
    bool ShowFindNext() const { return FShowFindNext; }
    void SetShowFindNext(bool value) { setOnChange(FShowFindNext, value); }
    bool ShowHighLight() const { return FShowHighLight; }
    void SetShowHighLight(bool value) { setOnChange(FShowHighLight, value); }
    bool ShowMatchCase() const { return FShowMatchCase; }
    void SetShowMatchCase(bool value) { setOnChange(FShowMatchCase, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { setOnChange(FVisible, value); }
    bool ShowClose() const { return FShowClose; }
    void SetShowClose(bool value) { set(FShowClose, value); }
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool value) { set(FAutoThemeAdapt, value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { set(FColor, value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value) { set(FColorTo, value); }
    QString FindNextCaption() const { return FFindNextCaption; }
    void SetFindNextCaption(const QString& value) { set(FFindNextCaption, value); }
    QString FindPrevCaption() const { return FFindPrevCaption; }
    void SetFindPrevCaption(const QString& value) { set(FFindPrevCaption, value); }
    QString MatchCaseCaption() const { return FMatchCaseCaption; }
    void SetMatchCaseCaption(const QString& value) { set(FMatchCaseCaption, value); }
    QString HighLightCaption() const { return FHighLightCaption; }
    void SetHighLightCaption(const QString& value) { set(FHighLightCaption, value); }
    QString HintClose() const { return FHintClose; }
    void SetHintClose(const QString& value) { set(FHintClose, value); }
    QString HintFindPrev() const { return FHintFindPrev; }
    void SetHintFindPrev(const QString& value) { set(FHintFindPrev, value); }
    QString HintFindNext() const { return FHintFindNext; }
    void SetHintFindNext(const QString& value) { set(FHintFindNext, value); }
    QString HintHighlight() const { return FHintHighlight; }
    void SetHintHighlight(const QString& value) { set(FHintHighlight, value); }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& value);

    TNotifyEvent OnChange;
    bool AutoSearch = true;
    QString LastSearch;
    int SearchColumn = -1;
    bool SearchActiveColumnOnly = false;
    bool SearchMatchStart = false;
    bool SearchFixedCells = false;
    bool SearchHiddenRows = false;
    bool AlwaysHighLight = false;
    TSearchDirection SearchDirection = sdTopBottom;

private:
    void changed();
    template <typename T>
    void set(T& field, const T& value)
    {
        field = value;
        changed();
    }
    void setOnChange(bool& field, bool value)
    {
        if (field != value)
            set(field, value);
    }

    bool FShowFindPrev = true;
    bool FShowFindNext = true;
    QString FFindNextCaption;
    QString FFindPrevCaption;
    TColor FColorTo = clBtnFace;
    TColor FColor = 0xFFFFFF;
    bool FVisible = false;
    bool FAutoThemeAdapt = false;
    bool FShowClose = true;
    bool FShowHighLight = true;
    bool FShowMatchCase = true;
    QString FMatchCaseCaption;
    QString FHintClose;
    QString FHintFindPrev;
    QString FHintHighlight;
    QString FHintFindNext;
    QString FHighLightCaption;
    TFont FFont;
};

// Alternating row colours.
class TBands : public TPersistent {
public:
    // Copies every setting without events.
    void Assign(const TPersistent& source) override;

    bool Active() const { return FActive; }
    void SetActive(bool value);
    int TotalLength() const { return FTotalLength; }
    int PrimaryLength() const { return FPrimaryLength; }
    void SetPrimaryLength(int value);
    int SecondaryLength() const { return FSecondaryLength; }
    void SetSecondaryLength(int value);
    TColor PrimaryColor() const { return FPrimaryColor; }
    void SetPrimaryColor(TColor value);
    TColor SecondaryColor() const { return FSecondaryColor; }
    void SetSecondaryColor(TColor value);

    bool Print = false;
    TNotifyEvent OnChange;

private:
    void changedWhileActive();
    void setLength(int& field, int value);
    void setColor(TColor& field, TColor value);

    bool FActive = false;
    int FTotalLength = 2;
    int FSecondaryLength = 1;
    int FPrimaryLength = 1;
    TColor FSecondaryColor = clWindow;
    TColor FPrimaryColor = clInfoBk;
};
