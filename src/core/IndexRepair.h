#pragma once

#include <QString>

namespace korbelant {

class DataSet;
class UiPort;

// "Index wiederherstellen": tells the user that the tables are reorganised, then rebuilds the
// tables, removes incomplete order records and learns the customers' distances.
class IndexRepair
{
public:
    static inline const QString kNotice = QStringLiteral(
        "Ihre Datenbanken werden reorgansiert, dieser Vorgang kann einige Minuten in Anspruch nehmen.");

    // The notice, then the rebuild. Returns false when the rebuild failed.
    static bool run(DataSet& set, UiPort& ui);
    static void notify(UiPort& ui);
    // Rebuilds the tables; a failure is logged and shown, and the remaining steps are skipped.
    static bool rebuild(DataSet& set, UiPort& ui);
};

} // namespace korbelant
