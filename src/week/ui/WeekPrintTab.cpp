#include "week/ui/WeekPrintTab.h"

#include "week/TWocheDataModul.h"
#include "week/WeekPrintSet.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace korbelant {

namespace {

constexpr int kOrderList = 2;

} // namespace

WeekPrintTab::WeekPrintTab(TWocheDataModul& week, WeekPrintSet& set, QWidget* parent)
    : QWidget(parent), m_week(week), m_set(set)
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    int column = 0;
    for (const char* caption : {"Bericht", "", "Status", "Drucken", "Anzahl"})
        grid->addWidget(new QLabel(QStringLiteral("<b>%1</b>").arg(QString::fromUtf8(caption)), this), 0,
                        column++);
    for (int k = 1; k <= WeekPrintSet::kReports; ++k)
        addRow(grid, k);
    grid->setColumnStretch(2, 1);

    m_print = new QPushButton(QStringLiteral("&Drucken"), this);
    m_print->setObjectName(QStringLiteral("Drucken"));
    m_print->setToolTip(QStringLiteral("Ausgewählte Formulare drucken"));
    m_print->setAutoDefault(false);
    connect(m_print, &QPushButton::clicked, this, &WeekPrintTab::printRequested);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_print);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
}

void WeekPrintTab::addRow(QGridLayout* grid, int k)
{
    const int row = 2 * k - 1;
    auto* title = new QLabel(m_set.row(k).title, this);
    auto* preview = new QPushButton(QStringLiteral("Vorschau"), this);
    preview->setObjectName(QStringLiteral("Vorschau%1").arg(k));
    preview->setToolTip(QStringLiteral("Vorschau auf den Bericht"));
    preview->setAutoDefault(false);
    connect(preview, &QPushButton::clicked, this, [this, k] { emit previewRequested(k); });
    auto* state = new QLabel(this);
    state->setObjectName(QStringLiteral("Status%1").arg(k));
    auto* toggle = new QCheckBox(this);
    toggle->setObjectName(QStringLiteral("Drucken%1").arg(k));
    toggle->setChecked(m_set.row(k).print);
    connect(toggle, &QCheckBox::toggled, this, [this, k](bool on) { m_set.setPrint(k, on); });
    auto* copies = new QSpinBox(this);
    copies->setObjectName(QStringLiteral("Anzahl%1").arg(k));
    copies->setRange(WeekPrintSet::kMinCopies, WeekPrintSet::kMaxCopies);
    copies->setValue(m_set.row(k).copies);
    connect(copies, &QSpinBox::valueChanged, this, [this, k](int n) { m_set.setCopies(k, n); });
    grid->addWidget(title, row, 0);
    grid->addWidget(preview, row, 1);
    grid->addWidget(state, row, 2);
    grid->addWidget(toggle, row, 3);
    grid->addWidget(copies, row, 4);
    if (k == kOrderList) {
        auto* note = new QLabel(WeekPrintSet::kOrderListNote, this);
        note->setEnabled(false);
        m_tw = new QCheckBox(QStringLiteral("TW"), this);
        m_tw->setObjectName(QStringLiteral("TW"));
        m_tw->setToolTip(QStringLiteral("Bestelliste mit Teilwochen"));
        m_tw->setChecked(m_set.twToggle());
        connect(m_tw, &QCheckBox::toggled, this, [this](bool on) { m_set.setTwToggle(on); });
        grid->addWidget(note, row + 1, 0, 1, 3);
        grid->addWidget(m_tw, row + 1, 3);
    }
    m_states.push_back(state);
    m_previews.push_back(preview);
    m_toggles.push_back(toggle);
    m_copies.push_back(copies);
}

void WeekPrintTab::refreshStates()
{
    for (int k = 1; k <= WeekPrintSet::kReports; ++k)
        state(k)->setText(m_week.hasWeek() ? m_week.ReportPrintState(k) : QString());
}

} // namespace korbelant
