#pragma once

#include "support/RecordBuilder.h"

namespace korbelant::test {

// A party header put straight into Tuppkopf with whatever totals the test gives, past the party
// rules, for windows and reports that only read stored parties. Parties that need participants
// and order lines are made through the party module (PartyModuleFixture::makeParty).
class PartyBuilder : public RecordBuilder<PartyBuilder>
{
public:
    explicit PartyBuilder(const QString& number);

    // The week key "YYYYWW" and, when given, the part-week of the party.
    PartyBuilder& week(const QString& week, const QString& partWeek = {});
    PartyBuilder& host(const QString& customer);
};

} // namespace korbelant::test
