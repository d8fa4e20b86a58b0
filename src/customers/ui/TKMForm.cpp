#include "customers/ui/TKMForm.h"

#include "customers/TClientDataModul.h"
#include "widgets/GridSearch.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korbelant {

TKMForm::TKMForm(TClientDataModul& store, QWidget* parent) : QDialog(parent), m_distances(store.distances())
{
    setObjectName(QStringLiteral("TKMForm"));
    setWindowTitle(kTitle);
    auto* layout = new QVBoxLayout(this);
    auto* searchRow = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("Postleitzahl :"), this);
    m_search = new QLineEdit(this);
    label->setBuddy(m_search);
    searchRow->addWidget(label);
    searchRow->addWidget(m_search, 1);
    layout->addLayout(searchRow);

    m_grid = new QTableWidget(static_cast<int>(m_distances.size()), 3, this);
    m_grid->setHorizontalHeaderLabels(
        {QStringLiteral("Plz."), QStringLiteral("Ort"), QStringLiteral("km-Entfernung")});
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        const Distance& d = m_distances.at(row);
        m_grid->setItem(row, 0, new QTableWidgetItem(d.postcode));
        m_grid->setItem(row, 1, new QTableWidgetItem(d.town));
        m_grid->setItem(row, 2, new QTableWidgetItem(QString::number(d.km)));
    }
    if (m_grid->rowCount() > 0)
        m_grid->setCurrentCell(0, 0);
    layout->addWidget(m_grid, 1);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&Ok"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("&Abbrechen"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
    connect(m_search, &QLineEdit::textEdited, this,
            [this](const QString& text) { GridSearch::moveToPrefix(m_grid, 0, text); });
    resize(420, 420);
}

std::optional<Distance> TKMForm::choose(TClientDataModul& store, QWidget* parent)
{
    TKMForm form(store, parent);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.currentDistance();
}

std::optional<Distance> TKMForm::currentDistance() const
{
    const int row = m_grid->currentRow();
    if (row < 0 || row >= static_cast<int>(m_distances.size()))
        return std::nullopt;
    return m_distances.at(row);
}

} // namespace korbelant
