#include "gateway/UParGenFile.h"

#include "ProjectFixture.h"
#include "platform/SysUtils.h"
#include "shell/ULanguage.h"

namespace {

class ParGenFile : public ProjectFixture {
protected:
    TParGen_Values Load() { return Read_ParGen(File_ParGen); }
    void Write_File(const QString& body) { Write(File_ParGen, body); }
};

TEST_F(ParGenFile, MissingFileGivesDefaultsAndOkWritesThemInOrder)
{
    const TParGen_Values values = Load();
    EXPECT_EQ(values, ParGen_Defaults());
    Write_ParGen(File_ParGen, values);
    EXPECT_EQ(QString::fromUtf8(Read(File_ParGen)),
              QStringLiteral(
                  "<Par_Gen><Eth_Conn_Device_Name/><Eth_Conn_DHCP_Cable>0</Eth_Conn_DHCP_Cable>"
                  "<Eth_Conn_DHCP_WiFi>0</Eth_Conn_DHCP_WiFi><Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS>"
                  "<Eth_Conn_Primary_DNS1>8</Eth_Conn_Primary_DNS1><Eth_Conn_Primary_DNS2>8</Eth_Conn_Primary_DNS2>"
                  "<Eth_Conn_Primary_DNS3>8</Eth_Conn_Primary_DNS3><Eth_Conn_Primary_DNS4>8</Eth_Conn_Primary_DNS4>"
                  "<Eth_Conn_Secondary_DNS1>8</Eth_Conn_Secondary_DNS1>"
                  "<Eth_Conn_Secondary_DNS2>8</Eth_Conn_Secondary_DNS2>"
                  "<Eth_Conn_Secondary_DNS3>4</Eth_Conn_Secondary_DNS3>"
                  "<Eth_Conn_Secondary_DNS4>4</Eth_Conn_Secondary_DNS4>"
                  "<EtherCAT_Slave_Revision_Number>0</EtherCAT_Slave_Revision_Number>"
                  "<EtherCAT_Slave_Name>devicename1</EtherCAT_Slave_Name>"
                  "<EtherCAT_Slave_Node_Address>1</EtherCAT_Slave_Node_Address>"
                  "<DNETM_ID_DEV>0</DNETM_ID_DEV><DNETM_BAUDRATE>2</DNETM_BAUDRATE>"
                  "<Ethernet_IP1>192</Ethernet_IP1><Ethernet_IP2>168</Ethernet_IP2>"
                  "<Ethernet_IP3>0</Ethernet_IP3><Ethernet_IP4>5</Ethernet_IP4>"
                  "<Ethernet_SM1>255</Ethernet_SM1><Ethernet_SM2>255</Ethernet_SM2>"
                  "<Ethernet_SM3>255</Ethernet_SM3><Ethernet_SM4>0</Ethernet_SM4>"
                  "<Ethernet_GAT1>192</Ethernet_GAT1><Ethernet_GAT2>168</Ethernet_GAT2>"
                  "<Ethernet_GAT3>0</Ethernet_GAT3><Ethernet_GAT4>1</Ethernet_GAT4>"
                  "<Ethernet_EN_GAT>0</Ethernet_EN_GAT></Par_Gen><!--SW_VERSION = 1.000-->"));
}

TEST_F(ParGenFile, WrittenValuesReadBackUnchanged)
{
    TParGen_Values values = ParGen_Defaults();
    values[pg_Eth_Conn_Device_Name] = QStringLiteral(" gw <1> & co ");
    values[pg_Eth_Conn_DHCP_Cable] = QStringLiteral("1");
    values[pg_Eth_Conn_Enable_DNS] = QStringLiteral("1");
    values[pg_EtherCAT_Slave_Revision_Number] = QStringLiteral("0012");
    values[pg_DNETM_BAUDRATE] = QStringLiteral("0");
    values[pg_Ethernet_IP1 + 3] = QStringLiteral("x");
    values[pg_Ethernet_EN_GAT] = QStringLiteral("1");
    Write_ParGen(File_ParGen, values);
    EXPECT_EQ(Load(), values);
}

TEST_F(ParGenFile, EachKeyFallsBackOnItsOwn)
{
    // Another root name and a comment before it: the first element is the root.
    Write_File(
        QStringLiteral("<!--note--><Settings>"
                       "<EtherCAT_Slave_Name></EtherCAT_Slave_Name>"
                       "<Eth_Conn_Device_Name><a>x</a></Eth_Conn_Device_Name>"
                       "<Eth_Conn_DHCP_Cable>Y</Eth_Conn_DHCP_Cable>"
                       "<Eth_Conn_Enable_DNS>true</Eth_Conn_Enable_DNS>"
                       "<Ethernet_EN_GAT>1</Ethernet_EN_GAT>"
                       "<Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>"
                       "<Ethernet_IP1> 10 </Ethernet_IP1>"
                       "</Settings>"));
    TParGen_Values expected = ParGen_Defaults();
    expected[pg_EtherCAT_Slave_Name] = QString();
    expected[pg_Ethernet_EN_GAT] = QStringLiteral("1");
    expected[pg_Ethernet_IP1] = QStringLiteral(" 10 ");
    EXPECT_EQ(Load(), expected);
}

TEST_F(ParGenFile, BaudrateIndex)
{
    const struct {
        const char* stored;
        const char* loaded;
    } cases[] = {{"0", "0"}, {"1", "1"}, {"$2", "2"}, {"5", "-1"}, {"-1", "-1"}, {"abc", "2"}, {"", "2"}};
    for (const auto& c : cases) {
        Write_File(QStringLiteral("<Par_Gen><DNETM_BAUDRATE>%1</DNETM_BAUDRATE></Par_Gen>").arg(c.stored));
        EXPECT_EQ(Load()[pg_DNETM_BAUDRATE], QLatin1String(c.loaded)) << c.stored;
    }
}

TEST_F(ParGenFile, FileFaults)
{
    Write_File(QStringLiteral("<Par_Gen><EtherCAT_Slave_Name>a</Par_Gen>"));
    EXPECT_THROW(Load(), Exception);
    EXPECT_THROW(Write_ParGen(Path_Project + QStringLiteral("/missing/ParGen.xml"), ParGen_Defaults()), Exception);
}

TEST(ParGenNumber, Forms)
{
    const struct {
        const char* text;
        int64_t value;
    } cases[] = {{"12", 12},
                 {"  12", 12},
                 {"+7", 7},
                 {"-3", -3},
                 {"$ff", 255},
                 {"0x1F", 31},
                 {"x10", 16},
                 {" +x1F", 31},
                 {"", -1},
                 {"12 ", -1},
                 {"1.5", -1},
                 {"0xFFFFFFFF", 4294967295},
                 {"4294967296", 4294967296},
                 {"abc", -1}};
    for (const auto& c : cases)
        EXPECT_EQ(ParGen_Number(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(ParGenCheck, FirstFailureInStepOrder)
{
    const struct {
        std::vector<std::pair<int, const char*>> changes;
        std::optional<int> text;
    } cases[] = {
        {{}, std::nullopt},
        // DNS and gateway octets count only while their box is ticked.
        {{{pg_Eth_Conn_Primary_DNS1 + 2, "256"}, {pg_Ethernet_GAT1, "-1"}}, std::nullopt},
        {{{pg_Eth_Conn_Enable_DNS, "1"}, {pg_Eth_Conn_Primary_DNS1 + 2, "256"}, {pg_EtherCAT_Slave_Name, " "}}, 1565},
        {{{pg_Eth_Conn_Enable_DNS, "1"}, {pg_Eth_Conn_Secondary_DNS1 + 3, ""}}, 1570},
        {{{pg_EtherCAT_Slave_Revision_Number, "4294967295"}}, std::nullopt},
        {{{pg_EtherCAT_Slave_Revision_Number, "4294967296"}}, 412},
        {{{pg_EtherCAT_Slave_Revision_Number, ""}}, 412},
        {{{pg_EtherCAT_Slave_Name, "  "}}, 411},
        {{{pg_EtherCAT_Slave_Name, " a b "}}, std::nullopt},
        {{{pg_EtherCAT_Slave_Node_Address, "0"}}, 989},
        {{{pg_EtherCAT_Slave_Node_Address, "193"}}, 989},
        {{{pg_EtherCAT_Slave_Node_Address, "192"}, {pg_DNETM_ID_DEV, "63"}}, std::nullopt},
        {{{pg_DNETM_ID_DEV, "64"}}, 674},
        {{{pg_Eth_Conn_DHCP_Cable, "1"}, {pg_Ethernet_IP1 + 3, "300"}}, 723},
        {{{pg_Ethernet_SM1, "$100"}}, 724},
        {{{pg_Ethernet_EN_GAT, "1"}, {pg_Ethernet_GAT1 + 1, "a"}}, 729},
    };
    for (const auto& c : cases) {
        TParGen_Values values = ParGen_Defaults();
        for (const auto& [key, text] : c.changes)
            values[key] = QString::fromLatin1(text);
        EXPECT_EQ(ParGen_Check(values), c.text) << (c.text ? *c.text : 0);
    }
}

TEST(ParGenTexts, BuiltInEnglish)
{
    Load_Default_Language();
    EXPECT_EQ(Lang_Text[400], QStringLiteral("Set Communication"));
    EXPECT_EQ(Lang_Text[723], QStringLiteral("Error Ethernet!! IP Address 4 must be between 0 and 255"));
    EXPECT_EQ(Lang_Text[1547], QStringLiteral("Obtain an IP Address Automatically (DHCP for Cable Connection)"));
    EXPECT_EQ(Lang_Text[1570], QStringLiteral("Error Secondary DNS!! DNS 4 must be between 0 and 255"));
}

}  // namespace
