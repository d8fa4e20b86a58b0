#include "takeover/KalmoTakeOver.h"

#include "articles/KindTable.h"
#include "core/DataSet.h"
#include "core/DatabaseError.h"
#include "core/Schema.h"
#include "takeover/DbfSource.h"
#include "takeover/KalmoGuest.h"
#include "takeover/KalmoOrderLine.h"
#include "takeover/SourceFolder.h"
#include "takeover/SourceIndex.h"
#include "takeover/TakeOverParty.h"
#include "takeover/TakeOverRun.h"
#include "takeover/TakeOverWeek.h"
#include "takeover/TargetRecord.h"
#include "week/TWocheDataModul.h"

namespace korbelant {

namespace {

const QString kCustomers = QStringLiteral("Kunden");
const QString kHeaders = QStringLiteral("Tuppkopf");
const QString kPartyKey = QStringLiteral("VFNR");

// A table of the source directory; nullptr when it is not there or cannot be read.
std::unique_ptr<DbfSource> openTable(const QString& directory, const QString& name)
{
    const QString file = SourceFolder(directory).file(name);
    if (file.isEmpty())
        return nullptr;
    try {
        return DbfSource::open(file);
    } catch (const DatabaseError&) {
        return nullptr;
    }
}

void copyField(TargetRecord& record, const TakeOverSource& source, int index)
{
    const TakeOverSource::Field& field = source.fields().at(index);
    const QVariant value = source.value(index);
    const FieldDef* target = record.targetOf(field.name);
    if (!target) {
        if (field.name.compare(QStringLiteral("WOCHE"), Qt::CaseInsensitive) == 0 &&
            record.hasField(QStringLiteral("MWOCHE")) && !TakeOverSource::isNull(value)) {
            record.set(QStringLiteral("MWoche"), TakeOverWeek::mWoche(value.toString(), field.width));
            record.set(QStringLiteral("TWoche"), QStringLiteral("1"));
        }
        return;
    }
    record.copy(field, value);
    if (!TakeOverSource::sameKind(field.kind, target->type))
        return;
    const QString name = field.name.toUpper();
    if (name == QStringLiteral("NR") || name == QStringLiteral("GGBNR"))
        record.set(target->name, KalmoGuest::customerNumber(source.text(field.name)));
    else if (name == kPartyKey)
        record.set(target->name, TakeOverParty::partyNumber(source.value(QStringLiteral("DATUM"))));
}

} // namespace

QString KalmoTakeOver::initialSource(const Options& options) const
{
    (void)options;
    return kPreset;
}

QString KalmoTakeOver::checkSource(const QString& source) const
{
    return openTable(source, kCheckFile) ? QString() : kInvalidPath;
}

FieldAliases KalmoTakeOver::aliases()
{
    return FieldAliases::fromPairs({{QStringLiteral("BEMERKUNG"), QStringLiteral("TEXT")},
                                    {QStringLiteral("NR"), QStringLiteral("K_NR")},
                                    {QStringLiteral("TELEFAX"), QStringLiteral("FAX")},
                                    {QStringLiteral("GEBDAT"), QStringLiteral("GEBURTSTAG")},
                                    {QStringLiteral("ANZBUCH"), QStringLiteral("VERABRED")},
                                    {QStringLiteral("ANZGAST"), QStringLiteral("GAESTE")},
                                    {QStringLiteral("ANZBENENN"), QStringLiteral("BENENN_TUP")},
                                    {QStringLiteral("ANZREK"), QStringLiteral("REKRUTIER")},
                                    {QStringLiteral("ZWSUMME"), QStringLiteral("S_UMSATZ")},
                                    {QStringLiteral("PROVISION"), QStringLiteral("S_PROV")},
                                    {QStringLiteral("GGBNR"), QStringLiteral("K_NR")},
                                    {QStringLiteral("VFNR"), QStringLiteral("R_NR")}});
}

std::optional<QVariantMap> KalmoTakeOver::TakeOverRecord(Database& db, const TakeOverSource& source,
                                                         const TableDef& target)
{
    static const FieldAliases kalmo = aliases();
    TargetRecord record(target, kalmo);
    const bool customers = target.name.compare(kCustomers, Qt::CaseInsensitive) == 0;
    const bool headers = target.name.compare(kHeaders, Qt::CaseInsensitive) == 0;
    for (int i = 0; i < static_cast<int>(source.fields().size()); ++i) {
        copyField(record, source, i);
        if (customers && source.value(i).toString() == QStringLiteral("V"))
            record.set(QStringLiteral("GASTGEBER"), QStringLiteral("J"));
    }
    if (headers)
        record.set(QStringLiteral("ERSTELLT"), true);
    if (record.hasField(QStringLiteral("K_NR")) &&
        !TakeOverParty::isWholeNumber(record.text(QStringLiteral("K_NR"))))
        return std::nullopt;
    const bool stored = headers ? TakeOverParty::storeHeader(db, record) : record.store(db);
    return stored ? std::optional<QVariantMap>(record.values()) : std::nullopt;
}

void KalmoTakeOver::customers(TakeOverRun& run)
{
    const auto source = openTable(run.source(), kCheckFile);
    if (!source)
        return;
    const TableDef& target = Schema::get(kCustomers);
    run.status(QStringLiteral("GBAdr.dbf wird übernommen"));
    run.eachRecord(*source, target.name,
                   [&] { return TakeOverRecord(run.db(), *source, target).has_value(); });
}

void KalmoTakeOver::parties(TakeOverRun& run)
{
    run.status(QStringLiteral("GBVF.dbf wird übernommen"));
    const auto headers = openTable(run.source(), QStringLiteral("GBVF.dbf"));
    if (!headers)
        return;
    const auto guests = openTable(run.source(), QStringLiteral("GBVFGL.DBF"));
    const auto lines = openTable(run.source(), QStringLiteral("GBVFPR.DBF"));
    const SourceIndex guestIndex = guests ? SourceIndex(*guests, kPartyKey) : SourceIndex();
    const SourceIndex lineIndex = lines ? SourceIndex(*lines, kPartyKey) : SourceIndex();
    const KindTable kinds(run.db());
    run.eachRecord(*headers, kHeaders, [&] {
        return party(run, *headers, guests.get(), guestIndex, lines.get(), lineIndex, kinds);
    });
    TWocheDataModul(run.db(), run.dataSet().options(), run.ui()).RebuildWeekRecords();
}

bool KalmoTakeOver::party(TakeOverRun& run, TakeOverSource& headers, TakeOverSource* guests,
                          const SourceIndex& guestIndex, TakeOverSource* lines, const SourceIndex& lineIndex,
                          const KindTable& kinds)
{
    const auto header = TakeOverRecord(run.db(), headers, Schema::get(kHeaders));
    if (!header)
        return false;
    const QString key = headers.text(kPartyKey).trimmed();
    Database& db = run.db();
    for (int record : guests ? guestIndex.records(key) : QList<int>()) {
        guests->seek(record);
        if (const auto participant = KalmoGuest::participant(*guests, *header))
            TargetRecord::insert(db, Schema::get(QStringLiteral("Tupper")), *participant);
    }
    for (int record : lines ? lineIndex.records(key) : QList<int>()) {
        lines->seek(record);
        if (!KalmoOrderLine::hasArticle(*lines))
            continue;
        if (const auto line = KalmoOrderLine::line(*lines, *header, kinds))
            TargetRecord::insert(db, Schema::get(QStringLiteral("Tupper1")), *line);
    }
    return true;
}

} // namespace korbelant
