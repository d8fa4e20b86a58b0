#include "core/CachedStatement.h"

namespace korbelant {

CachedStatement::CachedStatement(std::shared_ptr<Statement> statement) : m_statement(std::move(statement))
{
    m_statement->reset();
}

CachedStatement::~CachedStatement()
{
    if (m_statement)
        m_statement->reset();
}

} // namespace korbelant
