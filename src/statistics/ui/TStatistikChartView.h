#pragma once

#include "statistics/CustomerChartPages.h"

#include <QChartView>

class QBarSet;
class QBarSeries;
class QBarCategoryAxis;
class QValueAxis;

namespace korbelant {

// The bar chart "Kundenstatistik": per customer of the page her turnover ("Umsatz"), the turnover
// of the parties she hosted ("Ums / Gastg") and her stars ("Sterne"), labelled with the chart
// names. The 3-D look gives the bars shaded faces and a shadow.
class TStatistikChartView : public QChartView
{
    Q_OBJECT

public:
    explicit TStatistikChartView(QWidget* parent = nullptr);

    void setRows(std::vector<CustomerStatistic> rows);
    CustomerChartPages& pages() { return m_pages; }
    // Shows the page the pages are on.
    void showPage();
    void setThreeD(bool on);
    bool threeD() const { return m_threeD; }

    const QBarSet* set(int index) const;
    QStringList labels() const;
    // The chart as a picture of the view's size.
    QImage picture();

private:
    void applyLook();

    CustomerChartPages m_pages;
    QBarSeries* m_series;
    QBarSet* m_umsatz;
    QBarSet* m_gastg;
    QBarSet* m_sterne;
    QBarCategoryAxis* m_axisX;
    QValueAxis* m_axisY;
    bool m_threeD = false;
};

} // namespace korbelant
