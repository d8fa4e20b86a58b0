#include "customers/CustomerListReport.h"
#include "customers/GuestTypeName.h"
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
