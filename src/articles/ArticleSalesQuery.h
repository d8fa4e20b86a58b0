#pragma once

#include <QString>
#include <vector>

namespace korbelant {

class Database;

// "Artikel-Verkäufe an welchen Kunden ?": the order lines in which articles were sold, with the
// buyer. Every condition is a bound parameter.
class ArticleSalesQuery
{
public:
    struct Conditions
    {
        QString article;  // matched as a prefix of L_NR; empty for every article
        QString kind;     // VA code; empty for "Alle"
        QString fromWeek; // week key (year and week); empty for no start
        QString toWeek;   // week key; empty for no end
    };

    struct Sale
    {
        QString kundenName; // first name and name
        QString kNr;
        QString ort; // postcode and place
        QString strasse;
        QString telefon;
        QString woche; // week key followed by the part-week mark
        QString pNr;
        QString rNr;
        QString lNr;
        double stueck = 0;
        QString lText;
        double einzKost = 0;
        double einzPreis = 0;
        double kosten = 0;
        double summe = 0;
        QString va;
        double umsatzVkg = 0;
        double umsatzWb = 0;
    };

    explicit ArticleSalesQuery(Database& db) : m_db(db) {}
    std::vector<Sale> run(const Conditions& conditions) const;

    // The week key of the year and week entries ("2003", "5" -> "200305"); empty without a year.
    // A year without a week reaches from its first week (start) or to its last (end).
    static QString weekKey(const QString& year, const QString& week, bool isEnd = false);
    // "200315" -> "2003/15", "2003151" -> "2003/15/1".
    static QString weekDisplay(const QString& woche);

private:
    Database& m_db;
};

} // namespace korbelant
