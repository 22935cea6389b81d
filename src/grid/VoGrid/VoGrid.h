#pragma once
// VOroDavoduRuzu: the advanced string grid of every table editor. One class; its member functions are
// split by concern over the files of this folder:
//   VoGridCreate.cpp      construction, defaults and life cycle
//   VoGridProperties.cpp  the published properties' writes
//   VoGridUnit.cpp        unit start-up and shut-down, unit services, listeners, dialog keys
//   VoGridHooks.cpp       cell query hooks and notification events
//   VoGridIndex.cpp       the real and display index spaces
//   VoGridHidden.cpp      hidden columns and rows, hiding levels
//   VoGridStructure.cpp   inserting, removing, clearing, trimming and merging rows and columns
//   VoGridMoves.cpp       row and column moves
//   VoGridSelection.cpp   which cell may become current, the selections, row flags, repaints of cell areas
//   VoGridSizing.cpp      fixed areas, fills, numbering, sizing to contents, fitting, zoom, swaps
//   VoGridNodes.cpp       nodes, tree rows and expandable cells
//   VoGridColumnState.cpp column widths, order and visibility kept across runs
//   VoGridStretch.cpp     column stretching, width and height changes
//   VoGridScroll.cpp      scroll hints, proportional thumbs, drag scrolling
//   VoGridCells.cpp       cell text and typed access
//   VoGridCellProps.cpp   per-cell properties, row colours, cell controls, headers, column order
//   VoGridGraphics.cpp    cell graphics: attach, look up, remove, their room, the display transform
//   VoGridObjects.cpp     the cell object operations (bitmaps, pictures, progress, comments, buttons ...)
#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "grid/VoCalc/VoColumnCalc.h"
#include "grid/VoGrid/VoGridCellGraphic.h"
#include "grid/VoGrid/VoGridControls.h"
#include "grid/VoGrid/VoGridEditEvents.h"
#include "grid/VoGrid/VoGridSettings.h"
#include "grid/VoGrid/VoGridUnit.h"
#include "grid/VoSearch/VoFindMatch.h"
#include "grid/VoSort/VoSortOrder.h"
#include "grid/base/BaseGrid/BaseGrid.h"
#include "grid/base/VoFocusWindow.h"
#include "grid/base/VoObj/VoObjControls.h"
#include "grid/base/VoObj/VoObjFilePicture.h"
#include "grid/base/VoObj/VoObjLists.h"
#include "grid/base/VoObj/VoObjOptions.h"
#include "grid/base/VoStyleIF.h"
#include "grid/base/VoUtil/VoUtilDraw.h"
#include "grid/base/VoUtil/VoUtilText.h"
#include "platform/Classes.h"
#include "platform/IniFile.h"
#include "platform/ScrollBar.h"
#include "platform/Timers.h"

class VOroDavoduRuzu;
class QIODevice;
class TCustomForm;
class TImageList;
class TEditLink;
class TVoInplaceEdit;
class TGridSpin;
class TGridDatePicker;
class TGridDateTimePicker;
struct THtmlRenderResult;
struct THintInfo;
class TBalloonHint;
struct TBalloonTipText;
class TGridEditBtn;
class TGridUnitEditBtn;
class TVoRichEdit;
class TGridColorDropDown;
class TGridImageDropDown;

// Only real columns 0 .. MaxHiddenColumn - 1 can be hidden; the maps have one entry more.
constexpr int MaxHiddenColumn = 512;
constexpr int ColumnMapSize = MaxHiddenColumn + 1;

enum TGridLook { glStandard, glSoft, glClassic, glQEV, glXP, glListView, glVista, glWin7, glOffice2007, glCustom };
enum TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };
// Named colour styles; the same order as the component styles.
enum TVoGridStyle {
    gsOffice2003Blue,
    gsOffice2003Silver,
    gsOffice2003Olive,
    gsOffice2003Classic,
    gsOffice2007Luna,
    gsOffice2007Obsidian,
    gsWindowsXP,
    gsWhidbey,
    gsCustom,
    gsOffice2007Silver,
    gsWindowsVista,
    gsWindows7,
    gsTerminal,
    gsOffice2010Blue,
    gsOffice2010Silver,
    gsOffice2010Black,
};
enum TXPColorScheme { xpNone, xpBlue, xpGreen, xpGray, vistaAero };
enum TScrollBarAlways { saNone, saVert, saHorz, saBoth };
enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
// Export states announced to the grid's notification (files, and rows sized one by one).
enum TGridExportState { esExportStart, esExportNextRow, esExportSelRow, esExportNewRow, esExportDone };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
enum TDragScrollDirection : std::uint8_t { dsdUp = 1 << 0, dsdDown = 1 << 1, dsdLeft = 1 << 2, dsdRight = 1 << 3 };
using TDragScrollDirections = std::uint8_t;
enum TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };
enum THintPosition { hpCell, hpCursor };
enum TFilterDropDownColumns { fdNormal, fdAll };
enum THoverFixedCells { hfNone, hfAll, hfFixedRows, hfFixedColumns };
enum TMouseSelectMode { msNormal, msColumn, msRow, msAll, msURL, msResize };
enum TSearchFooterAction { saFindFirst, saFindPrevious, saFindNext };
// Directions of panning with the pressed wheel.
enum TIntelliPan { ipVertical, ipHorizontal, ipBoth, ipNone };

enum TCellBorder : std::uint8_t { cbLeft = 1 << 0, cbTop = 1 << 1, cbRight = 1 << 2, cbBottom = 1 << 3 };
using TCellBorders = std::uint8_t;

// A hidden row: its real index, its cells of every real column as the store kept them (texts and cell
// objects), its height and hiding level.
struct TGridItem {
    int Idx = 0;
    int Height = 0;
    int Level = 0;
    TGridRowCells Cells;
    TGridRowCells& Items() { return Cells; }
    const TGridRowCells& Items() const { return Cells; }
};

// Told of every changed range of cells.
class TGridChangeNotifier : public TComponent {
public:
    using TComponent::TComponent;
    virtual void CellsChanged(const TGridRect& ARect) { (void)ARect; }
};

// The one selection listener of a grid.
class IVOroDavoduRuzuSelect {
public:
    virtual void CellSelected(int ACol, int ARow) = 0;

protected:
    ~IVOroDavoduRuzuSelect() = default;
};

// Event signatures keep the parameter order of the system's own: hint, click and cell events pass the
// row first; validation, edit, combo and check events the column first.
using TClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TCanEditCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& CanEdit)>;
using TGetCellCursorEvent = std::function<void(TObject* Sender, int ACol, int ARow, int X, int Y, TCursor& ACursor)>;
using TGridHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, QString& hintstr)>;
using TGridColorEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush& ABrush, TFont& AFont)>;
using TGridBorderEvent = std::function<void(TObject* Sender, int ARow, int ACol, TPen& APen, TCellBorders& Borders)>;
using TGridAlignEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign)>;
using TGridFormatEvent =
    std::function<void(TObject* Sender, int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix)>;
using TGetEditorTypeEvent = std::function<void(TObject* Sender, int ACol, int ARow, TEditorType& AEditor)>;
using TIsFixedCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsFixed)>;
using TIsPasswordCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& IsPassword)>;
using TWordWrapEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& WordWrap)>;
using THasComboBoxEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& HasComboBox)>;
using THasSpinEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& HasSpinEdit)>;
using TGetCheckEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TGetColumnFilterEvent = std::function<void(TObject* Sender, int Column, TStringList& Filter)>;
using TClickSortEvent = std::function<void(TObject* Sender, int ACol)>;
using TGridPrintPageNumEvent =
    std::function<void(TObject* Sender, int PageNum, int PageColNum, QString& PageNumString)>;
using TGetEditorPropEvent = std::function<void(TObject* Sender, int ACol, int ARow, TEditLink* AEditLink)>;
using TGetEditorPropIntEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TCheckBoxClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool State)>;
using TSearchFooterActionEvent =
    std::function<void(TObject* Sender, const QString& Value, int ACol, int ARow, TSearchFooterAction Action)>;
using TButtonClickEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TExpandClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool Expanded)>;
using TComboCloseUpEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TScrollCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax)>;
using TCanShowFixedDropDownEvent = std::function<void(TObject* Sender, int ACol, bool& CanShow)>;
using TCellsChangedEvent = std::function<void(TObject* Sender, const TGridRect& R)>;
using TCellTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TUnitChangedEvent = std::function<void(TObject* Sender, int ACol, int ARow, const QString& NewUnit)>;
using TScrollHintEvent = std::function<void(TObject* Sender, int ARow, QString& hintstr)>;
using TDragScrollEvent = std::function<void(TObject* Sender, int TopRow, int LeftCol,
                                            TDragScrollDirections& DragScrollDir, bool& CanScroll)>;
using TEndColumnSizeEvent = std::function<void(TObject* Sender, int ACol)>;
using TUpdateColumnSizeEvent = std::function<void(TObject* Sender, int ACol, int& AWidth)>;
// Selection, navigation, moves and the row hooks.
using TRowChangingEvent = std::function<void(TObject* Sender, int OldRow, int NewRow, bool& Allow)>;
using TColChangingEvent = std::function<void(TObject* Sender, int OldCol, int NewCol, bool& Allow)>;
using TCellChangingEvent =
    std::function<void(TObject* Sender, int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow)>;
using TRowUpdateEvent = std::function<void(TObject* Sender, int OldRow, int NewRow)>;
using TSelectionChangedEvent = std::function<void(TObject* Sender, int ALeft, int ATop, int ARight, int ABottom)>;
using TRowDisjunctSelectEvent = std::function<void(TObject* Sender, int ARow, bool AState, bool& Allow)>;
using TRowDisjunctSelectedEvent = std::function<void(TObject* Sender, int ARow)>;
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;
using TAutoDeleteRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TCanAddRowEvent = std::function<void(TObject* Sender, bool& CanAdd)>;
using TCanInsertRowEvent = std::function<void(TObject* Sender, int ARow, bool& CanInsert)>;
using TAutoInsertRowEvent = std::function<void(TObject* Sender, int ARow)>;
using TRatingChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, int& NewRate, bool& Allow)>;
using TFixedEditEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TEditorType& AEditor, TStringList& Values)>;
// Sorting, filtering, searching and calculations.
using TCustomCompareEvent = std::function<void(TObject* Sender, const QString& str1, const QString& str2, int& Res)>;
using TRawCompareEvent = std::function<void(TObject* Sender, int ACol, int Row1, int Row2, int& Res)>;
using TRowChangedEvent = std::function<void(TObject* Sender, int OldRow, int NewRow)>;
using TCustomFilterEvent = std::function<void(TObject* Sender, int ARow, bool& AcceptRow)>;
using TFilterProgressEvent = std::function<void(TObject* Sender, int Progress)>;
using TFilterSelectEvent = std::function<void(TObject* Sender, int Column, int ItemIndex, const QString& FriendlyName,
                                              QString& FilterCondition)>;
using TFilterCheckEvent = std::function<void(TObject* Sender, int Column, int ItemIndex, const QString& FriendlyName,
                                             QString& FilterCondition, TDropCheckList& CheckList)>;
using TGroupCalcEvent = std::function<void(TObject* Sender, int ACol, int FromRow, int ToRow, double& Res)>;
using TCalcFooterEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TSearchEditChangeEvent = std::function<void(TObject* Sender, const QString& Value, bool& DefaultSearch)>;
// Events of the cell painter.
using TGetCellGradientEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo, TColor& ColorMirror,
                       TColor& ColorMirrorTo, TCellGradientDirection& GD)>;
using TGetFloatFormatEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, bool& IsFloat, QString& FloatFormat)>;
using TCustomCellDrawEvent = std::function<void(TObject* Sender, TCanvas& Canvas, int ACol, int ARow,
                                                TGridDrawState AState, const TRect& ARect, bool Printing)>;
using TGetCellBorderPropEvent = std::function<void(TObject* Sender, int ARow, int ACol, TPen& LeftPen, TPen& TopPen,
                                                   TPen& RightPen, TPen& BottomPen)>;

// Events of moves, drag and drop, anchors, balloons, form controls, pickers, printing and files.
using TAnchorEvent = std::function<void(TObject* Sender, int ARow, int ACol, const QString& Anchor)>;
using TAnchorHintEvent = std::function<void(TObject* Sender, int ARow, int ACol, QString& Anchor)>;
using TCanSortEvent = std::function<void(TObject* Sender, int ACol, bool& DoSort)>;
using TGridBalloonEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, QString& ATitle, QString& AText, int& AIcon)>;
// The page size and range of a cell scroll bar.
struct TScrollProp {
    int PageSize = -1;
    int Range = -1;
};

using TColorSelectEvent = std::function<void(TObject* Sender, int ACol, int ARow, TColor Color, const QString& Value)>;
using TColorSelectedEvent = std::function<void(TObject* Sender, int ACol, int ARow, TColor& Color, QString& Value)>;
using TImageSelectEvent = std::function<void(TObject* Sender, int ACol, int ARow, int Index)>;
using TImageSelectedEvent = std::function<void(TObject* Sender, int ACol, int ARow, int& Index)>;
using TDropDownButtonClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int ButtonIndex)>;
using TFixedDropDownEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TPopupMenu*& AMenu, bool& KeepFixedCellHighlighted)>;
using TCustomCellSizeEvent =
    std::function<void(TObject* Sender, TCanvas& Canvas, int ACol, int ARow, TPoint& ASize, bool Printing)>;
using TFooterPaintEvent = std::function<void(TObject* Sender, TCanvas& Canvas, const TRect& ARect)>;
using TSelectionResizeEvent =
    std::function<void(TObject* Sender, const TGridRect& OrigSelection, const TGridRect& NewSelection)>;
using TOleDragDropEvent = std::function<void(TObject* Sender, int ARow, int ACol, const QString& data, bool& Allow)>;
using TOleDragOverEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)>;
using TOleDragStartEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TOleDragStopEvent = std::function<void(TObject* Sender, int OLEEffect)>;
using TOleDroppedEvent = std::function<void(TObject* Sender, const TGridRect& Selection)>;
using TOleDropColEvent = std::function<void(TObject* Sender, int ARow, int ACol, int DropCol)>;
using TFileProgressEvent = std::function<void(TObject* Sender, int Progress)>;
using TFitToPageEvent = std::function<void(TObject* Sender, double& ScaleFactor, bool& Allow)>;
using TPrintSetColumnWidthEvent = std::function<void(TObject* Sender, int ACol, int& Width)>;
using TPrintSetRowHeightEvent = std::function<void(TObject* Sender, int ARow, int& Height)>;
using TPrintPageEvent = std::function<void(TObject* Sender, TCanvas& Canvas, int PageNr, int PageXSize, int PageYSize)>;
using TPrintNewPageEvent = std::function<void(TObject* Sender, int ARow, bool& NewPage)>;
using TPrintPageDoneEvent = std::function<void(TObject* Sender, TCanvas& Canvas, int LastRow, int LastRowOffset,
                                               int LastPage, int PageXSize, int PageYSize)>;
using TPrintCancelEvent = std::function<void(TObject* Sender, int PageNr, bool& Cancel)>;
using TPrintStartEvent = std::function<void(TObject* Sender, int NrOfPages, int& FromPage, int& ToPage)>;

// The look's name as stored ("glXP") and as shown ("Windows XP"); Text stays as it was for glCustom.
void GridLookToText(TGridLook Look, QString& Text);
void GridLookCaption(TGridLook Look, QString& Text);
// Events of the keyboard, the mouse and the cell advance.
using TRadioClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AIdx)>;
using TRadioButtonClickEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TAutoAdvanceEvent =
    std::function<void(TObject* Sender, int OldRow, int OldCol, int& NewRow, int& NewCol, bool& Allow)>;
using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TCanClickCellEvent = std::function<void(TObject* Sender, int ARow, int ACol, bool& Allow)>;
using TColumnSizeEvent = std::function<void(TObject* Sender, int ACol, bool& Allow)>;
using TRowSizeEvent = std::function<void(TObject* Sender, int ARow, bool& Allow)>;
using TColumnSizingEvent = std::function<void(TObject* Sender, int ACol, int ColumnSize)>;
using TRowSizingEvent = std::function<void(TObject* Sender, int ARow, int RowSize)>;
using TNodeEvent = std::function<void(TObject* Sender, int ARow, int ARowReal)>;
using TBeforeNodeEvent = std::function<void(TObject* Sender, int ARow, int ARowReal, bool& Allow)>;
using TAnchorClickEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const QString& Anchor, bool& AutoHandle)>;

class VOroDavoduRuzu : public TBaseGrid, public IQEVStyle, public IQEVTones {
public:
    // ===== Construction, defaults and life cycle =====
    explicit VOroDavoduRuzu(TComponent* AOwner);
    ~VOroDavoduRuzu() override;
    QString ClassName() const override { return QStringLiteral("VOroDavoduRuzu"); }
    // Copies another string grid's settings, shape and cells (cells last); other sources are ignored.
    void Assign(const TPersistent& Source) override;
    // Another string grid's cells through the text cell stream when the grid I/O library is installed, else
    // the texts of the cells both grids have.
    virtual void AssignCells(const TPersistent& Source);
    void Invalidate() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void ApplyScrollBarAlways(bool HideWhenFitting);
    void FreeScrollControls();
    void CreateScrollControls();
    static TCustomForm* FindParentForm(TControl* Control);
    void SetComponentStyle(TQEVStyle AStyle) override;

    // ===== Grid styles and colour schemes (VoGridStyles.cpp) =====
    // Resets the selection, sort header and control look colours, then applies the style's look and colours.
    virtual void SetStyle(TVoGridStyle AStyle);
    // The flat metro look from five colour pairs.
    void SetColorTones(const TColorTones& ATones) override;
    const TColorTones& ColorTones() const { return FTones; }
    TQEVStyle ComponentStyle() const { return FStyle; }
    void SetTheme(TXPColorScheme Scheme);
    // Sets the component style of the current Office colour theme once per change of theme.
    void AdaptToOfficeTheme();
    // Follows the application's style unless it is the system's own.
    void ApplyVCLStyleColors();
    bool UseVCLStyles() const { return FUseVCLStyles; }

    // ===== Floating footer, focus frame, sizing lines and notifications (VoGridFooterPaint.cpp, VoGridSurface.cpp)
    // Paints a footer cell (fixed last row, preview) or the whole custom footer instead of the grid.
    std::function<void(TObject* Sender, int ACol, TCanvas& Canvas, const TRect& ARect)> OnPaintFooter;
    virtual void RecalcFooterColumn(int ACol) { CalcFooter(ACol); }
    // The translucent frame round a cell (client coordinates); one grid at a time shows it.
    void ShowFocusWindow(const TRect& ACellRect);
    void HideFocusWindow();
    static VOroDavoduRuzu* ActiveFocusGrid();
    // Dotted XOR lines shown while a fixed column or row is sized: drawing one twice erases it.
    void DrawColSizingLine(int X);
    void DrawRowSizingLine(int Y);
    // The window border in BorderColor for the looks that have their own (not under the update lock).
    void PaintGridBorder(TCanvas& Canvas);
    void Click() override;

    // ===== Display settings and rotated cells (VoGridLook.cpp) =====
    // The writes of display properties that repaint; the plain values are the fields of the same names.
    void SetURLColor(TColor Value);
    void SetURLShow(bool Value);
    void SetURLShowInText(bool Value);
    void SetURLFull(bool Value);
    void SetShowDesignHelper(bool Value);
    void SetRowIndicator(const TBitmap& Value);
    void SetBackGround(const TBackGround& Value);
    void SetHighlightColor(TColor Value);
    void SetHighlightTextColor(TColor Value);
    void SetActiveCellShow(bool Value);
    void SetActiveCellColor(TColor Value);
    void SetActiveCellColorTo(TColor Value);
    void SetXYOffset(TPoint Value);
    void UpdateXYOffset(int X, int Y) { XYOffset = {X, Y}; }
    // The colour of the arrows that mark where dragged cells, rows or columns drop.
    TColor ArrowColor() const { return FArrowColor; }
    void SetArrowColor(TColor Value) { FArrowColor = Value; }
    // Follows the Office colour theme while on.
    void SetAutoThemeAdapt(bool Value);
    void AddRotated(int ACol, int ARow, std::int16_t AAngle, const QString& s);
    void SetRotated(int ACol, int ARow, std::int16_t AAngle);
    bool RemoveRotated(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRotated); }
    // aAngle is left as it is for a cell that is not rotated.
    bool IsRotated(int ACol, int ARow, int& aAngle);
    virtual void IncRowCount() { SetRowCount(RowCount() + 1); }
    void UpdateLastRow() override;
    bool UseStylesActive() override { return FUseVCLStyles; }

    // ===== Published properties (writes with effects; plain values are fields below) =====
    int RowCount() const { return TBaseGrid::RowCount(); }
    void SetRowCount(int Value);
    int ColCount() const { return TBaseGrid::ColCount(); }
    void SetColCount(int Value);
    int DefaultRowHeight() const { return TBaseGrid::DefaultRowHeight(); }
    void SetDefaultRowHeight(int Value);
    int FixedRowHeight() const { return FFixedRowHeight; }
    void SetFixedRowHeight(int Value);
    int FixedColWidth() const { return FFixedColWidth; }
    void SetFixedColWidth(int Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TGridLook Look() const { return FLook; }
    void SetLook(TGridLook Value);
    TScrollType ScrollType() const { return FScrollType; }
    void SetScrollType(TScrollType Value);
    TScrollBarAlways ScrollBarAlways() const { return FScrollBarAlways; }
    void SetScrollBarAlways(TScrollBarAlways Value);
    int ScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(int Value);
    TColor ScrollColor() const { return FScrollColor; }
    void SetScrollColor(TColor Value);
    TCursor Cursor() const { return TBaseGrid::Cursor(); }
    void SetCursor(TCursor Value);
    TStringList& ColumnHeaders() { return FColumnHeaders; }
    void SetColumnHeaders(const TStringList& Value);
    TStringList& RowHeaders() { return FRowHeaders; }
    void SetRowHeaders(const TStringList& Value);
    TStringList& LookupItems() { return FLookupItems; }
    void SetLookupItems(const TStringList* Value);
    TFont& FixedFont() { return FFixedFont; }
    void SetFixedFont(const TFont& Value);
    TFont& ActiveCellFont() { return FActiveCellFont; }
    void SetActiveCellFont(const TFont& Value);
    TFocusHelper& FocusHelper() { return FFocusHelper; }
    void SetFocusHelper(const TFocusHelper& Value) { FFocusHelper.Assign(Value); }
    bool UseHTMLHints() const { return FUseHTMLHints; }
    void SetUseHTMLHints(bool Value);
    // "6.2.1.3"; writing does nothing.
    QString Version() const;
    void SetVersion(const QString&) {}
    virtual std::uint32_t GetVersionNr() const { return 0x06020103; }
    virtual QString GetVersionString() const;

    // Settings objects.
    TNavigation& Navigation() { return FNavigation; }
    TMouseActions& MouseActions() { return FMouseActions; }
    TSearchFooter& SearchFooter() { return *FSearchFooter; }
    TFloatingFooter& FloatingFooter() { return FFloatingFooter; }
    TPrintSettings& PrintSettings() { return FPrintSettings; }
    THTMLSettings& HTMLSettings() { return FHTMLSettings; }
    TSortSettings& SortSettings() { return FSortSettings; }
    TDragDropSettings& DragDropSettings() { return FDragDropSettings; }
    TDragScrollOptions& DragScrollOptions() { return FDragScrollOptions; }
    TControlLook& ControlLook() { return FControlLook; }
    TColumnSize& ColumnSize() { return FColumnSize; }
    TCellNode& CellNode() { return FCellNode; }
    TBands& Bands() { return FBands; }
    TSizeWhileTyping& SizeWhileTyping() { return FSizeWhileTyping; }
    TGrouping& Grouping() { return FGrouping; }
    TBackGround& BackGround() { return FBackGround; }
    TGridProgressAppearance& ProgressAppearance() { return FProgressAppearance; }
    TSyncGrid& SyncGrid() { return FSyncGrid; }
    TFilter& Filter() { return FFilter; }
    TBalloonSettings& Balloon() { return FBalloonSettings; }
    TShowModified& ShowModified() { return FShowModified; }
    TFilterDropDown& FilterDropDown() { return FFilterDropDown; }
    TStringList& FilterList() { return FFilterList; }

    // Owned controls; the in-place editors are made on first use.
    TFooterPanel* FooterPanel() const { return FFooterPanel; }
    TSearchPanel* SearchPanel();
    THTMLHintWindow* ScrollHintWindow() const { return FScrollHintWnd; }
    TGridCombo* Combobox();
    TGridEditBtn* BtnEdit();
    TGridButton* Btn();
    TGridUnitEditBtn* BtnUnitEdit();
    TScrollControl* VScrollControl() const { return vscrlctrl; }
    TScrollControl* HScrollControl() const { return hscrlctrl; }

    // Plain published and run-time values.
    TColor HighlightColor = clHighlight;
    TColor HighlightTextColor = clHighlightText;
    TColor HintColor = clInfoBk;
    bool HintShowCells = false;
    bool HintShowLargeText = false;
    THintPosition HintShowLargeTextPos = hpCell;
    bool HintShowSizing = false;
    bool HTMLHint = false;
    bool OemConvert = false;
    bool AnchorHint = false;
    bool ActiveCellShow = false;
    TColor ActiveCellColor = 0x808080;
    TColor ActiveCellColorTo = clNone;
    bool AutoNumAlign = false;
    bool AutoThemeAdapt = false;
    bool AutoFilterUpdate = true;
    TAlignment DefaultAlignment = taLeftJustify;
    TEditorType DefaultEditor = edNormal;
    TColor DisabledFontColor = clSilver;
    bool EditWithTags = false;
    bool EnableBlink = false;
    bool EnableHTML = true;
    bool EnableWheel = true;
    bool EnhTextSize = false;
    bool EnhRowColMove = true;
    bool ExcelStyleDecimalSeparator = false;
    bool FilterDropDownAuto = false;
    QString FilterDropDownClear = QStringLiteral("(All)");
    bool FilterDropDownCheck = false;
    TFilterDropDownColumns FilterDropDownColumns = fdNormal;
    int FilterDropDownRow = 0;
    bool FilterNormalCellsOnly = true;
    bool FixedAsButtons = false;
    int FixedFooters = 0;
    int FixedRightCols = 0;
    bool FixedRowAlways = false;
    bool FixedColAlways = false;
    bool Flat = false;
    QString FloatFormat = QStringLiteral("%.2f");
    TImageList* GridImages = nullptr;
    bool HideFocusRect = false;
    bool Hovering = false;
    THoverFixedCells HoverFixedCells = hfNone;
    bool IntegralHeight = false;
    TIntelliPan IntelliPan = ipVertical;
    bool IntelliZoom = true;
    QString InvalidEntryTitle;
    TInvalidEntryIcon InvalidEntryIcon = ieWarning;
    QString InvalidEntryText;
    bool Lookup = false;
    bool LookupCaseSensitive = false;
    bool LookupHistory = false;
    int MaxEditLength = 0;
    int MaxComboLength = 0;
    bool Multilinecells = false;
    TObject* PictureContainer = nullptr;
    TObject* CellChecker = nullptr;
    TObject* FixedDropDownMenu = nullptr;
    TBitmap RowIndicator;
    bool ScrollProportional = false;
    bool ScrollSynch = false;
    TScrollHintType ScrollHints = shNone;
    TColor SelectionColor = 0xEACAB6;
    TColor SelectionColorTo = clNone;
    bool SelectionColorMixer = false;
    int SelectionColorMixerFactor = 50;
    TColor SelectionMirrorColor = clNone;
    TColor SelectionMirrorColorTo = clNone;
    bool SelectionRectangle = false;
    bool SelectionResizer = false;
    bool SelectionRTFKeep = false;
    TColor SelectionTextColor = 0;
    bool ShowSelection = true;
    bool ShowDesignHelper = true;
    bool SizeWithForm = false;
    TColor URLColor = 0xFF0000;
    bool URLShow = false;
    bool URLShowInText = false;
    bool URLUnderlineOnHover = false;
    bool URLFull = false;
    bool URLEdit = false;
    bool UseInternalHintClass = true;
    QString ValidChars;
    TVAlignment VAlignment = vtaTop;
    // Run-time only.
    bool FitCellsInGrid = true;
    int ZoomFactor = 0;
    QChar Delimiter;
    bool NoDefaultDraw = false;
    QChar PasswordChar = u'*';
    bool JavaCSV = false;
    QString CheckTrue = QStringLiteral("Y");
    QString CheckFalse = QStringLiteral("N");
    bool LoadFirstRow = true;
    bool SaveFixedCells = true;
    bool SaveFixedCols = false;
    bool SaveFixedRows = false;
    bool SaveHiddenCells = false;
    bool SaveVirtCells = true;
    bool SaveWithHTML = true;
    bool SaveWithRTF = false;
    bool ClearTextOnly = false;
    bool PrinterDriverFix = false;
    bool ExcelClipboardFormat = false;
    bool QuoteEmptyCells = true;
    bool AlwaysQuotes = false;
    TColor SelectionRectangleColor = 0;
    bool ShowNullDates = true;
    TPoint XYOffset{2, 2};
    bool XYOffsetTopLeftOnly = false;
    bool AlwaysValidate = false;
    bool SizeGrowOnly = false;
    int MaxRowHeight = 0;
    int MinRowHeight = 0;
    int MaxColWidth = 0;
    int MinColWidth = 0;
    TColor QEVGradientFrom = 0xFFFFFF;
    TColor QEVGradientTo = clNone;
    TColor QEVGradientMirrorFrom = clNone;
    TColor QEVGradientMirrorTo = clNone;
    QString XMLEncoding = QStringLiteral("ISO-8859-1");
    bool UseDisabledFont = true;
    bool FilterIncremental = false;
    int GroupColumn = -1;
    TEditorType CurrentEditor() const { return EditControl; }
    bool Modified = false;
    bool IsWinXP() const { return FIsWinXP; }
    bool IsWin7() const { return FIsWin7; }
    bool IsComCtl6() const { return FIsComCtl6; }
    bool IsWinVista() const { return FIsWinVista; }
    bool GridLoaded() const { return FLoaded; }

    // ===== Events =====
    TClickCellEvent OnClickCell;
    TClickCellEvent OnDblClickCell;
    TClickCellEvent OnRightClickCell;
    TCanEditCellEvent OnCanEditCell;
    TGetCellCursorEvent OnGetCellCursor;
    TGridHintEvent OnGridHint;
    TGridHintEvent OnGridWideHint;
    TGridColorEvent OnGetCellColor;
    TGridColorEvent OnGetCellPrintColor;
    TGridBorderEvent OnGetCellBorder;
    TGridBorderEvent OnGetCellPrintBorder;
    TGridAlignEvent OnGetAlignment;
    TGridFormatEvent OnGetFormat;
    TGetEditorTypeEvent OnGetEditorType;
    TIsFixedCellEvent OnIsFixedCell;
    TIsPasswordCellEvent OnIsPasswordCell;
    TWordWrapEvent OnGetWordWrap;
    THasComboBoxEvent OnHasComboBox;
    THasSpinEditEvent OnHasSpinEdit;
    TGetCheckEvent OnGetCheckTrue;
    TGetCheckEvent OnGetCheckFalse;
    TGetColumnFilterEvent OnGetColumnFilter;
    TClickSortEvent OnClickSort;
    TGridPrintPageNumEvent OnPrintGetPageNum;
    TGetEditorPropEvent OnGetEditorProp;
    TGetEditorPropIntEvent OnGetEditorPropInt;
    TCheckBoxClickEvent OnCheckBoxClick;
    TSearchFooterActionEvent OnSearchFooterAction;
    TButtonClickEvent OnButtonClick;
    TExpandClickEvent OnExpandClick;
    TComboCloseUpEvent OnComboCloseUp;
    TComboCloseUpEvent OnComboDropDown;
    TScrollCellEvent OnScrollCell;
    TCanShowFixedDropDownEvent OnCanShowFixedDropDown;
    TCellsChangedEvent OnCellsChanged;
    TCellTextEvent OnSaveCell;
    TCellTextEvent OnLoadCell;
    TUnitChangedEvent OnUnitChanged;
    // The grid's own resize event (the control's OnResize stays unused).
    TNotifyEvent OnResize;

    // ===== Events of moves, drag and drop, anchors, balloons, form controls, pickers, printing and files =====
    TColumnSizeEvent OnColumnMove;
    TColumnSizeEvent OnColumnMoving;
    TRowSizeEvent OnRowMove;
    TRowSizeEvent OnRowMoving;
    TSelectionResizeEvent OnSelectionResize;
    TSelectionResizeEvent OnSelectionResized;
    TFixedDropDownEvent OnFixedDropDownClick;
    TCanSortEvent OnCanSort;
    TAnchorEvent OnAnchorEnter;
    TAnchorEvent OnAnchorExit;
    TAnchorHintEvent OnAnchorHint;
    TGridBalloonEvent OnCellBalloon;
    TCellControlEvent OnControlClick;
    TCellControlEvent OnControlEditDone;
    TCellComboControlEvent OnControlComboList;
    TCellComboControlSelectEvent OnControlComboSelect;
    TColorSelectEvent OnColorSelect;
    TColorSelectedEvent OnColorSelected;
    TImageSelectEvent OnImageSelect;
    TImageSelectedEvent OnImageSelected;
    TDropDownButtonClickEvent OnDropDownHeaderButtonClick;
    TDropDownButtonClickEvent OnDropDownFooterButtonClick;
    TNotifyEvent OnRichEditSelectionChange;
    TNotifyEvent OnCreatedFloatingFooter;
    TNotifyEvent OnCreatedSearchFooter;
    TCustomCellSizeEvent OnCustomCellSize;
    TFooterPaintEvent OnFooterPaint;
    TClipboardBeforePasteCellEvent OnClipboardBeforePasteWideCell;
    TClipboardAfterPasteCellEvent OnClipboardAfterPasteWideCell;
    TOleDragDropEvent OnOleDrag;
    TOleDragOverEvent OnOleDragOver;
    TOleDragStartEvent OnOleDragStart;
    TOleDragStopEvent OnOleDragStop;
    TOleDragDropEvent OnOleDrop;
    TOleDragDropEvent OnOleDropURL;
    TOleDragDropEvent OnOleDropFile;
    TOleDroppedEvent OnOleDropped;
    TOleDropColEvent OnOleDropCol;
    TFileProgressEvent OnFileProgress;
    TFitToPageEvent OnFitToPage;
    TPrintSetColumnWidthEvent OnPrintSetColumnWidth;
    TPrintSetRowHeightEvent OnPrintSetRowHeight;
    TPrintPageEvent OnPrintPage;
    TPrintNewPageEvent OnPrintNewPage;
    TPrintPageDoneEvent OnPrintPageDone;
    TPrintCancelEvent OnPrintCancel;
    TPrintStartEvent OnPrintStart;

    // ===== Unit services, listeners and notifications =====
    void RegisterSelListener(IVOroDavoduRuzuSelect* AListener) { FISelect = AListener; }
    void UnRegisterSelListener(IVOroDavoduRuzuSelect* AListener);
    IVOroDavoduRuzuSelect* SelListener() const { return FISelect; }
    void RegisterNotifier(TGridChangeNotifier* ANotifier);
    void UnRegisterNotifier(TGridChangeNotifier* ANotifier);
    int NotifierCount() const { return static_cast<int>(FNotifierList.size()); }
    virtual void CellsChangedNotify(const TGridRect& R);
    // The focus window follows the current cell (called by the unit's window hook).
    void PlaceFocusWindow();

    // ===== Cell query hooks and notification events =====
    virtual void QueryCanEditCell(int ACol, int ARow, bool& CanEdit);
    virtual void QueryCellCursor(int ACol, int ARow, int X, int Y);
    virtual void QueryCellHint(int ACol, int ARow, QString& AHint, QString& AWideHint);
    virtual void QueryCellColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont);
    virtual void QueryCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush& ABrush, TFont& AFont);
    virtual void QueryCellBorder(int ACol, int ARow, TCellBorders& Borders, TPen& APen);
    virtual void QueryCellPrintBorder(int ACol, int ARow, TCellBorders& Borders, TPen& APen);
    virtual void QueryCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);
    virtual void QueryCellFormat(int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix);
    virtual void QuerySpinEditorType(int ACol, int ARow, TEditorType& AEditor);
    virtual void QueryEditorType(int ACol, int ARow, TEditorType& AEditor);
    virtual bool QueryEditorIsNone(int ACol, int ARow);
    virtual void QueryFixedCell(int ACol, int ARow, bool& IsFixed);
    virtual void QueryCellEditable(int ACol, int ARow, bool& CanEdit);
    virtual void QueryPasswordCell(int ACol, int ARow, bool& IsPassword);
    virtual void QueryCellWordWrap(int ACol, int ARow, bool& WordWrap);
    virtual bool QueryHasComboBox(int ACol, int ARow);
    virtual bool QueryHasSpinEdit(int ACol, int ARow);
    virtual void QueryCheckTrueText(int ACol, int ARow, QString& Value);
    virtual void QueryCheckFalseText(int ACol, int ARow, QString& Value);
    virtual bool QueryColumnFilterItems(int ACol);
    virtual void DoClickSort(int ACol);
    virtual void DoPrintGetPageNum(int PageNum, int PageColNum, QString& PageNumString);
    virtual void DoGetEditorProp(int ACol, int ARow, TEditLink* AEditLink);
    virtual void DoCheckBoxClick(int ACol, int ARow, bool State);
    virtual void DoSearchFooterAction(const QString& Value, int ACol, int ARow, TSearchFooterAction Action);
    virtual void DoButtonClick(int ACol, int ARow);
    virtual void DoExpandClick(int ACol, int ARow, bool Expanded);
    virtual void DoComboCloseUp(int ARow, int ACol);
    virtual void DoComboDropDown(int ARow, int ACol);
    virtual void DoScrollCell();
    virtual bool QueryCanShowFixedDropDown(int ACol);
    virtual void DoStartBlockFocus();
    virtual void DoEndBlockFocus();
    void GridButtonClick();
    virtual void MouseActionsChanged() {}
    virtual bool QueryIsDesigning() const { return ComponentState() & csDesigning; }
    virtual void MouseActionsInvalidate() { Invalidate(); }
    virtual void NavigationChanged() {}
    virtual void DisableEditingOption() { SetOptions(Options() & ~goEditing); }
    TFont& GetCellFont(int ACol, int ARow);
    bool IsFixed(int ACol, int ARow) override;
    bool IsEditable(int ACol, int ARow);
    bool CellEditAllowed(int ACol, int ARow);
    bool IsPasswordCell(int ACol, int ARow);
    void QueryCellVisuals(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                          TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA, bool& WW,
                          TCellGradientDirection& GD) override;
    TNotifyEvent FOnStartBlockFocus;
    TNotifyEvent FOnEndBlockFocus;

    // ===== Index spaces, hidden columns and rows =====
    int RealColIndex(int ACol) const;
    int DisplColIndex(int ACol) override;
    int DisplColIndexOf(int ACol) const;
    int RealRowIndex(int ARow) const;
    int DisplRowIndex(int ARow) const;
    bool IsHiddenColumn(int ACol) const;
    int NumHiddenColumns() const { return FNumHidden; }
    int TotalColCount() const override { return ColCount() + FNumHidden; }
    int AllColCount() const { return TotalColCount(); }
    int NumHiddenRows() const { return static_cast<int>(FGridItems.size()); }
    int AllRowCount() const { return RowCount() + NumHiddenRows(); }
    int RealCol() const { return RealColIndex(Col()); }
    int RealRow() const { return RealRowIndex(Row()); }
    void HideColumn(int ColIndex) { HideColumns(ColIndex, ColIndex); }
    void HideColumns(int FromCol, int ToCol);
    void UnHideColumn(int ColIndex) { UnHideColumns(ColIndex, ColIndex); }
    void UnHideColumns(int FromCol, int ToCol);
    void UnHideColumnsAll() { UnHideColumns(0, ColCount() + FNumHidden); }
    void HideRow(int Rowindex) { HideRows(Rowindex, Rowindex); }
    void HideRows(int FromRow, int ToRow);
    void UnHideRow(int Rowindex) { UnHideRows(Rowindex, Rowindex); }
    void UnHideRows(int FromRow, int ToRow);
    void UnHideRowsAll();
    bool IsHiddenRow(int Rowindex) const { return hiddenItem(Rowindex) != nullptr; }
    // The texts of a hidden row by real column, nullptr when the row is shown.
    const TGridRowCells* GetHiddenRowItems(int ARow) const;
    TGridRowCells* GetHiddenRowItems(int ARow);

    // ===== Hidden rows: lists, levels and aliases =====
    // As HideRows, but nothing when FromRow is hidden already.
    void HideRowsEx(int FromRow, int ToRow);
    // Hides the listed display rows (ascending) as one new hiding level; UnHideRowList shows the rows of the
    // latest level again.
    void HideRowList(const TIntList& RowList);
    void UnHideRowList();
    int HidingLevel() const { return FHidingLevel; }
    void SetHidingLevel(int Value) { FHidingLevel = std::max(Value, 0); }
    // With a cache of the hidden rows' real indexes, filled when ListHidden is still empty.
    bool IsHiddenRow(int Rowindex, std::unique_ptr<TIntList>& ListHidden) const;
    int TotalRowCount() const { return AllRowCount(); }
    int DisplayToRealCol(int ACol) const { return RealColIndex(ACol); }
    int RealToDisplayCol(int ACol) const { return DisplColIndexOf(ACol); }
    int DisplayToRealRow(int ARow) const { return RealRowIndex(ARow); }
    int RealToDisplayRow(int ARow) const { return DisplRowIndex(ARow); }
    TIntList& IgnoreColumns() { return FIgnoreColumns; }
    bool IsIgnoredColumn(int ACol) const { return FIgnoreColumns.HasValue(ACol); }

    // ===== Row and column structure operations =====
    // Display rows; hidden columns move with their rows.
    virtual void InsertRows(int RowIndex, int RCount, bool UpdateCellControls = true);
    void AddRow();
    virtual void RemoveRows(int RowIndex, int RCount);
    virtual void RemoveRowsEx(int RowIndex, int RCount);
    virtual void RemoveRowsAndProps(int ARow, int ACount);
    // Real columns.
    virtual void InsertCols(int ColIndex, int CCount);
    void AddColumn() { InsertCols(TotalColCount(), 1); }
    virtual void RemoveCols(int ColIndex, int CCount);
    void RemoveDuplicates(int ACol, bool DoCase);
    void ClearRows(int RowIndex, int RCount);
    void ClearCols(int ColIndex, int CCount);
    void ClearNormalRows(int RowIndex, int RCount);
    void ClearNormalCols(int ColIndex, int CCount);
    void ClearNormalCells();
    void Clear();
    void ClearAll();
    virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }
    void TrimRow(int ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }
    void TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }
    void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor);
    void MergeColumnCells(int ColIndex, bool MainMerge);
    void MergeRowCells(int RowIndex, bool MainMerge);
    void SplitColumnCells(int ColIndex);
    void SplitRowCells(int RowIndex);
    void SplitAllCells();
    // Columns whose runs of equal texts stay merged: every change splits all columns and merges these
    // again, the first one on its own and each further one within the runs of the columns before it.
    TIntList& MergedColumns() { return FMergedColumns; }
    void MergeCols(int ColIndex1, int ColIndex2, const QString& Separator);
    bool IsCell(const QString& SubStr, int& ACol, int& ARow);
    // The cell reads (through the display hooks) in the encoded wide form.
    bool IsWideCell(int ACol, int ARow) { return GetCellEx(ACol, ARow).startsWith(QStringLiteral("|\\")); }
    int MaxRowCount() const { return FMaxRowCount; }
    // By the disjunct row or column selection when it is on, else by the selection rectangle.
    void RemoveSelectedRows();
    void RemoveUnSelectedRows();
    void RemoveSelectedCols();
    void RemoveUnSelectedCols();
    void HideSelectedRows();
    void HideUnSelectedRows();
    void RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked);
    void ClearSelection();

    // ===== Nodes and expandable cells (ARow real where the name says so, else a display row) =====
    void AddNode(int ARowReal, int Span);
    void AddSummaryRow(int ARowReal);
    void RemoveNode(int ARowReal);
    void RemoveAllNodes();
    bool IsNode(int ARow);
    bool IsSummary(int ARow);
    bool GetNodeState(int ARow);
    void SetNodeState(int ARow, bool Value);
    int GetNodeLevel(int ARow);
    int GetNodeSpan(int ARow);
    void SetNodeSpan(int ARow, int Span);
    void UpdateNodeSpan(int ARow, int Delta);
    int GetSubNodeCount(int ARow);
    void UpdateSubNodeCount(int ARow, int Delta);
    void ExpandNode(int ARowReal);
    void ContractNode(int ARowReal);
    void ExpandAll();
    void ContractAll();
    int GetParentRow(int ARow);
    int GetNodeSpanType(int ARow);
    void InsertNormalRow(int ARowReal);
    void RemoveNormalRow(int ARow);
    void InsertChildRow(int ARowReal, int InsertAt);
    void RemoveChildRow(int ARowReal);
    bool IsNodeGlyphHit(int ARow, int X);
    int NodeCount() const { return FNumNodes; }
    void AddExpand(int ACol, int ARow, int ExpandedHeight);
    bool RemoveExpand(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctExpand); }
    bool HasExpand(int ACol, int ARow);
    bool ToggleExpand(int ACol, int ARow);
    bool GetExpandState(int ACol, int ARow);
    int GetExpandHeight(int ACol, int ARow, bool Expanded);

    // ===== Column state persistence =====
    void SaveColSizes();
    void LoadColSizes();
    virtual void SaveColPositions();
    virtual void LoadColPositions();
    // Moves every column back to its initial position by the column order list.
    void ResetColumnOrder();
    QString ColumnStatesToString();
    void StringToColumnStates(const QString& Value);

    // ===== Column stretching and size changes =====
    // Sizes column ACol (-1: the last) so that all columns fill the client width.
    void StretchColumnToFit(int ACol);
    void StretchRightColumn();
    bool IsOnSizingBorder(int X, int Y) const;
    virtual void QueryColumnWidth(int ACol, int& AWidth);
    virtual void QueryAutoColumnWidth(int ACol, int& AWidth);
    TEndColumnSizeEvent OnEndColumnSize;
    TUpdateColumnSizeEvent OnUpdateColumnSize;
    // Set by the mouse handling while the user sizes a column or row: which one, and its size at the start.
    bool ColSized = false;
    bool Rowsized = false;
    int Colclicked = -1;
    int Rowclicked = -1;
    int Colclickedsize = 0;
    int Rowclickedsize = 0;
    bool ColSizeFlg = false;

    // ===== Scroll bars, scroll hints and drag scrolling =====
    // The row (Vertical) or column a thumb position Pos of the 0..127 range stands for.
    int ScrollTargetIndex(bool Vertical, int Pos) const;
    void UpdateProportionalVScroll();
    void UpdateProportionalHScroll();
    // Scrolls when a drag hovers near the grid's edges, one step per tick of the drag-scroll timer.
    void DragScrollOver(int X, int Y, TDragState State);
    TTimer* DragScrollTimer() const { return FDragTimer.get(); }
    bool ScrollHintShowing() const { return FScrollHintShow; }
    // Set while many rows change: proportional updates wait.
    bool FScrollLock = false;
    TScrollHintEvent OnScrollHint;
    TDragScrollEvent OnDragScroll;

    // ===== Row and column moves (display indexes) =====
    // Cells, objects, heights and cell controls move; hidden rows keep their places among the shown ones.
    void MoveRow(int FromIndex, int ToIndex);
    // Rows FromIndex .. FromIndex+Count-1 end at ToIndex, lowered by Count when the block lies above it.
    // False when nothing moved (the footer row of a fixed footer stays last).
    bool MoveRows(int FromIndex, int ToIndex, int Count);
    void MoveColumn(int FromIndex, int ToIndex);
    TMovedEvent OnColumnMoved;
    TMovedEvent OnRowMoved;

    // ===== Dimensions, fills and sizing =====
    // At least one fixed row (column) with FixedRowAlways (FixedColAlways); a requested count is restored
    // when the grid grows again.
    int FixedRows() const;
    void SetFixedRows(int Value);
    int FixedCols() const;
    void SetFixedCols(int Value);
    void SetSelectionColorMixerFactor(int Value);
    bool SpreadSheet() const { return FSpreadSheet; }
    // Whatever the value, switches the spreadsheet-like selection and editing on.
    void SetSpreadSheet(bool Value);
    // Normal cells, or every cell with DoFixed; "%d" in a format stands for the column, then the row. Each
    // fill ends with RecalcFooter.
    void TextFill(bool DoFixed, const QString& Txt);
    void FormatFill(bool DoFixed, const QString& Fmt);
    void RandomFill(bool DoFixed, int Rnd);
    void LinearFill(bool DoFixed);
    void AutoNumberCol(int ACol);
    void AutoNumberRow(int ARow);
    int AutoNumberStart = 0;
    int AutoNumberOffset = 0;
    // The sort directions' values: 0 ascending, 1 descending (numbers rise from the last cell back).
    int AutoNumberDirection = 0;
    void SizeColumnToContents(int ACol, bool GrowOnly);
    void AutoSizeCol(int ACol, int Padding = 0);
    void AutoSizeColumns(bool DoFixedCols, int Padding = 0);
    void SizeRowToContents(int ARow, bool GrowOnly, int Padding);
    void AutoSizeRow(int ARow, int Padding = 0);
    void AutoSizeRows(bool DoFixedRows, int Padding = 0);
    void SizeRowToLines(int ARow, int Lines, int Extra);
    void SizeToCols();
    void SizeToRows();
    void SizeToCells();
    void AutoFitColumns(bool DoFixedCells);
    // Columns and rows grow to the text and graphic of every cell, plus the padding.
    void AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY);
    // Grows every column and row by x, at most ten steps either way.
    void Zoom(int x);
    // The form's scaling by M / D: the fixed and active-cell fonts follow.
    virtual void ChangeScale(int M, int D);
    // Real columns; whole columns and rows with their objects, sizes and cell controls.
    void SwapColumns(int ACol1, int ACol2);
    void SwapRows(int ARow1, int ARow2);
    void SwapCells(TGridCoord FromCell, TGridCoord ToCell);
    // The swap of the sort: whole rows (or the sort column only) with their heights and row flags.
    virtual void SortSwapRows(int ARow1, int ARow2);
    int Swaps = 0;
    // Row hooks of the keyboard and the filter; ARow is a real row.
    virtual void DoAutoInsertRow(int ARow);
    virtual void DoAutoDeleteRow(int ARow);
    virtual void DoFixedEdit(int ACol, int ARow, TEditorType& AEditor, TStringList& Values);
    virtual void DoFilterDone();
    TAutoDeleteRowEvent OnAutoDeleteRow;
    TCanAddRowEvent OnCanAddRow;
    TAutoInsertRowEvent OnAutoAddRow;
    TCanInsertRowEvent OnCanInsertRow;
    TAutoInsertRowEvent OnAutoInsertRow;
    TAutoInsertRowEvent OnAutoInsertCol;
    TCanInsertRowEvent OnCanDeleteRow;
    TFixedEditEvent OnFixedEdit;

private:
    template <typename F>
    void fillCells(bool DoFixed, F text);
    bool FSpreadSheet = false;

public:
    // ===== Selection and cell navigation (display columns and rows) =====
    virtual void QueryCellChanging(int ACol, int ARow, bool& Allow);
    // Told by the mouse handling when the user changed the selection.
    virtual void DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
    void GotoCell(int ACol, int ARow);
    void EditCell(int ACol, int ARow);
    // The selection becomes the one cell; no focus, no SelectCell.
    void FocusCell(int ACol, int ARow);
    void MoveCurrentCell(int ACol, int ARow);
    void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
    void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow);
    // Disjunct row and column selection; rows are real rows with MouseActions.RowSelectPersistent.
    bool RowSelect(int ARow);
    void SetRowSelect(int ARow, bool Value);
    bool ColSelect(int ACol);
    void SetColSelect(int ACol, bool Value);
    void SelectRows(int RowIndex, int RCount);
    void UnSelectRows(int RowIndex, int RCount);
    void SelectCols(int ColIndex, int CCount);
    void UnSelectCols(int ColIndex, int CCount);
    void ClearRowSelect();
    void ClearColSelect();
    void SelectionToRowSelect(bool All);
    void SelectionToColSelect(bool All);
    int RowSelectCount() const;
    int ColSelectCount() const;
    bool IsSelected(int ACol, int ARow);
    // Disjunct cell selection, or the selection rectangle without it.
    bool SelectedCells(int ACol, int ARow) const;
    void SetSelectedCells(int ACol, int ARow, bool Value);
    int SelectedCellsCount();
    TGridCoord SelectedCell(int i) const;
    void ClearSelectedCells();
    int SelectedRowCount();
    int SelectedColCount();
    int SelectedRow(int i) const;
    // Cells joined by TAB, rows by CR LF.
    QString SelectedText();
    bool RowModified(int ARow) const;
    void SetRowModified(int ARow, bool Value);
    int ModifiedRowCount() const;
    void ClearModifiedRows();
    bool RowEnabled(int ARow) const;
    void SetRowEnabled(int ARow, bool Value);
    // Rectangles in cell coordinates.
    void RepaintRect(const TRect& r);
    void InvalidateCellArea(const TRect& r);
    void RepaintHeaderCells(int OldCol, int OldRow, int NewCol, int NewRow);
    // Brings the cell into view, centred when it was out of view.
    void ScrollInView(int ColIndex, int RowIndex);
    // With the search bar shown: whether the last row ends above it; raising the top row until it does.
    bool IsLastRowAboveSearchPanel() const;
    void ScrollLastRowAboveSearchPanel();
    // The selection moves out of the grid until UnHideSelection puts it back (or on the first normal cell).
    void HideSelection();
    void UnHideSelection();
    bool SelectionHidden() const { return FSelectionHidden; }
    void UpdateEditMode() { SelectCell(Col(), Row()); }
    // The smallest rectangle holding every non-empty text; (0, 0, 0, 0) for an empty grid.
    virtual TGridRect UsedCells();
    void ScreenToCell(TPoint pt, int& ACol, int& ARow) const;
    virtual void QueryCanAppendRow(bool& CanAdd);
    virtual void QueryCanInsertRow(int ARow, bool& CanInsert);
    virtual bool DoRatingChange(int ACol, int ARow, int& NewRate);
    TRatingChangeEvent OnRatingChange;
    TRowChangingEvent OnRowChanging;
    TColChangingEvent OnColChanging;
    TCellChangingEvent OnCellChanging;
    TRowUpdateEvent OnRowUpdate;
    TSelectionChangedEvent OnSelectionChanged;
    TRowDisjunctSelectEvent OnRowDisjunctSelect;
    TRowDisjunctSelectedEvent OnRowDisjunctSelected;
    // Set while a move must not ask SelectCell's checks (the structure operations' re-focus).
    bool FForceSel = false;
    bool FDisableChange = false;

protected:
    using TBaseGrid::FocusCell;
    bool SelectCell(int ACol, int ARow) override;
    int ReservedBottom() const override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;

private:
    void rowMoveDone(int FromIndex, int ToIndex);
    bool FSyncedMove = false;
    void packSelectedCells();
    void setRowSelectFlag(int ARow, bool Value);
    TGridRect normalSelection() const;
    bool FUseEnabledRows = false;
    bool FSelectionHidden = false;
    TGridRect FHiddenSelection;
    int FOldRowSel = -1;
    bool FSelChange = false;

public:
    // ===== Cell text and typed access =====
    // Real column, display row; reads pass the display transform, writes store in the base cell.
    QString Cells(int ACol, int ARow) { return GetCellEx(ACol, ARow); }
    void SetCells(int ACol, int ARow, const QString& Value) { SetCellEx(ACol, ARow, Value); }
    // Real column, real row.
    QString AllCells(int ACol, int ARow);
    void SetAllCells(int ACol, int ARow, const QString& Value);
    QString AllGridCells(int ACol, int ARow);
    void SetAllGridCells(int ACol, int ARow, const QString& Value);
    TObject* AllObjects(int ACol, int ARow);
    void SetAllObjects(int ACol, int ARow, TObject* Value);
    TObject* GetAllGridObject(int ACol, int ARow);
    QString OriginalCells(int ACol, int ARow);
    void SetOriginalCells(int ACol, int ARow, const QString& Value);
    QString UnSortedCells(int ACol, int ARow);
    void SetUnSortedCells(int ACol, int ARow, const QString& Value);
    QString StrippedCells(int ACol, int ARow);
    int LinesInCell(int ACol, int ARow);
    // The texts as wide strings: the store already holds Unicode, so they are Cells and AllCells.
    QString WideCells(int ACol, int ARow) { return Cells(ACol, ARow); }
    void SetWideCells(int ACol, int ARow, const QString& Value) { SetCells(ACol, ARow, Value); }
    QString AllWideCells(int ACol, int ARow) { return AllCells(ACol, ARow); }
    void SetAllWideCells(int ACol, int ARow, const QString& Value) { SetAllCells(ACol, ARow, Value); }
    // The VALUE of the cell's HTML form control with that ID; "" when there is none. Writing changes
    // the cell only when the control is there.
    QString ControlValues(int ACol, int ARow, const QString& ID);
    void SetControlValues(int ACol, int ARow, const QString& ID, const QString& Value);
    virtual QString CurrentCell();
    virtual void SetCurrentCell(const QString& Value);
    virtual QString GetCurrentCellDisplText();
    virtual void SetCurrentCellEditText(const QString& Value);
    int Ints(int ACol, int ARow);
    void SetInts(int ACol, int ARow, int Value);
    int AllInts(int ACol, int ARow);
    void SetAllInts(int ACol, int ARow, int Value);
    double Floats(int ACol, int ARow);
    void SetFloats(int ACol, int ARow, double Value);
    double AllFloats(int ACol, int ARow);
    void SetAllFloats(int ACol, int ARow, double Value);
    TDateTime Dates(int ACol, int ARow);
    void SetDates(int ACol, int ARow, TDateTime Value);
    TDateTime Times(int ACol, int ARow);
    void SetTimes(int ACol, int ARow, TDateTime Value);
    virtual QString QueryFloatFormat(int ACol, int ARow);
    virtual QString QueryCellText(int ACol, int ARow) { return Cells(ACol, ARow); }
    virtual QString CellTextForSave(int ACol, int ARow);
    virtual void StoreLoadedCellText(int ACol, int ARow, const QString& Text);
    virtual void ExportNotification(int AState, int ARow) { (void)AState, (void)ARow; }
    virtual void ImportNotification(int AState, int ARow) { (void)AState, (void)ARow; }
    void CellTextChanged(int ACol, int ARow) override;
    // Empties the cells of the range (texts, and cell objects unless ClearTextOnly) and reports the change.
    virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
    // Ranges checked by the accessors that raise.
    void CheckCell(int ACol, int ARow) const;

    // ===== Per-cell properties, row colours, cell controls, headers, column order =====
    TColor Colors(int ACol, int ARow) const;
    void SetColors(int ACol, int ARow, TColor Value);
    TColor ColorsTo(int ACol, int ARow) const;
    void SetColorsTo(int ACol, int ARow, TColor Value);
    TCellGradientDirection Gradients(int ACol, int ARow) const;
    void SetGradients(int ACol, int ARow, TCellGradientDirection Value);
    TColor FontColors(int ACol, int ARow) const;
    void SetFontColors(int ACol, int ARow, TColor Value);
    TFontStyles FontStyles(int ACol, int ARow) const;
    void SetFontStyles(int ACol, int ARow, TFontStyles Value);
    QString FontNames(int ACol, int ARow) const;
    void SetFontNames(int ACol, int ARow, const QString& Value);
    int FontSizes(int ACol, int ARow) const;
    void SetFontSizes(int ACol, int ARow, int Value);
    TAlignment Alignments(int ACol, int ARow) const;
    void SetAlignments(int ACol, int ARow, TAlignment Value);
    bool ReadOnly(int ACol, int ARow) const;
    void SetReadOnly(int ACol, int ARow, bool Value);
    bool WordWraps(int ACol, int ARow);
    void SetWordWraps(int ACol, int ARow, bool Value);
    void SetFonts(int ACol, int ARow, const TFont& Value);
    TControl* CellControls(int ACol, int ARow) const;
    void SetCellControls(int ACol, int ARow, TControl* Value);
    int NumCellControls() const { return FNumCellControls; }
    TControlList& ControlList() { return FControlList; }
    void SetRowColor(int ARow, TColor Value);
    void SetRowColorTo(int ARow, TColor Value);
    void SetRowFontColor(int ARow, TColor Value);
    int AllColWidths(int ACol) const;
    void SetAllColWidths(int ACol, int Value);
    int SortedRowIndex(int ARow) const;
    int UnSortedRowIndex(int ARow) const;
    int ColumnByHeader(const QString& Text);
    void SetColumnOrder();
    int ColumnPosition(int ACol) const;
    int ColumnAtPosition(int APos);
    TIntList& ColumnOrder() { return FColumnOrder; }
    TIntList& SortRowXRef() { return FSortRowXRef; }
    void ShowColumnHeaders();
    void ClearColumnHeaders();
    void ShowRowHeaders();
    void ClearRowHeaders();
    virtual void ColumnHeadersChanged() {}
    void RepaintCell(int ACol, int ARow) { TBaseGrid::RepaintCell(ACol, ARow); }
    void RepaintRow(int ARow);
    void RepaintCol(int ACol);
    void InitOrigColSizes();

    // ===== Cell graphics and display text =====
    virtual TCellGraphic* GetCellGraphic(int ACol, int ARow);
    virtual TCellType GetCellType(int ACol, int ARow);
    TIntList* GetCellImages(int ACol, int ARow);
    int GetCellImageIndex(int ACol, int ARow);
    virtual TImageList* QueryCellImageList(int ACol, int ARow)
    {
        (void)ACol, (void)ARow;
        return GridImages;
    }
    TCellGraphic* NewCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType CellType);
    virtual TPoint GetCellGraphicSize(int ACol, int ARow) { return CalcCellGraphicSize(ACol, ARow, 0); }
    virtual TPoint CalcCellGraphicSize(int ACol, int ARow, int ExtraHeight);
    virtual TPoint CalcCellGraphicPrintSize(int ACol, int ARow, int CellWidth, int CellHeight, double Factor);
    void QueryDisplText(int ACol, int ARow, QString& Value) override;
    bool HasNodes() override;
    int GetNodeIndent(int ARow) override;
    bool IsSortIndicatorCell(int ACol, int ARow);
    bool OwnsGraphicObject(const TObject* graphic) const override;
    bool HasCellGraphicType(int ACol, int ARow, std::initializer_list<TCellType> Types);
    bool HasClickableGraphic(int ACol, int ARow);
    bool CellHasDataGraphic(int ACol, int ARow);
    TRect GetExpandButtonRect(int ACol, int ARow);
    TRect GetCellButtonRect(int ACol, int ARow);
    // Where painting keeps a drawn button's offset (set by the painter).
    TCellGraphic& RowCheckGraphic() { return FCellGraphic; }

    // ===== Cell object operations =====
    void AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    TBitmap* CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
    bool RemoveBitmap(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctBitmap); }
    TBitmap* GetBitmap(int ACol, int ARow);
    bool HasBitmap(int ACol, int ARow) { return GetBitmap(ACol, ARow) != nullptr; }
    void AddIcon(int ACol, int ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
    TIcon* CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
    bool RemoveIcon(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctIcon); }
    void AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                    TCellHAlign hal, TCellVAlign val);
    TPicture* CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                            TCellHAlign hal, TCellVAlign val);
    bool RemovePicture(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctPicture); }
    TPicture* GetPicture(int ACol, int ARow);
    bool HasPicture(int ACol, int ARow) { return GetPicture(ACol, ARow) != nullptr; }
    void AddFilePicture(int ACol, int ARow, TFilePicture* APicture, bool Transparent, TStretchMode StretchMode,
                        int Padding, TCellHAlign hal, TCellVAlign val);
    TFilePicture* CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                    TCellHAlign hal, TCellVAlign val);
    bool RemoveFilePicture(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctFilePicture); }
    TFilePicture* GetFilePicture(int ACol, int ARow);
    void AddInterfacedCell(int ACol, int ARow, TObject* AObject);
    bool RemoveInterfacedCell(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctInterface); }
    TObject* GetInterfacedCell(int ACol, int ARow);
    void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool RemoveImageIdx(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctImageList); }
    bool GetImageIdx(int ACol, int ARow, int& idx);
    void SetImageIdx(int ACol, int ARow, int Idx);
    void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    void RemoveDataImage(int ACol, int ARow);
    bool HasDataImage(int ACol, int ARow) { return HasCellGraphicType(ACol, ARow, {ctDataImage}); }
    void AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
    bool RemoveMultiImage(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctImages); }
    void AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor);
    void AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor, TColor BKTextColor);
    void AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                              TColor BKTextColor, const QString& Fmt, int Min, int Max);
    bool RemoveProgress(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctProgress); }
    bool HasProgress(int ACol, int ARow) { return HasCellGraphicType(ACol, ARow, {ctProgress}); }
    void AddProgressPie(int ACol, int ARow, TColor Color, int Value);
    void SetProgressPie(int ACol, int ARow, int Value);
    bool RemoveProgressPie(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctProgressPie); }
    void AddVoProgress(int ACol, int ARow, int Min, int Max);
    bool RemoveVoProgress(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctXPProgress); }
    void AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue);
    // A scroll bar in the cell: page 0, range 100, position 0; with AutoRange its page and range follow the
    // row height and the wrapped text's height. All on the base cell; getters answer -1 without one.
    void AddScrollBar(int ACol, int ARow, bool AutoRange);
    bool RemoveScrollBar(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctScrollbar); }
    bool HasScrollBar(int ACol, int ARow) { return HasCellGraphicType(ACol, ARow, {ctScrollbar}); }
    bool HasAutoRangeScrollBar(int ACol, int ARow);
    void SetScrollPosition(int ACol, int ARow, int Pos);
    int GetScrollPosition(int ACol, int ARow);
    void SetScrollProp(int ACol, int ARow, TScrollProp Prop);
    TScrollProp GetScrollProp(int ACol, int ARow);
    bool RemoveRangeIndicator(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRangeIndicator); }
    void AddComment(int ACol, int ARow, const QString& Comment);
    void AddColorComment(int ACol, int ARow, const QString& Comment, TColor Color);
    bool IsComment(int ACol, int ARow, QString& Comment);
    QString GetComment(int ACol, int ARow);
    void SetComment(int ACol, int ARow, const QString& Comment);
    bool RemoveComment(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctComment); }
    void RemoveAllComments();
    void AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                  TCellVAlign val);
    bool RemoveShape(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctShape); }
    void SetShapeColor(int ACol, int ARow, TColor FillColor);
    TColor GetShapeColor(int ACol, int ARow);
    void AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor);
    bool RemoveRating(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRating); }
    bool HasRating(int ACol, int ARow) { return HasCellGraphicType(ACol, ARow, {ctRating}); }
    void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
    void RemoveMarker(int ACol, int ARow);
    void RemoveAllMarkers();
    void GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen);
    void AddButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal, TCellVAlign val);
    void AddBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TBitmap* Glyph, TCellHAlign hal,
                      TCellVAlign val);
    TBitmap* CreateBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                             TCellVAlign val);
    void SetButtonText(int ACol, int ARow, const QString& Caption);
    QString GetButtonText(int ACol, int ARow);
    void PushButton(int ACol, int ARow, bool Push);
    void RemoveButton(int ACol, int ARow);
    bool RemoveBitButton(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctBitButton); }
    void RemoveAllButtons();
    bool HasButton(int ACol, int ARow) { return HasCellGraphicType(ACol, ARow, {ctButton, ctBitButton}); }
    void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStringList* sl);
    TStringList* CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
    bool GetRadioIdx(int ACol, int ARow, int& IdxRadio);
    bool SetRadioIdx(int ACol, int ARow, int IdxRadio);
    TStringList* GetRadioStrings(int ACol, int ARow);
    bool IsRadio(int ACol, int ARow) { return HasCellGraphicType(ACol, ARow, {ctRadio}); }
    bool RemoveRadio(int ACol, int ARow) { return RemoveCellGraphicOfType(ACol, ARow, ctRadio); }
    void AddBalloon(int ACol, int ARow, const QString& Title, const QString& Text, TBalloonIcon Icon);
    void RemoveBalloon(int ACol, int ARow);
    bool HasBalloon(int ACol, int ARow) { return HasCellGraphicType(ACol, ARow, {ctBalloon}); }
    bool IsBalloon(int ACol, int ARow, QString& Title, QString& Text, TBalloonIcon& Icon);

    // ===== Sorting (VoGridSort.cpp) =====
    // Columns are real columns; rows are display rows. Sorts are stable and move each row once.
    void Sort(int Column, TSortDirection Direction);
    void SortByColumn(int Col);
    virtual void QSort();
    // Raises REdaReviZizod when SortIndexes is empty.
    virtual void QSortIndexed();
    virtual void QSortGroup();
    virtual void QSortGroupIndexed();
    // Puts back the order of the last change of the row count.
    virtual void QUnSort();
    void QuickSort(int Col, int Left, int Right);
    void QuickSortIndexed(int Left, int Right);
    bool SortLine(int Col, int ARow1, int ARow2);
    void InitSortXRef();
    int CompareCellsForSort(int ACol, int ARow1, int ARow2, bool Descending);
    int CompareRowsFullSort(int ACol, int ARow1, int ARow2);
    int CompareRowsIndexedSort(int Index, int ARow1, int ARow2);
    TSortIndexList& SortIndexes() { return FSortIndexes; }
    int SortDir = 1;
    int SortRow = -1;
    TCustomCompareEvent OnCustomCompare;
    TRawCompareEvent OnRawCompare;
    TRowChangedEvent OnRowChanged;

    // ===== Filtering (VoGridFilter.cpp) =====
    virtual bool RowMatchesFilter(int ARow);
    void ApplyFilter();
    void FilterRow(int ARow);
    bool RemoveLastFilter();
    void RemoveAllFilters();
    void NarrowDown(const QString& ACondition, int AColumn);
    bool FilterActive() const { return FFilterActive; }
    void SetFilterActive(bool Value);
    int FilterLevel() const { return FFilterLevel; }
    void SetFilterDropDownRow(int Value);
    // The drop-down column whose list is open, -1 when none.
    int FilterColumn() const { return FFilterCol; }
    void SetFilterColumn(int ACol) { FFilterCol = ACol; }
    TDropList* FilterDropList();
    TDropCheckList* FilterDropCheckList();
    virtual void FilterListSelect(int ItemIndex);
    // A mouse release on the grid: opens the filter list of the header button under it, or closes an open list.
    void FilterButtonMouseUp(int X, int Y);
    // The checked items of the check list, in list order.
    virtual void FilterCheckListSelect(const std::vector<int>& Checked);
    TCustomFilterEvent OnCustomFilter;
    TFilterProgressEvent OnFilterProgress;
    TFilterSelectEvent OnFilterSelect;
    TFilterCheckEvent OnFilterCheck;
    TNotifyEvent OnFilterDone;

    // ===== Find, replace, type-ahead, highlighting, cell checks (VoGridSearch.cpp) =====
    TPoint Find(TPoint StartCell, const QString& s, TFindParams FindParams);
    TPoint FindWide(TPoint StartCell, const QString& s, TFindParams FindParams);
    TPoint FindFirst(const QString& s, TFindParams FindParams);
    TPoint FindNext();
    int Replace(const QString& OrigStr, const QString& NewStr, TFindParams FindParams);
    // First normal row whose sort-column text starts with s (given upper-cased), -1 when none.
    virtual int Search(const QString& s);
    QString HilightText(bool DoCase, const QString& S, const QString& Text) const;
    QString MarkText(bool DoCase, const QString& S, const QString& Text) const;
    QString UnHilightText(const QString& S) const;
    QString UnMarkText(const QString& S) const;
    void HilightInCell(bool DoCase, int Col, int Row, const QString& HiText);
    void MarkInCell(bool DoCase, int Col, int Row, const QString& HiText);
    void HilightInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText);
    void MarkInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText);
    void HilightInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText);
    void MarkInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText);
    void HilightInGrid(bool DoFixed, bool DoCase, const QString& HiText);
    void MarkInGrid(bool DoFixed, bool DoCase, const QString& HiText);
    void UnHilightInCell(int Col, int Row);
    void UnMarkInCell(int Col, int Row);
    void UnHilightInCol(bool DoFixed, int Col);
    void UnMarkInCol(bool DoFixed, int Col);
    void UnHilightInRow(bool DoFixed, int Row);
    void UnMarkInRow(bool DoFixed, int Row);
    void UnHilightInGrid(bool DoFixed);
    void UnMarkInGrid(bool DoFixed);
    // The cell checker on one cell (CheckCell is the range check of the raising accessors).
    bool CheckCellText(int Col, int Row);
    bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
    bool CheckCol(bool DoFixed, int Col);
    bool CheckRow(bool DoFixed, int Row);
    bool CheckGrid(bool DoFixed);
    TPoint SearchCell{-1, -1};
    int FindCol = 0;
    int FindRow = 0;
    bool FindBusy = false;
    QString SearchCache;
    QString IncrSearchText;
    TFindParams LastFindParams() const { return FFindParams; }
    // The search panel's actions: its edit text changed, find next / previous, highlight toggled, close.
    void SearchEditChange(const QString& Text, bool MatchCase, bool HighlightDown);
    void SearchFindNext(const QString& Text, bool MatchCase, bool HighlightDown, bool Backward);
    void SearchHighlight(const QString& Text, bool MatchCase, bool Down);
    void SearchClose();
    // The last search panel look-up found nothing (the edit box shows it in red).
    bool SearchFailed() const { return FSearchFailed; }
    TSearchEditChangeEvent OnSearchEditChange;
    TNotifyEvent OnSearchFooterClose;

    // ===== Grouping and group calculations (VoGridGroup.cpp) =====
    virtual void Group(int Colindex);
    virtual void UnGroup();
    virtual void SubGroup(int Colindex);
    virtual void SubUnGroup(int Colindex);
    void SetGroupColumn(int Value);
    void GroupCalc(int Colindex, int method);
    void GroupSum(int Colindex);
    void GroupAvg(int Colindex);
    void GroupMin(int Colindex);
    void GroupMax(int Colindex);
    void GroupCount(int Colindex);
    void GroupCustomCalc(int Colindex) { GroupCalc(Colindex, 6); }
    void GroupDistinct(int Colindex) { GroupCalc(Colindex, 7); }
    void GroupStdDev(int Colindex) { GroupCalc(Colindex, 8); }

    // ===== Column and row calculations, footer calculation (VoGridCalc.cpp) =====
    double ColumnSum(int ACol, int FromRow, int ToRow);
    double ColumnAvg(int ACol, int FromRow, int ToRow);
    double ColumnMin(int ACol, int FromRow, int ToRow);
    double ColumnMax(int ACol, int FromRow, int ToRow);
    double ColumnStdDev(int ACol, int FromRow, int ToRow);
    double ColumnDistinct(int ACol, int FromRow, int ToRow);
    double ColumnCustomCalc(int ACol, int FromRow, int ToRow);
    double CustomGroupCalcValue(int ACol, int FromRow, int ToRow);
    double RowSum(int ARow, int fromCol, int toCol);
    double RowAvg(int ARow, int fromCol, int toCol);
    double RowMin(int ARow, int fromCol, int toCol);
    double RowMax(int ARow, int fromCol, int toCol);
    // ACol -1: every column.
    virtual void CalcFooter(int ACol);
    // The footer recalculation of every column after a whole-grid change.
    virtual void RecalcFooter() { CalcFooter(-1); }
    void UpdateFooter();
    TGroupCalcEvent OnColumnCalc;
    TGroupCalcEvent OnGroupCalc;
    TCalcFooterEvent OnFooterCalc;
    // ===== Appearance and painting =====
    // (VoGridAppearance.cpp: a cell's resolved look; VoGridPaint.cpp: the cell painter, text and borders;
    // VoGridPaintObjects.cpp: check boxes, radios, nodes, buttons, bars and the other cell objects)
    // ACol is a display column; with Remap it is mapped to the real one for the cell's data and hooks.
    void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                             TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                             TFont& AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                             TCellGradientDirection& GD) override;
    void GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, TFont& AFont, TBrush& ABrush,
                           bool Remap);
    // The display text of a real cell.
    virtual QString GetFormattedCell(int ACol, int ARow);
    std::pair<TAlignment, TVAlignment> GetCellAlignment(int ACol, int ARow);
    static TColor BlendColors(TColor Col1, TColor Col2, int Percent);
    static TColor SelectionMixColor(TColor SelColor, TColor CellColor, bool Mixer, int Factor);
    void PaintGridCell(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool LookCoversFixedCell(const TCanvas& ACanvas, int ACol, int ARow) override;
    // The cell's graphic (nullptr for none) with its room and place; ACol is a real column.
    TCellGraphic* GetCellGraphicLayout(int ACol, int ARow, int& Width, int& Height, bool& WithText, TCellHAlign& HAlign,
                                       TCellVAlign& VAlign);
    void PaintCellCheckBox(TCanvas& ACanvas, const TRect& ARect, bool Checked, bool Enabled, bool Grayed,
                           VoGrid::TControlStyle Style, bool TriState, TCheckBoxState State);
    void PaintCellRadio(TCanvas& ACanvas, const TRect& ARect, int Count, int Index, bool Horizontal, bool Disabled,
                        const TStringList* Items, bool Selected, int ACol, int ARow, VoGrid::TControlStyle Style,
                        double Scale, bool Upward);
    // A cell with a graphic shows no text.
    bool NoImageAndText = false;
    // The vertical DrawText flag the text painter used last.
    unsigned LastVAlignFlag() const { return FVAlignFlag; }
    TGetCellGradientEvent OnGetCellGradient;
    TGetFloatFormatEvent OnGetFloatFormat;
    TCustomCellDrawEvent OnCustomCellBkgDraw;
    TCustomCellDrawEvent OnCustomCellDraw;
    TGetCellBorderPropEvent OnGetCellBorderProp;
    TNotifyEvent OnPainted;
    // Measuring and placing text (VoGridSurface.cpp). ACol is a real column; SB measures the height of the text
    // wrapped to the cell's width, VS leaves room for a vertical scroll bar.
    TSize GetCellTextSize(int ACol, int ARow, bool VS, bool SB);
    // GetCellTextSize of a display column.
    TSize MeasureCellText(int ACol, int ARow, bool VS, bool SB);
    int PrintXOffsetTotal() const;
    int PrintYOffsetTotal() const;
    int MaxLinesInRow(int ARow);
    // Moves ARect's top-left corner to where text rotated by Angle degrees starts for the alignments.
    void PlaceRotatedText(TCanvas& ACanvas, TRect& ARect, int Angle, TVAlignment VAlign, TAlignment HAlign,
                          const QString& AText);
    static void AlignRotatedTextRect(TRect& ARect, int Angle, TVAlignment VAlign, TAlignment HAlign, int A, int B,
                                     int C, int D);
    void PaintBackgroundOutsideCells(TCanvas& ACanvas);
    // The sort mark of real column ACol centred at (X, Y).
    void PaintSortIndicator(TCanvas& ACanvas, int ACol, int Y, int X);
    // Whether the cell takes the hover and pressed gradients of the fixed area.
    bool IsHoverFixedCell(int ACol, int ARow) const;
    // Kept by the mouse handling: the fixed cell under the mouse ({-1, -1} for none) and whether the mouse is
    // pressed on it; read by the fixed-cell painter.
    TPoint FixedHoverCell{-1, -1};
    bool FixedMouseDown = false;
    // ===== Window messages, update lock, wheel, panning and the grid timer (VoGridWndProc.cpp) =====
    // The lock depth counts whether or not the grid is shown; redrawing is switched off only while it is
    // shown and always switched on again when the depth returns to 0.
    void BeginUpdate();
    void EndUpdate();
    void StartUpdate() { ++FUpdateCount; }
    void ResetUpdate();
    bool LockUpdate() const { return FUpdateCount != 0; }
    void SetLockUpdate(bool Value);
    bool Panning() const { return wheelpan; }
    // Called after each wheel step the grid performs.
    virtual void AfterWheelScroll(int RowDelta, bool& Handled) { (void)RowDelta, (void)Handled; }
    int TimerTicks() const { return FTimerTicks; }
    bool BlinkPhase() const { return FGridBlink; }

    // ===== Keyboard (VoGridKeys.cpp) =====
    bool IsLastNormalRow() const;
    void AppendRowOnDown();
    virtual void AddOneRow() { SetRowCount(RowCount() + 1); }
    virtual bool QueryCanAppendRow();
    virtual bool QueryCanInsertRow(int ARow);
    virtual void EditKeyHook() {}
    virtual void KeySelectAllHook(const TGridRect& R) { (void)R; }
    QString IncrementalSearchText() const { return SearchInc; }
    // Transport operations of the clipboard keys, carried out by the grid's import and export library.
    virtual void CopySelectionToClipboard()
    {
        if (TIOOperations* io = IO())
            io->CopySelectionToClipboard();
    }
    virtual void CutSelectionToClipboard()
    {
        if (TIOOperations* io = IO())
            io->CutSelectionToClipboard();
    }
    virtual void PasteSelectionFromClipboard()
    {
        if (TIOOperations* io = IO())
            io->PasteSelectionFromClipboard();
    }
    TRadioClickEvent OnRadioClick;
    TRadioButtonClickEvent OnRadioButtonClick;

    // ===== Enter and Tab cell advance (VoGridAdvance.cpp) =====
    int FirstNavigableCol();
    int VisibleFixedRightCols() const;
    bool CanTabToCell(int ACol, int ARow);
    int FirstTabColInRow(int ARow);
    int LastTabColInRow(int ARow);
    virtual void GotoFirstRow() { SetRow(FixedRows()); }
    TAutoAdvanceEvent OnAutoAdvance;
    TSelectCellEvent OnSelectCell;

    // ===== Mouse: press, release, moves, double click, right button (VoGridMouse*.cpp) =====
    void RadioGroupClick(int ACol, int ARow, int X, int Y);
    // Sizes a column to its contents after a double click on its header border.
    virtual void AutoSizeColumnOnDblClick(int ACol) { AutoSizeCol(ACol); }
    void ResetFixedCellHighlight();
    TMouseSelectMode MouseSelectMode() const { return FMouseSelectMode; }
    // The fixed cell the mouse hovers ((-1, -1) for none); HeaderDragButton is the header shown while a column
    // or row moves.
    TPoint HoveredFixedCell() const { return FixedHoverCell; }
    TCanClickCellEvent OnCanClickCell;
    TColumnSizeEvent OnColumnSize;
    TRowSizeEvent OnRowSize;
    TColumnSizingEvent OnColumnSizing;
    TRowSizingEvent OnRowSizing;
    TCheckBoxClickEvent OnCheckBoxMouseUp;
    TRadioClickEvent OnRadioMouseUp;
    TBeforeNodeEvent OnBeforeExpandNode;
    TBeforeNodeEvent OnBeforeContractNode;
    TNodeEvent OnExpandNode;
    TNodeEvent OnContractNode;
    TAnchorClickEvent OnAnchorClick;
    // Milliseconds the last sort by a header click took.
    int SortTime = 0;

    // ===== Hints and balloons (VoGridHints.cpp) =====
    // Fills a hint request for the point: text, position (screen) and colour. False outside the cells.
    bool BuildCellHint(TPoint CursorPos, QString& Hint, TPoint& HintPos, TColor& HintColor);
    // The text the sizing hint shows now ("cw=<b>80</b>"), empty when none is shown.
    QString SizingHintText() const { return FSizingHint; }
    void BalloonInit();
    void BalloonDone();
    bool BalloonShown() const { return FBalloonActive; }
    // The balloon tooltip window while balloons are on, else nullptr.
    TBalloonHint* BalloonWindow() const { return FBalloonTip; }

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void DoEnter() override;
    void DoExit() override;
    void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs) override;
    void TopLeftChanged() override;
    // Called with the whole normal area when a press on the corner selects everything; does nothing here.
    virtual void MouseSelectAllHook(const TGridRect& ARect) { (void)ARect; }

private:
    // Window procedure parts.
    bool handleInputMessage(TMessage& Message);
    void comboNotification(const TMessage& Message);
    void startPanning(TPoint At);
    void stopPanning();
    void panStep();
    // What the mouse leaves on the grid, drawn by the paint pass: the mark at the panning anchor and a fixed
    // cell pushed like a button.
    void paintMouseMarks(TCanvas& Canvas);
    void paintPanMark(TCanvas& Canvas);
    void wheelStep(TMessage& Message);
    void gridTimer();
    void repaintBlinkingCells();
    void syncSelection();
    // Whether the fixed-cell edit mode of a fixed cell (its fixed row first, then its fixed column) is Mode.
    bool fixedCellEditsOn(const TGridCoord& cell, TGridFixedCellEdit Mode) const;
    // A left press that opens the fixed-cell editor; true when the press is used up.
    bool fixedCellPress(const TGridCoord& cell, int X, int Y);
    void focusArrived();
    bool canEditOnFocus(int RealC);
    void repaintMergedCurrentCell();
    // Keyboard.
    void KeyDownMessageHandler(TMessage& Message);
    void CharMessageHandler(TMessage& Message);
    bool homeEndKey(WORD Key, TShiftState Shift);
    bool clickableKey(WORD Key);
    bool clipboardKey(WORD Key, TShiftState Shift);
    void insertRowKey();
    void deleteRowKey();
    void selectAllKey();
    void moveScrollOnly(WORD Key);
    bool skipFixedCells(WORD Key);
    void cursorAdvance(WORD Key, const TGridCoord& Before);
    void fireKeyDown(WORD& Key, TShiftState Shift);
    void noteSelectionChange();
    TGridRect FMoveSelection;
    TGridCoord FLastKeyCell;
    QString SearchInc;
    int SearchTics = 0;
    // Advance.
    bool advanceTarget(int& c, int& r, bool Forward);
    bool appendOnAdvance(int& r);
    bool tabMove(bool Backward);
    bool tabForward();
    void tabBackward();
    void tabHandOver(bool& Result);
    void moveCurrentTo(int ACol, int ARow);
    int FAECol = 0;
    int FAERow = 0;
    int FLastTabCol = -1;
    int FLastTabRow = -1;
    // Mouse.
    void LeftButtonDownHandler(TMessage& Message);
    void LeftButtonUpHandler(TMessage& Message);
    void DblClickHandler(TMessage& Message);
    void RightButtonDownHandler(TMessage& Message);
    bool pressCheckBox(int C, int R, int RealC, TPoint At);
    bool pressNode(int C, int R, TPoint At);
    bool pressCellButton(int C, int R, int RealC, TPoint At);
    bool pressLink(int C, int R, int RealC, TPoint At);
    void followAnchor(int C, int R, const QString& Anchor);
    bool htmlHitTest(int C, int R, int RealC, TPoint At, THtmlRenderResult& Hit);
    void pressFormControl(int RealC, int R, const THtmlRenderResult& Hit);
    void pressRating(int C, int R, int RealC, int OffsetX);
    void noteSpinPress(int C, int R, int RealC, TPoint At);
    bool onSelectionResizer(TPoint At);
    void startSelectionResize();
    void moveSelectionResizer(int X, int Y);
    void disjunctCellClick(int C, int R, TShiftState Shift);
    void disjunctCellKey(WORD Key, TShiftState Shift, const TGridRect& Before);
    void releaseSelectionResize();
    bool FMouseResize = false;
    TGridRect FDropSelection;
    void pressHeaderSelection(int C, int R, TShiftState Shift);
    void releaseCellButton(int C, int R, TPoint At);
    // Cell and column drags (VoGridDragStart.cpp): a press on the selection may become a drag on the move.
    bool pressStartsDrag(int C, int R, int RealC, TPoint At, TShiftState Flag);
    void moveStartsDrag(TShiftState Shift, int X, int Y);
    // A press on the selection that did not become a drag; true when it ended the release.
    bool releaseSelectionClick(int C, int R, TShiftState Shift);
    bool FSelectionClick = false;
    // A normal press through the base grid: kept left column, partial edges and rows.
    void pressNormalCell(int C, int R, TMessage& Message);
    // Disjunct row and column lists by the mouse: the press prepares them, the release marks the selection.
    bool pressDisjunctLists(int C, int R, TShiftState Shift, const TGridRect& Old, TMessage& Message);
    bool releaseDisjunctLists(int C, int R);
    bool FDeselectState = false;
    void releaseGroupSelection(int C, int R);
    void rightClickRowList(int R, TShiftState Shift);
    // The left column at the last press, kept while a row-select drag moves (KeepHorizScroll).
    int FOldKeepLeftCol = -1;
    // A BUTTON form control of cell FCtrlXY held down by the mouse (drawn pressed); the release or a focus loss
    // lets it go.
    bool FCtrlDown = false;
    void releaseControlButton();
    // A fixed cell drawn pushed (FixedAsButtons) from the press to the release, and its rectangle.
    bool FFixedCellPushed = false;
    TRect FPushedFixedCell;
    void pushFixedCell(int C, int R, bool FixedArea, bool FixedInside, int X);
    void releaseFixedSizing(TPoint At);
    bool isSortClick(int C, int R, TPoint At);
    void sortClick(int C, TShiftState Shift);
    void columnSortClick(int RealC);
    void indexSortClick(int RealC, TShiftState Shift);
    void moveSizing(int X, int Y);
    void moveHeaderSelection(int X, int Y);
    void moveHoverButton(int C, int R, TPoint At);
    void moveOverLink(int C, int R, TPoint At);
    void chooseSelectMode(int C, int R, TPoint At);
    int fixedBorderAt(bool Columns, int Pos) const;
    // Hovered fixed cells and the fixed-cell drop-down button.
    void moveHoverFixedCell(int C, int R);
    void forgetHoverFixedCell();
    bool pressFixedDropDown(const TGridCoord& cell, int X);
    // The in-cell scroll bar follows the mouse into a cell with a scroll bar and hides over any other.
    void moveCellScrollBar(int C, int R);
    TRect cellScrollBarRect(int C, int R);
    // The cursor of a header selection mode (none for msNormal and msURL).
    void applySelectModeCursor();
    void moveAnchor(int R, int RealC, const QString& Anchor);
    bool FNoMouseLeave = false;
    bool FDropDownDown = false;
    bool Invokedchange = false;
    QString FAnchor;
    QString FLastAnchorHint;
    // Enhanced moving of a column or row by its header: the moved header follows the mouse, arrows mark
    // the target and the release moves it.
    void moveHeaderDrag(int X, int Y);
    void markMoveTarget(bool Columns);
    bool releaseHeaderMove(int C, int R);
    void endHeaderMove();
    TArrowWindow& moveArrow(std::unique_ptr<TArrowWindow>& Window, TArrowDirection Direction);
    std::unique_ptr<TArrowWindow> ArwU, ArwD, ArwL, ArwR;
    int FMoveColInd = -1;
    int FMoveRowInd = -1;
    int MoveOfsX = 0;
    int MoveOfsY = 0;
    bool searchFooterMnemonic(char16_t Key);
    bool FDoOnClick = false;
    bool FMouseDownMove = false;
    bool FEditStart = false;
    bool FSizeFixed = false;
    bool FSizeFixedR = false;
    bool FSizingFixed = false;
    bool FSizingFixedR = false;
    int FSizeFixedX = 0;
    int FSizeFixedY = 0;
    int FSizingFixedCol = -1;
    int FSizingFixedRow = -1;
    int FMouseSelectStart = -1;
    TMouseSelectMode FMouseSelectMode = msNormal;
    TGridCoord FPushedCellButton{-1, -1};
    TGridCoord FHoverButton{-1, -1};
    bool FDblClk = false;
    bool ColMoveFlg = false;
    int Movecell = -1;
    int Clickposx = 0;
    int Clickposy = 0;
    int Clickposdx = 0;
    int Clickposdy = 0;
    // Hints and balloons.
    void hintRequest(THintInfo& Info);
    void showSizingHint(int X, int Y);
    void hideSizingHint();
    TGridCoord FLastHintPos{-1, -1};
    TGridCoord FLastBalloonPos{-1, -1};
    QString FSizingHint;
    // The balloon of the cell under a client point: its text, title, icon and colours.
    bool balloonText(TPoint ClientPos, TBalloonTipText& Tip);
    TBalloonHint* FBalloonTip = nullptr;
    // Drop marks.
    TColor FArrowColor = clLime;
    // Window procedure state.
    TPoint wheelpanpos;
    int FTimerTicks = 0;
    bool FGridBlink = false;
    bool FRedrawOff = false;

public:
    // ===== In-place editing: opening, closing, validation, the editors =====
    // (VoGridEdit.cpp, VoGridEditors.cpp, VoGridCheckBoxes.cpp; editor classes in Editors/)
    void ShowInplaceEdit();
    void HideInplaceEdit();
    // Ends editing after a special editor's key and carries out what the key means for the grid.
    void DoneInplaceEdit(WORD Key, TShiftState Shift);
    // Validates and writes the value of the cell being edited; true when accepted or nothing was edited.
    virtual bool ValidateCell(const QString& NewValue);
    // The same for a cell holding wide text: NewValue is its decoded text, OnCellValidateWide judges it and an
    // accepted value is written as the cell's wide text.
    virtual bool ValidateCellWide(const QString& NewValue);
    // Tab belongs to the editors: goTabs is set or a validation handler is assigned.
    bool HasCellValidation() const;
    void HideCellEdit();
    void ShowCellEdit();
    // ACol is a real column.
    virtual void SetEditedCellText(int ACol, int ARow, const QString& Value);
    virtual void RestoreCellCache();
    virtual void WriteCurrentCellText(const QString& Value);
    virtual void StoreOldCellText(int ACol, int ARow);
    virtual QString DoEllipsClick(const QString& S);
    bool IsEditing() const { return EditMode; }
    // The grid edits cells: goEditing is set, or switched off only for the current cell by its permission.
    bool EditsCells() const { return (Options() & goEditing) || FEditDisable; }
    bool EditActive() const { return FEditActive; }
    QString OriginalCellValue() const { return FCellCache; }
    QString OldCellText() const { return FOldCellText; }
    QString NewCellText() const { return FNewCellText; }
    bool Validating() const { return FValidating; }
    TVoInplaceEdit* InplaceEdit() const;
    TGridCheckBox* EditCheckBox();
    TControl* EditCtrl() const { return FEditCtrl; }
    TEditLink* EditLink = nullptr;
    QString EditMask;
    // Moves the current cell on after Enter, backwards with Forward false; nothing unless AdvanceOnEnter or Force.
    virtual void AdvanceAfterEnter(int ACol, int ARow, bool OpenEditor, bool Forward, bool AutoEdit, bool Force);
    virtual void HandleTabKey(bool Backward);
    // The editor state the editors read and write while a value is validated.
    bool FNoAutoAdvance = false;
    bool FNoEditChange = false;
    bool LButFlg = false;
    QChar FStartEditChar;
    // Combo items and the preferred item index.
    void ClearComboString();
    void AddComboString(const QString& s);
    void AddComboStringObject(const QString& s, TObject* AObject);
    bool RemoveComboString(const QString& s);
    bool SetComboSelectionString(const QString& s);
    void SetComboSelection(int idx) { FComboIdx = idx; }
    int ComboSelection() const { return FComboIdx; }
    int GetComboCount() const;
    void SetComboIndex(int ACol, int ARow, int Value);
    int GetComboIndex(int ACol, int ARow);
    // Check boxes and radio buttons: real column, displayed row unless stated.
    static TCheckBoxState BoolToCheckBoxState(bool bChecked) { return bChecked ? cbChecked : cbUnchecked; }
    void AddCheckBox(int ACol, int ARow, bool State, bool Data);
    void AddCheckBox(int ACol, int ARow, TCheckBoxState State);
    void AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox);
    void AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State);
    void RemoveCheckBox(int ACol, int ARow);
    void RemoveCheckBoxColumn(int ACol);
    bool HasCheckBox(int ACol, int ARow);
    bool HasDataCheckBox(int ACol, int ARow);
    bool GetCheckBoxState(int ACol, int ARow, bool& State);
    bool GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State);
    bool IsChecked(int ACol, int ARow);
    bool SetCheckBoxState(int ACol, int ARow, bool State);
    bool SetCheckBoxState(int ACol, int ARow, TCheckBoxState State);
    bool SetCheckBoxStateNotify(int ACol, int ARow, bool State);
    void CheckAll(int ACol);
    void UnCheckAll(int ACol);
    bool ToggleCheckBox(int ACol, int ARow) { return ToggleCheckBoxCell(ACol, ARow, false); }
    virtual bool ToggleCheckBoxCell(int ACol, int ARow, bool UserAction);
    virtual void DoCheckBoxChange(int ACol, int ARow, bool State);
    bool IsInCheckBox(int ACol, int ARow, int XPos, int YPos);
    void AddRadioButton(int ACol, int ARow, bool State);
    void RemoveRadioButton(int ACol, int ARow);
    bool HasRadioButton(int ACol, int ARow);
    bool IsRadioButtonChecked(int ACol, int ARow);
    bool SetRadioButtonState(int ACol, int ARow, bool State);
    void AddRadioButtonColumn(int ACol);
    void RemoveRadioButtonColumn(int ACol);
    void SetRadioButtonColumnIndex(int ACol, int Index);
    int GetRadioButtonColumnIndex(int ACol);
    virtual bool ToggleRadioButtonCell(int ACol, int ARow, bool UserAction);
    bool AdvanceRadio(int ACol, int ARow, bool UserAction);
    // Editors created on first use, and the other special editors.
    TGridSpin* SpinEdit();
    TGridDatePicker* DateTimePicker();
    TGridDateTimePicker* DateAndTimePicker();
    TVoRichEdit* InplaceRichEdit();
    TVoRichEdit* RichEdit();
    // Rich text in cells: the cell keeps the rich text's stream, one character per byte.
    void CellToRich(int Col, int Row, TVoRichEdit& R);
    void RichToCell(int Col, int Row, TVoRichEdit& R);
    QString RichToString(TVoRichEdit& R);
    // Spin buttons drawn in a cell: the mouse code sets one, the opening spin editor performs it once.
    bool FSpinUpClick = false;
    bool FSpinDnClick = false;
    // Handlers bound to the date pickers.
    void DatePickerChange(TObject* Sender);
    void DatePickerCloseUp(TObject* Sender);
    void DatePickerDropDown(TObject* Sender);
    void DateTimePickerTimeChange(TObject* Sender);
    TDateTimeChangeEvent OnDateTimeChange;
    // Events of editing.
    TCellValidateEvent OnCellValidate;
    TCellValidateEvent OnCellValidateWide;
    TNotifyEvent OnEditingDone;
    TEditCellDoneEvent OnEditCellDone;
    TEditChangeEvent OnEditChange;
    TComboChangeEvent OnComboChange;
    TComboObjectChangeEvent OnComboObjectChange;
    TSpinClickEvent OnSpinClick;
    TFloatSpinClickEvent OnFloatSpinClick;
    TDateTimeSpinClickEvent OnDateSpinClick;
    TDateTimeSpinClickEvent OnTimeSpinClick;
    TEllipsClickEvent OnEllipsClick;
    TClipboardEvent OnClipboardCopy;
    TClipboardEvent OnClipboardCut;
    TClipboardEvent OnClipboardPaste;
    TClipboardBeforePasteCellEvent OnClipboardBeforePasteCell;
    TClipboardAfterPasteCellEvent OnClipboardAfterPasteCell;
    TEndRowSizeEvent OnEndRowSize;
    TGetEditMaskEvent OnGetEditMask;
    TCustomStrToDateEvent OnCustomStrToDate;
    TDatePickerEvent OnDatePickerCloseUp;
    TDatePickerEvent OnDatePickerDropDown;
    TCheckBoxClickEvent OnCheckBoxChange;

    // ===== Fixed-cell editors, form controls in cell text, controls placed in cells =====
    // (VoGridEditCells.cpp; the editor classes in Editors/CellEditors.h)
    // Opens the edit or combo over a fixed cell (display column, display row).
    void ShowFixedCellEditor(int ACol, int ARow);
    TGridTransEdit* FixedCellEdit();
    TGridTransCombo* FixedCellCombo();
    // Opens the editor of the form control CtrlID of a cell's text (real column, display row); R is the
    // control's rectangle in the grid.
    void ShowCellControl(const QString& CellText, const QString& CtrlType, const QString& CtrlID,
                         const QString& CtrlValue, int ACol, int ARow, const TRect& R);
    // Ends the form control edit in progress: its value goes into the cell's text.
    void CellControlEditDone(TObject* Sender);
    void CellControlComboSelect(TObject* Sender);
    // Tab in a form control editor: advance, or the cell's next edit control.
    void CellControlTab();
    // Opens the next edit control after CtrlID (the first for an empty ID); the grid takes the focus when none.
    void FocusNextCellControl(int ACol, int ARow, const QString& CtrlID);
    bool CellControlEditing() const { return FCtrlEditing; }
    TControlEdit* CellControlEdit();
    TControlCombo* CellControlCombo();
    // Places the controls put in cells over their cells for the visible area; RebuildList lists them anew.
    void CellControlsUpdate(bool RebuildList);

private:
    void fixedEditChange(TWinControl& Editor);
    void placeCellScrollBar();
    TScrollBar& cellScrollBar();
    TPoint FCtrlXY{-1, -1};
    QString FCtrlID;
    QString FCtrlType;
    TGridCoord FFixedEdit{-1, -1};

public:
    // ===== Drop-down editors: made by the drop-down library, which installs DropDownFactory =====
    // (VoGridEditDropDown.cpp) A drop-down type whose editor the library does not make edits as text.
    class TDropDownEditors {
    public:
        virtual ~TDropDownEditors() = default;
        virtual bool Builds(TEditorType Type) const = 0;
        // The editor of a type it builds, created on first use as a hidden child of the grid.
        virtual TWinControl& Editor(TEditorType Type) = 0;
        // Loads a cell's edit text into the editor; the editor's value for the cell.
        virtual void SetValue(TEditorType Type, const QString& Text) = 0;
        virtual QString Value(TEditorType Type) = 0;
        // The colour and image pickers, made on first use; their value is a colour with its text, and an
        // image of the list. Loading a value reports no choice.
        virtual TGridColorDropDown* ColorPicker() = 0;
        virtual TGridImageDropDown* ImagePicker() = 0;
        virtual void SetColorValue(TColor Value) = 0;
        virtual TColor ColorValue(QString& Text) = 0;
        virtual void SetImageValue(TImageList* Images, int ImageIndex) = 0;
        // The chosen image's index in the list, and the chosen item.
        virtual int ImageValue() = 0;
        virtual int ImageItemIndex() = 0;
    };
    using TDropDownFactory = std::function<std::unique_ptr<TDropDownEditors>(VOroDavoduRuzu&)>;
    static TDropDownFactory& DropDownFactory()
    {
        static TDropDownFactory factory;
        return factory;
    }
    TDropDownEditors* DropDownEditors()
    {
        if (!FDropDowns && DropDownFactory())
            FDropDowns = DropDownFactory()(*this);
        return FDropDowns.get();
    }
    static bool IsDropDownEditor(TEditorType Type) { return Type >= edTrackbarDropDown && Type <= edVoGridDropDown; }
    // The types the plain text editor edits (edValidChars, which also uses it, is not counted).
    static bool IsTextEditor(TEditorType Type);
    // Handlers the grid attaches to its drop-down editors.
    void DropDownHeaderButtonClick(int ButtonIndex);
    void DropDownFooterButtonClick(int ButtonIndex);
    void MemoDropDownChange(const QString& Text);
    // The colour and image picker editors, made on first use; nullptr without the drop-down library.
    TGridColorDropDown* ColorPickerDropDown();
    TGridImageDropDown* ImagePickerDropDown();
    // The pickers' choice: OnColorSelect with the current cell, the colour and its text; OnImageSelect
    // with the current cell and the chosen item.
    virtual void DoColorSelect();
    virtual void DoImageSelect();

private:
    friend class TGridDropDownKeys;
    bool dropDownBuilt(TEditorType Type);
    // The pickers edit a cell's colour or image, the other drop-downs its text.
    void loadDropDown(int C, int ARow);
    void commitDropDown(TEditorType Type, int C, int ARow);
    std::unique_ptr<TDropDownEditors> FDropDowns;
    // Esc ended the drop-down edit: nothing is written.
    bool FDropDownCancel = false;

public:
    // ===== Clipboard keys and cell drags: operations of the grid I/O library, reached through IO() =====
    // That library installs IOFactory; a grid makes its operations object on first use (nullptr without it).
    class TIOOperations {
    public:
        virtual ~TIOOperations() = default;
        virtual void CopySelectionToClipboard() = 0;
        virtual void CutSelectionToClipboard() = 0;
        virtual void PasteSelectionFromClipboard() = 0;
        // Drags the selection (or, from a fixed row, the column) that the left button pressed on; false when
        // OnOleDrag refused it.
        virtual bool StartCellDrag(int ACol, int ARow) = 0;
        // The text cell stream: the save range with the column widths; loading sizes the grid to it.
        virtual void SaveToStream(QIODevice& Stream) = 0;
        virtual void LoadFromStream(QIODevice& Stream) = 0;
    };
    using TIOFactory = std::function<std::unique_ptr<TIOOperations>(VOroDavoduRuzu&)>;
    static TIOFactory& IOFactory()
    {
        static TIOFactory factory;
        return factory;
    }
    TIOOperations* IO()
    {
        if (!FIO && IOFactory())
            FIO = IOFactory()(*this);
        return FIO.get();
    }
    // After cells were loaded or pasted: the footer is recalculated.
    virtual void CellsLoaded() { CalcFooter(-1); }
    // An image of a cell rectangle in a floating window that stays on top, is translucent and never becomes
    // active; the caller owns it.
    std::unique_ptr<TPopupWindow> SelectionToForm(const TGridRect& ARect);
    // The picture of the dragged cells or column while a drag runs; it follows the mouse.
    std::unique_ptr<TPopupWindow> MoveForm;
    // The header button image of a column drag without a picture, or of a column or row being moved.
    THeaderDragButton* HeaderDragButton();
    // Whether the header button shows; asking does not make it.
    bool HeaderDragButtonShown() const;
    // Counts the node rows again (rows from FixedRows whose column-0 cell is a node) after a wholesale load of
    // cells; column 0 is repainted when there is one.
    void RecountNodes();

private:
    std::unique_ptr<TIOOperations> FIO;

protected:
    bool CanEditShow() override;
    TInplaceEdit* CreateEditor() override;
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    QString GetEditMask(int ACol, int ARow) override;
    int GetEditLimit() override { return MaxEditLength; }
    virtual void ShowSpecialEditor(int ACol, int ARow);
    virtual void CommitSpecialEditor(int ACol, int ARow);
    // Raises OnEditingDone, leaves edit mode and posts "GridEditDone" for the cell.
    void NotifyEditDone(int ACol, int ARow);
    // The posted "GridEditDone" arrived.
    void EditCellDoneMessage(int ACol, int ARow);
    // The clipboard's Unicode text for a paste into the current cell's editor, after OnClipboardPaste and
    // OnClipboardBeforePasteCell (which may change or refuse it); false when refused or the clipboard has none.
    bool EditorPasteText(TObject* Sender, QString& Value);

private:
    friend class TVoInplaceEdit;
    friend class TGridCombo;
    friend class TGridCheckBox;
    friend class TGridButton;
    friend class TGridSpin;
    friend class TGridDatePicker;
    friend class TGridDateTimePicker;
    friend class TGridEditBtn;
    friend class TGridUnitEditBtn;
    friend class TEditLink;
    friend class TVoRichEdit;
    // What the special editors share: Tab handed to the grid, the end of a key, the focus leaving.
    bool editorTab();
    void editorFinish(WORD& Key, TShiftState Shift, bool Reopen);
    void editorExit();
    bool editorWantsKey(WORD Key, bool TabOwned) const;
    // Showing and committing the editors of each family.
    void showSpin(int C, int ARow, const TRect& R);
    void showDatePicker(int C, int ARow, const TRect& R);
    void showDateTimePicker(int C, int ARow, const TRect& R);
    void showEditBtn(int C, int ARow, const TRect& R);
    void showUnitEditBtn(int C, int ARow, const TRect& R);
    void showCustom(int C, int ARow, const TRect& R, const TBrush& Brush, const TFont& Font);
    void showRichEdit(int C, int ARow, const TRect& R);
    void showDropDown(int C, int ARow, const TRect& R);
    void commitSpin(int C, int ARow);
    // A cell text as a date (dtkDate: date and time) or a time, as the editors read it; the current date
    // and time when empty or unreadable. And the short date and time text the date-and-time editor writes.
    TDateTime editDateTime(const QString& Text, TDateTimeKind Kind);
    QString editDateTimeText(TDateTime Value) const;
    TGridSpin* FEditSpin = nullptr;
    TGridDatePicker* FEditDate = nullptr;
    TGridDateTimePicker* FEditDateTime = nullptr;
    TVoRichEdit* FRichEdit = nullptr;
    TVoRichEdit* FInplaceRichEdit = nullptr;
    // Types whose control is not built here (the drop-down family among them) edit as text.
    bool servedByTextEditor(TEditorType type);
    void editorLook(int ACol, int ARow, TBrush& ABrush, TFont& AFont, TAlignment& HA);
    void refuseValue(const QString& Value, const QString& NewValue, const QString& OldText);
    // The edited value validated (every editor), through ValidateCellWide when the cell holds wide text.
    bool validateEditValue(const QString& Value);
    // Leaving an open special editor: validated, then committed; a refusal keeps it open and focused showing
    // the value validation settled on.
    bool leaveSpecialEditor();
    std::optional<QString> specialEditorValue();
    void loadSpecialEditor(const QString& Text);
    // Switches goEditing for the cell about to become current by whether it may be edited.
    void applyEditPermission(int ACol, int ARow);
    QString FOldCellTextWide;
    void showInvalidEntryBalloon();
    void checkCellExists(int ACol, int ARow) const;
    QString checkText(int ACol, int ARow, bool State);
    bool dataChecked(int ACol, int ARow);
    TCellGraphic* realRowCheckGraphic(int ACol, int ARow, bool& own);
    bool userMayChange(int ACol, int ARow, bool UserAction, bool AlwaysActive);
    void checkGroupChildren(int ACol, int ANode, bool State);
    void checkGroupNode(int ACol, int ARow);
    void showEditorControl(TWinControl& control, int C, int ARow, const TRect& R);
    void hideEditorControl(TWinControl& control);
    void showCombo(int C, int ARow, const TRect& R);
    TControl* FEditCtrl = nullptr;
    QString FCellCache;
    QString FOldCellText;
    QString FNewCellText;
    int FOldCol = 0;
    int FOldRow = 0;
    bool FOldModifiedValue = false;
    bool FEditing = false;
    bool FValidating = false;
    bool FEditActive = false;
    bool FSpecialEditor = false;
    bool FBlockKill = false;
    bool FBlockFocus = false;
    bool FLastValidation = true;
    bool FGridModified = false;
    bool FEntered = false;
    bool FShowEditProcess = false;
    int FComboIdx = -1;

protected:
    void CreateWnd() override;
    void Loaded() override;
    void Resize() override;
    void synchColumnsWithWidth();
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WndProc(TMessage& Message) override;
    int StoredColCount() const override { return TotalColCount(); }
    void PaintNonClient(TCanvas& Canvas) override;
    void OwnerFormResize(TObject* Sender);
    // Size changes and scroll messages.
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    void SizeChanged(int OldColCount, int OldRowCount) override;
    void scrollMessageHook(TMessage& Message);

private:
    friend class VoGridTestAccess;
    // Life cycle.
    void adoptLateControl(TControl& Control);
    // The control, made on first use and placed as adoptLateControl does, its set-up run then.
    template <typename T, typename SetUp>
    T* madeOnFirstUse(T*& Control, SetUp setUp);
    template <typename T>
    T* madeOnFirstUse(T*& Control)
    {
        return madeOnFirstUse(Control, [](T&) {});
    }
    void applyPlatformFlags();
    void setupWheel();
    void hookOwnerForm();
    void restoreOwnerForm();
    void freeHiddenRowObjects();
    // A dotted XOR line of the column or row sizing.
    void drawSizingLine(TPoint From, TPoint To);
    void floatingFooterChanged();
    void balloonEnableChanged();
    // Cells.
    TCellProperties* propsAt(int ACol, int ARow) const;
    TCellProperties& propsFor(int ACol, int ARow);
    // A field of the cell's properties, or the default without reading them into being.
    template <typename T>
    T propOr(int ACol, int ARow, T TCellProperties::*field, T fallback) const
    {
        const TCellProperties* p = propsAt(ACol, ARow);
        return p ? p->*field : fallback;
    }
    // Writes a field (properties created on first use) and repaints the displayed cell.
    template <typename T>
    void setProp(int ACol, int ARow, T TCellProperties::*field, const T& value)
    {
        propsFor(ACol, ARow).*field = value;
        RepaintCell(DisplColIndexOf(ACol), ARow);
    }
    void repaintDisplayCell(int ACol, int ARow);
    int readInt(const QString& text) const;
    double readFloat(const QString& text) const;
    const TGridItem* hiddenItem(int ARow) const;
    int hiddenBefore(int ARow) const;
    // Hidden rows and structure.
    int hiddenLowerBound(int ARow) const;
    const TGridItem* hiddenAt(int i) const { return &FGridItems[static_cast<std::size_t>(i)]; }
    TGridItem* hiddenAt(int i) { return &FGridItems[static_cast<std::size_t>(i)]; }
    void hideDisplayRows(const std::vector<int>& rows, int level);
    void restoreHiddenItems(const std::vector<int>& positions);
    void shiftHiddenRows(int fromReal, int delta);
    void hiddenRowsFollowRemoval(const std::vector<int>& rows);
    void afterRowsRemoved(int count, int oldRow, int oldTop);
    void removeDisplayRows(const std::vector<int>& rows);
    bool rowInSelection(int ARow);
    std::vector<int> rowsBySelection(bool selected, int lastRow);
    void removeColsBySelection(bool selected);
    void moveHiddenRowsWithBlock(int from, int count, int to);
    TCellGraphic* nodeAt(int ARow);
    int rowLevel(int ARow) const;
    int nodeSpanEnd(int ARow);
    int contentHeight(int ACol, int RCol, int ARow, int Padding);
    bool allRowsVisible() const { return FixedRows() + VisibleRowCount() >= RowCount(); }
    // Show or hide a node's rows without recalculating the footer.
    void expandNodeRows(int ARowReal);
    void contractNodeRows(int ARowReal);
    void changeLevels(int ARow, int Count, int Delta);
    void dropNode(int ARow);
    void resizeAncestors(int ARow, int Delta);
    TCellGraphic* expandAt(int ACol, int ARow);
    std::optional<TMemIniFile> openLayoutStore() const;
    void applyColumnOrder(const std::vector<int>& order);
    void showScrollHint(bool vertical, int code, int target);
    void updateProportional(bool vertical);
    void stopDragScroll();
    void dragScrollStep();
    bool FIsColChanging = false;
    bool ColchgFlg = true;
    bool FScrollHintShow = false;
    std::unique_ptr<TTimer> FDragTimer;
    TDragScrollDirections FDragScrollDirection = 0;
    int FNumNodes = 0;
    void moveControls(bool columns, int from, int count, int to);
    template <typename F>
    void forRect(int ACol1, int ARow1, int ACol2, int ARow2, F f);
    int FHidingLevel = 0;

    // Graphics.
    TCellGraphic* addGraphic(int ACol, int ARow);
    TCellGraphic* graphicOfType(int ACol, int ARow, TCellType type);
    TCellGraphic* ownGraphic(int ACol, int ARow) const;
    void multiImageChanged(TObject* Sender, int ACol, int ARow);
    // The cursor OnGetCellCursor gave for the last cell asked.
    TCursor FCellCursor = crDefault;
    bool FCellCursorAnswered = false;
    void mergedColumnsChanged();

    // Owned objects, in the order the constructor creates them.
    TScrollControl* vscrlctrl = nullptr;
    TScrollControl* hscrlctrl = nullptr;
    TFooterPanel* FFooterPanel = nullptr;
    TSearchPanel* FSearchPanel = nullptr;  // made when first needed
    TFont cf;
    TFocusHelper FFocusHelper;
    std::unique_ptr<TSearchFooter> FSearchFooter;
    TFloatingFooter FFloatingFooter{this};
    TPrintSettings FPrintSettings{this};
    THTMLSettings FHTMLSettings;
    TSortSettings FSortSettings{this};
    TDragDropSettings FDragDropSettings{this};
    TDragScrollOptions FDragScrollOptions;
    TControlLook FControlLook{this};
    TNavigation FNavigation;
    TColumnSize FColumnSize{this};
    TCellNode FCellNode;
    TBands FBands;
    TSizeWhileTyping FSizeWhileTyping;
    TMouseActions FMouseActions;
    TGrouping FGrouping;
    TStringList FColumnHeaders;
    TIntList FOrigColSizes{-1, -1};
    int FOldSize = 0;  // the control width FOrigColSizes belong to; 0 = none recorded
    TFont FFixedFont;
    TFont FActiveCellFont;
    TStringList FRowHeaders;
    TStringList Sortlist;
    TStringList FLookupItems;
    std::vector<int> FRowSelect;
    std::vector<int> FColSelect;
    TSortIndexList FSortIndexes;
    TIntList FSortRowXRef{0, 0};
    TIntList FUnSortRowXRef{0, 0};
    TIntList FMergedColumns{0, 0};
    TIntList FSelectedCells{0, 0};
    TIntList FSelectedRows{0, 0};
    TIntList FModifiedRows{0, 0};
    TIntList FEnabledRows{0, 0};
    TBackGround FBackGround{this};
    THTMLHintWindow* FScrollHintWnd = nullptr;
    TControlList FControlList;
    TGridProgressAppearance FProgressAppearance;
    TSyncGrid FSyncGrid{this};
    std::vector<TGridItem> FGridItems;  // ascending by real index
    TFilter FFilter{this};
    TBalloonSettings FBalloonSettings;
    TShowModified FShowModified;
    std::vector<TGridChangeNotifier*> FNotifierList;
    TIntList FColumnOrder{0, 0};
    TCellGraphic FCellGraphic;
    TIntList FIgnoreColumns{-1, -1};
    TFilterDropDown FFilterDropDown;
    TDropList* FDropList = nullptr;
    TDropCheckList* FDropCheckList = nullptr;
    TStringList FFilterList;
    // Made on first use.
    TGridCombo* EditCombo = nullptr;
    TGridTransEdit* EditTrans = nullptr;
    TGridTransCombo* ComboTrans = nullptr;
    TGridCheckBox* EditCheck = nullptr;
    TGridEditBtn* EditBtn = nullptr;
    TGridUnitEditBtn* UnitEditBtn = nullptr;
    TGridButton* GridButton = nullptr;
    THeaderDragButton* MoveButton = nullptr;
    TControlEdit* FEditControl = nullptr;
    TControlCombo* FComboControl = nullptr;
    TScrollBar* FScrollBar = nullptr;
    // The cell (real column, display row) the in-cell scroll bar stands in; -1 when none.
    int FScrollCol = -1;
    int FScrollRow = -1;

    // State set by the constructor.
    TQEVStyle FStyle = tsWindowsXP;
    bool EditMode = false;
    TEditorType EditControl = edNormal;
    bool FCtrlEditing = false;
    TColorTones FTones;
    bool FLoaded = false;
    bool FEditChange = false;
    bool FEditDisable = false;
    bool FUseHTMLHints = false;
    bool FAutoSize = false;
    int FFixedRowHeight = 0;
    int FFixedColWidth = 64;
    TColor FBorderColor = 0x808080;
    int FScrollWidth = 17;
    TColor FScrollColor = clNone;
    TScrollType FScrollType = ssNormal;
    TScrollBarAlways FScrollBarAlways = saNone;
    TGridLook FLook = glXP;
    TOfficeTheme FOldOfficeTheme = otUnknown;
    bool FUseVCLStyles = false;
    std::unique_ptr<TGridFocusWindow> FFocusWindow;
    void resetStyleColours();
    void toneInplaceEditors();
    void toneEditor(TGridEditBtn& Editor) const;
    void toneEditor(TGridCombo& Editor) const;
    void toneEditor(TGridDatePicker& Editor) const;
    // Once the editors took the colour tones: the grid colour the combo box's border got then.
    std::optional<TColor> FTonedBorderColor;
    bool FIsWinXP = true;
    bool FIsWin7 = true;
    bool FIsComCtl6 = true;
    bool FIsWinVista = true;
    // The flags the grid starts with (before applyPlatformFlags), which its editors are made with.
    const bool FEditorsWinXP = FIsWinXP;
    const bool FEditorsVista = FIsWinVista && FIsComCtl6;
    int FUpdateCount = 0;
    int FNumCellControls = 0;
    int FNumHidden = 0;
    int FFixedRowsMin = 1;
    int FFixedColsMin = 1;
    int FMaxRowCount = 0;
    int FMaxColCount = 0;
    int FOldLeftCol = 0;
    int FOldTopRow = 0;
    TCursor FOldCursor = crDefault;
    std::array<bool, ColumnMapSize> FVisibleCol{};
    std::array<std::int16_t, ColumnMapSize> FAllColWidths{};
    IVOroDavoduRuzuSelect* FISelect = nullptr;
    // Form resize chain.
    TNotifyEvent FOnResize;
    bool ResizeAssigned = false;
    TCustomForm* FResizeForm = nullptr;
    int PrevSizeX = 0;
    int PrevSizeY = 0;
    // Window set-up.
    UINT_PTR FGridTimerID = 0;
    UINT wheelmsg = 0;
    int wheelscrl = 0;
    bool wheelpan = false;
    bool FBalloonActive = false;

private:
    // ===== Sorting, filtering, searching, grouping and calculations: state and helpers =====
    struct SortLevel {
        int col;
        TSortDirection direction;
    };
    int sortLastRow() const;
    TSortColumnKeys sortColumnKeys(int ACol, const std::function<int(int)>& rowAt, int count, TSortDirection direction);
    std::vector<int> sortOrder(const std::vector<SortLevel>& levels, int first, int count);
    void applyRowOrder(int first, const std::vector<int>& order, int singleCol);
    void sortRows(const std::vector<SortLevel>& levels, int first, int last);
    std::vector<SortLevel> indexLevels() const;
    std::vector<SortLevel> columnLevels(int Col) const;
    void sortGroups(const std::vector<SortLevel>& levels);
    void runSort(const std::vector<SortLevel>& levels, bool indexed);
    class SortFooterScope;
    TSortStyle sortStyleOf(int ACol, TSortTextOptions& options);
    QString sortText(int ACol, int ARow);
    QString filterText(const TFilterCondition& condition, int ARow);
    void restoreFilterLevel();
    const TBitmap& filterGlyph(int RCol) const;
    void openFilterList(const TRect& Cell);
    void addNarrowCondition(const QString& ACondition, int AColumn, bool quoted);
    QString findCellText(int c, int r, TFindParams params, bool wide);
    void wireSearchPanel();
    void placeSearchPanel();
    void searchFooterChanged();
    int searchPanelHeight() const;
    TFindArea findArea(TFindParams params);
    void gotoFound(TPoint cell, TFindParams params);
    void tagCells(int c1, int r1, int c2, int r2, bool DoCase, const QString& HiText, const QString& tag);
    void untagCells(int c1, int r1, int c2, int r2, const QString& tag);
    TFindParams searchPanelParams(bool MatchCase, bool HighlightDown, bool forNext);
    void searchScrollStep();
    void searchHighlight(const QString& Text, bool MatchCase);
    void searchUnHighlight();
    bool realRange(int& FromRow, int& ToRow);
    std::vector<TCalcCell> columnCells(int ACol, int FromRow, int ToRow, bool real);
    std::vector<QString> columnTexts(int ACol, int FromRow, int ToRow, bool real);
    std::vector<TCalcCell> rowCells(int ARow, int fromCol, int toCol);
    void groupHeaderColors(int ARow);
    void groupSummaryColors(int ARow);
    int closeGroup(int hdr, int End);
    void insertSubGroupHeader(int Colindex, int r);
    void closeSubGroup(int Colindex, int hdr, int End);
    void finishSubGroup(int Colindex, int hdr, bool any, int end);
    void groupCalcWithFooter(int Colindex, int method, TColumnCalcType footerCalc);
    void writeFooterCalc(int c);
    bool FFilterActive = false;
    const std::vector<TFilterCondition>* FApplyingConditions = nullptr;
    int FFilterLevel = 0;
    int FFilterFixedRows = 0;
    int FFilterCol = -1;
    QString FLastFilter;
    TFindParams FFindParams = 0;
    QString FLastSearch;
    bool FSearchFailed = false;
    bool FGroupingBusy = false;
    int FGroupWidth = 0;
    QString FGroupCaption;
    QString FGroupFooter;

    // ===== Appearance and painting: the paint pass, helpers and state =====
protected:
    void Paint() override;

private:
    struct TCellPaint;
    bool inSelection(int ACol, int ARow) const;
    bool rowListed(int ARow) const;
    bool colListed(int ACol) const;
    bool mouseSelecting() const;
    bool inFixedArea(int ACol, int ARow) const;
    bool showsSortIndicator(int ACol, int RCol, int ARow);
    void paintCellText(TCellPaint& cp);
    void paintPlainText(TCellPaint& cp, QString text);
    void paintSelectionOutline(TCellPaint& cp);
    void paintCellBorders(TCanvas& ACanvas, int RCol, int ARow, TRect R);
    void paintFocusRect(TCellPaint& cp);
    void paintEditorButtons(TCellPaint& cp);
    void paintCellGraphic(TCellPaint& cp, TRect R);
    void placeGraphic(TCellPaint& cp, const TRect& R, int& L, int& T);
    void paintCheckGraphic(TCellPaint& cp, const TRect& R, int T);
    void paintNodeGlyph(TCellPaint& cp, const TRect& R);
    void paintTreeLines(TCellPaint& cp);
    void paintCellButton(TCellPaint& cp, int L, int T);
    void paintHtmlText(TCellPaint& cp, const QString& text);
    void paintRichText(TCellPaint& cp, const QString& text);
    // The background a fixed cell's look paints.
    enum class TFixedFill { None, Hover, ActiveCell, SortHeader, Plain };
    TFixedFill fixedFill(int ACol, int ARow, int RCol) const;
    // Whether the cell paints with the fixed cells' look.
    bool paintsFixedLook(int ACol, int ARow);
    void paintFixedCellLook(TCellPaint& cp);
    void paintFixedCellEdges(TCellPaint& cp);
    void paintFilterGlyph(TCellPaint& cp);
    void paintRowIndicator(TCellPaint& cp);
    void applyLookColours(TGridLook Value, TControlLook::TFixedGradients& g);
    void paintRating(TCellPaint& cp, int L, int T);
    int buttonLook() const;
    unsigned FVAlignFlag = 0;
};
