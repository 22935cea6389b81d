#include "platform/Http.h"

#include "support/OneShotServer.h"

#include <gtest/gtest.h>
#include <QTcpServer>

namespace {

TEST(Http, SendsHttp10RequestAndReturnsBody)
{
    OneShotServer server(QByteArray("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n  VER. 1.001\r\n"));
    const auto body = HttpGet(server.url("/home/download/GetversionSW.asp?nomesw=GXS59"),
                              {{"Accept", "text/html,*/*;q=0.8"}, {"User-Agent", "Agent/1.0"}}, 5000);
    ASSERT_TRUE(body);
    EXPECT_EQ(*body, "  VER. 1.001\r\n");
    EXPECT_EQ(server.request(),
              "GET /home/download/GetversionSW.asp?nomesw=GXS59 HTTP/1.0\r\n"
              "Host: 127.0.0.1:" +
                  QByteArray::number(server.url("").port()) +
                  "\r\n"
                  "Accept: text/html,*/*;q=0.8\r\nUser-Agent: Agent/1.0\r\n\r\n");
}

TEST(Http, AnswersThatAreNotAWholeSuccessGiveNothing)
{
    const struct {
        const char* reply;
        std::optional<QByteArray> expected;
    } cases[] = {
        {"HTTP/1.0 200 OK\r\nContent-Length: 3\r\n\r\nabcdef", QByteArray("abc")},
        {"HTTP/1.0 204 No Content\r\n\r\n", QByteArray()},
        {"HTTP/1.0 404 Not Found\r\n\r\nmissing", std::nullopt},
        {"HTTP/1.0 302 Found\r\nLocation: /x\r\n\r\n", std::nullopt},
        {"HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\nshort", std::nullopt},
        {"HTTP/1.0 200 OK\r\nContent-Length: x\r\n\r\nbody", std::nullopt},
        {"HTTP/1.0 200 OK\r\n", std::nullopt},
        {"garbage\r\n\r\nbody", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        OneShotServer server(QByteArray(c.reply));
        EXPECT_EQ(HttpGet(server.url("/"), {}, 5000), c.expected) << c.reply;
    }
}

TEST(Http, FailsOnTimeOutRefusalAndOtherSchemes)
{
    {
        OneShotServer silent(std::nullopt);
        EXPECT_FALSE(HttpGet(silent.url("/"), {}, 200));
    }
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    EXPECT_FALSE(HttpGet(QUrl(QString("http://127.0.0.1:%1/").arg(port)), {}, 2000));
    EXPECT_FALSE(HttpGet(QUrl("https://127.0.0.1/"), {}, 2000));
    EXPECT_FALSE(HttpGet(QUrl("not a url"), {}, 2000));
}

}  // namespace
