#pragma once

#include <QHash>
#include <QWidget>

class QLabel;
class QPushButton;

namespace korbelant {

class TWocheDataModul;
class UiPort;
class WeekRecordBinder;

// The tab "Erfolgsübersicht": what the distributor learns of the week beside the parties (planned
// parties, a start party, recruiting visits, the pickup, a remark) and, read-only, the sums of the
// current part-week.
class WeekSuccessTab : public QWidget
{
    Q_OBJECT

public:
    WeekSuccessTab(TWocheDataModul& week, WeekRecordBinder& fields, UiPort& ui, QWidget* parent = nullptr);

    // The sums of part-week row `row` of the part-week sums (none for -1).
    void showSums(int row);
    QLabel* sum(const QString& column) const { return m_sums.value(column); }

private:
    QWidget* plannedParties();
    QWidget* startParty();
    QWidget* visitsAndPickup();
    QWidget* sumsPanel();
    void enterPlanning();

    TWocheDataModul& m_week;
    WeekRecordBinder& m_fields;
    UiPort& m_ui;
    QHash<QString, QLabel*> m_sums;
};

} // namespace korbelant
