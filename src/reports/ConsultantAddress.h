#pragma once

#include "reports/ReportTextBlock.h"

#include <QString>

namespace korbelant {

class Database;
class Options;

// The consultant's own address for the heads of the reports: the customer record whose number
// is the option K_NR, and the word "Berater" or "Beraterin" by the option Berater.
struct ConsultantAddress
{
    QString label = QStringLiteral("Beraterin");
    QString BName; // first name + " " + name
    QString Anrede;
    QString Strasse;
    QString BORT; // postcode + " " + town
    QString Telefon;
    QString Fax;

    // Without a record of that number only the label is filled.
    static ConsultantAddress read(Database& db, const Options& options);

    // The label (bold) and name, street and town; "Tel. " and "Fax. " lines only when present
    // and asked for.
    ReportTextBlock block(ReportTextBlock::Side side, bool withPhoneAndFax) const;
    // "Berat.-Konto/Gr. Nr. : " + consultant number + "/" + group number.
    static QString accountLine(const Options& options);
};

} // namespace korbelant
