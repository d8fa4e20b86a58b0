#pragma once

#include <QString>
#include <QVariantMap>

namespace korbelant {

class Database;

// The three customer records every data set has: the unknown customer "099999", the program
// vendor "100000" and the consultant herself "100001". They cannot be deleted.
class FixedCustomers
{
public:
    static inline const QString kUnknown = QStringLiteral("099999");
    static inline const QString kVendor = QStringLiteral("100000");
    static inline const QString kConsultant = QStringLiteral("100001");

    static bool isFixed(const QString& customerNumber);

    explicit FixedCustomers(Database& db) : m_db(db) {}

    // Inserts each of the three records that is missing; returns how many were inserted.
    int EnsureFixedCustomers();
    // At start-up the records are checked only when the customer table holds fewer than three.
    int ensureAtStartup();

private:
    bool insertIfMissing(const QString& number, const QVariantMap& values);

    Database& m_db;
};

} // namespace korbelant
