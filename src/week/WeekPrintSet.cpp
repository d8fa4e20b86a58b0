#include "week/WeekPrintSet.h"

#include "core/Options.h"
#include "reports/ReportRegistry.h"
#include "week/ExchangeListReport.h"
#include "week/OrderListReport.h"
#include "week/PrintedMatterOrderReport.h"
#include "week/StarListReport.h"
#include "week/SuccessOverviewReport.h"
#include "week/WeekReportArguments.h"

#include <algorithm>

namespace korbelant {

namespace {

const QString kTwOption = QStringLiteral("TWZ");

} // namespace

WeekPrintSet::WeekPrintSet(Options& options)
    : m_options(options), m_rows{{1, QStringLiteral("Erfolgsübersicht")},
                                 {2, QStringLiteral("Bestelliste")},
                                 {3, QStringLiteral("Tupperware-Umtausch")},
                                 {4, QStringLiteral("Drucksachenbestellung")},
                                 {5, QStringLiteral("Sterne - Übersicht")}}
{
}

void WeekPrintSet::setPrint(int report, bool on)
{
    m_rows.at(static_cast<size_t>(report - 1)).print = on;
}

void WeekPrintSet::setCopies(int report, int copies)
{
    m_rows.at(static_cast<size_t>(report - 1)).copies = std::clamp(copies, kMinCopies, kMaxCopies);
}

bool WeekPrintSet::twToggle() const
{
    return !m_options.checked(kTwOption);
}

void WeekPrintSet::setTwToggle(bool on)
{
    m_options.setChecked(kTwOption, !on);
    m_options.SaveOptions();
}

QString WeekPrintSet::reportName(int report) const
{
    switch (report) {
    case 1:
        return SuccessOverviewReport::Name;
    case 2:
        return twToggle() ? OrderListReport::Name : OrderListReport::WholeName;
    case 3:
        return ExchangeListReport::Name;
    case 4:
        return PrintedMatterOrderReport::Name;
    case 5:
        return StarListReport::Name;
    default:
        return {};
    }
}

bool WeekPrintSet::available(int report) const
{
    return ReportRegistry::standard().find(reportName(report)) != nullptr;
}

std::vector<int> WeekPrintSet::printOrder() const
{
    std::vector<int> order;
    for (const Row& row : m_rows) {
        if (row.print)
            order.push_back(row.report);
    }
    return order;
}

QStringList WeekPrintSet::arguments(const WeekRange& range)
{
    return WeekReportArguments::make(range);
}

} // namespace korbelant
