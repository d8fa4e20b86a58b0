#include "articles/ArticleQuery.h"

#include "articles/ArticleRecord.h"
#include "articles/LikePattern.h"

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
           where() + QStringLiteral(" ORDER BY ") + ArticleSortOrder::orderBy(order);
}

QString ArticleQuery::countSql() const
{
    return QStringLiteral("SELECT count(*) FROM Lager") + where();
}

QString ArticleQuery::where() const
{
    QStringList conditions;
    const QString status = statusCondition();
    if (!status.isEmpty())
        conditions << status;
    const QString expression = expressionCondition();
    if (!expression.isEmpty())
        conditions << expression;
    if (!rangeFrom.isEmpty() || !rangeTo.isEmpty())
        conditions << QStringLiteral("L_NR >= :rangeFrom AND L_NR <= :rangeTo");
    return conditions.isEmpty() ? QString()
                                : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
}

// Stock only overrides the other switches; otherwise an article passes when one of its states
// is switched on, an inactive article when inactive ones are shown, and in party mode the kinds
// after "90".
QString ArticleQuery::statusCondition() const
{
    if (!filtering || switches.noFiltering)
        return {};
    if (switches.stockOnly)
        return QStringLiteral("IFNULL(BESTAND, 0) > 0");
    return QStringLiteral("((:showNew AND IFNULL(NEU, 0) <> 0)"
                          " OR (:showActive AND (IFNULL(AKTIV, 0) <> 0 OR IFNULL(BESTAND, 0) >= 1))"
                          " OR (:showRemoved AND IFNULL(ENTFERNT, 0) <> 0)"
                          " OR (:showInactive AND IFNULL(AKTIV, 0) = 0)"
                          " OR (:partyMode AND VA > '90' COLLATE BINARY))");
}

QString ArticleQuery::expressionCondition() const
{
    if (!sparePartPrefixes.isEmpty()) {
        QStringList alternatives;
        for (qsizetype n = 0; n < sparePartPrefixes.size(); ++n)
            alternatives << QStringLiteral("L_NR LIKE :") + sparePartParam(n) + LikePattern::kEscapeClause;
        return QStringLiteral("(") + alternatives.join(QStringLiteral(" OR ")) + QStringLiteral(")");
    }
    if (!kind.isEmpty())
        return QStringLiteral("VA = :kind");
    return {};
}

QVariantMap ArticleQuery::params() const
{
    QVariantMap p;
    if (filtering && !switches.noFiltering && !switches.stockOnly) {
        p.insert(QStringLiteral("showNew"), switches.showNew ? 1 : 0);
        p.insert(QStringLiteral("showActive"), switches.showActive ? 1 : 0);
        p.insert(QStringLiteral("showRemoved"), switches.showRemoved ? 1 : 0);
        p.insert(QStringLiteral("showInactive"), switches.showInactive ? 1 : 0);
        p.insert(QStringLiteral("partyMode"), switches.partyMode ? 1 : 0);
    }
    if (!sparePartPrefixes.isEmpty()) {
        for (qsizetype n = 0; n < sparePartPrefixes.size(); ++n)
            p.insert(sparePartParam(n), LikePattern::prefix(sparePartPrefixes.at(n)));
    } else if (!kind.isEmpty()) {
        p.insert(QStringLiteral("kind"), kind);
    }
    if (!rangeFrom.isEmpty() || !rangeTo.isEmpty()) {
        p.insert(QStringLiteral("rangeFrom"), rangeFrom);
        p.insert(QStringLiteral("rangeTo"), rangeTo);
    }
    return p;
}

} // namespace korbelant
