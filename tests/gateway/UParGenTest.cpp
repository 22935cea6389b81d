#include "gateway/UParGen.h"

#include "ProjectFixture.h"
#include "controls/button/OdButton.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "shell/ULanguage.h"
#include "support/TestSeams.h"

#include <iterator>
#include <memory>
#include <set>

namespace {

class ParGenForm : public ProjectFixture {
protected:
    void SetUp() override
    {
        ProjectFixture::SetUp();
        Load_Default_Language();
        form_ = std::make_unique<TFParGen>(nullptr);
        form_->DoCreate();
    }
    // Shows the form modally, runs act on it, and returns the modal result.
    TModalResult Run(const std::function<void(TFParGen&)>& act)
    {
        const ModalRunGuard guard([&](TCustomForm&) {
            act(*form_);
            return form_->ModalResult();
        });
        return form_->ShowModal();
    }
    std::unique_ptr<TFParGen> form_;
};

TEST_F(ParGenForm, ShowsTheFourPanelsOfTheModel)
{
    std::vector<QString> captions;
    int height = 0;
    for (int i = 0; i < form_->CPG->PanelCount(); ++i)
        if (TCategoryPanel* p = form_->CPG->Panels(i); p->Visible()) {
            captions.push_back(p->Caption() + QStringLiteral(" %1").arg(p->Height()));
            height += p->Height();
        }
    EXPECT_EQ(captions, (std::vector<QString>{"1. Ethernet Connection 206", "2. EtherCAT Slave 122",
                                              "3. DeviceNet Master 95", "4. Ethernet 123"}));
    EXPECT_EQ(height, 546);
    EXPECT_EQ(form_->ClientWidth(), 460);
    EXPECT_EQ(form_->Btn_OK->Left(), 217);
    EXPECT_EQ(form_->Btn_Cancel->Left(), 335);
    EXPECT_FALSE(form_->Edit(QStringLiteral("E_Ethernet_TCP_Port"))->Visible());
    EXPECT_FALSE(form_->Edit(QStringLiteral("E_Ethernet_UDP_Port"))->Visible());
    EXPECT_EQ(form_->Check(QStringLiteral("CB_EthConn_En_DHCP_Cable"))->Caption(),
              QStringLiteral("Obtain an IP Address Automatically (DHCP for Cable Connection)"));
    EXPECT_EQ(form_->Edit(QStringLiteral("E_Ethernet_GAT4"))->Hint,
              QStringLiteral("Insert Fourth byte of Default Gateway"));
    EXPECT_EQ(form_->Edit(QStringLiteral("E_EtherCAT_Slave_Node_Address"))->Hint,
              QStringLiteral("Insert the Node Address, from 1 to 192"));
}

TEST_F(ParGenForm, HeaderPictureFollowsTheCollapsedState)
{
    TCategoryPanel* panel = form_->Panel(QStringLiteral("CP_Ethernet"));
    // The expanded picture points down, the collapsed one right: only the first has this pixel.
    const auto marked = [panel] { return PaintToImage(*panel).pixel(7, 9) == qRgb(128, 128, 128); };
    EXPECT_TRUE(marked());
    panel->Collapse();
    EXPECT_FALSE(marked());
}

TEST_F(ParGenForm, CableDhcpDisablesTheEthernetAddress)
{
    TCheckBox* dhcp = form_->Check(QStringLiteral("CB_EthConn_En_DHCP_Cable"));
    const auto enabled = [this] {
        QString states;
        for (const char* name : {"E_Ethernet_IP1", "E_Ethernet_SM4", "E_Ethernet_GAT1", "CB_Ethernet_En_GAT"})
            states += form_->Control(QString::fromLatin1(name))->Enabled() ? u'1' : u'0';
        return states;
    };
    dhcp->SetChecked(true);
    EXPECT_EQ(enabled(), QStringLiteral("0000"));
    dhcp->SetChecked(false);
    EXPECT_EQ(enabled(), QStringLiteral("1111"));
    EXPECT_FALSE(form_->Check(QStringLiteral("CB_EthConn_En_DHCP_WiFi"))->Enabled());
}

TEST_F(ParGenForm, LoadsTheFileAndOkWritesIt)
{
    Write(File_ParGen, QStringLiteral("<Par_Gen><Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable>"
                                      "<Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>"
                                      "<DNETM_BAUDRATE>5</DNETM_BAUDRATE>"
                                      "<EtherCAT_Slave_Name>gw 1</EtherCAT_Slave_Name></Par_Gen>"));
    const TModalResult result = Run([](TFParGen& f) {
        EXPECT_EQ(f.Edit(QStringLiteral("E_EtherCAT_Slave_Name"))->Text(), QStringLiteral("gw 1"));
        EXPECT_FALSE(f.Edit(QStringLiteral("E_Ethernet_IP1"))->Enabled());
        EXPECT_EQ(f.List(QStringLiteral("CB_DeviceNet_Master_Baudrate"))->ItemIndex(), -1);
        f.Edit(QStringLiteral("E_Ethernet_IP4"))->SetText(QStringLiteral("7"));
        f.Btn_OK->Click();
    });
    EXPECT_EQ(result, mrOk);
    const QString file = QString::fromUtf8(Read(File_ParGen));
    for (const char* part : {"<Eth_Conn_DHCP_Cable>1<", "<Eth_Conn_DHCP_WiFi>0<", "<DNETM_BAUDRATE>-1<",
                             "<EtherCAT_Slave_Name>gw 1<", "<Ethernet_IP4>7<", "</Par_Gen><!--SW_VERSION = 1.000-->"})
        EXPECT_TRUE(file.contains(QLatin1String(part))) << part;
}

TEST_F(ParGenForm, ListChosenWithTheMouseLeavesOkToTheMouse)
{
    const TModalResult result = Run([](TFParGen& f) {
        TComboBox* baud = f.List(QStringLiteral("CB_DeviceNet_Master_Baudrate"));
        SendClick(*baud, {20, 10});
        SendComboListClick(*baud, 1);
        SendClick(*f.Btn_OK, {20, 10});
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(QString::fromUtf8(Read(File_ParGen)).contains(QLatin1String("<DNETM_BAUDRATE>1<")));
}

TEST_F(ParGenForm, FailedCheckShowsItsTextAndWritesNothing)
{
    MessageBoxRecorder boxes;
    const TModalResult result = Run([](TFParGen& f) {
        f.Check(QStringLiteral("CB_EthConn_En_DHCP_Cable"))->SetChecked(true);
        f.Edit(QStringLiteral("E_Ethernet_IP2"))->SetText(QStringLiteral("256"));
        f.Btn_OK->Click();
        f.Btn_Cancel->Click();
    });
    EXPECT_EQ(result, mrCancel);
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Kind, mtError);
    EXPECT_EQ(boxes.Shown[0].Text, QStringLiteral("Error Ethernet!! IP Address 2 must be between 0 and 255"));
    EXPECT_FALSE(QFile::exists(File_ParGen));
}

TEST_F(ParGenForm, DotMovesToTheNextOctet)
{
    Run([](TFParGen& f) {
        const auto dot = [&f](const char* from) {
            TEdit* edit = f.Edit(QString::fromLatin1(from));
            edit->SetFocus();
            char16_t key = u'.';
            f.KeyPress(edit, key);
            EXPECT_EQ(key, 0);
            return f.ActiveControl() ? f.ActiveControl()->Name : QString();
        };
        EXPECT_EQ(dot("E_Ethernet_IP4"), QStringLiteral("E_Ethernet_SM1"));
        EXPECT_EQ(dot("E_EthConn_Pri_DNS_IP4"), QStringLiteral("E_EthConn_Sec_DNS_IP1"));
        EXPECT_EQ(dot("E_Ethernet_GAT4"), QStringLiteral("E_Ethernet_GAT4"));
    });
}

TEST_F(ParGenForm, WheelScrollsThePanelsAndWidthStaysFixed)
{
    form_->SetClientWidth(600);
    EXPECT_EQ(form_->ClientWidth(), 460);
    form_->SetClientHeight(300);
    TControlScrollBar& bar = form_->CPG->VertScrollBar();
    bool handled = false;
    const TPoint title = form_->ClientToScreen(TPoint{20, 20});
    form_->FormMouseWheel(form_.get(), 0, -120, title, handled);
    EXPECT_FALSE(handled);
    EXPECT_EQ(bar.Position(), 0);
    const TPoint panels = form_->CPG->ClientToScreen(TPoint{20, 20});
    form_->FormMouseWheel(form_.get(), 0, -120, panels, handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(bar.Position(), WheelScrollLines() * bar.Increment());
    form_->FormMouseWheel(form_.get(), 0, 120, panels, handled);
    EXPECT_EQ(bar.Position(), 0);
}

TEST_F(ParGenForm, LanguageChangeKeepsThePanelTitles)
{
    Lang_Text.SetString(1544, QStringLiteral("Connexion"));
    Lang_Text.SetString(1545, QStringLiteral("Nom"));
    Change_Language();
    EXPECT_EQ(form_->Control(QStringLiteral("L_EthConn_Device_Name"))->Caption(), QStringLiteral("Nom"));
    EXPECT_EQ(form_->Panel(QStringLiteral("CP_Ethernet_Connection"))->Caption(),
              QStringLiteral("1. Ethernet Connection"));
    Load_Default_Language();
}

TEST_F(ParGenForm, EveryPanelTakesItsTextBlock)
{
    for (int n = 400; n < 1700; ++n)
        Lang_Text.SetString(n, QStringLiteral("T%1").arg(n));
    Change_Language();
    // The last text of a panel shows that its rows counted right.
    const struct {
        const char* control;
        int text;
    } cases[] = {{"E_EthConn_Sec_DNS_IP4", 1562},
                 {"E_EtherCAT_Slave_Node_Address", 988},
                 {"CB_DeviceNet_Master_Baudrate", 673},
                 {"E_Ethernet_UDP_Port", 719},
                 {"CB_Serial_StopBits", 457},
                 {"E_ModbusMaster_CyclicDelay", 471},
                 {"CB_ModbusSlave_ReadInput", 487},
                 {"E_ModbusTCPMaster_CyclicDelay", 510},
                 {"E_ModbusTCPSlave_Port", 435},
                 {"CB_CAN_Baudrate", 653},
                 {"E_CANopen_SDO_Timeout", 665},
                 {"E_DeviceNet_Slave_NumByteOut", 683},
                 {"E_DMX_ChannelNum", 691},
                 {"E_EtherNetIP_NByte_Out", 760},
                 {"E_IEC61850_Client_AppID", 800},
                 {"E_IEC61850_Server_Password", 817},
                 {"E_IEC61850_Server_GAT4", 833},
                 {"E_J1939_ID_Device", 855},
                 {"E_NTP_Poll_Time", 1319},
                 {"CB_NMEA2000_Peer_To_Peer", 1327},
                 {"E_OPC_UA_Client_GAT4", 1345},
                 {"E_OPC_UA_Server_Port", 1392},
                 {"E_SNMP_Manager_GAT4", 1466},
                 {"E_EtherNetIP_Master_Port", 1642},
                 {"E_S7_Protocol_GAT4", 1671},
                 {"CB_Select_Device_Device", 1612},
                 {"E_GSM_GPRS_Password", 1623},
                 {"E_PROFINET_Diagnostic", 1433},
                 {"E_BACnet_MSTP_Master_Device_Instance", 565},
                 {"CB_BACnet_Slave_Desc_32_Chars", 629},
                 {"CB_MQTT_QoSWill", 878},
                 {"CB_MQTT_RetainedConnection", 1578},
                 {"E_MQTT_SendTime", 884},
                 {"E_MQTT_ValueEnableReprogramming", 1586},
                 {"CB_WiFi2_Channel", 951},
                 {"E_TLS_Client_Cert_Key_Pass", 1314},
                 {"CB_TLS_Server_En_Known_Cert", 1543},
                 {"CB_SNMP_Agent_Version3", 1506},
                 {"CB_SNMP_Agent_PrivacyMode", 1518}};
    const struct {
        const char* control;
        int text;
    } captions[] = {{"L_SNMP_Manager_NameStation", 1467},
                    {"L_WiFi2_IP2", 907},
                    {"L_SNMP_Agent_Version", 1503},
                    {"CB_MQTT_PublishTopicConnection", 1571},
                    {"L_MQTT_Username", 879}};
    // Each panel is checked on a form of a model that shows it.
    std::set<QString> checked;
    for (const TParGen_Model& model : ParGen_Models()) {
        TFParGen form(nullptr, model.Index);
        form.DoCreate();
        const auto text = [&](const char* name, auto get, int n) {
            if (const TControl* c = form.Control(QString::fromLatin1(name))) {
                EXPECT_EQ(get(*c), QStringLiteral("T%1").arg(n)) << name << " " << model.Name;
                checked.insert(QString::fromLatin1(name));
            }
        };
        for (const auto& c : cases)
            text(
                c.control, [](const TControl& t) { return t.Hint; }, c.text);
        for (const auto& c : captions)
            text(
                c.control, [](const TControl& t) { return t.Caption(); }, c.text);
        if (const TCheckBox* version = form.Check(QStringLiteral("CB_SNMP_Agent_Version3"))) {
            EXPECT_EQ(version->Caption(), QStringLiteral("3"));
        }
        if (const TComboBox* channel = form.List(QStringLiteral("CB_WiFi2_Channel"))) {
            EXPECT_EQ(channel->Items().Count(), 12);
            EXPECT_EQ(channel->Items()[11], QStringLiteral("T963"));
        }
    }
    EXPECT_EQ(checked.size(), std::size(cases) + std::size(captions));
    Load_Default_Language();
}

TEST_F(ParGenForm, LanguageChangeRebuildsTheWifiLists)
{
    // A model that shows the Wi-Fi and the BACnet panels.
    const auto showing = [](const char* panel) {
        for (const TParGen_Model& model : ParGen_Models())
            for (const char* p : model.Panels)
                if (QLatin1String(p) == QLatin1String(panel))
                    return model.Index;
        return -1;
    };
    form_ = std::make_unique<TFParGen>(nullptr, showing("CP_WiFi2"));
    form_->DoCreate();
    const struct {
        const char* list;
        int chosen;
        const char* first;
    } cases[] = {{"CB_WiFi2_Type", 1, "Access Point"},
                 {"CB_WiFi2_Secure_Type", 3, "Unsecured"},
                 {"CB_WiFi2_Channel", 11, "Auto Search"}};
    for (const auto& c : cases)
        form_->List(QString::fromLatin1(c.list))->SetItemIndex(c.chosen);
    Change_Language();
    for (const auto& c : cases) {
        const TComboBox* list = form_->List(QString::fromLatin1(c.list));
        EXPECT_EQ(list->ItemIndex(), 0) << c.list;
        EXPECT_EQ(list->Items()[0], QString::fromLatin1(c.first)) << c.list;
    }
    form_ = std::make_unique<TFParGen>(nullptr, showing("CP_BACnet_Master"));
    form_->DoCreate();
    EXPECT_EQ(form_->Control(QStringLiteral("L_BACnet_Master_Type"))->Caption(), QStringLiteral("Type"));
    EXPECT_EQ(form_->Control(QStringLiteral("L_BACnet_IP_Master_IP"))->Caption(), QStringLiteral("IP Address"));
    form_ = std::make_unique<TFParGen>(nullptr, showing("CP_BACnet_Slave"));
    form_->DoCreate();
    EXPECT_EQ(form_->Control(QStringLiteral("L_BACnet_IP_Slave_IP"))->Caption(), QStringLiteral("IP Address"));
}

}  // namespace
