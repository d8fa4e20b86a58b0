#include "articles/ArticleDiskReader.h"

#include "articles/ArticleFileCurrency.h"
#include "articles/ArticleImport.h"
#include "articles/ArticleRowMapping.h"
#include "core/DataSet.h"
#include "core/UiPort.h"
#include "exchange/DiskFileList.h"
#include "exchange/DiskImport.h"
#include "exchange/DiskProtocol.h"
#include "exchange/DiskTextFile.h"
#include "exchange/DistributorDisk.h"
#include "exchange/ExchangeDirectory.h"
#include "exchange/ExchangeDrive.h"
#include "exchange/FixedFormatTable.h"
#include "exchange/MediumFile.h"

#include <QDir>
#include <QFileInfo>

namespace korbelant {

namespace {

// The drive of the options when the chosen folder is its directory; a path is not checked.
QString driveOf(const Options& options, const ExchangeTarget& source)
{
    const ExchangeDrive drive(options);
    if (source.online || drive.letter().isEmpty())
        return {};
    return QDir(source.folder).canonicalPath() == QDir(drive.folder()).canonicalPath() ? drive.letter()
                                                                                       : QString();
}

bool takeOverArticles(ArticleImport& import, const std::vector<QVariantMap>& records)
{
    import.setState(ArticleImport::kPreparing);
    std::size_t n = 0;
    return import.takeOver([&](std::optional<QVariantMap>& row) {
        if (n >= records.size())
            return false;
        row = ArticleRowMapping::fromDisk(records.at(n++));
        return true;
    });
}

void takeOverSpareParts(ArticleImport& import, DiskImport& disk, const QString& folder,
                        const QString& transtup)
{
    if (!disk.readSpareParts(folder))
        return;
    const auto records = FixedFormatTable::read(
        import.dataSet().db(), QDir(transtup).filePath(DiskImport::kSparePartFile), QStringLiteral("AEHLP"));
    if (!records) {
        import.ui().error(SparePartsRefill::kFailed);
        return;
    }
    std::vector<SparePartsRefill::Pair> pairs;
    for (const QVariantMap& r : *records)
        pairs.push_back({r.value(QStringLiteral("L_NR_ERS")).toString().trimmed(),
                         r.value(QStringLiteral("L_NR_TWP")).toString().trimmed()});
    import.replaceSpareParts(pairs);
}

} // namespace

bool ArticleDiskReader::read(ArticleImport& import, const ExchangeTarget& source)
{
    DataSet& set = import.dataSet();
    const Options& options = set.options();
    UiPort& ui = import.ui();
    ExchangeDirectory exchange(set.home(), ui);
    if (!exchange.PrepareTranstup() || !DiskFileList::prepare(set.db(), exchange.transtup())) {
        ui.error(ExchangeDirectory::kNotCreated);
        return false;
    }
    DiskProtocol protocol(QDir(exchange.transtup()).filePath(DiskProtocol::kFileName));
    protocol.start(QDateTime::currentDateTime());
    DistributorDisk disk(options, exchange.transtup(), ui);
    if (!disk.CheckBzhDisk(driveOf(options, source), !options.checked(QStringLiteral("Boot"))))
        return false;
    import.openDisplay();
    DiskImport files(options, exchange.transtup(), disk, protocol, ui);
    if (!files.readConsultant(source.folder) || !files.CheckConsultant())
        return false;
    if (!source.online)
        import.copyBerId(source);
    import.setState(ArticleImport::kReading);
    const QString articleFile = MediumFile::find(source.folder, DistributorDisk::kArticleFile);
    const QDate created = QFileInfo(articleFile).lastModified().date();
    import.setCreationDate(created);
    if (!import.acceptAge(created))
        return false;
    if (!ArticleFileCurrency::accept(DiskTextFile::read(articleFile).value_or(QStringList()),
                                     options.checked(QStringLiteral("Euro")), ui)) {
        import.setState(ArticleImport::kWrongCurrency);
        return false;
    }
    const bool converted = files.readArticles(source.folder);
    const bool done = !converted || import.changeData([&] {
        const auto records = FixedFormatTable::read(
            set.db(), QDir(exchange.transtup()).filePath(DiskImport::kArticleFile), QStringLiteral("PCART"));
        if (!records) {
            ui.error(kNotOpened);
            return false;
        }
        if (!takeOverArticles(import, *records))
            return false;
        takeOverSpareParts(import, files, source.folder, exchange.transtup());
        return true;
    });
    if (done)
        import.setState(ArticleImport::kDone);
    return done && converted;
}

} // namespace korbelant
