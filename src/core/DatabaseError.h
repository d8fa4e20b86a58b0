#pragma once

#include <QString>
#include <stdexcept>

namespace korbelant {

// A failure of the data store, with a message fit to show to the user.
class DatabaseError : public std::runtime_error
{
public:
    explicit DatabaseError(const QString& message, int code = 0)
        : std::runtime_error(message.toStdString()), m_message(message), m_code(code)
    {
    }
    const QString& message() const { return m_message; }
    int code() const { return m_code; }                         // SQLite's extended result code, 0 when none
    bool isConstraint() const { return (m_code & 0xFF) == 19; } // SQLITE_CONSTRAINT

private:
    QString m_message;
    int m_code;
};

} // namespace korbelant
