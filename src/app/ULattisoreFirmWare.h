#pragma once
// The main window: the numbered steps of the configurator, the open project and the start-up of the
// shared state.
#include <array>
#include <functional>
#include <vector>
#include "controls/button/OdButton.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/Timers.h"
#include "platform/XmlDocument.h"

class TFLattisoreFirmWare : public TForm {
public:
    explicit TFLattisoreFirmWare(TComponent* AOwner);
    ~TFLattisoreFirmWare() override;
    QString ClassName() const override { return QStringLiteral("TFLattisoreFirmWare"); }

    // Start-up: layout, folders, settings, title, language, last project, file paths.
    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    // The one click handler of every button.
    void Btn_Click(TObject* Sender);
    void Set_Lang();
    void Create_New_Project();
    void Open_Project();
    void Timer_UpdateTimer(TObject* Sender);
    void LL_UpdateLinkClick(TObject* Sender, const QString& Link);
    void L_OrvaneClick(TObject* Sender);
    // The update timer runs exactly when internet access and the update check are both allowed.
    void Enable_Update_Timer();

    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TLinkLabel* LL_Update;
    TOdButton* Btn_Info;
    TOdButton* Btn_Opz;
    TOdButton* Btn_Close;
    TLabel* L_Begin;
    TLabel* L_Name_Conf;
    TLabel* L_Name_Conf_L2;
    TShape* Shape2;
    TLabel* L_Step_1;
    TLabel* L_Step_2;
    TLabel* L_Step_3;
    TLabel* L_Step_4;
    TLabel* L_Step_5;
    TLabel* L_Step_6;
    TLabel* L_Step_7;
    TLabel* L_Step_8;
    TShape* Shape1;
    TLabel* L_Orvane;
    TOdButton* Btn_New;
    TOdButton* Btn_Open;
    TOdButton* Btn_Prm_Gen;
    TOdButton* Btn_CreateBin;
    TOdButton* Btn_EtherCAT_Set_Access;
    TTimer* Timer_Update;
    XmlDocument XML1;
    TOdButton* Btn_Modbus_Set_Access;
    TOdButton* Btn_BACnet_SetAccess;
    TOdButton* Btn_BACnet_EDE_File;
    TOdButton* Btn_CAN_Rec_Frame;
    TOdButton* Btn_CAN_Send_Frame;
    TOdButton* Btn_PDO_CANopen;
    TOdButton* Btn_SDO_Client_CANopen;
    TOdButton* Btn_SDO_Server_CANopen;
    TOdButton* Btn_CANopen_EDS;
    TOdButton* Btn_DNet_Net;
    TOdButton* Btn_DNet_Offset;
    TOdButton* Btn_DMX_Default;
    TOdButton* Btn_IEC61850_Client;
    TOdButton* Btn_TLS_List_Certificates;
    TOdButton* Btn_IEC61850_Access;
    TOdButton* Btn_MQTT_Set_Topic;
    TOdButton* Btn_OPC_UA_Client_Access;
    TOdButton* Btn_OPC_UA_Server_Access;
    TOdButton* Btn_SNMP_Manager_Access;
    TOdButton* Btn_SNMP_Trap;
    TOdButton* Btn_SNMP_MIB;
    TOdButton* Btn_PROFINET_XML;
    TOdButton* Btn_EtherCAT_ESI_File;
    TOdButton* Btn_EtherNetIP_Access;
    TOdButton* Btn_S7_Protocol_Access;

private:
    // One button of the dispatch table: its texts (-1: none) and what a click does.
    struct TStep {
        TOdButton* Button;
        int Caption;
        int Hint;
        bool Needs_Project;
        std::function<void()> Action;
    };

    // A square glyph-only button, and a step button: 170 x 36, its glyph and caption from the left.
    TOdButton* newButton(int size, const QString& glyph);
    TOdButton* newStepButton(const QString& glyph);
    TLabel* newLabel();
    void createSteps();
    void Lay_Out();
    std::array<TLabel*, 8> stepLabels() const;
    void Show_Project_Lines();
    bool Restore_Project();

    std::vector<TStep> steps_;
    int setLangId_ = 0;
};

extern TFLattisoreFirmWare* FLattisoreFirmWare;
