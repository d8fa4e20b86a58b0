#include "parties/PartyFixture.h"

#include "core/Schema.h"

namespace korbelant::test {

PartyFixture::PartyFixture() : m_set(DataSet::open(m_home.home()))
{
    m_customers = std::make_unique<TClientDataModul>(m_set->db(), m_ui);
    m_articles = std::make_unique<TArtikelModul>(*m_set, m_ui);
    m_party = std::make_unique<TVorFuerModul>(m_set->db(), m_set->options(), m_ui, *m_customers, *m_articles);
}

void PartyFixture::addCustomer(const QString& kNr, const QVariantMap& fields)
{
    QVariantMap values = fields;
    values.insert(QStringLiteral("K_NR"), kNr);
    if (!values.contains(QStringLiteral("NAME")))
        values.insert(QStringLiteral("NAME"), QStringLiteral("Kunde") + kNr);
    db().insert(Schema::get(QStringLiteral("Kunden")), values);
}

void PartyFixture::addArticle(const QString& lNr, const QString& va, double preis, int sterne, int bestand)
{
    db().insert(Schema::get(QStringLiteral("Lager")),
                {{QStringLiteral("L_NR"), lNr}, {QStringLiteral("Z_NR"), QStringLiteral("Z") + lNr}, {QStringLiteral("VA"), va},
                 {QStringLiteral("L_TEXT"), QStringLiteral("Artikel ") + lNr}, {QStringLiteral("PREIS"), preis},
                 {QStringLiteral("STERNE"), sterne}, {QStringLiteral("BESTAND"), bestand}, {QStringLiteral("BER_PREIS"), preis * 0.7},
                 {QStringLiteral("VA38"), preis * 0.1}, {QStringLiteral("MUSTER"), preis * 0.5}});
}

int PartyFixture::stock(const QString& lNr)
{
    return db().scalar(QStringLiteral("SELECT BESTAND FROM Lager WHERE L_NR = ?"), {lNr}).toInt();
}

QString PartyFixture::makeParty(const QDate& date, const QString& host, const QString& suffix)
{
    const auto rNr = party().checkPartyNumber(date.toString(QStringLiteral("dd.MM.yyyy")), suffix, QDate(2100, 1, 1));
    EXPECT_TRUE(rNr.has_value());
    TVorFuerModul::Record h = party().newParty(*rNr, date);
    party().setHost(h, host);
    party().saveHeader(h);
    return *rNr;
}

QString PartyFixture::addGuest(const QString& rNr, const QString& kNr)
{
    auto p = party().addParticipant(rNr);
    EXPECT_TRUE(p.has_value());
    (*p)[QStringLiteral("K_NR")] = kNr;
    party().saveParticipant(*p);
    return p->value(QStringLiteral("P_NR")).toString();
}

GuestLineRules::SaveResult PartyFixture::enter(const QString& rNr, const QString& pNr, const QString& lNr, const QString& va,
                                               double pieces, OrderLine* saved, const QString& vorab)
{
    GuestLineRules& rules = party().lineRules();
    const auto p = party().participant(rNr, pNr);
    OrderLine line = rules.newLine(rNr, pNr, p->value(QStringLiteral("MWoche")).toString(), p->value(QStringLiteral("TWoche")).toString());
    rules.Tu1TableVAChange(line, va);
    rules.Tu1TableL_NRChange(line, lNr);
    rules.Tu1TableSTUECKChange(line, pieces);
    line.vorab = vorab;
    const auto result = rules.saveLine(line);
    if (saved)
        *saved = line;
    return result;
}

TVorFuerModul::Record PartyFixture::header(const QString& rNr)
{
    return party().header(rNr).value_or(TVorFuerModul::Record{});
}

QVariant PartyFixture::customerField(const QString& kNr, const QString& field)
{
    const auto rows = db().rows(QStringLiteral("SELECT \"%1\" FROM Kunden WHERE K_NR = ?").arg(field), {kNr});
    return rows.empty() ? QVariant() : rows.front().front();
}

} // namespace korbelant::test
