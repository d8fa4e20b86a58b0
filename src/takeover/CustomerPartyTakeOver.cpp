#include "takeover/CustomerPartyTakeOver.h"

namespace korbelant {

std::vector<TakeOverRow> CustomerPartyTakeOver::rows() const
{
    return {{QStringLiteral("Kundenstamm"), QStringLiteral("kunden")},
            {QStringLiteral("Vorführungsdaten"), QStringLiteral("vorfuehrungen")}};
}

void CustomerPartyTakeOver::runRow(TakeOverRun& run, int row)
{
    if (row == Customers)
        customers(run);
    else if (row == Parties)
        parties(run);
}

} // namespace korbelant
