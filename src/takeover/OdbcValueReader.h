#pragma once

#include "takeover/OdbcField.h"

#include <QVariant>

#include <sql.h>

namespace korbelant {

class OdbcApi;

// Reads the value of one column of the row a statement stands on, in the form of its field
// type; null as an invalid QVariant. Throws ESQLerror when the driver fails.
class OdbcValueReader
{
public:
    OdbcValueReader(const OdbcApi& api, SQLHSTMT statement) : m_api(api), m_statement(statement) {}

    QVariant read(const OdbcField& field) const;

private:
    template <typename T> bool fixed(SQLUSMALLINT column, SQLSMALLINT cType, T& value) const;
    QVariant chunked(SQLUSMALLINT column, SQLSMALLINT cType) const;
    void check(SQLRETURN rc) const;

    const OdbcApi& m_api;
    SQLHSTMT m_statement;
};

} // namespace korbelant
