// The in-place editor and the grid's rules for starting, ending and cancelling an edit.
#include "platform/Grids.h"

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner), grid_(dynamic_cast<TCustomGrid*>(AOwner))
{
    TabStop = false;
    SetBorderStyle(bsNone);
    SetVisible(false);
}

void TInplaceEdit::UpdateContents()
{
    if (!grid_)
        return;
    const int col = grid_->Col();
    const int row = grid_->Row();
    SetEditMask(grid_->GetEditMask(col, row));
    SetMaxLength(grid_->GetEditLimit());
    SetText(grid_->GetEditText(col, row));
    SetModified(false);
}

void TInplaceEdit::BoundsChanged()
{
    if (!grid_)
        return;
    const TRect r = grid_->CellRect(grid_->Col(), grid_->Row());
    if (r.IsEmpty()) {
        SetVisible(false);
        return;
    }
    SetBounds(r.Left, r.Top, r.Width(), r.Height());
    SetVisible(true);
}

// Up, Down, the page keys, Enter (but Ctrl+Enter in wrapped text), Esc and Tab (with goTabs) go to the
// grid; with goAlwaysShowEditor also Left and Right at either end of the text, and Home and End.
void TInplaceEdit::KeyDown(WORD& Key, TShiftState Shift)
{
    returnToGrid_ = false;
    TCustomMaskEdit::KeyDown(Key, Shift);
    if (!grid_ || Key == 0)
        return;
    const TGridOptions options = grid_->Options();
    const bool walk = options & goAlwaysShowEditor;
    const bool noSelection = SelLength() == 0;
    bool forward = false;
    switch (Key) {
    case VK_RETURN:
        forward = !(WordWrap() && (Shift & ssCtrl));
        returnToGrid_ = forward;
        break;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE:
        forward = true;
        break;
    case VK_TAB:
        forward = options & goTabs;
        break;
    case VK_LEFT:
        forward = walk && noSelection && SelStart() == 0;
        break;
    case VK_RIGHT:
        forward = walk && noSelection && SelStart() == Text().size();
        break;
    case VK_HOME:
    case VK_END:
        forward = walk && (Shift & ssCtrl);
        break;
    default:
        break;
    }
    if (!forward)
        return;
    grid_->KeyDown(Key, Shift);
    Key = 0;
}

// Enter that went to the grid, Esc and Tab were handled as keys: they are not typed.
void TInplaceEdit::KeyPress(char16_t& Key)
{
    const bool handled = (Key == u'\r' && returnToGrid_) || Key == 0x1B || Key == u'\t';
    returnToGrid_ = false;
    if (!handled) {
        TCustomMaskEdit::KeyPress(Key);
        return;
    }
    TCustomEdit::KeyPress(Key);
    Key = 0;
}

// Leaving the editor for anything but its grid ends the edit.
void TInplaceEdit::DoExit()
{
    TCustomMaskEdit::DoExit();
    if (grid_ && grid_->EditorMode() && !grid_->Focused())
        grid_->HideEditor();
}

bool TCustomGrid::CanEditShow()
{
    return (options_ & goEditing) && !(options_ & goRowSelect) && FGridState == gsNormal && Col() >= FixedCols() &&
           Row() >= FixedRows();
}

TInplaceEdit* TCustomGrid::CreateEditor()
{
    return new TInplaceEdit(this);
}

QString TCustomGrid::GetEditText(int ACol, int ARow)
{
    (void)ACol;
    (void)ARow;
    return {};
}

void TCustomGrid::SetEditText(int ACol, int ARow, const QString& Value)
{
    (void)ACol;
    (void)ARow;
    (void)Value;
}

QString TCustomGrid::GetEditMask(int ACol, int ARow)
{
    (void)ACol;
    (void)ARow;
    return {};
}

int TCustomGrid::GetEditLimit()
{
    return 0;
}

void TCustomGrid::SetEditorMode(bool value)
{
    if (value)
        ShowEditor();
    else
        HideEditor();
}

// Opens the editor over the current cell with the cell's edit text, all of it selected.
void TCustomGrid::ShowEditor()
{
    if (editorMode_ || !CanEditShow())
        return;
    if (!editor_) {
        editor_ = CreateEditor();
        editor_->grid_ = this;
        editor_->SetParent(this);
    }
    editorMode_ = true;
    editor_->UpdateContents();
    editor_->BoundsChanged();
    editor_->SelectAll();
    if (Focused())
        editor_->SetFocus();
    InvalidateCell(Col(), Row());
}

// Ends the edit: a changed text goes into the cell through SetEditText.
void TCustomGrid::HideEditor()
{
    if (!editorMode_)
        return;
    editorMode_ = false;
    updateText();
    const bool hadFocus = editor_->Focused();
    editor_->SetVisible(false);
    if (hadFocus) {
        refocusing_ = true;
        SetFocus();
        refocusing_ = false;
    }
    InvalidateCell(Col(), Row());
}

// Writes a text the user changed into the current cell.
void TCustomGrid::updateText()
{
    if (!editor_->Modified())
        return;
    editor_->SetModified(false);
    SetEditText(Col(), Row(), editor_->Text());
}

// Esc: the edit is dropped and the cell keeps its text.
void TCustomGrid::cancelEdit()
{
    editor_->UpdateContents();
    editor_->SelectAll();
    if (!(options_ & goAlwaysShowEditor))
        HideEditor();
}

void TCustomGrid::InvalidateEditor()
{
    if (!editorMode_)
        return;
    editor_->UpdateContents();
    placeEditor();
}

void TCustomGrid::placeEditor()
{
    if (editorMode_)
        editor_->BoundsChanged();
}

void TCustomGrid::DoEnter()
{
    TCustomControl::DoEnter();
    if ((options_ & goAlwaysShowEditor) && !refocusing_)
        ShowEditor();
    InvalidateCell(Col(), Row());
}

void TCustomGrid::DoExit()
{
    TCustomControl::DoExit();
    InvalidateCell(Col(), Row());
}
