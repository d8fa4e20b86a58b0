#pragma once

#include "support/RecordBuilder.h"

namespace korbelant::test {

// A customer record put straight into Kunden, past the store's rules, for tests that need
// customers as data. Fields not given keep their table defaults; the name is "Kunde<number>"
// unless one is given.
class CustomerBuilder : public RecordBuilder<CustomerBuilder>
{
public:
    explicit CustomerBuilder(const QString& number);

    CustomerBuilder& name(const QString& name, const QString& firstName = {});

    // A customer "Kundin" whose first name is her number, with one date set (a follow-up, a
    // birthday, a next party): the people of the appointment lists.
    static void addDated(Database& db, const char* number, const char* field, const QDate& date);
};

} // namespace korbelant::test
