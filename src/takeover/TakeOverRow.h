#pragma once

#include <QString>

namespace korbelant {

// One row of the takeover window: a group of tables taken over together, in one transaction.
struct TakeOverRow
{
    QString name;            // "Kundenstamm"
    QString key;             // what the command line calls it: "kunden"
    bool showsCounts = true; // false: the row shows only its status
    bool showsDone = true;   // false: a row that ran keeps its status empty (failures still show)
};

} // namespace korbelant
