#pragma once

#include <QDate>
#include <QString>
#include <vector>

namespace korbelant {

class Database;
class Options;

// The three customer sets of the appointment window, evaluated against a given day: the
// follow-ups that have come, the birthdays and the parties of the coming seven days.
class DueReminders
{
public:
    // Follow-up dates before this day are never due ("01.01.00").
    static inline const QDate kEarliest{2000, 1, 1};

    struct Customer
    {
        QDate date; // the follow-up, the birthday or the next party
        QString kNr;
        QString vorname;
        QString name;
        QString strasse;
        QString plz;
        QString ort;
        QString telefon;
    };
    using List = std::vector<Customer>;

    explicit DueReminders(Database& db) : m_db(db) {}

    // From 01.01.2000 up to and including today, latest first (the order of WVIndex).
    List followUps(const QDate& today) const;
    // Birthdays falling on today or the six days after it, in the order they come.
    List birthdays(const QDate& today) const;
    // Next parties with today <= N_DATUM < today + 7, earliest first.
    List parties(const QDate& today) const;
    // Whether the window opens by itself at start: with Geburtstage or Vorfuehrungen set, when
    // any list holds a customer; with both cleared only for a due follow-up.
    bool openAtStart(const Options& options, const QDate& today) const;
    // Clears the follow-up date of a customer and stores it at once.
    void clearFollowUp(const QString& customerNumber);

    // Whether a birthday falls in the week from today. Day and month are placed in the leap
    // year 2000, so 29 February lies between 28 February and 1 March; across the year end the
    // days of January count up to the day before today + 6 (on 28 December the 2 January is in,
    // the 3 January out).
    static bool birthdayDue(const QDate& birthday, const QDate& today);

private:
    List select(const QString& dateField, const QString& condition, const QVariantList& params,
                const QString& order) const;

    Database& m_db;
};

} // namespace korbelant
