// The drop-down edit's button and its painting.
#include "controls/dropdown/VoDropDownButton.h"

#include "controls/dropdown/VoDropDown.h"
#include "controls/dropdown/VoDropDownDraw.h"
#include "grid/base/VoStyleIF.h"
#include "grid/base/VoXPVS.h"

TVoDropDownSpeedButton::TVoDropDownSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner)
{}

void TVoDropDownSpeedButton::WndProc(TMessage& Message)
{
    TSpeedButton::WndProc(Message);
    if (Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE) {
        FHot = Message.Msg == CM_MOUSEENTER;
        Invalidate();
    }
}

void TVoDropDownSpeedButton::SetButtonStyle(TButtonStyle Value)
{
    FButtonStyle = Value;
    Invalidate();
}

void TVoDropDownSpeedButton::SetEtched(bool Value)
{
    if (Value != FEtched) {
        FEtched = Value;
        Invalidate();
    }
}

void TVoDropDownSpeedButton::SetFocused(bool Value)
{
    if (Value != FFocused) {
        FFocused = Value;
        Invalidate();
    }
}

bool TVoDropDownSpeedButton::pressed() const
{
    return FState == bsDown || FState == bsExclusive;
}

int TVoDropDownSpeedButton::ThemeState() const
{
    if (!Enabled())
        return 4;
    if (pressed() && !FUp)
        return 3;
    return FHot ? 2 : 1;
}

void TVoDropDownSpeedButton::Paint()
{
    if (FButtonStyle == bsDropDown)
        paintArrow();
    else
        paintPushButton();
}

namespace {
const std::vector<TPoint> Arrow = {{5, 7}, {11, 7}, {8, 10}};

void fillArrow(TCanvas& Canvas, TColor Color)
{
    Canvas.Pen().SetColor(Color);
    Canvas.Brush().SetColor(Color);
    Canvas.Polygon(Arrow);
}
}  // namespace

void TVoDropDownSpeedButton::paintArrow()
{
    auto* window = dynamic_cast<TDropDownEditButton*>(Parent());
    auto* edit = window ? dynamic_cast<TVoCustomDropDown*>(window->Parent()) : nullptr;
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    if (!window || window->ButtonColor == clNone) {
        if (!Glyph().Empty()) {
            canvas.Brush().SetColor(clBtnFace);
            canvas.Pen().SetColor(0x808080);
            canvas.Rectangle(client);
            canvas.Draw(0, 0, Glyph());
            return;
        }
        if (edit)
            SetEnabled(edit->Enabled() && !edit->ReadOnly());
        if (IsThemeActive()) {
            TRect r = client;
            if (HasLocaleInfoEx()) {
                r.Left += 1;
            } else {
                r = Rect(r.Left + 1, r.Top - 1, r.Right + 1, r.Bottom + 1);
            }
            TThemeData(QStringLiteral("combobox")).DrawBackground(canvas, CP_DROPDOWNBUTTON, ThemeState(), r);
            return;
        }
        TSpeedButton::Paint();
        canvas.Pen().SetColor(clBtnFace);
        canvas.Polyline({{Width() - 2, 0}, {0, 0}, {0, Height() - 1}});
        canvas.Pen().SetColor(clWhite);
        canvas.Polyline({{Width() - 3, 1}, {1, 1}, {1, Height() - 2}});
        fillArrow(canvas, clBlack);
        return;
    }
    const bool down = pressed() && !FUp;
    const TColor face = down ? window->ButtonColorDown : FHot ? window->ButtonColorHot : window->ButtonColor;
    canvas.Brush().SetColor(face);
    canvas.FillRect(client);
    if (edit && edit->BorderColor() != clNone) {
        canvas.Pen().SetColor(edit->BorderColor());
        canvas.MoveTo(client.Left, client.Top);
        canvas.LineTo(client.Left, client.Bottom);
    }
    fillArrow(canvas, down ? window->ButtonTextColorDown : FHot ? window->ButtonTextColorHot : window->ButtonTextColor);
}

void TVoDropDownSpeedButton::paintPushButton()
{
    TCanvas& canvas = Canvas();
    const bool down = pressed();
    if (IsThemeActive()) {
        TThemeData(QStringLiteral("button"))
            .DrawBackground(canvas, BP_PUSHBUTTON, ThemeState(), Rect(0, 0, Width() + 1, Height() + 1));
    } else if (Flat()) {
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(ClientRect());
        canvas.Pen().SetColor(FEtched || down ? clBtnShadow : clWhite);
        canvas.Polyline({{0, Height() - 1}, {0, 0}, {Width() - 1, 0}});
        canvas.Pen().SetColor(clBtnShadow);
        canvas.Polyline({{Width() - 1, 0}, {Width() - 1, Height() - 1}, {0, Height() - 1}});
    } else {
        TSpeedButton::Paint();
        return;
    }
    const int shift = down ? 1 : 0;
    TRect r = Rect(2, 2, Width() - 2, Height() - 2);
    if (!Glyph().Empty()) {
        int x = r.Left, y = r.Top;
        if (!Caption().isEmpty())
            x += 2;
        else if (Glyph().Width() < r.Width())
            x += (r.Width() - Glyph().Width()) / 2;
        if (Glyph().Height() < r.Height())
            y += (r.Height() - Glyph().Height()) / 2;
        canvas.Draw(x + shift, y + shift, Glyph());
        r.Left = x + Glyph().Width() + 2;
    }
    if (!Caption().isEmpty()) {
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        TRect t = Glyph().Empty() ? Rect(3 + shift, 1 + shift, Width() - 3 + shift, Height() - 1 + shift) : r;
        canvas.DrawText(Caption(), t, DT_SINGLELINE | DT_VCENTER | (Glyph().Empty() ? DT_CENTER : 0u));
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    }
}

TDropDownEditButton::TDropDownEditButton(TComponent* AOwner)
    : TWinControl(AOwner), FButton(new TVoDropDownSpeedButton(this))
{
    ControlStyle = (ControlStyle & ~(csAcceptsControls | csSetCaption)) | csOpaque;
    FButton->SetParent(this);
    FButton->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, int, int) {
        if (Button == TMouseButton::mbLeft && OnClick)
            OnClick(this);
    };
    FButton->SetButtonStyle(bsDropDown);
    TWinControl::SetBounds(0, 0, 16, 25);
    FButton->SetBounds(0, 0, FBWidth, 25);
}

void TDropDownEditButton::SetBWidth(int Value)
{
    FBWidth = Value;
    SetBounds(Left(), Top(), FBWidth, Height());
}

void TDropDownEditButton::SetBounds(int ALeft, int ATop, int /*AWidth*/, int AHeight)
{
    TWinControl::SetBounds(ALeft, ATop, FBWidth, AHeight);
    FButton->SetBounds(0, 0, FBWidth, AHeight);
}

void TDropDownEditButton::SetEnabled(bool Value)
{
    TWinControl::SetEnabled(Value);
    FButton->SetEnabled(Value);
}
