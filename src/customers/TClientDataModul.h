#pragma once

#include "customers/Place.h"

#include <QString>
#include <QVariantMap>
#include <optional>
#include <vector>

namespace korbelant {

class Database;
class PlaceChooser;
class UiPort;

// The customer store: the customer table with the place directory and the distance table, and
// the rules every window applies when it creates, changes or deletes a customer.
//
// A customer record is a map from the field names of the customer table to values in edit form:
// dates as QDate or as the text of a date edit ("dd.mm.yyyy", the empty mask for none), the time
// as QTime or "hh:mm", numbers as numbers or text. Loaded records carry the calculated fields
// GanzerName, GanzeAdresse and VorPlaGast as well.
class TClientDataModul
{
public:
    using Record = QVariantMap;

    struct PostResult
    {
        bool ok = false;
        QString error;              // German text; an entry that cannot be stored, or the store's refusal
        bool rejectedEntry = false; // the error is about an entry the user can correct
    };

    static inline const QString kReservedMessage =
        QStringLiteral("Kundennummern \"099999\",\"100000\" und \"100001\" können nicht gelöscht werden !");
    static inline const QString kDuplicatePlaceMessage =
        QStringLiteral("Sie können keinen Datensatz doppelt anlegen");
    static inline const QString kFirstNumber = QStringLiteral("100002");

    // Opens the store: checks the fixed customers when the table holds fewer than three records
    // and finds out whether the distance table can be used.
    TClientDataModul(Database& db, UiPort& ui);

    Database& db() { return m_db; }
    UiPort& ui() { return m_ui; }
    // False when the distance table is missing or broken; every distance function is then skipped.
    bool kmOpen() const { return m_kmOpen; }

    // The number after the highest one, at least "100002". Throws DatabaseError with a German
    // message when 999999 is taken: numbers are never reused or wrapped into the reserved ones.
    QString NextCustomerNumber();
    // A new record with the next number and the defaults of a new customer (not yet stored).
    Record newCustomer();
    static void applyNewCustomerDefaults(Record& record);

    std::optional<Record> load(const QString& customerNumber) const;
    // GanzerName, GanzeAdresse and VorPlaGast from the record's fields.
    static void calcFields(Record& record);

    // Stores the record (inserted when new), then learns its distance. Nothing is stored when an
    // entry cannot be converted (a date, time or number that is none).
    PostResult post(const Record& record, bool isNew);
    // Deletes a customer; the reserved numbers are refused with the information box. Her parties
    // keep her number.
    bool deleteCustomer(const QString& customerNumber);
    // The planning mark V_ANZAHL: 0 none, 1 host, 2 guest.
    void setPlanningMark(const QString& customerNumber, int mark);
    int customerCount() const; // the "Datenbankzähler"

    // Town and postcode lookups of the customer dialog; true when the record was changed.
    bool TownForPostcode(Record& record, PlaceChooser& chooser);
    bool PostcodeForTown(Record& record, PlaceChooser& chooser);
    std::optional<QString> AreaCode(const QString& postcode, const QString& town) const;
    std::optional<int> DistanceFor(const QString& postcode, const QString& town) const;

    std::vector<Place> places(Place::Order order) const;
    // Adds a place (previous empty) or changes one; a (postcode, town) that exists already is
    // refused with the message and nothing changes.
    bool savePlace(const Place& place, const std::optional<Place>& previous = std::nullopt);
    std::vector<Distance> distances() const;

private:
    bool takePlace(Record& record, const QString& column, const QString& value, Place::Order order,
                   PlaceChooser& chooser);
    QString checkEntries(const Record& record) const;
    // Inserts the fields, or writes them into the stored customer of that number.
    void store(QVariantMap fields, const QString& number, bool isNew);
    void keepDistance(const Record& record);

    Database& m_db;
    UiPort& m_ui;
    bool m_kmOpen = false;
};

} // namespace korbelant
