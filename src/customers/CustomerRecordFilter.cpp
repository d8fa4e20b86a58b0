#include "customers/CustomerRecordFilter.h"

#include "core/SqlPattern.h"

namespace korbelant {

namespace {

const QString kMonthDay = QStringLiteral("IFNULL(substr(GEBURTSTAG, 6, 2) || substr(GEBURTSTAG, 9, 2), '')");
// upper() of SQLite turns only a to z into capitals, and the comparison of its result is by
// character code, as the e-mail bounds have always been compared.
const QString kEmail = QStringLiteral("upper(\"E-MAIL\")");

} // namespace

bool CustomerRecordFilter::isEmpty() const
{
    return birthdayFrom.isEmpty() && birthdayTo.isEmpty() && emailFrom.isEmpty() && emailTo.isEmpty();
}

SqlCondition CustomerRecordFilter::condition() const
{
    SqlCondition c;
    if (!birthdayFrom.isEmpty())
        c.add(kMonthDay + QStringLiteral(" >= ?"), {birthdayFrom});
    if (!birthdayTo.isEmpty())
        c.add(kMonthDay + QStringLiteral(" <= ?"), {birthdayTo});
    if (!emailFrom.isEmpty())
        c.add(kEmail + QStringLiteral(" >= upper(?)"), {emailFrom});
    if (!emailTo.isEmpty())
        c.add(kEmail + QStringLiteral(" <= upper(?)"), {SqlPattern::through(emailTo)});
    return c;
}

QString CustomerRecordFilter::monthDay(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("MMdd")) : QString();
}

} // namespace korbelant
