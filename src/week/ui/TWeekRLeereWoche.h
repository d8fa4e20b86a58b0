#pragma once

#include <QDialog>

class QLineEdit;

namespace korbelant {

class UiPort;

// "Die leere Woche eingeben:": the year and the week of a new empty week, typed or taken from a
// date chosen in the calendar.
class TWeekRLeereWoche : public QDialog
{
    Q_OBJECT

public:
    explicit TWeekRLeereWoche(UiPort& ui, QWidget* parent = nullptr);

    QString year() const;
    QString week() const;
    // Fills both fields from the week of a date.
    void setFromDate(const QDate& date);

private:
    void pickDate();

    UiPort& m_ui;
    QLineEdit* m_year;
    QLineEdit* m_week;
};

} // namespace korbelant
