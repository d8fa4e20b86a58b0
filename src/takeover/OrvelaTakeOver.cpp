#include "takeover/OrvelaTakeOver.h"

#include "articles/KindTable.h"
#include "core/DataSet.h"
#include "core/DatabaseError.h"
#include "core/Schema.h"
#include "takeover/ESQLerror.h"
#include "takeover/OdbcSource.h"
#include "takeover/OrvelaDatabase.h"
#include "takeover/OrvelaGuest.h"
#include "takeover/OrvelaRecord.h"
#include "takeover/SourceIndex.h"
#include "takeover/TakeOverRun.h"
#include "takeover/TargetRecord.h"
#include "takeover/TmDataBase.h"
#include "takeover/TmTable.h"
#include "week/TWocheDataModul.h"

namespace korbelant {

namespace {

const QString kCustomers = QStringLiteral("Kunden");
const QString kHeaders = QStringLiteral("Tuppkopf");
const QString kAddresses = QStringLiteral("Adressen");
const QString kPartyKey = QStringLiteral("VID");

} // namespace

OrvelaTakeOver::OrvelaTakeOver(OdbcDriverMap drivers)
    : CustomerPartyTakeOver(false), m_drivers(std::move(drivers))
{
}

OrvelaTakeOver::~OrvelaTakeOver() = default;

QString OrvelaTakeOver::initialSource(const Options& options) const
{
    (void)options;
    return kPreset;
}

std::unique_ptr<TmDataBase> OrvelaTakeOver::connect(const QString& directory) const
{
    const QString file = OrvelaDatabase::file(directory);
    if (file.isEmpty())
        return nullptr;
    auto database = std::make_unique<TmDataBase>(OrvelaDatabase::parameters(file));
    database->setDriverMap(m_drivers);
    return database;
}

QString OrvelaTakeOver::checkSource(const QString& source) const
{
    const std::unique_ptr<TmDataBase> database = connect(source);
    if (!database)
        return kInvalidPath;
    try {
        // Opening the table asks the driver for it; its rows are read by the row itself.
        TmTable(*database, kAddresses).open();
    } catch (const std::exception&) {
        return kInvalidPath;
    }
    return {};
}

TmDataBase& OrvelaTakeOver::database(const QString& directory)
{
    if (!m_database || m_directory != directory) {
        m_database = connect(directory);
        m_directory = directory;
    }
    if (!m_database)
        throw ESQLerror(kInvalidPath);
    return *m_database;
}

std::unique_ptr<OdbcSource> OrvelaTakeOver::table(TakeOverRun& run, const QString& name)
{
    try {
        return OdbcSource::read(database(run.source()), name);
    } catch (const ESQLerror& error) {
        // A table that cannot be read would leave its records out without a word: the row fails
        // whole and the driver's records are shown.
        error.show(run.ui());
        throw DatabaseError(QStringLiteral("Die Tabelle %1 von Orvela kann nicht gelesen werden: %2")
                                .arg(name, error.message()));
    }
}

void OrvelaTakeOver::customers(TakeOverRun& run)
{
    const auto source = table(run, kAddresses);
    const TableDef& target = Schema::get(kCustomers);
    run.status(QStringLiteral("Adressen werden übernommen"));
    run.eachRecord(*source, target.name,
                   [&] { return OrvelaRecord::TakeOverRecord(run.db(), *source, target).has_value(); });
}

void OrvelaTakeOver::parties(TakeOverRun& run)
{
    const auto headers = table(run, QStringLiteral("Vorführungen"));
    const auto guests = table(run, QStringLiteral("Gästeliste"));
    const auto lines = table(run, QStringLiteral("Preislisten"));
    const SourceIndex guestIndex(*guests, kPartyKey);
    const SourceIndex lineIndex(*lines, kPartyKey);
    const KindTable kinds(run.db());
    run.eachRecord(*headers, kHeaders,
                   [&] { return party(run, *headers, *guests, guestIndex, *lines, lineIndex, kinds); });
    TWocheDataModul(run.db(), run.dataSet().options(), run.ui()).RebuildWeekRecords();
}

bool OrvelaTakeOver::party(TakeOverRun& run, const TakeOverSource& headers, TakeOverSource& guests,
                           const SourceIndex& guestIndex, TakeOverSource& lines, const SourceIndex& lineIndex,
                           const KindTable& kinds)
{
    const auto header = OrvelaRecord::TakeOverRecord(run.db(), headers, Schema::get(kHeaders));
    if (!header)
        return false;
    const QString key = headers.text(QStringLiteral("ID")).trimmed();
    const QList<int> partyLines = lineIndex.records(key);
    for (int record : guestIndex.records(key)) {
        guests.seek(record);
        const auto participant = OrvelaGuest::participant(guests, *header);
        if (!participant)
            continue;
        TargetRecord::insert(run.db(), Schema::get(QStringLiteral("Tupper")), *participant);
        const QString guest = guests.text(QStringLiteral("GID")).trimmed();
        const QString pNr = participant->value(QStringLiteral("P_NR")).toString();
        for (int line : partyLines) {
            lines.seek(line);
            if (lines.text(QStringLiteral("GID")).trimmed() == guest)
                TargetRecord::insert(run.db(), Schema::get(QStringLiteral("Tupper1")),
                                     OrvelaGuest::line(lines, *header, pNr, kinds));
        }
    }
    return true;
}

} // namespace korbelant
