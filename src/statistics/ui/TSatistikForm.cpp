#include "statistics/ui/TSatistikForm.h"

#include "articles/KindTable.h"
#include "core/DataSet.h"
#include "core/GermanFormat.h"
#include "core/UiPort.h"
#include "reports/ui/ReportPreview.h"
#include "statistics/BestSellerReport.h"
#include "statistics/CustomerStatisticsReport.h"
#include "statistics/StatisticsReports.h"
#include "statistics/UnpaidOrdersReport.h"
#include "statistics/ui/TStatistikChartForm.h"
#include "widgets/GridColumns.h"
#include "widgets/WeekEntry.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace korbelant {

namespace {

QLineEdit* digits(QWidget* parent, int count, const QString& name)
{
    QLineEdit* edit = WeekEntry::digitField(parent, count);
    edit->setObjectName(name);
    return edit;
}

QString fullYear(const QLineEdit* year)
{
    return year->text().size() == 4 ? year->text() : QString();
}

QString money(double value)
{
    return GermanFormat::number(value, 2);
}

QString count(double value)
{
    return GermanFormat::number(value, 0);
}

struct ViewEntry
{
    TSatistikForm::View view;
    const char* text;
    const char* hint;
    QStringList columns;
};

const std::vector<ViewEntry>& viewEntries()
{
    static const std::vector<ViewEntry> entries{
        {TSatistikForm::View::Kunden,
         "Kunden",
         "",
         {"K_NR", "Name", "Ort", "Umsatz", "Ums./Gastg.", "Ums./Vorf.", "Sterne", "St. Betrag", "Vorf./Gg.",
          "Vorf."}},
        {TSatistikForm::View::Bezahlt,
         "Bezahlt",
         "Alle Kunden anzeigen die nicht bezahlt haben",
         {"Vorf.-Nr.", "Gast", "K_NR", "Name", "Ort", "Woche", "Umsatz", "Bezahlt"}},
        {TSatistikForm::View::Wochen,
         "Wochen",
         "Wochenstatistik ",
         {"Vorf.-Nr.", "Woche", "TW", "Name", "Ums.(Ware)", "Ums.(VA ber.)", "Ums.(WB)", "Kosten", "Vera.",
          "Gäste", "Sternezahl", "Sternebetrag", "Status"}},
        {TSatistikForm::View::Artikel,
         "Artikel",
         "Artikelverkäufe",
         {"Artikel-Nr.", "VA", "Text", "Vorf.-Nr.", "Woche", "K_NR", "Name", "Stück", "Einz. Preis",
          "Summe"}},
        {TSatistikForm::View::Hitliste,
         "A.-&Hitliste",
         "Menge aller verkauften Artikel",
         {"L_NR", "VA", "Text", "Gesamtmenge", "Sternesumme", "Einzelkosten", "Einzelpreis", "Gesamtkosten",
          "Gesamtumsatz"}},
    };
    return entries;
}

// The grid column a marked query column stands in.
int columnOf(TSatistikForm::View view, const QString& queryColumn)
{
    static const std::map<QString, int> customers{
        {"Umsatz", 3}, {"GastGUmsatz", 4}, {"VUmsatz", 5}, {"Sterne", 6}};
    static const std::map<QString, int> bestSellers{{"L_NR", 0}, {"STUECK", 3}, {"Sterne", 4}, {"SUMME", 8}};
    const auto& map = view == TSatistikForm::View::Kunden ? customers : bestSellers;
    const auto it = map.find(queryColumn);
    return it == map.end() ? -1 : it->second;
}

void fill(QTableWidget* grid, const std::vector<QStringList>& rows)
{
    grid->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const QStringList& cells = rows[static_cast<size_t>(r)];
        for (int c = 0; c < cells.size(); ++c)
            grid->setItem(r, c, new QTableWidgetItem(cells.at(c)));
    }
    GridColumns::fitToContents(grid);
}

} // namespace

TSatistikForm::TSatistikForm(DataSet& set, UiPort& ui, const QString& applicationTitle, QWidget* parent)
    : QDialog(parent), m_set(set), m_ui(ui), m_modul(set.db()), m_fromYear(digits(this, 4, "VonJahr")),
      m_fromWeek(digits(this, 2, "VonWoche")), m_toYear(digits(this, 4, "BisJahr")),
      m_toWeek(digits(this, 2, "BisWoche")), m_grids(new QStackedWidget(this)),
      m_views(new QButtonGroup(this))
{
    setWindowTitle(QStringLiteral("Vorlix-Soft - ") + applicationTitle + QLatin1Char(' ') +
                   QStringLiteral("Statistische Auswertung"));
    m_corrected = m_modul.CorrectHostMarkers();
    const QString year = QString::number(QDate::currentDate().year());
    m_fromYear->setText(year);
    m_fromWeek->setText(QStringLiteral("01"));
    m_toYear->setText(year);
    m_toWeek->setText(QStringLiteral("53"));
    for (const ViewEntry& entry : viewEntries()) {
        auto* grid = new QTableWidget(this);
        grid->setColumnCount(static_cast<int>(entry.columns.size()));
        grid->setHorizontalHeaderLabels(entry.columns);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        grid->setSelectionBehavior(QAbstractItemView::SelectRows);
        grid->verticalHeader()->hide();
        m_grids->addWidget(grid);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(periodRow());
    layout->addLayout(viewButtons());
    layout->addWidget(createCustomerPanel());
    layout->addWidget(createArticlePanel());
    layout->addWidget(m_grids, 1);
    resize(980, 600);
    showView(View::Kunden);
}

QLayout* TSatistikForm::periodRow()
{
    auto* row = new QHBoxLayout;
    const auto pair = [this, row](const QString& label, QLineEdit* year, QLineEdit* week,
                                  const QString& name) {
        row->addWidget(new QLabel(label, this));
        row->addWidget(year);
        row->addWidget(week);
        auto* pick = new QToolButton(this);
        pick->setObjectName(name);
        pick->setText(QStringLiteral("..."));
        connect(pick, &QToolButton::clicked, this, [this, year, week] { pickWeek(year, week); });
        row->addWidget(pick);
    };
    pair(QStringLiteral("Von Woche :"), m_fromYear, m_fromWeek, QStringLiteral("VonKalender"));
    pair(QStringLiteral("Bis Woche :"), m_toYear, m_toWeek, QStringLiteral("BisKalender"));
    row->addStretch();
    auto* startButton = new QPushButton(QStringLiteral("Starten"), this);
    startButton->setObjectName(QStringLiteral("Starten"));
    connect(startButton, &QPushButton::clicked, this, [this] { start(); });
    row->addWidget(startButton);
    return row;
}

QLayout* TSatistikForm::viewButtons()
{
    auto* row = new QHBoxLayout;
    for (const ViewEntry& entry : viewEntries()) {
        auto* button = new QToolButton(this);
        button->setText(QString::fromUtf8(entry.text));
        button->setObjectName(QString::fromUtf8(entry.text).remove(QLatin1Char('&')));
        button->setToolTip(QString::fromUtf8(entry.hint));
        button->setCheckable(true);
        m_views->addButton(button, static_cast<int>(entry.view));
        row->addWidget(button);
    }
    m_views->setExclusive(true);
    connect(m_views, &QButtonGroup::idClicked, this, [this](int id) { showView(static_cast<View>(id)); });
    row->addStretch();
    auto* chart = new QPushButton(QStringLiteral("Grafik"), this);
    m_print = new QPushButton(QStringLiteral("Drucken"), this);
    auto* leave = new QPushButton(QStringLiteral("Verlassen"), this);
    chart->setObjectName(QStringLiteral("Grafik"));
    m_print->setObjectName(QStringLiteral("Drucken"));
    connect(chart, &QPushButton::clicked, this, [this] { showChart(); });
    connect(m_print, &QPushButton::clicked, this, [this] { print(); });
    connect(leave, &QPushButton::clicked, this, &QDialog::accept);
    for (QPushButton* b : {chart, m_print, leave})
        row->addWidget(b);
    return row;
}

QWidget* TSatistikForm::createCustomerPanel()
{
    m_customerPanel = new QWidget(this);
    auto* row = new QHBoxLayout(m_customerPanel);
    row->setContentsMargins(0, 0, 0, 0);
    m_customerSort = new QComboBox(m_customerPanel);
    m_customerSort->addItems(CustomerStatisticSort::labels());
    m_minimum = new QSpinBox(m_customerPanel);
    m_minimum->setRange(0, 9999);
    row->addWidget(new QLabel(QStringLiteral("Sortierung nach :"), m_customerPanel));
    row->addWidget(m_customerSort);
    row->addWidget(new QLabel(QStringLiteral("min Vorf. :"), m_customerPanel));
    row->addWidget(m_minimum);
    row->addStretch();
    connect(m_customerSort, &QComboBox::currentIndexChanged, this,
            [this] { markColumn(View::Kunden, CustomerStatisticSort::markedColumn(customerSortKey())); });
    return m_customerPanel;
}

QWidget* TSatistikForm::createArticlePanel()
{
    m_articlePanel = new QWidget(this);
    auto* row = new QHBoxLayout(m_articlePanel);
    row->setContentsMargins(0, 0, 0, 0);
    m_article = new QLineEdit(m_articlePanel);
    m_article->setMaxLength(8);
    connect(m_article, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int cursor = m_article->cursorPosition();
        m_article->setText(text.toUpper());
        m_article->setCursorPosition(cursor);
    });
    m_kind = new QComboBox(m_articlePanel);
    m_kind->addItem(KindTable::kAll);
    m_kind->addItems(KindTable(m_set.db()).displayList());
    m_bestSellerSortPanel = new QWidget(m_articlePanel);
    auto* sortRow = new QHBoxLayout(m_bestSellerSortPanel);
    sortRow->setContentsMargins(0, 0, 0, 0);
    m_bestSellerSort = new QComboBox(m_bestSellerSortPanel);
    m_bestSellerSort->addItems(BestSellerSort::labels());
    sortRow->addWidget(new QLabel(QStringLiteral("Sortierung nach :"), m_bestSellerSortPanel));
    sortRow->addWidget(m_bestSellerSort);
    row->addWidget(new QLabel(QStringLiteral("Artikel :"), m_articlePanel));
    row->addWidget(m_article);
    row->addWidget(new QLabel(QStringLiteral("VA :"), m_articlePanel));
    row->addWidget(m_kind);
    row->addWidget(m_bestSellerSortPanel);
    row->addStretch();
    connect(m_bestSellerSort, &QComboBox::currentIndexChanged, this,
            [this] { markColumn(View::Hitliste, BestSellerSort::markedColumn(bestSellerSortKey())); });
    return m_articlePanel;
}

QTableWidget* TSatistikForm::grid(View view) const
{
    return static_cast<QTableWidget*>(m_grids->widget(static_cast<int>(view)));
}

QToolButton* TSatistikForm::viewButton(View view) const
{
    return static_cast<QToolButton*>(m_views->button(static_cast<int>(view)));
}

void TSatistikForm::markColumn(View view, const QString& column)
{
    QTableWidget* g = grid(view);
    const int marked = columnOf(view, column);
    for (int c = 0; c < g->columnCount(); ++c) {
        if (QTableWidgetItem* head = g->horizontalHeaderItem(c))
            head->setForeground(c == marked ? QBrush(Qt::red) : QBrush());
    }
}

CustomerStatisticSort::Key TSatistikForm::customerSortKey() const
{
    return static_cast<CustomerStatisticSort::Key>(std::max(0, m_customerSort->currentIndex()));
}

BestSellerSort::Key TSatistikForm::bestSellerSortKey() const
{
    return static_cast<BestSellerSort::Key>(std::max(0, m_bestSellerSort->currentIndex()));
}

StatisticsPeriod TSatistikForm::period() const
{
    return StatisticsPeriod::fromFields(fullYear(m_fromYear), m_fromWeek->text(), fullYear(m_toYear),
                                        m_toWeek->text());
}

ArticleSalesQuery::Conditions TSatistikForm::articleConditions() const
{
    const StatisticsPeriod p = period();
    return {m_article->text().trimmed(), KindTable::codeOfEntry(m_kind->currentText()), p.from, p.to};
}

void TSatistikForm::showView(View view)
{
    m_view = view;
    viewButton(view)->setChecked(true);
    m_grids->setCurrentIndex(static_cast<int>(view));
    m_customerPanel->setVisible(view == View::Kunden);
    m_articlePanel->setVisible(view == View::Artikel || view == View::Hitliste);
    m_bestSellerSortPanel->setVisible(view == View::Hitliste);
    switch (view) {
    case View::Kunden:
        markColumn(View::Kunden, CustomerStatisticSort::markedColumn(customerSortKey()));
        runCustomers();
        break;
    case View::Bezahlt:
        runUnpaid();
        break;
    case View::Wochen:
        runWeeks();
        break;
    case View::Artikel:
        grid(View::Artikel)->setRowCount(0);
        m_sales.clear();
        break;
    case View::Hitliste:
        m_bestSellerSort->setCurrentIndex(static_cast<int>(BestSellerSort::Key::Umsatz));
        markColumn(View::Hitliste, BestSellerSort::markedColumn(BestSellerSort::Key::Umsatz));
        grid(View::Hitliste)->setRowCount(0);
        m_bestSellers.clear();
        break;
    }
}

void TSatistikForm::start()
{
    m_ui.progress(QStringLiteral("Bitte warten ..."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    switch (m_view) {
    case View::Kunden:
        runCustomers();
        break;
    case View::Bezahlt:
        runUnpaid();
        break;
    case View::Wochen:
        runWeeks();
        break;
    case View::Artikel:
        runArticles();
        break;
    case View::Hitliste:
        runBestSellers();
        break;
    }
    QApplication::restoreOverrideCursor();
    m_ui.progress(QString());
}

std::vector<CustomerStatistic> TSatistikForm::customerRows() const
{
    return m_modul.KundenStatistik(period(), customerSortKey(), m_minimum->value());
}

void TSatistikForm::runCustomers()
{
    std::vector<QStringList> rows;
    for (const CustomerStatistic& c : customerRows())
        rows.push_back({c.K_NR, c.NAME, c.Ort, money(c.Umsatz), money(c.GastGUmsatz),
                        c.VUmsatz ? money(*c.VUmsatz) : QString(), count(c.Sterne), money(c.UM_Sterne),
                        count(c.GVANZAHL), count(c.VANZAHL)});
    fill(grid(View::Kunden), rows);
}

void TSatistikForm::runUnpaid()
{
    std::vector<QStringList> rows;
    for (const UnpaidOrder& o : m_modul.BezahltQuery(period()))
        rows.push_back({o.R_NR, o.P_NR, o.K_NR, o.NAME, o.ORT, UnpaidOrder::weekShown(o.MWoche),
                        money(o.UMSATZ), UnpaidOrder::paidShown(o.BEZAHLT)});
    fill(grid(View::Bezahlt), rows);
}

void TSatistikForm::runWeeks()
{
    const auto parties = m_modul.WochenQuery(period());
    std::vector<QStringList> rows;
    for (const auto& p : parties)
        rows.push_back({p.R_NR, p.MWoche, p.TWoche, p.hostName, money(p.S_UMSATZ), money(p.VKG_UMSATZ),
                        money(p.WB_UMSATZ), money(p.S_AUSGABE), count(p.VERABRED), count(p.GAESTE),
                        count(p.STERNE), money(p.STERNE_DM), QString()});
    QTableWidget* g = grid(View::Wochen);
    fill(g, rows);
    const QIcon sent = style()->standardIcon(QStyle::SP_DriveFDIcon);
    for (int r = 0; r < static_cast<int>(parties.size()); ++r) {
        if (parties[static_cast<size_t>(r)].ERSTELLT)
            g->item(r, 12)->setIcon(sent);
    }
}

void TSatistikForm::runArticles()
{
    m_sales = m_modul.ArtikelQuery(articleConditions());
    std::vector<QStringList> rows;
    for (const auto& s : m_sales)
        rows.push_back({s.lNr, s.va, s.lText, s.rNr, ArticleSalesQuery::weekDisplay(s.woche), s.kNr,
                        s.kundenName, count(s.stueck), money(s.einzPreis), money(s.summe)});
    fill(grid(View::Artikel), rows);
}

void TSatistikForm::runBestSellers()
{
    m_bestSellers = m_modul.ArtikelSumQuery(articleConditions(), bestSellerSortKey());
    std::vector<QStringList> rows;
    for (const BestSeller& b : m_bestSellers)
        rows.push_back({b.L_NR, b.VA, b.L_TEXT, count(b.Stueck), count(b.Sterne), money(b.EINZ_KOST),
                        money(b.EINZ_PREIS), money(b.KOSTEN), money(b.SUMME)});
    fill(grid(View::Hitliste), rows);
}

ReportDocument TSatistikForm::document() const
{
    ReportDocument doc;
    switch (m_view) {
    case View::Kunden:
        doc = CustomerStatisticsReport::document(customerRows(), customerSortKey(), period());
        break;
    case View::Bezahlt:
        doc = UnpaidOrdersReport::document(m_modul.BezahltQuery(period()));
        break;
    case View::Wochen:
        doc = WeekOverviewReport::document(m_modul.WochenQuery(period()));
        doc.pageHeader = WeekOverviewReport::pageHeader(m_set);
        break;
    case View::Artikel: {
        const ArticleSalesQuery::Conditions c = articleConditions();
        doc = StatisticsReports::articleSales(m_modul.ArtikelQuery(c), c);
        break;
    }
    case View::Hitliste:
        doc = BestSellerReport::document(m_modul.ArtikelSumQuery(articleConditions(), bestSellerSortKey()),
                                         articleConditions());
        break;
    }
    doc.frame = ReportFrame::read(m_set.db());
    return doc;
}

void TSatistikForm::print()
{
    m_print->setEnabled(false);
    ReportPreview::show(document(), m_ui, this);
    m_print->setEnabled(true);
}

void TSatistikForm::showChart()
{
    TStatistikChartForm chart(m_ui, this);
    chart.setRows(customerRows());
    chart.exec();
}

void TSatistikForm::pickWeek(QLineEdit* year, QLineEdit* week)
{
    WeekEntry::pick(m_ui, year, week);
}

} // namespace korbelant
