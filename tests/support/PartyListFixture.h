#pragma once

#include "reports/ReportDocument.h"
#include "reports/ReportPage.h"
#include "support/PartyModuleFixture.h"

#include <vector>

namespace korbelant::test {

// A party for the printed party lists: the host Anna Müller (100010, participant "01") on
// 05.01.2026, helpers for further guests and for order lines put straight into Tupper1 with the
// values a test names, and the reports of the registry built and laid out for the party.
class PartyListFixture : public PartyModuleFixture
{
protected:
    PartyListFixture();

    struct Line
    {
        QString L_NR{};
        QString VA = QStringLiteral("10");
        double STUECK = 1;
        double EINZ_PREIS = 10;
        QString VORAB{};
        QString NACHLIEF{};
        int STERNE = 0;
        QString L_TEXT{}; // "Artikel " + L_NR when empty
    };

    // A customer with a full address (street, postcode "1" + the last four digits, town, phones,
    // e-mail), stored and added to the party as the next guest; her participant number.
    QString guest(const QString& kNr, const QString& name, const QString& firstName);
    // A line of the participant; SUMME is pieces times price.
    void line(const QString& pNr, const Line& line);
    void setParticipant(const QString& pNr, const QVariantMap& fields);
    void setHeader(const QVariantMap& fields);

    ReportDocument build(const QString& report, const QStringList& args);
    std::vector<ReportPage> pages(const QString& report, const QStringList& args);
    std::vector<ReportPage> pages(const QString& report) { return pages(report, {rNr}); }
    // The texts on the line of the first item with this text on any page; empty when none.
    static QStringList lineWith(const std::vector<ReportPage>& pages, const QString& text);
    static bool anyPageHas(const std::vector<ReportPage>& pages, const QString& text);

    QString rNr;
};

} // namespace korbelant::test
