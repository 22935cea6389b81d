#pragma once
// The grid's settings objects: each groups related properties, is created by the grid and freed with it.
#include <QString>
#include <functional>
#include <memory>

#include "grid/VoFilter/VoFilterRow.h"
#include "grid/VoGrid/VoDropDownAppearance.h"
#include "grid/VoSort/VoSortCompare.h"
#include "grid/base/BaseGrid/BaseGrid.h"
#include "grid/base/VoObj/VoObjLists.h"
#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

class VOroDavoduRuzu;

// The check-box, radio, progress and drop-down look of a grid.
namespace VoGrid {
enum TControlStyle { csClassic, csFlat, csWinXP, csBorland, csQEV, csGlyph, csTheme };
}
using VoGrid::csBorland;
using VoGrid::csClassic;
using VoGrid::csFlat;
using VoGrid::csGlyph;
using VoGrid::csQEV;
using VoGrid::csTheme;
using VoGrid::csWinXP;

// Base of the settings objects whose writes repaint their grid.
class TGridSettings : public TPersistent {
public:
    explicit TGridSettings(TControl* grid) : FGrid(grid) {}
    TControl* Grid() const { return FGrid; }

protected:
    void repaint() const
    {
        if (FGrid)
            FGrid->Invalidate();
    }
    template <typename T>
    void setAndRepaint(T& field, const T& value)
    {
        field = value;
        repaint();
    }

private:
    TControl* FGrid;
};

// --- Typing, column size, HTML export and printing ----------------------------------------------

// While typing in the text editor the row (Height) or the column (Width) grows to the text.
class TSizeWhileTyping : public TPersistent {
public:
    bool Height = false;
    bool Width = false;
};

enum TColumnSizeLocation { clRegistry, clIniFile };
enum TAutoSizeRows { arAll, arNormal, arFixed };

class TColumnSize : public TPersistent {
public:
    explicit TColumnSize(TControl* AOwner) : Owner(AOwner) {}
    // Copies every setting field by field; stretches nothing.
    void Assign(const TPersistent& Source) override;
    bool Stretch() const { return FStretch; }
    // Stores the flag, then stretches the column when the grid has a parent.
    void SetStretch(bool Value);

    TControl* const Owner;
    TAutoSizeRows Rows = arAll;
    bool Save = false;
    QString Key;
    QString Section;
    int StretchColumn = -1;
    bool SynchWithGrid = false;
    bool SynchNormalCellsOnly = false;
    TColumnSizeLocation Location = clRegistry;
    // Stretches the column to the client width (set by the grid).
    std::function<void()> OnStretch;

private:
    bool FStretch = false;
};

class THTMLSettings : public TPersistent {
public:
    // Copies every setting but ExportImages; the column widths stay.
    void Assign(const TPersistent& Source) override;
    TIntList& ColWidths() { return FColWidths; }

    bool AutoPreview = false;
    int BorderSize = 1;
    int CellSpacing = 0;
    int CellPadding = 0;
    bool ConvertSpecialChars = false;
    bool ExportImages = true;
    QString FooterFile;
    QString HeaderFile;
    bool NonBreakingText = false;
    QString PrefixTag;
    bool SaveColor = true;
    bool SaveFonts = true;
    QString SuffixTag;
    QString Summary;
    QString TableStyle;
    int Width = 100;
    bool XHTML = false;

private:
    TIntList FColWidths;
};

enum TPrintPosition { ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter };
enum TPrintBorders {
    pbNoborder,
    pbSingle,
    pbDouble,
    pbVertical,
    pbHorizontal,
    pbAround,
    pbAroundVertical,
    pbAroundHorizontal,
    pbCustom
};
enum TFitToPage { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };
enum TPrinterOrientation { poPortrait, poLandscape };

class TPrintSettings : public TPersistent {
public:
    explicit TPrintSettings(TControl* AOwner) : FGrid(AOwner) {}
    // Source must be print settings (std::bad_cast otherwise); fonts and title lines are copied by content.
    void Assign(const TPersistent& Source) override;

    TFont& Font() { return FFont; }
    void SetFont(const TFont& v) { FFont.Assign(v); }
    TFont& FixedFont() { return FFixedFont; }
    void SetFixedFont(const TFont& v) { FFixedFont.Assign(v); }
    TFont& HeaderFont() { return FHeaderFont; }
    void SetHeaderFont(const TFont& v) { FHeaderFont.Assign(v); }
    TFont& FooterFont() { return FFooterFont; }
    void SetFooterFont(const TFont& v) { FFooterFont.Assign(v); }
    TStringList& TitleLines() { return FTitleLines; }
    void SetTitleLines(const TStringList& v) { FTitleLines.Assign(v); }
    TControl* Grid() const { return FGrid; }

    int FooterSize = 0;
    int HeaderSize = 0;
    TPrintPosition Time = ppNone;
    TPrintPosition Date = ppNone;
    QString DateFormat = QStringLiteral("dd/mm/yyyy");
    TPrintPosition PageNr = ppNone;
    TPrintPosition Title = ppNone;
    QString TitleText;
    TPrintBorders Borders = pbSingle;
    TPenStyle BorderStyle = psSolid;
    TColor BorderColor = clBlack;
    bool Centered = true;
    bool RepeatFixedRows = false;
    bool RepeatFixedCols = false;
    int LeftSize = 0;
    int RightSize = 0;
    int ColumnSpacing = 0;
    int RowSpacing = 0;
    int TitleSpacing = 0;
    TPrinterOrientation Orientation = poPortrait;
    QString PagePrefix;
    QString PageSuffix;
    int PageNumberOffset = 0;
    int MaxPagesOffset = 0;
    int FixedWidth = 0;
    int FixedHeight = 0;
    bool UseFixedHeight = false;
    bool UseFixedWidth = false;
    TFitToPage FitToPage = fpNever;
    QString JobName;
    QString PageNumSep = QStringLiteral("/");
    bool NoAutoSize = false;
    bool NoAutoSizeRow = false;
    bool PrintGraphics = false;
    bool UseDisplayFont = true;
    bool UseDefaultOrientation = false;
    bool FixedCellsAlways = false;

private:
    TControl* FGrid;
    TFont FFont;
    TFont FHeaderFont;
    TFont FFooterFont;
    TFont FFixedFont;
    TStringList FTitleLines;
};

// --- Look, progress, drag and drop, balloons, modified rows, drag scrolling, background ----------

class TControlLook : public TGridSettings {
public:
    explicit TControlLook(TControl* AOwner) : TGridSettings(AOwner) {}
    // Copies sizes, style, glyphs, colours, gradients and the drop-down settings; no repaint.
    void Assign(const TPersistent& Source) override;

    int CheckSize() const { return FCheckSize; }
    void SetCheckSize(int v) { setAndRepaint(FCheckSize, v); }
    const TBitmap& CheckedGlyph() const { return FCheckedGlyph; }
    void SetCheckedGlyph(const TBitmap& v) { copyGlyph(FCheckedGlyph, v); }
    const TBitmap& UnCheckedGlyph() const { return FUnCheckedGlyph; }
    void SetUnCheckedGlyph(const TBitmap& v) { copyGlyph(FUnCheckedGlyph, v); }
    const TBitmap& RadioOnGlyph() const { return FRadioOnGlyph; }
    void SetRadioOnGlyph(const TBitmap& v) { copyGlyph(FRadioOnGlyph, v); }
    const TBitmap& RadioOffGlyph() const { return FRadioOffGlyph; }
    void SetRadioOffGlyph(const TBitmap& v) { copyGlyph(FRadioOffGlyph, v); }
    VoGrid::TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(VoGrid::TControlStyle v) { setAndRepaint(FControlStyle, v); }
    TColor Color() const { return FColor; }
    void SetColor(TColor v) { setAndRepaint(FColor, v); }
    int RadioSize() const { return FRadioSize; }
    void SetRadioSize(int v) { setAndRepaint(FRadioSize, v); }
    bool FlatButton() const { return FFlatButton; }
    void SetFlatButton(bool v) { setAndRepaint(FFlatButton, v); }
    int ProgressMarginX() const { return FProgressMarginX; }
    void SetProgressMarginX(int v) { setAndRepaint(FProgressMarginX, v); }
    int ProgressMarginY() const { return FProgressMarginY; }
    void SetProgressMarginY(int v) { setAndRepaint(FProgressMarginY, v); }
    bool ProgressXP() const { return FProgressXP; }
    void SetProgressXP(bool v) { setAndRepaint(FProgressXP, v); }
    bool DropDownAlwaysVisible() const { return FDropDownAlwaysVisible; }
    void SetDropDownAlwaysVisible(bool v) { setAndRepaint(FDropDownAlwaysVisible, v); }
    bool SpinButtonsAlwaysVisible() const { return FSpinButtonsAlwaysVisible; }
    void SetSpinButtonsAlwaysVisible(bool v) { setAndRepaint(FSpinButtonsAlwaysVisible, v); }
    bool NoDisabledCheckRadioLook() const { return FNoDisabledCheckRadioLook; }
    void SetNoDisabledCheckRadioLook(bool v) { setAndRepaint(FNoDisabledCheckRadioLook, v); }
    bool NoDisabledButtonLook() const { return FNoDisabledButtonLook; }
    void SetNoDisabledButtonLook(bool v) { setAndRepaint(FNoDisabledButtonLook, v); }
    TColor CommentColor() const { return FCommentColor; }
    void SetCommentColor(TColor v) { setAndRepaint(FCommentColor, v); }
    THeaderAppearance& DropDownHeader() { return FDropDownHeader; }
    void SetDropDownHeader(const THeaderAppearance& v) { FDropDownHeader.Assign(v); }
    TFooterAppearance& DropDownFooter() { return FDropDownFooter; }
    void SetDropDownFooter(const TFooterAppearance& v) { FDropDownFooter.Assign(v); }

    // The fixed cells' gradients: plain, hovered and pressed.
    struct TFixedGradients {
        TColor From = clNone;
        TColor To = clNone;
        TColor MirrorFrom = clNone;
        TColor MirrorTo = clNone;
        TColor HoverFrom = clGray;
        TColor HoverTo = clWhite;
        TColor HoverMirrorFrom = clNone;
        TColor HoverMirrorTo = clNone;
        TColor HoverBorder = clSilver;
        TColor DownFrom = clGray;
        TColor DownTo = clSilver;
        TColor DownMirrorFrom = clNone;
        TColor DownMirrorTo = clNone;
        TColor DownBorder = clGray;
        bool operator==(const TFixedGradients&) const = default;
    };
    const TFixedGradients& FixedGradient() const { return FFixedGradient; }
    void SetFixedGradient(const TFixedGradients& v) { setAndRepaint(FFixedGradient, v); }
    void StoreFixedGradient(const TFixedGradients& v) { FFixedGradient = v; }

    TColor ProgressBorderColor = clGray;
    bool FixedDropDownButton = false;
    bool CheckAlwaysActive = false;
    bool RadioAlwaysActive = false;
    int DropDownCount = 8;
    int HintMaxWidth = 0;

private:
    void copyGlyph(TBitmap& glyph, const TBitmap& from)
    {
        glyph.Assign(from);
        repaint();
    }

    int FCheckSize = 15;
    TBitmap FUnCheckedGlyph;
    TBitmap FCheckedGlyph;
    VoGrid::TControlStyle FControlStyle = csTheme;
    TColor FColor = clBlack;
    int FRadioSize = 10;
    TBitmap FRadioOffGlyph;
    TBitmap FRadioOnGlyph;
    bool FFlatButton = false;
    int FProgressMarginY = 2;
    int FProgressMarginX = 2;
    bool FProgressXP = false;
    bool FDropDownAlwaysVisible = false;
    bool FSpinButtonsAlwaysVisible = false;
    bool FNoDisabledCheckRadioLook = false;
    bool FNoDisabledButtonLook = false;
    TColor FCommentColor = clRed;
    TFixedGradients FFixedGradient;
    THeaderAppearance FDropDownHeader{this};
    TFooterAppearance FDropDownFooter{this};
};

enum TProgressStyle { psXP, psClassic };

// Colours and options of progress-bar cells; a changed value fires OnChange.
class TGridProgressAppearance : public TPersistent {
public:
    // Copies every setting, then fires OnChange once.
    void Assign(const TPersistent& Source) override;

    struct TValues {
        TColor UnCompleteFontColor = clWindowText;
        TColor CompleteColor = clRed;
        TColor UnCompleteColor = clNone;
        TColor CompleteFontColor = clBlue;
        bool Stacked = false;
        bool ShowPercentage = true;
        bool ShowBorder = false;
        bool CompletionSmooth = true;
        bool ShowGradient = true;
        int Level2Perc = 90;
        int Level1Perc = 70;
        int Steps = 11;
        TColor Level3Color = clRed;
        TColor Level3ColorTo = 0x00CACAFF;
        TColor Level1Color = clYellow;
        TColor Level1ColorTo = 0x00CAFFFF;
        TColor Level0Color = clLime;
        TColor Level0ColorTo = 0x00E1FFE1;
        TColor Level2ColorTo = 0x00A8D3FF;
        TColor Level2Color = 0x0053A9FF;
        TColor BorderColor = clBlack;
        TProgressStyle Style = psXP;
    };
    const TValues& Values() const { return FValues; }
    // Sets one value through a member pointer: TGridProgressAppearance::Set(&TValues::Steps, 5).
    template <typename T>
    void Set(T TValues::*field, const T& value)
    {
        if (FValues.*field == value)
            return;
        FValues.*field = value;
        changed();
    }

    TNotifyEvent OnChange;

private:
    void changed()
    {
        if (OnChange)
            OnChange(this);
    }
    TValues FValues;
};

class TDragDropSettings : public TPersistent {
public:
    explicit TDragDropSettings(TControl* AOwner) : FGrid(AOwner) {}
    // Copies the flags as plain values.
    void Assign(const TPersistent& Source) override;

    bool OleDropTarget() const { return FOleDropTarget; }
    // Registering the grid as a drop target is the drag-and-drop code's (OnDropTargetChange).
    void SetOleDropTarget(bool Value);
    bool OleDropRTF() const { return FOleDropRTF; }
    void SetOleDropRTF(bool Value);

    bool OleAcceptText = true;
    bool OleEntireRows = false;
    bool OleDropSource = false;
    bool OleRemoveRows = false;
    bool OleAcceptFiles = true;
    bool OleAcceptURLs = true;
    bool OleInsertRows = false;
    bool OleAppendRows = false;
    bool OleCopyAlways = false;
    bool OleColumnDragDrop = false;
    bool OleColumnReorder = false;
    bool OleColumnsOnly = false;
    bool ShowCells = true;
    std::function<void(bool Register)> OnDropTargetChange;
    std::function<void(bool Allow)> OnAllowRTFDrop;

private:
    TControl* FGrid;
    bool FOleDropRTF = false;
    bool FOleDropTarget = false;
};

class TBalloonSettings : public TPersistent {
public:
    // Copies colours, delays and Enable without firing OnEnableChange; not Transparency.
    void Assign(const TPersistent& Source) override;
    bool Enable() const { return FEnable; }
    void SetEnable(bool Value);

    TColor BackgroundColor = clNone;
    TColor TextColor = clNone;
    int ReshowDelay = -1;
    int InitialDelay = -1;
    int AutoHideDelay = -1;
    std::uint8_t Transparency = 0;
    TNotifyEvent OnEnableChange;

private:
    bool FEnable = false;
};

class TShowModified : public TPersistent {
public:
    void Assign(const TPersistent& Source) override;
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool Enabled = false;
    TNotifyEvent OnChange;

private:
    TColor FColor = clYellow;
};

class TDragScrollDelays : public TPersistent {
public:
    void Assign(const TPersistent& Source) override;
    int InitialDelay = 1000;
    int RepeatDelay = 250;
};

class TDragScrollMargins : public TPersistent {
public:
    void Assign(const TPersistent& Source) override;
    int TopMargin = 50;
    int BottomMargin = 50;
    int LeftMargin = 50;
    int RightMargin = 50;
};

class TDragScrollOptions : public TPersistent {
public:
    void Assign(const TPersistent& Source) override;
    TDragScrollDelays& Delays() { return FDelays; }
    void SetDelays(const TDragScrollDelays& v) { FDelays.Assign(v); }
    TDragScrollMargins& Margins() { return FMargins; }
    void SetMargins(const TDragScrollMargins& v) { FMargins.Assign(v); }
    bool Active = false;

private:
    TDragScrollDelays FDelays;
    TDragScrollMargins FMargins;
};

enum TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells { bcNormal, bcFixed, bcAll };

// A picture or gradient behind the cells; every write repaints the grid.
class TBackGround : public TGridSettings {
public:
    using TGridSettings::TGridSettings;
    int Top() const { return FTop; }
    void SetTop(int v) { setAndRepaint(FTop, v); }
    int Left() const { return FLeft; }
    void SetLeft(int v) { setAndRepaint(FLeft, v); }
    TBackGroundDisplay Display() const { return FDisplay; }
    void SetDisplay(TBackGroundDisplay v) { setAndRepaint(FDisplay, v); }
    TBackGroundCells Cells() const { return FCells; }
    void SetCells(TBackGroundCells v) { setAndRepaint(FCells, v); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor v) { setAndRepaint(FColorTo, v); }
    TColor Color() const { return FColor; }
    void SetColor(TColor v) { setAndRepaint(FColor, v); }
    const TBitmap& Bitmap() const { return FBitmap; }
    void SetBitmap(const TBitmap& v)
    {
        FBitmap.Assign(v);
        repaint();
    }

private:
    int FTop = 0;
    int FLeft = 0;
    TBackGroundDisplay FDisplay = bdTile;
    TBackGroundCells FCells = bcNormal;
    TColor FColorTo = clBtnFace;
    TColor FColor = clWindow;
    TBitmap FBitmap;
};

// --- Objects whose behaviour other parts of the grid give them; here with their starting state ---

// Header and summary rows of a grouped grid.
class TGrouping : public TPersistent {
public:
    // Copies the look; not Summary, the line widths or the line colours.
    void Assign(const TPersistent& Source) override;
    TColor HeaderColor = clNone;
    TColor HeaderColorTo = clNone;
    TColor HeaderTextColor = clNone;
    TColor SummaryColor = clNone;
    TColor SummaryColorTo = clNone;
    TColor SummaryTextColor = clNone;
    int HeaderLineWidth = 2;
    int SummaryLineWidth = 2;
    TColor HeaderLineColor = 0xFF0000;
    TColor SummaryLineColor = 0xFF0000;
    bool HeaderUnderline = false;
    bool SummaryLine = false;
    bool ShowGroupCount = false;
    bool AutoCheckGroup = false;
    bool AutoSelectGroup = false;
    bool MergeHeader = false;
    bool MergeSummary = false;
    bool Summary = false;
    QString GroupCountFormat;
};

enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

// The footer strip under the cells: the last row kept in view, a preview of a column or a template. The
// grid follows every change (OnChange): the panel's height and visibility, the hidden last row, a repaint.
class TFloatingFooter : public TPersistent {
public:
    explicit TFloatingFooter(VOroDavoduRuzu* grid = nullptr) : FGrid(grid) {}
    // Copies all but Height, BorderColor and EnableCalculation.
    void Assign(const TPersistent& Source) override;
    bool Visible() const { return FVisible; }
    void SetVisible(bool v);
    TFooterStyle FooterStyle() const { return FFooterStyle; }
    void SetFooterStyle(TFooterStyle v);
    int Height() const { return FHeight; }
    void SetHeight(int v);
    TColor Color() const { return FColor; }
    void SetColor(TColor v) { set(FColor, v); }
    int Column() const { return FColumn; }
    void SetColumn(int v) { set(FColumn, v); }
    const QString& CustomTemplate() const { return FCustomTemplate; }
    void SetCustomTemplate(const QString& v) { set(FCustomTemplate, v); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor v) { set(FBorderColor, v); }
    // The calculation kept with the last row's cell of a column; setting one recalculates that column.
    TColumnCalcType GetColumnCalc(int ACol) const;
    void SetColumnCalc(int ACol, TColumnCalcType Value);
    void Invalidate() { changed(); }
    // Hints of the footer's columns (OnGridHint with the last row); the panel shows them.
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool v);
    bool EnableCalculation = true;
    bool CalculateHiddenRows = true;
    TNotifyEvent OnChange;
    // The text of a calculated footer cell of the custom kind (Sender, ACol, ARow, Value).
    std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)> OnCalcFooter;

private:
    template <typename T>
    void set(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        changed();
    }
    void changed()
    {
        if (OnChange)
            OnChange(this);
    }

    VOroDavoduRuzu* FGrid;
    bool FVisible = false;
    TFooterStyle FFooterStyle = fsFixedLastRow;
    int FHeight = 0;
    TColor FColor = clBtnFace;
    int FColumn = 0;
    QString FCustomTemplate;
    TColor FBorderColor = clNone;
    bool FShowHint = false;
};

// Sorting options; the grid reads them at each sort, LoadFromString sorts.
enum TIndexSortKey { ikShift, ikCtrl };

class TSortSettings : public TPersistent {
public:
    explicit TSortSettings(VOroDavoduRuzu* grid = nullptr) : FGrid(grid) {}
    // Copies every option but IgnoreCase and SortOnVirtualCells.
    void Assign(const TPersistent& Source) override;
    // "u3" / "d3", or "i;" and the sort index list's own text while IndexShow.
    QString SaveToString() const;
    // Applies a saved form and sorts; nothing for an empty value.
    void LoadFromString(const QString& Value);
    // No sort column, no sort indexes.
    void Remove();
    void ToggleDirection() { Direction = Direction == sdAscending ? sdDescending : sdAscending; }
    // Show with a repaint of the grid when it changes.
    void SetShow(bool Value);
    // Row, raising Exception when Value is above the grid's fixed rows.
    void SetRow(int Value);
    TBitmap& UpGlyph() { return FUpGlyph; }
    void SetUpGlyph(const TBitmap& Value) { FUpGlyph.Assign(Value); }
    TBitmap& DownGlyph() { return FDownGlyph; }
    void SetDownGlyph(const TBitmap& Value) { FDownGlyph.Assign(Value); }
    TBitmap& IndexUpGlyph() { return FIndexUpGlyph; }
    void SetIndexUpGlyph(const TBitmap& Value) { FIndexUpGlyph.Assign(Value); }
    TBitmap& IndexDownGlyph() { return FIndexDownGlyph; }
    void SetIndexDownGlyph(const TBitmap& Value) { FIndexDownGlyph.Assign(Value); }
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value) { setHeader(FHeaderColor, Value); }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value) { setHeader(FHeaderColorTo, Value); }
    TColor HeaderMirrorColor() const { return FHeaderMirrorColor; }
    void SetHeaderMirrorColor(TColor Value) { setHeader(FHeaderMirrorColor, Value); }
    TColor HeaderMirrorColorTo() const { return FHeaderMirrorColorTo; }
    void SetHeaderMirrorColorTo(TColor Value) { setHeader(FHeaderMirrorColorTo, Value); }

    int Column = -1;
    int Row = 0;
    bool Show = false;
    TSortDirection Direction = sdAscending;
    bool Full = true;
    bool AutoFormat = true;
    bool IgnoreCase = false;
    bool IgnoreBlanks = false;
    TSortBlankPosition BlankPos = blFirst;
    bool SortOnVirtualCells = true;
    bool SingleColumn = false;
    bool NormalCellsOnly = false;
    bool IndexShow = false;
    TColor IndexColor = 0x0000FFFF;
    bool FixedCols = false;
    bool AutoColumnMerge = false;
    TSortDirection InitSortDirection = sdAscending;
    bool UndoSort = false;
    bool AutoSortForGrouping = true;
    TIndexSortKey IndexSortKey = ikShift;

private:
    void setHeader(TColor& field, TColor Value);
    VOroDavoduRuzu* FGrid;
    TBitmap FUpGlyph;
    TBitmap FDownGlyph;
    TBitmap FIndexUpGlyph;
    TBitmap FIndexDownGlyph;
    TColor FHeaderColor = clNone;
    TColor FHeaderColorTo = clNone;
    TColor FHeaderMirrorColor = clNone;
    TColor FHeaderMirrorColorTo = clNone;
};

// One filter condition of the grid.
class TFilterData : public TCollectionItem, public TFilterCondition {
public:
    explicit TFilterData(TCollection* Collection) : TCollectionItem(Collection) {}
    // Copies everything but Method.
    void Assign(const TPersistent& Source) override;
};

// The filter conditions of the grid, tested in order.
class TFilter : public TCollection {
public:
    explicit TFilter(VOroDavoduRuzu* owner = nullptr) : TCollection(TCollection::ItemsOf<TFilterData>()), FOwner(owner)
    {}
    // Joins by foNONE as the only item, else by foAND.
    TFilterData* Add();
    // Appended whatever the index, joining by foSHORT.
    TFilterData* Insert(int Index);
    TFilterData* Items(int Index) const { return static_cast<TFilterData*>(TCollection::Items(Index)); }
    void SetItems(int Index, const TFilterData& Value) { Items(Index)->Assign(Value); }
    // The first condition on Col, added when there is none.
    TFilterData* ColFilter(int Col);
    void RemoveColumnFilter(int Col);
    bool HasFilter(int Col) const;
    std::vector<TFilterCondition> Conditions() const;

private:
    VOroDavoduRuzu* FOwner;
};

enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

class TCellNode : public TPersistent {
public:
    void Assign(const TPersistent& Source) override;
    // The glyph style, indent and tree lines: a changed value fires OnChange (the grid repaints).
    TNodeType NodeType() const { return FNodeType; }
    void SetNodeType(TNodeType Value) { change(FNodeType, Value); }
    int NodeIndent() const { return FNodeIndent; }
    void SetNodeIndent(int Value) { change(FNodeIndent, Value); }
    TColor TreeColor() const { return FTreeColor; }
    void SetTreeColor(TColor Value) { change(FTreeColor, Value); }
    bool ShowTree() const { return FShowTree; }
    void SetShowTree(bool Value) { change(FShowTree, Value); }
    bool ShowTreeFull() const { return FShowTreeFull; }
    void SetShowTreeFull(bool Value) { change(FShowTreeFull, Value); }
    TNotifyEvent OnChange;
    TColor Color = clSilver;
    TColor NodeColor = clBlack;
    // Expanding a node first contracts every other expanded node.
    bool ExpandOne = false;
    // The node glyphs of cnGlyph; copied on assignment.
    const TBitmap& ExpandGlyph() const { return FExpandGlyph; }
    void SetExpandGlyph(const TBitmap& Value) { FExpandGlyph.Assign(Value); }
    const TBitmap& ContractGlyph() const { return FContractGlyph; }
    void SetContractGlyph(const TBitmap& Value) { FContractGlyph.Assign(Value); }

private:
    template <typename T>
    void change(T& Field, T Value)
    {
        if (Field == Value)
            return;
        Field = Value;
        if (OnChange)
            OnChange(this);
    }

    TNodeType FNodeType = cnXP;
    int FNodeIndent = 12;
    TColor FTreeColor = clGray;
    bool FShowTree = true;
    bool FShowTreeFull = true;
    TBitmap FExpandGlyph;
    TBitmap FContractGlyph;
};

class TFilterDropDown : public TPersistent {
public:
    // Copies the look: colour, sizes, font and both glyphs (not AutoSize).
    void Assign(const TPersistent& Source) override;
    TColor Color = clWindow;
    int Height = 150;
    int Width = 150;
    bool AutoSize = false;
    bool ColumnWidth = false;  // the list takes the width of its column
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& Value) { FFont.Assign(Value); }
    // The header button's picture without and with a condition on the column; a new picture notifies OnChange.
    const TBitmap& Glyph() const { return FGlyph; }
    void SetGlyph(const TBitmap& Value);
    const TBitmap& GlyphActive() const { return FGlyphActive; }
    void SetGlyphActive(const TBitmap& Value);
    TNotifyEvent OnChange;

private:
    TFont FFont;
    TBitmap FGlyph;
    TBitmap FGlyphActive;
};
