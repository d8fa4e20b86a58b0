#pragma once

#include <QString>
#include <vector>

namespace korbelant {

// One row of the takeover window: a group of tables taken over together, in one transaction.
struct TakeOverRow
{
    QString name;            // "Kundenstamm"
    QString key;             // what the command line calls it: "kunden"
    bool showsCounts = true; // false: the row shows only its status

    // The two rows of the programs that hand over customers and parties only.
    static std::vector<TakeOverRow> customersAndParties()
    {
        return {{QStringLiteral("Kundenstamm"), QStringLiteral("kunden")},
                {QStringLiteral("Vorführungsdaten"), QStringLiteral("vorfuehrungen")}};
    }
};

} // namespace korbelant
