#include "exchange/DiskFileWriter.h"

#include "core/UiPort.h"
#include "exchange/DiskFileSeal.h"
#include "exchange/DiskProtocol.h"
#include "exchange/DiskRecordCheck.h"
#include "exchange/DiskTextFile.h"
#include "exchange/DistributorDisk.h"

#include <QDir>
#include <QSaveFile>

namespace korbelant {

namespace {

// The log lines of the success sums, in the order of the counts of a success record.
const char* const kSuccessSums[] = {"Gesamtzahl der Vorführungen:   ",
                                    nullptr,
                                    nullptr,
                                    "Gesamtzahl in lfd. Woche :     ",
                                    "                2. Woche :     ",
                                    "                3. Woche :     ",
                                    "                4. Woche :     ",
                                    "                5. Woche :     ",
                                    "                6. Woche :     ",
                                    "Gesamtzahl der Benennungen :   ",
                                    nullptr};

} // namespace

DiskFileWriter::DiskFileWriter(QString transtup, QString target, QString letter, DistributorDisk& disk,
                               DiskProtocol& protocol, UiPort& ui)
    : m_transtup(std::move(transtup)), m_target(std::move(target)), m_letter(std::move(letter)), m_disk(disk),
      m_protocol(protocol), m_ui(ui)
{
}

void DiskFileWriter::fail(const QString& message)
{
    m_protocol.add(message);
    m_ui.error(message);
}

std::optional<QStringList> DiskFileWriter::records(const Kind& kind, const Check& check, bool dropShortLast)
{
    const auto lines = DiskTextFile::read(QDir(m_transtup).filePath(kind.source));
    if (!lines) {
        fail(kind.notFound);
        return std::nullopt;
    }
    QStringList result = *lines;
    if (dropShortLast && !result.isEmpty() && result.last().size() < 3)
        result.removeLast();
    for (QString& line : result) {
        const auto rebuilt = check(line);
        if (!rebuilt) {
            fail(kind.badRecord);
            return std::nullopt;
        }
        line = *rebuilt;
    }
    return result;
}

bool DiskFileWriter::put(const Kind& kind, const QStringList& records)
{
    // Saved with its seal in one write, as sealing the saved file would leave it.
    const QString file = QDir(m_transtup).filePath(kind.diskName);
    QSaveFile sealed(file);
    if (!sealed.open(QIODevice::WriteOnly) ||
        sealed.write(DiskFileSeal::sealed(DiskTextFile::bytes(records))) < 0 || !sealed.commit() ||
        !m_disk.CopyChecked(file, QDir(m_target).filePath(kind.diskName), true, true, m_letter)) {
        fail(kind.notWritten);
        return false;
    }
    return true;
}

bool DiskFileWriter::writeOrders()
{
    const Kind kind{kOrderSource, kOrders, kBadOrders, kOrdersNotWritten, kNoOrderFile};
    qint64 sum = 0;
    const auto checked = records(
        kind,
        [&sum](const QString& line) {
            qint64 quantity = 0;
            auto record = DiskRecordCheck::orderRecord(line, quantity);
            sum += quantity;
            return record;
        },
        true);
    if (!checked || !put(kind, *checked))
        return false;
    m_protocol.add(QStringLiteral("Bestelldaten :"));
    m_protocol.add(QString());
    m_protocol.count(kOrders, static_cast<int>(checked->size()));
    m_protocol.add(QStringLiteral("Summe der Bestellmengen: ") + QString::number(sum));
    return true;
}

bool DiskFileWriter::writeSuccess()
{
    const Kind kind{kSuccessSource, kSuccess, kBadSuccess, kSuccessNotWritten, kNoSuccessFile};
    DiskRecordCheck::SuccessCounts sums{};
    const auto checked = records(
        kind,
        [&sums](const QString& line) {
            DiskRecordCheck::SuccessCounts counts{};
            auto record = DiskRecordCheck::successRecord(line, counts);
            for (size_t k = 0; k < sums.size(); ++k)
                sums[k] += counts[k];
            return record;
        },
        false);
    if (!checked || !put(kind, *checked))
        return false;
    m_protocol.add(QString());
    m_protocol.add(QStringLiteral("Erfolgsübersicht :"));
    m_protocol.add(QString());
    m_protocol.count(kSuccess, static_cast<int>(checked->size()));
    // Parties, guests and appointments first, as the distributor's log has them.
    m_protocol.add(QString::fromUtf8(kSuccessSums[0]) + QString::number(sums[0]));
    m_protocol.add(QStringLiteral("Gesamtzahl der Gäste:          ") + QString::number(sums[2]));
    m_protocol.add(QStringLiteral("Gesamtzahl der Verabredungen:  ") + QString::number(sums[1]));
    for (size_t k = 3; k < sums.size(); ++k) {
        if (kSuccessSums[k])
            m_protocol.add(QString::fromUtf8(kSuccessSums[k]) + QString::number(sums[k]));
    }
    return true;
}

bool DiskFileWriter::writeAddresses()
{
    const Kind kind{kAddressSource, kAddresses, kBadAddresses, kAddressesNotWritten, kNoAddressFile};
    const auto checked = records(
        kind,
        [](const QString& line) {
            return DiskRecordCheck::addressRecord(line) ? std::optional<QString>(line) : std::nullopt;
        },
        false);
    if (!checked || !put(kind, *checked))
        return false;
    m_protocol.count(kAddresses, static_cast<int>(checked->size()));
    return true;
}

} // namespace korbelant
