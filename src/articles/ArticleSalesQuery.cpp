#include "articles/ArticleSalesQuery.h"

#include "core/Database.h"
#include "core/SqlCondition.h"
#include "core/SqlPattern.h"

namespace korbelant {

namespace {

const char* const kSelect =
    "SELECT IFNULL(k.VORNAME, '') || ' ' || IFNULL(k.NAME, ''), t.K_NR, IFNULL(k.PLZ, '') || ' ' || "
    "IFNULL(k.ORT, ''), "
    "k.STRASSE, k.TELEFON, IFNULL(p.MWoche, '') || IFNULL(p.TWoche, ''), p.P_NR, p.R_NR, p.L_NR, p.STUECK, "
    "p.L_TEXT, "
    "p.EINZ_KOST, p.EINZ_PREIS, p.KOSTEN, p.SUMME, p.VA, p.SUMME * v.UMSATZ_VKG, p.SUMME * v.UMSATZ_WB "
    "FROM Tupper1 p "
    "JOIN Tupper t ON t.R_NR = p.R_NR AND t.P_NR = p.P_NR "
    "JOIN Kunden k ON k.K_NR = t.K_NR "
    "JOIN VA v ON v.VA = p.VA";

ArticleSalesQuery::Sale saleFrom(const Statement& st)
{
    ArticleSalesQuery::Sale s;
    s.kundenName = st.text(0);
    s.kNr = st.text(1);
    s.ort = st.text(2);
    s.strasse = st.text(3);
    s.telefon = st.text(4);
    s.woche = st.text(5);
    s.pNr = st.text(6);
    s.rNr = st.text(7);
    s.lNr = st.text(8);
    s.stueck = st.value(9).toDouble();
    s.lText = st.text(10);
    s.einzKost = st.value(11).toDouble();
    s.einzPreis = st.value(12).toDouble();
    s.kosten = st.value(13).toDouble();
    s.summe = st.value(14).toDouble();
    s.va = st.text(15);
    s.umsatzVkg = st.value(16).toDouble();
    s.umsatzWb = st.value(17).toDouble();
    return s;
}

} // namespace

std::vector<ArticleSalesQuery::Sale> ArticleSalesQuery::run(const Conditions& c) const
{
    SqlCondition where;
    if (!c.article.trimmed().isEmpty())
        where.add(SqlPattern::like(QStringLiteral("p.L_NR"), QStringLiteral("?")),
                  {SqlPattern::beginningWith(c.article.trimmed())});
    if (!c.kind.isEmpty())
        where.add(QStringLiteral("p.VA = ?"), {c.kind});
    if (!c.fromWeek.isEmpty())
        where.add(QStringLiteral("p.MWoche >= ?"), {c.fromWeek});
    if (!c.toWeek.isEmpty())
        where.add(QStringLiteral("p.MWoche <= ?"), {c.toWeek});
    Statement st = m_db.prepare(QString::fromLatin1(kSelect) + where.where() +
                                QStringLiteral(" ORDER BY p.L_NR, p.MWoche, p.R_NR, p.P_NR, p.ID"));
    where.bindTo(st);
    std::vector<Sale> sales;
    while (st.next())
        sales.push_back(saleFrom(st));
    return sales;
}

QString ArticleSalesQuery::weekKey(const QString& year, const QString& week, bool isEnd)
{
    const QString y = year.trimmed();
    if (y.isEmpty())
        return {};
    const QString w = week.trimmed().isEmpty() ? QString::fromLatin1(isEnd ? "53" : "01")
                                               : week.trimmed().rightJustified(2, QLatin1Char('0'));
    return y + w;
}

QString ArticleSalesQuery::weekDisplay(const QString& woche)
{
    if (woche.size() < 6)
        return woche;
    QString shown = woche.left(4) + QLatin1Char('/') + woche.mid(4, 2);
    if (woche.size() > 6)
        shown += QLatin1Char('/') + woche.mid(6);
    return shown;
}

} // namespace korbelant
