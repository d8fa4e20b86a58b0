#pragma once

#include "core/ResultTable.h"
#include "reports/ConsultantAddress.h"
#include "week/WeekMarking.h"
#include "week/WeekPartyView.h"
#include "week/WeekPlanning.h"
#include "week/WeekPrintState.h"
#include "week/WeekRange.h"
#include "week/WeekRequestItems.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <optional>
#include <vector>

namespace korbelant {

class Database;
class Options;
class TransferQueries;
class UiPort;

// The week module: the week records (MWoche), the current week with its marked part-weeks, the
// part-week sums and the party view of the marked range, the print status of the week reports,
// the planned parties, request items, and new and deleted weeks. The week window shows what this
// module holds and calls its operations; every question and message goes through the UI port.
class TWocheDataModul
{
public:
    using Record = QVariantMap;

    enum class NewWeek
    {
        Created,
        Existing, // the key is there already: nothing happens, nothing is said
        Invalid,  // "Keine gültige Woche eingegeben"
        Cancelled
    };
    enum class DeleteWeek
    {
        Deleted,
        NotEmpty, // "Sie können nur eine leere Woche löschen."
        Cancelled
    };

    static inline const QString kAskNewWeek = QStringLiteral("Leere Woche anlegen ?");
    static inline const QString kInvalidWeek = QStringLiteral("Keine gültige Woche eingegeben");
    static inline const QString kAskDelete = QStringLiteral("Woche wirklich löschen ?");
    static inline const QString kOnlyEmpty = QStringLiteral("Sie können nur eine leere Woche löschen.");
    static inline const QString kWeekRemoved = QStringLiteral("Woche wieder gelöscht");
    static inline const QString kRebuildFailed = QStringLiteral("Wochendatei kann nicht importiert werden");

    TWocheDataModul(Database& db, Options& options, UiPort& ui);

    // The week record of a key as stored; empty when there is none.
    static Record readRecord(Database& db, const QString& key);

    Database& db() const { return m_db; }

    // --- weeks ---
    // Every week key, lowest first.
    QStringList weekKeys() const;
    // Opening the week window: the last week record (highest key), nothing marked. False when
    // there is no week record.
    bool openLast();
    // Makes the week current: the marked range is cleared and the party view re-read. A record
    // still edited is left first as close() leaves it. False when there is no record of that key.
    bool setCurrentWeek(const QString& key);
    QString currentWeek() const { return m_key; }
    bool hasWeek() const { return !m_key.isEmpty(); }

    // --- the current week record ---
    const Record& record() const { return m_record; }
    QVariant field(const QString& name) const { return m_record.value(name); }
    // A field change puts the record into edit state; it is stored by store(), on changing the
    // week or on closing.
    void setField(const QString& name, const QVariant& value);
    bool isEdited() const { return m_edited; }
    void store();
    // Spin buttons of VORFUEHR_1 .. 6, REK_BESUCH, DR_1 .. 19: the field's new value, stored at once.
    QVariant spin(const QString& name, bool up);
    // Calendar buttons of A_DATUM and FDATUM1 .. 7: the chosen date (none clears the field) is
    // stored; false when the pick was cancelled.
    bool pickDate(const QString& name);
    // The rate chooser of trip 1 .. 7 returned a VERPF_SATZ.
    void setTripRate(int trip, const QString& rate);
    // Closing the window: a record still edited is stored when it has a key; a record whose key
    // was cleared is deleted, with "Woche wieder gelöscht".
    void close();

    // --- part-weeks and marking ---
    // The part-week sums of the current week (TWocheQuery), one row per part-week.
    const ResultTable& TWocheQuery() const { return m_sums; }
    QStringList partWeeks() const;
    const WeekMarking::Range& marked() const { return m_marked; }
    bool isMarked(const QString& partWeek) const { return m_marked.contains(partWeek); }
    // Double-click or "Markieren" on a part-week row.
    void markPartWeek(const QString& partWeek);
    // With `all`, every part-week of the week is marked first; then the party view follows the
    // marked range.
    void SelectPartWeeks(bool all);
    // What reports, previews and the transfer work on: the marked range, or all part-weeks when
    // nothing is marked (the marking is then kept so).
    WeekRange actionRange();
    WeekRange range() const { return {m_key, m_marked.start, m_marked.end}; }
    // Marks the part-weeks of a range of the current week (the transfer's disks take nine
    // part-weeks each) and lets the party view follow.
    void markRange(const WeekRange& range);
    // The parties of the marked range.
    const std::vector<WeekPartyView::Row>& VorFuerTable() const { return m_parties; }
    // The status picture of the part-week rows.
    WeekPrintState::Picture statusPicture() const { return WeekPrintState::picture(field(kPrintWord)); }
    // The four transfer queries, for the ranges this module hands out.
    TransferQueries transferQueries() const;
    ConsultantAddress BQuery() const;

    // --- print state ---
    QString ReportPrintState(int k) const { return WeekPrintState::ReportPrintState(field(kPrintWord), k); }
    // After report k was printed; a failure to store leaves the status as it was.
    void MarkReportPrinted(int k);

    // --- changes of many records ---
    // Every party of the marked range counts as transferred (ERSTELLT).
    void MarkPartiesExported();
    // A week record for every week key of the parties that has none; the number added.
    int RebuildWeekRecords();

    // --- planned parties ---
    // "Planung eintragen": VORFUEHR_1 .. 6 from the customers' next parties in the six calendar
    // weeks after the current week; stored.
    WeekPlanning::Counts planungEintragen();

    // --- request items of the current week ---
    std::vector<WeekRequestItems::Item> requestItems() const;
    // nullopt when the week has no item with that code or the spin did not change it.
    std::optional<int> requestSpin(const QString& kodierung, bool up);

    // --- new and deleted weeks ---
    // "&Neu": "Leere Woche anlegen ?"; true when the dialog for the week is to be shown.
    bool askNewWeek();
    // The dialog's "&Ok" with its year and week fields.
    NewWeek createEmptyWeek(const QString& year, const QString& week);
    // "&Löschen" of the current week.
    DeleteWeek deleteWeek();

    static inline const QString kPrintWord = QStringLiteral("DR_20");

private:
    void load(const QString& key);
    void refresh();
    bool weekExists(const QString& key) const;

    Database& m_db;
    Options& m_options;
    UiPort& m_ui;
    QString m_key;
    Record m_record;
    bool m_edited = false;
    ResultTable m_sums;
    WeekMarking::Range m_marked;
    std::vector<WeekPartyView::Row> m_parties;
};

} // namespace korbelant
