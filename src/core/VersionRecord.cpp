#include "core/VersionRecord.h"

#include "core/Database.h"

namespace korbelant {

VersionRecord VersionRecord::read(Database& db)
{
    const auto rows =
        db.rows(QStringLiteral("SELECT VERISON, Aplication, Year FROM MainVersion ORDER BY rowid LIMIT 1"));
    if (rows.empty())
        return {};
    const QVariantList& row = rows.front();
    return {row.at(0).toString(), row.at(1).toString(), row.at(2).toString()};
}

} // namespace korbelant
