#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace korbelant {

class Database;
class DataSet;
class UiPort;

// Empties the data tables on the consultant's written confirmation. Places, distances, requests,
// printed matter and the installed tables keep their contents; the fixed customers come back.
class DataReset
{
public:
    static inline const QString kConfirmWord = QStringLiteral("LEEREN");
    static inline const QString kConfirmPlease =
        QStringLiteral("Bitte bestätigen Sie den Befehl schriftlich");

    // The written confirmation: the word LEEREN, in whatever case it was typed.
    static bool isConfirmed(const QString& typed) { return typed.toUpper() == kConfirmWord; }

    // "Daten löschen/zurücksetzen" as a whole. `warning` is the warning window: it empties the
    // tables through emptyTables() when the consultant confirms. Whatever it did, the fixed
    // customers come back afterwards; a failure there is appended to the error log and shown.
    static void resetAll(DataSet& set, UiPort& ui, const std::function<void()>& warning);
    // Backs the data set up (BackupBeforeChange), then empties the data tables (EmptyAllTables). A
    // failure is appended to the error log and its message returned for the window to show; the
    // tables then keep their contents.
    static std::optional<QString> emptyTables(DataSet& set);

    explicit DataReset(Database& db) : m_db(db) {}

    // Returns the tables emptied. The data tables are emptied together or not at all (a failure
    // with the expense table only skips it); the fixed customers are ensured in every case.
    QStringList EmptyAllTables();

private:
    Database& m_db;
};

} // namespace korbelant
