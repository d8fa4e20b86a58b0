#pragma once

#include <QString>
#include <QVariantMap>
#include <optional>

namespace korbelant {

class Database;

// What the party rules read and write of the customer records: whether a number exists, the
// host's name and distance, and the dates and guest type that a participation changes.
class PartyCustomers
{
public:
    explicit PartyCustomers(Database& db);

    bool exists(const QString& kNr) const;
    std::optional<QVariantMap> load(const QString& kNr) const;
    // Stores the changed fields of a customer; a failure is ignored.
    void storeQuietly(const QString& kNr, const QVariantMap& changes);

private:
    Database& m_db;
};

} // namespace korbelant
