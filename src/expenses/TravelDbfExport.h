#pragma once

#include "expenses/TravelEntry.h"

#include <QString>
#include <vector>

namespace korbelant {

// The travel account's entries as the dBASE table ReiseTemp.dbf in the data directory, for other
// programs (dBASE III, code page 437); each request replaces the file. It is written beside its
// target and renamed over it only when complete.
class TravelDbfExport
{
public:
    static inline const QString kFileName = QStringLiteral("ReiseTemp.dbf");

    // Throws DatabaseError with a German message when the file cannot be written.
    static void write(const std::vector<TravelEntry>& entries, const QString& targetFile);
};

} // namespace korbelant
