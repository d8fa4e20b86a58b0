#include "core/Options.h"
#include "reports/ReportError.h"
#include "support/WeekOrderFixture.h"
#include "week/ExchangeListReport.h"
#include "week/OrderListReport.h"
#include "week/StarListReport.h"
#include "week/SuccessOverviewReport.h"

#include <QFile>

namespace korbelant::test {

namespace {

// The detail rows of a document whose article column (`column`) holds the article, over all
// sections and groups.
std::vector<ReportRow> rowsOf(const ReportDocument& doc, int column, const QString& article)
{
    std::vector<ReportRow> rows;
    for (const ReportSection& section : doc.sections)
        for (const ReportGroup& group : section.groups)
            for (const ReportRow& row : group.rows)
                if (column < row.values.size() && row.values.at(column).toString() == article)
                    rows.push_back(row);
    return rows;
}

QStringList headings(const ReportDocument& doc)
{
    QStringList result;
    for (const ReportSection& section : doc.sections)
        result << section.heading;
    return result;
}

QStringList groupHeaders(const ReportDocument& doc)
{
    QStringList result;
    for (const ReportSection& section : doc.sections)
        for (const ReportGroup& group : section.groups)
            result << group.header + QStringLiteral(" | ") + group.footerLabel;
    return result;
}

constexpr int kArticle = 3; // Art.-Nr. of the order list

} // namespace

class WeekReportsTest : public WeekOrderFixture
{
};

TEST_F(WeekReportsTest, OrderListPerPartyGroupsKindsAndLeavesOutStockAndExchanges)
{
    const ReportDocument doc = report(OrderListReport::Name);
    EXPECT_EQ(doc.title, QStringLiteral("Bestelliste"));
    EXPECT_TRUE(hasText(doc, QStringLiteral("Berat.-Nr./Gr. Nr. : 4711/12")));
    EXPECT_TRUE(hasText(doc, QStringLiteral("Woche.... : 2026/04")));
    EXPECT_EQ(headings(doc).mid(0, 4),
              (QStringList{QStringLiteral("Vorführung : 1    ID : V1 vom  20.01.2026"),
                           OrderListReport::kPartyFooter,
                           QStringLiteral("Vorführung : 2    ID : V2 vom  21.01.2026"),
                           OrderListReport::kPartyFooter}));
    EXPECT_EQ(groupHeaders(doc),
              (QStringList{QStringLiteral(" VA-Nr. : 10 - Verkauf Katalogartikel *************** | "
                                          "*** Anzahl der Positionen ***  3    3 Stück"),
                           QStringLiteral(" VA-Nr. : 32 - Das besondere Angebot (DBA) *************** | "
                                          "*** Anzahl der Positionen ***  1    3 Stück"),
                           QStringLiteral(" VA-Nr. : 10 - Verkauf Katalogartikel *************** | "
                                          "*** Anzahl der Positionen ***  1    4 Stück")}));
    // Own stock (kind 90) and exchanges (98, 99) are no orders.
    EXPECT_TRUE(rowsOf(doc, kArticle, QStringLiteral("L90")).empty());
    const auto t30 = rowsOf(doc, kArticle, QStringLiteral("T30"));
    ASSERT_EQ(t30.size(), 2u) << "the group of 0 pieces stays on the list";
    EXPECT_EQ(t30.front().values.at(0).toInt(), 0);
    EXPECT_EQ(t30.back().values.at(0).toInt(), 4);
    const double goods =
        db().scalar(QStringLiteral("SELECT SUM(SUMME) FROM Tupper1 WHERE VA < '90'")).toDouble();
    EXPECT_TRUE(
        hasText(doc, QStringLiteral("Gesamtumsatz der Ware ohne VA - Bereinigung ( %1 )")
                         .arg(QString::number(goods, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')))));
}

TEST_F(WeekReportsTest, OrderListMarksInactiveArticlesOnlyWhenAskedAndShowsNoPartyForASingleOne)
{
    struct Case
    {
        bool onlyActive;
        const char* status;
        bool underlined;
    };
    for (const Case& k : {Case{false, "", false}, Case{true, "inaktiv", true}}) {
        options().setChecked(QStringLiteral("NURAKTIV"), k.onlyActive);
        for (const QString& name : {OrderListReport::Name, OrderListReport::WholeName}) {
            const auto t20 = rowsOf(report(name), kArticle, QStringLiteral("T20"));
            ASSERT_EQ(t20.size(), 1u) << name.toStdString();
            EXPECT_EQ(t20.front().values.last().toString(), QString::fromLatin1(k.status))
                << name.toStdString();
            EXPECT_EQ(t20.front().underlined, k.underlined);
        }
    }
    const ReportDocument single = report(OrderListReport::Name, QStringLiteral("1"), QStringLiteral("1"));
    for (const QString& heading : headings(single)) {
        EXPECT_FALSE(heading.startsWith(QStringLiteral("Vorführung :"))) << heading.toStdString();
        EXPECT_NE(heading, OrderListReport::kPartyFooter);
    }
    EXPECT_TRUE(rowsOf(single, kArticle, QStringLiteral("T30")).size() == 1);
}

TEST_F(WeekReportsTest, OrderListOfTheWholeRangeSumsAnArticleOverItsParties)
{
    const ReportDocument doc = report(OrderListReport::WholeName);
    for (const QString& heading : headings(doc))
        EXPECT_FALSE(heading.startsWith(QStringLiteral("Vorführung :")));
    const auto t30 = rowsOf(doc, kArticle, QStringLiteral("T30"));
    ASSERT_EQ(t30.size(), 1u);
    EXPECT_EQ(t30.front().values.at(0).toInt(), 4);
    EXPECT_EQ(groupHeaders(doc).first(),
              QStringLiteral(" VA-Nr. : 10 - Verkauf Katalogartikel *************** | "
                             "*** Anzahl der Positionen ***  3    7 Stück"));
    // Stars and star amount of a line without stars are blank.
    const ReportSection& table = doc.sections.front();
    EXPECT_EQ(table.columns.at(8).printed(8), QStringLiteral("8"));
    EXPECT_EQ(table.columns.at(8).printed(0), QString());
    EXPECT_EQ(table.columns.at(9).printed(0.0), QString());
}

TEST_F(WeekReportsTest, SuccessOverviewShowsPartiesSumsOffersNominationsAndTheWeek)
{
    const ReportDocument doc = report(SuccessOverviewReport::Name);
    const QStringList t = texts(doc);
    for (const char* expected : {"Berat.-Konto/Gr. Nr. : 4711/12",
                                 "Woche     : 2026/04",
                                 "Meine Vorführungen :",
                                 "Vorführung : 1   vom 20.01.2026   ID: V1",
                                 "Brandt, Ute",
                                 "Hauptstr. 1",
                                 "34117 Kassel",
                                 "Tel. 0561 123",
                                 "Sonderangebote:",
                                 "ZS32",
                                 "Artikel S32",
                                 "3 Stück",
                                 "Meine Benennungen :",
                                 "Benannt, Berta",
                                 "34119  Kassel",
                                 "Erfolgsübersicht :",
                                 "Gesamt Vorführungen diese Woche : 2",
                                 "Geplante Vorführungen 1. Woche : 3",
                                 "Geplante Vorführungen 6. Woche : 7",
                                 "GB - Rekrutierungsbesuche : 2",
                                 "Benennungen : 1",
                                 "Bemerkungen : Bitte anrufen",
                                 "Abholung am : ______________ um ______________",
                                 "ebenfalls gutschreiben."})
        EXPECT_TRUE(t.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_TRUE(doc.sections.front().summaryLabel.startsWith(QStringLiteral("Summen :")));
    EXPECT_TRUE(doc.sections.front().shadeAlternateRows);
    EXPECT_EQ(doc.sections.front().groups.size(), 2u);
}

TEST_F(WeekReportsTest, SuccessOverviewLeavesOutWhatTheWeekDoesNotHave)
{
    struct Case
    {
        const char* what;
        const char* sql;
        bool addresses; // option GGAdress
        std::vector<const char*> missing;
        std::vector<const char*> kept;
    };
    const Case cases[] = {
        {"no nominations",
         "UPDATE Tupper SET BENENNUNG = 0",
         true,
         {"Meine Benennungen :"},
         {"Sonderangebote:"}},
        {"the only offer without article number",
         "UPDATE Tupper1 SET Z_NR = NULL WHERE VA = '32'",
         true,
         {"Sonderangebote:", "Artikel S32"},
         {"Meine Benennungen :"}},
        {"no offers",
         "DELETE FROM Tupper1 WHERE VA = '32'",
         true,
         {"Sonderangebote:"},
         {"Meine Benennungen :"}},
        {"addresses not handed over",
         "",
         false,
         {"Hauptstr. 1", "34117 Kassel", "Tel. 0561 123"},
         {"Brandt, Ute"}},
    };
    for (const Case& k : cases) {
        db().run(QStringLiteral("SAVEPOINT edge"));
        if (*k.sql)
            db().run(QString::fromLatin1(k.sql));
        options().setChecked(QStringLiteral("GGAdress"), k.addresses);
        const QStringList t = texts(report(SuccessOverviewReport::Name));
        for (const char* text : k.missing)
            EXPECT_FALSE(t.contains(QString::fromUtf8(text))) << k.what << ": " << text;
        for (const char* text : k.kept)
            EXPECT_TRUE(t.contains(QString::fromUtf8(text))) << k.what << ": " << text;
        db().run(QStringLiteral("ROLLBACK TO edge"));
        db().run(QStringLiteral("RELEASE edge"));
    }
}

TEST_F(WeekReportsTest, StarListCarriesTheNominatedAndBookedGuestsOfEachParty)
{
    const ReportDocument doc = report(StarListReport::Name);
    EXPECT_TRUE(hasText(doc, QStringLiteral("für meine Gastgeberin")));
    const ReportSection& section = doc.sections.front();
    ASSERT_EQ(section.groups.size(), 2u);
    const QStringList first = section.groups.at(0).rows.front().wideLines;
    ASSERT_EQ(first.size(), 5) << first.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(first.at(0), StarListReport::kNominations);
    EXPECT_EQ(first.at(1), StarListReport::kNominationsNote);
    EXPECT_TRUE(first.at(2).contains(QStringLiteral("Benannt, Berta,  Weg 2,  34119 Kassel")));
    EXPECT_EQ(first.at(3), StarListReport::kBookings);
    EXPECT_TRUE(first.at(4).contains(QStringLiteral("Gast, Gerda")));
    EXPECT_TRUE(first.at(4).endsWith(QStringLiteral("Tel. 0561 999,  Datum der Vorführung : 03.02.2026")));
    EXPECT_TRUE(section.groups.at(1).rows.front().wideLines.isEmpty()) << "party b has neither";
}

TEST_F(WeekReportsTest, ExchangeListShowsTheRangesExchangesWithReasonGuestAndTheText)
{
    const ReportDocument doc = report(ExchangeListReport::Name);
    const auto t10 = rowsOf(doc, 1, QStringLiteral("T10"));
    ASSERT_EQ(t10.size(), 1u);
    EXPECT_EQ(t10.front().values.at(3).toString(), QStringLiteral("Deckel schließt nicht mehr dicht"));
    EXPECT_EQ(t10.front().extraLines.front().at(3), QStringLiteral("(Benannt, Berta)"));
    EXPECT_EQ(rowsOf(doc, 1, QStringLiteral("T20")).size(), 1u);
    EXPECT_TRUE(rowsOf(doc, 1, QStringLiteral("T30")).empty()) << "an order line is no exchange";
    EXPECT_EQ(doc.footerLines.mid(0, 3),
              (QStringList{QStringLiteral("Umtausch nur mit diesem Schein"),
                           QStringLiteral("Es werden nur sauber gewaschene Artikel umgetauscht"),
                           QStringLiteral("Umtauschbedingungen")}));
    EXPECT_EQ(doc.boldFooterLines, std::vector<qsizetype>{2});

    const ReportDocument second = report(ExchangeListReport::Name, QStringLiteral("2"), QStringLiteral("2"));
    EXPECT_TRUE(rowsOf(second, 1, QStringLiteral("T10")).empty()) << "an exchange outside the range";
    EXPECT_EQ(rowsOf(second, 1, QStringLiteral("T20")).size(), 1u);

    ASSERT_TRUE(QFile::remove(m_home.root() + QStringLiteral("/Texte/Umtausch.rtf")));
    EXPECT_EQ(report(ExchangeListReport::Name).footerLines.size(), 2);
}

TEST_F(WeekReportsTest, ExchangeListIsEmptyWithoutExchangesOrWithOneWithoutText)
{
    EXPECT_FALSE(ExchangeListReport::isEmpty(db(), all));
    db().run(QStringLiteral("UPDATE Tupper1 SET VA = '10' WHERE VA = '99'"));
    EXPECT_FALSE(ExchangeListReport::isEmpty(db(), all));
    EXPECT_TRUE(ExchangeListReport::isEmpty(db(), {all.week, QStringLiteral("2"), QStringLiteral("2")}));
    db().run(QStringLiteral("UPDATE Tupper1 SET L_TEXT = NULL WHERE VA = '98'"));
    EXPECT_TRUE(ExchangeListReport::isEmpty(db(), all));
}

TEST_F(WeekReportsTest, WeekReportsAsPdfFromTheCommandLine)
{
    struct Case
    {
        const char* name;
        std::vector<const char*> expected;
    };
    const Case cases[] = {
        {"erfolg",
         {"Erfolgsübersicht", "Meine Vorführungen :", "Brandt, Ute", "Sonderangebote:", "Summen :"}},
        {"bestellliste", {"Bestelliste", "Vorführung : 1 ID : V1 vom 20.01.2026", "Anzahl der Positionen"}},
        {"bestellliste-gesamt", {"Bestelliste", "Gesamtumsatz der Ware ohne VA - Bereinigung"}},
        {"umtausch",
         {"Tupperware-Umtausch", "Deckel schließt nicht mehr dicht", "(Benannt, Berta)",
          "Umtausch nur mit diesem Schein", "Umtauschbedingungen"}},
        {"sterneliste",
         {"Sterne - Übersicht", "für meine Gastgeberin",
          "Benennungen:", "Folgende Vorführungen wurden gebucht :"}},
    };
    for (const Case& k : cases) {
        const QString text = pdfText(QString::fromLatin1(k.name));
        for (const char* expected : k.expected)
            EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << k.name << ": " << expected << "\n"
                                                                    << text.toStdString();
    }
}

} // namespace korbelant::test
