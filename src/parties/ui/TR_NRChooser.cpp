#include "parties/ui/TR_NRChooser.h"

#include "core/GermanFormat.h"
#include "core/UiPort.h"
#include "parties/TVorFuerModul.h"

#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace korbelant {

namespace {

QPushButton* button(const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(false); // Enter belongs to the fields
    return b;
}

bool isEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

TR_NRChooser::TR_NRChooser(TVorFuerModul& modul, UiPort& ui, const QDate& today, QWidget* parent)
    : QDialog(parent), m_modul(modul), m_ui(ui), m_today(today)
{
    setObjectName(QStringLiteral("TR_NRChooser"));
    setWindowTitle(QStringLiteral("Nummer der Vorführung eingeben :"));
    m_date = new QLineEdit(this);
    m_date->setInputMask(QStringLiteral("99.99.9999"));
    m_date->setText(GermanFormat::date(today));
    m_calendar = button(QStringLiteral("..."), this);
    m_calendar->setToolTip(QStringLiteral("Kalender"));
    m_suffix = new QLineEdit(QStringLiteral("A"), this);
    m_suffix->setMaxLength(1);
    m_suffix->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z]?")), m_suffix));
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("Preview"));

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(m_date);
    dateRow->addWidget(m_calendar);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Datum der Vorführung :"), dateRow);
    fields->addRow(QStringLiteral("Tageszusatz (A..Z) :"), m_suffix);
    fields->addRow(QStringLiteral("Vorführungs-Nr. :"), m_preview);
    QPushButton* ok = button(QStringLiteral("&Ok"), this);
    QPushButton* cancel = button(QStringLiteral("&Abbrechen"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &TR_NRChooser::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_calendar, &QPushButton::clicked, this, &TR_NRChooser::pickDate);
    connect(m_suffix, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_suffixEntered = true;
        if (text != text.toUpper())
            m_suffix->setText(text.toUpper());
        refreshPreview();
    });
    m_date->installEventFilter(this);
    m_suffix->installEventFilter(this);
    refreshPreview();
}

std::optional<TR_NRChooser::Choice> TR_NRChooser::choose(TVorFuerModul& modul, UiPort& ui, const QDate& today,
                                                         QWidget* parent)
{
    TR_NRChooser dialog(modul, ui, today, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

QString TR_NRChooser::previewText() const
{
    const auto d = GermanFormat::parseDate(m_date->text());
    if (!d)
        return QString();
    return TVorFuerModul::partyNumber(*d, m_suffix->text());
}

void TR_NRChooser::setDate(const QDate& date)
{
    m_date->setText(GermanFormat::date(date));
    refreshPreview();
}

void TR_NRChooser::refreshPreview()
{
    m_preview->setText(previewText());
}

void TR_NRChooser::dateLeft()
{
    if (!GermanFormat::parseDate(m_date->text()))
        m_ui.error(QStringLiteral("Kein gültiges Datum"));
    refreshPreview();
}

void TR_NRChooser::pickDate()
{
    const auto picked = m_ui.pickDate(GermanFormat::parseDate(m_date->text()).value_or(m_today));
    if (picked && picked->isValid())
        m_date->setText(GermanFormat::date(*picked));
    refreshPreview();
}

void TR_NRChooser::okClicked()
{
    const auto d = GermanFormat::parseDate(m_date->text());
    if (!d)
        return; // reported when the date field was left
    // The day letter counts only once the user has been in its field.
    const auto rNr =
        m_modul.checkPartyNumber(m_date->text(), m_suffixEntered ? m_suffix->text() : QString(), m_today);
    if (!rNr)
        return;
    m_choice = Choice{*rNr, *d};
    accept();
}

bool TR_NRChooser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_suffix && event->type() == QEvent::FocusIn)
        m_suffixEntered = true;
    if (watched == m_date && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !isHidden())
            dateLeft();
    }
    if (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent*>(event))) {
        if (watched == m_suffix) {
            m_suffixEntered = true;
            okClicked();
        } else {
            m_suffixEntered = true; // Enter moves on into the day letter
            m_suffix->setFocus();
            refreshPreview();
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace korbelant
