#pragma once

#include "reports/ReportDocument.h"
#include "statistics/TStatistikDataModul.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTableWidget;
class QToolButton;
class QWidget;

namespace korbelant {

class DataSet;
class UiPort;

// "Statistische Auswertung": the parties of a period of business weeks per customer, the unpaid
// orders, the party headers, the sales of an article and the best-seller list, each printed, and
// the customer figures as a chart. Opening it puts the host markers of the participants right.
class TSatistikForm : public QDialog
{
public:
    enum class View
    {
        Kunden,
        Bezahlt,
        Wochen,
        Artikel,
        Hitliste
    };

    TSatistikForm(DataSet& set, UiPort& ui, const QString& applicationTitle, QWidget* parent = nullptr);

    QLineEdit* fromYear() const { return m_fromYear; }
    QLineEdit* fromWeek() const { return m_fromWeek; }
    QLineEdit* toYear() const { return m_toYear; }
    QLineEdit* toWeek() const { return m_toWeek; }
    QComboBox* customerSort() const { return m_customerSort; }
    QSpinBox* minimum() const { return m_minimum; }
    QLineEdit* articleEdit() const { return m_article; }
    QComboBox* kindBox() const { return m_kind; }
    QComboBox* bestSellerSort() const { return m_bestSellerSort; }
    QTableWidget* grid(View view) const;
    QToolButton* viewButton(View view) const;
    QWidget* articlePanel() const { return m_articlePanel; }
    QWidget* customerPanel() const { return m_customerPanel; }
    View view() const { return m_view; }
    int hostMarkersCorrected() const { return m_corrected; }

    StatisticsPeriod period() const;
    ArticleSalesQuery::Conditions articleConditions() const;
    // The view's button was pressed: shows its grid and panel, and runs what runs at once.
    void showView(View view);
    // "Starten": runs the current view for the period.
    void start();
    // The customer rows of the period, sort and minimum, as grid, print and chart show them.
    std::vector<CustomerStatistic> customerRows() const;
    // The print of the current view.
    ReportDocument document() const;
    void print();
    // "Grafik".
    void showChart();
    // A calendar button: the week of the picked date, or both fields cleared.
    void pickWeek(QLineEdit* year, QLineEdit* week);

private:
    QLayout* periodRow();
    QLayout* viewButtons();
    QWidget* createCustomerPanel();
    QWidget* createArticlePanel();
    void markColumn(View view, const QString& column);
    void runCustomers();
    void runUnpaid();
    void runWeeks();
    void runArticles();
    void runBestSellers();
    CustomerStatisticSort::Key customerSortKey() const;
    BestSellerSort::Key bestSellerSortKey() const;

    DataSet& m_set;
    UiPort& m_ui;
    TStatistikDataModul m_modul;
    QLineEdit* m_fromYear;
    QLineEdit* m_fromWeek;
    QLineEdit* m_toYear;
    QLineEdit* m_toWeek;
    QComboBox* m_customerSort = nullptr;
    QSpinBox* m_minimum = nullptr;
    QLineEdit* m_article = nullptr;
    QComboBox* m_kind = nullptr;
    QComboBox* m_bestSellerSort = nullptr;
    QWidget* m_bestSellerSortPanel = nullptr;
    QWidget* m_customerPanel = nullptr;
    QWidget* m_articlePanel = nullptr;
    QStackedWidget* m_grids;
    QButtonGroup* m_views;
    QPushButton* m_print = nullptr;
    View m_view = View::Kunden;
    int m_corrected = 0;
    std::vector<ArticleSalesQuery::Sale> m_sales;
    std::vector<BestSeller> m_bestSellers;
};

} // namespace korbelant
