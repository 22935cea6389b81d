#include "grid/base/VsgCombo/VsgCombo.h"

#include "grid/base/VoStyleIF.h"
#include "platform/Forms.h"
#include "platform/SystemMetrics.h"

TVsgCustomCombo::TVsgCustomCombo(TComponent* AOwner)
    : TComboBox(AOwner), FButtonWidth(GetSystemMetrics(SM_CXVSCROLL) + 2), FLabelFont(std::make_unique<TFont>())
{
    FIsThemed = ComCtlVersionAbove5();
    SetDropDownCount(8);
    FLabelFont->OnChange = [this](TObject*) {
        if (FLabel)
            PlaceComboLabel();
    };
    PaintOverBox();
}

TVsgCustomCombo::~TVsgCustomCombo()
{
    Destroying();
    FLabelFont->OnChange = nullptr;
}

void TVsgCustomCombo::Notification(TComponent* component, TOperation operation)
{
    TComboBox::Notification(component, operation);
    if (operation == opRemove && component == FLabel)
        FLabel = nullptr;
}

void TVsgCustomCombo::Loaded()
{
    if (FDropWidth > 0)
        Perform(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(FDropWidth));
    FOldColor = FLoadedColor;
    if (!(FFlatParentColor && !FFlat))
        SetColor(FLoadedColor);
    if (FLabel) {
        if (!FLabelAlwaysEnabled)
            FLabel->SetEnabled(Enabled());
        if (ParentFont())
            FLabel->SetFont(Font());
        PlaceComboLabel();
    }
    Init();
}

void TVsgCustomCombo::Init()
{
    FNormalColor = Color();
}

void TVsgCustomCombo::SelectItem(const QString& text)
{
    const int index = Items().IndexOf(text);
    if (index >= 0)
        SetItemIndex(index);
}

void TVsgCustomCombo::SetComboColor(TColor value)
{
    SetColor(value);
}

void TVsgCustomCombo::SetBorderColor(TColor value)
{
    if (value == FBorderColor)
        return;
    FBorderColor = value;
    Invalidate();
}

void TVsgCustomCombo::SetButtonWidth(int value)
{
    if (value < 14 || value > 32)
        return;
    FButtonWidth = value;
    Invalidate();
}

void TVsgCustomCombo::SetDropWidth(int value)
{
    FDropWidth = value;
    if (value > 0)
        Perform(CB_SETDROPPEDWIDTH, static_cast<WPARAM>(value));
}

void TVsgCustomCombo::SetEtched(bool value)
{
    if (value == FEtched)
        return;
    FEtched = value;
    Invalidate();
}

void TVsgCustomCombo::SetFlat(bool value)
{
    if (value == FFlat)
        return;
    FFlat = value;
    if (FFlatParentColor && FFlat) {
        if (Parent())
            SetColor(Parent()->Color());
    } else {
        SetColor(FLoadedColor);
    }
    Invalidate();
}

void TVsgCustomCombo::SetFlatLineColor(TColor value)
{
    FFlatLineColor = value;
    Invalidate();
}

void TVsgCustomCombo::SetFlatParentColor(bool value)
{
    FFlatParentColor = value;
    Invalidate();
}

QString TVsgCustomCombo::LabelCaption() const
{
    return FLabel ? FLabel->Caption() : QString();
}

void TVsgCustomCombo::SetLabelCaption(const QString& value)
{
    if (!FLabel)
        CreateComboLabel();
    FLabel->SetCaption(value);
    PlaceComboLabel();
}

void TVsgCustomCombo::SetLabelPosition(TLabelPosition value)
{
    FLabelPosition = value;
    if (FLabel)
        PlaceComboLabel();
}

void TVsgCustomCombo::SetLabelMargin(int value)
{
    FLabelMargin = value;
    if (FLabel)
        PlaceComboLabel();
}

void TVsgCustomCombo::SetLabelTransparent(bool value)
{
    FLabelTransparent = value;
    if (FLabel)
        PlaceComboLabel();
}

void TVsgCustomCombo::SetLabelAlwaysEnabled(bool value)
{
    FLabelAlwaysEnabled = value;
    if (FLabel)
        PlaceComboLabel();
}

void TVsgCustomCombo::CreateComboLabel()
{
    FLabel = new TLabel(this);
    FLabel->SetParent(Parent());
    FLabel->SetFont(*FLabelFont);
    FLabel->SetParentFont(ParentFont());
}

void TVsgCustomCombo::PlaceComboLabel()
{
    if (!FLabel)
        return;
    FLabel->SetTransparent(FLabelTransparent);
    if (!ParentFont())
        FLabel->SetFont(*FLabelFont);
    TCanvas& canvas = FLabel->Canvas();
    canvas.Font().Assign(FLabel->Font());
    TRect measure = Rect(0, 0, 1000, 255);
    canvas.DrawText(FLabel->Caption(), measure, DT_CALCRECT | DT_NOPREFIX);
    const TPoint p = LabelOrigin(FLabelPosition, BoundsRect(), TSize{FLabel->Width(), FLabel->Height()},
                                 measure.Width(), FLabelMargin);
    FLabel->SetBounds(p.X, p.Y, FLabel->Width(), FLabel->Height());
    FLabel->SetVisible(Visible());
}

void TVsgCustomCombo::SetLabelBold(bool bold)
{
    if (!FocusLabel || !FLabel)
        return;
    const TFontStyles style = FLabel->Font().Style();
    FLabel->Font().SetStyle(bold ? (style | fsBold) : (style & ~fsBold));
}

void TVsgCustomCombo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TComboBox::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (!(ComponentState() & csDestroying))
        PlaceComboLabel();
}

void TVsgCustomCombo::SetEnabled(bool v)
{
    const bool changed = v != Enabled();
    if (changed && FFlat) {
        if (!v) {
            FOldParentColor = ParentColor();
            FOldColor = Color();
            SetParentColor(true);
        } else {
            SetParentColor(FOldParentColor);
            if (!FOldParentColor)
                SetColor(FOldColor);
        }
    }
    TComboBox::SetEnabled(v);
    if (changed && FLabel && !FLabelAlwaysEnabled) {
        FLabel->SetEnabled(v);
        PlaceComboLabel();
    }
}

void TVsgCustomCombo::MouseMove(TShiftState Shift, int X, int Y)
{
    TComboBox::MouseMove(Shift, X, Y);
    const bool hover = X > Width() - FButtonWidth && X < Width();
    if (hover != FButtonHover) {
        FButtonHover = hover;
        Invalidate();
    }
}

void TVsgCustomCombo::MouseEnter()
{
    if (!FMouseInControl && Enabled()) {
        FMouseInControl = true;
        Invalidate();
    }
    if (AutoFocus && !(ComponentState() & csDesigning)) {
        const TCustomForm* form = GetParentForm(this);
        if ((!form || form->Active()) && CanFocus())
            SetFocus();
    }
    if (IsWinXP)
        Invalidate();
}

void TVsgCustomCombo::MouseLeave()
{
    if (FMouseInControl && Enabled()) {
        FMouseInControl = false;
        FButtonHover = false;
        Invalidate();
    }
    if (IsWinXP)
        Invalidate();
}

void TVsgCustomCombo::DoEnter()
{
    FHasFocus = true;
    Invalidate();
    if (FocusColor != clNone)
        SetColor(FocusColor);
    SetLabelBold(true);
    TComboBox::DoEnter();
}

void TVsgCustomCombo::DoExit()
{
    FHasFocus = false;
    Invalidate();
    if (FocusColor != clNone && FNormalColor != clNone)
        SetColor(FNormalColor);
    SetLabelBold(false);
    TComboBox::DoExit();
}

void TVsgCustomCombo::ShowLabel()
{
    if (FLabel)
        FLabel->SetVisible(Visible());
}

void TVsgCustomCombo::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_PAINT:
        PaintCombo(Canvas());
        return;
    case CM_MOUSEENTER:
        TComboBox::WndProc(m);
        MouseEnter();
        return;
    case CM_MOUSELEAVE:
        TComboBox::WndProc(m);
        MouseLeave();
        return;
    case CM_COLORCHANGED:
        if (ComponentState() & csLoading)
            FLoadedColor = Color();
        TComboBox::WndProc(m);
        return;
    case CM_VISIBLECHANGED:
        TComboBox::WndProc(m);
        ShowLabel();
        return;
    case CM_FONTCHANGED:
    case CM_PARENTFONTCHANGED:
        TComboBox::WndProc(m);
        if (FLabel && FLabel->ParentFont()) {
            FLabel->SetFont(Font());
            if (m.Msg == CM_PARENTFONTCHANGED)
                PlaceComboLabel();
        }
        return;
    case WM_SETFOCUS:
        TComboBox::WndProc(m);
        if (FocusColor != clNone)
            SetColor(FocusColor);
        SetLabelBold(true);
        Invalidate();
        return;
    case WM_KILLFOCUS:
        TComboBox::WndProc(m);
        if (FocusColor != clNone && FNormalColor != clNone)
            SetColor(FNormalColor);
        SetLabelBold(false);
        Invalidate();
        return;
    case CN_COMMAND: {
        const WORD code = HIWORD(m.WParam);
        TComboBox::WndProc(m);
        if (code == CBN_DROPDOWN || code == CBN_CLOSEUP)
            Invalidate();
        if (code == CBN_CLOSEUP && OnDropUp)
            OnDropUp(this);
        return;
    }
    default:
        TComboBox::WndProc(m);
    }
}
