#include "support/WeekReportParties.h"

#include "support/CustomerBuilder.h"
#include "support/PartyBuilder.h"

namespace korbelant::test {

namespace {

struct Party
{
    const char* rNr;
    const char* week;
    const char* partWeek;
    const char* host;
    int appointments;
    int guests;
    int stars;
    double starAmount;
    double turnover;
    double expenses;
    double weightedTurnover;
    double competitionTurnover;
};

// Entered out of order: the reports follow the week index, not the order of entry.
const Party kParties[] = {
    {"261225A", "202552", "1", "100011", 1, 5, 10, 2.5, 100, 10, 90, 80},
    {"070126A", "202601", "2", "123456", 3, 12, 40, 20, 1200.25, 120, 1100, 1000},
    {"050126A", "202601", "1", "100010", 2, 8, 25, 12.5, 400.5, 40, 380.5, 350},
    {"140126A", "202602", "1", "100011", 0, 6, 15, 7.5, 300, 30, 290, 280},
    {"030226A", "202605", "1", "100010", 1, 4, 5, 0, 50, 5, 45, 40},
};

} // namespace

void WeekReportParties::insert(Database& db)
{
    CustomerBuilder(QStringLiteral("100010"))
        .name(QStringLiteral("Müller"), QStringLiteral("Anna"))
        .insertInto(db);
    CustomerBuilder(QStringLiteral("100011"))
        .name(QStringLiteral("Brandt"), QStringLiteral("Ute"))
        .insertInto(db);
    for (const Party& p : kParties) {
        PartyBuilder(QString::fromLatin1(p.rNr))
            .week(QString::fromLatin1(p.week), QString::fromLatin1(p.partWeek))
            .host(QString::fromLatin1(p.host))
            .with({{QStringLiteral("VERABRED"), p.appointments},
                   {QStringLiteral("GAESTE"), p.guests},
                   {QStringLiteral("STERNE"), p.stars},
                   {QStringLiteral("STERNE_DM"), p.starAmount},
                   {QStringLiteral("S_UMSATZ"), p.turnover},
                   {QStringLiteral("S_AUSGABE"), p.expenses},
                   {QStringLiteral("VKG_UMSATZ"), p.weightedTurnover},
                   {QStringLiteral("WB_UMSATZ"), p.competitionTurnover}})
            .insertInto(db);
    }
}

} // namespace korbelant::test
