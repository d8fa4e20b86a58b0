#include "parties/PartyReportData.h"

#include "core/Database.h"
#include "core/StarPlan.h"
#include "parties/BookingHorizon.h"
#include "reports/ReportDataMissing.h"

namespace korbelant {

namespace {

QDate dateOf(const QVariant& stored)
{
    return QDate::fromString(stored.toString(), Qt::ISODate);
}

// The kinds that are never delivered: they are booked for the distributor only.
const QString kDelivered = QStringLiteral("IFNULL(l.VA, '') NOT IN ('96', '97')");

} // namespace

PartyReportData::Header PartyReportData::header(const QString& rNr) const
{
    const auto rows =
        m_db.rows(QStringLiteral(
                      "SELECT h.R_NR, h.DATUM, IFNULL(h.MWoche, ''), h.VKG_UMSATZ, h.S_ANGEBOTE, h.VERABRED, "
                      "h.GAESTE, h.STERNE, h.UM_STERNE, h.AUSLIEFER1, %1 "
                      "FROM Tuppkopf h LEFT JOIN Kunden c ON c.K_NR = h.K_NR WHERE h.R_NR = ?")
                      .arg(PartyAddress::columns(QStringLiteral("c"))),
                  {rNr});
    if (rows.empty())
        throw ReportDataMissing(QStringLiteral("Es gibt keine Vorführung mit der Nummer \"%1\".").arg(rNr));
    const QVariantList& r = rows.front();
    Header h;
    h.R_NR = r.at(0).toString();
    h.DATUM = dateOf(r.at(1));
    h.MWoche = r.at(2).toString();
    h.VKG_UMSATZ = r.at(3).toDouble();
    h.S_ANGEBOTE = r.at(4).toInt();
    h.VERABRED = r.at(5).toInt();
    h.GAESTE = r.at(6).toInt();
    h.STERNE = r.at(7).toInt();
    h.UM_STERNE = r.at(8).toDouble();
    h.AUSLIEFER1 = dateOf(r.at(9));
    h.host = PartyAddress::fromRow(r, 10);
    return h;
}

void PartyReportData::requireParticipant(const QString& rNr, const QString& pNr) const
{
    if (m_db.rows(QStringLiteral("SELECT 1 FROM Tupper WHERE R_NR = ? AND P_NR = ?"), {rNr, pNr}).empty())
        throw ReportDataMissing(
            QStringLiteral("Die Vorführung \"%1\" hat keinen Gast mit der Nummer \"%2\".").arg(rNr, pNr));
}

std::vector<PartyReportData::Line> PartyReportData::guestLines(const QString& rNr, const QString& pNr) const
{
    QString sql =
        QStringLiteral(
            "SELECT l.P_NR, IFNULL(l.L_NR, ''), IFNULL(l.VA, ''), IFNULL(l.L_TEXT, ''), "
            "IFNULL(l.VORAB, ''), IFNULL(l.NACHLIEF, ''), l.STUECK, l.EINZ_PREIS, l.SUMME, l.STERNE, %1 "
            "FROM Tupper1 l JOIN Tupper p ON p.R_NR = l.R_NR AND p.P_NR = l.P_NR "
            "LEFT JOIN Kunden c ON c.K_NR = p.K_NR WHERE l.R_NR = ? AND %2")
            .arg(PartyAddress::columns(QStringLiteral("c")), kDelivered);
    QVariantList params{rNr};
    if (!pNr.isEmpty()) {
        sql += QStringLiteral(" AND l.P_NR = ?");
        params << pNr;
    }
    sql += QStringLiteral(" ORDER BY l.P_NR, l.L_NR, l.ID");
    std::vector<Line> lines;
    for (const QVariantList& r : m_db.rows(sql, params)) {
        Line line;
        line.P_NR = r.at(0).toString();
        line.L_NR = r.at(1).toString();
        line.VA = r.at(2).toString();
        line.L_TEXT = r.at(3).toString();
        line.VORAB = r.at(4).toString();
        line.NACHLIEF = r.at(5).toString();
        line.STUECK = r.at(6).toDouble();
        line.EINZ_PREIS = r.at(7).toDouble();
        line.SUMME = r.at(8).toDouble();
        line.STERNE = r.at(9).toInt();
        line.guest = PartyAddress::fromRow(r, 10);
        lines.push_back(line);
    }
    return lines;
}

std::vector<PartyReportData::Line> PartyReportData::articleLines(const QString& rNr) const
{
    const QString sql =
        QStringLiteral("SELECT IFNULL(l.NACHLIEF, ''), IFNULL(l.VORAB, ''), IFNULL(l.VA, '') AS kind, "
                       "IFNULL(l.L_NR, '') AS article, TOTAL(l.STUECK), MAX(l.EINZ_PREIS), "
                       "IFNULL(MAX(l.L_TEXT), ''), TOTAL(l.SUMME), "
                       "(SELECT IFNULL(MAX(v.VA_INFO), '') FROM VA v WHERE v.VA = IFNULL(l.VA, '')) "
                       "FROM Tupper1 l WHERE l.R_NR = ? AND %1 "
                       "GROUP BY IFNULL(l.NACHLIEF, ''), IFNULL(l.VORAB, ''), kind, article "
                       "ORDER BY article, kind, 2, 1")
            .arg(kDelivered);
    std::vector<Line> lines;
    for (const QVariantList& r : m_db.rows(sql, {rNr})) {
        Line line;
        line.NACHLIEF = r.at(0).toString();
        line.VORAB = r.at(1).toString();
        line.VA = r.at(2).toString();
        line.L_NR = r.at(3).toString();
        line.STUECK = r.at(4).toDouble();
        line.EINZ_PREIS = r.at(5).toDouble();
        line.L_TEXT = r.at(6).toString();
        line.SUMME = r.at(7).toDouble();
        line.VA_INFO = r.at(8).toString();
        lines.push_back(line);
    }
    return lines;
}

std::vector<PartyReportData::Participant>
PartyReportData::participantsWhere(const QString& rNr, const QString& condition, const QString& order) const
{
    const QString sql =
        QStringLiteral("SELECT p.P_NR, p.UMSATZ, p.BEZAHLT, p.Verabred_DATUM, p.BENE_DATUM, "
                       "IFNULL(p.BENE_ZEIT, ''), c.N_DATUM, %1 "
                       "FROM Tupper p LEFT JOIN Kunden c ON c.K_NR = p.K_NR WHERE p.R_NR = ?%2 ORDER BY %3")
            .arg(PartyAddress::columns(QStringLiteral("c")), condition, order);
    std::vector<Participant> result;
    for (const QVariantList& r : m_db.rows(sql, {rNr})) {
        Participant p;
        p.P_NR = r.at(0).toString();
        p.UMSATZ = r.at(1).toDouble();
        p.BEZAHLT = r.at(2).toInt() != 0;
        p.Verabred_DATUM = dateOf(r.at(3));
        p.BENE_DATUM = dateOf(r.at(4));
        p.BENE_ZEIT = r.at(5).toString();
        p.N_DATUM = dateOf(r.at(6));
        p.customer = PartyAddress::fromRow(r, 7);
        result.push_back(p);
    }
    return result;
}

std::vector<PartyReportData::Participant> PartyReportData::participants(const QString& rNr) const
{
    return participantsWhere(rNr, QString(), QStringLiteral("p.P_NR"));
}

std::vector<PartyReportData::Participant> PartyReportData::appointments(const QString& rNr) const
{
    return participantsWhere(rNr, QStringLiteral(" AND p.Verabredung = 1"),
                             QStringLiteral("c.NAME, c.VORNAME, p.P_NR"));
}

std::vector<PartyReportData::Participant> PartyReportData::nominations(const QString& rNr) const
{
    return participantsWhere(rNr, QStringLiteral(" AND p.BENENNUNG = 1"),
                             QStringLiteral("c.NAME, c.VORNAME, p.P_NR"));
}

int PartyReportData::earnedStars(const Header& header, const Options& options) const
{
    const int appointments = BookingHorizon::appointments(m_db, header.R_NR, header.DATUM, options);
    return StarPlan(m_db).StarsByPlan(header.UM_STERNE, appointments);
}

} // namespace korbelant
