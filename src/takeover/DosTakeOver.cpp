#include "takeover/DosTakeOver.h"

#include "core/DataSet.h"
#include "core/DatabaseError.h"
#include "core/Options.h"
#include "core/Schema.h"
#include "takeover/DbfSource.h"
#include "takeover/SourceFolder.h"
#include "takeover/TakeOverRun.h"
#include "takeover/TakeOverWeek.h"
#include "takeover/TargetRecord.h"
#include "week/TWocheDataModul.h"

namespace korbelant {

namespace {

enum Row
{
    Customers,
    Articles,
    Expenses,
    Parties
};

const QString kWeekField = QStringLiteral("WOCHE");
const QString kPlanningMarks = QStringLiteral("V_ANZAHL");

// A DOS week text, which has no namesake in the target, fills its week key and part-week.
void copyWeek(TargetRecord& record, const TakeOverSource::Field& field, const QVariant& value)
{
    if (!record.hasField(QStringLiteral("MWOCHE")) || TakeOverSource::isNull(value))
        return;
    const QString text = value.toString();
    record.set(QStringLiteral("MWoche"), TakeOverWeek::mWoche(text, field.width));
    const QString part = TakeOverWeek::tWoche(text);
    if (!part.isEmpty() && record.hasField(QStringLiteral("TWoche")))
        record.set(QStringLiteral("TWoche"), part);
}

} // namespace

std::vector<TakeOverRow> DosTakeOver::rows() const
{
    return {{QStringLiteral("Kundenstamm"), QStringLiteral("kunden")},
            {QStringLiteral("Artikelstamm"), QStringLiteral("artikel")},
            {QStringLiteral("Sonstige Ausgaben"), QStringLiteral("ausgaben")},
            {QStringLiteral("Vorführungsdaten"), QStringLiteral("vorfuehrungen"), false}};
}

QString DosTakeOver::initialSource(const Options& options) const
{
    return options.text(kOption);
}

void DosTakeOver::sourceChosen(Options& options, const QString& source) const
{
    options.setText(kOption, source);
    options.SaveOptions();
}

QString DosTakeOver::checkSource(const QString& source) const
{
    const QString file = SourceFolder(source).file(kCheckFile);
    try {
        if (!file.isEmpty() && DbfSource::open(file))
            return {};
    } catch (const DatabaseError&) {
        // not a table that can be read: the path message below
    }
    return kInvalidPath;
}

void DosTakeOver::aliasesFor(TakeOverRun& run)
{
    m_aliases = FieldAliases::load(SourceFolder(run.dataSet().home().root()).file(FieldAliases::kFileName));
}

void DosTakeOver::runRow(TakeOverRun& run, int row)
{
    aliasesFor(run);
    switch (row) {
    case Customers:
        copy(run, {"Kunden.dbf", "Kunden", "Kunden.dbf wird übernommen"}, true);
        break;
    case Articles:
        copy(run, {"Lager.dbf", "Lager", "Lager.dbf wird übernommen"}, true);
        break;
    case Expenses:
        copy(run, {"Ausgaben.dbf", "Ausgaben", "Ausgaben.dbf wird übernommen"}, true);
        break;
    case Parties:
        for (const Step& step : {Step{"TuppKopf.dbf", "Tuppkopf", "TuppKopf.dbf wird übernommen"},
                                 Step{"Tupper.dbf", "Tupper", "Tupper.dbf wird übernommen"},
                                 Step{"Tupper1.dbf", "Tupper1", "Tupper1.dbf wird übernommen"},
                                 Step{"Woche.dbf", "Woche", "woche.dbf wird übernommen"}})
            copy(run, step, false);
        TWocheDataModul(run.db(), run.dataSet().options(), run.ui()).RebuildWeekRecords();
        break;
    default:
        break;
    }
}

// A source table that cannot be opened ends its step without a message; the row goes on.
void DosTakeOver::copy(TakeOverRun& run, const Step& step, bool showCounts)
{
    const QString file = SourceFolder(run.source()).file(QString::fromUtf8(step.file));
    std::unique_ptr<DbfSource> source;
    try {
        if (file.isEmpty())
            return;
        source = DbfSource::open(file);
    } catch (const DatabaseError&) {
        return;
    }
    const TableDef& target = Schema::get(QString::fromUtf8(step.table));
    if (showCounts)
        run.counts(source->recordCount(), run.recordsIn(target.name));
    run.status(QString::fromUtf8(step.status));
    TakeOverTable(run, *source, target, m_aliases);
}

int DosTakeOver::TakeOverTable(TakeOverRun& run, TakeOverSource& source, const TableDef& target,
                               const FieldAliases& aliases)
{
    int stored = 0;
    const auto& fields = source.fields();
    while (source.next()) {
        TargetRecord record(target, aliases);
        for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
            const TakeOverSource::Field& field = fields.at(i);
            const QVariant value = source.value(i);
            if (record.targetOf(field.name))
                record.copy(field, value);
            else if (field.name.compare(kWeekField, Qt::CaseInsensitive) == 0)
                copyWeek(record, field, value);
            if (field.name.compare(kPlanningMarks, Qt::CaseInsensitive) == 0 &&
                record.hasField(kPlanningMarks))
                record.set(kPlanningMarks, 0);
        }
        if (record.store(run.db()))
            ++stored;
        run.recordDone();
    }
    return stored;
}

} // namespace korbelant
