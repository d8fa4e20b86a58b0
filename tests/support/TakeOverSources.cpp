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

std::vector<ParadoxWriter::Field> QuarnelLayouts::customers()
{
    return {{QStringLiteral("ID"), 'I'},
            {QStringLiteral("Anrede"), 'A', 10},
            {QStringLiteral("Vorname"), 'A', 22},
            {QStringLiteral("Name"), 'A', 22},
            {QStringLiteral("Strasse"), 'A', 26},
            {QStringLiteral("HausNr"), 'A', 6},
            {QStringLiteral("PLZ"), 'A', 6},
            {QStringLiteral("Ort"), 'A', 28},
            {QStringLiteral("Telefon1"), 'A', 20},
            {QStringLiteral("Geburtsdatum"), 'D'},
            {QStringLiteral("Bemerkungen"), 'A', 80},
            {QStringLiteral("Produktbez"), 'A', 20},
            {QStringLiteral("Geschenk"), 'A', 20},
            {QStringLiteral("Mitbesteller"), 'L'},
            {QStringLiteral("KM"), 'N'}};
}

std::vector<ParadoxWriter::Field> QuarnelLayouts::parties()
{
    return {{QStringLiteral("PartyID"), 'I'},      {QStringLiteral("Datum"), 'D'},
            {QStringLiteral("Jahr"), 'S'},         {QStringLiteral("Woche"), 'S'},
            {QStringLiteral("GastgeberNr"), 'I'},  {QStringLiteral("Gaeste"), 'S'},
            {QStringLiteral("BestellSumme"), '$'}, {QStringLiteral("Verabredungen"), 'S'},
            {QStringLiteral("SterneGew"), 'N'},    {QStringLiteral("Benennungen"), 'S'},
            {QStringLiteral("GeschDM"), 'N'}};
}

std::vector<ParadoxWriter::Field> QuarnelLayouts::guests()
{
    return {{QStringLiteral("VfNr"), 'I'},
            {QStringLiteral("PersNr"), 'I'},
            {QStringLiteral("BestellSumme"), '$'},
            {QStringLiteral("Benennung"), 'A', 1},
            {QStringLiteral("Verabredung"), 'A', 1}};
}

std::vector<ParadoxWriter::Field> QuarnelLayouts::lines()
{
    return {
        {QStringLiteral("VfNr"), 'I'},    {QStringLiteral("PersNr"), 'I'},  {QStringLiteral("AC"), 'A', 9},
        {QStringLiteral("PrNr"), 'A', 8}, {QStringLiteral("Bez"), 'A', 40}, {QStringLiteral("MENGE"), 'N'},
        {QStringLiteral("Preis"), '$'},   {QStringLiteral("VA"), 'A', 2},   {QStringLiteral("Sterne"), 'S'}};
}

QString TakeOverFixture::writeParadoxTable(const QString& name,
                                           const std::vector<ParadoxWriter::Field>& layout,
                                           const std::vector<QVariantMap>& records)
{
    const QString path = QDir(sourceDir()).filePath(name);
    ParadoxWriter writer(path, layout);
    for (const QVariantMap& record : records) {
        QVariantList values;
        for (const ParadoxWriter::Field& field : layout)
            values << record.value(field.name);
        writer.add(values);
    }
    return path;
}

QString TakeOverFixture::writeTable(const QString& name, const std::vector<DbfFileBuilder::Field>& layout,
                                    const std::vector<QVariantMap>& records)
{
    DbfFileBuilder builder(QDir(sourceDir()).filePath(name), layout);
    for (const QVariantMap& record : records)
        builder.add(record);
    return builder.write();
}

TakeOverRun::Outcome TakeOverFixture::runTakeOver(TakeOverKind& kind, TakeOverDisplay& display,
                                                  const std::vector<bool>& checked, const QString& source)
{
    TakeOverRun takeOver(*m_set, ui(), kind, display);
    const auto outcome = takeOver.start(source.isEmpty() ? sourceDir() : source, checked);
    m_states = takeOver.rowStates();
    return outcome;
}

void TakeOverFixture::addPricedKind()
{
    db().run(QStringLiteral("INSERT INTO VA (VA, VA_TEXT, EKFAKTOR, VKFAKTOR, STERNEFAKT, STERNEDMFA, "
                            "UMSSTERNFA) VALUES ('77', 'Test', 0.5, 2, 1.5, 0.1, 3)"));
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
