#include "core/Transaction.h"

#include "core/Database.h"

#include <atomic>

namespace korbelant {

namespace {
std::atomic<int> g_counter{0};
}

Transaction::Transaction(Database& db) : m_db(db), m_name(QStringLiteral("sp%1").arg(++g_counter))
{
    m_db.execScript(QStringLiteral("SAVEPOINT ") + m_name);
}

Transaction::~Transaction()
{
    if (m_done)
        return;
    try {
        m_db.execScript(QStringLiteral("ROLLBACK TO ") + m_name + QStringLiteral("; RELEASE ") + m_name);
    } catch (...) {
        // Nothing more can be done while unwinding.
    }
}

void Transaction::commit()
{
    m_db.execScript(QStringLiteral("RELEASE ") + m_name);
    m_done = true;
}

} // namespace korbelant
