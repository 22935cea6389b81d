#pragma once
// Starting an external program and waiting for it with a time-out.
#include "platform/Seam.h"

#include <QString>
#include <QStringList>

enum class ProcessOutcome { NotStarted, Exited, TimedOut };

struct ProcessResult {
    ProcessOutcome Outcome = ProcessOutcome::NotStarted;
    // The exit code when Outcome is Exited; 128 + the signal number for a program ended by a signal.
    int ExitCode = 0;
    bool operator==(const ProcessResult&) const = default;
};

struct ProcessRequest {
    QString Program;  // path of the program file
    QStringList Arguments;
    int TimeoutMs = 0;
};

// Starts the program in the current folder and waits, checking every 10 ms (on TickCount and Sleep),
// until it ends or TimeoutMs have passed since the start. A program still running then keeps running.
ProcessResult StartProgramAndWait(const QString& program, const QStringList& arguments, int timeoutMs);

using TStartProgramHook = std::function<ProcessResult(const ProcessRequest&)>;
TStartProgramHook& StartProgramHook();
