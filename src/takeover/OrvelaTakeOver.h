#pragma once

#include "takeover/CustomerPartyTakeOver.h"
#include "takeover/OdbcDriverMap.h"

#include <memory>

namespace korbelant {

class KindTable;
class OdbcSource;
class SourceIndex;
class TakeOverSource;
class TmDataBase;

// The takeover from the Windows program Orvela, whose Access database (Korbdat.mdb, or
// Korbdat2000.mdb) is read through ODBC: its addresses, and its parties with their guest lists
// and price lists, one record at a time.
class OrvelaTakeOver : public CustomerPartyTakeOver
{
public:
    static inline const QString kKey = QStringLiteral("orvela");
    static inline const QString kInvalidPath =
        QStringLiteral("Der angegebene Pfad für Orvela ist ungültig. Bitte ändern.");
    // "C:\Programme\Orvela" of old, on the drive "c" (the root directory).
    static inline const QString kPreset = QStringLiteral("/Programme/Orvela");

    explicit OrvelaTakeOver(OdbcDriverMap drivers = OdbcDriverMap::standard());
    ~OrvelaTakeOver() override;

    QString key() const override { return kKey; }
    QString title() const override { return QStringLiteral("Daten von ORVELA importieren  "); }
    QString sourceCaption() const override { return QStringLiteral("Orvela"); }
    QString targetCaption() const override { return QStringLiteral("KLV"); }
    QString initialSource(const Options& options) const override;
    QString checkSource(const QString& source) const override;

private:
    // A connection to the Orvela database of the directory; nullptr when it has none.
    std::unique_ptr<TmDataBase> connect(const QString& directory) const;
    TmDataBase& database(const QString& directory);
    // A table of the database read whole; a table that cannot be read fails the row (throws
    // DatabaseError) after the driver's records are shown.
    std::unique_ptr<OdbcSource> table(TakeOverRun& run, const QString& name);
    void customers(TakeOverRun& run) override;
    void parties(TakeOverRun& run) override;
    bool party(TakeOverRun& run, const TakeOverSource& headers, TakeOverSource& guests,
               const SourceIndex& guestIndex, TakeOverSource& lines, const SourceIndex& lineIndex,
               const KindTable& kinds);

    OdbcDriverMap m_drivers;
    QString m_directory;
    std::unique_ptr<TmDataBase> m_database;
};

} // namespace korbelant
