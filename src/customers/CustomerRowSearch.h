#pragma once

#include "customers/CustomerRow.h"
#include "customers/CustomerSort.h"

#include <QString>
#include <vector>

namespace korbelant {

// The incremental search of "Kunde suchen" on the first field of the sort order: a text field
// finds the first row whose value begins with the entry, ignoring case; a date field finds the
// row with that date once the entry is a date.
class CustomerRowSearch
{
public:
    static QString fieldLabel(CustomerSort::Order order); // "Name :", "Nächste V. :"
    // The row found, or -1.
    static int find(const std::vector<CustomerRow>& rows, CustomerSort::Order order, const QString& entry);
};

} // namespace korbelant
