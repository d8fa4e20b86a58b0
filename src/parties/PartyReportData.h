#pragma once

#include "parties/PartyAddress.h"

#include <QDate>
#include <QString>
#include <vector>

namespace korbelant {

class Database;
class Options;

// What the printed lists of one party read: its header, its order lines per guest or summed
// per article, its participants with their customers, and the appointments and nominations
// booked at it. Every value reaches the queries as a bound parameter.
class PartyReportData
{
public:
    struct Header
    {
        QString R_NR;
        QDate DATUM;
        QString MWoche;
        double VKG_UMSATZ = 0;
        int S_ANGEBOTE = 0;
        int VERABRED = 0;
        int GAESTE = 0;
        int STERNE = 0;
        double UM_STERNE = 0;
        QDate AUSLIEFER1;
        PartyAddress host;
    };

    // An order line, or in the list of the whole party the lines of one article, kind and
    // delivery state summed.
    struct Line
    {
        QString P_NR;
        QString L_NR;
        QString VA;
        QString VA_INFO;
        QString L_TEXT;
        QString VORAB;
        QString NACHLIEF;
        double STUECK = 0;
        double EINZ_PREIS = 0;
        double SUMME = 0;
        int STERNE = 0;
        PartyAddress guest;
    };

    struct Participant
    {
        QString P_NR;
        double UMSATZ = 0;
        bool BEZAHLT = false;
        QDate Verabred_DATUM;
        QDate BENE_DATUM;
        QString BENE_ZEIT;
        QDate N_DATUM; // the customer's next party
        PartyAddress customer;
    };

    explicit PartyReportData(Database& db) : m_db(db) {}

    // The stored header; throws ReportDataMissing when there is no such party.
    Header header(const QString& rNr) const;
    // Throws ReportDataMissing when the party has no guest of that number.
    void requireParticipant(const QString& rNr, const QString& pNr) const;

    // The lines to deliver, by guest number and article number, without the kinds "96" and
    // "97"; only the one guest's lines when pNr is given.
    std::vector<Line> guestLines(const QString& rNr, const QString& pNr = {}) const;
    // The lines to deliver summed per delivery state, advance mark, kind and article, in article
    // order, with the kind's information text.
    std::vector<Line> articleLines(const QString& rNr) const;

    // Every participant in the order of the guest numbers.
    std::vector<Participant> participants(const QString& rNr) const;
    // The participants who booked an appointment, and those who were nominated, by name.
    std::vector<Participant> appointments(const QString& rNr) const;
    std::vector<Participant> nominations(const QString& rNr) const;

    // The stars the host has earned by the star plan (MSterne).
    int earnedStars(const Header& header, const Options& options) const;

private:
    std::vector<Participant> participantsWhere(const QString& rNr, const QString& condition,
                                               const QString& order) const;

    Database& m_db;
};

} // namespace korbelant
