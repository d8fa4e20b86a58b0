#include "cli/BenchDataCommands.h"

#include "cli/BenchDataGenerator.h"
#include "cli/CliApp.h"
#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/CliUsageError.h"
#include "cli/FunctionCommand.h"
#include "core/Installation.h"

#include <QElapsedTimer>
#include <QFileInfo>

namespace korbelant {

namespace {

int benchData(CliContext& c, const QStringList& arguments)
{
    QStringList args = arguments;
    const auto end = CliArgs::takeOption(args, QStringLiteral("--end"),
                                         QStringLiteral("Nach --end fehlt das Datum (TT.MM.JJJJ)."));
    // The last party falls in the week of the end date: by default the data set ends today.
    const QDate lastDay = end ? CliArgs::date(*end) : QDate::currentDate();
    CliArgs::expectCount(args, 1, 2);
    const QString which = args.at(0);
    if (which != QStringLiteral("small") && which != QStringLiteral("large"))
        throw CliUsageError(QStringLiteral("Die Größe ist small oder large, nicht \"%1\".").arg(which));
    std::uint64_t seed = 1;
    if (args.size() == 2) {
        bool ok = false;
        seed = args.at(1).toULongLong(&ok);
        if (!ok)
            throw CliUsageError(
                QStringLiteral("Der Startwert muss eine ganze Zahl sein, nicht \"%1\".").arg(args.at(1)));
    }
    QElapsedTimer timer;
    timer.start();
    if (!QFileInfo::exists(c.home().databaseFile()))
        Installation::init(c.home());
    DataSet& set = c.dataSet();
    if (set.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Tuppkopf")).toLongLong() > 0 ||
        set.db().scalar(QStringLiteral("SELECT COUNT(*) FROM Lager")).toLongLong() > 0) {
        c.err() << "Der Datenbestand in " << c.home().root()
                << " enthält schon Vorführungen oder Artikel; Testdaten werden nur in einen leeren "
                   "Datenbestand geschrieben."
                << Qt::endl;
        return 1;
    }
    BenchDataGenerator(set.db(), set.options(), seed, lastDay)
        .generate(which == QStringLiteral("small") ? BenchDataGenerator::kSmall : BenchDataGenerator::kLarge);
    auto count = [&](const char* table) {
        return set.db()
            .scalar(QStringLiteral("SELECT COUNT(*) FROM ") + QString::fromLatin1(table))
            .toLongLong();
    };
    c.out() << "Kunden: " << count("Kunden") << ", Artikel: " << count("Lager")
            << ", Vorführungen: " << count("Tuppkopf") << ", Teilnehmer: " << count("Tupper")
            << ", Positionen: " << count("Tupper1") << " (" << timer.elapsed() << " ms)" << Qt::endl;
    return 0;
}

} // namespace

void BenchDataCommands::registerAll(CliApp& app)
{
    app.add(std::make_unique<FunctionCommand>(
        QStringLiteral("bench-data"),
        QStringLiteral("--home VERZ bench-data small|large [STARTWERT] [--end TT.MM.JJJJ]"), true,
        benchData));
}

} // namespace korbelant
