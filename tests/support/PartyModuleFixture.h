#pragma once

#include "articles/TArtikelModul.h"
#include "customers/TClientDataModul.h"
#include "parties/TVorFuerModul.h"
#include "support/DataSetFixture.h"

#include <memory>

namespace korbelant::test {

// A fresh data set with the party module (and the customer and article modules it works with)
// on scripted answers, and helpers that put customers, articles and parties into it.
class PartyModuleFixture : public DataSetFixture
{
protected:
    PartyModuleFixture();

    TVorFuerModul& party() { return *m_party; }

    void addCustomer(const QString& kNr, const QVariantMap& fields = {});
    void addArticle(const QString& lNr, const QString& va, double preis, int sterne = 0, int bestand = 0);
    int stock(const QString& lNr);
    // A stored party through the module: number, header with host, saved.
    QString makeParty(const QDate& date, const QString& host = QStringLiteral("100001"),
                      const QString& suffix = QStringLiteral("A"));
    // A stored guest of the party.
    QString addGuest(const QString& rNr, const QString& kNr);
    // A line entered as the guest window does; the save result.
    GuestLineRules::SaveResult enter(const QString& rNr, const QString& pNr, const QString& lNr,
                                     const QString& va, double pieces, OrderLine* saved = nullptr,
                                     const QString& vorab = {});
    TVorFuerModul::Record header(const QString& rNr);
    // A participant who booked a party of her own for the date, or who was nominated on it.
    void bookAppointment(const QString& rNr, const QString& pNr, const QDate& date);
    void nominate(const QString& rNr, const QString& pNr, const QDate& date);
    // Puts a party with its participants and lines into another part-week of its week.
    void moveToPartWeek(const QString& rNr, const QString& partWeek);
    QVariant customerField(const QString& kNr, const QString& field);

    std::unique_ptr<TClientDataModul> m_customers;
    std::unique_ptr<TArtikelModul> m_articles;
    std::unique_ptr<TVorFuerModul> m_party;
};

} // namespace korbelant::test
