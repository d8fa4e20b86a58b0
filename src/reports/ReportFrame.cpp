#include "reports/ReportFrame.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/GermanFormat.h"

namespace korbelant {

ReportFrame ReportFrame::read(Database& db)
{
    ReportFrame frame;
    if (!db.tableExists(QStringLiteral("MainVersion")))
        return frame;
    const auto rows = db.rows(QStringLiteral("SELECT Aplication, Year FROM MainVersion LIMIT 1"));
    if (rows.empty())
        return frame;
    const QString program = rows.front().at(0).toString().trimmed();
    if (!program.isEmpty())
        frame.program = program;
    frame.year = rows.front().at(1).toString().trimmed();
    return frame;
}

QString ReportFrame::programLine() const
{
    return year.isEmpty() ? program : program + QLatin1Char(' ') + year;
}

QString ReportFrame::printedLine() const
{
    return QStringLiteral("Gedruckt : ") + GermanFormat::date(printDate);
}

QString ReportFrame::pageLine(int number)
{
    return QStringLiteral("Blatt ") + QString::number(number);
}

} // namespace korbelant
