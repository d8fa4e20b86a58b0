#include "parties/ui/TUMTForm.h"

#include "widgets/DatabaseGuard.h"
#include "widgets/DialogButtonRow.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korbelant {

TUMTForm::TUMTForm(ExchangeReasons& reasons, UiPort& ui, const QString& current, QWidget* parent)
    : QDialog(parent), m_reasons(reasons), m_ui(ui), m_grid(new QTableWidget(this))
{
    setWindowTitle(QStringLiteral("Umtauschgründe"));
    m_grid->setColumnCount(2);
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Fehl.-Code"), QStringLiteral("Umtauschgrund")});
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    fill(current);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this] { take(); });

    const auto buttons = DialogButtonRow::create(this, QStringLiteral("&OK"), QStringLiteral("&Abbrechen"));
    connect(buttons.ok, &QPushButton::clicked, this, [this] { take(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(buttons.row);
    resize(460, 420);
}

std::optional<QString> TUMTForm::choose(ExchangeReasons& reasons, UiPort& ui, const QString& current,
                                        QWidget* parent)
{
    TUMTForm form(reasons, ui, current, parent);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.chosen();
}

void TUMTForm::fill(const QString& current)
{
    const std::vector<ExchangeReasons::Reason> reasons = m_reasons.all();
    m_grid->setRowCount(static_cast<int>(reasons.size()));
    int row = 0;
    for (const ExchangeReasons::Reason& reason : reasons) {
        auto* code = new QTableWidgetItem(reason.code);
        code->setFlags(code->flags() & ~Qt::ItemIsEditable);
        m_grid->setItem(row, 0, code);
        m_grid->setItem(row, 1, new QTableWidgetItem(reason.text));
        if (reason.code == current.trimmed())
            m_grid->setCurrentCell(row, 1);
        ++row;
    }
    if (m_grid->currentRow() < 0 && row > 0)
        m_grid->setCurrentCell(0, 1);
}

std::vector<ExchangeReasons::Reason> TUMTForm::editedReasons() const
{
    std::vector<ExchangeReasons::Reason> reasons;
    for (int row = 0; row < m_grid->rowCount(); ++row)
        reasons.push_back({m_grid->item(row, 0)->text(), m_grid->item(row, 1)->text()});
    return reasons;
}

void TUMTForm::take()
{
    const int row = m_grid->currentRow();
    if (row < 0)
        return;
    // Leaving the text cell takes over what is still being typed in it.
    m_grid->setCurrentCell(row, 0);
    if (!guardDatabase(m_ui, [this] { m_reasons.saveTexts(editedReasons()); }))
        return;
    m_chosen = m_grid->item(row, 0)->text();
    accept();
}

void TUMTForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        take();
        return;
    }
    QDialog::keyPressEvent(event); // Escape rejects
}

} // namespace korbelant
