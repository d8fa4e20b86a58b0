#pragma once

#include <QWidget>

namespace korbelant {

class TWocheDataModul;
class UiPort;
class WeekRecordBinder;

// The tab "Fahrkosten": up to seven business trips of the week, each with its date, allowance
// rate, description and kilometres. The rate button opens the rate chooser.
class WeekTripsTab : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kTrips = 7;

    WeekTripsTab(TWocheDataModul& week, WeekRecordBinder& fields, UiPort& ui, QWidget* parent = nullptr);

private:
    QWidget* trip(int n);
    void chooseRate(int n);

    TWocheDataModul& m_week;
    WeekRecordBinder& m_fields;
    UiPort& m_ui;
};

} // namespace korbelant
