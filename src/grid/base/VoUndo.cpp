#include "grid/base/VoUndo.h"

#include <algorithm>

#include "grid/base/BaseGrid/BaseGrid.h"

TVoGridUndoRedo::TVoGridUndoRedo(TComponent* AOwner) : TComponent(AOwner)
{}

TVoGridUndoRedo::~TVoGridUndoRedo()
{
    if (FGrid && FGrid->FUndoRedo == this)
        FGrid->FUndoRedo = nullptr;
}

void TVoGridUndoRedo::RegisterChange(int ACol, int ARow, const QString& OldValue, const QString& NewValue)
{
    if (MaxLevel > 0 && Count() >= MaxLevel)
        FItems.erase(FItems.begin());
    FItems.push_back({ARow, ACol, NewValue, OldValue, false, false});
    FLevel = Count();
}

void TVoGridUndoRedo::addMarker(bool start)
{
    TUndoRedoItem marker;
    marker.SequenceStart = start;
    marker.SequenceStop = !start;
    FItems.push_back(marker);
    FLevel = Count();
}

void TVoGridUndoRedo::StartSequence()
{
    addMarker(true);
}
void TVoGridUndoRedo::StopSequence()
{
    addMarker(false);
}

void TVoGridUndoRedo::Reset()
{
    FItems.clear();
    FLevel = 0;
}

void TVoGridUndoRedo::apply(const TUndoRedoItem& item, bool undo)
{
    const QString& text = undo ? item.OrigValue : item.Value;
    const TVoGridUndoRedoEvent& event = undo ? OnUndo : OnRedo;
    if (event)
        event(this, FGrid, item.Col, item.Row, FGrid->GetCellEx(item.Col, item.Row), text);
    FGrid->SetCellEx(item.Col, item.Row, text);
    FGrid->SetCol(FGrid->DisplColIndex(item.Col));
    FGrid->SetRow(item.Row);
}

void TVoGridUndoRedo::Undo()
{
    if (!FGrid || FLevel <= 0 || Count() < FLevel)
        return;
    const TUndoRedoItem& last = FItems[FLevel - 1];
    if (!last.SequenceStop) {
        apply(last, true);
        FGrid->RepaintCell(FGrid->Col(), FGrid->Row());
        --FLevel;
        return;
    }
    --FLevel;
    while (FLevel > 0 && !FItems[FLevel - 1].SequenceStart) {
        apply(FItems[FLevel - 1], true);
        --FLevel;
    }
    // Past the opening marker; a sequence whose marker was dropped by MaxLevel ends at 0.
    if (FLevel > 0)
        --FLevel;
    FGrid->Invalidate();
}

void TVoGridUndoRedo::Redo()
{
    if (!FGrid || Count() <= FLevel)
        return;
    ++FLevel;
    const TUndoRedoItem& first = FItems[FLevel - 1];
    if (!first.SequenceStart) {
        apply(first, false);
        return;
    }
    ++FLevel;
    while (FLevel <= Count() && !FItems[FLevel - 1].SequenceStop) {
        apply(FItems[FLevel - 1], false);
        ++FLevel;
    }
    // Just past the closing marker, or at the end of a sequence left open.
    FLevel = std::min(FLevel, Count());
    FGrid->Invalidate();
}
