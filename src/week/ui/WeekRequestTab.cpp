#include "week/ui/WeekRequestTab.h"

#include "week/TWocheDataModul.h"
#include "week/WeekRequestItems.h"
#include "widgets/DatabaseGuard.h"
#include "widgets/FieldWidth.h"
#include "widgets/SpinEdit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korbelant {

namespace {

QLineEdit* shownOnly(QWidget* parent, const QString& name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

QTableWidgetItem* cell(const QString& text, bool number)
{
    auto* item = new QTableWidgetItem(text);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

WeekRequestTab::WeekRequestTab(TWocheDataModul& week, UiPort& ui, QWidget* parent)
    : QWidget(parent), m_week(week), m_ui(ui), m_pages(new QStackedWidget(this)),
      m_grid(new QTableWidget(this)), m_note(new QLabel(WeekRequestItems::kNoItems, this)),
      m_code(shownOnly(this, QStringLiteral("Kodierung"))),
      m_name(shownOnly(this, QStringLiteral("Bezeichnung"))), m_max(shownOnly(this, QStringLiteral("Max"))),
      m_quantity(new SpinEdit(QStringLiteral("Menge"), this))
{
    m_grid->setObjectName(QStringLiteral("Anforderungen"));
    m_grid->setColumnCount(4);
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Kodierung"), QStringLiteral("Bezeichnung"),
                                       QStringLiteral("Max"), QStringLiteral("Menge")});
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_note->setObjectName(QStringLiteral("KeineAnforderungen"));
    m_note->setWordWrap(true);
    m_note->setAlignment(Qt::AlignCenter);
    m_note->setFrameShape(QFrame::StyledPanel);
    m_note->setMargin(20);
    m_pages->addWidget(m_grid);
    m_pages->addWidget(m_note);
    m_quantity->edit()->setReadOnly(true);
    FieldWidth::fix(m_quantity->edit(), 5);
    m_quantity->edit()->setAlignment(Qt::AlignRight);
    connect(m_quantity, &SpinEdit::spun, this, &WeekRequestTab::spin);
    connect(m_grid, &QTableWidget::currentCellChanged, this, &WeekRequestTab::showCurrent);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addWidget(currentItemPanel());
}

QWidget* WeekRequestTab::currentItemPanel()
{
    auto* box =
        new QGroupBox(QStringLiteral("Sonstige Posten die mit der TW-Bestelldatei übergeben werden:"), this);
    auto* grid = new QGridLayout(box);
    FieldWidth::fix(m_code, 11);
    FieldWidth::fix(m_max, 5);
    grid->addWidget(m_code, 0, 0);
    grid->addWidget(m_name, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Max:"), box), 0, 2);
    grid->addWidget(m_max, 0, 3);
    grid->addWidget(m_quantity, 0, 4);
    grid->setColumnStretch(1, 1);
    return box;
}

void WeekRequestTab::refresh()
{
    std::vector<WeekRequestItems::Item> items;
    guardDatabase(m_ui, [&] { items = m_week.requestItems(); });
    const int row = std::max(0, m_grid->currentRow());
    const QSignalBlocker block(m_grid);
    m_grid->setRowCount(static_cast<int>(items.size()));
    int r = 0;
    for (const auto& item : items) {
        m_grid->setItem(r, 0, cell(item.Kodierung, false));
        m_grid->setItem(r, 1, cell(item.Bezeichnung, false));
        m_grid->setItem(r, 2, cell(QString::number(item.Max), true));
        m_grid->setItem(r, 3, cell(QString::number(item.Menge), true));
        ++r;
    }
    m_pages->setCurrentWidget(items.empty() ? static_cast<QWidget*>(m_note) : m_grid);
    if (!items.empty())
        m_grid->setCurrentCell(std::min(row, m_grid->rowCount() - 1), 0);
    showCurrent();
}

bool WeekRequestTab::showsNote() const
{
    return m_pages->currentWidget() == m_note;
}

void WeekRequestTab::showCurrent()
{
    const int row = m_grid->currentRow();
    const bool has = row >= 0 && !showsNote();
    m_code->setText(has ? m_grid->item(row, 0)->text() : QString());
    m_name->setText(has ? m_grid->item(row, 1)->text() : QString());
    m_max->setText(has ? m_grid->item(row, 2)->text() : QString());
    m_quantity->edit()->setText(has ? m_grid->item(row, 3)->text() : QString());
    m_quantity->setEnabled(has);
}

void WeekRequestTab::spin(bool up)
{
    const QString code = m_code->text();
    if (code.isEmpty())
        return;
    std::optional<int> changed;
    if (guardDatabase(m_ui, [&] { changed = m_week.requestSpin(code, up); }) && changed)
        refresh();
}

} // namespace korbelant
