#include "parties/ui/GuestParticipantPanel.h"

#include "core/GermanFormat.h"
#include "core/UiPort.h"
#include "parties/GuestEntrySession.h"
#include "parties/ui/GuestWidgets.h"
#include "widgets/TMaskedDateEdit.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTime>

namespace korbelant {

namespace {

QString field(const QVariantMap& record, const char* name)
{
    return record.value(QString::fromLatin1(name)).toString();
}

QLineEdit* timeEdit()
{
    auto* e = new QLineEdit;
    e->setInputMask(QStringLiteral("99:99"));
    return e;
}

void showTime(QLineEdit* edit, const QVariant& value)
{
    const QTime t = value.toTime();
    edit->setText(t.isValid() ? t.toString(QStringLiteral("HH:mm")) : QString());
}

QString address(const QVariantMap& c)
{
    return field(c, "VORNAME") + QLatin1Char(' ') + field(c, "NAME") + QLatin1Char('\n') +
           field(c, "STRASSE") + QLatin1Char('\n') + field(c, "PLZ") + QLatin1Char(' ') + field(c, "ORT") +
           QStringLiteral("\nTelefon : ") + field(c, "TELEFON") + QStringLiteral("\nNächste Vorführung : ") +
           GermanFormat::date(c.value(QStringLiteral("N_DATUM")).toDate());
}

} // namespace

// Four rows: the participant's and the customer's number, the appointment, the nomination, and the payment
// with the moves to the other participants; the address stands beside the first three.
GuestParticipantPanel::GuestParticipantPanel(GuestEntrySession& session, UiPort& ui, QWidget* parent)
    : QGroupBox(parent), m_session(session), m_ui(ui)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setSpacing(4);
    grid->setVerticalSpacing(2);
    m_pNr = GuestWidgets::lineEdit(2, fittedWidth(QStringLiteral("00")));
    m_pNr->setReadOnly(true);
    m_customer = GuestWidgets::lineEdit(6, fittedWidth(QStringLiteral("000000")));
    auto* number = new QHBoxLayout;
    number->setSpacing(4);
    number->addWidget(GuestWidgets::label(QStringLiteral("Gast-Nr. :"), m_pNr));
    number->addWidget(m_pNr);
    number->addStretch();
    grid->addLayout(number, 0, 0);
    auto* numbers = new QHBoxLayout;
    numbers->setSpacing(4);
    numbers->addWidget(GuestWidgets::label(QStringLiteral("Kunden -Nr. :"), m_customer));
    numbers->addWidget(m_customer);
    m_customerButtons = GuestWidgets::addButtons(
        numbers, this,
        {{"N", "Neuen Kunde anlegen und als Gast übernehmen.", [this] { emit newCustomerClicked(); }},
         {"?", "Unbekannter Kunde", [this] { emit unknownCustomerClicked(); }},
         {"B", "Kunde bearbeiten", [this] { emit editCustomerClicked(); }},
         {"S", "Kunde in Datenbank suchen und als Gastgeberin übernehmen",
          [this] { emit searchClicked(); }}});
    for (QPushButton* b : m_customerButtons)
        b->setFixedWidth(24);
    numbers->addStretch();
    grid->addLayout(numbers, 0, 1);
    m_paid = new QCheckBox(QStringLiteral("Bezahlt"));
    grid->addWidget(m_paid, 3, 0);
    m_address = new QLabel;
    m_address->setFrameShape(QFrame::StyledPanel);
    m_address->setFont(GuestWidgets::smallerFont(font()));
    m_address->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_address->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_address->installEventFilter(this);
    grid->addWidget(m_address, 0, 2, 3, 1);
    m_appointment = new QCheckBox(QStringLiteral("Verabredung"));
    m_nomination = new QCheckBox(QStringLiteral("Benennung"));
    grid->addWidget(m_appointment, 1, 0);
    grid->addWidget(dateTime(QStringLiteral("Verabred_DATUM"), QStringLiteral("Verabred_ZEIT")), 1, 1);
    grid->addWidget(m_nomination, 2, 0);
    grid->addWidget(dateTime(QStringLiteral("BENE_DATUM"), QStringLiteral("BENE_ZEIT")), 2, 1);
    grid->addWidget(buildNavigation(), 3, 1, 1, 2);
    grid->setColumnStretch(2, 1);
    connectFields();
}

int GuestParticipantPanel::fittedWidth(const QString& widest) const
{
    return fontMetrics().horizontalAdvance(widest) + 14;
}

QWidget* GuestParticipantPanel::dateTime(const QString& dateField, const QString& timeField)
{
    auto* w = new QWidget;
    auto* row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    auto* date = new TMaskedDateEdit;
    date->setFixedWidth(fittedWidth(QStringLiteral("00.00.0000")));
    date->setUi(&m_ui);
    date->setAllowEmpty(true);
    auto* calendar = new QPushButton(QStringLiteral("..."));
    calendar->setAutoDefault(false);
    calendar->setFixedWidth(24);
    connect(calendar, &QPushButton::clicked, this, [this, dateField] { pickDate(dateField); });
    QLineEdit* time = timeEdit();
    time->setFixedWidth(fittedWidth(QStringLiteral("00:00")));
    row->addWidget(GuestWidgets::label(QStringLiteral("Datum :"), date));
    row->addWidget(date);
    row->addWidget(calendar);
    row->addWidget(GuestWidgets::label(QStringLiteral("Zeit :"), time));
    row->addWidget(time);
    row->addStretch();
    date->setObjectName(dateField);
    time->setObjectName(timeField);
    const bool appointment = dateField == QStringLiteral("Verabred_DATUM");
    (appointment ? m_appointmentDate : m_nominationDate) = date;
    (appointment ? m_appointmentTime : m_nominationTime) = time;
    return w;
}

QWidget* GuestParticipantPanel::buildNavigation()
{
    auto* w = new QWidget;
    auto* row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    const QList<QPushButton*> buttons =
        GuestWidgets::addButtons(row, this,
                                 {{"Vorhergehender Gast", "", [this] { emit previousClicked(); }},
                                  {"Nächster Gast", "", [this] { emit nextClicked(); }},
                                  {"Neue &Gastbestellung ", "", [this] { emit newGuestClicked(); }},
                                  {"Sterne&konto", "", [this] { emit starAccountClicked(); }}});
    m_previous = buttons.at(0);
    m_next = buttons.at(1);
    row->addStretch();
    return w;
}

void GuestParticipantPanel::connectFields()
{
    connect(m_customer, &QLineEdit::editingFinished, this, [this] { leaveCustomerField(); });
    const std::pair<QCheckBox*, const char*> flags[] = {
        {m_paid, "BEZAHLT"}, {m_appointment, "Verabredung"}, {m_nomination, "BENENNUNG"}};
    for (const auto& [box, name] : flags) {
        const QString fieldName = QString::fromLatin1(name);
        connect(box, &QCheckBox::clicked, this,
                [this, fieldName](bool on) { m_session.setFlag(fieldName, on); });
    }
    for (TMaskedDateEdit* e : {m_appointmentDate, m_nominationDate}) {
        connect(e, &TMaskedDateEdit::dateChanged, this, [this, e](const QDate& d) {
            if (!m_showing)
                m_session.setDate(e->objectName(), d);
        });
    }
    for (QLineEdit* e : {m_appointmentTime, m_nominationTime})
        connect(e, &QLineEdit::editingFinished, this, [this, e] { leaveTime(e); });
}

bool GuestParticipantPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick && watched == m_address) {
        emit editCustomerClicked();
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

void GuestParticipantPanel::showParticipant()
{
    const QScopedValueRollback<bool> showing(m_showing, true);
    const auto& p = m_session.participant();
    m_pNr->setText(m_session.pNr());
    if (!m_customer->hasFocus())
        m_customer->setText(field(p, "K_NR"));
    const bool host = m_session.isHost();
    m_customer->setEnabled(!host);
    for (QPushButton* b : m_customerButtons)
        b->setEnabled(!host);
    const auto customer = m_session.customer();
    m_address->setText(customer ? address(*customer) : QString());
    m_paid->setChecked(p.value(QStringLiteral("BEZAHLT")).toBool());
    m_appointment->setChecked(p.value(QStringLiteral("Verabredung")).toBool());
    m_nomination->setChecked(p.value(QStringLiteral("BENENNUNG")).toBool());
    m_appointmentDate->setDate(p.value(QStringLiteral("Verabred_DATUM")).toDate());
    m_nominationDate->setDate(p.value(QStringLiteral("BENE_DATUM")).toDate());
    showTime(m_appointmentTime, p.value(QStringLiteral("Verabred_ZEIT")));
    showTime(m_nominationTime, p.value(QStringLiteral("BENE_ZEIT")));
    m_previous->setEnabled(m_session.hasPrevious());
    m_next->setEnabled(m_session.hasNext());
}

void GuestParticipantPanel::leaveCustomerField()
{
    if (m_showing || m_session.isHost())
        return;
    if (m_customer->text().trimmed() != field(m_session.participant(), "K_NR")) {
        m_session.setCustomer(m_customer->text());
        showParticipant();
    }
}

void GuestParticipantPanel::leaveTime(QLineEdit* edit)
{
    if (!m_showing && !m_session.setTimeText(edit->objectName(), edit->displayText()))
        m_ui.information(QStringLiteral("Keine gültige Uhrzeit"));
}

void GuestParticipantPanel::pickDate(const QString& name)
{
    TMaskedDateEdit* edit = name == QStringLiteral("Verabred_DATUM") ? m_appointmentDate : m_nominationDate;
    const auto picked = m_ui.pickDate(m_session.participant().value(name).toDate());
    if (!picked)
        return;
    m_session.setDate(name, *picked);
    edit->setDate(*picked);
}

} // namespace korbelant
