#include "support/PartyListFixture.h"

#include "reports/ReportLayout.h"
#include "reports/ReportRegistry.h"
#include "support/CustomerBuilder.h"

namespace korbelant::test {

namespace {

void update(Database& db, const QString& table, const QString& where, const QVariantList& keys,
            const QVariantMap& fields)
{
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        db.run(QStringLiteral("UPDATE %1 SET \"%2\" = ? WHERE %3").arg(table, it.key(), where),
               QVariantList{it.value()} + keys);
}

} // namespace

PartyListFixture::PartyListFixture()
{
    CustomerBuilder(QStringLiteral("100010"))
        .name(QStringLiteral("Müller"), QStringLiteral("Anna"))
        .with({{QStringLiteral("ANREDE"), QStringLiteral("Frau")},
               {QStringLiteral("STRASSE"), QStringLiteral("Lindenweg 3")},
               {QStringLiteral("PLZ"), QStringLiteral("12345")},
               {QStringLiteral("ORT"), QStringLiteral("Neustadt")},
               {QStringLiteral("TELEFON"), QStringLiteral("0123-4567")},
               {QStringLiteral("TELEFON2"), QStringLiteral("0171-1234567")},
               {QStringLiteral("E-MAIL"), QStringLiteral("anna@example.org")}})
        .insertInto(db());
    rNr = makeParty(QDate(2026, 1, 5), QStringLiteral("100010"));
}

QString PartyListFixture::guest(const QString& kNr, const QString& name, const QString& firstName)
{
    if (db().rows(QStringLiteral("SELECT 1 FROM Kunden WHERE K_NR = ?"), {kNr}).empty()) {
        CustomerBuilder(kNr)
            .name(name, firstName)
            .with({{QStringLiteral("STRASSE"), name + QStringLiteral("weg 1")},
                   {QStringLiteral("PLZ"), QStringLiteral("1") + kNr.right(4)},
                   {QStringLiteral("ORT"), QStringLiteral("Altdorf")},
                   {QStringLiteral("TELEFON"), QStringLiteral("030-") + kNr},
                   {QStringLiteral("FAX"), QStringLiteral("031-") + kNr},
                   {QStringLiteral("TELEFON2"), QStringLiteral("0170-") + kNr},
                   {QStringLiteral("E-MAIL"), name.toLower() + QStringLiteral("@example.org")}})
            .insertInto(db());
    }
    return addGuest(rNr, kNr);
}

void PartyListFixture::line(const QString& pNr, const Line& l)
{
    db().run(QStringLiteral("INSERT INTO Tupper1 (R_NR, P_NR, L_NR, VA, L_TEXT, STUECK, EINZ_PREIS, SUMME, "
                            "STERNE, VORAB, NACHLIEF, KOSTEN) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0)"),
             {rNr, pNr, l.L_NR, l.VA, l.L_TEXT.isEmpty() ? QStringLiteral("Artikel ") + l.L_NR : l.L_TEXT,
              l.STUECK, l.EINZ_PREIS, l.STUECK * l.EINZ_PREIS, l.STERNE,
              l.VORAB.isEmpty() ? QVariant() : QVariant(l.VORAB),
              l.NACHLIEF.isEmpty() ? QVariant() : QVariant(l.NACHLIEF)});
}

void PartyListFixture::setParticipant(const QString& pNr, const QVariantMap& fields)
{
    update(db(), QStringLiteral("Tupper"), QStringLiteral("R_NR = ? AND P_NR = ?"), {rNr, pNr}, fields);
}

void PartyListFixture::setHeader(const QVariantMap& fields)
{
    update(db(), QStringLiteral("Tuppkopf"), QStringLiteral("R_NR = ?"), {rNr}, fields);
}

ReportDocument PartyListFixture::build(const QString& report, const QStringList& args)
{
    return ReportRegistry::standard().build(report, *m_set, args);
}

std::vector<ReportPage> PartyListFixture::pages(const QString& report, const QStringList& args)
{
    return ReportLayout::layout(build(report, args));
}

QStringList PartyListFixture::lineWith(const std::vector<ReportPage>& pages, const QString& text)
{
    for (const ReportPage& page : pages) {
        if (const ReportItem* item = page.findText(text))
            return page.lineOf(*item);
    }
    return {};
}

bool PartyListFixture::anyPageHas(const std::vector<ReportPage>& pages, const QString& text)
{
    return !lineWith(pages, text).isEmpty();
}

} // namespace korbelant::test
