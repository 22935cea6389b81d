#include "grid/base/VoDateTimePicker/VoDateTimePicker.h"

QString TVoDateTimePicker::LabelCaption() const
{
    return FLabel ? FLabel->Caption() : QString();
}

void TVoDateTimePicker::SetLabelCaption(const QString& value)
{
    if (!FLabel)
        CreateDateLabel();
    FLabel->SetCaption(value);
    PlaceDateLabel();
}

void TVoDateTimePicker::SetLabelPosition(TLabelPosition value)
{
    FLabelPosition = value;
    PlaceDateLabel();
}

void TVoDateTimePicker::SetLabelMargin(int value)
{
    FLabelMargin = value;
    PlaceDateLabel();
}

void TVoDateTimePicker::SetLabelTransparent(bool value)
{
    FLabelTransparent = value;
    PlaceDateLabel();
}

void TVoDateTimePicker::SetLabelAlwaysEnabled(bool value)
{
    FLabelAlwaysEnabled = value;
    if (FLabel && value) {
        FLabel->SetEnabled(true);
        FLabel->Invalidate();
    }
    PlaceDateLabel();
}

void TVoDateTimePicker::SetParent(TWinControl* parent)
{
    TCustomDateTimePicker::SetParent(parent);
    if (FLabel) {
        FLabel->SetParent(parent);
        PlaceDateLabel();
    }
}

void TVoDateTimePicker::CreateDateLabel()
{
    FLabel = new TLabel(this);
    FLabel->SetParent(Parent());
    FLabel->SetFont(*FLabelFont);
    FLabel->SetParentFont(ParentFont());
    FLabel->OnClick = [this](TObject*) {
        if (OnLabelClick)
            OnLabelClick(this);
    };
    FLabel->OnDblClick = [this](TObject*) {
        if (OnLabelDblClick)
            OnLabelDblClick(this);
    };
}

void TVoDateTimePicker::PlaceDateLabel()
{
    if (!FLabel)
        return;
    FLabel->SetTransparent(FLabelTransparent);
    FLabel->SetFont(FParentFnt ? Font() : *FLabelFont);
    TCanvas& canvas = FLabel->Canvas();
    canvas.Font().Assign(FLabel->Font());
    const int textWidth = canvas.TextWidth(FLabel->Caption());
    const TPoint p =
        LabelOrigin(FLabelPosition, BoundsRect(), TSize{FLabel->Width(), FLabel->Height()}, textWidth, FLabelMargin);
    FLabel->SetBounds(p.X, p.Y, FLabel->Width(), FLabel->Height());
    FLabel->SetVisible(Visible());
}

void TVoDateTimePicker::SetLabelBold(bool bold)
{
    if (!FocusLabel || !FLabel)
        return;
    const TFontStyles style = FLabel->Font().Style();
    FLabel->Font().SetStyle(bold ? (style | fsBold) : (style & ~fsBold));
}
