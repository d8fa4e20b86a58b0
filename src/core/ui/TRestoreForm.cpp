#include "core/ui/TRestoreForm.h"

#include "core/DataSet.h"
#include "core/GermanFormat.h"
#include "core/KeptBackups.h"
#include "core/UiPort.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korbelant {

TRestoreForm::TRestoreForm(DataSet& set, UiPort& ui, QWidget* parent)
    : QDialog(parent), m_set(set), m_ui(ui), m_list(new QTableWidget(0, 2, this)),
      m_restore(new QPushButton(QStringLiteral("&Zurückspielen"), this))
{
    setObjectName(QStringLiteral("TRestoreForm"));
    setWindowTitle(QStringLiteral("Datensicherung zurückspielen"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Gesicherte Datenbestände:"), this));
    m_list->setObjectName(QStringLiteral("BackupList"));
    m_list->setHorizontalHeaderLabels({QStringLiteral("Datum"), QStringLiteral("Größe")});
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_list);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_restore->setObjectName(QStringLiteral("RestoreButton"));
    auto* cancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    buttons->addWidget(m_restore);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(m_restore, &QPushButton::clicked, this, &TRestoreForm::restoreClick);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, &TRestoreForm::restoreClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(360, 300);
    fill();
}

void TRestoreForm::fill()
{
    m_backups = KeptBackups(m_set.home()).list();
    m_list->setRowCount(static_cast<int>(m_backups.size()));
    for (int row = 0; row < m_list->rowCount(); ++row) {
        const KeptBackup& backup = m_backups.at(static_cast<size_t>(row));
        m_list->setItem(row, 0, new QTableWidgetItem(GermanFormat::date(backup.day)));
        auto* size = new QTableWidgetItem(
            GermanFormat::number(static_cast<double>(backup.bytes) / (1024.0 * 1024.0), 1) +
            QStringLiteral(" MB"));
        size->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_list->setItem(row, 1, size);
    }
    if (!m_backups.empty())
        m_list->selectRow(0);
    m_restore->setEnabled(!m_backups.empty());
}

void TRestoreForm::restoreClick()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_backups.size()))
        return;
    m_outcome = BackupRestore(m_set, m_ui).restore(m_backups.at(static_cast<size_t>(row)));
    if (m_outcome == BackupRestore::Outcome::Restored)
        accept();
    else if (m_outcome == BackupRestore::Outcome::Failed)
        fill();
}

bool TRestoreForm::run(DataSet& set, UiPort& ui, QWidget* parent)
{
    TRestoreForm form(set, ui, parent);
    form.exec();
    if (form.outcome() != BackupRestore::Outcome::Restored)
        return false;
    ui.information(BackupRestore::kRestart);
    return true;
}

} // namespace korbelant
