#include "cli/StatisticsChartCommand.h"

#include "cli/CliContext.h"
#include "statistics/ui/ChartPicture.h"
#include "statistics/ui/TStatistikChartView.h"

namespace korbelant {

int StatisticsChartCommand::save(CliContext& c, const std::vector<CustomerStatistic>& rows, int page,
                                 const QString& file)
{
    TStatistikChartView view;
    view.resize(1200, 700);
    view.setRows(rows);
    view.pages().setPage(page - 1);
    view.showPage();
    if (!ChartPicture::save(view.picture(), file)) {
        c.err() << "Die Grafik konnte nicht gespeichert werden: " << file << Qt::endl;
        return 1;
    }
    c.out() << "Grafik Seite " << view.pages().page() + 1 << " von " << view.pages().pageCount()
            << " gespeichert in " << file << Qt::endl;
    return 0;
}

} // namespace korbelant
