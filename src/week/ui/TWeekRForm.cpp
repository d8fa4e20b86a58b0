#include "week/ui/TWeekRForm.h"

#include "core/DataSet.h"
#include "core/UiPort.h"
#include "core/WeekKey.h"
#include "exchange/DiskTransfer.h"
#include "exchange/ExchangeFolderChoice.h"
#include "exchange/OrderTransfer.h"
#include "exchange/ui/TPathMessageForm.h"
#include "parties/ui/TNachliefForm.h"
#include "reports/ui/ReportPreview.h"
#include "reports/ui/ReportPrinter.h"
#include "week/ExchangeListReport.h"
#include "week/OrderDataPreview.h"
#include "week/TWocheDataModul.h"
#include "week/WeekPrintRun.h"
#include "week/ui/TBestellForm.h"
#include "week/ui/TWeekRLeereWoche.h"
#include "week/ui/WeekPartWeeksTab.h"
#include "week/ui/WeekPrintTab.h"
#include "week/ui/WeekPrintedMatterTab.h"
#include "week/ui/WeekRecordBinder.h"
#include "week/ui/WeekRequestTab.h"
#include "week/ui/WeekSuccessTab.h"
#include "week/ui/WeekTripsTab.h"
#include "widgets/DatabaseGuard.h"
#include "widgets/NotAvailable.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace korbelant {

namespace {

QToolButton* toolButton(QToolBar* bar, const QString& name, const QString& text, const QString& hint)
{
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("Nachlieferungen")) / 2);
    bar->addWidget(button);
    return button;
}

QLabel* shownValue(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumWidth(70);
    return label;
}

} // namespace

TWeekRForm::TWeekRForm(DataSet& set, TWocheDataModul& week, UiPort& ui, const QString& programTitle,
                       QWidget* parent)
    : QDialog(parent), m_set(set), m_week(week), m_ui(ui), m_programTitle(programTitle),
      m_printSet(set.options()), m_fields(new WeekRecordBinder(week, ui, this))
{
    setObjectName(QStringLiteral("WeekRForm"));
    m_weeks = new QListWidget(this);
    m_weeks->setObjectName(QStringLiteral("Wochen"));
    m_weeks->setFixedWidth(m_weeks->fontMetrics().horizontalAdvance(QStringLiteral("0000/00")) + 40);
    connect(m_weeks, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item && item->data(Qt::UserRole).toString() != m_week.currentWeek())
            chooseWeek(item->data(Qt::UserRole).toString());
    });
    buildTabs();
    auto* right = new QVBoxLayout;
    right->addWidget(buildToolLine());
    right->addWidget(m_tabs, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(m_weeks);
    body->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildToolBar());
    layout->addLayout(body, 1);
    resize(860, 600);
    updateCaption();
    guardDatabase(m_ui, [this] {
        m_week.openLast();
        fillWeekList();
    });
    showWeek();
}

void TWeekRForm::run(DataSet& set, UiPort& ui, const QString& programTitle, QWidget* parent)
{
    TWocheDataModul week(set.db(), set.options(), ui);
    TWeekRForm form(set, week, ui, programTitle, parent);
    form.exec();
}

QWidget* TWeekRForm::buildToolBar()
{
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("WochenWerkzeuge"));
    connect(toolButton(bar, QStringLiteral("Zurueck"), QStringLiteral("<"),
                       QStringLiteral("Vorhergehende Teilwoche")),
            &QToolButton::clicked, this, &TWeekRForm::previousPartWeek);
    connect(toolButton(bar, QStringLiteral("Vor"), QStringLiteral(">"), QStringLiteral("Nächste Teilwoche")),
            &QToolButton::clicked, this, &TWeekRForm::nextPartWeek);
    bar->addSeparator();
    connect(
        toolButton(bar, QStringLiteral("Neu"), QStringLiteral("&Neu"), QStringLiteral("Leere Woche anfügen")),
        &QToolButton::clicked, this, &TWeekRForm::newWeek);
    connect(toolButton(bar, QStringLiteral("Loeschen"), QStringLiteral("&Löschen"),
                       QStringLiteral("Leere Woche löschen")),
            &QToolButton::clicked, this, &TWeekRForm::deleteWeek);
    connect(toolButton(bar, QStringLiteral("Nachlieferungen"), QStringLiteral("&Nachlieferungen"),
                       QStringLiteral("Nachlieferungen bearbeiten")),
            &QToolButton::clicked, this, &TWeekRForm::openBackOrders);
    bar->addSeparator();
    connect(toolButton(bar, QStringLiteral("Verlassen"), QStringLiteral("&Verlassen"),
                       QStringLiteral("Wochenverwaltung verlassen")),
            &QToolButton::clicked, this, &QDialog::accept);
    return bar;
}

QWidget* TWeekRForm::buildToolLine()
{
    auto* line = new QWidget(this);
    auto* row = new QHBoxLayout(line);
    row->setContentsMargins(0, 0, 0, 0);
    m_weekLabel = shownValue(line, QStringLiteral("WocheAnzeige"));
    m_partWeekLabel = shownValue(line, QStringLiteral("TeilwocheAnzeige"));
    row->addWidget(new QLabel(QStringLiteral("Woche :"), line));
    row->addWidget(m_weekLabel);
    row->addSpacing(20);
    row->addWidget(new QLabel(QStringLiteral("Teilwoche :"), line));
    row->addWidget(m_partWeekLabel);
    row->addStretch();
    return line;
}

void TWeekRForm::buildTabs()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("WochenSeiten"));
    m_partWeeks = new WeekPartWeeksTab(m_week, m_ui, m_tabs);
    m_success = new WeekSuccessTab(m_week, *m_fields, m_ui, m_tabs);
    m_trips = new WeekTripsTab(m_week, *m_fields, m_ui, m_tabs);
    m_printedMatter = new WeekPrintedMatterTab(m_week, *m_fields, m_ui, m_tabs);
    m_requests = new WeekRequestTab(m_week, m_ui, m_tabs);
    m_print = new WeekPrintTab(m_week, m_printSet, m_tabs);
    m_tabs->addTab(m_partWeeks, QStringLiteral("Teilwochen"));
    m_tabs->addTab(m_success, QStringLiteral("Erfolgsübersicht"));
    m_tabs->addTab(m_trips, QStringLiteral("Fahrkosten"));
    m_tabs->addTab(m_printedMatter, QStringLiteral("Drucksachenbestellung"));
    m_tabs->addTab(m_requests, QStringLiteral("Anforderungen/Posten"));
    m_tabs->addTab(m_print, QStringLiteral("Drucken"));
    connect(m_partWeeks, &WeekPartWeeksTab::currentPartWeekChanged, this, &TWeekRForm::partWeekChanged);
    connect(m_partWeeks->previewButton(), &QPushButton::clicked, this, &TWeekRForm::orderDataPreview);
    connect(m_partWeeks->diskButton(), &QPushButton::clicked, this, [this] { transferWeek(); });
    connect(m_print, &WeekPrintTab::previewRequested, this, &TWeekRForm::previewReport);
    connect(m_print, &WeekPrintTab::printRequested, this, &TWeekRForm::printReports);
}

void TWeekRForm::fillWeekList()
{
    const QSignalBlocker block(m_weeks);
    m_weeks->clear();
    for (const QString& key : m_week.weekKeys()) {
        auto* item = new QListWidgetItem(WeekKey::displayWeek(key), m_weeks);
        item->setData(Qt::UserRole, key);
        if (key == m_week.currentWeek())
            m_weeks->setCurrentItem(item);
    }
}

void TWeekRForm::showWeek()
{
    m_weekLabel->setText(WeekKey::displayWeek(m_week.currentWeek()));
    m_fields->refresh();
    m_partWeeks->refresh();
    m_requests->refresh();
    m_print->refreshStates();
}

void TWeekRForm::chooseWeek(const QString& key)
{
    m_fields->commit();
    guardDatabase(m_ui, [&] { m_week.setCurrentWeek(key); });
    showWeek();
}

QString TWeekRForm::weekShown() const
{
    return m_weekLabel->text();
}

QString TWeekRForm::partWeekShown() const
{
    return m_partWeekLabel->text();
}

void TWeekRForm::partWeekChanged()
{
    const int row = m_partWeeks->currentRow();
    const QStringList keys = m_week.partWeeks();
    m_partWeekLabel->setText(row >= 0 && row < keys.size() ? keys.at(row) : QString());
    m_success->showSums(row);
}

void TWeekRForm::previousPartWeek()
{
    m_partWeeks->setCurrentRow(m_partWeeks->currentRow() - 1);
}

void TWeekRForm::nextPartWeek()
{
    m_partWeeks->setCurrentRow(m_partWeeks->currentRow() + 1);
}

void TWeekRForm::newWeek()
{
    m_fields->commit();
    if (!m_week.askNewWeek())
        return;
    TWeekRLeereWoche dialog(m_ui, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    guardDatabase(m_ui, [&] {
        if (m_week.createEmptyWeek(dialog.year(), dialog.week()) != TWocheDataModul::NewWeek::Created)
            return;
        m_week.setCurrentWeek((dialog.year() + dialog.week()).trimmed());
        fillWeekList();
    });
    showWeek();
}

void TWeekRForm::deleteWeek()
{
    if (!m_week.hasWeek())
        return;
    m_fields->commit();
    guardDatabase(m_ui, [this] {
        if (m_week.deleteWeek() != TWocheDataModul::DeleteWeek::Deleted)
            return;
        m_week.openLast();
        fillWeekList();
    });
    showWeek();
}

void TWeekRForm::previewReport(int report)
{
    if (!m_week.hasWeek())
        return;
    if (!m_printSet.available(report)) {
        notAvailable();
        return;
    }
    m_fields->commit();
    QPushButton* button = m_print->previewButton(report);
    button->setEnabled(false);
    guardDatabase(m_ui, [&] {
        m_week.store();
        const WeekRange range = m_week.actionRange();
        if (report == WeekPrintSet::kExchangeList && ExchangeListReport::isEmpty(m_week.db(), range)) {
            m_ui.information(ExchangeListReport::kNothing);
            return;
        }
        const QStringList args = WeekPrintSet::arguments(range);
        if (ReportPreview::show(m_printSet.reportName(report), m_set, args, m_ui, this))
            m_week.MarkReportPrinted(report);
    });
    button->setEnabled(true);
    m_partWeeks->refresh();
    m_print->refreshStates();
}

void TWeekRForm::printReports()
{
    if (!m_week.hasWeek() || !ReportPrinter::CheckPrinter(m_ui))
        return;
    m_fields->commit();
    m_print->printButton()->setEnabled(false);
    WeekPrintRun::Result result;
    guardDatabase(m_ui, [&] {
        m_week.store();
        result = WeekPrintRun::run(m_week, m_printSet, m_set, m_ui, ReportPrinter::print);
    });
    m_print->printButton()->setEnabled(true);
    m_partWeeks->refresh();
    m_print->refreshStates();
    if (!result.unavailable.isEmpty())
        m_ui.information(NotAvailable::kText + QStringLiteral("\n") +
                         result.unavailable.join(QStringLiteral(", ")));
}

void TWeekRForm::transferWeek(bool online, bool fromPreview)
{
    if (!m_week.hasWeek())
        return;
    m_fields->commit();
    // The old interface writes the exchange disks; the web button always writes the file of the
    // new one.
    if (!online && m_set.options().checked(QStringLiteral("bzh_old"))) {
        guardDatabase(m_ui,
                      [&] { DiskTransfer(m_week, m_set.options(), m_set.home(), m_ui).run(fromPreview); });
        m_partWeeks->refresh();
        return;
    }
    guardDatabase(m_ui, [&] {
        OrderTransfer transfer(m_week, m_set.options(), m_set.home(), m_ui);
        ExchangeFolderChoice choice(m_set.options());
        transfer.setTargetChooser([&](const QString& text) {
            return TPathMessageForm::choose(m_programTitle, text, choice, transfer.onlineFolder(), m_ui,
                                            this);
        });
        if (online)
            transfer.run(OrderTransfer::Target{transfer.onlineFolder(), true});
        else
            transfer.run();
    });
    m_partWeeks->refresh();
}

void TWeekRForm::orderDataPreview()
{
    if (!m_week.hasWeek())
        return;
    m_fields->commit();
    int result = TBestellForm::Cancelled;
    guardDatabase(m_ui, [&] {
        m_week.store();
        const auto data = OrderDataPreview::prepare(m_week, m_set.options(), m_ui);
        if (!data)
            return;
        TBestellForm form(*data, this);
        result = form.exec();
    });
    m_partWeeks->refresh();
    if (result == TBestellForm::DiskTransfer)
        transferWeek(false, true);
    else if (result == TBestellForm::WebTransfer)
        transferWeek(true);
}

void TWeekRForm::openBackOrders()
{
    m_fields->commit();
    TNachliefForm::run(m_set, m_ui, m_week.currentWeek(), this);
    m_partWeeks->refresh();
}

void TWeekRForm::notAvailable()
{
    m_ui.information(NotAvailable::kText);
}

void TWeekRForm::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        m_fields->commit();
        guardDatabase(m_ui, [this] { m_week.close(); });
    }
    QDialog::done(result);
}

void TWeekRForm::updateCaption()
{
    setWindowTitle(QStringLiteral("Vorlix-Soft - ") + m_programTitle + QStringLiteral(" -") +
                   QLatin1Char(' ') + QStringLiteral("Wochenverwaltung"));
}

void TWeekRForm::resizeEvent(QResizeEvent* event)
{
    updateCaption();
    QDialog::resizeEvent(event);
}

} // namespace korbelant
