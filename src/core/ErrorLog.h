#pragma once

#include <QString>

namespace korbelant {

class UiPort;

// The error log ExceptList.EXC: one line per error with date, time and message, appended.
class ErrorLog
{
public:
    explicit ErrorLog(QString path);

    // Appends the message; shows it through the UI port unless silent or no port is given.
    // A failure of the log itself is ignored.
    void LogException(const QString& message, bool silent, UiPort* ui = nullptr) const;

    QString path() const { return m_path; }

private:
    QString m_path;
};

} // namespace korbelant
