#include "app/UCreate_Forms.h"
#include "app/ULattisoreFirmWare.h"
#include "gateway/UBoot.h"
#include "gateway/UDNet.h"
#include "gateway/UDefOffset.h"
#include "gateway/UEtherCATSlave.h"
#include "gateway/UParGen.h"
#include "protocols/ethernet/UEtherNetIP_EDS.h"
#include "protocols/ethernet/UEtherNetIP_Master_Access.h"
#include "protocols/ethernet/UIEC61850_Variables.h"
#include "protocols/ethernet/UIEC_61850_Access.h"
#include "protocols/ethernet/UMQTT_Set_Topic.h"
#include "protocols/ethernet/UOPC_UA_Add_Server.h"
#include "protocols/ethernet/UOPC_UA_Client_Access.h"
#include "protocols/ethernet/UOPC_UA_Scan_Server.h"
#include "protocols/ethernet/UOPC_UA_Server_Access.h"
#include "protocols/ethernet/UProfinetFileName.h"
#include "protocols/ethernet/US7_Protocol_Set_Access.h"
#include "protocols/ethernet/USNMPManagerAccess.h"
#include "protocols/ethernet/USNMP_Trap_Access.h"
#include "protocols/ethernet/UTLS_Server_Known_Cert.h"
#include "protocols/ethernet/UTopicTemplate.h"
#include "protocols/fieldbus/UBACnetAccess.h"
#include "protocols/fieldbus/UBACnetSlaveSetAccess.h"
#include "protocols/fieldbus/UBACnet_Eng_Unit.h"
#include "protocols/fieldbus/UDMXDefVal.h"
#include "protocols/fieldbus/UImportEDEFile.h"
#include "protocols/fieldbus/UModbus_TCP_Master_Set_Access.h"
#include "protocols/fieldbus/UReceiveCAN.h"
#include "protocols/fieldbus/UReceiveJ1939.h"
#include "protocols/fieldbus/UReceiveNMEA.h"
#include "protocols/fieldbus/USetAccess.h"
#include "protocols/fieldbus/USet_PDO_Access.h"
#include "protocols/fieldbus/USet_SDO_Client_Access.h"
#include "protocols/fieldbus/USet_SDO_Server_Access.h"
#include "protocols/fieldbus/UTransmitCAN.h"
#include "protocols/fieldbus/UTransmitJ1939.h"
#include "protocols/fieldbus/UTransmitNMEA.h"
#include "shell/UAbout.h"
#include "shell/UNew_Project.h"
#include "shell/UOpenConf.h"
#include "shell/USoftOptions.h"

void Create_Forms()
{
    Application->CreateForm(FLattisoreFirmWare);
    Application->CreateForm(FNew_Project);
    Application->CreateForm(FOpenConf);
    Application->CreateForm(FAbout);
    Application->CreateForm(FSoftOptions);
    Application->CreateForm(FParGen);
    Application->CreateForm(FEtherCATSlave);
    Application->CreateForm(FBoot);
    Application->CreateForm(FSetAccess);
    Application->CreateForm(FModbus_TCP_Master_Set_Access);
    Application->CreateForm(FBACnetAccess);
    Application->CreateForm(FImportEDEFile);
    Application->CreateForm(FBACnet_Eng_Unit);
    Application->CreateForm(FBACnetSlaveSetAccess);
    Application->CreateForm(FReceiveCAN);
    Application->CreateForm(FTransmitCAN);
    Application->CreateForm(FSet_PDO_Access);
    Application->CreateForm(FSet_SDO_Client_Access);
    Application->CreateForm(FSet_SDO_Server_Access);
    Application->CreateForm(FDefOffset);
    Application->CreateForm(FDNet);
    Application->CreateForm(FDMXDefVal);
    Application->CreateForm(FIEC_61850_Access);
    Application->CreateForm(FIEC61850_Variables);
    Application->CreateForm(FTLS_Server_Known_Cert);
    Application->CreateForm(FReceiveJ1939);
    Application->CreateForm(FTransmitJ1939);
    Application->CreateForm(FMQTT_Set_Topic);
    Application->CreateForm(FTopicTemplate);
    Application->CreateForm(FReceiveNMEA);
    Application->CreateForm(FTransmitNMEA);
    Application->CreateForm(FOPC_UA_Add_Server);
    Application->CreateForm(FOPC_UA_Client_Access);
    Application->CreateForm(FOPC_UA_Scan_Server);
    Application->CreateForm(FOPC_UA_Server_Access);
    Application->CreateForm(FSNMPManagerAccess);
    Application->CreateForm(FSNMP_Trap_Access);
    Application->CreateForm(FProfinetFileName);
    Application->CreateForm(FEtherNEtIP_EDS);
    Application->CreateForm(FEtherNetIP_Master_Access);
    Application->CreateForm(FS7_Protocol_Set_Access);
}
