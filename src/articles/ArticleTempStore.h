#pragma once

#include "articles/ArticleNumberRules.h"

#include <QVariantMap>
#include <memory>

namespace korbelant {

class Database;
class Transaction;

// The work table LagerTemp of one import: made anew at the start, filled row by row under the
// number rules, dropped at the end. The rows go in within one transaction, kept by commit().
class ArticleTempStore
{
public:
    static inline const QString kTable = QStringLiteral("LagerTemp");

    // Drops a leftover table and makes an empty one; the kinds whose numbers carry the kind
    // code are read from VA. Throws DatabaseError.
    explicit ArticleTempStore(Database& db);
    ~ArticleTempStore();
    ArticleTempStore(const ArticleTempStore&) = delete;
    ArticleTempStore& operator=(const ArticleTempStore&) = delete;

    // Stores a mapped row under its number, or the first free alternative. False when the row
    // is dropped (no number, all tried numbers taken, or it could not be stored).
    bool store(QVariantMap record);
    void commit();
    // Drops the table; a failure is ignored.
    static void drop(Database& db);

private:
    bool insert(const QVariantMap& record, bool& taken);

    Database& m_db;
    ArticleNumberRules m_rules;
    std::unique_ptr<Transaction> m_transaction;
};

} // namespace korbelant
