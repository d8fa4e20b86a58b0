#pragma once

#include "core/StarPlan.h"
#include "parties/GuestLineRules.h"
#include "parties/LineCatalogue.h"

#include <QDate>
#include <QString>
#include <QVariantMap>
#include <optional>
#include <vector>

namespace korbelant {

class Database;
class Options;
class TArtikelModul;
class TClientDataModul;
class UiPort;

// The party module: party headers (Tuppkopf), their participants (Tupper) and order lines
// (Tupper1), with every rule that keeps them consistent: numbers, weeks and part-weeks, the
// header totals and stars, the participant rules and what a party changes in customer and week
// records. Records are maps from field name to value in program form (QDate, QTime, bool,
// numbers, text). Every question and message goes through the UI port.
class TVorFuerModul
{
public:
    using Record = QVariantMap;

    // Values shown with a header and never stored.
    struct CalcValues
    {
        QString name; // host's "NAME, VORNAME"
        double provision = 0;
        int summeKm = 0;
        int verabred2 = 0;         // appointments up to the star cut-off day
        int mSterne = 0;           // earned stars
        bool starWarning = false;  // more stars entered than earned: the star box blinks
        bool guestWarning = false; // no guests counted: the guest count blinks
    };

    static inline const QString kHost = QStringLiteral("01");

    // The party rules work with the customer module and the article module of the same data set.
    TVorFuerModul(Database& db, Options& options, UiPort& ui, TClientDataModul& customers,
                  TArtikelModul& articles);

    Database& db() { return m_db; }
    UiPort& ui() { return m_ui; }
    GuestLineRules& lineRules() { return m_lines; }
    const StarPlan& starPlan() const { return m_starPlan; }

    // --- party numbers and weeks ---
    // "ddMMyy" + suffix.
    static QString partyNumber(const QDate& date, const QString& suffix);
    // Distributor identifier: days since 1 January 2006 followed by the suffix's code minus 55,
    // the last five characters, with leading zeros to five.
    static QString BZH_VF_NR(const QDate& date, const QString& suffix);
    QString NextTWoche(const QString& week);
    // The checks of the party-number dialog on "&Ok". The party number when the dialog may
    // close; nullopt when it stays open (its message has been shown).
    std::optional<QString> checkPartyNumber(const QString& dateText, const QString& suffix,
                                            const QDate& today);

    // --- headers ---
    std::optional<Record> header(const QString& rNr) const;
    bool headerStored(const QString& rNr) const;
    // "&Neu" after the number dialog: a new, unsaved header with week, part-week, identifier and
    // kind; order lines left over from an earlier party with this number are deleted.
    Record newParty(const QString& rNr, const QDate& date);
    // TKopfTableK_NRChange: a new host; her distance comes over, and a stored party gets its
    // host participant at once.
    void setHost(Record& header, const QString& kNr);
    // A host or participant must be a stored customer.
    bool customerExists(const QString& kNr) const;
    // "Datum ändern": the new date; a new week moves the party to the next part-week of that
    // week, dates the participants anew and saves the header.
    void changeDate(Record& header, const QDate& date);
    // The party dialog's "&Ok" with the year and week fields. False, with its message, when the
    // dialog stays open.
    bool dialogOk(Record& header, const QString& year, const QString& week);
    // Saves the header: totals recomputed first, week and part-week carried to participants and
    // lines, then the week record and the host participant.
    void saveHeader(Record& header);
    void RecalcPartyTotals(Record& header);
    // The same totals for every party at once, after a bulk load: participants' turnover from
    // their lines, then each header as RecalcPartyTotals computes it.
    void RecalcAllPartyTotals();
    CalcValues TKopfTableCalcFields(const Record& header) const;
    // The Sunday ending the party's week (the next one for a Sunday party) plus the weeks of the
    // option "Weeks"; nullopt when that option is not a number.
    std::optional<QDate> starCutOffDay(const QDate& partyDate) const;
    int Verabred_2(const Record& header) const;
    // The party's VAG pieces (kinds "33" and "15", each truncated).
    int vagCount(const QString& rNr) const;
    void CheckVAG(const QString& rNr);
    // "&Löschen" of a party: asks, then removes lines, participants and header. The stock is not
    // given back. True when deleted.
    bool deleteParty(const QString& rNr);
    // Removes a party without asking: a new party whose dialog was cancelled after "Datum
    // ändern" had already stored it.
    void removeParty(const QString& rNr);

    // --- participants ---
    std::optional<Record> participant(const QString& rNr, const QString& pNr) const;
    std::vector<Record> participants(const QString& rNr) const;
    // "Gast N&eu": appends the next participant of a stored party; nullopt (with a message) when
    // there is no such party or it has 99 participants.
    std::optional<Record> addParticipant(const QString& rNr);
    // Saves a participant: normalised before, her customer updated after.
    void saveParticipant(Record& participant);
    void TuTableBeforePost(Record& participant) const;
    void TuTableAfterPost(const Record& participant);
    // "L&öschen" of a participant: the host cannot be deleted; asks, then deletes the lines with
    // the line rules (own stock goes back) and the participant. True when deleted.
    bool deleteParticipant(const QString& rNr, const QString& pNr);
    // The guest window closes on a participant: her turnover from her lines, the party's totals
    // recomputed and saved, then the VAG warning.
    void closeGuestWindow(const QString& rNr, const QString& pNr);

    // The party planning suppresses the customer update while it creates parties.
    void setCustomerUpdateSuppressed(bool on) { m_suppressCustomerUpdate = on; }
    bool customerUpdateSuppressed() const { return m_suppressCustomerUpdate; }

private:
    void TKopfTableAfterPost(const Record& header);
    void propagateWeek(const QString& rNr, const QString& week, const QString& partWeek);
    // Whether advance lines count for the stars (the option "VORAB").
    bool advanceLinesCount() const;

    Database& m_db;
    Options& m_options;
    UiPort& m_ui;
    TClientDataModul& m_customers;
    LineCatalogue m_catalogue;
    GuestLineRules m_lines;
    StarPlan m_starPlan;
    bool m_suppressCustomerUpdate = false;
};

} // namespace korbelant
