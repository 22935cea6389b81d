#pragma once
// The frame of the shell's small dialogs: a fixed centred window with the title panel on top and the
// OK and Cancel buttons at the bottom, whose texts follow every language change.
#include "controls/button/OdButton.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

class TDialog_Frame : public TForm {
public:
    TDialog_Frame(TComponent* AOwner, int clientWidth, int clientHeight);
    ~TDialog_Frame() override;

    // L_SW_Code := Software_Code, the client size, then Set_Lang.
    void FormCreate(TObject* Sender);
    virtual void Set_Lang() = 0;

    TPanel* P_Title;    // 69 px along the top
    TLabel* L_SW_Code;  // software code, grey Verdana 32 px
    TLabel* L_SW_Desc;  // bold
    TPanel* P_Button;   // 40 px along the bottom
    TOdButton* Btn_OK;
    TOdButton* Btn_Cancel;  // closes with the result Cancel

private:
    int clientWidth_;
    int clientHeight_;
    int setLangId_;
};
