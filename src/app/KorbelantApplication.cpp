#include "app/KorbelantApplication.h"

#include "core/UnhandledError.h"

namespace korbelant {

KorbelantApplication::KorbelantApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void KorbelantApplication::setErrorSink(const QString& logPath, UiPort* ui)
{
    m_log.emplace(logPath);
    m_ui = ui;
}

bool KorbelantApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        const std::exception_ptr error = std::current_exception();
        // An error while the message of another one is shown is only logged.
        UiPort* ui = m_reporting ? nullptr : m_ui;
        const bool outer = m_reporting;
        m_reporting = true;
        try {
            if (m_log)
                UnhandledError::report(error, *m_log, ui);
            else
                qWarning("%s", qPrintable(UnhandledError::messageOf(error)));
        } catch (...) {
        }
        m_reporting = outer;
    }
    return false;
}

} // namespace korbelant
