// The main window's steps: the dispatch of its buttons and the actions behind them.
#include "app/ULattisoreFirmWare.h"
#include "gateway/UBoot.h"
#include "gateway/UDNet.h"
#include "gateway/UDefOffset.h"
#include "gateway/UEtherCATSlave.h"
#include "gateway/UEtherCAT_ESI_File.h"
#include "gateway/UParGen.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "protocols/ethernet/UEtherNetIP_Master_Access.h"
#include "protocols/ethernet/UIEC61850_Variables.h"
#include "protocols/ethernet/UIEC_61850_Access.h"
#include "protocols/ethernet/UMQTT_Set_Topic.h"
#include "protocols/ethernet/UOPC_UA_Client_Access.h"
#include "protocols/ethernet/UOPC_UA_Server_Access.h"
#include "protocols/ethernet/US7_Protocol_Set_Access.h"
#include "protocols/ethernet/USNMPManagerAccess.h"
#include "protocols/ethernet/USNMP_Trap_Access.h"
#include "protocols/ethernet/UTLS_Server_Known_Cert.h"
#include "protocols/fieldbus/UBACnetAccess.h"
#include "protocols/fieldbus/UDMXDefVal.h"
#include "protocols/fieldbus/UModbus_TCP_Master_Set_Access.h"
#include "protocols/fieldbus/UReceiveCAN.h"
#include "protocols/fieldbus/USet_PDO_Access.h"
#include "protocols/fieldbus/USet_SDO_Client_Access.h"
#include "protocols/fieldbus/USet_SDO_Server_Access.h"
#include "protocols/fieldbus/UTransmitCAN.h"
#include "shell/UAbout.h"
#include "shell/UComon.h"
#include "shell/ULanguage.h"
#include "shell/UNew_Project.h"
#include "shell/UOpenConf.h"
#include "shell/USettings.h"
#include "shell/USoftOptions.h"

namespace {

// Shows the form that the global form object holds when the step runs.
template <typename Form>
std::function<void()> showModal(Form*& form)
{
    return [&form] { form->ShowModal(); };
}

}  // namespace

void TFLattisoreFirmWare::createSteps()
{
    // In the order Btn_Click tests them; the other models' description-file steps have no writer in
    // this build.
    steps_ = {
        {Btn_New, 15, 22, false, [this] { Create_New_Project(); }},
        {Btn_Open, 16, 23, false, [this] { Open_Project(); }},
        {Btn_Close, -1, 14, false, [this] { Close(); }},
        {Btn_Info, -1, 12, false, showModal(FAbout)},
        {Btn_Opz, -1, 13, false,
         [this] {
             if (FSoftOptions->ShowModal() != mrOk)
                 return;
             Save_Setting(XML1);
             Enable_Update_Timer();
         }},
        {Btn_Prm_Gen, 20, 24, true, showModal(FParGen)},
        {Btn_EtherCAT_Set_Access, 21, 25, true, showModal(FEtherCATSlave)},
        {Btn_Modbus_Set_Access, 27, 28, true, showModal(FModbus_TCP_Master_Set_Access)},
        {Btn_BACnet_SetAccess, 29, 30, true, showModal(FBACnetAccess)},
        {Btn_BACnet_EDE_File, 31, 32, true, nullptr},
        {Btn_CAN_Rec_Frame, 33, 34, true, showModal(FReceiveCAN)},
        {Btn_CAN_Send_Frame, 35, 36, true, showModal(FTransmitCAN)},
        {Btn_PDO_CANopen, 45, 46, true, showModal(FSet_PDO_Access)},
        {Btn_SDO_Client_CANopen, 43, 44, true, showModal(FSet_SDO_Client_Access)},
        {Btn_SDO_Server_CANopen, 41, 42, true, showModal(FSet_SDO_Server_Access)},
        {Btn_CANopen_EDS, 47, 48, true, nullptr},
        {Btn_DNet_Net, 49, 50, true, showModal(FDNet)},
        {Btn_DNet_Offset, 51, 52, true, showModal(FDefOffset)},
        {Btn_DMX_Default, 53, 54, true, showModal(FDMXDefVal)},
        {Btn_IEC61850_Client, 55, 56, true, showModal(FIEC_61850_Access)},
        {Btn_TLS_List_Certificates, 59, 60, true, showModal(FTLS_Server_Known_Cert)},
        {Btn_IEC61850_Access, 57, 58, true, showModal(FIEC61850_Variables)},
        {Btn_MQTT_Set_Topic, 61, 62, true, showModal(FMQTT_Set_Topic)},
        {Btn_OPC_UA_Client_Access, 69, 70, true, showModal(FOPC_UA_Client_Access)},
        {Btn_OPC_UA_Server_Access, 71, 72, true, showModal(FOPC_UA_Server_Access)},
        {Btn_SNMP_Manager_Access, 67, 68, true, showModal(FSNMPManagerAccess)},
        {Btn_SNMP_Trap, 63, 64, true, showModal(FSNMP_Trap_Access)},
        {Btn_SNMP_MIB, 65, 66, true, nullptr},
        {Btn_EtherCAT_ESI_File, -1, -1, true, Save_EtherCAT_ESI_File},
        {Btn_PROFINET_XML, 73, 74, true, nullptr},
        {Btn_EtherNetIP_Access, 75, 76, true, showModal(FEtherNetIP_Master_Access)},
        {Btn_S7_Protocol_Access, 77, 78, true, showModal(FS7_Protocol_Set_Access)},
        {Btn_CreateBin, 17, 26, true, Update_Device_Step},
    };
}

void TFLattisoreFirmWare::Btn_Click(TObject* Sender)
{
    for (const TStep& step : steps_) {
        if (step.Button != Sender)
            continue;
        if (step.Needs_Project && Path_Project.isEmpty()) {
            MessageDlg(Lang_Text[18], mtError, mbOK);
            return;
        }
        if (step.Action)
            step.Action();
        return;
    }
}

void TFLattisoreFirmWare::Create_New_Project()
{
    if (FNew_Project->ShowModal() == mrOk)
        Show_Project_Lines();
}

void TFLattisoreFirmWare::Open_Project()
{
    // OK on an empty list chooses nothing: it leaves the project as it is.
    if (FOpenConf->ShowModal() != mrOk || FOpenConf->SL.Count() == 0)
        return;
    Project_Name = FOpenConf->Name_Conf;
    Path_Project = Path_Projects + QLatin1Char('/') + Project_Name;
    Show_Project_Lines();
    Set_Files();
}

void TFLattisoreFirmWare::Timer_UpdateTimer(TObject*)
{
    Update_Timer_Tick(*Timer_Update, *LL_Update);
}

void TFLattisoreFirmWare::LL_UpdateLinkClick(TObject*, const QString& Link)
{
    ShellOpen(Link);
}

void TFLattisoreFirmWare::L_OrvaneClick(TObject*)
{
    ShellOpen(Maker_Home_Page());
}
