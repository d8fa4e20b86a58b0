#include "expenses/TravelAccount.h"

#include "core/Database.h"
#include "core/GermanFormat.h"
#include "core/Schema.h"
#include "core/Statement.h"
#include "core/TableBuilder.h"
#include "core/Transaction.h"
#include "core/UiPort.h"
#include "core/WeekKey.h"

namespace korbelant {

namespace {

constexpr int kTextWidth = 80;

const char* const kPartySelect =
    "SELECT h.DATUM, h.VORBEREIT1, h.VORBEREIT2, h.AUSLIEFER1, h.AUSLIEFER2, IFNULL(h.KM_EINFACH, 0), "
    "TRIM(IFNULL(k.ORT, '')), TRIM(IFNULL(k.STRASSE, '')), TRIM(IFNULL(k.NAME, '')) "
    "FROM Tuppkopf h JOIN Kunden k ON k.K_NR = h.K_NR "
    // Trips of other dates would be left out of the account anyway.
    "WHERE h.DATUM BETWEEN :VON AND :BIS OR h.VORBEREIT1 BETWEEN :VON AND :BIS "
    "OR h.VORBEREIT2 BETWEEN :VON AND :BIS OR h.AUSLIEFER1 BETWEEN :VON AND :BIS "
    "OR h.AUSLIEFER2 BETWEEN :VON AND :BIS ORDER BY h.R_NR";

QDate dateOf(const QVariant& value)
{
    return QDate::fromString(value.toString(), Qt::ISODate);
}

QString weekFields()
{
    QStringList fields;
    for (int n = 1; n <= 7; ++n)
        fields << QStringLiteral("FDATUM%1, FTEXT%1, IFNULL(FKM%1, 0), FVERPFLEG%1").arg(n);
    return fields.join(QStringLiteral(", "));
}

} // namespace

std::optional<TravelAccount::Range> TravelAccount::checkedRange(const QString& from, const QString& to,
                                                                UiPort& ui)
{
    const auto start = GermanFormat::parseDate(from.trimmed());
    if (!start) {
        ui.warning(kFromInvalid);
        return std::nullopt;
    }
    const auto end = GermanFormat::parseDate(to.trimmed());
    if (!end) {
        ui.warning(kToInvalid);
        return std::nullopt;
    }
    if (*start > *end) {
        ui.warning(kReversed);
        return std::nullopt;
    }
    if (start->year() != end->year() && ui.question(kYears, UiPort::Buttons::OkCancel) != UiPort::Answer::Ok)
        return std::nullopt;
    return Range{*start, *end};
}

double TravelAccount::kilometreRate() const
{
    return m_db.scalar(QStringLiteral("SELECT KM_DM FROM ReiseSatz ORDER BY VERPF_SATZ LIMIT 1")).toDouble();
}

std::vector<TravelEntry> TravelAccount::entries(const Range& range)
{
    TableBuilder(m_db).createMissing({Schema::workTables().front()});
    std::vector<TravelEntry> result;
    {
        Transaction work(m_db);
        m_db.run(QStringLiteral("DELETE FROM Reise"));
        const double rate = kilometreRate();
        collectPartyTrips(range, rate);
        collectWeekTrips(range, rate);
        result = restricted(range);
        m_db.run(QStringLiteral("DELETE FROM Reise"));
        work.commit();
    }
    return result;
}

void TravelAccount::add(const QDate& date, const QString& text, int km, double amount)
{
    // A text longer than the field is cut rather than losing the trip.
    m_db.run(QStringLiteral("INSERT INTO Reise (Datum, Text, KM, Betrag) VALUES (?, ?, ?, ?)"),
             {date, text.left(kTextWidth), km, amount});
}

void TravelAccount::collectPartyTrips(const Range& range, double rate)
{
    Statement st = m_db.prepare(QString::fromLatin1(kPartySelect));
    st.bindAll(QVariantMap{{QStringLiteral("VON"), range.from}, {QStringLiteral("BIS"), range.to}});
    while (st.next()) {
        const int km = 2 * st.value(5).toInt();
        const double amount = km * rate;
        const QString place = QStringLiteral("nach ") + st.text(6) + QStringLiteral(", ") + st.text(7) +
                              QStringLiteral(" bei ") + st.text(8);
        const std::pair<int, const char*> trips[] = {{0, "Fahrt TW-Vorführung "},
                                                     {1, "Fahrt zu TW-Vorbereitung "},
                                                     {2, "Fahrt zu TW-Vorbereitung "},
                                                     {3, "Fahrt TW-Auslieferung "},
                                                     {4, "Fahrt TW-Auslieferung "}};
        for (const auto& [column, kind] : trips) {
            const QDate date = dateOf(st.value(column));
            if (date.isValid())
                add(date, QString::fromUtf8(kind) + place, km, amount);
        }
    }
}

void TravelAccount::collectWeekTrips(const Range& range, double rate)
{
    Statement weeks =
        m_db.prepare(QStringLiteral("SELECT ") + weekFields() +
                     QStringLiteral(" FROM MWoche WHERE MWoche >= ? AND MWoche <= ? ORDER BY MWoche"));
    weeks.bindAll({WeekKey::weekKey(range.from), WeekKey::weekKey(range.to)});
    Statement allowance = m_db.prepare(
        QStringLiteral("SELECT VERPF_TEXT, IFNULL(VERPF_DM, 0) FROM ReiseSatz WHERE VERPF_SATZ = ?"));
    while (weeks.next()) {
        for (int n = 0; n < 7; ++n) {
            const QDate date = dateOf(weeks.value(4 * n));
            const QString text = weeks.text(4 * n + 1);
            if (date.isValid() && !text.isEmpty())
                add(date, text, weeks.value(4 * n + 2).toInt(), weeks.value(4 * n + 2).toInt() * rate);
        }
        for (int n = 0; n < 7; ++n) {
            const QDate date = dateOf(weeks.value(4 * n));
            const QString code = weeks.text(4 * n + 3).trimmed();
            if (!date.isValid() || code.toInt() <= 0)
                continue;
            allowance.reset();
            allowance.bind(1, code);
            if (allowance.next())
                add(date, allowance.text(0), 0, allowance.value(1).toDouble());
        }
    }
}

std::vector<TravelEntry> TravelAccount::restricted(const Range& range)
{
    Statement st = m_db.prepare(QStringLiteral(
        "SELECT Datum, Text, IFNULL(KM, 0), IFNULL(Betrag, 0) FROM Reise WHERE Datum >= ? AND Datum <= ? "
        "ORDER BY Datum, ID"));
    st.bindAll({range.from, range.to});
    std::vector<TravelEntry> list;
    while (st.next())
        list.push_back({dateOf(st.value(0)), st.text(1), st.value(2).toInt(), st.value(3).toDouble()});
    return list;
}

} // namespace korbelant
