#pragma once

#include "articles/ArticleSalesQuery.h"
#include "statistics/BestSeller.h"
#include "statistics/BestSellerSort.h"
#include "statistics/CustomerStatistic.h"
#include "statistics/CustomerStatisticSort.h"
#include "statistics/StatisticsPeriod.h"
#include "statistics/UnpaidOrder.h"
#include "week/WeekOverviewReport.h"

#include <vector>

namespace korbelant {

class Database;

// The queries of the statistics: computed on the fly from the parties, their participants and
// order lines and the customers; nothing is stored but the corrected host markers.
class TStatistikDataModul
{
public:
    explicit TStatistikDataModul(Database& db) : m_db(db) {}

    // The participant "01" of a party is its host (V_GTYP "1"), every other one a guest ("0").
    // Corrects the records that say otherwise, in one transaction, and leaves the right ones
    // untouched; returns how many were corrected.
    int CorrectHostMarkers();

    // Per customer over the participants of the parties of the period, with at least
    // minParticipations participations (0: every customer).
    std::vector<CustomerStatistic> KundenStatistik(const StatisticsPeriod& period,
                                                   CustomerStatisticSort::Key sort,
                                                   int minParticipations = 0) const;
    // The SQL of KundenStatistik with its named parameters :VON, :BIS and :MIN.
    static QString KundenStatistikSql(CustomerStatisticSort::Key sort);
    // The values KundenStatistik binds for a period: an empty bound reaches as far as any week.
    static QVariantMap KundenStatistikParams(const StatisticsPeriod& period, int minParticipations);

    // The orders marked as not paid whose participant week lies in the period, by party and guest.
    std::vector<UnpaidOrder> BezahltQuery(const StatisticsPeriod& period) const;
    // The party headers of the period, as the week overview lists them.
    std::vector<WeekOverviewReport::Party> WochenQuery(const StatisticsPeriod& period) const;
    // The order lines of the article sales window, for article prefix, kind and weeks.
    std::vector<ArticleSalesQuery::Sale> ArtikelQuery(const ArticleSalesQuery::Conditions& conditions) const;
    // The best-seller list: order lines summed per article and kind.
    std::vector<BestSeller> ArtikelSumQuery(const ArticleSalesQuery::Conditions& conditions,
                                            BestSellerSort::Key sort) const;

private:
    Database& m_db;
};

} // namespace korbelant
