#include "week/WeekPrintRun.h"

#include "core/DatabaseError.h"
#include "core/UiPort.h"
#include "reports/ReportError.h"
#include "reports/ReportRegistry.h"
#include "week/ExchangeListReport.h"
#include "week/TWocheDataModul.h"
#include "week/WeekPrintSet.h"

#include <QScopeGuard>

namespace korbelant {

WeekPrintRun::Result WeekPrintRun::run(TWocheDataModul& week, const WeekPrintSet& set, DataSet& data,
                                       UiPort& ui, const Printer& print)
{
    Result result;
    const WeekRange range = week.actionRange();
    const QStringList args = WeekPrintSet::arguments(range);
    ui.progress(kWait);
    const auto hideProgress = qScopeGuard([&ui] { ui.progress(QString()); });
    for (int k : set.printOrder()) {
        if (!set.available(k)) {
            result.unavailable << set.row(k).title;
            continue;
        }
        if (k == WeekPrintSet::kExchangeList && ExchangeListReport::isEmpty(week.db(), range)) {
            ui.information(ExchangeListReport::kNothing);
            continue;
        }
        try {
            const ReportDocument document = ReportRegistry::standard().build(set.reportName(k), data, args);
            print(document, set.row(k).copies);
        } catch (const ReportError& e) {
            ui.error(e.message());
            result.failed = true;
            return result;
        } catch (const DatabaseError& e) {
            ui.error(e.message());
            result.failed = true;
            return result;
        }
        week.MarkReportPrinted(k);
        result.printed << k;
    }
    return result;
}

} // namespace korbelant
