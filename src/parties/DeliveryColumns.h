#pragma once

#include "parties/PartyReportData.h"
#include "parties/SecondCurrency.h"
#include "reports/ReportColumn.h"
#include "reports/ReportRow.h"

#include <functional>
#include <vector>

namespace korbelant {

// The columns of a delivery list, put together in print order, each with the value it takes
// from an order line. Amounts are printed blank at 0 in the lists with a second currency, and
// their sums carry the currency symbol there; stars of 0 are always blank.
class DeliveryColumns
{
public:
    using Line = PartyReportData::Line;

    explicit DeliveryColumns(const SecondCurrency& currency) : m_currency(currency) {}

    DeliveryColumns& pieces();
    DeliveryColumns& text(const QString& title, double widthMm, QString Line::*field);
    DeliveryColumns& price();
    DeliveryColumns& amount();
    DeliveryColumns& stars();
    DeliveryColumns& status();
    // The amount in the other currency; nothing without the second currency.
    DeliveryColumns& secondAmount();

    std::vector<ReportColumn> reportColumns() const;
    ReportRow row(const Line& line) const;

private:
    struct Column
    {
        ReportColumn column;
        std::function<QVariant(const Line&)> value;
    };

    ReportColumn money(const QString& title, double widthMm, bool summed) const;
    DeliveryColumns& add(ReportColumn column, std::function<QVariant(const Line&)> value);

    SecondCurrency m_currency;
    std::vector<Column> m_columns;
};

} // namespace korbelant
