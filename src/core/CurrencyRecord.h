#pragma once

#include <QString>
#include <optional>

namespace korbelant {

class Database;
class DataHome;

// The currency state as a conversion leaves it, kept inside the data set as well: the conversion
// writes the new text of Status.txt into the table EuroProtokoll in the same transaction as the
// converted amounts. Status.txt and the option Euro can only follow after the commit; a program
// killed in between left them behind, and the next start brings Status.txt up to the data set
// again before it determines the currency.
class CurrencyRecord
{
public:
    static inline const QString kTable = QStringLiteral("EuroProtokoll");

    // Inside the caller's transaction: records the status text of a finished conversion.
    static void record(Database& db, const QString& statusText, const QString& conversionDate);
    // The status text of the latest conversion of this data set; nullopt when it was never
    // converted here (or the table cannot be read).
    static std::optional<QString> latest(Database& db);
    // Rewrites Status.txt with the latest recorded status text when the file says otherwise.
    // Returns whether it did; a file that cannot be written is left as it is.
    static bool restoreStatusFile(Database& db, const DataHome& home);
};

} // namespace korbelant
