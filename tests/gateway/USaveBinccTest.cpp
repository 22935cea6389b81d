#include "gateway/USaveBincc.h"

#include "ProjectFixture.h"
#include "gateway/ProjectFile.h"

#include <QLocale>

namespace {

QString ParGen(const QString& keys)
{
    return QStringLiteral("<Par_Gen>%1</Par_Gen><!--SW_VERSION = 1.000-->").arg(keys);
}

QString Net(const QString& rows)
{
    return QStringLiteral("<DNET_Net>%1</DNET_Net>").arg(rows);
}

QString Slave(int id, int in, int out)
{
    return QStringLiteral("<row ID=\"%1\" NB_IN=\"%2\" NB_OUT=\"%3\" Mnemonic=\"\"/>").arg(id).arg(in).arg(out);
}

// One Nodo_DNET per entry: the input and output offsets of the slave's bytes.
QString DefOff(const std::vector<std::pair<QStringList, QStringList>>& nodes)
{
    const auto rows = [](const QStringList& offsets) {
        QString xml;
        for (const QString& offset : offsets)
            xml += QStringLiteral("<row Offset=\"%1\" Mnemonic=\"\"/>").arg(offset);
        return xml;
    };
    QString xml = QStringLiteral("<Define_Offset>");
    for (const auto& [in, out] : nodes)
        xml +=
            QStringLiteral("<Nodo_DNET><ByteIN>%1</ByteIN><ByteOUT>%2</ByteOUT></Nodo_DNET>").arg(rows(in), rows(out));
    return xml + QStringLiteral("</Define_Offset>");
}

QString Variable(const QString& type, const QString& name, const QString& extra = {})
{
    return QStringLiteral("<row Enable=\"Y\" Type=\"%1\" Name=\"%2\" %3/>").arg(type, name, extra);
}

QString EtherCAT(const QString& slaveToMaster, const QString& masterToSlave)
{
    return QStringLiteral(
               "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>%1"
               "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>%2</EtherCAT_Master_To_Slave>"
               "</EtherCAT_Slave_Variables></EtherCAT_Slave>")
        .arg(slaveToMaster, masterToSlave);
}

constexpr int Header = 0x4000;
constexpr int Descriptors = 0x4028;
constexpr int Names = 0x8829;

uint32_t Sum(const QByteArray& bank1)
{
    uint32_t sum = 0;
    for (int i = 0; i < 0x7FC; ++i)
        sum += uint8_t(bank1[i]);
    return sum;
}

}  // namespace

class SaveBincc : public ProjectFixture {
protected:
    // The update road: compile, then save.
    void Update()
    {
        Save_Bin_Files(Create_Bin_Files());
        bank1 = Read(Bank(1));
        bank2 = Read(Bank(2));
    }
    // A refused project: the message, and the banks of the previous update left as they were.
    void ExpectRefused(const char* fragment)
    {
        Write(Bank(1), QStringLiteral("old1"));
        Write(Bank(2), QStringLiteral("old2"));
        try {
            Update();
            ADD_FAILURE() << "not refused; expected: " << fragment;
        } catch (const EProject_Error& e) {
            EXPECT_TRUE(e.Message().contains(QString::fromUtf8(fragment))) << e.what();
        }
        EXPECT_EQ(Read(Bank(1)), "old1");
        EXPECT_EQ(Read(Bank(2)), "old2");
    }
    QByteArray Descriptor(int n) const { return bank2.mid(Descriptors + 36 * n, 36); }

    QByteArray bank1;
    QByteArray bank2;
};

TEST_F(SaveBincc, ProjectWithoutFilesGivesTheDefaults)
{
    Update();
    ASSERT_EQ(bank1.size(), 2048);
    EXPECT_EQ(U32(bank1, 0x7FC), 3610u);
    EXPECT_EQ(U32(bank1, 0x000), 250000u);
    EXPECT_EQ(U32(bank1, 0x00C), 9600u);
    EXPECT_EQ(Hex(bank1, 0x028, 12), "c0 a8 02 cd ff ff ff 00 ff ff ff ff");
    EXPECT_EQ(Hex(bank1, 0x1B4, 8), "08 08 08 08 08 08 08 08");
    EXPECT_EQ(U32(bank1, 0x0DC), 0x80000u);
    EXPECT_EQ(U32(bank1, 0x0D4), 0x81000u);
    EXPECT_EQ(U32(bank1, 0x0D8), 0x82800u);
    EXPECT_EQ(U32(bank1, 0x6F0), 0x84000u);
    EXPECT_EQ(U32(bank1, 0x07C) | U32(bank1, 0x088) | U32(bank1, 0x08C), 0u);
    EXPECT_EQ(bank1.mid(0x66C, 8), QByteArray(8, '\0'));

    ASSERT_EQ(bank2.size(), 34857);
    EXPECT_EQ(bank2.left(4096), QByteArray(4096, '\0'));
    EXPECT_EQ(bank2.mid(0x1000, 12288), QByteArray(12288, '\xFF'));
    EXPECT_EQ(bank2.mid(Header, 36), QByteArray(36, '\0')) << "no ParGen.xml: the header stays 0";
    EXPECT_EQ(U32(bank2, Header + 36), 0x84028u);
    EXPECT_EQ(bank2.mid(Descriptors, 512 * 36 + 1), QByteArray(512 * 36 + 1, '\0'));
}

TEST_F(SaveBincc, EmptyParGenGivesTheMissingValues)
{
    Write(File_ParGen, QStringLiteral("<Par_Gen/>"));
    Update();
    EXPECT_EQ(U32(bank1, 0x7FC), 4587u);
    EXPECT_EQ(U32(bank1, 0x000), 500000u);
    EXPECT_EQ(Hex(bank1, 0x028, 12), "c0 a8 00 0a ff ff ff 00 ff ff ff ff");
    EXPECT_EQ(bank1.mid(0x050, 16), QByteArray("devicename1").leftJustified(16, '\0'));
    EXPECT_EQ(bank1.mid(0x66C, 8), QByteArray("1.000").leftJustified(8, '\0'));
    EXPECT_EQ(bank1.at(0x080), 0);
    EXPECT_EQ(U16(bank1, 0x4E8), 0u);
    EXPECT_EQ(bank1.mid(0x53C, 4) + bank1.mid(0x58C, 4), QByteArray(8, '\0'));
    EXPECT_EQ(Hex(bank2, Header, 16), "80 0f 00 cc 88 13 ff 00 00 00 00 80 00 00 01 00");
}

TEST_F(SaveBincc, ParGenKeysFillTheBlock)
{
    Write(File_ParGen,
          ParGen(QStringLiteral(
              "<Eth_Conn_Device_Name>host-0123456789-0123456789-0123456789</Eth_Conn_Device_Name>"
              "<Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable><Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>"
              "<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS><Eth_Conn_Primary_DNS1>1</Eth_Conn_Primary_DNS1>"
              "<Eth_Conn_Secondary_DNS4>x</Eth_Conn_Secondary_DNS4>"
              "<EtherCAT_Slave_Vendor_ID>$A4E</EtherCAT_Slave_Vendor_ID>"
              "<EtherCAT_Slave_Product_Code>0x12345678</EtherCAT_Slave_Product_Code>"
              "<EtherCAT_Slave_Revision_Number>4294967295</EtherCAT_Slave_Revision_Number>"
              "<EtherCAT_Slave_Serial_Number>-1</EtherCAT_Slave_Serial_Number>"
              "<EtherCAT_Slave_Name>ABCDEFGHIJKLMNOPQRST</EtherCAT_Slave_Name>"
              "<EtherCAT_Slave_Node_Address>65538</EtherCAT_Slave_Node_Address>"
              "<Ethernet_IP1>10</Ethernet_IP1><Ethernet_IP2>300</Ethernet_IP2><Ethernet_IP3>$7F</Ethernet_IP3>"
              "<Ethernet_GAT1>10</Ethernet_GAT1><Ethernet_EN_GAT>1</Ethernet_EN_GAT>"
              "<DNETM_ID_DEV>63</DNETM_ID_DEV><DNETM_BAUDRATE>1</DNETM_BAUDRATE>")));
    Update();
    EXPECT_EQ(bank1.mid(0x514, 32), QByteArray("host-0123456789-0123456789-0123").leftJustified(32, '\0'));
    EXPECT_EQ(U16(bank1, 0x4E8), 3u);
    EXPECT_EQ(Hex(bank1, 0x58C, 4), "01 08 08 08");
    EXPECT_EQ(Hex(bank1, 0x53C, 4), "08 08 04 04");
    EXPECT_EQ(bank1.mid(0x050, 16), QByteArray("ABCDEFGHIJKLMNO").leftJustified(16, '\0'));
    EXPECT_EQ(Hex(bank1, 0x028, 4), "0a 2c 7f 0a");
    EXPECT_EQ(Hex(bank1, 0x030, 4), "0a a8 00 01");
    EXPECT_EQ(bank1.at(0x080), 63);
    EXPECT_EQ(U32(bank1, 0x000), 250000u);
    EXPECT_EQ(U32(bank1, 0x7FC), Sum(bank1));
    EXPECT_EQ(U16(bank2, Header + 14), 2u);
    EXPECT_EQ(U32(bank2, Header + 16), 0xA4Eu);
    EXPECT_EQ(U32(bank2, Header + 20), 0x12345678u);
    EXPECT_EQ(U32(bank2, Header + 24), 0xFFFFFFFFu) << "a revision above 2^31 is kept";
    EXPECT_EQ(U32(bank2, Header + 28), 0xFFFFFFFFu);
}

TEST_F(SaveBincc, CheckKeysCountOnlyWhenExactlyOne)
{
    struct Case {
        const char* keys;
        const char* gateway;
        const char* dns;
        uint32_t baudrate;
    };
    const Case cases[] = {
        {"<Ethernet_EN_GAT>0</Ethernet_EN_GAT><DNETM_BAUDRATE>0</DNETM_BAUDRATE>", "ff ff ff ff", "00 00 00 00",
         125000},
        {"<Ethernet_EN_GAT>Y</Ethernet_EN_GAT><DNETM_BAUDRATE>3</DNETM_BAUDRATE>", "ff ff ff ff", "00 00 00 00",
         500000},
        {"<Ethernet_EN_GAT>1</Ethernet_EN_GAT><DNETM_BAUDRATE>-1</DNETM_BAUDRATE>", "c0 a8 00 01", "00 00 00 00",
         500000},
        {"<Eth_Conn_Enable_DNS>Y</Eth_Conn_Enable_DNS><Eth_Conn_Primary_DNS1>1</Eth_Conn_Primary_DNS1>"
         "<DNETM_BAUDRATE>abc</DNETM_BAUDRATE>",
         "ff ff ff ff", "00 00 00 00", 500000},
        {"<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS><DNETM_BAUDRATE>2</DNETM_BAUDRATE>", "ff ff ff ff", "08 08 08 08",
         500000},
    };
    for (const Case& c : cases) {
        Write(File_ParGen, ParGen(QString::fromLatin1(c.keys)));
        Update();
        EXPECT_EQ(Hex(bank1, 0x030, 4), c.gateway) << c.keys;
        EXPECT_EQ(Hex(bank1, 0x58C, 4), c.dns) << c.keys;
        EXPECT_EQ(U32(bank1, 0x000), c.baudrate) << c.keys;
    }
}

TEST_F(SaveBincc, TextFieldsStoreTheLowByteOfEachCharacter)
{
    Write(File_ParGen, ParGen(QString::fromUtf8("<EtherCAT_Slave_Name>\xC3\xA9\xE2\x82\xAC</EtherCAT_Slave_Name>")));
    Update();
    EXPECT_EQ(Hex(bank1, 0x050, 3), "e9 ac 00");
    Write(File_ParGen, ParGen(QStringLiteral("<EtherCAT_Slave_Name></EtherCAT_Slave_Name>")));
    Update();
    EXPECT_EQ(bank1.mid(0x050, 16), QByteArray(16, '\0'));
}

TEST_F(SaveBincc, EepromConfigTakesHexPairsAndAtMostFourteenBytes)
{
    struct Case {
        const char* text;
        const char* bytes;
    };
    const Case cases[] = {
        {"G10F", "0f 00"},
        {"ABC", "ab 0c 00"},
        {"", "00"},
        {"0102030405060708090A0B0C0D0E0F10", "01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 01 00"},
    };
    for (const Case& c : cases) {
        Write(File_ParGen, ParGen(QStringLiteral("<EtherCAT_Slave_Eeprom_Config>%1</EtherCAT_Slave_Eeprom_Config>")
                                      .arg(QString::fromLatin1(c.text))));
        Update();
        const QByteArray expected(c.bytes);
        EXPECT_EQ(Hex(bank2, Header, (expected.size() + 1) / 3), expected) << c.text;
    }
}

TEST_F(SaveBincc, ScanListAndMaps)
{
    Write(File_DNETM_Net,
          Net(Slave(5, 4, 1) +
              Slave(6, 0, 2).replace(QStringLiteral("/>"), QStringLiteral(" Reset_DeviceNet=\" y \"/>")) +
              Slave(7, 6, 0).replace(QStringLiteral("/>"), QStringLiteral(" Reset_PROFINET=\"Y\"/>"))));
    Write(File_DNETM_DefOff,
          DefOff(
              {{{"12", "None", "13", "-1", "99"}, {"1439"}}, {{}, {"None", "$10"}}, {{"0", "0"}, {}}, {{"7"}, {"7"}}}));
    Update();
    EXPECT_EQ(U32(bank1, 0x07C), 3u);
    EXPECT_EQ(U32(bank1, 0x088), 4u);
    EXPECT_EQ(U32(bank1, 0x08C), 2u);
    EXPECT_EQ(Hex(bank2, 0, 48),
              "05 00 00 00 04 00 01 00 00 00 00 00 00 00 00 00 "
              "06 00 00 00 00 00 02 00 00 00 01 00 04 00 01 00 "
              "07 00 00 00 06 00 00 00 00 00 02 00 04 00 03 00");
    EXPECT_EQ(bank2.mid(48, 4096 - 48), QByteArray(4096 - 48, '\0'));
    // input map: (5*1024, 12), (5*1024+2, 13), then slave 7's bytes 0 and 1 at position 0; a negative
    // offset is unplaced like "None"
    EXPECT_EQ(Hex(bank2, 0x1000, 20), "00 14 0c 00 02 14 0d 00 00 1c 00 00 01 1c 00 00 ff ff ff ff");
    EXPECT_EQ(Hex(bank2, 0x2800, 12), "00 14 9f 05 01 18 10 00 ff ff ff ff");
}

TEST_F(SaveBincc, OffsetsWithoutNetworkMapNothing)
{
    Write(File_DNETM_DefOff, DefOff({{{"1"}, {"2"}}}));
    Update();
    EXPECT_EQ(U32(bank1, 0x088) + U32(bank1, 0x08C), 0u);
    EXPECT_EQ(bank2.mid(0x1000, 12288), QByteArray(12288, '\xFF'));
}

TEST_F(SaveBincc, EtherCATVariables)
{
    const QString twoByteName = QString::fromUtf8("\xC3\xA9");
    Write(File_EtherCAT_Slave,
          EtherCAT(
              Variable(QStringLiteral("Bool"), QStringLiteral("Speed"), QStringLiteral("InitValue=\"3\"")) +
                  QStringLiteral("<row Enable=\"N\" Type=\"Int8\" Name=\"off\"/><row Enable=\"y\" Type=\"Int8\"/>"
                                 "<row Type=\"Int8\"/>") +
                  Variable(QStringLiteral("Int16"), QString(), QStringLiteral("InitValue=\"-1\"")) +
                  Variable(QStringLiteral("String"), QStringLiteral("Temp"),
                           QStringLiteral("Length=\"10\" InitValue=\"5\"")),
              Variable(QStringLiteral("UInt8"), twoByteName, QStringLiteral("InitValue=\"300\"")) +
                  Variable(QStringLiteral("Int32"), QStringLiteral("x"), QStringLiteral("InitValue=\"abc\"")) +
                  Variable(QStringLiteral("UInt32"), QStringLiteral("y"), QStringLiteral("InitValue=\"8589934591\"")) +
                  Variable(QStringLiteral("Word"), QStringLiteral("z"), QStringLiteral("Length=\"abc\"")) +
                  QStringLiteral("<row Enable=\"Y\" Length=\"3\"/>")));
    Update();
    EXPECT_EQ(U32(bank2, Header + 32), 8u);
    // type, length, access, bit; position; subindex; entry index; offset; init value; name length; name address
    EXPECT_EQ(Hex(Descriptor(0), 0, 36),
              "01 01 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
              "01 00 00 00 00 00 00 00 05 00 00 00 29 88 08 00");
    EXPECT_EQ(Hex(Descriptor(1), 0, 36),
              "03 02 01 00 00 00 00 00 01 00 00 00 00 00 00 00 01 00 00 00 "
              "ff ff 00 00 00 00 00 00 00 00 00 00 28 88 08 00");
    EXPECT_EQ(Hex(Descriptor(2), 0, 36),
              "09 0a 01 00 00 00 00 00 02 00 00 00 00 00 00 00 03 00 00 00 "
              "00 00 00 00 00 00 00 00 04 00 00 00 2f 88 08 00");
    EXPECT_EQ(Hex(Descriptor(3), 0, 28),
              "05 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
              "2c 00 00 00 00 00 00 00");
    EXPECT_EQ(U32(Descriptor(3), 28), 2u);
    EXPECT_EQ(Hex(Descriptor(4), 0, 28),
              "04 04 00 00 00 00 00 00 01 00 00 00 00 00 00 00 01 00 00 00 "
              "00 00 00 00 00 00 00 00");
    EXPECT_EQ(Hex(Descriptor(5), 20, 8), "00 00 00 00 00 00 00 00") << "8589934591 itself leaves zero";
    EXPECT_EQ(Hex(Descriptor(6), 0, 4), "00 01 00 00") << "unknown type, Length not a number: 1 byte";
    EXPECT_EQ(Hex(Descriptor(7), 0, 4), "00 03 00 00") << "missing type: the Length attribute";
    EXPECT_EQ(U32(Descriptor(7), 16), 10u);
    EXPECT_EQ(Descriptor(8), QByteArray(36, '\0'));
    EXPECT_EQ(bank2.mid(Names - 1),
              QByteArray("\0Speed\0Temp\0", 12) + twoByteName.toUtf8() + QByteArray("\0x\0y\0z\0", 7));
}

TEST_F(SaveBincc, Float32InitialValueFollowsTheDecimalSeparator)
{
    Write(File_EtherCAT_Slave,
          EtherCAT(Variable(QStringLiteral("Float32"), QString(), QStringLiteral("InitValue=\"1,5\"")), QString()));
    struct Case {
        QLocale::Language language;
        const char* bytes;
    };
    for (const Case& c : {Case{QLocale::German, "00 00 c0 3f"}, Case{QLocale::English, "00 00 00 00"}}) {
        const QLocale previous;
        QLocale::setDefault(QLocale(c.language));
        Update();
        QLocale::setDefault(previous);
        EXPECT_EQ(Hex(Descriptor(0), 20, 4), c.bytes) << QLocale::languageToString(c.language).toStdString();
    }
}

TEST_F(SaveBincc, RecompileKeepsOnlyTheCurrentVariables)
{
    Write(File_EtherCAT_Slave, EtherCAT(Variable(QStringLiteral("Bool"), QStringLiteral("first")) +
                                            Variable(QStringLiteral("Bool"), QStringLiteral("second")),
                                        QString()));
    Update();
    Write(File_EtherCAT_Slave, EtherCAT(Variable(QStringLiteral("Int8"), QStringLiteral("only")), QString()));
    Update();
    EXPECT_EQ(U32(bank2, Header + 32), 1u);
    EXPECT_EQ(Descriptor(1), QByteArray(36, '\0'));
    EXPECT_EQ(bank2.mid(Names), QByteArray("only\0", 5));
}

TEST_F(SaveBincc, MalformedProjectFilesStopBeforeWriting)
{
    struct Case {
        const QString* file;
        QString xml;
        const char* message;
    };
    const Case cases[] = {
        {&File_ParGen, QStringLiteral("<Par_Gen><Ethernet_IP1>1</Par_Gen>"), "ParGen.xml"},
        {&File_DNETM_Net, Net(QStringLiteral("<row NB_IN=\"1\" NB_OUT=\"1\"/>")), "attribute ID"},
        {&File_DNETM_Net, Net(QStringLiteral("<row ID=\"1\" NB_IN=\"one\" NB_OUT=\"1\"/>")), "NB_IN \"one\""},
        {&File_DNETM_DefOff, QStringLiteral("<Define_Offset><Nodo_DNET><ByteIN/></Nodo_DNET></Define_Offset>"),
         "ByteOUT"},
        {&File_DNETM_DefOff,
         QStringLiteral("<Define_Offset><Nodo_DNET><ByteIN><row/></ByteIN><ByteOUT/></Nodo_DNET></Define_Offset>"),
         "attribute Offset"},
        {&File_EtherCAT_Slave,
         QStringLiteral("<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master/>"
                        "</EtherCAT_Slave_Variables></EtherCAT_Slave>"),
         "EtherCAT_Master_To_Slave"},
    };
    for (const Case& c : cases) {
        Write(File_DNETM_Net, Net(Slave(1, 1, 1)));
        Write(*c.file, c.xml);
        ExpectRefused(c.message);
        QFile::remove(File_ParGen);
        QFile::remove(File_DNETM_DefOff);
        QFile::remove(File_EtherCAT_Slave);
    }
}

TEST_F(SaveBincc, FilesThatAreNotWellFormedStopTheCompile)
{
    const char* const documents[] = {
        "<Par_Gen/><Par_Gen/>",
        "<Par_Gen/>text",
        "<Par_Gen><Ethernet_IP1>&undefined;</Ethernet_IP1></Par_Gen>",
        "<Par_Gen><Ethernet_IP1 a=\"1\" a=\"2\">1</Ethernet_IP1></Par_Gen>",
        "<Par_Gen><Ethernet_IP1 a=\"<\">1</Ethernet_IP1></Par_Gen>",
        "<Par_Gen><EtherCAT_Slave_Name>a&#1;b</EtherCAT_Slave_Name></Par_Gen>",
        "<Par_Gen><EtherCAT_Slave_Name>a\x01b</EtherCAT_Slave_Name></Par_Gen>",
    };
    for (const char* document : documents) {
        Write(File_ParGen, QString::fromLatin1(document));
        ExpectRefused("ParGen.xml: ");
    }
}

TEST_F(SaveBincc, DeeplyNestedKeyReadsAsMissing)
{
    constexpr int Depth = 100000;
    Write(File_ParGen, QStringLiteral("<Par_Gen><Ethernet_IP4>") + QStringLiteral("<a>").repeated(Depth) +
                           QStringLiteral("4") + QStringLiteral("</a>").repeated(Depth) +
                           QStringLiteral("</Ethernet_IP4></Par_Gen>"));
    Update();
    EXPECT_EQ(Hex(bank1, 0x028, 4), "c0 a8 00 0a");
}

TEST_F(SaveBincc, ProjectsThatDoNotFitAreRefused)
{
    QString slaves;
    for (int i = 0; i < 65; ++i)
        slaves += Slave(i % 64, 0, 0);
    Write(File_DNETM_Net, Net(slaves));
    ExpectRefused("at most 64");

    QStringList bytes(1025, QStringLiteral("None"));
    bytes[1024] = QStringLiteral("0");
    Write(File_DNETM_Net, Net(Slave(1, 1025, 0)));
    Write(File_DNETM_DefOff, DefOff({{bytes, {}}}));
    ExpectRefused("input byte 1024");

    Write(File_DNETM_Net, Net(Slave(64, 1, 0)));
    Write(File_DNETM_DefOff, DefOff({{{"0"}, {}}}));
    ExpectRefused("slave 64");

    Write(File_DNETM_Net, Net(Slave(1, 0, 2)));
    Write(File_DNETM_DefOff, DefOff({{{}, {"None", "1440"}}}));
    ExpectRefused("output byte 1");

    Write(File_DNETM_Net, Net(Slave(1, 1024, 0) + Slave(2, 513, 0)));
    Write(File_DNETM_DefOff,
          DefOff({{QStringList(1024, QStringLiteral("0")), {}}, {QStringList(513, QStringLiteral("1")), {}}}));
    ExpectRefused("More than 1536 DeviceNet input bytes");
    QFile::remove(File_DNETM_Net);
    QFile::remove(File_DNETM_DefOff);

    QString variables;
    for (int i = 0; i < 513; ++i)
        variables += Variable(QStringLiteral("Bool"), QString());
    Write(File_EtherCAT_Slave, EtherCAT(variables, QString()));
    ExpectRefused("More than 512 EtherCAT variables");

    // 512 names of 200 bytes overrun the 96215 bytes left for the name area
    variables.clear();
    for (int i = 0; i < 512; ++i)
        variables += Variable(QStringLiteral("Bool"), QString(200, u'n'));
    Write(File_EtherCAT_Slave, EtherCAT(variables, QString()));
    ExpectRefused("does not fit");
}

TEST_F(SaveBincc, LargestNameAreaFits)
{
    // 34857 fixed bytes + 481 names of 199 bytes + 1 name of 14 bytes, each with its zero: 131072 bytes
    QString variables;
    for (int i = 0; i < 481; ++i)
        variables += Variable(QStringLiteral("Bool"), QString(199, u'n'));
    variables += Variable(QStringLiteral("Bool"), QString(14, u'n'));
    Write(File_EtherCAT_Slave, EtherCAT(variables, QString()));
    Update();
    EXPECT_EQ(bank2.size(), 131072);
}

TEST_F(SaveBincc, BanksAreReplacedAsAPair)
{
    QDir(Path_Project).rmdir(QStringLiteral("bin"));
    EXPECT_THROW(Save_Bin_Files(Create_Bin_Files()), EProject_Error);
    EXPECT_FALSE(QFile::exists(Bank(1)));

    // A folder where bank2.bin should be: the old bank1.bin stays.
    QDir(Path_Project).mkpath(QStringLiteral("bin/bank2.bin"));
    Write(Bank(1), QStringLiteral("old1"));
    EXPECT_THROW(Save_Bin_Files(Create_Bin_Files()), EProject_Error);
    EXPECT_EQ(Read(Bank(1)), "old1");
    EXPECT_EQ(QDir(Path_Project + QStringLiteral("/bin")).entryList(QDir::Files),
              QStringList{QStringLiteral("bank1.bin")})
        << "no temporary file is left behind";

    QDir(Path_Project).rmdir(QStringLiteral("bin/bank2.bin"));
    Write(Bank(2), QStringLiteral("old2"));
    Update();
    EXPECT_EQ(bank1.size(), 2048);
    EXPECT_EQ(bank2.size(), 34857);
    EXPECT_EQ(QDir(Path_Project + QStringLiteral("/bin")).entryList(QDir::Files).size(), 2);
}
