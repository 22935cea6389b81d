// The combo editor: list and edit styles, validation on the keys that leave it, the wheel, item events.
#include "grid/VoGrid/Editors/FlagScope.h"
#include "grid/VoGrid/Editors/GridEditors.h"
#include "grid/VoGrid/VoGrid.h"

#include <stdexcept>

namespace {
constexpr int ComboButtonWidth = 16;
constexpr char16_t Enter = 13, Tab = 9, Esc = 27;
}  // namespace

VOroDavoduRuzu* EditorGrid(TComponent* AOwner)
{
    auto* grid = dynamic_cast<VOroDavoduRuzu*>(AOwner);
    if (!grid)
        throw std::invalid_argument("An in-place editor needs a string grid as its owner");
    return grid;
}

TGridCombo::TGridCombo(TComponent* AOwner) : TVsgComboBox(AOwner), FGrid(EditorGrid(AOwner))
{
    SetButtonWidth(ComboButtonWidth);
    SetEnabled(false);
    Hide();
}

bool TGridCombo::listMode() const
{
    return Style() == csDropDownList || DroppedDown();
}

void TGridCombo::WndProc(TMessage& Message)
{
    if (Message.Msg == CM_WANTSPECIALKEY) {
        TVsgComboBox::WndProc(Message);
        const WORD key = static_cast<WORD>(Message.WParam);
        if (key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && FGrid->HasCellValidation()))
            Message.Result = 1;
        return;
    }
    if (Message.Msg == WM_MOUSEWHEEL) {
        wheel(static_cast<std::int16_t>(HIWORD(Message.WParam)));
        Message.Result = 0;
        return;
    }
    TVsgComboBox::WndProc(Message);
}

// Towards the user the next item, away the previous; the events fire whether or not the selection moved.
void TGridCombo::wheel(int delta)
{
    const int count = Items().Count();
    int index = ItemIndex();
    if (delta < 0 && index < count - 1)
        ++index;
    else if (delta > 0 && index > 0)
        --index;
    if (index != ItemIndex())
        SetItemIndex(index);
    const int col = FGrid->RealCol();
    const int row = FGrid->Row();
    const QString text = index >= 0 && index < count ? Items()[index] : Text();
    if (FGrid->OnEditChange)
        FGrid->OnEditChange(FGrid, col, row, text);
    if (FGrid->OnComboChange)
        FGrid->OnComboChange(FGrid, col, row, index, text);
    if (FGrid->OnComboObjectChange)
        FGrid->OnComboObjectChange(FGrid, col, row, index, text,
                                   index >= 0 && index < count ? Items().Objects(index) : nullptr);
}

void TGridCombo::fireComboChange()
{
    const int index = ItemIndex();
    const int col = FGrid->RealCol();
    const int row = FGrid->Row();
    if (FGrid->OnComboChange)
        FGrid->OnComboChange(FGrid, col, row, index, Text());
    if (FGrid->OnComboObjectChange)
        FGrid->OnComboObjectChange(FGrid, col, row, index, Text(),
                                   index >= 0 && index < Items().Count() ? Items().Objects(index) : nullptr);
}

void TGridCombo::selectCurrentCell()
{
    const int index = Items().IndexOf(FGrid->CurrentCell());
    if (Style() == csDropDownList)
        SetItemIndex(index);
    else
        SetText(FGrid->CurrentCell());
}

bool TGridCombo::validate(WORD& Key, bool keepCursor)
{
    if (FGrid->validateEditValue(Text()))
        return true;
    SetText(FGrid->NewCellText());
    if (Style() == csDropDownList)
        SetItemIndex(Items().IndexOf(FGrid->NewCellText()));
    Invalidate();
    Key = 0;
    if (keepCursor)
        FGrid->FNoAutoAdvance = true;
    return false;
}

void TGridCombo::KeyDown(WORD& Key, TShiftState Shift)
{
    VOroDavoduRuzu& g = *FGrid;
    Forced = false;
    const bool list = listMode();
    bool special = list ? (Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_LEFT || Key == VK_RIGHT)
                        : (Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT ||
                           Key == VK_END || Key == VK_UP || Key == VK_DOWN);
    WorkMode = Key != VK_BACK && Key != VK_DELETE;
    if (!g.Navigation().ComboGetUpDown && (Key == VK_UP || Key == VK_DOWN) && !DroppedDown()) {
        if (!g.leaveSpecialEditor()) {
            Key = 0;
            return;
        }
        const bool alwaysEdit = g.Navigation().AlwaysEdit;
        g.Navigation().AlwaysEdit = false;
        g.SetFocus();
        g.Navigation().AlwaysEdit = alwaysEdit;
        g.KeyDown(Key, Shift);
        Key = 0;
        return;
    }
    if (Key == VK_DOWN && (Shift & ssAlt))
        special = false;
    if (!special) {
        TVsgComboBox::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        SetText(g.CurrentCell());
        if (const int index = Items().IndexOf(g.CurrentCell()); index >= 0)
            SetItemIndex(index);
        g.HideInplaceEdit();
        g.SetFocus();
        Key = 0;
        return;
    }
    if (Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) {
        if (!validate(Key, true))
            return;
        selectCurrentCell();
    }
    if (Key == VK_TAB && g.HasCellValidation()) {
        if (!validate(Key, false))
            return;
        selectCurrentCell();
        if (g.Options() & goTabs) {
            g.HideInplaceEdit();
            g.SetFocus();
            g.HandleTabKey(GetKeyState(VK_SHIFT) < 0);
            Key = 0;
            return;
        }
        PostMessage(&g, WM_KEYDOWN, VK_TAB);
    }
    if (list) {
        {
            bool& directClose = g.MouseActions().DirectComboClose;
            const bool old = directClose;
            directClose = false;
            g.HideInplaceEdit();
            directClose = old;
        }
        if (Key == VK_LEFT || Key == VK_RIGHT) {
            g.KeyDown(Key, Shift);
            Key = 0;
        }
    } else if (Key == VK_END) {
        TVsgComboBox::KeyDown(Key, Shift);
        return;
    }
    g.DoneInplaceEdit(Key, Shift);
    if (g.Navigation().AdvanceOnEnter && g.Navigation().AdvanceAutoEdit)
        g.ShowInplaceEdit();
    Key = 0;
    TVsgComboBox::KeyDown(Key, Shift);
}

void TGridCombo::KeyPress(char16_t& Key)
{
    FKeyItemIndex = ItemIndex();
    if (FGrid->OnKeyPress)
        FGrid->OnKeyPress(this, Key);
    if (Key == Esc)
        Key = 0;
    if (Key == Enter && OnReturnKey)
        OnReturnKey(this);
    if (Key == Enter || Key == Tab)
        Key = 0;
    TVsgComboBox::KeyPress(Key);
}

void TGridCombo::KeyUp(WORD& Key, TShiftState Shift)
{
    if (FKeyItemIndex && *FKeyItemIndex != ItemIndex() && FGrid->EditCtrl() == this)
        fireComboChange();
    FKeyItemIndex.reset();
    FGrid->FNoAutoAdvance = false;
    if (Key != VK_RETURN)
        TVsgComboBox::KeyUp(Key, Shift);
    DoChange();
}

// Completes the typed part from the items, else from the grid's lookup items.
void TGridCombo::DoChange()
{
    if (!WorkMode || !FGrid->Lookup || Style() != csDropDown)
        return;
    const auto sel = static_cast<DWORD>(Perform(CB_GETEDITSEL));
    const int caret = LOWORD(sel);
    if (caret != HIWORD(sel))
        return;
    const QString typed = Text().left(caret);
    if (typed.isEmpty())
        return;
    const Qt::CaseSensitivity cs = FGrid->LookupCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    auto complete = [&](const TStringList& list, bool select) {
        for (int i = 0; i < list.Count(); ++i) {
            const QString item = list[i].left(255);
            if (!item.startsWith(typed, cs))
                continue;
            const QString completed = typed + item.mid(typed.size());
            if (select)
                SetItemIndex(i);
            SetText(completed);
            Perform(CB_SETEDITSEL, 0, MAKELPARAM(typed.size(), completed.size()));
            ItemIdx = i;
            ItemChange = true;
            return true;
        }
        return false;
    };
    if (!complete(Items(), true))
        complete(FGrid->LookupItems(), false);
}

void TGridCombo::Change()
{
    TVsgComboBox::Change();
    if (!FGrid->FNoEditChange && FGrid->OnEditChange)
        FGrid->OnEditChange(FGrid, FGrid->Col(), FGrid->Row(), Text());
}

void TGridCombo::DoEnter()
{
    TVsgComboBox::DoEnter();
    if (!FGrid->Navigation().EditSelectAll && Style() == csDropDown) {
        const auto length = static_cast<int>(Text().size());
        Perform(CB_SETEDITSEL, 0, MAKELPARAM(length, length));
    }
    FGrid->LButFlg = false;
}

void TGridCombo::DoExit()
{
    if (FGrid->LookupHistory && !Text().isEmpty() && Items().IndexOf(Text()) < 0)
        Items().Add(Text());
    FGrid->editorExit();
    TVsgComboBox::DoExit();
}

// Widens the dropped list so that the widest item fits, with room for a scroll bar when the list needs one.
void TGridCombo::SizeDropDownWidth()
{
    int width = Width();
    const bool scrolls = Items().Count() > DropDownCount();
    TCanvas& canvas = FGrid->Canvas();
    for (int i = 0; i < Items().Count(); ++i) {
        const int t = canvas.TextWidth(Items()[i]);
        if (scrolls && t > width - 25)
            width = t + 25;
        else if (!scrolls && t > width - 5)
            width = t + 8;
    }
    Perform(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(width));
}
