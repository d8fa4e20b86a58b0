#pragma once

#include <QString>
#include <stdexcept>

namespace korbelant {

// A file of the exchange disk that cannot be made: a value that does not fit its field, or a file
// that cannot be written. The message is German and meant for the user.
class DiskError : public std::runtime_error
{
public:
    explicit DiskError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace korbelant
