// The general parameters form laid out for each model of the family.
#include "gateway/UParGen.h"

#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "shell/ULanguage.h"
#include "support/TestSeams.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <memory>

namespace {

class ModelForm : public ::testing::Test {
protected:
    void SetUp() override { Load_Default_Language(); }
    TFParGen& Form(int model)
    {
        form_ = std::make_unique<TFParGen>(nullptr, model);
        form_->DoCreate();
        return *form_;
    }
    // A user's choice: the control takes the value and reports the change.
    void Choose(const char* list, int index)
    {
        TComboBox* l = form_->List(QString::fromLatin1(list));
        l->SetItemIndex(index);
        form_->On_Change(l);
    }
    void Tick(const char* box, bool checked)
    {
        TCheckBox* c = form_->Check(QString::fromLatin1(box));
        c->SetChecked(checked);
        form_->On_Click(c);
    }
    int Top(const char* name) const { return form_->Control(QString::fromLatin1(name))->Top(); }
    bool Shown(const char* name) const { return form_->Control(QString::fromLatin1(name))->Visible(); }
    int Height(const char* panel) const { return form_->Panel(QString::fromLatin1(panel))->ExpandedHeight(); }
    // The visible panels top to bottom, with their captions.
    QStringList Panels() const
    {
        QStringList captions;
        for (int i = 0; i < form_->CPG->PanelCount(); ++i)
            if (TCategoryPanel* p = form_->CPG->Panels(i); p->Visible())
                captions << p->Caption();
        return captions;
    }

    std::unique_ptr<TFParGen> form_;
};

TEST_F(ModelForm, EveryModelStacksItsPanelsNumbered)
{
    for (const TParGen_Model& model : ParGen_Models()) {
        Form(model.Index);
        QStringList expected;
        int k = 0;
        for (const char* name : model.Panels)
            expected << QStringLiteral("%1. %2").arg(++k).arg(Lang_Text[ParGen_Panel(QString::fromLatin1(name)).Title]);
        // The BACnet models start with BACnet/IP, which hides the Ethernet panel.
        if (model.Rule == TModel_Rule::Ethernet_By_BACnet_Master || model.Rule == TModel_Rule::Ethernet_By_BACnet_Slave)
            expected.removeAt(3);
        EXPECT_EQ(Panels(), expected) << model.Name;
    }
    EXPECT_THROW(ParGen_Model(18), std::out_of_range);
    EXPECT_THROW(ParGen_Model(29), std::out_of_range);
}

TEST_F(ModelForm, FormCarriesEveryPanelAndTheRowsOfThoseItShows)
{
    // The panels bound to ParGen.xml have their rows in every model.
    const QStringList bound{"CP_Ethernet_Connection", "CP_EtherCAT_Slave", "CP_DeviceNet_Master", "CP_Ethernet"};
    for (const TParGen_Model& model : ParGen_Models()) {
        TFParGen& form = Form(model.Index);
        EXPECT_EQ(form.CPG->PanelCount(), 34);
        for (const TPanel_Spec& spec : ParGen_Panels()) {
            const QString name = QString::fromLatin1(spec.Name);
            const bool shown = std::any_of(model.Panels.begin(), model.Panels.end(),
                                           [&name](const char* p) { return name == QLatin1String(p); });
            for (const TPanel_Row& row : spec.Rows)
                EXPECT_EQ(form.Control(QString::fromLatin1(row.Caption)) != nullptr, shown || bound.contains(name))
                    << model.Name << " " << spec.Name << " " << row.Caption;
        }
    }
    int octets = 0;
    TFParGen& form = Form(ParGen_Build_Model);
    for (int i = 0; i < form.ComponentCount(); ++i)
        if (const auto* edit = dynamic_cast<const TEdit*>(form.Components(i)); edit && edit->Width() == 55)
            ++octets;
    EXPECT_EQ(octets, 4 * 5);
}

TEST_F(ModelForm, BACnetTypeSwapsTheGroupsAndTheEthernetPanel)
{
    Form(5);
    EXPECT_TRUE(Shown("E_BACnet_IP_Master_TimeOut_Polling"));
    EXPECT_FALSE(Shown("CB_BACnet_MSTP_Master_Baudrate"));
    EXPECT_EQ(Height("CP_BACnet_Master"), 205 + 21 + 36);
    Choose("CB_BACnet_Master_Type", 1);
    EXPECT_FALSE(Shown("E_BACnet_IP_Master_IP1"));
    EXPECT_FALSE(Shown("L_BACnet_IP_Master_TimeOut_Polling"));
    EXPECT_EQ(Top("CB_BACnet_MSTP_Master_Baudrate"), Top("E_BACnet_IP_Master_IP1"));
    EXPECT_EQ(Top("L_BACnet_MSTP_Master_Baudrate"), Top("L_BACnet_IP_Master_IP"));
    EXPECT_EQ(Top("E_BACnet_MSTP_Master_Device_Instance"), 37 + 6 * 28);
    EXPECT_EQ(Panels().last(), QStringLiteral("4. Ethernet"));
    Choose("CB_BACnet_Master_Type", 0);
    EXPECT_EQ(Panels().size(), 3);

    Form(6);
    EXPECT_EQ(Top("CB_BACnet_Slave_Desc_32_Chars"), Top("L_BACnet_IP_Slave_Device_ID") + 28);
    Choose("CB_BACnet_Slave_Type", 1);
    EXPECT_EQ(Top("CB_BACnet_Slave_Desc_32_Chars"), Top("L_BACnet_MSTP_Slave_NetWork") + 28);
    EXPECT_EQ(Height("CP_BACnet_Slave"), 40 + 8 * 28 + 17 + 36);
    EXPECT_EQ(Panels().size(), 4);
}

TEST_F(ModelForm, CableDhcpSwitchesEachPanelsOwnBlock)
{
    const struct {
        int model;
        const char* octet;
        const char* gateway;  // the check box switched with the octets, or none
    } cases[] = {{3, "E_ModbusTCPMaster_GAT1", "CB_ModbusTCPMaster_En_GAT"},
                 {4, "E_ModbusTCPSlave_IP1", "CB_ModbusTCPSlave_En_GAT"},
                 {5, "E_BACnet_IP_Master_SM4", "CB_BACnet_IP_Master_GAT"},
                 {25, "E_SNMP_Agent_IP3", "CB_SNMP_Agent_GAT"},
                 {26, "E_EtherNetIP_Master_GAT4", nullptr},
                 {28, "E_S7_Protocol_IP1", nullptr}};
    for (const auto& c : cases) {
        Form(c.model);
        Tick("CB_EthConn_En_DHCP_Cable", true);
        EXPECT_FALSE(form_->Control(QString::fromLatin1(c.octet))->Enabled()) << c.model;
        if (c.gateway) {
            EXPECT_FALSE(form_->Control(QString::fromLatin1(c.gateway))->Enabled()) << c.model;
        }
        Tick("CB_EthConn_En_DHCP_Cable", false);
        EXPECT_TRUE(form_->Control(QString::fromLatin1(c.octet))->Enabled()) << c.model;
        if (c.gateway) {
            EXPECT_TRUE(form_->Control(QString::fromLatin1(c.gateway))->Enabled()) << c.model;
        }
    }
    Form(26);
    EXPECT_EQ(form_->Edit(QStringLiteral("E_EtherNetIP_Master_Port"))->Text(), QStringLiteral("44818"));
    EXPECT_FALSE(form_->Edit(QStringLiteral("E_EtherNetIP_Master_Port"))->Enabled());
}

TEST_F(ModelForm, MqttRowsFollowTheWillAndConnectionFlags)
{
    Form(17);
    const struct {
        bool will;
        bool publish;
        int publishTop;
        int usernameTop;
    } cases[] = {{false, false, 180, 208}, {true, false, 292, 320}, {false, true, 180, 292}, {true, true, 292, 404}};
    for (const auto& c : cases) {
        Tick("CB_MQTT_WillFlag", c.will);
        Tick("CB_MQTT_PublishTopicConnection", c.publish);
        EXPECT_EQ(Top("CB_MQTT_PublishTopicConnection"), c.publishTop);
        EXPECT_EQ(Shown("CB_MQTT_QoSWill"), c.will);
        EXPECT_EQ(Shown("E_MQTT_MessageConnection"), c.publish);
        EXPECT_EQ(Top("L_MQTT_Username"), c.usernameTop);
        EXPECT_EQ(Top("E_MQTT_Password"), c.usernameTop + 25);
        EXPECT_EQ(Height("CP_MQTT"), c.usernameTop + 25 + 23 + 36);
        EXPECT_FALSE(Shown("E_MQTT_SendTime"));
        EXPECT_FALSE(Shown("CB_MQTT_EnableReprogramming"));
    }
}

TEST_F(ModelForm, TlsRowsFollowTheirSwitches)
{
    Form(17);
    EXPECT_FALSE(Shown("CB_TLS_En_Server_Auth"));
    EXPECT_EQ(Height("CP_TLS"), 12 + 17 + 36);
    Tick("CB_TLS_Enable", true);
    EXPECT_EQ(Top("CB_TLS_En_Client_Auth"), 68);
    EXPECT_EQ(Height("CP_TLS"), 68 + 17 + 36);
    Tick("CB_TLS_En_Server_Auth", true);
    Tick("CB_TLS_En_Client_Auth", true);
    // The cursor goes on from the certificate edit, 3 above its label.
    EXPECT_EQ(Top("CB_TLS_En_Client_Auth"), 65 + 28);
    EXPECT_EQ(Top("E_TLS_Client_Cert_Key_Pass"), 93 + 3 * 28 - 3);
    EXPECT_EQ(Height("CP_TLS"), 174 + 21 + 36);
    Tick("CB_TLS_Enable", false);
    EXPECT_FALSE(Shown("E_TLS_Client_Cert"));
    EXPECT_FALSE(Shown("CB_TLS_En_Client_Auth"));

    Form(15);
    EXPECT_EQ(Height("CP_TLS_Server"), 65);
    EXPECT_FALSE(Shown("E_TLS_Server_Key"));
    Tick("CB_TLS_Server_Enable", true);
    EXPECT_TRUE(Shown("E_TLS_Server_Root_Cert"));
    EXPECT_EQ(Height("CP_TLS_Server"), 152 + 17 + 36);
}

TEST_F(ModelForm, WifiRowsFollowTypeSecurityAndDhcp)
{
    Form(17);
    EXPECT_FALSE(Shown("L_WiFi2_IP1"));
    EXPECT_FALSE(Shown("L_WiFi2_2_IP"));
    EXPECT_FALSE(Shown("E_WiFi2_Password"));
    EXPECT_FALSE(Shown("E_WiFi2_DHCP_First_IP1"));
    EXPECT_EQ(Top("L_WiFi2_1_IP"), 40);
    EXPECT_EQ(Top("L_WiFi2_Channel"), 236);
    Choose("CB_WiFi2_Secure_Type", 2);
    Tick("CB_WiFi2_En_DHCP", true);
    EXPECT_EQ(Top("L_WiFi2_Password"), 180);
    EXPECT_EQ(Top("E_WiFi2_DHCP_SM4"), 264 - 3);
    EXPECT_EQ(Top("L_WiFi2_Channel"), 348);
    EXPECT_EQ(Height("CP_WiFi2"), 345 + 22 + 36);

    // Station: one protocol, so no header labels; the Wi-Fi DHCP switch acts on the block.
    form_->Check(QStringLiteral("CB_EthConn_En_DHCP_WiFi"))->SetChecked(true);
    Choose("CB_WiFi2_Type", 1);
    EXPECT_FALSE(Shown("L_WiFi2_IP1"));
    EXPECT_FALSE(Shown("CB_WiFi2_Channel"));
    EXPECT_FALSE(Shown("E_WiFi2_DHCP_First_IP1"));
    EXPECT_EQ(Top("L_WiFi2_Password"), 152);
    EXPECT_EQ(Height("CP_WiFi2"), 149 + 21 + 36);
    EXPECT_FALSE(form_->Edit(QStringLiteral("E_WiFi2_1_GAT4"))->Enabled());
    EXPECT_FALSE(form_->Check(QStringLiteral("CB_WiFi2_1_En_GAT"))->Enabled());
    Choose("CB_WiFi2_Type", 0);
    EXPECT_TRUE(form_->Edit(QStringLiteral("E_WiFi2_1_GAT4"))->Enabled());
}

TEST_F(ModelForm, SnmpAgentRowsFollowVersionAndSecurityLevel)
{
    Form(25);
    EXPECT_FALSE(Shown("E_SNMP_Agent_User"));
    EXPECT_EQ(Height("CP_SNMP_Agent"), Top("CB_SNMP_Agent_Version3") + 17 + 36);
    Tick("CB_SNMP_Agent_Version3", true);
    const struct {
        int level;
        bool authority;
        bool privacy;
        const char* bottom;
    } cases[] = {{0, false, false, "CB_SNMP_Agent_SecurityLevel"},
                 {1, true, false, "CB_SNMP_Agent_AuthorityMode"},
                 {2, true, true, "CB_SNMP_Agent_PrivacyMode"},
                 {-1, true, true, "CB_SNMP_Agent_PrivacyMode"}};
    for (const auto& c : cases) {
        Choose("CB_SNMP_Agent_SecurityLevel", c.level);
        EXPECT_TRUE(Shown("E_SNMP_Agent_User"));
        EXPECT_EQ(Shown("CB_SNMP_Agent_AuthorityMode"), c.authority) << c.level;
        EXPECT_EQ(Shown("E_SNMP_Agent_Privacy"), c.privacy) << c.level;
        EXPECT_EQ(Height("CP_SNMP_Agent"), Top(c.bottom) + 22 + 36) << c.level;
    }
}

TEST_F(ModelForm, SelectedDeviceOpensItsPanel)
{
    Form(17);
    TCategoryPanel* wifi = form_->Panel(QStringLiteral("CP_WiFi2"));
    TCategoryPanel* gsm = form_->Panel(QStringLiteral("CP_GSM_GPRS"));
    const auto state = [&] {
        return QStringLiteral("%1%2 %3%4")
            .arg(wifi->Enabled())
            .arg(wifi->Collapsed())
            .arg(gsm->Enabled())
            .arg(gsm->Collapsed());
    };
    EXPECT_EQ(state(), QStringLiteral("01 01"));
    SendClick(*wifi, TPoint{20, 10});
    EXPECT_TRUE(wifi->Collapsed());
    Choose("CB_Select_Device_Device", 1);
    EXPECT_EQ(state(), QStringLiteral("10 01"));
    Choose("CB_Select_Device_Device", 2);
    EXPECT_EQ(state(), QStringLiteral("01 10"));
}

}  // namespace
