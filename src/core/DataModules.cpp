#include "core/DataModules.h"

#include "core/DataSet.h"
#include "core/DatabaseError.h"
#include "core/FixedCustomers.h"
#include "core/Schema.h"

namespace korbelant {

namespace {

void openCustomers(DataSet& dataSet)
{
    FixedCustomers(dataSet.db()).ensureAtStartup();
}

} // namespace

const std::vector<DataModules::Module>& DataModules::startupOrder()
{
    static const std::vector<Module> modules{
        {QStringLiteral("Datenübernahme"), {}, {}},
        {QStringLiteral("Kunden"),
         {QStringLiteral("Kunden"), QStringLiteral("Orte"), QStringLiteral("km"),
          QStringLiteral("anforderungen")},
         openCustomers},
        {QStringLiteral("Vorführungen"),
         {QStringLiteral("Tuppkopf"), QStringLiteral("Tupper"), QStringLiteral("Tupper1"),
          QStringLiteral("VA"), QStringLiteral("SternePlan"), QStringLiteral("Umtausch")},
         {}},
        {QStringLiteral("Wochen"),
         {QStringLiteral("MWoche"), QStringLiteral("Woche"), QStringLiteral("Drucksa"),
          QStringLiteral("Statist")},
         {}},
        {QStringLiteral("Artikel"), {QStringLiteral("Lager"), QStringLiteral("Ersatzteile")}, {}},
        {QStringLiteral("Ausgaben"),
         {QStringLiteral("Ausgaben"), QStringLiteral("Reise"), QStringLiteral("ReiseSatz")},
         {}},
        {QStringLiteral("Übertragung"), {QStringLiteral("TWFILELIST")}, {}},
    };
    return modules;
}

void DataModules::requireTable(Database& db, const QString& table)
{
    if (!db.tableExists(table))
        throw DatabaseError(QStringLiteral("Die Tabelle %1 fehlt.").arg(table));
    const QStringList present = db.columns(table);
    for (const QString& field : Schema::get(table).fieldNames()) {
        if (!present.contains(field, Qt::CaseInsensitive))
            throw DatabaseError(QStringLiteral("In der Tabelle %1 fehlt das Feld %2.").arg(table, field));
    }
}

void DataModules::openAll(DataSet& dataSet)
{
    for (const Module& module : startupOrder()) {
        for (const QString& table : module.tables)
            requireTable(dataSet.db(), table);
        if (module.open)
            module.open(dataSet);
    }
}

} // namespace korbelant
