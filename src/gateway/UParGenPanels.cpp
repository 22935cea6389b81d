#include "gateway/UParGenPanels.h"

#include "controls/button/OdButton.h"
#include "gateway/UParGen.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "shell/ULanguage.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <iterator>
#include <stdexcept>
#include <string>

namespace {

using R = TRow_Kind;

// Row geometry: labels at left 14, rows 28 apart; inputs at left 191, 3 above their label (the gateway
// octets 2 above); octets 55 wide at 191, 252, 313, 374 with "." labels between them.
constexpr int First_Row = 12;
constexpr int Label_Left = 14;
constexpr int Input_Left = 191;
constexpr int Input_Width = 238;
constexpr int Octet_Width = 55;
constexpr int Octet_Step = 61;
constexpr int Check_Width = 415;
constexpr int Gateway_Check_Width = 175;

// The rows keep pointers to the names they build.
const char* Keep(const QByteArray& name)
{
    static std::deque<QByteArray> names;
    return names.emplace_back(name).constData();
}

QStringList Parities()
{
    return {QStringLiteral("NONE"), QStringLiteral("ODD"), QStringLiteral("EVEN")};
}

QStringList Numbers(int first, int last)
{
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QString::number(n);
    return items;
}

std::vector<TPanel_Row> Joined(std::vector<TPanel_Row> rows, const std::vector<TPanel_Row>& more)
{
    rows.insert(rows.end(), more.begin(), more.end());
    return rows;
}

// Serial, Baudrate, Parity and Stop Bits lists, then the panel's further rows.
std::vector<TPanel_Row> Serial_Rows(const char* stem, const std::vector<TPanel_Row>& more = {})
{
    const QByteArray s(stem);
    return Joined(
        {{R::List,
          Keep("L_" + s + "_Serial"),
          Keep("CB_" + s + "_Serial"),
          0,
          0,
          {QStringLiteral("RS232"), QStringLiteral("RS485")}},
         {R::List,
          Keep("L_" + s + "_Baudrate"),
          Keep("CB_" + s + "_Baudrate"),
          0,
          0,
          {QStringLiteral("1200"), QStringLiteral("2400"), QStringLiteral("4800"), QStringLiteral("9600"),
           QStringLiteral("19200"), QStringLiteral("38400"), QStringLiteral("57600"), QStringLiteral("115200")}},
         {R::List, Keep("L_" + s + "_Parity"), Keep("CB_" + s + "_Parity"), 0, 0, Parities()},
         {R::List,
          Keep("L_" + s + "_StopBits"),
          Keep("CB_" + s + "_StopBits"),
          0,
          0,
          {QStringLiteral("1"), QStringLiteral("2")}}},
        more);
}

// An address block (IP address, subnet mask, gateway), then the panel's further rows.
std::vector<TPanel_Row> Address_Rows(const char* stem, const std::vector<TPanel_Row>& more = {},
                                     const char* gatewayCheck = nullptr)
{
    const QByteArray s(stem);
    return Joined({{R::Address, Keep("L_" + s + "_IP"), Keep("E_" + s + "_IP")},
                   {R::Address, Keep("L_" + s + "_SM"), Keep("E_" + s + "_SM")},
                   {R::Gateway, gatewayCheck ? gatewayCheck : Keep("CB_" + s + "_En_GAT"), Keep("E_" + s + "_GAT")}},
                  more);
}

// A BACnet panel: type, the BACnet/IP group (address block, then ip), the MS/TP group (baudrate, parity, then
// mstp), then the panel's further rows.
std::vector<TPanel_Row> BACnet_Rows(const char* role, const std::vector<TPanel_Row>& ip,
                                    const std::vector<TPanel_Row>& mstp, const std::vector<TPanel_Row>& more = {})
{
    const QByteArray r(role);
    const QByteArray ipStem = "BACnet_IP_" + r;
    const QByteArray m = "BACnet_MSTP_" + r;
    std::vector<TPanel_Row> rows{{R::List,
                                  Keep("L_BACnet_" + r + "_Type"),
                                  Keep("CB_BACnet_" + r + "_Type"),
                                  0,
                                  0,
                                  {QStringLiteral("BACnet/IP"), QStringLiteral("BACnet MS/TP")}}};
    rows = Joined(rows, Address_Rows(ipStem.constData(), ip, Keep("CB_" + ipStem + "_GAT")));
    rows = Joined(rows, {{R::List,
                          Keep("L_" + m + "_Baudrate"),
                          Keep("CB_" + m + "_Baudrate"),
                          0,
                          0,
                          {QStringLiteral("9600"), QStringLiteral("19200"), QStringLiteral("38400"),
                           QStringLiteral("57600"), QStringLiteral("76800"), QStringLiteral("115200")}},
                         {R::List, Keep("L_" + m + "_Parity"), Keep("CB_" + m + "_Parity"), 0, 0, Parities()}});
    return Joined(Joined(rows, mstp), more);
}

QStringList Can_Baudrates()
{
    return {QStringLiteral("10K"),  QStringLiteral("20K"),  QStringLiteral("50K"),  QStringLiteral("125K"),
            QStringLiteral("250K"), QStringLiteral("500K"), QStringLiteral("800K"), QStringLiteral("1M")};
}

}  // namespace

const std::vector<TPanel_Spec>& ParGen_Panels()
{
    static const std::vector<TPanel_Spec> panels{
        {"CP_Ethernet_Connection",
         1544,
         1545,
         {
             {R::Edit, "L_EthConn_Device_Name", "E_EthConn_Device_Name", 0, 31},
             {R::Check, "CB_EthConn_En_DHCP_Cable", nullptr},
             {R::Check, "CB_EthConn_En_DHCP_WiFi", nullptr},
             {R::Check, "CB_EthConn_Enable_DNS", nullptr},
             {R::Address, "L_EthConn_Primary_DNS", "E_EthConn_Pri_DNS_IP"},
             {R::Address, "L_EthConn_Secondary_DNS", "E_EthConn_Sec_DNS_IP"},
         },
         "E_EthConn_Sec_DNS_IP4",
         false,
         nullptr,
         "CB_EthConn_En_DHCP_WiFi"},
        {"CP_EtherCAT_Slave",
         406,
         413,
         {
             {R::Digits, "L_EtherCAT_Slave_Revision_Number", "E_EtherCAT_Slave_Revision_Number"},
             {R::Edit, "L_EtherCAT_Slave_Name", "E_EtherCAT_Slave_Name", 0, 15},
             {R::Digits, "L_EtherCAT_Slave_Node_Address", "E_EtherCAT_Slave_Node_Address", 987},
         },
         "E_EtherCAT_Slave_Node_Address"},
        {"CP_DeviceNet_Master",
         669,
         670,
         {
             {R::Edit, "L_DeviceNet_Master_IDDevice", "E_DeviceNet_Master_IDDevice"},
             {R::List,
              "L_DeviceNet_Master_Baudrate",
              "CB_DeviceNet_Master_Baudrate",
              0,
              0,
              {QStringLiteral("125K"), QStringLiteral("250K"), QStringLiteral("500K")}},
         },
         "CB_DeviceNet_Master_Baudrate"},
        {"CP_Ethernet",
         693,
         694,
         {
             {R::Address, "L_Ethernet_IP", "E_Ethernet_IP"},
             {R::Address, "L_Ethernet_SM", "E_Ethernet_SM"},
             {R::Gateway, "CB_Ethernet_En_GAT", "E_Ethernet_GAT"},
             {R::Edit, "L_Ethernet_TCP_Port", "E_Ethernet_TCP_Port", 716, 0, {}, true},
             {R::Edit, "L_Ethernet_UDP_Port", "E_Ethernet_UDP_Port", 0, 0, {}, true},
         },
         "E_Ethernet_GAT4",
         true,
         "CB_Ethernet_En_GAT"},

        // The panels of the family's other models.
        {"CP_Serial", 449, 450, Serial_Rows("Serial"), "CB_Serial_StopBits"},
        {"CP_Modbus_Master", 459, 460,
         Serial_Rows("ModbusMaster", {{R::Edit, "L_ModbusMaster_TimeOut", "E_ModbusMaster_TimeOut"},
                                      {R::Edit, "L_ModbusMaster_CyclicDelay", "E_ModbusMaster_CyclicDelay"}}),
         "E_ModbusMaster_CyclicDelay"},
        {"CP_Modbus_Slave", 475, 476,
         Serial_Rows("ModbusSlave", {{R::Edit, "L_ModbusSlave_IDDevice", "E_ModbusSlave_IDDevice"},
                                     {R::Check, "CB_ModbusSlave_ReadInput", nullptr}}),
         "CB_ModbusSlave_ReadInput"},
        {"CP_Modbus_TCP_Master", 490, 491,
         Address_Rows("ModbusTCPMaster", {{R::Edit, "L_ModbusTCPMaster_TimeOut", "E_ModbusTCPMaster_TimeOut"},
                                          {R::Edit, "L_ModbusTCPMaster_CyclicDelay", "E_ModbusTCPMaster_CyclicDelay"}}),
         "E_ModbusTCPMaster_CyclicDelay", true, "CB_ModbusTCPMaster_En_GAT"},
        {"CP_Modbus_TCP_Slave", 417, 418,
         Address_Rows("ModbusTCPSlave", {{R::Edit, "L_ModbusTCPSlave_Port", "E_ModbusTCPSlave_Port"}}),
         "E_ModbusTCPSlave_Port", true, "CB_ModbusTCPSlave_En_GAT"},
        {"CP_BACnet_Master", 525, 526,
         BACnet_Rows("Master",
                     {{R::Edit, "L_BACnet_IP_Master_Port", "E_BACnet_IP_Master_Port"},
                      {R::Edit, "L_BACnet_IP_Master_Device_Name", "E_BACnet_IP_Master_Device_Name", 0, 15},
                      {R::Edit, "L_BACnet_IP_Master_Device_ID", "E_BACnet_IP_Master_Device_ID"},
                      {R::Edit, "L_BACnet_IP_Master_TimeOut_Polling", "E_BACnet_IP_Master_TimeOut_Polling"}},
                     {{R::Edit, "L_BACnet_MSTP_Master_Device_Name", "E_BACnet_MSTP_Master_Device_Name", 0, 15},
                      {R::Edit, "L_BACnet_MSTP_Master_MAC_Address", "E_BACnet_MSTP_Master_MAC_Address"},
                      {R::Edit, "L_BACnet_MSTP_Master_Max_Master", "E_BACnet_MSTP_Master_Max_Master"},
                      {R::Edit, "L_BACnet_MSTP_Master_Max_Info_Frame", "E_BACnet_MSTP_Master_Max_Info_Frame"},
                      {R::Edit, "L_BACnet_MSTP_Master_Device_Instance", "E_BACnet_MSTP_Master_Device_Instance"}}),
         nullptr, false, "CB_BACnet_IP_Master_GAT"},
        {"CP_BACnet_Slave", 587, 588,
         BACnet_Rows("Slave",
                     {{R::Edit, "L_BACnet_IP_Slave_Port", "E_BACnet_IP_Slave_Port"},
                      {R::Edit, "L_BACnet_IP_Slave_Device_Name", "E_BACnet_IP_Slave_Device_Name", 0, 15},
                      {R::Edit, "L_BACnet_IP_Slave_Device_ID", "E_BACnet_IP_Slave_Device_ID"}},
                     {{R::Edit, "L_BACnet_MSTP_Slave_Device_Name", "E_BACnet_MSTP_Slave_Device_Name", 0, 15},
                      {R::Edit, "L_BACnet_MSTP_Slave_MAC_Address", "E_BACnet_MSTP_Slave_MAC_Address"},
                      {R::Edit, "L_BACnet_MSTP_Slave_Max_Master", "E_BACnet_MSTP_Slave_Max_Master"},
                      {R::Edit, "L_BACnet_MSTP_Slave_Max_Info_Frame", "E_BACnet_MSTP_Slave_Max_Info_Frame"},
                      {R::Edit, "L_BACnet_MSTP_Slave_Device_Instance", "E_BACnet_MSTP_Slave_Device_Instance"},
                      {R::Edit, "L_BACnet_MSTP_Slave_NetWork", "E_BACnet_MSTP_Slave_NetWork"}},
                     {{R::Check, "CB_BACnet_Slave_Desc_32_Chars", nullptr}}),
         "CB_BACnet_Slave_Desc_32_Chars", false, "CB_BACnet_IP_Slave_GAT"},
        {"CP_CAN",
         651,
         652,
         {{R::List, "L_CAN_Baudrate", "CB_CAN_Baudrate", 0, 0, Can_Baudrates()}},
         "CB_CAN_Baudrate"},
        {"CP_CANopen",
         654,
         655,
         {
             {R::Edit, "L_CANopen_IDDevice", "E_CANopen_IDDevice"},
             {R::List, "L_CANopen_Baudrate", "CB_CANopen_Baudrate", 0, 0, Can_Baudrates()},
             {R::Check, "CB_CANopen_Set_Operational", nullptr},
             {R::Check_Edit, "CB_CANopen_Network_Start", "E_CANopen_Network_Start_Delay"},
             {R::Edit, "L_CANopen_SDO_Timeout", "E_CANopen_SDO_Timeout"},
         },
         "E_CANopen_SDO_Timeout"},
        {"CP_DeviceNet_Slave",
         675,
         676,
         {
             {R::Edit, "L_DeviceNet_Slave_IDDevice", "E_DeviceNet_Slave_IDDevice"},
             {R::List,
              "L_DeviceNet_Slave_Baudrate",
              "CB_DeviceNet_Slave_Baudrate",
              0,
              0,
              {QStringLiteral("125K"), QStringLiteral("250K"), QStringLiteral("500K")}},
             {R::Edit, "L_DeviceNet_Slave_NumByteIn", "E_DeviceNet_Slave_NumByteIn"},
             {R::Edit, "L_DeviceNet_Slave_NumByteOut", "E_DeviceNet_Slave_NumByteOut"},
         },
         "E_DeviceNet_Slave_NumByteOut"},
        {"CP_DMX",
         687,
         688,
         {
             {R::List, "L_DMX_Type", "CB_DMX_Type", 0, 0, {QStringLiteral("IN"), QStringLiteral("OUT")}},
             {R::Edit, "L_DMX_ChannelNum", "E_DMX_ChannelNum"},
         },
         "E_DMX_ChannelNum"},
        {"CP_EtherNetIP", 738, 739,
         Address_Rows("EtherNetIP",
                      {{R::Edit, "L_EtherNetIP_Port", "E_EtherNetIP_Port", 0, 0, {}, false, false, "44818"},
                       {R::Edit, "L_EtherNetIP_NByte_In", "E_EtherNetIP_NByte_In"},
                       {R::Edit, "L_EtherNetIP_NByte_Out", "E_EtherNetIP_NByte_Out"}}),
         "E_EtherNetIP_NByte_Out", false, nullptr, "E_EtherNetIP_Port"},
        {"CP_IEC61850_Client", 780, 781,
         Address_Rows("IEC61850_Client", {{R::Edit, "L_IEC61850_Client_VLAN", "E_IEC61850_Client_VLAN"},
                                          {R::Edit, "L_IEC61850_Client_AppID", "E_IEC61850_Client_AppID"}}),
         "E_IEC61850_Client_AppID", true, "CB_IEC61850_Client_En_GAT"},
        {"CP_IEC61850_Server", 813, 818,
         Address_Rows("IEC61850_Server", {{R::Edit, "L_IEC61850_Server_Port", "E_IEC61850_Server_Port", 814},
                                          {R::Edit, "L_IEC61850_Server_Password", "E_IEC61850_Server_Password"}}),
         "E_IEC61850_Server_Password", true, "CB_IEC61850_Server_En_GAT"},
        {"CP_TLS_Server",
         1531,
         1532,
         {
             {R::Check, "CB_TLS_Server_Enable", nullptr},
             {R::Edit, "L_TLS_Server_Key", "E_TLS_Server_Key"},
             {R::Edit, "L_TLS_Server_Key_Pass", "E_TLS_Server_Key_Pass"},
             {R::Edit, "L_TLS_Server_Server_Cert", "E_TLS_Server_Server_Cert"},
             {R::Edit, "L_TLS_Server_Root_Cert", "E_TLS_Server_Root_Cert"},
             {R::Check, "CB_TLS_Server_En_Known_Cert", nullptr},
         },
         nullptr},
        {"CP_J1939",
         847,
         848,
         {
             {R::List, "L_J1939_Baudrate", "CB_J1939_Baudrate", 0, 0, Can_Baudrates()},
             {R::Edit, "L_J1939_TimeOut", "E_J1939_TimeOut"},
             {R::Check, "CB_J1939_Peer_To_Peer", nullptr},
             {R::Edit, "L_J1939_ID_Device", "E_J1939_ID_Device"},
         },
         "E_J1939_ID_Device"},
        {"CP_MQTT",
         858,
         859,
         {
             {R::Edit, "L_MQTT_Server_URL", "E_MQTT_Server_URL"},
             {R::Edit, "L_MQTT_Server_Port", "E_MQTT_Server_Port"},
             {R::Edit, "L_MQTT_Client_ID", "E_MQTT_Client_ID"},
             {R::Edit, "L_MQTT_Keep_Alive", "E_MQTT_Keep_Alive"},
             {R::Check, "CB_MQTT_CleanSession", nullptr},
             {R::Check, "CB_MQTT_WillFlag", nullptr},
             {R::Edit, "L_MQTT_TopicNameWill", "E_MQTT_TopicNameWill"},
             {R::Edit, "L_MQTT_MessageWill", "E_MQTT_MessageWill"},
             {R::Check, "CB_MQTT_RetainedWill", nullptr},
             {R::List, "L_MQTT_QoSWill", "CB_MQTT_QoSWill", 0, 0, Numbers(0, 2)},
             {R::Check, "CB_MQTT_PublishTopicConnection", nullptr, 1571},
             {R::Edit, "L_MQTT_TopicNameConnection", "E_MQTT_TopicNameConnection"},
             {R::Edit, "L_MQTT_MessageConnection", "E_MQTT_MessageConnection"},
             {R::Check, "CB_MQTT_RetainedConnection", nullptr},
             {R::Edit, "L_MQTT_Username", "E_MQTT_Username", 879},
             {R::Rich, "L_MQTT_Password", "E_MQTT_Password"},
             {R::Edit, "L_MQTT_SendTime", "E_MQTT_SendTime"},
             {R::Edit, "L_MQTT_TopicDALIAnswer", "E_MQTT_TopicDALIAnswer", 1579},
             {R::Check, "CB_MQTT_EnableReprogramming", nullptr},
             {R::Edit, "L_MQTT_ReprogrammingTopicName", "E_MQTT_ReprogrammingTopicName"},
             {R::Edit, "L_MQTT_ValueEnableReprogramming", "E_MQTT_ValueEnableReprogramming"},
         },
         "E_MQTT_Password"},
        {"CP_TLS",
         1300,
         1301,
         {
             {R::Check, "CB_TLS_Enable", nullptr},
             {R::Check, "CB_TLS_En_Server_Auth", nullptr},
             {R::Edit, "L_TLS_Server_Cert", "E_TLS_Server_Cert"},
             {R::Check, "CB_TLS_En_Client_Auth", nullptr},
             {R::Edit, "L_TLS_Client_Cert", "E_TLS_Client_Cert"},
             {R::Edit, "L_TLS_Client_Cert_Key", "E_TLS_Client_Cert_Key"},
             {R::Edit, "L_TLS_Client_Cert_Key_Pass", "E_TLS_Client_Cert_Key_Pass"},
         },
         nullptr},
        {"CP_WiFi2", 885, 886,
         Joined(Joined({{R::List,
                         "L_WiFi2_Type",
                         "CB_WiFi2_Type",
                         0,
                         0,
                         {QStringLiteral("Access Point"), QStringLiteral("Station")},
                         false,
                         true},
                        {R::Header, "L_WiFi2_IP1", nullptr}},
                       Address_Rows("WiFi2_1", {{R::Header, "L_WiFi2_IP2", nullptr}})),
                Address_Rows("WiFi2_2", {{R::Edit, "L_WiFi2_SSID", "E_WiFi2_SSID"},
                                         {R::Edit, "L_WiFi2_Password", "E_WiFi2_Password"},
                                         {R::List,
                                          "L_WiFi2_Secure_Type",
                                          "CB_WiFi2_Secure_Type",
                                          0,
                                          0,
                                          {QStringLiteral("Unsecured"), QStringLiteral("WPA"), QStringLiteral("WPA2"),
                                           QStringLiteral("WEP")},
                                          false,
                                          true},
                                         {R::Check, "CB_WiFi2_En_DHCP", nullptr},
                                         {R::Address, "L_WiFi2_DHCP_First_IP", "E_WiFi2_DHCP_First_IP"},
                                         {R::Address, "L_WiFi2_DHCP_SM", "E_WiFi2_DHCP_SM"},
                                         {R::Edit, "L_WiFi2_Lease_Time", "E_WiFi2_Lease_Time"},
                                         {R::List, "L_WiFi2_Max_Client", "CB_WiFi2_Max_Client", 0, 0, Numbers(1, 10)},
                                         {R::List, "L_WiFi2_Channel", "CB_WiFi2_Channel", 0, 0,
                                          QStringList{QStringLiteral("Auto Search")} + Numbers(1, 11), false, true}})),
         nullptr},
        {"CP_NTP",
         1315,
         1316,
         {
             {R::Edit, "L_NTP_Server_URL", "E_NTP_Server_URL"},
             {R::Edit, "L_NTP_Poll_Time", "E_NTP_Poll_Time"},
         },
         "E_NTP_Poll_Time"},
        {"CP_NMEA2000",
         1321,
         1322,
         {
             {R::List, "L_NMEA2000_Baudrate", "CB_NMEA2000_Baudrate", 0, 0, Can_Baudrates()},
             {R::Edit, "L_NMEA2000_TimeOut", "E_NMEA2000_TimeOut"},
             {R::Check, "CB_NMEA2000_Peer_To_Peer", nullptr},
         },
         "CB_NMEA2000_Peer_To_Peer"},
        {"CP_OPC_UA_Client", 1329, 1330, Address_Rows("OPC_UA_Client"), "E_OPC_UA_Client_GAT4", true,
         "CB_OPC_UA_Client_En_GAT"},
        {"CP_OPC_UA_Server", 1368, 1369,
         Address_Rows("OPC_UA_Server", {{R::Edit, "L_OPC_UA_Server_Port", "E_OPC_UA_Server_Port", 1391}}),
         "E_OPC_UA_Server_Port", true, "CB_OPC_UA_Server_En_GAT"},
        {"CP_SNMP_Manager", 1450, 1451,
         Address_Rows("SNMP_Manager", {{R::Label, "L_SNMP_Manager_NameStation", "E_SNMP_Manager_NameStation"}},
                      "CB_SNMP_Manager_GAT"),
         "E_SNMP_Manager_NameStation", true, "CB_SNMP_Manager_GAT"},
        {"CP_SNMP_Agent", 1480, 1481,
         Address_Rows("SNMP_Agent",
                      {{R::Edit, "L_SNMP_Agent_NameStation", "E_SNMP_Agent_NameStation"},
                       {R::Edit, "L_SNMP_Agent_Contact", "E_SNMP_Agent_Contact"},
                       {R::Edit, "L_SNMP_Agent_Location", "E_SNMP_Agent_Location"},
                       {R::Checks, "L_SNMP_Agent_Version", "CB_SNMP_Agent_Version"},
                       {R::Edit, "L_SNMP_Agent_User", "E_SNMP_Agent_User"},
                       {R::List,
                        "L_SNMP_Agent_SecurityLevel",
                        "CB_SNMP_Agent_SecurityLevel",
                        0,
                        0,
                        {QStringLiteral("NoAuthority NoPrivacy"), QStringLiteral("Authority NoPrivacy"),
                         QStringLiteral("Authority Privacy")}},
                       {R::Edit, "L_SNMP_Agent_Authority", "E_SNMP_Agent_Authority"},
                       {R::List,
                        "L_SNMP_Agent_AuthorityMode",
                        "CB_SNMP_Agent_AuthorityMode",
                        0,
                        0,
                        {QStringLiteral("MD5"), QStringLiteral("SHA")}},
                       {R::Edit, "L_SNMP_Agent_Privacy", "E_SNMP_Agent_Privacy"},
                       {R::List,
                        "L_SNMP_Agent_PrivacyMode",
                        "CB_SNMP_Agent_PrivacyMode",
                        0,
                        0,
                        {QStringLiteral("DES"), QStringLiteral("AES")}}},
                      "CB_SNMP_Agent_GAT"),
         nullptr, true, "CB_SNMP_Agent_GAT"},
        {"CP_PROFINET", 1406, 1407,
         Address_Rows("PROFINET",
                      {{R::Edit, "L_PROFINET_Tunneling_Port", "E_PROFINET_Tunneling_Port"},
                       {R::Edit, "L_PROFINET_NameStation", "E_PROFINET_NameStation"},
                       {R::Edit, "L_PROFINET_NByte_In", "E_PROFINET_NByte_In"},
                       {R::Edit, "L_PROFINET_NByte_Out", "E_PROFINET_NByte_Out"},
                       {R::Check_Edit, "CB_PROFINET_Diagnostic", "E_PROFINET_Diagnostic", 0, 0, {}, true}},
                      "CB_PROFINET_GAT"),
         "E_PROFINET_NByte_Out", true, "CB_PROFINET_GAT"},
        {"CP_EtherNetIP_Master", 1624, 1625,
         Address_Rows(
             "EtherNetIP_Master",
             {{R::Edit, "L_EtherNetIP_Master_Port", "E_EtherNetIP_Master_Port", 0, 0, {}, false, false, "44818"}}),
         "E_EtherNetIP_Master_Port", true, nullptr, "E_EtherNetIP_Master_Port"},
        {"CP_S7_Protocol", 1655, 1656, Address_Rows("S7_Protocol"), "E_S7_Protocol_GAT4", true},
        {"CP_Select_Device",
         1610,
         1611,
         {{R::List,
           "L_Select_Device_Device",
           "CB_Select_Device_Device",
           0,
           0,
           {QStringLiteral("Only Ethernet Cable "), QStringLiteral("Ethernet Cable + Wi-Fi"),
            QStringLiteral("Ethernet Cable + Mobile Connection")}}},
         "CB_Select_Device_Device"},
        {"CP_GSM_GPRS",
         1613,
         1614,
         {
             {R::Edit, "L_GSM_GPRS_PIN", "E_GSM_GPRS_PIN"},
             {R::Edit, "L_GSM_GPRS_APN", "E_GSM_GPRS_APN"},
             {R::List, "L_GSM_GPRS_Auth_Type", "CB_GSM_GPRS_Auth_Type"},
             {R::Edit, "L_GSM_GPRS_Username", "E_GSM_GPRS_Username"},
             {R::Edit, "L_GSM_GPRS_Password", "E_GSM_GPRS_Password"},
         },
         "E_GSM_GPRS_Password"},
    };
    return panels;
}

const TPanel_Spec& ParGen_Panel(const QString& name)
{
    for (const TPanel_Spec& spec : ParGen_Panels())
        if (name == QLatin1String(spec.Name))
            return spec;
    throw std::out_of_range("no panel " + name.toStdString());
}

const std::vector<TParGen_Model>& ParGen_Models()
{
    static const std::vector<TParGen_Model> models = [] {
        using M = TModel_Rule;
        std::vector<TParGen_Model> list{
            {0, "GX50", {"CP_Serial", "CP_Ethernet"}},
            {1, "GX51", {"CP_Modbus_Master", "CP_Ethernet"}},
            {2, "GX52", {"CP_Modbus_Slave", "CP_Ethernet"}},
            {3, "GX53", {"CP_Modbus_TCP_Master"}},
            {4, "GX54", {"CP_Modbus_TCP_Slave"}},
            {5, "GX55", {"CP_BACnet_Master", "CP_Ethernet"}, M::Ethernet_By_BACnet_Master},
            {6, "GX56", {"CP_BACnet_Slave", "CP_Ethernet"}, M::Ethernet_By_BACnet_Slave},
            {7, "GX57", {"CP_CAN", "CP_Ethernet"}},
            {8, "GX58", {"CP_CANopen", "CP_Ethernet"}},
            {9, "GX59", {"CP_DeviceNet_Master", "CP_Ethernet"}},
            {10, "GX60", {"CP_DeviceNet_Slave", "CP_Ethernet"}},
            {11, "GX61", {"CP_DMX", "CP_Ethernet"}},
            {12, "GX62", {"CP_Ethernet"}},
            {13, "GX63", {"CP_EtherNetIP"}},
            {14, "GX64", {"CP_IEC61850_Client"}},
            {15, "GX65", {"CP_IEC61850_Server", "CP_TLS_Server"}},
            {16, "GX66", {"CP_J1939", "CP_Ethernet"}},
            {17,
             "GX67",
             {"CP_Select_Device", "CP_MQTT", "CP_Ethernet", "CP_TLS", "CP_NTP", "CP_WiFi2", "CP_GSM_GPRS"},
             M::Select_Device},
            {19, "GX69", {"CP_NMEA2000", "CP_Ethernet"}},
            {20, "GX70", {"CP_OPC_UA_Client", "CP_NTP"}},
            {21, "GX71", {"CP_OPC_UA_Server", "CP_NTP"}},
            {23, "GX73", {"CP_PROFINET"}},
            {24, "GX74", {"CP_SNMP_Manager"}},
            {25, "GX75", {"CP_SNMP_Agent"}},
            {26, "GX76", {"CP_EtherNetIP_Master"}},
            {27, "GX77", {"CP_EtherNetIP"}},
            {28, "GX78", {"CP_S7_Protocol"}},
        };
        for (TParGen_Model& model : list)
            model.Panels.insert(model.Panels.begin(), {"CP_Ethernet_Connection", "CP_EtherCAT_Slave"});
        return list;
    }();
    return models;
}

const TParGen_Model& ParGen_Model(int index)
{
    for (const TParGen_Model& model : ParGen_Models())
        if (model.Index == index)
            return model;
    throw std::out_of_range("no gateway model " + std::to_string(index));
}

const std::vector<std::vector<QString>>& ParGen_Octet_Chains()
{
    static const std::vector<std::vector<QString>> chains = [] {
        const auto chain = [](std::initializer_list<const char*> stems) {
            std::vector<QString> names;
            for (const char* stem : stems)
                for (int i = 1; i <= 4; ++i)
                    names.push_back(QString::fromLatin1(stem) + QString::number(i));
            return names;
        };
        return std::vector<std::vector<QString>>{chain({"E_EthConn_Pri_DNS_IP", "E_EthConn_Sec_DNS_IP"}),
                                                 chain({"E_Ethernet_IP", "E_Ethernet_SM", "E_Ethernet_GAT"})};
    }();
    return chains;
}

bool ParGen_Relayout_Trigger(const QString& name)
{
    static const QStringList triggers{// lists (changed)
                                      "CB_BACnet_Slave_Type", "CB_SNMP_Agent_SecurityLevel", "CB_WiFi2_Type",
                                      "CB_WiFi2_Secure_Type", "CB_BACnet_Master_Type", "CB_Select_Device_Device",
                                      // check boxes (clicked)
                                      "CB_SNMP_Agent_Version3", "CB_MQTT_WillFlag", "CB_TLS_Enable",
                                      "CB_TLS_En_Server_Auth", "CB_TLS_En_Client_Auth", "CB_WiFi2_En_DHCP",
                                      "CB_TLS_Server_Enable", "CB_EthConn_En_DHCP_Cable", "CB_EthConn_En_DHCP_WiFi",
                                      "CB_MQTT_PublishTopicConnection"};
    return triggers.contains(name);
}

// ---- building the form's panels ----

void TFParGen::Build_Panels()
{
    for (const TPanel_Spec& spec : ParGen_Panels())
        Build_Panel(spec);
}

void TFParGen::Build_Panel(const TPanel_Spec& spec)
{
    auto* panel = new TCategoryPanel(this);
    panel->Name = QString::fromLatin1(spec.Name);
    panel->SetPanelGroup(CPG);
    panel->SetVisible(false);
    panel->ExpandedImageIndex = 0;
    panel->CollapsedImageIndex = 1;
    if (!Holds_Rows(spec))
        return;

    int y = First_Row;
    for (const TPanel_Row& row : spec.Rows) {
        TRow_Controls& placed = rows_[QString::fromLatin1(row.Caption)];
        placed.Top = y;
        Build_Row(panel, row, y, placed);
        y += ParGen_Row_Step;
    }
}

bool TFParGen::Holds_Rows(const TPanel_Spec& spec) const
{
    // The panels bound to ParGen.xml, whatever the model.
    static const char* const bound[] = {"CP_Ethernet_Connection", "CP_EtherCAT_Slave", "CP_DeviceNet_Master",
                                        "CP_Ethernet"};
    const auto named = [&spec](const char* name) { return std::strcmp(name, spec.Name) == 0; };
    return std::any_of(model_.Panels.begin(), model_.Panels.end(), named) ||
           std::any_of(std::begin(bound), std::end(bound), named);
}

void TFParGen::Build_Row(TCategoryPanel* panel, const TPanel_Row& row, int y, TRow_Controls& placed)
{
    // Each control goes into the row's list with its offset from the row's label.
    const auto place = [&](TControl* c, const QString& n, int left, int top, int width, int height) {
        if (!n.isEmpty())
            c->Name = n;
        c->SetParent(panel);
        c->SetBounds(left, top, width, height);
        placed.Controls.push_back({c, top - y});
        return c;
    };
    const auto edit = [&](const QString& n, int left, int top, int width, int maxLength) {
        auto* e = new TEdit(this);
        place(e, n, left, top, width, 21);
        e->SetMaxLength(maxLength);
        e->ShowHint = true;
        e->OnChange = [this](TObject* s) { On_Change(s); };
        return e;
    };
    const auto label = [&](const QString& n, const QString& caption, int left) {
        auto* l = new TLabel(this);
        place(l, n, left, y, 0, 13);
        l->SetCaption(caption);
    };
    const auto check = [&](const QString& n, int left, int top, int width) {
        auto* c = new TCheckBox(this);
        place(c, n, left, top, width, 17);
        c->ShowHint = true;
        c->OnClick = [this](TObject* s) { On_Click(s); };
        return c;
    };
    const auto octets = [&](const QString& stem, int top) {
        for (int i = 0; i < 4; ++i) {
            if (i > 0)
                label(QString(), QStringLiteral("."), Input_Left + i * Octet_Step - 5);
            auto* e = edit(stem + QString::number(i + 1), Input_Left + i * Octet_Step, top, Octet_Width, 0);
            e->OnKeyPress = [this](TObject* s, char16_t& key) { KeyPress(s, key); };
            placed.Octets.push_back(e);
        }
    };

    const QString caption = QString::fromLatin1(row.Caption);
    const QString input = QString::fromLatin1(row.Input);
    switch (row.Kind) {
    case R::Edit:
    case R::Digits:
    case R::Label: {
        label(caption, QString(), Label_Left);
        TEdit* e = edit(input, Input_Left, y - 3, Input_Width, row.Max_Length);
        if (row.Value)
            e->SetText(QString::fromLatin1(row.Value));
        if (row.Kind == R::Digits)
            e->OnKeyPress = [](TObject*, char16_t& key) {
                if (key >= u' ' && (key < u'0' || key > u'9'))
                    key = 0;
            };
        break;
    }
    case R::Rich: {
        label(caption, QString(), Label_Left);
        auto* e = new TRichEdit(this);
        place(e, input, Input_Left, y - 3, Input_Width, 23);
        e->ShowHint = true;
        e->OnChange = [this](TObject* s) { On_Change(s); };
        break;
    }
    case R::List: {
        label(caption, QString(), Label_Left);
        auto* list = new TComboBox(this, csOwnerDrawFixed);
        place(list, input, Input_Left, y - 3, Input_Width, 22);
        list->ShowHint = true;
        for (const QString& item : row.Items)
            list->Items().Add(item);
        list->SetItemIndex(row.Items.isEmpty() ? -1 : 0);
        list->OnChange = [this](TObject* s) { On_Change(s); };
        break;
    }
    case R::Check:
        check(caption, Label_Left, y, Check_Width);
        break;
    case R::Header:
        label(caption, QString(), Label_Left);
        break;
    case R::Checks:
        label(caption, QString(), Label_Left);
        for (int i = 0; i < 3; ++i)
            check(input + QString::number(i + 1), Input_Left + i * Octet_Step, y, Octet_Width)
                ->SetCaption(QString::number(i + 1));
        break;
    case R::Address:
        label(caption, QString(), Label_Left);
        octets(input, y - 3);
        break;
    case R::Gateway:
        check(caption, Label_Left, y, Gateway_Check_Width);
        octets(input, y - 2);
        break;
    case R::Check_Edit:
        check(caption, Label_Left, y, Gateway_Check_Width);
        edit(input, Input_Left, y - 3, Input_Width, 0);
        break;
    }
}
