#pragma once

#include "takeover/CustomerPartyTakeOver.h"
#include "takeover/FieldAliases.h"

#include <QList>
#include <QVariantMap>
#include <optional>

namespace korbelant {

class Database;
class KindTable;
class SourceIndex;
class TakeOverSource;
struct TableDef;

// The takeover from the Windows program Quarnel: its customers (PERSONEN.db) and its parties
// (VF.db) with their guests (GAST.db) and each guest's order lines (BESTARTK.db), Paradox tables
// read one record at a time. A party gets its number from its date; guests and lines belong to
// a party by its PartyID, lines to a guest by the guest's PersNr.
class QuarnelTakeOver : public CustomerPartyTakeOver
{
public:
    static inline const QString kKey = QStringLiteral("quarnel");
    static inline const QString kInvalidPath =
        QStringLiteral("Der angegebene Pfad für Quarnel ist ungültig. Bitte ändern");
    static inline const QString kCheckFile = QStringLiteral("PERSONEN.db");
    // "C:\Quarnel\DB" of old, on the drive "c" (the root directory).
    static inline const QString kPreset = QStringLiteral("/Quarnel/DB");

    QuarnelTakeOver() : CustomerPartyTakeOver(false) {}

    QString key() const override { return kKey; }
    QString title() const override { return QStringLiteral("Daten von Quarnel(WIN) importieren  "); }
    QString sourceCaption() const override { return QStringLiteral("Quarnel"); }
    QString targetCaption() const override { return QStringLiteral("KLV 2003"); }
    QString initialSource(const Options& options) const override;
    QString checkSource(const QString& source) const override;
    void afterRows(TakeOverRun& run) override;

    static FieldAliases customerAliases();
    static FieldAliases headerAliases();
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
    // Appends the order lines of one guest (by its customer number), participant `pNr`, from the
    // lines of its party.
    void guestLines(Database& db, TakeOverSource& lines, const QList<int>& partyLines,
                    const QString& customer, const QVariantMap& header, const QString& pNr,
                    const KindTable& kinds);
};

} // namespace korbelant
