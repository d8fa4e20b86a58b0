#include "week/ui/WeekPartWeeksTab.h"

#include "core/GermanFormat.h"
#include "core/TuppkopfFields.h"
#include "week/TWocheDataModul.h"
#include "week/ui/WeekStatusPictures.h"
#include "widgets/DatabaseGuard.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korbelant {

namespace {

using H = TuppkopfFields;

// A light green on the window's own colour, a darker one under the selection.
const QColor kMarked(144, 238, 144);
const QColor kMarkedCurrent(60, 179, 113);

struct Column
{
    const char* caption;
    const char* field;
    bool amount;
};

const Column kSumColumns[] = {{"Teilwoche", "TWOCHE", false},       {"Vorf.", "S_VORFUEHR", false},
                              {"Umsatz", "SS_UMSATZ", true},        {"Ausgaben", "SS_AUSGABE", true},
                              {"Gäste", "S_GAESTE", false},         {"Verabred.", "S_VERABRED", false},
                              {"Sterne_Betrag", "S_STERNE_B", true}};

QTableWidget* grid(QWidget* parent, const QString& name, const QStringList& captions)
{
    auto* table = new QTableWidget(parent);
    table->setObjectName(name);
    table->setColumnCount(static_cast<int>(captions.size()));
    table->setHorizontalHeaderLabels(captions);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(20);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QTableWidgetItem* cell(const QVariant& value, bool amount)
{
    auto* item = new QTableWidgetItem(amount ? GermanFormat::number(value.toDouble(), 2)
                                             : QString::number(value.toLongLong()));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableWidgetItem* textCell(const QString& text)
{
    return new QTableWidgetItem(text);
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text, const QString& hint)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

} // namespace

WeekPartWeeksTab::WeekPartWeeksTab(TWocheDataModul& week, UiPort& ui, QWidget* parent)
    : QWidget(parent), m_week(week), m_ui(ui),
      m_sums(grid(this, QStringLiteral("Teilwochen"),
                  {QStringLiteral("Teilwoche"), QStringLiteral("Vorf."), QStringLiteral("Umsatz"),
                   QStringLiteral("Ausgaben"), QStringLiteral("Gäste"), QStringLiteral("Verabred."),
                   QStringLiteral("Sterne_Betrag"), QStringLiteral("Status")})),
      m_parties(grid(this, QStringLiteral("Vorfuehrungen"),
                     {QStringLiteral("Vorfü.Nr."), QStringLiteral("Gastgeb."), QStringLiteral("Teilw."),
                      QStringLiteral("Ausgaben"), QStringLiteral("Umsatz"), QStringLiteral("Status")})),
      m_preview(button(this, QStringLiteral("BestelldatenVorschau"), QStringLiteral("Bestelldaten Vor&schau"),
                       QStringLiteral("Eine Vorschau der Bestelldaten einsehen"))),
      m_disk(button(this, QStringLiteral("TWBestelldiskette"), QStringLiteral("TW-Bestelld&iskette"),
                    QStringLiteral("Wochenbestelldiskette erstellen")))
{
    m_parties->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_parties->horizontalHeader()->setStretchLastSection(false);
    m_sums->setContextMenuPolicy(Qt::CustomContextMenu);
    m_sums->setToolTip(
        QStringLiteral("Doppelklick markiert die Teilwochen, die gedruckt und übergeben werden."));
    connect(m_sums, &QTableWidget::cellDoubleClicked, this, [this](int row) { mark(row); });
    connect(m_sums, &QWidget::customContextMenuRequested, this, &WeekPartWeeksTab::showMenu);
    connect(m_sums, &QTableWidget::currentCellChanged, this, [this] {
        paintMarked();
        emit currentPartWeekChanged();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_preview);
    buttons->addWidget(m_disk);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Teilwochen der Woche:"), this));
    layout->addWidget(m_sums, 1);
    layout->addWidget(new QLabel(QStringLiteral("Vorführungen der markierten Teilwochen:"), this));
    layout->addWidget(m_parties, 1);
    layout->addLayout(buttons);
}

void WeekPartWeeksTab::refresh()
{
    const int row = currentRow();
    const QSignalBlocker block(m_sums);
    fillSums();
    if (m_sums->rowCount() > 0)
        m_sums->setCurrentCell(std::clamp(row, 0, m_sums->rowCount() - 1), 0);
    fillParties();
    paintMarked();
    emit currentPartWeekChanged();
}

int WeekPartWeeksTab::currentRow() const
{
    return m_sums->currentRow();
}

void WeekPartWeeksTab::setCurrentRow(int row)
{
    if (row >= 0 && row < m_sums->rowCount())
        m_sums->setCurrentCell(row, m_sums->currentColumn() < 0 ? 0 : m_sums->currentColumn());
}

void WeekPartWeeksTab::fillSums()
{
    const ResultTable& sums = m_week.TWocheQuery();
    m_sums->setRowCount(sums.rowCount());
    const QPixmap status = WeekStatusPictures::picture(m_week.statusPicture());
    for (int r = 0; r < sums.rowCount(); ++r) {
        int c = 0;
        for (const Column& column : kSumColumns) {
            const QVariant value = sums.value(r, QString::fromLatin1(column.field));
            m_sums->setItem(r, c, c == 0 ? textCell(value.toString()) : cell(value, column.amount));
            ++c;
        }
        auto* picture = new QTableWidgetItem;
        picture->setData(Qt::DecorationRole, status);
        m_sums->setItem(r, c, picture);
    }
    m_sums->resizeColumnsToContents();
}

void WeekPartWeeksTab::fillParties()
{
    const auto& parties = m_week.VorFuerTable();
    m_parties->setRowCount(static_cast<int>(parties.size()));
    const QPixmap disk = WeekStatusPictures::disk();
    int r = 0;
    for (const auto& party : parties) {
        m_parties->setItem(r, 0, textCell(party.header.value(H::R_NR).toString()));
        m_parties->setItem(r, 1, textCell(party.hostName));
        m_parties->setItem(r, 2, textCell(party.header.value(H::TWoche).toString()));
        m_parties->setItem(r, 3, cell(party.header.value(H::S_AUSGABE), true));
        m_parties->setItem(r, 4, cell(party.header.value(H::S_UMSATZ), true));
        auto* status = new QTableWidgetItem;
        if (party.header.value(H::ERSTELLT).toBool())
            status->setData(Qt::DecorationRole, disk);
        m_parties->setItem(r, 5, status);
        ++r;
    }
    m_parties->resizeColumnsToContents();
}

void WeekPartWeeksTab::paintMarked()
{
    for (int r = 0; r < m_sums->rowCount(); ++r) {
        const bool marked = m_week.isMarked(m_sums->item(r, 0)->text());
        const bool current = r == m_sums->currentRow();
        for (int c = 0; c < m_sums->columnCount(); ++c) {
            QTableWidgetItem* item = m_sums->item(r, c);
            item->setData(Qt::BackgroundRole,
                          marked ? QVariant(current ? kMarkedCurrent : kMarked) : QVariant());
            item->setData(Qt::ForegroundRole, marked ? QVariant(QColor(Qt::black)) : QVariant());
        }
    }
    // The selection colour would hide the green of a marked current row.
    QPalette palette = m_sums->palette();
    const bool currentMarked = currentRow() >= 0 && m_week.isMarked(m_sums->item(currentRow(), 0)->text());
    palette.setColor(QPalette::Highlight,
                     currentMarked ? kMarkedCurrent : QApplication::palette().color(QPalette::Highlight));
    palette.setColor(QPalette::HighlightedText,
                     currentMarked ? QColor(Qt::black)
                                   : QApplication::palette().color(QPalette::HighlightedText));
    m_sums->setPalette(palette);
}

void WeekPartWeeksTab::mark(int row)
{
    if (row < 0 || row >= m_sums->rowCount())
        return;
    const QString partWeek = m_sums->item(row, 0)->text();
    if (guardDatabase(m_ui, [&] { m_week.markPartWeek(partWeek); }))
        refresh();
}

void WeekPartWeeksTab::showMenu(const QPoint& position)
{
    const int row = m_sums->rowAt(position.y());
    if (row < 0)
        return;
    QMenu menu(this);
    menu.addAction(QStringLiteral("Markieren"), this, [this, row] { mark(row); });
    menu.exec(m_sums->viewport()->mapToGlobal(position));
}

} // namespace korbelant
