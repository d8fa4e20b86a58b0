#include "core/ui/TResetForm.h"

#include "core/DataReset.h"
#include "core/UiPort.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace korbelant {

TResetForm::TResetForm(DataSet& set, UiPort& ui, QWidget* parent)
    : QDialog(parent), m_set(set), m_ui(ui), m_frame(new QFrame(this)),
      m_warning(new QLabel(QStringLiteral("Alle Daten gehen verloren !"), m_frame)),
      m_confirmation(new QLineEdit(this)), m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("TResetForm"));
    setWindowTitle(QStringLiteral("Vorlix-Soft Warnung !"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* question = new QLabel(QStringLiteral("Wollen Sie wirklich alle Tabellen leeren ?"), this);
    question->setAlignment(Qt::AlignCenter);
    layout->addWidget(question);

    m_frame->setObjectName(QStringLiteral("WarningFrame"));
    auto* frameLayout = new QVBoxLayout(m_frame);
    m_warning->setObjectName(QStringLiteral("Warning"));
    m_warning->setAlignment(Qt::AlignCenter);
    QFont bold = m_warning->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    m_warning->setFont(bold);
    frameLayout->addWidget(m_warning);
    layout->addWidget(m_frame);

    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(new QLabel(QStringLiteral("Schriftliche Bestätigung :"), this));
    m_confirmation->setObjectName(QStringLiteral("Confirmation"));
    m_confirmation->setMaxLength(6);
    entryRow->addWidget(m_confirmation);
    layout->addLayout(entryRow);
    // The entry shows what is typed in capitals.
    connect(m_confirmation, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int caret = m_confirmation->cursorPosition();
        m_confirmation->setText(text.toUpper());
        m_confirmation->setCursorPosition(caret);
    });

    auto* buttons = new QHBoxLayout;
    auto* cancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setDefault(true);
    auto* empty = new QPushButton(QStringLiteral("&Tabellen leeren"), this);
    empty->setObjectName(QStringLiteral("EmptyButton"));
    empty->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(empty, &QPushButton::clicked, this, &TResetForm::confirmClick);
    buttons->addWidget(cancel);
    buttons->addStretch();
    buttons->addWidget(empty);
    layout->addLayout(buttons);

    connect(m_timer, &QTimer::timeout, this, &TResetForm::blink);
    m_timer->start(500);
    m_red = false;
    blink();
}

void TResetForm::blink()
{
    // The warning and its frame change colour together.
    m_red = !m_red;
    const QString colour = m_red ? QStringLiteral("red") : QStringLiteral("white");
    m_frame->setStyleSheet(
        QStringLiteral("QFrame#WarningFrame { border: 4px solid %1; } QLabel#Warning { color: %1; }")
            .arg(colour));
}

void TResetForm::confirmClick()
{
    if (!DataReset::isConfirmed(m_confirmation->text())) {
        m_ui.information(DataReset::kConfirmPlease);
        m_confirmation->setFocus();
        return;
    }
    m_timer->stop();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::optional<QString> failure = DataReset::emptyTables(m_set);
    QApplication::restoreOverrideCursor();
    if (failure) {
        m_ui.error(*failure);
        reject();
        return;
    }
    accept();
}

void TResetForm::run(DataSet& set, UiPort& ui, QWidget* parent)
{
    DataReset::resetAll(set, ui, [&] {
        TResetForm form(set, ui, parent);
        form.exec();
    });
}

} // namespace korbelant
