#pragma once

#include "week/WeekRange.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace korbelant {

class Options;

// The five week reports of the week window's "Drucken" tab: their titles, whether each is
// selected and how many copies, the "TW" choice between the two order lists (option TWZ), and the
// order in which "&Drucken" runs the selected ones. A report is made through the report registry
// under its name; one that is not in the registry is not available yet.
class WeekPrintSet
{
public:
    static constexpr int kReports = 5;
    static constexpr int kExchangeList = 3; // not made when the week has nothing exchanged
    static constexpr int kMinCopies = 1;
    static constexpr int kMaxCopies = 99;
    static inline const QString kOrderListNote =
        QStringLiteral("Vorführungen werden beim Ausdrucken zusammengefasst");

    struct Row
    {
        int report = 0; // 1 .. 5, the digit of the print-status word
        QString title;
        bool print = true;
        int copies = kMinCopies;
    };

    explicit WeekPrintSet(Options& options);

    const std::vector<Row>& rows() const { return m_rows; }
    const Row& row(int report) const { return m_rows.at(static_cast<size_t>(report - 1)); }
    void setPrint(int report, bool on);
    // Copies are held to 1 .. 99.
    void setCopies(int report, int copies);

    // The "TW" toggle of the order list: on chooses the order list with part-weeks. Stored in the
    // option TWZ (checked means off); each change writes the option file at once.
    bool twToggle() const;
    void setTwToggle(bool on);

    // The registry name of report k (the order list by the "TW" toggle).
    QString reportName(int report) const;
    bool available(int report) const;
    // The selected reports in the order "&Drucken" prints them.
    std::vector<int> printOrder() const;
    // The arguments the week reports take for a week and its part-weeks.
    static QStringList arguments(const WeekRange& range);

private:
    Options& m_options;
    std::vector<Row> m_rows;
};

} // namespace korbelant
