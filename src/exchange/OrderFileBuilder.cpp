#include "exchange/OrderFileBuilder.h"

#include "core/Database.h"
#include "core/GermanFormat.h"
#include "core/RecordValue.h"
#include "core/TuppkopfFields.h"
#include "core/WeekKey.h"
#include "exchange/OrderFileValue.h"
#include "exchange/StreetSplit.h"
#include "exchange/TTWD_TableList.h"
#include "exchange/TransferQueries.h"
#include "exchange/TwdCoding.h"
#include "parties/TVorFuerModul.h"
#include "week/WeekRequestItems.h"

namespace korbelant {

namespace {

using H = TuppkopfFields;
using V = OrderFileValue;

const QString kAddressFields =
    QStringLiteral("Kennung;Name;Vorname;Strasse;Hausnummer;Land;PLZ;Ort;Telefon;Email;Anrede");
const QString kAddressTypes = QStringLiteral("10;10;10;10;10;10;10;10;10;10;10");

QVariant cell(const ResultTable& table, int row, const char* column)
{
    return table.value(row, QString::fromLatin1(column));
}

TTWD_Table& addTable(TTWD_TableList& section, const QString& name, const QString& fields,
                     const QString& types)
{
    TTWD_Table& table = section.AddTable(name);
    table.SetFields(fields);
    table.SetFieldTypes(types);
    return table;
}

} // namespace

OrderFileBuilder::OrderFileBuilder(Database& db, const Options& options, const WeekRange& range,
                                   const std::vector<WeekPartyView::Row>& parties, const QDate& today)
    : m_db(db), m_options(options), m_range(range), m_parties(parties), m_today(today)
{
}

TTWD_File OrderFileBuilder::build()
{
    const TransferQueries queries(m_db, m_options);
    m_orders = queries.RechQuery(m_range);
    m_addresses = queries.AddressQuerry(m_range);
    m_bookings = queries.BuchungenQuery(m_range);
    TTWD_File file;
    file.AddValue(QStringLiteral("Version"), kVersion);
    file.AddValue(QStringLiteral("Erstellt"), GermanFormat::date(m_today));
    addGeneral(file);
    for (const WeekPartyView::Row& party : m_parties)
        addParty(file, party);
    addPlanning(file);
    addRequests(file);
    addNominations(file);
    return file;
}

void OrderFileBuilder::addGeneral(TTWD_File& file) const
{
    TTWD_TableList& general = file.AddSection(QStringLiteral("Allgemein"));
    general.AddValue(QStringLiteral("Woche"), WeekKey::displayWeek(m_range.week));
    general.AddValue(QStringLiteral("Vorführungen"), QString::number(m_parties.size()));
    general.AddValue(QStringLiteral("Programm"), kProgram);
}

void OrderFileBuilder::addParty(TTWD_File& file, const WeekPartyView::Row& party)
{
    TTWD_TableList& section = file.AddSection(QStringLiteral("Vorführung"));
    addResults(section, party);
    addHost(section, RecordValue::text(party.header, H::K_NR));
    const QString partWeek = RecordValue::text(party.header, H::TWoche);
    addOrders(section, partWeek);
    addBookings(section, partWeek);
}

void OrderFileBuilder::addResults(TTWD_TableList& section, const WeekPartyView::Row& party)
{
    const QVariantMap& h = party.header;
    const int later = RecordValue::integer(h, H::VERABRED) - party.Verabred_2.toInt();
    section.AddValue(QStringLiteral("BeratNr"), V::escaped(TransferQueries::consultantNumber(m_options)));
    section.AddValue(QStringLiteral("VorführungsNr"), V::escaped(distributorNumber(h)));
    section.AddValue(QStringLiteral("Datum"), V::escaped(h.value(H::DATUM)));
    section.AddValue(QStringLiteral("Art"), V::escaped(h.value(H::BZH_VF_ART)));
    section.AddValue(QStringLiteral("Umsatz"),
                     GermanFormat::number(RecordValue::number(h, H::VKG_UMSATZ), 2));
    section.AddValue(QStringLiteral("Sterne"), V::escaped(h.value(H::STERNE)));
    section.AddValue(QStringLiteral("Gäste"), V::escaped(h.value(H::GAESTE)));
    section.AddValue(QStringLiteral("Buchungen5"), V::escaped(party.Verabred_2));
    section.AddValue(QStringLiteral("BuchungenNach5"), V::escaped(later));
    section.AddValue(QStringLiteral("Verabredungen"), V::escaped(h.value(H::VERABRED)));
    section.AddValue(QStringLiteral("Bemerkungen"), V::escaped(h.value(H::VF_TEXT)));
}

void OrderFileBuilder::addHost(TTWD_TableList& section, const QString& kNr) const
{
    for (int r = 0; r < m_addresses.rowCount(); ++r) {
        if (cell(m_addresses, r, "K_NR").toString() != kNr)
            continue;
        const StreetSplit street = StreetSplit::of(cell(m_addresses, r, "Strasse").toString());
        const std::vector<std::pair<const char*, QVariant>> values{
            {"GgKennung", cell(m_addresses, r, "K_NR")},
            {"GgAnrede", cell(m_addresses, r, "Anrede")},
            {"GgName", cell(m_addresses, r, "Name")},
            {"GgVorname", cell(m_addresses, r, "VORName")},
            {"GgStrasse", street.street},
            {"GgHausnummer", street.houseNumber},
            {"GgLand", cell(m_addresses, r, "Land")},
            {"GgPLZ", cell(m_addresses, r, "PLZ")},
            {"GgOrt", cell(m_addresses, r, "Ort")},
            {"GgTelefon", cell(m_addresses, r, "Telefon")},
            {"GgEmail", cell(m_addresses, r, "E-MAIL")},
            {"GgGebDatum", cell(m_addresses, r, "GEBURTSTAG")}};
        for (const auto& [key, value] : values)
            section.AddValue(QString::fromLatin1(key), V::escaped(value));
        return;
    }
}

void OrderFileBuilder::addOrders(TTWD_TableList& section, const QString& partWeek) const
{
    const std::vector<int> rows = rowsOf(m_orders, partWeek);
    if (rows.empty())
        return;
    TTWD_Table& table = addTable(section, QStringLiteral("Bestellung"),
                                 QStringLiteral("Produktgruppe;ArtikelNr;Menge"), QStringLiteral("10;10;3"));
    for (const int r : rows) {
        if (cell(m_orders, r, "OnDisk").toString() != QStringLiteral("Ja"))
            continue;
        table.addRecord(record({V::text(cell(m_orders, r, "VA")), V::text(cell(m_orders, r, "Z_NR")),
                                V::text(cell(m_orders, r, "MENGE"))}));
    }
}

void OrderFileBuilder::addBookings(TTWD_TableList& section, const QString& partWeek) const
{
    const std::vector<int> rows = rowsOf(m_bookings, partWeek);
    if (rows.empty())
        return;
    TTWD_Table& table =
        addTable(section, QStringLiteral("Buchungen"), kAddressFields + QStringLiteral(";Woche;Datum"),
                 kAddressTypes + QStringLiteral(";11;8"));
    for (const int r : rows) {
        const QDate date = cell(m_bookings, r, "Verabred_Datum").toDate();
        table.addRecord(record(addressFields(m_bookings, r)
                               << WeekKey::displayWeek(WeekKey::weekKey(date)) << V::text(date)));
    }
}

void OrderFileBuilder::addPlanning(TTWD_File& file) const
{
    TTWD_TableList& planning = file.AddSection(QStringLiteral("Vorplanung"));
    const auto week =
        m_db.rows(QStringLiteral("SELECT VORFUEHR_1, VORFUEHR_2, VORFUEHR_3, VORFUEHR_4, "
                                 "VORFUEHR_5, VORFUEHR_6, REK_BESUCH FROM MWoche WHERE MWoche = ?"),
                  {m_range.week});
    const QVariantList values = week.empty() ? QVariantList(7) : week.front();
    for (int k = 1; k <= 6; ++k)
        planning.AddValue(QStringLiteral("Vorplanung%1").arg(k), V::text(values.at(k - 1)));
    planning.AddValue(QStringLiteral("Rekrutierungsbesuche"), V::text(values.at(6)));
}

void OrderFileBuilder::addRequests(TTWD_File& file) const
{
    TTWD_TableList& section = file.AddSection(QStringLiteral("Anforderungen"));
    const std::vector<WeekRequestItems::Item> items = WeekRequestItems::items(m_db, m_range.week);
    if (items.empty())
        return;
    TTWD_Table& table = addTable(section, QStringLiteral("Anforderungen"),
                                 QStringLiteral("Kodierung;Bezeichnung;Menge"), QStringLiteral("10;10;3"));
    for (const WeekRequestItems::Item& item : items) {
        if (item.Menge > 0 && !item.Kodierung.isEmpty())
            table.addRecord(record({item.Kodierung, item.Bezeichnung, QString::number(item.Menge)}));
    }
}

void OrderFileBuilder::addNominations(TTWD_File& file) const
{
    TTWD_TableList& section = file.AddSection(QStringLiteral("Benennungen"));
    std::vector<int> rows;
    for (int r = 0; r < m_addresses.rowCount(); ++r) {
        if (cell(m_addresses, r, "KZ").toString() == QStringLiteral("B"))
            rows.push_back(r);
    }
    if (rows.empty())
        return;
    TTWD_Table& table = addTable(section, QStringLiteral("Benennungen"), kAddressFields, kAddressTypes);
    for (const int r : rows)
        table.addRecord(record(addressFields(m_addresses, r)));
}

QString OrderFileBuilder::distributorNumber(const QVariantMap& header)
{
    const QString stored = RecordValue::trimmed(header, H::BZH_VF_NR);
    if (!stored.isEmpty())
        return RecordValue::text(header, H::BZH_VF_NR);
    const QString rNr = RecordValue::text(header, H::R_NR);
    const QString number = TVorFuerModul::BZH_VF_NR(RecordValue::date(header, H::DATUM), rNr.mid(6, 1));
    m_db.run(QStringLiteral("UPDATE Tuppkopf SET BZH_VF_NR = ? WHERE R_NR = ?"), {number, rNr});
    return number;
}

std::vector<int> OrderFileBuilder::rowsOf(const ResultTable& table, const QString& partWeek)
{
    std::vector<int> rows;
    for (int r = 0; r < table.rowCount(); ++r) {
        if (cell(table, r, "TWoche").toString().compare(partWeek, Qt::CaseInsensitive) == 0)
            rows.push_back(r);
    }
    return rows;
}

QStringList OrderFileBuilder::addressFields(const ResultTable& table, int row)
{
    const StreetSplit street = StreetSplit::of(cell(table, row, "Strasse").toString());
    return {V::text(cell(table, row, "K_NR")),
            V::text(cell(table, row, "Name")),
            V::text(cell(table, row, "VORName")),
            street.street,
            street.houseNumber,
            V::text(cell(table, row, "Land")),
            V::text(cell(table, row, "PLZ")),
            V::text(cell(table, row, "Ort")),
            V::text(cell(table, row, "Telefon")),
            V::text(cell(table, row, "E-MAIL")),
            V::text(cell(table, row, "Anrede"))};
}

QString OrderFileBuilder::record(const QStringList& values)
{
    QStringList escaped;
    for (const QString& value : values)
        escaped << TwdCoding::TwdEscape(value);
    return escaped.join(QLatin1Char(';'));
}

} // namespace korbelant
