#include "gateway/UBoot.h"

#include "platform/Clock.h"
#include "platform/FileUtils.h"
#include "platform/Icmp.h"
#include "platform/Process.h"
#include "platform/ProgramFolder.h"
#include "shell/UComon.h"
#include "shell/ULanguage.h"
#include "support/TestSeams.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <memory>

namespace {

QByteArray Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs the clock by hand: a silent echo takes its whole time-out, an answer 1 ms, a pause its length.
class FakeNetwork {
public:
    // Answers in turn: a size above 0 is a reply, 0 a time-out, no value an echo that can't be sent;
    // the last answer repeats.
    std::deque<std::optional<int>> Answers{1032};
    // Called with each echo before it is answered.
    std::function<void(const EchoRequest&)> OnEcho;
    std::vector<EchoRequest> Echoes;
    std::int64_t Now = 1000;

private:
    std::optional<int> echo(const EchoRequest& request)
    {
        Echoes.push_back(request);
        if (OnEcho)
            OnEcho(request);
        const std::optional<int> answer = Answers.front();
        if (Answers.size() > 1)
            Answers.pop_front();
        Now += answer == 0 ? request.TimeoutMs : 1;
        return answer;
    }

    ScopedHook<TTickCountHook> tick_{TickCountHook(), [this] { return Now; }};
    ScopedHook<TSleepHook> sleep_{SleepHook(), [this](int ms) { Now += ms; }};
    ScopedHook<TIcmpEchoHook> icmp_{IcmpEchoHook(), [this](const EchoRequest& r) { return echo(r); }};
};

struct PingCase {
    const char* name;
    std::deque<std::optional<int>> answers;
    bool reached;
    int pingRes;
    int echoes;
    int pauses;
};

TEST(UBootPing, EchoesOneAtATimeUntilTwoAnswersOrFiveSeconds)
{
    const std::vector<PingCase> cases{
        {"answering", {1032}, true, Ping_Answered, 2, 2},
        // 410 ms per silent attempt: the 13th ends past 5000 ms.
        {"silent", {0}, false, Ping_Silent, 13, 13},
        {"answered, silent, answered", {1032, 0, 1032}, true, Ping_Answered, 3, 3},
        {"answered once, then silent", {1032, 0}, false, Ping_Silent, 14, 14},
        {"silent, then answering", {0, 1032}, true, Ping_Answered, 3, 3},
        {"unresolvable", {std::nullopt}, false, Ping_None, 1, 0},
        {"answered, then no echo possible", {1032, std::nullopt}, false, Ping_Answered, 2, 1},
    };
    for (const PingCase& c : cases) {
        FakeNetwork net;
        net.Answers = c.answers;
        int pingRes = -1;
        int pauses = 0;
        EXPECT_EQ(Ping_Device("127.0.0.1", pingRes, [&] { ++pauses; }), c.reached) << c.name;
        EXPECT_EQ(pingRes, c.pingRes) << c.name;
        ASSERT_EQ(static_cast<int>(net.Echoes.size()), c.echoes) << c.name;
        EXPECT_EQ(pauses, c.pauses) << c.name;
        for (const EchoRequest& echo : net.Echoes) {
            EXPECT_EQ(echo.Host, "127.0.0.1");
            EXPECT_EQ(echo.Data, "127.0.0.1");
            EXPECT_EQ(echo.Sequence, 0);
            EXPECT_EQ(echo.TimeoutMs, 400);
        }
    }
}

// A temporary program folder with the project P1 open.
class BootFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        SetProgramFolderOverride(dir.path());
        Init_Common();
        Path_Project = Path_Projects + "/P1";
        Set_Files();
    }
    void TearDown() override
    {
        Path_Project.clear();
        Set_Files();
        SetProgramFolderOverride(QString());
    }

    QTemporaryDir dir;
};

QString Written(int operation, bool readBack)
{
    XmlDocument doc;
    Build_Update_Parameters(doc, "10.0.0.7", operation, readBack);
    const QString path = Path_Program + "/out.xml";
    EXPECT_TRUE(doc.Save(path));
    return QString::fromUtf8(Read(path)).replace(Path_Program, "@");
}

QString Operation(const QString& file, const QString& start, int bank, bool readBack, int css, int goToApp)
{
    return QStringLiteral(
               "<Operation><Ope_Protection_Enabled/><Ope_GoToBoot_Before>0</Ope_GoToBoot_Before>"
               "<Ope_GoToApp_Before>0</Ope_GoToApp_Before><Ope_IP_Address/><Ope_Port>2008</Ope_Port>"
               "<Ope_Port_Sec>2007</Ope_Port_Sec><Ope_Erase_Memory>0</Ope_Erase_Memory>"
               "<Ope_FileName>%1</Ope_FileName><Ope_Start_Address>%2</Ope_Start_Address>"
               "<Ope_Memory_Type>0</Ope_Memory_Type><Ope_Bank_Type>%3</Ope_Bank_Type>"
               "<Ope_Read_Back>%4</Ope_Read_Back><Ope_Write_CSS>%5</Ope_Write_CSS>"
               "<Ope_Address_CSS>0x07A00</Ope_Address_CSS><Ope_Command_CSS>0x02</Ope_Command_CSS>"
               "<Ope_Write_Internal_Data>0</Ope_Write_Internal_Data><Ope_WID_Address>0x07810</Ope_WID_Address>"
               "<Ope_WID_Command>0x02</Ope_WID_Command><Ope_WID_Data>0x00, 0x00, 0x00, 0x01</Ope_WID_Data>"
               "<Ope_GoToApp_After>%6</Ope_GoToApp_After></Operation>")
        .arg(file, start)
        .arg(bank)
        .arg(readBack ? 1 : 0)
        .arg(css)
        .arg(goToApp);
}

TEST_F(BootFolder, EachUpdateWritesItsOperationsInOrder)
{
    const QString head = QStringLiteral(
        "<Ethernet_Update><Version>1000</Version><Title>Orvane - GXS59 Ethernet Update</Title>"
        "<IP_Address_Dev>10.0.0.7</IP_Address_Dev><Application_Port>10000</Application_Port>"
        "<Boot_Port>2008</Boot_Port><Boot_Port_Sec>2007</Boot_Port_Sec>"
        "<Address_Protection>0x07800</Address_Protection><Protections><Protection>0x3C5</Protection></Protections>"
        "<Operations>");
    const QString tail = QStringLiteral("</Operations></Ethernet_Update>");
    const auto firmware = [](bool readBack, int goToApp) {
        return Operation("@/MASTER/SimGX59.sim", "0x8000", 1, readBack, 1, goToApp);
    };
    const auto bank1 = [](bool readBack) {
        return Operation("@/PROJECTS/P1/bin/bank1.bin", "0x07000", 2, readBack, 0, 0);
    };
    const auto bank2 = [](bool readBack) {
        return Operation("@/PROJECTS/P1/bin/bank2.bin", "0x80000", 2, readBack, 0, 1);
    };

    EXPECT_EQ(Written(Update_All, true), head + firmware(true, 0) + bank1(true) + bank2(true) + tail);
    EXPECT_EQ(Written(Update_Firmware, true), head + firmware(true, 1) + tail);
    EXPECT_EQ(Written(Update_Configuration, true), head + bank1(true) + bank2(true) + tail);
    EXPECT_EQ(Written(Update_All, false), head + firmware(false, 0) + bank1(false) + bank2(false) + tail);
}

// The dialog in a temporary program folder, with the clock run by hand and the network answered by the
// test (answering by default).
class BootDialog : public BootFolder {
protected:
    void SetUp() override
    {
        BootFolder::SetUp();
        Last_IP_Address = "192.168.2.205";
        Load_Default_Language();
        form = std::make_unique<TFBoot>(nullptr);
        form->Form_Type = 1;
    }
    void TearDown() override
    {
        form.reset();
        BootFolder::TearDown();
    }

    // Shows the dialog, runs the action on it, and closes it.
    void Run(const std::function<void(TFBoot&)>& action)
    {
        ModalRunGuard modal([&](TCustomForm&) {
            action(*form);
            return mrCancel;
        });
        form->ShowModal();
    }

    // An updater script (by default one that copies the parameter file it finds beside it), run on the
    // real clock while the ping keeps the test's.
    void Install_Stub_Updater(const QString& body =
                                  "cp \"$(dirname \"$0\")/Ethernet_Update.xml\" "
                                  "\"$(dirname \"$0\")/seen.xml\"")
    {
        const QString path = Path_Program + "/Ethernet_Update.exe";
        ASSERT_TRUE(WriteTextFileAtomic(path, "#!/bin/sh\n" + body + "\n"));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        realUpdater = std::make_unique<ScopedHook<TStartProgramHook>>(StartProgramHook(), [](const ProcessRequest& r) {
            ScopedHook<TStartProgramHook> process(StartProgramHook(), nullptr);
            ScopedHook<TTickCountHook> realTick(TickCountHook(), nullptr);
            ScopedHook<TSleepHook> realSleep(SleepHook(), nullptr);
            return StartProgramAndWait(r.Program, r.Arguments, r.TimeoutMs);
        });
    }

    QString Parameter_File() const { return Path_Program + "/Ethernet_Update.xml"; }

    std::unique_ptr<TFBoot> form;
    FakeNetwork net;
    std::unique_ptr<ScopedHook<TStartProgramHook>> realUpdater;
};

TEST_F(BootDialog, ShowsTheEthernetLayoutWithTheStoredAddressAndOptions)
{
    Update_Operation = Update_Configuration;
    Update_Read_Back = false;
    Run([](TFBoot& f) {
        EXPECT_EQ(f.Caption(), "Update Device by Ethernet (UDP)");
        EXPECT_EQ(f.L_SW_Desc->Caption(), "Update Device Using the Ethernet Port");
        EXPECT_EQ(f.L_SW_Code->Caption(), Software_Code);
        EXPECT_EQ(f.ClientWidth(), 449);
        EXPECT_TRUE(f.P_IP_Address->Visible());
        EXPECT_TRUE(f.P_Options->Visible());
        EXPECT_FALSE(f.P_Serial->Visible());
        EXPECT_EQ(f.P_IP_Address->Top(), f.P_Title->Height());
        EXPECT_EQ(f.P_Options->Top(), f.P_Title->Height() + f.P_IP_Address->Height());
        EXPECT_EQ(f.ClientHeight(),
                  f.P_Title->Height() + f.P_IP_Address->Height() + f.P_Options->Height() + f.P_Button->Height());
        EXPECT_EQ(f.P_Button->Top() + f.P_Button->Height(), f.ClientHeight());
        EXPECT_EQ(QStringList({f.E_IP1->Text(), f.E_IP2->Text(), f.E_IP3->Text(), f.E_IP4->Text()}),
                  QStringList({"192", "168", "2", "205"}));
        EXPECT_EQ(f.CB_Update_Options->Items().Count(), 3);
        EXPECT_EQ(f.CB_Update_Options->Items()[0], "Firmware + Configuration");
        EXPECT_EQ(f.CB_Update_Options->ItemIndex(), Update_Configuration);
        EXPECT_FALSE(f.CB_Update_Option_Read_Back->Checked());
        EXPECT_EQ(f.Btn_Update->Caption(), "Execute Update Firmware");
        EXPECT_EQ(f.E_IP3->Hint, "Insert third byte of IP Address");
        EXPECT_EQ(f.ActiveControl(), f.E_IP1);
    });
}

TEST_F(BootDialog, SerialVariantOnlyStoresTheOptions)
{
    form->Form_Type = 0;
    Run([](TFBoot& f) {
        EXPECT_EQ(f.Caption(), "Update Device by Serial");
        EXPECT_TRUE(f.P_Serial->Visible());
        EXPECT_FALSE(f.P_IP_Address->Visible());
        EXPECT_EQ(f.ClientHeight(),
                  f.P_Title->Height() + f.P_Serial->Height() + f.P_Options->Height() + f.P_Button->Height());
        f.CB_Update_Options->SetItemIndex(Update_Configuration);
        f.Btn_Update->Click();
    });
    EXPECT_TRUE(net.Echoes.empty());
    EXPECT_EQ(Update_Operation, Update_Configuration);
    EXPECT_FALSE(FileExists(Parameter_File()));
}

TEST_F(BootDialog, InvalidStoredAddressLeavesTheBoxes)
{
    Last_IP_Address = "192.168.2.300";
    Run([](TFBoot& f) { EXPECT_EQ(f.E_IP1->Text() + f.E_IP4->Text(), "00"); });
}

TEST_F(BootDialog, DotMovesToTheNextBoxAndIsNeverTyped)
{
    Run([](TFBoot& f) {
        for (TEdit* box : {f.E_IP1, f.E_IP2, f.E_IP3, f.E_IP4})
            box->Clear();
        TypeText(*f.E_IP1, "10.");
        EXPECT_EQ(f.ActiveControl(), f.E_IP2);
        TypeText(*f.E_IP4, "7.");
        EXPECT_EQ(f.ActiveControl(), f.E_IP2);
        EXPECT_EQ(f.E_IP1->Text(), "10");
        EXPECT_EQ(f.E_IP4->Text(), "7");
    });
}

TEST_F(BootDialog, TypingAnAddressReplacesEachBoxInTurn)
{
    Last_IP_Address = "127.0.0.1";
    Run([](TFBoot& f) {
        for (const QChar ch : QStringLiteral("1.2.3.4"))
            TypeText(*f.ActiveControl(), QString(ch));
        EXPECT_EQ(QStringList({f.E_IP1->Text(), f.E_IP2->Text(), f.E_IP3->Text(), f.E_IP4->Text()}),
                  QStringList({"1", "2", "3", "4"}));
    });
}

TEST_F(BootDialog, AnsweredPingWritesTheFileAndRunsTheUpdater)
{
    Install_Stub_Updater();
    MessageBoxRecorder boxes;
    Run([](TFBoot& f) {
        f.E_IP4->SetText("9");
        f.CB_Update_Options->SetItemIndex(Update_Firmware);
        f.CB_Update_Option_Read_Back->SetChecked(false);
        f.Btn_Update->Click();
        EXPECT_EQ(f.ModalResult(), mrNone);
        EXPECT_TRUE(f.Btn_Update->Enabled());
    });
    ASSERT_EQ(net.Echoes.size(), 2u);
    EXPECT_EQ(net.Echoes[1].Host, "192.168.2.9");
    EXPECT_TRUE(boxes.Shown.empty());
    EXPECT_EQ(Last_IP_Address, "192.168.2.9");
    EXPECT_EQ(Update_Operation, Update_Firmware);
    EXPECT_FALSE(Update_Read_Back);
    const QByteArray seen = Read(Path_Program + "/seen.xml");
    EXPECT_EQ(seen, Read(Parameter_File()));
    EXPECT_TRUE(seen.contains("<IP_Address_Dev>192.168.2.9</IP_Address_Dev>"));
    EXPECT_EQ(seen.count("<Operation>"), 1);
    EXPECT_TRUE(seen.contains("<Ope_Read_Back>0</Ope_Read_Back>"));
}

TEST_F(BootDialog, FailedPingShowsItsMessageAndRemembersNothing)
{
    struct Case {
        std::optional<int> answer;
        TMsgDlgType kind;
        const char* text;
    };
    for (const Case& c :
         {Case{0, mtWarning, "Device Not Found!"}, Case{std::nullopt, mtError, "Error!!! Check the Ip Address"}}) {
        net.Answers = {c.answer};
        MessageBoxRecorder boxes;
        Run([](TFBoot& f) {
            f.E_IP1->SetText("300");
            f.CB_Update_Options->SetItemIndex(Update_Firmware);
            f.Btn_Update->Click();
        });
        ASSERT_EQ(boxes.Shown.size(), 1u) << c.text;
        EXPECT_EQ(boxes.Shown[0].Kind, c.kind);
        EXPECT_EQ(boxes.Shown[0].Text, c.text);
        EXPECT_EQ(boxes.Shown[0].Buttons, mbOK);
        EXPECT_EQ(Last_IP_Address, "192.168.2.205");
        EXPECT_EQ(Update_Operation, Update_All);
        EXPECT_FALSE(FileExists(Parameter_File()));
    }
}

TEST_F(BootDialog, UpdaterThatCannotStartOrOverrunsIsReported)
{
    {
        MessageBoxRecorder boxes;
        Run([](TFBoot& f) { f.Btn_Update->Click(); });
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].Kind, mtError);
        EXPECT_EQ(boxes.Shown[0].Text, "Error!!! The update program could not be started");
    }
    std::vector<ProcessRequest> started;
    ScopedHook process(StartProgramHook(), [&](const ProcessRequest& request) {
        started.push_back(request);
        return ProcessResult{ProcessOutcome::TimedOut, 0};
    });
    MessageBoxRecorder boxes;
    Run([](TFBoot& f) { f.Btn_Update->Click(); });
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].Program, Path_Program + "/Ethernet_Update.exe");
    EXPECT_TRUE(started[0].Arguments.isEmpty());
    EXPECT_EQ(started[0].TimeoutMs, 150000);
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Kind, mtWarning);
    EXPECT_EQ(boxes.Shown[0].Text, "The update program did not end within 150 seconds");
}

TEST_F(BootDialog, UpdateButtonIsDisabledWhileThePingRuns)
{
    Install_Stub_Updater("echo run >> \"$(dirname \"$0\")/runs\"");
    net.OnEcho = [&](const EchoRequest&) {
        EXPECT_FALSE(form->Btn_Update->Enabled());
        if (net.Echoes.size() == 1)
            SendClick(*form->Btn_Update, {5, 5});
    };
    Run([](TFBoot& f) {
        SendClick(*f.Btn_Update, {5, 5});
        EXPECT_TRUE(f.Btn_Update->Enabled());
    });
    EXPECT_EQ(net.Echoes.size(), 2u);
    EXPECT_EQ(Read(Path_Program + "/runs"), "run\n");
}

TEST_F(BootDialog, UnwritableParameterFileStopsBeforeTheUpdater)
{
    ASSERT_TRUE(ForceDirectories(Parameter_File()));
    bool started = false;
    ScopedHook process(StartProgramHook(), [&](const ProcessRequest&) {
        started = true;
        return ProcessResult{ProcessOutcome::Exited, 0};
    });
    MessageBoxRecorder boxes;
    Run([](TFBoot& f) { SendClick(*f.Btn_Update, {5, 5}); });
    EXPECT_FALSE(started);
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Kind, mtError);
}

TEST_F(BootDialog, UpdateStepOpensTheDialogOnlyAfterTheBanksAreSaved)
{
    FBoot = form.get();
    form->Form_Type = 0;
    ASSERT_TRUE(ForceDirectories(Path_Project + "/bin"));
    bool shown = false;
    {
        ModalRunGuard modal([&](TCustomForm&) {
            shown = true;
            EXPECT_EQ(form->Form_Type, 1);
            EXPECT_TRUE(FileExists(Path_Project + "/bin/bank1.bin"));
            EXPECT_TRUE(FileExists(Path_Project + "/bin/bank2.bin"));
            return mrCancel;
        });
        Update_Device_Step();
        EXPECT_TRUE(shown);

        shown = false;
        ASSERT_TRUE(WriteTextFileAtomic(File_DNETM_Net, "<DNET_Net><row ID=\"1\"/></DNET_Net>"));
        EXPECT_ANY_THROW(Update_Device_Step());
        EXPECT_FALSE(shown);
    }
    FBoot = nullptr;
}

}  // namespace
