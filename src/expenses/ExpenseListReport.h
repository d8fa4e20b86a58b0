#pragma once

#include "expenses/Expense.h"
#include "reports/ReportDocument.h"

#include <QStringList>
#include <vector>

namespace korbelant {

class DataSet;
class ReportRegistry;

// "Ausgaben für das Jahr …": the purchases still being written off in the year, with their
// remaining term and value and the year's depreciation; "Endsumme :" over price, remaining value
// and depreciation of the purchases listed.
class ExpenseListReport
{
public:
    static const QString Name; // "ausgaben"

    static ReportDocument document(const std::vector<Expense>& expenses, int year,
                                   const std::vector<ReportTextBlock>& header);
    // Argument JAHR.
    static ReportDocument build(DataSet& set, const QStringList& args);
    static void registerIn(ReportRegistry& registry);
};

} // namespace korbelant
