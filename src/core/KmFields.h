#pragma once

#include "core/Schema.h"

#include <QString>

namespace korbelant {

// The field names of the distance table km. Code that reads or writes its records names fields
// through these constants, so a misspelt name does not compile.
struct KmFields
{
    static inline const QString kTable = QStringLiteral("km");
    static const TableDef& table()
    {
        static const TableDef& definition = Schema::get(kTable);
        return definition;
    }

    static inline const QString PLZ = QStringLiteral("PLZ");
    static inline const QString ORT = QStringLiteral("ORT");
    static inline const QString KM = QStringLiteral("KM");
};

} // namespace korbelant
