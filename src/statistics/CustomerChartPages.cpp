#include "statistics/CustomerChartPages.h"

#include <algorithm>

namespace korbelant {

CustomerChartPages::CustomerChartPages(std::vector<CustomerStatistic> rows) : m_rows(std::move(rows)) {}

int CustomerChartPages::pageCount() const
{
    return std::max(1, static_cast<int>((m_rows.size() + kPerPage - 1) / kPerPage));
}

void CustomerChartPages::setPage(int page)
{
    m_page = std::clamp(page, 0, pageCount() - 1);
}

std::vector<CustomerStatistic> CustomerChartPages::rowsOfPage() const
{
    const auto first = static_cast<size_t>(m_page) * kPerPage;
    const auto last = std::min(m_rows.size(), first + kPerPage);
    if (first >= last)
        return {};
    return {m_rows.begin() + static_cast<std::ptrdiff_t>(first),
            m_rows.begin() + static_cast<std::ptrdiff_t>(last)};
}

} // namespace korbelant
