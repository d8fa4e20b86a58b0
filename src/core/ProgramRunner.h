#pragma once

#include <QString>
#include <QStringList>

namespace korbelant {

class UiPort;

// Starts other programs (the group program, the word processor) with an argument list, never
// through a shell.
class ProgramRunner
{
public:
    static inline const QString kFailed = QStringLiteral("Programm konnte nicht ausgeführt werden!");

    explicit ProgramRunner(UiPort& ui) : m_ui(ui) {}

    // Starts the program detached. On failure shows the message with the system's error number
    // on a second line and returns false.
    bool RunProgram(const QString& program, const QStringList& arguments = {});

    // The file of that name in the directory, its name compared without regard to case; empty
    // when there is none.
    static QString findInDirectory(const QString& directory, const QString& fileName);

private:
    static int preflightError(const QString& program);

    UiPort& m_ui;
};

} // namespace korbelant
