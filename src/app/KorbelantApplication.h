#pragma once

#include "core/ErrorLog.h"

#include <QApplication>
#include <optional>

namespace korbelant {

class UiPort;

// The application object of the desktop program. An error that no window caught is shown with
// its own message and appended to the error log; the program goes on.
class KorbelantApplication : public QApplication
{
    Q_OBJECT

public:
    KorbelantApplication(int& argc, char** argv);

    // Where unhandled errors go; without a port they are only logged.
    void setErrorSink(const QString& logPath, UiPort* ui);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    std::optional<ErrorLog> m_log;
    UiPort* m_ui = nullptr;
    bool m_reporting = false;
};

} // namespace korbelant
