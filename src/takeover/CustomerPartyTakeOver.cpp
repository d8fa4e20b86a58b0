#include "takeover/CustomerPartyTakeOver.h"

namespace korbelant {

std::vector<TakeOverRow> CustomerPartyTakeOver::rows() const
{
    TakeOverRow parties{QStringLiteral("Vorführungsdaten"), QStringLiteral("vorfuehrungen")};
    parties.showsDone = m_partiesShowDone;
    return {{QStringLiteral("Kundenstamm"), QStringLiteral("kunden")}, parties};
}

void CustomerPartyTakeOver::runRow(TakeOverRun& run, int row)
{
    if (row == Customers)
        customers(run);
    else if (row == Parties)
        parties(run);
}

} // namespace korbelant
