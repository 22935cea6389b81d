#pragma once
// The string grid's cell transports kept apart from its core: the text cell file and stream, the binary
// cell stream, clipboard copy, cut and paste with smart fill, and drag and drop of cells and columns.
// One object per grid, made through the grid's IO() hook; GridIO(grid) gives it to the application.
#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "grid/VoGrid/VoGrid.h"

class TGridDropTarget;
class TGridDropSource;
struct TBinStream;

// One line of pasted tab-separated text: its cells and whether a line break ended it.
struct TPasteLine {
    QStringList Cells;
    bool EndsWithBreak = false;
};
// Cuts text into lines (CR LF, CR or LF) and cells (TAB). A cell in double quotes may hold TABs, line
// breaks (LF, CR LF or code 11, all kept as CR LF) and doubled quotes. A text that ends with a line break
// has an empty last line.
std::vector<TPasteLine> SplitPasteText(const QString& Text);

enum TClipOperation { coCut, coCopy };
// Import states announced to the grid's notification.
enum TGridImportState { isImportStart, isImportNewRow, isImportSelRow, isImportDone };

// The clipboard format of grid cells: the binary cell stream.
inline const QString MimeGridCells = QStringLiteral("application/x-qt-windows-mime;value=\"VOroDavoduRuzu Cells\"");

class TGridIO : public VOroDavoduRuzu::TIOOperations {
public:
    explicit TGridIO(VOroDavoduRuzu& AGrid);
    ~TGridIO() override;
    VOroDavoduRuzu& Grid() const { return grid_; }

    // ---- save range (see TCellMap) ----
    int SaveStartCol() const { return saveRange().Left; }
    int SaveStartRow() const { return saveRange().Top; }
    int SaveEndCol() const { return saveRange().Right; }
    int SaveEndRow() const { return saveRange().Bottom; }
    int SaveColCount() const { return SaveEndCol() - SaveStartCol() + 1; }
    int SaveRowCount() const { return SaveEndRow() - SaveStartRow() + 1; }
    TGridRect saveRange() const;

    // ---- text cell file and stream ----
    void SaveToFile(const QString& FileName, bool Unicode = false);
    void LoadFromFile(const QString& FileName);
    void SaveToStream(QIODevice& Stream) override;
    void LoadFromStream(QIODevice& Stream) override;

    // ---- binary cell stream ----
    void SaveRectToBinStream(const TGridRect& Rect, QIODevice& Stream);
    void SaveToBinStream(QIODevice& Stream);
    void SaveToBinFile(const QString& FileName);
    // Reads the whole stream before a cell changes: a malformed stream raises "Invalid stream format" and
    // leaves the grid as it was.
    void LoadAtPointFromBinStream(TPoint Point, QIODevice& Stream);
    void LoadFromBinStream(QIODevice& Stream);
    void LoadFromBinFile(const QString& FileName);
    QByteArray RectToBinData(const TGridRect& Rect);
    // As LoadAtPointFromBinStream; answers the display cells written.
    TGridRect LoadAtPointFromBinData(TPoint Point, const QByteArray& Data);

    // ---- HTML ----
    // The save range as an HTML page: a style block and a table. Cell pictures (with HTMLSettings.ExportImages)
    // go to JPEG files "images/img<n>.jpg" in the folder Dir (ending with "/"), or, without a folder, into the
    // page itself.
    QString SaveToHTMLString(const QString& Dir);

    // ---- clipboard: copy and cut ----
    void CopySelectionToClipboard() override;
    void CopyToClipBoard();
    // The HTML page of the grid, with the save range's tab-separated text (not the markup) as the plain text.
    void CopyToClipBoardAsHTML();
    void CutToClipboard();
    void CutSelectionToClipboard() override;
    QString GetSelectionAsText();
    QString RectToText(const TGridRect& ARect, bool OnlySelected);
    void CopyRectToClipboard(const TGridRect& ARect, bool OnlySelected);

    // ---- clipboard: paste and smart fill ----
    void PasteSelectionFromClipboard() override;
    void PasteFromClipboard();
    void SetSelectionAsText(const QString& Value);
    int PasteFromClipboardAt(int ACol, int ARow, int& Rows, int& Cols);
    int PasteTextAt(int ACol, int ARow, int& Rows, int& Cols, const QString& Text);
    static void GetTextDimensions(const QString& Text, int& Cols, int& Rows);

    // Overridable steps of the paste.
    virtual void PasteCellText(int ACol, int ARow, const QString& Value);
    virtual void DoBeforePaste() {}
    virtual void DoAfterPaste() {}
    virtual void DoPastedRange(TPoint Source, const TGridRect& Range, TClipOperation Op);
    virtual bool CanPasteCellsFormat() { return grid_.Navigation().AllowFmtClipboard; }

    // ---- drag and drop ----
    // The grid's OnOleDrag, OnOleDragStart and OnOleDragStop are fired; the drop target fires the grid's
    // OnOleDrop, OnOleDropFile, OnOleDropURL, OnOleDragOver, OnOleDropCol and OnOleDropped.
    bool StartCellDrag(int ACol, int ARow) override;
    // Announces a column about to be dragged in from a list of hidden columns.
    void OleColumnDragStart(int ACol, int AIndex, TStringList* AList);
    TGridDropTarget* DropTarget() const { return dropTarget_.get(); }

    // Loaders of dropped files by kind; a file of another kind is not loaded.
    std::function<void(const QString& FileName)> LoadFromCSV;
    std::function<void(const QString& FileName)> LoadFromXLS;

    TPoint FClipTopLeft{-1, -1};
    TClipOperation FClipLastOp = coCopy;
    TGridRect FDropSelection{};
    bool FDragging = false;  // a drag of this grid's cells runs
    // The display cells a drop wrote into this grid while its own cells were dragged: a move keeps them.
    std::optional<TGridRect> FMovedInto;
    int FOleDragCol = -1;
    int FOleDragIndex = -1;
    TStringList* FOleDragList = nullptr;

private:
    friend class TGridDropTarget;
    void fireProgress(int Percent, int& Last);
    void expandSelectionToMergedCells();
    void clearSelectionCells(const TGridRect& Sel);
    // A row left out of a copy of the chosen rows only.
    bool rowSkipped(int ARow, bool OnlySelected);
    // The copied text of one cell.
    QString copyText(int ARealCol, int ARow);
    void markRowsModified(int Top, int Bottom);
    // A pasted or cut cell (display column) takes the change: editable or AllowClipboardAlways, never read-only.
    bool cellTakesPaste(int ACol, int ARow);
    void pasteWithEvents(int ACol, int ARow, const QString& Value, bool Events);
    QString fillSourceText(int ACol, int ARow);
    // False when the two first cells hold no series (the block is repeated instead).
    bool smartFillSeries(const TGridRect& Sel);
    void smartFillBlock(const TGridRect& Sel, int BlockLength);
    // Places the cells of a parsed stream from the display cell Point; answers the display cells it wrote.
    TGridRect applyBinStream(TPoint Point, const TBinStream& Stream);
    void showMoveForm(const TGridRect& Cells);
    TGridRect visiblePart(const TGridRect& Cells) const;
    int dragColumn(TGridDropSource& Source, int ACol);
    int dragCells(TGridDropSource& Source, int ACol, int ARow);
    void emptyDraggedCells(const TGridRect& Rect, bool Disjunct);
    void dropTargetChange(bool Register);

    VOroDavoduRuzu& grid_;
    bool FPasteAll = false;
    int FLastPastedCells = 0;  // cells the last paste's source held
    TGridRect FPastedRect{};   // the display cells the last text paste wrote
    std::unique_ptr<TGridDropTarget> dropTarget_;
};

// The grid's I/O object (made on first use); also lets every later grid make its own.
TGridIO& GridIO(VOroDavoduRuzu& Grid);
// Lets every grid make its I/O object when its keys or mouse first need it.
void InstallGridIO();
