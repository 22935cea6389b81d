// Set-up of the controls a string grid owns.
#include "grid/VoGrid/VoGridControls.h"

#include "grid/VoGrid/VoGrid.h"
#include "grid/VoGrid/VoGridUnit.h"
#include "grid/base/VoUtil/VoUtilText.h"
#include "grid/base/VsgHTMLE/VsgHTMLE.h"
#include "platform/SystemMetrics.h"

namespace {
// The width a hint is laid out in before it is sized.
constexpr int HintLayoutWidth = 1008;
// Horizontal room around an HTML hint and around a one-line wide text hint.
constexpr int HtmlHintMargin = 16;
constexpr int WideHintMargin = 8;
constexpr int HintMarginY = 4;
// How far inside the monitor's edge a hint that would cross it ends.
constexpr int MonitorInset = 2;
constexpr int TextInsetX = 4;

// A child the grid keeps out of sight until it uses it.
void hideAway(TControl& c)
{
    c.SetBounds(0, 0, 0, 0);
    c.Hide();
}
}  // namespace

TFooterPanel::TFooterPanel(TComponent* AOwner) : TPanel(AOwner)
{
    SetAlign(alBottom);
    SetHeight(0);
    SetBorderWidth(0);
    OnMouseLeave = [this](TObject*) { FLastHintX = -1; };
}

TDropListBase::TDropListBase(TComponent* AOwner) : TListBox(AOwner)
{
    hideAway(*this);
}

void TDropListBase::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_CANCELMODE && Visible() && !ClientRect().Contains(ScreenToClient(GetCursorPos()))) {
        Hide();
        if (OnCancel)
            OnCancel(this);
    }
    TListBox::WndProc(Message);
}

void TDropList::choose()
{
    Hide();
    if (OnSelect)
        OnSelect(this, ItemIndex());
}

void TDropList::KeyDown(WORD& Key, TShiftState Shift)
{
    TDropListBase::KeyDown(Key, Shift);
    if (Key == VK_RETURN)
        choose();
}

void TDropList::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TDropListBase::MouseUp(Button, Shift, X, Y);
    choose();
}

TDropCheckList::TDropCheckList(TComponent* AOwner) : TDropListBase(AOwner)
{
    SetCheckable(true);
    OnClickCheck = [this](TObject*) {
        if (OnSelect && !FMarking)
            OnSelect(this, -1);
    };
}

void TDropCheckList::Mark(int Index, bool Value)
{
    FMarking = true;
    SetChecked(Index, Value);
    FMarking = false;
}

TNoActiveForm::TNoActiveForm(TComponent* AOwner) : TPopupWindow(AOwner)
{
    SetEnabled(false);
}

void TNoActiveForm::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_ACTIVATE:
        Message.Result = 0;
        return;
    case WM_MOUSEACTIVATE:
        Message.Result = MA_NOACTIVATE;
        return;
    default:
        TPopupWindow::WndProc(Message);
    }
}

THeaderDragButton::THeaderDragButton(TComponent* AOwner, VOroDavoduRuzu* grid) : TCustomControl(AOwner), FGrid(grid)
{
    SetEnabled(false);
    Hide();
}

// Wide text shows in the font of the grid that built the hint.
void THTMLHintWindow::useHintFont(TCanvas& Canvas)
{
    if (!VoGridUnit().HintFontName.isEmpty())
        Canvas.Font().SetName(VoGridUnit().HintFontName);
}

TSize THTMLHintWindow::measure(const QString& AHint, int MaxWidth)
{
    TCanvas& c = Canvas();
    c.Font().Assign(Font());
    if (CellTextKind(AHint, true) == ctkWide) {
        useHintFont(c);
        const QString text = DecodeWideText(AHint);
        return {c.TextWidth(text), c.TextHeight(text)};
    }
    THtmlRenderOptions options;
    options.Images = FImages;
    options.MeasureOnly = true;
    THtmlRenderResult result;
    RenderHtmlText(c, AHint, Rect(0, 0, MaxWidth, 65535), options, result);
    return {result.TextWidth, result.TextHeight};
}

TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const QString& AHint, void* AData)
{
    FImages = AData ? static_cast<VOroDavoduRuzu*>(AData)->GridImages : nullptr;
    const TSize size = measure(AHint, MaxWidth);
    return Rect(0, 0, size.cx, size.cy);
}

void THTMLHintWindow::ActivateHint(const TRect& ARect, const QString& AHint)
{
    SetCaption(AHint);
    const TSize size = measure(AHint, HintLayoutWidth);
    FTextWidth = size.cx;
    FTextHeight = size.cy;
    const int margin = CellTextKind(AHint, true) == ctkWide ? WideHintMargin : HtmlHintMargin;
    TRect r = Rect(ARect.Left, ARect.Top, ARect.Left + size.cx + margin, ARect.Top + size.cy + HintMarginY);
    const TRect monitor = MonitorRectAt({r.Left, r.Top});
    if (r.Right > monitor.Right) {
        const int shift = r.Right - (monitor.Right - MonitorInset);
        r = Rect(r.Left - shift, r.Top, r.Right - shift, r.Bottom);
    }
    if (r.Bottom > monitor.Bottom) {
        const int shift = r.Bottom - (monitor.Bottom - MonitorInset);
        r = Rect(r.Left, r.Top - shift, r.Right, r.Bottom - shift);
    }
    SetBounds(r.Left, r.Top, r.Width(), r.Height());
    Show();
    Invalidate();
}

void THTMLHintWindow::Paint()
{
    TCanvas& c = Canvas();
    const TRect client = ClientRect();
    c.Brush().SetColor(Color());
    c.FillRect(client);
    c.Pen().SetColor(cl3DLight);
    c.MoveTo(client.Left, client.Bottom - 1);
    c.LineTo(client.Left, client.Top);
    c.LineTo(client.Right - 1, client.Top);
    c.Pen().SetColor(cl3DDkShadow);
    c.LineTo(client.Right - 1, client.Bottom - 1);
    c.LineTo(client.Left, client.Bottom - 1);
    const int top = (client.Height() - FTextHeight) / 2;
    const TRect text = Rect(client.Left + TextInsetX, top, client.Right - TextInsetX, top + FTextHeight + 8);
    c.Font().Assign(Font());
    c.Brush().SetStyle(bsClear);
    if (CellTextKind(Caption(), true) == ctkWide) {
        useHintFont(c);
        TRect line = text;
        c.DrawText(DecodeWideText(Caption()), line, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
        return;
    }
    THtmlRenderOptions options;
    options.Images = FImages;
    options.ShadowColor = static_cast<TColor>(0x808080);
    options.URLColor = static_cast<TColor>(0xFF0000);
    THtmlRenderResult result;
    RenderHtmlText(c, Caption(), text, options, result);
}
