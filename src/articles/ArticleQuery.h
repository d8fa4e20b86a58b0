#pragma once

#include "articles/ArticleSortOrder.h"
#include "articles/ArticleStatusSwitches.h"
#include "core/SqlCondition.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace korbelant {

// What the catalogue view shows: the status filter (while filtering is on), the expression
// filter (one kind, or the prefixes of spare parts), an optional article-number range and the
// order. Every value reaches SQL as a bound parameter.
class ArticleQuery
{
public:
    ArticleStatusSwitches switches;
    bool filtering = false;
    QString kind;                  // the VA filter; empty for "Alle"
    QStringList sparePartPrefixes; // replaces the VA filter while not empty
    QString rangeFrom;             // L_NR from .. to, inclusive; both empty for no range
    QString rangeTo;
    ArticleSortOrder::Order order = ArticleSortOrder::ByNumber;

    // SELECT of the article columns with the conditions and the order.
    QString sql() const;
    QString countSql() const;
    // The parameters of sql() and countSql(), by name without the colon.
    QVariantMap params() const;
    // The conditions of the view, with their parameters by name.
    SqlCondition condition() const;

private:
    void addStatusCondition(SqlCondition& c) const;
    void addExpressionCondition(SqlCondition& c) const;
};

} // namespace korbelant
