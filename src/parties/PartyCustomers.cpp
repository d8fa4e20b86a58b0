#include "parties/PartyCustomers.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/Schema.h"
#include "parties/RecordStore.h"

namespace korbelant {

PartyCustomers::PartyCustomers(Database& db) : m_db(db)
{
}

bool PartyCustomers::exists(const QString& kNr) const
{
    if (kNr.trimmed().isEmpty())
        return false;
    return m_db.scalar(QStringLiteral("SELECT 1 FROM Kunden WHERE K_NR = ?"), {kNr}).isValid();
}

std::optional<QVariantMap> PartyCustomers::load(const QString& kNr) const
{
    if (kNr.trimmed().isEmpty())
        return std::nullopt;
    return RecordStore::selectOne(m_db, Schema::get(QStringLiteral("Kunden")), QStringLiteral("K_NR = ?"), {kNr});
}

void PartyCustomers::storeQuietly(const QString& kNr, const QVariantMap& changes)
{
    QVariantMap values = changes;
    values.insert(QStringLiteral("K_NR"), kNr);
    try {
        RecordStore::update(m_db, Schema::get(QStringLiteral("Kunden")), values, {QStringLiteral("K_NR")});
    } catch (const DatabaseError&) {
        // The participant stays saved; the customer keeps her old dates.
    }
}

} // namespace korbelant
