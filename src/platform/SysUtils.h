#pragma once
// The layer's exception: an error with a message for the user.
#include <QByteArray>
#include <QString>
#include <exception>

class Exception : public std::exception {
public:
    explicit Exception(const QString& message) : message_(message), utf8_(message.toUtf8()) {}
    const QString& Message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

// The message of the exception being handled (call inside a catch block).
QString CurrentExceptionMessage();
