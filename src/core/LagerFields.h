#pragma once

#include "core/Schema.h"

#include <QString>

namespace korbelant {

// The field names of the article catalogue Lager (and its work copy LagerTemp). Code that reads or writes its
// records names fields through these constants, so a misspelt name does not compile.
struct LagerFields
{
    static inline const QString kTable = QStringLiteral("Lager");
    static const TableDef& table()
    {
        static const TableDef& definition = Schema::get(kTable);
        return definition;
    }

    static inline const QString L_NR = QStringLiteral("L_NR");
    static inline const QString Z_NR = QStringLiteral("Z_NR");
    static inline const QString STERNE = QStringLiteral("STERNE");
    static inline const QString VA = QStringLiteral("VA");
    static inline const QString L_TEXT = QStringLiteral("L_TEXT");
    static inline const QString PREIS = QStringLiteral("PREIS");
    static inline const QString VA38 = QStringLiteral("VA38");
    static inline const QString MUSTER = QStringLiteral("MUSTER");
    static inline const QString SONDER = QStringLiteral("SONDER");
    static inline const QString AKTIV = QStringLiteral("AKTIV");
    static inline const QString NEU = QStringLiteral("NEU");
    static inline const QString ENTFERNT = QStringLiteral("ENTFERNT");
    static inline const QString PROV_SATZ = QStringLiteral("PROV_SATZ");
    static inline const QString BER_PREIS = QStringLiteral("BER_PREIS");
    static inline const QString MU_SPERR = QStringLiteral("MU_SPERR");
    static inline const QString VK_SPERRE = QStringLiteral("VK_SPERRE");
    static inline const QString FG_DATUM = QStringLiteral("FG_DATUM");
    static inline const QString BESTAND = QStringLiteral("BESTAND");
    static inline const QString WSPERRE = QStringLiteral("WSPERRE");
    static inline const QString WFREIGAB = QStringLiteral("WFREIGAB");
};

} // namespace korbelant
