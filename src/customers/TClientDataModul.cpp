#include "customers/TClientDataModul.h"

#include "core/Database.h"
#include "core/DatabaseError.h"
#include "core/FixedCustomers.h"
#include "core/KmFields.h"
#include "core/KundenFields.h"
#include "core/OrteFields.h"
#include "core/RecordStore.h"
#include "core/RecordValue.h"
#include "core/StorageForm.h"
#include "core/UiPort.h"
#include "customers/ContactFlags.h"
#include "customers/PlaceChooser.h"

namespace korbelant {

namespace {

using K = KundenFields;

using O = OrteFields;

const TableDef& kunden()
{
    return K::table();
}

const QString kGanzerName = QStringLiteral("GanzerName");
const QString kGanzeAdresse = QStringLiteral("GanzeAdresse");
const QString kVorPlaGast = QStringLiteral("VorPlaGast");
const QStringList kCalculated{kGanzerName, kGanzeAdresse, kVorPlaGast};
const int kHighestNumber = 999999;

bool isBlankEntry(const FieldDef& field, const QString& entry)
{
    QString rest = entry;
    rest.remove(QLatin1Char(' ')).remove(QLatin1Char('_'));
    if (field.type == FieldDef::Type::Date)
        rest.remove(QLatin1Char('.'));
    if (field.type == FieldDef::Type::Time)
        rest.remove(QLatin1Char(':'));
    return rest.isEmpty();
}

QString entryError(const FieldDef& field, const QVariant& value)
{
    if (value.typeId() != QMetaType::QString || field.isText() || isBlankEntry(field, value.toString()))
        return {};
    if (StorageForm::toStorage(field, value).isValid())
        return {};
    const QString entry = value.toString().trimmed();
    switch (field.type) {
    case FieldDef::Type::Date:
        return QStringLiteral("\"%1\" ist kein gültiges Datum (%2).").arg(entry, field.name);
    case FieldDef::Type::Time:
        return QStringLiteral("\"%1\" ist keine gültige Uhrzeit (%2).").arg(entry, field.name);
    default:
        return QStringLiteral("\"%1\" ist keine gültige Zahl (%2).").arg(entry, field.name);
    }
}

// The fields of a customer record that are stored, by their names in the table.
QVariantMap storedFields(const TClientDataModul::Record& record)
{
    QVariantMap stored;
    for (auto it = record.cbegin(); it != record.cend(); ++it) {
        if (!kCalculated.contains(it.key()))
            stored.insert(kunden().field(it.key())->name, it.value());
    }
    return stored;
}

QString placeOrder(Place::Order order)
{
    return order == Place::Order::Postcode
               ? O::PLZ + QStringLiteral(", ") + O::ORTSNAME
               : O::table().orderBy(QStringLiteral("OrtsNameIndex")) + QStringLiteral(", ") + O::PLZ;
}

std::vector<Place> placeRows(Database& db, const QString& sql, const QVariantList& params)
{
    std::vector<Place> places;
    for (const QVariantList& row : db.rows(sql, params))
        places.push_back({row.at(0).toString(), row.at(1).toString(), row.at(2).toString()});
    return places;
}

} // namespace

TClientDataModul::TClientDataModul(Database& db, UiPort& ui) : m_db(db), m_ui(ui)
{
    try {
        FixedCustomers(m_db).ensureAtStartup();
    } catch (const DatabaseError&) {
        // A refused insertion of a fixed customer is ignored.
    }
    try {
        m_kmOpen = m_db.tableExists(KmFields::kTable) &&
                   m_db.scalar(QStringLiteral("SELECT count(*) FROM km")).isValid();
    } catch (const DatabaseError&) {
        m_kmOpen = false;
    }
}

QString TClientDataModul::NextCustomerNumber()
{
    // Only numbers of six digits count; a stray entry of other data cannot break the numbering.
    const QVariant highest = m_db.scalar(QStringLiteral(
        "SELECT MAX(CAST(K_NR AS INTEGER)) FROM Kunden WHERE K_NR GLOB '[0-9][0-9][0-9][0-9][0-9][0-9]'"));
    if (!highest.isValid() || highest.isNull())
        return kFirstNumber;
    const qint64 next = highest.toLongLong() + 1;
    if (next > kHighestNumber)
        throw DatabaseError(
            QStringLiteral("Die Kundennummer 999999 ist vergeben; es gibt keine freie Kundennummer mehr. "
                           "Ein neuer Kunde kann nicht angelegt werden."));
    const QString number = QStringLiteral("%1").arg(next, 6, 10, QLatin1Char('0'));
    return number < kFirstNumber ? kFirstNumber : number;
}

void TClientDataModul::applyNewCustomerDefaults(Record& record)
{
    record.insert(K::GASTGEBER, QStringLiteral("N"));
    record.insert(K::FAM_STAND, QStringLiteral("U"));
    record.insert(K::ANREDE, QStringLiteral("Frau"));
    for (const ContactFlags::Flag& flag : ContactFlags::all())
        record.insert(flag.column, QStringLiteral("N"));
}

TClientDataModul::Record TClientDataModul::newCustomer()
{
    Record record;
    record.insert(K::K_NR, NextCustomerNumber());
    applyNewCustomerDefaults(record);
    calcFields(record);
    return record;
}

std::optional<TClientDataModul::Record> TClientDataModul::load(const QString& customerNumber) const
{
    auto record = RecordStore::selectOne(m_db, kunden(), QStringLiteral("K_NR = ?"), {customerNumber});
    if (record)
        calcFields(*record);
    return record;
}

void TClientDataModul::calcFields(Record& record)
{
    const auto field = [&record](const QString& name) { return RecordValue::trimmed(record, name); };
    record.insert(kGanzerName, (field(K::NAME) + QStringLiteral(", ") + field(K::VORNAME)).left(50));
    record.insert(kGanzeAdresse, (field(K::PLZ) + QLatin1Char(' ') + field(K::ORT) + QStringLiteral(", ") +
                                  field(K::STRASSE))
                                     .left(50));
    const int mark = RecordValue::integer(record, K::V_ANZAHL);
    record.insert(kVorPlaGast, mark == 1   ? QStringLiteral("Gastgeberin")
                               : mark == 2 ? QStringLiteral("Gast")
                                           : QString());
}

QString TClientDataModul::checkEntries(const Record& record) const
{
    if (RecordValue::trimmed(record, K::K_NR).isEmpty())
        return QStringLiteral("Der Kunde hat keine Kundennummer.");
    for (auto it = record.cbegin(); it != record.cend(); ++it) {
        if (kCalculated.contains(it.key()))
            continue;
        const FieldDef* field = kunden().field(it.key());
        if (!field)
            return QStringLiteral("Das Feld %1 gibt es in der Kundentabelle nicht.").arg(it.key());
        const QString error = entryError(*field, it.value());
        if (!error.isEmpty())
            return error;
    }
    return {};
}

TClientDataModul::PostResult TClientDataModul::post(const Record& record, bool isNew)
{
    PostResult result;
    result.error = checkEntries(record);
    if (!result.error.isEmpty()) {
        result.rejectedEntry = true;
        return result;
    }
    const QString number = RecordValue::trimmed(record, K::K_NR);
    try {
        store(storedFields(record), number, isNew);
    } catch (const DatabaseError& e) {
        result.error = e.isConstraint()
                           ? QStringLiteral("Die Kundennummer %1 ist schon vergeben.").arg(number)
                           : e.message();
        return result;
    }
    keepDistance(record);
    result.ok = true;
    return result;
}

void TClientDataModul::store(QVariantMap fields, const QString& number, bool isNew)
{
    if (isNew) {
        m_db.insert(kunden(), fields);
        return;
    }
    fields.remove(K::K_NR);
    if (!fields.isEmpty() && RecordStore::update(m_db, kunden(), fields, QVariantMap{{K::K_NR, number}}) == 0)
        throw DatabaseError(QStringLiteral("Den Kunden %1 gibt es nicht mehr.").arg(number));
}

void TClientDataModul::keepDistance(const Record& record)
{
    const int km = StorageForm::toStorage(*kunden().field(K::KM_ENTF), record.value(K::KM_ENTF)).toInt();
    const QString postcode = RecordValue::trimmed(record, K::PLZ);
    const QString town = RecordValue::trimmed(record, K::ORT);
    if (km == 0 || !m_kmOpen || postcode.isEmpty() || town.isEmpty())
        return;
    try {
        // Known when a stored place begins with the customer's postcode and town, in any case.
        const QVariant known = m_db.scalar(
            QStringLiteral("SELECT 1 FROM km WHERE substr(PLZ, 1, length(?1)) = ?1 COLLATE GERMAN "
                           "AND substr(ORT, 1, length(?2)) = ?2 COLLATE GERMAN LIMIT 1"),
            {postcode, town});
        if (known.isValid())
            return;
        m_db.insert(KmFields::table(),
                    {{KmFields::PLZ, postcode}, {KmFields::ORT, town}, {KmFields::KM, km}});
    } catch (const DatabaseError&) {
        // A refused append is dropped without a word.
    }
}

bool TClientDataModul::deleteCustomer(const QString& customerNumber)
{
    if (FixedCustomers::isFixed(customerNumber)) {
        m_ui.information(kReservedMessage);
        return false;
    }
    m_db.run(QStringLiteral("DELETE FROM Kunden WHERE K_NR = ?"), {customerNumber.trimmed()});
    return m_db.changes() > 0;
}

void TClientDataModul::setPlanningMark(const QString& customerNumber, int mark)
{
    m_db.run(QStringLiteral("UPDATE Kunden SET V_ANZAHL = ? WHERE K_NR = ?"), {mark, customerNumber});
}

int TClientDataModul::customerCount() const
{
    return m_db.scalar(QStringLiteral("SELECT count(*) FROM Kunden")).toInt();
}

bool TClientDataModul::takePlace(Record& record, const QString& column, const QString& value,
                                 Place::Order order, PlaceChooser& chooser)
{
    if (value.isEmpty())
        return false;
    const std::vector<Place> found =
        placeRows(m_db,
                  QStringLiteral("SELECT PLZ, ORTSNAME, VORWAHL FROM Orte WHERE %1 = ? ORDER BY %2")
                      .arg(column, placeOrder(order)),
                  {value});
    if (found.empty())
        return false;
    std::optional<Place> chosen = found.front();
    if (found.size() > 1)
        chosen = chooser.choosePlace(found, order);
    if (!chosen)
        return false;
    record.insert(K::ORT, chosen->town);
    record.insert(K::PLZ, chosen->postcode);
    if (const auto km = DistanceFor(chosen->postcode, chosen->town))
        record.insert(K::KM_ENTF, *km);
    return true;
}

bool TClientDataModul::TownForPostcode(Record& record, PlaceChooser& chooser)
{
    return takePlace(record, O::PLZ, RecordValue::trimmed(record, K::PLZ), Place::Order::Postcode, chooser);
}

bool TClientDataModul::PostcodeForTown(Record& record, PlaceChooser& chooser)
{
    return takePlace(record, O::ORTSNAME, RecordValue::trimmed(record, K::ORT), Place::Order::Town, chooser);
}

std::optional<QString> TClientDataModul::AreaCode(const QString& postcode, const QString& town) const
{
    const QVariant code =
        m_db.scalar(QStringLiteral("SELECT VORWAHL FROM Orte WHERE PLZ = ? AND ORTSNAME = ?"),
                    {postcode.trimmed(), town.trimmed()});
    if (!code.isValid() || code.toString().trimmed().isEmpty())
        return std::nullopt;
    return code.toString().trimmed();
}

std::optional<int> TClientDataModul::DistanceFor(const QString& postcode, const QString& town) const
{
    if (!m_kmOpen)
        return std::nullopt;
    const QVariant km = m_db.scalar(QStringLiteral("SELECT KM FROM km WHERE PLZ = ? AND ORT = ?"),
                                    {postcode.trimmed(), town.trimmed()});
    if (!km.isValid() || km.isNull())
        return std::nullopt;
    return km.toInt();
}

std::vector<Place> TClientDataModul::places(Place::Order order) const
{
    return placeRows(
        m_db, QStringLiteral("SELECT PLZ, ORTSNAME, VORWAHL FROM Orte ORDER BY ") + placeOrder(order), {});
}

bool TClientDataModul::savePlace(const Place& place, const std::optional<Place>& previous)
{
    const QVariant existing =
        m_db.scalar(QStringLiteral("SELECT 1 FROM Orte WHERE PLZ = ? AND ORTSNAME = ? "
                                   "AND NOT (PLZ = ? AND ORTSNAME = ?)"),
                    {place.postcode.trimmed(), place.town.trimmed(),
                     previous ? previous->postcode : QString(), previous ? previous->town : QString()});
    if (existing.isValid()) {
        m_ui.information(kDuplicatePlaceMessage);
        return false;
    }
    const QVariantMap values{{O::PLZ, place.postcode.trimmed()},
                             {O::ORTSNAME, place.town.trimmed()},
                             {O::VORWAHL, place.areaCode.trimmed()}};
    try {
        if (previous)
            RecordStore::update(m_db, O::table(), values,
                                QVariantMap{{O::PLZ, previous->postcode}, {O::ORTSNAME, previous->town}});
        else
            m_db.insert(O::table(), values);
    } catch (const DatabaseError& e) {
        if (!e.isConstraint())
            throw;
        m_ui.information(kDuplicatePlaceMessage);
        return false;
    }
    return true;
}

std::vector<Distance> TClientDataModul::distances() const
{
    std::vector<Distance> list;
    if (!m_kmOpen)
        return list;
    for (const QVariantList& row : m_db.rows(QStringLiteral("SELECT PLZ, ORT, KM FROM km ORDER BY PLZ, ORT")))
        list.push_back({row.at(0).toString(), row.at(1).toString(), row.at(2).toInt()});
    return list;
}

} // namespace korbelant
