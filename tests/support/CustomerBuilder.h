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
};

} // namespace korbelant::test
