#include "customers/CustomerListReport.h"
#include "core/Schema.h"
#include "customers/CustomerHistoryReport.h"
#include "customers/GuestTypeName.h"
#include "reports/ReportError.h"
#include "support/CustomerBuilder.h"
#include "support/DataSetFixture.h"

namespace korbelant::test {

namespace {

using Kind = CustomerListReport::Kind;

QStringList heads(const ReportDocument& doc)
{
    QStringList titles;
    for (const ReportColumn& c : doc.sections.front().columns)
        titles << c.title;
    return titles;
}

const ReportRow& firstRow(const ReportDocument& doc)
{
    return doc.sections.front().groups.front().rows.front();
}

} // namespace

TEST(GuestTypeNameTest, CodesDecodedWithoutRegardToCase)
{
    for (const auto& [code, printed] : std::vector<std::pair<QString, QString>>{{"J", "Gastgeber"},
                                                                                {"n", "Gast"},
                                                                                {"S", "Startgast"},
                                                                                {"m", "Mitbesteller"},
                                                                                {"c", "Club Gastgeber"},
                                                                                {"X", "X"},
                                                                                {"", ""}})
        EXPECT_EQ(GuestTypeName::printed(code), printed) << code.toStdString();
}

class CustomerListReportTest : public DataSetFixture
{
protected:
    CustomerListReportTest()
    {
        CustomerBuilder(QStringLiteral("900001"))
            .name(QStringLiteral("Berg"), QStringLiteral("Anna"))
            .with({{"GASTGEBER", "c"},
                   {"MCODE", "Tennis"},
                   {"PLZ", "35390"},
                   {"ORT", "Gießen"},
                   {"STRASSE", "Weg 1"},
                   {"N_DATUM", QDate(2026, 12, 14)},
                   {"TEXT", "Erste Zeile\r\nZweite Zeile"}})
            .insertInto(db());
        CustomerBuilder(QStringLiteral("900002"))
            .name(QStringLiteral("Abel"), QStringLiteral("Berta"))
            .insertInto(db());
    }
};

TEST_F(CustomerListReportTest, ListsFollowTheGivenOrderWithTheirColumns)
{
    const QStringList order{QStringLiteral("900001"), QStringLiteral("900002")};
    const ReportDocument phones = CustomerListReport::document(Kind::Phones, db(), order);
    EXPECT_EQ(phones.title, QStringLiteral("Telefonliste"));
    EXPECT_EQ(phones.sections.front().groups.front().rows.size(), 2u);
    EXPECT_EQ(firstRow(phones).values.at(0).toString(), QStringLiteral("900001"));
    EXPECT_EQ(firstRow(phones).values.at(9).toString(), QStringLiteral("Club Gastgeber"));
    EXPECT_EQ(firstRow(phones).values.at(10).toString(), QStringLiteral("14.12.2026"));

    const ReportDocument notes = CustomerListReport::document(Kind::AddressesWithNotes, db(), order);
    EXPECT_EQ(notes.title, QStringLiteral("Kundenübersicht"));
    EXPECT_EQ(firstRow(notes).wideLines, (QStringList{"Erste Zeile", "Zweite Zeile"}));
    EXPECT_TRUE(CustomerListReport::document(Kind::Addresses, db(), order)
                    .sections.front()
                    .groups.front()
                    .rows.front()
                    .wideLines.isEmpty());

    const ReportDocument shortList =
        CustomerListReport::document(Kind::Short, db(), {QStringLiteral("900001")});
    EXPECT_EQ(firstRow(shortList).values.at(1).toString(), QStringLiteral("Berg, Anna"));
    EXPECT_EQ(firstRow(shortList).values.at(2).toString(), QStringLiteral("35390  Gießen  Weg 1"));
}

TEST_F(CustomerListReportTest, FreeShortListColumnsFromTheChosenFields)
{
    const QStringList one{QStringLiteral("900001")};
    const QStringList fixed{"K.-Nr.", "Name, Vorname", "Plz Ort Strasse", "Telefon"};
    const ReportDocument none = CustomerListReport::document(Kind::FreeShort, db(), one, {"leer", "leer"});
    EXPECT_EQ(heads(none), fixed);
    EXPECT_EQ(none.title, CustomerListReport::kFreeTitle);
    const ReportDocument chosen =
        CustomerListReport::document(Kind::FreeShort, db(), one, {"leer", "MCODE"}, QStringLiteral("Tennis"));
    EXPECT_EQ(heads(chosen), fixed + QStringList({"", "Matchcode"}));
    EXPECT_EQ(firstRow(chosen).values.mid(4), (QVariantList{QString(), QStringLiteral("Tennis")}));
    EXPECT_EQ(chosen.title, QStringLiteral("Tennis"));
    const ReportDocument wide = CustomerListReport::document(Kind::FreeShortLandscape, db(), one,
                                                             {"GASTGEBER", "UNBEKANNT", "MCODE", "leer"});
    EXPECT_EQ(wide.orientation, ReportDocument::Orientation::Landscape);
    EXPECT_EQ(firstRow(wide).values.mid(4),
              (QVariantList{QStringLiteral("c"), QString(), QStringLiteral("Tennis")}));
}

} // namespace korbelant::test

namespace korbelant::test {

TEST_F(CustomerListReportTest, AttendanceListsBothPartiesWithHerRowsShaded)
{
    const TableDef& tupper = Schema::get(QStringLiteral("Tupper"));
    for (const auto& [party, seat, customer, sales] :
         std::vector<std::tuple<QString, QString, QString, double>>{{"0101260", "01", "900002", 10},
                                                                    {"0101260", "02", "900001", 20},
                                                                    {"0202260", "01", "900001", 30},
                                                                    {"0303260", "01", "900002", 40}})
        db().insert(tupper, {{"R_NR", party}, {"P_NR", seat}, {"K_NR", customer}, {"UMSATZ", sales}});
    const ReportDocument doc = CustomerHistoryReport::attendance(db(), QStringLiteral("900001"));
    const ReportSection& section = doc.sections.front();
    EXPECT_EQ(section.heading,
              QStringLiteral("Übersicht der Vorführungen an denen der Kunde : Anna Berg teilgenommen hat."));
    ASSERT_EQ(section.groups.size(), 2u);
    EXPECT_EQ(section.groups.at(0).header, QStringLiteral("Vorf.-Nr. : 0101260"));
    EXPECT_EQ(section.groups.at(0).rows.size(), 2u);
    EXPECT_FALSE(section.groups.at(0).rows.at(0).shaded);
    EXPECT_TRUE(section.groups.at(0).rows.at(1).shaded);
    EXPECT_EQ(section.groups.at(0).rows.at(0).values.at(4).toString(), QStringLiteral("Abel, Berta"));
    EXPECT_DOUBLE_EQ(section.groups.at(0).sum(6), 30);
    EXPECT_EQ(section.groups.at(1).header, QStringLiteral("Vorf.-Nr. : 0202260"));
    EXPECT_THROW(CustomerHistoryReport::attendance(db(), QStringLiteral("999999")), ReportError);
}

} // namespace korbelant::test
