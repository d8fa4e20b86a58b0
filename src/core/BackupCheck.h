#pragma once

#include "core/RowCounts.h"

#include <QString>
#include <optional>

namespace korbelant {

// The check of a backup copy of the data set: the file is opened read-only, the engine's integrity
// check must answer "ok", and, when the counts of the moment of the copy are given, every table
// must hold exactly as many records as the data set did then.
class BackupCheck
{
public:
    // nullopt when the copy is sound; otherwise what is wrong with it, as a German sentence.
    static std::optional<QString> verify(const QString& copyFile,
                                         const std::optional<RowCounts::Counts>& expected = std::nullopt);
};

} // namespace korbelant
