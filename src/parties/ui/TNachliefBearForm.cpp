#include "parties/ui/TNachliefBearForm.h"

#include "core/UiPort.h"
#include "parties/BackOrderList.h"
#include "parties/BackOrderRules.h"
#include "parties/ui/BackOrderLineModel.h"
#include "widgets/DatabaseGuard.h"
#include "widgets/GridColumns.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace korbelant {

TNachliefBearForm::TNachliefBearForm(Database& db, UiPort& ui, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TNachliefBearForm"));
    setWindowTitle(QStringLiteral("Nachlieferungen bearbeiten"));
    m_model = new BackOrderLineModel(BackOrderLineModel::Layout::Edit, this);
    m_model->setDeliveredStore([&db, &ui](const BackOrderKey& key, int pieces) {
        bool stored = false;
        guardDatabase(ui, [&] { stored = BackOrderRules(db, ui).setDeliveredPieces(key, pieces); });
        return stored;
    });
    guardDatabase(ui, [&] { m_model->setRows(BackOrderList(db).toWork()); });
    m_lines = new QTableView(this);
    m_lines->setObjectName(QStringLiteral("Positionen"));
    m_lines->setModel(m_model);
    m_lines->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lines->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lines->verticalHeader()->hide();
    GridColumns::fitToContents(m_lines);
    // Thirteen rows at a time.
    m_lines->setMinimumHeight(m_lines->horizontalHeader()->sizeHint().height() +
                              13 * m_lines->verticalHeader()->defaultSectionSize() + 4);
    m_host = new QLabel(this);
    m_host->setObjectName(QStringLiteral("Gastgeberin"));
    m_guest = new QLabel(this);
    m_guest->setObjectName(QStringLiteral("Gast"));
    auto* people = new QFormLayout;
    people->addRow(QStringLiteral("Gastgeberin:"), m_host);
    people->addRow(QStringLiteral("Gast:"), m_guest);
    auto* leave = new QPushButton(QStringLiteral("&Verlassen"), this);
    leave->setAutoDefault(false);
    connect(leave, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(leave);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lines, 1);
    layout->addLayout(people);
    layout->addLayout(buttons);
    connect(m_lines->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TNachliefBearForm::showCurrent);
    if (m_model->rowCount() > 0)
        m_lines->setCurrentIndex(m_model->index(0, BackOrderLineModel::kDeliveredColumn));
    showCurrent();
    resize(860, 480);
}

void TNachliefBearForm::showCurrent()
{
    const BackOrderLine* line = m_model->rowAt(m_lines->currentIndex().row());
    m_host->setText(line ? BackOrderLine::addressLine(line->host) : QString());
    m_guest->setText(line ? BackOrderLine::addressLine(line->guest) : QString());
}

} // namespace korbelant
