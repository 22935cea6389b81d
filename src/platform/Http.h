#pragma once
// A plain HTTP/1.0 GET.
#include <QByteArray>
#include <QUrl>
#include <optional>
#include <vector>

struct HttpHeader {
    QByteArray Name;
    QByteArray Value;
};

// Sends "GET <path>[?<query>] HTTP/1.0" to an http: URL with a Host header and then the given headers,
// and reads the answer until the server closes the connection or the announced Content-Length has come.
// TimeoutMs bounds the whole exchange. The body of a 2xx answer; no value for anything else (no
// connection, time-out, a malformed, cut short or non-2xx answer).
std::optional<QByteArray> HttpGet(const QUrl& url, const std::vector<HttpHeader>& headers, int timeoutMs);
