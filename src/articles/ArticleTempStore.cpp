#include "articles/ArticleTempStore.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/LagerFields.h"
#include "core/Schema.h"
#include "core/TableBuilder.h"
#include "core/Transaction.h"
#include "core/VaFields.h"

namespace korbelant {

namespace {

QSet<QString> numberKinds(Database& db)
{
    QSet<QString> kinds;
    for (const QVariantList& row : db.rows(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = 'J'")
                                               .arg(VaFields::VA, VaFields::kTable, VaFields::LNR_VA)))
        kinds.insert(row.value(0).toString().trimmed());
    return kinds;
}

} // namespace

ArticleTempStore::ArticleTempStore(Database& db) : m_db(db), m_rules({})
{
    drop(db);
    TableBuilder(db).createMissing({Schema::get(kTable)});
    m_rules = ArticleNumberRules(numberKinds(db));
    m_transaction = std::make_unique<Transaction>(db);
}

ArticleTempStore::~ArticleTempStore() = default;

void ArticleTempStore::drop(Database& db)
{
    try {
        db.run(QStringLiteral("DROP TABLE IF EXISTS ") + kTable);
        db.schemaChanged();
    } catch (const DatabaseError&) {
        // A table left behind is dropped by the next import.
    }
}

bool ArticleTempStore::store(QVariantMap record)
{
    using F = LagerFields;
    const QString number = m_rules.number(record.value(F::VA).toString(), record.value(F::L_NR).toString(),
                                          record.value(F::Z_NR).toString());
    if (number.trimmed().isEmpty())
        return false;
    bool taken = false;
    record[F::L_NR] = number;
    if (insert(record, taken))
        return true;
    if (!taken)
        return false;
    for (const QString& alternative : ArticleNumberRules::alternatives(number)) {
        record[F::L_NR] = alternative;
        if (insert(record, taken))
            return true;
        if (!taken)
            return false;
    }
    return false;
}

bool ArticleTempStore::insert(const QVariantMap& record, bool& taken)
{
    try {
        m_db.insert(Schema::get(kTable), record);
        return true;
    } catch (const DatabaseError& e) {
        taken = e.isConstraint();
        return false;
    }
}

void ArticleTempStore::commit()
{
    m_transaction->commit();
}

} // namespace korbelant
