#pragma once

#include "core/Schema.h"

#include <QString>

namespace korbelant {

// The field names of the order lines Tupper1. Code that reads or writes its records names fields
// through these constants, so a misspelt name does not compile.
struct Tupper1Fields
{
    static inline const QString kTable = QStringLiteral("Tupper1");
    static const TableDef& table()
    {
        static const TableDef& definition = Schema::get(kTable);
        return definition;
    }

    static inline const QString R_NR = QStringLiteral("R_NR");
    static inline const QString P_NR = QStringLiteral("P_NR");
    static inline const QString ID = QStringLiteral("ID");
    static inline const QString L_NR = QStringLiteral("L_NR");
    static inline const QString VA = QStringLiteral("VA");
    static inline const QString VORAB = QStringLiteral("VORAB");
    static inline const QString Z_NR = QStringLiteral("Z_NR");
    static inline const QString MWoche = QStringLiteral("MWoche");
    static inline const QString TWoche = QStringLiteral("TWoche");
    static inline const QString L_TEXT = QStringLiteral("L_TEXT");
    static inline const QString STUECK = QStringLiteral("STUECK");
    static inline const QString FEHL_CODE = QStringLiteral("FEHL_CODE");
    static inline const QString EINZ_KOST = QStringLiteral("EINZ_KOST");
    static inline const QString EINZ_PREIS = QStringLiteral("EINZ_PREIS");
    static inline const QString KOSTEN = QStringLiteral("KOSTEN");
    static inline const QString SUMME = QStringLiteral("SUMME");
    static inline const QString STERNE = QStringLiteral("STERNE");
    static inline const QString STERNE_DM = QStringLiteral("STERNE_DM");
    static inline const QString UM_STERNE = QStringLiteral("UM_STERNE");
    static inline const QString NACHLIEF = QStringLiteral("NACHLIEF");
    static inline const QString NA_STUECK = QStringLiteral("NA_STUECK");
    static inline const QString NA_STU_LI = QStringLiteral("NA_STU_LI");
    static inline const QString NA_STATUS = QStringLiteral("NA_STATUS");
};

} // namespace korbelant
