#pragma once

#include "reports/ReportDocument.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace korbelant {

class Database;
class DataSet;
class ReportRegistry;

// The week overview ("Wochenübersicht"): every party of a range of weeks in the order of the
// week index, grouped by week key with a "Teilsumme" per week and "Summe komplett" with the
// number of parties at the end.
class WeekOverviewReport
{
public:
    // Week keys from..to inclusive; an empty bound has no limit.
    struct Range
    {
        QString from;
        QString to;
    };

    struct Party
    {
        QString R_NR;
        QString K_NR;
        QString hostName; // "Name, Vorname" of the host
        QString MWoche;
        QString TWoche;
        int VERABRED = 0;
        int GAESTE = 0;
        int STERNE = 0;
        double STERNE_DM = 0;
        double S_UMSATZ = 0;
        double S_AUSGABE = 0;
        double VKG_UMSATZ = 0;
        double WB_UMSATZ = 0;
        bool ERSTELLT = false; // sent to the distributor
    };

    static const QString Name; // "wochenuebersicht"

    // The fields "von : " and "bis : " of the dialog "Wochen auswählen": both empty lists all
    // parties; a "bis" shorter than six characters has no upper limit, an empty "von" no lower.
    static Range rangeFromDialog(const QString& von, const QString& bis);

    explicit WeekOverviewReport(Database& db) : m_db(db) {}
    std::vector<Party> parties(const Range& range) const;

    static ReportDocument document(const std::vector<Party>& parties);

    // The report for the command line and the registry: arguments [VON] [BIS], each a week key
    // JJJJWW, a date TT.MM.JJJJ (its week) or "-" for no limit.
    static ReportDocument build(DataSet& set, const QStringList& args);
    static void registerIn(ReportRegistry& registry);
    // The consultant's account and group number on the left, her address on the right.
    static std::vector<ReportTextBlock> pageHeader(DataSet& set);
    // A week argument as a week key; empty for "-" or ""; throws ReportError otherwise.
    static QString weekArgument(const QString& text);

private:
    Database& m_db;
};

} // namespace korbelant
