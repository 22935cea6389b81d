#include "gateway/UBoot.h"

#include "gateway/USaveBincc.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"
#include "shell/UButton_Look.h"
#include "shell/UComon.h"
#include "shell/UComonHelpers.h"
#include "shell/ULanguage.h"

TFBoot* FBoot = nullptr;

namespace {

constexpr int Client_Width = 449;

template <typename T>
T* Place(TFBoot* form, TWinControl* parent, int left, int top, int width, int height)
{
    auto* control = new T(form);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

TPanel* Make_Panel(TFBoot* form, int height)
{
    auto* panel = Place<TPanel>(form, form, 0, 0, Client_Width, height);
    panel->SetCaption(QString());
    return panel;
}

}  // namespace

TFBoot::TFBoot(TComponent* AOwner) : TForm(AOwner)
{
    SetBorderStyle(bsDialog);
    Position = poScreenCenter;
    SetClientWidth(Client_Width);
    Font().SetName(QStringLiteral("Verdana"));
    Font().SetSize(8);

    P_Title = Make_Panel(this, 57);
    L_SW_Code = Place<TLabel>(this, P_Title, 12, 8, 200, 16);
    L_SW_Code->SetParentFont(false);
    L_SW_Code->Font().SetName(QStringLiteral("Verdana"));
    L_SW_Code->Font().SetSize(10);
    L_SW_Code->Font().SetStyle(fsBold);
    L_SW_Desc = Place<TLabel>(this, P_Title, 12, 32, 420, 16);

    P_IP_Address = Make_Panel(this, 65);
    L_IP_Address = Place<TLabel>(this, P_IP_Address, 12, 8, 300, 16);
    TEdit** boxes[] = {&E_IP1, &E_IP2, &E_IP3, &E_IP4};
    for (int i = 0; i < 4; ++i) {
        TEdit* box = Place<TEdit>(this, P_IP_Address, 12 + i * 64, 30, 49, 21);
        box->SetText(QStringLiteral("0"));
        box->TabStop = true;
        box->ShowHint = true;
        box->OnKeyPress = [this](TObject* sender, char16_t& key) { KeyPress(sender, key); };
        *boxes[i] = box;
        if (i < 3)
            Place<TLabel>(this, P_IP_Address, 12 + i * 64 + 53, 34, 8, 16)->SetCaption(QStringLiteral("."));
    }

    P_Serial = Make_Panel(this, 65);
    L_COM_Port = Place<TLabel>(this, P_Serial, 12, 8, 300, 16);
    L_COM_Port->SetCaption(QStringLiteral("COM Port"));
    CB_COM_Port = Place<TComboBox>(this, P_Serial, 12, 30, 145, 21);
    CB_COM_Port->SetStyle(csDropDownList);
    CB_COM_Port->TabStop = true;
    Btn_COM_List = New_Button(this, P_Serial, Bounds(165, 28, 25, 25), QStringLiteral("REFRESH"));
    Btn_COM_List->Hint = QStringLiteral("Update COM Ports List");
    Btn_COM_List->OnClick = [this](TObject* sender) { Btn_COM_ListClick(sender); };

    P_Options = Make_Panel(this, 65);
    L_Update_Option = Place<TLabel>(this, P_Options, 12, 8, 300, 16);
    CB_Update_Options = Place<TComboBox>(this, P_Options, 12, 30, 233, 21);
    CB_Update_Options->SetStyle(csDropDownList);
    CB_Update_Options->TabStop = true;
    CB_Update_Options->ShowHint = true;
    CB_Update_Option_Read_Back = Place<TCheckBox>(this, P_Options, 265, 32, 170, 17);
    CB_Update_Option_Read_Back->TabStop = true;
    CB_Update_Option_Read_Back->ShowHint = true;

    P_Button = Make_Panel(this, 49);
    Btn_Cancel = New_Button(this, P_Button, Bounds(12, 9, 129, 31), QStringLiteral("CANCEL"));
    Btn_Cancel->SetModalResult(mrCancel);
    Btn_Update = New_Button(this, P_Button, Bounds(237, 9, 200, 31), QStringLiteral("UPDATE"));
    Btn_Update->OnClick = [this](TObject* sender) { Btn_UpdateClick(sender); };

    OnShow = [this](TObject* sender) { FormShow(sender); };
    langId_ = Register_Set_Lang([this] { Set_Lang(); });
}

TFBoot::~TFBoot()
{
    Unregister_Set_Lang(langId_);
}

void TFBoot::Set_Lang()
{
    const bool ethernet = Form_Type == 1;
    SetCaption(Lang_Text[ethernet ? 1202 : 1200]);
    L_SW_Desc->SetCaption(Lang_Text[ethernet ? 1203 : 1201]);
    L_IP_Address->SetCaption(Lang_Text[1206]);
    L_Update_Option->SetCaption(Lang_Text[1214]);
    CB_Update_Options->Clear();
    for (int n = 1215; n <= 1217; ++n)
        CB_Update_Options->Items().Add(Lang_Text[n]);
    CB_Update_Options->SetItemIndex(0);
    CB_Update_Option_Read_Back->SetCaption(Lang_Text[1218]);
    Btn_Cancel->SetCaption(Lang_Text[1219]);
    Btn_Update->SetCaption(Lang_Text[1220]);
    E_IP1->Hint = Lang_Text[1221];
    E_IP2->Hint = Lang_Text[1222];
    E_IP3->Hint = Lang_Text[1223];
    E_IP4->Hint = Lang_Text[1224];
    CB_Update_Options->Hint = Lang_Text[1232];
    CB_Update_Option_Read_Back->Hint = Lang_Text[1233];
    Btn_Cancel->Hint = Lang_Text[1234];
    Btn_Update->Hint = Lang_Text[1235];
}

void TFBoot::Layout_Panels(const std::vector<TPanel*>& stacked)
{
    SetClientWidth(Client_Width);
    int top = 0;
    int order = 0;
    for (TPanel* panel : stacked) {
        panel->SetTop(top);
        panel->Show();
        panel->SetAlign(alTop);
        panel->SetTabOrder(order++);
        top += panel->Height();
    }
    P_Button->SetAlign(alBottom);
    P_Button->SetTabOrder(order);
    SetClientHeight(top + P_Button->Height());
}

void TFBoot::FormShow(TObject*)
{
    Set_Lang();
    L_SW_Code->SetCaption(Software_Code);
    for (TPanel* panel : {P_IP_Address, P_Serial, P_Options}) {
        panel->Hide();
        panel->SetAlign(alNone);
    }
    const bool ethernet = Form_Type == 1;
    Layout_Panels({P_Title, ethernet ? P_IP_Address : P_Serial, P_Options});

    QString parts[4];
    if (ethernet && !Last_IP_Address.isEmpty() &&
        Split_IP_Address(Last_IP_Address, parts[0], parts[1], parts[2], parts[3])) {
        TEdit* boxes[] = {E_IP1, E_IP2, E_IP3, E_IP4};
        for (int i = 0; i < 4; ++i)
            boxes[i]->SetText(parts[i]);
    }
    CB_Update_Options->SetItemIndex(Update_Operation);
    CB_Update_Option_Read_Back->SetChecked(Update_Read_Back);

    if (!ethernet)
        update_ComPort();
    TWinControl* first = ethernet ? static_cast<TWinControl*>(E_IP1) : CB_COM_Port;
    if (first->CanFocus())
        first->SetFocus();
}

void TFBoot::KeyPress(TObject* Sender, char16_t& Key)
{
    if (Key != u'.')
        return;
    Key = 0;
    TEdit* next = Sender == E_IP1 ? E_IP2 : Sender == E_IP2 ? E_IP3 : Sender == E_IP3 ? E_IP4 : nullptr;
    if (next && next->CanFocus())
        next->SetFocus();
}

QString TFBoot::IP_Address() const
{
    return QStringList{E_IP1->Text(), E_IP2->Text(), E_IP3->Text(), E_IP4->Text()}.join(u'.');
}

void TFBoot::Remember_Options()
{
    Update_Operation = CB_Update_Options->ItemIndex();
    Update_Read_Back = CB_Update_Option_Read_Back->Checked();
}

void TFBoot::Btn_UpdateClick(TObject*)
{
    if (Form_Type != 1) {
        Remember_Options();
        return;
    }
    // Disabled until the update is over: the ping processes messages, so a second press could
    // otherwise start another update inside this one.
    Btn_Update->SetEnabled(false);
    const struct Enable_Again {
        TOdButton* button;
        ~Enable_Again() { button->SetEnabled(true); }
    } enableAgain{Btn_Update};

    if (Send_Ping()) {
        Last_IP_Address = IP_Address();
        Remember_Options();
        Compile_XML_Parameter_New_Boot();
        Run_Updater();
    } else if (ping_res == Ping_Silent) {
        MessageDlg(Lang_Text[1236], mtWarning, mbOK);
    } else {
        MessageDlg(Lang_Text[1237], mtError, mbOK);
    }
}

bool TFBoot::Send_Ping()
{
    return Ping_Device(IP_Address(), ping_res, [] { Application->ProcessMessages(); });
}

void TFBoot::Compile_XML_Parameter_New_Boot()
{
    Build_Update_Parameters(XML1, IP_Address(), CB_Update_Options->ItemIndex(), CB_Update_Option_Read_Back->Checked());
    const QString path = Path_Program + QStringLiteral("/Ethernet_Update.xml");
    if (!XML1.Save(path))
        throw Exception(QStringLiteral("Cannot write the file %1").arg(path));
}

void TFBoot::Run_Updater()
{
    const ProcessOutcome outcome =
        Start_Program(Path_Program + QStringLiteral("/Ethernet_Update.exe"), QString(), false);
    if (outcome == ProcessOutcome::NotStarted)
        MessageDlg(Lang_Text[1238], mtError, mbOK);
    else if (outcome == ProcessOutcome::TimedOut)
        MessageDlg(Lang_Text[1239], mtWarning, mbOK);
}

void TFBoot::update_ComPort()
{
    CB_COM_Port->Clear();
    const std::unique_ptr<TStringList> ports = Get_COM_Ports();
    CB_COM_Port->Items().AddStrings(*ports);
    CB_COM_Port->SetItemIndex(0);
}

void TFBoot::Btn_COM_ListClick(TObject*)
{
    update_ComPort();
}

void Update_Device_Step()
{
    Save_Bin_Files(Create_Bin_Files());
    FBoot->Form_Type = 1;
    FBoot->ShowModal();
}
