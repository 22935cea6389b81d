#pragma once
// The grid library's exception: it carries only its message.
#include <QString>
#include <stdexcept>

class REdaReviZizod : public std::runtime_error {
public:
    explicit REdaReviZizod(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& Message() const { return message_; }

private:
    QString message_;
};
