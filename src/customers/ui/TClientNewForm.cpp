#include "customers/ui/TClientNewForm.h"

#include "core/Schema.h"
#include "core/UiPort.h"
#include "customers/ContactFlags.h"
#include "customers/CustomerMail.h"
#include "customers/GuestType.h"
#include "customers/PlaceChooser.h"
#include "customers/ui/FieldEditors.h"
#include "customers/ui/OrteChooser.h"
#include "customers/ui/TKMForm.h"
#include "customers/ui/TOrteForm.h"
#include "widgets/DatabaseGuard.h"
#include "widgets/DateField.h"
#include "widgets/FieldWidth.h"
#include "widgets/TMaskedDateEdit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTime>
#include <QVBoxLayout>

namespace korbelant {

namespace {

using Record = TClientDataModul::Record;

const char* const kCapitalFirst[] = {"NAME", "VORNAME", "STRASSE", "ORT"};
const char* const kAllCapitals[] = {"BZH_VERANSTALT", "MCODE", "MCODE2", "MCODE3"};
const char* const kTelephones[] = {"TELEFON", "TELEFON2", "FAX"};

struct Choice
{
    const char* code;
    const char* caption;
};

const Choice kMaritalStates[] = {
    {"U", "Unbekannt"}, {"V", "Verheiratet"}, {"L", "Ledig"}, {"G", "Geschieden"}, {"W", "Verwitwet"}};

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

int widthOf(const QString& field)
{
    const FieldDef* def = Schema::get(QStringLiteral("Kunden")).field(field);
    return def ? def->width : 0;
}

// Radio buttons named by their codes, three to a row.
template <typename Choices>
QGroupBox* radioGroup(const QString& title, const Choices& choices, QButtonGroup* group, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QGridLayout(box);
    int i = 0;
    for (const auto& choice : choices) {
        auto* radio = new QRadioButton(QString(choice.caption), box);
        radio->setObjectName(QString(choice.code));
        group->addButton(radio, i);
        layout->addWidget(radio, i / 3, i % 3);
        ++i;
    }
    return box;
}

QString checkedCode(const QButtonGroup* group)
{
    return group->checkedButton() ? group->checkedButton()->objectName() : QString();
}

void checkCode(QButtonGroup* group, const QString& code)
{
    for (QAbstractButton* b : group->buttons()) {
        if (b->objectName().compare(code.trimmed(), Qt::CaseInsensitive) == 0) {
            b->setChecked(true);
            return;
        }
    }
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}

QAbstractButton* buttonWithCode(const QButtonGroup* group, const QString& code)
{
    for (QAbstractButton* b : group->buttons()) {
        if (b->objectName() == code)
            return b;
    }
    return nullptr;
}

} // namespace

TClientNewForm::TClientNewForm(TClientDataModul& store, QWidget* parent) : QDialog(parent), m_store(store)
{
    setObjectName(QStringLiteral("TClientNewForm"));
    setWindowTitle(kDefaultTitle);
    auto* layout = new QVBoxLayout(this);

    auto* head = new QHBoxLayout;
    head->addWidget(new QLabel(QStringLiteral("Kunden-Nr. :"), this));
    m_number = new QLabel(this);
    m_number->setObjectName(QStringLiteral("K_NR"));
    head->addWidget(m_number);
    m_fullName = new QLineEdit(this);
    m_fullName->setObjectName(QStringLiteral("GanzerName"));
    m_fullName->setReadOnly(true);
    m_fullName->setFocusPolicy(Qt::NoFocus);
    head->addWidget(m_fullName, 1);
    m_previous = new QPushButton(QStringLiteral("<"), this);
    m_next = new QPushButton(QStringLiteral(">"), this);
    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    auto* cancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
    auto* mail = new QPushButton(QStringLiteral("Mail senden"), this);
    for (QPushButton* b : {m_previous, m_next, ok, cancel, mail}) {
        b->setAutoDefault(false);
        head->addWidget(b);
    }
    layout->addLayout(head);

    m_pages = new QTabWidget(this);
    m_pages->addTab(buildAddressPage(), QStringLiteral("Adressdaten"));
    m_pages->addTab(buildExtraPage(), QStringLiteral("Zusatzdaten"));
    layout->addWidget(m_pages, 1);

    connect(ok, &QPushButton::clicked, this, &TClientNewForm::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(mail, &QPushButton::clicked, this, &TClientNewForm::sendMail);
    connect(m_previous, &QPushButton::clicked, this, [this] { step(-1); });
    connect(m_next, &QPushButton::clicked, this, [this] { step(1); });
    setNavigator({});
}

QLineEdit* TClientNewForm::addEdit(const QString& field)
{
    QLineEdit* e = FieldEditors::lineEdit(this, field, widthOf(field));
    m_edits.insert(field, e);
    return e;
}

DateField* TClientNewForm::addDate(const QString& field, QWidget* parent)
{
    DateField* date = FieldEditors::dateField(parent, this, field, m_store.ui());
    m_dates.insert(field, date);
    return date;
}

QWidget* TClientNewForm::buildAddressPage()
{
    auto* page = new QWidget(this);
    auto* columns = new QHBoxLayout(page);
    auto* form = new QFormLayout;
    addNameRows(form, page);
    addPlaceRows(form, page);
    addDistanceRow(form, page);
    for (auto [field, label] : {std::pair{"TELEFON", "Telefon :"}, std::pair{"TELEFON2", "Telefon 2 :"},
                                std::pair{"FAX", "Fax :"}, std::pair{"E-MAIL", "E-Mail :"}})
        form->addRow(s(label), addEdit(s(field)));
    columns->addLayout(form, 1);

    auto* right = new QVBoxLayout;
    m_guestType = new QButtonGroup(this);
    right->addWidget(radioGroup(QStringLiteral("Gasttyp"), GuestType::choices(), m_guestType, page));
    right->addWidget(buildContactBox(page));
    right->addWidget(buildDatesBox(page));
    columns->addLayout(right, 1);
    capitaliseFirstLetters();
    return page;
}

void TClientNewForm::addNameRows(QFormLayout* form, QWidget* page)
{
    m_salutation = new QComboBox(page);
    m_salutation->setObjectName(QStringLiteral("ANREDE"));
    m_salutation->setEditable(true);
    m_salutation->addItems({QStringLiteral("Frau"), QStringLiteral("Herr"), QStringLiteral("Firma")});
    m_salutation->installEventFilter(this);
    form->addRow(QStringLiteral("Anrede :"), m_salutation);
    for (auto [field, label] :
         {std::pair{"VORNAME", "Vorname :"}, std::pair{"NAME", "Name :"}, std::pair{"STRASSE", "Straße :"}})
        form->addRow(s(label), addEdit(s(field)));
}

// Postcode and town, each with the button that picks a place from the place directory.
void TClientNewForm::addPlaceRows(QFormLayout* form, QWidget* page)
{
    auto* placeRow = new QHBoxLayout;
    placeRow->addWidget(addEdit(QStringLiteral("LAND")));
    placeRow->addWidget(addEdit(QStringLiteral("PLZ")));
    placeRow->addWidget(placeButton(QStringLiteral("PLZButton"), Place::Order::Postcode, page));
    form->addRow(QStringLiteral("Land / Plz:"), placeRow);
    auto* townRow = new QHBoxLayout;
    townRow->addWidget(addEdit(QStringLiteral("ORT")));
    townRow->addWidget(placeButton(QStringLiteral("ORTButton"), Place::Order::Town, page));
    form->addRow(QStringLiteral("Ort :"), townRow);
}

QPushButton* TClientNewForm::placeButton(const QString& name, Place::Order order, QWidget* page)
{
    auto* button = new QPushButton(QStringLiteral("..."), page);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    FieldWidth::narrow(button);
    connect(button, &QPushButton::clicked, this, [this, order] { placeFromWindow(order); });
    return button;
}

void TClientNewForm::addDistanceRow(QFormLayout* form, QWidget* page)
{
    auto* distanceRow = new QHBoxLayout;
    m_distance = new QSpinBox(page);
    m_distance->setObjectName(QStringLiteral("KM_ENTF"));
    m_distance->setRange(0, 32767);
    m_distance->installEventFilter(this);
    distanceRow->addWidget(m_distance);
    m_distancesButton = new QPushButton(QStringLiteral("Gespeicherte Entfernungen"), page);
    m_distancesButton->setAutoDefault(false);
    distanceRow->addWidget(m_distancesButton);
    connect(m_distancesButton, &QPushButton::clicked, this, [this] {
        if (const auto d = TKMForm::choose(m_store, this))
            m_distance->setValue(d->km);
    });
    form->addRow(QStringLiteral("Entfernung :"), distanceRow);
}

QGroupBox* TClientNewForm::buildContactBox(QWidget* page)
{
    auto* flags = new QGroupBox(QStringLiteral("BZH bezogene Filterkriterien"), page);
    auto* flagLayout = new QVBoxLayout(flags);
    FieldEditors::addContactFlags(flagLayout, this, &ContactFlags::Flag::column, m_flags);
    flagLayout->addWidget(addEdit(QStringLiteral("BZH_VERANSTALT")));
    return flags;
}

QGroupBox* TClientNewForm::buildDatesBox(QWidget* page)
{
    auto* dates = new QGroupBox(QStringLiteral("Datumfelder"), page);
    auto* dateForm = new QFormLayout(dates);
    dateForm->addRow(QStringLiteral("Letzte Teilnahme :"), addDate(QStringLiteral("L_DATUM"), dates));
    dateForm->addRow(QStringLiteral("Kunde seit :"), addDate(QStringLiteral("E_DATUM"), dates));
    auto* next = new QHBoxLayout;
    next->addWidget(addDate(QStringLiteral("N_DATUM"), dates));
    m_time = new QLineEdit(dates);
    m_time->setObjectName(QStringLiteral("N_ZEIT"));
    m_time->setInputMask(QStringLiteral("99:99; "));
    FieldWidth::fitText(m_time, QStringLiteral("00:00"));
    m_time->installEventFilter(this);
    next->addWidget(m_time);
    dateForm->addRow(QStringLiteral("Nächste Vorführung :"), next);
    dateForm->addRow(QStringLiteral("Wiedervorlage :"), addDate(QStringLiteral("WiederVorlage"), dates));
    dateForm->addRow(QStringLiteral("Datum, letzter Kontakt per Telefon:"),
                     addDate(QStringLiteral("L_TELEFON"), dates));
    dateForm->addRow(QStringLiteral("per Mail:"), addDate(QStringLiteral("L_MAIL"), dates));
    dateForm->addRow(QStringLiteral("per Brief:"), addDate(QStringLiteral("L_BRIEF"), dates));
    return dates;
}

void TClientNewForm::capitaliseFirstLetters()
{
    for (const char* field : kCapitalFirst) {
        QLineEdit* e = m_edits.value(s(field));
        connect(e, &QLineEdit::textEdited, this, [this, e](const QString& text) {
            // The first letter typed into the empty field becomes a capital.
            if (text.size() == 1 && text.at(0).isLower())
                e->setText(text.toUpper());
            updateHead();
        });
    }
}

QWidget* TClientNewForm::buildExtraPage()
{
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    m_text = new QPlainTextEdit(page);
    m_text->setObjectName(QStringLiteral("TEXT"));
    form->addRow(QStringLiteral("Bemerkungen :"), m_text);
    form->addRow(QStringLiteral("Geburtstag :"), addDate(QStringLiteral("GEBURTSTAG"), page));
    m_children = new QSpinBox(page);
    m_children->setObjectName(QStringLiteral("KINDER"));
    m_children->setRange(0, 99);
    m_children->installEventFilter(this);
    form->addRow(QStringLiteral("Kinder :"), m_children);
    m_maritalStatus = new QButtonGroup(this);
    form->addRow(radioGroup(QStringLiteral("Familienstandt"), kMaritalStates, m_maritalStatus, page));
    for (auto [field, label] : {std::pair{"MCODE", "Match-Code   :"}, std::pair{"MCODE2", "Match-Code-2 :"},
                                std::pair{"MCODE3", "Match-Code-3 :"}})
        form->addRow(s(label), addEdit(s(field)));
    for (const char* field : kAllCapitals) {
        QLineEdit* e = m_edits.value(s(field));
        connect(e, &QLineEdit::textEdited, this, [e](const QString& text) {
            const int caret = e->cursorPosition();
            e->setText(text.toUpper());
            e->setCursorPosition(caret);
        });
    }
    for (QAbstractButton* b : m_guestType->buttons() + m_maritalStatus->buttons())
        b->installEventFilter(this);
    return page;
}

QAbstractButton* TClientNewForm::guestTypeButton(const QString& code) const
{
    return buttonWithCode(m_guestType, code);
}

QAbstractButton* TClientNewForm::maritalStatusButton(const QString& code) const
{
    return buttonWithCode(m_maritalStatus, code);
}

void TClientNewForm::setNavigator(Navigator navigator)
{
    m_navigator = std::move(navigator);
    m_previous->setVisible(static_cast<bool>(m_navigator));
    m_next->setVisible(static_cast<bool>(m_navigator));
}

void TClientNewForm::setRecord(const Record& record, bool isNew)
{
    m_record = record;
    m_isNew = isNew;
    for (auto it = m_edits.cbegin(); it != m_edits.cend(); ++it)
        it.value()->setText(record.value(it.key()).toString());
    for (auto it = m_dates.cbegin(); it != m_dates.cend(); ++it) {
        const QVariant v = record.value(it.key());
        it.value()->setDate(v.typeId() == QMetaType::QDate
                                ? v.toDate()
                                : QDate::fromString(v.toString(), QStringLiteral("dd.MM.yyyy")));
    }
    for (auto it = m_flags.cbegin(); it != m_flags.cend(); ++it)
        it.value()->setChecked(record.value(it.key()).toString().trimmed().compare(QStringLiteral("J"),
                                                                                   Qt::CaseInsensitive) == 0);
    m_salutation->setCurrentText(record.value(QStringLiteral("ANREDE")).toString());
    m_text->setPlainText(record.value(QStringLiteral("TEXT")).toString());
    m_distance->setValue(record.value(QStringLiteral("KM_ENTF")).toInt());
    m_children->setValue(record.value(QStringLiteral("KINDER")).toInt());
    const QVariant time = record.value(QStringLiteral("N_ZEIT"));
    m_time->setText(time.typeId() == QMetaType::QTime ? time.toTime().toString(QStringLiteral("HH:mm"))
                                                      : time.toString().left(5));
    checkCode(m_guestType, record.value(QStringLiteral("GASTGEBER")).toString());
    checkCode(m_maritalStatus, record.value(QStringLiteral("FAM_STAND")).toString());
    updateHead();
    updateDistancesButton();
    m_pages->setCurrentIndex(0);
    m_salutation->setFocus();
}

Record TClientNewForm::record() const
{
    Record r = m_record;
    for (auto it = m_edits.cbegin(); it != m_edits.cend(); ++it)
        r.insert(it.key(), it.value()->text());
    for (auto it = m_dates.cbegin(); it != m_dates.cend(); ++it)
        r.insert(it.key(), it.value()->date());
    for (auto it = m_flags.cbegin(); it != m_flags.cend(); ++it)
        r.insert(it.key(), it.value()->isChecked() ? QStringLiteral("J") : QStringLiteral("N"));
    r.insert(QStringLiteral("ANREDE"), m_salutation->currentText());
    r.insert(QStringLiteral("TEXT"), m_text->toPlainText());
    r.insert(QStringLiteral("KM_ENTF"), m_distance->value());
    r.insert(QStringLiteral("KINDER"), m_children->value());
    r.insert(QStringLiteral("N_ZEIT"), m_time->text());
    r.insert(QStringLiteral("GASTGEBER"), checkedCode(m_guestType));
    r.insert(QStringLiteral("FAM_STAND"), checkedCode(m_maritalStatus));
    return r;
}

void TClientNewForm::updateHead()
{
    m_number->setText(m_record.value(QStringLiteral("K_NR")).toString());
    Record r = record();
    TClientDataModul::calcFields(r);
    m_fullName->setText(r.value(QStringLiteral("GanzerName")).toString());
}

void TClientNewForm::updateDistancesButton()
{
    m_distancesButton->setVisible(m_store.kmOpen() && !m_store.distances().empty());
}

bool TClientNewForm::edit(TClientDataModul& store, Record& record, bool isNew, const QString& title,
                          QWidget* parent, Navigator navigator)
{
    TClientNewForm form(store, parent);
    form.setWindowTitle(title.isEmpty() ? kDefaultTitle : title);
    form.setNavigator(std::move(navigator));
    form.setRecord(record, isNew);
    if (form.exec() != QDialog::Accepted)
        return false;
    record = form.m_record;
    return true;
}

std::optional<QString> TClientNewForm::createNew(TClientDataModul& store, const QString& title,
                                                 QWidget* parent)
{
    const CustomerEditor dialog = [&store, parent](Record& record, bool isNew, const QString& caption) {
        return edit(store, record, isNew, caption, parent);
    };
    return createNew(store, dialog, title);
}

std::optional<QString> TClientNewForm::createNew(TClientDataModul& store, const CustomerEditor& editor,
                                                 const QString& title, const Record& entries)
{
    Record record;
    if (!guardDatabase(store.ui(), [&] { record = store.newCustomer(); }))
        return std::nullopt;
    record.insert(entries);
    if (!editor || !editor(record, true, title))
        return std::nullopt; // cancelled: nothing is stored
    return record.value(QStringLiteral("K_NR")).toString();
}

void TClientNewForm::okClicked()
{
    // A date being typed is checked as leaving its field would.
    if (auto* date = qobject_cast<TMaskedDateEdit*>(focusWidget()); date && !date->checkEntry())
        return;
    const Record entered = record();
    const TClientDataModul::PostResult result = m_store.post(entered, m_isNew);
    if (result.rejectedEntry) {
        m_store.ui().warning(result.error);
        return;
    }
    m_done = true;
    if (!result.ok) {
        reject(); // the change is cancelled without a word
        return;
    }
    m_record = m_store.load(entered.value(QStringLiteral("K_NR")).toString()).value_or(entered);
    accept();
}

void TClientNewForm::closeEvent(QCloseEvent* event)
{
    // Closing the window stores a pending change; if that fails, the change is cancelled.
    if (!m_done && result() != QDialog::Accepted) {
        const TClientDataModul::PostResult posted = m_store.post(record(), m_isNew);
        m_done = true;
        setResult(posted.ok ? QDialog::Accepted : QDialog::Rejected);
        if (posted.ok)
            m_record = m_store.load(m_record.value(QStringLiteral("K_NR")).toString()).value_or(m_record);
    }
    QDialog::closeEvent(event);
}

void TClientNewForm::step(int direction)
{
    if (!m_navigator)
        return;
    const Record entered = record();
    const auto posted = m_store.post(entered, m_isNew);
    if (posted.rejectedEntry) {
        m_store.ui().warning(posted.error);
        return;
    }
    const auto other = m_navigator(entered.value(QStringLiteral("K_NR")).toString(), direction);
    if (!other)
        return;
    if (const auto loaded = m_store.load(*other))
        setRecord(*loaded, false);
}

void TClientNewForm::sendMail()
{
    if (const auto url = CustomerMail::single(m_edits.value(QStringLiteral("E-MAIL"))->text(), m_store.ui()))
        QDesktopServices::openUrl(*url);
}

void TClientNewForm::applyPlace(const Record& r)
{
    m_edits.value(QStringLiteral("ORT"))->setText(r.value(QStringLiteral("ORT")).toString());
    m_edits.value(QStringLiteral("PLZ"))->setText(r.value(QStringLiteral("PLZ")).toString());
    if (r.contains(QStringLiteral("KM_ENTF")))
        m_distance->setValue(r.value(QStringLiteral("KM_ENTF")).toInt());
    updateHead();
}

void TClientNewForm::placeLookup(bool townForPostcode)
{
    Record r = record();
    OrteChooser chooser(m_store, this);
    const bool changed =
        townForPostcode ? m_store.TownForPostcode(r, chooser) : m_store.PostcodeForTown(r, chooser);
    if (changed)
        applyPlace(r);
}

void TClientNewForm::placeFromWindow(Place::Order order)
{
    const auto place = TOrteForm::choose(m_store, order, this);
    if (!place)
        return;
    Record r;
    r.insert(QStringLiteral("ORT"), place->town);
    r.insert(QStringLiteral("PLZ"), place->postcode);
    if (const auto km = m_store.DistanceFor(place->postcode, place->town))
        r.insert(QStringLiteral("KM_ENTF"), *km);
    applyPlace(r);
}

void TClientNewForm::enterTelephone(QLineEdit* edit)
{
    const QString postcode = m_edits.value(QStringLiteral("PLZ"))->text().trimmed();
    if (!edit->text().isEmpty() || postcode.isEmpty())
        return;
    if (const auto code = m_store.AreaCode(postcode, m_edits.value(QStringLiteral("ORT"))->text())) {
        edit->setText(*code + QLatin1Char('/'));
        edit->setCursorPosition(edit->text().size());
    }
}

void TClientNewForm::leaveTelephone(QLineEdit* edit)
{
    const auto code = m_store.AreaCode(m_edits.value(QStringLiteral("PLZ"))->text(),
                                       m_edits.value(QStringLiteral("ORT"))->text());
    if (code && edit->text() == *code + QLatin1Char('/'))
        edit->clear();
}

bool TClientNewForm::eventFilter(QObject* watched, QEvent* event)
{
    QLineEdit* town = m_edits.value(QStringLiteral("ORT"));
    QLineEdit* postcode = m_edits.value(QStringLiteral("PLZ"));
    const bool townEmpty = town->text().trimmed().isEmpty();
    const bool postcodeEmpty = postcode->text().trimmed().isEmpty();
    if (event->type() == QEvent::FocusIn) {
        if (watched == town && townEmpty && !postcodeEmpty)
            placeLookup(true);
        else if (watched == postcode && postcodeEmpty && !townEmpty)
            placeLookup(false);
        for (const char* field : kTelephones) {
            if (watched == m_edits.value(s(field)))
                enterTelephone(m_edits.value(s(field)));
        }
    } else if (event->type() == QEvent::FocusOut) {
        if (watched == town && postcodeEmpty && !townEmpty)
            placeLookup(false);
        for (const char* field : kTelephones) {
            if (watched == m_edits.value(s(field)))
                leaveTelephone(m_edits.value(s(field)));
        }
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == m_edits.value(QStringLiteral("BZH_VERANSTALT"))) {
                m_pages->setCurrentIndex(1);
                m_maritalStatus->buttons().constFirst()->setFocus();
            } else {
                focusNextChild();
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace korbelant
