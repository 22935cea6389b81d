#include <algorithm>

#include "grid/base/VSGEdit/VSGEdit.h"
#include "platform/Menus.h"

TVsgEditBtn::TVsgEditBtn(TComponent* AOwner) : TCustomMaskEdit(AOwner)
{
    ControlStyle &= ~csSetCaption;
    FButton = new TVsgEditButton(this);
    FButton->SetBounds(0, 0, 18, 18);
    FButton->SetVisible(true);
    FButton->SetParent(this);
    FButton->SetFocusControl(this);
    FButton->OnClick = [this](TObject* Sender) { DoClickBtn(Sender); };
    SetText(QStringLiteral("0"));
    Resized();
}

void TVsgEditBtn::DoClickBtn(TObject* Sender)
{
    if (OnClickBtn)
        OnClickBtn(Sender);
}

void TVsgEditBtn::SetButtonWidth(int value)
{
    FButtonWidth = value;
    FButton->SetWidth(value);
    Resized();
}

void TVsgEditBtn::SetRightAlign(bool value)
{
    if (value == FRightAlign)
        return;
    FRightAlign = value;
    SetAlignment(value ? taRightJustify : taLeftJustify);
}

void TVsgEditBtn::SetIsWinXP(bool value)
{
    FIsWinXP = value;
    FButton->Button()->IsWinXP = value;
    FButton->Button()->Invalidate();
}

void TVsgEditBtn::KeyDown(WORD& Key, TShiftState Shift)
{
    TCustomMaskEdit::KeyDown(Key, Shift);
    if (Key == VK_F4 && !(Shift & (ssCtrl | ssAlt)))
        DoClickBtn(this);
}

void TVsgEditBtn::DoEnter()
{
    if (AutoSelect && !(ControlState & csLButtonDown))
        SelectAll();
    TCustomEdit::DoEnter();
}

void TVsgEditBtn::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_CHAR:
        if (!EditorEnabled) {
            m.WParam = 0;
            m.Result = 1;
            return;
        }
        break;
    case WM_CUT:
    case WM_PASTE:
        if (!EditorEnabled || ReadOnly())
            return;
        break;
    case WM_SIZE:
        TCustomMaskEdit::WndProc(m);
        Resized();
        return;
    default:
        break;
    }
    TCustomMaskEdit::WndProc(m);
}

void TVsgEditBtn::SetEditBtnRect()
{
    const int a = BorderStyle() == bsNone ? 3 : 1;
    int right = ClientWidth() - FButton->Width() - FUnitSize - 5;
    if (FUnitSize > 0)
        right -= 3;
    TRect r = Rect(a, a, right, ClientHeight() + 1);
    Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

int TVsgEditBtn::MinEditBtnHeight() const
{
    const TFont system;
    const int s = std::abs(system.Height());
    const int f = std::abs(Font().Height());
    return f + std::min(s, f) / 4;
}

void TVsgEditBtn::Resized()
{
    if (!FButton)
        return;
    if (Height() < MinEditBtnHeight()) {
        SetHeight(MinEditBtnHeight());
        return;
    }
    const int bw = FButton->Width();
    // Child places count from the widget's corner, inside a single border of 2 pixels.
    const int border = BorderStyle() == bsSingle ? 2 : 0;
    const int b = BorderStyle() == bsSingle ? 5 : 1;
    FButton->SetBounds(Width() - bw - b + border, border, bw, Height() - b);
    SetEditBtnRect();
}

// ---------------------------------------------------------------------------------------------
// TVsgUnitEditBtn

TVsgUnitEditBtn::TVsgUnitEditBtn(TComponent* AOwner) : TVsgEditBtn(AOwner)
{
    FUnitSize = 20;
    SetRightAlign(true);
    SetEditBtnRect();
}

void TVsgUnitEditBtn::SetUnits(const TStringList* value)
{
    if (value)
        FUnits.Assign(*value);
}

void TVsgUnitEditBtn::SetUnitID(const QString& value)
{
    FUnitID = value;
    Invalidate();
}

void TVsgUnitEditBtn::SetUnitSpace(int value)
{
    FUnitSize = value;
    SetEditBtnRect();
    Invalidate();
}

void TVsgUnitEditBtn::SetTextAndUnit(const QString& value)
{
    for (int i = 0; i < FUnits.Count(); ++i) {
        const QString& unit = FUnits[i];
        if (unit.isEmpty())
            continue;
        const int pos = static_cast<int>(value.indexOf(unit));
        if (pos >= 0 && pos == value.size() - unit.size()) {
            SetText(value.left(pos));
            SetUnitID(unit);
            return;
        }
    }
}

void TVsgUnitEditBtn::DoClickBtn(TObject*)
{
    if (OnClickBtn)
        OnClickBtn(this);
    TPopupMenu menu(nullptr);
    for (int i = 0; i < FUnits.Count(); ++i) {
        const auto id = static_cast<WPARAM>(i + 1);
        menu.Add(FUnits[i], [this, id](TObject*) { Perform(WM_COMMAND, id, 0); });
    }
    const TPoint at = ClientToScreen({ClientWidth() - 15, ClientHeight()});
    menu.Popup(at.X, at.Y);
}

void TVsgUnitEditBtn::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_COMMAND: {
        if (m.LParam != 0 || HIWORD(m.WParam) == EN_CHANGE) {
            TVsgEditBtn::WndProc(m);
            return;
        }
        const int id = LOWORD(m.WParam);
        if (id >= 1 && id <= FUnits.Count()) {
            const QString previous = FUnitID;
            SetUnitID(FUnits[id - 1]);
            if (FUnitID != previous && OnUnitChanged)
                OnUnitChanged(this, FUnitID);
        }
        return;
    }
    case WM_PAINT: {
        TVsgEditBtn::WndProc(m);
        TCanvas& c = Canvas();
        c.Font().Assign(Font());
        c.Brush().SetStyle(bsClear);
        const int right = ClientWidth() - (Button()->Width() + 3);
        TRect r = Rect(right - FUnitSize, 2, right, ClientHeight());
        c.DrawText(FUnitID, r, DT_EDITCONTROL);
        return;
    }
    default:
        TVsgEditBtn::WndProc(m);
    }
}
