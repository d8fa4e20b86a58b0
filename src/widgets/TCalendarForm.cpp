#include "widgets/TCalendarForm.h"

#include "core/WeekKey.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korbelant {

namespace {

constexpr int kWeekColumn = 0;
constexpr int kColumns = 8;

QPushButton* makeButton(QWidget* parent, const QString& caption, const QString& hint, const QString& name)
{
    auto* button = new QPushButton(caption, parent);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

TCalendarForm::TCalendarForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TCalendarForm"));
    setWindowTitle(QStringLiteral("Korbelant - Kalender"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    auto* navigation = new QHBoxLayout;
    QPushButton* yearBack =
        makeButton(this, QStringLiteral("<<"), QStringLiteral("Ein Jahr zurück"), QStringLiteral("YearBack"));
    QPushButton* monthBack = makeButton(this, QStringLiteral("<"), QStringLiteral("Einen Monat zurück"),
                                        QStringLiteral("MonthBack"));
    QPushButton* monthOn =
        makeButton(this, QStringLiteral(">"), QStringLiteral("Einen Monat vor"), QStringLiteral("MonthOn"));
    QPushButton* yearOn =
        makeButton(this, QStringLiteral(">>"), QStringLiteral("Ein Jahr vor"), QStringLiteral("YearOn"));
    connect(yearBack, &QPushButton::clicked, this, [this] { moveMonths(-12); });
    connect(monthBack, &QPushButton::clicked, this, [this] { moveMonths(-1); });
    connect(monthOn, &QPushButton::clicked, this, [this] { moveMonths(1); });
    connect(yearOn, &QPushButton::clicked, this, [this] { moveMonths(12); });
    navigation->addWidget(yearBack);
    navigation->addWidget(monthBack);
    navigation->addStretch();
    navigation->addWidget(monthOn);
    navigation->addWidget(yearOn);
    layout->addLayout(navigation);

    buildGrid();
    layout->addWidget(m_grid);

    auto* buttons = new QHBoxLayout;
    QPushButton* ok = makeButton(this, QStringLiteral("&OK"), QStringLiteral("Datum übernehmen"),
                                 QStringLiteral("OkButton"));
    ok->setDefault(true);
    QPushButton* none =
        makeButton(this, QStringLiteral("0"), QStringLiteral("Kein Eintrag"), QStringLiteral("NoDateButton"));
    QPushButton* cancel =
        makeButton(this, QStringLiteral(" X"), QStringLiteral("Abbrechen"), QStringLiteral("CancelButton"));
    connect(ok, &QPushButton::clicked, this, [this] { acceptWith(Outcome::Accepted); });
    connect(none, &QPushButton::clicked, this, [this] { acceptWith(Outcome::NoDate); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(ok);
    buttons->addWidget(none);
    buttons->addStretch();
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    setSelectedDate(QDate::currentDate());
}

void TCalendarForm::buildGrid()
{
    m_grid = new QTableWidget(0, kColumns, this);
    m_grid->setObjectName(QStringLiteral("Grid"));
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Wo"), QStringLiteral("Mo"), QStringLiteral("Di"),
                                       QStringLiteral("Mi"), QStringLiteral("Do"), QStringLiteral("Fr"),
                                       QStringLiteral("Sa"), QStringLiteral("So")});
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    connect(m_grid, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { cellChosen(row, column); });
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        if (dateAt(row, column).isValid())
            acceptWith(Outcome::Accepted);
    });
}

QString TCalendarForm::monthName(int month)
{
    static const char* const names[] = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                        "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
    return month >= 1 && month <= 12 ? QString::fromUtf8(names[month - 1]) : QString();
}

QString TCalendarForm::captionFor(const QDate& date)
{
    return QStringLiteral("%1 %2, %3").arg(monthName(date.month())).arg(date.day()).arg(date.year());
}

QDate TCalendarForm::firstShownMonday() const
{
    const QDate first(m_selected.year(), m_selected.month(), 1);
    return first.addDays(1 - first.dayOfWeek());
}

QDate TCalendarForm::dateAt(int row, int column) const
{
    if (row < 0 || column <= kWeekColumn || column >= kColumns)
        return {};
    const QDate date = firstShownMonday().addDays(row * 7 + column - 1);
    return date.month() == m_selected.month() ? date : QDate();
}

void TCalendarForm::fillMonth()
{
    m_filling = true;
    const QDate monday = firstShownMonday();
    const QDate last(m_selected.year(), m_selected.month(), m_selected.daysInMonth());
    const int rows = static_cast<int>(monday.daysTo(last) / 7 + 1);
    m_grid->clearContents();
    m_grid->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        const QDate rowMonday = monday.addDays(row * 7);
        auto* week = new QTableWidgetItem(
            QStringLiteral("%1").arg(WeekKey::weekNumber(rowMonday), 2, 10, QLatin1Char('0')));
        week->setBackground(Qt::yellow);
        week->setFlags(Qt::ItemIsEnabled);
        m_grid->setItem(row, kWeekColumn, week);
        for (int column = 1; column < kColumns; ++column) {
            const QDate date = dateAt(row, column);
            auto* item = new QTableWidgetItem(date.isValid() ? QString::number(date.day()) : QString());
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(date.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags);
            m_grid->setItem(row, column, item);
        }
    }
    const int selectedRow = static_cast<int>(monday.daysTo(m_selected) / 7);
    m_grid->setCurrentCell(selectedRow, m_selected.dayOfWeek());
    m_filling = false;
}

void TCalendarForm::setSelectedDate(const QDate& date)
{
    m_selected = date.isValid() ? date : QDate::currentDate();
    fillMonth();
    setWindowTitle(captionFor(m_selected));
}

void TCalendarForm::cellChosen(int row, int column)
{
    if (m_filling)
        return;
    const QDate date = dateAt(row, column);
    if (!date.isValid())
        return;
    m_selected = date;
    setWindowTitle(captionFor(m_selected));
}

void TCalendarForm::moveMonths(int months)
{
    // addMonths keeps the day or falls back to the last day of a shorter month.
    setSelectedDate(m_selected.addMonths(months));
}

void TCalendarForm::acceptWith(Outcome outcome)
{
    m_outcome = outcome;
    accept();
}

std::optional<QDate> TCalendarForm::result() const
{
    switch (m_outcome) {
    case Outcome::Accepted:
        return m_selected;
    case Outcome::NoDate:
        return QDate();
    case Outcome::Cancelled:
        break;
    }
    return std::nullopt;
}

QStringList TCalendarForm::weekColumn() const
{
    QStringList weeks;
    for (int row = 0; row < m_grid->rowCount(); ++row)
        weeks << m_grid->item(row, kWeekColumn)->text();
    return weeks;
}

std::optional<QDate> TCalendarForm::pick(QWidget* anchor, const QDate& current)
{
    TCalendarForm form(anchor ? anchor->window() : nullptr);
    form.setSelectedDate(current);
    form.adjustSize();
    if (anchor) {
        const QPoint corner = anchor->mapToGlobal(QPoint(anchor->width(), anchor->height()));
        form.move(corner - QPoint(form.frameGeometry().width(), form.frameGeometry().height()));
    }
    form.exec();
    return form.result();
}

} // namespace korbelant
