#include "customers/ui/TSimpleFilterForm.h"

#include "core/UiPort.h"
#include "customers/ContactFlags.h"
#include "customers/GuestType.h"
#include "customers/TClientDataModul.h"
#include "customers/ui/FieldEditors.h"
#include "customers/ui/TOrteForm.h"
#include "widgets/DateField.h"
#include "widgets/TMaskedDateEdit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>

namespace korbelant {

namespace {

QString s(const char* text)
{
    return QString::fromUtf8(text);
}

const char* const kGeneralDates[] = {"NewDateEdit_LetzterLontaktVON", "NewDateEdit_LetzterLontaktBIS"};
const char* const kMediumDates[] = {
    "NewDateEdit_LetzterLontakt_TEL_VON",   "NewDateEdit_LetzterLontakt_TEL_BIS",
    "NewDateEdit_LetzterLontakt_MAIL_VON",  "NewDateEdit_LetzterLontakt_MAIL_BIS",
    "NewDateEdit_LetzterLontakt_BRIEF_VON", "NewDateEdit_LetzterLontakt_BRIEF_BIS"};

} // namespace

TSimpleFilterForm::TSimpleFilterForm(TClientDataModul& store, QWidget* parent)
    : QDialog(parent), m_store(store)
{
    setObjectName(QStringLiteral("TSimpleFilterForm"));
    setWindowTitle(QStringLiteral("Filter festlegen"));
    auto* layout = new QVBoxLayout(this);
    m_pages = new QTabWidget(this);
    m_pages->addTab(buildMasterPage(), QStringLiteral("Stammdaten"));
    m_pages->addTab(buildExtraPage(), QStringLiteral("Bemerkungen und Zusatzdaten"));
    m_pages->addTab(buildContactPage(), QStringLiteral("Letzter Kontakt"));
    layout->addWidget(m_pages, 1);
    auto* buttons = new QHBoxLayout;
    auto* start = new QPushButton(QStringLiteral("&Filtern starten"), this);
    auto* reset = new QPushButton(QStringLiteral("&Filter zurück"), this);
    auto* cancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
    for (QPushButton* b : {start, reset, cancel}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(start, &QPushButton::clicked, this, &TSimpleFilterForm::startFilter);
    connect(reset, &QPushButton::clicked, this, &TSimpleFilterForm::resetFilter);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setContactPerMedium(false);
}

QLineEdit* TSimpleFilterForm::addEdit(const QString& field, int maxLength)
{
    QLineEdit* e = FieldEditors::lineEdit(this, field, maxLength);
    m_edits.insert(field, e);
    return e;
}

DateField* TSimpleFilterForm::dateField(const QString& field, QWidget* parent)
{
    DateField* date = FieldEditors::dateField(parent, this, field, m_store.ui());
    date->setClearOnCancel(true); // cancelling the calendar empties a filter bound
    m_dates.insert(field, date);
    return date;
}

QWidget* TSimpleFilterForm::rangeRow(QWidget* from, QWidget* to, QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(QStringLiteral("von"), box));
    row->addWidget(from);
    row->addWidget(new QLabel(QStringLiteral("bis"), box));
    row->addWidget(to);
    return box;
}

QWidget* TSimpleFilterForm::buildMasterPage()
{
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    auto* numberFrom = addEdit(QStringLiteral("K_NR_MIN"), 6);
    auto* numberTo = addEdit(QStringLiteral("K_NR_max"), 6);
    for (QLineEdit* e : {numberFrom, numberTo})
        e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), e));
    form->addRow(s("Kundennummer        :"), rangeRow(numberFrom, numberTo, page));
    form->addRow(
        s("Name                          :"),
        rangeRow(addEdit(QStringLiteral("Name_Min"), 21), addEdit(QStringLiteral("Name_max"), 21), page));
    QWidget* postcodes[2];
    int i = 0;
    for (const char* field : {"PLZ_min", "PLZ_max"}) {
        auto* box = new QWidget(page);
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(0, 0, 0, 0);
        QLineEdit* e = addEdit(s(field), 0);
        e->setInputMask(QStringLiteral("99 999;_"));
        row->addWidget(e);
        auto* picker = new QPushButton(QStringLiteral("..."), box);
        picker->setObjectName(s(field) + QStringLiteral("Button"));
        picker->setAutoDefault(false);
        picker->setFocusPolicy(Qt::NoFocus);
        connect(picker, &QPushButton::clicked, this, [this, e] {
            if (const auto place = TOrteForm::choose(m_store, Place::Order::Postcode, this))
                e->setText(place->postcode);
        });
        row->addWidget(picker);
        postcodes[i++] = box;
    }
    form->addRow(s("Postleitzahl                :"), rangeRow(postcodes[0], postcodes[1], page));
    form->addRow(
        s("Ort                                  :"),
        rangeRow(addEdit(QStringLiteral("Ort_MIN"), 19), addEdit(QStringLiteral("Ort_MAX"), 19), page));
    form->addRow(
        s("E-mail                           :"),
        rangeRow(addEdit(QStringLiteral("EMAIL_MIN"), 19), addEdit(QStringLiteral("EMAIL_MAX"), 19), page));
    form->addRow(s("Entfernung                   :"), rangeRow(addEdit(QStringLiteral("KM_MIN"), 19),
                                                               addEdit(QStringLiteral("KM_MAX"), 19), page));
    for (auto [label, from, to] :
         {std::tuple{"Nächste Vorführung :", "NV_min", "NV_max"},
          std::tuple{"Letzte Vorführung     :", "LV_min", "LV_max"},
          std::tuple{"Wiedervorlage :", "WV_MIN", "WV_MAX"}, std::tuple{"Geburtstag :", "GB_MIN", "GB_MAX"}})
        form->addRow(s(label), rangeRow(dateField(s(from), page), dateField(s(to), page), page));

    auto* box = new QGroupBox(QStringLiteral("Gasttyp"), page);
    box->setObjectName(QStringLiteral("GT"));
    auto* grid = new QGridLayout(box);
    m_guestType = new QButtonGroup(this);
    // "Alle" (no code) before the guest types.
    const QList<GuestType::Choice> choices =
        QList<GuestType::Choice>{{QString(), QStringLiteral("Alle")}} + GuestType::choices();
    int n = 0;
    for (const GuestType::Choice& c : choices) {
        auto* radio = new QRadioButton(c.caption, box);
        radio->setObjectName(c.code);
        m_guestType->addButton(radio, n);
        grid->addWidget(radio, n / 3, n % 3);
        ++n;
    }
    m_guestType->button(0)->setChecked(true);
    connect(m_guestType, &QButtonGroup::buttonClicked, this,
            [this](QAbstractButton* b) { m_guestTypeCode = b->objectName(); });
    form->addRow(box);
    return page;
}

QWidget* TSimpleFilterForm::buildExtraPage()
{
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    for (int n = 1; n <= 3; ++n) {
        const QString from = QStringLiteral("mc%1_min").arg(n);
        const QString to = QStringLiteral("mc%1_max").arg(n);
        form->addRow(QStringLiteral("Match-Code  %1           :").arg(n),
                     rangeRow(addEdit(from, 19), addEdit(to, 19), page));
    }
    auto* group = new QGroupBox(s("BZH Kontakt, Kunden herausfiltern die folgendes erfüllen:"), page);
    auto* groupLayout = new QVBoxLayout(group);
    FieldEditors::addContactFlags(groupLayout, this, &ContactFlags::Flag::filterField, m_checks);
    groupLayout->addWidget(addEdit(QStringLiteral("Edit_BZHVF"), 19));
    form->addRow(group);
    auto* orLabel = new QLabel(QStringLiteral("oder"), page);
    QFont big = orLabel->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    orLabel->setFont(big);
    form->addRow(orLabel);
    form->addRow(new QLabel(
        s("Zusätzlich werden alle Bemerkungen werden herausgesucht, die folgenden Text enthalten:"), page));
    form->addRow(addEdit(QStringLiteral("BEdit"), 0));
    return page;
}

QWidget* TSimpleFilterForm::buildContactPage()
{
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    form->addRow(QStringLiteral("Letzter Kontakt:"),
                 rangeRow(dateField(s(kGeneralDates[0]), page), dateField(s(kGeneralDates[1]), page), page));
    m_general = new QRadioButton(QStringLiteral("Allgemein"), page);
    m_general->setObjectName(QStringLiteral("RadioButtonKontaktAllgemein"));
    m_perMedium = new QRadioButton(s("Letzter Kontakt äbhängig vom Medium"), page);
    m_perMedium->setObjectName(QStringLiteral("RadioButtonKontaktEinzeln"));
    form->addRow(m_general);
    form->addRow(m_perMedium);
    form->addRow(QStringLiteral("Telefonisch:"),
                 rangeRow(dateField(s(kMediumDates[0]), page), dateField(s(kMediumDates[1]), page), page));
    form->addRow(QStringLiteral("eMail:"),
                 rangeRow(dateField(s(kMediumDates[2]), page), dateField(s(kMediumDates[3]), page), page));
    form->addRow(QStringLiteral("schriftlich (Brief/Fax):"),
                 rangeRow(dateField(s(kMediumDates[4]), page), dateField(s(kMediumDates[5]), page), page));
    connect(m_general, &QRadioButton::toggled, this, [this](bool on) { setContactPerMedium(!on); });
    return page;
}

void TSimpleFilterForm::setContactPerMedium(bool perMedium)
{
    (perMedium ? m_perMedium : m_general)->setChecked(true);
    // Disabled fields keep their entries; only the fields of the chosen mode are read.
    for (const char* f : kGeneralDates)
        m_dates.value(s(f))->setEnabled(!perMedium);
    for (const char* f : kMediumDates)
        m_dates.value(s(f))->setEnabled(perMedium);
}

CustomerFilter TSimpleFilterForm::filter() const
{
    CustomerFilter f;
    for (auto it = m_edits.cbegin(); it != m_edits.cend(); ++it) {
        QString text = it.value()->text();
        if (it.key().startsWith(QStringLiteral("PLZ")))
            text.remove(QLatin1Char(' ')); // read without the mask's blank
        f.set(it.key(), text);
    }
    for (auto it = m_dates.cbegin(); it != m_dates.cend(); ++it)
        f.set(it.key(), it.value()->dateText());
    for (auto it = m_checks.cbegin(); it != m_checks.cend(); ++it)
        f.set(it.key(), it.value()->isChecked() ? QStringLiteral("J") : QString());
    f.set(QStringLiteral("GTE"), m_guestTypeCode);
    f.setContactPerMedium(m_perMedium->isChecked());
    return f;
}

void TSimpleFilterForm::startFilter()
{
    // A date being typed is checked and completed as leaving its field would.
    if (auto* date = qobject_cast<TMaskedDateEdit*>(focusWidget()); date && !date->checkEntry())
        return;
    accept();
}

void TSimpleFilterForm::resetFilter()
{
    for (QLineEdit* e : m_edits)
        e->clear();
    for (DateField* d : m_dates)
        d->setDate(QDate());
    for (QCheckBox* c : m_checks)
        c->setChecked(false);
    m_guestType->button(0)->setChecked(true);
    m_guestTypeCode.clear();
    m_pages->setCurrentIndex(0);
    m_edits.value(QStringLiteral("K_NR_MIN"))->setFocus();
}

bool TSimpleFilterForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace korbelant
