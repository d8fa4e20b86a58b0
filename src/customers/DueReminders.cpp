#include "customers/DueReminders.h"

#include "core/Database.h"
#include "core/KundenFields.h"
#include "core/Options.h"

#include <algorithm>

namespace korbelant {

namespace {

QDate inLeapYear(const QDate& date)
{
    return QDate(2000, date.month(), date.day());
}

// Days from today to the birthday within the year of 2000, counted over the year end.
int daysAhead(const QDate& birthday, const QDate& today)
{
    const int days = inLeapYear(today).daysTo(inLeapYear(birthday));
    return days < 0 ? days + 366 : days;
}

} // namespace

bool DueReminders::birthdayDue(const QDate& birthday, const QDate& today)
{
    if (!birthday.isValid() || !today.isValid())
        return false;
    const QDate start = inLeapYear(today);
    const QDate end = start.addDays(6);
    const QDate day = inLeapYear(birthday);
    if (end.year() == 2000)
        return day >= start && day <= end;
    return day >= start || day < QDate(2000, end.month(), end.day());
}

DueReminders::List DueReminders::select(const QString& dateField, const QString& condition,
                                        const QVariantList& params, const QString& order) const
{
    const QString sql =
        QStringLiteral("SELECT %1, K_NR, VORNAME, NAME, STRASSE, PLZ, ORT, TELEFON FROM Kunden "
                       "WHERE %2 ORDER BY %3")
            .arg(dateField, condition, order);
    List list;
    for (const QVariantList& r : m_db.rows(sql, params))
        list.push_back({QDate::fromString(r.at(0).toString(), Qt::ISODate), r.at(1).toString(),
                        r.at(2).toString(), r.at(3).toString(), r.at(4).toString(), r.at(5).toString(),
                        r.at(6).toString(), r.at(7).toString()});
    return list;
}

DueReminders::List DueReminders::followUps(const QDate& today) const
{
    return select(KundenFields::WiederVorlage, QStringLiteral("WiederVorlage >= ? AND WiederVorlage <= ?"),
                  {kEarliest.toString(Qt::ISODate), today.toString(Qt::ISODate)},
                  QStringLiteral("WiederVorlage DESC, K_NR"));
}

DueReminders::List DueReminders::birthdays(const QDate& today) const
{
    List all = select(KundenFields::GEBURTSTAG, QStringLiteral("GEBURTSTAG IS NOT NULL"), {},
                      QStringLiteral("K_NR"));
    List due;
    std::copy_if(all.begin(), all.end(), std::back_inserter(due),
                 [&](const Customer& c) { return birthdayDue(c.date, today); });
    std::stable_sort(due.begin(), due.end(), [&](const Customer& a, const Customer& b) {
        return daysAhead(a.date, today) < daysAhead(b.date, today);
    });
    return due;
}

DueReminders::List DueReminders::parties(const QDate& today) const
{
    return select(KundenFields::N_DATUM, QStringLiteral("N_DATUM >= ? AND N_DATUM < ?"),
                  {today.toString(Qt::ISODate), today.addDays(7).toString(Qt::ISODate)},
                  QStringLiteral("N_DATUM, K_NR"));
}

bool DueReminders::openAtStart(const Options& options, const QDate& today) const
{
    if (!followUps(today).empty())
        return true;
    if (!options.checked(QStringLiteral("Geburtstage")) && !options.checked(QStringLiteral("Vorfuehrungen")))
        return false;
    return !birthdays(today).empty() || !parties(today).empty();
}

void DueReminders::clearFollowUp(const QString& customerNumber)
{
    m_db.run(QStringLiteral("UPDATE Kunden SET WiederVorlage = NULL WHERE K_NR = ?"), {customerNumber});
}

} // namespace korbelant
