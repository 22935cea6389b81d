#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QStringConverter>
#include "ProgramFolderFixture.h"
#include "shell/ULanguage.h"

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void writeLanguage(const QString& name, const QString& text)
{
    writeFile(Path_Language + "/" + name + ".lng", "\xEF\xBB\xBF" + text.toUtf8());
}

}  // namespace

class Language : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        Language_Name = "English";
    }
};

TEST_F(Language, BuiltInEnglishFillsAllSlots)
{
    Load_Default_Language();
    ASSERT_EQ(Lang_Text.Count(), 5300);
    EXPECT_EQ(Max_Lang_Text, 5300);
    EXPECT_EQ(Lang_Text[0], "Begin");
    EXPECT_EQ(Lang_Text[9], "None Configuration Opened ");
    EXPECT_EQ(Lang_Text[11], "Opened Configuration of the Converter : ");
    EXPECT_EQ(Lang_Text[18], "Error! Project not Valid");
    EXPECT_EQ(Lang_Text[79], " ");
    EXPECT_EQ(Lang_Text[110], "Cancel the New Configuration");
    EXPECT_EQ(Lang_Text[207], "Cancel open of Configuration");
    EXPECT_EQ(Lang_Text[306], " / ");
    EXPECT_EQ(Lang_Text[317], " to ");
    EXPECT_EQ(Lang_Text[1105], "File already exists. Do you want to overwrite?");
    EXPECT_EQ(Lang_Text[5299], " ");
}

TEST_F(Language, BuiltInTableHoldsEveryKnownText)
{
    Load_Default_Language();
    int filled = 0;
    for (int n = 0; n < Lang_Text.Count(); ++n)
        if (Lang_Text[n] != " ")
            ++filled;
    EXPECT_EQ(filled, 1969);

    const struct {
        int entry;
        const char* text;
    } cases[] = {
        {692, "Error DMX!! Channel Number must be between 24 and 512"},
        {934, "Enable DHCP"},
        {953, "1"},
        {1033, "Are you sure to delete the Row number %d"},
        {1049, "Bit Start (in Internal array) of EtherCAT Slave Variable (read only)"},
        {1018, " "},
        {1417, "Gateway"},
        {1790, "SwapWord"},
        {2057, "Select the BACnet Type in the \"Set Communication\" section"},
        {2235, "!! [BACnet in Read] Length with variable \"Analog Input\" must be between 1 and 4"},
        {2450, " or None"},
        {2689, "!! [Transmit PDO] Address Byte8 must be between 0 and "},
        {3023, " Byte = "},
        {3010, "Select \"None\" if the byte must not pass from DeviceNet to EtherCAT."},
        {3801, "Set Template"},
        {4130, "Security Type of OPC UA Server"},
        {4644, "!! OID string cannot contains number major of $FFFFFFFF between two \".\""},
        {4687, " and "},
        {5000, "EtherNet/IP EDS Decode - Select the Connection to use"},
        {5169, "Insert the Description of S7comm Rule"},
        {5222, "!! [S7comm Read] Slot must be between 0 and 31"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Lang_Text[c.entry], QString::fromUtf8(c.text)) << c.entry;
}

TEST_F(Language, BuiltInFilesNameEachNumberOnce)
{
    Load_Default_Language();
    const QDir builtIn(":/texts");
    const QRegularExpression entry("^\\s*STR\\s*(\\d+)\\s*=");
    QMap<int, QString> owner;
    for (const QString& name : builtIn.entryList({"*.lng"}, QDir::Files)) {
        QFile file(builtIn.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
            const auto match = entry.match(line);
            if (!match.hasMatch())
                continue;
            const int n = match.captured(1).toInt();
            EXPECT_FALSE(owner.contains(n)) << n << " in " << qPrintable(owner.value(n)) << " and " << qPrintable(name);
            owner.insert(n, name);
        }
    }
    EXPECT_EQ(owner.size(), 1969);
}

TEST_F(Language, FileLinesFollowTheGrammar)
{
    struct Case {
        const char* line;
        int entry;
        QString expected;
    } cases[] = {
        {"STR18 = Fehler", 18, "Fehler"},
        {"  STR18=Fehler  ", 18, "Fehler"},
        {"\tSTR 18 =  Fehler", 18, "Fehler"},
        {"str18 = Fehler", 18, "Error! Project not Valid"},
        {"STR18 Fehler", 18, "Error! Project not Valid"},
        {"STRx = Fehler", 18, "Error! Project not Valid"},
        {"STR18 =   ", 18, "Error! Project not Valid"},
        {"STR18 = /#/ only a note", 18, "Error! Project not Valid"},
        {"STR18 = Fehler   /#/ note", 18, "Fehler"},
        {"STR317 = \u00b6 zu \u00b6", 317, " zu "},
        {"STR317 = \u00b6 zu", 317, " zu"},
        {"STR317 = a\u00b6b", 317, "a"},
        {"STR317 = \u00b6\u00b6", 317, ""},
        {"STR5299 = Last", 5299, "Last"},
        {"STR5300 = Beyond", 5299, " "},
        {"STR-1 = Before", 0, "Begin"},
        {"STR18 = First\nSTR18 = Second", 18, "Second"},
        {"STR18 = Mac\rSTR19 = Lines", 18, "Mac"},
    };
    for (const Case& c : cases) {
        Load_Default_Language();
        writeLanguage("Test", QString::fromUtf8(c.line));
        Load_Language_File(Path_Language + "/Test.lng");
        EXPECT_EQ(Lang_Text[c.entry], c.expected) << c.line;
        EXPECT_EQ(Lang_Text.Count(), 5300) << c.line;
    }
}

TEST_F(Language, EncodingsWithAndWithoutByteOrderMark)
{
    const QString text = QString::fromUtf8("STR18 = Erreur \u00e9\r\n");
    const QByteArray utf16le = QStringEncoder(QStringConverter::Utf16LE, QStringEncoder::Flag::WriteBom)(text);
    const QByteArray utf16be = QStringEncoder(QStringConverter::Utf16BE, QStringEncoder::Flag::WriteBom)(text);
    for (const QByteArray& bytes : {utf16le, utf16be, text.toUtf8()}) {
        Load_Default_Language();
        writeFile(Path_Language + "/Test.lng", bytes);
        Load_Language_File(Path_Language + "/Test.lng");
        EXPECT_EQ(Lang_Text[18], QString::fromUtf8("Erreur \u00e9"));
    }
}

TEST_F(Language, SingleByteFileKeepsItsPilcrows)
{
    Load_Default_Language();
    writeFile(Path_Language + "/Test.lng", "STR317 = \xB6 \xE0 \xB6\n");
    Load_Language_File(Path_Language + "/Test.lng");
    EXPECT_EQ(Lang_Text[317], QString::fromUtf8(" \u00e0 "));
}

TEST_F(Language, SwitchingLanguageStartsFromEnglish)
{
    writeLanguage("Deutsch", "STR18 = Fehler! Projekt nicht gueltig\n");
    Language_Name = "Deutsch";
    Load_Language();
    EXPECT_EQ(Lang_Text[18], "Fehler! Projekt nicht gueltig");
    EXPECT_EQ(Language_Name, "Deutsch");

    Language_Name = "English";
    Load_Language();
    EXPECT_EQ(Lang_Text[18], "Error! Project not Valid");
}

TEST_F(Language, MissingFileFallsBackToEnglishAndItsCorrections)
{
    Language_Name = "Klingon";
    Load_Language();
    EXPECT_EQ(Language_Name, "English");
    EXPECT_EQ(Lang_Text[0], "Begin");

    writeLanguage("English", "STR0 = Start\n");
    Language_Name = "Klingon";
    Load_Language();
    EXPECT_EQ(Lang_Text[0], "Start");
}

TEST_F(Language, ChangeLanguageCallsRegisteredForms)
{
    QStringList calls;
    const int a = Register_Set_Lang([&] { calls << "main"; });
    const int b = Register_Set_Lang([&] { calls << "options"; });
    Change_Language();
    Unregister_Set_Lang(a);
    Change_Language();
    Unregister_Set_Lang(b);
    Change_Language();
    EXPECT_EQ(calls, QStringList({"main", "options", "options"}));
}
