// Keyboard handling of TCustomGrid: navigation and the keys that start and end an edit.
#include "platform/Grids.h"

#include <algorithm>

void TCustomGrid::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_F2:
        if (options_ & goEditing)
            ShowEditor();
        return;
    case VK_RETURN:
        if (editorMode_ && !(options_ & goAlwaysShowEditor))
            HideEditor();
        else if (options_ & goEditing)
            ShowEditor();
        return;
    case VK_ESCAPE:
        if (editorMode_)
            cancelEdit();
        return;
    case VK_TAB:
        if ((options_ & goTabs) && !(Shift & (ssAlt | ssCtrl)))
            tab(Shift & ssShift);
        return;
    default:
        moveByKey(Key, Shift);
    }
}

// Arrow, page, Home and End keys; Shift extends the selection with goRangeSelect.
bool TCustomGrid::moveByKey(WORD key, TShiftState shift)
{
    const bool ctrl = shift & ssCtrl;
    const bool rowSelect = options_ & goRowSelect;
    const int page = VisibleRowCount();
    TGridCoord target = current_;
    TGridCoord topLeft = topLeft_;
    switch (key) {
    case VK_UP:
        --target.Y;
        break;
    case VK_DOWN:
        ++target.Y;
        break;
    case VK_LEFT:
        if (rowSelect || ctrl) {
            SetLeftCol(LeftCol() - 1);
            return true;
        }
        --target.X;
        break;
    case VK_RIGHT:
        if (rowSelect || ctrl) {
            SetLeftCol(LeftCol() + 1);
            return true;
        }
        ++target.X;
        break;
    case VK_PRIOR:
        if (ctrl) {
            target.Y = TopRow();
        } else {
            target.Y -= page;
            topLeft.Y -= page;
        }
        break;
    case VK_NEXT:
        if (ctrl) {
            target.Y = TopRow() + page - 1;
        } else {
            target.Y += page;
            topLeft.Y += page;
        }
        break;
    case VK_HOME:
        if (ctrl || rowSelect)
            target.Y = FixedRows();
        target.X = FixedCols();
        break;
    case VK_END:
        if (ctrl || rowSelect)
            target.Y = RowCount() - 1;
        target.X = ColCount() - 1;
        break;
    default:
        return false;
    }
    target = clampToNormal(target);
    if (!(topLeft == topLeft_))
        setTopLeft(topLeft);
    const bool extend = (shift & ssShift) && (options_ & goRangeSelect);
    moveCurrent(target, !extend, true);
    return true;
}

// Tab moves right and wraps to the next row; Shift+Tab the other way. The last cell stays.
void TCustomGrid::tab(bool backwards)
{
    TGridCoord cell = current_;
    const int step = backwards ? -1 : 1;
    cell.X += step;
    if (cell.X >= ColCount() || cell.X < FixedCols()) {
        cell.Y += step;
        cell.X = backwards ? ColCount() - 1 : FixedCols();
        if (cell.Y >= RowCount() || cell.Y < FixedRows())
            return;
    }
    moveCurrent(cell, true, true);
}

// A typed character starts an edit that replaces the cell's text.
void TCustomGrid::KeyPress(char16_t& Key)
{
    TCustomControl::KeyPress(Key);
    if (editorMode_ || !(options_ & goEditing) || Key < 32 || Key == 127)
        return;
    ShowEditor();
    if (!editorMode_)
        return;
    editor_->SetSelText(QString(QChar(Key)));  // over the selected text, through the mask
    editor_->SetModified(true);
    Key = 0;
}

// The grid wants the arrow keys and characters, and Tab with goTabs.
void TCustomGrid::updateDlgCode()
{
    DlgCode = DLGC_WANTARROWS | DLGC_WANTCHARS | ((options_ & goTabs) ? UINT{DLGC_WANTTAB} : UINT{0});
}
