#include "articles/ui/TVolltextForm.h"

#include "articles/TArtikelModul.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korbelant {

TVolltextForm::TVolltextForm(TArtikelModul& modul, QWidget* parent)
    : QDialog(parent), m_modul(modul), m_entry(new QLineEdit(this)),
      m_ignoreCase(new QCheckBox(QStringLiteral("Groß-/Kleinschreibung ignorieren."), this)),
      m_grid(new QTableWidget(this))
{
    setWindowTitle(QStringLiteral("Volltextsuche in Artikeldatei"));
    m_ignoreCase->setChecked(true);
    m_grid->setColumnCount(3);
    m_grid->setHorizontalHeaderLabels(
        {QStringLiteral("Artikel-Nr."), QStringLiteral("VA"), QStringLiteral("Artikel-Text")});
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    auto* searchButton = new QPushButton(QStringLiteral("Suchen"), this);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(m_entry, &QLineEdit::textChanged, this, [this] { search(); });
    connect(m_ignoreCase, &QCheckBox::toggled, this, [this] { search(); });
    connect(searchButton, &QPushButton::clicked, this, [this] { search(); });
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* top = new QHBoxLayout;
    top->addWidget(m_entry);
    top->addWidget(searchButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_ignoreCase);
    layout->addWidget(m_grid);
    layout->addWidget(buttons);
    resize(560, 420);
}

void TVolltextForm::search()
{
    const auto hits = m_modul.fullTextSearch(m_entry->text(), m_ignoreCase->isChecked());
    m_grid->setRowCount(static_cast<int>(hits.size()));
    int row = 0;
    for (const auto& hit : hits) {
        m_grid->setItem(row, 0, new QTableWidgetItem(hit.lNr));
        m_grid->setItem(row, 1, new QTableWidgetItem(hit.va));
        m_grid->setItem(row, 2, new QTableWidgetItem(hit.lText));
        ++row;
    }
    if (row > 0)
        m_grid->selectRow(0);
}

QString TVolltextForm::chosen() const
{
    const int row = m_grid->currentRow();
    return row < 0 || !m_grid->item(row, 0) ? QString() : m_grid->item(row, 0)->text();
}

} // namespace korbelant
