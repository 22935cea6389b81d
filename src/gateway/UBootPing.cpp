#include "gateway/UBoot.h"

#include "platform/Clock.h"
#include "platform/Icmp.h"

bool Ping_Device(const QString& address, int& pingRes, const std::function<void()>& processMessages)
{
    pingRes = Ping_None;
    const std::int64_t start = TickCount();
    const QByteArray data = address.toUtf8();
    int answered = 0;
    do {
        // The echo returns with its reply or after its time-out, so one pause follows each.
        const std::optional<int> received = IcmpEcho(address, data, 0, Ping_Timeout_Ms);
        if (!received)
            return false;
        pingRes = *received > 0 ? Ping_Answered : Ping_Silent;
        Sleep(Ping_Pause_Ms);
        processMessages();
        if (pingRes == Ping_Answered)
            ++answered;
    } while (answered < 2 && TickCount() - start <= Ping_Span_Ms);
    return pingRes == Ping_Answered;
}
