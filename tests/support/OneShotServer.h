#pragma once
// A loopback HTTP peer for tests of code that makes requests.
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <future>
#include <memory>
#include <optional>
#include <thread>

// Serves one connection on 127.0.0.1 from its own thread: reads the request, then writes the reply
// and closes, or, without a reply, waits for the client to go away. Every wait is bounded.
class OneShotServer {
public:
    explicit OneShotServer(std::optional<QByteArray> reply)
    {
        std::promise<quint16> port;
        auto portReady = port.get_future();
        thread_ = std::thread([this, reply, port = std::move(port)]() mutable {
            QTcpServer server;
            server.listen(QHostAddress::LocalHost);
            port.set_value(server.serverPort());
            if (!server.waitForNewConnection(5000))
                return;
            std::unique_ptr<QTcpSocket> socket(server.nextPendingConnection());
            while (!request_.contains("\r\n\r\n") && socket->waitForReadyRead(5000))
                request_ += socket->readAll();
            if (!reply) {
                socket->waitForDisconnected(5000);
                return;
            }
            socket->write(*reply);
            socket->waitForBytesWritten(5000);
            socket->disconnectFromHost();
            if (socket->state() != QAbstractSocket::UnconnectedState)
                socket->waitForDisconnected(5000);
        });
        port_ = portReady.get();
    }
    ~OneShotServer() { finish(); }

    QUrl url(const QString& pathAndQuery) const
    {
        return QUrl(QString("http://127.0.0.1:%1%2").arg(port_).arg(pathAndQuery));
    }
    QByteArray request()
    {
        finish();
        return request_;
    }

private:
    void finish()
    {
        if (thread_.joinable())
            thread_.join();
    }

    std::thread thread_;
    quint16 port_ = 0;
    QByteArray request_;
};
