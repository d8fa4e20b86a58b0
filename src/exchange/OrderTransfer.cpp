#include "exchange/OrderTransfer.h"

#include "core/Options.h"
#include "core/UiPort.h"
#include "exchange/ArchiveError.h"
#include "exchange/ExchangeDirectory.h"
#include "exchange/ExchangeDrive.h"
#include "exchange/MediumCheck.h"
#include "exchange/OrderArchive.h"
#include "exchange/OrderFileBuilder.h"
#include "exchange/TransferQueries.h"
#include "exchange/TwdError.h"
#include "week/TWocheDataModul.h"

#include <QDir>
#include <QFile>

namespace korbelant {

namespace {

bool sameFolder(const QString& a, const QString& b)
{
    return QDir::cleanPath(QDir(a).absolutePath()) == QDir::cleanPath(QDir(b).absolutePath());
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TwdError(QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(path));
    return file.readAll();
}

} // namespace

QString OrderTransfer::driveNotReady(const QString& letter)
{
    return ExchangeDrive::notReady(letter);
}

QString OrderTransfer::confirmPath(const QString& path)
{
    return QStringLiteral("Daten werden auf ") + path + QStringLiteral(" überspielt.");
}

OrderTransfer::OrderTransfer(TWocheDataModul& week, const Options& options, const DataHome& home, UiPort& ui)
    : m_week(week), m_options(options), m_home(home), m_ui(ui)
{
}

QString OrderTransfer::driveLetter(const Options& options)
{
    return ExchangeDrive(options).letter();
}

QString OrderTransfer::localFolder() const
{
    return ExchangeDrive(m_options).folder();
}

QString OrderTransfer::onlineFolder() const
{
    return ExchangeDirectory(m_home, m_ui).online();
}

std::optional<QString> OrderTransfer::run(std::optional<Target> target, const QDate& today)
{
    if (m_week.isEdited())
        m_week.store();
    if (!confirmRepeat() || !confirmPlanning(m_week, m_ui))
        return std::nullopt;
    if (!target)
        target = chooseTarget();
    if (!target || !driveReady(*target) || !confirm(*target) || !checkMedium(*target))
        return std::nullopt;
    const std::optional<WeekRange> range = rangeWithOrders();
    if (!range)
        return std::nullopt;
    const std::optional<QString> archive = write(*range, *target, today);
    if (archive)
        m_week.MarkPartiesExported();
    return archive;
}

bool OrderTransfer::confirmRepeat()
{
    for (const WeekPartyView::Row& party : m_week.VorFuerTable()) {
        if (party.header.value(QStringLiteral("ERSTELLT")).toBool())
            return m_ui.question(kAskRepeat, UiPort::Buttons::YesNo) == UiPort::Answer::Yes;
    }
    return true;
}

bool OrderTransfer::confirmPlanning(const TWocheDataModul& week, UiPort& ui)
{
    for (int k = 1; k <= 6; ++k) {
        if (week.field(QStringLiteral("VORFUEHR_%1").arg(k)).toInt() != 0)
            return true;
    }
    return ui.question(kNotEdited, UiPort::Buttons::OkCancel) == UiPort::Answer::Ok;
}

std::optional<OrderTransfer::Target> OrderTransfer::chooseTarget()
{
    if (m_chooser)
        return m_chooser(kChooseFolder);
    const QString folder = m_ui.chooseDirectory(kChooseFolder, localFolder());
    if (folder.isEmpty())
        return std::nullopt;
    return Target{folder, sameFolder(folder, onlineFolder())};
}

bool OrderTransfer::driveReady(const Target& target)
{
    return ExchangeDrive(m_options).waitReady(m_ui, target);
}

bool OrderTransfer::confirm(const Target& target)
{
    QString text = kConfirmOnline;
    if (!target.online)
        text =
            driveLetter().isEmpty() ? confirmPath(m_options.text(QStringLiteral("BZHPFAD"))) : kConfirmDisk;
    return m_ui.question(text, UiPort::Buttons::OkCancel) == UiPort::Answer::Ok;
}

bool OrderTransfer::checkMedium(const Target& target)
{
    if (MediumCheck::CheckMedium(MediumCheck::berIdFile(target.folder),
                                 TransferQueries::consultantNumber(m_options)))
        return true;
    m_ui.error(target.online ? kNoBerIdOnline : kNoBerId);
    return false;
}

std::optional<WeekRange> OrderTransfer::rangeWithOrders()
{
    const WeekRange range = m_week.actionRange();
    if (m_week.transferQueries().RechQuery(range).isEmpty()) {
        m_ui.information(kNoOrders);
        return std::nullopt;
    }
    return range;
}

std::optional<QString> OrderTransfer::write(const WeekRange& range, const Target& target, const QDate& today)
{
    ExchangeDirectory exchange(m_home, m_ui);
    if (!exchange.PrepareTranstup())
        return std::nullopt;
    const QString orderFile = QDir(exchange.transtup()).filePath(kOrderFile);
    const QString archive = QDir(target.folder).filePath(kArchive);
    try {
        OrderFileBuilder builder(m_week.db(), m_options, range, m_week.VorFuerTable(), today);
        const TTWD_File file = builder.build();
        QStringList lines;
        file.WriteLines(lines);
        TTWD_File::SaveLines(lines, orderFile);
        OrderArchive::put(archive, kOrderFile, readAll(orderFile));
    } catch (const TwdError& e) {
        m_ui.error(e.message());
        return std::nullopt;
    } catch (const ArchiveError& e) {
        m_ui.error(e.message());
        return std::nullopt;
    }
    return archive;
}

} // namespace korbelant
