#include "gateway/UParGenPanels.h"

#include "controls/button/OdButton.h"
#include "gateway/UParGen.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "shell/ULanguage.h"

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
        case R::Digits: {
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
