#pragma once

#include <QString>

namespace korbelant {

class Database;
class UiPort;

// "&Export": the marked customers as the dBASE table Vorplan.dbf for a mail merge, each record
// carrying the host's address and the date, time and weekday of her next party. The file is
// written beside its target and renamed over it only when complete.
class PlanExport
{
public:
    static inline const QString kFileName = QStringLiteral("Vorplan.dbf");
    static QString confirmation(); // "Es wird eine Exportdatei mit dem Namen >Vorplan.dbf< erzeugt"

    explicit PlanExport(Database& db) : m_db(db) {}

    // Without a marked host only its message; otherwise asks for confirmation and writes the
    // file into the directory. False when nothing was written.
    bool Export(const QString& directory, UiPort& ui);
    // Writes the file for the host; returns the number of customers written. Throws DatabaseError
    // with a German message when it cannot be written (an older file then stays as it was).
    int write(const QString& targetFile, const QString& host);

private:
    Database& m_db;
};

} // namespace korbelant
