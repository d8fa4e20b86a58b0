#include "statistics/TStatistikDataModul.h"

#include "statistics/BestSellerTally.h"

#include "core/Database.h"
#include "core/SqlCondition.h"
#include "core/SqlPattern.h"
#include "core/Statement.h"
#include "core/Transaction.h"

namespace korbelant {

namespace {

const char* const kHostMarker = "CASE WHEN P_NR = '01' THEN '1' ELSE '0' END";

// The host marker as a number: 1 for the host, 0 for a guest. Customer numbers and article
// numbers are grouped as they are stored (binary), which gives the same groups as the German
// order of the columns without calling it for every comparison.
const char* const kCustomerSelect =
    "SELECT t.K_NR, SUM(IFNULL(CAST(t.V_GTYP AS INTEGER), 0)) AS GVANZAHL, "
    "IFNULL(MAX(k.VORNAME), '') || ' ' || IFNULL(MAX(k.NAME), '') AS NAME, "
    "MAX(k.NAME) AS \"MAX OF NAME\", MAX(k.STRASSE) AS \"MAX OF STRASSE\", "
    "IFNULL(MAX(k.PLZ), '') || ' ' || IFNULL(MAX(k.ORT), '') AS Ort, COUNT(*) AS VANZAHL, "
    "SUM(IFNULL(t.UMSATZ, 0)) AS Umsatz, "
    "AVG(IFNULL(h.S_UMSATZ, 0) * IFNULL(CAST(t.V_GTYP AS INTEGER), 0)) AS AVUmsatz, "
    "SUM(IFNULL(h.S_UMSATZ, 0) * IFNULL(CAST(t.V_GTYP AS INTEGER), 0)) AS GastGUmsatz, "
    "SUM(IFNULL(h.STERNE, 0) * IFNULL(CAST(t.V_GTYP AS INTEGER), 0)) AS Sterne, "
    "SUM(IFNULL(h.STERNE_DM, 0) * IFNULL(CAST(t.V_GTYP AS INTEGER), 0)) AS UM_Sterne, "
    "MAX(k.VORNAME) "
    "FROM Tuppkopf h JOIN Tupper t ON t.R_NR = h.R_NR JOIN Kunden k ON k.K_NR = t.K_NR "
    "WHERE h.MWoche >= :VON AND h.MWoche <= :BIS "
    "GROUP BY t.K_NR COLLATE BINARY HAVING COUNT(*) >= :MIN";

CustomerStatistic customerFrom(const Statement& st)
{
    CustomerStatistic c;
    c.K_NR = st.text(0);
    c.GVANZAHL = st.value(1).toInt();
    c.NAME = st.text(2);
    c.MAX_OF_NAME = st.text(3);
    c.MAX_OF_STRASSE = st.text(4);
    c.Ort = st.text(5);
    c.VANZAHL = st.value(6).toInt();
    c.Umsatz = st.value(7).toDouble();
    c.AVUmsatz = st.value(8).toDouble();
    c.GastGUmsatz = st.value(9).toDouble();
    c.Sterne = st.value(10).toInt();
    c.UM_Sterne = st.value(11).toDouble();
    c.XNAME = CustomerStatistic::chartName(c.MAX_OF_NAME, st.text(12));
    if (c.GVANZAHL != 0)
        c.VUmsatz = c.GastGUmsatz / c.GVANZAHL;
    return c;
}

const char* const kUnpaidSelect =
    "SELECT t.R_NR, t.P_NR, t.K_NR, IFNULL(k.NAME, '') || ', ' || IFNULL(k.VORNAME, ''), "
    "IFNULL(k.PLZ, '') || ' ' || IFNULL(k.ORT, ''), t.MWoche, t.UMSATZ, t.BEZAHLT "
    "FROM Tupper t JOIN Kunden k ON k.K_NR = t.K_NR";

UnpaidOrder unpaidFrom(const Statement& st)
{
    UnpaidOrder u;
    u.R_NR = st.text(0);
    u.P_NR = st.text(1);
    u.K_NR = st.text(2);
    u.NAME = st.text(3);
    u.ORT = st.text(4);
    u.MWoche = st.text(5);
    u.UMSATZ = st.value(6).toDouble();
    u.BEZAHLT = st.value(7).toInt() != 0;
    return u;
}

const char* const kBestSellerLines =
    "SELECT L_NR, VA, STUECK, STERNE, L_TEXT, EINZ_KOST, EINZ_PREIS, KOSTEN, "
    "SUMME FROM Tupper1";

} // namespace

int TStatistikDataModul::CorrectHostMarkers()
{
    Transaction transaction(m_db);
    const QString marker = QString::fromLatin1(kHostMarker);
    m_db.run(QStringLiteral("UPDATE Tupper SET V_GTYP = ") + marker +
             QStringLiteral(" WHERE V_GTYP IS NOT ") + marker);
    const int corrected = m_db.changes();
    transaction.commit();
    return corrected;
}

QString TStatistikDataModul::KundenStatistikSql(CustomerStatisticSort::Key sort)
{
    return QString::fromLatin1(kCustomerSelect) + CustomerStatisticSort::orderBy(sort);
}

QVariantMap TStatistikDataModul::KundenStatistikParams(const StatisticsPeriod& period, int minParticipations)
{
    const QString from = period.from.trimmed();
    const QString to = period.to.trimmed();
    return {{QStringLiteral("VON"), from},
            {QStringLiteral("BIS"), to.isEmpty() ? SqlPattern::through(QString()) : to},
            {QStringLiteral("MIN"), minParticipations}};
}

std::vector<CustomerStatistic> TStatistikDataModul::KundenStatistik(const StatisticsPeriod& period,
                                                                    CustomerStatisticSort::Key sort,
                                                                    int minParticipations) const
{
    Statement st = m_db.prepare(KundenStatistikSql(sort));
    st.bindAll(KundenStatistikParams(period, minParticipations));
    std::vector<CustomerStatistic> rows;
    while (st.next())
        rows.push_back(customerFrom(st));
    return rows;
}

std::vector<UnpaidOrder> TStatistikDataModul::BezahltQuery(const StatisticsPeriod& period) const
{
    SqlCondition where(QStringLiteral("t.BEZAHLT = 0"), {});
    period.addTo(where, QStringLiteral("t.MWoche"));
    Statement st = m_db.prepare(QString::fromLatin1(kUnpaidSelect) + where.where() +
                                QStringLiteral(" ORDER BY t.R_NR, t.P_NR"));
    where.bindTo(st);
    std::vector<UnpaidOrder> rows;
    while (st.next())
        rows.push_back(unpaidFrom(st));
    return rows;
}

std::vector<WeekOverviewReport::Party> TStatistikDataModul::WochenQuery(const StatisticsPeriod& period) const
{
    return WeekOverviewReport(m_db).parties({period.from.trimmed(), period.to.trimmed()});
}

std::vector<ArticleSalesQuery::Sale>
TStatistikDataModul::ArtikelQuery(const ArticleSalesQuery::Conditions& conditions) const
{
    return ArticleSalesQuery(m_db).run(conditions);
}

std::vector<BestSeller> TStatistikDataModul::ArtikelSumQuery(const ArticleSalesQuery::Conditions& c,
                                                             BestSellerSort::Key sort) const
{
    // The unary plus keeps the article index out of this test: it matches nearly every line, and
    // walking the index would fetch each line by a separate lookup; the week range is selective.
    SqlCondition where(QStringLiteral("+L_NR IS NOT NULL AND +L_NR <> ''"), {});
    if (!c.article.trimmed().isEmpty())
        where.add(SqlPattern::like(QStringLiteral("L_NR"), QStringLiteral("?")),
                  {SqlPattern::beginningWith(c.article.trimmed())});
    if (!c.kind.isEmpty())
        where.add(QStringLiteral("VA = ?"), {c.kind});
    StatisticsPeriod{c.fromWeek, c.toWeek}.addTo(where, QStringLiteral("MWoche"));
    Statement st = m_db.prepare(QString::fromLatin1(kBestSellerLines) + where.where());
    where.bindTo(st);
    BestSellerTally tally;
    while (st.next())
        tally.add(st);
    return tally.sorted(sort);
}

} // namespace korbelant
