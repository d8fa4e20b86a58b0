#pragma once

#include <QString>

namespace korbelant {

// One field of a table: name, type letter of the data set, width and default.
struct FieldDef
{
    enum class Type
    {
        Alpha,   // A n: text of up to n characters
        Date,    // D: stored as "YYYY-MM-DD"
        Time,    // T: stored as "HH:MM:SS"
        Short,   // S: 16-bit integer
        Long,    // I: 32-bit integer
        AutoInc, // +: assigned by the store when a record is inserted
        Number,  // N: floating point
        Logical, // L: 0 or 1
        Memo,    // M n: free text
        FmtMemo  // F n: formatted memo (rich text)
    };

    QString name;
    Type type = Type::Alpha;
    int width = 0;        // characters for Alpha; kept-in-record size for memos
    QString defaultValue; // in storage form; empty for none

    bool isText() const { return type == Type::Alpha || type == Type::Memo || type == Type::FmtMemo; }
    bool isInteger() const
    {
        return type == Type::Short || type == Type::Long || type == Type::AutoInc || type == Type::Logical;
    }
    // The field's SQL column declaration. Alphanumeric fields compare case-insensitively in German
    // order everywhere (keys, named indexes, filters), as the tables of old did.
    QString columnSql() const;
};

} // namespace korbelant
