#include "core/SystemErrorText.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace korbelant::test {

TEST(SystemErrorText, ErrorNumbersInTheProgramsWords)
{
    const std::vector<std::pair<int, QString>> cases{
        {ENOENT, QStringLiteral("Datei nicht gefunden")},
        {EACCES, QStringLiteral("Keine Berechtigung")},
        {ENOSPC, QStringLiteral("Kein Speicherplatz mehr auf dem Gerät")},
        {EEXIST, QStringLiteral("Datei existiert bereits")},
        {EISDIR, QStringLiteral("Ist ein Verzeichnis")},
        {4711, QStringLiteral("Systemfehler 4711")},
    };
    for (const auto& [error, text] : cases)
        EXPECT_EQ(SystemErrorText::fromErrno(error), text) << error;
}

TEST(SystemErrorText, FileErrorsPreferTheSavedNumber)
{
    EXPECT_EQ(SystemErrorText::fromFile(QFileDevice::OpenError, EACCES),
              QStringLiteral("Keine Berechtigung"));
    EXPECT_EQ(SystemErrorText::fromFile(QFileDevice::WriteError), QStringLiteral("Schreibfehler"));
    EXPECT_EQ(SystemErrorText::fromFile(QFileDevice::UnspecifiedError),
              QStringLiteral("Unbekannter Dateifehler"));
}

} // namespace korbelant::test
