#pragma once

#include "core/Schema.h"

#include <QString>

namespace korbelant {

// The field names of the place directory Orte. Code that reads or writes its records names fields
// through these constants, so a misspelt name does not compile.
struct OrteFields
{
    static inline const QString kTable = QStringLiteral("Orte");
    static const TableDef& table()
    {
        static const TableDef& definition = Schema::get(kTable);
        return definition;
    }

    static inline const QString PLZ = QStringLiteral("PLZ");
    static inline const QString ORTSNAME = QStringLiteral("ORTSNAME");
    static inline const QString VORWAHL = QStringLiteral("VORWAHL");
};

} // namespace korbelant
