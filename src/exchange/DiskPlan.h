#pragma once

#include "week/WeekRange.h"

#include <QStringList>
#include <vector>

namespace korbelant {

// How the parties of a range go onto exchange disks: nine parties to a disk, each disk a range of
// whole part-weeks from where the one before ended, never beyond the end of the range.
class DiskPlan
{
public:
    static constexpr int kPartiesPerDisk = 9;

    // `partWeeks` holds the part-week of every party of the range in the order of the party view.
    // Always at least one disk: a range without parties is one disk.
    static std::vector<WeekRange> disks(const WeekRange& range, const QStringList& partWeeks);
};

} // namespace korbelant
