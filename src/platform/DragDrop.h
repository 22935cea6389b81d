#pragma once
// Drag and drop between windows and programs: the dragged data is a set of formats named by MIME type, as
// on the clipboard. A drop target is registered for a control; a drag runs as a modal loop.
#include <functional>

#include "platform/Clipbrd.h"
#include "platform/Seam.h"
#include "platform/Types.h"

class TWinControl;

using TDragData = TClipboardFormats;

enum : int { DROPEFFECT_NONE = 0, DROPEFFECT_COPY = 1, DROPEFFECT_MOVE = 2 };

// What a drop target is told; points are screen points, Shift holds the keys and buttons.
class IDropTarget {
public:
    virtual ~IDropTarget() = default;
    // Each returns the effect the drop would have (DROPEFFECT_NONE refuses it).
    virtual int DragEnter(const TDragData& Data, TShiftState Shift, TPoint Pt, int Allowed) = 0;
    virtual int DragOver(TShiftState Shift, TPoint Pt, int Allowed) = 0;
    virtual void DragLeave() = 0;
    virtual int Drop(const TDragData& Data, TShiftState Shift, TPoint Pt, int Allowed) = 0;
};

// The side a drag starts from: asked while the drag runs.
class IDropSource {
public:
    virtual ~IDropSource() = default;
    // Asked at every step of the drag (also while the mouse merely moves).
    virtual void QueryDrag() {}
    virtual void GiveFeedback(int Effect) { (void)Effect; }
    // The drag ended, by a drop or by cancelling.
    virtual void DragFinished() {}
};

// Registers the target for drops on the control (nullptr revokes); false when the platform refused.
bool RegisterDragDrop(TWinControl& Control, IDropTarget* Target);

// Runs the drag loop until the drop or Esc; returns the effect the target chose (DROPEFFECT_NONE when
// cancelled).
int DoDragDrop(TWinControl& Source, IDropSource& DropSource, const TDragData& Data, int AllowedEffects);

// Test seam: runs in place of the drag loop (the test drops on a target or cancels).
using TDragDropHook =
    std::function<int(TWinControl& Source, IDropSource& DropSource, const TDragData& Data, int Allowed)>;
TDragDropHook& DragDropHook();
