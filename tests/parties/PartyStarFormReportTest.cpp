#include "core/FixedCustomers.h"
#include "reports/ReportLayout.h"
#include "support/PartyListFixture.h"

#include <algorithm>

namespace korbelant::test {

namespace {

const QString kStarForm = QStringLiteral("zusatzsterne");

int count(const std::vector<ReportPage>& pages, const QString& text)
{
    int n = 0;
    for (const ReportPage& page : pages)
        n += static_cast<int>(page.texts().count(text));
    return n;
}

} // namespace

class PartyStarForm : public PartyListFixture
{
protected:
    void SetUp() override
    {
        options().setText(QStringLiteral("K_NR"), FixedCustomers::kConsultant);
        options().setText(QStringLiteral("BNR"), QStringLiteral("4711"));
        options().setText(QStringLiteral("Gruppen_NR"), QStringLiteral("08"));
        db().run(QStringLiteral("UPDATE Kunden SET VORNAME = 'Ute', NAME = 'Brandt' WHERE K_NR = ?"),
                 {FixedCustomers::kConsultant});
    }

    // A guest who booked a party of her own on the given day.
    QString booked(const QString& kNr, const QString& name, const QDate& day)
    {
        const QString pNr = guest(kNr, name, QStringLiteral("Vorname") + kNr.right(2));
        setParticipant(pNr, {{"Verabredung", 1}, {"Verabred_DATUM", day.toString(Qt::ISODate)}});
        return pNr;
    }
    void nominated(const QString& kNr, const QString& name, const QString& firstName)
    {
        setParticipant(guest(kNr, name, firstName),
                       {{"BENENNUNG", 1}, {"BENE_DATUM", "2026-02-20"}, {"BENE_ZEIT", "19:30:00"}});
    }
};

// The head: the consultant, the week of the party, the host with her telephones and e-mail,
// the party's figures under their two-line captions and the spare boxes.
TEST_F(PartyStarForm, HeadWithConsultantHostAndFigures)
{
    setHeader({{"VKG_UMSATZ", 345.6}, {"S_ANGEBOTE", 2}, {"VERABRED", 3}, {"GAESTE", 8}});
    const auto pages = this->pages(kStarForm);
    ASSERT_EQ(pages.size(), 1u);
    const ReportPage& page = pages[0];
    for (const char* text : {"Zusätzliche Sterne", "für meine(n) GastgeberIn",
                             "Bitte ausgefüllt mit der Warenbestellung an ihre Bezirkshandlung geben.",
                             "GastgeberIn -Name und -Anschrift :", "Reserve I", "Reserve II", "Reserve III",
                             "Folgende Vorführungen wurden gebucht :"})
        EXPECT_TRUE(page.hasText(QString::fromUtf8(text))) << text;
    struct Field
    {
        const char* caption;
        const char* value;
    };
    for (const Field& f : std::vector<Field>{{"Vorname, Name der Beraterin", "Ute Brandt"},
                                             {"Beraterin - Konto", "4711"},
                                             {"Gr.-Nr. ", "08"},
                                             {"Woche   Jahr", "02   2026"},
                                             {"Strasse, Hausnummer", "Lindenweg 3"},
                                             {"Mobil", "0171-1234567"},
                                             {"e-mail", "anna@example.org"}}) {
        const QStringList line = lineWith(pages, QString::fromUtf8(f.caption));
        EXPECT_TRUE(line.contains(QString::fromUtf8(f.value)))
            << f.caption << ": " << line.join('|').toStdString();
    }
    EXPECT_TRUE(
        lineWith(pages, QStringLiteral("Frau Anna Müller")).contains(QStringLiteral("Vorname, Name")));
    EXPECT_EQ(lineWith(pages, QStringLiteral("345,60")), (QStringList{"345,60", "2", "3", "8"}));
    for (const char* head : {"Umsatz", "Inklusive", "Das besondere", "Angebot(Stück)", "Zahl der neuen",
                             "Verabredungen", "Zahl der", "Gäste"})
        EXPECT_TRUE(page.hasText(QString::fromUtf8(head))) << head;
}

// The booked parties come in pairs of boxes: an odd number gets a blank box beside the last,
// none gets two blank boxes.
TEST_F(PartyStarForm, BookingBoxesComeInPairs)
{
    struct Case
    {
        int appointments;
        int boxes;
    };
    int booked = 0;
    for (const Case& c : std::vector<Case>{{0, 2}, {1, 2}, {2, 2}, {3, 4}, {5, 6}}) {
        SCOPED_TRACE(std::to_string(c.appointments) + " appointments");
        for (; booked < c.appointments; ++booked)
            this->booked(QStringLiteral("1002%1").arg(booked, 2, 10, QLatin1Char('0')),
                         QStringLiteral("Gast%1").arg(booked), QDate(2026, 2, 1 + booked));
        const auto pages = this->pages(kStarForm);
        EXPECT_EQ(count(pages, QStringLiteral("Datum der Vorführung")), c.boxes);
        int frames = 0;
        for (const ReportPage& page : pages)
            frames +=
                static_cast<int>(std::count_if(page.items.begin(), page.items.end(), [](const ReportItem& i) {
                    return i.kind == ReportItem::Kind::Box;
                }));
        EXPECT_EQ(frames, c.boxes + 2); // the consultant's and the host's boxes
        for (int i = 0; i < c.appointments; ++i)
            EXPECT_TRUE(
                anyPageHas(pages, QStringLiteral("Vorname%1 Gast%2").arg(i, 2, 10, QLatin1Char('0')).arg(i)));
    }
    const auto pages = this->pages(kStarForm);
    EXPECT_EQ(lineWith(pages, QStringLiteral("Vorname03 Gast3")).size(), 4u); // two captions, two names
    EXPECT_TRUE(
        lineWith(pages, QStringLiteral("04.02.2026")).contains(QStringLiteral("Datum der Vorführung")));
}

// An appointment of the unknown customer is a blank box to be filled in by hand, as are the
// filling boxes; the booked boxes stand in name order.
TEST_F(PartyStarForm, UnknownCustomerPrintedBlank)
{
    booked(QStringLiteral("100030"), QStringLiteral("Zander"), QDate(2026, 2, 3));
    const QString unknown = addGuest(rNr, FixedCustomers::kUnknown);
    setParticipant(unknown, {{"Verabredung", 1}, {"Verabred_DATUM", "2026-02-04"}});
    booked(QStringLiteral("100031"), QStringLiteral("Albers"), QDate(2026, 2, 5));
    const auto pages = this->pages(kStarForm);
    EXPECT_EQ(count(pages, QStringLiteral("Datum der Vorführung")), 4);
    EXPECT_FALSE(anyPageHas(pages, QStringLiteral("Unbekannt")));
    EXPECT_FALSE(anyPageHas(pages, QStringLiteral("04.02.2026")));
    const QStringList texts = pages[0].texts();
    EXPECT_LT(texts.indexOf(QStringLiteral("Vorname31 Albers")),
              texts.indexOf(QStringLiteral("Vorname30 Zander")));
}

// The foot of page n holds the n-th nominated guest by name; pages beyond the nominations have
// a blank foot.
TEST_F(PartyStarForm, NominationAtTheFootOfEachPage)
{
    for (int i = 0; i < 15; ++i)
        booked(QStringLiteral("1002%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("Gast%1").arg(i),
               QDate(2026, 2, 1 + i));
    nominated(QStringLiteral("100040"), QStringLiteral("Zimmer"), QStringLiteral("Zora"));
    nominated(QStringLiteral("100041"), QStringLiteral("Arndt"), QStringLiteral("Paula"));

    const auto pages = this->pages(kStarForm);
    ASSERT_GE(pages.size(), 3u);
    const QString heading = QStringLiteral("Benennung:");
    const QString sentence = QStringLiteral("Die folgende Dame möchte unverbindlich über die Tätigkeit einer "
                                            "Tupperwaren-Beraterin informiert werden.");
    EXPECT_TRUE(pages[0].hasText(heading));
    EXPECT_TRUE(pages[0].hasText(sentence));
    EXPECT_TRUE(pages[0].hasText(QStringLiteral("Paula Arndt")));
    EXPECT_FALSE(pages[0].hasText(QStringLiteral("Zora Zimmer")));
    EXPECT_TRUE(lineWith({pages[0]}, QStringLiteral("Termin")).contains(QStringLiteral("20.02.2026 19:30")));
    EXPECT_TRUE(lineWith({pages[0]}, QStringLiteral("PLZ, Ort")).contains(QStringLiteral("10041 Altdorf")));
    EXPECT_TRUE(pages[1].hasText(QStringLiteral("Zora Zimmer")));
    EXPECT_TRUE(pages[1].hasText(heading));
    for (std::size_t i = 2; i < pages.size(); ++i) {
        EXPECT_FALSE(pages[i].hasText(heading)) << "page " << i + 1;
        EXPECT_TRUE(pages[i].hasText(QStringLiteral("Vorname, Name der Beraterin"))) << "page " << i + 1;
    }
    // Every booked party is on the form, none cut off by the foot.
    EXPECT_EQ(count(pages, QStringLiteral("Datum der Vorführung")), 16);
    for (const ReportPage& page : pages) {
        const ReportItem* foot = page.findText(heading);
        if (!foot)
            continue;
        for (const ReportItem& item : page.items) {
            if (item.text == QStringLiteral("Datum der Vorführung")) {
                EXPECT_LT(item.rectMm.bottom(), foot->rectMm.top());
            }
        }
    }
}

} // namespace korbelant::test
