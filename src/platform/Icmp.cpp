#include "platform/Icmp.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QDeadlineTimer>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr int HeaderSize = 8;

class Socket {
public:
    explicit Socket(int fd) : fd_(fd) {}
    ~Socket()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

bool looksNumeric(const QString& host)
{
    return std::all_of(host.begin(), host.end(), [](QChar c) { return c.isDigit() || c == '.'; });
}

std::optional<sockaddr_in> resolve(const QString& host)
{
    if (host.isEmpty())
        return std::nullopt;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_flags = looksNumeric(host) ? AI_NUMERICHOST : 0;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.toUtf8().constData(), nullptr, &hints, &found) != 0 || found == nullptr)
        return std::nullopt;
    sockaddr_in address{};
    std::memcpy(&address, found->ai_addr, sizeof address);
    freeaddrinfo(found);
    return address;
}

quint16 checksum(const QByteArray& bytes)
{
    quint32 sum = 0;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        sum += static_cast<quint8>(bytes[i]) << 8 | static_cast<quint8>(bytes[i + 1]);
    if (bytes.size() % 2 != 0)
        sum += static_cast<quint8>(bytes.back()) << 8;
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<quint16>(~sum);
}

void putWord(QByteArray& bytes, int at, quint16 value)
{
    bytes[at] = static_cast<char>(value >> 8);
    bytes[at + 1] = static_cast<char>(value & 0xFF);
}

quint16 word(const char* bytes)
{
    return static_cast<quint16>(static_cast<quint8>(bytes[0]) << 8 | static_cast<quint8>(bytes[1]));
}

QByteArray echoPacket(quint16 identifier, quint16 sequence, const QByteArray& data)
{
    QByteArray packet(HeaderSize, '\0');
    packet[0] = static_cast<char>(ICMP_ECHO);
    putWord(packet, 4, identifier);
    putWord(packet, 6, sequence);
    packet += data;
    putWord(packet, 2, checksum(packet));
    return packet;
}

// The ICMP message in a datagram: a raw socket delivers the IP header first, an ICMP socket does not.
std::pair<const char*, int> icmpPart(const char* buffer, int size, bool raw)
{
    if (!raw)
        return {buffer, size};
    if (size < 1)
        return {buffer, 0};
    const int ipHeader = (static_cast<quint8>(buffer[0]) & 0x0F) * 4;
    return size < ipHeader ? std::pair{buffer, 0} : std::pair{buffer + ipHeader, size - ipHeader};
}

bool isEchoReply(const char* icmp, int size, quint16 sequence)
{
    return size >= HeaderSize && static_cast<quint8>(icmp[0]) == ICMP_ECHOREPLY && word(icmp + 6) == sequence;
}

std::optional<int> realEcho(const EchoRequest& request)
{
    const std::optional<sockaddr_in> address = resolve(request.Host);
    if (!address)
        return std::nullopt;
    int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
    const bool raw = fd < 0;
    if (raw)
        fd = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
    const Socket socket(fd);
    if (fd < 0)
        return std::nullopt;

    // An ICMP socket sets the identifier itself and hands over only its own replies.
    const auto identifier = static_cast<quint16>(getpid());
    const QByteArray packet = echoPacket(identifier, request.Sequence, request.Data);
    if (sendto(fd, packet.constData(), static_cast<size_t>(packet.size()), 0,
               reinterpret_cast<const sockaddr*>(&*address), sizeof *address) < 0)
        return std::nullopt;

    const QDeadlineTimer deadline(request.TimeoutMs);
    char buffer[65536];
    for (;;) {
        pollfd wait{fd, POLLIN, 0};
        const int ready = poll(&wait, 1, static_cast<int>(std::max<qint64>(deadline.remainingTime(), 0)));
        if (ready == 0 || (ready < 0 && errno != EINTR))
            return 0;
        if (ready > 0) {
            sockaddr_in from{};
            socklen_t fromSize = sizeof from;
            const ssize_t size = recvfrom(fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &fromSize);
            const auto [icmp, icmpSize] = icmpPart(buffer, static_cast<int>(std::max<ssize_t>(size, 0)), raw);
            if (isEchoReply(icmp, icmpSize, request.Sequence) && (!raw || word(icmp + 4) == identifier) &&
                from.sin_addr.s_addr == address->sin_addr.s_addr)
                return icmpSize;
        }
        if (deadline.hasExpired())
            return 0;
    }
}

}  // namespace

TIcmpEchoHook& IcmpEchoHook()
{
    static TIcmpEchoHook hook;
    return hook;
}

std::optional<int> IcmpEcho(const QString& host, const QByteArray& data, quint16 sequence, int timeoutMs)
{
    return CallHookOr(IcmpEchoHook(), realEcho, EchoRequest{host, data, sequence, timeoutMs});
}
