#include "cli/OdbcCommands.h"

#include "cli/CliApp.h"
#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/CliRefusal.h"
#include "cli/CliUsageError.h"
#include "cli/FunctionCommand.h"
#include "takeover/ESQLerror.h"
#include "takeover/TmDataBase.h"
#include "takeover/TmTable.h"

namespace korbelant {

namespace {

const QString kUsage = QStringLiteral("odbc read VERBINDUNG TABELLE [--limit N]");

int limitOf(QStringList& args)
{
    const auto text = CliArgs::takeOption(args, QStringLiteral("--limit"),
                                          QStringLiteral("Nach --limit fehlt die Anzahl."));
    if (!text)
        return -1;
    bool ok = false;
    const int limit = text->toInt(&ok);
    if (!ok || limit < 0)
        throw CliUsageError(QStringLiteral("Ungültige Anzahl \"%1\" zu --limit.").arg(*text));
    return limit;
}

QStringList rowOf(const TmTable& table)
{
    QStringList values;
    for (int i = 0; i < table.fieldCount(); ++i)
        values << table.field(i).asString();
    return values;
}

void print(CliContext& c, TmTable& table, int limit)
{
    c.out() << table.fieldNames().join(QLatin1Char(';')) << Qt::endl;
    for (int printed = 0; !table.eof() && (limit < 0 || printed < limit); ++printed) {
        c.out() << rowOf(table).join(QLatin1Char(';')) << Qt::endl;
        table.next();
    }
}

int read(CliContext& c, QStringList args)
{
    const int limit = limitOf(args);
    CliArgs::expectCount(args, 2, 2);
    try {
        TmDataBase database(args.at(0).split(QLatin1Char(';'), Qt::SkipEmptyParts));
        TmTable table(database, args.at(1));
        table.open();
        print(c, table, limit);
    } catch (const ESQLerror& error) {
        throw CliRefusal(error.message());
    }
    return 0;
}

int odbc(CliContext& c, const QStringList& args)
{
    if (args.isEmpty() || args.first() != QStringLiteral("read"))
        throw CliUsageError(QStringLiteral("Aufruf: ") + kUsage);
    return read(c, args.mid(1));
}

} // namespace

void OdbcCommands::registerAll(CliApp& app)
{
    app.add(std::make_unique<FunctionCommand>(QStringLiteral("odbc"), kUsage, false, odbc));
}

} // namespace korbelant
