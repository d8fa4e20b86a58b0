#pragma once

#include <QString>
#include <QVariantMap>

namespace korbelant {

// One order line of a participant (a record of Tupper1) as the line rules work on it. A line
// that has not been stored yet has id 0.
struct OrderLine
{
    QString rNr;
    QString pNr;
    qint64 id = 0;
    QString lNr;
    QString va;
    QString vorab; // "V" advance, "L" taken from own stock
    QString zNr;
    QString mWoche;
    QString tWoche;
    QString lText;
    double stueck = 1;
    QString fehlCode;
    double einzKost = 0;
    double einzPreis = 0;
    double kosten = 0;
    double summe = 0;
    int sterne = 0;
    double sterneDm = 0;
    double umSterne = 0;
    int naStuLi = 0; // pieces taken from own stock

    bool isNew() const { return id == 0; }
    bool isOwnStock() const { return va == QStringLiteral("90") && vorab == QStringLiteral("L"); }
    void clearAmounts();

    static OrderLine fromRecord(const QVariantMap& record);
    // The fields the line rules own; the back-order fields are left to their own rules.
    QVariantMap toValues() const;
};

} // namespace korbelant
