#include <gtest/gtest.h>
#include <QLocale>
#include <array>
#include "shell/UComon.h"
#include "shell/UComonHelpers.h"

TEST(AddressHelpers, SplitIPAddress)
{
    struct Case {
        const char* text;
        bool valid;
        std::array<const char*, 4> parts;
    } cases[] = {
        {"  192.168.1.10 ", true, {"192", "168", "1", "10"}},
        {"192 . 168. 1 .10", true, {"192", "168", "1", "10"}},
        {"0.0.0.0", true, {"0", "0", "0", "0"}},
        {"192.168.1", false, {"192", "168", "", ""}},
        {"1.2.3.4.5", false, {"1", "2", "3", "4.5"}},
        {"256.1.1.1", false, {"256", "1", "1", "1"}},
        {"a.1.1.1", false, {"a", "1", "1", "1"}},
        {"1.-1.1.1", false, {"1", "-1", "1", "1"}},
        {"", false, {"", "", "", ""}},
    };
    for (const Case& c : cases) {
        QString a, b, cc, d;
        EXPECT_EQ(Split_IP_Address(c.text, a, b, cc, d), c.valid) << c.text;
        EXPECT_EQ(QStringList({a, b, cc, d}), QStringList({c.parts[0], c.parts[1], c.parts[2], c.parts[3]})) << c.text;
    }
}

TEST(AddressHelpers, IPToBytesAnswersTrueOnError)
{
    struct Case {
        const char* text;
        bool error;
        std::array<int, 4> bytes;
    } cases[] = {
        {"10.0.0.1", false, {10, 0, 0, 1}}, {"10.0.0.300", true, {10, 0, 0, 0}}, {"1.2.3", true, {1, 2, 0, 3}},
        {"1.2.3.4 ", true, {1, 2, 3, 0}},   {" 1.2.3.4", true, {0, 2, 3, 4}},    {"1.2.3.4.5", true, {1, 2, 3, 0}},
        {"x", true, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        std::uint8_t b[4] = {9, 9, 9, 9};
        EXPECT_EQ(IP_To_Bytes(c.text, b[0], b[1], b[2], b[3]), c.error) << c.text;
        EXPECT_EQ((std::array<int, 4>{b[0], b[1], b[2], b[3]}), c.bytes) << c.text;
    }
    std::uint8_t b[4] = {9, 8, 7, 6};
    EXPECT_TRUE(IP_To_Bytes("", b[0], b[1], b[2], b[3]));
    EXPECT_EQ((std::array<int, 4>{b[0], b[1], b[2], b[3]}), (std::array<int, 4>{9, 8, 7, 6}));
}

TEST(AddressHelpers, IPPortToBytes)
{
    struct Case {
        const char* text;
        bool valid;
        std::array<int, 5> out;
    } cases[] = {
        {"192.168.0.1:502", true, {192, 168, 0, 1, 502}},
        {" 10 . 0 . 0 . 7 : 65535 ", true, {10, 0, 0, 7, 65535}},
        {"192.168.0.1", false, {}},
        {"192.168.0.1:70000", false, {}},
        {"192.168.0.1:", false, {}},
        {"192.168.0:502", false, {}},
        {"192.168.0.256:502", false, {}},
        {"", false, {}},
        {":", false, {}},
    };
    for (const Case& c : cases) {
        std::uint8_t b[4] = {9, 9, 9, 9};
        std::uint16_t port = 9;
        EXPECT_EQ(IP_Port_To_Bytes(c.text, b[0], b[1], b[2], b[3], port), c.valid) << c.text;
        EXPECT_EQ((std::array<int, 5>{b[0], b[1], b[2], b[3], port}), c.out) << c.text;
    }
}

TEST(OpcUaHelpers, CodeTables)
{
    EXPECT_EQ(OPC_UA_IdType_To_Str(4), "Guid");
    EXPECT_EQ(OPC_UA_IdType_To_Str(1), "");
    EXPECT_EQ(Str_To_OPC_UA_IdType("bytestring"), 5);
    EXPECT_EQ(Str_To_OPC_UA_IdType("Opaque"), 0);
    EXPECT_EQ(OPC_UA_DataType_To_Str(14), "ByteString");
    EXPECT_EQ(OPC_UA_DataType_To_Str(15), "");
    EXPECT_EQ(OPC_UA_DataType_To_Str(-1), "");
    EXPECT_EQ(OPC_UA_Auth_To_Str(1), "Username and Password");
    EXPECT_EQ(OPC_UA_Auth_To_Str(7), "Certificate");
    EXPECT_EQ(Str_To_OPC_UA_Auth("Anonymous"), 0);
    EXPECT_EQ(Str_To_OPC_UA_Auth("anonymous"), 2);
    EXPECT_EQ(OPC_UA_Security_Mode_To_Str(-1), "Sign and Encrypt");
    EXPECT_EQ(Str_To_OPC_UA_Security_Mode("Sign"), 1);
    EXPECT_EQ(OPC_UA_Security_Policy_To_Str(3), "Basic 256 SHA 256");
    EXPECT_EQ(OPC_UA_Security_Policy_To_Str(9), "AES 256 SHA 256 RSA PSS");
    EXPECT_EQ(Str_To_OPC_UA_Security_Policy("Basic 256"), 2);
    EXPECT_EQ(Str_To_OPC_UA_Security_Policy(""), 5);
}

TEST(OpcUaHelpers, NodeIdText)
{
    opcua_structure node{};
    node.identifierType = 0;
    node.numeric = 4294967295u;
    EXPECT_EQ(OPC_UA_NodeId_To_Str(node), "4294967295");

    node.identifierType = 4;
    node.guide1 = 0x0a1b2c3d;
    node.guide2 = 0xbeef;
    node.guide3 = 0x0001;
    const std::uint8_t tail[8] = {0xde, 0xad, 0x00, 0x11, 0x22, 0x33, 0x44, 0xff};
    std::copy(std::begin(tail), std::end(tail), node.guide4);
    EXPECT_EQ(OPC_UA_NodeId_To_Str(node), "0A1B2C3D-BEEF-0001-DEAD-0011223344FF");

    node.identifierType = 3;
    node.stringname = "Temperature";
    EXPECT_EQ(OPC_UA_NodeId_To_Str(node), "Temperature");
    node.identifierType = 5;
    EXPECT_EQ(OPC_UA_NodeId_To_Str(node), "");  // no byte string set
    node.identifierType = 2;
    EXPECT_EQ(OPC_UA_NodeId_To_Str(node), "");
}

TEST(SnmpHelpers, CheckOID)
{
    const struct {
        QString text;
        int result;
    } cases[] = {
        {"1.3.6.1.4.1", 0},
        {"1.3.4294967295", 0},
        {"1" + QString(".1").repeated(30), 0},
        {"1" + QString(".1").repeated(30) + "1", 1},
        {"", 2},
        {"1.3.a", 2},
        {"1.3 .6", 2},
        {".1.3", 3},
        {"1.3.", 4},
        {"1..3", 5},
        {"1.4294967296", 6},
        {"1.99999999999999999999999", 6},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Check_OID(c.text), c.result) << c.text.toStdString();
}

TEST(SnmpHelpers, CredentialsAndLevel)
{
    EXPECT_EQ(Check_SNMP_V3_String("", true), 2);
    EXPECT_EQ(Check_SNMP_V3_String("u", true), 0);
    EXPECT_EQ(Check_SNMP_V3_String("abcdefg", false), 2);
    EXPECT_EQ(Check_SNMP_V3_String("abcdefgh", false), 0);
    EXPECT_EQ(Check_SNMP_V3_String("abcdefghijklmnop", true), 1);
    EXPECT_EQ(Check_SNMP_V3_String("user_1", true), 3);
    EXPECT_EQ(Check_SNMP_V3_String(QString::fromUtf8("us\u00e9r"), true), 3);

    EXPECT_EQ(Str_To_SNMP_Security_Level("  auth priv "), 3);
    EXPECT_EQ(Str_To_SNMP_Security_Level("Auth NoPriv"), 1);
    EXPECT_EQ(Str_To_SNMP_Security_Level(""), -1);
    EXPECT_EQ(Str_To_SNMP_Security_Level("noAuth noPriv"), 0);

    QString first = "x", second = "y";
    EXPECT_EQ(Get_WiFi_IP_Protocols(first, second), 1);
    EXPECT_EQ(first, "MQTT");
    EXPECT_EQ(second, "");
}

namespace {

class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(saved_); }

private:
    QLocale saved_;
};

}  // namespace

TEST(NumberHelpers, DecimalSeparatorIsCommaOrPoint)
{
    const struct {
        QLocale locale;
        QChar separator;
    } cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), u'.'},
        {QLocale(QLocale::German, QLocale::Germany), u','},
        {QLocale(QLocale::Arabic, QLocale::Egypt), u','},
    };
    for (const auto& c : cases) {
        DefaultLocale locale(c.locale);
        EXPECT_EQ(Get_Decimal_Separator(), c.separator) << c.locale.name().toStdString();
    }
}

TEST(NumberHelpers, FloatWithEitherSeparator)
{
    const struct {
        QLocale::Language system;
        const char* text;
        char sep;
        bool ok;
        float value;
    } cases[] = {
        {QLocale::English, "1,5", '.', true, 1.5f},  {QLocale::English, " -2.25 ", '.', true, -2.25f},
        {QLocale::English, "1.5", ',', false, 1.0f}, {QLocale::German, "1.5", ',', true, 1.5f},
        {QLocale::German, "1,5", '.', false, 1.0f},  {QLocale::English, "1.000,5", '.', false, 1.0f},
        {QLocale::English, "abc", '.', false, 1.0f}, {QLocale::English, "", '.', false, 1.0f},
        {QLocale::English, "inf", '.', false, 1.0f}, {QLocale::English, "1e3", '.', true, 1000.0f},
    };
    for (const auto& c : cases) {
        DefaultLocale locale{QLocale(c.system)};
        float value = 7.0f;
        EXPECT_EQ(Str_To_Float_Sep(c.text, QChar::fromLatin1(c.sep), value), c.ok) << c.text;
        EXPECT_FLOAT_EQ(value, c.value) << c.text;
    }
}

TEST(ProgramStarter, WaitsUpTo150SecondsAndReportsTheOutcome)
{
    ProcessRequest seen;
    ScopedHook<TStartProgramHook> hook(StartProgramHook(), [&](const ProcessRequest& request) {
        seen = request;
        return ProcessResult{ProcessOutcome::TimedOut, 0};
    });
    EXPECT_EQ(Start_Program("/opt/updater/Ethernet_Update", "-f \"my file.txt\"", false), ProcessOutcome::TimedOut);
    EXPECT_EQ(seen.Program, "/opt/updater/Ethernet_Update");
    EXPECT_EQ(seen.Arguments, QStringList({"-f", "my file.txt"}));
    EXPECT_EQ(seen.TimeoutMs, 150000);

    Start_Program("prog", "", true);
    EXPECT_TRUE(seen.Arguments.isEmpty());
}

TEST(ProgramStarter, RealProgramsEndOrAreNotStarted)
{
    EXPECT_EQ(Start_Program("/bin/sh", "-c \"exit 2\"", false), ProcessOutcome::Exited);
    EXPECT_EQ(Start_Program("/nonexistent/Ethernet_Update", "", false), ProcessOutcome::NotStarted);
}
