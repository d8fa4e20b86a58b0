#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace korbelant {

class DataSet;
class TWocheDataModul;
class UiPort;
class WeekPrintSet;
struct ReportDocument;

// "&Drucken" of the week window: the selected week reports in their order, each made for the
// week's marked part-weeks (all of them when none are marked), printed as often as its copies say
// and then noted in the week's print status. A report that fails ends the run with its message.
class WeekPrintRun
{
public:
    static inline const QString kWait = QStringLiteral("Bitte warten");

    // Prints one report document the given number of times.
    using Printer = std::function<void(const ReportDocument& document, int copies)>;

    struct Result
    {
        QList<int> printed;      // the reports printed, in order
        QStringList unavailable; // titles of selected reports the program cannot make yet
        bool failed = false;
    };

    static Result run(TWocheDataModul& week, const WeekPrintSet& set, DataSet& data, UiPort& ui,
                      const Printer& print);
};

} // namespace korbelant
