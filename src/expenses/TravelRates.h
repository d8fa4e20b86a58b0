#pragma once

#include <QString>
#include <QVariantMap>
#include <vector>

namespace korbelant {

class Database;

// The allowance rates of the travel expense account (ReiseSatz): a two-character code with its
// text, the meal allowance and the rate per kilometre.
class TravelRates
{
public:
    static inline const QString VERPF_SATZ = QStringLiteral("VERPF_SATZ");
    static inline const QString VERPF_TEXT = QStringLiteral("VERPF_TEXT");
    static inline const QString VERPF_DM = QStringLiteral("VERPF_DM");
    static inline const QString KM_DM = QStringLiteral("KM_DM");

    // Every rate, by code.
    static std::vector<QVariantMap> rates(Database& db);
    // Stores a changed rate under the code it was read with (its code may have changed).
    static void store(Database& db, const QVariantMap& rate, const QString& readCode);
};

} // namespace korbelant
