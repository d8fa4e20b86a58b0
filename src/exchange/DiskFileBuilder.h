#pragma once

#include "core/ResultTable.h"
#include "week/WeekRange.h"

#include <QStringList>

namespace korbelant {

class Options;

// The records of the week's files for one exchange disk, from the transfer queries of the disk's
// part-weeks: BESTPC.ASC (orders), ERFOLGPC.asc (success sums) and ADR.ASC (addresses). A value
// that does not fit its field stops the build with a DiskError naming it; nothing is ever cut.
class DiskFileBuilder
{
public:
    DiskFileBuilder(const Options& options, const WeekRange& range) : m_options(options), m_range(range) {}

    // The order lines with OnDisk "Ja".
    QStringList orders(const ResultTable& rechQuery) const;
    QStringList success(const ResultTable& erfolgQuery) const;
    QStringList addresses(const ResultTable& addressQuery) const;

private:
    QString weekNumber() const { return m_range.week.mid(4, 2); }
    QString addressRecord(const ResultTable& table, int r) const;
    QString figures(const ResultTable& table, int r) const;

    const Options& m_options;
    WeekRange m_range;
};

} // namespace korbelant
