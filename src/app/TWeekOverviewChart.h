#pragma once

#include "week/WeekOverview.h"

#include <QChartView>
#include <vector>

class QBarSet;
class QBarSeries;
class QCategoryAxis;
class QValueAxis;

namespace korbelant {

// The week overview that fills the main window: one flat blue bar per week with its turnover,
// standing at the week's axis position, labelled with the week key, on a bright green ground.
class TWeekOverviewChart : public QChartView
{
    Q_OBJECT

public:
    explicit TWeekOverviewChart(QWidget* parent = nullptr);

    void setBars(const std::vector<WeekOverview::Bar>& bars);

    // Axis position of the first slot of the bar set: slot i stands at firstPosition() + i.
    int firstPosition() const { return m_first; }
    const QBarSet* barSet() const { return m_set; }
    const QBarSeries* series() const { return m_series; }
    // The value at an axis position (0 where no week has parties).
    double valueAt(int position) const;
    // The week key labels on the horizontal axis, left to right.
    QStringList labels() const;

private:
    void clearAxisLabels();

    QBarSeries* m_series;
    QBarSet* m_set;
    QCategoryAxis* m_axisX;
    QValueAxis* m_axisY;
    int m_first = 1;
};

} // namespace korbelant
