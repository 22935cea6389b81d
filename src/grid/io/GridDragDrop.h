#pragma once
// The string grid as a drop target and a drag source of its cells and columns.
#include <memory>

#include "grid/base/VoFocusWindow.h"
#include "grid/io/VoOleDragDrop.h"
#include "platform/Grids.h"

class TGridIO;
class VOroDavoduRuzu;

class TGridDropTarget : public TVSGDropTarget {
public:
    explicit TGridDropTarget(TGridIO& AIO);
    ~TGridDropTarget() override;
    bool Registered() const { return FRegistered; }

    // The drop operations, public so that a drop can also be driven without a drag loop.
    void DropText(TPoint Pt, const QString& Text) override;
    void DropStream(TPoint Pt, const QByteArray& Stream) override;
    void DropCol(TPoint Pt, int Col) override;
    void DropRTF(TPoint Pt, const QString& Text) override;
    void DropFiles(TPoint Pt, const QStringList& Files) override;
    void DropURL(TPoint Pt, const QString& URL) override;
    void DragMouseMove(TPoint Pt, bool& Allow, TDropFormats Formats) override;
    void DragMouseLeave() override { hideArrows(); }

    // The marks of the drop place: left of the drop row, and above and below a column's drop edge.
    TArrowWindow& ArwL() { return arrow(FArwL, arrLeft); }
    TArrowWindow& ArwU() { return arrow(FArwU, arrUp); }
    TArrowWindow& ArwD() { return arrow(FArwD, arrDown); }

private:
    TArrowWindow& arrow(std::unique_ptr<TArrowWindow>& Window, TArrowDirection Direction);
    void hideArrows();
    void showMarks(int ACol, int ARow, bool Append, bool Allow, TDropFormats Formats);
    void scrollWhileDragging(int ACol, int ARow, TPoint Client);
    // The cell under a screen point, and whether the point lies in the append area below the last row.
    void cellAt(TPoint Pt, int& ACol, int& ARow, bool& Append) const;
    TGridIO& FIO;
    VOroDavoduRuzu& FGrid;
    bool FRegistered = false;
    std::unique_ptr<TArrowWindow> FArwL, FArwU, FArwD;
    int FLastScrollTick = -1;
};

class TGridDropSource : public TVSGDropSource {
public:
    explicit TGridDropSource(VOroDavoduRuzu& AGrid) : FGrid(AGrid) {}
    // At every step of the drag: the picture of the dragged cells (ShowCells), else the header button image,
    // follows the cursor.
    void QueryDrag() override;
    // With ShowCells the picture is freed.
    void DragFinished() override;

private:
    VOroDavoduRuzu& FGrid;
};
