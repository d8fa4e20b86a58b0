#include "parties/TVorFuerModul.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/FixedCustomers.h"
#include "core/GermanFormat.h"
#include "core/KundenFields.h"
#include "core/MWocheFields.h"
#include "core/Options.h"
#include "core/RecordStore.h"
#include "core/RecordValue.h"
#include "core/Schema.h"
#include "core/StorageForm.h"
#include "core/Transaction.h"
#include "core/TupperFields.h"
#include "core/TuppkopfFields.h"
#include "core/UiPort.h"
#include "core/WeekKey.h"
#include "customers/TClientDataModul.h"
#include "parties/BookingHorizon.h"
#include "parties/PartWeek.h"
#include "parties/PartyTotals.h"

#include <QRegularExpression>
#include <cmath>
#include <utility>

namespace korbelant {

namespace {

using H = TuppkopfFields;
using P = TupperFields;
using K = KundenFields;
using R = RecordValue;

QString isoDate(const QDate& d)
{
    return d.toString(Qt::ISODate);
}

// A new record of the table with the table's defaults.
QVariantMap withDefaults(const TableDef& table)
{
    QVariantMap record;
    for (const FieldDef& f : table.fields)
        record.insert(f.name,
                      f.defaultValue.isEmpty() ? QVariant() : StorageForm::fromStorage(f, f.defaultValue));
    return record;
}

const QDate kFirstDay(2006, 1, 1);

} // namespace

TVorFuerModul::TVorFuerModul(Database& db, Options& options, UiPort& ui, TClientDataModul& customers,
                             TArtikelModul& articles)
    : m_db(db), m_options(options), m_ui(ui), m_customers(customers), m_catalogue(articles),
      m_lines(db, options, ui, m_catalogue), m_starPlan(db)
{
}

bool TVorFuerModul::customerExists(const QString& kNr) const
{
    return !kNr.trimmed().isEmpty() && m_customers.load(kNr).has_value();
}

// ---------------------------------------------------------------- party numbers and weeks

QString TVorFuerModul::partyNumber(const QDate& d, const QString& suffix)
{
    return d.toString(QStringLiteral("ddMMyy")) + suffix;
}

QString TVorFuerModul::BZH_VF_NR(const QDate& d, const QString& suffix)
{
    const qint64 days = kFirstDay.daysTo(d);
    const int letter = suffix.isEmpty() ? 0 : suffix.at(0).toUpper().unicode() - 55;
    QString id = QString::number(days) + QString::number(letter);
    if (id.size() > 5)
        id = id.right(5);
    return id.rightJustified(5, QLatin1Char('0'));
}

QString TVorFuerModul::NextTWoche(const QString& week)
{
    return PartWeek::NextTWoche(m_db, week);
}

std::optional<QString> TVorFuerModul::checkPartyNumber(const QString& dateText, const QString& suffix,
                                                       const QDate& today)
{
    const auto d = GermanFormat::parseDate(dateText);
    if (!d) {
        m_ui.error(QStringLiteral("Kein gültiges Datum"));
        return std::nullopt;
    }
    if (*d > today &&
        m_ui.question(QStringLiteral("Datum größer heute."), UiPort::Buttons::OkCancel) != UiPort::Answer::Ok)
        return std::nullopt;
    const QString letter = suffix.trimmed().toUpper();
    static const QRegularExpression oneLetter(QStringLiteral("^[A-Z]$"));
    if (!oneLetter.match(letter).hasMatch())
        return std::nullopt;
    const QString number = partyNumber(*d, letter);
    if (headerStored(number)) {
        m_ui.information(QStringLiteral("Vorführungsnummer schon vorhanden"));
        return std::nullopt;
    }
    return number;
}

// ---------------------------------------------------------------- headers

std::optional<TVorFuerModul::Record> TVorFuerModul::header(const QString& rNr) const
{
    return RecordStore::selectOne(m_db, H::table(), QStringLiteral("R_NR = ?"), {rNr});
}

bool TVorFuerModul::headerStored(const QString& rNr) const
{
    return m_db.scalar(QStringLiteral("SELECT 1 FROM Tuppkopf WHERE R_NR = ?"), {rNr}).isValid();
}

TVorFuerModul::Record TVorFuerModul::newParty(const QString& rNr, const QDate& d)
{
    const QString week = WeekKey::weekKey(d);
    Record h = withDefaults(H::table());
    h[H::R_NR] = rNr;
    h[H::DATUM] = d;
    m_db.run(QStringLiteral("DELETE FROM Tupper1 WHERE R_NR = ?"), {rNr});
    h[H::BZH_VF_NR] = BZH_VF_NR(d, rNr.right(1));
    h[H::MWoche] = week;
    h[H::TWoche] = NextTWoche(week);
    h[H::BZH_VF_ART] = 0;
    h[H::GAESTE] = 0;
    h[H::VKG_UMSATZ] = 0.0;
    h[H::WB_UMSATZ] = 0.0;
    return h;
}

void TVorFuerModul::setHost(Record& h, const QString& kNr)
{
    h[H::K_NR] = kNr;
    const QString rNr = R::text(h, H::R_NR);
    if (headerStored(rNr) && !participant(rNr, kHost)) {
        Record host = withDefaults(P::table());
        host[P::R_NR] = rNr;
        host[P::P_NR] = kHost;
        host[P::K_NR] = kNr;
        host[P::DATUM] = h.value(H::DATUM);
        host[P::MWoche] = h.value(H::MWoche);
        host[P::TWoche] = h.value(H::TWoche);
        saveParticipant(host);
    }
    if (const auto customer = m_customers.load(kNr)) {
        const int distance = customer->value(K::KM_ENTF).toInt();
        if (distance != 0)
            h[H::KM_EINFACH] = distance;
    }
}

void TVorFuerModul::changeDate(Record& h, const QDate& d)
{
    if (!d.isValid())
        return;
    h[H::DATUM] = d;
    const QString week = WeekKey::weekKey(d);
    if (week == R::text(h, H::MWoche))
        return;
    h[H::MWoche] = week;
    h[H::TWoche] = NextTWoche(week);
    m_db.run(QStringLiteral("UPDATE Tupper SET DATUM = ? WHERE R_NR = ?"), {isoDate(d), R::text(h, H::R_NR)});
    saveHeader(h);
}

bool TVorFuerModul::dialogOk(Record& h, const QString& year, const QString& week)
{
    static const QRegularExpression twoDigits(QStringLiteral("^\\d{2}$"));
    static const QRegularExpression fourDigits(QStringLiteral("^\\d{4}$"));
    const QString w = week.trimmed();
    const QString y = year.trimmed();
    if (!twoDigits.match(w).hasMatch() || w.toInt() < 1 || w.toInt() > 53) {
        m_ui.warning(QStringLiteral("Nur Woche 01 bis 53 möglich"));
        return false;
    }
    if (!fourDigits.match(y).hasMatch() || y.toInt() < 1990) {
        m_ui.warning(QStringLiteral("Nur Jahreszahlen ab 1990 möglich"));
        return false;
    }
    if (y + w != R::text(h, H::MWoche)) {
        h[H::MWoche] = y + w;
        h[H::TWoche] = NextTWoche(y + w);
    }
    if (!customerExists(R::text(h, H::K_NR))) {
        m_ui.warning(QStringLiteral("Sie müssen eine gültige Kunden-Nr. eingeben"));
        return false;
    }
    return true;
}

void TVorFuerModul::saveHeader(Record& h)
{
    Transaction tx(m_db);
    RecalcPartyTotals(h);
    const QString rNr = R::text(h, H::R_NR);
    const auto stored = header(rNr);
    if (stored) {
        RecordStore::update(m_db, H::table(), h, QStringList{H::R_NR});
        if (R::text(*stored, H::MWoche) != R::text(h, H::MWoche) ||
            R::text(*stored, H::TWoche) != R::text(h, H::TWoche))
            propagateWeek(rNr, R::text(h, H::MWoche), R::text(h, H::TWoche));
    } else {
        m_db.insert(H::table(), h);
    }
    TKopfTableAfterPost(h);
    tx.commit();
}

void TVorFuerModul::propagateWeek(const QString& rNr, const QString& week, const QString& partWeek)
{
    // Set-wise, so the line checks do not run for this pass.
    m_db.run(QStringLiteral("UPDATE Tupper SET MWoche = ?, TWoche = ? WHERE R_NR = ?"),
             {week, partWeek, rNr});
    m_db.run(QStringLiteral("UPDATE Tupper1 SET MWoche = ?, TWoche = ? WHERE R_NR = ?"),
             {week, partWeek, rNr});
}

void TVorFuerModul::TKopfTableAfterPost(const Record& h)
{
    const QString week = R::text(h, H::MWoche);
    if (!week.isEmpty() &&
        !m_db.scalar(QStringLiteral("SELECT 1 FROM MWoche WHERE MWoche = ?"), {week}).isValid())
        m_db.insert(MWocheFields::table(), {{MWocheFields::MWoche, week}});
    const QString rNr = R::text(h, H::R_NR);
    Record host = participant(rNr, kHost).value_or(withDefaults(P::table()));
    if (R::text(host, P::R_NR).isEmpty()) {
        host[P::R_NR] = rNr;
        host[P::P_NR] = kHost;
        host[P::MWoche] = week;
        host[P::TWoche] = h.value(H::TWoche);
    }
    host[P::K_NR] = h.value(H::K_NR);
    host[P::DATUM] = h.value(H::DATUM);
    saveParticipant(host);
}

// ---------------------------------------------------------------- totals

void TVorFuerModul::RecalcPartyTotals(Record& h)
{
    const bool advance = advanceLinesCount();
    PartyTotals::read(m_db, R::text(h, H::R_NR), advance).applyTo(h, advance);
}

void TVorFuerModul::RecalcAllPartyTotals()
{
    Transaction tx(m_db);
    PartyTotals::recalcAll(m_db, advanceLinesCount());
    tx.commit();
}

bool TVorFuerModul::advanceLinesCount() const
{
    return m_options.checked(QStringLiteral("VORAB"));
}

std::optional<QDate> TVorFuerModul::starCutOffDay(const QDate& partyDate) const
{
    return BookingHorizon::day(partyDate, m_options);
}

int TVorFuerModul::Verabred_2(const Record& h) const
{
    return BookingHorizon::appointments(m_db, R::text(h, H::R_NR), R::date(h, H::DATUM), m_options);
}

TVorFuerModul::CalcValues TVorFuerModul::TKopfTableCalcFields(const Record& h) const
{
    CalcValues values;
    const auto host = m_customers.load(R::text(h, H::K_NR));
    values.name = (host ? R::text(*host, K::NAME) : QString()) + QStringLiteral(", ") +
                  (host ? R::text(*host, K::VORNAME) : QString());
    values.provision = h.value(H::S_UMSATZ).toDouble() - h.value(H::S_AUSGABE).toDouble();
    int visits = 0;
    for (const QString& field : {H::VORBEREIT1, H::VORBEREIT2, H::AUSLIEFER1, H::AUSLIEFER2})
        visits += R::date(h, field).isValid() ? 1 : 0;
    values.summeKm = h.value(H::KM_EINFACH).toInt() * (2 + 2 * visits);
    values.verabred2 = Verabred_2(h);
    values.mSterne = m_starPlan.StarsByPlan(h.value(H::UM_STERNE).toDouble(), values.verabred2);
    values.starWarning = values.mSterne < h.value(H::STERNE).toInt();
    values.guestWarning = h.value(H::GAESTE).toInt() <= 0;
    return values;
}

int TVorFuerModul::vagCount(const QString& rNr) const
{
    const auto groups = m_db.rows(
        QStringLiteral("SELECT TOTAL(STUECK) FROM Tupper1 WHERE R_NR = ? AND VA IN ('33', '15') GROUP BY VA"),
        {rNr});
    int count = 0;
    for (const QVariantList& g : groups)
        count += static_cast<int>(std::trunc(g[0].toDouble()));
    return count;
}

void TVorFuerModul::CheckVAG(const QString& rNr)
{
    if (!m_options.checked(QStringLiteral("c_VAG")))
        return;
    const int count = vagCount(rNr);
    if (count < 1)
        m_ui.information(QStringLiteral("Sie haben noch kein VAG eingegeben."));
    else if (count >= 2)
        m_ui.information(QStringLiteral("Sie haben mehr als ein VAG eingegeben."));
}

bool TVorFuerModul::deleteParty(const QString& rNr)
{
    if (m_ui.question(QStringLiteral("Vorführung wirklich löschen ?"), UiPort::Buttons::OkCancel) !=
        UiPort::Answer::Ok)
        return false;
    removeParty(rNr);
    return true;
}

void TVorFuerModul::removeParty(const QString& rNr)
{
    // All lines in one pass without the line rules: the stock is not given back.
    Transaction tx(m_db);
    m_db.run(QStringLiteral("DELETE FROM Tupper1 WHERE R_NR = ?"), {rNr});
    m_db.run(QStringLiteral("DELETE FROM Tupper WHERE R_NR = ?"), {rNr});
    m_db.run(QStringLiteral("DELETE FROM Tuppkopf WHERE R_NR = ?"), {rNr});
    tx.commit();
}

// ---------------------------------------------------------------- participants

std::optional<TVorFuerModul::Record> TVorFuerModul::participant(const QString& rNr, const QString& pNr) const
{
    return RecordStore::selectOne(m_db, P::table(), QStringLiteral("R_NR = ? AND P_NR = ?"), {rNr, pNr});
}

std::vector<TVorFuerModul::Record> TVorFuerModul::participants(const QString& rNr) const
{
    return RecordStore::select(m_db, P::table(), QStringLiteral("R_NR = ?"), {rNr}, P::P_NR);
}

std::optional<TVorFuerModul::Record> TVorFuerModul::addParticipant(const QString& rNr)
{
    const auto h = header(rNr);
    if (!h) {
        m_ui.information(QStringLiteral("Legen Sie zuerst eine Vorführung und/oder einen Gast an."));
        return std::nullopt;
    }
    const int highest =
        m_db.scalar(QStringLiteral("SELECT MAX(CAST(P_NR AS INTEGER)) FROM Tupper WHERE R_NR = ?"), {rNr})
            .toInt();
    if (highest >= 99) {
        m_ui.information(QStringLiteral("Eine Vorführung kann höchstens 99 Teilnehmer haben."));
        return std::nullopt;
    }
    Record p = withDefaults(P::table());
    p[P::R_NR] = rNr;
    p[P::P_NR] = QStringLiteral("%1").arg(highest + 1, 2, 10, QLatin1Char('0'));
    p[P::DATUM] = h->value(H::DATUM);
    p[P::MWoche] = h->value(H::MWoche);
    p[P::TWoche] = h->value(H::TWoche);
    return p;
}

void TVorFuerModul::saveParticipant(Record& p)
{
    TuTableBeforePost(p);
    Transaction tx(m_db);
    if (participant(R::text(p, P::R_NR), R::text(p, P::P_NR)))
        RecordStore::update(m_db, P::table(), p, QStringList{P::R_NR, P::P_NR});
    else
        m_db.insert(P::table(), p);
    tx.commit();
    TuTableAfterPost(p);
}

void TVorFuerModul::TuTableBeforePost(Record& p) const
{
    if (!customerExists(R::text(p, P::K_NR)))
        p[P::K_NR] = FixedCustomers::kUnknown;
    p[P::V_GTYP] = R::text(p, P::P_NR) == kHost ? QStringLiteral("1") : QStringLiteral("0");
}

void TVorFuerModul::TuTableAfterPost(const Record& p)
{
    if (m_suppressCustomerUpdate)
        return;
    const QString kNr = R::text(p, P::K_NR);
    const auto customer = m_customers.load(kNr);
    if (!customer)
        return;
    QVariantMap changes;
    const QDate partyDate = R::date(p, P::DATUM);
    const QDate today = QDate::currentDate();
    if (partyDate.isValid()) {
        if (!R::date(*customer, K::E_DATUM).isValid())
            changes.insert(K::E_DATUM, partyDate);
        if (partyDate >= today.addDays(-21)) {
            const QDate last = R::date(*customer, K::L_DATUM);
            if (!last.isValid() || partyDate > last)
                changes.insert(K::L_DATUM, partyDate);
            const QDate next = R::date(*customer, K::N_DATUM);
            const QDate appointment = R::date(p, P::Verabred_DATUM);
            if (appointment.isValid()) {
                if ((!next.isValid() || appointment > next) && appointment > today) {
                    changes.insert(K::N_DATUM, appointment);
                    changes.insert(K::N_ZEIT, p.value(P::Verabred_ZEIT));
                }
            } else if (!next.isValid() || partyDate >= next) {
                changes.insert(K::N_DATUM, QVariant());
                changes.insert(K::N_ZEIT, QVariant());
            }
        }
    }
    if (R::text(p, P::P_NR) == kHost && R::text(*customer, K::GASTGEBER) != QStringLiteral("C"))
        changes.insert(K::GASTGEBER, QStringLiteral("J"));
    if (changes.isEmpty())
        return;
    // Saved as the customer module saves every customer; a refusal is ignored.
    TClientDataModul::Record updated = *customer;
    for (auto it = changes.cbegin(); it != changes.cend(); ++it)
        updated.insert(it.key(), it.value());
    m_customers.post(updated, false);
}

bool TVorFuerModul::deleteParticipant(const QString& rNr, const QString& pNr)
{
    if (pNr == kHost) {
        m_ui.information(QStringLiteral("Die Gastgeberin kann nicht gelöscht werden"));
        return false;
    }
    if (m_ui.question(QStringLiteral("Gast wirklich löschen ?"), UiPort::Buttons::OkCancel) !=
        UiPort::Answer::Ok)
        return false;
    try {
        Transaction tx(m_db);
        for (const OrderLine& line : m_lines.lines(rNr, pNr))
            m_lines.deleteLine(line);
        m_db.run(QStringLiteral("DELETE FROM Tupper WHERE R_NR = ? AND P_NR = ?"), {rNr, pNr});
        tx.commit();
    } catch (const DatabaseError&) {
        m_ui.error(QStringLiteral("Kann Gast nicht löschen"));
        return false;
    }
    return true;
}

void TVorFuerModul::closeGuestWindow(const QString& rNr, const QString& pNr)
{
    Transaction tx(m_db);
    m_db.run(
        QStringLiteral(
            "UPDATE Tupper SET UMSATZ = (SELECT TOTAL(SUMME) FROM Tupper1 l WHERE l.R_NR = Tupper.R_NR AND "
            "l.P_NR = Tupper.P_NR) WHERE R_NR = ? AND P_NR = ?"),
        {rNr, pNr});
    if (auto h = header(rNr))
        saveHeader(*h);
    tx.commit();
    CheckVAG(rNr);
}

} // namespace korbelant
