#include "core/Schema.h"
#include "core/DatabaseError.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace korbelant;
using korbelant::test::TempHome;

namespace {

QStringList storedIndexes(Database& db, const QString& table)
{
    QStringList names;
    for (const auto& row :
         db.rows(QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'index' AND tbl_name = ? "
                                "AND sql IS NOT NULL AND name NOT LIKE '%autoinc%' ORDER BY name"),
                 {table}))
        names << row.at(0).toString();
    return names;
}

QStringList column(Database& db, const QString& sql)
{
    QStringList values;
    for (const auto& row : db.rows(sql))
        values << row.at(0).toString();
    return values;
}

} // namespace

TEST(Schema, DefinesTheTablesWithTheirFieldCounts)
{
    const std::pair<const char*, int> created[] = {
        {"anforderungen", 5}, {"Ausgaben", 12}, {"Drucksa", 2},  {"Ersatzteile", 2}, {"km", 3},
        {"Kunden", 40},       {"Lager", 20},    {"MWoche", 62},  {"Orte", 3},        {"Reise", 5},
        {"Statist", 61},      {"Tupper", 16},   {"Tupper1", 23}, {"Tuppkopf", 30},
    };
    ASSERT_EQ(Schema::createdTables().size(), std::size(created));
    for (std::size_t i = 0; i < std::size(created); ++i) {
        EXPECT_EQ(Schema::createdTables()[i].name, QString::fromLatin1(created[i].first));
        EXPECT_EQ(static_cast<int>(Schema::createdTables()[i].fields.size()), created[i].second)
            << created[i].first;
    }
    EXPECT_EQ(Schema::installedTables().size(), 7u);
    EXPECT_EQ(Schema::get(QStringLiteral("Woche")).fields.size(), 77u);
    EXPECT_TRUE(Schema::get(QStringLiteral("Reise")).primaryKey.isEmpty());
    EXPECT_EQ(Schema::workTables().front().primaryKey,
              (QStringList{QStringLiteral("Datum"), QStringLiteral("ID")}));
}

TEST(Schema, InitCreatesEveryTableWithItsFieldsInOrderAndItsIndexes)
{
    TempHome home;
    auto db = home.openDb();
    for (const auto* group : {&Schema::createdTables(), &Schema::installedTables()}) {
        for (const TableDef& def : *group) {
            ASSERT_TRUE(db->tableExists(def.name)) << def.name.toStdString();
            EXPECT_EQ(db->columns(def.name), def.fieldNames()) << def.name.toStdString();
            QStringList wanted;
            for (const IndexDef& index : def.indexes)
                wanted << def.storedIndexName(index.name);
            wanted.sort();
            QStringList stored = storedIndexes(*db, def.name);
            stored.sort();
            EXPECT_EQ(stored, wanted) << def.name.toStdString();
        }
    }
    EXPECT_FALSE(db->tableExists(QStringLiteral("LagerTemp")));
    const QString wv =
        db->scalar(QStringLiteral("SELECT sql FROM sqlite_schema WHERE name = 'Kunden_WVIndex'")).toString();
    EXPECT_TRUE(wv.contains(QStringLiteral("DESC"))) << wv.toStdString();
}

TEST(Schema, InitAddsTheFixedCustomersAndTheInstalledRows)
{
    TempHome home;
    auto db = home.openDb();
    EXPECT_EQ(column(*db, QStringLiteral("SELECT K_NR FROM Kunden ORDER BY K_NR")),
              (QStringList{QStringLiteral("099999"), QStringLiteral("100000"), QStringLiteral("100001")}));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT NAME FROM Kunden WHERE K_NR = '099999'")).toString(),
              QStringLiteral("Unbekannt"));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT MCODE FROM Kunden WHERE K_NR = '100001'")).toString(),
              QStringLiteral("Beraterin"));
    EXPECT_FALSE(db->scalar(QStringLiteral("SELECT \"E-MAIL\" FROM Kunden WHERE K_NR = '100000'"))
                     .toString()
                     .isEmpty());
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT count(*) FROM MWoche")).toInt(), 0);
    for (const char* table :
         {"VA", "SternePlan", "Umtausch", "ReiseSatz", "MainVersion", "TWFILELIST", "Drucksa"})
        EXPECT_GT(db->scalar(QStringLiteral("SELECT count(*) FROM ") + QString::fromLatin1(table)).toInt(), 0)
            << table;
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT count(*) FROM Drucksa")).toInt(), 19);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT Aplication FROM MainVersion")).toString(),
              QStringLiteral("Korbelant"));
    for (const char* kind : {"10", "15", "20", "30", "32", "33", "34", "36", "37", "38", "40", "42",
                             "43", "44", "46", "47", "48", "90", "95", "96", "97", "98", "99"})
        EXPECT_EQ(
            db->scalar(QStringLiteral("SELECT count(*) FROM VA WHERE VA = ?"), {QString::fromLatin1(kind)})
                .toInt(),
            1)
            << kind;
}

TEST(Schema, TextIsNeverStoredOverLong)
{
    TempHome home;
    auto db = home.openDb();
    const TableDef& kunden = Schema::get(QStringLiteral("Kunden"));
    db->insert(kunden, {{QStringLiteral("K_NR"), QStringLiteral("100002")},
                        {QStringLiteral("NAME"), QStringLiteral("Abcdefghijklmnopqrstuvwxyz")},
                        {QStringLiteral("ORT"), QStringLiteral("   ")}});
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT NAME FROM Kunden WHERE K_NR = '100002'")).toString(),
              QStringLiteral("Abcdefghijklmnopqrstuv"));
    EXPECT_TRUE(db->scalar(QStringLiteral("SELECT ORT FROM Kunden WHERE K_NR = '100002'")).isNull());
    EXPECT_THROW(db->run(QStringLiteral("INSERT INTO Kunden (K_NR, NAME) VALUES ('100003', ?)"),
                         {QStringLiteral("Abcdefghijklmnopqrstuvwxyz")}),
                 DatabaseError);
    EXPECT_THROW(db->run(QStringLiteral("UPDATE Kunden SET K_NR = '1234567' WHERE K_NR = '100002'")),
                 DatabaseError);
}

TEST(Schema, DefaultsKeysAndRunningNumbers)
{
    TempHome home;
    auto db = home.openDb();
    db->insert(Schema::get(QStringLiteral("Tupper")), {{QStringLiteral("R_NR"), QStringLiteral("010105A")},
                                                       {QStringLiteral("P_NR"), QStringLiteral("01")}});
    const auto row =
        db->rows(QStringLiteral("SELECT BEZAHLT, Verabredung, BENENNUNG, UMSATZ FROM Tupper"))[0];
    EXPECT_EQ(row, (QVariantList{1LL, 0LL, 0LL, 0.0}));
    EXPECT_THROW(db->insert(Schema::get(QStringLiteral("Tupper")),
                            {{QStringLiteral("R_NR"), QStringLiteral("010105A")},
                             {QStringLiteral("P_NR"), QStringLiteral("01")}}),
                 DatabaseError);

    const TableDef& lines = Schema::get(QStringLiteral("Tupper1"));
    const QVariantMap line{{QStringLiteral("R_NR"), QStringLiteral("010105A")},
                           {QStringLiteral("P_NR"), QStringLiteral("01")},
                           {QStringLiteral("L_NR"), QStringLiteral("A100")},
                           {QStringLiteral("VA"), QStringLiteral("10")}};
    const qint64 first = db->insertReturningAutoInc(lines, line);
    const qint64 second = db->insertReturningAutoInc(lines, line);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
    const auto counters =
        db->rows(QStringLiteral("SELECT STERNE, SUMME, KOSTEN FROM Tupper1 WHERE ID = 2"))[0];
    EXPECT_EQ(counters, (QVariantList{0LL, 0.0, 0.0}));

    db->insert(Schema::get(QStringLiteral("MWoche")), {{QStringLiteral("MWoche"), QStringLiteral("200305")}});
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT DR_7 + VORFUEHR_3 + REK_BESUCH FROM MWoche")).toInt(), 0);
    EXPECT_THROW(db->insert(Schema::get(QStringLiteral("MWoche")),
                            {{QStringLiteral("MWoche"), QStringLiteral("200305")}}),
                 DatabaseError);
}

TEST(Schema, NamedIndexesSortCaseInsensitivelyInGermanOrder)
{
    TempHome home;
    auto db = home.openDb();
    const TableDef& kunden = Schema::get(QStringLiteral("Kunden"));
    int number = 100002;
    for (const char* name : {"Nagel", "müller", "Mahler", "Muller", "Müller", "MÜLLER", "Meyer", "Mueller"})
        db->insert(kunden, {{QStringLiteral("K_NR"), QString::number(number++)},
                            {QStringLiteral("NAME"), QString::fromUtf8(name)}});
    const QStringList names =
        column(*db, QStringLiteral("SELECT NAME FROM Kunden WHERE K_NR >= '100002' ORDER BY ") +
                        kunden.orderBy(QStringLiteral("NameIndex")));
    ASSERT_EQ(names.size(), 8);
    EXPECT_EQ(names.first(), QStringLiteral("Mahler"));
    EXPECT_EQ(names.last(), QStringLiteral("Nagel"));
    const qsizetype muller = names.indexOf(QStringLiteral("Muller"));
    QStringList together = names.mid(muller, 4);
    EXPECT_TRUE(together.contains(QStringLiteral("Müller")) && together.contains(QStringLiteral("müller")) &&
                together.contains(QStringLiteral("MÜLLER")))
        << names.join(QLatin1Char(',')).toStdString();
    EXPECT_LT(names.indexOf(QStringLiteral("Mueller")), muller); // "Mue" before "Mul"
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT count(*) FROM Kunden WHERE NAME = 'MÜLLER'")).toInt(), 3);

    db->run(QStringLiteral("UPDATE Kunden SET WiederVorlage = '2005-01-0' || substr(K_NR, 6, 1) WHERE K_NR "
                           "BETWEEN '100002' AND '100006'"));
    const QStringList dates = column(
        *db, QStringLiteral("SELECT WiederVorlage FROM Kunden WHERE WiederVorlage IS NOT NULL ORDER BY ") +
                 kunden.orderBy(QStringLiteral("WVIndex")));
    EXPECT_EQ(dates.first(), QStringLiteral("2005-01-06"));
    EXPECT_EQ(dates.last(), QStringLiteral("2005-01-02"));
    const QString plan = db->rows(QStringLiteral("EXPLAIN QUERY PLAN SELECT K_NR FROM Kunden ORDER BY ") +
                                  kunden.orderBy(QStringLiteral("NameIndex")))[0]
                             .last()
                             .toString();
    EXPECT_TRUE(plan.contains(QStringLiteral("Kunden_NameIndex"))) << plan.toStdString();
}
