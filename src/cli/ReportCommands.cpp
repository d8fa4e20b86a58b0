#include "cli/ReportCommands.h"

#include "cli/CliApp.h"
#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/CliRefusal.h"
#include "cli/CliUsageError.h"
#include "cli/FunctionCommand.h"
#include "reports/ReportDataMissing.h"
#include "reports/ReportPdf.h"
#include "reports/ReportRegistry.h"

namespace korbelant {

namespace {

QString usage()
{
    QString text = QStringLiteral("--home VERZ report BERICHT [ANGABEN…] --pdf DATEI   Berichte:");
    for (const ReportRegistry::Entry& entry : ReportRegistry::standard().entries())
        text += QStringLiteral("\n      %1 %2 — %3").arg(entry.name, entry.arguments, entry.description);
    return text;
}

// Takes "--pdf FILE" out of the arguments and returns FILE.
QString takePdfPath(QStringList& args)
{
    const auto path =
        CliArgs::takeOption(args, QStringLiteral("--pdf"), QStringLiteral("Nach --pdf fehlt der Dateiname."));
    if (!path)
        throw CliUsageError(QStringLiteral("Die Angabe --pdf DATEI fehlt."));
    return *path;
}

int report(CliContext& c, const QStringList& arguments)
{
    QStringList args = arguments;
    const QString path = takePdfPath(args);
    if (args.isEmpty())
        throw CliUsageError(QStringLiteral("Welcher Bericht? Der Name des Berichts fehlt."));
    const QString name = args.takeFirst();
    const ReportRegistry& registry = ReportRegistry::standard();
    if (!registry.find(name))
        throw CliUsageError(QStringLiteral("Unbekannter Bericht \"%1\".").arg(name));
    ReportDocument document;
    try {
        document = registry.build(name, c.dataSet(), args);
    } catch (const ReportDataMissing& e) {
        throw CliRefusal(e.message());
    } catch (const ReportError& e) {
        throw CliUsageError(e.message());
    }
    try {
        ReportPdf::write(document, path);
    } catch (const ReportError& e) {
        c.err() << e.message() << Qt::endl;
        return 1;
    }
    c.out() << "Bericht \"" << document.title << "\" gespeichert in " << path << Qt::endl;
    if (const ReportRegistry::Entry* entry = registry.find(name); entry->afterPrint)
        entry->afterPrint(c.dataSet(), c.ui());
    return 0;
}

} // namespace

void ReportCommands::registerAll(CliApp& app)
{
    app.add(std::make_unique<FunctionCommand>(QStringLiteral("report"), usage(), true, report));
}

} // namespace korbelant
