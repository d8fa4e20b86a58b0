#pragma once

#include <QDate>
#include <QString>

namespace korbelant {

class CustomerView;
class Database;
class UiPort;

// "&Export": the customers shown, with their filter and in their order, as the dBASE table
// KundTemp.dbf for other programs (dBASE III with the German DOS code page 437). The file is
// written beside its target and renamed over it only when complete.
class CustomerDbfExport
{
public:
    static inline const QString kFileName = QStringLiteral("KundTemp.dbf");
    static QString confirmation(); // "Es wird eine Exportdatei mit dem Namen >KundTemp.dbf< erzeugt"

    explicit CustomerDbfExport(Database& db) : m_db(db) {}

    // Asks for confirmation and writes the file into the directory; false when cancelled.
    bool Export(const CustomerView& view, const QString& directory, UiPort& ui);
    // Writes the file; returns the number of customers written. Throws DatabaseError with a
    // German message when the file cannot be written (an older file then stays as it was).
    int write(const CustomerView& view, const QString& targetFile);

    static QString weekdayName(const QDate& date); // "Sonntag" … "Samstag"; empty without a date

private:
    Database& m_db;
};

} // namespace korbelant
