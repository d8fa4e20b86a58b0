#include "week/ui/TWeekRLeereWoche.h"

#include "core/UiPort.h"
#include "core/WeekKey.h"
#include "widgets/DialogButtonRow.h"
#include "widgets/FieldWidth.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace korbelant {

namespace {

QLineEdit* digits(QWidget* parent, const QString& name, int count)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(count);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,%1}").arg(count)), edit));
    FieldWidth::fix(edit, count + 1);
    return edit;
}

} // namespace

TWeekRLeereWoche::TWeekRLeereWoche(UiPort& ui, QWidget* parent)
    : QDialog(parent), m_ui(ui), m_year(digits(this, QStringLiteral("Jahr"), 4)),
      m_week(digits(this, QStringLiteral("Woche"), 2))
{
    setObjectName(QStringLiteral("WeekRLeereWoche"));
    setWindowTitle(QStringLiteral("Leere Woche"));
    auto* calendar = new QPushButton(QStringLiteral("..."), this);
    calendar->setObjectName(QStringLiteral("Kalender"));
    calendar->setToolTip(QStringLiteral("Woche aus dem Kalender wählen"));
    FieldWidth::narrow(calendar);
    connect(calendar, &QPushButton::clicked, this, &TWeekRLeereWoche::pickDate);

    auto* fields = new QHBoxLayout;
    fields->addWidget(new QLabel(QStringLiteral("Leere- Woche :"), this));
    fields->addWidget(m_year);
    fields->addWidget(new QLabel(QStringLiteral("/"), this));
    fields->addWidget(m_week);
    fields->addWidget(calendar);
    fields->addStretch();

    const auto buttons = DialogButtonRow::create(this, QStringLiteral("&Ok"), QStringLiteral("&Abbrechen"));
    buttons.ok->setDefault(true);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Die leere Woche eingeben:"), this));
    layout->addLayout(fields);
    layout->addLayout(buttons.row);
    setFromDate(QDate::currentDate());
}

QString TWeekRLeereWoche::year() const
{
    return m_year->text();
}

QString TWeekRLeereWoche::week() const
{
    return m_week->text();
}

void TWeekRLeereWoche::setFromDate(const QDate& date)
{
    const QString key = WeekKey::weekKey(date);
    m_year->setText(key.left(4));
    m_week->setText(key.mid(4, 2));
}

void TWeekRLeereWoche::pickDate()
{
    const auto date = m_ui.pickDate(QDate::currentDate());
    if (date && date->isValid())
        setFromDate(*date);
}

} // namespace korbelant
