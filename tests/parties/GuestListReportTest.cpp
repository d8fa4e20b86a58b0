#include "core/FixedCustomers.h"
#include "reports/ReportLayout.h"
#include "support/PartyListFixture.h"

#include <algorithm>

namespace korbelant::test {

class GuestLists : public PartyListFixture
{
protected:
    void SetUp() override
    {
        options().setChecked(QStringLiteral("Gaeste"), false);
        options().setChecked(QStringLiteral("Euro"), true);
        berta = guest(QStringLiteral("100011"), QStringLiteral("Schmidt"), QStringLiteral("Berta"));
        unknown = addGuest(rNr, FixedCustomers::kUnknown);
        clara = guest(QStringLiteral("100012"), QStringLiteral("Weber"), QStringLiteral("Clara"));
        setParticipant("01", {{"UMSATZ", 120.5}, {"BEZAHLT", 0}});
        setParticipant(berta, {{"UMSATZ", 1000}, {"BEZAHLT", 1}});
        setParticipant(clara, {{"UMSATZ", 0}, {"BEZAHLT", 1}});
        db().run(QStringLiteral("UPDATE Kunden SET N_DATUM = '2026-03-14' WHERE K_NR = '100011'"));
    }

    QString berta;
    QString unknown;
    QString clara;
};

// The Tupper-Börse: the guests in number order with their amounts in the data set's currency,
// the total, the stars earned and entered and the delivery date.
TEST_F(GuestLists, TupperBoerse)
{
    setHeader({{"STERNE", 7}, {"UM_STERNE", 250}, {"AUSLIEFER1", "2026-01-12"}});
    const auto pages = this->pages(QStringLiteral("tupperboerse"));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].hasText(QStringLiteral("Vorführungsnummer : ") + rNr));
    EXPECT_TRUE(pages[0].hasText(QStringLiteral("Beraterin :")));
    EXPECT_EQ(lineWith(pages, QStringLiteral("Müller, Anna")),
              (QStringList{"01", "Müller, Anna", "12345 Neustadt", "Lindenweg 3", "0123-4567", "120,50 €"}));
    EXPECT_EQ(
        lineWith(pages, QStringLiteral("Schmidt, Berta")),
        (QStringList{"02", "Schmidt, Berta", "10011 Altdorf", "Schmidtweg 1", "030-100011", "1.000,00 €"}));
    EXPECT_EQ(lineWith(pages, QStringLiteral("Weber, Clara")).last(), QStringLiteral("0,00 €"));
    const QStringList texts = pages[0].texts();
    EXPECT_LT(texts.indexOf(QStringLiteral("Müller, Anna")), texts.indexOf(QStringLiteral("Schmidt, Berta")));
    EXPECT_LT(texts.indexOf(QStringLiteral("Schmidt, Berta")), texts.indexOf(QStringLiteral("Weber, Clara")));
    EXPECT_EQ(lineWith(pages, QStringLiteral("Insgesamt :")), (QStringList{"Insgesamt :", "1.120,50 €"}));
    // 250 earns 2 stars by the installed plan; no appointments, so no bonus.
    for (const char* text : {"erreichte Sterne : 2", "eingegebene Sterne : 7", "Liefertermin am: 12.01.2026"})
        EXPECT_TRUE(pages[0].hasText(QString::fromUtf8(text))) << text;

    options().setChecked(QStringLiteral("Euro"), false);
    EXPECT_EQ(lineWith(this->pages(QStringLiteral("tupperboerse")), QStringLiteral("Insgesamt :")),
              (QStringList{"Insgesamt :", "1.120,50 DM"}));
}

TEST_F(GuestLists, TupperBoerseWithSecondCurrency)
{
    options().setChecked(QStringLiteral("Gaeste"), true);
    options().setChecked(QStringLiteral("Euro"), false);
    setParticipant("01", {{"UMSATZ", 100}});
    const auto pages = this->pages(QStringLiteral("tupperboerse"));
    EXPECT_TRUE(anyPageHas(pages, QStringLiteral("Summe(€)")));
    EXPECT_EQ(lineWith(pages, QStringLiteral("Müller, Anna")).mid(5), (QStringList{"100,00 DM", "51,13"}));
    // Clara's 0 is blank in both amount columns.
    EXPECT_EQ(lineWith(pages, QStringLiteral("Weber, Clara")).last(), QStringLiteral("030-100012"));
    EXPECT_EQ(lineWith(pages, QStringLiteral("Insgesamt :")),
              (QStringList{"Insgesamt :", "1.100,00 DM", "562,42 €"}));
}

// The consultant's guest list: two lines per guest, the next party and whether she has paid.
TEST_F(GuestLists, PaymentList)
{
    const auto pages = this->pages(QStringLiteral("gaeste-bezahlt"));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pages[0].hasText(QStringLiteral("Vorführungsnummer : ") + rNr));
    EXPECT_TRUE(pages[0].hasText(QStringLiteral("Verkauf €")));
    EXPECT_EQ(lineWith(pages, QStringLiteral("Schmidt,")),
              (QStringList{"02", "Schmidt,", "Schmidtweg 1", "030-100011", "14.03.2026", "1.000,00", "JA"}));
    EXPECT_EQ(lineWith(pages, QStringLiteral("Berta")),
              (QStringList{"100011", "Berta", "10011 Altdorf", "031-100011"}));
    EXPECT_EQ(lineWith(pages, QStringLiteral("Müller,")).last(), QStringLiteral("NEIN"));

    options().setChecked(QStringLiteral("Euro"), false);
    EXPECT_TRUE(anyPageHas(this->pages(QStringLiteral("gaeste-bezahlt")), QStringLiteral("Verkauf DM")));
}

// The form for the party: landscape, the unknown customer's row blank but for its number, rows
// of even guest numbers shaded.
TEST_F(GuestLists, GuestListForm)
{
    const auto doc = build(QStringLiteral("gaesteliste"), {rNr});
    EXPECT_EQ(doc.orientation, ReportDocument::Orientation::Landscape);
    const auto pages = ReportLayout::layout(doc);
    ASSERT_EQ(pages.size(), 1u);
    for (const char* text : {"Gästeliste", "Für die Tupperparty®", "am: 05.01.2026    bei: Müller, Anna",
                             "Vorname, Name des/der GastgeberIn"})
        EXPECT_TRUE(pages[0].hasText(QString::fromUtf8(text))) << text;
    EXPECT_EQ(lineWith(pages, QStringLiteral("Weber, Clara")),
              (QStringList{"04", "Weber, Clara", "Weberweg 1", "10012 Altdorf", "030-100012"}));
    EXPECT_EQ(lineWith(pages, unknown), QStringList{unknown});
    EXPECT_FALSE(anyPageHas(pages, QStringLiteral("Unbekannt")));

    struct Case
    {
        QString guest;
        bool shaded;
    };
    for (const Case& c : std::vector<Case>{{"01", false}, {"02", true}, {"03", false}, {"04", true}}) {
        SCOPED_TRACE(c.guest.toStdString());
        const ReportItem* number = pages[0].findText(c.guest);
        ASSERT_NE(number, nullptr);
        const bool shaded =
            std::any_of(pages[0].items.begin(), pages[0].items.end(), [&](const ReportItem& item) {
                return item.kind == ReportItem::Kind::Shade && item.rectMm.contains(number->rectMm.center());
            });
        EXPECT_EQ(shaded, c.shaded);
    }
}

} // namespace korbelant::test
