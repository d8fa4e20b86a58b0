#pragma once

#include "reports/ReportDocument.h"

#include <QStringList>

namespace korbelant {

class DataSet;
class Database;
class ReportRegistry;

// The printed lists of customers, in the order they are given (the customer window's filter and
// sort order): the address lists with and without notes, the list for the appointment book, the
// phone list, the short list and the free short lists with two or four chosen fields.
class CustomerListReport
{
public:
    enum class Kind
    {
        Addresses,
        AddressesWithNotes,
        AppointmentBook,
        Phones,
        Short,
        FreeShort,
        FreeShortLandscape
    };

    // The field choices of the free short lists; "leer" and names that are no customer field
    // give an empty column.
    static const QStringList& freeFieldChoices();
    static inline const QString kFreeTitle = QStringLiteral("Freie Kurzliste");

    static ReportDocument document(Kind kind, Database& db, const QStringList& customers,
                                   const QStringList& freeFields = {}, const QString& title = {});

    static void registerIn(ReportRegistry& registry);

private:
    static ReportDocument build(DataSet& set, Kind kind, const QStringList& args);
    static ReportDocument buildFree(DataSet& set, Kind kind, const QStringList& args);
};

} // namespace korbelant
