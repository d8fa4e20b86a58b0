#pragma once

#include "takeover/CustomerPartyTakeOver.h"
#include "takeover/FieldAliases.h"

#include <QVariantMap>
#include <optional>

namespace korbelant {

class Database;
class KindTable;
class SourceIndex;
class TakeOverSource;
struct TableDef;

// The takeover from the DOS program KALMO: its customers (GBAdr.dbf) and its parties with guests
// and order lines (GBVF.dbf, GBVFGL.DBF, GBVFPR.DBF), one record at a time. Customer numbers of
// KALMO carry two characters before the program's six; a party gets its number from its date.
class KalmoTakeOver : public CustomerPartyTakeOver
{
public:
    static inline const QString kKey = QStringLiteral("kalmo");
    static inline const QString kInvalidPath =
        QStringLiteral("Der angegebene Pfad für Kalmo (DOS) ist ungültig. Bitte in Optionen ändern");
    static inline const QString kCheckFile = QStringLiteral("GBAdr.dbf");
    // "C:\Kalmor\Daten" of old, on the drive "c" (the root directory).
    static inline const QString kPreset = QStringLiteral("/Kalmor/Daten");

    QString key() const override { return kKey; }
    QString title() const override { return QStringLiteral("Daten von Kalmor (Dos) importieren  "); }
    QString sourceCaption() const override { return QStringLiteral("Kalmor"); }
    QString targetCaption() const override { return QStringLiteral("KLV 2003"); }
    QString initialSource(const Options& options) const override;
    QString checkSource(const QString& source) const override;

    static FieldAliases aliases();
    // Copies the source's current record into a new record of the target table (customers or
    // party headers) and stores it. The stored values; nullopt when the record was dropped.
    static std::optional<QVariantMap> TakeOverRecord(Database& db, const TakeOverSource& source,
                                                     const TableDef& target);

private:
    void customers(TakeOverRun& run) override;
    void parties(TakeOverRun& run) override;
    // False when the header was dropped.
    bool party(TakeOverRun& run, TakeOverSource& headers, TakeOverSource* guests,
               const SourceIndex& guestIndex, TakeOverSource* lines, const SourceIndex& lineIndex,
               const KindTable& kinds);
};

} // namespace korbelant
