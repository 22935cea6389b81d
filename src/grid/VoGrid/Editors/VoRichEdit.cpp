// The rich edit of rich-text cells: Tab and the vertical arrows go back to the grid.
#include "grid/VoGrid/Editors/VoRichEdit.h"

#include "grid/VoGrid/Editors/GridEditors.h"
#include "grid/VoGrid/VoGrid.h"

TVoRichEdit::TVoRichEdit(TComponent* AOwner) : TCustomRichEdit(AOwner), FGrid(EditorGrid(AOwner))
{
    SetEnabled(false);
    Hide();
}

void TVoRichEdit::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomRichEdit::KeyDown(Key, Shift);
    VOroDavoduRuzu& g = *FGrid;
    const bool leaves = (Key == VK_TAB && (g.Options() & goTabs)) || ((Key == VK_UP || Key == VK_DOWN) && !g.WordWrap);
    // The value is validated before the grid takes the key; a refusal keeps the editor open.
    if (leaves && this == g.FInplaceRichEdit && !g.leaveSpecialEditor()) {
        Key = 0;
        return;
    }
    if (Key == VK_TAB && (g.Options() & goTabs)) {
        g.SetFocus();
        g.KeyDown(Key, Shift);
        g.ShowInplaceEdit();
        Key = 0;
    } else if ((Key == VK_UP || Key == VK_DOWN) && !g.WordWrap) {
        g.SetFocus();
        g.KeyDown(Key, Shift);
        Key = 0;
    }
}

void TVoRichEdit::DoExit()
{
    if (FGrid->FInplaceRichEdit == this)
        FGrid->editorExit();
    TCustomRichEdit::DoExit();
}
