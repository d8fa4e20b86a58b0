#pragma once

#include <QString>
#include <stdexcept>

namespace korbelant {

// A value the program's rules refuse (too long, no such customer, not a whole number): the
// message goes to stderr and the command exits 1 without storing anything.
class CliRefusal : public std::runtime_error
{
public:
    explicit CliRefusal(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace korbelant
