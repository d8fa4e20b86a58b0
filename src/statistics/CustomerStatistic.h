#pragma once

#include <QString>
#include <optional>

namespace korbelant {

// One customer's figures over the parties of a period: as buyer (her own purchases) and as host
// (the parties she gave).
struct CustomerStatistic
{
    QString K_NR;
    int GVANZAHL = 0; // parties hosted
    QString NAME;     // first name + " " + name
    QString XNAME;    // "Name Vorname", cut to 15 characters, the label of the chart
    QString MAX_OF_NAME;
    QString MAX_OF_STRASSE;
    QString Ort;       // postcode + " " + place
    int VANZAHL = 0;   // participations
    double Umsatz = 0; // her own purchases
    double AVUmsatz = 0;
    double GastGUmsatz = 0; // turnover of the parties she hosted
    int Sterne = 0;
    double UM_Sterne = 0;
    std::optional<double> VUmsatz; // GastGUmsatz per hosted party; none without one

    // The chart label of a name and first name: "mÜLLER", "Erna" -> "Müller Erna", at most 15.
    static QString chartName(const QString& name, const QString& firstName);
};

} // namespace korbelant
