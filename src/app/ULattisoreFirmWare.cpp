// The main window: its controls, start-up, texts and close.
#include "app/ULattisoreFirmWare.h"
#include "platform/Bitmap.h"
#include "platform/FileUtils.h"
#include "shell/UAbout.h"
#include "shell/UButton_Look.h"
#include "shell/UComon.h"
#include "shell/ULanguage.h"
#include "shell/USettings.h"
#include "shell/USoftOptions.h"

TFLattisoreFirmWare* FLattisoreFirmWare = nullptr;

namespace {

constexpr TColor Main_Window_Color = 15595512;
constexpr int Step_Tops[8] = {128, 172, 216, 260, 304, 348, 392, 436};

}  // namespace

TFLattisoreFirmWare::TFLattisoreFirmWare(TComponent* AOwner) : TForm(AOwner)
{
    Name = QStringLiteral("FLattisoreFirmWare");
    SetBorderStyle(bsSingle);
    Position = poScreenCenter;
    Font().SetName(QStringLiteral("Verdana"));
    Font().SetSize(8);
    SetColor(Main_Window_Color);

    L_SW_Code = newLabel();
    L_SW_Code->Font().SetName(QStringLiteral("Verdana"));
    L_SW_Code->Font().SetHeight(-32);
    L_SW_Code->Font().SetColor(clGray);
    L_SW_Desc = newLabel();
    L_SW_Desc->Font().SetColor(clGray);
    L_SW_Desc->Font().SetStyle(fsBold);
    LL_Update = new TLinkLabel(this);
    LL_Update->SetParent(this);
    LL_Update->SetBounds(16, 62, 400, 16);
    LL_Update->SetVisible(false);
    LL_Update->OnLinkClick = [this](TObject* Sender, const QString& Link, TSysLinkType) {
        LL_UpdateLinkClick(Sender, Link);
    };
    Btn_Info = newButton(50, QStringLiteral("INFO"));
    Btn_Opz = newButton(50, QStringLiteral("OPTIONS"));
    Btn_Close = newButton(50, QStringLiteral("CLOSE"));
    L_Begin = newLabel();
    L_Name_Conf = newLabel();
    L_Name_Conf_L2 = newLabel();
    Shape2 = new TShape(this);
    Shape2->SetParent(this);
    Shape2->SetBounds(80, 70, 348, 36);
    Shape2->Pen().SetColor(clSilver);
    Shape2->Brush().SetStyle(bsClear);
    for (TLabel*& label : {std::ref(L_Step_1), std::ref(L_Step_2), std::ref(L_Step_3), std::ref(L_Step_4),
                           std::ref(L_Step_5), std::ref(L_Step_6), std::ref(L_Step_7), std::ref(L_Step_8)})
        label = newLabel();
    Shape1 = new TShape(this);
    Shape1->SetParent(this);
    L_Orvane = newLabel();
    L_Orvane->SetCaption(QStringLiteral(LATTISOR_MAKER_HOST));
    L_Orvane->SetCursor(crHandPoint);
    L_Orvane->OnClick = [this](TObject* Sender) { L_OrvaneClick(Sender); };
    const QString table = QStringLiteral("TABLE");
    const QString file = QStringLiteral("FILE");
    Btn_New = newStepButton(QStringLiteral("NEW"));
    Btn_Open = newStepButton(QStringLiteral("OPEN"));
    Btn_Prm_Gen = newStepButton(QStringLiteral("PARAMETERS"));
    Btn_CreateBin = newStepButton(QStringLiteral("UPDATE"));
    Btn_EtherCAT_Set_Access = newStepButton(table);
    Timer_Update = new TTimer(this);
    Timer_Update->SetEnabled(false);
    Timer_Update->SetInterval(Update_First_Interval);
    Timer_Update->OnTimer = [this](TObject* Sender) { Timer_UpdateTimer(Sender); };
    // The table editors show a table, the description-file writers a file.
    const std::pair<TOdButton**, const QString&> others[] = {{&Btn_Modbus_Set_Access, table},
                                                             {&Btn_BACnet_SetAccess, table},
                                                             {&Btn_BACnet_EDE_File, file},
                                                             {&Btn_CAN_Rec_Frame, table},
                                                             {&Btn_CAN_Send_Frame, table},
                                                             {&Btn_PDO_CANopen, table},
                                                             {&Btn_SDO_Client_CANopen, table},
                                                             {&Btn_SDO_Server_CANopen, table},
                                                             {&Btn_CANopen_EDS, file},
                                                             {&Btn_DNet_Net, table},
                                                             {&Btn_DNet_Offset, table},
                                                             {&Btn_DMX_Default, table},
                                                             {&Btn_IEC61850_Client, table},
                                                             {&Btn_TLS_List_Certificates, table},
                                                             {&Btn_IEC61850_Access, table},
                                                             {&Btn_MQTT_Set_Topic, table},
                                                             {&Btn_OPC_UA_Client_Access, table},
                                                             {&Btn_OPC_UA_Server_Access, table},
                                                             {&Btn_SNMP_Manager_Access, table},
                                                             {&Btn_SNMP_Trap, table},
                                                             {&Btn_SNMP_MIB, file},
                                                             {&Btn_PROFINET_XML, file},
                                                             {&Btn_EtherCAT_ESI_File, file},
                                                             {&Btn_EtherNetIP_Access, table},
                                                             {&Btn_S7_Protocol_Access, table}};
    for (const auto& [button, glyph] : others)
        *button = newStepButton(glyph);
    Btn_EtherCAT_ESI_File->SetCaption(QStringLiteral("EtherCAT ESI File"));

    createSteps();
    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
    OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
    setLangId_ = Register_Set_Lang([this] { Set_Lang(); });
}

TFLattisoreFirmWare::~TFLattisoreFirmWare()
{
    Unregister_Set_Lang(setLangId_);
}

TOdButton* TFLattisoreFirmWare::newButton(int size, const QString& glyph)
{
    TOdButton* button = New_Button(this, this, Rect(0, 0, size, size), glyph);
    button->OnClick = [this](TObject* Sender) { Btn_Click(Sender); };
    return button;
}

TOdButton* TFLattisoreFirmWare::newStepButton(const QString& glyph)
{
    TOdButton* button = New_Button(this, this, Rect(0, 0, 170, 36), glyph);
    button->SetAlignment(taLeftJustify);
    button->OnClick = [this](TObject* Sender) { Btn_Click(Sender); };
    return button;
}

TLabel* TFLattisoreFirmWare::newLabel()
{
    auto* label = new TLabel(this);
    label->SetParent(this);
    return label;
}

std::array<TLabel*, 8> TFLattisoreFirmWare::stepLabels() const
{
    return {L_Step_1, L_Step_2, L_Step_3, L_Step_4, L_Step_5, L_Step_6, L_Step_7, L_Step_8};
}

void TFLattisoreFirmWare::Lay_Out()
{
    const auto place = [](TControl* control, bool visible, int left, int top) {
        control->SetVisible(visible);
        control->SetLeft(left);
        control->SetTop(top);
    };
    // The controls every model shows, and every step hidden.
    place(L_SW_Code, true, 16, 8);
    place(L_SW_Desc, true, 16, 42);
    place(L_Begin, true, 16, 84);
    place(Shape2, true, 80, 70);
    place(L_Name_Conf, true, 87, 75);
    place(L_Name_Conf_L2, true, 87, 88);
    place(Btn_Info, true, 516, 8);
    place(Btn_Opz, true, 574, 8);
    place(Btn_Close, true, 632, 8);
    const auto steps = stepLabels();
    for (std::size_t i = 0; i < steps.size(); ++i)
        place(steps[i], false, 16, Step_Tops[i]);
    place(L_Orvane, false, 565, 392);
    for (const TStep& step : steps_) {
        if (step.Button != Btn_Info && step.Button != Btn_Opz && step.Button != Btn_Close)
            step.Button->SetVisible(false);
    }
    place(Btn_New, true, 80, 112);
    place(Btn_Open, true, 258, 112);
    place(Btn_Prm_Gen, true, 80, 156);
    place(Btn_CreateBin, true, 80, 332);

    // This model: six steps.
    for (std::size_t i = 0; i < 6; ++i)
        steps[i]->SetVisible(true);
    L_Orvane->SetVisible(true);
    Place_Maker_Link(*L_Orvane, 565, L_Step_6->Top(), 684);
    place(Btn_EtherCAT_Set_Access, true, 80, 200);
    place(Btn_DNet_Net, true, 80, 244);
    place(Btn_DNet_Offset, true, 258, 244);
    place(Btn_EtherCAT_ESI_File, true, 80, 288);
    Btn_CreateBin->SetTop(332);
    Shape1->SetBounds(10, Btn_CreateBin->Top() + 51, 674, 1);
    SetClientHeight(Btn_CreateBin->Top() + 152);
    SetClientWidth(694);
}

void TFLattisoreFirmWare::FormCreate(TObject*)
{
    Lang_Text.Clear();
    Lay_Out();
    Init_Common();
    Read_Setting(XML1);
    Enable_Update_Timer();
    SetCaption(Title_Program);
    L_SW_Code->SetCaption(Software_Code);
    L_SW_Desc->SetCaption(Software_Description);
    Load_Language();
    Path_Project = Restore_Project() ? Path_Projects + QLatin1Char('/') + Project_Name : QString();
    Set_Lang();
    Set_Files();
}

bool TFLattisoreFirmWare::Restore_Project()
{
    return !Project_Name.isEmpty() && DirectoryExists(Path_Projects + QLatin1Char('/') + Project_Name);
}

void TFLattisoreFirmWare::FormClose(TObject*, TCloseAction&)
{
    Save_Setting(XML1);
}

void TFLattisoreFirmWare::Enable_Update_Timer()
{
    ::Enable_Update_Timer(*Timer_Update);
}

void TFLattisoreFirmWare::Show_Project_Lines()
{
    const bool open = !Project_Name.isEmpty() && !Path_Project.isEmpty();
    L_Name_Conf->SetCaption(Lang_Text[open ? 11 : 9]);
    L_Name_Conf_L2->SetCaption(open ? Project_Name : Lang_Text[10]);
}

void TFLattisoreFirmWare::Set_Lang()
{
    L_Begin->SetCaption(Lang_Text[0]);
    const auto steps = stepLabels();
    for (std::size_t i = 0; i < steps.size(); ++i)
        steps[i]->SetCaption(Lang_Text[static_cast<int>(i) + 1]);
    Show_Project_Lines();
    for (const TStep& step : steps_) {
        if (step.Caption >= 0)
            step.Button->SetCaption(Lang_Text[step.Caption]);
        if (step.Hint >= 0)
            step.Button->Hint = Lang_Text[step.Hint];
    }
}
