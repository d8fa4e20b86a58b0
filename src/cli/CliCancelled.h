#pragma once

#include <QString>
#include <stdexcept>

namespace korbelant {

// A question of the command was answered with No or Cancel, so it changed nothing. The command
// exits 3, apart from a failure (1) and wrong arguments (2).
class CliCancelled : public std::runtime_error
{
public:
    static inline const QString kNothingChanged = QStringLiteral("Abgebrochen, nichts geändert.");
    static inline const QString kNothingDeleted = QStringLiteral("Abgebrochen, nichts gelöscht.");

    explicit CliCancelled(const QString& message = kNothingChanged)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

} // namespace korbelant
