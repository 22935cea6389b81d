#pragma once
// The title panel and the button panel of the configurator's dialogs.
#include "controls/button/OdButton.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

// A panel along the top, 69 px high: the software code in large grey letters and a bold description.
void Create_Title_Panel(TForm& form, TPanel*& P_Title, TLabel*& L_SW_Code, TLabel*& L_SW_Desc);
// A panel along the bottom, 40 px high, with the OK and Cancel buttons at its right; Cancel closes with
// the result Cancel.
void Create_Button_Panel(TForm& form, TPanel*& P_Button, TOdButton*& Btn_OK, TOdButton*& Btn_Cancel);
