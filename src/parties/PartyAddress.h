#pragma once

#include <QString>
#include <QVariantList>

namespace korbelant {

// The address of a host or guest as the party lists print it, read from the customer record.
// The unknown customer "099999" stands for guests whose names the consultant writes in by hand.
struct PartyAddress
{
    QString K_NR;
    QString ANREDE;
    QString VORNAME;
    QString NAME;
    QString STRASSE;
    QString PLZ;
    QString ORT;
    QString TELEFON;
    QString TELEFON2; // mobile
    QString FAX;
    QString EMAIL;

    // The columns read into an address, for the SELECT list of a query on Kunden aliased `alias`.
    static QString columns(const QString& alias);
    static constexpr int kColumnCount = 11;
    // The address from the row, starting at column `first` of the columns above.
    static PartyAddress fromRow(const QVariantList& row, int first);

    bool unknown() const;
    QString nameFirst() const; // "Name, Vorname"
    QString fullName() const;  // "Vorname Name"
    QString town() const;      // "PLZ Ort"
};

} // namespace korbelant
