#include "exchange/TransferQueries.h"

#include "core/Database.h"
#include "core/GermanFormat.h"
#include "core/Options.h"
#include "week/WeekPartyView.h"

#include <QDate>

namespace korbelant {

namespace {

const QString kYes = QStringLiteral("Ja");
const QString kNo = QStringLiteral("Nein");

QVariantList params(const WeekRange& range)
{
    return {range.week, range.start, range.end};
}

// The columns of a participant's address; `extra` names what a select adds (KZ, OD, birthday).
QString addressSelect(const QString& extra, const QString& condition)
{
    return QStringLiteral(
               "SELECT c.K_NR AS K_NR, c.NAME AS Name, c.ANREDE AS Anrede, c.VORNAME AS VORName, "
               "IFNULL(c.NAME, '') || ', ' || IFNULL(c.VORNAME, '') AS GName, c.STRASSE AS Strasse, "
               "c.PLZ AS PLZ, c.ORT AS Ort, c.LAND AS Land, "
               "IFNULL(c.PLZ, '') || ', ' || IFNULL(c.ORT, '') AS GOrt, c.TELEFON AS Telefon, %1"
               "c.\"E-MAIL\" AS \"E-MAIL\", p.MWoche AS Mwoche, p.Verabred_DATUM AS Verabred_Datum, "
               "p.R_NR AS R_Nr, p.BENE_DATUM AS Bene_Datum, k.VKG_UMSATZ AS S_Umsatz, k.STERNE AS Sterne, "
               "k.GAESTE AS Gaeste, k.VERABRED AS Verabred, p.TWoche AS TWoche "
               "FROM Tupper p JOIN Kunden c ON c.K_NR = p.K_NR JOIN Tuppkopf k ON k.R_NR = p.R_NR "
               "WHERE p.MWoche = ? AND p.TWoche >= ? AND p.TWoche <= ? AND %2")
        .arg(extra, condition);
}

// Stored dates of the named columns as dates.
void readDates(ResultTable& table, const QStringList& columns)
{
    for (const QString& name : columns) {
        for (int r = 0; r < table.rowCount(); ++r) {
            const QVariant stored = table.value(r, name);
            table.setValue(r, name,
                           stored.isNull() ? QVariant()
                                           : QVariant(QDate::fromString(stored.toString(), Qt::ISODate)));
        }
    }
}

QString gkz(const ResultTable& table, int r)
{
    const QString kz = table.value(r, QStringLiteral("KZ")).toString();
    if (kz == QStringLiteral("G"))
        return QStringLiteral("Gastgeber(in) der Vf. Nr. ") +
               table.value(r, QStringLiteral("R_Nr")).toString();
    if (kz == QStringLiteral("V"))
        return QStringLiteral("Verabredung auf den ") +
               GermanFormat::date(table.value(r, QStringLiteral("Verabred_Datum")).toDate());
    return QStringLiteral("Benennung vom ") +
           GermanFormat::date(table.value(r, QStringLiteral("Bene_Datum")).toDate());
}

} // namespace

QString TransferQueries::consultantNumber(const Options& options)
{
    return options.text(QStringLiteral("BNR")).left(5).rightJustified(5, QLatin1Char(' '));
}

QString TransferQueries::diskNumber(int position)
{
    return position < 1 ? QString() : QString::number((position - 1) % 9 + 1);
}

int TransferQueries::disk(int position)
{
    return position < 1 ? 0 : (position - 1) / 9 + 1;
}

void TransferQueries::addPositions(ResultTable& table, const WeekRange& range) const
{
    const QStringList partWeeks = WeekPartyView::partWeeks(m_db, range);
    std::vector<int> positions;
    for (int r = 0; r < table.rowCount(); ++r)
        positions.push_back(
            WeekPartyView::position(partWeeks, table.value(r, QStringLiteral("TWoche")).toString()));
    table.addColumn(QStringLiteral("Nr"),
                    [&](int r) { return diskNumber(positions[static_cast<size_t>(r)]); });
    table.addColumn(QStringLiteral("Disk"), [&](int r) { return disk(positions[static_cast<size_t>(r)]); });
}

ResultTable TransferQueries::RechQuery(const WeekRange& range) const
{
    ResultTable table = ResultTable::query(
        m_db,
        QStringLiteral(
            "SELECT '76' AS SATZART, ? AS B_NR, ? AS WOCHE, t.TWoche AS TWoche, t.Z_NR AS Z_NR, "
            "t.L_NR AS L_NR, t.VA AS VA, t.VORAB AS VORAB, SUM(t.STUECK) AS STUECK, SUM(t.STUECK) AS MENGE, "
            "MAX(t.EINZ_PREIS) AS EINZ_PREIS, MAX(t.L_TEXT) AS L_TEXT, SUM(t.KOSTEN) AS KOSTEN, "
            "SUM(t.SUMME) AS SUMME, SUM(t.STERNE) AS STERNE, SUM(t.STERNE_DM) AS STERNE_DM, "
            "SUM(t.SUMME * v.UMSATZ_VKG) AS VKG_UMSATZ, "
            "EXISTS (SELECT 1 FROM Lager l WHERE l.L_NR = t.L_NR AND l.AKTIV = 1) AS ACTIVE_ARTICLE "
            "FROM Tupper1 t JOIN VA v ON v.VA = t.VA "
            "WHERE t.MWoche = ? AND t.TWoche >= ? AND t.TWoche <= ? "
            "AND t.VA < '90' AND t.VA NOT IN ('99', '97', '98') AND t.R_NR <> '' AND t.P_NR <> '' "
            "GROUP BY t.TWoche, t.VORAB, t.Z_NR, t.L_NR, t.VA "
            "ORDER BY t.TWoche, t.VA, t.Z_NR"),
        QVariantList{consultantNumber(m_options), range.week.mid(4, 2)} + params(range));
    const bool onlyActive = m_options.checked(QStringLiteral("NURAKTIV"));
    std::vector<bool> active;
    for (int r = 0; r < table.rowCount(); ++r)
        active.push_back(!onlyActive || table.value(r, QStringLiteral("ACTIVE_ARTICLE")).toInt() == 1);
    table.addColumn(QStringLiteral("OnDisk"), [&](int r) {
        const bool onDisk =
            active[static_cast<size_t>(r)] && table.value(r, QStringLiteral("MENGE")).toDouble() >= 1 &&
            table.value(r, QStringLiteral("VORAB")).toString().toUpper() != QStringLiteral("V");
        return onDisk ? kYes : kNo;
    });
    table.addColumn(QStringLiteral("Aktiv"), [&](int r) { return bool(active[static_cast<size_t>(r)]); });
    table.removeColumn(QStringLiteral("ACTIVE_ARTICLE"));
    addPositions(table, range);
    return table;
}

ResultTable TransferQueries::AddressQuerry(const WeekRange& range) const
{
    const QString sql =
        addressSelect(QStringLiteral("'V' AS KZ, '2' AS OD, c.GEBURTSTAG AS GEBURTSTAG, "),
                      QStringLiteral("p.Verabredung = 1")) +
        QStringLiteral(" UNION ") +
        addressSelect(QStringLiteral("'B', '3', c.GEBURTSTAG, "), QStringLiteral("p.BENENNUNG = 1")) +
        QStringLiteral(" UNION ") +
        addressSelect(QStringLiteral("'G', '1', c.GEBURTSTAG, "), QStringLiteral("p.P_NR = '01'")) +
        QStringLiteral(" ORDER BY TWoche, OD, R_Nr, K_NR");
    ResultTable table = ResultTable::query(m_db, sql, params(range) + params(range) + params(range));
    readDates(table,
              {QStringLiteral("GEBURTSTAG"), QStringLiteral("Verabred_Datum"), QStringLiteral("Bene_Datum")});
    table.addColumn(QStringLiteral("GKZ"), [&](int r) { return gkz(table, r); });
    return table;
}

ResultTable TransferQueries::BuchungenQuery(const WeekRange& range) const
{
    ResultTable table = ResultTable::query(m_db,
                                           addressSelect(QString(), QStringLiteral("p.Verabredung = 1")) +
                                               QStringLiteral(" ORDER BY TWoche, R_Nr, K_NR"),
                                           params(range));
    readDates(table, {QStringLiteral("Verabred_Datum"), QStringLiteral("Bene_Datum")});
    return table;
}

ResultTable TransferQueries::ERfolgQuery(const WeekRange& range) const
{
    ResultTable table = ResultTable::query(
        m_db,
        QStringLiteral(
            "SELECT MWOCHE AS MWOCHE, TWOCHE AS TWOCHE, SUM(BENENN_TUP) AS BENENNUNG, SUM(REKRUTIER) AS "
            "S_REKRUTI, "
            "COUNT(R_NR) AS S_VORFUEHR, SUM(VKG_UMSATZ) AS SS_UMSATZ, SUM(S_AUSGABE) AS SS_AUSGABE, "
            "SUM(S_PROV) AS SS_PROV, SUM(VERABRED) AS S_VERABRED, SUM(GAESTE) AS S_GAESTE, "
            "SUM(S_ANGEBOTE) AS S_ANGEBOTE, SUM(S_VerkServicePr) AS S_ZUGFEDER, SUM(STERNE) AS S_STERNE, "
            "SUM(STERNE_DM) AS S_STERNE_B, SUM(UM_STERNE) AS S_UM_STERN "
            "FROM Tuppkopf WHERE MWoche = ? AND TWOCHE >= ? AND TWOCHE <= ? AND R_NR <> '' "
            "GROUP BY MWOCHE, TWOCHE ORDER BY TWOCHE"),
        params(range));
    const auto week = m_db.rows(
        QStringLiteral(
            "SELECT REK_BESUCH, VORFUEHR_1, VORFUEHR_2, VORFUEHR_3, VORFUEHR_4, VORFUEHR_5, VORFUEHR_6 "
            "FROM MWoche WHERE MWoche = ?"),
        {range.week});
    const QVariantList record = week.empty() ? QVariantList(7, 0) : week.front();
    table.addColumn(QStringLiteral("Woche"), [&](int) { return range.week.mid(4, 2); });
    table.addColumn(QStringLiteral("RekBesuch"), [&](int) { return record.at(0).toInt(); });
    addPositions(table, range);
    for (int k = 1; k <= 6; ++k) {
        table.addColumn(QStringLiteral("GV%1").arg(k), [&](int r) {
            return table.value(r, QStringLiteral("Nr")).toString() == QStringLiteral("1")
                       ? record.at(k).toInt()
                       : 0;
        });
    }
    return table;
}

} // namespace korbelant
