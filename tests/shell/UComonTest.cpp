#include <QFileInfo>
#include "ProgramFolderFixture.h"

using SharedState = ProgramFolderTest;

TEST_F(SharedState, StartUpCreatesFoldersAndClearsProject)
{
    Project_Name = "old";
    Path_Project = "/somewhere/old";
    Update_Read_Back = false;
    Copy_Row_Values.Add("x");
    Copy_Row_Is_Check = {true};
    Init_Common();

    EXPECT_EQ(Path_Program, dir.path());
    EXPECT_EQ(Path_Master, dir.path() + "/MASTER");
    EXPECT_EQ(Path_Projects, dir.path() + "/PROJECTS");
    EXPECT_EQ(Path_Language, dir.path() + "/LANGUAGE");
    for (const QString& folder : {Path_Master, Path_Projects, Path_Language})
        EXPECT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString();
    EXPECT_TRUE(Project_Name.isEmpty());
    EXPECT_TRUE(Path_Project.isEmpty());
    EXPECT_TRUE(Update_Read_Back);
    EXPECT_EQ(Software_Code, "GXS59");
    EXPECT_TRUE(Title_Program.endsWith("DeviceNet Master "));
    EXPECT_EQ(Copy_Row_Values.Count(), 0);
    EXPECT_TRUE(Copy_Row_Is_Check.empty());
}

TEST_F(SharedState, FilePathsFollowTheProject)
{
    Set_Files();
    EXPECT_EQ(File_ParGen, "/ParGen.xml");
    EXPECT_EQ(File_S7_Protocol, "/S7_Protocol.xml");

    Path_Project = Path_Projects + "/Plant";
    Set_Files();
    const QString all[] = {File_ParGen,
                           File_EtherCAT_Slave,
                           File_ModbusM_SetAccess,
                           File_ModbusTCPM_SetAccess,
                           File_BACnet_Master_Access,
                           File_BACnet_Slave,
                           File_CAN_Rec_Frames,
                           File_CAN_Send_Frames,
                           File_PDO_CANopen,
                           File_SDO_Client_CANopen,
                           File_SDO_Server_CANopen,
                           File_DNETM_Net,
                           File_DNETM_DefOff,
                           File_DMX_Default_Values,
                           File_IEC_61850_Client,
                           File_TLS_Known_Cert,
                           File_IEC61850_Variables,
                           File_J1939_Rec_Frames,
                           File_J1939_Send_Frames,
                           File_MQTT_Set_Topic,
                           File_NMEA_Rec_Frames,
                           File_NMEA_Send_Frames,
                           File_OPC_UA_Client,
                           File_OPC_UA_Server,
                           File_SNMP_Manager,
                           File_SNMP_Trap,
                           File_EtherNetIP_Master_Rules,
                           File_S7_Protocol};
    for (const QString& file : all)
        EXPECT_TRUE(file.startsWith(Path_Project + "/") && file.endsWith(".xml")) << file.toStdString();
    EXPECT_EQ(File_DNETM_Net, Path_Project + "/DNETM_Net.xml");
    EXPECT_EQ(File_EtherNetIP_Master_Rules, Path_Project + "/EtherNetIP_Master_Rules.xml");
}
