#pragma once

#include "reports/ReportColumn.h"
#include "reports/ReportGroup.h"
#include "week/WeekPartyView.h"

#include <vector>

namespace korbelant {

class Database;

// The block of one party on the week's success overview and star list: a header line with the
// part-week, date and distributor number, then the host with her address and the party's
// figures under the two-line column heads both reports share.
class WeekPartyBlock
{
public:
    enum Column
    {
        Host,
        Sales,
        Appointments,
        Guests,
        Offers,
        ServiceProducts,
        Stars,
        StarAmount
    };

    static std::vector<ReportColumn> columns();
    // "Vorführung : 1   vom 05.01.2026   ID: 4711".
    static QString header(const WeekPartyView::Row& party);
    // Street, postcode and town and telephone ("Tel. ") of the host only with `withAddress`; the
    // sales without the kind weighting in parentheses under the weighted ones, the appointments
    // within the booking horizon in parentheses under all of them when `withHorizon`.
    static ReportGroup group(Database& db, const WeekPartyView::Row& party, bool withAddress,
                             bool withHorizon);
};

} // namespace korbelant
