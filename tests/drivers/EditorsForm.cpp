// A form holding each editor control of the grid library, to look at and use on a real display.
#include <QApplication>
#include <QTimer>

#include "grid/base/VSGEdit/VSGEdit.h"
#include "grid/base/VoCheckBox.h"
#include "grid/base/VoDateTimePicker/VoDateTimePicker.h"
#include "grid/base/VoFocusWindow.h"
#include "grid/base/VoGridButton.h"
#include "grid/base/VsgCombo/VsgCombo.h"
#include "grid/base/VsgDateTimePicker.h"
#include "grid/base/vsgspin/vsgspin.h"
#include "platform/Forms.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TForm form(nullptr);
    form.SetCaption(QStringLiteral("Editor controls"));
    form.SetBounds(40, 40, 520, 400);

    auto* combo = new TVsgComboBox(&form);
    combo->SetParent(&form);
    combo->SetBounds(120, 20, 150, 21);
    combo->Items().SetText(QStringLiteral("Modbus\nCANopen\nDeviceNet"));
    combo->SetLabelCaption(QStringLiteral("Protocol"));
    combo->SetLabelPosition(lpLeftCenter);
    combo->SetBorderColor(0xB99D7F);
    combo->ButtonColor = 0xF0E0D0;
    combo->ButtonColorHot = 0xFFD0A0;
    combo->ButtonColorDown = 0xE0A060;
    combo->ButtonTextColor = clBlack;
    combo->ButtonBorderColor = 0xB99D7F;
    combo->IsWinXP = true;
    combo->TabStop = true;

    auto* spin = new TVsgSpinEdit(&form);
    spin->SetParent(&form);
    spin->SetBounds(120, 60, 100, 21);
    spin->TabStop = true;
    auto* date = new TVsgSpinEdit(&form);
    date->SetParent(&form);
    date->SetBounds(240, 60, 120, 21);
    date->SetSpinType(sptDate);
    date->SetText(QStringLiteral("0"));
    date->SetSpinType(sptDate);
    date->TabStop = true;

    auto* edit = new TVsgEditBtn(&form);
    edit->SetParent(&form);
    edit->SetBounds(120, 100, 150, 21);
    edit->SetButtonCaption(QStringLiteral("..."));
    edit->TabStop = true;
    auto* units = new TVsgUnitEditBtn(&form);
    units->SetParent(&form);
    units->SetBounds(290, 100, 120, 21);
    units->Units().SetText(QStringLiteral("ms\ns\nmin"));
    units->SetTextAndUnit(QStringLiteral("250ms"));
    units->TabStop = true;

    auto* picker = new TVsgDateTimePicker(&form);
    picker->SetParent(&form);
    picker->SetBounds(120, 140, 150, 22);
    picker->SetMetroStyle(true);
    picker->SetBorderColor(0xB99D7F);
    picker->TabStop = true;
    auto* checked = new TVsgDateTimePicker(&form);
    checked->SetParent(&form);
    checked->SetBounds(290, 140, 150, 22);
    checked->SetShowCheckbox(true);
    checked->TabStop = true;

    auto* both = new TVoDateTimePicker(&form);
    both->SetParent(&form);
    both->SetBounds(120, 180, 240, 22);
    both->SetLabelCaption(QStringLiteral("Start"));
    both->SetAutoTab(true);
    both->TabStop = true;

    auto* find = new TVoGridButton(&form);
    find->SetParent(&form);
    find->SetBounds(120, 220, 60, 24);
    find->SetCaption(QStringLiteral("Find"));
    find->SetLook(2);
    auto* menuButton = new TVoGridButton(&form);
    menuButton->SetParent(&form);
    menuButton->SetBounds(190, 220, 70, 24);
    menuButton->SetCaption(QStringLiteral("More"));
    menuButton->SetLook(1);
    menuButton->SetDropDownButton(true);
    TPopupMenu menu(&form);
    menu.Add(QStringLiteral("Highlight"));
    menu.Add(QStringLiteral("Close"));
    menuButton->DropDownMenu = &menu;

    auto* check = new TVoCheckBox(&form);
    check->SetParent(&form);
    check->SetBounds(280, 222, 120, 20);
    check->SetCaption(QStringLiteral("Match case"));

    form.Show();
    TGridFocusWindow glow(&form);
    glow.SetParent(&form);
    TArrowWindow arrow(&form, arrDown);
    // Once the form is placed: the glow round the spin edit, an arrow over the combo box.
    QTimer::singleShot(300, [&] {
        const TPoint at = spin->ClientToScreen({0, 0});
        glow.ShowAround(Bounds(at.X, at.Y, spin->Width(), spin->Height()));
        const TPoint a = combo->ClientToScreen({20, -12});
        arrow.SetBounds(a.X, a.Y, arrow.Width(), arrow.Height());
        arrow.ShowNoActivate();
    });
    return app.exec();
}
