#include "articles/ArticleQuery.h"

#include "articles/ArticleRecord.h"
#include "core/SqlPattern.h"

namespace korbelant {

namespace {

QString sparePartParam(qsizetype n)
{
    return QStringLiteral("sp%1").arg(n);
}

} // namespace

QString ArticleQuery::sql() const
{
    return QStringLiteral("SELECT ") + ArticleRecord::selectColumns() + QStringLiteral(" FROM Lager") +
           condition().where() + QStringLiteral(" ORDER BY ") + ArticleSortOrder::orderBy(order);
}

QString ArticleQuery::countSql() const
{
    return QStringLiteral("SELECT count(*) FROM Lager") + condition().where();
}

QVariantMap ArticleQuery::params() const
{
    return condition().namedParams();
}

SqlCondition ArticleQuery::condition() const
{
    SqlCondition c;
    addStatusCondition(c);
    addExpressionCondition(c);
    if (!rangeFrom.isEmpty() || !rangeTo.isEmpty()) {
        c.addNamed(QStringLiteral("L_NR >= :rangeFrom AND L_NR <= :rangeTo"),
                   {{QStringLiteral("rangeFrom"), rangeFrom}, {QStringLiteral("rangeTo"), rangeTo}});
    }
    return c;
}

// Stock only overrides the other switches; otherwise an article passes when one of its states
// is switched on, an inactive article when inactive ones are shown, and in party mode the kinds
// after "90".
void ArticleQuery::addStatusCondition(SqlCondition& c) const
{
    if (!filtering || switches.noFiltering)
        return;
    if (switches.stockOnly) {
        c.add(QStringLiteral("IFNULL(BESTAND, 0) > 0"));
        return;
    }
    c.addNamed(QStringLiteral("(:showNew AND IFNULL(NEU, 0) <> 0)"
                              " OR (:showActive AND (IFNULL(AKTIV, 0) <> 0 OR IFNULL(BESTAND, 0) >= 1))"
                              " OR (:showRemoved AND IFNULL(ENTFERNT, 0) <> 0)"
                              " OR (:showInactive AND IFNULL(AKTIV, 0) = 0)"
                              " OR (:partyMode AND VA > '90' COLLATE BINARY)"),
               {{QStringLiteral("showNew"), switches.showNew ? 1 : 0},
                {QStringLiteral("showActive"), switches.showActive ? 1 : 0},
                {QStringLiteral("showRemoved"), switches.showRemoved ? 1 : 0},
                {QStringLiteral("showInactive"), switches.showInactive ? 1 : 0},
                {QStringLiteral("partyMode"), switches.partyMode ? 1 : 0}});
}

void ArticleQuery::addExpressionCondition(SqlCondition& c) const
{
    if (!sparePartPrefixes.isEmpty()) {
        QStringList alternatives;
        QVariantMap patterns;
        for (qsizetype n = 0; n < sparePartPrefixes.size(); ++n) {
            alternatives << SqlPattern::like(QStringLiteral("L_NR"), QLatin1Char(':') + sparePartParam(n));
            patterns.insert(sparePartParam(n), SqlPattern::beginningWith(sparePartPrefixes.at(n)));
        }
        c.addNamed(alternatives.join(QStringLiteral(" OR ")), patterns);
    } else if (!kind.isEmpty()) {
        c.addNamed(QStringLiteral("VA = :kind"), {{QStringLiteral("kind"), kind}});
    }
}

} // namespace korbelant
