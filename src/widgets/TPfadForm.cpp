#include "widgets/TPfadForm.h"

#include "widgets/DialogButtonRow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace korbelant {

TPfadForm::TPfadForm(const QString& caption, const DriveMap& drives, const QString& start, QWidget* parent)
    : QDialog(parent), m_browser(drives, start), m_drive(new QComboBox(this)), m_current(new QLabel(this)),
      m_directories(new QListWidget(this)), m_files(new QListWidget(this))
{
    setObjectName(QStringLiteral("PfadForm"));
    setWindowTitle(kCaption);
    m_drive->setObjectName(QStringLiteral("Laufwerk"));
    m_current->setObjectName(QStringLiteral("Verzeichnis"));
    m_directories->setObjectName(QStringLiteral("Verzeichnisse"));
    m_files->setObjectName(QStringLiteral("Dateien"));
    m_current->setWordWrap(true);
    m_files->setSelectionMode(QAbstractItemView::NoSelection);
    for (const FolderBrowser::Drive& drive : m_browser.drives())
        m_drive->addItem(drive.label);
    connect(m_drive, &QComboBox::activated, this, &TPfadForm::driveChosen);
    connect(m_directories, &QListWidget::itemActivated, this,
            [this](const QListWidgetItem* item) { openEntry(item->text()); });

    const auto buttons = DialogButtonRow::create(this, QStringLiteral("&Ok"), QStringLiteral("&Abbrechen"));
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(QStringLiteral("Verzeichnisse :"), this), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("Dateien :"), this), 0, 1);
    lists->addWidget(m_directories, 1, 0);
    lists->addWidget(m_files, 1, 1);
    auto* layout = new QVBoxLayout(this);
    // A caller with a task of its own says it above the chooser.
    if (!caption.isEmpty() && caption != kCaption) {
        auto* task = new QLabel(caption, this);
        task->setWordWrap(true);
        layout->addWidget(task);
    }
    layout->addWidget(new QLabel(QStringLiteral("Laufwerk :"), this));
    layout->addWidget(m_drive);
    layout->addWidget(m_current);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons.row);
    resize(520, 380);
    refresh();
}

QString TPfadForm::choose(const QString& caption, const DriveMap& drives, const QString& start,
                          QWidget* parent)
{
    TPfadForm dialog(caption, drives, start, parent);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.directory();
}

void TPfadForm::openEntry(const QString& name)
{
    m_browser.enter(name);
    refresh();
}

void TPfadForm::driveChosen(int index)
{
    m_browser.chooseDrive(index);
    refresh();
}

void TPfadForm::refresh()
{
    {
        const QSignalBlocker blocker(m_drive);
        m_drive->setCurrentIndex(m_browser.currentDrive());
    }
    const QString state = m_browser.state();
    m_current->setText(state.isEmpty() ? m_browser.current()
                                       : m_browser.current() + QStringLiteral("\n") + state);
    m_directories->clear();
    m_directories->addItems(m_browser.directories());
    m_files->clear();
    m_files->addItems(m_browser.files());
}

} // namespace korbelant
