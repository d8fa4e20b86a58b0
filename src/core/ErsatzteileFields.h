#pragma once

#include "core/Schema.h"

#include <QString>

namespace korbelant {

// The field names of the spare-part table Ersatzteile. Code that reads or writes its records names fields
// through these constants, so a misspelt name does not compile.
struct ErsatzteileFields
{
    static inline const QString kTable = QStringLiteral("Ersatzteile");
    static const TableDef& table()
    {
        static const TableDef& definition = Schema::get(kTable);
        return definition;
    }

    static inline const QString L_NR_ERS = QStringLiteral("L_NR_ERS");
    static inline const QString L_NR_TWP = QStringLiteral("L_NR_TWP");
};

} // namespace korbelant
