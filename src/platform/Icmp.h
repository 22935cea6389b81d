#pragma once
// ICMP echo (ping) to an IPv4 host.
#include "platform/Seam.h"

#include <QByteArray>
#include <QString>
#include <optional>

struct EchoRequest {
    QString Host;  // dotted address or host name
    QByteArray Data;
    quint16 Sequence = 0;
    int TimeoutMs = 0;
};

// Sends one echo request and waits up to TimeoutMs for its reply. The size in bytes of the echo reply
// (ICMP header and data), or 0 after a time-out. No value when no echo could be sent: the host can't be
// resolved (a text of digits and dots must be a valid address), no ICMP socket can be opened (an
// unprivileged ICMP socket first, a raw socket as the fall-back), or the send fails.
std::optional<int> IcmpEcho(const QString& host, const QByteArray& data, quint16 sequence, int timeoutMs);

using TIcmpEchoHook = std::function<std::optional<int>(const EchoRequest&)>;
TIcmpEchoHook& IcmpEchoHook();
