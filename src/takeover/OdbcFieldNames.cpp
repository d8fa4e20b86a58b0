#include "takeover/OdbcFieldNames.h"

#include <QSet>

namespace korbelant {

QStringList OdbcFieldNames::unique(const QStringList& described)
{
    QStringList names;
    QSet<QString> taken;
    for (const QString& name : described) {
        const QString base = name.isEmpty() ? QStringLiteral("COLUMN") : name;
        QString candidate = base;
        for (int number = 1; taken.contains(candidate.toUpper()); ++number)
            candidate = QString::asprintf("%s_%d", base.toUtf8().constData(), number);
        taken.insert(candidate.toUpper());
        names << candidate;
    }
    return names;
}

} // namespace korbelant
