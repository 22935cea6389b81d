#include "platform/Icmp.h"

#include <gtest/gtest.h>

namespace {

TEST(Icmp, LoopbackAnswersWithTheReplySize)
{
    EXPECT_EQ(IcmpEcho("127.0.0.1", "127.0.0.1", 0, 1000), 8 + 9);
    EXPECT_EQ(IcmpEcho("localhost", QByteArray(1024, 'x'), 7, 1000), 8 + 1024);
}

TEST(Icmp, UnresolvableHostSendsNothing)
{
    for (const char* host : {"", "192.168.2.300", "1.2.3.4.5", "..."})
        EXPECT_EQ(IcmpEcho(host, "x", 0, 400), std::nullopt) << host;
}

TEST(Icmp, SeamAnswersForTheNetwork)
{
    std::vector<quint16> sequences;
    ScopedHook hook(IcmpEchoHook(), [&](const EchoRequest& request) -> std::optional<int> {
        sequences.push_back(request.Sequence);
        return request.Host == "192.168.2.205" ? 0 : 32;
    });
    EXPECT_EQ(IcmpEcho("192.168.2.205", "192.168.2.205", 3, 400), 0);
    EXPECT_EQ(sequences, std::vector<quint16>{3});
}

}  // namespace
