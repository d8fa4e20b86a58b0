#include "parties/ui/TNachliefForm.h"

#include "core/DataSet.h"
#include "core/UiPort.h"
#include "core/WeekKey.h"
#include "parties/BackOrderList.h"
#include "parties/BackOrderListReport.h"
#include "parties/ui/BackOrderLineModel.h"
#include "parties/ui/TNachliefBearForm.h"
#include "reports/ui/ReportPreview.h"
#include "reports/ui/ReportPrinter.h"
#include "widgets/DatabaseGuard.h"
#include "widgets/GridColumns.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace korbelant {

namespace {

using Action = BackOrderRules::Action;

struct StateButton
{
    const char* caption;
    const char* hint;
    const char* menu;
    Action action;
};

const StateButton kStateButtons[] = {
    {"&Nachlieferung", "Artikel nicht geliefert", "Nachlieferung", Action::NotDelivered},
    {"&Erledigt", "Nachlieferung erledigt", "Erledigt", Action::Done},
    {"&Vergriffen", "Artikel nichtmehr lieferbar", "Vergriffen", Action::OutOfStock},
    {"&Zurück", "Status zurücksetzen", "Zurück", Action::Reset},
};

QLineEdit* digits(int count, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(count);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,%1}").arg(count)), edit));
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(count + 2, QLatin1Char('0'))));
    return edit;
}

} // namespace

TNachliefForm::TNachliefForm(DataSet& set, UiPort& ui, const QString& week, QWidget* parent)
    : QDialog(parent), m_set(set), m_ui(ui), m_rules(set.db(), ui)
{
    setObjectName(QStringLiteral("TNachliefForm"));
    setWindowTitle(QStringLiteral("Nachlieferungen"));
    m_model = new BackOrderLineModel(BackOrderLineModel::Layout::Window, this);
    m_lines = new QTableView(this);
    m_lines->setObjectName(QStringLiteral("Positionen"));
    m_lines->setModel(m_model);
    m_lines->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lines->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lines->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lines->verticalHeader()->hide();
    m_lines->setContextMenuPolicy(Qt::CustomContextMenu);
    m_host = new QLabel(this);
    m_host->setObjectName(QStringLiteral("Gastgeberin"));
    m_guest = new QLabel(this);
    m_guest->setObjectName(QStringLiteral("Gast"));

    auto* people = new QHBoxLayout;
    people->addWidget(new QLabel(QStringLiteral("Gastgeberin:"), this));
    people->addWidget(m_host, 1);
    people->addWidget(new QLabel(QStringLiteral("Gast:"), this));
    people->addWidget(m_guest, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(m_lines, 1);
    body->addWidget(buildStateButtons());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildToolBar());
    layout->addWidget(buildWeekRow());
    layout->addLayout(body, 1);
    layout->addLayout(people);

    m_year->setText(week.left(4));
    m_week->setText(week.mid(4, 2));
    connect(m_year, &QLineEdit::textChanged, this, &TNachliefForm::refresh);
    connect(m_week, &QLineEdit::textChanged, this, &TNachliefForm::refresh);
    connect(m_lines->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TNachliefForm::showCurrent);
    connect(m_lines, &QWidget::customContextMenuRequested, this, &TNachliefForm::showContextMenu);
    resize(900, 560);
    refresh();
}

void TNachliefForm::run(DataSet& set, UiPort& ui, const QString& week, QWidget* parent)
{
    TNachliefForm form(set, ui, week, parent);
    form.exec();
}

QWidget* TNachliefForm::buildToolBar()
{
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("NachliefWerkzeuge"));
    auto add = [&](const QString& text, const QString& hint, auto slot) {
        QAction* a = bar->addAction(text, this, slot);
        a->setToolTip(hint);
        return a;
    };
    add(QStringLiteral("&Eingeben"), QStringLiteral("Offene Nachlieferungen eingeben"),
        [this] { setMode(Mode::Enter); });
    add(QStringLiteral("&Bearbeiten"), QStringLiteral("Nachlieferungen bearbeiten"),
        [this] { setMode(Mode::Work); });
    bar->addSeparator();
    add(QStringLiteral("  &Nachliefer.  "), QStringLiteral("Offene Nachlieferungen als Liste drucken"),
        &TNachliefForm::printOpenList);
    add(QStringLiteral("&Packliste"), QStringLiteral("Packliste der erledigten Nachl. drucken"),
        &TNachliefForm::printPackList);
    add(QStringLiteral("Nachl. &Stück"), QStringLiteral("Nachgelieferte Stückzahlen eintragen"),
        &TNachliefForm::openEditWindow);
    bar->addSeparator();
    add(QStringLiteral("&Verlassen"), QStringLiteral("Nachlieferungen verlassen"), &QDialog::accept);
    return bar;
}

QWidget* TNachliefForm::buildWeekRow()
{
    m_weekRow = new QWidget(this);
    auto* row = new QHBoxLayout(m_weekRow);
    row->setContentsMargins(0, 0, 0, 0);
    m_year = digits(4, m_weekRow);
    m_year->setObjectName(QStringLiteral("Jahr"));
    m_week = digits(2, m_weekRow);
    m_week->setObjectName(QStringLiteral("Woche"));
    auto* calendar = new QPushButton(QStringLiteral("..."), m_weekRow);
    calendar->setToolTip(QStringLiteral("Kalender"));
    calendar->setAutoDefault(false);
    connect(calendar, &QPushButton::clicked, this, &TNachliefForm::pickWeek);
    row->addWidget(new QLabel(QStringLiteral("Woche :"), m_weekRow));
    row->addWidget(m_year);
    row->addWidget(new QLabel(QStringLiteral("/"), m_weekRow));
    row->addWidget(m_week);
    row->addWidget(calendar);
    row->addStretch();
    return m_weekRow;
}

QWidget* TNachliefForm::buildStateButtons()
{
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    for (const StateButton& b : kStateButtons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), panel);
        button->setToolTip(QString::fromUtf8(b.hint));
        button->setAutoDefault(false);
        const Action action = b.action;
        connect(button, &QPushButton::clicked, this, [this, action] { act(action); });
        column->addWidget(button);
    }
    column->addSpacing(12);
    column->addWidget(new QLabel(QStringLiteral("Nachl. Stück :"), panel));
    m_pieces = new QSpinBox(panel);
    m_pieces->setObjectName(QStringLiteral("NA_STUECK"));
    m_pieces->setRange(0, 9999);
    column->addWidget(m_pieces);
    auto* set = new QPushButton(QStringLiteral("Stück ü&bernehmen"), panel);
    set->setAutoDefault(false);
    connect(set, &QPushButton::clicked, this, &TNachliefForm::setPieces);
    column->addWidget(set);
    column->addStretch();
    return panel;
}

void TNachliefForm::showContextMenu(const QPoint& at)
{
    QMenu menu(this);
    for (const StateButton& b : kStateButtons) {
        const Action action = b.action;
        menu.addAction(QString::fromUtf8(b.menu), this, [this, action] { act(action); });
    }
    menu.exec(m_lines->viewport()->mapToGlobal(at));
}

void TNachliefForm::setMode(Mode mode)
{
    m_mode = mode;
    // The week does not matter for the lines still to be worked.
    m_weekRow->setEnabled(mode == Mode::Enter);
    refresh();
}

void TNachliefForm::refresh()
{
    const int keep = std::max(currentRow(), 0);
    guardDatabase(m_ui, [&] {
        BackOrderList list(m_set.db());
        m_model->setRows(m_mode == Mode::Work ? list.toWork() : list.ofWeek(m_year->text() + m_week->text()));
    });
    GridColumns::fitToContents(m_lines);
    if (m_model->rowCount() > 0)
        m_lines->setCurrentIndex(m_model->index(std::min(keep, m_model->rowCount() - 1), 0));
    showCurrent();
}

int TNachliefForm::currentRow() const
{
    return m_lines->currentIndex().row();
}

void TNachliefForm::showCurrent()
{
    const BackOrderLine* line = m_model->rowAt(currentRow());
    m_host->setText(line ? BackOrderLine::addressLine(line->host) : QString());
    m_guest->setText(line ? BackOrderLine::addressLine(line->guest) : QString());
    m_pieces->setValue(line ? line->naStueck : 0);
}

void TNachliefForm::act(Action action)
{
    const int row = currentRow();
    const BackOrderLine* line = m_model->rowAt(row);
    if (!line)
        return;
    const BackOrderKey key = line->key;
    guardDatabase(m_ui, [&] {
        m_rules.apply(key, action);
        if (const auto stored = BackOrderList(m_set.db()).line(key))
            m_model->replace(row, *stored);
    });
    showCurrent();
}

void TNachliefForm::setPieces()
{
    const int row = currentRow();
    const BackOrderLine* line = m_model->rowAt(row);
    if (!line)
        return;
    const BackOrderKey key = line->key;
    guardDatabase(m_ui, [&] {
        m_rules.setPieces(key, m_pieces->value());
        if (const auto stored = BackOrderList(m_set.db()).line(key))
            m_model->replace(row, *stored);
    });
    showCurrent();
}

void TNachliefForm::pickWeek()
{
    const QDate monday = WeekKey::mondayOf(m_year->text() + m_week->text());
    const auto picked = m_ui.pickDate(monday.isValid() ? monday : QDate::currentDate());
    if (!picked)
        return;
    const QString key = WeekKey::weekKey(*picked); // no date clears the fields
    m_year->setText(key.left(4));
    m_week->setText(key.mid(4, 2));
}

bool TNachliefForm::preview(const QString& report)
{
    if (!ReportPrinter::CheckPrinter(m_ui))
        return false;
    ReportPreview::show(report, m_set, {}, m_ui, this);
    return true;
}

void TNachliefForm::printOpenList()
{
    preview(BackOrderListReport::OpenName);
}

void TNachliefForm::printPackList()
{
    if (!preview(BackOrderListReport::PackListName))
        return;
    bool reset = false;
    guardDatabase(m_ui, [&] { reset = m_rules.packListPrinted(); });
    if (reset)
        setMode(Mode::Work);
}

void TNachliefForm::openEditWindow()
{
    TNachliefBearForm form(m_set.db(), m_ui, this);
    form.exec();
    refresh();
}

} // namespace korbelant
