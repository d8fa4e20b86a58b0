#pragma once

#include <QString>
#include <stdexcept>

namespace korbelant {

// A TWD file that cannot be read or written: a file-system failure, or a file whose layout the
// program refuses. The message is German and meant for the user.
class TwdError : public std::runtime_error
{
public:
    explicit TwdError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace korbelant
