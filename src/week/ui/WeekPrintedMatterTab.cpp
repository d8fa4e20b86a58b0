#include "week/ui/WeekPrintedMatterTab.h"

#include "week/PrintedMatter.h"
#include "week/TWocheDataModul.h"
#include "week/ui/TDruckSAChange.h"
#include "week/ui/WeekRecordBinder.h"
#include "widgets/DatabaseGuard.h"
#include "widgets/SpinEdit.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <algorithm>

namespace korbelant {

namespace {

constexpr int kPerColumn = 10;

} // namespace

WeekPrintedMatterTab::WeekPrintedMatterTab(TWocheDataModul& week, WeekRecordBinder& fields, UiPort& ui,
                                           QWidget* parent)
    : QWidget(parent), m_week(week), m_fields(fields), m_ui(ui)
{
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(0);
    for (int n = 1; n <= PrintedMatter::kItems; ++n)
        grid->addWidget(item(n), (n - 1) % kPerColumn, (n - 1) / kPerColumn);
    grid->setRowStretch(kPerColumn, 1);
    auto* hint = new QLabel(QStringLiteral("Doppelklick auf eine Bezeichnung ändert sie."), this);
    hint->setEnabled(false);
    grid->addWidget(hint, kPerColumn + 1, 0, 1, 2);
}

QFrame* WeekPrintedMatterTab::item(int n)
{
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Drucksache%1").arg(n));
    frame->setFrameShape(QFrame::NoFrame);
    frame->setLineWidth(1);
    frame->installEventFilter(this);
    QString text;
    guardDatabase(m_ui, [&] { text = PrintedMatter::label(m_week.db(), n); });
    auto* label = new QLabel(text, frame);
    label->setObjectName(QStringLiteral("DruckLabel%1").arg(n));
    label->setMinimumWidth(260);
    label->setWordWrap(true);
    label->installEventFilter(this);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(label, 1);
    row->addWidget(m_fields.spin(QStringLiteral("DR_%1").arg(n), frame));
    m_labels.push_back(label);
    m_rows.push_back(frame);
    return frame;
}

void WeekPrintedMatterTab::editName(int n)
{
    guardDatabase(m_ui, [&] {
        const auto name = PrintedMatter::name(m_week.db(), m_ui, n);
        if (!name)
            return;
        QLabel* shown = label(n);
        const auto changed =
            TDruckSAChange::edit(PrintedMatter::number(n), *name, shown->mapToGlobal(QPoint(0, 0)), this);
        if (changed)
            shown->setText(PrintedMatter::changeName(m_week.db(), m_ui, n, *changed));
    });
}

bool WeekPrintedMatterTab::eventFilter(QObject* watched, QEvent* event)
{
    const auto rowAt = std::find(m_rows.cbegin(), m_rows.cend(), watched);
    if (rowAt != m_rows.cend() && (event->type() == QEvent::Enter || event->type() == QEvent::Leave))
        (*rowAt)->setFrameShape(event->type() == QEvent::Enter ? QFrame::Box : QFrame::NoFrame);
    const auto labelAt = std::find(m_labels.cbegin(), m_labels.cend(), watched);
    if (labelAt != m_labels.cend() && event->type() == QEvent::MouseButtonDblClick) {
        editName(static_cast<int>(labelAt - m_labels.cbegin()) + 1);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace korbelant
