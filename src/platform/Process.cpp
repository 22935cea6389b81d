#include "platform/Process.h"

#include "platform/Clock.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QFile>
#include <thread>
#include <vector>

namespace {

constexpr int PollMs = 10;

// Collects a program that outlived its wait once it ends, so it leaves no zombie behind.
void reapLater(pid_t pid)
{
    std::thread([pid] {
        int status = 0;
        waitpid(pid, &status, 0);
    }).detach();
}

ProcessResult exitResult(int status)
{
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return {ProcessOutcome::Exited, code};
}

ProcessResult realStart(const ProcessRequest& request)
{
    std::vector<QByteArray> args{QFile::encodeName(request.Program)};
    for (const QString& argument : request.Arguments)
        args.push_back(argument.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return {};
    const std::int64_t start = TickCount();
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            return exitResult(status);
        if (done < 0)
            return {ProcessOutcome::Exited, 0};  // already collected elsewhere: it has ended
        if (TickCount() - start >= request.TimeoutMs) {
            reapLater(pid);
            return {ProcessOutcome::TimedOut, 0};
        }
        Sleep(PollMs);
    }
}

}  // namespace

TStartProgramHook& StartProgramHook()
{
    static TStartProgramHook hook;
    return hook;
}

ProcessResult StartProgramAndWait(const QString& program, const QStringList& arguments, int timeoutMs)
{
    return CallHookOr(StartProgramHook(), realStart, ProcessRequest{program, arguments, timeoutMs});
}
