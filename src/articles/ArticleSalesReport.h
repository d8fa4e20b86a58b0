#pragma once

#include "articles/ArticleSalesQuery.h"
#include "reports/ReportDocument.h"

#include <vector>

namespace korbelant {

// The printed result of the sales query: the short list or the list with the buyers' street,
// place and phone under each line; totals of purchase and sale.
class ArticleSalesReport
{
public:
    static ReportDocument document(const std::vector<ArticleSalesQuery::Sale>& sales, const QString& title,
                                   bool withAddress);
};

} // namespace korbelant
