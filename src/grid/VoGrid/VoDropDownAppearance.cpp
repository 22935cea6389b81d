#include "grid/VoGrid/VoDropDownAppearance.h"

#include "platform/SysUtils.h"

void TAppearanceButton::changed()
{
    auto* buttons = static_cast<TAppearanceButtons*>(Collection());
    if (buttons && buttons->OnChange)
        buttons->OnChange(buttons);
}

void TAppearanceButton::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TAppearanceButton*>(&Source);
    if (!s || std::string_view(s->className()) != className())
        throw Exception(QStringLiteral("Cannot assign to a %1.").arg(QLatin1String(className())));
    SetCaption(s->FCaption);
    ImageIndex = s->ImageIndex;
    SetEnabled(s->FEnabled);
    SetWidth(s->FWidth);
    Height = s->Height;
}

void TFooterButton::Assign(const TPersistent& Source)
{
    TAppearanceButton::Assign(Source);
    ModalResult = static_cast<const TFooterButton&>(Source).ModalResult;
}

void TAppearanceButtons::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TAppearanceButtons*>(&Source);
    if (!s)
        return;
    Clear();
    for (int i = 0; i < s->Count(); ++i)
        Add()->Assign(*s->Items(i));
}

TDropDownAppearance::TDropDownAppearance(TPersistent* owner, std::unique_ptr<TAppearanceButtons> buttons)
    : FOwner(owner), FButtons(std::move(buttons))
{
    FButtons->OnChange = [this](TObject*) {
        if (OnButtonsChanged)
            OnButtonsChanged(this);
    };
}

void TDropDownAppearance::SetVisible(bool Value)
{
    if (FVisible == Value)
        return;
    FVisible = Value;
    if (OnChange)
        OnChange(this);
}

void TDropDownAppearance::AssignColors(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TDropDownAppearance*>(&Source);
    if (!s || typeid(*s) != typeid(*this))
        return;
    ColorTo = s->ColorTo;
    Color = s->Color;
    BorderColor = s->BorderColor;
    FFont.Assign(s->FFont);
    GradientDirection = s->GradientDirection;
}

THeaderAppearance::THeaderAppearance(TPersistent* owner)
    : TDropDownAppearance(owner, std::make_unique<THeaderButtons>(owner))
{
    Font().SetName(QStringLiteral("Tahoma"));
}

void THeaderAppearance::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const THeaderAppearance*>(&Source);
    if (!s)
        return;
    ColorTo = s->ColorTo;
    Color = s->Color;
    BorderColor = s->BorderColor;
    Caption = s->Caption;
    Font().Assign(s->Font());
    ImageIndex = s->ImageIndex;
    BorderWidth = s->BorderWidth;
    GradientDirection = s->GradientDirection;
    Height = s->Height;
    SetVisible(s->Visible());
    ButtonAlignment = s->ButtonAlignment;
    Buttons().Assign(s->Buttons());
}

TFooterAppearance::TFooterAppearance(TPersistent* owner)
    : TDropDownAppearance(owner, std::make_unique<TFooterButtons>(owner))
{}

void TFooterAppearance::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TFooterAppearance*>(&Source);
    if (!s)
        return;
    BorderColor = s->BorderColor;
    Color = s->Color;
    ColorTo = s->ColorTo;
    GradientDirection = s->GradientDirection;
    Font().Assign(s->Font());
    Caption = s->Caption;
    SizeGrip = s->SizeGrip;
    BorderWidth = s->BorderWidth;
    Height = s->Height;
    ImageIndex = s->ImageIndex;
    SetVisible(s->Visible());
    ButtonAlignment = s->ButtonAlignment;
    Buttons().Assign(s->Buttons());
}
