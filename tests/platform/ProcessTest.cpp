#include "platform/Clock.h"
#include "platform/FileUtils.h"
#include "platform/Process.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace {

TEST(Process, ReportsExitCodeOrNotStarted)
{
    QTemporaryDir dir;
    const QString script = dir.filePath("not-executable.sh");
    ASSERT_TRUE(WriteTextFileAtomic(script, "#!/bin/sh\nexit 0\n"));
    const struct {
        QString program;
        QStringList arguments;
        ProcessResult expected;
    } cases[] = {
        {"/bin/sh", {"-c", "exit 3"}, {ProcessOutcome::Exited, 3}},
        {"/bin/sh", {"-c", "kill -TERM $$"}, {ProcessOutcome::Exited, 128 + 15}},
        {dir.filePath("missing"), {}, {ProcessOutcome::NotStarted, 0}},
        {script, {}, {ProcessOutcome::NotStarted, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StartProgramAndWait(c.program, c.arguments, 60000), c.expected)
            << c.arguments.join(' ').toStdString();
}

TEST(Process, GivesUpAtTheTimeOutMeasuredFromTheStart)
{
    std::int64_t now = 1000;
    std::vector<int> sleeps;
    ScopedHook tick(TickCountHook(), [&] { return now; });
    ScopedHook sleep(SleepHook(), [&](int ms) {
        sleeps.push_back(ms);
        now += ms;
    });
    const ProcessResult result = StartProgramAndWait("/bin/sleep", {"3"}, 150000);
    EXPECT_EQ(result.Outcome, ProcessOutcome::TimedOut);
    EXPECT_EQ(now, 1000 + 150000);
    EXPECT_EQ(sleeps.size(), 15000u);
    EXPECT_EQ(sleeps.front(), 10);
}

TEST(Process, SeamRecordsStartsAndAnswers)
{
    std::vector<ProcessRequest> starts;
    {
        ScopedHook hook(StartProgramHook(), [&](const ProcessRequest& request) {
            starts.push_back(request);
            return ProcessResult{ProcessOutcome::Exited, 7};
        });
        EXPECT_EQ(StartProgramAndWait("/opt/updater", {}, 150000).ExitCode, 7);
    }
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].Program, "/opt/updater");
    EXPECT_EQ(starts[0].TimeoutMs, 150000);
    // Restored: the real start runs again.
    EXPECT_EQ(StartProgramAndWait("/bin/sh", {"-c", "exit 0"}, 60000).Outcome, ProcessOutcome::Exited);
}

}  // namespace
