#pragma once

#include "customers/DueReminders.h"

#include <QDate>
#include <QDialog>

class QCheckBox;
class QPushButton;
class QTableWidget;

namespace korbelant {

class DataSet;
class UiPort;

// The appointment window: the customers whose follow-up has come, and those with a birthday or
// a party in the coming seven days. A follow-up can be cleared or the customer edited. The two
// check boxes become the options Geburtstage and Vorfuehrungen when the window closes.
class TVWFORM : public QDialog
{
public:
    static inline const QString kCaption =
        QStringLiteral("Folgende Kunden wurden für eine heutige Wiedervorlage ausgewählt :");

    TVWFORM(DataSet& set, UiPort& ui, QWidget* parent = nullptr);

    // Fills the lists for the day and shows the window modally when something is to be reported
    // (see DueReminders::openAtStart). Whether it was shown.
    bool CheckDueReminders(const QDate& today = QDate::currentDate());
    // Fills the lists and shows the window modally, whatever the options say.
    void showFor(const QDate& today = QDate::currentDate());
    // The lists and check boxes as for a showing on that day.
    void fill(const QDate& today);

    void resetFollowUp();
    void editFollowUp();
    void printFollowUps();

    QTableWidget* followUpGrid() const { return m_followUps; }
    QTableWidget* birthdayGrid() const { return m_birthdays; }
    QTableWidget* partyGrid() const { return m_parties; }
    QCheckBox* birthdayBox() const { return m_birthdayBox; }
    QCheckBox* partyBox() const { return m_partyBox; }

protected:
    void done(int result) override;

private:
    QWidget* buildToolBar();
    QTableWidget* makeGrid(const QString& dateHeading, const QColor& background);
    static void fillGrid(QTableWidget* grid, const DueReminders::List& list);
    QString selectedFollowUp() const;

    DataSet& m_set;
    UiPort& m_ui;
    DueReminders m_due;
    QDate m_today;
    QTableWidget* m_followUps;
    QTableWidget* m_birthdays;
    QTableWidget* m_parties;
    QCheckBox* m_birthdayBox;
    QCheckBox* m_partyBox;
    QPushButton* m_print = nullptr;
};

} // namespace korbelant
