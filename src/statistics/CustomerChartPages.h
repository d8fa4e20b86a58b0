#pragma once

#include "statistics/CustomerStatistic.h"

#include <vector>

namespace korbelant {

// The customer statistics cut into pages of the chart: twenty customers a page, paged forward
// and back by one page or by twenty, never past the first or the last page.
class CustomerChartPages
{
public:
    static constexpr int kPerPage = 20;
    static constexpr int kBigStep = 20;

    explicit CustomerChartPages(std::vector<CustomerStatistic> rows = {});

    int pageCount() const;              // at least 1, an empty statistic has one empty page
    int page() const { return m_page; } // 0-based
    // Goes to the page, kept within the pages.
    void setPage(int page);
    void step(int pages) { setPage(m_page + pages); }
    std::vector<CustomerStatistic> rowsOfPage() const;
    const std::vector<CustomerStatistic>& rows() const { return m_rows; }

private:
    std::vector<CustomerStatistic> m_rows;
    int m_page = 0;
};

} // namespace korbelant
