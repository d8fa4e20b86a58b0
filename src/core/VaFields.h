#pragma once

#include "core/Schema.h"

#include <QString>

namespace korbelant {

// The field names of the transaction kinds VA. Code that reads or writes its records names fields
// through these constants, so a misspelt name does not compile.
struct VaFields
{
    static inline const QString kTable = QStringLiteral("VA");
    static const TableDef& table()
    {
        static const TableDef& definition = Schema::get(kTable);
        return definition;
    }

    static inline const QString VA = QStringLiteral("VA");
    static inline const QString VAQUELLE = QStringLiteral("VAQUELLE");
    static inline const QString VA_TEXT = QStringLiteral("VA_TEXT");
    static inline const QString VA_INFO = QStringLiteral("VA_INFO");
    static inline const QString EKFAKTOR = QStringLiteral("EKFAKTOR");
    static inline const QString VKFAKTOR = QStringLiteral("VKFAKTOR");
    static inline const QString STERNEFAKT = QStringLiteral("STERNEFAKT");
    static inline const QString STERNEDMFA = QStringLiteral("STERNEDMFA");
    static inline const QString UMSSTERNFA = QStringLiteral("UMSSTERNFA");
    static inline const QString PROVISION = QStringLiteral("PROVISION");
    static inline const QString NURBERATER = QStringLiteral("NURBERATER");
    static inline const QString LNR_VA = QStringLiteral("LNR_VA");
    static inline const QString VA_ART = QStringLiteral("VA_ART");
    static inline const QString MUSTER = QStringLiteral("MUSTER");
    static inline const QString VONARTNR = QStringLiteral("VONARTNR");
    static inline const QString BISARTNR = QStringLiteral("BISARTNR");
    static inline const QString UMSATZ_VKG = QStringLiteral("UMSATZ_VKG");
    static inline const QString UMSATZ_WB = QStringLiteral("UMSATZ_WB");
};

} // namespace korbelant
