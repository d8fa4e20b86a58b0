#pragma once

#include "articles/ArticleSortOrder.h"
#include "articles/ArticleStatusSwitches.h"

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

private:
    QString where() const;
    QString statusCondition() const;
    QString expressionCondition() const;
};

} // namespace korbelant
