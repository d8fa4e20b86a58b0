#include "core/UnhandledError.h"

#include "core/DatabaseError.h"
#include "core/ErrorLog.h"
#include "core/SystemErrorText.h"

#include <system_error>

namespace korbelant {

QString UnhandledError::messageOf(std::exception_ptr error)
{
    try {
        if (error)
            std::rethrow_exception(error);
    } catch (const DatabaseError& e) {
        return e.message();
    } catch (const std::system_error& e) {
        return SystemErrorText::fromErrno(e.code().value());
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
    }
    return QStringLiteral("Unbekannter Fehler");
}

void UnhandledError::report(std::exception_ptr error, const ErrorLog& log, UiPort* ui)
{
    log.LogException(messageOf(error), false, ui);
}

} // namespace korbelant
