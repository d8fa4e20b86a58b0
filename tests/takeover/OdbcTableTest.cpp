#include "core/ScriptedUi.h"
#include "support/OrvelaSource.h"
#include "takeover/ESQLerror.h"
#include "takeover/OdbcFieldNames.h"
#include "takeover/TmDataBase.h"
#include "takeover/TmSession.h"
#include "takeover/TmTable.h"

#include <QDate>

#include <gtest/gtest.h>

#include <sqlext.h>

using namespace korbelant;
using korbelant::test::OrvelaSource;

namespace {

QString errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const ESQLerror& error) {
        return error.message();
    }
    return QStringLiteral("(kein Fehler)");
}

QStringList column(TmTable& table, const QString& name)
{
    QStringList values;
    for (table.first(); !table.eof(); table.next())
        values << table.fieldByName(name).asString();
    return values;
}

} // namespace

// Tables of an ODBC source read through the driver manager and the SQLite ODBC driver.
class OdbcTableTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int guest = 0; guest < 5; ++guest)
            source.insert(QStringLiteral("Gästeliste"),
                          {7 + guest % 2, 4711 + guest, guest, QStringLiteral("Müller %1").arg(guest),
                           QVariant(), guest == 0, true, false, 10.5 * guest});
    }

    OrvelaSource source;
    TmDataBase database{source.parameters()};
};

TEST_F(OdbcTableTest, TableWithUmlautInItsNameOpensAndReadsFieldsByNameAndPosition)
{
    TmTable guests(database, QStringLiteral("Gästeliste"));
    guests.open();
    ASSERT_FALSE(guests.eof());
    EXPECT_EQ(guests.fieldNames(), (QStringList{"VID", "GID", "lfd", "Name", "Vorname", "Gastgeberin",
                                                "Bestellt", "Bezahlt", "Umsatz"}));
    EXPECT_EQ(guests.fieldByName(QStringLiteral("gid")).asInteger(), 4711);
    EXPECT_EQ(guests.fieldByName(QStringLiteral("NAME")).asString(), QStringLiteral("Müller 0"));
    EXPECT_TRUE(guests.fieldByName(QStringLiteral("Vorname")).isNull());
    EXPECT_EQ(guests.fieldByName(QStringLiteral("Vorname")).asString(), QString());
    EXPECT_TRUE(guests.fieldByName(QStringLiteral("Gastgeberin")).asBoolean());
    guests.next();
    EXPECT_FALSE(guests.fieldByName(QStringLiteral("Gastgeberin")).asBoolean());
    EXPECT_DOUBLE_EQ(guests.field(8).asFloat(), 10.5);
    EXPECT_EQ(column(guests, QStringLiteral("lfd")), (QStringList{"0", "1", "2", "3", "4"}));
    EXPECT_EQ(guests.recordCount(), 5);
}

TEST_F(OdbcTableTest, FilteredRecordCountCountsPassingRowsAndKeepsTheCurrentRow)
{
    TmTable guests(database, QStringLiteral("Gästeliste"));
    guests.open();
    int party = 7;
    guests.setFilter(
        [&party](const TmTable& t) { return t.fieldByName(QStringLiteral("VID")).asInteger() == party; });
    guests.setFiltered(true);
    EXPECT_EQ(column(guests, QStringLiteral("GID")), (QStringList{"4711", "4713", "4715"}));

    guests.first();
    guests.next();
    EXPECT_EQ(guests.recordCount(), 3);
    EXPECT_FALSE(guests.eof());
    EXPECT_EQ(guests.fieldByName(QStringLiteral("GID")).asInteger(), 4713);
    guests.next();
    EXPECT_EQ(guests.fieldByName(QStringLiteral("GID")).asInteger(), 4715);

    // The takeover changes what the test compares with, then switches the filter off and on.
    party = 8;
    guests.setFiltered(false);
    EXPECT_EQ(guests.recordCount(), 5);
    guests.setFiltered(true);
    EXPECT_EQ(column(guests, QStringLiteral("GID")), (QStringList{"4712", "4714"}));
    party = 9;
    guests.setFiltered(false);
    guests.setFiltered(true);
    EXPECT_TRUE(guests.eof());
    EXPECT_EQ(guests.recordCount(), 0);
    EXPECT_TRUE(guests.eof());
}

TEST_F(OdbcTableTest, ColumnTypesMapToFieldTypes)
{
    using T = OdbcField::Type;
    struct Case
    {
        const char* declared;
        std::optional<T> type;
    };
    const std::vector<Case> cases{
        {"varchar(30)", T::Text},  {"varchar(254)", T::Text},  {"varchar(255)", T::Memo},
        {"char(5)", T::Text},      {"text", T::Memo},          {"integer", T::Integer},
        {"smallint", T::SmallInt}, {"tinyint", T::SmallInt},   {"double", T::Float},
        {"numeric", T::Float},     {"bigint", T::Float},       {"date", T::Date},
        {"time", T::Time},         {"timestamp", T::DateTime}, {"bit", T::Boolean},
        {"blob", T::Binary},       {"varbinary", T::Binary}};
    QStringList columns;
    for (size_t i = 0; i < cases.size(); ++i)
        columns << QStringLiteral("c%1 %2").arg(i).arg(QString::fromLatin1(cases[i].declared));
    source.db().run(QStringLiteral("CREATE TABLE Typen (%1)").arg(columns.join(QLatin1Char(','))));
    TmTable table(database, QStringLiteral("Typen"));
    table.open();
    ASSERT_EQ(table.fieldCount(), static_cast<int>(cases.size()));
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(table.field(static_cast<int>(i)).type(), cases[i].type) << cases[i].declared;
    EXPECT_EQ(table.field(0).size(), 30);
    EXPECT_EQ(OdbcField::typeOf(SQL_GUID, 36), std::nullopt);
}

TEST_F(OdbcTableTest, ValuesOfEachKindAreReadWhole)
{
    const QString longText = QString(5000, QLatin1Char('x')) + QStringLiteral("ÄÖÜ Ende");
    source.db().execScript(QStringLiteral("CREATE TABLE Werte (Datum date, Zeit time, Zeitpunkt timestamp, "
                                          "Text text, Daten blob, Zahl double)"));
    source.db().run(QStringLiteral("INSERT INTO Werte VALUES (?, ?, ?, ?, ?, ?)"),
                    {QStringLiteral("2004-02-12"), QStringLiteral("09:30:00"),
                     QStringLiteral("2004-02-12 19:45:10"), longText, QByteArray(6000, '\x01'), 1.25});
    TmTable table(database, QStringLiteral("Werte"));
    table.open();
    EXPECT_EQ(table.fieldByName(QStringLiteral("Datum")).value().toDate(), QDate(2004, 2, 12));
    EXPECT_EQ(table.fieldByName(QStringLiteral("Datum")).asString(), QStringLiteral("12.02.2004"));
    EXPECT_EQ(table.fieldByName(QStringLiteral("Zeit")).value().toTime(), QTime(9, 30));
    EXPECT_EQ(table.fieldByName(QStringLiteral("Zeitpunkt")).asDateTime(),
              QDateTime(QDate(2004, 2, 12), QTime(19, 45, 10)));
    EXPECT_EQ(table.fieldByName(QStringLiteral("Text")).asString(), longText);
    EXPECT_EQ(table.fieldByName(QStringLiteral("Daten")).value().toByteArray(), QByteArray(6000, '\x01'));
    EXPECT_EQ(table.fieldByName(QStringLiteral("Zahl")).asInteger(), 1);
}

TEST_F(OdbcTableTest, ColumnsWithoutNameOrWithANameMetAgainAreNamedApart)
{
    source.db().execScript(QStringLiteral("CREATE VIEW Ohne AS SELECT 1 AS a, 2 AS \"\""));
    TmTable table(database, QStringLiteral("Ohne"));
    table.open();
    EXPECT_EQ(table.fieldNames(), (QStringList{"a", "COLUMN"}));

    const std::vector<std::pair<QStringList, QStringList>> cases{{{"x", "x", "x"}, {"x", "x_1", "x_2"}},
                                                                 {{"", ""}, {"COLUMN", "COLUMN_1"}},
                                                                 {{"Name", "NAME"}, {"Name", "NAME_1"}},
                                                                 {{"x", "x_1", "x"}, {"x", "x_1", "x_2"}},
                                                                 {{"Gäste", "Gäste"}, {"Gäste", "Gäste_1"}}};
    for (const auto& [described, named] : cases)
        EXPECT_EQ(OdbcFieldNames::unique(described), named) << described.join(QLatin1Char(',')).toStdString();
}

TEST_F(OdbcTableTest, TableNameIsSentAsOneQuotedIdentifier)
{
    source.db().execScript(
        QStringLiteral("CREATE TABLE \"Preis\"\"liste\" (a integer); INSERT INTO \"Preis\"\"liste\" "
                       "VALUES (3)"));
    TmTable quoted(database, QStringLiteral("Preis\"liste"));
    quoted.open();
    EXPECT_EQ(quoted.field(0).asInteger(), 3);

    TmTable injected(database, QStringLiteral("Gästeliste\"; DROP TABLE \"Gästeliste"));
    EXPECT_TRUE(errorOf([&] { injected.open(); }).startsWith(QStringLiteral("HY000:")));
    TmTable guests(database, QStringLiteral("Gästeliste"));
    guests.open();
    EXPECT_EQ(guests.recordCount(), 5);
}

TEST_F(OdbcTableTest, FailuresCarryTheirDiagnosticRecords)
{
    TmTable missing(database, QStringLiteral("Fehlt"));
    try {
        missing.open();
        FAIL() << "no error";
    } catch (const ESQLerror& error) {
        EXPECT_EQ(error.returnCode(), SQL_ERROR);
        EXPECT_EQ(error.sqlState(), QStringLiteral("HY000"));
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("HY000:"))) << error.message().toStdString();
        EXPECT_TRUE(error.message().contains(QStringLiteral("Fehlt")));
        ASSERT_FALSE(error.records().isEmpty());
        EXPECT_EQ(error.records().first(), error.message());

        ScriptedUi ui;
        error.show(ui);
        EXPECT_TRUE(ui.wasShown(error.message()));
    }
    EXPECT_FALSE(missing.isOpen());
    EXPECT_EQ(errorOf([&] {
                  TmTable t(database, QStringLiteral("Gästeliste"));
                  t.open();
                  t.fieldByName("Fehlt");
              }),
              QStringLiteral("Field 'Fehlt' not found in Gästeliste"));
}

// The driver manager reports a driver library it cannot load as state 01000 with SQL_ERROR: that
// is a failed connection, not a warning to pass over.
TEST(OdbcConnectTest, DriverThatCannotBeLoadedFailsTheConnection)
{
    TmDataBase database({QStringLiteral("DRIVER=/nicht/da/libtreiber.so"), QStringLiteral("DBQ=x.mdb")});
    try {
        database.open();
        FAIL() << "no error";
    } catch (const ESQLerror& error) {
        EXPECT_EQ(error.returnCode(), SQL_ERROR);
        EXPECT_EQ(error.sqlState(), QStringLiteral("01000"));
        EXPECT_TRUE(
            error.message().startsWith(QStringLiteral("01000:[unixODBC][Driver Manager]Can't open lib")))
            << error.message().toStdString();
    }
    EXPECT_FALSE(database.connected());
}

TEST(OdbcConnectTest, ScriptedDriverAnswers)
{
    const QString driver = QStringLiteral("DRIVER=") + QString::fromUtf8(KORBELANT_TEST_ODBC_DRIVER);
    struct Case
    {
        const char* result;
        bool connects;
        const char* message;
    };
    const std::vector<Case> cases{{"NO_DATA", false, "Database not opened"},
                                  {"WARNING", true, ""},
                                  {"INFO", true, ""},
                                  {"OK", true, ""}};
    for (const Case& c : cases) {
        TmDataBase database({driver, QStringLiteral("Result=") + QString::fromLatin1(c.result)});
        EXPECT_EQ(errorOf([&] { database.open(); }),
                  c.connects ? QStringLiteral("(kein Fehler)") : QString::fromLatin1(c.message))
            << c.result;
        EXPECT_EQ(database.connected(), c.connects) << c.result;
    }
}

TEST(OdbcConnectTest, MissingLibraryOrFunctionIsNamed)
{
    TmSession noLibrary(QStringLiteral("libnichtda-odbc.so.9"));
    EXPECT_TRUE(errorOf([&] {
                    noLibrary.environment();
                }).startsWith(QStringLiteral("Error loading libnichtda-odbc.so.9\n")));
    // A library that is no driver manager lacks the first function bound.
    TmSession notOdbc(QStringLiteral("libz.so.1"));
    const QString message = errorOf([&] { notOdbc.environment(); });
    EXPECT_TRUE(message.startsWith(QStringLiteral("Error Getting adress for SQLAllocHandle\n")))
        << message.toStdString();
    EXPECT_GT(message.size(), QStringLiteral("Error Getting adress for SQLAllocHandle\n").size());
}

TEST(OdbcConnectTest, ReturnCodesAreNamed)
{
    const std::vector<std::pair<SQLRETURN, const char*>> cases{
        {SQL_SUCCESS, "SQL_SUCCESS"},
        {SQL_SUCCESS_WITH_INFO, "SQL_SUCCESS_WITH_INFO"},
        {SQL_STILL_EXECUTING, "SQL_STILL_EXECUTING"},
        {SQL_NEED_DATA, "SQL_NEED_DATA"},
        {SQL_NO_DATA, "SQL_NO_DATA"},
        {SQL_INVALID_HANDLE, "SQL_INVALID_HANDLE"},
        {SQL_ERROR, "SQL_ERROR"},
        {42, "unknown SQL result 42"}};
    for (const auto& [code, name] : cases)
        EXPECT_EQ(ESQLerror::returnCodeName(code), QString::fromLatin1(name));
}

TEST(OdbcConnectTest, AccessDriverStandsInForTheOrvelaParameters)
{
    const QStringList orvela{QStringLiteral("DBQ=/daten/Korbdat.mdb"), QStringLiteral("DriverId=281"),
                             QStringLiteral("DRIVER=Microsoft Access-Treiber (*.mdb)")};
    TmDataBase database(orvela);
    EXPECT_EQ(database.connectionString(), QStringLiteral("DBQ=/daten/Korbdat.mdb;DriverId=281;DRIVER=") +
                                               OdbcDriverMap::libraryPath(QStringLiteral("libmdbodbc.so")));
    EXPECT_TRUE(OdbcDriverMap::libraryPath(QStringLiteral("libmdbodbc.so")).startsWith(QLatin1Char('/')));
    database.setDriverMap(OrvelaSource::driverMap());
    EXPECT_EQ(database.connectionString(),
              QStringLiteral("Database=/daten/Korbdat.mdb;DriverId=281;DRIVER=") +
                  OrvelaSource::sqliteDriver());
    // Another driver keeps its parameters as they are.
    TmDataBase other({QStringLiteral("DRIVER=SQLite3"), QStringLiteral("DBQ=x")});
    EXPECT_EQ(other.connectionString(), QStringLiteral("DRIVER=SQLite3;DBQ=x"));
}
