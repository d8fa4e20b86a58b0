#include "parties/ui/TNewVorFForm.h"

#include "core/GermanFormat.h"
#include "core/UiPort.h"
#include "customers/TClientDataModul.h"
#include "customers/ui/TClientFast.h"
#include "customers/ui/TClientNewForm.h"
#include "parties/CountStepper.h"
#include "widgets/DateField.h"
#include "widgets/FieldWidth.h"
#include "widgets/TMaskedDateEdit.h"

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
#include <QToolButton>
#include <QVBoxLayout>

namespace korbelant {

const QStringList TNewVorFForm::kDateFields{QStringLiteral("VORBEREIT1"), QStringLiteral("VORBEREIT2"),
                                            QStringLiteral("AUSLIEFER1"), QStringLiteral("AUSLIEFER2")};

namespace {

QPushButton* button(const QString& caption, const QString& hint, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setToolTip(hint);
    b->setAutoDefault(false); // Enter moves between the fields
    return b;
}

QString text(const TVorFuerModul::Record& h, const char* field)
{
    return h.value(QString::fromLatin1(field)).toString();
}

std::optional<int> countOf(const QLineEdit* edit)
{
    bool ok = false;
    const int n = edit->text().trimmed().toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

QString countText(const QVariant& value)
{
    return value.isNull() ? QString() : QString::number(value.toInt());
}

// The read-only totals with their captions and how they are shown.
struct Total
{
    const char* caption;
    const char* field;
    bool money;
};

const Total kTotals[] = {
    {"Umsatz :", "S_UMSATZ", true},
    {"Sterne-Umsatz :", "UM_STERNE", true},
    {"Umsatz(VA-bereinigt) :", "VKG_UMSATZ", true},
    {"Umsatz(für WB) :", "WB_UMSATZ", true},
    {"Sterne Betrag :", "STERNE_DM", true},
    {"erreichte Sterne :", "MSterne", false},
    {"eingegeb. Sterne :", "STERNE", false},
    {"DBA's :", "S_ANGEBOTE", false},
    {"Serviceprodukte :", "S_VerkServicePr", false},
    {"Verabredungen :", "VERABRED", false},
    {"Benennungen :", "BENENN_TUP", false},
};

} // namespace

TNewVorFForm::TNewVorFForm(TVorFuerModul& modul, TClientDataModul& customers, UiPort& ui,
                           TVorFuerModul::Record header, const QString& caption, QWidget* parent)
    : QDialog(parent), m_modul(modul), m_customers(customers), m_ui(ui), m_header(std::move(header))
{
    setObjectName(QStringLiteral("TNewVorFForm"));
    setWindowTitle(caption);
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(buildHeadBox());
    left->addWidget(buildCountsBox());
    columns->addLayout(left, 2);
    columns->addWidget(buildTotalsBox(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buildButtons());
    showHeader();
}

QLabel* TNewVorFForm::addValue(const QString& field)
{
    auto* label = new QLabel(this);
    label->setObjectName(field);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMinimumWidth(80);
    m_values.insert(field, label);
    return label;
}

QLineEdit* TNewVorFForm::addEdit(int maxLength)
{
    auto* edit = new QLineEdit(this);
    edit->setMaxLength(maxLength);
    edit->installEventFilter(this);
    return edit;
}

QWidget* TNewVorFForm::buildHeadBox()
{
    auto* box = new QGroupBox(this);
    auto* form = new QFormLayout(box);
    form->addRow(QStringLiteral("Vorführungs-Nr. :"), addValue(QStringLiteral("R_NR")));

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(addValue(QStringLiteral("DATUM")));
    QPushButton* changeDate = button(QStringLiteral("Datum ändern"), QString(), box);
    connect(changeDate, &QPushButton::clicked, this, &TNewVorFForm::changeDateClicked);
    dateRow->addWidget(changeDate);
    dateRow->addStretch();
    form->addRow(QStringLiteral("Datum :"), dateRow);

    m_host = addEdit(6);
    m_host->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,6}")), m_host));
    FieldWidth::fitText(m_host, QStringLiteral("000000"));
    connect(m_host, &QLineEdit::editingFinished, this, &TNewVorFForm::hostEntered);
    QPushButton* search =
        button(QStringLiteral("..."),
               QStringLiteral("Kunde in Datenbank suchen und als Gastgeberin übernehmen"), box);
    QPushButton* create = button(QStringLiteral("Neu"),
                                 QStringLiteral("Neuen Kunde anlegen und als Gastgeberin übernehmen."), box);
    FieldWidth::narrow(search);
    connect(search, &QPushButton::clicked, this, &TNewVorFForm::quickSearch);
    connect(create, &QPushButton::clicked, this, &TNewVorFForm::newHost);
    m_hostName = new QLabel(box);
    auto* hostRow = new QHBoxLayout;
    hostRow->addWidget(m_host);
    hostRow->addWidget(search);
    hostRow->addWidget(create);
    hostRow->addWidget(m_hostName, 1);
    form->addRow(QStringLiteral("Kunden -Nr. Gastgeberin :"), hostRow);

    m_year = addEdit(4);
    m_week = addEdit(2);
    auto* weekRow = new QHBoxLayout;
    weekRow->addWidget(new QLabel(QStringLiteral("Jahr     :"), box));
    weekRow->addWidget(m_year);
    weekRow->addWidget(new QLabel(QStringLiteral("Woche     :"), box));
    weekRow->addWidget(m_week);
    weekRow->addWidget(new QLabel(QStringLiteral("Teilwoche    :"), box));
    weekRow->addWidget(addValue(QStringLiteral("TWoche")));
    form->addRow(weekRow);
    form->addRow(QStringLiteral("Eindeutige ID für TW-Bestelldiskette :"),
                 addValue(QStringLiteral("BZH_VF_NR")));
    return box;
}

QWidget* TNewVorFForm::countWithButtons(QLineEdit* count)
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(count);
    for (const bool up : {true, false}) {
        auto* b = new QToolButton(row);
        b->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
        b->setObjectName(up ? QStringLiteral("Up") : QStringLiteral("Down"));
        connect(b, &QToolButton::clicked, this, [this, count, up] { stepCount(count, up); });
        layout->addWidget(b);
    }
    layout->addStretch();
    return row;
}

// A visit date: the calendar opens on the party's date while the field is empty, and every
// change of the date recounts the kilometres.
DateField* TNewVorFForm::addDate(const QString& field, QWidget* parent)
{
    auto* date = new DateField(m_ui, parent);
    date->edit()->setAllowEmpty(true);
    date->edit()->installEventFilter(this);
    date->calendarButton()->setToolTip(QStringLiteral("Kalender"));
    date->setButtonTakesFocus(true);
    date->setPickStart([this] { return m_header.value(QStringLiteral("DATUM")).toDate(); });
    connect(date, &DateField::dateChanged, this, [this] {
        collect();
        showCalculated();
    });
    m_dates.insert(field, date);
    return date;
}

QWidget* TNewVorFForm::buildCountsBox()
{
    auto* box = new QGroupBox(this);
    auto* form = new QFormLayout(box);
    for (QLineEdit** count : {&m_guests, &m_recruitments}) {
        *count = addEdit(5);
        (*count)->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?\\d{0,4}")), *count));
    }
    form->addRow(QStringLiteral("Gäste :"), countWithButtons(m_guests));
    form->addRow(QStringLiteral("Rekrutierungen :"), countWithButtons(m_recruitments));

    for (int pair = 0; pair < 2; ++pair) {
        auto* row = new QHBoxLayout;
        for (int i = 0; i < 2; ++i) {
            DateField* date = addDate(kDateFields.at(pair * 2 + i), box);
            row->addWidget(
                new QLabel(i == 0 ? QStringLiteral("Datum 1 :") : QStringLiteral("Datum 2 :"), box));
            row->addWidget(date);
        }
        form->addRow(pair == 0 ? QStringLiteral("Vorbereitung :") : QStringLiteral("Auslieferung :"), row);
    }

    m_km = addEdit(5);
    m_km->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,5}")), m_km));
    connect(m_km, &QLineEdit::textEdited, this, [this] {
        collect();
        showCalculated();
    });
    form->addRow(QStringLiteral("KM-Einfach zur Gastgeb. :"), m_km);
    form->addRow(QStringLiteral("Summe KM für Vorführung :"), addValue(QStringLiteral("SummeKm")));

    auto* kind = new QGroupBox(QStringLiteral("Art der Vorführung"), box);
    auto* kindRow = new QHBoxLayout(kind);
    m_normal = new QRadioButton(QStringLiteral("normale Vorführung"), kind);
    m_experience = new QRadioButton(QStringLiteral("Erlebnisparty"), kind);
    kindRow->addWidget(m_normal);
    kindRow->addWidget(m_experience);
    form->addRow(kind);

    m_remarks = addEdit(255);
    m_remarks->setToolTip(QStringLiteral("Bemerkungen zur Vorführung"));
    form->addRow(QStringLiteral("Bemerkungen :"), m_remarks);
    return box;
}

QWidget* TNewVorFForm::buildTotalsBox()
{
    auto* box = new QGroupBox(this);
    auto* form = new QFormLayout(box);
    for (const Total& t : kTotals) {
        QLabel* value = addValue(QString::fromLatin1(t.field));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        form->addRow(QString::fromUtf8(t.caption), value);
    }
    return box;
}

QWidget* TNewVorFForm::buildButtons()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    QPushButton* ok = button(QStringLiteral("&Ok"), QString(), bar);
    QPushButton* cancel = button(QStringLiteral("&Abbrechen"), QString(), bar);
    QPushButton* orders =
        button(QStringLiteral("&Bestelleingabe"), QStringLiteral("In die Bestelleingabe wechseln"), bar);
    connect(ok, &QPushButton::clicked, this, [this] { okClicked(false); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(orders, &QPushButton::clicked, this, [this] { okClicked(true); });
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    row->addWidget(orders);
    return bar;
}

void TNewVorFForm::showHeader()
{
    m_values.value(QStringLiteral("R_NR"))->setText(text(m_header, "R_NR"));
    m_values.value(QStringLiteral("DATUM"))
        ->setText(GermanFormat::date(m_header.value(QStringLiteral("DATUM")).toDate()));
    const QString week = text(m_header, "MWoche");
    m_year->setText(week.left(4));
    m_week->setText(week.mid(4, 2));
    m_values.value(QStringLiteral("TWoche"))->setText(text(m_header, "TWoche"));
    m_values.value(QStringLiteral("BZH_VF_NR"))->setText(text(m_header, "BZH_VF_NR"));
    m_host->setText(text(m_header, "K_NR"));
    m_guests->setText(countText(m_header.value(QStringLiteral("GAESTE"))));
    m_recruitments->setText(countText(m_header.value(QStringLiteral("REKRUTIER"))));
    for (const QString& field : kDateFields)
        m_dates.value(field)->setDate(m_header.value(field).toDate());
    m_km->setText(QString::number(m_header.value(QStringLiteral("KM_EINFACH")).toInt()));
    (m_header.value(QStringLiteral("BZH_VF_ART")).toInt() == 1 ? m_experience : m_normal)->setChecked(true);
    m_remarks->setText(text(m_header, "VF_TEXT"));
    for (const Total& t : kTotals) {
        const QVariant v = m_header.value(QString::fromLatin1(t.field));
        if (v.isValid())
            m_values.value(QString::fromLatin1(t.field))
                ->setText(t.money ? GermanFormat::money(v.toDouble()) : QString::number(v.toInt()));
    }
    showCalculated();
}

void TNewVorFForm::showCalculated()
{
    const TVorFuerModul::CalcValues calc = m_modul.TKopfTableCalcFields(m_header);
    m_hostName->setText(calc.name);
    m_values.value(QStringLiteral("SummeKm"))->setText(QString::number(calc.summeKm));
    m_values.value(QStringLiteral("MSterne"))->setText(QString::number(calc.mSterne));
}

void TNewVorFForm::collect()
{
    const auto count = [](const QLineEdit* edit) {
        const auto n = countOf(edit);
        return n ? QVariant(*n) : QVariant();
    };
    m_header[QStringLiteral("GAESTE")] = count(m_guests);
    m_header[QStringLiteral("REKRUTIER")] = count(m_recruitments);
    for (const QString& field : kDateFields) {
        const QDate d = m_dates.value(field)->date();
        m_header[field] = d.isValid() ? QVariant(d) : QVariant();
    }
    m_header[QStringLiteral("KM_EINFACH")] = countOf(m_km).value_or(0);
    m_header[QStringLiteral("BZH_VF_ART")] = m_experience->isChecked() ? 1 : 0;
    m_header[QStringLiteral("VF_TEXT")] = m_remarks->text();
}

void TNewVorFForm::stepCount(QLineEdit* count, bool up)
{
    const auto n = countOf(count);
    if (up) {
        count->setText(QString::number(CountStepper::up(n)));
    } else {
        const auto down = CountStepper::down(n);
        count->setText(down ? QString::number(*down) : QString());
    }
}

void TNewVorFForm::pickDate(const QString& field)
{
    m_dates.value(field)->pickDate();
}

void TNewVorFForm::applyHost(const QString& kNr)
{
    m_host->setText(kNr);
    collect();
    if (kNr.isEmpty()) {
        // No host yet: nothing to take over; "&Ok" asks for a valid number.
        m_header[QStringLiteral("K_NR")] = kNr;
        showCalculated();
        return;
    }
    m_modul.setHost(m_header, kNr);
    m_km->setText(QString::number(m_header.value(QStringLiteral("KM_EINFACH")).toInt()));
    showCalculated();
}

void TNewVorFForm::hostEntered()
{
    const QString kNr = m_host->text().trimmed();
    if (kNr != text(m_header, "K_NR"))
        applyHost(kNr);
}

void TNewVorFForm::quickSearch()
{
    CustomerEditor editor = [this](TClientDataModul::Record& record, bool isNew, const QString& title) {
        return TClientNewForm::edit(m_customers, record, isNew, title, this);
    };
    TClientFast search(m_customers, editor, this);
    if (search.exec() == QDialog::Accepted && !search.chosenNumber().isEmpty())
        applyHost(search.chosenNumber());
}

void TNewVorFForm::newHost()
{
    if (const auto kNr = TClientNewForm::createNew(m_customers, kNewHostTitle, this))
        applyHost(*kNr);
}

void TNewVorFForm::changeDateClicked()
{
    const auto picked = m_ui.pickDate(m_header.value(QStringLiteral("DATUM")).toDate());
    if (!picked || !picked->isValid())
        return;
    hostEntered();
    collect();
    m_modul.changeDate(m_header, *picked);
    showHeader();
}

bool TNewVorFForm::okClicked(bool orderEntry)
{
    for (DateField* date : std::as_const(m_dates)) {
        if (!date->checkEntry())
            return false;
    }
    hostEntered();
    collect();
    if (!m_modul.dialogOk(m_header, m_year->text(), m_week->text()))
        return false;
    m_orderEntry = orderEntry;
    accept();
    return true;
}

bool TNewVorFForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (watched == m_host && m_host->text().trimmed().isEmpty()) {
                quickSearch();
                return true;
            }
            if (watched == m_host)
                hostEntered();
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace korbelant
