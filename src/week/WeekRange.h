#pragma once

#include <QString>

namespace korbelant {

// A week key with a range of its part-weeks, first to last inclusive: what the party view, the
// reports and the transfer of a week are restricted to. An empty range holds no part-week.
struct WeekRange
{
    QString week;
    QString start;
    QString end;
};

} // namespace korbelant
