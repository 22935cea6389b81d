#pragma once
// TVoColumnGrid: the string grid with one column item per real column that carries the column's
// settings (header, width, colours, editor and its items, read-only, check-box texts, filter list ...).
// Wherever the string grid asks a hook about a cell, the column grid answers from the cell's column first
// and the string grid's hook and event have the last word. Split by concern:
//   VoCGridColumns.cpp   the column item and the collection
//   VoCGrid.cpp          the grid: construction, column count, headers, cell hooks, structure
//   VoCGridPositions.cpp column positions ("CP" keys of an INI file) and the column stream
#include "grid/VoGrid/VoGrid.h"

#include <memory>
#include <vector>

class TVoColumnGrid;
class TGridColumnCollection;
class TPopupMenu;

enum TColumnPopupType {
    cpFixedCellsRClick,
    cpFixedCellsLClick,
    cpNormalCellsRClick,
    cpNormalCellsLClick,
    cpAllCellsRClick,
    cpAllCellsLClick,
};

// One column of a column grid; its index in the collection is the real column index.
class TGridColumnItem : public TPersistent {
public:
    // Without a collection the item takes nothing from a grid and reports no change.
    explicit TGridColumnItem(TGridColumnCollection* Collection);
    ~TGridColumnItem() override;
    TGridColumnItem(const TGridColumnItem&) = delete;
    TGridColumnItem& operator=(const TGridColumnItem&) = delete;

    // Everything but ColumnPopupType, PrintBorderCustom and PrintFontCustom; the width as stored.
    void Assign(const TPersistent& Source) override;
    // What Assign copies but the combo items, drop-down count, header font, header, name and tag;
    // colour and font from the grid.
    void AssignVisuals(const TGridColumnItem& Source);
    // "Col <i>: <Name>" with a name, "Column <i>" without.
    QString DisplayName() const;
    int Index() const;
    TGridColumnCollection* Collection() const { return FCollection; }

    // The grid's current width of the column (0 without a collection); a write sizes the grid's column.
    int Width() const;
    void SetWidth(int Value);
    int StoredWidth() const { return FWidth; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    QString Header() const { return FHeader; }
    void SetHeader(const QString& Value);
    TFont& Font() { return FFont; }
    void SetFont(const TFont& Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TEditorType Editor() const { return FEditor; }
    void SetEditor(TEditorType Value);
    bool Fixed() const { return FFixed; }
    void SetFixed(bool Value);
    TStringList& ComboItems() { return FComboItems; }
    void SetComboItems(const TStringList& Value) { FComboItems.Assign(Value); }
    bool Password() const { return FPassword; }
    void SetPassword(bool Value);
    TCellBorders Borders() const { return FBorders; }
    void SetBorders(TCellBorders Value);
    TPen& BorderPen() { return FBorderPen; }
    void SetBorderPen(const TPen& Value) { FBorderPen.Assign(Value); }
    TPen& PrintBorderPen() { return FPrintBorderPen; }
    void SetPrintBorderPen(const TPen& Value) { FPrintBorderPen.Assign(Value); }
    TFont& PrintFont() { return FPrintFont; }
    void SetPrintFont(const TFont& Value) { FPrintFont.Assign(Value); }
    bool ShowBands() const { return FShowBands; }
    void SetShowBands(bool Value);
    TStringList& Filter() { return FFilter; }
    void SetFilter(const TStringList& Value) { FFilter.Assign(Value); }
    QString FloatFormat() const { return FFloatFormat; }
    void SetFloatFormat(const QString& Value);
    TAlignment HeaderAlignment() const { return FHeaderAlignment; }
    void SetHeaderAlignment(TAlignment Value);
    TFont& HeaderFont() { return FHeaderFont; }
    void SetHeaderFont(const TFont& Value);

    // Column-wise cell access: the grid's cells at (this column, row).
    QString Rows(int ARow) const;
    void SetRows(int ARow, const QString& Value);
    int Ints(int ARow) const;
    void SetInts(int ARow, int Value);
    double Floats(int ARow) const;
    void SetFloats(int ARow, double Value);
    TDateTime Dates(int ARow) const;
    void SetDates(int ARow, TDateTime Value);
    TDateTime Times(int ARow) const;
    void SetTimes(int ARow, TDateTime Value);

    // Plain stored settings.
    TSortStyle SortStyle = ssAutomatic;
    QString SortPrefix;
    QString SortSuffix;
    QString EditMask;
    int EditLength = 0;
    TEditLink* EditLink = nullptr;
    bool ReadOnly = false;
    int DropDownCount = 8;
    int SpinMin = 0;
    int SpinMax = 0;
    int SpinStep = 1;
    TColor PrintColor = clWhite;
    TCellBorders PrintBorders = cbTop | cbLeft | cbRight | cbBottom;
    int Tag = 0;
    int DefIdx = 0;
    QString Name;
    QString CheckFalse = QStringLiteral("N");
    QString CheckTrue = QStringLiteral("Y");
    int MaxSize = 0;
    int MinSize = 0;
    int AutoMinSize = 0;
    int AutoMaxSize = 0;
    TColumnPopupType ColumnPopupType = cpFixedCellsRClick;
    TPopupMenu* ColumnPopup = nullptr;
    bool FilterCaseSensitive = false;
    bool PrintBorderCustom = true;
    bool PrintFontCustom = true;

private:
    friend class TGridColumnCollection;
    friend class TVoColumnGrid;
    VOroDavoduRuzu* grid() const;
    void changed();
    void repaint();

    TGridColumnCollection* FCollection;
    int FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
    QString FHeader;
    TFont FFont;
    TColor FColor = clWindow;
    TEditorType FEditor = edNormal;
    bool FFixed = false;
    TStringList FComboItems;
    bool FPassword = false;
    TFont FPrintFont;
    TCellBorders FBorders = 0;
    TPen FBorderPen;
    TPen FPrintBorderPen;
    bool FShowBands = false;
    TStringList FFilter;
    QString FFloatFormat;
    TAlignment FHeaderAlignment = taLeftJustify;
    TFont FHeaderFont;
};

// The columns of a column grid, owned by it.
class TGridColumnCollection : public TPersistent {
public:
    explicit TGridColumnCollection(TVoColumnGrid* AOwner) : FOwner(AOwner) {}
    ~TGridColumnCollection() override;

    int Count() const { return static_cast<int>(FItems.size()); }
    TGridColumnItem* Items(int Index) const { return FItems.at(static_cast<size_t>(Index)).get(); }
    // A new last item; after the first it takes the visuals of the item before it.
    TGridColumnItem* Add();
    TGridColumnItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    // Moves an item to another index, the others shifting.
    void Move(int FromIndex, int ToIndex);
    // Copies the items of another collection (as many items, each assigned).
    void Assign(const TPersistent& Source) override;
    TVoColumnGrid* Owner() const { return FOwner; }

    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    // After a change of an item, or of the items: brings the grid's column count and headers in line.
    void Update();
    // SyncColumnItems, then every column's DefIdx := its index.
    void SetOrganization();
    // Moves columns until each sits at its DefIdx.
    void ResetOrganization();

    bool FNoRecursiveUpdate = false;

private:
    friend class TGridColumnItem;
    int indexOf(const TGridColumnItem* item) const;

    TVoColumnGrid* FOwner;
    std::vector<std::unique_ptr<TGridColumnItem>> FItems;
    int FUpdateCount = 0;
};

using TColumnPopupEvent = std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu* PopupMenu)>;
using TColumnMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

class TVoColumnGrid : public VOroDavoduRuzu {
public:
    explicit TVoColumnGrid(TComponent* AOwner);
    ~TVoColumnGrid() override;
    QString ClassName() const override { return QStringLiteral("TVoColumnGrid"); }

    TGridColumnCollection& Columns() { return *FColumns; }
    void SetColumns(const TGridColumnCollection& Value) { FColumns->Assign(Value); }
    int ColCount() const { return VOroDavoduRuzu::ColCount(); }
    // The string grid's write, then the items follow the column count.
    void SetColCount(int Value);
    // One item per real column: adds or frees items at the end.
    void SyncColumnItems();
    // Refills ColumnHeaders from the items (an empty header takes the text of its row-0 cell).
    void RebuildColumnHeaders();
    // The first column whose Name is exactly the text, nullptr when none.
    TGridColumnItem* GetColumnByName(const QString& AValue) const;

    // The string grid's structure change, then as many items at that index.
    void InsertCols(int ColIndex, int CCount) override;
    void RemoveCols(int ColIndex, int CCount) override;
    // The grouped column's item is kept aside while the grid is grouped and given back when it ungroups.
    void Group(int Colindex) override;
    void UnGroup() override;
    // The entry of the column's own Filter list picked under FilterColumn(): its condition becomes the
    // column's filter.
    void FilterListSelect(int ItemIndex) override;
    // The string grid's scaling, then each column's font and header font.
    void ChangeScale(int M, int D) override;

    // "CP<i>" = DefIdx of column i, in the section of the INI file.
    void SaveColumnPositions(const QString& Key, const QString& Section);
    // Applied only when every key "CP0" .. "CP<count-1>" is there and the values are a permutation of the
    // columns; otherwise nothing changes.
    void LoadColumnPositions(const QString& Key, const QString& Section);
    // Through ColumnSize: the INI file when its location is clIniFile.
    void SaveColPositions();
    void LoadColPositions();
    // The columns' settings as text lines, and read back; a malformed stream changes nothing.
    QString SaveColumnsToStream();
    bool LoadColumnsFromStream(const QString& Stream);

    std::uint32_t GetVersionNr() const override { return 50397953; }
    QString GetVersionString() const override;

    bool AutoFilterDisplay = false;
    TColumnPopupEvent OnColumnPopup;
    TColumnMovedEvent OnAfterColumnMoved;

    // ===== Cell hooks answered per column =====
    void QueryCellColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont) override;
    void QueryCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont) override;
    void QueryCellBorder(int ACol, int ARow, TCellBorders& Borders, TPen& APen) override;
    void QueryCellPrintBorder(int ACol, int ARow, TCellBorders& Borders, TPen& APen) override;
    void QueryCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
    void QueryCellFormat(int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix) override;
    void QueryEditorType(int ACol, int ARow, TEditorType& AEditor) override;
    void QueryFixedCell(int ACol, int ARow, bool& IsFixed) override;
    void QueryCellEditable(int ACol, int ARow, bool& CanEdit) override;
    void QueryPasswordCell(int ACol, int ARow, bool& IsPassword) override;
    bool QueryHasComboBox(int ACol, int ARow) override;
    void QueryCheckTrueText(int ACol, int ARow, QString& Value) override;
    void QueryCheckFalseText(int ACol, int ARow, QString& Value) override;
    QString QueryFloatFormat(int ACol, int ARow) override;
    bool QueryColumnFilterItems(int ACol) override;
    void QueryCellVisuals(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                          TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA, bool& WW,
                          TCellGradientDirection& GD) override;
    TCellType GetCellType(int ACol, int ARow) override;
    TCellGraphic* GetCellGraphic(int ACol, int ARow) override;
    // The display text: the column's float format applied to a number.
    QString GetFormattedCell(int ACol, int ARow) override;
    // The width the user sizes column ACol to, within MinSize / MaxSize (AutoMinSize / AutoMaxSize).
    void QueryColumnSize(int ACol, int& NewWidth);
    void QueryAutoColumnSize(int ACol, int& NewWidth);
    void ColumnHeadersChanged() override;
    // The footer, then one item per real column again.
    void RecalcFooter() override;

protected:
    virtual std::unique_ptr<TGridColumnCollection> CreateColumns();
    void Loaded() override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void ColWidthsChanged() override;
    // A removed component is no column's popup menu any more.
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // A click with the button of the column's popup type, in the kind of cell it names: OnColumnPopup, then
    // the column's menu at the cell's bottom-left corner.
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    QString GetEditMask(int ACol, int ARow) override;
    int GetEditLimit() override;

private:
    friend class TGridColumnItem;
    friend class TGridColumnCollection;
    // The item of a real column, nullptr when there is none.
    TGridColumnItem* item(int realCol) const;
    // Not in a fixed column or row, a right fixed column or a footer row.
    bool isNormalCell(int ACol, int ARow) const;
    bool inNormalRegion(int ACol, int ARow) const { return ACol >= FixedCols() && ARow >= FixedRows(); }
    // The grid's column move (display indexes).
    void MoveColumnTo(int FromIndex, int ToIndex);

    std::unique_ptr<TGridColumnCollection> FColumns;
    // The settings of the grouped column.
    TGridColumnItem FSpareColumn{nullptr};
    TCellGraphic FVirtCheck;
    bool FColumnMoving = false;
    bool FDestroying = false;
};
