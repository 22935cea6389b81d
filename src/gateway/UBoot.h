#pragma once
// The device update dialog: pings the gateway, writes the updater's parameter file and runs the updater.
#include "platform/Process.h"

#include <QString>
#include <functional>

class XmlDocument;

// ping_res: the outcome of the last echo.
enum : int { Ping_None = 0, Ping_Answered = 1, Ping_Silent = 2 };
// Update_Operation: what an update transfers.
enum : int { Update_All = 0, Update_Firmware = 1, Update_Configuration = 2 };

constexpr int Ping_Timeout_Ms = 400;
constexpr int Ping_Pause_Ms = 10;
constexpr int Ping_Span_Ms = 5000;
constexpr int Updater_Timeout_Ms = 150000;

// Echoes the address one at a time until two have been answered or more than Ping_Span_Ms have passed,
// pausing Ping_Pause_Ms after each and then calling processMessages. True when the last echo was
// answered. False at once when no echo can be sent (pingRes then keeps the last outcome).
bool Ping_Device(const QString& address, int& pingRes, const std::function<void()>& processMessages);

// Fills doc with the updater's parameters: the device address, and one operation per file of the
// chosen update (firmware from Path_Master, banks from the project's bin folder).
void Build_Update_Parameters(XmlDocument& doc, const QString& address, int operation, bool readBack);

// Runs Path_Program/Ethernet_Update.exe without arguments and waits up to Updater_Timeout_Ms for it.
ProcessOutcome Run_Updater();
