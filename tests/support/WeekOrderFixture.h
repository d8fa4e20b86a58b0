#pragma once

#include "core/ResultTable.h"
#include "reports/ReportDocument.h"
#include "support/PartyModuleFixture.h"
#include "week/WeekRange.h"

namespace korbelant::test {

// Week 202604 with two parties entered through the party module:
//   part-week 1, party a (ID V1), host Brandt (Hauptstr. 1, 34117 Kassel, Tel. 0561 123):
//     2 x T10 (kind 10), 1 x T20 (kind 10, inactive in the catalogue), 0 x T30 (kind 10),
//     3 x S32 (kind 32); the guest Gast booked a party, Benannt was nominated; a line of T10 from
//     own stock (kind 90) and an exchange (98, code 001) of T10 by Benannt.
//   part-week 2, party b, host Roth: 4 x T30 (kind 10), an exchange (99, code 002) of T20.
class WeekOrderFixture : public PartyModuleFixture
{
protected:
    WeekOrderFixture();

    // The report of the registry for the week, all its part-weeks or the given ones.
    ReportDocument report(const QString& name, const QString& from = {}, const QString& to = {});
    // Every text of a document's laid-out pages.
    static QStringList texts(const ReportDocument& document);
    static bool hasText(const ReportDocument& document, const QString& text);
    // The report of the whole week saved as PDF by korbelant-cli and read back with pdftotext, one
    // simplified line each; empty when the command failed.
    QString pdfText(const QString& name);

    const WeekRange all{QStringLiteral("202604"), QStringLiteral("1"), QStringLiteral("2")};
    QString a, b;
};

} // namespace korbelant::test
