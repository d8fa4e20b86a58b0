#include "support/PartyModuleFixture.h"

#include "support/ArticleBuilder.h"
#include "support/CustomerBuilder.h"

namespace korbelant::test {

PartyModuleFixture::PartyModuleFixture()
{
    m_customers = std::make_unique<TClientDataModul>(m_set->db(), m_ui);
    m_articles = std::make_unique<TArtikelModul>(*m_set, m_ui);
    m_party = std::make_unique<TVorFuerModul>(m_set->db(), m_set->options(), m_ui, *m_customers, *m_articles);
}

void PartyModuleFixture::addCustomer(const QString& kNr, const QVariantMap& fields)
{
    CustomerBuilder(kNr).with(fields).with(QStringLiteral("K_NR"), kNr).insertInto(db());
}

void PartyModuleFixture::addArticle(const QString& lNr, const QString& va, double preis, int sterne,
                                    int bestand)
{
    ArticleBuilder(lNr, va)
        .with(QStringLiteral("Z_NR"), QStringLiteral("Z") + lNr)
        .text(QStringLiteral("Artikel ") + lNr)
        .pricedAt(preis)
        .stars(sterne)
        .stock(bestand)
        .insertInto(db());
}

int PartyModuleFixture::stock(const QString& lNr)
{
    return db().scalar(QStringLiteral("SELECT BESTAND FROM Lager WHERE L_NR = ?"), {lNr}).toInt();
}

QString PartyModuleFixture::makeParty(const QDate& date, const QString& host, const QString& suffix)
{
    const auto rNr =
        party().checkPartyNumber(date.toString(QStringLiteral("dd.MM.yyyy")), suffix, QDate(2100, 1, 1));
    EXPECT_TRUE(rNr.has_value());
    TVorFuerModul::Record h = party().newParty(*rNr, date);
    party().setHost(h, host);
    party().saveHeader(h);
    return *rNr;
}

QString PartyModuleFixture::addGuest(const QString& rNr, const QString& kNr)
{
    auto p = party().addParticipant(rNr);
    EXPECT_TRUE(p.has_value());
    (*p)[QStringLiteral("K_NR")] = kNr;
    party().saveParticipant(*p);
    return p->value(QStringLiteral("P_NR")).toString();
}

GuestLineRules::SaveResult PartyModuleFixture::enter(const QString& rNr, const QString& pNr,
                                                     const QString& lNr, const QString& va, double pieces,
                                                     OrderLine* saved, const QString& vorab)
{
    GuestLineRules& rules = party().lineRules();
    const auto p = party().participant(rNr, pNr);
    OrderLine line = rules.newLine(rNr, pNr, p->value(QStringLiteral("MWoche")).toString(),
                                   p->value(QStringLiteral("TWoche")).toString());
    rules.Tu1TableVAChange(line, va);
    rules.Tu1TableL_NRChange(line, lNr);
    rules.Tu1TableSTUECKChange(line, pieces);
    line.vorab = vorab;
    const auto result = rules.saveLine(line);
    if (saved)
        *saved = line;
    return result;
}

TVorFuerModul::Record PartyModuleFixture::header(const QString& rNr)
{
    return party().header(rNr).value_or(TVorFuerModul::Record{});
}

void PartyModuleFixture::bookAppointment(const QString& rNr, const QString& pNr, const QDate& date)
{
    db().run(
        QStringLiteral("UPDATE Tupper SET Verabredung = 1, Verabred_DATUM = ? WHERE R_NR = ? AND P_NR = ?"),
        {date.toString(Qt::ISODate), rNr, pNr});
}

void PartyModuleFixture::nominate(const QString& rNr, const QString& pNr, const QDate& date)
{
    db().run(QStringLiteral("UPDATE Tupper SET BENENNUNG = 1, BENE_DATUM = ? WHERE R_NR = ? AND P_NR = ?"),
             {date.toString(Qt::ISODate), rNr, pNr});
}

void PartyModuleFixture::moveToPartWeek(const QString& rNr, const QString& partWeek)
{
    for (const char* table : {"Tuppkopf", "Tupper", "Tupper1"})
        db().run(QStringLiteral("UPDATE %1 SET TWoche = ? WHERE R_NR = ?").arg(QString::fromLatin1(table)),
                 {partWeek, rNr});
}

QVariant PartyModuleFixture::customerField(const QString& kNr, const QString& field)
{
    const auto rows = db().rows(QStringLiteral("SELECT \"%1\" FROM Kunden WHERE K_NR = ?").arg(field), {kNr});
    return rows.empty() ? QVariant() : rows.front().front();
}

} // namespace korbelant::test
