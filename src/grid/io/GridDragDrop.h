#pragma once
// The string grid as a drop target and a drag source of its cells and columns.
#include "grid/io/VoOleDragDrop.h"

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

private:
    // The cell under a screen point, and whether the point lies in the append area below the last row.
    void cellAt(TPoint Pt, int& ACol, int& ARow, bool& Append) const;
    TGridIO& FIO;
    VOroDavoduRuzu& FGrid;
    bool FRegistered = false;
};

class TGridDropSource : public TVSGDropSource {
public:
    explicit TGridDropSource(VOroDavoduRuzu& AGrid) : FGrid(AGrid) {}

private:
    VOroDavoduRuzu& FGrid;
};
