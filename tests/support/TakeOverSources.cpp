#include "support/TakeOverSources.h"

#include <QDir>

namespace korbelant::test {

std::vector<DbfFileBuilder::Field> DosLayouts::customers()
{
    return {{"K_NR", 'C', 6},      {"NAME", 'C', 22},    {"VORNAME", 'C', 22},   {"GASTGEBER", 'C', 1},
            {"TEXT1", 'C', 60},    {"TEXT2", 'C', 60},   {"TEXT3", 'C', 60},     {"TEXT4", 'C', 60},
            {"TEXT5", 'C', 60},    {"V_ANZAHL", 'N', 3}, {"UMSATZ", 'N', 10, 2}, {"GEBURTSTAG", 'D', 8},
            {"WIEDERVORL", 'D', 8}};
}

std::vector<DbfFileBuilder::Field> DosLayouts::partyHeaders()
{
    return {{"R_NR", 'C', 7},         {"DATUM", 'D', 8},    {"WOCHE", 'C', 5},   {"K_NR", 'C', 6},
            {"S_UMSATZ", 'N', 10, 2}, {"ANGEBOTE", 'N', 3}, {"ERSTELLT", 'L', 1}};
}

std::vector<DbfFileBuilder::Field> DosLayouts::participants()
{
    return {{"R_NR", 'C', 7},    {"P_NR", 'C', 2},       {"K_NR", 'C', 6},      {"UMSATZ", 'N', 10, 2},
            {"GEBUCHT", 'C', 1}, {"BUCH_DATUM", 'D', 8}, {"BUCH_ZEIT", 'C', 4}, {"WOCHE", 'C', 5}};
}

std::vector<DbfFileBuilder::Field> DosLayouts::orderLines()
{
    return {{"R_NR", 'C', 7},           {"P_NR", 'C', 2}, {"ID", 'N', 6},
            {"L_NR", 'C', 8},           {"VA", 'C', 2},   {"STUECK", 'N', 5},
            {"EINZ_PREIS", 'N', 10, 2}, {"WOCHE", 'C', 5}};
}

std::vector<DbfFileBuilder::Field> DosLayouts::weeks()
{
    return {{"WOCHE", 'C', 6}, {"BEMERKUNG1", 'C', 40}, {"BEMERKUNG2", 'C', 40}, {"FKM1", 'N', 5}};
}

std::vector<DbfFileBuilder::Field> KalmoLayouts::customers()
{
    return {{"NR", 'C', 8},     {"NAME", 'C', 30},  {"VORNAME", 'C', 30},  {"TELEFAX", 'C', 20},
            {"GEBDAT", 'D', 8}, {"STATUS", 'C', 1}, {"BEMERKUNG", 'M', 10}};
}

std::vector<DbfFileBuilder::Field> KalmoLayouts::parties()
{
    return {{"VFNR", 'C', 10},   {"DATUM", 'D', 8},       {"GGBNR", 'C', 8},        {"WOCHE", 'C', 4},
            {"ANZGAST", 'N', 3}, {"ZWSUMME", 'N', 10, 2}, {"PROVISION", 'N', 10, 2}};
}

std::vector<DbfFileBuilder::Field> KalmoLayouts::guests()
{
    return {
        {"VFNR", 'C', 10}, {"GASTNR", 'C', 8}, {"GASTNRLFD", 'N', 3}, {"UMSATZ", 'N', 10, 2}, {"KZ", 'C', 2}};
}

std::vector<DbfFileBuilder::Field> KalmoLayouts::lines()
{
    return {{"VFNR", 'C', 10},  {"GASTNRLFD", 'N', 3}, {"PRDNR", 'C', 10},    {"ARTNR", 'C', 8},
            {"BEZ", 'C', 40},   {"MENGE", 'N', 5},     {"Preis", 'N', 10, 2}, {"VA", 'C', 2},
            {"STERNE", 'N', 5}, {"KZ", 'C', 2}};
}

QString TakeOverFixture::writeTable(const QString& name, const std::vector<DbfFileBuilder::Field>& layout,
                                    const std::vector<QVariantMap>& records)
{
    DbfFileBuilder builder(QDir(sourceDir()).filePath(name), layout);
    for (const QVariantMap& record : records)
        builder.add(record);
    return builder.write();
}

int TakeOverFixture::count(const QString& table)
{
    return db().scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt();
}

QVariant TakeOverFixture::value(const QString& table, const QString& field, const QString& where,
                                const QVariantList& params)
{
    return db().scalar(QStringLiteral("SELECT %1 FROM %2 WHERE %3").arg(field, table, where), params);
}

} // namespace korbelant::test
