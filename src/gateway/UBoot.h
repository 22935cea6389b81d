#pragma once
// The device update dialog: pings the gateway, writes the updater's parameter file and runs the updater.
#include "controls/button/OdButton.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/XmlDocument.h"

#include <QString>
#include <functional>

// ping_res: the outcome of the last echo.
enum : int { Ping_None = 0, Ping_Answered = 1, Ping_Silent = 2 };
// Update_Operation: what an update transfers.
enum : int { Update_All = 0, Update_Firmware = 1, Update_Configuration = 2 };

constexpr int Ping_Timeout_Ms = 400;
constexpr int Ping_Pause_Ms = 10;
constexpr int Ping_Span_Ms = 5000;

// Echoes the address one at a time until two have been answered or more than Ping_Span_Ms have passed,
// pausing Ping_Pause_Ms after each and then calling processMessages. True when the last echo was
// answered. False at once when no echo can be sent (pingRes then keeps the last outcome).
bool Ping_Device(const QString& address, int& pingRes, const std::function<void()>& processMessages);

// Fills doc with the updater's parameters: the device address, and one operation per file of the
// chosen update (firmware from Path_Master, banks from the project's bin folder).
void Build_Update_Parameters(XmlDocument& doc, const QString& address, int operation, bool readBack);

class TFBoot : public TForm {
public:
    explicit TFBoot(TComponent* AOwner);
    ~TFBoot() override;
    QString ClassName() const override { return QStringLiteral("TFBoot"); }

    TPanel* P_Title;
    TLabel* L_SW_Code;
    TLabel* L_SW_Desc;
    TPanel* P_IP_Address;
    TLabel* L_IP_Address;
    TEdit* E_IP1;
    TEdit* E_IP2;
    TEdit* E_IP3;
    TEdit* E_IP4;
    TPanel* P_Options;
    TLabel* L_Update_Option;
    TComboBox* CB_Update_Options;
    TCheckBox* CB_Update_Option_Read_Back;
    TPanel* P_Serial;
    TLabel* L_COM_Port;
    TComboBox* CB_COM_Port;
    TOdButton* Btn_COM_List;
    TPanel* P_Button;
    TOdButton* Btn_Cancel;
    TOdButton* Btn_Update;

    XmlDocument XML1;
    int Form_Type = 0;  // 0 serial, 1 Ethernet
    int ping_res = Ping_None;

    void FormShow(TObject* Sender);
    void Btn_UpdateClick(TObject* Sender);
    void KeyPress(TObject* Sender, char16_t& Key);
    bool Send_Ping();
    // Writes Path_Program/Ethernet_Update.xml from the boxes and options; raises when it can't.
    void Compile_XML_Parameter_New_Boot();
    void Set_Lang();
    void update_ComPort();
    void Btn_COM_ListClick(TObject* Sender);

private:
    QString IP_Address() const;
    void Remember_Options();
    void Run_Updater();
    void Layout_Panels(const std::vector<TPanel*>& stacked);

    int langId_ = 0;
};

extern TFBoot* FBoot;

// The main window's update step: compiles the configuration image, writes the banks, then shows FBoot
// for an update over Ethernet. A failure of the compile or the write raises before the dialog opens.
void Update_Device_Step();
