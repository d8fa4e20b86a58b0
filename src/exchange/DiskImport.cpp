#include "exchange/DiskImport.h"

#include "core/Options.h"
#include "core/UiPort.h"
#include "exchange/DiskProtocol.h"
#include "exchange/DiskRecordConversion.h"
#include "exchange/DiskTextFile.h"
#include "exchange/DistributorDisk.h"
#include "exchange/FixedField.h"
#include "exchange/MediumFile.h"
#include "exchange/TransferQueries.h"

#include <QDir>
#include <QFile>
#include <functional>

namespace korbelant {

struct DiskImport::File
{
    QString diskName;
    QString targetName;
    QString missing;
    QString notCopied;
    QString badRecord;
    std::function<std::optional<QString>(const QString&)> convert;
};

namespace {

constexpr int kOpenAttempts = 5;

std::optional<QString> unchanged(const QString& line)
{
    return line;
}

} // namespace

QString DiskImport::notCreated(const QString& path)
{
    return path + QStringLiteral(" kann nicht erstellt werden.");
}

QString DiskImport::otherConsultant(const QString& number, const QString& firstName, const QString& name)
{
    return QStringLiteral("Die BZH Diskette wurde für die Beraterin ") + number + QStringLiteral(" ") +
           firstName + QStringLiteral(" ") + name +
           QStringLiteral(" erstellt !   Datenaustausch ist nur mit ihrer BZH-Disk möglich");
}

DiskImport::DiskImport(const Options& options, QString transtup, DistributorDisk& disk,
                       DiskProtocol& protocol, UiPort& ui)
    : m_options(options), m_transtup(std::move(transtup)), m_disk(disk), m_protocol(protocol), m_ui(ui)
{
}

QString DiskImport::target(const QString& name) const
{
    return QDir(m_transtup).filePath(name);
}

bool DiskImport::readDisk(const QString& source)
{
    return readConsultant(source) && CheckConsultant() && readArticles(source) && readSpareParts(source);
}

bool DiskImport::readConsultant(const QString& source)
{
    return read(source, {DistributorDisk::kConsultantFile, kConsultantFile, kNoConsultants,
                         kConsultantsNotCopied, kBadConsultant, &DiskRecordConversion::PCBERAT});
}

bool DiskImport::readArticles(const QString& source)
{
    return read(source, {DistributorDisk::kArticleFile, kArticleFile, kNoArticles, kArticlesNotCopied,
                         kBadArticle, &DiskRecordConversion::PCART});
}

bool DiskImport::readSpareParts(const QString& source)
{
    return read(source, {kSparePartFile, kSparePartFile, kSparePartsNotCopied, kSparePartsNotCopied,
                         QString(), &unchanged});
}

bool DiskImport::read(const QString& source, const File& file)
{
    if (!MediumFile::exists(source, file.diskName)) {
        m_protocol.add(file.missing);
        m_ui.error(file.missing);
        return false;
    }
    const QString temporary = target(QStringLiteral("GBP") + file.targetName);
    const auto lines = m_disk.CopyChecked(MediumFile::find(source, file.diskName), temporary, true, true)
                           ? DiskTextFile::read(temporary)
                           : std::nullopt;
    if (!lines) {
        QFile::remove(temporary);
        m_protocol.add(file.notCopied);
        m_ui.error(file.notCopied);
        return false;
    }
    QStringList records = *lines;
    if (!records.isEmpty())
        records.removeLast(); // the line that holds the trailer
    for (QString& record : records) {
        if (const auto converted = file.convert(record)) {
            record = *converted;
        } else {
            m_protocol.add(file.badRecord);
            m_ui.error(file.badRecord);
        }
    }
    QFile::remove(temporary);
    if (!DiskTextFile::write(target(file.targetName), records)) {
        m_protocol.add(notCreated(target(file.targetName)));
        m_ui.error(notCreated(target(file.targetName)));
        return false;
    }
    m_protocol.count(file.targetName, static_cast<int>(records.size()));
    return true;
}

bool DiskImport::CheckConsultant()
{
    std::optional<QStringList> records;
    for (int attempt = 0; attempt < kOpenAttempts && !records; ++attempt)
        records = DiskTextFile::read(target(kConsultantFile));
    if (!records || records->isEmpty()) {
        m_ui.error(QStringLiteral("Die Datei %1 kann nicht geöffnet werden.").arg(target(kConsultantFile)));
        return false;
    }
    QString owner = records->first();
    if (records->size() > 1) {
        for (const QString& record : *records) {
            if (FixedField::at(record, 140, 1) == QStringLiteral("1")) {
                owner = record;
                break;
            }
        }
    }
    const QString number = FixedField::at(owner, 3, 5).trimmed();
    const QString own = TransferQueries::consultantNumber(m_options).trimmed();
    const bool numbers = FixedField::isDigits(number) && FixedField::isDigits(own);
    if (numbers ? number.toLongLong() == own.toLongLong() : number == own)
        return true;
    m_ui.error(otherConsultant(number, FixedField::at(owner, 33, 25).trimmed(),
                               FixedField::at(owner, 8, 25).trimmed()));
    return false;
}

} // namespace korbelant
