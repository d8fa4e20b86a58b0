#include "euro/EuroRequest.h"

#include "core/GermanFormat.h"

namespace korbelant {

QDate EuroRequest::date() const
{
    return GermanFormat::parseDate(dateText).value_or(QDate());
}

QString EuroRequest::scopeText() const
{
    return allData ? QStringLiteral("komplett") : QStringLiteral("bis ") + dateText;
}

QString EuroRequest::articlesText() const
{
    return articles ? QStringLiteral("wird umgerechnet") : QStringLiteral("wird nicht umgerechnet");
}

} // namespace korbelant
