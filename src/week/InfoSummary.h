#pragma once

#include <QDateTime>
#include <QString>

namespace korbelant {

class DataHome;
class Database;
class Options;

// The lines of the information window "Informationen auf einen Blick", computed for a moment:
// the greeting, the currency, the change-over to the Euro, the latest week's transfer and print
// states and the distributor interface chosen in the options.
struct InfoSummary
{
    QString greeting;
    QString currency;
    QString changeOver;
    QString weekLabel; // "Aktuelle Woche :" or "Letzte Woche :"
    QString week;      // the week as it is shown, empty without week records
    QString transferred;
    QString printed;
    QString interfaceVersion;

    static InfoSummary compute(Database& db, const Options& options, const DataHome& home,
                               const QDateTime& now);

    static QString greetingAt(const QTime& time);
    static QString changeOverOn(const QDate& today, bool euro);
    // "ja", "nein", "teilweise" for the parties of a week ("-" when it has none).
    static QString transferState(int parties, int transferred);
    // From the print-status word DR_20 of the week.
    static QString printState(qint64 dr20);
    // The lines as the window shows them, top to bottom.
    QStringList lines() const;
};

} // namespace korbelant
