#pragma once
// The standard grids: TCustomGrid (layout, selection, keys, mouse, scroll bars, in-place editor),
// TDrawGrid (cells drawn by the application) and TStringGrid (a sparse text and object store).
#include "platform/Controls.h"
#include "platform/Graphics.h"
#include "platform/Mask.h"
#include "platform/StdCtrls.h"
#include "platform/grids/GridAxis.h"
#include "platform/grids/GridCellStore.h"

#include <algorithm>
#include <cstdint>
#include <memory>

class QRegion;
class QScrollBar;
class TCustomGrid;

enum TGridOption : std::uint32_t {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goDrawFocusSelected = 1u << 5,
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goRowMoving = 1u << 8,
    goColMoving = 1u << 9,
    goEditing = 1u << 10,
    goTabs = 1u << 11,
    goRowSelect = 1u << 12,
    goAlwaysShowEditor = 1u << 13,
    goThumbTracking = 1u << 14,
};
using TGridOptions = std::uint32_t;

enum TGridDrawStateFlag : std::uint8_t { gdSelected = 1 << 0, gdFocused = 1 << 1, gdFixed = 1 << 2 };
using TGridDrawState = std::uint8_t;

enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

struct TGridCoord {
    int X = 0;
    int Y = 0;
    bool operator==(const TGridCoord&) const = default;
};

// A range of cells; unlike TRect it includes its Right column and Bottom row.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Contains(int col, int row) const { return col >= Left && col <= Right && row >= Top && row <= Bottom; }
    bool operator==(const TGridRect&) const = default;
};

// Scroll information of a grid's scroll bar (SB_HORZ or SB_VERT): the parts fMask names are read or written.
// Positions run from nMin to nMax - max(nPage - 1, 0); nPage sets the thumb's share of the range.
enum : UINT {
    SIF_RANGE = 0x0001,
    SIF_PAGE = 0x0002,
    SIF_POS = 0x0004,
    SIF_TRACKPOS = 0x0010,
    SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS,
};
struct TScrollInfo {
    UINT cbSize = sizeof(TScrollInfo);
    UINT fMask = 0;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};
using SCROLLINFO = TScrollInfo;
// Arrows of EnableScrollBar.
enum : UINT { ESB_ENABLE_BOTH = 0, ESB_DISABLE_BOTH = 3 };

using TDrawCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, const TRect& Rect, TGridDrawState State)>;

// The editor a grid shows over its current cell: a masked edit that hands the navigation keys to its
// grid. With word wrap it shows several lines; Ctrl+Enter types a line break.
class TInplaceEdit : public TCustomMaskEdit {
public:
    explicit TInplaceEdit(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TInplaceEdit"); }

    TCustomGrid* Grid() const { return grid_; }
    using TCustomMaskEdit::SetWordWrap;
    using TCustomMaskEdit::WordWrap;

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
    void DoExit() override;
    // Fills the editor from the grid's current cell: text, mask and length limit.
    virtual void UpdateContents();
    // Places the editor over the grid's current cell.
    virtual void BoundsChanged();

private:
    friend class TCustomGrid;

    TCustomGrid* grid_ = nullptr;
    bool returnToGrid_ = false;  // the Enter of the coming character went to the grid
};

class TCustomGrid : public TCustomControl {
public:
    explicit TCustomGrid(TComponent* AOwner);
    ~TCustomGrid() override;

    // Dimensions.
    int ColCount() const { return cols_.Count(); }
    void SetColCount(int count);
    int RowCount() const { return rows_.Count(); }
    void SetRowCount(int count);
    int FixedCols() const { return cols_.Fixed; }
    void SetFixedCols(int count);
    int FixedRows() const { return rows_.Fixed; }
    void SetFixedRows(int count);
    int DefaultColWidth() const { return cols_.DefaultSize(); }
    void SetDefaultColWidth(int width);
    int DefaultRowHeight() const { return rows_.DefaultSize(); }
    void SetDefaultRowHeight(int height);
    int ColWidths(int col) const { return cols_.Size(col); }
    void SetColWidths(int col, int width);
    int RowHeights(int row) const { return rows_.Size(row); }
    void SetRowHeights(int row, int height);
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int width);

    // Scrolling.
    int LeftCol() const { return topLeft_.X; }
    void SetLeftCol(int col);
    int TopRow() const { return topLeft_.Y; }
    void SetTopRow(int row);
    int VisibleColCount() const;
    int VisibleRowCount() const;
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle bars);
    // The scroll bars' range, page and position. The grid maps its scrollable rows (columns) onto the
    // positions of the bar's range, 0 to 127 unless a caller sets another; setting the position does not scroll.
    // The bars repaint on every change, whatever Redraw says.
    bool GetScrollInfo(int Bar, TScrollInfo& Info) const;
    int SetScrollInfo(int Bar, const TScrollInfo& Info, bool Redraw);
    // Show true keeps a bar (SB_HORZ, SB_VERT or SB_BOTH) shown even when nothing needs scrolling; false
    // leaves it to the grid, which shows it while it needs it.
    bool ShowScrollBar(int Bar, bool Show);
    // ESB_DISABLE_BOTH disables a bar until ESB_ENABLE_BOTH; false when nothing changed.
    bool EnableScrollBar(int Bar, UINT Arrows);
    // Whether a bar is shown and enabled now.
    bool ScrollBarShown(int Bar) const;
    bool ScrollBarEnabled(int Bar) const;

    // Geometry in client pixels; CellRect is empty for a cell that is not visible. The grid places its
    // editor and repaints its selection through CellRect.
    virtual TRect CellRect(int ACol, int ARow) const;
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    TGridCoord MouseCoord(int X, int Y) const;
    // Width and height of the grid's cells area that is used (at most the client area).
    int GridWidth() const;
    int GridHeight() const;

    // Current cell and selection.
    int Col() const { return current_.X; }
    virtual void SetCol(int col);
    int Row() const { return current_.Y; }
    void SetRow(int row);
    TGridRect Selection() const;
    void SetSelection(const TGridRect& rect);
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions options);

    // Look.
    // A frame around the client area: with bsSingle sunken and 2 pixels wide under Ctl3D, else a 1-pixel
    // line; bsNone (the default here) has none.
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool value);
    TPoint ClientOffset() const override;
    bool DefaultDrawing = true;
    TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor color);

    // In-place editor.
    bool EditorMode() const { return editorMode_; }
    void SetEditorMode(bool value);
    TInplaceEdit* InplaceEditor() const { return editor_; }
    void ShowEditor();
    void HideEditor();
    void InvalidateEditor();

    void InvalidateCell(int ACol, int ARow);
    void InvalidateRow(int ARow);
    void InvalidateCol(int ACol);
    void InvalidateGrid() { Invalidate(); }
    // Both leave out the shown scroll bars, which repaint themselves on every change.
    void Invalidate() override;
    void Update() override;

protected:
    // Hooks of derived grids.
    virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) = 0;
    virtual bool SelectCell(int ACol, int ARow);
    virtual bool CanEditShow();
    virtual TInplaceEdit* CreateEditor();
    virtual QString GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const QString& Value);
    virtual QString GetEditMask(int ACol, int ARow);
    virtual int GetEditLimit();
    // Whether a point lies on a sizing border: State becomes gsColSizing or gsRowSizing with the
    // column or row in Index, SizingPos the border and SizingOfs the point's distance from it.
    virtual void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs);
    // Pixels at the bottom of the client area covered by the grid's own panels: the last row scrolls up
    // above them, and a row made current is brought into view above them.
    virtual int ReservedBottom() const { return 0; }
    // Notifications.
    virtual void TopLeftChanged() {}
    virtual void SizeChanged(int OldColCount, int OldRowCount);
    virtual void ColWidthsChanged() {}
    virtual void RowHeightsChanged() {}
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);

    // Paints the frame around the client area; the canvas covers the whole window.
    virtual void PaintNonClient(TCanvas& Canvas);
    void PaintWindow(QPainter& painter) override;

    // The control's handlers.
    void Paint() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void WndProc(TMessage& Message) override;
    void Resize() override;
    void DoEnter() override;
    void DoExit() override;
    // The client area leaves out the scroll bars.
    TRect ClientRect() const override;

    // Moves the current cell, asking SelectCell first; MoveAnchor also collapses the selection.
    void FocusCell(int ACol, int ARow, bool MoveAnchor);
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    // Block and set operations in one pass over the grid. Rows lists row indexes in ascending order without
    // repeats. DeleteRowSet removes those rows with their heights and cells (objects are not freed; one row
    // always remains); InsertRowSet opens empty rows of the default height standing at those indexes
    // afterwards. The current cell and the anchor stay on their rows (on the next row for a removed one).
    void DeleteRowSet(const std::vector<int>& Rows);
    void InsertRowSet(const std::vector<int>& Rows);
    // Moves Count rows from From so that they start at To, heights and cells with them.
    void MoveRowBlock(int From, int Count, int To);
    // Puts rows First .. First + Order.size() - 1 into a new order in one pass: row First + k takes the former
    // row First + Order[k] (a permutation of 0 .. size - 1) with its height and cells. The current cell and the
    // anchor stay at their indexes.
    void PermuteRows(int First, const std::vector<int>& Order);
    // Store hooks of the set and block operations (the counts are already changed).
    virtual void RowsRemoved(const std::vector<int>& Rows) { (void)Rows; }
    virtual void RowsInserted(const std::vector<int>& Rows) { (void)Rows; }
    virtual void RowBlockMoved(int From, int Count, int To) { (void)From, (void)Count, (void)To; }
    virtual void RowsPermuted(int First, const std::vector<int>& Order) { (void)First, (void)Order; }

    TGridState FGridState = gsNormal;

private:
    friend class TInplaceEdit;
    struct Drag {
        int index = -1;  // column or row sized or moved
        int pos = 0;     // sizing line or move target
        int offset = 0;
    };

    // Layout.
    void setCount(TGridAxis& axis, int count);
    int cellsWidth() const { return ClientWidth(); }
    int cellsHeight() const { return ClientHeight(); }
    int scrollHeight() const { return std::max(cellsHeight() - ReservedBottom(), 1); }
    // Repaints the visible part of a range of cells; a grid not shown has nothing to repaint.
    void invalidateCells(const TGridRect& cells);
    TGridCoord maxTopLeft() const;
    void setTopLeft(TGridCoord topLeft);
    void clampTopLeft();
    void scrollIntoView(TGridCoord cell);
    void lineWidthsChanged();
    void layoutChanged();
    TRect cellsBounds(const TGridRect& cells) const;

    // Selection.
    void moveCurrent(TGridCoord cell, bool moveAnchor, bool show);
    void selectionChanged(const TGridRect& old);
    TGridCoord clampToNormal(TGridCoord cell) const;
    bool moveByKey(WORD key, TShiftState shift);
    void showSizingCursor(int X, int Y);
    void tab(bool backwards);

    // Editor.
    void placeEditor();
    void updateText();
    void cancelEdit();

    // Painting.
    void paintCells(TCanvas& canvas, const TRect& clip);
    void paintLines(TCanvas& canvas, const TRect& withLines, const TRect& cell, bool fixed);
    TGridDrawState drawState(int col, int row) const;

    // Scroll bars.
    struct ScrollBar {
        QScrollBar* bar = nullptr;  // a child of the widget
        int max = 0;                // range end as set, the positions may end before it
        UINT page = 0;
        bool shown = false;
        bool forced = false;  // shown by ShowScrollBar
    };
    void createScrollBars();
    ScrollBar* scrollBar(int bar);
    const ScrollBar* scrollBar(int bar) const;
    bool scrollable(bool vertical) const;
    // The window less the shown scroll bars.
    QRegion withoutScrollBars() const;
    void updateScrollBars();
    void syncScrollPositions();
    void scrollBarAction(QScrollBar* bar, int action);
    void scrollBarReleased(QScrollBar* bar);
    void scrollMessage(bool vertical, int code, int pos);
    int borderExtent() const;
    // The window less the frame.
    int innerWidth() const;
    int innerHeight() const;
    void updateDlgCode();

    TGridAxis cols_;
    TGridAxis rows_;
    int gridLineWidth_ = 1;
    TGridCoord topLeft_{1, 1};
    TGridCoord current_{1, 1};
    TGridCoord anchor_{1, 1};
    TGridOptions options_ = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    TColor fixedColor_ = clBtnFace;
    TScrollStyle scrollBars_ = ssBoth;
    TBorderStyle borderStyle_ = bsNone;
    bool ctl3D_ = true;
    TCanvas frameCanvas_;
    ScrollBar vert_;
    ScrollBar horz_;
    TInplaceEdit* editor_ = nullptr;
    bool editorMode_ = false;
    bool refocusing_ = false;  // the focus comes back from the editor
    Drag drag_;
    bool sizingCursor_ = false;
};

// A grid whose cells the application draws in OnDrawCell.
class TDrawGrid : public TCustomGrid {
public:
    explicit TDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}
    TDrawCellEvent OnDrawCell;

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
};

// A grid that keeps a text and an object (not owned) per cell.
class TStringGrid : public TDrawGrid {
public:
    explicit TStringGrid(TComponent* AOwner);

    QString Cells(int ACol, int ARow) const { return store_.Text(ACol, ARow); }
    void SetCells(int ACol, int ARow, const QString& Value);
    TObject* Objects(int ACol, int ARow) const { return store_.Object(ACol, ARow); }
    void SetObjects(int ACol, int ARow, TObject* Value);
    // Empties the texts of a range of stored columns and rows, with one repaint.
    void ClearCellTexts(int ACol1, int ARow1, int ACol2, int ARow2);
    // A row or column as a list of texts with their objects; setting fills from the list's start.
    TStringList Rows(int ARow) const;
    void SetRows(int ARow, const TStringList& Value);
    TStringList Cols(int ACol) const;
    void SetCols(int ACol, const TStringList& Value);

protected:
    // The columns the store keeps: a descendant that keeps columns out of view beyond ColCount answers
    // more, and calls StoredColCountChanged when its answer grows.
    virtual int StoredColCount() const { return ColCount(); }
    void StoredColCountChanged();
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    void SizeChanged(int OldColCount, int OldRowCount) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    void RowsRemoved(const std::vector<int>& Rows) override { store_.RemoveRows(Rows); }
    void RowsInserted(const std::vector<int>& Rows) override { store_.InsertRows(Rows); }
    void RowBlockMoved(int From, int Count, int To) override;
    void RowsPermuted(int First, const std::vector<int>& Order) override { store_.PermuteRows(First, Order); }
    // DeleteRowSet that hands out the removed rows' cells (all but one row at most); PutRowSet opens rows
    // as InsertRowSet does and moves Cells[k] into the row at Rows[k], without repainting the cells.
    std::vector<TGridRowCells> TakeRowSet(const std::vector<int>& Rows);
    void PutRowSet(const std::vector<int>& Rows, std::vector<TGridRowCells>& Cells);
    // Moves Count stored columns (real indexes, hidden ones included) so that they start at To.
    void MoveStoredColumns(int From, int Count, int To) { store_.MoveColumns(From, Count, To); }

private:
    TGridCellStore store_;
};
