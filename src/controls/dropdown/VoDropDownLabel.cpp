// The label attached to a drop-down edit and its placement.
#include "controls/dropdown/VoDropDown.h"

QString TVoCustomDropDown::LabelCaption() const
{
    return FLabel ? FLabel->Caption() : QString();
}

void TVoCustomDropDown::SetLabelCaption(const QString& Value)
{
    if (!FLabel) {
        FLabel = new TLabel(this);
        FLabel->SetParent(Parent());
        FLabel->SetFont(FLabelFont);
        FLabel->OnClick = [this](TObject*) { DoLabelClick(); };
        FLabel->OnDblClick = [this](TObject*) { DoLabelDblClick(); };
        FLabel->SetParentFont(ParentFont());
    }
    FLabel->SetCaption(Value);
    placeLabel();
}

void TVoCustomDropDown::SetLabelPosition(TLabelPosition Value)
{
    FLabelPosition = Value;
    placeLabel();
}

void TVoCustomDropDown::SetLabelMargin(int Value)
{
    FLabelMargin = Value;
    placeLabel();
}

void TVoCustomDropDown::SetLabelTransparent(bool Value)
{
    FLabelTransparent = Value;
    placeLabel();
}

void TVoCustomDropDown::SetLabelFont(const TFont& Value)
{
    if (!ParentFont())
        FLabelFont.Assign(Value);
    placeLabel();
}

void TVoCustomDropDown::DoLabelClick()
{
    if (OnLabelClick)
        OnLabelClick(this);
}

void TVoCustomDropDown::DoLabelDblClick()
{
    if (OnLabelDblClick)
        OnLabelDblClick(this);
}

void TVoCustomDropDown::SetParent(TWinControl* AParent)
{
    TCustomMaskEdit::SetParent(AParent);
    if (FLabel) {
        FLabel->SetParent(AParent);
        placeLabel();
    }
}

void TVoCustomDropDown::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomMaskEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FLabel && FLabel->Parent())
        placeLabel();
}

void TVoCustomDropDown::Loaded()
{
    FParentFnt = ParentFont();
    SetEditRect();
    ResizeControl();
    if (FButton)
        FButton->SetEnabled(Enabled());
    if (!FLabel)
        return;
    if (!LabelAlwaysEnabled)
        FLabel->SetEnabled(Enabled());
    placeLabel();
    if (ParentFont())
        FLabel->SetFont(Font());
}

// Beside, above or below the edit by LabelPosition; the left positions use the caption's measured width,
// the centred and right-aligned ones the label's own width.
void TVoCustomDropDown::placeLabel()
{
    if (!FLabel)
        return;
    FLabel->SetTransparent(FLabelTransparent);
    FLabel->SetFont(FParentFnt ? Font() : FLabelFont);
    TBitmap measure;
    measure.Canvas().Font().Assign(FLabel->Font());
    TRect text = Rect(0, 0, 1000, 255);
    measure.Canvas().DrawText(FLabel->Caption(), text, DT_CALCRECT | DT_SINGLELINE);
    const int tw = text.Right;
    const TPoint at =
        LabelOrigin(FLabelPosition, BoundsRect(), TSize{FLabel->Width(), FLabel->Height()}, tw, FLabelMargin);
    FLabel->SetBounds(at.X, at.Y, FLabel->Width(), FLabel->Height());
    FLabel->SetVisible(Visible());
}
