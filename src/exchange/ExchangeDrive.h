#pragma once

#include "exchange/ExchangeTarget.h"

#include <QString>

namespace korbelant {

class Options;
class UiPort;

// The exchange medium the options name: a floppy drive of old by its letter (BZHDRIVE "a" or
// "b"), or any folder (BZHDRIVE "Pfad:" with BZHPFAD).
class ExchangeDrive
{
public:
    static QString notReady(const QString& letter);

    explicit ExchangeDrive(const Options& options) : m_options(options) {}

    // The drive letter of BZHDRIVE; empty when it is "Pfad:" or names no drive.
    QString letter() const;
    // The folder of the medium: the drive's directory, or BZHPFAD.
    QString folder() const;
    // Whether a chosen folder is the directory of the options' drive.
    bool isDriveFolder(const QString& folder) const;
    // Waits until the drive is ready, asking "Diskette in Laufwerk … nicht verfügbar." with
    // Retry / Cancel after each failed test. True at once for a path, for the Online folder and
    // for any folder chosen instead of the drive.
    bool waitReady(UiPort& ui, const ExchangeTarget& target) const;

private:
    const Options& m_options;
};

} // namespace korbelant
