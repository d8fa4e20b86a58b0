#pragma once

#include <QString>
#include <stdexcept>

namespace korbelant {

// Wrong arguments on the command line; the message says what was expected.
class CliUsageError : public std::runtime_error
{
public:
    explicit CliUsageError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace korbelant
