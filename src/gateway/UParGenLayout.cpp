// The layout of the general parameters form: stacking of the model's panels, their heights and the rows that
// show, move, enable or disable with the user's choices.
#include "gateway/UParGen.h"

#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "shell/UComonHelpers.h"
#include "shell/ULanguage.h"

namespace {

// The panel, its header and this margin make a panel's height.
constexpr int Bottom_Margin = 12;

}  // namespace

void TFParGen::Order_TAB_Panels()
{
    int top = 0;
    int k = 0;
    for (const char* name : model_.Panels) {
        TCategoryPanel* panel = Panel(QString::fromLatin1(name));
        // The group stacks its panels in the order they joined it.
        panel->SetPanelGroup(nullptr);
        panel->SetPanelGroup(CPG);
        panel->SetVisible(true);
        panel->SetTop(top);
        top += panel->Height();
        ++k;
        panel->SetCaption(
            QStringLiteral("%1. %2").arg(k).arg(Lang_Text[ParGen_Panel(QString::fromLatin1(name)).Title]));
        panel->SetTabOrder(k - 1);
    }
}

void TFParGen::Move_GroupBoxs()
{
    for (const char* name : model_.Panels)
        RePosition_Object(ParGen_Panel(QString::fromLatin1(name)));
    Apply_Model_Rule();
}

void TFParGen::RePosition_Object(const TPanel_Spec& spec)
{
    static const std::map<QString, void (TFParGen::*)()> rules{
        {QStringLiteral("CP_BACnet_Master"), &TFParGen::RePosition_Object_BACnet_Master},
        {QStringLiteral("CP_BACnet_Slave"), &TFParGen::RePosition_Object_BACnet_Slave},
        {QStringLiteral("CP_MQTT"), &TFParGen::RePosition_Object_MQTT},
        {QStringLiteral("CP_TLS"), &TFParGen::RePosition_Object_TLS},
        {QStringLiteral("CP_TLS_Server"), &TFParGen::RePosition_Object_TLS_Server},
        {QStringLiteral("CP_WiFi2"), &TFParGen::RePosition_Object_WiFi2},
        {QStringLiteral("CP_SNMP_Agent"), &TFParGen::RePosition_Object_SNMP_Agent},
    };
    for (const TPanel_Row& row : spec.Rows)
        if (row.Hidden)
            Hide_Rows({row.Caption});
    if (spec.Disabled)
        Control(QString::fromLatin1(spec.Disabled))->SetEnabled(false);
    if (const auto rule = rules.find(QString::fromLatin1(spec.Name)); rule != rules.end())
        (this->*rule->second)();
    if (spec.Cable_DHCP)
        Apply_Cable_DHCP(spec);
    if (spec.Height_Control)
        Fit_Panel_Height(spec.Name, QString::fromLatin1(spec.Height_Control));
}

void TFParGen::Apply_Model_Rule()
{
    switch (model_.Rule) {
    case TModel_Rule::None:
        break;
    case TModel_Rule::Ethernet_By_BACnet_Master:
        Panel(QStringLiteral("CP_Ethernet"))->SetVisible(Index("CB_BACnet_Master_Type") != 0);
        break;
    case TModel_Rule::Ethernet_By_BACnet_Slave:
        Panel(QStringLiteral("CP_Ethernet"))->SetVisible(Index("CB_BACnet_Slave_Type") != 0);
        break;
    case TModel_Rule::Select_Device: {
        const int device = Index("CB_Select_Device_Device");
        Set_Panel_Open("CP_WiFi2", device == 1);
        Set_Panel_Open("CP_GSM_GPRS", device != 0 && device != 1);
        break;
    }
    }
}

void TFParGen::Set_Panel_Open(const char* panel, bool open)
{
    TCategoryPanel* p = Panel(QString::fromLatin1(panel));
    p->SetEnabled(open);
    p->SetCollapsed(!open);
}

void TFParGen::Apply_Cable_DHCP(const TPanel_Spec& spec)
{
    const bool enabled = !Checked("CB_EthConn_En_DHCP_Cable");
    for (const TPanel_Row& row : spec.Rows)
        if (row.Kind == TRow_Kind::Address || row.Kind == TRow_Kind::Gateway)
            for (TControl* octet : Row(row.Caption).Octets)
                octet->SetEnabled(enabled);
    if (spec.Gateway_Check)
        Check(QString::fromLatin1(spec.Gateway_Check))->SetEnabled(enabled);
}

void TFParGen::Fit_Panel_Height(const char* panel, const QString& heightControl)
{
    const TControl* control = Control(heightControl);
    Panel(QString::fromLatin1(panel))
        ->SetHeight(control->Top() + control->Height() + CPG->HeaderHeight() + Bottom_Margin);
}

void TFParGen::Fit_Panel_To_Row(const char* panel, const char* row)
{
    Fit_Panel_Height(panel, Row(row).Controls.back().first->Name);
}

// ---- rows ----

const TFParGen::TRow_Controls& TFParGen::Row(const char* row) const
{
    return rows_.at(QString::fromLatin1(row));
}

void TFParGen::Place_Row(const char* row, int y)
{
    for (const auto& [control, offset] : Row(row).Controls) {
        control->SetTop(y + offset);
        control->SetVisible(true);
    }
}

int TFParGen::Place_Rows(Row_Names rows, int y)
{
    for (const char* row : rows) {
        Place_Row(row, y);
        y += ParGen_Row_Step;
    }
    return y;
}

void TFParGen::Hide_Rows(Row_Names rows)
{
    for (const char* row : rows)
        for (const auto& [control, offset] : Row(row).Controls)
            control->SetVisible(false);
}

void TFParGen::Enable_Rows(Row_Names rows, bool enabled)
{
    for (const char* row : rows) {
        const TRow_Controls& placed = Row(row);
        for (TControl* octet : placed.Octets)
            octet->SetEnabled(enabled);
        // A gateway row's check box.
        if (TCheckBox* check = Check(QString::fromLatin1(row)))
            check->SetEnabled(enabled);
    }
}

int TFParGen::Row_Top(const char* row) const
{
    return Row(row).Controls.front().first->Top();
}

bool TFParGen::Checked(const char* name) const
{
    return Check(QString::fromLatin1(name))->Checked();
}

int TFParGen::Index(const char* name) const
{
    return List(QString::fromLatin1(name))->ItemIndex();
}

// ---- the panels' own rules ----

// BACnet/IP shows the IP group at its place; BACnet MS/TP shows the MS/TP group in its stead. The rows
// after the groups follow the one shown.
void TFParGen::RePosition_BACnet(const TPanel_Spec& spec, const char* type)
{
    std::vector<const char*> ip;
    std::vector<const char*> mstp;
    std::vector<const char*> after;
    for (const TPanel_Row& row : spec.Rows) {
        const QByteArray name(row.Caption);
        if (name.contains("BACnet_IP_"))
            ip.push_back(row.Caption);
        else if (name.contains("BACnet_MSTP_"))
            mstp.push_back(row.Caption);
        else if (qstrcmp(row.Caption, spec.Rows.front().Caption) != 0)
            after.push_back(row.Caption);
    }
    const bool isIp = Index(type) == 0;
    for (const char* row : isIp ? mstp : ip)
        Hide_Rows({row});
    // The IP group keeps its place; the MS/TP group starts where the IP group does.
    int y = Row(ip.front()).Top;
    for (const char* row : isIp ? ip : mstp) {
        Place_Row(row, isIp ? Row(row).Top : y);
        y = Row_Top(row) + ParGen_Row_Step;
    }
    for (const char* row : after) {
        Place_Row(row, y);
        y += ParGen_Row_Step;
    }
    if (isIp)
        Apply_Cable_DHCP(spec);
    Fit_Panel_To_Row(spec.Name, !after.empty() ? after.back() : isIp ? ip.back() : mstp.back());
}

void TFParGen::RePosition_Object_BACnet_Master()
{
    RePosition_BACnet(ParGen_Panel(QStringLiteral("CP_BACnet_Master")), "CB_BACnet_Master_Type");
}

void TFParGen::RePosition_Object_BACnet_Slave()
{
    RePosition_BACnet(ParGen_Panel(QStringLiteral("CP_BACnet_Slave")), "CB_BACnet_Slave_Type");
}

void TFParGen::RePosition_Object_MQTT()
{
    for (const char* row : {"L_MQTT_Server_URL", "L_MQTT_Server_Port", "L_MQTT_Client_ID", "L_MQTT_Keep_Alive",
                            "CB_MQTT_CleanSession", "CB_MQTT_WillFlag"})
        Place_Row(row);
    const Row_Names will{"L_MQTT_TopicNameWill", "L_MQTT_MessageWill", "CB_MQTT_RetainedWill", "L_MQTT_QoSWill"};
    int y = Row(*will.begin()).Top;
    if (Checked("CB_MQTT_WillFlag")) {
        y = Place_Rows(will, y);
    } else {
        Hide_Rows(will);
    }
    y = Place_Rows({"CB_MQTT_PublishTopicConnection"}, y);
    const Row_Names connection{"L_MQTT_TopicNameConnection", "L_MQTT_MessageConnection", "CB_MQTT_RetainedConnection"};
    if (Checked("CB_MQTT_PublishTopicConnection")) {
        y = Place_Rows(connection, y);
    } else {
        Hide_Rows(connection);
    }
    Place_Rows({"L_MQTT_Username", "L_MQTT_Password"}, y);
    Hide_Rows({"L_MQTT_SendTime", "L_MQTT_TopicDALIAnswer", "CB_MQTT_EnableReprogramming",
               "L_MQTT_ReprogrammingTopicName", "L_MQTT_ValueEnableReprogramming"});
}

void TFParGen::RePosition_Object_TLS()
{
    const Row_Names server{"CB_TLS_En_Server_Auth", "L_TLS_Server_Cert"};
    const Row_Names client{"L_TLS_Client_Cert", "L_TLS_Client_Cert_Key", "L_TLS_Client_Cert_Key_Pass"};
    Place_Row("CB_TLS_Enable");
    if (!Checked("CB_TLS_Enable")) {
        Hide_Rows(server);
        Hide_Rows({"CB_TLS_En_Client_Auth"});
        Hide_Rows(client);
        Fit_Panel_To_Row("CP_TLS", "CB_TLS_Enable");
        return;
    }
    Place_Row("CB_TLS_En_Server_Auth");
    int y = Row_Top("CB_TLS_En_Server_Auth") + ParGen_Row_Step;
    if (Checked("CB_TLS_En_Server_Auth")) {
        Place_Row("L_TLS_Server_Cert");
        y = Edit(QStringLiteral("E_TLS_Server_Cert"))->Top() + ParGen_Row_Step;
    } else {
        Hide_Rows({"L_TLS_Server_Cert"});
    }
    y = Place_Rows({"CB_TLS_En_Client_Auth"}, y);
    if (Checked("CB_TLS_En_Client_Auth")) {
        Place_Rows(client, y);
        Fit_Panel_To_Row("CP_TLS", "L_TLS_Client_Cert_Key_Pass");
    } else {
        Hide_Rows(client);
        Fit_Panel_To_Row("CP_TLS", "CB_TLS_En_Client_Auth");
    }
}

void TFParGen::RePosition_Object_TLS_Server()
{
    const Row_Names rows{"L_TLS_Server_Key", "L_TLS_Server_Key_Pass", "L_TLS_Server_Server_Cert",
                         "L_TLS_Server_Root_Cert", "CB_TLS_Server_En_Known_Cert"};
    if (Checked("CB_TLS_Server_Enable")) {
        for (const char* row : rows)
            Place_Row(row);
        Fit_Panel_To_Row("CP_TLS_Server", "CB_TLS_Server_En_Known_Cert");
    } else {
        Hide_Rows(rows);
        Fit_Panel_To_Row("CP_TLS_Server", "CB_TLS_Server_Enable");
    }
}

void TFParGen::RePosition_Object_WiFi2()
{
    const Row_Names block1{"L_WiFi2_1_IP", "L_WiFi2_1_SM", "CB_WiFi2_1_En_GAT"};
    const Row_Names block2{"L_WiFi2_2_IP", "L_WiFi2_2_SM", "CB_WiFi2_2_En_GAT"};
    const Row_Names dhcp{"L_WiFi2_DHCP_First_IP", "L_WiFi2_DHCP_SM", "L_WiFi2_Lease_Time"};
    int y = Row_Top("L_WiFi2_Type") + ParGen_Row_Step;
    if (Index("CB_WiFi2_Type") == 0) {  // access point
        Hide_Rows({"L_WiFi2_IP1", "L_WiFi2_IP2"});
        Hide_Rows(block2);
        y = Place_Rows(block1, y);
        Enable_Rows(block1, true);
        y = Place_Rows({"L_WiFi2_SSID", "L_WiFi2_Secure_Type"}, y);
        if (Index("CB_WiFi2_Secure_Type") > 0)
            y = Place_Rows({"L_WiFi2_Password"}, y);
        else
            Hide_Rows({"L_WiFi2_Password"});
        y = Place_Rows({"CB_WiFi2_En_DHCP"}, y);
        if (Checked("CB_WiFi2_En_DHCP"))
            y = Place_Rows(dhcp, y);
        else
            Hide_Rows(dhcp);
        Place_Rows({"L_WiFi2_Max_Client", "L_WiFi2_Channel"}, y);
        Fit_Panel_To_Row("CP_WiFi2", "L_WiFi2_Channel");
        return;
    }
    // Station: one address block per IP protocol offered.
    QString first;
    QString second;
    const bool two = Get_WiFi_IP_Protocols(first, second) == 2;
    const bool enabled = !Checked("CB_EthConn_En_DHCP_WiFi");
    const auto block = [&](const char* header, int title, const QString& protocol, Row_Names rows) {
        if (two) {
            Control(QString::fromLatin1(header))->SetCaption(Lang_Text[title] + QStringLiteral(" - ") + protocol);
            y = Place_Rows({header}, y);
        } else {
            Hide_Rows({header});
        }
        y = Place_Rows(rows, y);
        Enable_Rows(rows, enabled);
    };
    block("L_WiFi2_IP1", 890, first, block1);
    if (two) {
        block("L_WiFi2_IP2", 907, second, block2);
    } else {
        Hide_Rows({"L_WiFi2_IP2"});
        Hide_Rows(block2);
    }
    Place_Rows({"L_WiFi2_SSID", "L_WiFi2_Password"}, y);
    Hide_Rows({"L_WiFi2_Secure_Type", "CB_WiFi2_En_DHCP", "L_WiFi2_Max_Client", "L_WiFi2_Channel"});
    Hide_Rows(dhcp);
    Fit_Panel_To_Row("CP_WiFi2", "L_WiFi2_Password");
}

void TFParGen::RePosition_Object_SNMP_Agent()
{
    const Row_Names authority{"L_SNMP_Agent_Authority", "L_SNMP_Agent_AuthorityMode"};
    const Row_Names privacy{"L_SNMP_Agent_Privacy", "L_SNMP_Agent_PrivacyMode"};
    if (!Checked("CB_SNMP_Agent_Version3")) {
        Hide_Rows({"L_SNMP_Agent_User", "L_SNMP_Agent_SecurityLevel"});
        Hide_Rows(authority);
        Hide_Rows(privacy);
        Fit_Panel_Height("CP_SNMP_Agent", QStringLiteral("CB_SNMP_Agent_Version3"));
        return;
    }
    Place_Row("L_SNMP_Agent_User");
    Place_Row("L_SNMP_Agent_SecurityLevel");
    // Level 0: no authority, no privacy; 1: authority only; any other: both.
    const int level = Index("CB_SNMP_Agent_SecurityLevel");
    const bool withAuthority = level != 0;
    const bool withPrivacy = level != 0 && level != 1;
    for (const char* row : authority)
        withAuthority ? Place_Row(row) : Hide_Rows({row});
    for (const char* row : privacy)
        withPrivacy ? Place_Row(row) : Hide_Rows({row});
    Fit_Panel_To_Row("CP_SNMP_Agent", withPrivacy     ? "L_SNMP_Agent_PrivacyMode"
                                      : withAuthority ? "L_SNMP_Agent_AuthorityMode"
                                                      : "L_SNMP_Agent_SecurityLevel");
}
