#include "cli/ExchangeCommands.h"

#include "cli/CliApp.h"
#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/CliRefusal.h"
#include "cli/CliUsageError.h"
#include "cli/FunctionCommand.h"
#include "core/Options.h"
#include "exchange/DiskFileList.h"
#include "exchange/DiskFileSeal.h"
#include "exchange/DiskImport.h"
#include "exchange/DiskProtocol.h"
#include "exchange/DiskTransfer.h"
#include "exchange/DistributorDisk.h"
#include "exchange/ExchangeDirectory.h"

#include <QDir>
#include <QFileInfo>
#include <functional>
#include <map>

namespace korbelant {

namespace {

const QString kUsage = QStringLiteral(
    "--home VERZ [--answers …] exchange read-disk [--source VERZ] | seal DATEI | verify DATEI");

void expectFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        throw CliRefusal(QStringLiteral("Die Datei %1 wurde nicht gefunden.").arg(path));
}

// Without --source the disk of the options, checked as a disk in its drive.
int readDisk(CliContext& c, const QStringList& args)
{
    QStringList rest = args;
    const auto source = CliArgs::takeOption(rest, QStringLiteral("--source"),
                                            QStringLiteral("Nach --source fehlt das Verzeichnis."));
    CliArgs::expectCount(rest, 0, 0);
    DataSet& set = c.dataSet();
    const Options& options = set.options();
    ExchangeDirectory exchange(c.home(), c.ui());
    if (!exchange.PrepareTranstup() || !DiskFileList::prepare(set.db(), exchange.transtup()))
        throw CliRefusal(ExchangeDirectory::kNotCreated);
    DiskProtocol protocol(QDir(exchange.transtup()).filePath(DiskProtocol::kFileName));
    protocol.start(QDateTime::currentDateTime());
    DistributorDisk disk(options, exchange.transtup(), c.ui());
    if (!source &&
        !disk.CheckBzhDisk(DiskTransfer::diskLetter(options), !options.checked(QStringLiteral("Boot"))))
        return 1;
    if (!DiskImport(options, exchange.transtup(), disk, protocol, c.ui())
             .readDisk(source.value_or(DiskTransfer::diskFolder(options))))
        return 1;
    for (const QString& name :
         {DiskImport::kConsultantFile, DiskImport::kArticleFile, DiskImport::kSparePartFile})
        c.out() << QDir(exchange.transtup()).filePath(name) << Qt::endl;
    return 0;
}

int seal(CliContext&, const QStringList& args)
{
    CliArgs::expectCount(args, 1, 1);
    expectFile(args.at(0));
    if (!DiskFileSeal::SealFile(args.at(0)))
        throw CliRefusal(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(args.at(0)));
    return 0;
}

int verify(CliContext& c, const QStringList& args)
{
    CliArgs::expectCount(args, 1, 1);
    expectFile(args.at(0));
    if (DiskFileSeal::VerifySeal(args.at(0))) {
        c.out() << "Prüfsumme in Ordnung" << Qt::endl;
        return 0;
    }
    c.err() << DistributorDisk::checksumError(QFileInfo(args.at(0)).fileName()) << Qt::endl;
    return 1;
}

int exchange(CliContext& c, const QStringList& args)
{
    using Sub = std::function<int(CliContext&, const QStringList&)>;
    static const std::map<QString, Sub> subs{{QStringLiteral("read-disk"), readDisk},
                                             {QStringLiteral("seal"), seal},
                                             {QStringLiteral("verify"), verify}};
    if (args.isEmpty())
        throw CliUsageError(QStringLiteral("Es fehlt, was mit der Diskette geschehen soll."));
    const auto sub = subs.find(args.first());
    if (sub == subs.end())
        throw CliUsageError(QStringLiteral("Unbekannter Befehl exchange %1.").arg(args.first()));
    return sub->second(c, args.mid(1));
}

} // namespace

void ExchangeCommands::registerAll(CliApp& app)
{
    app.add(std::make_unique<FunctionCommand>(QStringLiteral("exchange"), kUsage, true, exchange));
}

} // namespace korbelant
