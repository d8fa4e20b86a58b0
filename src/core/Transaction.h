#pragma once

#include <QString>

namespace korbelant {

class Database;

// Wraps a change of several records: begins on construction, commit() keeps the change, and
// leaving the scope without commit() undoes it. Guards nest (savepoints).
class Transaction
{
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Database& m_db;
    QString m_name;
    bool m_done = false;
};

} // namespace korbelant
