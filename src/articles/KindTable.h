#pragma once

#include "articles/TransactionKind.h"

#include <QStringList>
#include <optional>
#include <vector>

namespace korbelant {

class Database;

// The transaction kinds of the installed table VA, read once in table order. The program never
// writes them.
class KindTable
{
public:
    explicit KindTable(Database& db);
    void reload();

    const std::vector<TransactionKind>& kinds() const { return m_kinds; }
    const TransactionKind* find(const QString& va) const;
    bool exists(const QString& va) const { return find(va) != nullptr; }
    // One entry per kind: VA + "=" + VA_TEXT.
    QStringList displayList() const;
    // The codes whose article numbers carry the kind code (LNR_VA "J").
    QStringList numberCarryingKinds() const;
    // The code of a selector entry: its first two characters; empty for "Alle".
    static QString codeOfEntry(const QString& entry);
    static inline const QString kAll = QStringLiteral("Alle");

private:
    Database& m_db;
    std::vector<TransactionKind> m_kinds;
};

} // namespace korbelant
