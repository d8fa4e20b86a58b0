#pragma once

#include <QDate>
#include <QStringList>
#include <QVariantMap>

namespace korbelant {

// Reading the arguments of a command: counts, dates "dd.mm.yyyy", amounts with comma or point,
// FIELD=VALUE pairs. Wrong arguments throw CliUsageError with a German message.
class CliArgs
{
public:
    static void expectCount(const QStringList& args, int min, int max);
    static QDate date(const QString& text);
    static double amount(const QString& text);
    static QVariantMap fieldValues(const QStringList& args);
};

} // namespace korbelant
