#include "gateway/UParGenPanels.h"

#include "controls/button/OdButton.h"
#include "gateway/UParGen.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "shell/ULanguage.h"

#include <deque>

namespace {

using R = TRow_Kind;

// Row geometry: labels at left 14, rows 28 apart; inputs at left 191, 3 above their label (the gateway
// octets 2 above); octets 55 wide at 191, 252, 313, 374 with "." labels between them.
constexpr int First_Row = 12;
constexpr int Row_Step = 28;
constexpr int Label_Left = 14;
constexpr int Input_Left = 191;
constexpr int Input_Width = 238;
constexpr int Octet_Width = 55;
constexpr int Octet_Step = 61;
constexpr int Check_Width = 415;
constexpr int Gateway_Check_Width = 175;


// Serial, Baudrate, Parity and Stop Bits lists, then the panel's further rows.
std::vector<TPanel_Row> Serial_Rows(const char* stem, std::vector<TPanel_Row> more = {})
{
    static std::deque<QByteArray> names;  // the rows keep pointers into these
    const auto keep = [](const QByteArray& n) { return names.emplace_back(n).constData(); };
    const QByteArray s(stem);
    std::vector<TPanel_Row> rows{
        {R::List, keep("L_" + s + "_Serial"), keep("CB_" + s + "_Serial"), 0, 0,
         {QStringLiteral("RS232"), QStringLiteral("RS485")}},
        {R::List, keep("L_" + s + "_Baudrate"), keep("CB_" + s + "_Baudrate"), 0, 0,
         {QStringLiteral("1200"), QStringLiteral("2400"), QStringLiteral("4800"), QStringLiteral("9600"),
          QStringLiteral("19200"), QStringLiteral("38400"), QStringLiteral("57600"), QStringLiteral("115200")}},
        {R::List, keep("L_" + s + "_Parity"), keep("CB_" + s + "_Parity"), 0, 0,
         {QStringLiteral("NONE"), QStringLiteral("ODD"), QStringLiteral("EVEN")}},
        {R::List, keep("L_" + s + "_StopBits"), keep("CB_" + s + "_StopBits"), 0, 0,
         {QStringLiteral("1"), QStringLiteral("2")}},
    };
    rows.insert(rows.end(), more.begin(), more.end());
    return rows;
}

// An address block (IP address, subnet mask, gateway), then the panel's further rows.
std::vector<TPanel_Row> Address_Rows(const char* stem, std::vector<TPanel_Row> more = {},
                                     const char* gatewayCheck = nullptr)
{
    static std::deque<QByteArray> names;
    const auto keep = [](const QByteArray& n) { return names.emplace_back(n).constData(); };
    const QByteArray s(stem);
    std::vector<TPanel_Row> rows{
        {R::Address, keep("L_" + s + "_IP"), keep("E_" + s + "_IP")},
        {R::Address, keep("L_" + s + "_SM"), keep("E_" + s + "_SM")},
        {R::Gateway, gatewayCheck ? gatewayCheck : keep("CB_" + s + "_En_GAT"), keep("E_" + s + "_GAT")},
    };
    rows.insert(rows.end(), more.begin(), more.end());
    return rows;
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
        {"CP_Ethernet_Connection", 1544, 1545,
         {
             {R::Edit, "L_EthConn_Device_Name", "E_EthConn_Device_Name", 0, 31},
             {R::Check, "CB_EthConn_En_DHCP_Cable", nullptr},
             {R::Check, "CB_EthConn_En_DHCP_WiFi", nullptr},
             {R::Check, "CB_EthConn_Enable_DNS", nullptr},
             {R::Address, "L_EthConn_Primary_DNS", "E_EthConn_Pri_DNS_IP"},
             {R::Address, "L_EthConn_Secondary_DNS", "E_EthConn_Sec_DNS_IP"},
         },
         "E_EthConn_Sec_DNS_IP4", false, nullptr, "CB_EthConn_En_DHCP_WiFi"},
        {"CP_EtherCAT_Slave", 406, 413,
         {
             {R::Digits, "L_EtherCAT_Slave_Revision_Number", "E_EtherCAT_Slave_Revision_Number"},
             {R::Edit, "L_EtherCAT_Slave_Name", "E_EtherCAT_Slave_Name", 0, 15},
             {R::Digits, "L_EtherCAT_Slave_Node_Address", "E_EtherCAT_Slave_Node_Address", 987},
         },
         "E_EtherCAT_Slave_Node_Address"},
        {"CP_DeviceNet_Master", 669, 670,
         {
             {R::Edit, "L_DeviceNet_Master_IDDevice", "E_DeviceNet_Master_IDDevice"},
             {R::List, "L_DeviceNet_Master_Baudrate", "CB_DeviceNet_Master_Baudrate", 0, 0,
              {QStringLiteral("125K"), QStringLiteral("250K"), QStringLiteral("500K")}},
         },
         "CB_DeviceNet_Master_Baudrate"},
        {"CP_Ethernet", 693, 694,
         {
             {R::Address, "L_Ethernet_IP", "E_Ethernet_IP"},
             {R::Address, "L_Ethernet_SM", "E_Ethernet_SM"},
             {R::Gateway, "CB_Ethernet_En_GAT", "E_Ethernet_GAT"},
             {R::Edit, "L_Ethernet_TCP_Port", "E_Ethernet_TCP_Port", 716, 0, {}, true},
             {R::Edit, "L_Ethernet_UDP_Port", "E_Ethernet_UDP_Port", 0, 0, {}, true},
         },
         "E_Ethernet_GAT4", true, "CB_Ethernet_En_GAT"},

        // The panels of the family's other models.
        {"CP_Serial", 449, 450, Serial_Rows("Serial"), "CB_Serial_StopBits"},
        {"CP_Modbus_Master", 459, 460,
         Serial_Rows("ModbusMaster",
                     {{R::Edit, "L_ModbusMaster_TimeOut", "E_ModbusMaster_TimeOut"},
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
         "E_ModbusTCPSlave_Port"},
        {"CP_CAN", 651, 652, {{R::List, "L_CAN_Baudrate", "CB_CAN_Baudrate", 0, 0, Can_Baudrates()}}, "CB_CAN_Baudrate"},
        {"CP_CANopen", 654, 655,
         {
             {R::Edit, "L_CANopen_IDDevice", "E_CANopen_IDDevice"},
             {R::List, "L_CANopen_Baudrate", "CB_CANopen_Baudrate", 0, 0, Can_Baudrates()},
             {R::Check, "CB_CANopen_Set_Operational", nullptr},
             {R::Check_Edit, "CB_CANopen_Network_Start", "E_CANopen_Network_Start_Delay"},
             {R::Edit, "L_CANopen_SDO_Timeout", "E_CANopen_SDO_Timeout"},
         },
         "E_CANopen_SDO_Timeout"},
        {"CP_DeviceNet_Slave", 675, 676,
         {
             {R::Edit, "L_DeviceNet_Slave_IDDevice", "E_DeviceNet_Slave_IDDevice"},
             {R::List, "L_DeviceNet_Slave_Baudrate", "CB_DeviceNet_Slave_Baudrate", 0, 0,
              {QStringLiteral("125K"), QStringLiteral("250K"), QStringLiteral("500K")}},
             {R::Edit, "L_DeviceNet_Slave_NumByteIn", "E_DeviceNet_Slave_NumByteIn"},
             {R::Edit, "L_DeviceNet_Slave_NumByteOut", "E_DeviceNet_Slave_NumByteOut"},
         },
         "E_DeviceNet_Slave_NumByteOut"},
        {"CP_DMX", 687, 688,
         {
             {R::List, "L_DMX_Type", "CB_DMX_Type", 0, 0, {QStringLiteral("IN"), QStringLiteral("OUT")}},
             {R::Edit, "L_DMX_ChannelNum", "E_DMX_ChannelNum"},
         },
         "E_DMX_ChannelNum"},
        {"CP_EtherNetIP", 738, 739,
         Address_Rows("EtherNetIP", {{R::Edit, "L_EtherNetIP_Port", "E_EtherNetIP_Port"},
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
        {"CP_J1939", 847, 848,
         {
             {R::List, "L_J1939_Baudrate", "CB_J1939_Baudrate", 0, 0, Can_Baudrates()},
             {R::Edit, "L_J1939_TimeOut", "E_J1939_TimeOut"},
             {R::Check, "CB_J1939_Peer_To_Peer", nullptr},
             {R::Edit, "L_J1939_ID_Device", "E_J1939_ID_Device"},
         },
         "E_J1939_ID_Device"},
        {"CP_NTP", 1315, 1316,
         {
             {R::Edit, "L_NTP_Server_URL", "E_NTP_Server_URL"},
             {R::Edit, "L_NTP_Poll_Time", "E_NTP_Poll_Time"},
         },
         "E_NTP_Poll_Time"},
        {"CP_NMEA2000", 1321, 1322,
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
         Address_Rows("EtherNetIP_Master", {{R::Edit, "L_EtherNetIP_Master_Port", "E_EtherNetIP_Master_Port"}}),
         "E_EtherNetIP_Master_Port", true, nullptr, "E_EtherNetIP_Master_Port"},
        {"CP_S7_Protocol", 1655, 1656, Address_Rows("S7_Protocol"), "E_S7_Protocol_GAT4", true},
        {"CP_Select_Device", 1610, 1611,
         {{R::List, "L_Select_Device_Device", "CB_Select_Device_Device", 0, 0,
           {QStringLiteral("Only Ethernet Cable "), QStringLiteral("Ethernet Cable + Wi-Fi"),
            QStringLiteral("Ethernet Cable + Mobile Connection")}}},
         "CB_Select_Device_Device"},
        {"CP_GSM_GPRS", 1613, 1614,
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

const std::vector<const char*>& ParGen_Model_Panels()
{
    static const std::vector<const char*> gx59{"CP_Ethernet_Connection", "CP_EtherCAT_Slave", "CP_DeviceNet_Master",
                                               "CP_Ethernet"};
    return gx59;
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
    return name == QLatin1String("CB_EthConn_En_DHCP_Cable") || name == QLatin1String("CB_EthConn_En_DHCP_WiFi");
}

// ---- building and layout of the form's panels ----

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

    const auto name = [](TControl* c, const QString& n) {
        c->Name = n;
        return c;
    };
    const auto place = [&](TControl* c, int left, int top, int width, int height) {
        c->SetParent(panel);
        c->SetBounds(left, top, width, height);
    };
    const auto edit = [&](const QString& n, int left, int top, int width, int maxLength) {
        auto* e = new TEdit(this);
        name(e, n);
        place(e, left, top, width, 21);
        e->SetMaxLength(maxLength);
        e->ShowHint = true;
        e->OnChange = [this](TObject* s) { On_Change(s); };
        return e;
    };
    const auto label = [&](const QString& n, const QString& caption, int left, int top) {
        auto* l = new TLabel(this);
        if (!n.isEmpty())
            name(l, n);
        place(l, left, top, 0, 13);
        l->SetCaption(caption);
    };
    const auto check = [&](const QString& n, int top, int width) {
        auto* c = new TCheckBox(this);
        name(c, n);
        place(c, Label_Left, top, width, 17);
        c->ShowHint = true;
        c->OnClick = [this](TObject* s) { On_Click(s); };
    };
    const auto octets = [&](const QString& stem, int top) {
        for (int i = 0; i < 4; ++i) {
            if (i > 0)
                label(QString(), QStringLiteral("."), Input_Left + i * Octet_Step - 5, top + 3);
            auto* e = edit(stem + QString::number(i + 1), Input_Left + i * Octet_Step, top, Octet_Width, 0);
            e->OnKeyPress = [this](TObject* s, char16_t& key) { KeyPress(s, key); };
        }
    };

    int y = First_Row;
    for (const TPanel_Row& row : spec.Rows) {
        const QString caption = QString::fromLatin1(row.Caption);
        const QString input = QString::fromLatin1(row.Input);
        switch (row.Kind) {
        case R::Edit:
        case R::Digits:
        case R::Label: {
            label(caption, QString(), Label_Left, y);
            auto* e = edit(input, Input_Left, y - 3, Input_Width, row.Max_Length);
            if (row.Kind == R::Digits)
                e->OnKeyPress = [](TObject*, char16_t& key) {
                    if (key >= u' ' && (key < u'0' || key > u'9'))
                        key = 0;
                };
            break;
        }
        case R::List: {
            label(caption, QString(), Label_Left, y);
            auto* list = new TComboBox(this);
            name(list, input);
            place(list, Input_Left, y - 3, Input_Width, 22);
            list->SetStyle(csOwnerDrawFixed);
            list->ShowHint = true;
            for (const QString& item : row.Items)
                list->Items().Add(item);
            list->OnChange = [this](TObject* s) { On_Change(s); };
            break;
        }
        case R::Check:
            check(caption, y, Check_Width);
            break;
        case R::Address:
            label(caption, QString(), Label_Left, y);
            octets(input, y - 3);
            break;
        case R::Gateway:
            check(caption, y, Gateway_Check_Width);
            octets(input, y - 2);
            break;
        case R::Check_Edit:
            check(caption, y, Gateway_Check_Width);
            edit(input, Input_Left, y - 3, Input_Width, 0);
            break;
        }
        y += Row_Step;
    }
}

void TFParGen::Order_TAB_Panels()
{
    int top = 0;
    int k = 0;
    for (const char* name : ParGen_Model_Panels()) {
        TCategoryPanel* panel = Panel(QString::fromLatin1(name));
        // The group stacks its panels in the order they joined it.
        panel->SetPanelGroup(nullptr);
        panel->SetPanelGroup(CPG);
        panel->SetVisible(true);
        panel->SetTop(top);
        top += panel->Height();
        ++k;
        const auto spec = std::find_if(ParGen_Panels().begin(), ParGen_Panels().end(),
                                       [name](const TPanel_Spec& s) { return qstrcmp(s.Name, name) == 0; });
        panel->SetCaption(QStringLiteral("%1. %2").arg(k).arg(Lang_Text[spec->Title]));
        panel->SetTabOrder(k - 1);
    }
}

void TFParGen::Move_GroupBoxs()
{
    for (const char* name : ParGen_Model_Panels())
        for (const TPanel_Spec& spec : ParGen_Panels())
            if (qstrcmp(spec.Name, name) == 0)
                RePosition_Panel(spec);
}

void TFParGen::RePosition_Panel(const TPanel_Spec& spec)
{
    for (const TPanel_Row& row : spec.Rows)
        if (row.Hidden) {
            Control(QString::fromLatin1(row.Caption))->SetVisible(false);
            Control(QString::fromLatin1(row.Input))->SetVisible(false);
        }
    if (spec.Disabled)
        Control(QString::fromLatin1(spec.Disabled))->SetEnabled(false);
    if (spec.Cable_DHCP)
        Apply_Cable_DHCP(spec);
    Fit_Panel_Height(Panel(QString::fromLatin1(spec.Name)), QString::fromLatin1(spec.Height_Control));
}

void TFParGen::Apply_Cable_DHCP(const TPanel_Spec& spec)
{
    const bool enabled = !Check(QStringLiteral("CB_EthConn_En_DHCP_Cable"))->Checked();
    for (const TPanel_Row& row : spec.Rows)
        if (row.Kind == R::Address || row.Kind == R::Gateway)
            for (int i = 1; i <= 4; ++i)
                Edit(QString::fromLatin1(row.Input) + QString::number(i))->SetEnabled(enabled);
    if (spec.Gateway_Check)
        Check(QString::fromLatin1(spec.Gateway_Check))->SetEnabled(enabled);
}

void TFParGen::Fit_Panel_Height(TCategoryPanel* panel, const QString& heightControl)
{
    const TControl* control = Control(heightControl);
    panel->SetHeight(control->Top() + control->Height() + CPG->HeaderHeight() + 12);
}
