// The update check against a loopback server, the update timer and the options dialog.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <memory>
#include "platform/Bitmap.h"
#include "platform/Desktop.h"
#include "shell/EnglishTextsFixture.h"
#include "shell/USoftOptions.h"
#include "support/OneShotServer.h"
#include "support/TestSeams.h"

namespace {

// Points the maker's site at a loopback server for the life of the guard.
class LoopbackMaker {
public:
    explicit LoopbackMaker(std::optional<QByteArray> reply, int timeoutMs = 5000)
        : server(std::move(reply)),
          host_(Maker_Host(), server.url("").authority()),
          timeout_(Update_Timeout_Ms(), timeoutMs)
    {}
    OneShotServer server;

private:
    ScopedHook<QString> host_;
    ScopedHook<int> timeout_;
};

QByteArray ok(const QByteArray& body)
{
    return "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + body;
}

using UpdateTimer = EnglishTextsTest;

}  // namespace

TEST(UpdateCheck, ReadsTheVersionAfterTheFirstBlank)
{
    const struct {
        const char* text;
        int number;
    } cases[] = {
        {"VER. 1.234", 1234},   {"1.000", 1000},    {"VER. 0.000", 0},
        {"VER.  2.500 ", 2500}, {"VER. 1.1", -1},   {"VER.", -1},
        {"VER. a.bcd", -1},     {"VER. 1.+23", -1}, {"", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Conv_Version(QString::fromLatin1(c.text)), c.number) << c.text;
}

TEST(UpdateCheck, SendsTheEndpointRequest)
{
    EXPECT_EQ(Update_Timeout_Ms(), 10000);
    LoopbackMaker maker(ok("VER. 0.000"));
    EXPECT_FALSE(Check_Version());
    EXPECT_EQ(maker.server.request(),
              "GET /home/download/GetversionSW.asp?nomesw=GXS59 HTTP/1.0\r\n"
              "Host: " +
                  maker.server.url("").authority().toLatin1() +
                  "\r\n"
                  "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"
                  "User-Agent: Lattisor/1.000\r\n\r\n");
}

TEST(UpdateCheck, OnlyANewerVersionCounts)
{
    const struct {
        std::optional<QByteArray> reply;
        bool newer;
    } cases[] = {
        {ok("VER. 1.001"), true},
        {ok("ver. 1.001\r\n"), true},
        {ok("  VER. 2.000  \r\n"), true},
        {ok("VER. 1.000"), false},
        {ok("VER. 0.999"), false},
        {ok("VER. 0.000"), false},
        {ok("VER. 1.1"), false},
        {ok(""), false},
        {QByteArray("HTTP/1.0 404 Not Found\r\n\r\nVER. 9.999"), false},
        {QByteArray(), false},  // connection closed without an answer
    };
    for (const auto& c : cases) {
        LoopbackMaker maker(c.reply);
        EXPECT_EQ(Check_Version(), c.newer) << c.reply.value_or("(none)").toStdString();
    }
}

TEST(UpdateCheck, ASilentServerCountsAsNoNewerVersionAfterTheTimeOut)
{
    LoopbackMaker maker(std::nullopt, 300);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(Check_Version());
    EXPECT_LT(clock.elapsed(), 3000);
}

TEST(UpdateCheck, NoServerCountsAsNoNewerVersion)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const ScopedHook<QString> host(Maker_Host(), QStringLiteral("127.0.0.1:%1").arg(closed.serverPort()));
    closed.close();
    EXPECT_FALSE(Check_Version());
}

TEST_F(UpdateTimer, RunsOnlyWithInternetAndUpdateCheck)
{
    TTimer timer(nullptr);
    timer.SetInterval(Update_First_Interval);
    for (const bool internet : {false, true}) {
        for (const bool update : {false, true}) {
            Enable_Internet = internet;
            Enable_Update = update;
            Enable_Update_Timer(timer);
            EXPECT_EQ(timer.Running(), internet && update) << internet << update;
        }
    }
}

TEST_F(UpdateTimer, ChecksAfterAMinuteThenEveryTwoHours)
{
    TTimer timer(nullptr);
    timer.SetEnabled(false);
    timer.SetInterval(Update_First_Interval);
    TLinkLabel link(nullptr);
    link.SetVisible(false);
    timer.OnTimer = [&](TObject*) { Update_Timer_Tick(timer, link); };
    Enable_Internet = Enable_Update = true;
    Enable_Update_Timer(timer);
    ASSERT_TRUE(timer.Running());
    EXPECT_EQ(timer.Interval(), 60000u);
    {
        LoopbackMaker maker(ok("VER. 1.001"));
        ASSERT_TRUE(FireTimer(timer));
        EXPECT_TRUE(link.Visible());
        EXPECT_EQ(link.Links(), QStringList{Update_Download_Link()});
        EXPECT_EQ(Update_Download_Link(),
                  "http://" + maker.server.url("").authority() + "/Home/download/download.asp#GXH59");
    }
    EXPECT_TRUE(link.Caption().contains(Lang_Text[19]));
    EXPECT_TRUE(timer.Running());
    EXPECT_EQ(timer.Interval(), 7200000u);
    {
        LoopbackMaker maker(ok("VER. 0.000"));
        ASSERT_TRUE(FireTimer(timer));
    }
    EXPECT_FALSE(link.Visible());
    EXPECT_TRUE(timer.Running());
    EXPECT_EQ(timer.Interval(), 7200000u);
}

namespace {

class SoftOptions : public EnglishTextsTest {
protected:
    void SetUp() override
    {
        EnglishTextsTest::SetUp();
        form = std::make_unique<TFSoftOptions>(nullptr);
        form->DoCreate();
    }
    void TearDown() override
    {
        form.reset();
        EnglishTextsTest::TearDown();
    }
    void WriteLanguage(const QString& name, const QString& text = QString())
    {
        QFile file(Path_Language + "/" + name + ".lng");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("\xEF\xBB\xBF" + text.toUtf8());
    }
    void WriteFlag(const QString& name)
    {
        TBitmap flag(8, 8);
        ASSERT_TRUE(flag.SaveToFile(Path_Language + "/" + name + ".bmp"));
    }
    // Slot labels shown, in order; a slot whose picture is hidden is marked "(no flag)".
    QStringList Slots() const
    {
        QStringList shown;
        for (int slot = 0; slot < TFSoftOptions::Slot_Count; ++slot) {
            if (form->L_L[slot]->Visible())
                shown << form->L_L[slot]->Caption() + (form->I_L[slot]->Visible() ? "" : " (no flag)");
            else
                EXPECT_FALSE(form->I_L[slot]->Visible()) << slot;
        }
        return shown;
    }

    std::unique_ptr<TFSoftOptions> form;
};

}  // namespace

TEST_F(SoftOptions, SevenLanguagesMakeTwoPages)
{
    for (const char* name : {"Polski", "deutsch", "English", "Zulu", "italiano", "Espanol", "Francais"})
        WriteLanguage(name);
    WriteLanguage("Locked");
    QFile::setPermissions(Path_Language + "/Locked.lng", QFile::ReadOwner | QFile::ReadGroup);
    ASSERT_TRUE(QDir(Path_Language).mkdir("Folder.lng"));
    QFile(Path_Language + "/notes.txt").open(QIODevice::WriteOnly);
    WriteFlag("deutsch");
    WriteFlag("DefaultFlag");

    form->FormShow(nullptr);
    EXPECT_EQ(form->SL_Languages.Count(), 7);
    EXPECT_EQ(Slots(), QStringList({"deutsch", "English", "Espanol", "Francais", "italiano", "Polski"}));
    EXPECT_FALSE(form->Btn_Prev->Visible());
    EXPECT_TRUE(form->Btn_Next->Visible());
    EXPECT_EQ(form->L_Page_Lang->Caption(), "Page 1 / 2");
    EXPECT_EQ(form->L_Sel_Lang->Caption(), "Selected Language : English");

    form->Btn_NextClick(form->Btn_Next);
    EXPECT_EQ(form->Show_Page, 2);
    EXPECT_EQ(Slots(), QStringList{"Zulu"});
    EXPECT_TRUE(form->Btn_Prev->Visible());
    EXPECT_FALSE(form->Btn_Next->Visible());
    EXPECT_EQ(form->L_Page_Lang->Caption(), "Page 2 / 2");

    form->Btn_NextClick(form->Btn_Next);
    EXPECT_EQ(form->Show_Page, 2);
    form->Btn_NextClick(form->Btn_Prev);
    form->Btn_NextClick(form->Btn_Prev);
    EXPECT_EQ(form->Show_Page, 1);

    // Without the default flag only a language with its own flag has a picture.
    QFile::remove(Path_Language + "/DefaultFlag.bmp");
    form->FormShow(nullptr);
    EXPECT_EQ(Slots(), QStringList({"deutsch", "English (no flag)", "Espanol (no flag)", "Francais (no flag)",
                                    "italiano (no flag)", "Polski (no flag)"}));
}

TEST_F(SoftOptions, AnEmptyLanguageFolderShowsAnEmptyPage)
{
    form->FormShow(nullptr);
    EXPECT_TRUE(Slots().isEmpty());
    EXPECT_FALSE(form->Btn_Prev->Visible());
    EXPECT_FALSE(form->Btn_Next->Visible());
    EXPECT_EQ(form->L_Page_Lang->Caption(), "Page 1 / 1");
    MessageBoxRecorder boxes({mrYes});
    form->LangClick(form->L_L[0]);
    EXPECT_TRUE(boxes.Shown.empty());
}

TEST_F(SoftOptions, APickedLanguageRetranslatesAtOnceAndIsCommittedByOK)
{
    WriteLanguage("Deutsch",
                  QString::fromUtf8("STR300 = Software-Optionen\nSTR304 = \u00b6Gew\u00e4hlte Sprache : \u00b6\n"
                                    "STR305 = \u00b6Seite \u00b6"));
    for (const char* name : {"A1", "A2", "A3", "A4", "A5", "A6"})
        WriteLanguage(name);
    form->FormShow(nullptr);
    form->Btn_NextClick(form->Btn_Next);
    ASSERT_EQ(form->L_L[0]->Caption(), "Deutsch");

    {
        MessageBoxRecorder boxes({mrNo});
        form->LangClick(form->I_L[0]);
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].Kind, mtConfirmation);
        EXPECT_EQ(boxes.Shown[0].Buttons, mbYesNo);
        EXPECT_EQ(boxes.Shown[0].Text, "Do you want to change the Language from English to Deutsch?");
    }
    EXPECT_EQ(form->Caption(), "Software Options");
    EXPECT_EQ(form->Language_In_Use, "English");

    {
        MessageBoxRecorder boxes({mrYes});
        form->LangClick(form->L_L[0]);
    }
    EXPECT_EQ(form->Caption(), "Software-Optionen");
    EXPECT_EQ(form->L_Sel_Lang->Caption(), QString::fromUtf8("Gew\u00e4hlte Sprache : Deutsch"));
    EXPECT_EQ(form->L_Page_Lang->Caption(), "Seite 2 / 2");
    EXPECT_EQ(form->Language_In_Use, "Deutsch");
    EXPECT_EQ(Language_Name, "English");

    form->Btn_OKClick(nullptr);
    EXPECT_EQ(form->ModalResult(), mrOk);
    EXPECT_EQ(Language_Name, "Deutsch");
}

TEST_F(SoftOptions, CheckBoxesFollowTheEnablingRules)
{
    const struct {
        bool internet, update;
        bool updateEnabled, buttonEnabled;
    } cases[] = {
        {true, true, true, true},
        {true, false, true, false},
        {false, true, false, false},
        {false, false, false, false},
    };
    for (const auto& c : cases) {
        Enable_Internet = c.internet;
        Enable_Update = c.update;
        form->FormShow(nullptr);
        EXPECT_EQ(form->CB_En_Con->Checked(), c.internet);
        EXPECT_EQ(form->CB_Update->Checked(), c.update);
        EXPECT_EQ(form->CB_Update->Enabled(), c.updateEnabled) << c.internet << c.update;
        EXPECT_EQ(form->Btn_Check_Update->Enabled(), c.buttonEnabled) << c.internet << c.update;
    }

    // Clicks: internet off disables both; on again enables the box, the button only with the box ticked.
    form->CB_Update->SetChecked(false);
    form->CB_En_Con->SetChecked(true);
    EXPECT_TRUE(form->CB_Update->Enabled());
    EXPECT_FALSE(form->Btn_Check_Update->Enabled());
    form->CB_Update->SetChecked(true);
    EXPECT_TRUE(form->Btn_Check_Update->Enabled());
    form->CB_En_Con->SetChecked(false);
    EXPECT_FALSE(form->CB_Update->Enabled());
    EXPECT_FALSE(form->Btn_Check_Update->Enabled());
}

TEST_F(SoftOptions, OKCommitsTheOptionsAndCancelKeepsThem)
{
    Enable_Internet = Enable_Update = true;
    Enable_Jump_Field_Tables = Enable_Double_Click_Auto_Size = false;
    auto untickAndPress = [this](TOdButton* button) {
        return ModalRunGuard([this, button](TCustomForm&) {
            form->CB_En_Con->SetChecked(false);
            form->CB_Soft_Set_Jump_Table->SetChecked(true);
            form->CB_DoubleClick_Auto_Size->SetChecked(true);
            button->Click();
            return mrNone;
        });
    };
    {
        const auto guard = untickAndPress(form->Btn_Cancel);
        EXPECT_EQ(form->ShowModal(), mrCancel);
    }
    EXPECT_TRUE(Enable_Internet);
    EXPECT_FALSE(Enable_Jump_Field_Tables);
    EXPECT_FALSE(Enable_Double_Click_Auto_Size);
    {
        const auto guard = untickAndPress(form->Btn_OK);
        EXPECT_EQ(form->ShowModal(), mrOk);
    }
    EXPECT_FALSE(Enable_Internet);
    EXPECT_TRUE(Enable_Update);  // kept from the disabled box
    EXPECT_TRUE(Enable_Jump_Field_Tables);
    EXPECT_TRUE(Enable_Double_Click_Auto_Size);
}

TEST_F(SoftOptions, CheckButtonShowsTheLinkOrNoUpdate)
{
    form->FormShow(nullptr);
    EXPECT_FALSE(form->LL_Check_Update->Visible());
    QString download;
    {
        LoopbackMaker maker(ok("VER. 1.001"));
        form->Btn_Check_UpdateClick(nullptr);
        download = Update_Download_Link();
    }
    EXPECT_TRUE(form->LL_Check_Update->Visible());
    EXPECT_TRUE(form->LL_Check_Update->Caption().contains("New Version Available. Click Here for more Details"));
    ASSERT_EQ(form->LL_Check_Update->Links(), QStringList{download});

    QStringList opened;
    const ScopedHook<TShellOpenHook> open(ShellOpenHook(), [&](const QString& target) {
        opened << target;
        return true;
    });
    form->LL_Check_Update->ClickLink(download);
    EXPECT_EQ(opened, QStringList{download});

    {
        LoopbackMaker maker(ok("VER. 0.000"));
        form->Btn_Check_UpdateClick(nullptr);
    }
    EXPECT_TRUE(form->LL_Check_Update->Visible());
    EXPECT_EQ(form->LL_Check_Update->Caption(), "No Update Available");
    EXPECT_TRUE(form->LL_Check_Update->Links().isEmpty());
}
