// The drop-down's pop-up form.
#include "controls/dropdown/VoDropDownForm.h"

#include "controls/dropdown/VoDropDown.h"
#include "controls/dropdown/VoDropDownDraw.h"
#include "platform/Clock.h"

TDropDownForm::TDropDownForm(TComponent* AOwner) : TPaintedControl<TForm>(AOwner)
{
    PopupMode = true;
    SetBorderStyle(bsNone);
    // The window system asks a pop-up to close when the user clicks outside it: that is its deactivation.
    OnCloseQuery = [this](TObject*, bool& CanClose) {
        CanClose = false;
        DeActivate();
    };
}

void TDropDownForm::DeActivate()
{
    if (BlockActivate || !Visible())
        return;
    FDeActivate = TickCount();
    if (FVoDropDown)
        FVoDropDown->HideDropDown(CancelOnDeActivate);
    else
        Hide();
}

void TDropDownForm::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SIZING:
        TPaintedControl<TForm>::WndProc(Message);
        if (OnSizing)
            OnSizing(this);
        return;
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
        return;
    default:
        TPaintedControl<TForm>::WndProc(Message);
    }
}

void TDropDownForm::AdjustClientRect(TRect& Rect) const
{
    if (!FVoDropDown)
        return;
    const int bw = FVoDropDown->DropDownBorderWidth();
    Rect = ::Rect(Rect.Left + bw, Rect.Top + bw, Rect.Right - bw, Rect.Bottom - bw);
}

void TDropDownForm::Paint()
{
    if (!FVoDropDown)
        return;
    TCanvas& canvas = Canvas();
    const TVoCustomDropDown& d = *FVoDropDown;
    const int bw = d.DropDownBorderWidth();
    const TRect client = ClientRect();
    const TRect r = Rect(client.Left + bw, client.Top + bw, client.Right - bw, client.Bottom - bw);
    if (d.DropDownColor() != clNone && d.DropDownColorTo() != clNone) {
        DropDownGradientFill(canvas, d.DropDownColor(), d.DropDownColorTo(), 80, r,
                             d.DropDownGradient() == gdHorizontal);
    } else if (d.DropDownColor() != clNone) {
        canvas.Brush().SetColor(d.DropDownColor());
        canvas.FillRect(r);
    }
    if (bw > 0) {
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.Pen().SetWidth(bw);
        canvas.Pen().SetColor(d.DropDownBorderColor());
        canvas.Rectangle(client.Left + bw / 2, client.Top + bw / 2, client.Right, client.Bottom);
        canvas.Pen().SetWidth(1);
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    }
}

namespace {
// Links an existing bar again, or makes one the first time its appearance is visible.
template <typename TBar>
TBar* prepareBar(TDropDownForm& Form, TBar* Bar, TVoCustomDropDown& DropDown, const TDropDownAppearance& Look,
                 TAlign Align)
{
    if (!Bar && Look.Visible()) {
        Bar = new TBar(&Form);
        Bar->SetParent(&Form);
        Bar->SetHeight(Look.Height);
        Bar->SetAlign(Align);
    }
    if (Bar) {
        Bar->SetVoDropDown(&DropDown);
        Bar->InitButtons();
        Bar->SetVisible(Look.Visible());
    }
    return Bar;
}
}  // namespace

void TDropDownForm::InitializeAndUpdate()
{
    if (!FVoDropDown)
        return;
    FHeader = prepareBar(*this, FHeader, *FVoDropDown, FVoDropDown->DropDownHeader(), alTop);
    if (FHeader) {
        FHeader->OnDrawBackGround = FVoDropDown->OnDrawHeader;
        FHeader->OnGetText = FVoDropDown->OnGetHeaderText;
    }
    FFooter = prepareBar(*this, FFooter, *FVoDropDown, FVoDropDown->DropDownFooter(), alBottom);
    if (FFooter) {
        FFooter->OnDrawBackGround = FVoDropDown->OnDrawFooter;
        FFooter->OnGetText = FVoDropDown->OnGetFooterText;
    }
}
