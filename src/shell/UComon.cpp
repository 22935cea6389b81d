#include "shell/UComon.h"
#include <QDir>
#include <utility>
#include "platform/FileUtils.h"
#include "platform/ProgramFolder.h"

QString Project_Name;
QString Path_Project;
QString Path_Projects;
QString Path_Program;
QString Path_Master;
QString Path_Language;
QString Title_Program;
QString Software_Code;
QString Software_Description;
QString Last_IP_Address;
int Update_Operation = 0;
bool Update_Read_Back = false;
QString Language_Name;
bool Enable_Internet = false;
bool Enable_Update = false;
bool Enable_Jump_Field_Tables = false;
bool Enable_Double_Click_Auto_Size = false;
QString Path_EDE_Import;

QString File_ParGen;
QString File_EtherCAT_Slave;
QString File_ModbusM_SetAccess;
QString File_ModbusTCPM_SetAccess;
QString File_BACnet_Master_Access;
QString File_BACnet_Slave;
QString File_CAN_Rec_Frames;
QString File_CAN_Send_Frames;
QString File_PDO_CANopen;
QString File_SDO_Client_CANopen;
QString File_SDO_Server_CANopen;
QString File_DNETM_Net;
QString File_DNETM_DefOff;
QString File_DMX_Default_Values;
QString File_IEC_61850_Client;
QString File_TLS_Known_Cert;
QString File_IEC61850_Variables;
QString File_J1939_Rec_Frames;
QString File_J1939_Send_Frames;
QString File_MQTT_Set_Topic;
QString File_NMEA_Rec_Frames;
QString File_NMEA_Send_Frames;
QString File_OPC_UA_Client;
QString File_OPC_UA_Server;
QString File_SNMP_Manager;
QString File_SNMP_Trap;
QString File_EtherNetIP_Master_Rules;
QString File_S7_Protocol;

TStringList Copy_Row_Values;
std::vector<bool> Copy_Row_Is_Check;
TStringList SL_MIB_Read;
TStringList SL_MIB_Write;

const QString SW_Code = QStringLiteral("GXS59");
const QString SW_Description = QStringLiteral("EtherCAT Slave / DeviceNet Master - Converter");
const QString SW_Code_Update = QStringLiteral("GXS59");

namespace {

QString SubFolder(const QString& name)
{
    const QString path = Path_Program + QLatin1Char('/') + name;
    ForceDirectories(path);
    return path;
}

}  // namespace

void Init_Common()
{
    Path_Program = QDir::cleanPath(ProgramFolder());
    Path_Master = SubFolder(QStringLiteral("MASTER"));
    Path_Projects = SubFolder(QStringLiteral("PROJECTS"));
    Path_Language = SubFolder(QStringLiteral("LANGUAGE"));
    Project_Name.clear();
    Path_Project.clear();
    Update_Operation = 0;
    Update_Read_Back = true;
    Title_Program = QStringLiteral("Orvane - Configurator GXS59 - EtherCAT Slave / DeviceNet Master ");
    Software_Code = SW_Code;
    Software_Description = SW_Description;
    Copy_Row_Values.Clear();
    Copy_Row_Is_Check.clear();
    SL_MIB_Read.Clear();
    SL_MIB_Write.Clear();
}

void Set_Files()
{
    static const std::pair<QString*, const char*> files[] = {
        {&File_ParGen, "ParGen.xml"},
        {&File_EtherCAT_Slave, "EtherCAT_Slave.xml"},
        {&File_ModbusM_SetAccess, "ModbusM_SetAccess.xml"},
        {&File_ModbusTCPM_SetAccess, "ModbusTCPM_SetAccess.xml"},
        {&File_BACnet_Master_Access, "BACnet_Master_Access.xml"},
        {&File_BACnet_Slave, "BACnet_Slave.xml"},
        {&File_CAN_Rec_Frames, "CAN_Rec_Frames.xml"},
        {&File_CAN_Send_Frames, "CAN_Send_Frames.xml"},
        {&File_PDO_CANopen, "PDO_CANopen.xml"},
        {&File_SDO_Client_CANopen, "SDO_Client_CANopen.xml"},
        {&File_SDO_Server_CANopen, "SDO_Server_CANopen.xml"},
        {&File_DNETM_Net, "DNETM_Net.xml"},
        {&File_DNETM_DefOff, "DNETM_DefOff.xml"},
        {&File_DMX_Default_Values, "DMX_Default_Values.xml"},
        {&File_IEC_61850_Client, "IEC_61850_Client.xml"},
        {&File_TLS_Known_Cert, "TLS_Known_Cert.xml"},
        {&File_IEC61850_Variables, "IEC61850_Variables.xml"},
        {&File_J1939_Rec_Frames, "J1939_Rec_Frames.xml"},
        {&File_J1939_Send_Frames, "J1939_Send_Frames.xml"},
        {&File_MQTT_Set_Topic, "MQTT_Set_Topic.xml"},
        {&File_NMEA_Rec_Frames, "NMEA_Rec_Frames.xml"},
        {&File_NMEA_Send_Frames, "NMEA_Send_Frames.xml"},
        {&File_OPC_UA_Client, "OPC_UA_Client.xml"},
        {&File_OPC_UA_Server, "OPC_UA_Server.xml"},
        {&File_SNMP_Manager, "SNMP_Manager.xml"},
        {&File_SNMP_Trap, "SNMP_Trap.xml"},
        {&File_EtherNetIP_Master_Rules, "EtherNetIP_Master_Rules.xml"},
        {&File_S7_Protocol, "S7_Protocol.xml"},
    };
    for (const auto& [path, name] : files)
        *path = Path_Project + QLatin1Char('/') + QLatin1String(name);
}
