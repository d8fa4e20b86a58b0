#include "app/TWeekOverviewChart.h"

#include "core/WeekKey.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QValueAxis>
#include <algorithm>

namespace korbelant {

namespace {

// Weeks whose keys are far off the year shown (damaged keys) are left out.
constexpr int kLowestPosition = -200;
constexpr int kHighestPosition = 260;
constexpr int kCurrentWeekPosition = 53;

} // namespace

TWeekOverviewChart::TWeekOverviewChart(QWidget* parent)
    : QChartView(new QChart, parent), m_series(new QBarSeries), m_set(new QBarSet(QString())),
      m_axisX(new QCategoryAxis), m_axisY(new QValueAxis)
{
    setObjectName(QStringLiteral("WeekOverviewChart"));
    QChart* chart = this->chart();
    chart->setTitle(QStringLiteral("Wochenübersicht"));
    chart->setTitleBrush(QBrush(Qt::blue));
    QFont titleFont = chart->titleFont();
    titleFont.setPointSize(titleFont.pointSize() + 4);
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    chart->setBackgroundBrush(QBrush(QColor(0, 255, 0)));
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);

    m_set->setColor(Qt::blue);
    m_set->setBorderColor(Qt::blue);
    m_series->append(m_set);
    m_series->setBarWidth(0.3);
    m_series->setLabelsVisible(false);
    chart->addSeries(m_series);

    m_axisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_axisX->setLabelsAngle(-90);
    // Week keys are short; without this the axis shortens them to dots when many weeks stand side by side.
    m_axisX->setTruncateLabels(false);
    m_axisX->setGridLineVisible(false);
    m_axisY->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(m_axisX, Qt::AlignBottom);
    chart->addAxis(m_axisY, Qt::AlignLeft);
    m_series->attachAxis(m_axisX);
    m_series->attachAxis(m_axisY);

    setRenderHint(QPainter::Antialiasing);
    setBars({});
}

void TWeekOverviewChart::clearAxisLabels()
{
    for (const QString& label : m_axisX->categoriesLabels())
        m_axisX->remove(label);
}

void TWeekOverviewChart::setBars(const std::vector<WeekOverview::Bar>& bars)
{
    std::vector<WeekOverview::Bar> shown;
    std::copy_if(bars.begin(), bars.end(), std::back_inserter(shown), [](const WeekOverview::Bar& bar) {
        return bar.position >= kLowestPosition && bar.position <= kHighestPosition;
    });
    m_first = 1;
    int last = kCurrentWeekPosition;
    double highest = 0;
    for (const auto& bar : shown) {
        m_first = std::min(m_first, bar.position);
        last = std::max(last, bar.position);
        highest = std::max(highest, bar.turnover);
    }
    QList<qreal> values(last - m_first + 1, 0.0);
    clearAxisLabels();
    for (const auto& bar : shown) {
        values[bar.position - m_first] = bar.turnover;
        m_axisX->append(WeekKey::displayWeek(bar.weekKey), bar.position - m_first);
    }
    m_set->remove(0, m_set->count());
    m_set->append(values);
    m_axisX->setRange(-0.5, values.size() - 0.5);
    m_axisX->setStartValue(-0.5);
    m_axisY->setRange(0, highest > 0 ? highest * 1.1 : 100);
    m_axisY->applyNiceNumbers();
}

double TWeekOverviewChart::valueAt(int position) const
{
    const int slot = position - m_first;
    return slot >= 0 && slot < m_set->count() ? m_set->at(slot) : 0.0;
}

QStringList TWeekOverviewChart::labels() const
{
    return m_axisX->categoriesLabels();
}

} // namespace korbelant
