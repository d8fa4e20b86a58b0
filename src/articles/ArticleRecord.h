#pragma once

#include <QDate>
#include <QString>
#include <QVariantMap>

namespace korbelant {

class Statement;

// One article of the catalogue (a record of Lager), with the values as the program uses them.
struct ArticleRecord
{
    QString lNr; // L_NR, the article number
    QString zNr; // Z_NR, the distributor's order number
    int sterne = 0;
    QString va;
    QString lText;
    double preis = 0;
    double va38 = 0;   // bonus per piece
    double muster = 0; // sample price per piece
    QString sonder;
    bool aktiv = false;
    bool neu = false;
    bool entfernt = false;
    double provSatz = 0;
    double berPreis = 0;
    QString muSperr;  // "J" / "N"
    QString vkSperre; // "J" / "N"
    QDate fgDatum;
    int bestand = 0;
    QString wSperre;  // week key
    QString wFreigab; // week key

    // The columns in the order fromStatement() expects them.
    static QString selectColumns();
    // Reads a row selected with selectColumns(), starting at the first column.
    static ArticleRecord fromStatement(const Statement& st);
    // Every field by name, for storing.
    QVariantMap toValues() const;
};

} // namespace korbelant
