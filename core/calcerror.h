#pragma once

#include <QString>
#include <stdexcept>

namespace tornavel {

// An error that ends the key being handled. Its French message is shown by the
// application's error box; whatever state the engine changed before stays.
class CalcError : public std::runtime_error {
public:
    explicit CalcError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

} // namespace tornavel
