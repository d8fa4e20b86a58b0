#pragma once

#include <QString>
#include <QStringList>

namespace korbelant {

class Database;

// Empties the data tables on the consultant's written confirmation. Places, distances, requests,
// printed matter and the installed tables keep their contents; the fixed customers come back.
class DataReset
{
public:
    static inline const QString kConfirmWord = QStringLiteral("LEEREN");
    static inline const QString kConfirmPlease = QStringLiteral("Bitte bestätigen Sie den Befehl schriftlich");

    // The written confirmation: the word LEEREN, in whatever case it was typed.
    static bool isConfirmed(const QString& typed) { return typed.toUpper() == kConfirmWord; }

    explicit DataReset(Database& db) : m_db(db) {}

    // Returns the tables emptied. The data tables are emptied together or not at all (a failure
    // with the expense table only skips it); the fixed customers are ensured in every case.
    QStringList EmptyAllTables();

private:
    Database& m_db;
};

} // namespace korbelant
