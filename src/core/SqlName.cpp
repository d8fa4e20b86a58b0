#include "core/SqlName.h"

namespace korbelant {

QString SqlName::quote(const QString& identifier)
{
    QString inner = identifier;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

QString SqlName::literal(const QString& text)
{
    QString inner = text;
    inner.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + inner + QLatin1Char('\'');
}

QString SqlName::quoteList(const QStringList& identifiers)
{
    QStringList quoted;
    for (const QString& id : identifiers)
        quoted << quote(id);
    return quoted.join(QStringLiteral(", "));
}

} // namespace korbelant
