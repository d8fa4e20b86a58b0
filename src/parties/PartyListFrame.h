#pragma once

#include "reports/ReportSection.h"

#include <QString>
#include <QStringList>

namespace korbelant {

class DataSet;
class Options;
struct PartyAddress;

// What the printed lists of one party share: the party number argument, the host's address on
// the left and the consultant's on the right, the list number line and the two footer lines.
class PartyListFrame
{
public:
    // The party number of the arguments R_NR [P_NR] (at most `count` of them); throws
    // ReportError when it is missing or there are too many.
    static QString partyArgument(const QStringList& args, int count = 1);

    // Salutation, first name and name, street, postcode and town, "Tel." and the telephone.
    static ReportTextBlock addressBlock(const PartyAddress& address);
    // "Beraterin" (with " :" after it when asked), name, street, town, "Tel." and "Fax.".
    static ReportTextBlock consultantBlock(DataSet& set, bool colon = false);
    // "Listen-NR. ..: " and the party number.
    static QString listNumber(const QString& rNr);
    // A section of free lines, such as the figures under a list.
    static ReportSection linesSection(const QStringList& lines, bool firstLineBold = false);
    // A section with "Vorführungsnummer : " and the party number in bold.
    static ReportSection partyNumber(const QString& rNr);
    // The options AuslZeile1 and AuslZeile2; with a second currency always their fixed texts.
    static QStringList footerLines(const Options& options, bool secondCurrency);
};

} // namespace korbelant
