#include "euro/ui/TEuroForm.h"

#include "core/DataSet.h"
#include "core/UiPort.h"
#include "euro/EuroConversion.h"
#include "euro/ui/EuroProgressUi.h"
#include "euro/ui/TEuroRechner.h"
#include "euro/ui/TEuroStatus.h"
#include "euro/ui/TEuroVerify.h"
#include "widgets/DatabaseGuard.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korbelant {

namespace {

const QString kExplanation =
    QStringLiteral("Mit dieser Funktion werden ihre Datenbestände in Euro umgerechnet. Zur "
                   "Sicherheit wird eine Kopie im Unterverzeichniss : /DMDB abgelegt.");
const QString kAlreadyEuro = QStringLiteral(
    "Ihre aktuelle Währung ist Euro. Sie können ihre Datenbestände bis zu einem bestimmten Datum "
    "umrechnen, um einen einheitlichen Stand zu erhalten.");

QLabel* wrapped(const QString& text, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

QPushButton* button(const QString& text, const QString& name, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

TEuroForm::TEuroForm(DataSet& set, UiPort& ui, QWidget* parent, Verify verify, const QDate& today)
    : QDialog(parent), m_set(set), m_ui(ui), m_verify(std::move(verify)), m_today(today),
      m_all(new QRadioButton(QStringLiteral("Alle Daten in Euro umrechnen"), this)),
      m_upToDate(new QRadioButton(QStringLiteral("Daten bis Datum umrechnen"), this)),
      m_date(new QLineEdit(this)),
      m_articles(new QCheckBox(QStringLiteral("Artikelbestände umrechnen."), this))
{
    setObjectName(QStringLiteral("TEuroForm"));
    setWindowTitle(QStringLiteral("€uroverwaltung"));
    setModal(true);
    if (!m_verify)
        m_verify = [this](const EuroRequest& request) { return TEuroVerify::ask(request, m_ui, this); };
    const bool euro = m_set.options().checked(QStringLiteral("Euro"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wrapped(kExplanation, QStringLiteral("Explanation"), this));
    if (euro)
        layout->addWidget(wrapped(kAlreadyEuro, QStringLiteral("AlreadyEuro"), this));
    auto* kind = new QGroupBox(QStringLiteral("Art der Umrechnung"), this);
    auto* kindLayout = new QVBoxLayout(kind);
    m_all->setObjectName(QStringLiteral("AllData"));
    m_upToDate->setObjectName(QStringLiteral("UpToDate"));
    kindLayout->addWidget(m_all);
    kindLayout->addWidget(m_upToDate);
    (euro ? m_upToDate : m_all)->setChecked(true);
    layout->addWidget(kind);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(
        new QLabel(QStringLiteral("Beträge die älter wie dieses Datum sind werden umgerechnet :"), this));
    m_date->setObjectName(QStringLiteral("Date"));
    m_date->setInputMask(QStringLiteral("99.99.9999"));
    m_date->setText(EuroRequest::kPresetDate);
    dateRow->addWidget(m_date);
    layout->addLayout(dateRow);
    m_articles->setObjectName(QStringLiteral("Articles"));
    m_articles->setChecked(true);
    layout->addWidget(m_articles);

    auto* buttons = new QHBoxLayout;
    auto* convert =
        button(QStringLiteral("Datenbankeinträge in Euro umrechnen."), QStringLiteral("ConvertButton"), this);
    auto* calculator = button(QStringLiteral("&Rechner"), QStringLiteral("CalculatorButton"), this);
    auto* cancel = button(QStringLiteral("A&bbrechen"), QStringLiteral("CancelButton"), this);
    connect(convert, &QPushButton::clicked, this, &TEuroForm::convertClick);
    connect(calculator, &QPushButton::clicked, this, [this] { TEuroRechner::showFor(m_ui, this); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(convert);
    buttons->addWidget(calculator);
    buttons->addStretch();
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

EuroRequest TEuroForm::request() const
{
    EuroRequest request;
    request.allData = m_all->isChecked();
    request.dateText = m_date->text();
    request.articles = m_articles->isChecked();
    return request;
}

void TEuroForm::convertClick()
{
    TEuroStatus status(this);
    EuroProgressUi progress(m_ui, status);
    auto outcome = EuroConversion::Outcome::Refused;
    guardDatabase(m_ui, [&] { outcome = EuroConversion(m_set, progress, m_today).run(request(), m_verify); });
    if (EuroConversion::endsProgram(outcome)) {
        m_programEnds = true;
        accept();
    }
}

bool TEuroForm::run(DataSet& set, UiPort& ui, QWidget* parent)
{
    TEuroForm form(set, ui, parent);
    form.exec();
    return form.programEnds();
}

} // namespace korbelant
