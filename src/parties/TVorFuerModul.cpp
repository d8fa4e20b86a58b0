#include "parties/TVorFuerModul.h"

#include "customers/TClientDataModul.h"
#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/GermanFormat.h"
#include "core/Options.h"
#include "core/PartWeek.h"
#include "core/Schema.h"
#include "core/StorageForm.h"
#include "core/Transaction.h"
#include "core/UiPort.h"
#include "core/WeekKey.h"
#include "core/RecordStore.h"

#include <QRegularExpression>
#include <cmath>
#include <utility>

namespace korbelant {

namespace {

const TableDef& headerTable()
{
    return Schema::get(QStringLiteral("Tuppkopf"));
}

const TableDef& participantTable()
{
    return Schema::get(QStringLiteral("Tupper"));
}

QString text(const QVariantMap& record, const char* field)
{
    return record.value(QString::fromLatin1(field)).toString();
}

QDate date(const QVariantMap& record, const char* field)
{
    return record.value(QString::fromLatin1(field)).toDate();
}

QString isoDate(const QDate& d)
{
    return d.toString(Qt::ISODate);
}

// A new record of the table with the table's defaults.
QVariantMap withDefaults(const TableDef& table)
{
    QVariantMap record;
    for (const FieldDef& f : table.fields)
        record.insert(f.name, f.defaultValue.isEmpty() ? QVariant() : StorageForm::fromStorage(f, f.defaultValue));
    return record;
}

const QDate kFirstDay(2006, 1, 1);

// The sums of the header totals, shared by the recalculation of one party and of all parties.
const QString kLineSums = QStringLiteral(
    "COUNT(*), TOTAL(t.SUMME), TOTAL(t.KOSTEN), TOTAL(t.SUMME - t.KOSTEN), TOTAL(t.SUMME * v.UMSATZ_VKG), "
    "TOTAL(t.SUMME * v.UMSATZ_WB), TOTAL(t.STERNE), TOTAL(t.STERNE_DM), TOTAL(t.UM_STERNE)");
const QString kStarSums = QStringLiteral("TOTAL(t.STERNE), TOTAL(t.STERNE_DM), TOTAL(t.UM_STERNE)");
const QString kNotAdvance = QStringLiteral("(t.VORAB IS NULL OR t.VORAB <> 'V')");
const QString kKindPieces = QStringLiteral(
    "MAX(t.VA IS NULL OR TRIM(t.VA) = ''), CAST(TOTAL(CASE WHEN t.VA = '32' THEN t.STUECK END) AS INTEGER), "
    "CAST(TOTAL(CASE WHEN t.VA = '38' THEN t.STUECK END) AS INTEGER)");
const QString kNominated = QStringLiteral("BENENNUNG = 1");
const QString kAppointed = QStringLiteral("Verabredung = 1 AND Verabred_DATUM <= '2150-01-01'");

} // namespace

TVorFuerModul::TVorFuerModul(Database& db, Options& options, UiPort& ui, TClientDataModul& customers, TArtikelModul& articles)
    : m_db(db), m_options(options), m_ui(ui), m_customers(customers), m_catalogue(articles), m_lines(db, options, ui, m_catalogue),
      m_starPlan(db)
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

std::optional<QString> TVorFuerModul::checkPartyNumber(const QString& dateText, const QString& suffix, const QDate& today)
{
    const auto d = GermanFormat::parseDate(dateText);
    if (!d) {
        m_ui.error(QStringLiteral("Kein gültiges Datum"));
        return std::nullopt;
    }
    if (*d > today && m_ui.question(QStringLiteral("Datum größer heute."), UiPort::Buttons::OkCancel) != UiPort::Answer::Ok)
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
    return RecordStore::selectOne(m_db, headerTable(), QStringLiteral("R_NR = ?"), {rNr});
}

bool TVorFuerModul::headerStored(const QString& rNr) const
{
    return m_db.scalar(QStringLiteral("SELECT 1 FROM Tuppkopf WHERE R_NR = ?"), {rNr}).isValid();
}

TVorFuerModul::Record TVorFuerModul::newParty(const QString& rNr, const QDate& d)
{
    const QString week = WeekKey::weekKey(d);
    Record h = withDefaults(headerTable());
    h[QStringLiteral("R_NR")] = rNr;
    h[QStringLiteral("DATUM")] = d;
    m_db.run(QStringLiteral("DELETE FROM Tupper1 WHERE R_NR = ?"), {rNr});
    h[QStringLiteral("BZH_VF_NR")] = BZH_VF_NR(d, rNr.right(1));
    h[QStringLiteral("MWoche")] = week;
    h[QStringLiteral("TWoche")] = NextTWoche(week);
    h[QStringLiteral("BZH_VF_ART")] = 0;
    h[QStringLiteral("GAESTE")] = 0;
    h[QStringLiteral("VKG_UMSATZ")] = 0.0;
    h[QStringLiteral("WB_UMSATZ")] = 0.0;
    return h;
}

void TVorFuerModul::setHost(Record& h, const QString& kNr)
{
    h[QStringLiteral("K_NR")] = kNr;
    const QString rNr = text(h, "R_NR");
    if (headerStored(rNr) && !participant(rNr, kHost)) {
        Record host = withDefaults(participantTable());
        host[QStringLiteral("R_NR")] = rNr;
        host[QStringLiteral("P_NR")] = kHost;
        host[QStringLiteral("K_NR")] = kNr;
        host[QStringLiteral("DATUM")] = h.value(QStringLiteral("DATUM"));
        host[QStringLiteral("MWoche")] = h.value(QStringLiteral("MWoche"));
        host[QStringLiteral("TWoche")] = h.value(QStringLiteral("TWoche"));
        saveParticipant(host);
    }
    if (const auto customer = m_customers.load(kNr)) {
        const int distance = customer->value(QStringLiteral("KM_ENTF")).toInt();
        if (distance != 0)
            h[QStringLiteral("KM_EINFACH")] = distance;
    }
}

void TVorFuerModul::changeDate(Record& h, const QDate& d)
{
    if (!d.isValid())
        return;
    h[QStringLiteral("DATUM")] = d;
    const QString week = WeekKey::weekKey(d);
    if (week == text(h, "MWoche"))
        return;
    h[QStringLiteral("MWoche")] = week;
    h[QStringLiteral("TWoche")] = NextTWoche(week);
    m_db.run(QStringLiteral("UPDATE Tupper SET DATUM = ? WHERE R_NR = ?"), {isoDate(d), text(h, "R_NR")});
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
    if (y + w != text(h, "MWoche")) {
        h[QStringLiteral("MWoche")] = y + w;
        h[QStringLiteral("TWoche")] = NextTWoche(y + w);
    }
    if (!customerExists(text(h, "K_NR"))) {
        m_ui.warning(QStringLiteral("Sie müssen eine gültige Kunden-Nr. eingeben"));
        return false;
    }
    return true;
}

void TVorFuerModul::saveHeader(Record& h)
{
    Transaction tx(m_db);
    RecalcPartyTotals(h);
    const QString rNr = text(h, "R_NR");
    const auto stored = header(rNr);
    if (stored) {
        RecordStore::update(m_db, headerTable(), h, {QStringLiteral("R_NR")});
        if (text(*stored, "MWoche") != text(h, "MWoche") || text(*stored, "TWoche") != text(h, "TWoche"))
            propagateWeek(rNr, text(h, "MWoche"), text(h, "TWoche"));
    } else {
        m_db.insert(headerTable(), h);
    }
    TKopfTableAfterPost(h);
    tx.commit();
}

void TVorFuerModul::propagateWeek(const QString& rNr, const QString& week, const QString& partWeek)
{
    // Set-wise, so the line checks do not run for this pass.
    m_db.run(QStringLiteral("UPDATE Tupper SET MWoche = ?, TWoche = ? WHERE R_NR = ?"), {week, partWeek, rNr});
    m_db.run(QStringLiteral("UPDATE Tupper1 SET MWoche = ?, TWoche = ? WHERE R_NR = ?"), {week, partWeek, rNr});
}

void TVorFuerModul::TKopfTableAfterPost(const Record& h)
{
    const QString week = text(h, "MWoche");
    if (!week.isEmpty() && !m_db.scalar(QStringLiteral("SELECT 1 FROM MWoche WHERE MWoche = ?"), {week}).isValid())
        m_db.insert(Schema::get(QStringLiteral("MWoche")), {{QStringLiteral("MWoche"), week}});
    const QString rNr = text(h, "R_NR");
    Record host = participant(rNr, kHost).value_or(withDefaults(participantTable()));
    if (text(host, "R_NR").isEmpty()) {
        host[QStringLiteral("R_NR")] = rNr;
        host[QStringLiteral("P_NR")] = kHost;
        host[QStringLiteral("MWoche")] = week;
        host[QStringLiteral("TWoche")] = h.value(QStringLiteral("TWoche"));
    }
    host[QStringLiteral("K_NR")] = h.value(QStringLiteral("K_NR"));
    host[QStringLiteral("DATUM")] = h.value(QStringLiteral("DATUM"));
    saveParticipant(host);
}

// ---------------------------------------------------------------- totals

void TVorFuerModul::RecalcPartyTotals(Record& h)
{
    const QString rNr = text(h, "R_NR");
    totalsOverLines(h, rNr);
    if (!m_options.checked(QStringLiteral("VORAB")))
        starsWithoutAdvanceLines(h, rNr);
    piecesPerKind(h, rNr);
    participantCounts(h, rNr);
}

void TVorFuerModul::totalsOverLines(Record& h, const QString& rNr)
{
    Statement st = m_db.prepare(QStringLiteral("SELECT %1 FROM Tupper1 t JOIN VA v ON v.VA = t.VA WHERE t.R_NR = ?").arg(kLineSums));
    st.bind(1, rNr);
    if (!st.next() || st.value(0).toLongLong() == 0)
        return;
    int column = 1;
    for (const char* field : {"S_UMSATZ", "S_AUSGABE", "S_PROV", "VKG_UMSATZ", "WB_UMSATZ"})
        h[QString::fromLatin1(field)] = st.value(column++).toDouble();
    h[QStringLiteral("STERNE")] = GuestLineRules::roundHalfEven(st.value(column++).toDouble());
    h[QStringLiteral("STERNE_DM")] = st.value(column++).toDouble();
    h[QStringLiteral("UM_STERNE")] = st.value(column).toDouble();
}

void TVorFuerModul::starsWithoutAdvanceLines(Record& h, const QString& rNr)
{
    Statement st = m_db.prepare(
        QStringLiteral("SELECT %1 FROM Tupper1 t JOIN VA v ON v.VA = t.VA WHERE t.R_NR = ? AND %2").arg(kStarSums, kNotAdvance));
    st.bind(1, rNr);
    st.next();
    h[QStringLiteral("STERNE")] = GuestLineRules::roundHalfEven(st.value(0).toDouble());
    h[QStringLiteral("STERNE_DM")] = st.value(1).toDouble();
    h[QStringLiteral("UM_STERNE")] = st.value(2).toDouble();
}

void TVorFuerModul::piecesPerKind(Record& h, const QString& rNr)
{
    // Pieces per kind without the kind table, so unknown kinds count here too. A line with an
    // empty kind sets both counts to 0.
    Statement st = m_db.prepare(QStringLiteral("SELECT COUNT(*), %1 FROM Tupper1 t WHERE t.R_NR = ?").arg(kKindPieces));
    st.bind(1, rNr);
    if (!st.next() || st.value(0).toLongLong() == 0)
        return;
    const bool emptyKind = st.value(1).toInt() != 0;
    h[QStringLiteral("S_ANGEBOTE")] = emptyKind ? 0 : st.value(2).toInt();
    h[QStringLiteral("S_VerkServicePr")] = emptyKind ? 0 : st.value(3).toInt();
}

void TVorFuerModul::participantCounts(Record& h, const QString& rNr)
{
    for (const auto& [field, condition] : {std::pair{"BENENN_TUP", kNominated}, std::pair{"VERABRED", kAppointed}}) {
        const int count = m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM Tupper WHERE R_NR = ? AND ") + condition, {rNr}).toInt();
        if (count > 0)
            h[QString::fromLatin1(field)] = count;
    }
}

void TVorFuerModul::RecalcAllPartyTotals()
{
    Transaction tx(m_db);
    m_db.run(QStringLiteral("WITH s(r, p, su) AS (SELECT R_NR, P_NR, TOTAL(SUMME) FROM Tupper1 GROUP BY R_NR, P_NR) "
                            "UPDATE Tupper SET UMSATZ = s.su FROM s WHERE Tupper.R_NR = s.r AND Tupper.P_NR = s.p"));
    m_db.run(QStringLiteral("WITH s(r, n, c1, c2, c3, c4, c5, c6, c7, c8) AS (SELECT t.R_NR, %1 FROM Tupper1 t JOIN VA v ON v.VA = t.VA "
                            "GROUP BY t.R_NR) UPDATE Tuppkopf SET S_UMSATZ = s.c1, S_AUSGABE = s.c2, S_PROV = s.c3, VKG_UMSATZ = s.c4, "
                            "WB_UMSATZ = s.c5, STERNE = CAST(ROUND(s.c6) AS INTEGER), STERNE_DM = s.c7, UM_STERNE = s.c8 FROM s "
                            "WHERE Tuppkopf.R_NR = s.r")
                 .arg(kLineSums));
    if (!m_options.checked(QStringLiteral("VORAB"))) {
        m_db.run(QStringLiteral("UPDATE Tuppkopf SET STERNE = 0, STERNE_DM = 0, UM_STERNE = 0"));
        m_db.run(QStringLiteral("WITH s(r, c1, c2, c3) AS (SELECT t.R_NR, %1 FROM Tupper1 t JOIN VA v ON v.VA = t.VA WHERE %2 "
                                "GROUP BY t.R_NR) UPDATE Tuppkopf SET STERNE = CAST(ROUND(s.c1) AS INTEGER), STERNE_DM = s.c2, "
                                "UM_STERNE = s.c3 FROM s WHERE Tuppkopf.R_NR = s.r")
                     .arg(kStarSums, kNotAdvance));
    }
    m_db.run(QStringLiteral("WITH s(r, e, a, p) AS (SELECT t.R_NR, %1 FROM Tupper1 t GROUP BY t.R_NR) "
                            "UPDATE Tuppkopf SET S_ANGEBOTE = CASE WHEN s.e THEN 0 ELSE s.a END, "
                            "S_VerkServicePr = CASE WHEN s.e THEN 0 ELSE s.p END FROM s WHERE Tuppkopf.R_NR = s.r")
                 .arg(kKindPieces));
    for (const auto& [field, condition] : {std::pair{"BENENN_TUP", kNominated}, std::pair{"VERABRED", kAppointed}}) {
        m_db.run(QStringLiteral("WITH s(r, n) AS (SELECT R_NR, COUNT(*) FROM Tupper WHERE %2 GROUP BY R_NR) "
                                "UPDATE Tuppkopf SET %1 = s.n FROM s WHERE Tuppkopf.R_NR = s.r")
                     .arg(QString::fromLatin1(field), condition));
    }
    tx.commit();
}

std::optional<QDate> TVorFuerModul::starCutOffDay(const QDate& partyDate) const
{
    bool ok = false;
    const int weeks = m_options.text(QStringLiteral("Weeks")).trimmed().toInt(&ok);
    if (!ok || !partyDate.isValid())
        return std::nullopt;
    const int weekday = partyDate.dayOfWeek() % 7 + 1; // Sunday = 1 … Saturday = 7
    return partyDate.addDays(8 - weekday + 7 * weeks);
}

int TVorFuerModul::Verabred_2(const Record& h) const
{
    const auto cutOff = starCutOffDay(date(h, "DATUM"));
    if (!cutOff)
        return 0;
    return m_db
        .scalar(QStringLiteral("SELECT COUNT(*) FROM Tupper WHERE R_NR = ? AND Verabredung = 1 AND Verabred_DATUM <= ?"),
                {text(h, "R_NR"), isoDate(*cutOff)})
        .toInt();
}

TVorFuerModul::CalcValues TVorFuerModul::TKopfTableCalcFields(const Record& h) const
{
    CalcValues values;
    const auto host = m_customers.load(text(h, "K_NR"));
    values.name = (host ? text(*host, "NAME") : QString()) + QStringLiteral(", ") + (host ? text(*host, "VORNAME") : QString());
    values.provision = h.value(QStringLiteral("S_UMSATZ")).toDouble() - h.value(QStringLiteral("S_AUSGABE")).toDouble();
    int visits = 0;
    for (const char* field : {"VORBEREIT1", "VORBEREIT2", "AUSLIEFER1", "AUSLIEFER2"})
        visits += date(h, field).isValid() ? 1 : 0;
    values.summeKm = h.value(QStringLiteral("KM_EINFACH")).toInt() * (2 + 2 * visits);
    values.verabred2 = Verabred_2(h);
    values.mSterne = m_starPlan.StarsByPlan(h.value(QStringLiteral("UM_STERNE")).toDouble(), values.verabred2);
    values.starWarning = values.mSterne < h.value(QStringLiteral("STERNE")).toInt();
    values.guestWarning = h.value(QStringLiteral("GAESTE")).toInt() <= 0;
    return values;
}

int TVorFuerModul::vagCount(const QString& rNr) const
{
    const auto groups = m_db.rows(
        QStringLiteral("SELECT TOTAL(STUECK) FROM Tupper1 WHERE R_NR = ? AND VA IN ('33', '15') GROUP BY VA"), {rNr});
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
    if (m_ui.question(QStringLiteral("Vorführung wirklich löschen ?"), UiPort::Buttons::OkCancel) != UiPort::Answer::Ok)
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
    return RecordStore::selectOne(m_db, participantTable(), QStringLiteral("R_NR = ? AND P_NR = ?"), {rNr, pNr});
}

std::vector<TVorFuerModul::Record> TVorFuerModul::participants(const QString& rNr) const
{
    return RecordStore::select(m_db, participantTable(), QStringLiteral("R_NR = ?"), {rNr}, QStringLiteral("P_NR"));
}

std::optional<TVorFuerModul::Record> TVorFuerModul::addParticipant(const QString& rNr)
{
    const auto h = header(rNr);
    if (!h) {
        m_ui.information(QStringLiteral("Legen Sie zuerst eine Vorführung und/oder einen Gast an."));
        return std::nullopt;
    }
    const int highest = m_db.scalar(QStringLiteral("SELECT MAX(CAST(P_NR AS INTEGER)) FROM Tupper WHERE R_NR = ?"), {rNr}).toInt();
    if (highest >= 99) {
        m_ui.information(QStringLiteral("Eine Vorführung kann höchstens 99 Teilnehmer haben."));
        return std::nullopt;
    }
    Record p = withDefaults(participantTable());
    p[QStringLiteral("R_NR")] = rNr;
    p[QStringLiteral("P_NR")] = QStringLiteral("%1").arg(highest + 1, 2, 10, QLatin1Char('0'));
    for (const char* field : {"DATUM", "MWoche", "TWoche"})
        p[QString::fromLatin1(field)] = h->value(QString::fromLatin1(field));
    return p;
}

void TVorFuerModul::saveParticipant(Record& p)
{
    TuTableBeforePost(p);
    Transaction tx(m_db);
    if (participant(text(p, "R_NR"), text(p, "P_NR")))
        RecordStore::update(m_db, participantTable(), p, {QStringLiteral("R_NR"), QStringLiteral("P_NR")});
    else
        m_db.insert(participantTable(), p);
    tx.commit();
    TuTableAfterPost(p);
}

void TVorFuerModul::TuTableBeforePost(Record& p) const
{
    if (!customerExists(text(p, "K_NR")))
        p[QStringLiteral("K_NR")] = kUnknownCustomer;
    p[QStringLiteral("V_GTYP")] = text(p, "P_NR") == kHost ? QStringLiteral("1") : QStringLiteral("0");
}

void TVorFuerModul::TuTableAfterPost(const Record& p)
{
    if (m_suppressCustomerUpdate)
        return;
    const QString kNr = text(p, "K_NR");
    const auto customer = m_customers.load(kNr);
    if (!customer)
        return;
    QVariantMap changes;
    const QDate partyDate = date(p, "DATUM");
    const QDate today = QDate::currentDate();
    if (partyDate.isValid()) {
        if (!date(*customer, "E_DATUM").isValid())
            changes.insert(QStringLiteral("E_DATUM"), partyDate);
        if (partyDate >= today.addDays(-21)) {
            const QDate last = date(*customer, "L_DATUM");
            if (!last.isValid() || partyDate > last)
                changes.insert(QStringLiteral("L_DATUM"), partyDate);
            const QDate next = date(*customer, "N_DATUM");
            const QDate appointment = date(p, "Verabred_DATUM");
            if (appointment.isValid()) {
                if ((!next.isValid() || appointment > next) && appointment > today) {
                    changes.insert(QStringLiteral("N_DATUM"), appointment);
                    changes.insert(QStringLiteral("N_ZEIT"), p.value(QStringLiteral("Verabred_ZEIT")));
                }
            } else if (!next.isValid() || partyDate >= next) {
                changes.insert(QStringLiteral("N_DATUM"), QVariant());
                changes.insert(QStringLiteral("N_ZEIT"), QVariant());
            }
        }
    }
    if (text(p, "P_NR") == kHost && text(*customer, "GASTGEBER") != QStringLiteral("C"))
        changes.insert(QStringLiteral("GASTGEBER"), QStringLiteral("J"));
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
    if (m_ui.question(QStringLiteral("Gast wirklich löschen ?"), UiPort::Buttons::OkCancel) != UiPort::Answer::Ok)
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
    m_db.run(QStringLiteral("UPDATE Tupper SET UMSATZ = (SELECT TOTAL(SUMME) FROM Tupper1 l WHERE l.R_NR = Tupper.R_NR AND "
                            "l.P_NR = Tupper.P_NR) WHERE R_NR = ? AND P_NR = ?"),
             {rNr, pNr});
    if (auto h = header(rNr))
        saveHeader(*h);
    tx.commit();
    CheckVAG(rNr);
}

} // namespace korbelant
