// The pop-up's header and footer bars and their buttons.
#include "controls/dropdown/VoDropDownBars.h"

#include <algorithm>

#include "controls/dropdown/VoDropDown.h"
#include "controls/dropdown/VoDropDownDraw.h"
#include "controls/dropdown/VoDropDownForm.h"
#include "platform/Forms.h"
#include "platform/SysUtils.h"
#include "platform/SystemMetrics.h"

// --- Button appearance -----------------------------------------------------------------------------

TVoButtonAppearance::TVoButtonAppearance()
    : FColorCheckedTo(DropDownAdjustColor(0xF9D2B2, -10, -10, 0)),
      FColorChecked(DropDownAdjustColor(0xF5F0E1, -10, -10, 0))
{
    FFont.SetName(QStringLiteral("Tahoma"));
}

void TVoButtonAppearance::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TVoButtonAppearance*>(&Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    SetColor(s->FColor);
    SetColorTo(s->FColorTo);
    SetColorHot(s->FColorHot);
    SetColorHotTo(s->FColorHotTo);
    SetColorDown(s->FColorDown);
    SetColorDownTo(s->FColorDownTo);
    SetColorChecked(s->FColorChecked);
    SetColorCheckedTo(s->FColorCheckedTo);
    SetColorDisabled(s->FColorDisabled);
    SetColorDisabledTo(s->FColorDisabledTo);
    SetBorderColor(s->FBorderColor);
    SetBorderColorHot(s->FBorderColorHot);
    SetBorderColorDown(s->FBorderColorDown);
    SetBorderColorChecked(s->FBorderColorChecked);
    SetBorderColorDisabled(s->FBorderColorDisabled);
    SetGradient(s->FGradient);
}

// --- Button ----------------------------------------------------------------------------------------

TVoButton::TVoButton(TComponent* AOwner) : TCustomControl(AOwner), FUnHotTimer(new TTimer(this))
{
    SetBounds(0, 0, 23, 22);
    ControlStyle |= csCaptureMouse | csClickEvents | csDoubleClicks;
    Font().SetName(QStringLiteral("Tahoma"));
    FUnHotTimer->SetInterval(1);
    FUnHotTimer->SetEnabled(false);
    FUnHotTimer->OnTimer = [this](TObject*) { unHotTick(); };
}

void TVoButton::SetAppearance(TVoButtonAppearance* Value)
{
    FAppearance = Value;
    Invalidate();
}

void TVoButton::SetImageIndex(int Value)
{
    FImageIndex = Value;
    Invalidate();
}

void TVoButton::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_MOUSEENTER:
        TCustomControl::WndProc(Message);
        mouseEnter();
        return;
    case CM_MOUSELEAVE:
        TCustomControl::WndProc(Message);
        mouseLeave();
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_ENABLEDCHANGED:
        TCustomControl::WndProc(Message);
        Invalidate();
        return;
    default:
        TCustomControl::WndProc(Message);
    }
}

void TVoButton::mouseEnter()
{
    FMouseInControl = true;
    if (Enabled())
        Invalidate();
    FUnHotTimer->SetEnabled(true);
}

void TVoButton::mouseLeave()
{
    FUnHotTimer->SetEnabled(false);
    FMouseInControl = false;
    if (Enabled())
        Invalidate();
}

bool TVoButton::cursorInside() const
{
    return ClientRect().Contains(ScreenToClient(GetCursorPos()));
}

void TVoButton::unHotTick()
{
    if (cursorInside())
        return;
    FUnHotTimer->SetEnabled(false);
    FMouseInControl = false;
    if (Enabled())
        Invalidate();
}

void TVoButton::testCursor()
{
    if (cursorInside())
        mouseEnter();
    else
        mouseLeave();
}

void TVoButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == TMouseButton::mbLeft && Enabled())
        FMouseDownInControl = true;
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TVoButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    const bool pressed = Button == TMouseButton::mbLeft && FMouseDownInControl;
    FMouseDownInControl = false;
    Invalidate();
    if (pressed) {
        FMouseInControl = false;
        testCursor();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TVoButton::MouseMove(TShiftState Shift, int X, int Y)
{
    if (!FMouseDownInControl && !FMouseInControl)
        testCursor();
    TCustomControl::MouseMove(Shift, X, Y);
}

void TVoButton::KeyDown(WORD& Key, TShiftState Shift)
{
    if (Key == VK_RETURN || Key == VK_SPACE) {
        FInternalClick = true;
        Click();
    }
    TCustomControl::KeyDown(Key, Shift);
}

void TVoButton::Click()
{
    if (TCustomForm* form = GetParentForm(this))
        form->SetModalResult(FModalResult);
    const bool cancelled = FModalResult == mrCancel || FModalResult == mrAbort || FModalResult == mrIgnore ||
                           FModalResult == mrNo || FModalResult == mrNoToAll;
    const bool closes = cancelled || FModalResult == mrOk || FModalResult == mrYes || FModalResult == mrAll ||
                        FModalResult == mrYesToAll;
    if (FVoDropDown && closes)
        FVoDropDown->HideDropDown(cancelled);
    if (!std::exchange(FInternalClick, false))
        TCustomControl::Click();
}

void TVoButton::SizeToContent()
{
    if (!FAppearance)
        return;
    TBitmap measure;
    measure.Canvas().Font().Assign(FAppearance->Font());
    TSize size = DropDownTextSize(measure.Canvas(), Caption());
    if (FImages && FImageIndex >= 0) {
        size.cx = std::max(size.cx, FImages->Width());
        size.cy = std::max(size.cy, FImages->Height());
    }
    SetBounds(Left(), Top(), size.cx + 8, size.cy + 4);
}

// The parent shows through where the face leaves it (the platform paints the parent under a child).
void TVoButton::Paint()
{
    DrawButton(Canvas());
}

void TVoButton::DrawButton(TCanvas& Canvas)
{
    if (!FAppearance)
        return;
    const TVoButtonAppearance& a = *FAppearance;
    TColor from = a.Color(), to = a.ColorTo(), border = a.BorderColor();
    if (!Enabled()) {
        from = a.ColorDisabled();
        to = a.ColorDisabledTo();
        border = a.BorderColorDisabled();
    } else if (FMouseDownInControl && FMouseInControl) {
        from = to = a.ColorDown();
        border = a.BorderColorDown();
    } else if (FMouseInControl || Focused()) {
        from = to = a.ColorHot();
        border = a.BorderColorHot();
    }
    DropDownDrawBackground(&Canvas, ClientRect(), from, to, border, 1, a.Gradient());
    Canvas.Brush().SetStyle(TBrushStyle::bsClear);
    Canvas.Font().Assign(a.Font());
    DropDownDrawImageText(&Canvas, ClientRect(), Caption(), FImages, FImageIndex);
}

// --- Button list -----------------------------------------------------------------------------------

TVoButton* TDbgList::GetItemsEx(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw Exception(QStringLiteral("Index out of bounds in list read access"));
    return FItems[static_cast<std::size_t>(Index)];
}

void TDbgList::SetItemsEx(int Index, TVoButton* Value)
{
    if (Index < 0 || Index >= Count())
        throw Exception(QStringLiteral("Index out of bounds in list write access"));
    FItems[static_cast<std::size_t>(Index)] = Value;
}

// --- Bars ------------------------------------------------------------------------------------------

TVoBar::TVoBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    ControlStyle |= csAcceptsControls | csClickEvents | csDoubleClicks;
}

void TVoBar::watchAppearance()
{
    Appearance().OnChange = [this](TObject*) { appearanceChanged(); };
}

void TVoBar::appearanceChanged()
{
    SetVisible(Appearance().Visible());
    SetHeight(Appearance().Height);
}

void TVoBar::SetVoDropDown(TVoCustomDropDown* ADropDown)
{
    FVoDropDown = ADropDown;
    if (!ADropDown) {
        FImages = nullptr;
        return;
    }
    FImages = ADropDown->Images();
    Appearance().Assign(SourceAppearance());
    Invalidate();
}

void TVoBar::InitButtons()
{
    if (FVoDropDown)
        CreateButtons();
}

void TVoBar::CreateButtons()
{
    if (!FVoDropDown)
        return;
    ClearButtons();
    const int h = ButtonArea().Height();
    const TAppearanceButtons& items = SourceAppearance().Buttons();
    for (int i = 0; i < items.Count(); ++i) {
        const TAppearanceButton& item = *items.Items(i);
        auto* button = new TVoButton(this);
        button->SetParent(this);
        button->SetAppearance(&FVoDropDown->ButtonAppearance());
        if (ButtonsClose()) {
            button->SetVoDropDown(FVoDropDown);
            if (const auto* footerItem = dynamic_cast<const TFooterButton*>(&item))
                button->SetModalResult(footerItem->ModalResult);
        }
        button->SetCaption(item.Caption());
        button->SetImageIndex(item.ImageIndex);
        button->SetEnabled(item.Enabled());
        button->SetImages(FImages);
        button->SizeToContent();
        int width = button->Width(), height = button->Height();
        if (item.Width() > 0)
            width = item.Width();
        if (item.Height > 0)
            height = item.Height;
        button->SetBounds(button->Left(), button->Top(), width, std::min(height, h));
        button->Tag = i;
        button->OnClick = [this](TObject* Sender) { buttonClick(Sender); };
        FButtonList.Add(button);
    }
    ArrangeButtons();
}

void TVoBar::ClearButtons()
{
    for (int i = FButtonList.Count() - 1; i >= 0; --i)
        delete FButtonList.GetItemsEx(i);
    FButtonList.Clear();
}

void TVoBar::UpdateButtons()
{
    if (!FVoDropDown)
        return;
    const TAppearanceButtons& items = SourceAppearance().Buttons();
    int i = 0;
    for (TVoButton* button : FButtonList) {
        button->SetAppearance(&FVoDropDown->ButtonAppearance());
        button->SetImages(FImages);
        if (i < items.Count()) {
            button->SetCaption(items.Items(i)->Caption());
            button->SetImageIndex(items.Items(i)->ImageIndex);
            button->SetEnabled(items.Items(i)->Enabled());
        }
        button->SizeToContent();
        ++i;
    }
    ArrangeButtons();
}

void TVoBar::ArrangeButtons()
{
    const TRect r = ButtonArea();
    int x = Appearance().ButtonAlignment == baRight ? r.Right : r.Left;
    for (TVoButton* button : FButtonList) {
        const int top = std::max(r.Top, (r.Bottom - button->Height()) / 2);
        if (Appearance().ButtonAlignment == baRight) {
            x -= button->Width();
            button->SetBounds(x, top, button->Width(), button->Height());
        } else {
            button->SetBounds(x, top, button->Width(), button->Height());
            x += button->Width();
        }
    }
}

void TVoBar::Resize()
{
    TCustomControl::Resize();
    ArrangeButtons();
}

void TVoBar::buttonClick(TObject* Sender)
{
    if (const auto* button = dynamic_cast<TVoButton*>(Sender); button && FVoDropDown)
        Clicked(button->Tag);
}

void TVoBar::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect R = ClientRect();
    if (OnDrawBackGround) {
        OnDrawBackGround(this, canvas, R);
        return;
    }
    const TDropDownAppearance& a = Appearance();
    if (a.ColorTo != clNone) {
        DropDownGradientFill(canvas, a.Color, a.ColorTo, 80, R, a.GradientDirection == gdHorizontal);
    } else if (a.Color != clNone) {
        canvas.Brush().SetColor(a.Color);
        canvas.FillRect(R);
    }
    if (a.BorderColor != clNone && a.BorderWidth > 0) {
        canvas.Pen().SetWidth(a.BorderWidth);
        canvas.Pen().SetColor(a.BorderColor);
        const bool allSides =
            !FVoDropDown || FVoDropDown->DropDownBorderWidth() <= 0 || FVoDropDown->DropDownBorderColor() == clNone;
        DrawBorder(canvas, R, allSides);
        canvas.Pen().SetWidth(1);
    }
    TRect t = R;
    t.Left += a.BorderWidth;
    t.Top += a.BorderWidth;
    t.Right -= a.BorderWidth;
    t.Bottom -= a.BorderWidth;
    if (a.ImageIndex >= 0 && FImages) {
        FImages->Draw(canvas, t.Left + 4, t.Top + (t.Height() - FImages->Height()) / 2, a.ImageIndex);
        t.Left += FImages->Width() + 8;
    }
    QString text = a.Caption;
    if (OnGetText)
        OnGetText(this, text);
    if (!text.isEmpty()) {
        if (const TVoButton* last = FButtonList.Last())
            t.Right = last->Left() - 2;
        canvas.Font().Assign(a.Font());
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        const TSize size = DropDownDrawHtmlText(canvas, text, t, FImages, false);
        if (size.cy < t.Height())
            t.Top += (t.Height() - size.cy) / 2;
        DropDownDrawHtmlText(canvas, text, t, FImages, true);
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    }
    DrawGrip(canvas, R);
}

// The frame just inside the border: 20 % of the border colour on white.
namespace {
void innerFrame(TCanvas& Canvas, const TRect& R, TColor BorderColor)
{
    Canvas.Pen().SetWidth(1);
    Canvas.Pen().SetColor(DropDownBlendColor(BorderColor, clWhite, 20));
    Canvas.Brush().SetStyle(TBrushStyle::bsClear);
    Canvas.Rectangle(R);
    Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
}
}  // namespace

TVoHeader::TVoHeader(TComponent* AOwner) : TVoBar(AOwner)
{
    watchAppearance();
}

const TDropDownAppearance& TVoHeader::SourceAppearance() const
{
    return VoDropDown()->DropDownHeader();
}

TRect TVoHeader::ButtonArea() const
{
    const TRect r = ClientRect();
    return Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 3);
}

void TVoHeader::Clicked(int Index)
{
    if (VoDropDown()->OnDropDownHeaderButtonClick)
        VoDropDown()->OnDropDownHeaderButtonClick(VoDropDown(), Index);
}

void TVoHeader::DrawBorder(TCanvas& Canvas, const TRect& R, bool AllSides)
{
    Canvas.MoveTo(R.Left, R.Bottom - 1);
    Canvas.LineTo(R.Right, R.Bottom - 1);
    if (AllSides) {
        Canvas.MoveTo(R.Left, R.Bottom - 1);
        Canvas.LineTo(R.Left, R.Top);
        Canvas.LineTo(R.Right, R.Top);
        Canvas.LineTo(R.Right, R.Bottom - 1);
    }
    TRect inner = R;
    inner.Bottom -= Appearance().BorderWidth;
    innerFrame(Canvas, inner, Appearance().BorderColor);
}

TVoFooter::TVoFooter(TComponent* AOwner) : TVoBar(AOwner)
{
    watchAppearance();
    ControlStyle |= csCaptureMouse;
}

const TDropDownAppearance& TVoFooter::SourceAppearance() const
{
    return VoDropDown()->DropDownFooter();
}

bool TVoFooter::SizeGripVisible() const
{
    return FLook.SizeGrip && VoDropDown() && VoDropDown()->DropDownSizeable();
}

TRect TVoFooter::ButtonArea() const
{
    const TRect r = ClientRect();
    return Rect(r.Left + 2, r.Top + 2, r.Right - (SizeGripVisible() ? 14 : 2), r.Bottom - 2);
}

void TVoFooter::Clicked(int Index)
{
    if (VoDropDown()->OnDropDownFooterButtonClick)
        VoDropDown()->OnDropDownFooterButtonClick(VoDropDown(), Index);
}

void TVoFooter::DrawBorder(TCanvas& Canvas, const TRect& R, bool AllSides)
{
    Canvas.MoveTo(R.Left, R.Top);
    Canvas.LineTo(R.Right, R.Top);
    if (AllSides) {
        Canvas.MoveTo(R.Left, R.Top);
        Canvas.LineTo(R.Left, R.Bottom);
        Canvas.LineTo(R.Right, R.Bottom);
        Canvas.LineTo(R.Right, R.Top);
    }
    TRect inner = R;
    inner.Top += Appearance().BorderWidth;
    innerFrame(Canvas, inner, Appearance().BorderColor);
}

// Six dots in a triangle, each over a white dot one pixel further right and down.
void TVoFooter::DrawGrip(TCanvas& Canvas, const TRect& R)
{
    if (!SizeGripVisible())
        return;
    const int bw = Appearance().BorderWidth;
    const TRect g = Rect(R.Right - bw - 16, 1, R.Right - bw - 1, R.Bottom);
    const int l = g.Left, b = g.Bottom;
    const TPoint dots[] = {{l + 4, b - 5}, {l + 8, b - 5},  {l + 12, b - 5},
                           {l + 8, b - 9}, {l + 12, b - 9}, {l + 12, b - 13}};
    Canvas.Brush().SetColor(clWhite);
    for (const TPoint& p : dots)
        Canvas.FillRect(Rect(p.X + 1, p.Y + 1, p.X + 3, p.Y + 3));
    Canvas.Brush().SetColor(Appearance().BorderColor);
    for (const TPoint& p : dots)
        Canvas.FillRect(Rect(p.X, p.Y, p.X + 2, p.Y + 2));
}

bool TVoFooter::inGrip(int X, int Y) const
{
    return SizeGripVisible() && Parent() && X > Width() - 12 && Y > Height() - 15;
}

void TVoFooter::restoreCursor()
{
    if (Cursor() != FOldCursor)
        SetCursor(FOldCursor);
}

void TVoFooter::WndProc(TMessage& Message)
{
    if (Message.Msg == CM_MOUSEENTER && Cursor() != crSizeNWSE)
        FOldCursor = Cursor();
    else if (Message.Msg == CM_MOUSELEAVE && !FSizing)
        restoreCursor();
    TVoBar::WndProc(Message);
}

// The grip drags the pop-up's bottom-right corner.
void TVoFooter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TVoBar::MouseDown(Button, Shift, X, Y);
    TCustomForm* popup = GetParentForm(this);
    if (Button != TMouseButton::mbLeft || !inGrip(X, Y) || !popup)
        return;
    FSizing = true;
    FSizeStart = ClientToScreen({X, Y});
    FStartSize = {popup->Width(), popup->Height()};
}

void TVoFooter::MouseMove(TShiftState Shift, int X, int Y)
{
    TVoBar::MouseMove(Shift, X, Y);
    if (FSizing) {
        TCustomForm* popup = GetParentForm(this);
        const TPoint at = ClientToScreen({X, Y});
        popup->SetBounds(popup->Left(), popup->Top(), std::max(80, FStartSize.cx + at.X - FSizeStart.X),
                         std::max(50, FStartSize.cy + at.Y - FSizeStart.Y));
        if (auto* form = dynamic_cast<TDropDownForm*>(popup); form && form->OnSizing)
            form->OnSizing(form);
        return;
    }
    if (inGrip(X, Y))
        SetCursor(crSizeNWSE);
    else
        restoreCursor();
}

void TVoFooter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FSizing = false;
    restoreCursor();
    TVoBar::MouseUp(Button, Shift, X, Y);
}
