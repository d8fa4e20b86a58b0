#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

namespace korbelant {

class Database;
class TargetRecord;

// The rules every takeover of parties shares: the party number made from the party's date, the
// header stored under the next free day letter, the customer numbers and the participant record.
class TakeOverParty
{
public:
    // The party number of a party of that date: "ddMMyy" and the day letter "A" (the party of
    // 24 March 1999 is 240399A); empty for a date that cannot be read.
    static QString partyNumber(const QVariant& date);
    // Stores a party header; while its number is taken it moves on to the next day letter, up to
    // "Z". False when it could not be stored.
    static bool storeHeader(Database& db, TargetRecord& record);

    static bool isWholeNumber(const QString& text);
    // A customer number of another program with "0" put in front until it has six characters.
    static QString sixDigits(const QString& number)
    {
        return number.trimmed().rightJustified(6, QLatin1Char('0'));
    }

    // The participant record of a guest for the stored party header, without its turnover and
    // guest type.
    static QVariantMap participant(const QVariantMap& header, const QString& customer, const QString& pNr);
};

} // namespace korbelant
