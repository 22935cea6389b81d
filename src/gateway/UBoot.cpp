#include "gateway/UBoot.h"

#include "shell/UComon.h"

ProcessOutcome Run_Updater()
{
    return StartProgramAndWait(Path_Program + QStringLiteral("/Ethernet_Update.exe"), {}, Updater_Timeout_Ms).Outcome;
}
