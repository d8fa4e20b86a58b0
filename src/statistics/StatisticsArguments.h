#pragma once

#include "articles/ArticleSalesQuery.h"
#include "statistics/BestSellerSort.h"
#include "statistics/CustomerStatisticSort.h"
#include "statistics/StatisticsPeriod.h"

#include <QStringList>

namespace korbelant {

// The arguments of the statistics on the command line and in the reports. Weeks are week keys
// JJJJWW, dates TT.MM.JJJJ (their week) or "-" for no limit. Wrong arguments throw ReportError
// with a German message.
class StatisticsArguments
{
public:
    struct Customers
    {
        StatisticsPeriod period;
        CustomerStatisticSort::Key sort = CustomerStatisticSort::Key::Umsatz;
        int minimum = 0;
    };
    struct Articles
    {
        ArticleSalesQuery::Conditions conditions;
        BestSellerSort::Key sort = BestSellerSort::Key::Artikel;
    };

    // "VON BIS".
    static StatisticsPeriod period(const QStringList& args);
    // "VON BIS [--sort umsatz|sterne|vorfuehrung|gastgeber] [--min N]".
    static Customers customers(const QStringList& args);
    // "[--artikel PREFIX] [--va VA] [--von W] [--bis W]" and, with withSort, "[--sort …]".
    static Articles articles(const QStringList& args, bool withSort);
    // The kind selection as the window shows it: "Alle" or the code.
    static QString kindShown(const QString& kind);
};

} // namespace korbelant
