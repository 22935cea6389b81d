#include "gateway/UEtherCAT_ESI_File.h"

#include "ProjectFixture.h"
#include "gateway/ProjectFile.h"
#include "shell/ULanguage.h"
#include "support/TestSeams.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace {

QString Row(const QString& type, const QString& name, int length = 0)
{
    return QStringLiteral("<row Enable=\"Y\" Type=\"%1\" Length=\"%2\" Name=\"%3\"/>").arg(type).arg(length).arg(name);
}

QString Rows(const QString& type, int count)
{
    QString rows;
    for (int i = 0; i < count; ++i)
        rows += Row(type, QStringLiteral("v%1").arg(i), 1);
    return rows;
}

QString EtherCAT(const QString& slaveToMaster, const QString& masterToSlave)
{
    return QStringLiteral(
               "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>%1"
               "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>%2</EtherCAT_Master_To_Slave>"
               "</EtherCAT_Slave_Variables></EtherCAT_Slave>")
        .arg(slaveToMaster, masterToSlave);
}

// The ESI schema kept with the tests.
QString Schema()
{
    return QStringLiteral(LATTISOR_SOURCE_DIR "/tests/gateway/esi-schema/EtherCATInfo.xsd");
}

}  // namespace

class EtherCATESIFile : public ProjectFixture {
protected:
    // Builds the ESI file of the current project and returns its lines.
    QStringList Build()
    {
        TEtherCAT_ESI_File writer;
        writer.Build_ESI_File(Esi());
        const QString text = QString::fromUtf8(Read(Esi()));
        EXPECT_TRUE(text.endsWith(QStringLiteral("</EtherCATInfo>\r\n")));
        EXPECT_EQ(text.count(u'\n'), text.count(QStringLiteral("\r\n")));
        QStringList lines = text.split(QStringLiteral("\r\n"));
        lines.removeLast();
        return lines;
    }
    QString Esi() const { return dir_.path() + QStringLiteral("/device.xml"); }
    static QString Line_With(const QStringList& lines, const QString& start)
    {
        for (const QString& line : lines)
            if (line.trimmed().startsWith(start))
                return line.trimmed();
        return {};
    }
    // Index of the first line from start that contains the text; -1 when none does.
    static int Find(const QStringList& lines, const QString& text, int start)
    {
        for (int i = std::max(start, 0); i < lines.size(); ++i)
            if (lines[i].contains(text))
                return i;
        return -1;
    }
    // The lines from the first one that contains "from" to the next one that contains "to".
    static QStringList Slice(const QStringList& lines, const QString& from, const QString& to, int start = 0)
    {
        const int a = Find(lines, from, start);
        const int b = Find(lines, to, a + 1);
        return a < 0 || b < 0 ? QStringList() : lines.mid(a, b - a + 1);
    }
};

TEST_F(EtherCATESIFile, ProjectWithoutFiles)
{
    const QStringList lines = Build();
    EXPECT_EQ(lines.first(), QStringLiteral("<?xml version=\"1.0\"?>"));
    EXPECT_EQ(Line_With(lines, QStringLiteral("<Type ProductCode")),
              QStringLiteral("<Type ProductCode=\"#x00000C3B\" RevisionNo=\"#x00\">EtherCAT Slave</Type>"));
    EXPECT_EQ(Line_With(lines, QStringLiteral("<ConfigData>")),
              QStringLiteral("<ConfigData>800F00CC8813ff00010000800000</ConfigData>"));
    EXPECT_TRUE(lines.contains(QStringLiteral(
        "        <Sm StartAddress=\"#x1000\" ControlByte=\"#x64\" DefaultSize=\"1\" Enable=\"1\">Outputs</Sm>")));
    EXPECT_FALSE(lines.join(u'\n').contains(QStringLiteral("Pdo")));
    const QStringList icons = lines.filter(QStringLiteral("<ImageData16x14>"));
    ASSERT_EQ(icons.size(), 3);
    EXPECT_EQ(icons[0].trimmed().size(), QStringLiteral("<ImageData16x14></ImageData16x14>").size() + 690);
    EXPECT_EQ(icons[0].trimmed(), icons[1].trimmed());
    EXPECT_EQ(icons[0].trimmed(), icons[2].trimmed());
}

TEST_F(EtherCATESIFile, DeviceDataFromParGen)
{
    Write(File_ParGen, QStringLiteral("<Par_Gen><EtherCAT_Slave_Revision_Number>300</EtherCAT_Slave_Revision_Number>"
                                      "<EtherCAT_Slave_Name>A&lt;B&amp;C</EtherCAT_Slave_Name>"
                                      "<EtherCAT_Slave_Node_Address>258</EtherCAT_Slave_Node_Address></Par_Gen>"));
    QStringList lines = Build();
    EXPECT_EQ(Line_With(lines, QStringLiteral("<Type ProductCode")),
              QStringLiteral("<Type ProductCode=\"#x00000C3B\" RevisionNo=\"#x12C\">A&lt;B&amp;C</Type>"));
    EXPECT_EQ(Line_With(lines, QStringLiteral("<Name LcId=\"1031\">A")),
              QStringLiteral("<Name LcId=\"1031\">A&lt;B&amp;C</Name>"));
    EXPECT_EQ(Line_With(lines, QStringLiteral("<ConfigData>")),
              QStringLiteral("<ConfigData>800F00CC8813ff00020100800000</ConfigData>"));

    Write(
        File_ParGen,
        QStringLiteral("<Par_Gen><EtherCAT_Slave_Revision_Number>4294967295</EtherCAT_Slave_Revision_Number>"
                       "<EtherCAT_Slave_Name/><EtherCAT_Slave_Node_Address>x</EtherCAT_Slave_Node_Address></Par_Gen>"));
    lines = Build();
    EXPECT_EQ(Line_With(lines, QStringLiteral("<Type ProductCode")),
              QStringLiteral("<Type ProductCode=\"#x00000C3B\" RevisionNo=\"#xFFFFFFFF\"></Type>"));
    EXPECT_TRUE(Line_With(lines, QStringLiteral("<ConfigData>")).contains(QStringLiteral("ff000100")));
}

TEST_F(EtherCATESIFile, BitsArePaddedToWholeBytes)
{
    Write(File_EtherCAT_Slave,
          EtherCAT(Rows(QStringLiteral("Bool"), 3) + Row(QStringLiteral("Int16"), QStringLiteral("w"), 2), QString()));
    const QStringList lines = Build();
    EXPECT_TRUE(lines.contains(QStringLiteral(
        "        <Sm StartAddress=\"#x100C\" ControlByte=\"#x64\" DefaultSize=\"1\" Enable=\"1\">Outputs</Sm>")));
    const QStringList expected = {
        QStringLiteral("        <TxPdo Mandatory=\"true\" Fixed=\"true\" Sm=\"3\">"),
        QStringLiteral("          <Index>#x1A00</Index>"),
        QStringLiteral("          <Name>Inputs_000</Name>"),
        QString(),
        QStringLiteral("          <Entry>"),
        QStringLiteral("            <Index>#x6000</Index>"),
        QStringLiteral("            <SubIndex>0</SubIndex>"),
        QStringLiteral("            <BitLen>1</BitLen>"),
        QStringLiteral("            <Name>v0</Name>"),
        QStringLiteral("            <DataType>BIT</DataType>"),
        QStringLiteral("          </Entry>"),
        QString(),
    };
    EXPECT_EQ(lines.mid(lines.indexOf(expected[0]), expected.size()), expected);
    const QStringList padding = {
        QStringLiteral("            <DataType>BIT</DataType>"),
        QStringLiteral("          </Entry>"),
        QString(),
        QStringLiteral("\t\t\t\t\t<Entry>"),
        QStringLiteral("\t\t\t\t\t\t<Index>#x0</Index>"),
        QStringLiteral("\t\t\t\t\t\t<SubIndex>0</SubIndex>"),
        QStringLiteral("\t\t\t\t\t\t<BitLen>5</BitLen>"),
        QStringLiteral("\t\t\t\t\t</Entry>"),
        QString(),
        QStringLiteral("          <Entry>"),
        QStringLiteral("            <Index>#x6003</Index>"),
    };
    const QStringList third =
        Slice(lines, QStringLiteral("<Index>#x6002</Index>"), QStringLiteral("<Index>#x6003</Index>"));
    EXPECT_EQ(third.mid(4), padding);
    EXPECT_EQ(Slice(lines, QStringLiteral("<Index>#x6003</Index>"), QStringLiteral("</TxPdo>")).last(),
              QStringLiteral("        </TxPdo>"));
}

TEST_F(EtherCATESIFile, NineBitsTakeTwoBytes)
{
    Write(File_EtherCAT_Slave, EtherCAT(Rows(QStringLiteral("Bool"), 9), QString()));
    const QStringList lines = Build();
    // (3 * 2 + 3) div 4 * 4 = 8
    EXPECT_TRUE(
        Line_With(lines, QStringLiteral("<Sm StartAddress=\"#x1008\"")).endsWith(QStringLiteral(">Outputs</Sm>")));
    const QStringList paddings = lines.filter(QStringLiteral("\t<BitLen>"));
    EXPECT_EQ(paddings, QStringList{QStringLiteral("\t\t\t\t\t\t<BitLen>7</BitLen>")});
    EXPECT_EQ(Slice(lines, QStringLiteral("<Index>#x6008</Index>"), QStringLiteral("<BitLen>7</BitLen>")).size(), 11);
}

TEST_F(EtherCATESIFile, SixteenEntriesPerPdo)
{
    Write(File_EtherCAT_Slave, EtherCAT(QString(), Rows(QStringLiteral("UInt8"), 17)));
    const QStringList lines = Build();
    const QStringList first = Slice(lines, QStringLiteral("<RxPdo"), QStringLiteral("</RxPdo>"));
    EXPECT_EQ(first[1].trimmed(), QStringLiteral("<Index>#x1600</Index>"));
    EXPECT_EQ(first[2].trimmed(), QStringLiteral("<Name>Outputs_000</Name>"));
    EXPECT_EQ(first.filter(QStringLiteral("<Entry>")).size(), 16);
    EXPECT_TRUE(first.contains(QStringLiteral("            <Index>#x700F</Index>")));
    const int next = static_cast<int>(lines.indexOf(first.last())) + 1;
    const QStringList second = Slice(lines, QStringLiteral("<RxPdo"), QStringLiteral("</RxPdo>"), next);
    EXPECT_EQ(second[1].trimmed(), QStringLiteral("<Index>#x1601</Index>"));
    EXPECT_EQ(second[2].trimmed(), QStringLiteral("<Name>Outputs_001</Name>"));
    EXPECT_EQ(second.filter(QStringLiteral("<Entry>")).size(), 1);
    EXPECT_TRUE(second.contains(QStringLiteral("            <Index>#x7010</Index>")));
    EXPECT_TRUE(Line_With(lines, QStringLiteral("<Sm StartAddress=\"#x1000\" ControlByte=\"#x64\"")).size() > 0)
        << "output bytes do not move the outputs sync manager";
}

TEST_F(EtherCATESIFile, StringsAndDisabledRows)
{
    Write(
        File_EtherCAT_Slave,
        EtherCAT(Row(QStringLiteral("String"), QStringLiteral("s"), 10) +
                     QStringLiteral("<row Enable=\"N\" Type=\"Int32\" Length=\"4\"/><row Type=\"Int32\" Length=\"4\"/>"
                                    "<row Enable=\"y\" Type=\"Int32\" Length=\"4\"/>"),
                 QString()));
    const QStringList lines = Build();
    EXPECT_EQ(lines.filter(QStringLiteral("<Entry>")).size(), 1);
    EXPECT_EQ(Line_With(lines, QStringLiteral("<DataType>")), QStringLiteral("<DataType>STRING(10)</DataType>"));
    EXPECT_EQ(Line_With(lines, QStringLiteral("<BitLen>")), QStringLiteral("<BitLen>80</BitLen>"));
    // (3 * 10 + 3) div 4 * 4 = 32
    EXPECT_FALSE(Line_With(lines, QStringLiteral("<Sm StartAddress=\"#x1020\"")).isEmpty());
}

TEST_F(EtherCATESIFile, DataTypes)
{
    struct Case {
        const char* type;
        const char* dataType;
        int bits;
    };
    const Case cases[] = {
        {"Bool", "BIT", 1},           {"int8", "SINT", 8},     {"Int16", "INT", 16},    {"INT32", "DINT", 32},
        {"UInt8", "USINT", 8},        {"uint16 ", "UINT", 16}, {"UInt32", "UDINT", 32}, {"Float32", "REAL", 32},
        {" String", "STRING(3)", 24}, {"Word", "BIT", 1},      {"", "BIT", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TEtherCAT_ESI_File::Convert_ESI_Data_Type(QString::fromLatin1(c.type), 3),
                  std::make_pair(QString::fromLatin1(c.dataType), int64_t(c.bits)))
            << c.type;
    EXPECT_EQ(TEtherCAT_ESI_File::Format_Three_Digits(7), QStringLiteral("007"));
    EXPECT_EQ(TEtherCAT_ESI_File::Format_Three_Digits(12), QStringLiteral("012"));
    EXPECT_EQ(TEtherCAT_ESI_File::Format_Three_Digits(1234), QStringLiteral("1234"));
}

TEST_F(EtherCATESIFile, MalformedProjectLeavesTheFileAlone)
{
    Write(Esi(), QStringLiteral("old"));
    Write(File_EtherCAT_Slave, QStringLiteral("<EtherCAT_Slave><EtherCAT_Slave_Variables/></EtherCAT_Slave>"));
    TEtherCAT_ESI_File writer;
    EXPECT_THROW(writer.Build_ESI_File(Esi()), EProject_Error);
    Write(File_EtherCAT_Slave, QString());
    for (const char* parGen : {"<Par_Gen>", "<Par_Gen><EtherCAT_Slave_Name>a&#1;b</EtherCAT_Slave_Name></Par_Gen>"}) {
        Write(File_ParGen, QString::fromLatin1(parGen));
        EXPECT_THROW(writer.Build_ESI_File(Esi()), EProject_Error) << parGen;
    }
    EXPECT_EQ(Read(Esi()), "old");
    EXPECT_TRUE(writer.Text.isEmpty());
}

TEST_F(EtherCATESIFile, ProcessDataThatDoesNotFitIsRefused)
{
    struct Case {
        QString slaveToMaster;
        QString masterToSlave;
        const char* message;
    };
    const Case cases[] = {
        {Row(QStringLiteral("String"), QStringLiteral("s"), 268435456), QString(), "268435456 input bytes"},
        {Row(QStringLiteral("String"), QStringLiteral("s"), 30000), QString(), "30000 input bytes"},
        {Row(QStringLiteral("String"), QStringLiteral("s"), 8192),
         Row(QStringLiteral("String"), QStringLiteral("t"), 12289), "12289 output bytes"},
        {Row(QStringLiteral("String"), QStringLiteral("s"), -5) + Row(QStringLiteral("String"), QStringLiteral("t"), 5),
         QString(), "has the length -5"},
        {QStringLiteral("<row Enable=\"Y\" Type=\"String\" Length=\"9223372036854775807\"/>").repeated(3), QString(),
         "does not fit"},
    };
    for (const Case& c : cases) {
        Write(Esi(), QStringLiteral("old"));
        Write(File_EtherCAT_Slave, EtherCAT(c.slaveToMaster, c.masterToSlave));
        try {
            TEtherCAT_ESI_File().Build_ESI_File(Esi());
            ADD_FAILURE() << "not refused: " << c.message;
        } catch (const EProject_Error& e) {
            EXPECT_TRUE(e.Message().contains(QString::fromLatin1(c.message))) << e.what();
        }
        EXPECT_EQ(Read(Esi()), "old");
    }
    // Three buffers of 8192 input bytes from 0x1000, then three of 12288 output bytes end at 0x10000.
    Write(File_EtherCAT_Slave, EtherCAT(Row(QStringLiteral("String"), QStringLiteral("s"), 8192),
                                        Row(QStringLiteral("String"), QStringLiteral("t"), 12288)));
    EXPECT_FALSE(Line_With(Build(), QStringLiteral("<Sm StartAddress=\"#x7000\"")).isEmpty());
}

TEST_F(EtherCATESIFile, SaveStepAsksForTheFileAndBeforeOverwriting)
{
    Load_Default_Language();
    {
        FileDialogAnswer dialog{QString()};
        MessageBoxRecorder boxes;
        Save_EtherCAT_ESI_File();
        ASSERT_EQ(dialog.Shown.size(), 1u);
        EXPECT_TRUE(dialog.Shown[0].Save);
        EXPECT_EQ(dialog.Shown[0].InitialDir, Path_Project);
        EXPECT_EQ(dialog.Shown[0].Filter, QStringLiteral("EtherCAT ESI File (*.xml)|*.xml"));
        EXPECT_TRUE(boxes.Shown.empty());
    }
    const QString chosen = dir_.path() + QStringLiteral("/device");
    {
        FileDialogAnswer dialog(chosen);
        MessageBoxRecorder boxes;
        Save_EtherCAT_ESI_File();
        EXPECT_TRUE(boxes.Shown.empty()) << "a new file is written without asking";
        EXPECT_TRUE(Read(Esi()).startsWith("<?xml"));
    }
    for (const TModalResult answer : {mrNo, mrYes}) {
        Write(Esi(), QStringLiteral("old"));
        FileDialogAnswer dialog(chosen);
        MessageBoxRecorder boxes({answer});
        Save_EtherCAT_ESI_File();
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].Kind, mtConfirmation);
        EXPECT_EQ(boxes.Shown[0].Text, QStringLiteral("File already exists. Do you want to overwrite?"));
        EXPECT_EQ(Read(Esi()) == "old", answer == mrNo);
    }
}

TEST_F(EtherCATESIFile, ValidatesAgainstTheSchema)
{
    const QString schema = Schema();
    ASSERT_TRUE(QFile::exists(schema)) << schema.toStdString();
    const QString escapedNames =
        QStringLiteral("<row Enable=\"Y\" Type=\"UInt8\" Length=\"1\" Name=\"a&lt;b&amp;c&quot;\"/>");
    const QString projects[][2] = {
        {QString(), QString()},
        {EtherCAT(Rows(QStringLiteral("Bool"), 3) + Row(QStringLiteral("Int16"), QStringLiteral("w"), 2) +
                      Row(QStringLiteral("String"), QStringLiteral("s"), 10) +
                      Row(QStringLiteral("Float32"), QStringLiteral("f"), 4),
                  Rows(QStringLiteral("Bool"), 9) + Rows(QStringLiteral("Int32"), 20) + escapedNames),
         QStringLiteral("<Par_Gen><EtherCAT_Slave_Name>Gate &amp; Way</EtherCAT_Slave_Name>"
                        "<EtherCAT_Slave_Revision_Number>4294967295</EtherCAT_Slave_Revision_Number></Par_Gen>")},
        {EtherCAT(Rows(QStringLiteral("UInt16"), 256), Rows(QStringLiteral("Bool"), 256)), QString()},
    };
    for (const auto& project : projects) {
        QFile::remove(File_EtherCAT_Slave);
        QFile::remove(File_ParGen);
        if (!project[0].isEmpty())
            Write(File_EtherCAT_Slave, project[0]);
        if (!project[1].isEmpty())
            Write(File_ParGen, project[1]);
        Build();
        QProcess xmllint;
        xmllint.start(QStringLiteral("xmllint"),
                      {QStringLiteral("--noout"), QStringLiteral("--schema"), schema, Esi()});
        ASSERT_TRUE(xmllint.waitForStarted()) << "xmllint is needed (libxml2-utils)";
        ASSERT_TRUE(xmllint.waitForFinished(60000));
        EXPECT_EQ(xmllint.exitCode(), 0) << xmllint.readAllStandardError().toStdString();
    }
}
