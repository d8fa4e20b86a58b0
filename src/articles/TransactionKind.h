#pragma once

#include <QString>

namespace korbelant {

// One transaction kind of the installed table VA: its code and the factors an order line of
// this kind is priced with.
struct TransactionKind
{
    QString va;
    QString vaQuelle; // source kind: the kind may only be booked for articles of this kind or its own
    QString vaText;
    QString vaInfo;
    double ekFaktor = 0;
    double vkFaktor = 0;
    double sterneFakt = 0;
    double sterneDmFa = 0;
    double umsSternFa = 0;
    double provision = 0;
    QString nurBerater;
    QString lnrVa;  // "J": article numbers of this kind carry the kind code
    QString vaArt;  // "TE" text lines, "AP", "BP" or another class
    QString muster; // "J": lines of this kind cost the sample price
    QString vonArtNr;
    QString bisArtNr;
    double umsatzVkg = 0;
    double umsatzWb = 0;

    bool isText() const { return vaArt == QStringLiteral("TE"); }
    bool carriesKindInNumber() const { return lnrVa == QStringLiteral("J"); }
    // "10=Verkauf Katalogartikel", as the kind selectors list it.
    QString displayEntry() const { return va + QLatin1Char('=') + vaText; }
};

} // namespace korbelant
