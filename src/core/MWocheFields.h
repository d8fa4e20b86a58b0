#pragma once

#include "core/Schema.h"

#include <QString>

namespace korbelant {

// The field names of the week records MWoche. Code that reads or writes its records names fields
// through these constants, so a misspelt name does not compile.
struct MWocheFields
{
    static inline const QString kTable = QStringLiteral("MWoche");
    static const TableDef& table()
    {
        static const TableDef& definition = Schema::get(kTable);
        return definition;
    }

    // The numbered fields (FDATUM1 … FVERPFLEG7, DR_1 … DR_20, VORFUEHR_1 … VORFUEHR_6) are
    // named by their number where they are used.
    static inline const QString MWoche = QStringLiteral("MWoche");
    static inline const QString Bemerkung = QStringLiteral("Bemerkung");
    static inline const QString A_DATUM = QStringLiteral("A_DATUM");
    static inline const QString A_ZEIT = QStringLiteral("A_ZEIT");
    static inline const QString REK_BESUCH = QStringLiteral("REK_BESUCH");
    static inline const QString Start_VF = QStringLiteral("Start_VF");
    static inline const QString Start_NAME = QStringLiteral("Start_NAME");
    static inline const QString Start_BER = QStringLiteral("Start_BER");
};

} // namespace korbelant
