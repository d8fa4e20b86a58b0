#include "statistics/CustomerStatistic.h"

namespace korbelant {

QString CustomerStatistic::chartName(const QString& name, const QString& firstName)
{
    const QString n = name.trimmed();
    const QString capitalised = n.left(1).toUpper() + n.mid(1, 20).toLower();
    return (capitalised + QLatin1Char(' ') + firstName.trimmed()).left(15);
}

} // namespace korbelant
