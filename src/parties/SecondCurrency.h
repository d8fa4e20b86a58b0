#pragma once

#include <QString>

namespace korbelant {

class Options;

// The second amount column of the delivery lists and the Tupper-Börse: shown when its option
// asks for it (Auslief for the delivery lists, Gaeste for the Tupper-Börse), in D-Mark for a
// Euro data set and in Euro for a D-Mark one. In lists with the second column, amounts and
// stars of 0 are printed blank.
class SecondCurrency
{
public:
    SecondCurrency(bool shown, bool dataInEuro) : m_shown(shown), m_euro(dataInEuro) {}
    static SecondCurrency of(const Options& options, const QString& option);

    bool shown() const { return m_shown; }
    bool dataInEuro() const { return m_euro; }
    // The head of the second column: "Summe(DM)" or "Summe(€)".
    QString columnTitle() const;
    // The symbols of the data set's own currency and of the second one: "€" or "DM".
    QString ownSymbol() const;
    QString secondSymbol() const;
    // An amount of the data set in the second currency.
    double convert(double amount) const;

private:
    bool m_shown;
    bool m_euro;
};

} // namespace korbelant
