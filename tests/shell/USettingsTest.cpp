#include <QDir>
#include <QFile>
#include <QFileInfo>
#include "ProgramFolderFixture.h"
#include "platform/XmlDocument.h"
#include "shell/USettings.h"

namespace {

const char* const Saved =
    "<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj>"
    "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd>"
    "<lastlang><language>Deutsch</language></lastlang>"
    "<lastinternet><enable_internet>1</enable_internet><enable_update>0</enable_update>"
    "<enable_jump_field_tables>1</enable_jump_field_tables>"
    "<Double_Click_Auto_Size>0</Double_Click_Auto_Size></lastinternet></Conf_Settings>";

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class Settings : public ProgramFolderTest {
protected:
    void writeSettings(const QByteArray& xml)
    {
        QFile file(Settings_File_Name());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(xml);
    }
    // Values a previous read might have left.
    void dirty()
    {
        Project_Name = "stale";
        Path_Project = "/stale";
        Last_IP_Address = "1.1.1.1";
        Language_Name = "Stale";
        Enable_Internet = Enable_Update = Enable_Jump_Field_Tables = Enable_Double_Click_Auto_Size = true;
    }
    void expectDefaults()
    {
        EXPECT_TRUE(Project_Name.isEmpty());
        EXPECT_TRUE(Path_Project.isEmpty());
        EXPECT_EQ(Last_IP_Address, "192.168.2.205");
        EXPECT_EQ(Language_Name, "English");
        EXPECT_FALSE(Enable_Internet || Enable_Update || Enable_Jump_Field_Tables || Enable_Double_Click_Auto_Size);
    }
    XmlDocument XML1;
};

TEST_F(Settings, MissingMalformedOrEmptyFileGivesDefaults)
{
    for (const QByteArray& content : {QByteArray(), QByteArray("<Conf_Settings><lastproj>"), QByteArray("")}) {
        if (!content.isNull())
            writeSettings(content);
        dirty();
        Read_Setting(XML1);
        expectDefaults();
    }
}

TEST_F(Settings, SaveWritesTheFixedLayoutAndReadsItBack)
{
    Project_Name = "Plant";
    Last_IP_Address = "10.0.0.7";
    Language_Name = "Deutsch";
    Enable_Internet = true;
    Enable_Update = false;
    Enable_Jump_Field_Tables = true;
    Enable_Double_Click_Auto_Size = false;
    XML1.Node().AppendElement("Leftover");
    ASSERT_TRUE(Save_Setting(XML1));
    EXPECT_EQ(readAll(Settings_File_Name()), QByteArray(Saved));

    dirty();
    Read_Setting(XML1);
    EXPECT_EQ(Project_Name, "Plant");
    EXPECT_TRUE(Path_Project.isEmpty());
    EXPECT_EQ(Last_IP_Address, "10.0.0.7");
    EXPECT_EQ(Language_Name, "Deutsch");
    EXPECT_TRUE(Enable_Internet && Enable_Jump_Field_Tables);
    EXPECT_FALSE(Enable_Update || Enable_Double_Click_Auto_Size);

    ASSERT_TRUE(Save_Setting(XML1));
    EXPECT_EQ(readAll(Settings_File_Name()), QByteArray(Saved));
}

TEST_F(Settings, EachValueIsReadOnItsOwn)
{
    writeSettings(
        "<Other>"
        "<lastproj><projectname><b>x</b></projectname></lastproj>"
        "<lastipadd><ipaddress></ipaddress></lastipadd>"
        "<lastlang><Language>Deutsch</Language></lastlang>"
        "<lastinternet><enable_internet>1</enable_internet>"
        "<enable_jump_field_tables> 1</enable_jump_field_tables>"
        "<double_click_auto_size>1</double_click_auto_size></lastinternet></Other>");
    dirty();
    Read_Setting(XML1);
    EXPECT_TRUE(Project_Name.isEmpty());
    EXPECT_EQ(Last_IP_Address, "");
    EXPECT_EQ(Language_Name, "English");
    EXPECT_TRUE(Enable_Internet);
    EXPECT_FALSE(Enable_Update || Enable_Jump_Field_Tables || Enable_Double_Click_Auto_Size);
}

TEST_F(Settings, NamesLeadingOutOfTheirFolderAreNotTakenAndMissingGroupClearsFlags)
{
    for (const char* name : {"../Plant", "a/b", "a\\b", "..", "."}) {
        writeSettings(QByteArray("<Conf_Settings><lastproj><projectname>") + name +
                      "</projectname></lastproj><lastlang><language>" + name +
                      "</language></lastlang></Conf_Settings>");
        dirty();
        Read_Setting(XML1);
        EXPECT_TRUE(Project_Name.isEmpty()) << name;
        EXPECT_EQ(Language_Name, "English") << name;
        EXPECT_FALSE(Enable_Internet || Enable_Update || Enable_Jump_Field_Tables || Enable_Double_Click_Auto_Size);
    }
}

TEST_F(Settings, UnwritableFileIsReported)
{
    ASSERT_TRUE(QDir().mkpath(Settings_File_Name()));  // a folder in its place can't be replaced, even by root
    EXPECT_FALSE(Save_Setting(XML1));
    EXPECT_TRUE(QFileInfo(Settings_File_Name()).isDir());
}
