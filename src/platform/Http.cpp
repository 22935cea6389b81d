#include "platform/Http.h"

#include <QDeadlineTimer>
#include <QTcpSocket>

namespace {

constexpr quint16 DefaultPort = 80;

QByteArray requestText(const QUrl& url, const std::vector<HttpHeader>& headers)
{
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    const QByteArray host = url.adjusted(QUrl::RemoveUserInfo).authority(QUrl::FullyEncoded).toLatin1();
    QByteArray text = "GET " + target + " HTTP/1.0\r\nHost: " + host + "\r\n";
    for (const HttpHeader& header : headers)
        text += header.Name + ": " + header.Value + "\r\n";
    return text + "\r\n";
}

int remaining(const QDeadlineTimer& deadline)
{
    return static_cast<int>(std::max<qint64>(deadline.remainingTime(), 0));
}

struct Head {
    int status = 0;
    qsizetype bodyStart = -1;
    qsizetype contentLength = -1;
};

// Parses the status line and headers once they are complete; bodyStart stays -1 until then.
Head parseHead(const QByteArray& answer)
{
    Head head;
    const qsizetype end = answer.indexOf("\r\n\r\n");
    if (end < 0)
        return head;
    const QList<QByteArray> lines = answer.left(end).split('\n');
    const QList<QByteArray> status = lines.front().trimmed().split(' ');
    if (status.size() < 2 || !status[0].startsWith("HTTP/"))
        return {0, end + 4, -1};
    head.status = status[1].toInt();
    head.bodyStart = end + 4;
    for (const QByteArray& line : lines.mid(1)) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().compare("Content-Length", Qt::CaseInsensitive) == 0) {
            bool ok = false;
            head.contentLength = line.mid(colon + 1).trimmed().toLongLong(&ok);
            if (!ok || head.contentLength < 0)
                return {0, end + 4, -1};
        }
    }
    return head;
}

bool complete(const Head& head, const QByteArray& answer)
{
    return head.bodyStart >= 0 && head.contentLength >= 0 && answer.size() - head.bodyStart >= head.contentLength;
}

}  // namespace

std::optional<QByteArray> HttpGet(const QUrl& url, const std::vector<HttpHeader>& headers, int timeoutMs)
{
    if (!url.isValid() || url.scheme() != "http" || url.host().isEmpty())
        return std::nullopt;
    const QDeadlineTimer deadline(timeoutMs);
    QTcpSocket socket;
    socket.connectToHost(url.host(), static_cast<quint16>(url.port(DefaultPort)));
    if (!socket.waitForConnected(remaining(deadline)))
        return std::nullopt;
    socket.write(requestText(url, headers));
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(remaining(deadline)))
            return std::nullopt;

    QByteArray answer;
    Head head;
    while (!complete(head, answer)) {
        const bool more = socket.waitForReadyRead(remaining(deadline));
        answer += socket.readAll();
        if (head.bodyStart < 0)
            head = parseHead(answer);
        if (more)
            continue;
        if (socket.state() == QAbstractSocket::ConnectedState)
            return std::nullopt;  // time-out
        break;                    // closed by the server: the answer is all there is
    }
    if (head.bodyStart < 0 || head.status < 200 || head.status > 299)
        return std::nullopt;
    QByteArray body = answer.mid(head.bodyStart);
    if (head.contentLength >= 0) {
        if (body.size() < head.contentLength)
            return std::nullopt;
        body.truncate(head.contentLength);
    }
    return body;
}
