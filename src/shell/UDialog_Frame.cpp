#include "shell/UDialog_Frame.h"
#include "shell/UComon.h"

void Create_Title_Panel(TForm& form, TPanel*& P_Title, TLabel*& L_SW_Code, TLabel*& L_SW_Desc)
{
    P_Title = new TPanel(&form);
    P_Title->SetParent(&form);
    P_Title->SetAlign(alTop);
    P_Title->SetHeight(69);

    L_SW_Code = new TLabel(&form);
    L_SW_Code->SetParent(P_Title);
    L_SW_Code->SetBounds(16, 4, 200, 38);
    L_SW_Code->Font().SetName(QStringLiteral("Verdana"));
    L_SW_Code->Font().SetHeight(-32);
    L_SW_Code->Font().SetColor(clGray);
    L_SW_Code->SetCaption(Software_Code);

    L_SW_Desc = new TLabel(&form);
    L_SW_Desc->SetParent(P_Title);
    L_SW_Desc->SetBounds(16, 46, 300, 16);
    L_SW_Desc->Font().SetStyle(fsBold);
}

void Create_Button_Panel(TForm& form, TPanel*& P_Button, TOdButton*& Btn_OK, TOdButton*& Btn_Cancel)
{
    P_Button = new TPanel(&form);
    P_Button->SetParent(&form);
    P_Button->SetAlign(alBottom);
    P_Button->SetHeight(40);

    Btn_Cancel = new TOdButton(&form);
    Btn_Cancel->SetParent(P_Button);
    Btn_Cancel->SetBounds(P_Button->Width() - 120, 6, 110, 28);
    Btn_Cancel->Anchors = akTop | akRight;
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_Cancel->Cancel = true;

    Btn_OK = new TOdButton(&form);
    Btn_OK->SetParent(P_Button);
    Btn_OK->SetBounds(Btn_Cancel->Left() - 120, 6, 110, 28);
    Btn_OK->Anchors = akTop | akRight;
}
