#include "cli/CliArgs.h"

#include "cli/CliRefusal.h"
#include "cli/CliUsageError.h"
#include "core/FieldWidthCheck.h"
#include "core/GermanFormat.h"

namespace korbelant {

void CliArgs::expectCount(const QStringList& args, int min, int max)
{
    if (args.size() < min)
        throw CliUsageError(QStringLiteral("Es fehlen Angaben."));
    if (args.size() > max)
        throw CliUsageError(QStringLiteral("Zu viele Angaben: %1").arg(args.mid(max).join(QLatin1Char(' '))));
}

QDate CliArgs::date(const QString& text)
{
    const auto parsed = GermanFormat::parseDate(text);
    if (!parsed)
        throw CliUsageError(QStringLiteral("Ungültiges Datum \"%1\" (erwartet TT.MM.JJJJ).").arg(text));
    return *parsed;
}

double CliArgs::amount(const QString& text)
{
    const auto parsed = GermanFormat::parseAmount(text);
    if (!parsed)
        throw CliUsageError(QStringLiteral("Ungültiger Betrag \"%1\".").arg(text));
    return *parsed;
}

QVariantMap CliArgs::fieldValues(const QStringList& args)
{
    QVariantMap values;
    for (const QString& arg : args) {
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        if (eq <= 0)
            throw CliUsageError(QStringLiteral("Erwartet FELD=WERT, nicht \"%1\".").arg(arg));
        values.insert(arg.left(eq), arg.mid(eq + 1));
    }
    return values;
}

std::optional<QString> CliArgs::takeOption(QStringList& args, const QString& name,
                                           const QString& missingValue)
{
    const qsizetype at = args.indexOf(name);
    if (at < 0)
        return std::nullopt;
    if (at + 1 >= args.size() || args.at(at + 1).isEmpty())
        throw CliUsageError(missingValue);
    const QString value = args.at(at + 1);
    args.remove(at, 2);
    return value;
}

int CliArgs::pieces(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw CliRefusal(QStringLiteral("Ungültige Stückzahl \"%1\" (erwartet eine ganze Zahl).").arg(text));
    return value;
}

void CliArgs::expectFits(const TableDef& table, const QVariantMap& values)
{
    if (const auto message = FieldWidthCheck::violation(table, values))
        throw CliRefusal(*message);
}

} // namespace korbelant
