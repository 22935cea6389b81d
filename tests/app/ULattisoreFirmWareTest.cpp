// Start-up, layout and steps of the main window against a temporary program folder.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include "app/UCreate_Forms.h"
#include "app/ULattisoreFirmWare.h"
#include "gateway/UBoot.h"
#include "gateway/UDNet.h"
#include "gateway/UDefOffset.h"
#include "gateway/UEtherCATSlave.h"
#include "gateway/UParGen.h"
#include "platform/Desktop.h"
#include "platform/FileUtils.h"
#include "platform/ProgramFolder.h"
#include "shell/UAbout.h"
#include "shell/UComon.h"
#include "shell/ULanguage.h"
#include "shell/UNew_Project.h"
#include "shell/UOpenConf.h"
#include "shell/USettings.h"
#include "shell/USoftOptions.h"
#include "support/TestSeams.h"

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        SetProgramFolderOverride(dir.path());
    }
    void TearDown() override
    {
        Application->DestroyForms();
        SetProgramFolderOverride(QString());
    }

    void WriteFile(const QString& name, const QByteArray& content)
    {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    void Remember(const QString& project)
    {
        WriteFile(QStringLiteral("Lattisor.xml"), "<Conf_Settings><lastproj><projectname>" + project.toUtf8() +
                                                      "</projectname></lastproj></Conf_Settings>");
    }
    static void Start() { Create_Forms(); }
    static TFLattisoreFirmWare& Main() { return *FLattisoreFirmWare; }
    // The project steps of this model that are on screen.
    static std::vector<TOdButton*> ProjectSteps()
    {
        auto& w = Main();
        return {w.Btn_Prm_Gen,     w.Btn_EtherCAT_Set_Access, w.Btn_DNet_Net,
                w.Btn_DNet_Offset, w.Btn_EtherCAT_ESI_File,   w.Btn_CreateBin};
    }

    QTemporaryDir dir;
};

TEST_F(MainWindow, FirstStartMakesTheFoldersAndOpensNothing)
{
    Start();
    for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(QDir(dir.filePath(QString::fromLatin1(folder))).exists()) << folder;
    auto& w = Main();
    EXPECT_EQ(Application->MainForm(), &w);
    EXPECT_EQ(Language_Name, QStringLiteral("English"));
    EXPECT_TRUE(Path_Project.isEmpty());
    EXPECT_EQ(File_ParGen, QStringLiteral("/ParGen.xml"));
    EXPECT_FALSE(w.Timer_Update->Enabled());
    EXPECT_EQ(w.Caption(), QStringLiteral("Orvane - Configurator GXS59 - EtherCAT Slave / DeviceNet Master "));
    EXPECT_EQ(w.L_SW_Code->Caption(), QStringLiteral("GXS59"));
    EXPECT_EQ(w.L_SW_Desc->Caption(), QStringLiteral("EtherCAT Slave / DeviceNet Master - Converter"));
    EXPECT_EQ(w.L_Name_Conf->Caption(), QStringLiteral("None Configuration Opened "));
    EXPECT_EQ(w.L_Name_Conf_L2->Caption(), QStringLiteral("Use Step1 to open or create new configuration"));
    EXPECT_EQ(Lang_Text.Count(), 5300);

    w.Close();
    EXPECT_TRUE(FileExists(Settings_File_Name()));
}

TEST_F(MainWindow, LaysOutTheSixStepsOfThisModel)
{
    Start();
    auto& w = Main();
    EXPECT_EQ(w.ClientWidth(), 694);
    EXPECT_EQ(w.ClientHeight(), 484);
    EXPECT_EQ(w.Color(), TColor(15595512));
    const struct {
        TControl* control;
        int left, top;
        QString caption;
    } shown[] = {
        {w.L_Begin, 16, 84, QStringLiteral("Begin")},
        {w.L_Step_1, 16, 128, QStringLiteral("Step 1")},
        {w.L_Step_6, 16, 348, QStringLiteral("Step 6")},
        {w.Btn_New, 80, 112, QStringLiteral("New Configuration")},
        {w.Btn_Open, 258, 112, QStringLiteral("Open Configuration")},
        {w.Btn_Prm_Gen, 80, 156, QStringLiteral("Set Communication")},
        {w.Btn_EtherCAT_Set_Access, 80, 200, QStringLiteral("EtherCAT Set Access")},
        {w.Btn_DNet_Net, 80, 244, QStringLiteral("DeviceNet Network")},
        {w.Btn_DNet_Offset, 258, 244, QStringLiteral("Define Offset")},
        {w.Btn_EtherCAT_ESI_File, 80, 288, QStringLiteral("EtherCAT ESI File")},
        {w.Btn_CreateBin, 80, 332, QStringLiteral("Update Device UDP")},
        {w.Btn_Info, 516, 8, QString()},
        {w.Btn_Opz, 574, 8, QString()},
        {w.Btn_Close, 632, 8, QString()},
    };
    for (const auto& c : shown) {
        SCOPED_TRACE(c.caption.toStdString());
        EXPECT_TRUE(c.control->Visible());
        EXPECT_EQ(c.control->Left(), c.left);
        EXPECT_EQ(c.control->Top(), c.top);
        EXPECT_EQ(c.control->Caption(), c.caption);
    }
    // The maker's address starts at 565 unless it would then pass the rule's end.
    EXPECT_EQ(w.L_Orvane->Caption(), QStringLiteral(LATTISOR_MAKER_HOST));
    EXPECT_EQ(w.L_Orvane->Top(), 348);
    EXPECT_EQ(w.L_Orvane->Left(), std::min(565, 684 - w.L_Orvane->Width()));
    EXPECT_EQ(w.Btn_New->Width(), 170);
    EXPECT_EQ(w.Btn_New->Height(), 36);
    EXPECT_EQ(w.Btn_Close->Hint, QStringLiteral("Close Configurator"));
    EXPECT_EQ(w.Btn_CreateBin->Hint, QStringLiteral("Update the actual Firmware and/or Configuration in the device"));
    EXPECT_EQ(w.Shape1->BoundsRect(), Bounds(10, 383, 674, 1));
    for (TControl* hidden : {static_cast<TControl*>(w.L_Step_7), static_cast<TControl*>(w.L_Step_8),
                             static_cast<TControl*>(w.Btn_Modbus_Set_Access), static_cast<TControl*>(w.Btn_SNMP_MIB),
                             static_cast<TControl*>(w.Btn_S7_Protocol_Access), static_cast<TControl*>(w.LL_Update)})
        EXPECT_FALSE(hidden->Visible()) << hidden->Caption().toStdString();
    EXPECT_EQ(w.Btn_Modbus_Set_Access->Caption(), QStringLiteral("Modbus Set Access"));
}

TEST_F(MainWindow, EveryButtonOfEveryFormCarriesTheFormsLook)
{
    Start();
    int buttons = 0;
    for (int f = 0; f < Application->ComponentCount(); ++f) {
        const auto* form = dynamic_cast<TCustomForm*>(Application->Components(f));
        for (int c = 0; form && c < form->ComponentCount(); ++c) {
            const auto* b = dynamic_cast<TOdButton*>(form->Components(c));
            if (!b)
                continue;
            SCOPED_TRACE((form->Name + QLatin1Char(' ') + b->Caption()).toStdString());
            ++buttons;
            EXPECT_EQ(b->Style(), TOdButtonStyle::bsEncarta);
            EXPECT_EQ(b->Color(), TColor(0xEDF7F8));
            EXPECT_EQ(b->ColorWhenDown, TColor(0x0080FF));
            EXPECT_EQ(b->HotTrackColor, clYellow);
            EXPECT_EQ(b->LightColor(), clGray);
            EXPECT_EQ(b->NumGlyphs(), 1);
            EXPECT_GT(b->Glyph().Width(), 0);
        }
    }
    EXPECT_GE(buttons, 45);

    // A step button: its caption from the left, its face the forms' colour, yellow under the pointer.
    Main().Show();
    TOdButton& step = *Main().Btn_New;
    EXPECT_EQ(step.Alignment(), taLeftJustify);
    EXPECT_EQ(PaintToImage(step).pixel(step.Width() - 4, 3), qRgb(0xF8, 0xF7, 0xED));
    SendMouseEnter(step);
    EXPECT_EQ(PaintToImage(step).pixel(step.Width() - 4, 3), qRgb(0xFF, 0xFF, 0x00));
    SendMouseLeave(step);
}

TEST_F(MainWindow, RemembersADeletedProjectButOpensNone)
{
    Remember(QStringLiteral("Gone"));
    Start();
    auto& w = Main();
    EXPECT_EQ(Project_Name, QStringLiteral("Gone"));
    EXPECT_TRUE(Path_Project.isEmpty());
    EXPECT_EQ(w.L_Name_Conf->Caption(), QStringLiteral("None Configuration Opened "));

    MessageBoxRecorder boxes;
    int modalRuns = 0;
    const ModalRunGuard run([&](TCustomForm&) {
        ++modalRuns;
        return mrCancel;
    });
    const FileDialogAnswer files{QString()};
    for (TOdButton* step : ProjectSteps())
        step->Click();
    ASSERT_EQ(boxes.Shown.size(), ProjectSteps().size());
    for (const auto& box : boxes.Shown) {
        EXPECT_EQ(box.Kind, mtError);
        EXPECT_EQ(box.Text, QStringLiteral("Error! Project not Valid"));
    }
    EXPECT_EQ(modalRuns, 0);
    EXPECT_TRUE(files.Shown.empty());

    w.Close();
    XmlDocument xml;
    Read_Setting(xml);
    EXPECT_EQ(Project_Name, QStringLiteral("Gone"));
}

TEST_F(MainWindow, RestoresTheRememberedProjectAndOpensItsEditors)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("PROJECTS/Plant")));
    Remember(QStringLiteral("Plant"));
    Start();
    auto& w = Main();
    const QString folder = dir.filePath(QStringLiteral("PROJECTS/Plant"));
    EXPECT_EQ(QDir::cleanPath(Path_Project), QDir::cleanPath(folder));
    EXPECT_EQ(QDir::cleanPath(File_DNETM_Net), QDir::cleanPath(folder + QStringLiteral("/DNETM_Net.xml")));
    EXPECT_EQ(w.L_Name_Conf->Caption(), QStringLiteral("Opened Configuration of the Converter : "));
    EXPECT_EQ(w.L_Name_Conf_L2->Caption(), QStringLiteral("Plant"));

    std::vector<TCustomForm*> shown;
    const ModalRunGuard run([&](TCustomForm& form) {
        shown.push_back(&form);
        return mrCancel;
    });
    w.Btn_Prm_Gen->Click();
    w.Btn_EtherCAT_Set_Access->Click();
    w.Btn_DNet_Net->Click();
    w.Btn_DNet_Offset->Click();
    EXPECT_EQ(shown, (std::vector<TCustomForm*>{FParGen, FEtherCATSlave, FDNet, FDefOffset}));
}

TEST_F(MainWindow, NewAndOpenChangeTheProjectLines)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("PROJECTS/Old")));
    Start();
    auto& w = Main();
    {
        const ModalRunGuard run([](TCustomForm& form) {
            auto& dialog = static_cast<TFNew_Project&>(form);
            dialog.E_New_Proj->SetText(QStringLiteral("Fresh"));
            dialog.Btn_OK->Click();
            return mrNone;
        });
        w.Btn_New->Click();
    }
    EXPECT_EQ(w.L_Name_Conf->Caption(), QStringLiteral("Opened Configuration of the Converter : "));
    EXPECT_EQ(w.L_Name_Conf_L2->Caption(), QStringLiteral("Fresh"));
    {
        const ModalRunGuard run([](TCustomForm& form) {
            auto& dialog = static_cast<TFOpenConf&>(form);
            dialog.ListBox1->SetItemIndex(dialog.SL.IndexOf(QStringLiteral("Old")));
            dialog.ListBox1Click(nullptr);
            return mrOk;
        });
        w.Btn_Open->Click();
    }
    EXPECT_EQ(Project_Name, QStringLiteral("Old"));
    EXPECT_EQ(w.L_Name_Conf_L2->Caption(), QStringLiteral("Old"));
    EXPECT_TRUE(File_ParGen.endsWith(QStringLiteral("PROJECTS/Old/ParGen.xml")));
}

TEST_F(MainWindow, OpenWithAnEmptyListActsAsCancel)
{
    Start();
    const ModalRunGuard run([](TCustomForm&) { return mrOk; });
    Main().Btn_Open->Click();
    EXPECT_TRUE(Path_Project.isEmpty());
    EXPECT_TRUE(Project_Name.isEmpty());
    EXPECT_EQ(File_ParGen, QStringLiteral("/ParGen.xml"));
}

TEST_F(MainWindow, EsiStepAsksBeforeOverwritingAndCancelWritesNothing)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("PROJECTS/Plant")));
    Remember(QStringLiteral("Plant"));
    Start();
    const QString existing = dir.filePath(QStringLiteral("PROJECTS/Plant/esi.xml"));
    WriteFile(QStringLiteral("PROJECTS/Plant/esi.xml"), "keep");
    {
        const FileDialogAnswer files(existing);
        MessageBoxRecorder boxes({mrNo});
        Main().Btn_EtherCAT_ESI_File->Click();
        ASSERT_EQ(files.Shown.size(), 1u);
        EXPECT_TRUE(files.Shown[0].Save);
        EXPECT_EQ(QDir::cleanPath(files.Shown[0].InitialDir), QDir::cleanPath(Path_Project));
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].Text, QStringLiteral("File already exists. Do you want to overwrite?"));
        EXPECT_EQ(boxes.Shown[0].Buttons, mbYesNo);
    }
    QFile kept(existing);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("keep"));

    const FileDialogAnswer cancel{QString()};
    MessageBoxRecorder boxes;
    Main().Btn_EtherCAT_ESI_File->Click();
    EXPECT_TRUE(boxes.Shown.empty());
    EXPECT_EQ(QDir(Path_Project).entryList(QDir::Files), QStringList{QStringLiteral("esi.xml")});
}

TEST_F(MainWindow, UpdateStepCompilesSavesAndOpensTheUpdateOverEthernet)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("PROJECTS/Plant/bin")));
    Remember(QStringLiteral("Plant"));
    Start();
    std::vector<int> formTypes;
    const ModalRunGuard run([&](TCustomForm& form) {
        EXPECT_EQ(&form, FBoot);
        formTypes.push_back(FBoot->Form_Type);
        return mrCancel;
    });
    Main().Btn_CreateBin->Click();
    EXPECT_EQ(formTypes, std::vector<int>{1});
    EXPECT_EQ(QDir(Path_Project + QStringLiteral("/bin")).entryList(QDir::Files),
              (QStringList{QStringLiteral("bank1.bin"), QStringLiteral("bank2.bin")}));

    // A project file that does not compile stops the step before anything is written or shown.
    QDir(Path_Project + QStringLiteral("/bin")).removeRecursively();
    QDir(Path_Project).mkdir(QStringLiteral("bin"));
    WriteFile(QStringLiteral("PROJECTS/Plant/ParGen.xml"), "<ParGen><broken");
    EXPECT_ANY_THROW(Main().Btn_Click(Main().Btn_CreateBin));
    EXPECT_EQ(formTypes.size(), 1u);
    EXPECT_TRUE(QDir(Path_Project + QStringLiteral("/bin")).isEmpty());
}

TEST_F(MainWindow, OptionsOkSavesTheSettingsAndFollowsTheInternetOption)
{
    WriteFile(QStringLiteral("Lattisor.xml"),
              "<Conf_Settings><lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update>"
              "</lastinternet></Conf_Settings>");
    Start();
    auto& w = Main();
    EXPECT_TRUE(w.Timer_Update->Enabled());
    {
        const ModalRunGuard cancel([](TCustomForm&) {
            Enable_Internet = false;
            return mrCancel;
        });
        w.Btn_Opz->Click();
    }
    EXPECT_TRUE(w.Timer_Update->Enabled());
    QFile::remove(Settings_File_Name());
    const ModalRunGuard ok([](TCustomForm& form) {
        EXPECT_EQ(&form, FSoftOptions);
        Enable_Internet = false;
        return mrOk;
    });
    w.Btn_Opz->Click();
    EXPECT_FALSE(w.Timer_Update->Enabled());
    EXPECT_TRUE(FileExists(Settings_File_Name()));
}

TEST_F(MainWindow, InformationAndCloseButtonsAndTheMakersLink)
{
    Start();
    auto& w = Main();
    std::vector<TCustomForm*> shown;
    const ModalRunGuard run([&](TCustomForm& form) {
        shown.push_back(&form);
        return mrOk;
    });
    w.Btn_Info->Click();
    EXPECT_EQ(shown, std::vector<TCustomForm*>{FAbout});

    std::vector<QString> opened;
    const ScopedHook<TShellOpenHook> open(ShellOpenHook(), [&](const QString& target) {
        opened.push_back(target);
        return true;
    });
    w.L_Orvane->Click();
    EXPECT_EQ(opened,
              std::vector<QString>{QStringLiteral("http://" LATTISOR_MAKER_HOST "/HOME/default.asp?frompg=GXS59")});

    w.Btn_Close->Click();
    EXPECT_TRUE(FileExists(Settings_File_Name()));
}

TEST_F(MainWindow, LanguageChangeRetranslatesEveryFormButTheAboutBox)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("LANGUAGE")));
    WriteFile(QStringLiteral("LANGUAGE/Test.lng"),
              "STR15 = Neu\nSTR18 = Fehler\nSTR100 = Neues Projekt\nSTR2900 = Netz\n");
    Start();
    auto& w = Main();
    const QString about = FAbout->Caption();
    Language_Name = QStringLiteral("Test");
    Load_Language();
    Change_Language();
    EXPECT_EQ(w.Btn_New->Caption(), QStringLiteral("Neu"));
    EXPECT_EQ(FNew_Project->Caption(), QStringLiteral("Neues Projekt"));
    EXPECT_EQ(FDNet->Caption(), QStringLiteral("Netz"));
    EXPECT_EQ(FAbout->Caption(), about);

    Language_Name = QStringLiteral("English");
    Load_Language();
    Change_Language();
    EXPECT_EQ(w.Btn_New->Caption(), QStringLiteral("New Configuration"));
    EXPECT_EQ(Lang_Text[18], QStringLiteral("Error! Project not Valid"));
}

}  // namespace
