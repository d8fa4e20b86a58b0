#include "week/ui/WeekSuccessTab.h"

#include "core/GermanFormat.h"
#include "core/MWocheFields.h"
#include "week/TWocheDataModul.h"
#include "week/ui/WeekRecordBinder.h"
#include "widgets/DatabaseGuard.h"
#include "widgets/FieldWidth.h"
#include "widgets/SpinEdit.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korbelant {

namespace {

using W = MWocheFields;

struct Sum
{
    const char* caption;
    const char* column;
    bool amount;
};

const Sum kSums[] = {{"Verabredungen", "S_VERABRED", false},
                     {"Benennungen", "BENENNUNG", false},
                     {"Rekrutierunge", "S_REKRUTI", false},
                     {"Anzahl Sterne", "S_STERNE", false},
                     {"Serviceprodukte", "S_ZUGFEDER", false},
                     {"DBA 'S", "S_ANGEBOTE", false},
                     {"Umsatz", "SS_UMSATZ", true},
                     {"Ausgaben", "SS_AUSGABE", true},
                     {"Sternebetrag", "S_STERNE_B", true},
                     {"Umsatz(VA bereinigt):", "SVKG_UMSATZ", true},
                     {"Umsatz(für WB)", "SWB_UMSATZ", true}};

QString sumText(const QVariant& value, bool amount)
{
    if (!value.isValid())
        return {};
    return amount ? GermanFormat::number(value.toDouble(), 2) : QString::number(value.toLongLong());
}

} // namespace

WeekSuccessTab::WeekSuccessTab(TWocheDataModul& week, WeekRecordBinder& fields, UiPort& ui, QWidget* parent)
    : QWidget(parent), m_week(week), m_fields(fields), m_ui(ui)
{
    auto* left = new QVBoxLayout;
    auto* top = new QHBoxLayout;
    top->addWidget(plannedParties());
    top->addWidget(startParty(), 1);
    left->addLayout(top);
    left->addWidget(visitsAndPickup());
    left->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(sumsPanel());
}

QWidget* WeekSuccessTab::plannedParties()
{
    auto* box = new QGroupBox(QStringLiteral("Geplante Vorführungen"), this);
    auto* form = new QFormLayout(box);
    for (int k = 1; k <= 6; ++k)
        form->addRow(QStringLiteral("%1. Woche :").arg(k),
                     m_fields.spin(QStringLiteral("VORFUEHR_%1").arg(k), box));
    auto* plan = new QPushButton(QStringLiteral("&Planung eintragen"), box);
    plan->setObjectName(QStringLiteral("PlanungEintragen"));
    plan->setToolTip(
        QStringLiteral("Die geplanten Vorführungen aus den nächsten Vorführungen der Kunden eintragen"));
    plan->setAutoDefault(false);
    connect(plan, &QPushButton::clicked, this, &WeekSuccessTab::enterPlanning);
    form->addRow(plan);
    return box;
}

QWidget* WeekSuccessTab::startParty()
{
    auto* box = new QGroupBox(QStringLiteral("Startvorführung"), this);
    auto* form = new QFormLayout(box);
    QLineEdit* name = m_fields.line(W::Start_NAME, box);
    FieldWidth::fix(name, 12);
    QLineEdit* turnover = m_fields.line(W::Start_VF, box);
    FieldWidth::fix(turnover, 10);
    turnover->setAlignment(Qt::AlignRight);
    QLineEdit* account = m_fields.line(W::Start_BER, box);
    FieldWidth::fix(account, 7);
    form->addRow(QStringLiteral("Name :"), name);
    form->addRow(QStringLiteral("Umsatz :"), turnover);
    form->addRow(QStringLiteral("Ber. Kto. gutsch."), account);
    return box;
}

QWidget* WeekSuccessTab::visitsAndPickup()
{
    auto* panel = new QWidget(this);
    auto* form = new QFormLayout(panel);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(QStringLiteral("GB-Rekrutierungsbesuche"), m_fields.spin(W::REK_BESUCH, panel));

    auto* pickup = new QGroupBox(QStringLiteral("Abholung"), panel);
    auto* pickupRow = new QHBoxLayout(pickup);
    pickupRow->addWidget(new QLabel(QStringLiteral("Datum :"), pickup));
    pickupRow->addWidget(m_fields.date(W::A_DATUM, pickup));
    pickupRow->addWidget(new QLabel(QStringLiteral("Zeit :"), pickup));
    pickupRow->addWidget(m_fields.time(W::A_ZEIT, pickup));
    pickupRow->addStretch();
    form->addRow(pickup);
    form->addRow(QStringLiteral("Bemerkung :"), m_fields.line(W::Bemerkung, panel));
    return panel;
}

QWidget* WeekSuccessTab::sumsPanel()
{
    auto* box = new QGroupBox(QStringLiteral("Summen der Teilwoche :"), this);
    auto* grid = new QGridLayout(box);
    int row = 0;
    for (const Sum& sum : kSums) {
        auto* value = new QLabel(box);
        value->setObjectName(QString::fromLatin1(sum.column));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setFrameShape(QFrame::StyledPanel);
        value->setMinimumWidth(90);
        grid->addWidget(new QLabel(QString::fromUtf8(sum.caption), box), row, 0);
        grid->addWidget(value, row, 1);
        m_sums.insert(QString::fromLatin1(sum.column), value);
        ++row;
    }
    grid->setRowStretch(row, 1);
    return box;
}

void WeekSuccessTab::showSums(int row)
{
    const ResultTable& sums = m_week.TWocheQuery();
    for (const Sum& sum : kSums) {
        const QString column = QString::fromLatin1(sum.column);
        const QVariant value = row >= 0 && row < sums.rowCount() ? sums.value(row, column) : QVariant();
        m_sums.value(column)->setText(sumText(value, sum.amount));
    }
}

void WeekSuccessTab::enterPlanning()
{
    m_fields.commit();
    if (guardDatabase(m_ui, [this] { m_week.planungEintragen(); }))
        m_fields.refresh();
}

} // namespace korbelant
