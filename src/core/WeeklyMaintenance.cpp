#include "core/WeeklyMaintenance.h"

#include "core/DataHome.h"
#include "core/GermanFormat.h"
#include "core/IncompleteRecords.h"
#include "core/Options.h"
#include "core/TableBuilder.h"
#include "core/VerifiedBackup.h"

namespace korbelant {

bool WeeklyMaintenance::run(const QDate& today, const Step& step)
{
    auto last = GermanFormat::parseDate(m_options.text(QStringLiteral("Datum")));
    if (!last) {
        m_options.setText(QStringLiteral("Datum"), GermanFormat::date(today));
        m_options.SaveOptions();
        last = today;
    }
    if (last->daysTo(today) <= 6)
        return false;
    if (step)
        step(QStringLiteral("Automatische wöchentliche Datenbanksicherung"), 30);
    VerifiedBackup(m_db, m_home).make(today, m_ui);
    m_options.setText(QStringLiteral("Datum"), GermanFormat::date(today));
    m_options.SaveOptions();
    if (step)
        step(QStringLiteral("Datenbankenindex wird erstellt."), 10);
    TableBuilder(m_db).RepairTables();
    IncompleteRecords(m_db).RemoveIncompleteRecords();
    return true;
}

} // namespace korbelant
