#pragma once
// The base grid: the standard string grid with per-cell properties, merged cells, display-text
// hooks and its own cell painter.
#include <QString>
#include <cstdint>
#include <functional>

#include "platform/Graphics.h"
#include "platform/Grids.h"

class TBaseGrid;
class TVoGridUndoRedo;

enum TVAlignment { vtaTop, vtaCenter, vtaBottom };
enum TCellGradientDirection { GradientVertical, GradientHorizontal };
enum TColumnCalcType { acNONE, acSUM, acAVG, acCOUNT, acMIN, acMAX, acSPREAD, acCUSTOM, acDISTINCT, acSTDDEV };
enum TGridSelectionStyle { ssDefault, ssVista, ssWin7, ssOffice2007 };

enum THoverRowCell : std::uint8_t { hcNormal = 1 << 0, hcFixed = 1 << 1, hcSelected = 1 << 2 };
using THoverRowCells = std::uint8_t;

// The in-place editor of a cell or column.
enum TEditorType {
    edNormal,
    edSpinEdit,
    edComboEdit,
    edComboList,
    edEditBtn,
    edCheckBox,
    edDateEdit,
    edDateEditUpDown,
    edTimeEdit,
    edButton,
    edDataCheckBox,
    edNumeric,
    edPositiveNumeric,
    edFloat,
    edCapital,
    edMixedCase,
    edPassword,
    edUnitEditBtn,
    edLowerCase,
    edUpperCase,
    edFloatSpinEdit,
    edTimeSpinEdit,
    edDateSpinEdit,
    edNumericEditBtn,
    edFloatEditBtn,
    edCustom,
    edRichEdit,
    edNone,
    edDateTimeEdit,
    edValidChars,
    edTrackbarDropDown,
    edMemoDropDown,
    edCalculatorDropDown,
    edTimePickerDropDown,
    edDetailDropDown,
    edGridDropDown,
    edColorPickerDropDown,
    edImagePickerDropDown,
    edVoGridDropDown,
    edPositiveFloat,
    edNumericUnitEditBtn,
    edFloatUnitEditBtn,
    edMaskEditBtn,
};

using TGetDisplTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TGetDisplWideTextEvent = TGetDisplTextEvent;

// The properties of one cell, created on first use and owned by its grid.
// A merged area's base cell holds its spans; each covered cell holds its offset from the base.
class TCellProperties : public TPersistent {
public:
    TCellProperties(TBaseGrid* owner, int col, int row);
    // Copies everything but the owner, graphic object, BrushColorTo, paint pass, calculation and gradient direction.
    void Assign(const TPersistent& source) override;
    // The font settings this cell sets, over the given font.
    void ApplyFont(TFont& font) const;

    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor value);
    TColor BrushColorTo() const { return FBrushColorTo; }
    void SetBrushColorTo(TColor value);
    TVAlignment VAlignment() const { return FVAlignment; }
    void SetVAlignment(TVAlignment value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    // (c - CellSpanX, r - CellSpanY) for a covered cell, else (c, r).
    TPoint GetBaseCell(int c, int r) const;

    TBaseGrid* OwnerGrid() const { return FOwnerGrid; }
    int OwnerCol;
    int OwnerRow;
    TObject* CellObject = nullptr;
    TObject* GraphicObject = nullptr;
    TBrushStyle BrushStyle = bsSolid;
    int FontSize = 0;
    TColor FontColor = clNone;
    TFontStyles FontStyle = 0;
    int CellSpanY = -1;
    int CellSpanX = -1;
    int BorderWidth = 0;
    TColor BorderColor = 0;
    TAlignment Alignment = taLeftJustify;
    int FPaintID = 0;
    bool IsBaseCell = true;
    TColumnCalcType CalcType = acNONE;
    TObject* CalcObject = nullptr;
    int NodeLevel = 0;
    TEditorType Editor = edNormal;
    QString FontName;
    bool ReadOnly = false;
    TCellGradientDirection GradientDirection = GradientVertical;
    TControl* Control = nullptr;

private:
    friend class TBaseGrid;
    void repaint();

    TBaseGrid* FOwnerGrid;
    TColor FBrushColor = clNone;
    TColor FBrushColorTo = clNone;
    TVAlignment FVAlignment = vtaTop;
    bool FWordWrap;
};

class TObjStringGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
};

class TBaseGrid : public TObjStringGrid {
public:
    explicit TBaseGrid(TComponent* AOwner);
    ~TBaseGrid() override;
    QString ClassName() const override { return QStringLiteral("TBaseGrid"); }

    // Cell text: the read path resolves merged cells and runs the display-text hooks, the write
    // path writes the base cell.
    QString GetCellEx(int c, int r);
    void SetCellEx(int c, int r, const QString& Value);
    // Exactly one cell, without merging, hooks or repaint.
    QString GetGridCell(int c, int r) const { return TStringGrid::Cells(c, r); }
    void SetGridCell(int c, int r, const QString& Value) { TStringGrid::SetCells(c, r, Value); }
    TObject* GetGridObject(int c, int r) const { return TStringGrid::Objects(c, r); }
    void SetGridObject(int c, int r, TObject* Value) { TStringGrid::SetObjects(c, r, Value); }

    // Cell properties; GetCellProperties creates them on first use.
    bool HasCellProperties(int c, int r) const;
    TCellProperties* GetCellProperties(int c, int r);
    void SetCellProperties(int c, int r, TCellProperties* Value);
    TObject* GetObjectEx(int c, int r) const;
    void SetObjectEx(int c, int r, TObject* Value);
    TObject* GetGraphicObjectEx(int c, int r) const;
    void SetGraphicObjectEx(int c, int r, TObject* Value);
    void FreeCellPropsRect(int c1, int r1, int c2, int r2);
    void FreeAllCellProps();
    // Frees one stored cell properties object and the cell graphic it owns; nil does nothing.
    void FreeCellProps(TObject* slot) const;
    void FreeCellObject(int c, int r);
    // Empty text and an empty object slot, nothing freed (after rows or columns were moved).
    void ClearCell(int c, int r);
    void ClearColumnCells(int ACol);
    void ResetRowCells(int r);

    // Merged cells.
    virtual void MergeCells(int c, int r, int spanx, int spany);
    virtual void SplitCells(int c, int r);
    bool FindBaseCell(int c, int r, int& bc, int& br) const;
    void MoveToBaseCell();
    bool IsMergedCell(int ACol, int ARow) const;
    bool IsMergedNonBaseCell(int ACol, int ARow) const;
    bool IsXMergedCell(int ACol, int ARow) const;
    bool IsYMergedCell(int ACol, int ARow) const;
    bool IsBaseCell(int ACol, int ARow) const;
    TPoint BaseCell(int ACol, int ARow) const;
    TPoint CellSpan(int ACol, int ARow) const;
    TPoint CellExt(int ACol, int ARow) const;
    // The area in cell coordinates, Right and Bottom being its last column and row.
    TRect FullCell(int c, int r) const;
    int MinRowSpan(int ARow) const;
    int MaxRowSpan(int ARow) const;
    bool RowSpanIdentical(int ARow1, int ARow2) const;
    bool ColSpanIdentical(int ACol1, int ACol2) const;
    int MergeCount() const { return FMergeCount; }

    // Geometry: CellRect covers a whole merged area; CalcCellRect also places cells out of view.
    TRect CellRect(int c, int r) const;
    TPoint CellSize(int c, int r) const;
    TRect CalcCellRect(int c, int r) const;
    int FixedColsWidth() const;
    int FixedRowsHeight() const;
    void RepaintCell(int c, int r);

    // Painting a cell on any canvas: whole (PaintCell) or background and lines only (PaintCellExt).
    void PaintCell(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    void PaintCellExt(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);

    // Hooks the string grid overrides.
    virtual bool IsFixed(int ACol, int ARow);
    virtual int GetNodeIndent(int ARow);
    virtual bool HasNodes();
    virtual void PaintGridCell(TCanvas& ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    // Whether PaintGridCell paints over the whole of this fixed cell, background and lines, in the canvas's
    // present brush and pen mode: the base then leaves out its own.
    virtual bool LookCoversFixedCell(const TCanvas&, int, int) { return false; }
    virtual void UpdateLastRow() {}
    virtual void QueryDisplText(int ACol, int ARow, QString& Value);
    virtual void QueryDisplWideText(int ACol, int ARow, QString& Value);
    virtual void QueryCellVisuals(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& AColorTo,
                                  TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                  bool& WW, TCellGradientDirection& GD);
    virtual void CellTextChanged(int ACol, int ARow);
    virtual bool HasCellBorderEvent();
    virtual bool UseStylesActive();
    virtual void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                                     TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                                     TFont& AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                                     TCellGradientDirection& GD);
    virtual int DisplColIndex(int ACol);
    virtual int TotalColCount() const;
    // Whether freeing a cell's properties also frees its graphic object.
    virtual bool OwnsGraphicObject(const TObject* graphic) const;

    // Settings.
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool value);
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int value);
    TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(TColor value);
    TColor GridFixedLineColor() const { return FGridFixedLineColor; }
    void SetGridFixedLineColor(TColor value);
    bool ActiveRowShow() const { return FActiveRowShow; }
    void SetActiveRowShow(bool value) { setAndRepaint(FActiveRowShow, value); }
    TColor ActiveRowColor() const { return FActiveRowColor; }
    void SetActiveRowColor(TColor value) { setAndRepaint(FActiveRowColor, value); }
    TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
    void SetActiveRowColorTo(TColor value) { setAndRepaint(FActiveRowColorTo, value); }
    TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
    void SetActiveRowMirrorColor(TColor value) { setAndRepaint(FActiveRowMirrorColor, value); }
    TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
    void SetActiveRowMirrorColorTo(TColor value) { setAndRepaint(FActiveRowMirrorColorTo, value); }
    TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
    void SetSelectionStyle(TGridSelectionStyle value) { setAndRepaint(FSelectionStyle, value); }
    TVoGridUndoRedo* UndoRedo() const { return FUndoRedo; }
    void SetUndoRedo(TVoGridUndoRedo* value);

    TGetDisplTextEvent OnGetDisplText;
    TGetDisplWideTextEvent OnGetDisplWideText;
    bool HideLastRow = false;
    int NormalRowCount = 0;
    bool WordWrap = true;
    int HoverRowIdx = -1;
    bool HoverRow = false;
    THoverRowCells HoverRowCells = hcNormal | hcSelected;
    TColor HoverRowColor = clInfoBk;
    TColor HoverRowColorTo = clNone;
    bool ShowSel = true;
    bool HasCellProps = false;
    int PaintID() const { return FPaintID; }

protected:
    void Paint() override;
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void TopLeftChanged() override;

private:
    friend class TVoGridUndoRedo;
    // The look values the visual hooks fill besides font and brush.
    struct TCellLook {
        TColor colorTo = clNone;
        TColor mirrorColor = clNone;
        TColor mirrorColorTo = clNone;
        TAlignment ha = taLeftJustify;
        TVAlignment va = vtaTop;
        bool ww = true;
        TCellGradientDirection gd = GradientVertical;
    };
    TCellProperties* props(int c, int r) const;
    void paintCellCore(TCanvas& canvas, int ACol, int ARow, TRect ARect, TGridDrawState AState, bool full);
    void paintSelectionFrame(TCanvas& canvas, int ACol, const TRect& ARect);
    void paintGridLines(TCanvas& canvas, int ACol, const TRect& ARect, bool fixed);
    template <typename T>
    void setAndRepaint(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        Invalidate();
    }

    bool FDefaultDrawing = false;
    int FGridLineWidth = 1;
    TColor FGridLineColor = 0xC0C0C0;
    TColor FGridFixedLineColor = 0x808080;
    int FPaintID = 1;
    TVoGridUndoRedo* FUndoRedo = nullptr;
    bool FActiveRowShow = false;
    TColor FActiveRowColor = clInfoBk;
    TColor FActiveRowColorTo = clNone;
    TColor FActiveRowMirrorColor = clNone;
    TColor FActiveRowMirrorColorTo = clNone;
    TGridSelectionStyle FSelectionStyle = ssDefault;
    int FMergeCount = 0;
};
