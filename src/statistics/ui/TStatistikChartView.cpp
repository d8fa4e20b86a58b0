#include "statistics/ui/TStatistikChartView.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLinearGradient>
#include <QPainter>
#include <QValueAxis>
#include <algorithm>

namespace korbelant {

namespace {

QBrush face(const QColor& color, bool threeD)
{
    if (!threeD)
        return QBrush(color);
    QLinearGradient gradient(0, 0, 1, 0);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0, color.lighter(160));
    gradient.setColorAt(0.6, color);
    gradient.setColorAt(1, color.darker(180));
    return QBrush(gradient);
}

double ceiling(double value)
{
    return value <= 0 ? 1 : value * 1.1;
}

} // namespace

TStatistikChartView::TStatistikChartView(QWidget* parent)
    : QChartView(new QChart, parent), m_series(new QBarSeries),
      m_umsatz(new QBarSet(QStringLiteral("Umsatz"))), m_gastg(new QBarSet(QStringLiteral("Ums / Gastg"))),
      m_sterne(new QBarSet(QStringLiteral("Sterne"))), m_axisX(new QBarCategoryAxis), m_axisY(new QValueAxis)
{
    setObjectName(QStringLiteral("StatistikChart"));
    QChart* c = chart();
    c->setTitle(QStringLiteral("Kundenstatistik"));
    c->setAnimationOptions(QChart::NoAnimation);
    for (QBarSet* set : {m_umsatz, m_gastg, m_sterne})
        m_series->append(set);
    c->addSeries(m_series);
    m_axisX->setLabelsAngle(-90);
    // The chart names are short; shortened further they would say nothing.
    m_axisX->setTruncateLabels(false);
    m_axisY->setLabelFormat(QStringLiteral("%.0f"));
    c->addAxis(m_axisX, Qt::AlignBottom);
    c->addAxis(m_axisY, Qt::AlignLeft);
    m_series->attachAxis(m_axisX);
    m_series->attachAxis(m_axisY);
    setRenderHint(QPainter::Antialiasing);
    applyLook();
    showPage();
}

void TStatistikChartView::setRows(std::vector<CustomerStatistic> rows)
{
    m_pages = CustomerChartPages(std::move(rows));
    showPage();
}

void TStatistikChartView::showPage()
{
    for (QBarSet* s : {m_umsatz, m_gastg, m_sterne})
        s->remove(0, s->count());
    QStringList names;
    double highest = 0;
    for (const CustomerStatistic& r : m_pages.rowsOfPage()) {
        names << r.XNAME;
        m_umsatz->append(r.Umsatz);
        m_gastg->append(r.GastGUmsatz);
        m_sterne->append(r.Sterne);
        highest = std::max({highest, r.Umsatz, r.GastGUmsatz, static_cast<double>(r.Sterne)});
    }
    m_axisX->clear();
    m_axisX->append(names);
    m_axisY->setRange(0, ceiling(highest));
}

void TStatistikChartView::setThreeD(bool on)
{
    m_threeD = on;
    applyLook();
}

void TStatistikChartView::applyLook()
{
    const std::pair<QBarSet*, QColor> looks[] = {
        {m_umsatz, QColor(30, 80, 200)}, {m_gastg, QColor(220, 60, 40)}, {m_sterne, QColor(230, 180, 20)}};
    for (const auto& [set, color] : looks) {
        set->setBrush(face(color, m_threeD));
        set->setBorderColor(m_threeD ? color.darker(200) : color);
    }
    chart()->setDropShadowEnabled(m_threeD);
    chart()->setBackgroundBrush(m_threeD ? face(QColor(235, 235, 245), true) : QBrush(Qt::white));
}

const QBarSet* TStatistikChartView::set(int index) const
{
    const QBarSet* sets[] = {m_umsatz, m_gastg, m_sterne};
    return sets[index];
}

QStringList TStatistikChartView::labels() const
{
    return m_axisX->categories();
}

QImage TStatistikChartView::picture()
{
    // The chart is laid out for the view's size here, so that a view never shown (the command
    // line) draws the same picture as the window.
    const QRectF area(QPointF(0, 0), size());
    chart()->setGeometry(area);
    scene()->setSceneRect(area);
    if (QGraphicsLayout* layout = chart()->layout())
        layout->activate();
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene()->render(&painter, QRectF(image.rect()), area);
    return image;
}

} // namespace korbelant
