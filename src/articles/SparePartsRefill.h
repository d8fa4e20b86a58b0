#pragma once

#include <QString>
#include <utility>
#include <vector>

namespace korbelant {

class Database;

// Replaces the spare-part relation Ersatzteile with the pairs of a new article list, in one
// transaction: a failure leaves the old pairs exactly as they were.
class SparePartsRefill
{
public:
    static inline const QString kFailed =
        QStringLiteral("Die Ersatzteilinformationen konnten nicht geladen werden !");

    struct Pair
    {
        QString sparePart; // L_NR_ERS
        QString product;   // L_NR_TWP
    };

    // The number of pairs stored. Throws DatabaseError.
    static int replace(Database& db, const std::vector<Pair>& pairs);
};

} // namespace korbelant
