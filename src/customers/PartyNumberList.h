#pragma once

#include <QString>
#include <vector>

namespace korbelant {

class Database;

// The parties offered by the party-number prompt, the most recent first.
class PartyNumberList
{
public:
    struct Row
    {
        QString number; // R_NR
        QString hostName;
        QString week;     // MWoche
        QString partWeek; // TWoche
        int guests = 0;
        double turnover = 0;
    };

    static std::vector<Row> rows(Database& db);
    // "DDMMYYC" as the prompt's mask shows it: "DD/MM/YY  C".
    static QString masked(const QString& number);
    // The number from the mask's text: the literals and blanks taken out.
    static QString unmasked(const QString& text);
};

} // namespace korbelant
