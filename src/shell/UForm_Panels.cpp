#include "shell/UForm_Panels.h"

#include "shell/UButton_Look.h"

namespace {

TPanel* New_Panel(TForm& form, TAlign align, int height)
{
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetAlign(align);
    panel->SetHeight(height);
    panel->SetBevelOuter(bvNone);
    panel->SetShowCaption(false);
    panel->SetParentColor(true);
    return panel;
}

}  // namespace

TForm_Panels New_Form_Panels(TForm& form)
{
    form.Font().SetName(QStringLiteral("Verdana"));
    form.Font().SetSize(8);
    form.SetColor(Button_Face_Color);
    TForm_Panels panels{};
    panels.Title = New_Panel(form, alTop, 69);
    panels.SW_Code = new TLabel(&form);
    panels.SW_Code->SetParent(panels.Title);
    panels.SW_Code->SetBounds(16, 8, 0, 39);
    panels.SW_Code->Font().SetName(QStringLiteral("Verdana"));
    panels.SW_Code->Font().SetHeight(32);
    panels.SW_Code->Font().SetColor(clGray);
    panels.SW_Desc = new TLabel(&form);
    panels.SW_Desc->SetParent(panels.Title);
    panels.SW_Desc->SetBounds(16, 42, 0, 13);
    panels.SW_Desc->Font().SetStyle(fsBold);
    panels.Buttons = New_Panel(form, alBottom, 40);
    return panels;
}
