#pragma once

#include "core/Statement.h"

#include <memory>

namespace korbelant {

// A prepared statement lent by the connection's statement cache (Database::cached). It comes
// reset, without bindings, and is reset again when the loan ends, so it never keeps a read open
// after its scope. While it is lent, the same SQL asked for again gets a statement of its own.
class CachedStatement
{
public:
    explicit CachedStatement(std::shared_ptr<Statement> statement);
    ~CachedStatement();
    CachedStatement(const CachedStatement&) = delete;
    CachedStatement& operator=(const CachedStatement&) = delete;
    CachedStatement(CachedStatement&& other) noexcept = default;

    Statement& operator*() const { return *m_statement; }
    Statement* operator->() const { return m_statement.get(); }

private:
    std::shared_ptr<Statement> m_statement;
};

} // namespace korbelant
