#include "week/WeekReportArguments.h"

#include "core/Database.h"
#include "reports/ReportError.h"
#include "week/PartWeekSums.h"

namespace korbelant {

namespace {

// Takes "NAME VALUE" out of the arguments; empty when NAME is not there.
QString take(QStringList& args, const QString& name)
{
    const qsizetype at = args.indexOf(name);
    if (at < 0)
        return {};
    if (at + 1 >= args.size() || args.at(at + 1).trimmed().isEmpty())
        throw ReportError(QStringLiteral("Nach %1 fehlt die Teilwoche.").arg(name));
    const QString value = args.at(at + 1).trimmed();
    args.remove(at, 2);
    return value;
}

} // namespace

QStringList WeekReportArguments::make(const WeekRange& range)
{
    QStringList args{range.week};
    if (!range.start.isEmpty() || !range.end.isEmpty())
        args << QStringLiteral("--von") << range.start << QStringLiteral("--bis") << range.end;
    return args;
}

WeekRange WeekReportArguments::parse(Database& db, const QStringList& arguments)
{
    QStringList args = arguments;
    const QString start = take(args, QStringLiteral("--von"));
    const QString end = take(args, QStringLiteral("--bis"));
    if (args.size() != 1)
        throw ReportError(QStringLiteral("Erwartet: MWOCHE [--von T --bis T]."));
    if (start.isEmpty() != end.isEmpty())
        throw ReportError(QStringLiteral("Eine Teilwoche bitte mit --von und --bis angeben."));
    const QString week = args.first().trimmed();
    if (db.scalar(QStringLiteral("SELECT COUNT(*) FROM MWoche WHERE MWoche = ?"), {week}).toInt() == 0)
        throw ReportError(QStringLiteral("Die Woche %1 gibt es nicht.").arg(week));
    if (start.isEmpty())
        return allPartWeeks(db, week);
    return {week, start, end};
}

WeekRange WeekReportArguments::allPartWeeks(Database& db, const QString& week)
{
    return {week, QStringLiteral("1"), PartWeekSums::lastPartWeek(PartWeekSums::TWocheQuery(db, week))};
}

} // namespace korbelant
