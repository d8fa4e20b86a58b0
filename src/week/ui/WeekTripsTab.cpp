#include "week/ui/WeekTripsTab.h"

#include "expenses/ui/TSatzArt.h"
#include "week/TWocheDataModul.h"
#include "week/ui/WeekRecordBinder.h"
#include "widgets/DatabaseGuard.h"
#include "widgets/FieldWidth.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace korbelant {

WeekTripsTab::WeekTripsTab(TWocheDataModul& week, WeekRecordBinder& fields, UiPort& ui, QWidget* parent)
    : QWidget(parent), m_week(week), m_fields(fields), m_ui(ui)
{
    auto* layout = new QGridLayout(this);
    for (int n = 1; n <= kTrips; ++n)
        layout->addWidget(trip(n), (n - 1) / 2, (n - 1) % 2);
    layout->setRowStretch(4, 1);
}

QWidget* WeekTripsTab::trip(int n)
{
    const QString number = QString::number(n);
    auto* box = new QGroupBox(number, this);
    box->setObjectName(QStringLiteral("Fahrt") + number);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Datum :"), box), 0, 0);
    grid->addWidget(m_fields.date(QStringLiteral("FDATUM") + number, box), 0, 1);

    QLineEdit* rate = m_fields.line(QStringLiteral("FVERPFLEG") + number, box);
    FieldWidth::fix(rate, 3);
    auto* rateButton = new QPushButton(QStringLiteral("..."), box);
    rateButton->setObjectName(QStringLiteral("FVERPFLEG") + number + QStringLiteral("Button"));
    rateButton->setToolTip(QStringLiteral("Satzart wählen"));
    rateButton->setAutoDefault(false);
    FieldWidth::narrow(rateButton);
    connect(rateButton, &QPushButton::clicked, this, [this, n] { chooseRate(n); });
    auto* rateRow = new QHBoxLayout;
    rateRow->addWidget(rate);
    rateRow->addWidget(rateButton);
    rateRow->addStretch();
    grid->addWidget(new QLabel(QStringLiteral("Satz :"), box), 0, 2);
    grid->addLayout(rateRow, 0, 3);

    grid->addWidget(new QLabel(QStringLiteral("Text :"), box), 1, 0);
    grid->addWidget(m_fields.line(QStringLiteral("FTEXT") + number, box), 1, 1, 1, 3);
    QLineEdit* km = m_fields.line(QStringLiteral("FKM") + number, box);
    FieldWidth::fix(km, 6);
    km->setAlignment(Qt::AlignRight);
    grid->addWidget(new QLabel(QStringLiteral("km :"), box), 2, 0);
    grid->addWidget(km, 2, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

void WeekTripsTab::chooseRate(int n)
{
    m_fields.commit();
    const QString current = m_week.field(QStringLiteral("FVERPFLEG%1").arg(n)).toString();
    const auto chosen = TSatzArt::choose(m_week.db(), m_ui, current, this);
    if (chosen && guardDatabase(m_ui, [&] { m_week.setTripRate(n, *chosen); }))
        m_fields.refresh();
}

} // namespace korbelant
