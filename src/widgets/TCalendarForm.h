#pragma once

#include <QDate>
#include <QDialog>
#include <QStringList>
#include <optional>

class QTableWidget;
class QPushButton;

namespace korbelant {

// The pick-a-date dialog "Korbelant - Kalender": one month as a grid with the ISO week of every
// row in a yellow column "Wo". It returns a date, no date ("0") or nothing (cancelled).
class TCalendarForm : public QDialog
{
    Q_OBJECT

public:
    enum class Outcome
    {
        Cancelled,
        Accepted,
        NoDate
    };

    explicit TCalendarForm(QWidget* parent = nullptr);

    // Shows the dialog modally with its lower right corner at the anchor (centred without one).
    // Returns the chosen date, an invalid QDate for "no date", nullopt when cancelled.
    static std::optional<QDate> pick(QWidget* anchor, const QDate& current);

    void setSelectedDate(const QDate& date);
    QDate selectedDate() const { return m_selected; }
    Outcome outcome() const { return m_outcome; }
    // The result in the form pick() returns it.
    std::optional<QDate> result() const;

    // The week column of the month shown, top to bottom ("49", "50", … "01").
    QStringList weekColumn() const;
    // German month name, "Januar" … "Dezember".
    static QString monthName(int month);
    // The caption for a date: "Dezember 3, 2003".
    static QString captionFor(const QDate& date);

    void moveMonths(int months);

private:
    void buildGrid();
    void fillMonth();
    void cellChosen(int row, int column);
    void acceptWith(Outcome outcome);
    QDate dateAt(int row, int column) const;
    QDate firstShownMonday() const;

    QTableWidget* m_grid = nullptr;
    QDate m_selected;
    Outcome m_outcome = Outcome::Cancelled;
    bool m_filling = false;
};

} // namespace korbelant
