#include "expenses/TravelRates.h"

#include "core/RecordStore.h"
#include "core/Schema.h"

namespace korbelant {

namespace {

const TableDef& table()
{
    static const TableDef& definition = Schema::get(QStringLiteral("ReiseSatz"));
    return definition;
}

} // namespace

std::vector<QVariantMap> TravelRates::rates(Database& db)
{
    return RecordStore::select(db, table(), QStringLiteral("1 = 1"), {}, VERPF_SATZ);
}

void TravelRates::store(Database& db, const QVariantMap& rate, const QString& readCode)
{
    RecordStore::update(db, table(), rate, QVariantMap{{VERPF_SATZ, readCode}});
}

} // namespace korbelant
