#include "articles/SparePartsRefill.h"

#include "core/Database.h"
#include "core/ErsatzteileFields.h"
#include "core/Schema.h"
#include "core/Transaction.h"

namespace korbelant {

int SparePartsRefill::replace(Database& db, const std::vector<Pair>& pairs)
{
    using F = ErsatzteileFields;
    Transaction transaction(db);
    db.run(QStringLiteral("DELETE FROM ") + F::kTable);
    const TableDef& table = Schema::get(F::kTable);
    for (const Pair& pair : pairs)
        db.insert(table, {{F::L_NR_ERS, pair.sparePart}, {F::L_NR_TWP, pair.product}});
    transaction.commit();
    return static_cast<int>(pairs.size());
}

} // namespace korbelant
