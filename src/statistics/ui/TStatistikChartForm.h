#pragma once

#include "statistics/CustomerStatistic.h"

#include <QDialog>
#include <vector>

class QLabel;
class QPushButton;

namespace korbelant {

class TStatistikChartView;
class UiPort;

// "Statistische Auswertung als Grafik": the chart of the customer statistics, twenty customers
// a page, paged by one page and by twenty; "3D", saving as a bitmap or PNG and printing.
class TStatistikChartForm : public QDialog
{
public:
    static inline const QString kSaveCaption = QStringLiteral("Als BMP speichern.");

    explicit TStatistikChartForm(UiPort& ui, QWidget* parent = nullptr);

    void setRows(std::vector<CustomerStatistic> rows);
    TStatistikChartView* chart() const { return m_chart; }
    QLabel* pageLabel() const { return m_page; }
    QPushButton* button(const QString& name) const;
    // Pages forward (positive) or back.
    void step(int pages);
    // "Als BMP speichern.": asks for the file; false when cancelled or not written (shown).
    bool save();
    void print();

private:
    void showPage();

    UiPort& m_ui;
    TStatistikChartView* m_chart;
    QLabel* m_page;
};

} // namespace korbelant
