#pragma once

#include "core/SqlCondition.h"

#include <QDate>
#include <QString>

namespace korbelant {

// The four optional bounds the customer lists set on the customer table: a birthday from and to
// as month and day (four digits, MMDD) and an e-mail address from and to. Every bound that is
// set narrows the rows; the bounds come on top of any other filter.
struct CustomerRecordFilter
{
    QString birthdayFrom;
    QString birthdayTo;
    QString emailFrom;
    QString emailTo;

    bool isEmpty() const;
    // A customer without a birthday has the empty month and day, which lies below every bound.
    // E-mail addresses compare in capitals; the upper bound lets every address pass that begins
    // with it.
    SqlCondition condition() const;
    static QString monthDay(const QDate& date); // "MMDD", empty without a date
};

} // namespace korbelant
