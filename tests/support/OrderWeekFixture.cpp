#include "support/OrderWeekFixture.h"

namespace korbelant::test {

namespace {

QVariantMap address(const char* name, const char* firstName, const char* street, const char* postcode)
{
    QVariantMap fields{{QStringLiteral("NAME"), QString::fromUtf8(name)}};
    if (*firstName)
        fields.insert(QStringLiteral("VORNAME"), QString::fromUtf8(firstName));
    if (*street)
        fields.insert(QStringLiteral("STRASSE"), QString::fromUtf8(street));
    if (*postcode) {
        fields.insert(QStringLiteral("PLZ"), QString::fromLatin1(postcode));
        fields.insert(QStringLiteral("ORT"), QStringLiteral("Kassel"));
        fields.insert(QStringLiteral("LAND"), QStringLiteral("D"));
        fields.insert(QStringLiteral("ANREDE"), QStringLiteral("Frau"));
    }
    return fields;
}

} // namespace

OrderWeekFixture::OrderWeekFixture()
{
    options().setText(QStringLiteral("BNR"), QStringLiteral("4711"));
    options().setText(QStringLiteral("Weeks"), QStringLiteral("5"));
    options().setChecked(QStringLiteral("NURAKTIV"), true);
    addCustomers();
    addArticles();
    addParties();
    addGuestsAndLines();
    setHeaders();
    setWeek();
    m_week = std::make_unique<TWocheDataModul>(db(), options(), ui());
    m_week->setCurrentWeek(QStringLiteral("200649"));
}

void OrderWeekFixture::addCustomers()
{
    QVariantMap brandt = address("Brandt", "Ute", "Am Markt", "34117");
    brandt.insert(QStringLiteral("TELEFON"), QStringLiteral("0561 12345"));
    brandt.insert(QStringLiteral("E-MAIL"), QStringLiteral("ute@example.de"));
    brandt.insert(QStringLiteral("GEBURTSTAG"), QDate(1970, 5, 1));
    addCustomer(QStringLiteral("200001"), brandt);
    addCustomer(QStringLiteral("200002"), address("Roth", "Eva", "Hauptstraße 5", "34121"));
    addCustomer(QStringLiteral("200003"), address("Gast", "Gabi", "Lindenweg 12a", "34119"));
    addCustomer(QStringLiteral("200004"), address("Benannt", "Berta", "Weg 0815", ""));
    addCustomer(QStringLiteral("200005"), address("Klein", "", "", ""));
    addCustomer(QStringLiteral("200006"), address("Spät", "Sara", "Ringstraße", ""));
}

void OrderWeekFixture::addArticles()
{
    for (const char* article : {"T10", "T20", "T30", "T40"})
        addArticle(QString::fromLatin1(article), QStringLiteral("10"), 10.0);
    addArticle(QStringLiteral("T50"), QStringLiteral("20"), 20.0);
    db().run(QStringLiteral("UPDATE Lager SET AKTIV = 1"));
}

void OrderWeekFixture::addParties()
{
    b = makeParty(QDate(2006, 12, 9), QStringLiteral("200002"));
    a = makeParty(QDate(2006, 12, 10), QStringLiteral("200001"));
    c = makeParty(QDate(2006, 12, 8), QStringLiteral("200005"));
    moveToPartWeek(a, QStringLiteral("1"));
    moveToPartWeek(b, QStringLiteral("1"));
    moveToPartWeek(c, QStringLiteral("2"));
}

void OrderWeekFixture::addGuestsAndLines()
{
    const QString host = QStringLiteral("01");
    const QString gast = addGuest(a, QStringLiteral("200003"));
    const QString spaet = addGuest(a, QStringLiteral("200006"));
    const QString benannt = addGuest(a, QStringLiteral("200004"));
    moveToPartWeek(a, QStringLiteral("1"));
    bookAppointment(a, gast, QDate(2007, 1, 21));
    bookAppointment(a, spaet, QDate(2007, 1, 22));
    nominate(a, benannt, QDate(2006, 12, 10));
    enter(a, host, QStringLiteral("T10"), QStringLiteral("10"), 2);
    enter(b, host, QStringLiteral("T10"), QStringLiteral("10"), 3);
    enter(a, gast, QStringLiteral("T20"), QStringLiteral("10"), 2);
    enter(a, gast, QStringLiteral("T20"), QStringLiteral("10"), 1, nullptr, QStringLiteral("v"));
    enter(a, spaet, QStringLiteral("T30"), QStringLiteral("10"), 0);
    enter(b, host, QStringLiteral("T40"), QStringLiteral("10"), 2);
    enter(a, host, QStringLiteral("T50"), QStringLiteral("20"), 1);
    db().run(QStringLiteral("DELETE FROM Lager WHERE L_NR = 'T40'"));
}

void OrderWeekFixture::setHeaders()
{
    const QString header =
        QStringLiteral("UPDATE Tuppkopf SET BZH_VF_NR = ?, BZH_VF_ART = ?, VKG_UMSATZ = ?, "
                       "STERNE = ?, GAESTE = ?, VERABRED = ?, VF_TEXT = ? WHERE R_NR = ?");
    db().run(header, {QVariant(), 1, 123.456, 12, 5, 2, QStringLiteral("Garten; 2. Stock\\Hof"), a});
    db().run(header, {QStringLiteral("00042"), 2, 80.5, 3, 4, 0, QVariant(), b});
    db().run(header, {QVariant(), QVariant(), QVariant(), 0, 0, 0, QVariant(), c});
}

void OrderWeekFixture::setWeek()
{
    db().run(
        QStringLiteral("UPDATE MWoche SET VORFUEHR_1 = 3, VORFUEHR_2 = 0, VORFUEHR_3 = 0, VORFUEHR_4 = 1, "
                       "VORFUEHR_5 = 0, VORFUEHR_6 = 7, REK_BESUCH = 2 WHERE MWoche = '200649'"));
    for (const char* code : {"P1", "P2"})
        db().run(QStringLiteral("INSERT INTO anforderungen (MWOCHE, Kodierung, Bezeichnung, Menge, Max) "
                                "VALUES ('200649', ?, ?, 0, 5)"),
                 {QString::fromLatin1(code), QStringLiteral("Prospekt ") + QString::fromLatin1(code)});
}

} // namespace korbelant::test
