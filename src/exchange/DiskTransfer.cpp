#include "exchange/DiskTransfer.h"

#include "core/DriveMap.h"
#include "core/Options.h"
#include "core/UiPort.h"
#include "exchange/DiskError.h"
#include "exchange/DiskFileBuilder.h"
#include "exchange/DiskFileList.h"
#include "exchange/DiskFileWriter.h"
#include "exchange/DiskImport.h"
#include "exchange/DiskPlan.h"
#include "exchange/DiskProtocol.h"
#include "exchange/DiskTextFile.h"
#include "exchange/DistributorDisk.h"
#include "exchange/ExchangeDirectory.h"
#include "exchange/ExchangeDrive.h"
#include "exchange/MediumFile.h"
#include "exchange/OrderTransfer.h"
#include "exchange/TransferQueries.h"
#include "week/OrderDataPreview.h"
#include "week/TWocheDataModul.h"

#include <QDir>

namespace korbelant {

QString DiskTransfer::nextDisk(int n)
{
    return QStringLiteral("Legen sie jetzt bitte die ") + QString::number(n) +
           QStringLiteral("te Diskette ein.");
}

DiskTransfer::DiskTransfer(TWocheDataModul& week, const Options& options, const DataHome& home, UiPort& ui)
    : m_week(week), m_options(options), m_home(home), m_ui(ui)
{
}

QString DiskTransfer::transtup() const
{
    return ExchangeDirectory(m_home, m_ui).transtup();
}

QString DiskTransfer::diskFolder(const Options& options)
{
    return ExchangeDrive(options).folder();
}

QString DiskTransfer::diskLetter(const Options& options)
{
    const QString letter = OrderTransfer::driveLetter(options);
    return letter.isEmpty() ? options.text(QStringLiteral("BZHPFAD")).left(1) : letter;
}

QString DiskTransfer::folderOf(int index) const
{
    if (!m_targets.isEmpty())
        return m_targets.at(std::min<qsizetype>(index, m_targets.size() - 1));
    return diskFolder(m_options);
}

QString DiskTransfer::letterOf() const
{
    return m_targets.isEmpty() ? diskLetter(m_options) : QString();
}

DiskTransfer::Result DiskTransfer::run(bool fromPreview, const QDateTime& now)
{
    Result result;
    if (m_week.isEdited())
        m_week.store();
    if (!OrderTransfer::confirmPlanning(m_week, m_ui) || !confirm() || !checkRange(fromPreview)) {
        result.ended = true;
        return result;
    }
    const WeekRange marked = m_week.range();
    if (!ExchangeDirectory(m_home, m_ui).PrepareTranstup()) {
        result.ended = true;
        return result;
    }
    DiskProtocol protocol(QDir(transtup()).filePath(DiskProtocol::kFileName));
    protocol.start(now);
    const std::vector<WeekRange> disks =
        DiskPlan::disks(marked, WeekPartyView::partWeeks(m_week.db(), marked));
    result.disks = static_cast<int>(disks.size());
    for (size_t i = 0; i < disks.size() && !result.ended; ++i) {
        if (i > 0)
            m_ui.information(nextDisk(static_cast<int>(i) + 1));
        const DiskOutcome outcome = transferDisk(static_cast<int>(i), disks[i], protocol);
        result.written += outcome == DiskOutcome::Written ? 1 : 0;
        result.ended = outcome == DiskOutcome::Ended;
    }
    m_week.markRange(marked);
    return result;
}

bool DiskTransfer::confirm()
{
    QString text = OrderTransfer::kConfirmDisk;
    if (!m_targets.isEmpty())
        text = OrderTransfer::confirmPath(m_targets.first());
    else if (OrderTransfer::driveLetter(m_options).isEmpty())
        text = OrderTransfer::confirmPath(m_options.text(QStringLiteral("BZHPFAD")));
    return m_ui.question(text, UiPort::Buttons::OkCancel) == UiPort::Answer::Ok;
}

bool DiskTransfer::checkRange(bool fromPreview)
{
    if (fromPreview) {
        m_week.actionRange();
        return true;
    }
    const auto data = OrderDataPreview::prepare(m_week, m_options, m_ui);
    if (data && !data->orders.isEmpty())
        return true;
    if (!data && !m_week.VorFuerTable().empty())
        return false; // a question was answered No
    m_ui.information(OrderTransfer::kNoOrders);
    return false;
}

DiskTransfer::DiskOutcome DiskTransfer::transferDisk(int index, const WeekRange& range,
                                                     DiskProtocol& protocol)
{
    m_week.markRange(range);
    if (!makeFiles(range, protocol))
        return DiskOutcome::Failed;
    const QString folder = folderOf(index);
    const QString letter = letterOf();
    DistributorDisk disk(m_options, transtup(), m_ui);
    if (!checkDisk(folder, letter, disk, protocol))
        return DiskOutcome::Ended;
    if (MediumFile::exists(folder, DiskFileWriter::kOrders) &&
        m_ui.question(kOverwrite, UiPort::Buttons::YesNo) != UiPort::Answer::Yes)
        return DiskOutcome::Ended;
    DiskFileWriter writer(transtup(), folder, letter, disk, protocol, m_ui);
    const bool orders = writer.writeOrders();
    const bool success = orders && writer.writeSuccess();
    if (success) {
        m_week.MarkPartiesExported();
        if (m_options.checked(QStringLiteral("GGAdress")))
            writer.writeAddresses();
    }
    if (DistributorDisk::isFloppy(letter) && !m_options.checked(QStringLiteral("Boot")) &&
        !disk.CheckBootSector(letter))
        m_ui.warning(kBootChanged);
    return success ? DiskOutcome::Written : DiskOutcome::Failed;
}

// The disk's files in TRANSTUP; a value that does not fit its field stops the disk before
// anything is written.
bool DiskTransfer::makeFiles(const WeekRange& range, DiskProtocol& protocol)
{
    const TransferQueries queries = m_week.transferQueries();
    const DiskFileBuilder builder(m_options, range);
    QStringList orders, success, addresses;
    try {
        orders = builder.orders(queries.RechQuery(range));
        success = builder.success(queries.ERfolgQuery(range));
        addresses = builder.addresses(queries.AddressQuerry(range));
    } catch (const DiskError& e) {
        protocol.add(e.message());
        m_ui.error(e.message());
        return false;
    }
    const QDir dir(transtup());
    if (!DiskFileList::prepare(m_week.db(), transtup()) ||
        !DiskTextFile::write(dir.filePath(DiskFileWriter::kOrderSource), orders) ||
        !DiskTextFile::write(dir.filePath(DiskFileWriter::kAddressSource), addresses) ||
        !DiskTextFile::write(dir.filePath(DiskFileWriter::kSuccessSource), success)) {
        protocol.add(ExchangeDirectory::kNotCreated);
        m_ui.error(ExchangeDirectory::kNotCreated);
        return false;
    }
    return true;
}

bool DiskTransfer::checkDisk(const QString& folder, const QString& letter, DistributorDisk& disk,
                             DiskProtocol& protocol)
{
    if (!disk.CheckBzhDisk(letter, !m_options.checked(QStringLiteral("Boot"))))
        return false;
    DiskImport import(m_options, transtup(), disk, protocol, m_ui);
    return import.readConsultant(folder) && import.CheckConsultant();
}

} // namespace korbelant
