#include "shell/UDialog_Frame.h"
#include "shell/UButton_Look.h"
#include "shell/UComon.h"
#include "shell/ULanguage.h"

TDialog_Frame::TDialog_Frame(TComponent* AOwner, int clientWidth, int clientHeight)
    : TForm(AOwner), clientWidth_(clientWidth), clientHeight_(clientHeight)
{
    SetBorderStyle(bsDialog);
    Position = poScreenCenter;
    SetClientWidth(clientWidth);
    SetClientHeight(clientHeight);

    P_Title = new TPanel(this);
    P_Title->SetParent(this);
    P_Title->SetAlign(alTop);
    P_Title->SetHeight(69);
    L_SW_Code = new TLabel(this);
    L_SW_Code->SetParent(P_Title);
    L_SW_Code->SetBounds(16, 4, 200, 38);
    L_SW_Code->Font().SetName(QStringLiteral("Verdana"));
    L_SW_Code->Font().SetHeight(-32);
    L_SW_Code->Font().SetColor(clGray);
    L_SW_Desc = new TLabel(this);
    L_SW_Desc->SetParent(P_Title);
    L_SW_Desc->SetBounds(16, 46, 300, 16);
    L_SW_Desc->Font().SetStyle(fsBold);

    P_Button = new TPanel(this);
    P_Button->SetParent(this);
    P_Button->SetAlign(alBottom);
    P_Button->SetHeight(40);
    Btn_Cancel = New_Button(this, P_Button, Bounds(P_Button->Width() - 120, 6, 110, 28), QStringLiteral("CANCEL"));
    Btn_Cancel->Anchors = akTop | akRight;
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_Cancel->Cancel = true;
    Btn_OK = New_Button(this, P_Button, Bounds(Btn_Cancel->Left() - 120, 6, 110, 28), QStringLiteral("OK"));
    Btn_OK->Anchors = akTop | akRight;

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    setLangId_ = Register_Set_Lang([this] { Set_Lang(); });
}

TDialog_Frame::~TDialog_Frame()
{
    Unregister_Set_Lang(setLangId_);
}

void TDialog_Frame::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(Software_Code);
    SetClientWidth(clientWidth_);
    SetClientHeight(clientHeight_);
    Set_Lang();
}
