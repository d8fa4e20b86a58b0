#pragma once

#include <QString>
#include <stdexcept>

namespace korbelant {

// A report that cannot be made: an unknown report, wrong arguments, a file that cannot be
// written. The message is German and meant for the user.
class ReportError : public std::runtime_error
{
public:
    explicit ReportError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace korbelant
