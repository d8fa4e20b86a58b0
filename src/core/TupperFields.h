#pragma once

#include "core/Schema.h"

#include <QString>

namespace korbelant {

// The field names of the participants Tupper. Code that reads or writes its records names fields
// through these constants, so a misspelt name does not compile.
struct TupperFields
{
    static inline const QString kTable = QStringLiteral("Tupper");
    static const TableDef& table()
    {
        static const TableDef& definition = Schema::get(kTable);
        return definition;
    }

    static inline const QString R_NR = QStringLiteral("R_NR");
    static inline const QString P_NR = QStringLiteral("P_NR");
    static inline const QString DATUM = QStringLiteral("DATUM");
    static inline const QString MWoche = QStringLiteral("MWoche");
    static inline const QString TWoche = QStringLiteral("TWoche");
    static inline const QString K_NR = QStringLiteral("K_NR");
    static inline const QString V_GTYP = QStringLiteral("V_GTYP");
    static inline const QString UMSATZ = QStringLiteral("UMSATZ");
    static inline const QString AUSGABE = QStringLiteral("AUSGABE");
    static inline const QString BEZAHLT = QStringLiteral("BEZAHLT");
    static inline const QString Verabredung = QStringLiteral("Verabredung");
    static inline const QString Verabred_DATUM = QStringLiteral("Verabred_DATUM");
    static inline const QString Verabred_ZEIT = QStringLiteral("Verabred_ZEIT");
    static inline const QString BENENNUNG = QStringLiteral("BENENNUNG");
    static inline const QString BENE_DATUM = QStringLiteral("BENE_DATUM");
    static inline const QString BENE_ZEIT = QStringLiteral("BENE_ZEIT");
};

} // namespace korbelant
