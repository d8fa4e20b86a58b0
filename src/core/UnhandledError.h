#pragma once

#include <QString>
#include <exception>

namespace korbelant {

class ErrorLog;
class UiPort;

// An error that no part of the program caught: shown with its own message and appended to the
// error log; the program goes on.
class UnhandledError
{
public:
    static QString messageOf(std::exception_ptr error);
    static void report(std::exception_ptr error, const ErrorLog& log, UiPort* ui);
};

} // namespace korbelant
