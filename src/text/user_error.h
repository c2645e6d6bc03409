#pragma once

#include <QString>
#include <exception>

namespace quarvane {

// An input or a file the work cannot go on with. The message is written for
// the surveyor, in Chinese, and names the table, row and field, the screen
// cell or the file concerned. The button that started the work catches it,
// shows the message and records nothing.
class UserError : public std::exception {
public:
    explicit UserError(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

} // namespace quarvane
