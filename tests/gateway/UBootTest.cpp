#include "gateway/UBoot.h"

#include "platform/Clock.h"
#include "platform/FileUtils.h"
#include "platform/Icmp.h"
#include "platform/ProgramFolder.h"
#include "platform/XmlDocument.h"
#include "shell/UComon.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <deque>

namespace {

// Runs the clock by hand: a silent echo takes its whole time-out, an answer 1 ms, a pause its length.
class FakeNetwork {
public:
    // Answers in turn: a size above 0 is a reply, 0 a time-out, no value an echo that can't be sent;
    // the last answer repeats.
    explicit FakeNetwork(std::deque<std::optional<int>> answers) : answers_(std::move(answers)) {}

    std::vector<EchoRequest> Echoes;
    std::int64_t Now = 1000;

private:
    std::optional<int> echo(const EchoRequest& request)
    {
        Echoes.push_back(request);
        const std::optional<int> answer = answers_.front();
        if (answers_.size() > 1)
            answers_.pop_front();
        Now += answer == 0 ? request.TimeoutMs : 1;
        return answer;
    }

    std::deque<std::optional<int>> answers_;
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
        FakeNetwork net(c.answers);
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

TEST(UBootPing, LoopbackAnswers)
{
    int pingRes = 0;
    EXPECT_TRUE(Ping_Device("127.0.0.1", pingRes, [] {}));
    EXPECT_EQ(pingRes, Ping_Answered);
}

class UBootFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        SetProgramFolderOverride(dir_.path());
        Init_Common();
        Path_Project = Path_Projects + "/P1";
    }
    void TearDown() override
    {
        Path_Project.clear();
        SetProgramFolderOverride(QString());
    }

    QString Written(int operation, bool readBack)
    {
        XmlDocument doc;
        Build_Update_Parameters(doc, "10.0.0.7", operation, readBack);
        const QString path = dir_.path() + "/out.xml";
        EXPECT_TRUE(doc.Save(path));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromUtf8(file.readAll()).replace(Path_Program, "@");
    }

    QTemporaryDir dir_;
};

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

TEST_F(UBootFileTest, EachUpdateWritesItsOperationsInOrder)
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

} // namespace
