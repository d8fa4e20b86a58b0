#pragma once

#include "reports/ReportDocument.h"

#include <QString>

namespace korbelant {

class DataSet;
class Database;
class ReportRegistry;

// The two reports about one customer: "Anwesenheitsliste", every participant of each party she
// took part in (her own rows shaded), and "Artikelkäufe", her order lines week by week.
class CustomerHistoryReport
{
public:
    static ReportDocument attendance(Database& db, const QString& customer);
    static ReportDocument purchases(Database& db, const QString& customer);
    static void registerIn(ReportRegistry& registry);
};

} // namespace korbelant
