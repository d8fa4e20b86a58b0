#pragma once

#include "core/Schema.h"

#include <QString>

namespace korbelant {

// The field names of the party headers Tuppkopf. Code that reads or writes its records names fields
// through these constants, so a misspelt name does not compile.
struct TuppkopfFields
{
    static inline const QString kTable = QStringLiteral("Tuppkopf");
    static const TableDef& table()
    {
        static const TableDef& definition = Schema::get(kTable);
        return definition;
    }

    static inline const QString R_NR = QStringLiteral("R_NR");
    static inline const QString DATUM = QStringLiteral("DATUM");
    static inline const QString ZEIT = QStringLiteral("ZEIT");
    static inline const QString MWoche = QStringLiteral("MWoche");
    static inline const QString TWoche = QStringLiteral("TWoche");
    static inline const QString ERSTELLT = QStringLiteral("ERSTELLT");
    static inline const QString K_NR = QStringLiteral("K_NR");
    static inline const QString S_UMSATZ = QStringLiteral("S_UMSATZ");
    static inline const QString S_AUSGABE = QStringLiteral("S_AUSGABE");
    static inline const QString S_PROV = QStringLiteral("S_PROV");
    static inline const QString VERABRED = QStringLiteral("VERABRED");
    static inline const QString BENENN_TUP = QStringLiteral("BENENN_TUP");
    static inline const QString REKRUTIER = QStringLiteral("REKRUTIER");
    static inline const QString GAESTE = QStringLiteral("GAESTE");
    static inline const QString S_ANGEBOTE = QStringLiteral("S_ANGEBOTE");
    static inline const QString S_VerkServicePr = QStringLiteral("S_VerkServicePr");
    static inline const QString STERNE = QStringLiteral("STERNE");
    static inline const QString STERNE_DM = QStringLiteral("STERNE_DM");
    static inline const QString UM_STERNE = QStringLiteral("UM_STERNE");
    static inline const QString KM_EINFACH = QStringLiteral("KM_EINFACH");
    static inline const QString VORBEREIT1 = QStringLiteral("VORBEREIT1");
    static inline const QString VORBEREIT2 = QStringLiteral("VORBEREIT2");
    static inline const QString AUSLIEFER1 = QStringLiteral("AUSLIEFER1");
    static inline const QString AUSLIEFER2 = QStringLiteral("AUSLIEFER2");
    static inline const QString S_KM = QStringLiteral("S_KM");
    static inline const QString VKG_UMSATZ = QStringLiteral("VKG_UMSATZ");
    static inline const QString WB_UMSATZ = QStringLiteral("WB_UMSATZ");
    static inline const QString BZH_VF_NR = QStringLiteral("BZH_VF_NR");
    static inline const QString BZH_VF_ART = QStringLiteral("BZH_VF_ART");
    static inline const QString VF_TEXT = QStringLiteral("VF_TEXT");
};

} // namespace korbelant
