#pragma once
// Undo and redo of cell text changes of one grid, singly or in sequences.
#include <QString>
#include <functional>
#include <vector>

#include "platform/Components.h"

class TBaseGrid;

// One recorded change, or a marker opening or closing a sequence (column and row -1).
struct TUndoRedoItem {
    int Row = -1;
    int Col = -1;
    QString Value;
    QString OrigValue;
    bool SequenceStart = false;
    bool SequenceStop = false;
};

using TVoGridUndoRedoEvent = std::function<void(TObject* Sender, TBaseGrid* Grid, int Col, int Row,
                                                const QString& OrigValue, const QString& NewValue)>;

class TVoGridUndoRedo : public TComponent {
public:
    explicit TVoGridUndoRedo(TComponent* AOwner);
    ~TVoGridUndoRedo() override;
    QString ClassName() const override { return QStringLiteral("TVoGridUndoRedo"); }

    virtual void RegisterChange(int ACol, int ARow, const QString& OldValue, const QString& NewValue);
    virtual void StartSequence();
    virtual void StopSequence();
    void Undo();
    void Redo();
    void Reset();
    bool CanUndo() const { return FLevel > 0; }
    bool CanRedo() const { return FLevel < Count(); }

    // The entries, oldest first; those from Level on are undone and can be redone.
    const std::vector<TUndoRedoItem>& Items() const { return FItems; }
    int Count() const { return static_cast<int>(FItems.size()); }
    int Level() const { return FLevel; }
    // Set through the grid's UndoRedo property; cleared when that grid is destroyed.
    TBaseGrid* Grid() const { return FGrid; }

    int MaxLevel = 0;  // most entries kept; 0: no limit
    TVoGridUndoRedoEvent OnUndo;
    TVoGridUndoRedoEvent OnRedo;

private:
    friend class TBaseGrid;
    void addMarker(bool start);
    // Writes the entry's old (undo) or new (redo) text back into its cell and moves there.
    void apply(const TUndoRedoItem& item, bool undo);

    std::vector<TUndoRedoItem> FItems;
    TBaseGrid* FGrid = nullptr;
    int FLevel = 0;
};
