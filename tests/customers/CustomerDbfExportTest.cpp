#include "support/CustomerStoreFixture.h"

#include "core/Cp437.h"
#include "core/DatabaseError.h"
#include "customers/CustomerDbfExport.h"

#include <QDir>
#include <QFile>
#include <shapefil.h>

namespace korbelant::test {

namespace {

class CustomerDbfExportTest : public CustomerStoreFixture
{
protected:
    QString target() const { return QDir(home.home().dbDir()).filePath(CustomerDbfExport::kFileName); }

    // The table read back with the dBASE library, as other programs read it.
    struct Read
    {
        QStringList fields;
        std::vector<std::map<QString, QString>> rows;
        QString codePage;
        QString typeOf(const QString& field) const { return types.at(field); }
        int widthOf(const QString& field) const { return widths.at(field); }
        std::map<QString, QString> types;
        std::map<QString, int> widths;
    };

    Read readBack() const
    {
        Read r;
        DBFHandle dbf = DBFOpen(QFile::encodeName(target()).constData(), "rb");
        EXPECT_NE(dbf, nullptr);
        if (!dbf)
            return r;
        r.codePage = QString::fromLatin1(DBFGetCodePage(dbf));
        for (int i = 0; i < DBFGetFieldCount(dbf); ++i) {
            char name[12] = {};
            int width = 0, decimals = 0;
            DBFGetFieldInfo(dbf, i, name, &width, &decimals);
            const QString field = QString::fromLatin1(name);
            r.fields << field;
            r.types[field] = QString(QChar::fromLatin1(DBFGetNativeFieldType(dbf, i)));
            r.widths[field] = width;
        }
        for (int row = 0; row < DBFGetRecordCount(dbf); ++row) {
            std::map<QString, QString> values;
            for (int i = 0; i < r.fields.size(); ++i)
                values[r.fields.at(i)] =
                    Cp437::decode(QByteArray(DBFReadStringAttribute(dbf, row, i))).trimmed();
            r.rows.push_back(values);
        }
        DBFClose(dbf);
        return r;
    }
};

} // namespace

TEST_F(CustomerDbfExportTest, FieldsAndValuesAsOtherProgramsReadThem)
{
    add({{"NAME", "Müller"},
         {"VORNAME", "Jürgen"},
         {"ANREDE", "Herr"},
         {"STRASSE", "Großer Weg 3"},
         {"LAND", "D"},
         {"PLZ", "35037"},
         {"ORT", "Marburg"},
         {"TELEFON", "06421/1234"},
         {"TELEFON2", "0170/1"},
         {"FAX", "06421/1235"},
         {"GEBURTSTAG", "24.12.1975"},
         {"N_DATUM", "13.12.2025"},
         {"N_ZEIT", "14:30"},
         {"WiederVorlage", "02.02.2026"},
         {"L_DATUM", "01.11.2025"},
         {"E_DATUM", "01.01.2020"},
         {"MCODE", "A"},
         {"MCODE2", "B"},
         {"MCODE3", "C"},
         {"E-MAIL", "j@example.de"},
         {"GASTGEBER", "J"}});
    CustomerFilter filter;
    filter.set("Name_Min", "Müller");
    filter.set("Name_max", "Müller");
    ASSERT_TRUE(view.applyFilterDialog(filter, ui));
    EXPECT_EQ(CustomerDbfExport(*db).write(view, target()), 1);

    const Read r = readBack();
    EXPECT_EQ(r.fields, (QStringList{"K_NR",    "ANREDE", "VORNAME",   "NAME",      "STRASSE", "LAND",
                                     "PLZ",     "ORT",    "TELEFON",   "TELEFON2",  "FAX",     "GEBURTSTAG",
                                     "N_DATUM", "N_ZEIT", "WiederVor", "L_DATUM",   "E_DATUM", "MCODE",
                                     "MCODE2",  "MCODE3", "EMAIL",     "GASTGEBER", "N_WOTAG"}));
    EXPECT_EQ(r.codePage, QStringLiteral("LDID/15"));
    for (const char* date : {"GEBURTSTAG", "N_DATUM", "WiederVor", "L_DATUM", "E_DATUM"}) {
        EXPECT_EQ(r.typeOf(QString::fromLatin1(date)), QStringLiteral("D")) << date;
        EXPECT_EQ(r.widthOf(QString::fromLatin1(date)), 8) << date;
    }
    EXPECT_EQ(r.typeOf("NAME"), QStringLiteral("C"));
    EXPECT_EQ(r.widthOf("NAME"), 22);
    EXPECT_EQ(r.widthOf("EMAIL"), 40);
    ASSERT_EQ(r.rows.size(), 1u);
    const std::map<QString, QString> expected{{"K_NR", "100002"},
                                              {"ANREDE", "Herr"},
                                              {"VORNAME", "Jürgen"},
                                              {"NAME", "Müller"},
                                              {"STRASSE", "Großer Weg 3"},
                                              {"LAND", "D"},
                                              {"PLZ", "35037"},
                                              {"ORT", "Marburg"},
                                              {"TELEFON", "06421/1234"},
                                              {"TELEFON2", "0170/1"},
                                              {"FAX", "06421/1235"},
                                              {"GEBURTSTAG", "19751224"},
                                              {"N_DATUM", "20251213"},
                                              {"N_ZEIT", "14:30"},
                                              {"WiederVor", "20260202"},
                                              {"L_DATUM", "20251101"},
                                              {"E_DATUM", "20200101"},
                                              {"MCODE", "A"},
                                              {"MCODE2", "B"},
                                              {"MCODE3", "C"},
                                              {"EMAIL", "j@example.de"},
                                              {"GASTGEBER", "J"},
                                              {"N_WOTAG", "Samstag"}};
    EXPECT_EQ(r.rows.front(), expected);
    QFile raw(target());
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_TRUE(raw.readAll().contains(QByteArray("M\x81ller"))) << "umlauts in code page 437";
}

TEST_F(CustomerDbfExportTest, WeekdayOfTheNextPartyAndEmptyDates)
{
    const struct
    {
        const char* date;
        const char* weekday;
    } days[] = {{"14.12.2025", "Sonntag"},    {"15.12.2025", "Montag"},
                {"16.12.2025", "Dienstag"},   {"17.12.2025", "Mittwoch"},
                {"18.12.2025", "Donnerstag"}, {"19.12.2025", "Freitag"},
                {"20.12.2025", "Samstag"},    {"", ""}};
    for (const auto& d : days)
        add({{"NAME", QStringLiteral("T") + QString::fromLatin1(d.weekday)},
             {"N_DATUM", QString::fromLatin1(d.date)}});
    view.setSortOrder(CustomerSort::Order::Number);
    EXPECT_EQ(CustomerDbfExport(*db).write(view, target()), 11);
    const Read r = readBack();
    ASSERT_EQ(r.rows.size(), 11u);
    for (std::size_t i = 0; i < std::size(days); ++i) {
        EXPECT_EQ(r.rows.at(3 + i).at("N_WOTAG"), QString::fromLatin1(days[i].weekday)) << days[i].date;
        EXPECT_EQ(r.rows.at(3 + i).at("N_ZEIT"), QString());
    }
    EXPECT_EQ(r.rows.at(10).at("N_DATUM"), QString());
}

TEST_F(CustomerDbfExportTest, ANewExportReplacesTheOldOneAndLeavesNoPartFile)
{
    add({{"NAME", "Eins"}});
    CustomerDbfExport exporter(*db);
    exporter.write(view, target());
    CustomerFilter filter;
    filter.set("Name_Min", "Eins");
    filter.set("Name_max", "Eins");
    ASSERT_TRUE(view.applyFilterDialog(filter, ui));
    EXPECT_EQ(exporter.write(view, target()), 1);
    EXPECT_EQ(readBack().rows.size(), 1u);
    EXPECT_EQ(QDir(home.home().dbDir()).entryList({"KundTemp*"}, QDir::Files), QStringList{"KundTemp.dbf"});
}

TEST_F(CustomerDbfExportTest, ConfirmationAndAFailedWriteKeepTheOldFile)
{
    ScriptedUi cancel({UiPort::Answer::Cancel});
    EXPECT_FALSE(CustomerDbfExport(*db).Export(view, home.home().dbDir(), cancel));
    EXPECT_TRUE(
        cancel.wasShown(QStringLiteral("Es wird eine Exportdatei mit dem Namen >KundTemp.dbf< erzeugt")));
    EXPECT_FALSE(QFile::exists(target()));
    ScriptedUi ok({UiPort::Answer::Ok});
    EXPECT_TRUE(CustomerDbfExport(*db).Export(view, home.home().dbDir(), ok));
    EXPECT_EQ(readBack().rows.size(), 3u);
    EXPECT_THROW(CustomerDbfExport(*db).write(view, home.root() + "/fehlt/KundTemp.dbf"), DatabaseError);
}

} // namespace korbelant::test
