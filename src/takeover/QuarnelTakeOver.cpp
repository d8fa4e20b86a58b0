#include "takeover/QuarnelTakeOver.h"

#include "articles/KindTable.h"
#include "core/DataSet.h"
#include "core/DatabaseError.h"
#include "core/IncompleteRecords.h"
#include "core/Schema.h"
#include "core/TableDef.h"
#include "takeover/ParadoxSource.h"
#include "takeover/QuarnelGuest.h"
#include "takeover/QuarnelOrderLine.h"
#include "takeover/SourceFolder.h"
#include "takeover/SourceIndex.h"
#include "takeover/TakeOverParty.h"
#include "takeover/TakeOverRun.h"
#include "takeover/TargetRecord.h"
#include "week/TWocheDataModul.h"

#include <cmath>
#include <utility>

namespace korbelant {

namespace {

const QString kCustomers = QStringLiteral("Kunden");
const QString kHeaders = QStringLiteral("Tuppkopf");
const QString kPartyId = QStringLiteral("PartyID");

// A table of the source directory; nullptr when it is not there or cannot be read.
std::unique_ptr<ParadoxSource> openTable(const QString& directory, const QString& name)
{
    const QString file = SourceFolder(directory).file(name);
    if (file.isEmpty())
        return nullptr;
    try {
        return ParadoxSource::open(file);
    } catch (const DatabaseError&) {
        return nullptr;
    }
}

bool is(const QString& name, const char* other)
{
    return name.compare(QLatin1String(other), Qt::CaseInsensitive) == 0;
}

// A number of the source as a whole number, cut off after the point; null for no number.
QVariant whole(const QVariant& value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (TakeOverSource::isNull(value) || !ok || !std::isfinite(number))
        return {};
    return static_cast<qlonglong>(std::trunc(number));
}

// The street of a customer: Quarnel keeps the house number in a field of its own.
QString street(const TakeOverSource& source)
{
    return (source.text(QStringLiteral("Strasse")).trimmed() + QLatin1Char(' ') +
            source.text(QStringLiteral("HausNr")).trimmed())
        .trimmed();
}

// The week key of a party: its year and its week. A week kept as a number ("7") gets its
// leading zero, so that the key has its six characters (200407).
QString weekKey(const TakeOverSource& source)
{
    const QString year = source.text(QStringLiteral("Jahr")).trimmed();
    const QVariant week = whole(source.value(QStringLiteral("Woche")));
    if (year.isEmpty() || week.isNull())
        return {};
    return year + QStringLiteral("%1").arg(week.toLongLong(), 2, 10, QLatin1Char('0'));
}

// The rules that hold for a target field whatever the kinds of the two fields.
void applyTargetRules(TargetRecord& record, const TakeOverSource& source, const FieldDef& target,
                      const QVariant& value)
{
    const QString& name = target.name;
    if (is(name, "K_NR")) {
        if (!TakeOverSource::isNull(value))
            record.set(name, TakeOverParty::sixDigits(value.toString()));
    } else if (is(name, "MWOCHE")) {
        record.set(name, weekKey(source));
        record.set(QStringLiteral("TWoche"), QStringLiteral("1"));
    } else if (is(name, "R_NR")) {
        record.set(name, TakeOverParty::partyNumber(source.value(QStringLiteral("Datum"))));
    } else if (is(name, "GASTGEBER")) {
        const bool coOrderer = source.value(QStringLiteral("Mitbesteller")).toBool();
        record.set(name, coOrderer ? QStringLiteral("M") : QStringLiteral("N"));
    } else if (is(name, "KM_ENTF")) {
        record.set(name, whole(source.value(QStringLiteral("KM"))));
    }
}

void copyField(TargetRecord& record, const TakeOverSource& source, int index)
{
    const TakeOverSource::Field& field = source.fields().at(index);
    const QVariant value = source.value(index);
    const FieldDef* target = record.targetOf(field.name);
    if (!target)
        return;
    record.copy(field, value);
    if (is(field.name, "Strasse") && TakeOverSource::sameKind(field.kind, target->type))
        record.set(target->name, street(source));
    applyTargetRules(record, source, *target, value);
}

// The totals of a party header that Quarnel keeps under names of its own.
void headerTotals(TargetRecord& record, const TakeOverSource& source)
{
    static const std::vector<std::pair<QString, QString>> totals{
        {QStringLiteral("S_UMSATZ"), QStringLiteral("BestellSumme")},
        {QStringLiteral("VERABRED"), QStringLiteral("Verabredungen")},
        {QStringLiteral("STERNE"), QStringLiteral("SterneGew")},
        {QStringLiteral("BENENN_TUP"), QStringLiteral("Benennungen")},
        {QStringLiteral("STERNE_DM"), QStringLiteral("GeschDM")}};
    for (const auto& [target, from] : totals) {
        const FieldDef* field = record.table().field(target);
        const QVariant value = source.value(from);
        if (!field || TakeOverSource::isNull(value))
            continue;
        const bool counts = field->type == FieldDef::Type::Short || field->type == FieldDef::Type::Long;
        record.set(field->name, counts ? whole(value) : QVariant(value.toDouble()));
    }
    record.set(QStringLiteral("ERSTELLT"), true);
}

} // namespace

QString QuarnelTakeOver::initialSource(const Options& options) const
{
    (void)options;
    return kPreset;
}

QString QuarnelTakeOver::checkSource(const QString& source) const
{
    return openTable(source, kCheckFile) ? QString() : kInvalidPath;
}

FieldAliases QuarnelTakeOver::customerAliases()
{
    return FieldAliases::fromPairs({{QStringLiteral("ID"), QStringLiteral("K_NR")},
                                    {QStringLiteral("Geburtsdatum"), QStringLiteral("GEBURTSTAG")},
                                    {QStringLiteral("Bemerkungen"), QStringLiteral("TEXT")},
                                    {QStringLiteral("Produktbez"), QStringLiteral("MCODE")},
                                    {QStringLiteral("Geschenk"), QStringLiteral("MCODE2")},
                                    {QStringLiteral("Mitbesteller"), QStringLiteral("GASTGEBER")},
                                    {QStringLiteral("KM"), QStringLiteral("KM_ENTF")},
                                    {QStringLiteral("TELEFON1"), QStringLiteral("TELEFON")}});
}

FieldAliases QuarnelTakeOver::headerAliases()
{
    return FieldAliases::fromPairs({{kPartyId, QStringLiteral("R_NR")},
                                    {QStringLiteral("GastgeberNr"), QStringLiteral("K_NR")},
                                    {QStringLiteral("Woche"), QStringLiteral("MWOCHE")}});
}

std::optional<QVariantMap> QuarnelTakeOver::TakeOverRecord(Database& db, const TakeOverSource& source,
                                                           const TableDef& target)
{
    static const FieldAliases forCustomers = customerAliases();
    static const FieldAliases forHeaders = headerAliases();
    const bool customers = target.name.compare(kCustomers, Qt::CaseInsensitive) == 0;
    TargetRecord record(target, customers ? forCustomers : forHeaders);
    for (int i = 0; i < static_cast<int>(source.fields().size()); ++i)
        copyField(record, source, i);
    const bool headers = target.name.compare(kHeaders, Qt::CaseInsensitive) == 0;
    if (headers)
        headerTotals(record, source);
    if (record.hasField(QStringLiteral("K_NR")) &&
        !TakeOverParty::isWholeNumber(record.text(QStringLiteral("K_NR"))))
        return std::nullopt;
    const bool stored = headers ? TakeOverParty::storeHeader(db, record) : record.store(db);
    return stored ? std::optional<QVariantMap>(record.values()) : std::nullopt;
}

void QuarnelTakeOver::afterRows(TakeOverRun& run)
{
    IncompleteRecords(run.db()).RemoveIncompleteRecords();
}

void QuarnelTakeOver::customers(TakeOverRun& run)
{
    const auto source = openTable(run.source(), kCheckFile);
    if (!source)
        return;
    const TableDef& target = Schema::get(kCustomers);
    run.status(QStringLiteral("PERSONEN.db wird übernommen"));
    run.eachRecord(*source, target.name,
                   [&] { return TakeOverRecord(run.db(), *source, target).has_value(); });
}

void QuarnelTakeOver::parties(TakeOverRun& run)
{
    const auto headers = openTable(run.source(), QStringLiteral("VF.db"));
    if (!headers)
        return;
    const auto guests = openTable(run.source(), QStringLiteral("GAST.db"));
    const auto lines = openTable(run.source(), QStringLiteral("BESTARTK.db"));
    const SourceIndex guestIndex = guests ? SourceIndex(*guests, QuarnelGuest::kParty) : SourceIndex();
    const SourceIndex lineIndex = lines ? SourceIndex(*lines, QuarnelGuest::kParty) : SourceIndex();
    const KindTable kinds(run.db());
    run.eachRecord(*headers, kHeaders, [&] {
        return party(run, *headers, guests.get(), guestIndex, lines.get(), lineIndex, kinds);
    });
    TWocheDataModul(run.db(), run.dataSet().options(), run.ui()).RebuildWeekRecords();
}

bool QuarnelTakeOver::party(TakeOverRun& run, TakeOverSource& headers, TakeOverSource* guests,
                            const SourceIndex& guestIndex, TakeOverSource* lines,
                            const SourceIndex& lineIndex, const KindTable& kinds)
{
    const auto header = TakeOverRecord(run.db(), headers, Schema::get(kHeaders));
    if (!header)
        return false;
    const QString key = headers.text(kPartyId).trimmed();
    const QList<int> partyLines = lines ? lineIndex.records(key) : QList<int>();
    Database& db = run.db();
    int place = 0;
    for (int record : guests ? guestIndex.records(key) : QList<int>()) {
        guests->seek(record);
        const auto participant = QuarnelGuest::participant(*guests, *header, ++place);
        if (!participant || !TargetRecord::insert(db, Schema::get(QStringLiteral("Tupper")), *participant))
            continue;
        if (lines)
            guestLines(db, *lines, partyLines, guests->text(QuarnelGuest::kCustomer).trimmed(), *header,
                       participant->value(QStringLiteral("P_NR")).toString(), kinds);
    }
    return true;
}

void QuarnelTakeOver::guestLines(Database& db, TakeOverSource& lines, const QList<int>& partyLines,
                                 const QString& customer, const QVariantMap& header, const QString& pNr,
                                 const KindTable& kinds)
{
    for (int record : partyLines) {
        lines.seek(record);
        if (lines.text(QuarnelGuest::kCustomer).trimmed() != customer)
            continue;
        if (const auto line = QuarnelOrderLine::line(lines, header, pNr, kinds))
            TargetRecord::insert(db, Schema::get(QStringLiteral("Tupper1")), *line);
    }
}

} // namespace korbelant
