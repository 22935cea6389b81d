#pragma once
// The face of the editors' forms: Verdana 8 on the forms' colour, the title panel along the top (software
// code in large grey type, the form's title in bold under it) and the button panel along the bottom.
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

struct TForm_Panels {
    TPanel* Title;
    TLabel* SW_Code;
    TLabel* SW_Desc;
    TPanel* Buttons;
};

// Sets the form's font and colour and adds the two panels.
TForm_Panels New_Form_Panels(TForm& form);
