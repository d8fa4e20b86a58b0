#pragma once

#include <QList>
#include <QString>

namespace korbelant {

// The customer's contacts with the distributor's branch: four yes/no columns of the customer
// table ("J"/"N"), set in the customer dialog and filtered for in the filter dialog.
class ContactFlags
{
public:
    struct Flag
    {
        QString column;      // the column of the customer table
        QString filterField; // the check box of the filter dialog
        QString caption;     // the caption of the check boxes in both dialogs
    };

    // The flags in the order of the dialogs.
    static const QList<Flag>& all();
};

} // namespace korbelant
