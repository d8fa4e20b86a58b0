#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace korbelant {

class DataHome;
class Options;
class UiPort;

// The currency of the data set, kept in the first line of DB/Status.txt ("Euro" or "DEM")
// followed by the protocol of the conversion, and mirrored in the option Euro.
class CurrencyState
{
public:
    enum class Currency
    {
        DMark,
        Euro
    };

    // Decides the currency each time the options are shown or created: from Status.txt, else
    // from the option Euro (asking the user), the first start and the date; rewrites Status.txt
    // when it had no answer, sets the option Euro and saves the options.
    static Currency determine(const DataHome& home, Options& options, UiPort& ui, bool firstStart,
                              const QDate& today);

    // The currency recorded in Status.txt, without asking or writing; nullopt when the file
    // has no answer (missing, unreadable or an empty first line).
    static std::optional<Currency> recorded(const DataHome& home);

    // The protocol lines after the first line of Status.txt.
    static QString protocol(const DataHome& home);
    static QString displayName(Currency currency)
    {
        return currency == Currency::Euro ? QStringLiteral("Euro") : QStringLiteral("D-Mark");
    }

    static inline const QString kQuestion =
        QStringLiteral("In den Optionen ist vermerkt das eine Umstellung auf Euro bereits stattgefunden hat. "
                       "Ist diese Angabe "
                       "falsch oder haben Sie einen Datenbestand in DM wieder hergestellt, dann drücken Sie "
                       "bitte Nein. Haben Sie "
                       "bereits auf Euro umgestellt ?");

private:
    static QString firstLine(const DataHome& home, bool& readable);
};

} // namespace korbelant
