#pragma once

#include <QString>
#include <stdexcept>

namespace korbelant {

// A ZIP archive of the distributor exchange that cannot be read or written. The message is German
// and meant for the user.
class ArchiveError : public std::runtime_error
{
public:
    explicit ArchiveError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace korbelant
