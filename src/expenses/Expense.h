#pragma once

#include "expenses/Depreciation.h"

#include <QDate>
#include <QString>

namespace korbelant {

// One purchase of the expense account (Ausgaben) with its depreciation for the year shown.
struct Expense
{
    qint64 ID = 0; // 0 for a purchase not stored yet
    QDate AUSDATUM;
    QString ATEXT;
    double BETRAG = 0;
    int LAUFZEIT = 1; // depreciation period in whole years
    Depreciation depreciation;
};

} // namespace korbelant
