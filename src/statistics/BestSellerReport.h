#pragma once

#include "articles/ArticleSalesQuery.h"
#include "reports/ReportDocument.h"
#include "statistics/BestSeller.h"

#include <QStringList>
#include <vector>

namespace korbelant {

class DataSet;
class ReportRegistry;

// The printed best-seller list: per article and kind the pieces, stars and the purchase and
// sale figures, with the totals of purchase and sale.
class BestSellerReport
{
public:
    static const QString Name; // "statistik-hitliste"

    // The description under the title "Artikel-Hitliste":
    // "Übersicht von Artikel A1*  mit der VA Alle  der Wochen 2003/01 bis 2003/53".
    static QString title(const ArticleSalesQuery::Conditions& conditions);
    static ReportDocument document(const std::vector<BestSeller>& rows,
                                   const ArticleSalesQuery::Conditions& conditions);
    // Arguments [--artikel PREFIX] [--va VA] [--von W] [--bis W] [--sort artikel|menge|umsatz|sterne].
    static ReportDocument build(DataSet& set, const QStringList& args);
    static void registerIn(ReportRegistry& registry);
};

} // namespace korbelant
