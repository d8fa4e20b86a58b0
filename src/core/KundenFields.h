#pragma once

#include "core/Schema.h"

#include <QString>

namespace korbelant {

// The field names of the customer table Kunden. Code that reads or writes its records names fields
// through these constants, so a misspelt name does not compile.
struct KundenFields
{
    static inline const QString kTable = QStringLiteral("Kunden");
    static const TableDef& table()
    {
        static const TableDef& definition = Schema::get(kTable);
        return definition;
    }

    static inline const QString K_NR = QStringLiteral("K_NR");
    static inline const QString MCODE = QStringLiteral("MCODE");
    static inline const QString MCODE2 = QStringLiteral("MCODE2");
    static inline const QString MCODE3 = QStringLiteral("MCODE3");
    static inline const QString ANREDE = QStringLiteral("ANREDE");
    static inline const QString VORNAME = QStringLiteral("VORNAME");
    static inline const QString NAME = QStringLiteral("NAME");
    static inline const QString STRASSE = QStringLiteral("STRASSE");
    static inline const QString LAND = QStringLiteral("LAND");
    static inline const QString PLZ = QStringLiteral("PLZ");
    static inline const QString ORT = QStringLiteral("ORT");
    static inline const QString TELEFON = QStringLiteral("TELEFON");
    static inline const QString TELEFON2 = QStringLiteral("TELEFON2");
    static inline const QString FAX = QStringLiteral("FAX");
    static inline const QString GEBURTSTAG = QStringLiteral("GEBURTSTAG");
    static inline const QString FAM_STAND = QStringLiteral("FAM_STAND");
    static inline const QString KINDER = QStringLiteral("KINDER");
    static inline const QString E_DATUM = QStringLiteral("E_DATUM");
    static inline const QString L_DATUM = QStringLiteral("L_DATUM");
    static inline const QString N_DATUM = QStringLiteral("N_DATUM");
    static inline const QString N_ZEIT = QStringLiteral("N_ZEIT");
    static inline const QString KM_ENTF = QStringLiteral("KM_ENTF");
    static inline const QString GASTGEBER = QStringLiteral("GASTGEBER");
    static inline const QString TEXT = QStringLiteral("TEXT");
    static inline const QString V_UMSATZ = QStringLiteral("V_UMSATZ");
    static inline const QString UMSATZ = QStringLiteral("UMSATZ");
    static inline const QString STERNE = QStringLiteral("STERNE");
    static inline const QString V_ANZAHL = QStringLiteral("V_ANZAHL");
    static inline const QString ANZAHL = QStringLiteral("ANZAHL");
    static inline const QString PR_DATUM = QStringLiteral("PR_DATUM");
    static inline const QString WiederVorlage = QStringLiteral("WiederVorlage");
    static inline const QString E_MAIL = QStringLiteral("E-MAIL");
    static inline const QString B_WARINBZH = QStringLiteral("B_WARINBZH");
    static inline const QString B_WARBZHKV = QStringLiteral("B_WARBZHKV");
    static inline const QString BI_BZH_KV = QStringLiteral("BI_BZH_KV");
    static inline const QString BI_BZH_VERAN = QStringLiteral("BI_BZH_VERAN");
    static inline const QString BZH_VERANSTALT = QStringLiteral("BZH_VERANSTALT");
    static inline const QString L_TELEFON = QStringLiteral("L_TELEFON");
    static inline const QString L_MAIL = QStringLiteral("L_MAIL");
    static inline const QString L_BRIEF = QStringLiteral("L_BRIEF");
};

} // namespace korbelant
