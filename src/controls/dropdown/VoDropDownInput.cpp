// The drop-down edit's keys, mouse, focus, layout and painting.
#include "controls/dropdown/VoDropDown.h"

#include <algorithm>

#include "platform/Forms.h"

namespace {
bool altHeld(TShiftState Shift)
{
    return Shift & ssAlt;
}
}  // namespace

void TVoCustomDropDown::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_CHAR:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
        // An edit that cannot be typed in takes no text.
        if (!FEditorEnabled) {
            Message.WParam = 0;
            Message.Result = 1;
            return;
        }
        if (Message.Msg == WM_CHAR)
            charMessage(Message);
        else
            TCustomMaskEdit::WndProc(Message);
        return;
    case WM_KEYDOWN:
        TCustomMaskEdit::WndProc(Message);
        // No caret movement in an edit that cannot be typed in.
        if (!FEditorEnabled && Enabled() && Message.WParam != VK_RETURN && Message.WParam != VK_ESCAPE) {
            Message.WParam = 0;
            Message.Result = 1;
        }
        return;
    case CM_WANTSPECIALKEY:
        wantSpecialKey(Message);
        return;
    case WM_LBUTTONDOWN:
        mouseDownMessage(Message);
        return;
    case WM_LBUTTONUP:
        mouseUpMessage(Message);
        return;
    case WM_SETFOCUS:
        TCustomMaskEdit::WndProc(Message);
        if (FEditorEnabled) {
            if (AutoSelect)
                SelectAll();
        } else {
            Invalidate();
        }
        return;
    case WM_KILLFOCUS:
        TCustomMaskEdit::WndProc(Message);
        if (!FEditorEnabled)
            Invalidate();
        return;
    case WM_PAINT:
        TCustomMaskEdit::WndProc(Message);
        PaintEditContent();
        drawBorder();
        return;
    case WM_SIZE:
        TCustomMaskEdit::WndProc(Message);
        ResizeControl();
        return;
    case EM_SETREADONLY:
        TCustomMaskEdit::WndProc(Message);
        if (FButton)
            FButton->Button().Invalidate();
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TCustomMaskEdit::WndProc(Message);
        if (Enabled() && FMouseInControl != (Message.Msg == CM_MOUSEENTER)) {
            FMouseInControl = Message.Msg == CM_MOUSEENTER;
            Invalidate();
        }
        return;
    case CM_ENABLEDCHANGED:
        TCustomMaskEdit::WndProc(Message);
        if (FButton)
            FButton->SetEnabled(Enabled());
        return;
    case CM_FONTCHANGED:
        TCustomMaskEdit::WndProc(Message);
        SetEditRect();
        return;
    case CM_PARENTFONTCHANGED:
        TCustomMaskEdit::WndProc(Message);
        if (FLabel && ParentFont())
            FLabel->SetFont(Font());
        placeLabel();
        return;
    case CM_VISIBLECHANGED:
        TCustomMaskEdit::WndProc(Message);
        if (FLabel && !FLabel->Caption().isEmpty())
            FLabel->SetVisible(Visible());
        return;
    default:
        TCustomMaskEdit::WndProc(Message);
    }
}

// F4 toggles, Enter accepts and Esc cancels an open pop-up.
bool TVoCustomDropDown::toggleKey(WORD Key)
{
    switch (Key) {
    case VK_RETURN:
        DoHideDropDown(false);
        return true;
    case VK_ESCAPE:
        DoHideDropDown(true);
        return true;
    case VK_F4:
        if (FDroppedDown)
            DoHideDropDown(false);
        else
            DoShowDropDown();
        return true;
    default:
        return false;
    }
}

void TVoCustomDropDown::KeyDown(WORD& Key, TShiftState Shift)
{
    if (altHeld(Shift) && (Key == VK_UP || Key == VK_DOWN)) {
        if (FDroppedDown)
            DoHideDropDown(false);
        else
            DoShowDropDown();
        Key = 0;
        return;
    }
    if (!FEditorEnabled && Enabled()) {
        const bool toggled = !ReadOnly() && toggleKey(Key);
        if (Key == VK_RETURN || Key == VK_ESCAPE)
            TCustomMaskEdit::KeyDown(Key, Shift);
        else if (toggled)
            Key = 0;
        // Other keys stay for the derived edits' choices; the message handler keeps them from the caret.
        return;
    }
    if ((Shift & ssCtrl) && (Key == VK_TAB || Key == VK_RETURN)) {
        TCustomMaskEdit::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_RETURN && ReturnIsTab) {
        Key = VK_TAB;
        if (Visible())
            PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
        return;
    }
    const WORD key = Key;
    TCustomMaskEdit::KeyDown(Key, Shift);
    if (Key != 0 && toggleKey(key) && key == VK_F4)
        Key = 0;
}

void TVoCustomDropDown::KeyPress(char16_t& Key)
{
    TCustomMaskEdit::KeyPress(Key);
    if (Key == u'\r')
        Key = 0;
}

void TVoCustomDropDown::charMessage(TMessage& Message)
{
    const auto key = static_cast<char16_t>(Message.WParam);
    if (SelLength() > 0 && SelLength() == Text().size())
        FBlockChange = true;
    const bool ctrl = KeyboardStateToShiftState() & ssCtrl;
    if (key == u'\r' && ctrl) {
        Message.WParam = 0;
        Message.Result = 1;
        return;
    }
    if (key == u'\r') {
        char16_t local = key;
        if (OnKeyPress)
            OnKeyPress(this, local);
        Message.WParam = 0;
        if (!DefaultHandling && Parent()) {
            PostMessage(Parent(), WM_KEYDOWN, VK_RETURN, 0);
            TCustomForm* form = GetParentForm(this);
            if (form && form->KeyPreview)
                TCustomMaskEdit::WndProc(Message);
            else
                PostMessage(Parent(), WM_KEYUP, VK_RETURN, 0);
        }
        return;
    }
    if (key == 27 && !DefaultHandling && Parent()) {
        TCustomForm* form = GetParentForm(this);
        if (form && form->KeyPreview) {
            TCustomMaskEdit::WndProc(Message);
            return;
        }
        PostMessage(Parent(), WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessage(Parent(), WM_KEYUP, VK_ESCAPE, 0);
    }
    TCustomMaskEdit::WndProc(Message);
}

void TVoCustomDropDown::wantSpecialKey(TMessage& Message)
{
    TCustomForm* form = GetParentForm(this);
    if (!form)
        return;
    const auto key = static_cast<WORD>(Message.WParam);
    if (key == VK_ESCAPE && CanUndo && !form->KeyPreview && !FDroppedDown) {
        SelectAll();
        SetModified(false);
        if (Parent() && DefaultHandling) {
            PostMessage(Parent(), WM_KEYDOWN, VK_ESCAPE, 0);
            PostMessage(Parent(), WM_KEYUP, VK_ESCAPE, 0);
        }
    } else if (key == VK_RETURN && DefaultHandling && !form->KeyPreview && Parent() && Parent()->Focused()) {
        PostMessage(Parent(), WM_KEYDOWN, VK_RETURN, 0);
        PostMessage(Parent(), WM_KEYUP, VK_RETURN, 0);
    }
    TCustomMaskEdit::WndProc(Message);
    if (key == VK_ESCAPE && FDroppedDown)
        Message.Result = 1;
}

void TVoCustomDropDown::mouseDownMessage(TMessage& Message)
{
    if (!FEditorEnabled) {
        TCustomMaskEdit::WndProc(Message);
        buttonClick();
        return;
    }
    if (SelLength() > 0 && Focused()) {
        const int at = static_cast<int>(Perform(EM_CHARFROMPOS, 0, Message.LParam) & 0xFFFF);
        if (at >= SelStart() && at <= SelStart() + SelLength()) {
            FButtonDown = true;
            return;
        }
    }
    TCustomMaskEdit::WndProc(Message);
}

void TVoCustomDropDown::mouseUpMessage(TMessage& Message)
{
    if (!FEditorEnabled || ReadOnly())
        Invalidate();
    if (FButtonDown) {
        const int at = static_cast<int>(Perform(EM_CHARFROMPOS, 0, Message.LParam) & 0xFFFF);
        SetSelStart(at);
        SetSelLength(0);
    }
    FButtonDown = false;
    TCustomMaskEdit::WndProc(Message);
}

void TVoCustomDropDown::DoEnter()
{
    if (AutoSelect && !(KeyboardStateToShiftState() & ssLeft))
        SelectAll();
    TCustomMaskEdit::DoEnter();
    SetEditRect();
    Invalidate();
}

void TVoCustomDropDown::DoExit()
{
    TCustomMaskEdit::DoExit();
    Invalidate();
}

bool TVoCustomDropDown::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    const bool handled = TCustomMaskEdit::DoMouseWheelDown(Shift, MousePos);
    HandleMouseWheelDown();
    return handled;
}

bool TVoCustomDropDown::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    const bool handled = TCustomMaskEdit::DoMouseWheelUp(Shift, MousePos);
    HandleMouseWheelUp();
    return handled;
}

int TVoCustomDropDown::GetMinHeight()
{
    TBitmap measure;
    const int t1 = measure.Canvas().TextHeight(QStringLiteral("Wg"));
    measure.Canvas().Font().Assign(Font());
    const int t2 = measure.Canvas().TextHeight(QStringLiteral("Wg"));
    return t2 + std::min(t1, t2) / 4;
}

void TVoCustomDropDown::ResizeControl()
{
    const int minHeight = GetMinHeight();
    if (Height() < minHeight) {
        SetHeight(minHeight);
        return;
    }
    if (FButton) {
        int d = BorderStyle() == bsNone ? 2 : 4;
        if (FFlat)
            d = 3;
        const int bw = FButton->BWidth();
        if (BorderStyle() == bsSingle)
            FButton->SetBounds(Width() - bw - d, FFlat ? 2 : 0, bw, Height() - d);
        else
            FButton->SetBounds(Width() - bw, 1, bw, Height() - 2);
        SetEditRect();
    }
    Invalidate();
}

void TVoCustomDropDown::SetEditRect()
{
    TRect r;
    Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    r.Bottom = ClientHeight() + 1;
    r.Right = ClientWidth() - (FButton ? FButton->Width() : 0) - 3;
    if (BorderStyle() == bsNone) {
        r.Left = 2;
        r.Top = 3;
    } else {
        r.Left = 1;
        r.Top = 1;
    }
    Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}

// With the editor disabled, the focused edit shows its value on the highlight colour in a black frame.
void TVoCustomDropDown::PaintEditContent()
{
    if (FEditorEnabled || !Focused() || !FocusDraw)
        return;
    TCanvas& canvas = Canvas();
    TRect r = Rect(2, 2, Width() - FButtonWidth - 1, Height() - 2);
    canvas.Pen().SetColor(clBlack);
    canvas.Brush().SetColor(clHighlight);
    canvas.Rectangle(r);
    r.Left += 2;
    r.Right -= 3;
    canvas.Font().Assign(Font());
    canvas.Font().SetColor(clHighlightText);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.DrawText(Text(), r, DT_SINGLELINE | DT_VCENTER);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
}

void TVoCustomDropDown::drawBorder()
{
    const bool hot = FMouseInControl || Focused();
    if (FButton)
        FButton->Button().SetFocused(hot);
    if (!(!Enabled() || FFlat || FBorderColor != clNone || FocusBorderColor != clNone))
        return;
    TCanvas& canvas = Canvas();
    const TRect r = Rect(0, 0, Width(), Height());
    TColor frame = clNone;
    if (!Enabled() && FDisabledBorder)
        frame = 0xC0C0C0;
    else if (FBorderColor != clNone && (!Focused() || FocusBorderColor == clNone))
        frame = FBorderColor;
    else if (FocusBorderColor != clNone)
        frame = Focused() ? FocusBorderColor : clNone;
    if (frame != clNone) {
        canvas.Brush().SetColor(frame);
        canvas.FrameRect(r);
        return;
    }
    if (FBorderColor != clNone || FocusBorderColor != clNone || !FFlat)
        return;
    const TColor brush = hot ? clBtnFace : (Parent() ? Parent()->Color() : clBtnFace);
    canvas.Brush().SetColor(brush);
    if (hot) {
        canvas.Pen().SetColor(clBtnShadow);
        canvas.Polyline({{0, Height() - 1}, {0, 0}, {Width() - 1, 0}});
        canvas.Pen().SetColor(clWhite);
        canvas.Polyline({{Width() - 1, 0}, {Width() - 1, Height() - 1}, {0, Height() - 1}});
        canvas.FrameRect(Rect(1, 1, Width() - 1, Height() - 1));
    } else {
        canvas.FrameRect(r);
        canvas.FrameRect(Rect(1, 1, Width() - 1, Height() - 1));
    }
}
