#include "ArticleBenchData.h"

#include "core/Database.h"
#include "core/Schema.h"
#include "core/Transaction.h"

#include <QStringList>
#include <QVariantMap>

namespace korbelant {

namespace {

QString number(const QString& prefix, int n)
{
    return prefix + QStringLiteral("%1").arg(n, 6, 10, QLatin1Char('0'));
}

} // namespace

void fillBenchArticles(Database& db, int articles)
{
    const TableDef& lager = Schema::get(QStringLiteral("Lager"));
    const QStringList kinds{"10", "20", "30", "38", "91"};
    Transaction tx(db);
    for (int n = 0; n < articles; ++n) {
        db.insert(lager,
                  {{QStringLiteral("L_NR"), number(QStringLiteral("A"), n)},
                   {QStringLiteral("Z_NR"), QStringLiteral("%1").arg(10000000 + n)},
                   {QStringLiteral("VA"), kinds.at(n % kinds.size())},
                   {QStringLiteral("L_TEXT"), QStringLiteral("Artikel %1 Schüssel %2").arg(n % 977).arg(n)},
                   {QStringLiteral("PREIS"), (n % 500) / 4.0},
                   {QStringLiteral("STERNE"), n % 7},
                   {QStringLiteral("AKTIV"), n % 3 != 0},
                   {QStringLiteral("NEU"), n % 11 == 0},
                   {QStringLiteral("ENTFERNT"), n % 13 == 0},
                   {QStringLiteral("BESTAND"), n % 17 == 0 ? 2 : 0}});
    }
    tx.commit();
}

void fillBenchWindowArticles(Database& db, int articles)
{
    const TableDef& lager = Schema::get(QStringLiteral("Lager"));
    Transaction tx(db);
    for (int n = 0; n < articles; ++n) {
        db.insert(lager, {{QStringLiteral("L_NR"), number(QStringLiteral("X"), n)},
                          {QStringLiteral("VA"), n % 2 ? QStringLiteral("10") : QStringLiteral("20")},
                          {QStringLiteral("L_TEXT"), QStringLiteral("Artikel %1").arg(n)},
                          {QStringLiteral("AKTIV"), n % 3 != 0},
                          {QStringLiteral("PREIS"), n / 10.0}});
    }
    tx.commit();
}

} // namespace korbelant
