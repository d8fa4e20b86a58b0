#pragma once

#include "core/ResultTable.h"
#include "week/WeekRange.h"

#include <QString>

namespace korbelant {

class Database;
class Options;

// What the week's transfer to the distributor reads, for a week key and a range of its part-weeks:
// the order lines, the addresses of hosts, appointments and nominations, the bookings and the
// success sums per part-week, each with the columns computed for the transfer. Every value is a
// bound parameter. The order-data preview, the order lists, the success report and both transfer
// files read these rows.
class TransferQueries
{
public:
    TransferQueries(Database& db, const Options& options) : m_db(db), m_options(options) {}

    // Order lines summed per part-week, advance mark, order number, article and kind, with
    // SATZART, B_NR, WOCHE, the sums, and OnDisk ("Ja"/"Nein"), Aktiv, Nr and Disk.
    ResultTable RechQuery(const WeekRange& range) const;
    // Hosts (KZ "G"), appointments ("V") and nominations ("B") of the range by part-week, with GKZ.
    ResultTable AddressQuerry(const WeekRange& range) const;
    // The participants of the range with an appointment.
    ResultTable BuchungenQuery(const WeekRange& range) const;
    // The party sums per part-week with Woche, RekBesuch, GV1 .. GV6, Nr and Disk.
    ResultTable ERfolgQuery(const WeekRange& range) const;

    // The consultant number as the transfer writes it: right-aligned in five characters, a
    // longer number cut to its first five.
    static QString consultantNumber(const Options& options);
    // Where a party of the view stands on the distributor's disks: position 1 .. 9 on disk 1, 10 ..
    // 18 as 1 .. 9 on disk 2, and so on. Nr is empty and Disk 0 for no position.
    static QString diskNumber(int position);
    static int disk(int position);

private:
    void addPositions(ResultTable& table, const WeekRange& range) const;

    Database& m_db;
    const Options& m_options;
};

} // namespace korbelant
