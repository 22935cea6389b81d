#pragma once
// State shared by every part of the configurator for the whole run: folders, the current project,
// the project file paths, the option flags of the settings file, the update dialog's run-only values,
// the row clipboard of the table editors and the MIB writer's lists. Used on the user-interface thread only.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>
#include "platform/Classes.h"

extern QString Project_Name;   // current project folder name; empty = none
extern QString Path_Project;   // Path_Projects + "/" + Project_Name; empty = no project open
extern QString Path_Projects;  // Path_Program + "/PROJECTS"
extern QString Path_Program;   // folder of the program, without trailing separator
extern QString Path_Master;    // Path_Program + "/MASTER"
extern QString Path_Language;  // Path_Program + "/LANGUAGE"
extern QString Title_Program;
extern QString Software_Code;
extern QString Software_Description;
extern QString Last_IP_Address;
extern int Update_Operation;  // 0 firmware and configuration, 1 firmware only, 2 configuration only
extern bool Update_Read_Back;
extern QString Language_Name;  // language file in use, without extension
extern bool Enable_Internet;
extern bool Enable_Update;
extern bool Enable_Jump_Field_Tables;
extern bool Enable_Double_Click_Auto_Size;
extern QString Path_EDE_Import;

// Project file paths, recomputed by Set_Files.
extern QString File_ParGen;
extern QString File_EtherCAT_Slave;
extern QString File_ModbusM_SetAccess;
extern QString File_ModbusTCPM_SetAccess;
extern QString File_BACnet_Master_Access;
extern QString File_BACnet_Slave;
extern QString File_CAN_Rec_Frames;
extern QString File_CAN_Send_Frames;
extern QString File_PDO_CANopen;
extern QString File_SDO_Client_CANopen;
extern QString File_SDO_Server_CANopen;
extern QString File_DNETM_Net;
extern QString File_DNETM_DefOff;
extern QString File_DMX_Default_Values;
extern QString File_IEC_61850_Client;
extern QString File_TLS_Known_Cert;
extern QString File_IEC61850_Variables;
extern QString File_J1939_Rec_Frames;
extern QString File_J1939_Send_Frames;
extern QString File_MQTT_Set_Topic;
extern QString File_NMEA_Rec_Frames;
extern QString File_NMEA_Send_Frames;
extern QString File_OPC_UA_Client;
extern QString File_OPC_UA_Server;
extern QString File_SNMP_Manager;
extern QString File_SNMP_Trap;
extern QString File_EtherNetIP_Master_Rules;
extern QString File_S7_Protocol;

// Row clipboard of the table editors: one text per copied data column, and beside it one flag
// per copied cell, true where that cell was a check box.
extern TStringList Copy_Row_Values;
extern std::vector<bool> Copy_Row_Is_Check;

// Filled and read by the SNMP MIB writer.
extern TStringList SL_MIB_Read;
extern TStringList SL_MIB_Write;

extern const QString SW_Code;
extern const QString SW_Description;
extern const QString SW_Code_Update;

// Start-up state before the settings are read: the folders from the program folder (each created
// when missing; a failure is ignored), no project, Update_Read_Back set, the title and software
// codes, empty row clipboard and MIB lists.
void Init_Common();

// Recomputes the project file paths from Path_Project ("/" + file name when no project is open).
void Set_Files();

// Records exchanged with the OPC UA search library. Pointers are 8-bit zero-terminated strings.
struct opcua_structure {
    std::uint16_t nameSpaceIndex;
    std::uint16_t identifierType;  // 0 numeric, 3 string, 4 GUID, 5 byte string
    std::uint32_t numeric;
    const char* stringname;
    std::uint32_t stringLength;
    std::uint32_t guide1;
    std::uint16_t guide2;
    std::uint16_t guide3;
    std::uint8_t guide4[8];
    const char* byteString;
    std::uint32_t byteStringLength;
    const char* displayName;
    std::uint32_t displayNameLength;
    std::int32_t dataType;
    std::uint8_t accessLevel;
    std::uint8_t spare[3];
};

struct opcua_server_to_discover {
    const char* server_address;
    std::int32_t user_pass_auth_flag;
    const char* username;
    const char* password;
    const char* cert;
    const char* priv_key;
    std::int32_t security_type;
    std::int32_t security_policy;
};

struct TOPC_UA_Guid {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::uint8_t data4[8];
};

static_assert(sizeof(TOPC_UA_Guid) == 16);
static_assert(offsetof(opcua_structure, numeric) == 4 && offsetof(opcua_structure, stringname) == 8);
// With 32-bit pointers the layout is the library's byte for byte.
static_assert(sizeof(void*) != 4 ||
              (sizeof(opcua_structure) == 56 && offsetof(opcua_structure, guide4) == 24 &&
               offsetof(opcua_structure, dataType) == 48 && offsetof(opcua_structure, accessLevel) == 52));
static_assert(sizeof(void*) != 4 || sizeof(opcua_server_to_discover) == 32);
