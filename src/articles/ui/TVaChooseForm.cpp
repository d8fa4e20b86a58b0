#include "articles/ui/TVaChooseForm.h"

#include "articles/KindTable.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korbelant {

TVaChooseForm::TVaChooseForm(const KindTable& kinds, const QString& current, QWidget* parent)
    : QDialog(parent), m_grid(new QTableWidget(this))
{
    setWindowTitle(QStringLiteral("Vorgangsart"));
    m_grid->setColumnCount(2);
    m_grid->setHorizontalHeaderLabels({QStringLiteral("VA"), QStringLiteral("Bezeichnung")});
    m_grid->setRowCount(static_cast<int>(kinds.kinds().size()));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    int row = 0;
    for (const TransactionKind& kind : kinds.kinds()) {
        m_grid->setItem(row, 0, new QTableWidgetItem(kind.va));
        m_grid->setItem(row, 1, new QTableWidgetItem(kind.vaText));
        if (kind.va == current)
            m_grid->selectRow(row);
        ++row;
    }
    if (m_grid->currentRow() < 0 && row > 0)
        m_grid->selectRow(0);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this] { take(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    resize(360, 420);
}

void TVaChooseForm::take()
{
    const int row = m_grid->currentRow();
    if (row < 0)
        return;
    m_chosen = m_grid->item(row, 0)->text();
    accept();
}

void TVaChooseForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        take();
        return;
    }
    QDialog::keyPressEvent(event); // Escape rejects
}

} // namespace korbelant
